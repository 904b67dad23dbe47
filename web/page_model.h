// How the layout becomes the elements of the web page: where each control's
// element goes in the document, where it lies and what lies above what.
//
// Keyboard order. The page's Tab order is its document order, so the
// elements follow the layout's Tab indices: every control is an element of
// the form's client area, placed in the order of its Tab index, except the
// option buttons, which are nested in the element of their frame (a radio
// group); the layout gives every frame of option buttons the Tab index just
// before those of its buttons, so the nesting keeps that order.
//
// Position. Each element lies at its window position (the sum of its
// containers' positions), in CSS pixels of 15 twips, measured from the
// element it is nested in.
//
// Stacking. A container lies below its children, and of two children of one
// container the one listed first in the layout lies above; so a lower band
// covers the bottom of the band over it, as in the desktop window. Every
// element gets its place in that order as a stacking level.
//
// Groups. A frame keeps the controls inside it as its own for assistive
// technology (the elements it owns), so a screen reader finds "A amplitude"
// inside "A controls" inside "Wave A", as on the desktop, although the
// elements themselves follow the Tab order.
//
// Scale. The window is shown at the largest size that fits the browser's
// viewport, the same factor across and down (fit_scale): above 1 on a
// projector, below on a phone. The page scales positions, borders and text
// together; the elements keep these layout positions.
#pragma once

#include <vector>

#include "layout/layout_table.h"

namespace waves {

struct PageControl {
    int id = 0;          // the control's index in the layout table
    int dom_parent = -1;  // the id of the element it is nested in; -1: the client area
    double left = 0.0;    // CSS px from the corner of dom_parent (or of the client area)
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    int stacking = 0;        // higher lies above
    std::vector<int> owned;  // frames: the ids of the controls inside them, not nested in them
};

// Every control of the layout, in document order.
std::vector<PageControl> page_controls(const std::vector<ControlSpec>& layout);

// Twips as CSS pixels (not rounded: CSS places fractions of a pixel).
inline double css_pixels(double twips) { return twips / kTwipsPerPixel; }

// The factor by which a window of width x height fills as much of a screen
// of screen_width x screen_height as it can without leaving it (any one
// unit); 1 where a size is not positive.
double fit_scale(double width, double height, double screen_width, double screen_height);

}  // namespace waves
