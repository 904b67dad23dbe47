// What each product graph writes at the right end of its mean's line, by
// the graph's layout name, while the means are drawn (core/graphs/
// mean_overlay.h): the front ends put the text over the picture, at the
// line's height, in mean_colour. Nothing while they are not.
#pragma once

#include <string>
#include <vector>

#include "core/graphs/mean_overlay.h"
#include "core/model/parameters.h"

namespace waves {

struct GraphMeanCaption {
    std::string graph;  // "m_grph(0)" .. "m_grph(3)", "m_gr"
    MeanCaption caption;
};

// The captions of A'..D' and E' when params.show_means, none otherwise.
std::vector<GraphMeanCaption> mean_captions(const Parameters& params);

}  // namespace waves
