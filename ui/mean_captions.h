// The means over the product graphs on the desktop (core/graphs/
// mean_overlay.h): the key M, and the caption "mean 2.5" that each product
// graph writes over its picture at the right end of its mean's line.
//
// The caption is painted over the graph's picture on screen and into the
// picture the graph hands out (GraphSurfaceWidget::picture()), so a copy
// holds it: right-aligned a little in from the right edge, just above the
// line, below it where there is no room above, and always inside the
// picture; in the layout's small serif font (F3) and the mean colour.
#pragma once

#include <QPainter>
#include <QSize>
#include <QWidget>

#include "core/app/form.h"
#include "core/graphs/mean_overlay.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

namespace waves {

// The key M anywhere in the window runs Form_KeyM as an event.
void install_mean_key(QWidget& window, Form& form, const EventDispatch& dispatch);

// Gives every product graph the caption it shows now, or none.
void show_mean_captions(const ControlTree& controls, const Parameters& params);

// Paints the caption on a picture of logical_size, in logical pixels, its
// font at the window's scale.
void paint_mean_caption(QPainter& painter, QSize logical_size, const MeanCaption& caption, double scale = 1.0);

}  // namespace waves
