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

namespace waves {

namespace {

Qt::Alignment alignment(TextAlign align) {
    switch (align) {
        case TextAlign::right: return Qt::AlignRight | Qt::AlignTop;
        case TextAlign::centre: return Qt::AlignHCenter | Qt::AlignTop;
        case TextAlign::left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* create_widget(const ControlSpec& control, QWidget* parent) {
    const QString caption = QString::fromStdString(control.caption);
    switch (control.kind) {
        case ControlKind::frame: return new QGroupBox(caption, parent);
        case ControlKind::graph_surface: {
            auto* surface = new GraphSurfaceWidget(layout_colour(control.background), parent);
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
            option->setChecked(control.selected);
            return option;
        }
        case ControlKind::label: {
            auto* label = new TextLabelWidget(parent);
            label->setText(caption);
            label->setAlignment(alignment(control.align));
            return label;
        }
    }
    return nullptr;
}

void apply_appearance(const ControlSpec& control, QWidget& widget) {
    QPalette palette = widget.palette();
    // A graph surface paints its own background; a transparent label none.
    if (control.kind != ControlKind::graph_surface && !control.transparent) {
        const QColor background = control.background == LayoutColour::platform_default
                                      ? QApplication::palette().color(QPalette::Button)
                                      : layout_colour(control.background);
        // Buttons fill with the Button role, frames and labels with Window.
        palette.setColor(widget.backgroundRole(), background);
        widget.setAutoFillBackground(true);
    }
    if (control.text != LayoutColour::platform_default) {
        palette.setColor(QPalette::WindowText, layout_colour(control.text));
    }
    widget.setPalette(palette);
    if (control.font != FontCode::none) widget.setFont(layout_font(control.font));
}

// A control listed earlier lies above one listed later: lowering each in
// table order leaves the first on top.
void stack_in_table_order(const ControlTree& tree, const std::vector<ControlSpec>& layout) {
    for (const ControlSpec& control : layout) tree.get<QWidget>(control.name).lower();
}

void chain_focus_by_tab_index(const ControlTree& tree, const std::vector<ControlSpec>& layout) {
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& control : layout) order.push_back(&control);
    std::sort(order.begin(), order.end(),
              [](const ControlSpec* a, const ControlSpec* b) { return a->tab_index < b->tab_index; });
    QWidget* previous = nullptr;
    for (const ControlSpec* control : order) {
        QWidget& widget = tree.get<QWidget>(control->name);
        if (!(widget.focusPolicy() & Qt::TabFocus)) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, &widget);
        previous = &widget;
    }
}

}  // namespace

ControlTree build_control_tree(QWidget& window, const std::vector<ControlSpec>& layout) {
    ControlTree tree;
    for (const ControlSpec& control : layout) {
        QWidget* parent = control.container == "Form1" ? &window : &tree.get<QWidget>(control.container);
        QWidget* widget = create_widget(control, parent);
        widget->setObjectName(QString::fromStdString(control.name));
        widget->setGeometry(twips_to_pixels(control.left, control.top, control.width, control.height));
        apply_appearance(control, *widget);
        tree.add(control.name, widget);
    }
    stack_in_table_order(tree, layout);
    chain_focus_by_tab_index(tree, layout);
    return tree;
}

}  // namespace waves
