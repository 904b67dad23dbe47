// The web page's translator: the translations built into the page (from
// the program's translation file) for the language the browser asks for
// first, of those the page has; English where it has none.
#pragma once

#include "layout/translator.h"

namespace waves {

class PageTranslator final : public Translator {
public:
    std::string translate(const char* context, const char* source) const override;
};

}  // namespace waves
