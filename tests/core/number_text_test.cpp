// The number text every label uses.
#include "app/number_text.h"

#include <gtest/gtest.h>

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
}

TEST(NumberText, LargeWholeNumbersKeepEveryDigit) {
    EXPECT_EQ(number_text(1000000.0 / 10.0), "100000");
    EXPECT_EQ(number_text(123456789012345.0), "123456789012345");
    EXPECT_EQ(number_text(16385.0f), "16385");
    EXPECT_EQ(number_text(1.0f), "1");
}

}  // namespace
}  // namespace waves
