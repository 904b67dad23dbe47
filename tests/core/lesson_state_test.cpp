// A lesson as text, and a window opened in it: the text round-trips, the
// shared table of texts reads as it says, and a window opened in a lesson
// is the window clicked there.
#include "core/app/lesson_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <variant>

#include "core/app/lesson_state_text.h"
#include "core/controls/component_controls.h"
#include "core/controls/mean_key.h"
#include "core/controls/reference_controls.h"
#include "core/controls/step_size_controls.h"
#include "core/controls/time_span_controls.h"
#include "tests/support/lesson_text_promises.h"
#include "tests/support/recorded_form.h"

namespace waves {
namespace {

using testing::LoadedForm;

// The sentence a text is refused in, or "" where it is accepted.
std::string refusal_of(std::string_view text) {
    const auto read = read_state_text(text);
    const auto* refusal = std::get_if<StateRefusal>(&read);
    return refusal ? refusal_text(*refusal, refusal->reason) : "";
}

}  // namespace

// Failures show a lesson as its text.
void PrintTo(const LessonState& state, std::ostream* out) { *out << state_text(state); }

namespace {

// A lesson clicks can reach; frequencies and spans kept small enough to
// click there in a test.
LessonState random_lesson(std::mt19937_64& random, std::int64_t frequency_limit, std::int64_t span_limit) {
    const auto pick = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    const auto wave = [&](std::int64_t top_frequency) {
        return WaveSetting{pick(0, kAmplitudeLimit), pick(0, 1) == 1, pick(0, top_frequency)};
    };
    LessonState state;
    for (WaveSetting& component : state.components) component = wave(frequency_limit);
    state.reference = wave(kReferenceFrequencyLimit);
    state.t_span = pick(1, span_limit);
    state.step_a = kStepSizes[static_cast<std::size_t>(pick(0, 3))];
    state.step_f = kStepSizes[static_cast<std::size_t>(pick(0, 3))];
    state.means = pick(0, 1) == 1;
    return state;
}

TEST(LessonStateText, EveryReachableLessonRoundTripsThroughItsText) {
    std::mt19937_64 random(20261208);
    for (int n = 0; n < 5000; ++n) {
        const LessonState state = random_lesson(random, n % 2 == 0 ? 300 : kComponentFrequencyLimit, kSpanLimit);
        const std::string text = state_text(state);
        ASSERT_LE(text.size(), kStateTextLimit) << text;
        const auto read = read_state_text(text);
        ASSERT_TRUE(std::holds_alternative<LessonState>(read)) << text;
        ASSERT_EQ(std::get<LessonState>(read), state) << text;
    }
}

// Each row of the table shared with the desktop's and the page's tests.
TEST(LessonStateText, ReadsEveryTextOfTheTableAsItSays) {
    std::ifstream table(WAVES_LESSON_STATES);
    ASSERT_TRUE(table) << WAVES_LESSON_STATES;
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.starts_with("# ")) continue;
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string text = line.substr(0, tab);
        const std::string expected = line.substr(tab + 1);
        EXPECT_EQ(testing::broken_lesson_text_promise(text), "");
        const auto read = read_state_text(text);
        if (const auto* state = std::get_if<LessonState>(&read)) {
            EXPECT_EQ("= " + state_text(*state), expected) << text;
        } else {
            const StateRefusal& refusal = std::get<StateRefusal>(read);
            const std::string reason = refusal_text(refusal, refusal.reason);
            EXPECT_EQ("! " + reason, expected) << text;
        }
        ++rows;
    }
    EXPECT_GE(rows, 30);
}

// Every input on which the fuzzer (./scripts/fuzz) ever found a promise
// broken, kept as it found it.
TEST(LessonStateText, KeepsItsPromisesOnEveryInputTheFuzzerFoundOneBrokenWith) {
    int inputs = 0;
    for (const auto& kept : std::filesystem::directory_iterator(WAVES_LESSON_TEXT_FAILURES)) {
        std::ifstream file(kept.path(), std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(testing::broken_lesson_text_promise(text), "") << kept.path();
        ++inputs;
    }
    EXPECT_GE(inputs, 1);
}

// A number is a '-' or not, digits, and a point with digits after it or
// no point: every other shape, in each place a number stands, is refused,
// and in a wave as malformed rather than as the number it nearly is.
TEST(LessonStateText, RefusesEveryMalformedNumberInEveryPlace) {
    const std::string_view shapes[] = {"1.", ".1", "", "-", "-.1", "1..0", "1.0.", "1.-1", "--1", "+1",
                                       " 1", "1 ", "1e0", "0x1", "1,0", "\xef\xbc\x91"};
    const std::string_view places[] = {"A=#c1", "A=1c#", "W=#s1", "t=#", "sa=#", "sn=#"};
    for (const std::string_view shape : shapes) {
        for (const std::string_view place : places) {
            std::string text(place);
            text.replace(text.find('#'), 1, shape);
            const std::string refusal = refusal_of(text);
            EXPECT_NE(refusal, "") << text;
            if (place.starts_with("A=") || place.starts_with("W=")) {
                EXPECT_NE(refusal.find(" is not an amplitude, c or s,"), std::string::npos) << text << ": " << refusal;
            }
        }
    }
}

// Every character outside printable ASCII (the control characters, DEL and
// each byte of a character beyond ASCII), wherever in a refused text it
// stands, is shown as '?' exactly where a printable one would be shown.
TEST(LessonStateText, ARefusalShowsEveryCharacterThatIsNotPrintableAsAQuestionMark) {
    const std::string_view places[] = {"A=1c1~", "A=~c1", "~=1c1", "A~", "#~", "t=~", "sa=1~", "A=1c1&~&B=1"};
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if (c >= 0x20 && c <= 0x7e) continue;
        for (const std::string_view place : places) {
            std::string text(place);
            std::replace(text.begin(), text.end(), '~', c);
            std::string expected = refusal_of(place);
            std::replace(expected.begin(), expected.end(), '~', '?');
            EXPECT_EQ(refusal_of(text), expected) << "character " << byte << " in " << place;
        }
    }
    EXPECT_EQ(refusal_of("A= ~"), "A= ~ is not an amplitude, c or s, and a frequency, as in A=3c1.");
}

