// Texts that a front end shows in the user's language.
//
// QT_TRANSLATE_NOOP(context, text) marks a source text where it is written,
// so that Qt's lupdate finds it for the translation file; the text itself is
// the English one and is what the program uses where nothing translates it.
// Both front ends translate a marked text by its context and source text
// (the desktop with Qt's translator, the web page with the same
// translations built into it) and then fill in its place holders.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace waves {

// text with each place holder %1 .. %9 replaced by the argument of that
// number, as Qt's QString::arg does; a place holder without an argument
// stays as it is.
std::string fill_in(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace waves
