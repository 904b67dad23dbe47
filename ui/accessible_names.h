// Gives every control the name and description a screen reader reads
// (layout/accessible_text.h), and links each arrow pair to the value label
// it reads its value from. None of this changes a caption.
#pragma once

#include "ui/control_tree.h"

namespace waves {

void name_controls_for_screen_readers(const ControlTree& controls);

}  // namespace waves
