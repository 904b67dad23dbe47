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
// and y = -10 row 62; x = 0 is column 0 and x = x_end column 238.
//
// A scale of zero width or height maps to no finite place, so nothing is
// drawn on it.
#pragma once

#include <optional>
#include <utility>

namespace picture {

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

}  // namespace picture
