#include "web/page_translator.h"

#include <cstdlib>
#include <memory>

#include "web/page_bridge.h"

namespace waves {

std::string PageTranslator::translate(const char* context, const char* source) const {
    std::string key = std::string(context) + '\x04' + source;
    const auto kept = known_.find(key);
    if (kept != known_.end()) return kept->second;
    const std::unique_ptr<char, decltype(&std::free)> text(waves_page_translate(context, source), &std::free);
    std::string translated = text != nullptr ? std::string(text.get()) : std::string(source);
    known_.emplace(std::move(key), translated);
    return translated;
}

}  // namespace waves
