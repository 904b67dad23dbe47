// Colours and fonts of the layout, realised with Qt.
//
// The layout names Windows fonts that a Linux desktop does not have:
// "Times New Roman" and the Japanese Gothic faces "ＭＳ Ｐゴシック"
// (proportional) and "ＭＳ ゴシック" (fixed). install_font_substitutes maps
// them to metric-compatible free fonts (Liberation Serif, IPAPGothic,
// IPAGothic), so captions keep their widths and the Japanese title and
// "cos" / "sin" / "RESET" render in a real Japanese face. Where those are not
// installed either, Qt falls back to whatever font the system offers.
//
// Sizes are given in pixels (9.75 pt = 13 px, 8.25 pt = 11 px at 96 dpi),
// so text keeps its size relative to the pixel layout whatever the screen's
// reported resolution.
#pragma once

#include <QColor>
#include <QFont>

#include "ui/layout_table.h"

void install_font_substitutes();

// REQUIRES: colour != LayoutColour::platform_default.
QColor layout_colour(LayoutColour colour);

// REQUIRES: code != FontCode::none.
QFont layout_font(FontCode code);

// The window's background.
inline constexpr LayoutColour kWindowBackground = LayoutColour::grey;
