#include "tests/property/fresh_pictures.h"

#include <cassert>
#include <cstddef>

#include "core/graphs/drawing_routines.h"
#include "core/graphs/frames.h"
#include "tests/property/handler_model.h"

namespace waves::property {

FreshPictures::FreshPictures() : surfaces_(form_.surfaces()) {}

testing::RecordingSurface& FreshPictures::set_frame(int surface, const Parameters& params) {
    assert(surface >= 0 && surface < kSurfaceCount);
    testing::RecordingSurface& target = *surfaces_[static_cast<std::size_t>(surface)];
    if (has_sum_frame(surface)) {
        sum_frame(target, params);
    } else {
        wave_frame(target, params);
    }
    return target;
}

const std::array<float, 4>& FreshPictures::frame(int surface, const Parameters& params) {
    const std::array<float, 4>& scale = set_frame(surface, params).scale();
    form_.log.calls.clear();
    return scale;
}

const std::vector<testing::DrawCall>& FreshPictures::draw(int surface, const Parameters& params) {
    testing::RecordingSurface& target = set_frame(surface, params);
    const GraphSurfaces& all = form_.form.surfaces;
    if (surface == 0) {
        get_std(params, all);
    } else if (surface == kSumSurface) {
        target.clear();
        get_curve2(params, all);
    } else if (surface == kSumOfProductsSurface) {
        target.clear();
        get_curve3(params, all);
    } else if (surface % 2 == 1) {
        get_curve(params, all, (surface - 1) / 2);
    } else {
        get_m_curve(params, all, (surface - 2) / 2);
    }
    form_.log.calls.clear();
    return target.picture();
}

}  // namespace waves::property
