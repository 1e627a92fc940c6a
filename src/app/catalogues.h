#pragma once

#include <QString>
#include <QStringList>

namespace rods {

// The languages the program speaks besides English, by their codes ("de",
// "ar"), as built into it.
[[nodiscard]] QStringList builtInLanguages();

// The language a code asks for, as the program speaks it: "de" for "de",
// "de_AT" or "de-AT", "en" for English; nothing for one it does not speak.
[[nodiscard]] QString spokenLanguage(const QString& code);

// The language to speak: the one --language asks for among `arguments`, else
// the first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG,
// as the system locale reads them) that the program speaks, else English.
// Nothing when --language names a language the program does not speak.
[[nodiscard]] QString chooseLanguage(const QStringList& arguments);

// The one line that refuses the language --language names among
// `arguments`, which the program does not speak.
[[nodiscard]] QString unknownLanguageMessage(const QStringList& arguments);

// Loads the program's catalogue of `language` and makes every word marked
// from now on come from it (core/words.h): before the application object,
// so that --help speaks the language too. Nothing is loaded for English.
void loadWords(const QString& language);

// Once the application object is made: the toolkit's own words (the
// buttons and words of its dialogs) in `language`, from Qt's catalogue where
// installed, and the layout direction the language reads in.
void loadToolkitWords(const QString& language);

} // namespace rods
