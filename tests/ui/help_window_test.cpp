#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>
#include <fstream>

#include "core/master_copy.h"
#include "support/fakes.h"
#include "ui/help_window.h"
#include "ui/main_window.h"

namespace swathkit {
namespace {

using namespace testing;

// Clicks the link whose text is shown, as the operator would.
void ClickLink(QTextBrowser* browser, const QString& text) {
    const QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 2);
    const QPoint at = browser->cursorRect(inside).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
}

QTreeWidgetItem* ContentsItem(QTreeWidget* contents, const QString& name) {
    const auto found = contents->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

TEST(HelpWindow, ShowsTheDefaultTopicAndFollowsItsLinks) {
    QtHelpViewer viewer;
    ASSERT_TRUE(viewer.Open(SWATHKIT_HELP_FILE));
    HelpWindow* window = viewer.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Swathkit Help");
    ChmBrowser* browser = window->Browser();
    EXPECT_EQ(browser->source(), QUrl("chm:/index.htm"));
    EXPECT_EQ(browser->document()->firstBlock().text(), "Swathkit Help");
    EXPECT_TRUE(browser->toPlainText().contains("What Swathkit is for"));
    // The style sheet came out of the file too: headings take its colour.
    EXPECT_EQ(browser->document()->firstBlock().charFormat().foreground().color(),
              QColor("#2f5d2f"));

    window->resize(900, 700);
    QApplication::processEvents();
    ClickLink(browser, "Merging several cards, step by step");
    EXPECT_EQ(browser->source(), QUrl("chm:/merging.htm"));
    EXPECT_TRUE(browser->toPlainText().contains("Move card A's passes into the Temporary Card"));
    EXPECT_TRUE(browser->isBackwardAvailable());

    // A link with a fragment inside a page of another name.
    ClickLink(browser, "Error 300-1");
    EXPECT_EQ(browser->source(), QUrl("chm:/errors.htm#e300"));
    EXPECT_TRUE(browser->toPlainText().contains("There was an error reading this drive."));
    // Two blanks in a message are the program's own and must survive HTML.
    EXPECT_TRUE(browser->toPlainText().contains(kMasterCopyError))
        << browser->toPlainText().toStdString();

    QTreeWidget* contents = window->Contents();
    QTreeWidgetItem* backups = ContentsItem(contents, "Backups and master copies");
    ASSERT_NE(backups, nullptr);
    EXPECT_EQ(backups->parent(), ContentsItem(contents, "Swathkit Help"));
    contents->itemClicked(backups, 0);
    EXPECT_EQ(browser->source(), QUrl("chm:/backups.htm"));
    EXPECT_TRUE(browser->toPlainText().contains("Backup\\mmddyyyy\\n"));
    EXPECT_EQ(contents->currentItem(), backups);

    // A page the file lacks says so in the window instead of showing nothing.
    browser->setSource(ChmUrl("gone.htm"));
    EXPECT_TRUE(browser->toPlainText().contains("The help file has no readable page /gone.htm"));

    // Opened again it starts over at the default topic, in the same window.
    ASSERT_TRUE(viewer.Open(SWATHKIT_HELP_FILE));
    EXPECT_EQ(viewer.Window(), window);
    EXPECT_EQ(browser->source(), QUrl("chm:/index.htm"));
    EXPECT_FALSE(browser->isBackwardAvailable());
}

TEST(HelpWindow, MissingOrGarbageFilesAreNotOpened) {
    TempFolder folder;
    QtHelpViewer viewer;
    EXPECT_FALSE(viewer.Open((folder.path() / "AB_Help.chm").string()));
    EXPECT_EQ(viewer.Window(), nullptr);
    const auto garbage = folder.path() / "garbage.chm";
    std::ofstream(garbage, std::ios::binary) << "ITSF and then nothing a help file holds";
    EXPECT_FALSE(viewer.Open(garbage.string()));
    EXPECT_TRUE(viewer.Window() == nullptr || !viewer.Window()->isVisible());

    // A bad file after a good one leaves the good one showing.
    ASSERT_TRUE(viewer.Open(SWATHKIT_HELP_FILE));
    EXPECT_FALSE(viewer.Open(garbage.string()));
    EXPECT_EQ(viewer.Window()->Browser()->source(), QUrl("chm:/index.htm"));
}

// "Help" in the real window, with the file beside the program and with a
// damaged one.
TEST(HelpWindow, HelpMenuOpensTheFileBesideTheProgram) {
    TempFolder work;
    ScriptedDialogs dialogs;
    QtHelpViewer viewer;
    WindowSetup setup;
    setup.WorkFolder = work.path() / "Swathkit";
    setup.ProgramFolder = std::filesystem::path(SWATHKIT_HELP_FILE).parent_path();
    setup.Ask = &dialogs;
    setup.Help = &viewer;
    setup.Drives = [] { return DriveList{{"/"}, 0}; };
    {
        AB_Main window(setup);
        window.findChild<QAction*>("mnuHelp")->trigger();
        ASSERT_NE(viewer.Window(), nullptr);
        EXPECT_TRUE(viewer.Window()->isVisible());
        EXPECT_TRUE(viewer.Window()->Browser()->toPlainText().contains("What Swathkit is for"));
        EXPECT_FALSE(viewer.Window()->testAttribute(Qt::WA_QuitOnClose));
    }

    QtHelpViewer fresh;
    setup.Help = &fresh;
    setup.ProgramFolder = work.path();
    std::ofstream(work.path() / "AB_Help.chm", std::ios::binary) << "damaged";
    dialogs.Expect({"Help File could not be found!", Buttons::Ok, Icon::Exclamation, "No Help"},
                   Answer::Ok);
    AB_Main window(setup);
    window.findChild<QAction*>("mnuHelp")->trigger();
    EXPECT_TRUE(dialogs.Done());
}

}  // namespace
}  // namespace swathkit
