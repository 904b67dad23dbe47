// Which event of which control runs which handler: the event binding of the
// window as data, read by both front ends and by the tests, which find each
// handler by its name here.
//
// Arrow pairs report spin_up and spin_down; option buttons report click when
// the user makes them the selected one; the RESET button reports click.
// No other event of any control is handled.
#pragma once

#include <string>
#include <vector>

#include "core/app/form.h"

namespace waves {

enum class ControlEvent { spin_up, spin_down, click };

struct ControlHandler {
    std::string control;  // the layout name: "SpinButton3(1)"
    ControlEvent event = ControlEvent::click;
    std::string handler_name;  // the handler's own name: "SpinButton3_SpinUp"
    void (*handler)(Form& form, int index) = nullptr;
    int index = 0;  // the control array index the handler receives
};

const std::vector<ControlHandler>& control_handlers();

// An arrow held down steps once at the press, again after a pause, then at a
// steady rate until it is let go, in milliseconds; the desktop's arrows and
// the page's alike.
inline constexpr int kArrowRepeatDelayMs = 500;
inline constexpr int kArrowRepeatIntervalMs = 50;

}  // namespace waves
