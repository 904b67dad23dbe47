#include "core/model/number_text.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <system_error>

namespace waves {
namespace {

constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;

// 32 characters hold any double in general form with 15 digits (sign,
// digits, point, exponent).
using Buffer = std::array<char, 32>;

}  // namespace

namespace number_text_paths {

std::string printf_general(double value, int significant_digits) {
    Buffer buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*g", significant_digits, value);
    if (length < 0 || static_cast<std::size_t>(length) >= buffer.size()) return "?";  // cannot happen
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

#if defined(__cpp_lib_to_chars)
template <typename Real>
static std::string to_chars_text(Real value, int significant_digits) {
    Buffer buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, significant_digits);
    if (result.ec != std::errc{}) return "?";  // cannot happen with this buffer size
    return std::string(buffer.data(), result.ptr);
}

std::string to_chars_general(double value, int significant_digits) {
    return to_chars_text(value, significant_digits);
}

std::string to_chars_general(float value, int significant_digits) {
    return to_chars_text(value, significant_digits);
}
#endif

}  // namespace number_text_paths

#if defined(__cpp_lib_to_chars)
std::string number_text(double value) { return number_text_paths::to_chars_general(value, kDoubleDigits); }
std::string number_text(float value) { return number_text_paths::to_chars_general(value, kFloatDigits); }
#else
// A float widens to the same value in double, so "%.*g" sees exactly it.
std::string number_text(double value) { return number_text_paths::printf_general(value, kDoubleDigits); }
std::string number_text(float value) {
    return number_text_paths::printf_general(static_cast<double>(value), kFloatDigits);
}
#endif

std::string tenths_text(std::int64_t tenths) { return number_text(static_cast<double>(tenths) / 10.0); }

}  // namespace waves
