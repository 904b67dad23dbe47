// The one way a label shows a number.
//
// Shortest general decimal form: "." as separator whatever the locale, a
// leading "0" below 1, no trailing zeros and no trailing point ("0", "0.5",
// "1", "10.9"), at most 7 significant digits for a single-precision value
// and 15 for a double-precision one.
//
// Formatted with std::to_chars, which never depends on the user's locale.
// Where the standard library has no floating-point std::to_chars (the
// WebAssembly build's), snprintf's "%.*g" with the same precision writes
// the very same digits, which is what to_chars in general form with a
// precision is defined to do; that build's C library has no locale to
// change the separator.
#pragma once

#include <cstdint>
#include <string>
#include <version>

namespace waves {

std::string number_text(double value);
std::string number_text(float value);
// A whole number of tenths, as the value labels show it: 105 is "10.5".
std::string tenths_text(std::int64_t tenths);

// The two ways of writing the text, for the test that shows they agree.
namespace number_text_paths {
std::string printf_general(double value, int significant_digits);
#if defined(__cpp_lib_to_chars)
std::string to_chars_general(double value, int significant_digits);
std::string to_chars_general(float value, int significant_digits);
#endif
}  // namespace number_text_paths

}  // namespace waves
