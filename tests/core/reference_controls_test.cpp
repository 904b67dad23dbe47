// The amplitude, frequency and cos/sin controls of the reference wave W.
#include "core/controls/reference_controls.h"

#include <gtest/gtest.h>

#include "core/controls/step_size_controls.h"
#include "tests/support/recorded_form.h"
#include "tests/support/refusal.h"

namespace waves {
namespace {

using testing::LoadedForm;

const std::vector<std::string> kReferenceRedraw = {"std_grph",  "m_grph(0)", "m_grph(1)",
                                                   "m_grph(2)", "m_grph(3)", "m_gr"};

class ReferenceControls : public ::testing::Test {
protected:
    template <typename Handler>
    void expect_refused(Handler handler) {
        testing::expect_refused(f, handler);
    }

    LoadedForm f;
    Parameters& p = f.form.params;
};

TEST_F(ReferenceControls, EveryAcceptedChangeRedrawsWTheProductsAndESumOnly) {
    using Handler = void (*)(Form&);
    for (const Handler handler : {SpinButton1_SpinUp, SpinButton1_SpinDown, SpinButton2_SpinUp,
                                  SpinButton2_SpinDown, Option10_Click, Option9_Click}) {
        f.log.calls.clear();
        handler(f.form);
        EXPECT_EQ(f.log.drawing_runs(), kReferenceRedraw);
        for (const auto& call : f.log.calls) {
            EXPECT_NE(call.op, testing::Op::set_scale) << describe(call);
        }
    }
    // The component labels were never touched after start-up.
    for (const auto& label : f.Labela) EXPECT_EQ(label.writes(), 1);
    EXPECT_EQ(f.labelt.writes(), 1);
}

TEST_F(ReferenceControls, AmplitudeGoesDownToZeroAndNoFurther) {
    SpinButton1_SpinDown(f.form);
    EXPECT_EQ(p.std_a, 0);
    EXPECT_EQ(f.value_std_a.text(), "0");
    expect_refused([&] { SpinButton1_SpinDown(f.form); });
}

TEST_F(ReferenceControls, DownStepLargerThanTheValueIsRefusedWhole) {
    Option8_Click(f.form);  // step a 0.1
    for (int n = 0; n < 7; ++n) SpinButton1_SpinDown(f.form);
    EXPECT_EQ(p.std_a, 3);
    Option6_Click(f.form);  // step a 0.5
    expect_refused([&] { SpinButton1_SpinDown(f.form); });
    Option7_Click(f.form);  // step a 0.2
    SpinButton1_SpinDown(f.form);
    EXPECT_EQ(p.std_a, 1);
    EXPECT_EQ(f.value_std_a.text(), "0.1");
}

TEST_F(ReferenceControls, AmplitudeAndFrequencyReachTenPointNineFromNinetyNine) {
    p.std_a = 99;
    p.std_f = 99.0f;
    SpinButton1_SpinUp(f.form);
    SpinButton2_SpinUp(f.form);
    EXPECT_EQ(p.std_a, 109);
    EXPECT_EQ(p.std_f, 109.0f);
    EXPECT_EQ(f.value_std_a.text(), "10.9");
    EXPECT_EQ(f.value_std_b.text(), "10.9");
    expect_refused([&] { SpinButton1_SpinUp(f.form); });
    expect_refused([&] { SpinButton2_SpinUp(f.form); });
}

TEST_F(ReferenceControls, AtOneHundredOnlyDownActs) {
    p.std_a = 100;
    p.std_f = 100.0f;
    expect_refused([&] { SpinButton1_SpinUp(f.form); });
    expect_refused([&] { SpinButton2_SpinUp(f.form); });
    SpinButton1_SpinDown(f.form);
    SpinButton2_SpinDown(f.form);
    EXPECT_EQ(p.std_a, 90);
    EXPECT_EQ(p.std_f, 90.0f);
}

TEST_F(ReferenceControls, FrequencyCanReachZeroAndComeBack) {
    SpinButton2_SpinDown(f.form);
    EXPECT_EQ(f.value_std_b.text(), "0");
    expect_refused([&] { SpinButton2_SpinDown(f.form); });
    Option3_Click(f.form);  // step n 0.2
    SpinButton2_SpinUp(f.form);
    EXPECT_EQ(p.std_f, 2.0f);
    EXPECT_EQ(f.value_std_b.text(), "0.2");
}

TEST_F(ReferenceControls, FrequencyLabelIsTheSingleQuotient) {
    Option4_Click(f.form);  // step n 0.1
    for (int n = 0; n < 3; ++n) SpinButton2_SpinUp(f.form);
    EXPECT_EQ(p.std_f, 13.0f);
    EXPECT_EQ(f.value_std_b.text(), "1.3");
}

TEST_F(ReferenceControls, SineOptionMakesWStartOnTheAxis) {
    Option10_Click(f.form);
    EXPECT_FALSE(p.std_cos);
    EXPECT_EQ(testing::samples(f.std_grph().picture()).front().args[1], 0.0f);
    Option9_Click(f.form);
    EXPECT_TRUE(p.std_cos);
    EXPECT_EQ(testing::samples(f.std_grph().picture()).front().args[1], 1.0f);
}

}  // namespace
}  // namespace waves
