// The page's elements as the controls the core's form is bound to
// (layout/form_binding.h): the canvases' pixel surfaces, the value labels,
// a radio button for every cos/sin and step option, and the handlers that
// each element's events run.
//
// The page reports an event by the id of its control (its index in the
// layout table); run() calls every handler bound to that event, in the
// order of the event binding.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "layout/form_binding.h"
#include "web/dom_controls.h"
#include "web/page_elements.h"

namespace waves {

class PageControls final : public BuiltControls {
public:
    PageControls(const std::vector<ControlSpec>& layout, PageElements& elements);

    // Runs the handlers of event of the control id, if it has any.
    void run(int id, ControlEvent event) const;

    // BuiltControls
    GraphSurface* surface(const ControlSpec& control) override;
    TextLabel* label(const ControlSpec& control) override;
    OptionSelection* option(const ControlSpec& control) override;
    bool connect(const std::string& name, ControlEvent event, std::function<void()> run) override;

private:
    struct Bound {
        ControlEvent event;
        std::function<void()> run;
    };

    int id_of(const ControlSpec& control) const;

    const std::vector<ControlSpec>& layout_;
    PageElements& elements_;
    std::vector<std::unique_ptr<DomOption>> options_;
    std::vector<std::vector<Bound>> handlers_;  // by control id
};

}  // namespace waves
