// The one conversion from the layout's twips (1440 per inch) to Qt's
// logical pixels: 15 twips per pixel, as at 96 dots per inch, rounded to
// the nearest pixel. Every position and size of the window goes through it.
#pragma once

#include <cmath>

#include <QPoint>
#include <QRect>

#include "layout/layout_table.h"

namespace waves {

// REQUIRES: twips >= 0.
constexpr int twips_to_pixels(int twips) { return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel); }

// Fractional or negative twips, for the window position start-up computes.
inline int twips_to_pixels(float twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

constexpr float pixels_to_twips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

constexpr QRect twips_to_pixels(int left, int top, int width, int height) {
    return {twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width), twips_to_pixels(height)};
}

}  // namespace waves
