// The colours and fonts that the layout names, as plain values.
//
// The layout names Windows fonts that other systems lack: "Times New Roman"
// and the Japanese Gothic faces "ＭＳ Ｐゴシック" (proportional) and
// "ＭＳ ゴシック" (fixed). Each font lists, after its face, the free fonts
// that stand in for it, metric-compatible first (Liberation Serif, IPA
// Gothic, which the program's Debian package depends on), then the generic
// family the system falls back to last. The Qt window installs them as
// font substitutions; the web page writes them as a CSS font stack.
//
// Sizes are in pixels (9.75 pt = 13 px, 8.25 pt = 11 px at 96 dots per
// inch), so text keeps its size relative to the pixel layout.
#pragma once

#include <span>
#include <string_view>

#include "core/graphs/graph_surface.h"
#include "layout/layout_table.h"

namespace waves {

enum class GenericFamily { serif, sans_serif, monospace };

struct FontSpec {
    std::string_view face;                        // as the layout names it
    std::span<const std::string_view> stand_ins;  // in order of preference
    GenericFamily generic = GenericFamily::serif;
    int pixel_size = 0;
    bool italic = false;
    int weight = 400;  // 400 normal, 700 bold
};

// REQUIRES: colour != LayoutColour::platform_default (the toolkit's own
// button face or button text colour).
Rgb layout_rgb(LayoutColour colour);

// REQUIRES: code != FontCode::none.
const FontSpec& layout_font_spec(FontCode code);

// The window's background.
inline constexpr LayoutColour kWindowBackground = LayoutColour::grey;

}  // namespace waves
