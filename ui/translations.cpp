#include "ui/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace waves {

bool load_translation(QTranslator& translator) {
    return translator.load(QLocale::system(), QStringLiteral("waves"), QStringLiteral("_"), QStringLiteral(":/i18n"));
}

void install_translations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (load_translation(*translator)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace waves
