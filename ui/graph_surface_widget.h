// A graph surface on screen: a framed drawing area whose picture is a
// retained image that the drawing routines paint into.
//
// The picture is kept at the screen's device pixel ratio, so lines are one
// device pixel wide and crisp on a high-DPI screen. paintEvent only copies
// the picture: nothing is redrawn on exposure, and the picture survives
// covering, minimising and restoring. The user scale of set_scale maps onto
// the drawing area inside the border; whatever falls outside is clipped.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>

#include "graphs/graph_surface.h"

class GraphSurfaceWidget final : public QFrame, public waves::GraphSurface {
    Q_OBJECT

public:
    explicit GraphSurfaceWidget(const QColor& background, QWidget* parent = nullptr);

    // waves::GraphSurface
    void clear() override;
    void set_scale(float x_left, float y_top, float x_right, float y_bottom) override;
    void set_pen_colour(waves::Rgb colour) override;
    void set_pen_style(waves::PenStyle style) override;
    void line(float xa, float ya, float xb, float yb) override;
    void line_to(float x, float y) override;
    void point(float x, float y) override;
    // The control's outer height in logical pixels, border included.
    double surface_height() const override;

    // The retained picture of the drawing area, in device pixels, with
    // everything drawn so far.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QColor background_;
    QImage picture_;
};
