// The page's elements, made from the layout tables: the window's frame, an
// element for every control (placed, styled, with its start selection),
// the groups that own their option buttons, and every accessible name and
// description in the page's language.
//
// What the core will draw on and write to comes back: a pixel surface for
// every graph's canvas and a label for every value label, each by the id of
// its control (its index in the layout table).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "layout/layout_table.h"
#include "layout/translator.h"
#include "picture/pixel_surface.h"
#include "web/dom_controls.h"

namespace waves {

struct PageSurface {
    int id = 0;
    std::unique_ptr<picture::PixelSurface> surface;
};

struct PageElements {
    std::vector<PageSurface> surfaces;
    std::vector<std::unique_ptr<DomLabel>> labels;
};

// Makes the page's elements into elements. Returns the empty string, or the
// sentence that says which name of the accessible texts the layout lacks.
std::string build_page(const std::vector<ControlSpec>& layout, const Translator& translator,
                       PageElements& elements);

}  // namespace waves
