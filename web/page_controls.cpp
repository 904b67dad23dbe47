#include "web/page_controls.h"

#include <utility>

namespace waves {

PageControls::PageControls(const std::vector<ControlSpec>& layout, PageElements& elements)
    : layout_(layout), elements_(elements), handlers_(layout.size()) {}

void PageControls::run(int id, ControlEvent event) const {
    if (id < 0 || id >= static_cast<int>(handlers_.size())) return;
    for (const Bound& bound : handlers_[static_cast<std::size_t>(id)]) {
        if (bound.event == event) bound.run();
    }
}

int PageControls::id_of(const ControlSpec& control) const { return control_index(layout_, control.name); }

GraphSurface* PageControls::surface(const ControlSpec& control) {
    const int id = id_of(control);
    for (PageSurface& surface : elements_.surfaces) {
        if (surface.id == id) return surface.surface.get();
    }
    return nullptr;
}

TextLabel* PageControls::label(const ControlSpec& control) {
    const int id = id_of(control);
    for (const auto& label : elements_.labels) {
        if (label->id() == id) return label.get();
    }
    return nullptr;
}

OptionSelection* PageControls::option(const ControlSpec& control) {
    if (control.kind != ControlKind::option_button) return nullptr;
    options_.push_back(std::make_unique<DomOption>(id_of(control)));
    return options_.back().get();
}

bool PageControls::connect(const std::string& name, ControlEvent event, std::function<void()> run) {
    const int id = control_index(layout_, name);
    if (id < 0) return false;
    handlers_[static_cast<std::size_t>(id)].push_back({event, std::move(run)});
    return true;
}

}  // namespace waves
