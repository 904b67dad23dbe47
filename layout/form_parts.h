// Where each control of the layout plugs into the core's form: the graph
// surfaces, the value labels and the option buttons that start-up, the
// handlers and a lesson write to, by their layout names ("Grph(0)",
// "labelt", "switch_s(2)", "Option7").
//
// A front end creates its controls from the layout, puts each into its slot
// and then asks for the missing parts before start-up runs: a slot left
// empty would be a null pointer in the core.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/app/form.h"

namespace waves {

// Slots of one kind, each with its layout name.
template <typename Part>
using NamedSlots = std::vector<std::pair<std::string, Part**>>;

// Every slot of one form, by its layout name: made once, so a front end that
// plugs in a whole layout looks each control up without making the names
// again.
class FormSlots {
public:
    explicit FormSlots(Form& form);

    // The slot for the control called name, or nullptr if it has none of that kind.
    GraphSurface** surface(std::string_view name) const;
    TextLabel** label(std::string_view name) const;
    OptionSelection** option(std::string_view name) const;

    // The names of the slots still empty, separated by ", "; empty when the
    // form has all its parts (the window placement included, as "Form1").
    std::string missing() const;

private:
    Form& form_;
    NamedSlots<GraphSurface> surfaces_;
    NamedSlots<TextLabel> labels_;
    NamedSlots<OptionSelection> options_;
};

// One slot or the missing parts of a form, as FormSlots finds them.
GraphSurface** surface_slot(Form& form, std::string_view name);
TextLabel** label_slot(Form& form, std::string_view name);
OptionSelection** option_slot(Form& form, std::string_view name);
std::string missing_parts(Form& form);

}  // namespace waves
