// Placeholder: the surface draws nothing yet.
#include "ui/graph_surface_widget.h"

GraphSurfaceWidget::GraphSurfaceWidget(const QColor& background, QWidget* parent)
    : QFrame(parent), background_(background) {}
void GraphSurfaceWidget::clear() {}
void GraphSurfaceWidget::set_scale(float, float, float, float) {}
void GraphSurfaceWidget::set_pen_colour(waves::Rgb) {}
void GraphSurfaceWidget::set_pen_style(waves::PenStyle) {}
void GraphSurfaceWidget::line(float, float, float, float) {}
void GraphSurfaceWidget::line_to(float, float) {}
void GraphSurfaceWidget::point(float, float) {}
double GraphSurfaceWidget::surface_height() const { return height(); }
QImage GraphSurfaceWidget::picture() const { return picture_; }
void GraphSurfaceWidget::paintEvent(QPaintEvent* event) { QFrame::paintEvent(event); }
void GraphSurfaceWidget::resizeEvent(QResizeEvent* event) { QFrame::resizeEvent(event); }
