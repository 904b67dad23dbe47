#include "layout/form_parts.h"

#include <utility>
#include <vector>

namespace waves {

namespace {

template <typename Part>
using Slots = std::vector<std::pair<std::string, Part**>>;

std::string indexed(const char* array, int index) { return std::string(array) + "(" + std::to_string(index) + ")"; }

Slots<GraphSurface> surface_slots(Form& form) {
    GraphSurfaces& s = form.surfaces;
    Slots<GraphSurface> slots = {{"std_grph", &s.std_grph}, {"Gr", &s.Gr}, {"m_gr", &s.m_gr}};
    for (int i = 0; i < kComponentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        slots.emplace_back(indexed("Grph", i), &s.Grph[slot]);
        slots.emplace_back(indexed("m_grph", i), &s.m_grph[slot]);
    }
    return slots;
}

Slots<TextLabel> label_slots(Form& form) {
    FormLabels& l = form.labels;
    Slots<TextLabel> slots = {
        {"labelt", &l.labelt}, {"value_std_a", &l.value_std_a}, {"value_std_b", &l.value_std_b}};
    for (int i = 0; i < kComponentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        slots.emplace_back(indexed("Labela", i), &l.Labela[slot]);
        slots.emplace_back(indexed("Labelb", i), &l.Labelb[slot]);
    }
    return slots;
}

Slots<OptionSelection> option_slots(Form& form) {
    Slots<OptionSelection> slots;
    for (int i = 0; i < kComponentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        slots.emplace_back(indexed("switch_c", i), &form.options.switch_c[slot]);
        slots.emplace_back(indexed("switch_s", i), &form.options.switch_s[slot]);
    }
    // "step n" is Option1..Option4, "step a" Option5..Option8.
    for (std::size_t n = 0; n < kStepSizes.size(); ++n) {
        slots.emplace_back("Option" + std::to_string(n + 1), &form.options.step_n[n]);
        slots.emplace_back("Option" + std::to_string(n + 5), &form.options.step_a[n]);
    }
    slots.emplace_back("Option9", &form.options.Option9);
    slots.emplace_back("Option10", &form.options.Option10);
    return slots;
}

template <typename Part>
Part** find(const Slots<Part>& slots, std::string_view name) {
    for (const auto& [slot_name, slot] : slots) {
        if (slot_name == name) return slot;
    }
    return nullptr;
}

template <typename Part>
void add_missing(const Slots<Part>& slots, std::string& missing) {
    for (const auto& [name, slot] : slots) {
        if (*slot != nullptr) continue;
        if (!missing.empty()) missing += ", ";
        missing += name;
    }
}

}  // namespace

GraphSurface** surface_slot(Form& form, std::string_view name) {
    return find(surface_slots(form), name);
}

TextLabel** label_slot(Form& form, std::string_view name) { return find(label_slots(form), name); }

OptionSelection** option_slot(Form& form, std::string_view name) {
    return find(option_slots(form), name);
}

std::string missing_parts(Form& form) {
    std::string missing;
    add_missing(surface_slots(form), missing);
    add_missing(label_slots(form), missing);
    add_missing(option_slots(form), missing);
    if (form.window == nullptr) missing += missing.empty() ? "Form1" : ", Form1";
    return missing;
}

}  // namespace waves
