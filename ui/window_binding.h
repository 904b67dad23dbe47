// Hands the window's widgets to the core through the binding both front ends
// share (layout/form_binding.h): graph surfaces, value labels and cos/sin
// options into the form, and every arrow pair's spinUp and spinDown, every
// option's chosen() and the RESET button's clicked() to its handler,
// followed by what must happen after every event.
//
// Throws MissingControl, with the binding's sentence, where the tables and
// the window do not fit together.
#pragma once

#include <vector>

#include "core/app/form.h"
#include "layout/layout_table.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

namespace waves {

void bind_window(const ControlTree& controls, const std::vector<ControlSpec>& layout, Form& form,
                 const EventDispatch& dispatch);

}  // namespace waves
