// libFuzzer's entry point: every input is a lesson text, read and, where it
// is accepted, opened in a window of recorders; a broken promise
// (tests/support/lesson_text_promises.h) is reported and stops the run as a
// crash would, so that libFuzzer keeps the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/support/lesson_text_promises.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string broken =
        waves::testing::broken_lesson_text_promise({reinterpret_cast<const char*>(data), size});
    if (!broken.empty()) {
        std::fprintf(stderr, "lesson text: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
