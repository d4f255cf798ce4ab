// Two cards merged through the real window, each card a FAT file system put
// into the reader in turn.

#include <algorithm>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "support/fat_card.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

TEST(MergeWindow, TwoFatCardsMergedWholeIntoTheImage) {
    SKIP_WITHOUT_FAT();
    WindowHarness h;
    const CardImage a = ImageWith({{12, Spot(12, 1)}, {40, Spot(40, 1)}, {77, Spot(77, 1)}});
    // B's 60 is A's 12, its 77 is A's 77, its 40 another line than A's 40.
    const CardImage b = ImageWith({{40, Spot(40, 3)},
                                   {55, Spot(55, 3)},
                                   {60, Spot(12, 1)},
                                   {77, Spot(77, 1)},
                                   {90, Spot(90, 3)}});
    auto cardA = MakeFatCard(h.work.path(), h.root, "CARDA", a);
    auto cardB = MakeFatCard(h.work.path(), h.root, "CARDB", b);
    const auto merge = [&](const QString& summary, std::function<void(QDialog*)> adjust) {
        h.script.Step([=](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Merge Card into Image");
            EXPECT_EQ(dialog->findChild<QLabel*>("MergeSummary")->text(), summary);
            adjust(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>("MergeButton"), Qt::LeftButton);
        });
        h.Trigger("mnuMergeCard");
    };

    h.Open();
    EXPECT_FALSE(h.Find<QAction>("mnuMergeCard")->isEnabled());
    ASSERT_TRUE(cardA->Mount(h.root));
    h.Press("cmdRefresh");
    ASSERT_TRUE(h.Find<QAction>("mnuMergeCard")->isEnabled());
    merge("3 new, 0 already there, 0 moved, 242 fields left free after the merge.",
          [](QDialog*) {});
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "77"}));

    cardA->Unmount();
    ASSERT_TRUE(cardB->Mount(h.root));
    h.Press("cmdRefresh");
    // Cancel changes nothing, not even the master copy's file.
    const std::string afterA = Bytes(h.MasterPath());
    h.script.Step([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    h.Trigger("mnuMergeCard");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "77"}));
    EXPECT_EQ(Bytes(h.MasterPath()), afterA);
    merge("2 new, 2 already there, 1 moved, 239 fields left free after the merge.",
          [](QDialog* dialog) {
              auto* table = dialog->findChild<QTableWidget*>("MergeTable");
              const auto said = [table](int row, int column) {
                  return table->item(row, column)->text();
              };
              EXPECT_EQ(said(0, 2), "clash: image #40 holds another line");
              EXPECT_EQ(said(2, 2), "already there as image #12");
              EXPECT_EQ(said(2, 4), "skipped");
              // The clash's proposed field 6, changed as the operator types.
              auto* target = dialog->findChild<QLineEdit*>("MergeTarget_40");
              auto* button = dialog->findChild<QPushButton*>("MergeButton");
              EXPECT_EQ(target->text(), "6");
              for (const auto& [typed, check, ready] :
                   {std::tuple{"5", "Fields 1-5 are reserved", false},
                    {"55", "another pass of this merge goes there", false},
                    {"12", "replaces image #12", true},
                    {"100", "moved to a free field", true}}) {
                  target->selectAll();
                  QTest::keyClicks(target, typed);
                  EXPECT_EQ(said(0, 4), check) << typed;
                  EXPECT_EQ(button->isEnabled(), ready) << typed;
              }
          });
    const QStringList merged = {"12", "40", "55", "77", "90", "100"};
    EXPECT_EQ(h.ItemTexts(ImageSide), merged);
    // One Undo takes the whole merge back; the next brings it again.
    h.Press("cmdUndo_1");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "77"}));
    h.Press("cmdUndo_1");
    ASSERT_EQ(h.ItemTexts(ImageSide), merged);
    EXPECT_EQ(h.Master().Line(100).Latitude, Spot(40, 3));
    EXPECT_EQ(Bytes(h.MasterPath()),
              LineFileText(h.window->State().Table.Current(ImageSide), LineLayout::MasterCopy));
    h.window.reset();
    EXPECT_EQ(Bytes(h.root / "PFLINES" / "ABLINES.DAT"), LineFileText(b, LineLayout::Card));
}

