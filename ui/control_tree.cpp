#include "ui/control_tree.h"

#include <algorithm>

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>

#include "ui/appearance.h"
#include "ui/graph_surface_widget.h"
#include "ui/option_button.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"
#include "ui/twips.h"

namespace {

Qt::Alignment alignment(TextAlign align) {
    switch (align) {
        case TextAlign::right: return Qt::AlignRight | Qt::AlignTop;
        case TextAlign::centre: return Qt::AlignHCenter | Qt::AlignTop;
        case TextAlign::left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* create_widget(const ControlSpec& spec, QWidget* parent) {
    const QString caption = QString::fromStdString(spec.caption);
    switch (spec.kind) {
        case ControlKind::frame: return new QGroupBox(caption, parent);
        case ControlKind::graph_surface: {
            auto* surface = new GraphSurfaceWidget(layout_colour(spec.background), parent);
            // Reachable with Tab, so a screen reader reads what it shows;
            // a click leaves the focus where it was.
            surface->setFocusPolicy(Qt::TabFocus);
            return surface;
        }
        case ControlKind::spin_button: return new SpinButton(parent);
        case ControlKind::push_button: {
            auto* button = new QPushButton(caption, parent);
            button->setAutoDefault(true);  // Enter presses it too, not only Space
            return button;
        }
        case ControlKind::option_button: {
            auto* option = new OptionButton(parent);
            option->setText(caption);
            option->setChecked(spec.selected);
            return option;
        }
        case ControlKind::label: {
            auto* label = new TextLabelWidget(parent);
            label->setText(caption);
            label->setAlignment(alignment(spec.align));
            return label;
        }
    }
    return nullptr;
}

void apply_appearance(const ControlSpec& spec, QWidget& widget) {
    QPalette palette = widget.palette();
    // A graph surface paints its own background; a transparent label none.
    if (spec.kind != ControlKind::graph_surface && !spec.transparent) {
        const QColor background = spec.background == LayoutColour::platform_default
                                      ? QApplication::palette().color(QPalette::Button)
                                      : layout_colour(spec.background);
        // Buttons fill with the Button role, frames and labels with Window.
        palette.setColor(widget.backgroundRole(), background);
        widget.setAutoFillBackground(true);
    }
    if (spec.text != LayoutColour::platform_default) {
        palette.setColor(QPalette::WindowText, layout_colour(spec.text));
    }
    widget.setPalette(palette);
    if (spec.font != FontCode::none) widget.setFont(layout_font(spec.font));
}

// A control listed earlier lies above one listed later: lowering each in
// table order leaves the first on top.
void stack_in_table_order(const ControlTree& tree, const std::vector<ControlSpec>& layout) {
    for (const ControlSpec& spec : layout) tree.get<QWidget>(spec.name).lower();
}

void chain_focus_by_tab_index(const ControlTree& tree, const std::vector<ControlSpec>& layout) {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& spec : layout) order.push_back(&spec);
    std::sort(order.begin(), order.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
    QWidget* previous = nullptr;
    for (const ControlSpec* spec : order) {
        QWidget& widget = tree.get<QWidget>(spec->name);
        if (!(widget.focusPolicy() & Qt::TabFocus)) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, &widget);
        previous = &widget;
    }
}

}  // namespace

ControlTree build_control_tree(QWidget& window, const std::vector<ControlSpec>& layout) {
    ControlTree tree;
    for (const ControlSpec& spec : layout) {
        QWidget* parent = spec.container == "Form1" ? &window : &tree.get<QWidget>(spec.container);
        QWidget* widget = create_widget(spec, parent);
        widget->setObjectName(QString::fromStdString(spec.name));
        widget->setGeometry(twips_to_pixels(spec.left, spec.top, spec.width, spec.height));
        apply_appearance(spec, *widget);
        tree.add(spec.name, widget);
    }
    stack_in_table_order(tree, layout);
    chain_focus_by_tab_index(tree, layout);
    return tree;
}
