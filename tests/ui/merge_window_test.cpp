// Two cards merged through the real window, each card a FAT file system put
// into the reader in turn; the screen can be saved at each stage (shots.h).

#include <algorithm>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <set>

#include "support/fat_card.h"
#include "support/shots.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// Latitude texts that tell the two cards' passes apart.
std::string OnA(int n) {
    return "+0000000000041." + FormatPicture(n, 8, 0);
}
std::string OnB(int n) {
    return "+0000000000043." + FormatPicture(n, 8, 0);
}

// The reader is the mount point of whichever card is in it.
struct MergeHarness : WindowHarness {
    // A card as the card's own software leaves it: upper-case names.
    std::unique_ptr<FatCard> Card(const std::string& label, const CardImage& lines) {
        auto card = std::make_unique<FatCard>(work.path() / "images", label);
        EXPECT_TRUE(card->Mount(root));
        WriteFile(root / "PFLINES" / "ABLINES.DAT", LineFileText(lines, LineLayout::Card));
        WriteFile(root / "PFLINES" / "CIRCLES.DAT",
                  LineFileText(ImageWith({{5, OnA(5)}}, false), LineLayout::Card));
        WriteFile(root / "CARDINFO.BIN", label);
        card->Unmount();
        return card;
    }
};

#define SKIP_WITHOUT_FAT()     \
    if (!FatCard::Available()) \
    GTEST_SKIP() << "mkfs.vfat, fusefat or /dev/fuse is missing: FAT cards cannot be mounted"

TEST(MergeWindow, TwoFatCardsMergedOntoTheSecond) {
    SKIP_WITHOUT_FAT();
    MergeHarness h;
    const CardImage a = ImageWith({{12, OnA(12)}, {40, OnA(40)}, {77, OnA(77)}});
    const CardImage b = ImageWith({{40, OnB(40)}, {55, OnB(55)}, {77, OnA(77)}});
    auto cardA = h.Card("CARDA", a);
    auto cardB = h.Card("CARDB", b);

    // Card A: its passes into the empty image, no question asked.
    ASSERT_TRUE(cardA->Mount(h.root));
    h.Open();
    ASSERT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "77"}));
    ASSERT_TRUE(h.ItemTexts(ImageSide).isEmpty());
    h.Select(CardSide, {"12", "40", "77"});
    h.Press("cmdMoveLines_0");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "77"}));
    Shot("1-card-a-moved");

    // Card B into the reader. Its 40 is another pass than A's 40: it goes to
    // 41 instead; its 77 is A's 77 and goes across without a question.
    cardA->Unmount();
    ASSERT_TRUE(cardB->Mount(h.root));
    h.Press("cmdRefresh");
    ASSERT_EQ(h.ItemTexts(CardSide), (QStringList{"40", "55", "77"}));
    h.Select(CardSide, {"40", "55", "77"});
    h.script.Step([](QWidget* modal) {
        Shot("2-replace-pass");
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Replace Pass");
        EXPECT_EQ(box->text(), "Pass #40 will replace pass #40. Is this ok?");
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
    });
    h.script.Input("Copy field #40 to which field: \nYou will not be prompted to overwrite!", "41");
    h.Press("cmdMoveLines_0");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "41", "55", "77"}));
    const CardImage master = h.Master();
    EXPECT_EQ(master.Line(40).Latitude, OnA(40));
    EXPECT_EQ(master.Line(41).Latitude, OnB(40));
    EXPECT_EQ(master.Line(41).FieldNum, "+000000041");
    Shot("3-card-b-moved");

    // The merged image onto card B: A's 40 may replace B's 40, which is kept
    // as 41 now.
    h.Select(ImageSide, {"12", "40", "41", "55", "77"});
    h.script.Box("Replace Pass", "Pass #40 will replace pass #40. Is this ok?",
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    h.Press("cmdMoveLines_1");
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "41", "55", "77"}));
    Shot("4-merged-onto-b");

    // On the map the two sides now agree: every pass twice, no conflict.
    LineMapWindow* map = h.Map();
    ASSERT_NE(map, nullptr);
    const std::vector<MapPass> shown = map->View()->Passes();
    EXPECT_EQ(shown.size(), 10u);
    EXPECT_TRUE(
        std::none_of(shown.begin(), shown.end(), [](const MapPass& p) { return p.Conflict; }));
    Shot("5-map-of-the-merge");
    h.window.reset();

    // Card B out and back in: its own ABLINES.DAT holds the merge, every
    // other slot as it was, and the backup holds B as it came in.
    cardB->Unmount();
    ASSERT_TRUE(cardB->Mount(h.root));
    EXPECT_EQ(std::distance(fs::directory_iterator(h.root / "PFLINES"), {}), 2);
    const CardImage merged = ReadLineFile(h.root / "PFLINES" / "ABLINES.DAT");
    CardImage expected = b;
    expected.Line(12) = a.Line(12);
    expected.Line(40) = a.Line(40);
    expected.Line(41) = b.Line(40);
    expected.Line(41).FieldNum = b.Line(41).FieldNum;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        EXPECT_EQ(merged.Line(slot), expected.Line(slot)) << "slot " << slot;
    EXPECT_EQ(Bytes(h.root / "PFLINES" / "ABLINES.DAT"), LineFileText(expected, LineLayout::Card));

    const fs::path backups = h.setup.WorkFolder / "Backup" / "12062026";
    ASSERT_EQ(std::distance(fs::directory_iterator(backups), {}), 1);
    EXPECT_EQ(Bytes(backups / "0" / "ablines.dat"), LineFileText(b, LineLayout::Card));
    EXPECT_EQ(Bytes(backups / "0" / "cardinfo.bin"), "CARDB");

    // Card A was only read.
    cardB->Unmount();
    ASSERT_TRUE(cardA->Mount(h.root));
    EXPECT_EQ(Bytes(h.root / "PFLINES" / "ABLINES.DAT"), LineFileText(a, LineLayout::Card));
}

