#pragma once

#include <QString>

class QCoreApplication;

// The language the librarian speaks. The window takes it from Settings, where "System" (the stored index 0) and
// the command line follow the environment: LANGUAGE (a colon list, the first supported entry wins, whatever LANG
// says), then the first of LC_ALL, LC_MESSAGES and LANG that is set. Anything unsupported is English.
namespace Language {
// The languages Settings offers after "System", in the order of its list (stored index 1 on), each named in its
// own language.
struct Choice
{
    const char* code;
    const char* name; // UTF-8
};
constexpr Choice Choices[] = {
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\xC3\xA7"
           "ais"},
    {"es", "Espa\xC3\xB1ol"},
    {"ja", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
};
constexpr int ChoiceCount = static_cast<int>(sizeof(Choices) / sizeof(Choices[0]));

// The language code the environment asks for: "en", "de", "fr", "es", "ja", or "pseudo" (every text marked and
// lengthened, so that a text left out of the translation, or one that does not fit, shows).
QString fromEnvironment();
// The language of a stored Settings index: 0 (or an index no longer offered) follows the environment.
QString fromSetting(int index);
// Installs our translation and Qt's own for that language on the application, in place of those installed before;
// English installs nothing. False when our translation is missing (the texts stay English). Texts made earlier
// keep their language: call it before the first text is made.
bool install(QCoreApplication* pApp, const QString& code);
} // namespace Language
