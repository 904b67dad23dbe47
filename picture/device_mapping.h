// From a graph surface's user coordinates to the pixels of its picture.
//
// The scale's rectangle covers the picture exactly. For a picture of
// W x H device pixels and the scale (x_left, y_top)-(x_right, y_bottom),
//   u = (x - x_left) / (x_right - x_left) x W,
//   v = (y - y_top) / (y_bottom - y_top) x H,
// in double precision from the single-precision arguments, and the pixel of
// a device coordinate is its floor: pixel i covers [i, i + 1), and the far
// edges u = W and v = H themselves belong to the last column and row, so
// everything in the frame, its edges included, is visible. On a 239 x 63
// picture in the frame (0, 10)-(x_end, -10), y = 10 is row 0, y = 0 row 31
// and y = -10 row 62; x = 0 is column 0 and x = x_end column 238. Values in
// tenths (the amplitudes' peaks) never fall on a row boundary of a 63- or
// 126-row picture, so a curve does not jitter between two rows at its
// peaks; at 126 rows y = 0 lies exactly on a boundary and takes row 63.
//
// A scale of zero width or height maps to no finite place, so nothing is
// drawn on it.
#pragma once

#include <optional>
#include <utility>

namespace waves::picture {

// The user coordinates of the picture's upper-left and lower-right corners.
// Until a surface gets its first scale it is (0, 0)-(1, 1).
struct Scale {
    float x_left = 0.0f;
    float y_top = 0.0f;
    float x_right = 1.0f;
    float y_bottom = 1.0f;
    friend bool operator==(const Scale&, const Scale&) = default;
};

struct DevicePoint {
    double x = 0.0;
    double y = 0.0;
};

struct Pixel {
    int column = 0;
    int row = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

// Beyond this many device pixels from the picture's corner (in x or y),
// double precision cannot place a segment's visible part to within a pixel:
// a segment whose two ends both lie that far out is not drawn.
inline constexpr double kFarLimit = 17592186044416.0;  // 2^44

inline double device_x(const Scale& scale, float x, int width) {
    const double left = static_cast<double>(scale.x_left);
    return (static_cast<double>(x) - left) / (static_cast<double>(scale.x_right) - left) * width;
}

inline double device_y(const Scale& scale, float y, int height) {
    const double top = static_cast<double>(scale.y_top);
    return (static_cast<double>(y) - top) / (static_cast<double>(scale.y_bottom) - top) * height;
}

// The pixel of a device coordinate: its floor, the far edge itself belonging
// to the last pixel. REQUIRES: finite and well inside the int range.
inline int pixel_index(double coordinate, int extent) {
    if (coordinate == extent) return extent - 1;
    const int truncated = static_cast<int>(coordinate);
    return truncated - (coordinate < truncated ? 1 : 0);
}

// The part of the segment from -> to that lies in [left, right] x
// [top, bottom] (Liang-Barsky), as the parameters [t_enter, t_exit] along
// from -> to; nothing if no part of it does or an end is not finite.
std::optional<std::pair<double, double>> clip_parameters(DevicePoint from, DevicePoint to, double left,
                                                         double top, double right, double bottom);

// A segment after clipping, in its original direction; an end that
// clipping moved is marked.
struct ClippedSegment {
    DevicePoint from;
    DevicePoint to;
    bool from_moved = false;
    bool to_moved = false;
};

// The part of from -> to inside [left, right] x [top, bottom], computed
// from the end nearer the origin, so the clipped ends are exact to a tiny
// fraction of a pixel however far the other end lies. Nothing if an end is
// not finite, both ends lie beyond kFarLimit, or no part lies inside.
std::optional<ClippedSegment> clip_segment(DevicePoint from, DevicePoint to, double left, double top,
                                           double right, double bottom);

}  // namespace waves::picture
