#include "tests/property/invariant_checker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>

#include "core/model/number_text.h"
#include "tests/property/parameter_differences.h"

namespace waves::property {
namespace {

using testing::DrawCall;
using testing::Op;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool is_step(std::int64_t step) { return step == 10 || step == 5 || step == 2 || step == 1; }

bool whole(float value) { return std::trunc(value) == value; }

// The value labels in the order of InvariantChecker::labels_.
constexpr const char* kLabelNames[] = {"Labela(0)", "Labela(1)", "Labela(2)", "Labela(3)",
                                       "Labelb(0)", "Labelb(1)", "Labelb(2)", "Labelb(3)",
                                       "labelt",    "value_std_a", "value_std_b"};

// The same operation with the same arguments, bit for bit: the same routine
// on the same parameters gives the same floats. (Every call of a picture
// carries its own surface's name, so names need no comparing.) Written out
// field by field because it runs for every call of every compared picture.
bool same_call(const DrawCall& a, const DrawCall& b) {
    return a.op == b.op && std::memcmp(&a.args, &b.args, sizeof a.args) == 0 && a.colour.red == b.colour.red &&
           a.colour.green == b.colour.green && a.colour.blue == b.colour.blue && a.style == b.style;
}

std::string surfaces_text(const std::vector<int>& surfaces, const std::vector<testing::RecordingSurface*>& all) {
    std::string text = "{";
    for (const int s : surfaces) text += (text.size() > 1 ? ", " : "") + all[at(s)]->name();
    return text + "}";
}

}  // namespace

InvariantChecker::InvariantChecker(testing::RecordedForm& form)
    : form_(form), params_(form.form.params), surfaces_(form.surfaces()) {
    for (std::size_t s = 0; s < names_.size(); ++s) names_[s] = testing::SurfaceName(surfaces_[s]->name());
    for (int i = 0; i < kComponentCount; ++i) labels_.push_back(&form.Labela[at(i)]);
    for (int i = 0; i < kComponentCount; ++i) labels_.push_back(&form.Labelb[at(i)]);
    labels_.push_back(&form.labelt);
    labels_.push_back(&form.value_std_a);
    labels_.push_back(&form.value_std_b);
    label_writes_before_.resize(labels_.size());
}

bool InvariantChecker::expect(bool ok) {
    ++checks_;
    if (!ok) failed_ = true;
    return ok;
}

std::string InvariantChecker::where() const {
    if (!started_) return "before the first event: ";
    return "after event #" + std::to_string(event_number_) + " " + event_name(event_) + ": ";
}

void InvariantChecker::before(Event event, std::uint64_t event_number) {
    event_ = event;
    event_number_ = event_number;
    started_ = true;
    for (std::size_t k = 0; k < labels_.size(); ++k) label_writes_before_[k] = labels_[k]->writes();
    option_writes_before_ = 0;
    for (int i = 0; i < kComponentCount; ++i) {
        option_writes_before_ += form_.switch_c[at(i)].writes() + form_.switch_s[at(i)].writes();
    }
    form_.log.calls.clear();
}

bool InvariantChecker::after(const Prediction& prediction, bool compare_every_picture) {
    failed_ = false;
    check_bounds();
    if (!expect(params_ == prediction.after)) {
        ADD_FAILURE() << where() << (prediction.acts ? "" : "the step should have been refused; ")
                      << "parameters: " << differences(params_, prediction.after);
    }
    check_labels();
    check_label_writes(prediction);
    check_drawing_calls(prediction);
    check_frames();
    if (compare_every_picture) {
        for (int s = 0; s < kSurfaceCount; ++s) check_picture(s);
    } else {
        for (const int s : redrawn_surfaces(prediction.redraw, prediction.component)) check_picture(s);
    }
    return !failed_;
}

bool InvariantChecker::check_state() {
    failed_ = false;
    check_bounds();
    check_labels();
    check_frames();
    for (int s = 0; s < kSurfaceCount; ++s) check_picture(s);
    return !failed_;
}

void InvariantChecker::check_bounds() {
    const Parameters& p = params_;
    for (int i = 0; i < kComponentCount; ++i) {
        const std::int64_t a = p.wave_a[at(i)];
        if (!expect(a >= 0 && a <= kHighestValue)) ADD_FAILURE() << where() << "wave_a(" << i << ") = " << a;
        const std::int64_t f = p.wave_f[at(i)];
        if (!expect(f >= 0)) ADD_FAILURE() << where() << "wave_f(" << i << ") = " << f;
    }
    if (!expect(p.std_a >= 0 && p.std_a <= kHighestValue)) ADD_FAILURE() << where() << "std_a = " << p.std_a;
    if (!expect(p.std_f >= 0.0f && p.std_f <= static_cast<float>(kHighestValue) && whole(p.std_f))) {
        ADD_FAILURE() << where() << "std_f = " << p.std_f;
    }
    if (!expect(p.t_span >= 1.0f && whole(p.t_span))) ADD_FAILURE() << where() << "t_span = " << p.t_span;
    if (!expect(is_step(p.step_a))) ADD_FAILURE() << where() << "step_a = " << p.step_a;
    if (!expect(is_step(p.step_f))) ADD_FAILURE() << where() << "step_f = " << p.step_f;
}

void InvariantChecker::check_labels() {
    const Parameters& p = params_;
    if (expected_labels_.empty() || !(labels_from_ == p)) {
        expected_labels_.clear();
        for (int i = 0; i < kComponentCount; ++i) {
            expected_labels_.push_back(number_text(static_cast<double>(p.wave_a[at(i)]) / 10.0));
        }
        for (int i = 0; i < kComponentCount; ++i) {
            expected_labels_.push_back(number_text(static_cast<double>(p.wave_f[at(i)]) / 10.0));
        }
        expected_labels_.push_back(number_text(p.t_span));
        expected_labels_.push_back(number_text(static_cast<double>(p.std_a) / 10.0));
        expected_labels_.push_back(number_text(p.std_f / 10.0f));
        labels_from_ = p;
    }
    for (std::size_t k = 0; k < labels_.size(); ++k) {
        if (!expect(labels_[k]->text() == expected_labels_[k])) {
            ADD_FAILURE() << where() << kLabelNames[k] << " shows \"" << labels_[k]->text() << "\", not \""
                          << expected_labels_[k] << "\"";
        }
    }
}

testing::RecordingLabel& InvariantChecker::label(LabelName name, int component) {
    switch (name) {
        case LabelName::Labela: return form_.Labela[at(component)];
        case LabelName::Labelb: return form_.Labelb[at(component)];
        case LabelName::labelt: return form_.labelt;
        case LabelName::value_std_a: return form_.value_std_a;
        case LabelName::value_std_b:
        case LabelName::none: break;
    }
    return form_.value_std_b;
}

void InvariantChecker::check_label_writes(const Prediction& prediction) {
    const testing::RecordingLabel* written =
        prediction.label == LabelName::none ? nullptr : &label(prediction.label, prediction.component);
    for (std::size_t k = 0; k < labels_.size(); ++k) {
        const int writes = labels_[k]->writes() - label_writes_before_[k];
        const int expected = labels_[k] == written ? 1 : 0;
        if (!expect(writes == expected)) {
            ADD_FAILURE() << where() << kLabelNames[k] << " was written " << writes << " times, not "
                          << expected;
        }
    }
    int option_writes = 0;
    for (int i = 0; i < kComponentCount; ++i) {
        option_writes += form_.switch_c[at(i)].writes() + form_.switch_s[at(i)].writes();
    }
    if (!expect(option_writes == option_writes_before_)) {
        ADD_FAILURE() << where() << "a handler set the selection of a cos/sin option button";
    }
}

int InvariantChecker::surface_number(const testing::SurfaceName& name) const {
    for (std::size_t s = 0; s < names_.size(); ++s) {
        if (names_[s] == name) return static_cast<int>(s);
    }
    return -1;
}

void InvariantChecker::check_drawing_calls(const Prediction& prediction) {
    const std::vector<DrawCall>& calls = form_.log.calls;
    if (prediction.redraw == Redraw::none) {
        if (!expect(calls.empty())) {
            ADD_FAILURE() << where() << (prediction.acts ? "a step option" : "a refused step") << " drew "
                          << calls.size() << " calls, the first " << describe(calls.front());
        }
        return;
    }
    const std::vector<int> expected_runs = redrawn_surfaces(prediction.redraw, prediction.component);
    const bool full = prediction.redraw == Redraw::everything;
    constexpr int kGroups = 6;
    constexpr int kMostRuns = 32;  // more runs than any redraw has: the rest are only counted

    // Plain arrays and pointers: this loop sees every call of every redraw.
    bool redrawn[kSurfaceCount] = {};
    for (const int s : expected_runs) redrawn[s] = true;
    int runs[kMostRuns] = {};
    int run_count = 0;
    int last_drawn = -1;
    int scales_set[kSurfaceCount] = {};
    std::size_t scale_set_at[kSurfaceCount] = {};
    bool drawn[kSurfaceCount] = {};
    bool group_drew[kGroups] = {};
    std::size_t last_drawing_of_group[kGroups] = {};
    const DrawCall* stray = nullptr;       // the first call on a surface that is not redrawn
    const DrawCall* late_frame = nullptr;  // the first frame set after its surface was drawn on
    const DrawCall* unframed = nullptr;    // the first drawing before its frame was set (once)
    const DrawCall* early_frame = nullptr; // the first drawing whose frame came before an earlier group's drawing

    const DrawCall* const first = calls.data();
    const std::size_t count = calls.size();
    const std::string* current = nullptr;
    int s = -1;
    for (std::size_t k = 0; k < count; ++k) {
        const DrawCall& call = first[k];
        if (&call.surface.str() != current) {
            current = &call.surface.str();
            s = surface_number(call.surface);
        }
        if (s < 0 || !redrawn[s]) {
            if (stray == nullptr) stray = &call;
            continue;
        }
        const int g = frame_group(s);
        if (call.op == Op::set_scale) {
            ++scales_set[s];
            scale_set_at[s] = k;
            if (drawn[s] && late_frame == nullptr) late_frame = &call;
        } else if (call.op != Op::clear) {
            if (!drawn[s] && full) {
                if (scales_set[s] != 1 && unframed == nullptr) unframed = &call;
                for (int h = 0; h < kGroups; ++h) {
                    if (h != g && group_drew[h] && last_drawing_of_group[h] > scale_set_at[s] &&
                        early_frame == nullptr) {
                        early_frame = &call;
                    }
                }
            }
            drawn[s] = true;
            if (s != last_drawn) {
                if (run_count < kMostRuns) runs[run_count] = s;
                ++run_count;
                last_drawn = s;
            }
            group_drew[g] = true;
            last_drawing_of_group[g] = k;
        }
    }
    const std::vector<int> drawn_runs(runs, runs + (run_count < kMostRuns ? run_count : kMostRuns));
    if (!expect(run_count <= kMostRuns && drawn_runs == expected_runs)) {
        ADD_FAILURE() << where() << "drew " << surfaces_text(drawn_runs, surfaces_)
                      << (run_count > kMostRuns ? " ..." : "") << ", not " << surfaces_text(expected_runs, surfaces_);
    }
    if (!expect(stray == nullptr)) {
        ADD_FAILURE() << where() << "touched a surface it must leave alone: " << describe(*stray);
    }
    if (!full) {
        int frames = 0;
        for (const int n : scales_set) frames += n;
        if (!expect(frames == 0)) ADD_FAILURE() << where() << "set " << frames << " frames; only the span and RESET may";
        return;
    }
    for (int t = 0; t < kSurfaceCount; ++t) {
        if (!expect(scales_set[t] == 1)) {
            ADD_FAILURE() << where() << surfaces_[at(t)]->name() << " got its frame " << scales_set[t]
                          << " times, not once";
        }
    }
    if (!expect(late_frame == nullptr)) {
        ADD_FAILURE() << where() << "a frame was set after its surface had drawn: " << describe(*late_frame);
    }
    if (!expect(unframed == nullptr)) {
        ADD_FAILURE() << where() << "a surface drew before its frame was set: " << describe(*unframed);
    }
    if (!expect(early_frame == nullptr)) {
        ADD_FAILURE() << where() << "a frame was set before the drawings of an earlier group, not just before "
                      << "its surface's first drawing: " << describe(*early_frame);
    }
}

void InvariantChecker::check_frames() {
    if (!have_expected_frames_ || !(frames_from_ == params_)) {
        for (int s = 0; s < kSurfaceCount; ++s) expected_frames_[at(s)] = fresh_.frame(s, params_);
        frames_from_ = params_;
        have_expected_frames_ = true;
    }
    for (int s = 0; s < kSurfaceCount; ++s) {
        const std::array<float, 4>& actual = surfaces_[at(s)]->scale();
        const std::array<float, 4>& expected = expected_frames_[at(s)];
        if (!expect(actual == expected)) {
            ADD_FAILURE() << where() << surfaces_[at(s)]->name() << " has the frame (" << actual[0] << ", "
                          << actual[1] << ") .. (" << actual[2] << ", " << actual[3] << "), not ("
                          << expected[0] << ", " << expected[1] << ") .. (" << expected[2] << ", "
                          << expected[3] << ")";
        }
    }
}

void InvariantChecker::check_picture(int surface) {
    const std::vector<DrawCall>& actual = surfaces_[at(surface)]->picture();
    const std::vector<DrawCall>& fresh = fresh_.draw(surface, params_);
    const std::size_t common = actual.size() < fresh.size() ? actual.size() : fresh.size();
    const DrawCall* a = actual.data();
    const DrawCall* b = fresh.data();
    std::size_t k = 0;
    while (k < common && same_call(a[k], b[k])) ++k;
    if (!expect(k == common && actual.size() == fresh.size())) {
        ADD_FAILURE() << where() << surfaces_[at(surface)]->name() << " shows " << actual.size()
                      << " drawing calls where a fresh drawing has " << fresh.size() << "; first difference at call "
                      << k << ": " << (k < actual.size() ? describe(a[k]) : "(none)") << " | fresh: "
                      << (k < fresh.size() ? describe(b[k]) : "(none)");
    }
}

}  // namespace waves::property
