#include "ui/window_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "layout/layout_style.h"
#include "ui/picture_copy.h"

namespace waves {

namespace {

// The logical pixel of the layout on paper and in SVG.
constexpr int kLogicalDotsPerInch = 96;
constexpr double kPointsPerInch = 72.0;

void render_window(QWidget& window, QPainter& painter) {
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

// The SVG names the layout's Windows faces, as the window does; each is
// followed by its stand-ins and its generic family, as the page's CSS has
// them, so that a renderer without the face finds the same fonts Qt used.
QByteArray with_font_stacks(QByteArray svg) {
    for (const FontCode code : {FontCode::F1, FontCode::F4, FontCode::F5}) {
        const FontSpec& font = layout_font_spec(code);
        const QByteArray face(font.face.data(), static_cast<qsizetype>(font.face.size()));
        QByteArray stack = face;
        for (const std::string_view stand_in : font.stand_ins) {
            stack += ", '" + QByteArray(stand_in.data(), static_cast<qsizetype>(stand_in.size())) + "'";
        }
        switch (font.generic) {
            case GenericFamily::serif: stack += ", serif"; break;
            case GenericFamily::sans_serif: stack += ", sans-serif"; break;
            case GenericFamily::monospace: stack += ", monospace"; break;
        }
        svg.replace("font-family=\"" + face + "\"", "font-family=\"" + stack + "\"");
    }
    return svg;
}

bool write_svg(QWidget& window, QIODevice& output) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(window.size());
    svg.setViewBox(QRect(QPoint(), window.size()));
    svg.setResolution(kLogicalDotsPerInch);
    svg.setTitle(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    render_window(window, painter);
    if (!painter.end()) return false;
    const QByteArray finished = with_font_stacks(bytes);
    return output.write(finished) == finished.size();
}

bool write_pdf(QWidget& window, QIODevice& output) {
    QPdfWriter pdf(&output);
    pdf.setTitle(window.windowTitle());
    pdf.setCreator(QStringLiteral("waves"));
    pdf.setResolution(kLogicalDotsPerInch);
    const QSizeF points = QSizeF(window.size()) * (kPointsPerInch / kLogicalDotsPerInch);
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    render_window(window, painter);
    return painter.end();
}

}  // namespace

std::optional<PictureFormat> picture_format_for(const QString& file_name) {
    const QString name = file_name.toLower();
    if (name.endsWith(QLatin1String(".png"))) return PictureFormat::png;
    if (name.endsWith(QLatin1String(".svg"))) return PictureFormat::svg;
    if (name.endsWith(QLatin1String(".pdf"))) return PictureFormat::pdf;
    return std::nullopt;
}

void use_picture_platform(int scale) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    qunsetenv("QT_USE_PHYSICAL_DPI");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

bool write_window_picture(QWidget& window, PictureFormat format, QIODevice& output) {
    switch (format) {
        case PictureFormat::png: {
            const QByteArray png = png_with_resolution(window.grab().toImage());
            return !png.isEmpty() && output.write(png) == png.size();
        }
        case PictureFormat::svg: return write_svg(window, output);
        case PictureFormat::pdf: return write_pdf(window, output);
    }
    return false;
}

}  // namespace waves
