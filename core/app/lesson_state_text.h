// A lesson (lesson_state.h) as a short text, for a link's fragment and the
// desktop's --state:
//
//     A=3c1&B=2s3&C=0c0&D=0c0&W=1c1&t=2&sa=1&sn=0.5
//
//   A, B, C, D, W   amplitude, c (cos) or s (sin), frequency: "2s3" is
//                   2 sin(3 x); numbers in units with at most one decimal
//                   that is not 0 ("0.5", "10.9", "12"), as the labels show;
//   t               the span, a whole number of periods;
//   sa, sn          the steps of "step a" and "step n": 1, 0.5, 0.2 or 0.1;
//   m               1: the means drawn over A'..D' and E' (key M); 0: not.
//
// state_text writes every key, in this order, but m only as "m=1" when the
// means are drawn, so a lesson without them reads as it always did. read_state_text accepts the
// keys in any order, each at most once; a key left out keeps its value at
// start-up, so "" is the window as it starts. A leading '#' is skipped. A
// number may carry trailing zeros ("3.50") but must be a whole number of
// tenths. Reading what state_text wrote gives the same lesson back.
//
// Anything clicks could not reach is refused, with the reason in one
// sentence: an unknown, repeated or malformed key, a number that is not
// whole tenths, a value out of its range, a step that is not one of the
// four, an m other than 0 or 1, a text longer than kStateTextLimit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/app/lesson_state.h"

namespace waves {

inline constexpr std::size_t kStateTextLimit = 256;

// Why a text was refused: a marked text (context "LessonState", place
// holders %1..) and what fills them in. The arguments are pieces of the
// refused text with every character outside printable ASCII shown as '?',
// so they are safe to print on a terminal; a page still sets them as text.
struct StateRefusal {
    const char* reason = nullptr;
    std::vector<std::string> arguments;
};

// The reason in the user's language (reason itself, or its translation)
// with the place holders filled in.
std::string refusal_text(const StateRefusal& refusal, std::string_view translated_reason);

std::string state_text(const LessonState& state);
std::variant<LessonState, StateRefusal> read_state_text(std::string_view text);

}  // namespace waves
