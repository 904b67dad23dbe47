#include "ui/appearance.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace waves {

namespace {

QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void install_font_substitutes() {
    for (const FontCode code : {FontCode::F1, FontCode::F4, FontCode::F5}) {
        const FontSpec& font_spec = layout_font_spec(code);
        QStringList stand_ins;
        for (const std::string_view stand_in : font_spec.stand_ins) stand_ins.append(to_qstring(stand_in));
        QFont::insertSubstitutions(to_qstring(font_spec.face), stand_ins);
    }
}

QColor layout_colour(LayoutColour colour) {
    const Rgb rgb = layout_rgb(colour);
    return {rgb.red, rgb.green, rgb.blue};
}

QFont layout_font(FontCode code) {
    const FontSpec& font_spec = layout_font_spec(code);
    QFont font(to_qstring(font_spec.face));
    font.setPixelSize(font_spec.pixel_size);
    font.setItalic(font_spec.italic);
    font.setWeight(static_cast<QFont::Weight>(font_spec.weight));
    return font;
}

QFont scaled_font(QFont font, double scale) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    } else {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

}  // namespace waves
