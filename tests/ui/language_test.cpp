// The translations: every text the program shows is translated in every
// language it offers, keeps the values its English puts in, and reaches the
// window.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "core/work_folder.h"
#include "support/fakes.h"
#include "ui/language.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

#ifdef SWATHKIT_FRESH_TS
struct Entry {
    QString Context, Source, Translation, Type, Location;
};

// The entries of a .ts file as lupdate left it after reading today's sources.
std::vector<Entry> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context, filed;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.push_back({context, {}, {}, {}, {}});
        } else if (xml.name() == u"location" && !entries.empty()) {
            // lupdate names the file only where it changes.
            if (xml.attributes().hasAttribute("filename"))
                filed = xml.attributes().value("filename").toString();
            entries.back().Location = filed;
        } else if (xml.name() == u"source" && !entries.empty()) {
            entries.back().Source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.name() == u"translation" && !entries.empty()) {
            entries.back().Type = xml.attributes().value("type").toString();
            entries.back().Translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

// The values a text puts in, sorted: "%1 %2".
std::string Placeholders(const QString& text) {
    static const QRegularExpression placeholder("%[1-9]");
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
    found.sort();
    return found.join(' ').toStdString();
}

// One '&' marks the mnemonic; "&&" is an ampersand.
int Mnemonics(QString text) {
    return static_cast<int>(text.remove(QStringLiteral("&&")).count(QLatin1Char('&')));
}

TEST(Languages, EveryTextIsTranslatedWithItsValuesAndMnemonicInEveryLanguage) {
    for (const Language& language : Languages()) {
        if (language.Code == "en")
            continue;
        const std::vector<Entry> entries =
            ReadTs(QStringLiteral(SWATHKIT_FRESH_TS "/swathkit_%1.ts").arg(language.Code));
        EXPECT_GT(entries.size(), 100u) << language.Code.toStdString();
        for (const Entry& entry : entries) {
            const std::string where =
                language.Code.toStdString() + " [" + entry.Context.toStdString() + "] \"" +
                entry.Source.toStdString() + "\" -> \"" + entry.Translation.toStdString() + "\"";
            // Unfinished: a new text or one changed since it was translated;
            // vanished or obsolete: a text no longer in the program.
            EXPECT_TRUE(entry.Type.isEmpty() && !entry.Translation.isEmpty())
                << where << " is " << entry.Type.toStdString();
            EXPECT_EQ(Placeholders(entry.Source), Placeholders(entry.Translation)) << where;
            EXPECT_EQ(Mnemonics(entry.Source) > 0, Mnemonics(entry.Translation) == 1) << where;
            // The window looks the logic's words up under one context.
            EXPECT_TRUE(entry.Context == "swathkit" || entry.Location.contains("src/ui/"))
                << where << " is filed under a context the window never asks";
        }
    }
}
#endif

TEST(Languages, StartsInTheChoiceKeptElseTheSystemsElseEnglish) {
    EXPECT_EQ(StartLanguage("pl", {"de-DE"}), "pl");
    EXPECT_EQ(StartLanguage("xx", {"de-AT", "fr-FR"}), "de");
    EXPECT_EQ(StartLanguage(std::nullopt, {"ja-JP", "pt-BR"}), "pt_BR");
    EXPECT_EQ(StartLanguage(std::nullopt, {"pt-PT"}), "pt_BR");
    EXPECT_EQ(StartLanguage(std::nullopt, {"ja-JP"}), "en");

    testing::TempFolder work;
    EXPECT_TRUE(WriteLanguageChoice(work.path(), RealFiles(), "nl"));
    EXPECT_EQ(ReadLanguageChoice(work.path(), RealFiles()), "nl");
    testing::WriteFile(LanguageFile(work.path()), "garbage\n");
    EXPECT_EQ(ReadLanguageChoice(work.path(), RealFiles()), std::nullopt);
}

// Options > Language takes the language at once and keeps it for the next
// start; a work folder that cannot keep it says why.
TEST(Languages, TheChoiceUnderOptionsIsTakenAndKeptForTheNextStart) {
    testing::WindowHarness h;
    h.setup.Ask = &h.dialogs;
    h.Open();
    const auto choose = [&h](const char* code) {
        h.dialogs.ExpectTitle("Language", Answer::Ok);
        h.Trigger(("mnuLanguage_" + std::string(code)).c_str());
        return h.dialogs.shown.back();
    };
    EXPECT_TRUE(choose("nl").Details.empty());
    EXPECT_EQ(LanguageInUse(), "nl");
    EXPECT_EQ(ReadLanguageChoice(h.setup.WorkFolder, RealFiles()), "nl");

    fs::remove_all(h.setup.WorkFolder);
    testing::WriteFile(h.setup.WorkFolder, "a file where the work folder belongs");
    EXPECT_FALSE(choose("pl").Details.empty());
    EXPECT_EQ(LanguageInUse(), "pl");
    UseLanguage("en");
}

}  // namespace
}  // namespace swathkit
