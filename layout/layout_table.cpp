#include "layout/layout_table.h"

#include <array>
#include <cassert>

namespace waves {

namespace {

using C = LayoutColour;

ControlSpec frame(std::string name, std::string container, int left, int top, int width, int height,
                  LayoutColour background, int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::frame, .container = std::move(container),
            .left = left, .top = top, .width = width, .height = height, .background = background,
            .tab_index = tab_index};
}

ControlSpec captioned_frame(std::string name, std::string container, int left, int top, std::string caption,
                            int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::frame, .container = std::move(container),
            .left = left, .top = top, .width = 855, .height = 1215, .caption = std::move(caption),
            .background = C::pink, .font = FontCode::F1, .tab_index = tab_index};
}

ControlSpec surface(std::string name, std::string container, int left, int top, int height,
                    LayoutColour background, int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::graph_surface, .container = std::move(container),
            .left = left, .top = top, .width = 3615, .height = height, .background = background,
            .tab_index = tab_index};
}

ControlSpec spin(std::string name, std::string container, int left, int top, int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::spin_button, .container = std::move(container),
            .left = left, .top = top, .width = 255, .height = 375, .tab_index = tab_index};
}

ControlSpec option(std::string name, std::string container, int top, int width, int height, std::string caption,
                   LayoutColour background, FontCode font, bool selected, int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::option_button, .container = std::move(container),
            .left = 120, .top = top, .width = width, .height = height, .caption = std::move(caption),
            .background = background, .font = font, .selected = selected, .tab_index = tab_index};
}

// "a=", "f=", "t=": italic captions beside the arrows.
ControlSpec caption_label(std::string name, std::string container, int left, int top, int size,
                          std::string caption, LayoutColour background, int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::label, .container = std::move(container),
            .left = left, .top = top, .width = size, .height = size, .caption = std::move(caption),
            .background = background, .font = FontCode::F1, .tab_index = tab_index};
}

// The red numbers the handlers write, right-aligned.
ControlSpec value_label(std::string name, std::string container, int top, LayoutColour background,
                        int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::label, .container = std::move(container),
            .left = 360, .top = top, .width = 255, .height = 255, .background = background, .text = C::red,
            .font = FontCode::F2, .align = TextAlign::right, .tab_index = tab_index};
}

// The red letters that name a graph: "A", "A'", …, "E'", "W".
ControlSpec letter_label(std::string name, std::string container, int left, int top, std::string caption,
                         int tab_index) {
    return {.name = std::move(name), .kind = ControlKind::label, .container = std::move(container),
            .left = left, .top = top, .width = 255, .height = 255, .caption = std::move(caption),
            .text = C::red, .font = FontCode::F5, .align = TextAlign::centre, .transparent = true,
            .tab_index = tab_index};
}

void add_reference_band(std::vector<ControlSpec>& layout) {
    layout.push_back(frame("Frame14", "Frame13", 1080, 120, 852, 852, C::light_yellow, 68));
    layout.push_back(surface("std_grph", "Frame13", 2040, 120, 975, C::light_cyan, 67));
    layout.push_back(spin("SpinButton2", "Frame13", 720, 600, 83));
    layout.push_back(spin("SpinButton1", "Frame13", 720, 120, 82));
    layout.push_back(letter_label("Label6(2)", "Frame13", 5610, 480, "W", 80));
    layout.push_back(caption_label("Label18", "Frame13", 120, 600, 255, "f=", C::light_green, 74));
    layout.push_back(caption_label("Label17", "Frame13", 120, 240, 255, "a=", C::light_green, 73));
    layout.push_back(value_label("value_std_b", "Frame13", 600, C::light_green, 72));
    layout.push_back(value_label("value_std_a", "Frame13", 240, C::light_green, 71));

    layout.push_back(option("Option10", "Frame14", 480, 615, 195, "sin", C::light_yellow, FontCode::F4, false, 70));
    layout.push_back(option("Option9", "Frame14", 240, 615, 195, "cos", C::light_yellow, FontCode::F4, true, 69));

    layout.push_back({.name = "Label15", .kind = ControlKind::label, .container = "std_grph", .left = 480,
                      .top = 0, .width = 2535, .height = 255, .caption = "Essential Wave",
                      .font = FontCode::F1, .align = TextAlign::centre, .transparent = true, .tab_index = 81});
}

// What differs between the four component bands A, B, C, D.
struct ComponentBand {
    const char* band_frame;
    int top;
    LayoutColour background;
    const char* panel_frame;
    const char* a_label;
    const char* f_label;
    const char* letters;  // Label2 .. Label5: (0) the left letter, (1) the right one
    const char* letter;   // "A" .. "D"
    int option_frame_size;
    int cos_width;
    int sin_width;
    int sin_height;
    struct TabIndices {
        int band, grph, panel, labelb, labela, option_frame, cos, sin;
        int left_letter, m_grph, a_label, f_label, right_letter, spin_a, spin_f;
    } tab;
};

