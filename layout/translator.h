// How a front end puts a marked text (core/model/translatable.h) into the user's
// language: the desktop asks Qt's translator, the web page the translations
// built into it, and both come from the one translation file.
#pragma once

#include <string>

namespace waves {

class Translator {
public:
    virtual ~Translator() = default;
    // The text for source in context; source itself where there is none.
    virtual std::string translate(const char* context, const char* source) const = 0;
};

// English: every text as it is written in the program.
class SourceTexts final : public Translator {
public:
    std::string translate(const char*, const char* source) const override { return source; }
};

}  // namespace waves
