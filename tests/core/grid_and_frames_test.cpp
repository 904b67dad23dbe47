// The two coordinate frames and the grid of period lines and axis.
#include <gtest/gtest.h>

#include "core/graphs/colours.h"
#include "core/graphs/frames.h"
#include "core/graphs/grid.h"
#include "tests/support/recording_surface.h"

namespace waves {
namespace {

using testing::DrawCall;
using testing::DrawLog;
using testing::Op;
using testing::RecordingSurface;

Parameters with_span(float t_span) {
    Parameters p;
    p.pi_value = 3.14159;
    p.y_max = 10;
    p.h_ratio = 1815.0f / 975.0f;
    p.t_span = t_span;
    return p;
}

std::vector<DrawCall> dotted_lines(const DrawLog& log) {
    std::vector<DrawCall> lines;
    bool dotted = false;
    for (const DrawCall& call : log.calls) {
        if (call.op == Op::set_pen_style) dotted = call.style == PenStyle::dotted;
        if (call.op == Op::line && dotted) lines.push_back(call);
    }
    return lines;
}

TEST(Frames, XEndIsTwiceThreePointOneFourOneFiveNineTimesTheSpan) {
    EXPECT_EQ(x_end(with_span(1)), 6.28318);  // not 6.283185...
    EXPECT_EQ(x_end(with_span(2)), 12.56636);
    EXPECT_EQ(x_end(with_span(3)), 3.14159 * 6.0);
}

TEST(Frames, WaveAndSumFramesShareTheWidthNotTheHeight) {
    DrawLog log;
    RecordingSurface small("small", 975, log);
    RecordingSurface sum("sum", 1815, log);
    const Parameters p = with_span(2);
    wave_frame(small, p);
    sum_frame(sum, p);
    const std::array<float, 4> wave = {0.0f, 10.0f, 12.56636f, -10.0f};
    const std::array<float, 4> tall = {0.0f, 18.615384f, 12.56636f, -18.615384f};
    EXPECT_EQ(small.scale(), wave);
    EXPECT_EQ(sum.scale(), tall);
    EXPECT_EQ(sum_half_height(p), 10.0f * 1.8615384f);
}

TEST(Grid, OnePeriodHasOnlyTheAxis) {
    DrawLog log;
    RecordingSurface s("s", 975, log);
    draw_grid(s, with_span(1), 10.0f);
    const std::vector<DrawCall> expected = {
        {"s", Op::set_pen_style, {}, {}, PenStyle::dotted},
        {"s", Op::set_pen_colour, {}, grid_colour, PenStyle::solid},
        {"s", Op::set_pen_style, {}, {}, PenStyle::solid},
        {"s", Op::set_pen_colour, {}, grid_colour, PenStyle::solid},
        {"s", Op::line, {0.0f, 0.0f, 6.28318f, 0.0f}},
    };
    EXPECT_EQ(log.calls, expected);
}

TEST(Grid, ThreePeriodsHaveTwoDottedLinesOverTheFullHeight) {
    DrawLog log;
    RecordingSurface s("s", 1815, log);
    draw_grid(s, with_span(3), 18.615384f);
    const std::vector<DrawCall> lines = dotted_lines(log);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].args, (std::array<float, 4>{6.28318f, 18.615384f, 6.28318f, -18.615384f}));
    EXPECT_EQ(lines[1].args, (std::array<float, 4>{12.56636f, 18.615384f, 12.56636f, -18.615384f}));
    // The axis comes last, solid, across the full width.
    EXPECT_EQ(log.calls.back().args, (std::array<float, 4>{0.0f, 0.0f, 18.84954f, 0.0f}));
    EXPECT_EQ(log.calls[log.calls.size() - 3].style, PenStyle::solid);
}

TEST(Grid, PeriodLinesStayRightFarBeyondSixteenThousand) {
    // A 16-bit counter would wrap at 2k = 32768 and draw lines at negative x.
    for (const float t_span : {16385.0f, 40000.0f}) {
        DrawLog log;
        RecordingSurface s("s", 975, log);
        draw_grid(s, with_span(t_span), 10.0f);
        const std::vector<DrawCall> lines = dotted_lines(log);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(t_span) - 1) << t_span;
        for (std::size_t k = 1; k < lines.size(); ++k) {
            ASSERT_GT(lines[k].args[0], lines[k - 1].args[0]) << "line " << k + 1;
        }
        const double last_k = static_cast<double>(t_span) - 1.0;
        EXPECT_EQ(lines.back().args[0], static_cast<float>(3.14159 * 2.0 * last_k)) << t_span;
    }
}

}  // namespace
}  // namespace waves
