#include "web/page_lesson.h"

#include <cstdlib>
#include <utility>
#include <variant>

#include "core/app/lesson_state_text.h"
#include "web/page_bridge.h"

namespace waves {

namespace {

std::string fragment_text() {
    int length = 0;
    char* fragment = waves_page_fragment(&length);
    std::string text = fragment != nullptr ? std::string(fragment, static_cast<std::size_t>(length)) : "";
    std::free(fragment);
    return text;
}

}  // namespace

std::optional<LessonState> PageLesson::linked(const Translator& translator) const {
    const std::string text = fragment_text();
    if (text.empty()) {
        waves_page_refuse_state("");
        return std::nullopt;
    }
    const auto read = read_state_text(text);
    if (const auto* refusal = std::get_if<StateRefusal>(&read)) {
        const std::string reason = refusal_text(*refusal, translator.translate("LessonState", refusal->reason));
        waves_page_refuse_state(reason.c_str());
        return std::nullopt;
    }
    waves_page_refuse_state("");
    return std::get<LessonState>(read);
}

void PageLesson::keep(const Parameters& params) {
    std::string text = state_text(lesson_state(params));
    if (text == kept_) return;
    kept_ = std::move(text);
    waves_page_keep_state(kept_.c_str());
}

}  // namespace waves
