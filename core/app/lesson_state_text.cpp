#include "core/app/lesson_state_text.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/model/number_text.h"
#include "core/model/translatable.h"

namespace waves {
namespace {

constexpr std::array<std::string_view, kComponentCount> kComponentKeys{"A", "B", "C", "D"};

// Larger than every limit, and far from overflowing when multiplied by 10.
constexpr std::int64_t kHuge = 1'000'000'000'000'000;

std::string wave_text(std::string_view key, const WaveSetting& wave) {
    return std::string(key) + "=" + tenths_text(wave.amplitude) + (wave.cosine ? "c" : "s") +
           tenths_text(wave.frequency);
}

std::string shown(std::string_view text) {
    std::string safe(text);
    std::replace_if(safe.begin(), safe.end(), [](char c) { return c < 0x20 || c > 0x7e; }, '?');
    return safe;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A number as written in a lesson: an optional '-', digits, and optionally
// '.' and more digits.
struct Number {
    enum class Form { tenths, not_tenths, malformed } form = Form::malformed;
    std::int64_t tenths = 0;  // kHuge or more where the number is larger
};

Number read_number(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    const bool digits_only = std::all_of(whole.begin(), whole.end(), is_digit) &&
                             std::all_of(fraction.begin(), fraction.end(), is_digit);
    if (whole.empty() || !digits_only || (point != std::string_view::npos && fraction.empty())) return {};
    std::int64_t tenths = 0;
    for (const char digit : whole) tenths = std::min(kHuge, tenths * 10 + (digit - '0'));
    tenths = std::min(kHuge, tenths * 10 + (fraction.empty() ? 0 : fraction.front() - '0'));
    if (fraction.size() > 1 && fraction.find_first_not_of('0', 1) != std::string_view::npos) {
        return {Number::Form::not_tenths};
    }
    return {Number::Form::tenths, negative ? -tenths : tenths};
}

// Reads one key's value into the lesson, or says why not.
class ValueReader {
public:
    ValueReader(std::string_view key, std::string_view value) : key_(key), value_(value) {}

    std::optional<StateRefusal> wave(WaveSetting& wave, std::int64_t frequency_limit,
                                     const char* frequency_too_high) const {
        const std::size_t letter = value_.find_first_of("cs");
        if (letter == std::string_view::npos) return malformed_wave();
        const Number amplitude = read_number(value_.substr(0, letter));
        const Number frequency = read_number(value_.substr(letter + 1));
        if (amplitude.form == Number::Form::malformed || frequency.form == Number::Form::malformed) {
            return malformed_wave();
        }
        if (amplitude.form == Number::Form::not_tenths) return not_tenths(value_.substr(0, letter));
        if (frequency.form == Number::Form::not_tenths) return not_tenths(value_.substr(letter + 1));
        if (amplitude.tenths < 0) {
            return refuse(QT_TRANSLATE_NOOP("LessonState", "%1=%2: the amplitude is below 0."));
        }
        if (amplitude.tenths > kAmplitudeLimit) {
            return refuse(QT_TRANSLATE_NOOP("LessonState", "%1=%2: the amplitude is above 10.9."));
        }
        if (frequency.tenths < 0) {
            return refuse(QT_TRANSLATE_NOOP("LessonState", "%1=%2: the frequency is below 0."));
        }
        if (frequency.tenths > frequency_limit) return refuse(frequency_too_high);
        wave = {amplitude.tenths, value_[letter] == 'c', frequency.tenths};
        return std::nullopt;
    }

    std::optional<StateRefusal> span(std::int64_t& t_span) const {
        const Number span = read_number(value_);
        if (span.form != Number::Form::tenths || span.tenths % 10 != 0 || span.tenths < 10 ||
            span.tenths > kSpanLimit * 10) {
            return refuse(QT_TRANSLATE_NOOP("LessonState",
                                            "%1=%2: the span must be a whole number of periods from 1 to 16777216."));
        }
        t_span = span.tenths / 10;
        return std::nullopt;
    }

    std::optional<StateRefusal> step(std::int64_t& step) const {
        const Number size = read_number(value_);
        const bool offered = size.form == Number::Form::tenths &&
                             std::find(kStepSizes.begin(), kStepSizes.end(), size.tenths) != kStepSizes.end();
        if (!offered) return refuse(QT_TRANSLATE_NOOP("LessonState", "%1=%2: the step must be 1, 0.5, 0.2 or 0.1."));
        step = size.tenths;
        return std::nullopt;
    }

    std::optional<StateRefusal> switch_value(bool& on) const {
        if (value_ != "0" && value_ != "1") {
            return refuse(QT_TRANSLATE_NOOP("LessonState", "%1=%2: the means are off with 0 and on with 1."));
        }
        on = value_ == "1";
        return std::nullopt;
    }

private:
    StateRefusal refuse(const char* reason) const { return {reason, {shown(key_), shown(value_)}}; }

    StateRefusal malformed_wave() const {
        return refuse(QT_TRANSLATE_NOOP("LessonState",
                                        "%1=%2 is not an amplitude, c or s, and a frequency, as in %1=3c1."));
    }

    StateRefusal not_tenths(std::string_view number) const {
        StateRefusal refusal = refuse(QT_TRANSLATE_NOOP("LessonState", "%1=%2: %3 is not a whole number of tenths."));
        refusal.arguments.push_back(shown(number));
        return refusal;
    }

    std::string_view key_;
    std::string_view value_;
};

std::optional<StateRefusal> read_pair(std::string_view key, std::string_view value, LessonState& state) {
    const ValueReader reader(key, value);
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        if (key == kComponentKeys[i]) {
            return reader.wave(state.components[i], kComponentFrequencyLimit,
                               QT_TRANSLATE_NOOP("LessonState", "%1=%2: the frequency is above 1000000000."));
        }
    }
    if (key == "W") {
        return reader.wave(state.reference, kReferenceFrequencyLimit,
                           QT_TRANSLATE_NOOP("LessonState", "%1=%2: the frequency of W is above 10.9."));
    }
    if (key == "t") return reader.span(state.t_span);
    if (key == "sa") return reader.step(state.step_a);
    if (key == "sn") return reader.step(state.step_f);
    if (key == "m") return reader.switch_value(state.means);
    return StateRefusal{QT_TRANSLATE_NOOP("LessonState",
                                          "'%1' is not a key of a lesson: A, B, C, D, W, t, sa, sn or m."),
                        {shown(key)}};
}

}  // namespace

std::string refusal_text(const StateRefusal& refusal, std::string_view translated_reason) {
    const std::vector<std::string>& a = refusal.arguments;
    switch (a.size()) {
        case 0: return std::string(translated_reason);
        case 1: return fill_in(translated_reason, {a[0]});
        case 2: return fill_in(translated_reason, {a[0], a[1]});
        default: return fill_in(translated_reason, {a[0], a[1], a[2]});
    }
}

std::string state_text(const LessonState& state) {
    std::string text;
    for (std::size_t i = 0; i < kComponentCount; ++i) {
        text += wave_text(kComponentKeys[i], state.components[i]) + "&";
    }
    return text + wave_text("W", state.reference) + "&t=" + std::to_string(state.t_span) +
           "&sa=" + tenths_text(state.step_a) + "&sn=" + tenths_text(state.step_f) + (state.means ? "&m=1" : "");
}

std::variant<LessonState, StateRefusal> read_state_text(std::string_view text) {
    if (!text.empty() && text.front() == '#') text.remove_prefix(1);
    if (text.size() > kStateTextLimit) {
        return StateRefusal{QT_TRANSLATE_NOOP("LessonState", "The text is longer than %1 characters."),
                            {std::to_string(kStateTextLimit)}};
    }
    LessonState state;
    if (text.empty()) return state;
    std::vector<std::string_view> seen;
    while (true) {
        const std::size_t end = text.find('&');
        const std::string_view pair = text.substr(0, end);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            return StateRefusal{QT_TRANSLATE_NOOP("LessonState", "'%1' is not of the form key=value."), {shown(pair)}};
        }
        const std::string_view key = pair.substr(0, equals);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            return StateRefusal{QT_TRANSLATE_NOOP("LessonState", "%1 is given twice."), {shown(key)}};
        }
        seen.push_back(key);
        if (auto refusal = read_pair(key, pair.substr(equals + 1), state)) return *std::move(refusal);
        if (end == std::string_view::npos) return state;
        text.remove_prefix(end + 1);
    }
}

}  // namespace waves
