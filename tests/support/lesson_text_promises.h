// What the lesson text's reader promises on any input whatever, as one
// check that the fuzzer (tests/fuzz, ./scripts/fuzz) runs on every input it
// makes and core_tests runs on every input that ever broke a promise:
//
//   - a text is refused for its length exactly when it is longer than
//     kStateTextLimit (a leading '#' not counted);
//   - an accepted text holds a lesson clicks can reach; a window opened in
//     it shows that lesson, and the text the program writes of that window
//     is within the limit and reads as the same lesson again;
//   - a refused text gets one sentence, ending in a full stop, of printable
//     ASCII only, whose pieces of the text show every character outside
//     printable ASCII as '?'.
//
// Crashes, leaks, undefined behaviour and hangs are for the sanitizers and
// the fuzzer to see.
#pragma once

#include <string>
#include <string_view>

namespace waves::testing {

// The first promise that reading text breaks, in words, with the text
// written in C escapes; empty when it keeps them all.
std::string broken_lesson_text_promise(std::string_view text);

}  // namespace waves::testing
