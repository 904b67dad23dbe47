// Start-up: the start values, labels, options, window placement, frames and
// the first drawing of every graph.
#include "core/app/start_up.h"

#include <cmath>
#include <map>

#include <gtest/gtest.h>

#include "tests/support/full_redraw.h"
#include "tests/support/recorded_form.h"

namespace waves {
namespace {

using testing::DrawCall;
using testing::Op;
using testing::RecordedForm;

TEST(StartUp, SetsEveryParameterToItsStartValue) {
    RecordedForm f;
    Form_Load(f.form);
    const Parameters& p = f.form.params;
    EXPECT_EQ(p.pi_value, 3.14159);
    EXPECT_EQ(p.y_max, 10);
    EXPECT_EQ(p.t_span, 1.0f);
    EXPECT_EQ(p.wave_last, 3);
    EXPECT_EQ(p.a_max, 100);
    EXPECT_TRUE(p.std_cos);
    EXPECT_EQ(p.std_a, 10);
    EXPECT_EQ(p.std_f, 10.0f);
    EXPECT_EQ(p.step_a, 10);
    EXPECT_EQ(p.step_f, 10);
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        EXPECT_EQ(p.wave_a[i], 0);
        EXPECT_EQ(p.wave_f[i], 0);
        EXPECT_TRUE(p.wave_cos[i]);
    }
    // Measured from the surfaces' heights: 1815 / 975.
    EXPECT_EQ(p.h_ratio, 1.8615384f);
}

TEST(StartUp, WritesTheStartTextsAndSelectsCosine) {
    RecordedForm f;
    Form_Load(f.form);
    EXPECT_EQ(f.labelt.text(), "1");
    EXPECT_EQ(f.value_std_a.text(), "1");
    EXPECT_EQ(f.value_std_b.text(), "1");
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        EXPECT_EQ(f.Labela[i].text(), "0");
        EXPECT_EQ(f.Labelb[i].text(), "0");
        EXPECT_TRUE(f.switch_c[i].selected());
        EXPECT_FALSE(f.switch_s[i].selected());
    }
}

TEST(StartUp, SizesTheWindowAndCentresItOnTheScreen) {
    RecordedForm f;  // 1024 x 768 pixels = 15360 x 11520 twips
    Form_Load(f.form);
    EXPECT_EQ(f.window.outer_size().width, 9930.0f);
    EXPECT_EQ(f.window.outer_size().height, 7365.0f);
    EXPECT_EQ(f.window.left(), 2715.0f);
    EXPECT_EQ(f.window.top(), 2077.5f);
}

TEST(StartUp, OnASmallScreenThePositionComesOutNegative) {
    // 640 x 480 pixels: the core reports the centred position as computed;
    // keeping the title bar on the screen is the window's business.
    RecordedForm f({9600.0f, 7200.0f});
    Form_Load(f.form);
    EXPECT_EQ(f.window.left(), -165.0f);
    EXPECT_EQ(f.window.top(), -82.5f);
}

TEST(StartUp, DrawsWThenEachComponentAndProductThenTheSums) {
    RecordedForm f;
    Form_Load(f.form);
    EXPECT_EQ(f.log.drawing_runs(), testing::full_drawing_order());
}

TEST(StartUp, GivesEverySurfaceItsFrameBeforeItsFirstDrawing) {
    RecordedForm f;
    Form_Load(f.form);
    const std::array<float, 4> wave = {0.0f, 10.0f, 6.28318f, -10.0f};
    const std::array<float, 4> sum = {0.0f, 18.615384f, 6.28318f, -18.615384f};
    std::map<std::string, int> scales_set;
    for (const DrawCall& call : f.log.calls) {
        if (call.op == Op::set_scale) {
            ++scales_set[call.surface];
            const bool tall = call.surface == "Gr" || call.surface == "m_gr";
            EXPECT_EQ(call.args, tall ? sum : wave) << call.surface;
        } else if (testing::is_drawing(call.op)) {
            ASSERT_EQ(scales_set[call.surface], 1) << describe(call) << " before its frame";
        }
    }
    EXPECT_EQ(scales_set.size(), 11u);
}

TEST(StartUp, SetsTheProductFrameBeforeTheComponentFrameInEachRow) {
    RecordedForm f;
    Form_Load(f.form);
    std::vector<std::string> frame_order;
    for (const DrawCall& call : f.log.calls) {
        if (call.op == Op::set_scale) frame_order.push_back(call.surface);
    }
    EXPECT_EQ(frame_order, (std::vector<std::string>{"std_grph", "m_grph(0)", "Grph(0)", "m_grph(1)",
                                                     "Grph(1)", "m_grph(2)", "Grph(2)", "m_grph(3)",
                                                     "Grph(3)", "Gr", "m_gr"}));
}

TEST(StartUp, FirstPicturesAreFlatComponentsAndACosineW) {
    RecordedForm f;
    Form_Load(f.form);
    for (testing::RecordingSurface* s : f.surfaces()) {
        int samples = 0;
        for (const DrawCall& call : s->picture()) {
            if (call.op != Op::point && call.op != Op::line_to) continue;
            ++samples;
            if (s->name() == "std_grph") {
                EXPECT_NEAR(call.args[1], std::cos(static_cast<double>(call.args[0])), 1e-6);
            } else {
                EXPECT_EQ(call.args[1], 0.0f) << s->name();  // amplitude 0 everywhere
            }
        }
        EXPECT_EQ(samples, 400) << s->name();
    }
}

}  // namespace
}  // namespace waves
