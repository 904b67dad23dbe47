// The mean of each product over the span, in closed form, against the
// integral of the very product the graphs plot; the product written as a
// sum of waves against the product itself; and how a mean is written.
#include "core/graphs/product_mean.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/graphs/frames.h"
#include "core/graphs/product_sum.h"
#include "core/graphs/wave_values.h"
#include "tests/support/recorded_form.h"

namespace waves {
namespace {

// Simpson's rule over [0, x_end] on 10^5 intervals, divided by x_end.
template <typename Function>
double simpson_mean(const Parameters& p, Function function) {
    constexpr int kIntervals = 100'000;
    const double length = x_end(p);
    const double h = length / kIntervals;
    double sum = function(0.0) + function(length);
    for (int n = 1; n < kIntervals; ++n) sum += (n % 2 == 1 ? 4.0 : 2.0) * function(h * n);
    return sum * h / 3.0 / length;
}

double sum_value(const std::vector<SumTerm>& terms, double x) {
    double value = 0.0;
    for (const SumTerm& term : terms) {
        const double phase = static_cast<double>(term.frequency) / 10.0 * x;
        value += static_cast<double>(term.coefficient) / 200.0 * (term.cosine ? std::cos(phase) : std::sin(phase));
    }
    return value;
}

// W with the frequency its label shows, in double precision.
double labelled_reference(const Parameters& p, double x) {
    const double phase = static_cast<double>(p.std_f) / 10.0 * x;
    return static_cast<double>(p.std_a) / 10.0 * (p.std_cos ? std::cos(phase) : std::sin(phase));
}

// Random states the arrows reach, at spans and frequencies Simpson's rule
// resolves to far better than 1e-9 (at most some hundred periods over
// 10^5 intervals); every fourth component matches W, so that means of ab/2
// and of nearly 0 come up as often as the leaking ones.
TEST(ProductMean, ClosedFormEqualsTheIntegralOfThePlottedProductAndTheSumIsTheProduct) {
    std::mt19937_64 random(21);
    const auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    for (int n = 0; n < 60; ++n) {
        testing::LoadedForm f;
        Parameters& p = f.form.params;
        p.t_span = static_cast<float>(pick(1, 6));
        p.std_a = pick(0, 109);
        p.std_f = static_cast<float>(pick(0, 109));
        p.std_cos = pick(0, 1) == 1;
        for (std::size_t i = 0; i < kComponentCount; ++i) {
            const bool matching = pick(0, 3) == 0;
            p.wave_a[i] = pick(0, 109);
            p.wave_f[i] = matching ? static_cast<std::int64_t>(p.std_f) : pick(0, 150);
            p.wave_cos[i] = matching ? p.std_cos : pick(0, 1) == 1;
        }
        double total_scale = 0.0;
        for (int i = 0; i < kComponentCount; ++i) {
            const double half_ab = static_cast<double>(p.wave_a[i] * p.std_a) / 200.0;
            total_scale += half_ab;
            const auto product = [&](double x) { return component_value(p, i, x) * reference_value(p, x); };
            const double integral = simpson_mean(p, product);
            // Relative to the mean, or to the terms' size where the mean is near 0.
            EXPECT_NEAR(product_mean(p, i), integral, 1e-9 * std::max(std::abs(integral), half_ab))
                << "component " << i << " of state " << n;
            // The sum of waves is written with W's frequency as its label
            // shows it, not the single-precision factor the graphs use.
            const std::vector<SumTerm> terms = product_terms(p, i);
            for (const double x : {0.0, 1.0, 4.7, x_end(p)}) {
                EXPECT_NEAR(sum_value(terms, x), component_value(p, i, x) * labelled_reference(p, x), 1e-12 * (1.0 + half_ab))
                    << sum_text(terms) << " at " << x;
            }
        }
        const auto all_products = [&](double x) {
            double value = 0.0;
            for (int i = 0; i < kComponentCount; ++i) value += component_value(p, i, x) * reference_value(p, x);
            return value;
        };
        const double integral = simpson_mean(p, all_products);
        EXPECT_NEAR(sum_of_products_mean(p), integral, 1e-9 * std::max(std::abs(integral), total_scale)) << n;
        const double x = 3.3;
        double products = 0.0;
        for (int i = 0; i < kComponentCount; ++i) products += component_value(p, i, x) * labelled_reference(p, x);
        EXPECT_NEAR(sum_value(sum_of_products_terms(p), x), products, 1e-12 * (1.0 + total_scale)) << n;
    }
}

// The lesson's three cases, by hand: a matching component gives ab/2, one
// a whole number of periods away 0, and half a period away it leaks.
TEST(ProductMean, MatchingGivesHalfTheProductOfTheAmplitudesAndOrthogonalNothing) {
    testing::LoadedForm f;
    Parameters& p = f.form.params;
    p.std_a = 50;
    p.wave_a[0] = 50;
    p.wave_f[0] = 10;
    EXPECT_EQ(mean_text(product_mean(p, 0)), "12.5");  // 5 cos x times 5 cos x
    p.wave_cos[0] = false;
    EXPECT_EQ(mean_text(product_mean(p, 0)), "0");  // sin against cos
    p.wave_cos[0] = true;
    p.wave_f[0] = 20;
    EXPECT_EQ(mean_text(product_mean(p, 0)), "0");  // cos 2x against cos x over one period
    // Half a period away it leaks: 5 sin(1.5 x) x 5 cos(x) = 12.5 (sin(0.5 x) + sin(2.5 x)),
    // whose mean over 2 pi is 12.5 (2 / pi + 2 / (5 pi)) = 9.549.
    p.wave_f[0] = 15;
    p.wave_cos[0] = false;
    EXPECT_EQ(mean_text(product_mean(p, 0)), "9.549");
}

TEST(ProductMean, IsWrittenWithAtMostThreeDecimalsAndNeverAsMinusZero) {
    const struct {
        double mean;
        const char* text;
    } rows[] = {{2.5, "2.5"},        {2.4999979, "2.5"}, {-2.4999979, "-2.5"}, {59.405, "59.405"},
                {0.0625, "0.063"},   {-0.05, "-0.05"},   {10.0, "10"},         {-0.0004999, "0"},
                {-1e-12, "0"},       {0.0, "0"},         {-0.0005001, "-0.001"}, {0.1004, "0.1"},
                {-237.62, "-237.62"}};
    for (const auto& row : rows) EXPECT_EQ(mean_text(row.mean), row.text) << row.mean;
}

}  // namespace
}  // namespace waves
