#include "ui/layout_table.h"

#include <array>

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
    // Tab indices
    int tab_band, tab_grph, tab_panel, tab_labelb, tab_labela, tab_option_frame, tab_cos, tab_sin;
    int tab_left_letter, tab_m_grph, tab_a_label, tab_f_label, tab_right_letter, tab_spin_a, tab_spin_f;
};

constexpr std::array<ComponentBand, 4> kComponentBands = {{
    {"Frame5", 1080, C::grey, "Frame_a", "Label7", "Label8", "Label2", "A", 852, 615, 612, 195,
     0, 9, 10, 11, 12, 25, 26, 27, 48, 53, 54, 55, 75, 84, 85},
    {"Frame6", 2040, C::platform_default, "Frame1", "Label9", "Label12", "Label3", "B", 852, 615, 615, 195,
     1, 8, 13, 14, 15, 28, 30, 29, 49, 56, 59, 62, 76, 86, 87},
    {"Frame7", 3000, C::platform_default, "Frame2", "Label10", "Label13", "Label4", "C", 855, 612, 612, 252,
     2, 7, 16, 17, 18, 31, 33, 32, 50, 57, 60, 63, 77, 88, 89},
    {"Frame8", 3960, C::platform_default, "Frame3", "Label11", "Label14", "Label5", "D", 852, 612, 612, 252,
     3, 6, 19, 20, 21, 34, 36, 35, 51, 58, 61, 64, 78, 90, 91},
}};

void add_component_band(std::vector<ControlSpec>& layout, int i) {
    const ComponentBand& b = kComponentBands[static_cast<std::size_t>(i)];
    const std::string index = "(" + std::to_string(i) + ")";
    const std::string band = b.band_frame;
    const std::string panel = b.panel_frame;
    const std::string option_frame = "Frame10" + index;
    const std::string letters = b.letters;

    layout.push_back(surface("m_grph" + index, band, 5880, 120, 975, C::white, b.tab_m_grph));
    layout.push_back(frame(panel, band, 3840, 0, 2055, 1095, C::grey, b.tab_panel));
    layout.push_back(surface("Grph" + index, band, 240, 120, 975, C::white, b.tab_grph));
    layout.push_back(letter_label(letters + "(1)", band, 9480, 480, std::string(b.letter) + "'", b.tab_right_letter));
    layout.push_back(letter_label(letters + "(0)", band, 0, 480, b.letter, b.tab_left_letter));

    layout.push_back(frame(option_frame, panel, 1080, 120, b.option_frame_size, b.option_frame_size,
                           C::light_yellow, b.tab_option_frame));
    layout.push_back(spin("SpinButton4" + index, panel, 720, 600, b.tab_spin_f));
    layout.push_back(spin("SpinButton3" + index, panel, 720, 120, b.tab_spin_a));
    layout.push_back(caption_label(b.f_label, panel, 120, 600, 255, "f=", C::platform_default, b.tab_f_label));
    layout.push_back(caption_label(b.a_label, panel, 120, 240, 255, "a=", C::platform_default, b.tab_a_label));
    layout.push_back(value_label("Labela" + index, panel, 240, C::grey, b.tab_labela));
    layout.push_back(value_label("Labelb" + index, panel, 600, C::grey, b.tab_labelb));

    const ControlSpec cos = option("switch_c" + index, option_frame, 240, b.cos_width, 195, "cos", C::light_yellow,
                                   FontCode::F4, true, b.tab_cos);
    const ControlSpec sin = option("switch_s" + index, option_frame, 480, b.sin_width, b.sin_height, "sin",
                                   C::light_yellow, FontCode::F4, false, b.tab_sin);
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
        layout.push_back(frame(b.band_frame, "Form1", 0, b.top, 9735, 1095, b.background, b.tab_band));
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