// Cards from one display share a label and the reader's mount point, and
// are swapped without a Refresh.
TEST(MergeWindow, ACardSwappedWithoutRefreshIsNeverWrittenWithTheShownCardsLines) {
    SKIP_WITHOUT_FAT();
    WindowHarness h;
    auto cardA = MakeFatCard(h.work.path(), h.root, "CARDA",
                             ImageWith({{12, Pass(12, 1)}, {40, Pass(40, 1)}}));
    auto cardB = MakeFatCard(h.work.path(), h.root, "CARDB",
                             ImageWith({{55, Pass(55, 3)}, {77, Pass(77, 3)}}));
    ASSERT_TRUE(cardA->Mount(h.root));
    h.Open();
    ASSERT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40"}));
    // Erases a pass of the card shown while another is in the reader: that
    // card is left byte for byte and listed instead.
    auto eraseOnOther = [&](const QString& item) {
        const std::string before = Bytes(h.CardFile());
        h.Select(CardSide, {item});
        h.script.Box("Verify Clear", QMessageBox::Yes);
        h.script.Box("Card Changed",
                     "The card in the reader is not the card shown.\nNothing has been written "
                     "to it. Its own lines are shown now;\nmake the change again if it is "
                     "meant for this card.",
                     QMessageBox::Ok, QMessageBox::Ok);
        h.Press("cmdClear_0");
        EXPECT_EQ(Bytes(h.CardFile()), before);
    };
    cardA->Unmount();
    ASSERT_TRUE(cardB->Mount(h.root));
    eraseOnOther("12");
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"55", "77"}));
    EXPECT_FALSE(fs::exists(h.setup.WorkFolder / "Backup"));

    // "Copy Card to Card" given up with card A in the reader: the card side
    // still shows B.
    h.script.Box("Copy Complete", QMessageBox::Ok);
    h.script.Step([&](QWidget* modal) {
        cardB->Unmount();
        ASSERT_TRUE(cardA->Mount(h.root));
        QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok),
                          Qt::LeftButton);
    });
    h.script.Box("Continue with Copy",
                 "The AB-Line and Circle Info on this card will be \ncompletely replaced.  Is "
                 "it ok to continue?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    h.Trigger("mnuCardtoCard");
    eraseOnOther("55");
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40"}));
}

// A card file damaged in the cab: record 30 holds a NUL, or the file ends
// in record 120.
TEST(MergeWindow, ADamagedCardShowsWhatItHoldsAndIsWrittenOnlyAfterAYes) {
    SKIP_WITHOUT_FAT();
    WindowHarness h;
    const CardImage lines = ImageWith({{12, Pass(12, 1)},
                                       {30, Pass(30, 1)},
                                       {40, Pass(40, 1)},
                                       {119, Pass(119, 1)},
                                       {200, Pass(200, 1)}});
    std::string bytes = LineFileText(lines, LineLayout::Card);
    bytes[29 * 114 + 20] = '\0';
    auto card = MakeFatCard(h.work.path(), h.root, "CARD", lines);
    // Written as the cab left it, then put into the reader.
    auto damage = [&] {
        ASSERT_TRUE(card->Mount(h.root));
        fs::remove(h.CardFile());  // fusefat cannot rewrite a file in place
        WriteFile(h.CardFile(), bytes);
        card->Unmount();
        ASSERT_TRUE(card->Mount(h.root));
    };
    damage();
    // Loading only tells (Ok); a change asks (Yes or No).
    auto damaged = [&](const QString& records, QMessageBox::StandardButton press) {
        h.script.Step([=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_TRUE(box && box->button(press)) << "no " << press;
            EXPECT_EQ(box->windowTitle(), "Damaged Card File");
            EXPECT_TRUE(box->text().contains(records + " could not be read"))
                << box->text().toStdString();
            QTest::mouseClick(box->button(press), Qt::LeftButton);
        });
    };
    damaged("record 30", QMessageBox::Ok);
    h.Open();
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "119", "200"}));
    h.Select(CardSide, {"12", "40", "119", "200"});
    h.Press("cmdMoveLines_0");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "119", "200"}));

    // A write asks, and No writes nothing.
    damaged("record 30", QMessageBox::No);
    h.Press("cmdUndo_0");
    EXPECT_EQ(Bytes(h.CardFile()), bytes);
    EXPECT_FALSE(fs::exists(h.setup.WorkFolder / "Backup"));

    // Cut off in record 120: what comes before it is read.
    bytes.resize(119 * 114 + 50);
    damage();
    damaged("records 30 and 120 to 250", QMessageBox::Ok);
    h.Press("cmdRefresh");
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "119"}));

    // Yes: the damaged file goes to the backup, the card gets what it shows.
    damaged("records 30 and 120 to 250", QMessageBox::Yes);
    h.Press("cmdUndo_0");
    EXPECT_EQ(Bytes(h.CardFile()),
              LineFileText(ImageWith({{12, Pass(12, 1)}, {40, Pass(40, 1)}, {119, Pass(119, 1)}}),
                           LineLayout::Card));
    EXPECT_EQ(Bytes(h.setup.WorkFolder / "Backup" / "12062026" / "0" / "ablines.dat"), bytes);
}

}  // namespace
}  // namespace swathkit
