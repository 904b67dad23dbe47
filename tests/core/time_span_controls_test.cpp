// The "t=" arrows: one period more or less on every graph.
#include "core/controls/time_span_controls.h"

#include <gtest/gtest.h>

#include "tests/support/full_redraw.h"
#include "tests/support/recorded_form.h"
#include "tests/support/refusal.h"

namespace waves {
namespace {

using testing::LoadedForm;

TEST(TimeSpanControls, CannotGoBelowOnePeriod) {
    LoadedForm f;
    testing::expect_refused(f, [&] { SpinButton11_SpinDown(f.form); });
    EXPECT_EQ(f.labelt.text(), "1");
}

TEST(TimeSpanControls, UpRescalesEverySurfaceJustBeforeItIsDrawn) {
    LoadedForm f;
    SpinButton11_SpinUp(f.form);
    EXPECT_EQ(f.form.params.t_span, 2.0f);
    EXPECT_EQ(f.labelt.text(), "2");
    const std::vector<std::string> expected = {
        "scale std_grph", "draw std_grph",  "scale Grph(0)", "scale m_grph(0)", "draw Grph(0)",
        "draw m_grph(0)", "scale Grph(1)",  "scale m_grph(1)", "draw Grph(1)",  "draw m_grph(1)",
        "scale Grph(2)",  "scale m_grph(2)", "draw Grph(2)", "draw m_grph(2)",  "scale Grph(3)",
        "scale m_grph(3)", "draw Grph(3)",  "draw m_grph(3)", "scale Gr",       "scale m_gr",
        "draw Gr",        "draw m_gr"};
    EXPECT_EQ(testing::frames_and_drawings(f.log), expected);
    // Only the width follows the span.
    for (testing::RecordingSurface* s : f.surfaces()) {
        const bool tall = s->name() == "Gr" || s->name() == "m_gr";
        const float top = tall ? 18.615384f : 10.0f;
        EXPECT_EQ(s->scale(), (std::array<float, 4>{0.0f, top, 12.56636f, -top})) << s->name();
    }
}

TEST(TimeSpanControls, UpThenDownGivesBackTheSamePictures) {
    LoadedForm f;
    f.form.params.wave_a[0] = 50;
    f.form.params.wave_f[0] = 30;
    SpinButton11_SpinUp(f.form);
    SpinButton11_SpinUp(f.form);
    SpinButton11_SpinDown(f.form);
    const auto pictures = f.pictures();
    SpinButton11_SpinUp(f.form);
    SpinButton11_SpinDown(f.form);
    EXPECT_EQ(f.pictures(), pictures);
    EXPECT_EQ(f.labelt.text(), "2");
}

TEST(TimeSpanControls, SpanBeyondSixteenThousandStillCountsEveryPeriodLine) {
    LoadedForm f;
    f.form.params.t_span = 16384.0f;
    SpinButton11_SpinUp(f.form);
    EXPECT_EQ(f.labelt.text(), "16385");
    for (testing::RecordingSurface* s : f.surfaces()) {
        std::size_t period_lines = 0;
        float last_x = 0.0f;
        for (const auto& call : s->picture()) {
            if (call.op != testing::Op::line || call.args[1] == 0.0f) continue;  // skip the axis
            ASSERT_GT(call.args[0], last_x) << s->name();
            last_x = call.args[0];
            ++period_lines;
        }
        EXPECT_EQ(period_lines, 16384u) << s->name();
        EXPECT_EQ(last_x, static_cast<float>(3.14159 * 32768.0)) << s->name();
    }
}

}  // namespace
}  // namespace waves
