// The layout's facts that the page's script and its tests read as names and
// numbers: the class name of each control kind and the CSS alignment of each
// text alignment, in the order of their values in the layout table (the
// bridge passes them as those values), how an arrow held down repeats, the
// window's size in CSS pixels, and its title (which the page's sealing
// writes into its <title>). Written at build time from layout/ (and the
// window's size the core starts with), so the page types none of them.
#pragma once

#include <string>
#include <string_view>

#include "layout/layout_table.h"

namespace waves {

// The element class of a kind of control: "frame", "graph", "spin", …
std::string_view page_kind_name(ControlKind kind);

// The CSS text-align of an alignment: "left", "right", "center".
std::string_view page_text_align(TextAlign align);

// Every fact, as one JSON object:
// {"kinds": [...], "alignments": [...], "repeatDelay": ms, "repeatInterval": ms,
//  "window": {"width": px, "height": px}, "title": text}.
std::string layout_facts_json();

}  // namespace waves
