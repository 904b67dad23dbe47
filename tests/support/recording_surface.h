// A graph surface that records every call, for tests.
//
// Each call is logged with its single-precision arguments, in one DrawLog
// shared by all surfaces of a form, so a test can check the exact order of
// calls across surfaces. Each surface also keeps its own picture: the
// drawing calls (pen, line, line_to, point) since its last clear, which is
// what the surface would show. A picture of more than a million calls
// fails the test and aborts it at once: that is a sample loop that never
// ends, which would otherwise fill the memory.
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "core/graphs/graph_surface.h"

namespace waves::testing {

enum class Op { clear, set_scale, set_pen_colour, set_pen_style, line, line_to, point };

// The name of the surface a DrawCall went to. Names are interned: every
// SurfaceName with the same text points at one stored string, so logging a
// call copies a pointer, not a string, and comparing two names compares
// pointers. A name compares equal to its text ("Gr", a std::string),
// converts to std::string and prints as its text.
class SurfaceName {
public:
    SurfaceName() = default;
    SurfaceName(const char* text) : SurfaceName(std::string_view(text)) {}
    SurfaceName(const std::string& text) : SurfaceName(std::string_view(text)) {}
    SurfaceName(std::string_view text);

    const std::string& str() const { return *text_; }
    operator std::string() const { return *text_; }

    friend bool operator==(const SurfaceName& a, const SurfaceName& b) { return a.text_ == b.text_; }
    friend std::ostream& operator<<(std::ostream& out, const SurfaceName& name);

private:
    static const std::string no_name_;
    const std::string* text_ = &no_name_;
};

struct DrawCall {
    SurfaceName surface;
    Op op = Op::clear;
    std::array<float, 4> args{};  // coordinates, in the order of the operation's arguments
    Rgb colour{};                 // set_pen_colour only
    PenStyle style = PenStyle::solid;  // set_pen_style only
    friend bool operator==(const DrawCall&, const DrawCall&) = default;
};

// "Grph(0) line 6.28318 10 6.28318 -10": one call, compactly, for failure messages.
std::string describe(const DrawCall& call);

bool is_drawing(Op op);  // pen, line, line_to or point: anything but clear and set_scale

// The samples of a curve in a picture: its point and line_to calls.
std::vector<DrawCall> samples(const std::vector<DrawCall>& picture);

struct DrawLog {
    std::vector<DrawCall> calls;
    // The surfaces that drew, in order, one entry per run of drawing calls
    // on the same surface: start-up gives std_grph, Grph(0), m_grph(0), ...
    std::vector<std::string> drawing_runs() const;
    std::vector<DrawCall> calls_on(const std::string& surface) const;
};

class RecordingSurface final : public GraphSurface {
public:
    RecordingSurface(std::string name, double height, DrawLog& log);

    void clear() override;
    void set_scale(float x_left, float y_top, float x_right, float y_bottom) override;
    void set_pen_colour(Rgb colour) override;
    void set_pen_style(PenStyle style) override;
    void line(float xa, float ya, float xb, float yb) override;
    void line_to(float x, float y) override;
    void point(float x, float y) override;
    double surface_height() const override { return height_; }

    const std::string& name() const { return name_; }
    // Drawing calls since the last clear.
    const std::vector<DrawCall>& picture() const { return picture_; }
    // The last scale set: x_left, y_top, x_right, y_bottom.
    const std::array<float, 4>& scale() const { return scale_; }

private:
    void record(const DrawCall& call);

    std::string name_;
    SurfaceName interned_name_;
    double height_;
    DrawLog& log_;
    std::vector<DrawCall> picture_;
    std::array<float, 4> scale_{};
};

}  // namespace waves::testing
