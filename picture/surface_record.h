// The retained record of a graph surface: the drawing state it had at its
// last clear and every operation since, with its arguments exactly as
// received. Replaying the record onto a fresh picture renders the same
// content again, at whatever resolution the picture now has (a new device
// pixel ratio, a zoomed page). It describes what the picture shows, no more:
// it is not a cache of sample values, and clear() empties it.
//
// An entry takes 40 bytes. A plotted curve is one point and about 400
// line_to entries; the grid's period lines, however many, are one entry. The storage is reused after
// each clear, so a redraw allocates nothing once it has grown.
#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "core/graphs/graph_surface.h"
#include "picture/device_mapping.h"

namespace waves::picture {

// What the surface interface promises to keep from one call to the next.
struct DrawingState {
    Scale scale;
    Rgb pen_colour{};
    PenStyle pen_style = PenStyle::solid;
    float current_x = 0.0f;
    float current_y = 0.0f;
};

enum class Operation : std::uint8_t {
    set_scale,       // args: x_left, y_top, x_right, y_bottom
    set_pen_colour,  // colour
    set_pen_style,   // style
    line,            // args: xa, ya, xb, yb
    line_to,         // args: x, y
    point,           // args: x, y
    // line_count lines from (x_k, args[0]) to (x_k, args[1]), where
    // x_k = float(spacing x k), k = 1 .. line_count.
    evenly_spaced_lines,
};

struct RecordedOperation {
    Operation operation = Operation::point;
    Rgb colour{};
    PenStyle style = PenStyle::solid;
    std::array<float, 4> args{};
    std::int64_t line_count = 0;
    double spacing = 0.0;
};

// The state after `operation`, as far as the operation itself decides it
// (the scale, the pen and the current point).
void advance_state(DrawingState& state, const RecordedOperation& operation);

class SurfaceRecord {
public:
    SurfaceRecord() { operations_.reserve(512); }

    // Forgets every operation; `state` is what a replay starts from.
    void clear(const DrawingState& state) {
        operations_.clear();
        cleared_state_ = state;
    }
    void add(const RecordedOperation& operation) { operations_.push_back(operation); }

    const DrawingState& cleared_state() const { return cleared_state_; }
    const std::vector<RecordedOperation>& operations() const { return operations_; }

    // Calls draw(operation, state) for each operation in order, with the
    // state as it was just before it, starting from the cleared state.
    template <class Draw>
    void replay(Draw&& draw) const {
        DrawingState state = cleared_state_;
        for (const RecordedOperation& operation : operations_) {
            draw(operation, std::as_const(state));
            advance_state(state, operation);
        }
    }

private:
    DrawingState cleared_state_;
    std::vector<RecordedOperation> operations_;
};

}  // namespace waves::picture
