#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBlock>
#include <regex>
#include <set>
#include <tuple>

#include "core/error_messages.h"
#include "ui/chm_archive.h"
#include "ui/help_window.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// A record that claims more than is there ends the list; the contents keep
// their nesting and skip other objects.
TEST(HelpArchive, SystemRecordsAndContentsAreReadUpToDamage) {
    const std::string cut("\3\0\0\0\2\0\6\0a.htm\0\3\0\12\0Long tit", 26);
    EXPECT_EQ(ParseSystemRecords(cut), (decltype(ParseSystemRecords(cut)){{2, "a.htm"}}));
    const auto entries = ParseContents(R"(
        <OBJECT type="text/site properties"><param name="Window Styles" value="0x800025"></OBJECT>
        <UL><LI><OBJECT type="text/sitemap">
              <param name="Local" value="index.htm"><param name="Name" value="Start &amp; end">
          </OBJECT>
          <UL><LI><object TYPE='text/sitemap'><param name=Name value=Errors>
                <param name="Local" value="errors.htm#e300"></object>
            <LI><object type="text/sitemap"><param name="Local" value="nameless.htm"></object>
          </UL>
          <LI><object type="text/sitemap"><param name="Name" value="Last"></object>
        </UL>
        <object type="text/sitemap"><param name="Name" value="Unclosed")");
    const std::tuple<std::string, std::string, int> expected[] = {
        {"Start & end", "index.htm", 0}, {"Errors", "errors.htm#e300", 1}, {"Last", "", 0}};
    ASSERT_EQ(entries.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(std::tie(entries[i].Name, entries[i].Local, entries[i].Depth), expected[i]);
    EXPECT_EQ(NormalizeObjectPath("/./merging.htm"), "/merging.htm");
}

// The guide as built: its default topic, its contents, and no link in any
// page that leads nowhere inside the file.
TEST(HelpArchive, BuiltGuideOpensAndEveryLinkLandsInsideIt) {
    const auto archive = ChmArchive::Open(SWATHKIT_HELP_FILE);
    ASSERT_NE(archive, nullptr) << SWATHKIT_HELP_FILE;
    ASSERT_TRUE(archive->Read("/INDEX.HTM"));
    EXPECT_FALSE(archive->Read("/nothere.htm"));

    std::set<std::string> contents;
    for (const ContentsEntry& entry : archive->Contents()) contents.insert(entry.Local);
    for (const char* page :
         {"index.htm", "merging.htm", "window.htm", "backups.htm", "cardcopy.htm", "errors.htm"})
        EXPECT_TRUE(contents.count(page)) << page;

    const std::regex link(R"(href="([^"]*)\")", std::regex::icase);
    int links = 0;
    for (const std::string& object : archive->Objects()) {
        if (!object.ends_with(".htm"))
            continue;
        const std::string page = archive->Read(object).value_or("");
        for (std::sregex_iterator it(page.begin(), page.end(), link), end; it != end; ++it) {
            const std::string target = (*it)[1];
            const std::size_t hash = target.find('#');
            const std::string file = hash == 0 ? object : target.substr(0, hash);
            const auto linked = archive->Read(file);
            ++links;
            ASSERT_TRUE(linked) << object << " links to " << target;
            if (hash != std::string::npos) {
                const std::string anchor = "name=\"" + target.substr(hash + 1) + "\"";
                EXPECT_NE(linked->find(anchor), std::string::npos) << object << " -> " << target;
            }
        }
    }
    EXPECT_GT(links, 40);
}

TEST(HelpArchive, MissingGarbageAndDamagedFilesNeverCrash) {
    TempFolder folder;
    const auto file = folder.path() / "AB_Help.chm";
    EXPECT_EQ(ChmArchive::Open(file), nullptr);
    EXPECT_EQ(ChmArchive::Open(folder.path()), nullptr);
    WriteFile(file, std::string("ITSF") + std::string(200, '\xff'));
    EXPECT_EQ(ChmArchive::Open(file), nullptr);

    // Cut short at many places and scrambled in the middle: the archive
    // either refuses or answers every question without reading past what
    // is there.
    const std::string good = Bytes(SWATHKIT_HELP_FILE);
    ASSERT_GT(good.size(), 1000u);
    const auto survives = [&](const std::string& bytes) {
        WriteFile(file, bytes);
        if (const auto archive = ChmArchive::Open(file)) {
            (void)archive->Read(archive->DefaultTopic());
            (void)archive->Contents();
            for (const std::string& object : archive->Objects()) (void)archive->Read(object);
        }
    };
    const std::size_t n = good.size();
    for (std::size_t at : {std::size_t(0), std::size_t(4), std::size_t(60), std::size_t(400), n / 4,
                           n / 3, n / 2, n - 2000, n - 100}) {
        survives(good.substr(0, at));
        std::string scrambled = good;
        for (std::size_t i = at; i < at + 512 && i < n; ++i)
            scrambled[i] = char(scrambled[i] * 31 + 7);
        survives(scrambled);
    }
}

// The guide in its window.
// Clicks the link whose text is shown, as the operator would.
void ClickLink(QTextBrowser* browser, const QString& text) {
    const QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 2);
    const QPoint at = browser->cursorRect(inside).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

// A garbage file is not opened; "Help" in the real window opens the one
// beside the program, and a bad file after it leaves it showing.
TEST(HelpWindow, HelpOpensTheGuideBesideTheProgramAndFollowsItsLinks) {
    QtHelpViewer viewer;
    WindowHarness h;
    const auto garbage = h.work.path() / "garbage.chm";
    WriteFile(garbage, "ITSF and then nothing a help file holds");
    EXPECT_FALSE(viewer.Open(garbage.string()));
    EXPECT_EQ(viewer.Window(), nullptr);
    h.setup.ProgramFolder = std::filesystem::path(SWATHKIT_HELP_FILE).parent_path();
    h.setup.Help = &viewer;
    h.Open();
    h.Trigger("mnuHelp");
    HelpWindow* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_EQ(window->windowTitle(), "Swathkit Help");
    ChmBrowser* browser = window->Browser();
    EXPECT_EQ(browser->source(), QUrl("chm:/index.htm"));
    // The style sheet came out of the file too: headings take its colour.
    EXPECT_EQ(browser->document()->firstBlock().charFormat().foreground().color(),
              QColor("#2f5d2f"));

    window->resize(900, 700);
    QApplication::processEvents();
    ClickLink(browser, "Merging several cards, step by step");
    EXPECT_EQ(browser->source(), QUrl("chm:/merging.htm"));
    EXPECT_TRUE(browser->toPlainText().contains("Move card A's passes into the Temporary Card"));

    // A link with a fragment inside a page of another name.
    ClickLink(browser, "Error 300-1");
    EXPECT_EQ(browser->source(), QUrl("chm:/errors.htm#e300"));
    // Two blanks in a message are the program's own and must survive HTML.
    EXPECT_TRUE(browser->toPlainText().contains(kMasterCopySaveFailed.Prompt.English().c_str()))
        << browser->toPlainText().toStdString();

    const auto backups = window->Contents()->findItems("Backups and master copies",
                                                       Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(backups[0]->parent()->text(0), "Swathkit Help");
    window->Contents()->itemClicked(backups[0], 0);
    EXPECT_EQ(browser->source(), QUrl("chm:/backups.htm"));

    // A page the file lacks says so in the window instead of showing nothing.
    browser->setSource(ChmUrl("gone.htm"));
    EXPECT_TRUE(browser->toPlainText().contains("The help file has no readable page /gone.htm"));

    // Opened again it starts over at the default topic, in the same window.
    h.Trigger("mnuHelp");
    EXPECT_EQ(viewer.Window(), window);
    EXPECT_EQ(browser->source(), QUrl("chm:/index.htm"));
    EXPECT_FALSE(browser->isBackwardAvailable());
    EXPECT_FALSE(viewer.Open(garbage.string()));
    EXPECT_EQ(browser->source(), QUrl("chm:/index.htm"));
}

}  // namespace
}  // namespace swathkit
