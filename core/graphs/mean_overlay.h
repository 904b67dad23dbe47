// The means drawn over the product graphs A'..D' and E', when asked for
// (Parameters::show_means): on each, a dashed horizontal line at the
// graph's mean over the span (product_mean.h), across the full width, in
// mean_colour, which no curve, grid or axis uses. The front ends write
// "mean 2.5" (mean_caption) at the line's right end, over the picture, in
// the same colour.
//
// The product routines draw the line after their curve, so it lies on top;
// with show_means off they draw nothing more, and the pictures are exactly
// those without an overlay. Drawing it leaves the dashed pen in
// mean_colour.
#pragma once

#include <string>

#include "core/graphs/graph_surface.h"
#include "core/model/parameters.h"

namespace waves {

inline constexpr Rgb mean_colour{160, 0, 160};  // purple: not red, green or blue

// The dashed line at y = mean on a surface in its frame, 0 .. x_end.
void draw_mean_line(GraphSurface& surface, const Parameters& params, double mean);

// What the front end writes at the right end of a product graph's line.
struct MeanCaption {
    std::string text;       // "mean 2.5"
    double height_fraction;  // the line's height: 0 at the top edge, 1 at the bottom, beyond them outside
};

// REQUIRES: 0 <= index < kComponentCount.
MeanCaption product_mean_caption(const Parameters& params, int index);
MeanCaption sum_of_products_mean_caption(const Parameters& params);

}  // namespace waves
