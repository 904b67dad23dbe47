// The program's texts in the user's language: installs the translation
// built into the program (from translations/*.ts, compiled by lrelease) for
// the first of the system's UI languages it has (QLocale::system(), which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG); English where it has
// none. Nothing is looked up on disk: the translations are resources of the
// program.
#pragma once

class QCoreApplication;
class QTranslator;

namespace waves {

// Loads the translation for the system's UI language into translator;
// false where the program has none. Needs no application object, so the
// messages of start-up can be translated before there is one.
bool load_translation(QTranslator& translator);

void install_translations(QCoreApplication& application);

}  // namespace waves
