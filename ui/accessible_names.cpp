#include "ui/accessible_names.h"

#include <QPushButton>

#include "app/parameters.h"
#include "graphs/graph_description.h"
#include "ui/spin_button.h"
#include "ui/text_label_widget.h"

namespace {

void name(const ControlTree& controls, const QString& control, const QString& name,
          const QString& description = {}) {
    QWidget& widget = controls.get<QWidget>(control.toStdString());
    widget.setAccessibleName(name);
    if (!description.isEmpty()) widget.setAccessibleDescription(description);
}

// An arrow pair and the value label beside it.
void name_stepper(const ControlTree& controls, const QString& spin, const QString& label, const QString& subject,
                  const QString& description) {
    auto& button = controls.get<SpinButton>(spin.toStdString());
    auto& value = controls.get<TextLabelWidget>(label.toStdString());
    button.setAccessibleName(subject);
    button.setAccessibleDescription(description);
    button.set_value_label(&value);
    value.set_subject(subject);
}

void name_component_band(const ControlTree& controls, int index) {
    const QString letter = QString::fromStdString(waves::component_letter(index));
    const QString i = QStringLiteral("(%1)").arg(index);
    const QString band_frames[] = {"Frame5", "Frame6", "Frame7", "Frame8"};
    const QString panel_frames[] = {"Frame_a", "Frame1", "Frame2", "Frame3"};
    name(controls, band_frames[index], "Wave " + letter);
    name(controls, panel_frames[index], letter + " controls");
    name_stepper(controls, "SpinButton3" + i, "Labela" + i, letter + " amplitude",
                 "Steps the amplitude of wave " + letter + " by the step chosen in step a");
    name_stepper(controls, "SpinButton4" + i, "Labelb" + i, letter + " frequency",
                 "Steps the frequency of wave " + letter + " by the step chosen in step n");
    name(controls, "Frame10" + i, letter + " cos or sin");
    name(controls, "switch_c" + i, letter + " cos", "Makes wave " + letter + " a cosine");
    name(controls, "switch_s" + i, letter + " sin", "Makes wave " + letter + " a sine");
    name(controls, "Grph" + i, letter);
    name(controls, "m_grph" + i, letter + "'");
}

void name_reference_band(const ControlTree& controls) {
    name(controls, "Frame13", "Reference wave W");
    name_stepper(controls, "SpinButton1", "value_std_a", "W amplitude",
                 "Steps the amplitude of the Essential Wave W by the step chosen in step a");
    name_stepper(controls, "SpinButton2", "value_std_b", "W frequency",
                 "Steps the frequency of the Essential Wave W by the step chosen in step n");
    name(controls, "Frame14", "W cos or sin");
    name(controls, "Option9", "W cos", "Makes the Essential Wave W a cosine");
    name(controls, "Option10", "W sin", "Makes the Essential Wave W a sine");
    name(controls, "std_grph", "Essential Wave W");
}

void name_sum_band(const ControlTree& controls) {
    name(controls, "Frame9", "Sums E and E'");
    name(controls, "Frame4", "t span and steps");
    name_stepper(controls, "SpinButton11", "labelt", "t span",
                 "Steps the number of periods shown on every graph by one");
    name(controls, "Command1", "RESET", "Sets the span back to one period and redraws every graph");
    name(controls, "Gr", "E");
    name(controls, "m_gr", "E'");
    const char* steps[] = {"1", "0.5", "0.2", "0.1"};
    for (int n = 0; n < 4; ++n) {
        const QString step = QString::fromLatin1(steps[n]);
        name(controls, QStringLiteral("Option%1").arg(n + 1), "step n " + step,
             "Frequency arrows step by " + step);
        name(controls, QStringLiteral("Option%1").arg(n + 5), "step a " + step,
             "Amplitude arrows step by " + step);
    }
}

}  // namespace

void name_controls_for_screen_readers(const ControlTree& controls) {
    name_reference_band(controls);
    for (int i = 0; i < waves::kComponentCount; ++i) name_component_band(controls, i);
    name_sum_band(controls);
}
