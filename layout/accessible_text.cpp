#include "layout/accessible_text.h"

#include <array>

#include "core/model/translatable.h"

namespace waves {

namespace {

constexpr const char* kContext = "AccessibleText";

void add_reference_band(std::vector<AccessibleText>& texts) {
    texts.push_back({"Frame13", QT_TRANSLATE_NOOP("AccessibleText", "Reference wave W"), "", "", ""});
    texts.push_back({"SpinButton1", QT_TRANSLATE_NOOP("AccessibleText", "W amplitude"),
                     QT_TRANSLATE_NOOP("AccessibleText",
                                       "Steps the amplitude of the Essential Wave W by the step chosen in step a"),
                     "", "value_std_a"});
    texts.push_back({"SpinButton2", QT_TRANSLATE_NOOP("AccessibleText", "W frequency"),
                     QT_TRANSLATE_NOOP("AccessibleText",
                                       "Steps the frequency of the Essential Wave W by the step chosen in step n"),
                     "", "value_std_b"});
    texts.push_back({"Frame14", QT_TRANSLATE_NOOP("AccessibleText", "W cos or sin"), "", "", ""});
    texts.push_back({"Option9", QT_TRANSLATE_NOOP("AccessibleText", "W cos"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Makes the Essential Wave W a cosine"), "", ""});
    texts.push_back({"Option10", QT_TRANSLATE_NOOP("AccessibleText", "W sin"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Makes the Essential Wave W a sine"), "", ""});
    texts.push_back({"std_grph", QT_TRANSLATE_NOOP("AccessibleText", "Essential Wave W"), "", "", ""});
}

void add_component_band(std::vector<AccessibleText>& texts, int index) {
    static constexpr std::array kBandFrames = {"Frame5", "Frame6", "Frame7", "Frame8"};
    static constexpr std::array kPanelFrames = {"Frame_a", "Frame1", "Frame2", "Frame3"};
    const auto slot = static_cast<std::size_t>(index);
    const std::string letter(1, static_cast<char>('A' + index));
    const std::string i = "(" + std::to_string(index) + ")";
    texts.push_back({kBandFrames[slot], QT_TRANSLATE_NOOP("AccessibleText", "Wave %1"), "", letter, ""});
    texts.push_back({kPanelFrames[slot], QT_TRANSLATE_NOOP("AccessibleText", "%1 controls"), "", letter, ""});
    texts.push_back({"SpinButton3" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1 amplitude"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Steps the amplitude of wave %1 by the step chosen in step a"),
                     letter, "Labela" + i});
    texts.push_back({"SpinButton4" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1 frequency"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Steps the frequency of wave %1 by the step chosen in step n"),
                     letter, "Labelb" + i});
    texts.push_back({"Frame10" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1 cos or sin"), "", letter, ""});
    texts.push_back({"switch_c" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1 cos"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Makes wave %1 a cosine"), letter, ""});
    texts.push_back({"switch_s" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1 sin"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Makes wave %1 a sine"), letter, ""});
    //: The name of a graph: its letter (A, A', E, E').
    texts.push_back({"Grph" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1"), "", letter, ""});
    texts.push_back({"m_grph" + i, QT_TRANSLATE_NOOP("AccessibleText", "%1"), "", letter + "'", ""});
}

void add_sum_band(std::vector<AccessibleText>& texts) {
    texts.push_back({"Frame9", QT_TRANSLATE_NOOP("AccessibleText", "Sums E and E'"), "", "", ""});
    texts.push_back({"Frame4", QT_TRANSLATE_NOOP("AccessibleText", "t span and steps"), "", "", ""});
    texts.push_back({"SpinButton11", QT_TRANSLATE_NOOP("AccessibleText", "t span"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Steps the number of periods shown on every graph by one"),
                     "", "labelt"});
    texts.push_back({"Command1", QT_TRANSLATE_NOOP("AccessibleText", "RESET"),
                     QT_TRANSLATE_NOOP("AccessibleText", "Sets the span back to one period and redraws every graph"),
                     "", ""});
    texts.push_back({"Gr", QT_TRANSLATE_NOOP("AccessibleText", "%1"), "", "E", ""});
    texts.push_back({"m_gr", QT_TRANSLATE_NOOP("AccessibleText", "%1"), "", "E'", ""});
    // "step n" is Option1..Option4, "step a" Option5..Option8, both 1, 0.5, 0.2, 0.1.
    static constexpr std::array kSteps = {"1", "0.5", "0.2", "0.1"};
    for (std::size_t n = 0; n < kSteps.size(); ++n) {
        texts.push_back({"Option" + std::to_string(n + 1), QT_TRANSLATE_NOOP("AccessibleText", "step n %1"),
                         QT_TRANSLATE_NOOP("AccessibleText", "Frequency arrows step by %1"), kSteps[n], ""});
    }
    for (std::size_t n = 0; n < kSteps.size(); ++n) {
        texts.push_back({"Option" + std::to_string(n + 5), QT_TRANSLATE_NOOP("AccessibleText", "step a %1"),
                         QT_TRANSLATE_NOOP("AccessibleText", "Amplitude arrows step by %1"), kSteps[n], ""});
    }
}

std::vector<AccessibleText> build_texts() {
    std::vector<AccessibleText> texts;
    add_reference_band(texts);
    for (int i = 0; i < 4; ++i) add_component_band(texts, i);
    add_sum_band(texts);
    return texts;
}

std::string translated(const char* source, const std::string& argument, const Translator& translator) {
    if (*source == '\0') return "";
    return fill_in(translator.translate(kContext, source), {argument});
}

}  // namespace

const std::vector<AccessibleText>& accessible_texts() {
    static const std::vector<AccessibleText> texts = build_texts();
    return texts;
}

std::string accessible_name(const AccessibleText& text, const Translator& translator) {
    return translated(text.name, text.argument, translator);
}

std::string accessible_description(const AccessibleText& text, const Translator& translator) {
    return translated(text.description, text.argument, translator);
}

}  // namespace waves
