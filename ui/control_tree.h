// The window's controls, built from the layout table and looked up by name.
//
// build_control_tree creates every control of the layout inside the given
// window with its geometry, caption, colours, font, alignment and start
// selection, stacks each container's children in the order of the table,
// and chains the keyboard focus in the order of the Tab indices. Each
// widget's objectName is its layout name ("SpinButton3(0)"), so tests and
// accessibility tools find it by that name too.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>
#include <cassert>
#include <string_view>

#include "layout/layout_table.h"

class ControlTree {
public:
    // The control called name, as the widget class the layout gives it.
    // REQUIRES: the layout has a control of that name and kind.
    template <typename Widget>
    Widget& get(std::string_view name) const {
        Widget* widget = qobject_cast<Widget*>(controls_.value(to_key(name)));
        assert(widget != nullptr && "no control of that name and kind");
        return *widget;
    }

    void add(const std::string& name, QWidget* widget) { controls_.insert(QString::fromStdString(name), widget); }

private:
    static QString to_key(std::string_view name) {
        return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }

    QHash<QString, QWidget*> controls_;
};

ControlTree build_control_tree(QWidget& window, const std::vector<ControlSpec>& layout);
