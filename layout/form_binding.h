// The one binding of a front end's controls to the core, shared by the
// desktop window and the web page: every graph surface, value label and
// option button of the layout goes into its slot of the core's form
// (form_parts.h), and every event of the event binding (control_events.h)
// runs its handler.
//
// A front end builds its controls from the layout first, sets the form's
// window placement, and then hands its controls over through BuiltControls.
// bind_form() either binds everything or says, in one sentence, what does
// not fit (a slot left empty, a control of the wrong kind, a handler for a
// control the front end lacks); the core must then not start, since a
// slot left empty would be a null pointer in it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/app/form.h"
#include "layout/control_events.h"
#include "layout/layout_table.h"

namespace waves {

// What a front end built from the layout, as the core sees it.
class BuiltControls {
public:
    virtual ~BuiltControls() = default;

    // The front end's control for this layout entry as a graph surface, a
    // value label or an option button; nullptr where it is not of that kind.
    virtual GraphSurface* surface(const ControlSpec& control) = 0;
    virtual TextLabel* label(const ControlSpec& control) = 0;
    virtual OptionSelection* option(const ControlSpec& control) = 0;

    // Makes run() happen on every `event` of the control called name; false
    // where the front end has no such control reporting that event.
    virtual bool connect(const std::string& name, ControlEvent event, std::function<void()> run) = 0;
};

// Binds controls into form, after the layout they were built from. Returns
// the empty string, or the sentence that says what does not fit.
std::string bind_form(const std::vector<ControlSpec>& layout, Form& form, BuiltControls& controls);

}  // namespace waves
