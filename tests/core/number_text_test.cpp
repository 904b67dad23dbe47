// The number text every label uses.
#include "core/model/number_text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace waves {
namespace {

TEST(NumberText, TenthsShowAsShortestDecimal) {
    const struct {
        int tenths;
        const char* text;
    } cases[] = {{0, "0"}, {1, "0.1"}, {5, "0.5"}, {10, "1"}, {15, "1.5"}, {100, "10"}, {109, "10.9"}};
    for (const auto& c : cases) {
        EXPECT_EQ(number_text(static_cast<double>(c.tenths) / 10.0), c.text) << c.tenths;
    }
}

TEST(NumberText, SingleAndDoubleQuotientsAgreeOnEveryReachableTenth) {
    // The reference frequency is divided in single precision, the amplitudes
    // in double; for 0..109 tenths both must read the same.
    for (int tenths = 0; tenths <= 109; ++tenths) {
        EXPECT_EQ(number_text(static_cast<float>(tenths) / 10.0f),
                  number_text(static_cast<double>(tenths) / 10.0))
            << tenths;
    }
}

TEST(NumberText, SignificantDigitsFollowThePrecision) {
    // 1.3f is 1.2999999523...: seven digits round it back to "1.3".
    EXPECT_EQ(number_text(13.0f / 10.0f), "1.3");
    // 0.1 + 0.2 is 0.30000000000000004 in double: fifteen digits give "0.3".
    EXPECT_EQ(number_text(0.1 + 0.2), "0.3");
    EXPECT_EQ(number_text(-0.5), "-0.5");
    // A single-precision label keeps seven digits and no more: spans of 7
    // digits read whole, one of 8 is rounded to 7 in exponent form.
    EXPECT_EQ(number_text(1234567.0f), "1234567");
    EXPECT_EQ(number_text(16777216.0f), "1.677722e+07");
}

TEST(NumberText, LargeWholeNumbersKeepEveryDigit) {
    EXPECT_EQ(number_text(1000000.0 / 10.0), "100000");
    EXPECT_EQ(number_text(123456789012345.0), "123456789012345");
    EXPECT_EQ(number_text(16385.0f), "16385");
    EXPECT_EQ(number_text(1.0f), "1");
}

}  // namespace
}  // namespace waves

namespace waves {
namespace {

// The WebAssembly build writes label numbers with "%.*g" because its library
// has no floating-point to_chars; the labels must read the same there.
// Every value a label can show: amplitudes and frequencies in tenths (the
// frequency without bound), the reference frequency divided in single
// precision, and spans up to and past where single precision stops
// counting whole numbers.
TEST(NumberText, PrintfPathWritesTheSameTextAsToChars) {
    using namespace number_text_paths;
    const auto same = [](double value, float single) {
        EXPECT_EQ(printf_general(value, 15), to_chars_general(value, 15)) << value;
        EXPECT_EQ(printf_general(static_cast<double>(single), 7), to_chars_general(single, 7)) << single;
    };
    for (std::int64_t tenths = 0; tenths <= 300000; ++tenths) {
        same(static_cast<double>(tenths) / 10.0, static_cast<float>(tenths) / 10.0f);
    }
    for (std::int64_t tenths = 300000; tenths < (std::int64_t{1} << 62); tenths = tenths * 3 + 7) {
        same(static_cast<double>(tenths) / 10.0, static_cast<float>(tenths) / 10.0f);
    }
    for (std::int64_t whole = 16777000; whole <= 16777300; ++whole) {
        const auto span = static_cast<float>(whole);
        same(static_cast<double>(span), span);
    }
    for (float span = 1.0f; span < 3.0e38f; span *= 1.7f) same(static_cast<double>(span), span);
}

}  // namespace
}  // namespace waves
