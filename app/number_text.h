// The one way a label shows a number.
//
// Shortest general decimal form: "." as separator whatever the locale, a
// leading "0" below 1, no trailing zeros and no trailing point ("0", "0.5",
// "1", "10.9"), at most 7 significant digits for a single-precision value
// and 15 for a double-precision one. Formatted with std::to_chars, so the
// text never depends on the user's locale.
#pragma once

#include <string>

namespace waves {

std::string number_text(double value);
std::string number_text(float value);

}  // namespace waves
