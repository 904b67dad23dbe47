#include "ui/graph_descriptions.h"

#include "layout/graph_descriptions.h"
#include "ui/qt_translator.h"

namespace waves {

void describe_graphs(const ControlTree& controls, const Parameters& params) {
    for (const auto& [graph, description] : graph_descriptions(params, QtTranslator())) {
        QWidget& widget = controls.get<QWidget>(graph);
        const QString text = QString::fromStdString(description);
        if (widget.accessibleDescription() != text) widget.setAccessibleDescription(text);
    }
}

}  // namespace waves
