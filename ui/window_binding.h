// Hands the window's widgets to the core and binds their events to the
// handlers, from the same tables the web page reads: every graph surface,
// value label and cos/sin option goes into its slot of the core's form
// (layout/form_parts.h), and every arrow pair's spinUp and spinDown, every
// option's chosen() and the RESET button's clicked() runs its handler
// (layout/control_events.h), followed by what must happen after every event.
//
// Throws MissingControl, naming what is missing, where the tables and the
// window do not fit together: a slot of the form left empty, or a handler
// for a control the window lacks.
#pragma once

#include "app/form.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

void bind_window(const ControlTree& controls, const std::vector<ControlSpec>& layout, waves::Form& form,
                 const EventDispatch& dispatch);
