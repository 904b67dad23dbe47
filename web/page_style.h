// The layout's colours and fonts in CSS terms, for the page's elements.
//
// An empty colour stands for the browser's own button face (a background)
// or button text (a text colour), as "default" does in the layout. Text
// colours are the layout's, darkened where WCAG's contrast asks it
// (legible_colour.h) against what shows behind the text: its own
// background, or for a transparent label its container's. Fonts are a CSS
// font stack: the layout's face, its stand-ins, then the generic family.
#pragma once

#include <string>
#include <vector>

#include "layout/layout_style.h"
#include "layout/layout_table.h"

namespace waves {

std::string css_colour(LayoutColour colour);
std::string css_text_colour(const std::vector<ControlSpec>& layout, const ControlSpec& control);
std::string css_font_family(const FontSpec& font);

}  // namespace waves
