// RESET: back to one period, everything else kept.
#include "core/controls/reset_button.h"

#include <gtest/gtest.h>

#include "core/controls/component_controls.h"
#include "core/controls/reference_controls.h"
#include "core/controls/step_size_controls.h"
#include "core/controls/time_span_controls.h"
#include "tests/support/full_redraw.h"
#include "tests/support/recorded_form.h"

namespace waves {
namespace {

using testing::LoadedForm;

// Every kind of change the user can make, and a widened span.
void change_everything(Form& form) {
    SpinButton3_SpinUp(form, 0);
    SpinButton4_SpinUp(form, 0);
    SpinButton4_SpinUp(form, 2);
    switch_s_Click(form, 2);
    SpinButton1_SpinDown(form);
    SpinButton2_SpinUp(form);
    Option10_Click(form);
    Option7_Click(form);
    Option3_Click(form);
    for (int n = 0; n < 4; ++n) SpinButton11_SpinUp(form);
}

TEST(Reset, ReturnsToOnePeriodAndKeepsEveryOtherValueAndLabel) {
    LoadedForm f;
    change_everything(f.form);
    Parameters expected = f.form.params;
    expected.t_span = 1.0f;
    std::vector<std::string> expected_labels = f.label_texts();
    expected_labels[8] = "1";  // labelt
    const int label_writes_before = f.value_std_a.writes() + f.Labela[0].writes();

    Command1_Click(f.form);

    EXPECT_EQ(f.form.params, expected);
    EXPECT_EQ(f.label_texts(), expected_labels);
    EXPECT_EQ(f.value_std_a.writes() + f.Labela[0].writes(), label_writes_before);
    EXPECT_EQ(f.labelt.text(), "1");
}

TEST(Reset, RescalesAndRedrawsEverySurfaceToOnePeriod) {
    LoadedForm f;
    change_everything(f.form);
    f.log.calls.clear();
    Command1_Click(f.form);
    EXPECT_EQ(f.log.drawing_runs(), testing::full_drawing_order());
    for (testing::RecordingSurface* s : f.surfaces()) {
        EXPECT_EQ(s->scale()[2], 6.28318f) << s->name();
    }
}

TEST(Reset, GivesTheSamePicturesAsBeforeTheSpanWasWidened) {
    LoadedForm f;
    SpinButton3_SpinUp(f.form, 1);
    SpinButton4_SpinUp(f.form, 1);
    Option10_Click(f.form);
    const auto one_period = f.pictures();
    for (int n = 0; n < 5; ++n) SpinButton11_SpinUp(f.form);
    Command1_Click(f.form);
    EXPECT_EQ(f.pictures(), one_period);
}

TEST(Reset, AtOnePeriodStillRedrawsEverything) {
    LoadedForm f;
    Command1_Click(f.form);
    EXPECT_EQ(f.log.drawing_runs(), testing::full_drawing_order());
}

}  // namespace
}  // namespace waves