constexpr std::array<ComponentBand, 4> kComponentBands = {{
    {.band_frame = "Frame5", .top = 1080, .background = C::grey, .panel_frame = "Frame_a", .a_label = "Label7",
     .f_label = "Label8", .letters = "Label2", .letter = "A", .option_frame_size = 852, .cos_width = 615,
     .sin_width = 612, .sin_height = 195,
     .tab = {.band = 0, .grph = 9, .panel = 10, .labelb = 11, .labela = 12, .option_frame = 25, .cos = 26,
             .sin = 27, .left_letter = 48, .m_grph = 53, .a_label = 54, .f_label = 55, .right_letter = 75,
             .spin_a = 84, .spin_f = 85}},
    {.band_frame = "Frame6", .top = 2040, .background = C::platform_default, .panel_frame = "Frame1",
     .a_label = "Label9", .f_label = "Label12", .letters = "Label3", .letter = "B", .option_frame_size = 852,
     .cos_width = 615, .sin_width = 615, .sin_height = 195,
     .tab = {.band = 1, .grph = 8, .panel = 13, .labelb = 14, .labela = 15, .option_frame = 28, .cos = 30,
             .sin = 29, .left_letter = 49, .m_grph = 56, .a_label = 59, .f_label = 62, .right_letter = 76,
             .spin_a = 86, .spin_f = 87}},
    {.band_frame = "Frame7", .top = 3000, .background = C::platform_default, .panel_frame = "Frame2",
     .a_label = "Label10", .f_label = "Label13", .letters = "Label4", .letter = "C", .option_frame_size = 855,
     .cos_width = 612, .sin_width = 612, .sin_height = 252,
     .tab = {.band = 2, .grph = 7, .panel = 16, .labelb = 17, .labela = 18, .option_frame = 31, .cos = 33,
             .sin = 32, .left_letter = 50, .m_grph = 57, .a_label = 60, .f_label = 63, .right_letter = 77,
             .spin_a = 88, .spin_f = 89}},
    {.band_frame = "Frame8", .top = 3960, .background = C::platform_default, .panel_frame = "Frame3",
     .a_label = "Label11", .f_label = "Label14", .letters = "Label5", .letter = "D", .option_frame_size = 852,
     .cos_width = 612, .sin_width = 612, .sin_height = 252,
     .tab = {.band = 3, .grph = 6, .panel = 19, .labelb = 20, .labela = 21, .option_frame = 34, .cos = 36,
             .sin = 35, .left_letter = 51, .m_grph = 58, .a_label = 61, .f_label = 64, .right_letter = 78,
             .spin_a = 90, .spin_f = 91}},
}};

void add_component_band(std::vector<ControlSpec>& layout, int i) {
    const ComponentBand& b = kComponentBands[static_cast<std::size_t>(i)];
    const std::string index = "(" + std::to_string(i) + ")";
    const std::string band = b.band_frame;
    const std::string panel = b.panel_frame;
    const std::string option_frame = "Frame10" + index;
    const std::string letters = b.letters;

    layout.push_back(surface("m_grph" + index, band, 5880, 120, 975, C::white, b.tab.m_grph));
    layout.push_back(frame(panel, band, 3840, 0, 2055, 1095, C::grey, b.tab.panel));
    layout.push_back(surface("Grph" + index, band, 240, 120, 975, C::white, b.tab.grph));
    layout.push_back(letter_label(letters + "(1)", band, 9480, 480, std::string(b.letter) + "'", b.tab.right_letter));
    layout.push_back(letter_label(letters + "(0)", band, 0, 480, b.letter, b.tab.left_letter));

    layout.push_back(frame(option_frame, panel, 1080, 120, b.option_frame_size, b.option_frame_size,
                           C::light_yellow, b.tab.option_frame));
    layout.push_back(spin("SpinButton4" + index, panel, 720, 600, b.tab.spin_f));
    layout.push_back(spin("SpinButton3" + index, panel, 720, 120, b.tab.spin_a));
    layout.push_back(caption_label(b.f_label, panel, 120, 600, 255, "f=", C::platform_default, b.tab.f_label));
    layout.push_back(caption_label(b.a_label, panel, 120, 240, 255, "a=", C::platform_default, b.tab.a_label));
    layout.push_back(value_label("Labela" + index, panel, 240, C::grey, b.tab.labela));
    layout.push_back(value_label("Labelb" + index, panel, 600, C::grey, b.tab.labelb));

    const ControlSpec cos = option("switch_c" + index, option_frame, 240, b.cos_width, 195, "cos", C::light_yellow,
                                   FontCode::F4, true, b.tab.cos);
    const ControlSpec sin = option("switch_s" + index, option_frame, 480, b.sin_width, b.sin_height, "sin",
                                   C::light_yellow, FontCode::F4, false, b.tab.sin);
    // In band A "sin" is listed above "cos"; the two do not overlap.
    if (i == 0) {
        layout.push_back(sin);
        layout.push_back(cos);
    } else {
        layout.push_back(cos);
        layout.push_back(sin);
    }
}

