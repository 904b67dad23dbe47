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
// Names and descriptions are kept as source texts with a place holder %1
// for the one thing that varies (the wave's letter, the step), so that a
// front end can translate the text before filling it in. Both front ends
// read this one table.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct AccessibleText {
    std::string control;           // the layout name: "SpinButton3(0)"
    std::string_view name;         // source text, may hold %1: "%1 amplitude"
    std::string_view description;  // source text, may hold %1; empty for none
    std::string argument;          // what %1 stands for: "A"; empty for none
    std::string value_label;       // arrow pairs: the label that shows the value
};

// Every named control of the window, by band: W, then A to D, then the sums.
const std::vector<AccessibleText>& accessible_texts();

// text with every %1 replaced by argument.
std::string fill_in(std::string_view text, std::string_view argument);
