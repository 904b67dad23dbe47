#include "ui/accessible_interfaces.h"

#include <QAccessibleWidget>

#include "ui/graph_surface_widget.h"
#include "ui/spin_button.h"

namespace waves {

namespace {

class SpinButtonAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinButtonAccessible(SpinButton* button) : QAccessibleWidget(button, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return button()->value_text();
        return QAccessibleWidget::text(kind);
    }

    // Actions.
    QStringList actionNames() const override {
        return {increaseAction(), decreaseAction(), setFocusAction()};
    }
    void doAction(const QString& name) override {
        if (name == increaseAction()) {
            button()->step_up();
        } else if (name == decreaseAction()) {
            button()->step_down();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == increaseAction()) return {QStringLiteral("Up")};
        if (name == decreaseAction()) return {QStringLiteral("Down")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

    // The value, read from the label beside the button. It cannot be set
    // directly: only the steps change it, within the handlers' bounds.
    QVariant currentValue() const override {
        bool ok = false;
        const double value = button()->value_text().toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    SpinButton* button() const { return static_cast<SpinButton*>(widget()); }
};

// A graph is one picture to a screen reader: its children are the controls
// placed on it (the "Essential Wave" caption), not the widget inside it
// that shows the picture.
class GraphSurfaceAccessible final : public QAccessibleWidget {
public:
    explicit GraphSurfaceAccessible(GraphSurfaceWidget* surface) : QAccessibleWidget(surface, QAccessible::Graphic) {}

    int childCount() const override { return static_cast<int>(placed_controls().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = placed_controls();
        if (index < 0 || index >= controls.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(controls.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        return static_cast<int>(placed_controls().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> placed_controls() const {
        const auto* surface = static_cast<const GraphSurfaceWidget*>(widget());
        QList<QWidget*> controls;
        for (QWidget* child : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!surface->is_own_part(child) && !child->isWindow() && !child->isHidden()) controls.append(child);
        }
        return controls;
    }
};

QAccessibleInterface* widget_factory(const QString& class_name, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    if (class_name == QLatin1String(SpinButton::staticMetaObject.className())) {
        return new SpinButtonAccessible(static_cast<SpinButton*>(object));
    }
    if (class_name == QLatin1String(GraphSurfaceWidget::staticMetaObject.className())) {
        return new GraphSurfaceAccessible(static_cast<GraphSurfaceWidget*>(object));
    }
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(widget_factory);
        return true;
    }();
    (void)installed;
}

}  // namespace waves
