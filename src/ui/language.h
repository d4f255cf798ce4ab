#pragma once
// The operator's language: the translations built into the program, the
// choice kept in the work folder, and the logic's words shown in it.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "core/words.h"

namespace swathkit {

// A text of the logic in the language in use, its CR LF turned into the
// new lines Qt shows.
QString Tr(const Words& words);

// A language the window can be shown in: its code, as the translation files
// are named, and its name in itself, as the Options menu offers it.
struct Language {
    QString Code;
    QString Name;
};

// English first, then every translation built into the program.
const std::vector<Language>& Languages();

// The language to start in: the operator's choice when it is one we have,
// else the first of the system's languages we have, else English.
QString StartLanguage(const std::optional<std::string>& chosen, const QStringList& systemLanguages);

// Shows the program, and Qt's own boxes and buttons, in that language from
// now on; English for a code we do not have.
void UseLanguage(const QString& code);
QString LanguageInUse();

}  // namespace swathkit
