// The top-level window's outer size and position, in twips (1440 per inch,
// 15 per pixel at 96 dots per inch), as start-up sets them.
//
// The outer size includes the title bar and borders. The window implements
// this with the toolkit's screen geometry; the tests with a recorder.
#pragma once

namespace waves {

struct TwipSize {
    float width = 0.0f;
    float height = 0.0f;
};

class WindowPlacement {
public:
    virtual ~WindowPlacement() = default;
    virtual void set_outer_size(float width_twips, float height_twips) = 0;
    virtual TwipSize outer_size() const = 0;
    virtual TwipSize screen_size() const = 0;
    // Places the outer top-left corner. The position may be fractional, and
    // negative when the screen is smaller than the window.
    virtual void move_to(float left_twips, float top_twips) = 0;
};

}  // namespace waves
