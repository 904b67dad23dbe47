// The five drawing routines: what each clears, where it draws, in which
// colour, and the values it plots.
#include "core/graphs/drawing_routines.h"

#include <cmath>
#include <iomanip>

#include <gtest/gtest.h>

#include "core/graphs/colours.h"
#include "core/graphs/wave_values.h"
#include "tests/support/recorded_form.h"

namespace waves {
namespace {

using testing::DrawCall;
using testing::LoadedForm;
using testing::Op;
using testing::samples;

std::vector<std::string> clears(const testing::DrawLog& log) {
    std::vector<std::string> names;
    for (const DrawCall& call : log.calls) {
        if (call.op == Op::clear) names.push_back(call.surface);
    }
    return names;
}

Rgb curve_colour(const std::vector<DrawCall>& picture) {
    Rgb colour{};
    for (const DrawCall& call : picture) {
        if (call.op == Op::set_pen_colour) colour = call.colour;
        if (call.op == Op::point) break;
    }
    return colour;
}

class DrawingRoutines : public ::testing::Test {
protected:
    LoadedForm f;
    Parameters& p = f.form.params;
    const GraphSurfaces& g = f.form.surfaces;
};

TEST_F(DrawingRoutines, EachClearsExactlyItsOwnSurfaceAndTheSumOfItsRow) {
    get_curve(p, g, 2);
    EXPECT_EQ(clears(f.log), (std::vector<std::string>{"Grph(2)", "Gr"}));
    EXPECT_EQ(f.log.drawing_runs(), std::vector<std::string>{"Grph(2)"});
    f.log.calls.clear();

    get_m_curve(p, g, 1);
    EXPECT_EQ(clears(f.log), (std::vector<std::string>{"m_grph(1)", "m_gr"}));
    EXPECT_EQ(f.log.drawing_runs(), std::vector<std::string>{"m_grph(1)"});
    f.log.calls.clear();

    get_std(p, g);
    EXPECT_EQ(clears(f.log), std::vector<std::string>{"std_grph"});
    EXPECT_EQ(f.log.drawing_runs(), std::vector<std::string>{"std_grph"});
    f.log.calls.clear();

    get_curve2(p, g);
    get_curve3(p, g);
    EXPECT_TRUE(clears(f.log).empty());
    EXPECT_EQ(f.log.drawing_runs(), (std::vector<std::string>{"Gr", "m_gr"}));
}

TEST_F(DrawingRoutines, NoRoutineSetsAScale) {
    get_std(p, g);
    for (int i = 0; i < kComponentCount; ++i) {
        get_curve(p, g, i);
        get_m_curve(p, g, i);
    }
    get_curve2(p, g);
    get_curve3(p, g);
    for (const DrawCall& call : f.log.calls) EXPECT_NE(call.op, Op::set_scale) << describe(call);
}

TEST_F(DrawingRoutines, SingleWavesAreRedSumsBlueOverTheGrid) {
    EXPECT_EQ(curve_colour(f.Grph(0).picture()), wave_colour);
    EXPECT_EQ(curve_colour(f.m_grph(3).picture()), wave_colour);
    EXPECT_EQ(curve_colour(f.std_grph().picture()), wave_colour);
    EXPECT_EQ(curve_colour(f.Gr().picture()), sum_colour);
    EXPECT_EQ(curve_colour(f.m_gr().picture()), sum_colour);
    // The grid comes first: the picture opens with the dotted green pen.
    for (testing::RecordingSurface* s : f.surfaces()) {
        ASSERT_FALSE(s->picture().empty()) << s->name();
        EXPECT_EQ(s->picture().front().op, Op::set_pen_style) << s->name();
        EXPECT_EQ(s->picture().front().style, PenStyle::dotted) << s->name();
    }
}

TEST_F(DrawingRoutines, ComponentCurveIsAmplitudeTimesCosineOfFrequencyTimesX) {
    p.wave_a[0] = 50;
    p.wave_f[0] = 10;  // A = 5 cos x
    get_curve(p, g, 0);
    const std::vector<DrawCall> curve = samples(f.Grph(0).picture());
    ASSERT_EQ(curve.size(), 400u);
    EXPECT_EQ(curve.front().args[1], 5.0f);
    for (const DrawCall& s : curve) {
        EXPECT_NEAR(s.args[1], 5.0 * std::cos(static_cast<double>(s.args[0])), 1e-5);
    }
}

TEST_F(DrawingRoutines, ReferenceCurveWithZeroFrequencyIsFlat) {
    p.std_f = 0.0f;
    p.std_a = 30;
    get_std(p, g);
    for (const DrawCall& s : samples(f.std_grph().picture())) EXPECT_EQ(s.args[1], 3.0f);
    p.std_cos = false;
    get_std(p, g);
    for (const DrawCall& s : samples(f.std_grph().picture())) EXPECT_EQ(s.args[1], 0.0f);
}

TEST_F(DrawingRoutines, ProductOfAComponentEqualToWIsCosineSquared) {
    p.wave_a[1] = 10;
    p.wave_f[1] = 10;
    get_m_curve(p, g, 1);
    const std::vector<DrawCall> curve = samples(f.m_grph(1).picture());
    EXPECT_EQ(curve.front().args[1], 1.0f);
    for (const DrawCall& s : curve) {
        EXPECT_GE(s.args[1], 0.0f);
        const double c = std::cos(static_cast<double>(s.args[0]));
        EXPECT_NEAR(s.args[1], c * c, 1e-6);
    }
}

TEST_F(DrawingRoutines, SumOfTwoEqualCosinesStartsAtTheirTotal) {
    p.wave_a[0] = 50;
    p.wave_f[0] = 10;
    p.wave_a[3] = 50;
    p.wave_f[3] = 10;
    get_curve(p, g, 0);
    get_curve2(p, g);
    EXPECT_EQ(samples(f.Gr().picture()).front().args[1], 10.0f);
}

// A spread of parameters, to check the sums against the single graphs.
void set_mixed_waves(Parameters& p) {
    p.wave_a = {10, 25, 7, 109, 0};
    p.wave_f = {10, 20, 35, 3, 0};
    p.wave_cos = {true, false, true, false, true};
    p.std_a = 13;
    p.std_f = 13.0f;
    p.std_cos = false;
    p.t_span = 3.0f;
}

TEST_F(DrawingRoutines, SumGraphsCarryTheSingleSumOfTheComponentsBitForBit) {
    // E is summed in single precision, each double term added onto the float
    // running sum; E' is W times that float E, rounded once. Summing in
    // double and rounding once gives another float at many samples here.
    set_mixed_waves(p);
    for (int i = 0; i < kComponentCount; ++i) {
        get_curve(p, g, i);
        get_m_curve(p, g, i);
    }
    get_curve2(p, g);
    get_curve3(p, g);
    const std::vector<DrawCall> e = samples(f.Gr().picture());
    const std::vector<DrawCall> e_prime = samples(f.m_gr().picture());
    ASSERT_EQ(e.size(), 401u);
    ASSERT_EQ(e_prime.size(), 401u);
    int rounded_once_differs = 0;
    double x = 0.0;
    for (std::size_t n = 0; n < e.size(); ++n, x += p.pi_value * static_cast<double>(p.t_span) / 200.0) {
        ASSERT_EQ(e[n].args[0], static_cast<float>(x)) << "sample " << n;
        ASSERT_EQ(e_prime[n].args[0], e[n].args[0]) << "sample " << n;
        float sum = 0.0f;
        double double_sum = 0.0;
        for (int j = 0; j < kComponentCount; ++j) {
            const double term = component_value(p, j, x);
            sum = static_cast<float>(static_cast<double>(sum) + term);
            double_sum += term;
        }
        if (static_cast<float>(double_sum) != sum) ++rounded_once_differs;
        const auto product = static_cast<float>(reference_value(p, x) * static_cast<double>(sum));
        EXPECT_EQ(e[n].args[1], sum)
            << std::setprecision(9) << "E at sample " << n << ": " << e[n].args[1] << ", not " << sum;
        EXPECT_EQ(e_prime[n].args[1], product)
            << std::setprecision(9) << "E' at sample " << n << ": " << e_prime[n].args[1] << ", not " << product;
    }
    // These waves tell the two ways of summing apart (at 45 of the 401 samples).
    EXPECT_GT(rounded_once_differs, 20);
}

TEST_F(DrawingRoutines, SumOfProductsEqualsTheSumOfTheFourProducts) {
    set_mixed_waves(p);
    for (int i = 0; i < kComponentCount; ++i) get_m_curve(p, g, i);
    get_curve3(p, g);
    const std::vector<DrawCall> e_prime = samples(f.m_gr().picture());
    std::vector<std::vector<DrawCall>> products;
    for (int i = 0; i < kComponentCount; ++i) products.push_back(samples(f.m_grph(i).picture()));
    ASSERT_EQ(e_prime.size(), 401u);
    for (std::size_t n = 0; n < e_prime.size(); ++n) {
        double sum = 0.0;
        for (const std::vector<DrawCall>& product : products) sum += static_cast<double>(product.at(n).args[1]);
        // Up to rounding: the products are rounded one by one, E' once.
        EXPECT_NEAR(static_cast<double>(e_prime[n].args[1]), sum, 1e-5) << "sample " << n;
    }
}

TEST_F(DrawingRoutines, SumOfProductsIsWTimesTheSingleSum) {
    // Components cos x and cos 2x against W = cos x: E' = cos^2 x + cos x cos 2x.
    p.wave_a[0] = 10;
    p.wave_f[0] = 10;
    p.wave_a[2] = 10;
    p.wave_f[2] = 20;
    get_m_curve(p, g, 0);
    get_curve3(p, g);
    for (const DrawCall& s : samples(f.m_gr().picture())) {
        const double x = static_cast<double>(s.args[0]);
        EXPECT_NEAR(s.args[1], std::cos(x) * std::cos(x) + std::cos(x) * std::cos(2 * x), 1e-5);
    }
    // E' carries the single-precision E: 0.1 + 0.5 + 0.1 sums to 0.700000048f,
    // so with W = 1 at x = 0 the first E' is that float, not 0.7f.
    p.wave_a = {1, 5, 1, 0, 0};
    p.wave_f = {0, 0, 0, 0, 0};
    get_m_curve(p, g, 0);
    get_curve3(p, g);
    EXPECT_EQ(samples(f.m_gr().picture()).front().args[1], 0.700000048f);
}

TEST_F(DrawingRoutines, CurvesBeyondTheFrameAreStillHandedOverWhole) {
    // Clipping is the surface's job: a curve of amplitude 10.9 reaches 10.9.
    p.wave_a[0] = 109;
    p.wave_f[0] = 10;
    get_curve(p, g, 0);
    EXPECT_EQ(samples(f.Grph(0).picture()).front().args[1], 10.9f);
}

}  // namespace
}  // namespace waves
