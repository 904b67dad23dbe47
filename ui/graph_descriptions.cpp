#include "ui/graph_descriptions.h"

#include "graphs/graph_description.h"

namespace {

void describe(const ControlTree& controls, const std::string& graph, const std::string& description) {
    QWidget& widget = controls.get<QWidget>(graph);
    const QString text = QString::fromStdString(description);
    if (widget.accessibleDescription() != text) widget.setAccessibleDescription(text);
}

}  // namespace

void describe_graphs(const ControlTree& controls, const waves::Parameters& params) {
    describe(controls, "std_grph", waves::describe_reference_graph(params));
    for (int i = 0; i < waves::kComponentCount; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        describe(controls, "Grph" + index, waves::describe_component_graph(params, i));
        describe(controls, "m_grph" + index, waves::describe_product_graph(params, i));
    }
    describe(controls, "Gr", waves::describe_sum_graph(params));
    describe(controls, "m_gr", waves::describe_sum_of_products_graph(params));
}
