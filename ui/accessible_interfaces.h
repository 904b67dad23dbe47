// How the window's own widgets present themselves to assistive technology
// (AT-SPI on Linux), where Qt's defaults do not fit:
//   - a SpinButton is a spin box whose name says what it changes
//     ("A amplitude"), whose value is the text of its value label ("0.5"),
//     and whose actions "increase" and "decrease" raise one step each, as
//     the arrows and the Up and Down keys do;
//   - a GraphSurfaceWidget is a graphic (a picture) whose name says which
//     graph it is and whose description says what it plots.
//
// install_accessibility registers them with Qt once per process.
#pragma once

namespace waves {

void install_accessibility();

}  // namespace waves
