#include "web/page_translator.h"

#include <cstdlib>
#include <memory>

#include "web/page_bridge.h"

namespace waves {

std::string PageTranslator::translate(const char* context, const char* source) const {
    const std::unique_ptr<char, decltype(&std::free)> text(waves_page_translate(context, source), &std::free);
    return text != nullptr ? std::string(text.get()) : std::string(source);
}

}  // namespace waves
