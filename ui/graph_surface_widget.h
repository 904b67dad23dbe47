// A graph surface on screen: a framed drawing area whose picture is the
// page's own rasteriser's (picture/pixel_surface.h), shown as an image.
//
// Border. A QFrame with the style's sunken panel frame, the thin border the
// platform draws around its own views. The picture fills contentsRect() and
// is painted after the border, so a style that draws its border slightly
// into that area (Fusion at a ratio of 2) hides no picture pixel.
// surface_height() is the outer height, border included.
//
// Picture. contentsRect().size() x devicePixelRatioF() device pixels, drawn
// by a picture::PixelSurface: the same pixels the web page's canvas shows
// for the same lesson at the same device size, bit for bit. At a ratio of 2
// every line is one device pixel wide, never an enlarged 1x image. The
// surface's RGBA buffer is shown through a QImage that wraps it, tagged
// with the ratio, so it lands one image pixel on one device pixel; no
// second copy is kept. Exposure only shows the picture again, so it
// survives hiding, covering and minimising.
//
// The view. A child widget covering exactly contentsRect() shows the
// picture: opaque, transparent to the mouse, left out by assistive
// technology (is_own_part). A redraw updates only the view, so the screen
// repaints the picture and whatever lies on it (the reference graph's
// caption) but not the border, the panels and the window beneath, whose
// repainting cost more than the graph. The view stays below every other
// child.
//
// New size or ratio. The surface keeps every operation since its last
// clear (picture/surface_record.h). When the drawing area's device size no
// longer matches the picture (a resize, a screen with another ratio), the
// record is replayed onto a fresh picture, crisp at the new resolution. The
// check runs on a resize, at every clear and before every paint.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>

#include "core/graphs/graph_surface.h"
#include "core/graphs/mean_overlay.h"
#include "picture/pixel_surface.h"
#include "picture/surface_record.h"

namespace waves {

class GraphSurfaceWidget final : public QFrame, public GraphSurface {
    Q_OBJECT

public:
    explicit GraphSurfaceWidget(const QColor& background, QWidget* parent = nullptr);

    // GraphSurface
    void clear() override;
    void set_scale(float x_left, float y_top, float x_right, float y_bottom) override;
    void set_pen_colour(Rgb colour) override;
    void set_pen_style(PenStyle style) override;
    void line(float xa, float ya, float xb, float yb) override;
    void line_to(float x, float y) override;
    void point(float x, float y) override;
    // The same pixels as the count lines one by one, in time that stops
    // growing with count once the lines are denser than the pixel columns.
    void vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) override;
    // The control's outer height in logical pixels, border included.
    double surface_height() const override;

    // The picture of the drawing area at the widget's present size and
    // ratio, in device pixels (Format_RGB32, tagged with the ratio), with
    // everything drawn so far and the mean's caption over it. Looking
    // changes nothing: a picture of another size is rendered from the
    // record apart from the surface's.
    QImage picture() const;

    // What the graph has drawn since its last clear, with the state it
    // started from: enough to draw it again at any resolution or in another
    // medium (a vector export replays it).
    const picture::SurfaceRecord& record() const { return surface_.record(); }

    // The caption of the mean's line, painted over the picture on screen and
    // in picture() (ui/mean_captions.h); none until one is given.
    void set_mean_caption(std::optional<MeanCaption> caption);
    // The window's scale (ui/window_zoom.h), which the caption's font follows.
    void set_caption_scale(double scale);

    // True for the child widget that shows the picture: part of the surface
    // itself, not a control placed on it (assistive technology skips it).
    bool is_own_part(const QObject* child) const;

protected:
    // The frame's border, and a focus frame over it while the graph has the
    // keyboard focus (a screen reader then reads the graph's description).
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    class PictureView;

    // Schedules a paint of the picture view, once until its next paint.
    void request_paint();
    // Paints the up-to-date picture and the caption onto the view.
    void paint_picture(QWidget& view);
    QSize wanted_device_size() const;
    // Renders the record afresh if the drawing area's device size changed
    // since the picture was made.
    void bring_picture_up_to_date();

    picture::PixelSurface surface_;
    QColor background_;  // for the vector devices, which get no raster
    PictureView* picture_view_ = nullptr;  // owned by Qt, as a child
    // True from a request to the picture view's next paint.
    bool paint_requested_ = false;
    std::optional<MeanCaption> mean_caption_;
    double caption_scale_ = 1.0;
};

}  // namespace waves
