// The sample loop: how many samples a curve gets and where the last one lies.
#include "core/graphs/sample_loop.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace waves {
namespace {

using testing::DrawLog;
using testing::Op;
using testing::RecordingSurface;

Parameters with_span(float t_span) {
    Parameters p;
    p.pi_value = 3.14159;
    p.t_span = t_span;
    return p;
}

TEST(SampleLoop, AccumulatedXGivesFourHundredOrFourHundredAndOneSamples) {
    // Whether the 401st sample is drawn depends on where 400 double
    // additions of x_step land against x_end (400 x x_step computed by
    // multiplication would give 401 samples at t_span = 1).
    const struct {
        float t_span;
        std::size_t samples;
        double last_x;
    } cases[] = {
        {1, 400, 6.26747205},  // 399 x 0.01570795: one step short of 6.28318
        {2, 400, 12.5349441},  {3, 401, 18.84954},  {4, 400, 25.0698882},
        {5, 400, 31.3373603},  {6, 401, 37.69908},  {12, 401, 75.39816},
    };
    for (const auto& c : cases) {
        DrawLog log;
        RecordingSurface surface("s", 1.0, log);
        sample_loop(surface, with_span(c.t_span), [](double) { return 0.0; });
        ASSERT_EQ(log.calls.size(), c.samples) << "t_span " << c.t_span;
        EXPECT_EQ(log.calls.back().args[0], static_cast<float>(c.last_x)) << "t_span " << c.t_span;
    }
}

TEST(SampleLoop, FirstSampleIsAPointTheRestOneConnectedLine) {
    DrawLog log;
    RecordingSurface surface("s", 1.0, log);
    sample_loop(surface, with_span(3), [](double x) { return 2.0 * x; });
    ASSERT_EQ(log.calls.front().op, Op::point);
    EXPECT_EQ(log.calls.front().args[0], 0.0f);
    for (std::size_t i = 1; i < log.calls.size(); ++i) {
        ASSERT_EQ(log.calls[i].op, Op::line_to) << i;
        EXPECT_GT(log.calls[i].args[0], log.calls[i - 1].args[0]) << i;
        EXPECT_EQ(log.calls[i].args[1], 2.0f * log.calls[i].args[0]) << i;
    }
}

TEST(SampleLoop, ValuesAreRoundedToSinglePrecision) {
    DrawLog log;
    RecordingSurface surface("s", 1.0, log);
    sample_loop(surface, with_span(1), [](double) { return 0.1; });
    EXPECT_EQ(log.calls.front().args[1], 0.1f);
}

TEST(SampleLoopDeathTest, ASpanOfZeroNeverEndsAndTheRecorderStopsIt) {
    // No handler lets t_span fall below 1; if one did, x_step would be 0.
    // The recorder ends the test with its name rather than fill the memory.
    DrawLog log;
    RecordingSurface surface("Gr", 1.0, log);
    EXPECT_DEATH(sample_loop(surface, with_span(0), [](double) { return 0.0; }),
                 "recording surface Gr: more than 1000000 drawing calls since its last clear");
}

}  // namespace
}  // namespace waves
