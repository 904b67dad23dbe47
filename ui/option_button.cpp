#include "ui/option_button.h"

#include <QSignalBlocker>

namespace waves {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) emit chosen();
    });
}

void OptionButton::set_selected(bool selected) {
    const QSignalBlocker quiet(this);
    setChecked(selected);
}

}  // namespace waves
