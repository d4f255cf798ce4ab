#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "support/cards.h"
#include "support/fakes.h"
#include "ui/main_window.h"

namespace swathkit {
namespace {

using namespace testing;

struct WindowHarness {
    explicit WindowHarness(bool withCard = true) {
        root = work.path() / "CARD";
        if (withCard) {
            const CardImage straight = ImageWith({{12, "+0000000000041.50000000"},
                                                  {40, "+0000000000042.00000000"},
                                                  {77, "+0000000000043.00000000"}});
            const CardImage circles = ImageWith({{9, "+0000000000041.00000000"}}, false);
            MakeCard(root, &straight, &circles);
        }
        setup.WorkFolder = work.path() / "Swathkit";
        setup.ProgramFolder = work.path();
        setup.Ask = &dialogs;
        setup.Help = &help;
        setup.Drives = [this] { return DriveList{{"/", root.string() + " [CARD]"}, 1}; };
        window = std::make_unique<AB_Main>(setup);
    }

    template <typename T>
    T* Find(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTreeWidget* List(int side) { return Find<QTreeWidget>(side ? "Card_List_1" : "Card_List_0"); }
    QStringList ItemTexts(int side) {
        QStringList texts;
        for (int i = 0; i < List(side)->topLevelItemCount(); ++i) {
            texts << List(side)->topLevelItem(i)->text(0);
        }
        return texts;
    }

    TempFolder work;
    fs::path root;
    ScriptedDialogs dialogs;
    FakeHelp help;
    WindowSetup setup;
    std::unique_ptr<AB_Main> window;
};

TEST(MainWindow, ControlsCarryTheirCaptionsAndTips) {
    WindowHarness h;
    EXPECT_EQ(h.window->windowTitle(), "Swathkit 3.22");
    EXPECT_EQ(h.Find<QLabel>("Card_Description_1")->text(), "Temporary Card Image");
    EXPECT_EQ(h.Find<QLabel>("Card_Description_1")->toolTip(),
              "Used as a intermediary storage for merging multiple cards.");
    EXPECT_EQ(h.Find<QLabel>("Label3")->text(), "For storing info from Datacard images.");
    EXPECT_EQ(h.Find<QPushButton>("cmdRefresh")->text(), "Refresh");
    for (const char* side : {"0", "1"}) {
        const auto name = [&](const char* control) { return QByteArray(control) + "_" + side; };
        EXPECT_EQ(h.Find<QPushButton>(name("cmdCopyField"))->toolTip(),
                  "Copy field info to another field number.");
        EXPECT_EQ(h.Find<QPushButton>(name("cmdClear"))->text(), "Erase");
        EXPECT_EQ(h.Find<QPushButton>(name("cmdUndo"))->toolTip(), "Reverse your last change.");
        EXPECT_EQ(h.Find<QPushButton>(name("cmdShuffle"))->text(), "Change Field #");
        EXPECT_FALSE(h.Find<QProgressBar>(name("SaveProgress"))->isVisibleTo(h.window.get()));
    }
    EXPECT_EQ(h.Find<QPushButton>("cmdShuffle_0")->toolTip(), "Change Field Number");
    EXPECT_EQ(h.Find<QPushButton>("cmdShuffle_1")->toolTip(),
              "Move selected items to field of your choice.");
    EXPECT_EQ(h.Find<QPushButton>("cmdMoveLines_0")->accessibleName(),
              "Move to temporary card image");
    EXPECT_EQ(h.Find<QPushButton>("cmdMoveLines_1")->accessibleName(), "Move to card");
    EXPECT_TRUE(h.Find<QPushButton>("cmdMoveLines_0")->text().isEmpty());

    QStringList menus;
    for (QAction* action : h.window->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus, (QStringList{"Options", "DataCard", "View", "Help"}));
    EXPECT_TRUE(h.Find<QAction>("mnuStraightTrack")->isChecked());
    EXPECT_FALSE(h.Find<QAction>("mnuCircleTrack")->isChecked());
    EXPECT_TRUE(h.Find<QAction>("mnuShowLonLat")->isChecked());
    EXPECT_TRUE(h.Find<QAction>("mnuShowDMS")->isChecked());
    EXPECT_EQ(h.Find<QAction>("mnuBackup")->text(), "Backup Image");
    EXPECT_EQ(h.Find<QAction>("mnuCardtoCard")->text(), "Copy Card to Card");

    // The layout is in twips: the right-hand list starts 4680 twips in.
    const int dpi = h.window->logicalDpiX();
    EXPECT_NEAR(h.List(1)->x(), 4680 * dpi / 1440, 1);
    EXPECT_NEAR(h.List(1)->width(), 3015 * dpi / 1440, 1);
}

TEST(MainWindow, MenusRedrawTheListsAndSwitchTheCardKind) {
    WindowHarness h;
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"12", "40", "77"}));
    EXPECT_EQ(h.Find<QLabel>("Card_Description_0")->text(),
              QString::fromStdString("Your Card -- Available " + h.root.string()));
    EXPECT_EQ(h.List(0)->columnCount(), 4);

