// What a screen reader calls each control and what it says the control does.
//
// Every arrow pair, option button, graph and group has a name that says
// what it is and what it changes ("A amplitude", "W cos", "t span",
// "step a 0.5", "Essential Wave W") and, where that helps, a description
// ("Steps the amplitude of wave A by the step chosen in step a"). An arrow
// pair also names the value label beside it: it reads its value from that
// label, and the label reads as "A amplitude 0.5". None of this changes a
// caption of the layout.
//
// Names and descriptions are source texts of the context "AccessibleText",
// with a place holder %1 for the one thing that varies (the wave's letter,
// the step), so that a front end translates the text before filling it in.
// Both front ends read this one table.
#pragma once

#include <string>
#include <vector>

#include "layout/translator.h"

namespace waves {

struct AccessibleText {
    std::string control;      // the layout name: "SpinButton3(0)"
    const char* name = "";         // source text, may hold %1: "%1 amplitude"
    const char* description = "";  // source text, may hold %1; empty for none
    std::string argument;     // what %1 stands for: "A"; empty for none
    std::string value_label;  // arrow pairs: the label that shows the value
};

// Every named control of the window, by band: W, then A to D, then the sums.
const std::vector<AccessibleText>& accessible_texts();

// The name and the description in the translator's language, filled in.
std::string accessible_name(const AccessibleText& text, const Translator& translator);
std::string accessible_description(const AccessibleText& text, const Translator& translator);

}  // namespace waves
