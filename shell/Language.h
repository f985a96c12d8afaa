#pragma once
// The program in the user's language: its own translation and Qt's (the
// texts of Qt's dialogs and of the command line's parser), loaded at start
// for the first of the user's languages that the program ships. Only that
// language's two files are read; English needs none.
//
// The language follows LANGUAGE (a list, "de:fr"), then LC_ALL, LC_MESSAGES
// and LANG, as QLocale::system().uiLanguages() reads them; as with GNU
// gettext, LANGUAGE counts only when the locale is not "C" or "POSIX".
#include <QString>
#include <QStringList>

namespace shell {

// The shipped languages as their files name them: "de", "pt_BR", "zh_CN", ...
QStringList shippedLanguages();

// The shipped language that serves the user's languages, taken in order
// (QLocale::uiLanguages() form: "de-DE", "pt-BR", "zh-Hans-CN", or
// "de_DE.UTF-8"): the first that matches one with its territory ("pt_BR"),
// by its language alone ("de" for "de-AT") or as a variant in the same
// script ("pt_BR" for "pt-PT", "zh_CN" for "zh-SG", never for "zh-TW").
// "" stands for English: English asked for first, no match, "C", or a
// name that is no language ("xx_YY").
QString chooseLanguage(const QStringList &uiLanguages, const QStringList &shipped = shippedLanguages());

// The languages the user's environment asks for, in order (see above).
QStringList userLanguages();

// Where the program's own translation of a language lies: beside the
// program (<program folder>/translations/dealwright_<language>.qm, as the
// build tree has it), else where the package installs it (<program
// folder>/../../share/locale/<language>/LC_MESSAGES/dealwright.qm).
QString programTranslationFile(const QString &language);
// Qt's own: <Qt's translations>/qtbase_<language>.qm.
QString qtTranslationFile(const QString &language);

// Loads both files of `language` ("" for English: none) in place of any
// loaded before. A file that is missing, cut short or damaged is left out,
// so that its part stays English; each such file gives one line of the
// returned problems.
QStringList loadLanguage(const QString &language);
// The language loaded ("" for English).
QString loadedLanguage();

// Puts the loaded translations into force in the application object
// (those of an earlier language go) and, in a graphical application, sets
// the layout direction that the program's own translation asks for: right
// to left for Arabic, left to right otherwise. Without a language the
// direction is left as Qt has it (English, or Qt's -reverse).
void installLanguage();

// At start, before the application object exists: loads the user's
// language and writes each problem to standard error as one line.
// installLanguage() follows once the application object exists.
void loadUserLanguage();

// A text in the loaded language while no application object exists yet
// (for what is said while it is being made).
QString translateEarly(const char *context, const char *source);

} // namespace shell
