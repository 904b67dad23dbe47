#include "ui/accessible_names.h"

#include "layout/accessible_text.h"
#include "ui/qt_translator.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

namespace waves {

void name_controls_for_screen_readers(const ControlTree& controls) {
    const QtTranslator translator;
    for (const AccessibleText& text : accessible_texts()) {
        QWidget& widget = controls.get<QWidget>(text.control);
        const QString name = QString::fromStdString(accessible_name(text, translator));
        widget.setAccessibleName(name);
        const std::string description = accessible_description(text, translator);
        if (!description.empty()) widget.setAccessibleDescription(QString::fromStdString(description));
        if (!text.value_label.empty()) {
            auto& label = controls.get<TextLabelWidget>(text.value_label);
            controls.get<SpinButton>(text.control).set_value_label(&label);
            label.set_subject(name);
        }
    }
}

}  // namespace waves
