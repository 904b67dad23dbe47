#include "tests/support/full_redraw.h"

namespace waves::testing {

const std::vector<std::string>& full_drawing_order() {
    static const std::vector<std::string> order = {
        "std_grph", "Grph(0)", "m_grph(0)", "Grph(1)", "m_grph(1)", "Grph(2)",
        "m_grph(2)", "Grph(3)", "m_grph(3)", "Gr",      "m_gr"};
    return order;
}

std::vector<std::string> frames_and_drawings(const DrawLog& log) {
    std::vector<std::string> steps;
    SurfaceName drawing;  // no surface
    for (const DrawCall& call : log.calls) {
        if (call.op == Op::set_scale) {
            steps.push_back("scale " + call.surface.str());
            drawing = SurfaceName();
        } else if (is_drawing(call.op) && call.surface != drawing) {
            steps.push_back("draw " + call.surface.str());
            drawing = call.surface;
        }
    }
    return steps;
}

}  // namespace waves::testing
