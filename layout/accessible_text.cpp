#include "layout/accessible_text.h"

#include <array>

namespace {

void add_reference_band(std::vector<AccessibleText>& texts) {
    texts.push_back({"Frame13", "Reference wave W", "", "", ""});
    texts.push_back({"SpinButton1", "W amplitude",
                     "Steps the amplitude of the Essential Wave W by the step chosen in step a", "", "value_std_a"});
    texts.push_back({"SpinButton2", "W frequency",
                     "Steps the frequency of the Essential Wave W by the step chosen in step n", "", "value_std_b"});
    texts.push_back({"Frame14", "W cos or sin", "", "", ""});
    texts.push_back({"Option9", "W cos", "Makes the Essential Wave W a cosine", "", ""});
    texts.push_back({"Option10", "W sin", "Makes the Essential Wave W a sine", "", ""});
    texts.push_back({"std_grph", "Essential Wave W", "", "", ""});
}

void add_component_band(std::vector<AccessibleText>& texts, int index) {
    static constexpr std::array kBandFrames = {"Frame5", "Frame6", "Frame7", "Frame8"};
    static constexpr std::array kPanelFrames = {"Frame_a", "Frame1", "Frame2", "Frame3"};
    const auto slot = static_cast<std::size_t>(index);
    const std::string letter(1, static_cast<char>('A' + index));
    const std::string i = "(" + std::to_string(index) + ")";
    texts.push_back({kBandFrames[slot], "Wave %1", "", letter, ""});
    texts.push_back({kPanelFrames[slot], "%1 controls", "", letter, ""});
    texts.push_back({"SpinButton3" + i, "%1 amplitude", "Steps the amplitude of wave %1 by the step chosen in step a",
                     letter, "Labela" + i});
    texts.push_back({"SpinButton4" + i, "%1 frequency", "Steps the frequency of wave %1 by the step chosen in step n",
                     letter, "Labelb" + i});
    texts.push_back({"Frame10" + i, "%1 cos or sin", "", letter, ""});
    texts.push_back({"switch_c" + i, "%1 cos", "Makes wave %1 a cosine", letter, ""});
    texts.push_back({"switch_s" + i, "%1 sin", "Makes wave %1 a sine", letter, ""});
    texts.push_back({"Grph" + i, "%1", "", letter, ""});
    texts.push_back({"m_grph" + i, "%1'", "", letter, ""});
}

void add_sum_band(std::vector<AccessibleText>& texts) {
    texts.push_back({"Frame9", "Sums E and E'", "", "", ""});
    texts.push_back({"Frame4", "t span and steps", "", "", ""});
    texts.push_back({"SpinButton11", "t span", "Steps the number of periods shown on every graph by one", "",
                     "labelt"});
    texts.push_back({"Command1", "RESET", "Sets the span back to one period and redraws every graph", "", ""});
    texts.push_back({"Gr", "E", "", "", ""});
    texts.push_back({"m_gr", "E'", "", "", ""});
    // "step n" is Option1..Option4, "step a" Option5..Option8, both 1, 0.5, 0.2, 0.1.
    static constexpr std::array kSteps = {"1", "0.5", "0.2", "0.1"};
    for (std::size_t n = 0; n < kSteps.size(); ++n) {
        texts.push_back({"Option" + std::to_string(n + 1), "step n %1", "Frequency arrows step by %1", kSteps[n], ""});
    }
    for (std::size_t n = 0; n < kSteps.size(); ++n) {
        texts.push_back({"Option" + std::to_string(n + 5), "step a %1", "Amplitude arrows step by %1", kSteps[n], ""});
    }
}

std::vector<AccessibleText> build_texts() {
    std::vector<AccessibleText> texts;
    add_reference_band(texts);
    for (int i = 0; i < 4; ++i) add_component_band(texts, i);
    add_sum_band(texts);
    return texts;
}

}  // namespace

const std::vector<AccessibleText>& accessible_texts() {
    static const std::vector<AccessibleText> texts = build_texts();
    return texts;
}

std::string fill_in(std::string_view text, std::string_view argument) {
    std::string filled;
    filled.reserve(text.size() + argument.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] == '1') {
            filled += argument;
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}
