#include "picture/surface_record.h"

namespace waves::picture {

void advance_state(DrawingState& state, const RecordedOperation& operation) {
    const auto& args = operation.args;
    switch (operation.operation) {
        case Operation::set_scale: state.scale = {args[0], args[1], args[2], args[3]}; return;
        case Operation::set_pen_colour: state.pen_colour = operation.colour; return;
        case Operation::set_pen_style: state.pen_style = operation.style; return;
        case Operation::line:
            state.current_x = args[2];
            state.current_y = args[3];
            return;
        case Operation::line_to:
        case Operation::point:
            state.current_x = args[0];
            state.current_y = args[1];
            return;
        case Operation::evenly_spaced_lines:
            if (operation.line_count <= 0) return;
            state.current_x = static_cast<float>(operation.spacing * static_cast<double>(operation.line_count));
            state.current_y = args[1];
            return;
    }
}

}  // namespace waves::picture
