// Where each control of the layout plugs into the core's form: the graph
// surfaces, the value labels and the option buttons that start-up, the
// handlers and a lesson write to, by their layout names ("Grph(0)",
// "labelt", "switch_s(2)", "Option7").
//
// A front end creates its controls from the layout, puts each into its slot
// and then asks missing_parts() before start-up runs: a slot left empty
// would be a null pointer in the core.
#pragma once

#include <string>
#include <string_view>

#include "core/app/form.h"

namespace waves {

// The slot for the control called name, or nullptr if it has none of that kind.
GraphSurface** surface_slot(Form& form, std::string_view name);
TextLabel** label_slot(Form& form, std::string_view name);
OptionSelection** option_slot(Form& form, std::string_view name);

// The names of the slots still empty, separated by ", "; empty when the
// form has all its parts (the window placement included, as "Form1").
std::string missing_parts(Form& form);

}  // namespace waves
