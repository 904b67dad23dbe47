// The layout's facts that the page's script reads instead of keeping its own.
#include "web/layout_facts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/app/start_up.h"
#include "layout/control_events.h"
#include "web/page_model.h"

namespace waves {

namespace {

// The page's element classes (web/shell.html styles them) and CSS's own
// alignment names, each at its value's place in the list the bridge indexes.
TEST(LayoutFacts, KindsAndAlignmentsAreNamedInTheOrderOfTheirValues) {
    const struct { ControlKind kind; const char* name; } kinds[] = {
        {ControlKind::frame, "frame"},        {ControlKind::graph_surface, "graph"},
        {ControlKind::label, "label"},        {ControlKind::option_button, "option"},
        {ControlKind::push_button, "push"},   {ControlKind::spin_button, "spin"},
    };
    std::string kind_list;
    for (std::size_t n = 0; n < std::size(kinds); ++n) {
        EXPECT_EQ(static_cast<std::size_t>(kinds[n].kind), n);
        EXPECT_EQ(page_kind_name(kinds[n].kind), kinds[n].name);
        kind_list += (n ? ", \"" : "\"") + std::string(kinds[n].name) + "\"";
    }
    const struct { TextAlign align; const char* css; } aligns[] = {
        {TextAlign::left, "left"}, {TextAlign::right, "right"}, {TextAlign::centre, "center"}};
    std::string align_list;
    for (std::size_t n = 0; n < std::size(aligns); ++n) {
        EXPECT_EQ(static_cast<std::size_t>(aligns[n].align), n);
        EXPECT_EQ(page_text_align(aligns[n].align), aligns[n].css);
        align_list += (n ? ", \"" : "\"") + std::string(aligns[n].css) + "\"";
    }
    const std::string facts = layout_facts_json();
    EXPECT_NE(facts.find("\"kinds\": [" + kind_list + "]"), std::string::npos) << facts;
    EXPECT_NE(facts.find("\"alignments\": [" + align_list + "]"), std::string::npos) << facts;
}

// The arrows repeat as the desktop's do, the window's size is a whole
// number of CSS pixels, written as it is, and its title is the desktop's.
TEST(LayoutFacts, RepeatTimingsAndWindowSizeAreTheLayoutsOwn) {
    ASSERT_EQ(std::fmod(css_pixels(static_cast<double>(kOuterWidthTwips)), 1.0), 0.0);
    ASSERT_EQ(std::fmod(css_pixels(static_cast<double>(kOuterHeightTwips)), 1.0), 0.0);
    const std::string facts = layout_facts_json();
    EXPECT_NE(facts.find("\"repeatDelay\": " + std::to_string(kArrowRepeatDelayMs) + ","), std::string::npos) << facts;
    EXPECT_NE(facts.find("\"repeatInterval\": " + std::to_string(kArrowRepeatIntervalMs) + ","), std::string::npos)
        << facts;
    EXPECT_NE(facts.find("\"window\": {\"width\": 662, \"height\": 491}, \"title\": \"" + std::string(kWindowCaption) +
                         "\"}"),
              std::string::npos)
        << facts;
    EXPECT_LT(kArrowRepeatIntervalMs, kArrowRepeatDelayMs);
}

}  // namespace

}  // namespace waves
