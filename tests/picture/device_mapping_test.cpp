// Clipping a segment in device coordinates, as both the web page's pixel
// surface and the window's graph surfaces do it.
#include "picture/device_mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace waves::picture {
namespace {

// The rectangle [0, 100] x [0, 50].
std::optional<ClippedSegment> clip(DevicePoint from, DevicePoint to) {
    return clip_segment(from, to, 0.0, 0.0, 100.0, 50.0);
}

TEST(ClipSegment, KeepsASegmentInsideAsItIs) {
    const auto segment = clip({10.5, 20.25}, {90.0, 0.0});
    ASSERT_TRUE(segment);
    EXPECT_EQ(segment->from.x, 10.5);
    EXPECT_EQ(segment->from.y, 20.25);
    EXPECT_EQ(segment->to.x, 90.0);
    EXPECT_EQ(segment->to.y, 0.0);
    EXPECT_FALSE(segment->from_moved);
    EXPECT_FALSE(segment->to_moved);
}

TEST(ClipSegment, MovesOnlyTheEndsOutsideAndKeepsTheDirection) {
    // From the left of the rectangle to inside it, then the same backwards.
    const auto forwards = clip({-100.0, 10.0}, {50.0, 40.0});
    ASSERT_TRUE(forwards);
    EXPECT_NEAR(forwards->from.x, 0.0, 1e-12);
    EXPECT_NEAR(forwards->from.y, 30.0, 1e-12);
    EXPECT_EQ(forwards->to.x, 50.0);
    EXPECT_EQ(forwards->to.y, 40.0);
    EXPECT_TRUE(forwards->from_moved);
    EXPECT_FALSE(forwards->to_moved);

    const auto backwards = clip({50.0, 40.0}, {-100.0, 10.0});
    ASSERT_TRUE(backwards);
    EXPECT_EQ(backwards->from.x, 50.0);
    EXPECT_EQ(backwards->from.y, 40.0);
    EXPECT_NEAR(backwards->to.x, 0.0, 1e-12);
    EXPECT_NEAR(backwards->to.y, 30.0, 1e-12);
    EXPECT_FALSE(backwards->from_moved);
    EXPECT_TRUE(backwards->to_moved);
}

TEST(ClipSegment, ClippedEndsStayExactWhenTheOtherEndIsFarAway) {
    // Computed from the far end, the exit point would be off by some 3e-5.
    const DevicePoint near_end{50.0, 25.0};
    const DevicePoint far_end{7.3e12, 3.1e12};
    const double exit_y = 25.0 + 50.0 * (3.1e12 - 25.0) / (7.3e12 - 50.0);
    for (const bool far_first : {false, true}) {
        const auto segment = far_first ? clip(far_end, near_end) : clip(near_end, far_end);
        ASSERT_TRUE(segment);
        const DevicePoint clipped = far_first ? segment->from : segment->to;
        EXPECT_NEAR(clipped.x, 100.0, 1e-9);
        EXPECT_NEAR(clipped.y, exit_y, 1e-9);
    }
}

TEST(ClipSegment, DrawsNothingOutsideBeyondTheFarLimitOrNotFinite) {
    EXPECT_FALSE(clip({-10.0, 60.0}, {110.0, 60.0}));  // below the rectangle
    // Both ends beyond the far limit, though the line crosses the rectangle.
    EXPECT_FALSE(clip({-2.0 * kFarLimit, 10.0}, {2.0 * kFarLimit, 10.0}));
    // One end within it: drawn, across the rectangle to within a pixel.
    const auto within = clip({-0.5 * kFarLimit, 10.0}, {2.0 * kFarLimit, 10.0});
    ASSERT_TRUE(within);
    EXPECT_NEAR(within->from.x, 0.0, 0.01);
    EXPECT_NEAR(within->to.x, 100.0, 0.01);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(clip({nan, 10.0}, {50.0, 10.0}));
    EXPECT_FALSE(clip({50.0, 10.0}, {50.0, infinity}));
}

}  // namespace
}  // namespace waves::picture
