// How the layout becomes the web page's elements.
#include "web/page_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace waves {

namespace {

class PageModel : public ::testing::Test {
protected:
    const PageControl& of(const std::string& name) const {
        const auto id = std::find_if(layout.begin(), layout.end(), [&](const ControlSpec& c) { return c.name == name; }) -
                        layout.begin();
        return *std::find_if(page.begin(), page.end(), [&](const PageControl& p) { return p.id == id; });
    }
    const ControlSpec& row(const PageControl& control) const { return layout[static_cast<std::size_t>(control.id)]; }

    const std::vector<ControlSpec>& layout = window_layout();
    const std::vector<PageControl> page = page_controls(layout);
};

TEST_F(PageModel, DocumentOrderFollowsTheTabIndicesWithEachGroupsOptionsNestedInIt) {
    ASSERT_EQ(page.size(), layout.size());
    for (std::size_t n = 1; n < page.size(); ++n) {
        EXPECT_LT(row(page[n - 1]).tab_index, row(page[n]).tab_index) << row(page[n]).name;
        const bool option = row(page[n]).kind == ControlKind::option_button;
        EXPECT_EQ(page[n].dom_parent >= 0, option) << row(page[n]).name;
        if (option) {
            EXPECT_EQ(layout[static_cast<std::size_t>(page[n].dom_parent)].name, row(page[n]).container);
        }
    }
}

TEST_F(PageModel, ElementsLieAtTheirWindowPositionsInCssPixels) {
    EXPECT_EQ(std::vector<double>({of("std_grph").left, of("std_grph").top, of("std_grph").width}),
              std::vector<double>({5880 / 15.0, 120 / 15.0, 3615 / 15.0}));
    EXPECT_EQ(of("Labela(3)").top, (3960 + 240) / 15.0);
    EXPECT_EQ(of("Option6").left, 120 / 15.0);  // from its frame "step a"
    EXPECT_EQ(of("Option6").top, 480 / 15.0);
}

TEST_F(PageModel, LowerBandsCoverTheBandsAboveAndChildrenTheirContainers) {
    const auto above = [&](const char* upper, const char* lower) {
        EXPECT_GT(of(upper).stacking, of(lower).stacking) << upper << " over " << lower;
    };
    above("Frame6", "Grph(0)");
    above("Frame6", "m_grph(0)");
    above("Frame9", "Label5(0)");
    above("Frame13", "Frame5");
    above("Label15", "std_grph");
    above("Frame11", "Frame4");
    above("Frame12", "Command1");
    above("switch_c(0)", "Frame10(0)");
}

TEST_F(PageModel, FramesOwnTheControlsInsideThemInTabOrder) {
    std::vector<std::string> owned;
    for (const int id : of("Frame5").owned) owned.push_back(layout[static_cast<std::size_t>(id)].name);
    EXPECT_EQ(owned, (std::vector<std::string>{"Grph(0)", "Frame_a", "Label2(0)", "m_grph(0)", "Label2(1)"}));
    EXPECT_TRUE(of("Frame10(0)").owned.empty());  // its options are nested in it
}

// The window of 662 x 491 px: the smaller of the two ratios wins.
TEST(FitScale, FillsTheScreenInTheTighterDirectionAndNeverLeavesIt) {
    struct Case {
        double screen_width, screen_height, scale;
    };
    for (const Case c : {Case{662, 491, 1.0}, Case{1324, 982, 2.0}, Case{993, 800, 1.5},  // width decides
                         Case{2000, 736.5, 1.5}, Case{331, 1000, 0.5},                     // height, then width
                         Case{0, 600, 1.0}, Case{800, -1, 1.0}}) {                        // no screen: as laid out
        const double scale = fit_scale(662, 491, c.screen_width, c.screen_height);
        EXPECT_DOUBLE_EQ(scale, c.scale) << c.screen_width << " x " << c.screen_height;
        if (c.screen_width > 0 && c.screen_height > 0) {
            EXPECT_LE(662 * scale, c.screen_width);
            EXPECT_LE(491 * scale, c.screen_height);
        }
    }
}

}  // namespace

}  // namespace waves
