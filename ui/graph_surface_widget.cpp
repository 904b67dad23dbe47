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

using picture::Operation;
using picture::RecordedOperation;

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

GraphSurfaceWidget::GraphSurfaceWidget(const QColor& background, QWidget* parent)
    : QFrame(parent), background_(background) {
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
    record_.clear(state_);
    // Pending lines would be erased at once: rendering the empty record drops
    // them undrawn.
    render_record(raster_, wanted_device_size(), devicePixelRatioF());
    request_paint();
}

void GraphSurfaceWidget::set_scale(float x_left, float y_top, float x_right, float y_bottom) {
    record_and_draw({.operation = Operation::set_scale, .args = {x_left, y_top, x_right, y_bottom}});
}

void GraphSurfaceWidget::set_pen_colour(Rgb colour) {
    record_and_draw({.operation = Operation::set_pen_colour, .colour = colour});
}

void GraphSurfaceWidget::set_pen_style(PenStyle style) {
    record_and_draw({.operation = Operation::set_pen_style, .style = style});
}

// Defined ahead of their hot callers, so that they inline.

inline void GraphSurfaceWidget::record_and_draw(const RecordedOperation& operation) {
    record_.add(operation);
    raster_.draw(operation, state_);
    picture::advance_state(state_, operation);
}

inline void GraphSurfaceWidget::request_paint() {
    if (paint_requested_) return;
    paint_requested_ = true;
    picture_view_->update();
}

void GraphSurfaceWidget::line(float xa, float ya, float xb, float yb) {
    record_and_draw({.operation = Operation::line, .args = {xa, ya, xb, yb}});
    request_paint();
}

void GraphSurfaceWidget::vertical_lines(double spacing, std::int64_t count, float y_from, float y_to) {
    if (count <= 0) return;
    record_and_draw({.operation = Operation::evenly_spaced_lines,
                     .args = {y_from, y_to, 0.0f, 0.0f},
                     .line_count = count,
                     .spacing = spacing});
    request_paint();
}

void GraphSurfaceWidget::line_to(float x, float y) {
    record_and_draw({.operation = Operation::line_to, .args = {x, y, 0.0f, 0.0f}});
    request_paint();
}

void GraphSurfaceWidget::point(float x, float y) {
    record_and_draw({.operation = Operation::point, .args = {x, y, 0.0f, 0.0f}});
    request_paint();
}

double GraphSurfaceWidget::surface_height() const { return static_cast<double>(height()); }

QImage GraphSurfaceWidget::picture() const {
    SurfaceRaster finished = raster_;
    const QSize device_size = wanted_device_size();
    const qreal ratio = devicePixelRatioF();
    if (device_size != finished.device_size() || ratio != finished.ratio()) {
        render_record(finished, device_size, ratio);
    }
    finished.flush();
    QImage image = finished.image();
    if (mean_caption_) {
        QPainter painter(&image);
        paint_mean_caption(painter, contentsRect().size(), *mean_caption_);
    }
    return image;
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
    raster_.flush();
    QPainter painter(&view);
    // SVG, PDF and printers (through render()) get the record as vectors.
    if (paints_vectors(painter)) {
        paint_record_as_vectors(painter, record_, contentsRect().size(), background_);
        if (mean_caption_) paint_mean_caption(painter, contentsRect().size(), *mean_caption_);
        return;
    }
    // The picture carries the device pixel ratio, so it lands one image
    // pixel on one device pixel.
    painter.drawImage(QPoint(0, 0), raster_.image());
    if (mean_caption_) paint_mean_caption(painter, contentsRect().size(), *mean_caption_);
}

// ---- the picture's resolution ----------------------------------------------

QSize GraphSurfaceWidget::wanted_device_size() const {
    const QSize logical = contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    return {std::max(0, qRound(logical.width() * ratio)), std::max(0, qRound(logical.height() * ratio))};
}

void GraphSurfaceWidget::bring_picture_up_to_date() {
    const QSize device_size = wanted_device_size();
    const qreal ratio = devicePixelRatioF();
    if (device_size != raster_.device_size() || ratio != raster_.ratio()) render_record(raster_, device_size, ratio);
}

void GraphSurfaceWidget::render_record(SurfaceRaster& raster, QSize device_size, qreal ratio) const {
    raster.reset(device_size, ratio, background_);
    record_.replay([&raster](const RecordedOperation& operation, const picture::DrawingState& state) {
        raster.draw(operation, state);
    });
}

}  // namespace waves
