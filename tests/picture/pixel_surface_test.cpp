// The pixel surface that the web page's canvases show.
#include "picture/pixel_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "core/app/lesson_state.h"
#include "core/app/start_up.h"
#include "core/controls/component_controls.h"
#include "core/controls/mean_key.h"
#include "core/graphs/mean_overlay.h"
#include "core/controls/reference_controls.h"
#include "core/controls/time_span_controls.h"
#include "tests/support/recorded_form.h"

namespace waves::picture {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr double kPi = 3.14159;

std::vector<std::uint32_t> pixels_of(const PixelSurface& surface) {
    const PixelRaster& raster = surface.raster();
    return {raster.pixels(), raster.pixels() + static_cast<std::size_t>(raster.width() * raster.height())};
}

// The grid's period lines in one call and line by line give the same
// pixels, on pictures where they lie several columns apart, about one apart
// and hundreds to a column.
TEST(PixelSurface, PeriodLinesInOneCallEqualThemDrawnOneByOne) {
    for (const int ratio : {1, 2}) {
        for (const std::int64_t span : {2, 3, 60, 239, 240, 1000, 16385, 100000}) {
            for (const PenStyle style : {PenStyle::dotted, PenStyle::solid}) {
                PixelSurface together(kWhite, 65.0);
                PixelSurface apart(kWhite, 65.0);
                for (PixelSurface* surface : {&together, &apart}) {
                    surface->set_device_size(239 * ratio, 63 * ratio);
                    surface->set_scale(0.0f, 10.0f, static_cast<float>(2.0 * kPi * static_cast<double>(span)), -10.0f);
                    surface->set_pen_style(style);
                    surface->set_pen_colour(kGreen);
                }
                together.vertical_lines(2.0 * kPi, span - 1, 10.0f, -10.0f);
                for (std::int64_t k = 1; k < span; ++k) {
                    const auto x = static_cast<float>(2.0 * kPi * static_cast<double>(k));
                    apart.line(x, 10.0f, x, -10.0f);
                }
                EXPECT_EQ(pixels_of(together), pixels_of(apart)) << "span " << span << ", ratio " << ratio;
            }
        }
    }
}

// Eleven pixel surfaces as the web page has them, 239 pixels wide inside
// their borders, at a device pixel ratio.
struct PixelForm : waves::testing::RecordedForm {
    explicit PixelForm(double ratio) {
        const auto add = [&](GraphSurface*& slot, double height) {
            surfaces.push_back(std::make_unique<PixelSurface>(kWhite, height + 2.0));
            surfaces.back()->set_device_size(static_cast<int>(std::lround(239 * ratio)),
                                             static_cast<int>(std::lround(height * ratio)));
            slot = surfaces.back().get();
        };
        for (std::size_t i = 0; i < kComponentCount; ++i) {
            add(form.surfaces.Grph[i], 63.0);
            add(form.surfaces.m_grph[i], 63.0);
        }
        add(form.surfaces.std_grph, 63.0);
        add(form.surfaces.Gr, 119.0);
        add(form.surfaces.m_gr, 119.0);
    }
    std::vector<std::unique_ptr<PixelSurface>> surfaces;
};

TEST(PixelSurface, ANewDeviceSizeRendersWhatDrawingAtThatSizeGives) {
    PixelForm resized(1.0);
    PixelForm direct(1.5);
    for (PixelForm* pixels : {&resized, &direct}) {
        Form_Load(pixels->form);
        for (int n = 0; n < 30; ++n) SpinButton3_SpinUp(pixels->form, n % 4);
        SpinButton4_SpinUp(pixels->form, 1);
        SpinButton11_SpinUp(pixels->form);
    }
    for (std::size_t n = 0; n < resized.surfaces.size(); ++n) {
        const int height = resized.surfaces[n]->raster().height();
        resized.surfaces[n]->set_device_size(359, static_cast<int>(std::lround(height * 1.5)));
        EXPECT_EQ(pixels_of(*resized.surfaces[n]), pixels_of(*direct.surfaces[n])) << "surface " << n;
    }
}

// A click that redraws graphs in the frame they have (an amplitude, a
// frequency, cos or sin) draws what a window opened in the lesson it
// reaches draws: no curve starts where the curve before it ended.
TEST(PixelSurface, AClickWithoutANewFrameDrawsWhatOpeningItsLessonDraws) {
    const std::function<void(Form&)> clicks[] = {
        [](Form& f) { SpinButton3_SpinUp(f, 0); }, [](Form& f) { SpinButton4_SpinUp(f, 0); },
        [](Form& f) { switch_s_Click(f, 0); },     [](Form& f) { SpinButton2_SpinDown(f); },
        [](Form& f) { Option10_Click(f); },        [](Form& f) { SpinButton1_SpinDown(f); },
    };
    PixelForm clicked(1.0);
    Form_Load(clicked.form);
    for (std::size_t click = 0; click < std::size(clicks); ++click) {
        clicks[click](clicked.form);
        PixelForm opened(1.0);
        Form_Load(opened.form);
        open_in_state(opened.form, lesson_state(clicked.form.params));
        for (std::size_t n = 0; n < clicked.surfaces.size(); ++n) {
            EXPECT_TRUE(pixels_of(*clicked.surfaces[n]) == pixels_of(*opened.surfaces[n]))
                << "surface " << n << " after click " << click;
        }
    }
}

// The key M adds to each product graph, and to nothing else, one row of
// dashes (five pixels lit in eight, from the left edge) in the mean colour,
// at the height its caption gives the front ends; pressed again, it leaves
// the pictures as they were. Means of 7.5 (A' = 5 cos x times 3 cos x), 0
// (B' of a sine, C' of nothing) and beyond the frame, where nothing is drawn
// (D' = 10.9 x 3 / 2, E' their sum, 23.85).
TEST(PixelSurface, TheMeansAreADashedRowOnEachProductGraphAtItsCaptionsHeight) {
    const std::string names[] = {"Grph(0)", "m_grph(0)", "Grph(1)", "m_grph(1)", "Grph(2)", "m_grph(2)",
                                 "Grph(3)", "m_grph(3)", "std_grph", "Gr", "m_gr"};
    const std::map<std::string, MeanCaption (*)(const Parameters&)> products{
        {"m_grph(0)", [](const Parameters& p) { return product_mean_caption(p, 0); }},
        {"m_grph(1)", [](const Parameters& p) { return product_mean_caption(p, 1); }},
        {"m_grph(2)", [](const Parameters& p) { return product_mean_caption(p, 2); }},
        {"m_grph(3)", [](const Parameters& p) { return product_mean_caption(p, 3); }},
        {"m_gr", sum_of_products_mean_caption}};
    PixelForm plain(2.0);
    PixelForm means(2.0);
    for (PixelForm* pixels : {&plain, &means}) {
        Form_Load(pixels->form);
        LessonState lesson;
        lesson.components[0] = {50, true, 10};
        lesson.components[1] = {30, false, 20};
        lesson.components[3] = {109, true, 10};
        lesson.reference = {30, true, 10};
        lesson.t_span = 2;
        open_in_state(pixels->form, lesson);
    }
    Form_KeyM(means.form);
    const std::uint32_t mean_pixel = PixelRaster::packed(mean_colour);
    for (std::size_t n = 0; n < std::size(names); ++n) {
        const PixelRaster& before = plain.surfaces[n]->raster();
        const PixelRaster& after = means.surfaces[n]->raster();
        std::set<int> changed_rows;
        for (int row = 0; row < after.height(); ++row) {
            for (int column = 0; column < after.width(); ++column) {
                if (after.pixel(column, row) != before.pixel(column, row)) changed_rows.insert(row);
                EXPECT_EQ(after.pixel(column, row) == mean_pixel, changed_rows.count(row) == 1 && column % 8 < 5)
                    << names[n] << " at " << column << ", " << row;
            }
        }
        const auto product = products.find(names[n]);
        if (product == products.end()) {
            EXPECT_TRUE(changed_rows.empty()) << names[n];
            continue;
        }
        const double fraction = product->second(means.form.params).height_fraction;
        if (fraction < 0.0) {
            EXPECT_TRUE(changed_rows.empty()) << names[n] << ": a mean above the frame";
            continue;
        }
        EXPECT_EQ(changed_rows, std::set<int>{static_cast<int>(fraction * after.height())}) << names[n];
    }
    EXPECT_EQ(means.form.params.wave_a, plain.form.params.wave_a);
    Form_KeyM(means.form);
    for (std::size_t n = 0; n < std::size(names); ++n) {
        EXPECT_TRUE(pixels_of(*means.surfaces[n]) == pixels_of(*plain.surfaces[n])) << names[n];
    }
}

// A column lights exactly the pixels that the same line drawn pixel by
// pixel lights, wherever above, inside or below the picture its ends lie:
// a dotted one keeps the phase of its start pixel across the edge.
TEST(PixelRaster, AColumnLightsWhatTheSameLineLightsAcrossEitherEdge) {
    for (const PenStyle style : {PenStyle::dotted, PenStyle::solid, PenStyle::dashed}) {
        for (int from = -7; from <= 16; ++from) {
            for (int to = -7; to <= 16; ++to) {
                PixelRaster column;
                PixelRaster line;
                column.reset(3, 9, kWhite);
                line.reset(3, 9, kWhite);
                column.draw_column(1, from, to, kGreen, style);
                line.draw_line({1, from}, {1, to}, kGreen, style);
                const auto picture = [](const PixelRaster& raster) {  // the rows, '#' where lit
                    std::string rows;
                    for (int row = 0; row < 9; ++row) {
                        for (int x = 0; x < 3; ++x) {
                            rows += raster.pixel(x, row) == PixelRaster::packed(kGreen) ? '#' : '.';
                        }
                        rows += ' ';
                    }
                    return rows;
                };
                EXPECT_EQ(picture(column), picture(line)) << "rows " << from << " to " << to;
            }
        }
    }
}

// Segments far beyond the picture, or with no finite end, cost nothing and
// draw only what lies inside.
TEST(PixelSurface, ClipsFarSegmentsAndDrawsNothingThatIsNotFinite) {
    constexpr float kFar = 1e30f;
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* what;
        float xa, ya, xb, yb;
        int lit;  // pixels of the pen's colour afterwards
    } cases[] = {
        {"from the middle to far beyond the right edge", 3.14159f, 0.0f, kFar, 0.0f, 120},
        {"down the left edge from the axis to far below", 0.0f, 0.0f, 0.0f, -kFar, 32},
        {"both ends too far out to place", -kFar, 0.0f, kFar, 0.0f, 0},
        {"wholly above", 0.0f, 11.0f, 6.0f, 12.0f, 0},
        {"to a NaN", 1.0f, 1.0f, kNaN, 2.0f, 0},
        {"from infinity", -std::numeric_limits<float>::infinity(), 0.0f, 3.0f, 0.0f, 0},
    };
    for (const auto& c : cases) {
        PixelSurface surface(kWhite, 65.0);
        surface.set_device_size(239, 63);
        surface.set_scale(0.0f, 10.0f, 6.28318f, -10.0f);
        surface.set_pen_colour(kGreen);
        surface.line(c.xa, c.ya, c.xb, c.yb);
        int lit = 0;
        for (const std::uint32_t pixel : pixels_of(surface)) lit += pixel == PixelRaster::packed(kGreen) ? 1 : 0;
        EXPECT_EQ(lit, c.lit) << c.what;
    }
}

// A period line whose ends lie as far above and below the picture as rows
// go still crosses it: every pixel of its column is lit.
TEST(PixelSurface, APeriodLineFromFarAboveToFarBelowLightsItsWholeColumn) {
    PixelSurface surface(kWhite, 65.0);
    surface.set_device_size(239, 63);
    surface.set_scale(0.0f, 10.0f, 6.28318f, -10.0f);
    surface.set_pen_colour(kGreen);
    surface.vertical_lines(kPi, 1, 1e30f, -1e30f);
    int lit = 0;
    for (const std::uint32_t pixel : pixels_of(surface)) lit += pixel == PixelRaster::packed(kGreen) ? 1 : 0;
    int lit_in_column = 0;
    for (int row = 0; row < 63; ++row) lit_in_column += surface.raster().pixel(119, row) == PixelRaster::packed(kGreen);
    EXPECT_EQ(lit, 63);
    EXPECT_EQ(lit_in_column, 63);
}

}  // namespace
}  // namespace waves::picture
