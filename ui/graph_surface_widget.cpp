#include "ui/graph_surface_widget.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

#include "ui/mean_captions.h"
#include "ui/vector_painting.h"

namespace waves {

namespace {

Rgb rgb_of(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// The raster's pixels as an image, without copying them: valid while the
// raster is neither drawn on nor resized. Its bytes are R, G, B, A with A
// always 255, which is Qt's RGBX8888.
QImage image_over(const picture::PixelRaster& raster, qreal ratio) {
    QImage image(reinterpret_cast<const uchar*>(raster.pixels()), raster.width(), raster.height(),
                 static_cast<qsizetype>(raster.width()) * 4, QImage::Format_RGBX8888);
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

class GraphSurfaceWidget::PictureView final : public QWidget {
public:
    explicit PictureView(GraphSurfaceWidget& surface) : QWidget(&surface), surface_(surface) {
        // It paints every pixel it covers, so nothing beneath is repainted.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        // Assistive technology leaves it out (GraphSurfaceWidget::is_own_part):
        // to a screen reader the graph stays one picture.
        setObjectName(QStringLiteral("picture"));
    }

protected:
    void paintEvent(QPaintEvent*) override { surface_.paint_picture(*this); }

private:
    GraphSurfaceWidget& surface_;
};

// The layout height the surface is given is unused: surface_height() is the
// widget's own.
GraphSurfaceWidget::GraphSurfaceWidget(const QColor& background, QWidget* parent)
    : QFrame(parent), surface_(rgb_of(background), 0.0), background_(background) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Created first, so that every child the window adds (the reference
    // graph's caption) lies above it.
    picture_view_ = new PictureView(*this);
    picture_view_->setGeometry(contentsRect());
}

bool GraphSurfaceWidget::is_own_part(const QObject* child) const {
    return child != nullptr && child == static_cast<const QObject*>(picture_view_);
}

// ---- the interface -------------------------------------------------------

void GraphSurfaceWidget::clear() {
    surface_.clear();
    bring_picture_up_to_date();
    request_paint();
}

void GraphSurfaceWidget::set_scale(float x_left, float y_top, float x_right, float y_bottom) {
    surface_.set_scale(x_left, y_top, x_right, y_bottom);
}

void GraphSurfaceWidget::set_pen_colour(Rgb colour) { surface_.set_pen_colour(colour); }

void GraphSurfaceWidget::set_pen_style(PenStyle style) { surface_.set_pen_style(style); }

// Defined ahead of its hot callers, so that it inlines.
inline void GraphSurfaceWidget::request_paint() {
    if (paint_requested_) return;
    paint_requested_ = true;
    picture_view_->update();
}

void GraphSurfaceWidget::line(float xa, float ya, float xb, float yb) {
    surface_.line(xa, ya, xb, yb);
    request_paint();
}

void GraphSurfaceWidget::vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) {
    surface_.vertical_lines(spacing, count, y_from, y_to);
    request_paint();
}

void GraphSurfaceWidget::line_to(float x, float y) {
    surface_.line_to(x, y);
    request_paint();
}

void GraphSurfaceWidget::point(float x, float y) {
    surface_.point(x, y);
    request_paint();
}

double GraphSurfaceWidget::surface_height() const { return static_cast<double>(height()); }

QImage GraphSurfaceWidget::picture() const {
    const QSize device_size = wanted_device_size();
    const qreal ratio = devicePixelRatioF();
    const picture::PixelRaster& raster = surface_.raster();
    QImage image;
    if (device_size == QSize(raster.width(), raster.height())) {
        image = image_over(raster, ratio).convertToFormat(QImage::Format_RGB32);
    } else {
        const picture::PixelRaster rendered = surface_.rendered_at(device_size.width(), device_size.height());
        image = image_over(rendered, ratio).convertToFormat(QImage::Format_RGB32);
    }
    if (image.isNull()) return image;
    if (mean_caption_) {
        QPainter painter(&image);
        paint_mean_caption(painter, contentsRect().size(), *mean_caption_, caption_scale_);
    }
    return image;
}

void GraphSurfaceWidget::set_caption_scale(double scale) {
    if (scale == caption_scale_) return;
    caption_scale_ = scale;
    if (mean_caption_) request_paint();
}

void GraphSurfaceWidget::set_mean_caption(std::optional<MeanCaption> caption) {
    const bool same = caption.has_value() == mean_caption_.has_value() &&
                      (!caption || (caption->text == mean_caption_->text &&
                                    caption->height_fraction == mean_caption_->height_fraction));
    if (same) return;
    mean_caption_ = std::move(caption);
    request_paint();
}

// ---- Qt events -----------------------------------------------------------

void GraphSurfaceWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    picture_view_->setGeometry(contentsRect());
    // The picture follows a new size at once; a new device pixel ratio is
    // caught by the next clear or paint.
    bring_picture_up_to_date();
}

void GraphSurfaceWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void GraphSurfaceWidget::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void GraphSurfaceWidget::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void GraphSurfaceWidget::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    // A new style may draw a border of another width.
    if (event->type() == QEvent::StyleChange) picture_view_->setGeometry(contentsRect());
}

void GraphSurfaceWidget::childEvent(QChildEvent* event) {
    QFrame::childEvent(event);
    // The view stays below the other children, whenever one is added or
    // polished (the window restacks its controls after creating them). The
    // view itself is added while it is being made, before picture_view_
    // points to it.
    const bool other_child =
        picture_view_ != nullptr && event->child() != picture_view_ && event->child()->isWidgetType();
    if (other_child && (event->added() || event->polished())) picture_view_->lower();
}

void GraphSurfaceWidget::paint_picture(QWidget& view) {
    paint_requested_ = false;
    bring_picture_up_to_date();
    QPainter painter(&view);
    // SVG, PDF and printers (through render()) get the record as vectors.
    if (paints_vectors(painter)) {
        paint_record_as_vectors(painter, surface_.record(), contentsRect().size(), background_);
        if (mean_caption_) paint_mean_caption(painter, contentsRect().size(), *mean_caption_, caption_scale_);
        return;
    }
    painter.drawImage(QPoint(0, 0), image_over(surface_.raster(), devicePixelRatioF()));
    if (mean_caption_) paint_mean_caption(painter, contentsRect().size(), *mean_caption_, caption_scale_);
}

// ---- the picture's resolution ----------------------------------------------

QSize GraphSurfaceWidget::wanted_device_size() const {
    const QSize logical = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    return {std::max(0, qRound(logical.width() * ratio)), std::max(0, qRound(logical.height() * ratio))};
}

void GraphSurfaceWidget::bring_picture_up_to_date() {
    const QSize device_size = wanted_device_size();
    surface_.set_device_size(device_size.width(), device_size.height());
}

}  // namespace waves
