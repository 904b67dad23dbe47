// The web page's translator: the translations built into the page (from
// the program's translation file) for the language the browser asks for
// first, of those the page has; English where it has none.
//
// The page's language is chosen once, before the program starts, so each
// text is asked of the page once and kept: the graphs' descriptions and
// captions, put together again after every event, cost no call into the
// page's script.
#pragma once

#include <string>
#include <unordered_map>

#include "layout/translator.h"

namespace waves {

class PageTranslator final : public Translator {
public:
    std::string translate(const char* context, const char* source) const override;

private:
    // By context, a separator no text holds, and source.
    mutable std::unordered_map<std::string, std::string> known_;
};

}  // namespace waves
