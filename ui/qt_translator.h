// The desktop's translator: Qt's, with whatever translation the program
// installed at start-up for the user's language (English where none).
#pragma once

#include <QCoreApplication>

#include "layout/translator.h"

namespace waves {

class QtTranslator final : public Translator {
public:
    std::string translate(const char* context, const char* source) const override {
        return QCoreApplication::translate(context, source).toStdString();
    }
};

}  // namespace waves
