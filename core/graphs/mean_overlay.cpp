#include "core/graphs/mean_overlay.h"

#include "core/graphs/frames.h"
#include "core/graphs/product_mean.h"

namespace waves {
namespace {

MeanCaption caption(double mean, float half_height) {
    const auto half = static_cast<double>(half_height);
    const auto y = static_cast<double>(static_cast<float>(mean));
    return {"mean " + mean_text(mean), (half - y) / (2.0 * half)};
}

}  // namespace

void draw_mean_line(GraphSurface& surface, const Parameters& params, double mean) {
    const auto y = static_cast<float>(mean);
    surface.set_pen_style(PenStyle::dashed);
    surface.set_pen_colour(mean_colour);
    surface.line(0.0f, y, static_cast<float>(x_end(params)), y);
}

MeanCaption product_mean_caption(const Parameters& params, int index) {
    return caption(product_mean(params, index), wave_half_height(params));
}

MeanCaption sum_of_products_mean_caption(const Parameters& params) {
    return caption(sum_of_products_mean(params), sum_half_height(params));
}

}  // namespace waves
