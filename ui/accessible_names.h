// What a screen reader calls each control and what it says it does.
//
// Every arrow, option button, value label, graph and group gets a name that
// says what it is and what it changes ("A amplitude", "B frequency",
// "W cos", "t span", "step a 0.5", "Essential Wave W"); each value label reads
// its value with what it belongs to ("A amplitude 0.5"), and each spin button
// reads its value from that label. None of this changes a caption.
#pragma once

#include "ui/control_tree.h"

void name_controls_for_screen_readers(const ControlTree& controls);
