// An option button's selected state, as start-up sets it.
//
// Setting the state is a state change only: it must not run the option's
// click handler. (The user's own clicks reach the handlers through the
// window's event binding, not through this interface.)
#pragma once

namespace waves {

class OptionSelection {
public:
    virtual ~OptionSelection() = default;
    virtual void set_selected(bool selected) = 0;
};

}  // namespace waves
