// The reference band at the top: hands the "Essential Wave" graph and W's
// value labels to the core and binds W's arrows and cos/sin buttons to the
// reference handlers.
#pragma once

#include "app/form.h"
#include "ui/control_tree.h"
#include "ui/event_dispatch.h"

void bind_reference_band(const ControlTree& controls, waves::Form& form, const EventDispatch& dispatch);