// Passes about 111 m apart: the duplicate search holds none of them for the
// same line unless it is.
std::string Far(int n, int card) {
    return "+" + FormatPicture(card + n * 0.001, 13, 8);
}

TEST(MergeWindow, TwoFatCardsMergedWholeIntoTheImage) {
    SKIP_WITHOUT_FAT();
    MergeHarness h;
    const CardImage a = ImageWith({{12, Far(12, 41)}, {40, Far(40, 41)}, {77, Far(77, 41)}});
    // B's 60 is A's 12, its 77 is A's 77, its 40 another line than A's 40.
    const CardImage b = ImageWith({{40, Far(40, 43)},
                                   {55, Far(55, 43)},
                                   {60, Far(12, 41)},
                                   {77, Far(77, 41)},
                                   {90, Far(90, 43)}});
    auto cardA = h.Card("CARDA", a);
    auto cardB = h.Card("CARDB", b);
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
    EXPECT_TRUE(Bytes(h.MasterPath()) == afterA);
    merge("2 new, 2 already there, 1 moved, 239 fields left free after the merge.",
          [](QDialog* dialog) {
              auto* table = dialog->findChild<QTableWidget*>("MergeTable");
              const auto said = [table](int row, int column) {
                  return table->item(row, column)->text();
              };
              EXPECT_EQ(said(0, 2), "clash: image #40 holds another line");
              EXPECT_EQ(said(2, 2), "already there as image #12");
              EXPECT_EQ(said(2, 4), "skipped");
              Shot("6-merge-preview");
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
                  if (typed == std::string("55"))
                      Shot("7-merge-preview-taken");
              }
              Shot("8-merge-preview-typed");
          });
    const QStringList merged = {"12", "40", "55", "77", "90", "100"};
    EXPECT_EQ(h.ItemTexts(ImageSide), merged);
    Shot("9-card-b-merged");
    // One Undo takes the whole merge back; the next brings it again.
    h.Press("cmdUndo_1");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "77"}));
    h.Press("cmdUndo_1");
    ASSERT_EQ(h.ItemTexts(ImageSide), merged);

    // Every distinct line once, A's where A put them, the file as the table.
    const CardImage master = h.Master();
    std::multiset<std::string> lines;
    for (int field = 1; field <= kSlotCount; ++field) {
        if (LineInUse(master.Line(field)))
            lines.insert(master.Line(field).Latitude);
    }
    EXPECT_EQ(lines, (std::multiset<std::string>{Far(12, 41), Far(40, 41), Far(77, 41), Far(40, 43),
                                                 Far(55, 43), Far(90, 43)}));
    for (int field : {12, 40, 77}) EXPECT_TRUE(SameCoordinates(master.Line(field), a.Line(field)));
    EXPECT_TRUE(Bytes(h.MasterPath()) ==
                LineFileText(h.window->State().Table.Current(ImageSide), LineLayout::MasterCopy));
    EXPECT_EQ(h.window->State().Table.Current(CardSide),
              ReadLineFile(h.root / "PFLINES" / "ABLINES.DAT"));
    h.window.reset();
    EXPECT_TRUE(Bytes(h.root / "PFLINES" / "ABLINES.DAT") == LineFileText(b, LineLayout::Card));
}