// The clicks that reach a lesson from start-up: the big steps first, then
// the small ones, an amplitude above 10 from below 10 in one step of 1;
// the key M last.
void click_to(Form& form, const LessonState& state) {
    const auto climb = [&](std::int64_t from, std::int64_t to, auto select_big, auto select_small, auto up,
                           std::int64_t bounded) {
        const std::int64_t before_last = to > bounded ? to - 10 : to;
        select_big(form);
        for (; from + 10 <= before_last; from += 10) up();
        select_small(form);
        for (; from < before_last; ++from) up();
        if (to > bounded) {
            select_big(form);
            up();
        }
    };
    constexpr std::int64_t unbounded = INT64_MAX;
    for (int i = 0; i < kComponentCount; ++i) {
        const WaveSetting& wave = state.components[static_cast<std::size_t>(i)];
        climb(0, wave.amplitude, Option5_Click, Option8_Click, [&] { SpinButton3_SpinUp(form, i); }, 100);
        climb(0, wave.frequency, Option1_Click, Option4_Click, [&] { SpinButton4_SpinUp(form, i); }, unbounded);
        if (!wave.cosine) switch_s_Click(form, i);
    }
    // W starts at 1 cos(1 x): down to 0 first.
    Option1_Click(form);
    Option5_Click(form);
    SpinButton1_SpinDown(form);
    SpinButton2_SpinDown(form);
    climb(0, state.reference.amplitude, Option5_Click, Option8_Click, [&] { SpinButton1_SpinUp(form); }, 100);
    climb(0, state.reference.frequency, Option1_Click, Option4_Click, [&] { SpinButton2_SpinUp(form); }, 100);
    if (!state.reference.cosine) Option10_Click(form);
    for (std::int64_t t = 1; t < state.t_span; ++t) SpinButton11_SpinUp(form);
    const std::array<void (*)(Form&), 4> step_a_options{Option5_Click, Option6_Click, Option7_Click, Option8_Click};
    const std::array<void (*)(Form&), 4> step_n_options{Option1_Click, Option2_Click, Option3_Click, Option4_Click};
    for (std::size_t n = 0; n < kStepSizes.size(); ++n) {
        if (kStepSizes[n] == state.step_a) step_a_options[n](form);
        if (kStepSizes[n] == state.step_f) step_n_options[n](form);
    }
    if (state.means) Form_KeyM(form);
}

TEST(OpenInState, DrawsAndLabelsTheWindowAsIfItHadBeenClickedThere) {
    {
        LoadedForm started;
        EXPECT_EQ(lesson_state(started.form.params), LessonState{});
        EXPECT_EQ(state_text(LessonState{}), "A=0c0&B=0c0&C=0c0&D=0c0&W=1c1&t=1&sa=1&sn=1");
    }
    std::mt19937_64 random(8);
    for (int n = 0; n < 12; ++n) {
        const LessonState state = random_lesson(random, 250, 12);
        LoadedForm clicked;
        click_to(clicked.form, state);
        ASSERT_EQ(lesson_state(clicked.form.params), state) << state_text(state);

        LoadedForm opened;
        open_in_state(opened.form, state);
        EXPECT_EQ(opened.form.params, clicked.form.params) << state_text(state);
        EXPECT_EQ(opened.label_texts(), clicked.label_texts()) << state_text(state);
        EXPECT_EQ(opened.pictures(), clicked.pictures()) << state_text(state);

        for (std::size_t i = 0; i < kComponentCount; ++i) {
            EXPECT_EQ(opened.switch_c[i].selected(), state.components[i].cosine);
            EXPECT_EQ(opened.switch_s[i].selected(), !state.components[i].cosine);
        }
        EXPECT_EQ(opened.Option9.selected(), state.reference.cosine);
        EXPECT_EQ(opened.Option10.selected(), !state.reference.cosine);
        for (std::size_t k = 0; k < kStepSizes.size(); ++k) {
            EXPECT_EQ(opened.step_a[k].selected(), kStepSizes[k] == state.step_a);
            EXPECT_EQ(opened.step_n[k].selected(), kStepSizes[k] == state.step_f);
        }
    }
}

}  // namespace
}  // namespace waves
