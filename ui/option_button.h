// An option button (a radio button in its frame's exclusive group).
//
// chosen() is emitted whenever the user makes it the selected button, by
// mouse or keyboard; the window binds it to the option's click handler.
// set_selected, used by start-up, changes the state only and emits nothing.
#pragma once

#include <QRadioButton>

#include "core/app/option_selection.h"

namespace waves {

class OptionButton final : public QRadioButton, public OptionSelection {
    Q_OBJECT

public:
    explicit OptionButton(QWidget* parent = nullptr);

    void set_selected(bool selected) override;

signals:
    void chosen();
};

}  // namespace waves
