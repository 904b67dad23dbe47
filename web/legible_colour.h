// Text colours that stay legible: WCAG 2's contrast ratio between a text
// colour and its background, and the layout's text colour darkened, keeping
// its hue, just enough to reach the 4.5:1 that WCAG's level AA asks of text
// this size.
//
// The layout's pure red on its grey panels reaches only 2.2:1; the web page
// shows the value labels and the graphs' letters in the darkened red
// (160, 0, 0) there, and in the darkest red that needs on each background.
#pragma once

#include "core/graphs/graph_surface.h"

namespace waves {

// The ratio (L1 + 0.05) / (L2 + 0.05) of the two relative luminances, 1 to 21.
double contrast_ratio(Rgb a, Rgb b);

// text itself where it already reaches 4.5:1 on background.
Rgb legible_on(Rgb text, Rgb background);

}  // namespace waves
