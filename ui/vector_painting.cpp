#include "ui/vector_painting.h"

#include <QPaintEngine>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <cmath>
#include <vector>

#include "picture/device_mapping.h"

namespace waves {

using picture::DevicePoint;
using picture::DrawingState;
using picture::Operation;
using picture::RecordedOperation;

namespace {

// How far outside the area a segment is clipped: enough for a square cap.
constexpr double kClipMargin = 2.0;
// The grid's period lines kept per logical pixel of width.
constexpr double kLinesPerPixel = 4.0;

QPen vector_pen(const DrawingState& state) {
    QPen pen(QColor(state.pen_colour.red, state.pen_colour.green, state.pen_colour.blue));
    pen.setWidth(0);
    pen.setCosmetic(true);
    switch (state.pen_style) {
        case PenStyle::solid: pen.setCapStyle(Qt::SquareCap); break;
        case PenStyle::dotted:
            pen.setStyle(Qt::DotLine);
            pen.setCapStyle(Qt::FlatCap);
            break;
        case PenStyle::dashed:
            pen.setDashPattern({5.0, 3.0});
            pen.setCapStyle(Qt::FlatCap);
            break;
    }
    return pen;
}

class VectorReplay {
public:
    VectorReplay(QPainter& painter, QSize size) : painter_(painter), width_(size.width()), height_(size.height()) {}

    void draw(const RecordedOperation& operation, const DrawingState& state) {
        switch (operation.operation) {
            case Operation::set_scale:
            case Operation::set_pen_colour:
            case Operation::set_pen_style: flush(); break;
            case Operation::line:
                flush();
                segment(to_device(state, operation.args[0], operation.args[1]),
                        to_device(state, operation.args[2], operation.args[3]), state);
                break;
            case Operation::line_to:
                segment(to_device(state, state.current_x, state.current_y),
                        to_device(state, operation.args[0], operation.args[1]), state);
                break;
            case Operation::point: {
                flush();
                const DevicePoint at = to_device(state, operation.args[0], operation.args[1]);
                if (inside(at)) {
                    painter_.setPen(vector_pen(state));
                    painter_.drawPoint(QPointF(at.x, at.y));
                }
                break;
            }
            case Operation::evenly_spaced_lines:
                flush();
                evenly_spaced_lines(operation, state);
                break;
        }
    }

    void flush() {
        if (polyline_.size() >= 2) {
            painter_.setPen(polyline_pen_);
            painter_.drawPolyline(polyline_.data(), static_cast<int>(polyline_.size()));
        }
        polyline_.clear();
    }

private:
    DevicePoint to_device(const DrawingState& state, float x, float y) const {
        return {picture::device_x(state.scale, x, width_), picture::device_y(state.scale, y, height_)};
    }

    bool inside(DevicePoint at) const { return at.x >= 0 && at.x <= width_ && at.y >= 0 && at.y <= height_; }

    void segment(DevicePoint from, DevicePoint to, const DrawingState& state) {
        const auto clipped = picture::clip_segment(from, to, -kClipMargin, -kClipMargin, width_ + kClipMargin,
                                                   height_ + kClipMargin);
        if (!clipped) {
            flush();
            return;
        }
        const QPointF start(clipped->from.x, clipped->from.y);
        const bool continues = !polyline_.empty() && !clipped->from_moved && polyline_.back() == start;
        if (!continues) {
            flush();
            polyline_pen_ = vector_pen(state);
            polyline_.push_back(start);
        }
        polyline_.emplace_back(clipped->to.x, clipped->to.y);
        if (clipped->to_moved) flush();
    }

    void evenly_spaced_lines(const RecordedOperation& operation, const DrawingState& state) {
        painter_.setPen(vector_pen(state));
        const double v_from = picture::device_y(state.scale, operation.args[0], height_);
        const double v_to = picture::device_y(state.scale, operation.args[1], height_);
        double last_slot = -1.0;
        for (std::int64_t k = 1; k <= operation.line_count; ++k) {
            const auto x = static_cast<float>(operation.spacing * static_cast<double>(k));
            const double u = picture::device_x(state.scale, x, width_);
            if (!(u >= -kClipMargin)) continue;
            if (u > width_ + kClipMargin) break;
            const double slot = std::floor(u * kLinesPerPixel);
            if (slot == last_slot) continue;
            last_slot = slot;
            const auto clipped = picture::clip_segment({u, v_from}, {u, v_to}, -kClipMargin, -kClipMargin,
                                                       width_ + kClipMargin, height_ + kClipMargin);
            if (clipped) painter_.drawLine(QPointF(clipped->from.x, clipped->from.y), QPointF(clipped->to.x, clipped->to.y));
        }
    }

    QPainter& painter_;
    int width_;
    int height_;
    std::vector<QPointF> polyline_;
    QPen polyline_pen_;
};

}  // namespace

bool paints_vectors(QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr) return false;
    switch (engine->type()) {
        case QPaintEngine::SVG:
        case QPaintEngine::Pdf:
        case QPaintEngine::Picture:
        case QPaintEngine::MacPrinter:
        case QPaintEngine::Windows: return true;
        default: return false;
    }
}

void paint_record_as_vectors(QPainter& painter, const picture::SurfaceRecord& record, QSize logical_size,
                             const QColor& background) {
    painter.save();
    const QRectF area(QPointF(0, 0), QSizeF(logical_size));
    painter.fillRect(area, background);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    VectorReplay replay(painter, logical_size);
    record.replay([&replay](const RecordedOperation& operation, const DrawingState& state) {
        replay.draw(operation, state);
    });
    replay.flush();
    painter.restore();
}

}  // namespace waves
