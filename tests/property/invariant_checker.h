// The invariants checked after every event of the property test, with a
// count of the checks made. Each failed check is reported to GoogleTest
// with the number and name of the event it followed.
//
// After every event:
//   - every value within its bounds: amplitudes and the reference frequency
//     0..109 (the latter a whole number of tenths), component frequencies
//     >= 0, t_span a whole number >= 1, both steps one of 10, 5, 2, 1;
//   - the parameters are what the handler model predicts (unchanged when
//     the event was refused);
//   - every value label shows the number text of its value, and the event
//     wrote exactly the label the model names (none when refused); no
//     option button was set;
//   - the drawing calls match the redraw table: none when refused or for a
//     step option; otherwise exactly the predicted surfaces drew, in order,
//     nothing else was touched, and only a full redraw set frames: each
//     surface's once, before its first drawing and after the drawings of
//     the groups before it;
//   - every surface has the frame of the current span;
//   - every redrawn surface (every surface, when asked) shows what a fresh
//     drawing from the current parameters shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/property/fresh_pictures.h"
#include "tests/property/handler_event.h"
#include "tests/property/handler_model.h"
#include "tests/support/recorded_form.h"

namespace waves::property {

class InvariantChecker {
public:
    explicit InvariantChecker(testing::RecordedForm& form);

    // Just before the event runs: remembers what it will be compared with
    // and empties the draw log.
    void before(Event event, std::uint64_t event_number);
    // Just after it ran. Returns false if any check failed.
    bool after(const Prediction& prediction, bool compare_every_picture);
    // The state as it stands, before any event: bounds, labels, frames and
    // every picture. Returns false if any check failed.
    bool check_state();

    std::uint64_t checks() const { return checks_; }

private:
    bool expect(bool ok);
    std::string where() const;
    void check_bounds();
    void check_labels();
    void check_label_writes(const Prediction& prediction);
    void check_drawing_calls(const Prediction& prediction);
    void check_frames();
    void check_picture(int surface);
    int surface_number(const testing::SurfaceName& name) const;
    testing::RecordingLabel& label(LabelName name, int component);

    testing::RecordedForm& form_;
    const Parameters& params_;
    std::vector<testing::RecordingSurface*> surfaces_;
    std::array<testing::SurfaceName, kSurfaceCount> names_;
    std::vector<testing::RecordingLabel*> labels_;  // Labela(0..3), Labelb(0..3), labelt, value_std_a, value_std_b
    FreshPictures fresh_;

    Event event_{};
    std::uint64_t event_number_ = 0;
    bool started_ = false;
    std::vector<int> label_writes_before_;
    int option_writes_before_ = 0;
    // What the labels and frames must show, worked out again only when the
    // parameters have changed.
    Parameters labels_from_{};
    std::vector<std::string> expected_labels_;
    Parameters frames_from_{};
    std::array<std::array<float, 4>, kSurfaceCount> expected_frames_{};
    bool have_expected_frames_ = false;

    std::uint64_t checks_ = 0;
    bool failed_ = false;
};

}  // namespace waves::property