void add_sum_band(std::vector<ControlSpec>& layout) {
    layout.push_back(surface("m_gr", "Frame9", 5880, 120, 1815, C::light_yellow, 65));
    layout.push_back(captioned_frame("Frame11", "Frame9", 3960, 600, "step a", 43));
    layout.push_back(captioned_frame("Frame12", "Frame9", 4920, 600, "step n", 38));
    layout.push_back(frame("Frame4", "Frame9", 3840, 0, 2055, 1935, C::grey, 22));
    layout.push_back(surface("Gr", "Frame9", 240, 120, 1815, C::light_yellow, 5));
    layout.push_back(letter_label("Label6(1)", "Frame9", 9480, 840, "E'", 79));
    layout.push_back(letter_label("Label6(0)", "Frame9", 0, 840, "E", 52));

    // "step a" sets the amplitude step, "step n" the frequency step; both
    // run "1", "0.5", "0.2", "0.1" from top to bottom.
    const auto step = [&](const char* name, const char* group, int top, const char* caption, bool selected,
                          int tab_index) {
        layout.push_back(option(name, group, top, 615, 210, caption, C::pink, FontCode::F3, selected, tab_index));
    };
    step("Option8", "Frame11", 960, "0.1", false, 47);
    step("Option7", "Frame11", 720, "0.2", false, 46);
    step("Option6", "Frame11", 480, "0.5", false, 45);
    step("Option5", "Frame11", 240, "1", true, 44);
    step("Option4", "Frame12", 960, "0.1", false, 42);
    step("Option3", "Frame12", 720, "0.2", false, 41);
    step("Option2", "Frame12", 480, "0.5", false, 40);
    step("Option1", "Frame12", 240, "1", true, 39);

    layout.push_back({.name = "Command1", .kind = ControlKind::push_button, .container = "Frame4", .left = 1080,
                      .top = 240, .width = 855, .height = 255, .caption = "RESET", .font = FontCode::F4,
                      .tab_index = 23});
    layout.push_back(spin("SpinButton11", "Frame4", 720, 120, 92));
    layout.push_back(caption_label("Label1", "Frame4", 120, 240, 252, "t=", C::grey, 37));
    layout.push_back(value_label("labelt", "Frame4", 240, C::grey, 24));
}

std::vector<ControlSpec> build_layout() {
    std::vector<ControlSpec> layout;
    layout.push_back(frame("Frame13", "Form1", 3840, 0, 5895, 1095, C::light_green, 66));
    layout.push_back(frame("Frame9", "Form1", 0, 4920, 9735, 1935, C::platform_default, 4));
    for (int i = 3; i >= 0; --i) {
        const ComponentBand& b = kComponentBands[static_cast<std::size_t>(i)];
        layout.push_back(frame(b.band_frame, "Form1", 0, b.top, 9735, 1095, b.background, b.tab.band));
    }
    add_reference_band(layout);
    for (int i = 0; i < 4; ++i) add_component_band(layout, i);
    add_sum_band(layout);
    return layout;
}

}  // namespace

const std::vector<ControlSpec>& window_layout() {
    static const std::vector<ControlSpec> layout = build_layout();
    return layout;
}

int control_index(const std::vector<ControlSpec>& layout, std::string_view name) {
    for (std::size_t index = 0; index < layout.size(); ++index) {
        if (layout[index].name == name) return static_cast<int>(index);
    }
    return -1;
}

TwipRect window_rect(const std::vector<ControlSpec>& layout, int index) {
    assert(index >= 0);
    const ControlSpec& control = layout[static_cast<std::size_t>(index)];
    TwipRect rect{control.left, control.top, control.width, control.height};
    for (std::string_view container = control.container; container != "Form1";) {
        const int up = control_index(layout, container);
        assert(up >= 0);
        const ControlSpec& outer = layout[static_cast<std::size_t>(up)];
        rect.left += outer.left;
        rect.top += outer.top;
        container = outer.container;
    }
    return rect;
}

}  // namespace waves
