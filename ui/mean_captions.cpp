#include "ui/mean_captions.h"

#include <QFontMetricsF>
#include <QKeySequence>
#include <QShortcut>

#include <algorithm>

#include "core/controls/mean_key.h"
#include "layout/mean_captions.h"
#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"

namespace waves {

namespace {

// Between the text and the line, and the text and the right edge.
constexpr double kGap = 2.0;

const char* const kProductGraphs[] = {"m_grph(0)", "m_grph(1)", "m_grph(2)", "m_grph(3)", "m_gr"};

}  // namespace

void install_mean_key(QWidget& window, Form& form, const EventDispatch& dispatch) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_M), &window);
    QObject::connect(key, &QShortcut::activated, &window, dispatch.to([&form] { Form_KeyM(form); }));
}

void show_mean_captions(const ControlTree& controls, const Parameters& params) {
    const std::vector<GraphMeanCaption> captions = mean_captions(params);
    for (const char* graph : kProductGraphs) {
        const auto caption = std::find_if(captions.begin(), captions.end(),
                                          [&](const GraphMeanCaption& c) { return c.graph == graph; });
        controls.get<GraphSurfaceWidget>(graph).set_mean_caption(
            caption == captions.end() ? std::nullopt : std::optional<MeanCaption>(caption->caption));
    }
}

void paint_mean_caption(QPainter& painter, QSize logical_size, const MeanCaption& caption, double scale) {
    const QFont font = scaled_font(layout_font(FontCode::F3), scale);
    const QFontMetricsF metrics(font);
    const double height = logical_size.height();
    const double line = caption.height_fraction * height;
    const double gap = kGap * scale;
    double baseline = line - gap;
    if (baseline - metrics.ascent() < 0.0) baseline = line + gap + metrics.ascent();
    baseline = std::clamp(baseline, metrics.ascent(), std::max(metrics.ascent(), height - metrics.descent()));
    const QString text = QString::fromStdString(caption.text);
    const double left = logical_size.width() - gap - metrics.horizontalAdvance(text);
    painter.setFont(font);
    painter.setPen(QColor(mean_colour.red, mean_colour.green, mean_colour.blue));
    painter.drawText(QPointF(left, baseline), text);
}

}  // namespace waves
