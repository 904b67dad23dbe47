// A form whose eleven surfaces, labels, option buttons and window do
// nothing. The core runs on it exactly as on the real window (the same
// handlers, the same drawing routines, the same calls through the surface
// interface), so a handler timed on it costs what the core spends computing
// samples and grid positions and making its calls; the rest of a redraw on
// the real window is the surfaces' drawing and the paint.
#pragma once

#include <array>
#include <memory>

#include "core/app/form.h"

namespace waves {

class NullForm {
public:
    // Runs Form_Load, as the window does, with the window's surface heights
    // (65 and 121 pixels), so h_ratio and every frame are the real ones.
    NullForm();
    ~NullForm();

    Form& form() { return form_; }

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
    Form form_;
};

}  // namespace waves
