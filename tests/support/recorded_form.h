// A complete form wired to recorders: eleven recording surfaces sharing one
// DrawLog, recording labels, option buttons and window. Surfaces have the
// heights in twips that the layout gives the graphs of their names, so
// start-up measures the real h_ratio.
//
// Not copyable or movable: the form points into it.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/app/form.h"
#include "tests/support/recording_surface.h"

namespace waves::testing {

class RecordingLabel final : public TextLabel {
public:
    void set_text(std::string_view text) override {
        text_ = text;
        ++writes_;
    }
    const std::string& text() const { return text_; }
    int writes() const { return writes_; }

private:
    std::string text_;
    int writes_ = 0;
};

class RecordingOption final : public OptionSelection {
public:
    void set_selected(bool selected) override {
        selected_ = selected;
        ++writes_;
    }
    bool selected() const { return selected_; }
    int writes() const { return writes_; }

private:
    bool selected_ = false;
    int writes_ = 0;
};

class RecordingWindow final : public WindowPlacement {
public:
    explicit RecordingWindow(TwipSize screen) : screen_(screen) {}
    void set_outer_size(float width, float height) override { outer_ = {width, height}; }
    TwipSize outer_size() const override { return outer_; }
    TwipSize screen_size() const override { return screen_; }
    void move_to(float left, float top) override {
        left_ = left;
        top_ = top;
    }
    float left() const { return left_; }
    float top() const { return top_; }

private:
    TwipSize screen_;
    TwipSize outer_{};
    float left_ = 0.0f;
    float top_ = 0.0f;
};

class RecordedForm {
public:
    // A 1024 x 768 screen at 15 twips per pixel, unless told otherwise.
    explicit RecordedForm(TwipSize screen = {15360.0f, 11520.0f});
    RecordedForm(const RecordedForm&) = delete;
    RecordedForm& operator=(const RecordedForm&) = delete;

    Form form;
    DrawLog log;

    RecordingSurface& Grph(int i) { return *Grph_[static_cast<std::size_t>(i)]; }
    RecordingSurface& m_grph(int i) { return *m_grph_[static_cast<std::size_t>(i)]; }
    RecordingSurface& Gr() { return *Gr_; }
    RecordingSurface& m_gr() { return *m_gr_; }
    RecordingSurface& std_grph() { return *std_grph_; }
    // The eleven surfaces in start-up drawing order: W; A, A'; ...; E; E'.
    std::vector<RecordingSurface*> surfaces();

    std::array<RecordingLabel, kComponentCount> Labela;
    std::array<RecordingLabel, kComponentCount> Labelb;
    RecordingLabel labelt;
    RecordingLabel value_std_a;
    RecordingLabel value_std_b;
    std::array<RecordingOption, kComponentCount> switch_c;
    std::array<RecordingOption, kComponentCount> switch_s;
    RecordingOption Option9;
    RecordingOption Option10;
    std::array<RecordingOption, kStepSizes.size()> step_n;
    std::array<RecordingOption, kStepSizes.size()> step_a;
    RecordingWindow window;

    // Every label's text, in a fixed order, for before/after comparisons.
    std::vector<std::string> label_texts() const;
    // Every drawing call since the last clear of each surface, in the
    // order of surfaces(), for before/after comparisons.
    std::vector<std::vector<DrawCall>> pictures();

private:
    std::array<std::unique_ptr<RecordingSurface>, kComponentCount> Grph_;
    std::array<std::unique_ptr<RecordingSurface>, kComponentCount> m_grph_;
    std::unique_ptr<RecordingSurface> Gr_;
    std::unique_ptr<RecordingSurface> m_gr_;
    std::unique_ptr<RecordingSurface> std_grph_;
};

// A form after Form_Load, with the start-up calls cleared from its log.
class LoadedForm : public RecordedForm {
public:
    LoadedForm();
};

}  // namespace waves::testing
