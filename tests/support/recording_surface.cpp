#include "tests/support/recording_surface.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <set>
#include <utility>

namespace waves::testing {
namespace {

// Far more drawing calls since a clear than any picture makes: the largest
// in the tests, a grid of forty thousand period lines, makes some 40 000.
constexpr std::size_t kMostPictureCalls = 1'000'000;

std::string float_text(float value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

const char* op_name(Op op) {
    switch (op) {
        case Op::clear: return "clear";
        case Op::set_scale: return "set_scale";
        case Op::set_pen_colour: return "set_pen_colour";
        case Op::set_pen_style: return "set_pen_style";
        case Op::line: return "line";
        case Op::line_to: return "line_to";
        case Op::point: return "point";
    }
    return "?";
}

int coordinate_count(Op op) {
    switch (op) {
        case Op::set_scale:
        case Op::line: return 4;
        case Op::line_to:
        case Op::point: return 2;
        default: return 0;
    }
}

}  // namespace

const std::string SurfaceName::no_name_;

SurfaceName::SurfaceName(std::string_view text) {
    if (text.empty()) return;  // no_name_
    // std::set never moves its elements, so the pointers stay valid.
    static std::set<std::string, std::less<>> names;
    auto found = names.find(text);
    if (found == names.end()) found = names.emplace(text).first;
    text_ = &*found;
}

std::ostream& operator<<(std::ostream& out, const SurfaceName& name) { return out << name.str(); }

std::string describe(const DrawCall& call) {
    std::string text = call.surface.str() + " " + op_name(call.op);
    for (int i = 0; i < coordinate_count(call.op); ++i) {
        text += " " + float_text(call.args[static_cast<std::size_t>(i)]);
    }
    if (call.op == Op::set_pen_colour) {
        text += " " + std::to_string(call.colour.red) + "," + std::to_string(call.colour.green) +
                "," + std::to_string(call.colour.blue);
    }
    if (call.op == Op::set_pen_style) {
        text += call.style == PenStyle::solid ? " solid" : call.style == PenStyle::dotted ? " dotted" : " dashed";
    }
    return text;
}

bool is_drawing(Op op) { return op != Op::clear && op != Op::set_scale; }

std::vector<DrawCall> samples(const std::vector<DrawCall>& picture) {
    std::vector<DrawCall> result;
    for (const DrawCall& call : picture) {
        if (call.op == Op::point || call.op == Op::line_to) result.push_back(call);
    }
    return result;
}

std::vector<std::string> DrawLog::drawing_runs() const {
    std::vector<std::string> runs;
    const DrawCall* run_start = nullptr;
    for (const DrawCall& call : calls) {
        if (!is_drawing(call.op)) continue;
        if (run_start == nullptr || run_start->surface != call.surface) {
            runs.push_back(call.surface);
            run_start = &call;
        }
    }
    return runs;
}

std::vector<DrawCall> DrawLog::calls_on(const std::string& surface) const {
    const SurfaceName name(surface);
    std::vector<DrawCall> result;
    for (const DrawCall& call : calls) {
        if (call.surface == name) result.push_back(call);
    }
    return result;
}

RecordingSurface::RecordingSurface(std::string name, double height, DrawLog& log)
    : name_(std::move(name)), interned_name_(name_), height_(height), log_(log) {}

void RecordingSurface::record(const DrawCall& call) {
    // Runs for every call of every drawing, so it is kept lean for Debug
    // builds: push_back of a const DrawCall (trivially copyable) avoids the
    // emplace_back and back() that push_back of an rvalue goes through.
    if (call.op == Op::clear) {
        picture_.clear();
    } else if (call.op != Op::set_scale) {
        if (picture_.size() == kMostPictureCalls) {
            std::fprintf(stderr, "recording surface %s: more than %zu drawing calls since its last clear"
                         " — an endless sample loop?\n", name_.c_str(), kMostPictureCalls);
            std::abort();
        }
        picture_.push_back(call);
    }
    log_.calls.push_back(call);
}

void RecordingSurface::clear() { record({.surface = interned_name_, .op = Op::clear}); }

void RecordingSurface::set_scale(float x_left, float y_top, float x_right, float y_bottom) {
    scale_ = {x_left, y_top, x_right, y_bottom};
    record({.surface = interned_name_, .op = Op::set_scale, .args = scale_});
}

void RecordingSurface::set_pen_colour(Rgb colour) {
    record({.surface = interned_name_, .op = Op::set_pen_colour, .colour = colour});
}

void RecordingSurface::set_pen_style(PenStyle style) {
    record({.surface = interned_name_, .op = Op::set_pen_style, .style = style});
}

void RecordingSurface::line(float xa, float ya, float xb, float yb) {
    record({.surface = interned_name_, .op = Op::line, .args = {xa, ya, xb, yb}});
}

void RecordingSurface::line_to(float x, float y) {
    record({.surface = interned_name_, .op = Op::line_to, .args = {x, y, 0, 0}});
}

void RecordingSurface::point(float x, float y) {
    record({.surface = interned_name_, .op = Op::point, .args = {x, y, 0, 0}});
}

}  // namespace waves::testing
