// The layout's colours and fonts (layout/layout_style.h), realised with Qt.
//
// install_font_substitutes maps each Windows font of the layout to its free
// stand-ins, so captions keep their widths and the Japanese title and
// "cos" / "sin" / "RESET" render in a real Japanese face; where none of them
// is installed either, Qt falls back to whatever font the system offers.
#pragma once

#include <QColor>
#include <QFont>

#include "layout/layout_style.h"

namespace waves {

void install_font_substitutes();

// REQUIRES: colour != LayoutColour::platform_default.
QColor layout_colour(LayoutColour colour);

// REQUIRES: code != FontCode::none.
QFont layout_font(FontCode code);

// The font at scale times its size, in whole pixels where it is given in
// pixels (at least one).
QFont scaled_font(QFont font, double scale);

}  // namespace waves
