// The fields in which two parameter records differ, as text for a failure
// message: "wave_a(3) 110, not 109; t_span 2, not 1". Every field of the
// record is compared, the unused fifth component included; the text is
// empty when the records are equal.
#pragma once

#include <string>

#include "core/model/parameters.h"

namespace waves::property {

// Each differing field as "name actual, not expected", joined with "; ".
std::string differences(const Parameters& actual, const Parameters& expected);

}  // namespace waves::property
