#include "ui/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace swathkit {

namespace {

// The context the translation tool files every SAY(...) of the logic under.
constexpr const char* kLogicContext = "swathkit";

QString& InUse() {
    static QString code = QStringLiteral("en");
    return code;
}

std::unique_ptr<QTranslator>& Installed(int which) {
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

}  // namespace

QString Tr(const Words& words) {
    QString text = QCoreApplication::translate(kLogicContext, words.Pattern.c_str());
    if (!words.Values.empty()) {
        std::vector<std::string> values;
        values.reserve(words.Values.size());
        for (const Words& value : words.Values) values.push_back(Tr(value).toStdString());
        text = QString::fromStdString(Fill(text.toStdString(), values));
    }
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages{
        {"en", "English"},
        {"de", "Deutsch"},
        {"fr", "Français"},
        {"es", "Español"},
        {"pt_BR", "Português (Brasil)"},
        {"pl", "Polski"},
        {"it", "Italiano"},
        {"nl", "Nederlands"},
    };
    return languages;
}

QString StartLanguage(const std::optional<std::string>& chosen,
                      const QStringList& systemLanguages) {
    const auto have = [](const QString& code) {
        for (const Language& language : Languages())
            if (language.Code == code)
                return true;
        return false;
    };
    if (chosen && have(QString::fromStdString(*chosen)))
        return QString::fromStdString(*chosen);
    // The system names its languages as "pt-BR" or "de-AT": the whole name
    // first, then the language alone.
    for (QString system : systemLanguages) {
        system.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (have(system))
            return system;
        if (const QString alone = system.section(QLatin1Char('_'), 0, 0); have(alone))
            return alone;
    }
    // No exact match: the same language as spoken elsewhere ("pt" for
    // "pt_BR") still reads better than English.
    for (const QString& system : systemLanguages)
        for (const Language& language : Languages())
            if (language.Code.section(QLatin1Char('_'), 0, 0) ==
                system.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0))
                return language.Code;
    return QStringLiteral("en");
}

void UseLanguage(const QString& code) {
    for (int which : {0, 1}) {
        if (Installed(which))
            QCoreApplication::removeTranslator(Installed(which).get());
        Installed(which).reset();
    }
    InUse() = QStringLiteral("en");
    if (code == QStringLiteral("en"))
        return;
    // Ours, and Qt's own for the buttons and boxes it draws.
    const QString files[2] = {QStringLiteral(":/translations/swathkit_%1.qm").arg(code),
                              QStringLiteral(":/translations/qtbase_%1.qm").arg(code)};
    for (int which : {0, 1}) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(files[which]))
            continue;
        QCoreApplication::installTranslator(translator.get());
        Installed(which) = std::move(translator);
    }
    if (Installed(0))
        InUse() = code;
}

QString LanguageInUse() {
    return InUse();
}

}  // namespace swathkit
