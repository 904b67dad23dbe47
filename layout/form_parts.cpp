#include "layout/form_parts.h"

namespace waves {

namespace {

std::string indexed(const char* array, int index) { return std::string(array) + "(" + std::to_string(index) + ")"; }

NamedSlots<GraphSurface> surface_slots(Form& form) {
    GraphSurfaces& s = form.surfaces;
    NamedSlots<GraphSurface> slots = {{"std_grph", &s.std_grph}, {"Gr", &s.Gr}, {"m_gr", &s.m_gr}};
    for (int i = 0; i < kComponentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        slots.emplace_back(indexed("Grph", i), &s.Grph[slot]);
        slots.emplace_back(indexed("m_grph", i), &s.m_grph[slot]);
    }
    return slots;
}

NamedSlots<TextLabel> label_slots(Form& form) {
    FormLabels& l = form.labels;
    NamedSlots<TextLabel> slots = {
        {"labelt", &l.labelt}, {"value_std_a", &l.value_std_a}, {"value_std_b", &l.value_std_b}};
    for (int i = 0; i < kComponentCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        slots.emplace_back(indexed("Labela", i), &l.Labela[slot]);
        slots.emplace_back(indexed("Labelb", i), &l.Labelb[slot]);
    }
    return slots;
}

NamedSlots<OptionSelection> option_slots(Form& form) {
    NamedSlots<OptionSelection> slots;
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
Part** find(const NamedSlots<Part>& slots, std::string_view name) {
    for (const auto& [slot_name, slot] : slots) {
        if (slot_name == name) return slot;
    }
    return nullptr;
}

template <typename Part>
void add_missing(const NamedSlots<Part>& slots, std::string& missing) {
    for (const auto& [name, slot] : slots) {
        if (*slot != nullptr) continue;
        if (!missing.empty()) missing += ", ";
        missing += name;
    }
}

}  // namespace

FormSlots::FormSlots(Form& form)
    : form_(form), surfaces_(surface_slots(form)), labels_(label_slots(form)), options_(option_slots(form)) {}

GraphSurface** FormSlots::surface(std::string_view name) const { return find(surfaces_, name); }

TextLabel** FormSlots::label(std::string_view name) const { return find(labels_, name); }

OptionSelection** FormSlots::option(std::string_view name) const { return find(options_, name); }

std::string FormSlots::missing() const {
    std::string missing;
    add_missing(surfaces_, missing);
    add_missing(labels_, missing);
    add_missing(options_, missing);
    if (form_.window == nullptr) missing += missing.empty() ? "Form1" : ", Form1";
    return missing;
}

GraphSurface** surface_slot(Form& form, std::string_view name) { return FormSlots(form).surface(name); }

TextLabel** label_slot(Form& form, std::string_view name) { return FormSlots(form).label(name); }

OptionSelection** option_slot(Form& form, std::string_view name) { return FormSlots(form).option(name); }

std::string missing_parts(Form& form) { return FormSlots(form).missing(); }

}  // namespace waves