// Cards from one display share a label and the reader's mount point, and
// are swapped without a Refresh.
TEST(MergeWindow, ACardSwappedWithoutRefreshIsNeverWrittenWithTheShownCardsLines) {
    SKIP_WITHOUT_FAT();
    MergeHarness h;
    auto cardA = h.Card("CARDA", ImageWith({{12, OnA(12)}, {40, OnA(40)}}));
    auto cardB = h.Card("CARDB", ImageWith({{55, OnB(55)}, {77, OnB(77)}}));
    ASSERT_TRUE(cardA->Mount(h.root));
    h.Open();
    ASSERT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40"}));
    auto swapTo = [&](FatCard& out, FatCard& in) {
        out.Unmount();
        ASSERT_TRUE(in.Mount(h.root));
    };
    // Erases a pass of the card shown while another is in the reader: that
    // card is left byte for byte and listed instead.
    auto eraseOnOther = [&](const QString& item) {
        const std::string before = Bytes(h.CardFile());
        h.Select(CardSide, {item});
        h.script.Box("Verify Clear", "Are you sure you want to clear the selected items?",
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        h.script.Box("Card Changed",
                     "The card in the reader is not the card shown.\nNothing has been written "
                     "to it. Its own lines are shown now;\nmake the change again if it is "
                     "meant for this card.",
                     QMessageBox::Ok, QMessageBox::Ok);
        h.Press("cmdClear_0");
        EXPECT_TRUE(Bytes(h.CardFile()) == before);
    };
    swapTo(*cardA, *cardB);
    eraseOnOther("12");
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"55", "77"}));
    EXPECT_FALSE(fs::exists(h.setup.WorkFolder / "Backup"));

    // "Copy Card to Card" given up with card A in the reader: the card side
    // still shows B.
    h.script.Box("Copy Complete", "This card image has been successfully saved.", QMessageBox::Ok,
                 QMessageBox::Ok);
    h.script.Step([&](QWidget* modal) {
        swapTo(*cardB, *cardA);
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
    MergeHarness h;
    const CardImage lines =
        ImageWith({{12, OnA(12)}, {30, OnA(30)}, {40, OnA(40)}, {119, OnA(119)}, {200, OnA(200)}});
    std::string bytes = LineFileText(lines, LineLayout::Card);
    bytes[29 * 114 + 20] = '\0';
    auto card = h.Card("CARD", lines);
    // Written as the cab left it, then put into the reader.
    auto damage = [&] {
        ASSERT_TRUE(card->Mount(h.root));
        fs::remove(h.CardFile());  // fusefat cannot rewrite a file in place
        WriteFile(h.CardFile(), bytes);
        card->Unmount();
        ASSERT_TRUE(card->Mount(h.root));
    };
    damage();
    auto damaged = [&](const QString& records, bool yes = false) {
        h.script.Step([=](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Damaged Card File");
            EXPECT_TRUE(box->text().contains(records + " could not be read"))
                << box->text().toStdString();
            const bool question = box->standardButtons() & QMessageBox::No;
            QTest::mouseClick(box->button(!question ? QMessageBox::Ok
                                          : yes     ? QMessageBox::Yes
                                                    : QMessageBox::No),
                              Qt::LeftButton);
        });
    };
    damaged("record 30");
    h.Open();
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "119", "200"}));
    h.Select(CardSide, {"12", "40", "119", "200"});
    h.Press("cmdMoveLines_0");
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "40", "119", "200"}));

    // Undo, Erase and a move onto the card each ask, and No writes nothing.
    damaged("record 30");
    h.Press("cmdUndo_0");
    h.Select(CardSide, {"40"});
    h.script.Box("Verify Clear", "Are you sure you want to clear the selected items?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    damaged("record 30");
    h.Press("cmdClear_0");
    h.Select(ImageSide, {"12"});
    damaged("record 30");
    h.Press("cmdMoveLines_1");
    EXPECT_TRUE(Bytes(h.CardFile()) == bytes);
    EXPECT_FALSE(fs::exists(h.setup.WorkFolder / "Backup"));

    // Cut off in record 120: what comes before it is read.
    bytes.resize(119 * 114 + 50);
    damage();
    damaged("records 30 and 120 to 250");
    h.Press("cmdRefresh");
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "119"}));

    // Yes: the damaged file goes to the backup, the card gets what it shows.
    damaged("records 30 and 120 to 250", true);
    h.Press("cmdUndo_0");
    EXPECT_EQ(
        Bytes(h.CardFile()),
        LineFileText(ImageWith({{12, OnA(12)}, {40, OnA(40)}, {119, OnA(119)}}), LineLayout::Card));
    EXPECT_TRUE(Bytes(h.setup.WorkFolder / "Backup" / "12062026" / "0" / "ablines.dat") == bytes);
}

}  // namespace
}  // namespace swathkit
