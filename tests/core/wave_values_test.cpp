// Values of the component waves, the reference wave and the sum E.
#include "core/graphs/wave_values.h"

#include <cmath>

#include <gtest/gtest.h>

namespace waves {
namespace {

Parameters start_like() {
    Parameters p;
    p.wave_last = 3;
    p.wave_cos = {true, true, true, true, true};
    p.std_a = 10;
    p.std_f = 10.0f;
    p.std_cos = true;
    return p;
}

TEST(ReferenceFactor, IsDividedInSinglePrecision) {
    Parameters p = start_like();
    p.std_f = 13.0f;
    // The single-precision value nearest 1.3, not the double nearest 1.3.
    EXPECT_NEAR(static_cast<double>(reference_factor(p)), 1.2999999523, 1e-10);
    EXPECT_NE(static_cast<double>(reference_factor(p)), 1.3);
    p.std_f = 10.0f;
    EXPECT_EQ(reference_factor(p), 1.0f);
    p.std_f = 1.0f;
    EXPECT_NEAR(static_cast<double>(reference_factor(p)), 0.100000001490116, 1e-15);
}

TEST(ReferenceValue, UsesTheSingleFactorInTheDoublePhase) {
    Parameters p = start_like();
    p.std_f = 13.0f;
    p.std_a = 25;
    const double x = 2.0;
    EXPECT_DOUBLE_EQ(reference_value(p, x), std::cos(x * 1.2999999523162842) * 2.5);
    p.std_cos = false;
    EXPECT_DOUBLE_EQ(reference_value(p, x), std::sin(x * 1.2999999523162842) * 2.5);
}

TEST(ComponentValue, ZeroFrequencyIsConstantCosineOrFlatSine) {
    Parameters p = start_like();
    p.wave_a[2] = 37;
    p.wave_f[2] = 0;
    EXPECT_DOUBLE_EQ(component_value(p, 2, 5.0), 3.7);
    p.wave_cos[2] = false;
    EXPECT_DOUBLE_EQ(component_value(p, 2, 5.0), 0.0);
}

TEST(ComponentValue, CosineStartsAtFullAmplitudeSineAtZero) {
    Parameters p = start_like();
    p.wave_a[0] = 50;
    p.wave_f[0] = 20;
    EXPECT_DOUBLE_EQ(component_value(p, 0, 0.0), 5.0);
    EXPECT_DOUBLE_EQ(component_value(p, 0, 0.25), 5.0 * std::cos(0.5));
    p.wave_cos[0] = false;
    EXPECT_DOUBLE_EQ(component_value(p, 0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(component_value(p, 0, 0.25), 5.0 * std::sin(0.5));
}

TEST(ComponentValue, HugeFrequenciesDoNotOverflow) {
    Parameters p = start_like();
    p.wave_a[1] = 10;
    p.wave_f[1] = 40'000'000'000;  // far beyond 32 bits of tenths
    const double x = 1e-9;
    EXPECT_NEAR(component_value(p, 1, x), std::cos(x * 4e9), 1e-12);
}

TEST(ComponentSum, IsRoundedToSinglePrecisionAfterEachTerm) {
    // 0.1 + 0.5 + 0.1: rounded after each term the sum is 0.700000048f;
    // rounded once at the end it would be 0.699999988f.
    Parameters p = start_like();
    p.wave_a = {1, 5, 1, 0, 0};
    EXPECT_EQ(component_sum(p, 3.0), 0.700000048f);
    EXPECT_NE(component_sum(p, 3.0), static_cast<float>(0.1 + 0.5 + 0.1));
}

TEST(ComponentSum, AddsEachDoubleTermBeforeRounding) {
    // Rounding each term to float before adding would end one float step
    // higher here (15.9955969 instead of 15.9955959).
    Parameters p = start_like();
    p.wave_a = {109, 37, 1, 13, 0};
    p.wave_f = {10, 23, 70, 5, 0};
    const double x = 3.14159 / 200.0;  // the second sample at t_span = 1
    float sum = 0.0f;
    for (int j = 0; j < 4; ++j) sum = static_cast<float>(static_cast<double>(sum) + component_value(p, j, x));
    EXPECT_EQ(component_sum(p, x), sum);
    EXPECT_EQ(component_sum(p, x), 15.9955959f);
}

TEST(ComponentSum, CosineAndSineOfEqualAmplitudePeakAtRootTwo) {
    Parameters p = start_like();
    p.wave_a[0] = 30;
    p.wave_f[0] = 10;
    p.wave_a[1] = 30;
    p.wave_f[1] = 10;
    p.wave_cos[1] = false;
    const double quarter_pi = std::atan(1.0);
    EXPECT_NEAR(static_cast<double>(component_sum(p, quarter_pi)), 3.0 * std::sqrt(2.0), 1e-6);
}

}  // namespace
}  // namespace waves