    h.Find<QAction>("mnuShowLonLat")->trigger();
    EXPECT_FALSE(h.Find<QAction>("mnuShowLonLat")->isChecked());
    EXPECT_EQ(h.List(0)->columnCount(), 2);
    EXPECT_EQ(h.List(1)->columnCount(), 2);
    h.Find<QAction>("mnuShowLonLat")->trigger();
    h.Find<QAction>("mnuShowDMS")->trigger();
    EXPECT_EQ(h.List(0)->topLevelItem(0)->text(2), "+041.500000");

    h.Find<QAction>("mnuCircleTrack")->trigger();
    h.Find<QAction>("mnuCircleTrack")->trigger();  // a checked item stays checked
    EXPECT_TRUE(h.Find<QAction>("mnuCircleTrack")->isChecked());
    EXPECT_FALSE(h.Find<QAction>("mnuStraightTrack")->isChecked());
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"9"}));
    EXPECT_EQ(h.List(0)->columnCount(), 3);
    EXPECT_EQ(h.List(1)->columnCount(), 4);  // the image list keeps its last fill
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(MainWindow, CardCommandsFollowCardDetection) {
    WindowHarness h(false);
    const char* commands[] = {"cmdMoveLines_0", "cmdMoveLines_1", "cmdClear_0",
                              "cmdShuffle_0",   "cmdUndo_0",      "cmdCopyField_0"};
    for (const char* name : commands) EXPECT_FALSE(h.Find<QPushButton>(name)->isEnabled()) << name;
    for (const char* name : {"cmdClear_1", "cmdShuffle_1", "cmdUndo_1", "cmdCopyField_1"}) {
        EXPECT_TRUE(h.Find<QPushButton>(name)->isEnabled()) << name;
    }
    EXPECT_EQ(h.Find<QLabel>("Card_Description_0")->text(), "Your Card -- Not Detected");

    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    MakeCard(h.root, &straight);
    QTest::mouseClick(h.Find<QPushButton>("cmdRefresh"), Qt::LeftButton);
    for (const char* name : commands) EXPECT_TRUE(h.Find<QPushButton>(name)->isEnabled()) << name;
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"12"}));

    fs::remove_all(h.root);
    h.dialogs.Expect({"Error 300-1 \r\nThere was an error reading this drive.\r\n"
                      "Check that the card is properly inserted, that you\r\n"
                      "have selected the correct drive letter, and that\r\n"
                      "this drive contains valid tracking data.",
                      Buttons::Ok, Icon::None, "Error with Card"},
                     Answer::Ok);
    h.Find<QAction>("mnuRefreshDrives")->trigger();
    for (const char* name : commands) EXPECT_FALSE(h.Find<QPushButton>(name)->isEnabled()) << name;
    EXPECT_TRUE(h.ItemTexts(0).isEmpty());
    EXPECT_TRUE(h.dialogs.Done());
}

TEST(MainWindow, ListsSelectWithCtrlAndRefuseEditing) {
    WindowHarness h;
    h.window->show();
    QTreeWidget* list = h.List(0);
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
    };
    click(0, Qt::NoModifier);
    click(2, Qt::ControlModifier);
    QStringList selected;
    for (QTreeWidgetItem* item : list->selectedItems()) selected << item->text(0);
    selected.sort();
    EXPECT_EQ(selected, (QStringList{"12", "77"}));
    click(0, Qt::ShiftModifier);
    EXPECT_EQ(list->selectedItems().size(), 3);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->topLevelItem(1)).center());
    QTest::keyClick(list, Qt::Key_F2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "40");
    EXPECT_EQ(list->findChild<QLineEdit*>(), nullptr);
}

TEST(MainWindow, HelpWithoutItsFileSaysSo) {
    WindowHarness h;
    h.dialogs.Expect({"Help File could not be found!", Buttons::Ok, Icon::Exclamation, "No Help"},
                     Answer::Ok);
    h.Find<QAction>("mnuHelp")->trigger();
    EXPECT_TRUE(h.dialogs.Done());
}

}  // namespace
}  // namespace swathkit

int main(int argc, char** argv) {
    // Off screen unless told otherwise, so that the tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
