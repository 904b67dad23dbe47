// The sum band at the bottom: hands the graphs E and E' and the span label
// to the core and binds the "t=" arrows, "RESET" and the "step a" /
// "step n" groups to their handlers.
#pragma once

#include "app/form.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

void bind_sum_band(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch);
