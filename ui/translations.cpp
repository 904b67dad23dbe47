#include "ui/translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

void install_translations(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale::system(), QStringLiteral("waves"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
