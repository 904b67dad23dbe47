// The core's small interfaces, realised with the page's elements: a value
// label is an element whose text the handlers write (and the arrow pair
// beside it reads its value from it); a cos/sin option is a radio button
// that start-up selects without running a handler.
#pragma once

#include <string>

#include "core/app/option_selection.h"
#include "core/app/text_label.h"
#include "web/page_bridge.h"

namespace waves {

class DomLabel final : public TextLabel {
public:
    // spin_button: the arrow pair that reads its value here, or -1.
    DomLabel(int id, int spin_button) : id_(id), spin_button_(spin_button) {}

    int id() const { return id_; }

    void set_text(std::string_view text) override {
        const std::string terminated(text);
        waves_page_set_text(id_, terminated.c_str());
        if (spin_button_ >= 0) waves_page_set_value(spin_button_, terminated.c_str());
    }

private:
    int id_;
    int spin_button_;
};

class DomOption final : public OptionSelection {
public:
    explicit DomOption(int id) : id_(id) {}
    // A state change only: setting it fires no change event in the page.
    void set_selected(bool selected) override { waves_page_set_checked(id_, selected ? 1 : 0); }

private:
    int id_;
};

}  // namespace waves
