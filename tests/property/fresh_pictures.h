// What each graph must show: its picture drawn from scratch from a copy of
// the parameters, on a second recorded form that nothing else draws on. The
// surface first gets the frame of those parameters, then its drawing
// routine runs (the sum routines on a surface cleared first).
//
// Surfaces are numbered as in handler_model.h.
#pragma once

#include <array>
#include <vector>

#include "core/model/parameters.h"
#include "tests/support/recorded_form.h"

namespace waves::property {

class FreshPictures {
public:
    FreshPictures();

    // The picture of the surface drawn from params. Valid until the next call.
    // REQUIRES: 0 <= surface < kSurfaceCount.
    const std::vector<testing::DrawCall>& draw(int surface, const Parameters& params);

    // The frame (x_left, y_top, x_right, y_bottom) the surface has for params.
    // REQUIRES: 0 <= surface < kSurfaceCount.
    const std::array<float, 4>& frame(int surface, const Parameters& params);

private:
    testing::RecordingSurface& set_frame(int surface, const Parameters& params);

    testing::RecordedForm form_;
    std::vector<testing::RecordingSurface*> surfaces_;
};

}  // namespace waves::property
