// The lesson in the page's address: the URL fragment holds the lesson's
// text (core/app/lesson_state_text.h).
//
// linked() reads the lesson the fragment names, or has the page say in one
// sentence, in its language, why it cannot open it; keep() writes the
// window's lesson into the fragment whenever it differs from what it last
// wrote, without a history entry.
#pragma once

#include <optional>
#include <string>

#include "core/app/lesson_state.h"
#include "layout/translator.h"

namespace waves {

class PageLesson {
public:
    // The lesson the URL fragment names; none where the fragment is empty
    // or refused (the page then shows why, and hides an earlier refusal
    // otherwise).
    std::optional<LessonState> linked(const Translator& translator) const;

    void keep(const Parameters& params);
    // The fragment was changed from outside: the next keep() writes again.
    void forget() { kept_.clear(); }

private:
    std::string kept_;  // the lesson as last written into the fragment
};

}  // namespace waves
