// The window's controls, built from the layout table and looked up by name.
//
// build_control_tree creates every control of the layout inside the given
// window with its geometry, caption, colours, font, alignment and start
// selection, stacks each container's children in the order of the table,
// and chains the keyboard focus in the order of the Tab indices. Each
// widget's objectName is its layout name ("SpinButton3(0)"), so tests and
// accessibility tools find it by that name too.
//
// A lookup of a name the table does not have, or of a control of another
// kind, throws MissingControl, naming it: the window is built once, at
// start-up, so a table that does not fit stops the program there, in every
// build, with that message.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>

#include "layout/layout_table.h"

namespace waves {

class MissingControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ControlTree {
public:
    // The control called name, as the widget class the layout gives it.
    template <typename Widget>
    Widget& get(std::string_view name) const {
        QWidget* control = controls_.value(to_key(name));
        if (control == nullptr) throw MissingControl("the window has no control called " + std::string(name));
        Widget* widget = qobject_cast<Widget*>(control);
        if (widget == nullptr) {
            throw MissingControl("the control " + std::string(name) + " is not a " +
                                 Widget::staticMetaObject.className());
        }
        return *widget;
    }

    // The control called name, whatever its class, or nullptr.
    QWidget* find(std::string_view name) const { return controls_.value(to_key(name)); }

    void add(const std::string& name, QWidget* widget) { controls_.insert(QString::fromStdString(name), widget); }

private:
    static QString to_key(std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }

    QHash<QString, QWidget*> controls_;
};

ControlTree build_control_tree(QWidget& window, const std::vector<ControlSpec>& layout);

}  // namespace waves
