// One component band (A, B, C or D): hands its graphs, value labels and
// cos/sin buttons to the core and binds its arrows and option buttons to
// the component handlers for its index.
#pragma once

#include "app/form.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

// REQUIRES: 0 <= index < waves::kComponentCount.
void bind_component_band(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch, int index);
