// The "step a" and "step n" groups.
#include "core/controls/step_size_controls.h"

#include <gtest/gtest.h>

#include "core/controls/component_controls.h"
#include "core/controls/reference_controls.h"
#include "tests/support/recorded_form.h"

namespace waves {
namespace {

using testing::LoadedForm;

TEST(StepSizeControls, EachOptionStoresItsStepAndDrawsNothing) {
    using Handler = void (*)(Form&);
    const struct {
        Handler handler;
        std::int64_t step_a;
        std::int16_t step_f;
    } cases[] = {
        {Option1_Click, 10, 10}, {Option2_Click, 10, 5}, {Option3_Click, 10, 2}, {Option4_Click, 10, 1},
        {Option5_Click, 10, 10}, {Option6_Click, 5, 10}, {Option7_Click, 2, 10}, {Option8_Click, 1, 10},
    };
    for (const auto& c : cases) {
        LoadedForm f;
        const std::vector<std::string> labels = f.label_texts();
        c.handler(f.form);
        EXPECT_EQ(f.form.params.step_a, c.step_a);
        EXPECT_EQ(f.form.params.step_f, c.step_f);
        EXPECT_TRUE(f.log.calls.empty());
        EXPECT_EQ(f.label_texts(), labels);
    }
}

TEST(StepSizeControls, ValuesAreNotSnappedToANewStep) {
    LoadedForm f;
    Option8_Click(f.form);  // step a 0.1
    for (int n = 0; n < 3; ++n) SpinButton1_SpinDown(f.form);
    EXPECT_EQ(f.form.params.std_a, 7);
    Option6_Click(f.form);  // step a 0.5
    EXPECT_EQ(f.form.params.std_a, 7);
    SpinButton1_SpinUp(f.form);
    EXPECT_EQ(f.value_std_a.text(), "1.2");
    Option6_Click(f.form);
    SpinButton1_SpinDown(f.form);
    SpinButton1_SpinDown(f.form);
    EXPECT_EQ(f.value_std_a.text(), "0.2");
}

TEST(StepSizeControls, AmplitudeStepLeavesTheFrequencyStepAlone) {
    LoadedForm f;
    Option8_Click(f.form);
    SpinButton3_SpinUp(f.form, 0);
    SpinButton3_SpinUp(f.form, 0);
    SpinButton4_SpinUp(f.form, 0);
    EXPECT_EQ(f.Labela[0].text(), "0.2");
    EXPECT_EQ(f.Labelb[0].text(), "1");
}

}  // namespace
}  // namespace waves
