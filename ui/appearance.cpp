#include "ui/appearance.h"

#include <cassert>

#include <QStringList>

namespace {

const QString kSerif = QStringLiteral("Times New Roman");
const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kFixedGothic = QStringLiteral("ＭＳ ゴシック");

QFont font(const QString& family, int pixel_size, bool italic, int weight) {
    QFont f(family);
    f.setPixelSize(pixel_size);
    f.setItalic(italic);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

}  // namespace

void install_font_substitutes() {
    QFont::insertSubstitutions(kSerif, {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                        QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(kProportionalGothic,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("Noto Sans CJK JP"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(kFixedGothic, {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                              QStringLiteral("DejaVu Sans Mono")});
}

QColor layout_colour(LayoutColour colour) {
    switch (colour) {
        case LayoutColour::grey: return {192, 192, 192};
        case LayoutColour::light_green: return {192, 255, 192};
        case LayoutColour::light_yellow: return {255, 255, 192};
        case LayoutColour::light_cyan: return {192, 255, 255};
        case LayoutColour::pink: return {255, 192, 255};
        case LayoutColour::white: return {255, 255, 255};
        case LayoutColour::red: return {255, 0, 0};
        case LayoutColour::platform_default: break;
    }
    assert(false && "the platform default colour comes from the palette");
    return {};
}

QFont layout_font(FontCode code) {
    switch (code) {
        case FontCode::F1: return font(kSerif, 13, true, 400);
        case FontCode::F2: return font(kSerif, 13, false, 400);
        case FontCode::F3: return font(kSerif, 11, false, 400);
        case FontCode::F4: return font(kProportionalGothic, 13, false, 400);
        case FontCode::F5: return font(kFixedGothic, 13, false, 700);
        case FontCode::none: break;
    }
    assert(false && "controls without text have no font");
    return {};
}
