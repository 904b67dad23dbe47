#include "ui/accessible_names.h"

#include "layout/accessible_text.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

namespace {

QString filled_in(std::string_view text, const std::string& argument) {
    return QString::fromStdString(fill_in(text, argument));
}

}  // namespace

void name_controls_for_screen_readers(const ControlTree& controls) {
    for (const AccessibleText& text : accessible_texts()) {
        QWidget& widget = controls.get<QWidget>(text.control);
        const QString name = filled_in(text.name, text.argument);
        widget.setAccessibleName(name);
        if (!text.description.empty()) widget.setAccessibleDescription(filled_in(text.description, text.argument));
        if (!text.value_label.empty()) {
            auto& label = controls.get<TextLabelWidget>(text.value_label);
            controls.get<SpinButton>(text.control).set_value_label(&label);
            label.set_subject(name);
        }
    }
}
