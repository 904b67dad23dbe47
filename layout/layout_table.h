// The window's layout as data: every control with its name, kind,
// container, position and size in twips (relative to its container), caption,
// colours, font, alignment, start selection and Tab index.
//
// Plain data with no toolkit in it: the Qt window and the web page are both
// built from this one table, and neither keeps a copy of any of it.
//
// Within a container, controls are listed in stacking order: a control
// listed earlier lies above one listed later where they overlap (so each
// lower band lies above the band over it, and labels lie below the other
// controls of their container). The container of a top-level band is
// "Form1", the window's client area.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace waves {

enum class ControlKind { frame, graph_surface, label, option_button, push_button, spin_button };

// Colours of the layout; platform_default means the toolkit's own button
// face (background) or button text (text) colour.
enum class LayoutColour { platform_default, grey, light_green, light_yellow, light_cyan, pink, white, red };

// F1: serif 9.75 pt italic; F2: serif 9.75 pt; F3: serif 8.25 pt;
// F4: proportional Gothic 9.75 pt; F5: fixed Gothic 9.75 pt bold.
enum class FontCode { none, F1, F2, F3, F4, F5 };

enum class TextAlign { left, right, centre };

struct ControlSpec {
    std::string name;       // "SpinButton3(0)", "Frame13", …
    ControlKind kind = ControlKind::frame;
    std::string container;  // "Form1" for the top-level bands
    int left = 0, top = 0, width = 0, height = 0;  // twips
    std::string caption;    // UTF-8, exactly as shown
    LayoutColour background = LayoutColour::platform_default;
    LayoutColour text = LayoutColour::platform_default;
    FontCode font = FontCode::none;
    TextAlign align = TextAlign::left;
    bool transparent = false;  // labels: the container shows through
    bool selected = false;     // option buttons selected at creation
    int tab_index = 0;
};

// Every control of the window, containers before their children, each
// container's children in stacking order.
const std::vector<ControlSpec>& window_layout();

// The index of the control called name in layout, or -1 if it has none.
int control_index(const std::vector<ControlSpec>& layout, std::string_view name);

// A rectangle in twips.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

// Where the control at index lies in the window: its rectangle in twips
// from the top-left of the client area, the positions of its containers
// added to its own.
// REQUIRES: index and every container above it are in layout.
TwipRect window_rect(const std::vector<ControlSpec>& layout, int index);

// The window's caption and client area in twips.
inline constexpr std::string_view kWindowCaption = "波の合成と積";
inline constexpr int kClientWidthTwips = 9840;
inline constexpr int kClientHeightTwips = 6900;

// Twips per pixel at 96 dots per inch (1440 twips are one inch).
inline constexpr int kTwipsPerPixel = 15;

}  // namespace waves
