// What a full redraw (start-up, RESET, the "t=" arrows) looks like in a log.
#pragma once

#include <string>
#include <vector>

#include "tests/support/recording_surface.h"

namespace waves::testing {

// W; A, A'; B, B'; C, C'; D, D'; E; E'.
const std::vector<std::string>& full_drawing_order();

// The log reduced to frame settings ("scale Grph(0)") and drawing runs
// ("draw Grph(0)"), in order: shows that each surface gets its frame just
// before it is drawn.
std::vector<std::string> frames_and_drawings(const DrawLog& log);

}  // namespace waves::testing
