// The five drawing routines, one per kind of graph.
//
// Each reads the parameter record and draws; none writes a parameter or a
// label, and none sets a coordinate frame (the callers do, see frames.h).
// Each draws the grid, sets its curve colour and runs the sample loop.
//
//   get_curve(i)   clears Grph(i) and also Gr; draws component i in red.
//   get_m_curve(i) clears m_grph(i) and also m_gr; draws component i x W in red.
//   get_std        clears std_grph; draws W in red.
//   get_curve2     draws E, the sum of the components, in blue on Gr.
//   get_curve3     draws E' = W x E in blue on m_gr (the product of W with the
//                  single-precision sum, which equals the sum of the four
//                  products up to rounding).
//
// With show_means on, get_m_curve and get_curve3 draw the mean's dashed line
// over their curve (mean_overlay.h).
//
// The two sum routines clear nothing: every caller runs them last, after at
// least one get_curve and one get_m_curve have cleared their surfaces.
#pragma once

#include "core/model/parameters.h"
#include "core/graphs/graph_surfaces.h"

namespace waves {

// REQUIRES: 0 <= index < kComponentCount.
void get_curve(const Parameters& params, const GraphSurfaces& surfaces, int index);
void get_curve2(const Parameters& params, const GraphSurfaces& surfaces);
void get_std(const Parameters& params, const GraphSurfaces& surfaces);
// REQUIRES: 0 <= index < kComponentCount.
void get_m_curve(const Parameters& params, const GraphSurfaces& surfaces, int index);
void get_curve3(const Parameters& params, const GraphSurfaces& surfaces);

}  // namespace waves
