#include "core/graphs/drawing_routines.h"

#include <cassert>
#include <cstddef>

#include "core/graphs/colours.h"
#include "core/graphs/frames.h"
#include "core/graphs/grid.h"
#include "core/graphs/mean_overlay.h"
#include "core/graphs/product_mean.h"
#include "core/graphs/sample_loop.h"
#include "core/graphs/wave_values.h"

namespace waves {
namespace {

std::size_t slot(int index) {
    assert(index >= 0 && index < kComponentCount);
    return static_cast<std::size_t>(index);
}

}  // namespace

void get_curve(const Parameters& params, const GraphSurfaces& surfaces, int index) {
    GraphSurface& surface = *surfaces.Grph[slot(index)];
    surface.clear();
    surfaces.Gr->clear();
    draw_grid(surface, params, wave_half_height(params));
    surface.set_pen_colour(wave_colour);
    sample_loop(surface, params, [&](double x) { return component_value(params, index, x); });
}

void get_curve2(const Parameters& params, const GraphSurfaces& surfaces) {
    GraphSurface& surface = *surfaces.Gr;
    draw_grid(surface, params, sum_half_height(params));
    surface.set_pen_colour(sum_colour);
    sample_loop(surface, params, [&](double x) { return component_sum(params, x); });
}

void get_std(const Parameters& params, const GraphSurfaces& surfaces) {
    GraphSurface& surface = *surfaces.std_grph;
    surface.clear();
    draw_grid(surface, params, wave_half_height(params));
    surface.set_pen_colour(wave_colour);
    sample_loop(surface, params, [&](double x) { return reference_value(params, x); });
}

void get_m_curve(const Parameters& params, const GraphSurfaces& surfaces, int index) {
    GraphSurface& surface = *surfaces.m_grph[slot(index)];
    surface.clear();
    surfaces.m_gr->clear();
    draw_grid(surface, params, wave_half_height(params));
    surface.set_pen_colour(wave_colour);
    sample_loop(surface, params, [&](double x) {
        return component_value(params, index, x) * reference_value(params, x);
    });
    if (params.show_means) draw_mean_line(surface, params, product_mean(params, index));
}

void get_curve3(const Parameters& params, const GraphSurfaces& surfaces) {
    GraphSurface& surface = *surfaces.m_gr;
    draw_grid(surface, params, sum_half_height(params));
    surface.set_pen_colour(sum_colour);
    sample_loop(surface, params, [&](double x) {
        const float e = component_sum(params, x);
        return static_cast<float>(reference_value(params, x) * static_cast<double>(e));
    });
    if (params.show_means) draw_mean_line(surface, params, sum_of_products_mean(params));
}

}  // namespace waves
