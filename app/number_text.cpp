#include "app/number_text.h"

#include <array>
#include <charconv>
#include <system_error>

namespace waves {
namespace {

template <typename Real>
std::string general_text(Real value, int significant_digits) {
    // 32 characters hold any double in general form with 15 digits
    // (sign, digits, point, exponent).
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significant_digits);
    if (result.ec != std::errc{}) return "?";  // cannot happen with this buffer size
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string number_text(double value) { return general_text(value, 15); }

std::string number_text(float value) { return general_text(value, 7); }

}  // namespace waves
