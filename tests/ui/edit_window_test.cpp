#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"
#include "support/modal_script.h"
#include "ui/main_window.h"

namespace swathkit {
namespace {

using namespace testing;

std::string Pass(int n, int card = 0) {
    return "+00000000000" + std::to_string(40 + card) + "." + FormatPicture(n, 8, 0);
}

struct EditWindowHarness {
    EditWindowHarness() {
        root = work.path() / "CARD";
        card = ImageWith({{12, Pass(12)}, {40, Pass(40)}, {77, Pass(77)}});
        MakeCard(root, &card);
        setup.WorkFolder = work.path() / "Swathkit";
        WriteFile(MasterCopyFile(Master(), true),
                  LineFileText(ImageWith({{40, Pass(40, 1)}, {90, Pass(90, 1)}}),
                               LineLayout::MasterCopy));
        setup.ProgramFolder = work.path();
        setup.Time = &clock;  // the save animation must not hold the test up
        setup.Drives = [this] { return DriveList{{"/", root.string() + " [CARD]"}, 1}; };
        window = std::make_unique<AB_Main>(setup);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    Program Master() const {
        Program program;
        program.WorkFolder = setup.WorkFolder;
        return program;
    }
    fs::path MasterPath() const { return MasterCopyFile(Master(), true); }
    fs::path CardPath() const { return root / "pflines" / "ablines.dat"; }

    QTreeWidget* List(int side) {
        return window->findChild<QTreeWidget*>(side ? "Card_List_1" : "Card_List_0");
    }
    QPushButton* Button(const char* name) {
        auto* button = window->findChild<QPushButton*>(name);
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    QStringList ItemTexts(int side) {
        QStringList texts;
        for (int i = 0; i < List(side)->topLevelItemCount(); ++i)
            texts << List(side)->topLevelItem(i)->text(0);
        return texts;
    }
    void Click(int side, const QString& item, Qt::KeyboardModifiers modifiers) {
        QTreeWidget* list = List(side);
        const auto found = list->findItems(item, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << item.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(found.front()).center());
    }

    TempFolder work;
    fs::path root;
    CardImage card;
    FakeClock clock;
    WindowSetup setup;
    std::unique_ptr<AB_Main> window;
    ModalScript script;
};

TEST(EditWindow, CtrlSelectedPassesGoAcrossThroughTheRealBoxes) {
    EditWindowHarness h;
    ASSERT_EQ(h.ItemTexts(0), (QStringList{"12", "40", "77"}));
    ASSERT_EQ(h.ItemTexts(1), (QStringList{"40", "90"}));
    const std::string cardBefore = Bytes(h.CardPath());

    h.Click(0, "12", Qt::NoModifier);
    h.Click(0, "40", Qt::ControlModifier);
    h.Click(0, "77", Qt::ControlModifier);
    h.script.Box("Replace Pass", "Pass #40 will replace pass #40. Is this ok?",
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    h.script.Input("Copy field #40 to which field: \nYou will not be prompted to overwrite!", "3");
    h.script.Box("Invalid Number", "You've can not assign to Field 1-5. Re-Enter?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    h.script.Input("Copy field #40 to which field: ", "90");
    h.List(1)->setFocus();
    QTest::mouseClick(h.Button("cmdMoveLines_0"), Qt::LeftButton);

    EXPECT_TRUE(h.script.Done());
    EXPECT_EQ(h.window->focusWidget(), h.List(0));
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "40", "77", "90"}));
    const CardImage master = ReadLineFile(h.MasterPath());
    EXPECT_EQ(master.Line(12).Latitude, Pass(12));
    EXPECT_EQ(master.Line(40).Latitude, Pass(40, 1));
    EXPECT_EQ(master.Line(90).Latitude, Pass(40));
    EXPECT_EQ(master.Line(90).FieldNum, "+000000090");
    EXPECT_EQ(h.List(0)->selectedItems().size(), 3);  // the source list is not redrawn
    EXPECT_TRUE(Bytes(h.CardPath()) == cardBefore);
}

TEST(EditWindow, EraseUndoAndChangeFieldUnderEachList) {
    EditWindowHarness h;
    h.Click(1, "40", Qt::NoModifier);
    h.Click(1, "90", Qt::ControlModifier);
    h.script.Box("Verify Clear", "Are you sure you want to clear the selected items?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    QTest::mouseClick(h.Button("cmdClear_1"), Qt::LeftButton);
    EXPECT_TRUE(h.script.Done());
    EXPECT_TRUE(h.ItemTexts(1).isEmpty());
    EXPECT_FALSE(LineInUse(ReadLineFile(h.MasterPath()).Line(90)));

    // Pressing Undo already hands the focus to its list; the release undoes.
    h.List(0)->setFocus();
    QPushButton* undo = h.Button("cmdUndo_1");
    QTest::mousePress(undo, Qt::LeftButton);
    EXPECT_EQ(h.window->focusWidget(), h.List(1));
    EXPECT_EQ(h.ItemTexts(1), QStringList());
    QTest::mouseRelease(undo, Qt::LeftButton);
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"40", "90"}));
    EXPECT_EQ(h.window->focusWidget(), h.List(1));
    EXPECT_EQ(ReadLineFile(h.MasterPath()).Line(90).Latitude, Pass(90, 1));

    // The card side's "Change Field #" rewrites the card after a backup.
    h.Click(0, "12", Qt::NoModifier);
    h.script.Input("Copy field #12 to which field: \nYou will not be prompted to overwrite!",
                   "250");
    const std::string cardBefore = Bytes(h.CardPath());
    QTest::mouseClick(h.Button("cmdShuffle_0"), Qt::LeftButton);
    EXPECT_TRUE(h.script.Done());
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"40", "77", "250"}));
    const CardImage card = ReadLineFile(h.CardPath());
    EXPECT_EQ(card.Line(250).Latitude, Pass(12));
    EXPECT_FALSE(LineInUse(card.Line(12)));
    const fs::path backup = h.setup.WorkFolder / "Backup" / "12062026" / "0" / "ablines.dat";
    EXPECT_TRUE(Bytes(backup) == cardBefore);

    // "Copy Field" with nothing selected says so.
    h.script.Box("Nothing Selected",
                 "Make sure you have selected at least one field to \nmove across.  You can "
                 "select multiple fields by \nholding the CTRL-key while you click.",
                 QMessageBox::Ok, QMessageBox::Ok);
    QTest::mouseClick(h.Button("cmdCopyField_0"), Qt::LeftButton);
    EXPECT_TRUE(h.script.Done());
}

}  // namespace
}  // namespace swathkit
