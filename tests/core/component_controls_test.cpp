// The amplitude, frequency and cos/sin controls of the components A..D.
#include "core/controls/component_controls.h"

#include <gtest/gtest.h>

#include "core/controls/step_size_controls.h"
#include "tests/support/recorded_form.h"
#include "tests/support/refusal.h"

namespace waves {
namespace {

using testing::LoadedForm;

const std::vector<std::string> kComponentRedraw(int i) {
    const std::string index = "(" + std::to_string(i) + ")";
    return {"Grph" + index, "m_grph" + index, "Gr", "m_gr"};
}

class ComponentControls : public ::testing::Test {
protected:
    template <typename Handler>
    void expect_refused(Handler handler) {
        testing::expect_refused(f, handler);
    }

    LoadedForm f;
    Parameters& p = f.form.params;
};

TEST_F(ComponentControls, EveryAcceptedChangeRedrawsItsRowAndTheSumsInOrder) {
    using Handler = void (*)(Form&, int);
    const Handler handlers[] = {SpinButton3_SpinUp, SpinButton4_SpinUp, switch_s_Click, switch_c_Click,
                                SpinButton3_SpinDown, SpinButton4_SpinDown};
    for (int i = 0; i < kComponentCount; ++i) {
        for (const Handler handler : handlers) {
            f.log.calls.clear();
            handler(f.form, i);
            EXPECT_EQ(f.log.drawing_runs(), kComponentRedraw(i)) << "component " << i;
            for (const auto& call : f.log.calls) {
                EXPECT_NE(call.op, testing::Op::set_scale) << describe(call);
            }
        }
    }
}

TEST_F(ComponentControls, RefusedStepsChangeAndDrawNothing) {
    // Amplitude and frequency at 0: nothing to go down from.
    expect_refused([&] { SpinButton3_SpinDown(f.form, 0); });
    Option4_Click(f.form);  // frequency step 0.1
    expect_refused([&] { SpinButton4_SpinDown(f.form, 0); });
    // Amplitude 0.3 with step 0.5: the step would go below 0, so it is refused whole.
    Option8_Click(f.form);
    for (int n = 0; n < 3; ++n) SpinButton3_SpinUp(f.form, 2);
    Option6_Click(f.form);
    expect_refused([&] { SpinButton3_SpinDown(f.form, 2); });
    EXPECT_EQ(f.Labela[2].text(), "0.3");
}

TEST_F(ComponentControls, AmplitudeStopsAtTenFromBelowOneHundred) {
    for (int n = 0; n < 10; ++n) SpinButton3_SpinUp(f.form, 1);
    EXPECT_EQ(p.wave_a[1], 100);
    EXPECT_EQ(f.Labela[1].text(), "10");
    expect_refused([&] { SpinButton3_SpinUp(f.form, 1); });
}

TEST_F(ComponentControls, AmplitudeReachesTenPointNineFromNinetyNineAndNoFurther) {
    Option8_Click(f.form);  // step a 0.1
    for (int n = 0; n < 99; ++n) SpinButton3_SpinUp(f.form, 3);
    EXPECT_EQ(f.Labela[3].text(), "9.9");
    Option5_Click(f.form);  // step a 1
    SpinButton3_SpinUp(f.form, 3);
    EXPECT_EQ(p.wave_a[3], 109);
    EXPECT_EQ(f.Labela[3].text(), "10.9");
    expect_refused([&] { SpinButton3_SpinUp(f.form, 3); });
    SpinButton3_SpinDown(f.form, 3);
    EXPECT_EQ(p.wave_a[3], 99);
    EXPECT_EQ(f.Labela[3].text(), "9.9");
}

TEST_F(ComponentControls, FrequencyHasNoUpperBound) {
    for (int n = 0; n < 30; ++n) SpinButton4_SpinUp(f.form, 0);
    EXPECT_EQ(f.Labelb[0].text(), "30");
    // A frequency far beyond any 32-bit count of tenths neither wraps nor
    // loses a digit in its label.
    p.wave_f[0] = 999'999'999'990;
    SpinButton4_SpinUp(f.form, 0);
    EXPECT_EQ(p.wave_f[0], 1'000'000'000'000);
    EXPECT_EQ(f.Labelb[0].text(), "100000000000");
}

TEST_F(ComponentControls, EachArrowMovesItsOwnComponentByTheCurrentStep) {
    Option7_Click(f.form);  // step a 0.2
    Option2_Click(f.form);  // step n 0.5
    SpinButton3_SpinUp(f.form, 1);
    SpinButton4_SpinUp(f.form, 2);
    SpinButton4_SpinUp(f.form, 2);
    EXPECT_EQ(p.wave_a, (std::array<std::int64_t, 5>{0, 2, 0, 0, 0}));
    EXPECT_EQ(p.wave_f, (std::array<std::int64_t, 5>{0, 0, 10, 0, 0}));
    EXPECT_EQ(f.Labela[1].text(), "0.2");
    EXPECT_EQ(f.Labelb[2].text(), "1");
    SpinButton4_SpinDown(f.form, 2);
    EXPECT_EQ(f.Labelb[2].text(), "0.5");
}

TEST_F(ComponentControls, SineAndCosineSwitchRedrawEvenWhenUnchanged) {
    switch_s_Click(f.form, 1);
    EXPECT_FALSE(p.wave_cos[1]);
    f.log.calls.clear();
    switch_s_Click(f.form, 1);
    EXPECT_EQ(f.log.drawing_runs(), kComponentRedraw(1));
    switch_c_Click(f.form, 1);
    EXPECT_TRUE(p.wave_cos[1]);
    // The option handlers write no label.
    EXPECT_EQ(f.Labela[1].writes(), 1);
    EXPECT_EQ(f.Labelb[1].writes(), 1);
}

TEST_F(ComponentControls, SineComponentDrawsFromTheAxis) {
    SpinButton3_SpinUp(f.form, 1);
    SpinButton4_SpinUp(f.form, 1);
    switch_s_Click(f.form, 1);
    EXPECT_EQ(testing::samples(f.Grph(1).picture()).front().args[1], 0.0f);
    // The other rows and W were not touched.
    f.log.calls.clear();
    switch_s_Click(f.form, 1);
    for (const auto& call : f.log.calls) {
        EXPECT_TRUE(call.surface == "Grph(1)" || call.surface == "m_grph(1)" || call.surface == "Gr" ||
                    call.surface == "m_gr")
            << describe(call);
    }
}

}  // namespace
}  // namespace waves
