// Start-up of the window: Form_Load runs once, when the window is created and
// before it is first shown.
//
// It sets every parameter to its start value (every component a cosine of
// amplitude 0 and frequency 0; W a cosine of amplitude 1 and frequency 1;
// t_span 1; both steps 1), selects "cos" in every component group without
// running a handler, writes the start texts of the labels, sizes the window
// to 9930 x 7365 twips and centres it on the screen, measures h_ratio from
// the heights of Gr and Grph(0), gives each surface its frame just before
// its first drawing, and draws every graph once in the order
// W; A, A'; B, B'; C, C'; D, D'; E; E'.
#pragma once

#include "core/app/form.h"

namespace waves {

inline constexpr float kOuterWidthTwips = 9930.0f;
inline constexpr float kOuterHeightTwips = 7365.0f;

void Form_Load(Form& form);

// What start-up does to place the window: its outer size, then its top-left
// corner at half the difference between the screen and the window, in
// single precision (negative on a screen smaller than the window). A front
// end whose screen can change size while it runs (a browser's viewport)
// runs it again then.
void size_and_centre_window(WindowPlacement& window);

}  // namespace waves
