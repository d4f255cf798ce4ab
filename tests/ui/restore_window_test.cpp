// "Restore from Backup..." through the real window, on a card that is a FAT
// file system in the reader.

#include <QLabel>
#include <algorithm>

#include "card/restore.h"
#include "support/fat_card.h"
#include "ui/restore_dialog.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// Passes some metres apart, told apart in the dialog's six decimals.
std::string OnA(int n) {
    return "+0000000000041.00" + FormatPicture(n, 3, 0) + "000";
}
std::string OnB(int n) {
    return "+0000000000041.00" + FormatPicture(500 + n, 3, 0) + "000";
}

QStringList Rows(QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            if (c != 2 || list->objectName() != "lstBackups")  // the folder's own time
                cells << list->topLevelItem(i)->text(c);
        rows << cells.join(" | ");
    }
    return rows;
}
void ClickRow(QTreeWidget* list, int row, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, keys, list->visualItemRect(item).center());
}

TEST(RestoreWindow, ThreeEditsMakeThreeBackupsTheFirstComesBackWholeAndDamageIsNotOffered) {
    SKIP_WITHOUT_FAT();
    WindowHarness h;
    auto card = MakeFatCard(h.work.path(), h.root, "CARDA",
                            ImageWith({{12, OnA(12)}, {40, OnA(40)}, {77, OnA(77)}}));
    h.WriteMaster(ImageWith({{50, OnB(50)}, {77, OnB(77)}}));
    ASSERT_TRUE(card->Mount(h.root));
    const std::string first = Bytes(h.CardFile());
    // Yesterday's backup of some card, its line file cut off.
    const std::string cut = LineFileText(ImageWith({{30, OnA(30)}}), LineLayout::Card);
    WriteFile(h.setup.WorkFolder / "Backup" / "12052026" / "0" / "ablines.dat",
              cut.substr(0, cut.size() / 3));
    h.Open();

    // Three edits: 12 erased, the image's 50 and its other 77 put on the card.
    h.Select(CardSide, {"12"});
    h.script.Box("Verify Clear", QMessageBox::Yes);
    h.Press("cmdClear_0");
    h.Select(ImageSide, {"50"});
    h.Press("cmdMoveLines_1");
    h.Select(ImageSide, {"77"});
    h.script.Box("Replace Pass", QMessageBox::Yes);
    h.Press("cmdMoveLines_1");
    ASSERT_EQ(h.ItemTexts(CardSide), (QStringList{"40", "50", "77"}));
    const std::string edited = Bytes(h.CardFile());

    h.Trigger("mnuRestore");
    auto* dialog = h.window->findChild<RestoreDialog*>();
    ASSERT_TRUE(dialog && QTest::qWaitForWindowExposed(dialog));
    dialog->WaitForListing();
    auto* backups = dialog->findChild<QTreeWidget*>("lstBackups");
    auto* compare = dialog->findChild<QTreeWidget*>("lstCompare");
    EXPECT_EQ(Rows(backups), (QStringList{"12/06/2026 | 2 | 3 passes | 0 passes | CARD (this card)",
                                          "12/06/2026 | 1 | 2 passes | 0 passes | CARD (this card)",
                                          "12/06/2026 | 0 | 3 passes | 0 passes | CARD (this card)",
                                          "12/05/2026 | 0 | damaged: 1 pass "
                                          "readable | none | unknown card"}));
    // A damaged backup can be looked at but is never offered for the card.
    auto* write = dialog->findChild<QPushButton*>("cmdWriteToCard");
    ClickRow(backups, 3);
    EXPECT_FALSE(write->isEnabled());
    EXPECT_TRUE(dialog->findChild<QLabel*>("lblCompare")->text().contains("is damaged"));

    // The first backup beside the card.
    ClickRow(backups, 2);
    EXPECT_EQ(Rows(compare),
              (QStringList{"12 | +041.000120  -093.250000 |  | only in the backup",
                           "40 | +041.000400  -093.250000 | +041.000400  -093.250000 | the same",
                           "50 |  | +041.005500  -093.250000 | only on the card",
                           "77 | +041.000770  -093.250000 | +041.005770  -093.250000 | "
                           "different line"}));
    EXPECT_EQ(dialog->findChild<QLabel*>("lblCompare")->text(),
              "Backup 12/06/2026 no. 0 of CARD (this card), straight lines: 1 only in the "
              "backup, 1 only on the card, 1 different, 1 the same.");

    // On the map as a third set.
    LineMapWindow* map = h.Map();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(std::ranges::count(map->View()->Passes(), kBackupOnMap, &MapPass::Side), 3);
    map->close();
    dialog->activateWindow();

    // 12 and 77 into the image, which holds another 77: one question.
    ClickRow(compare, 0);
    ClickRow(compare, 3, Qt::ControlModifier);
    h.script.Box("Replace Pass", QMessageBox::Yes);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdIntoImage"), Qt::LeftButton);
    EXPECT_EQ(h.ItemTexts(ImageSide), (QStringList{"12", "50", "77"}));
    EXPECT_EQ(h.Master().Line(77).Latitude, OnA(77));

    // Onto the card with no row selected: the first backup's very bytes,
    // after a fourth backup. The question says so and defaults to No.
    compare->clearSelection();
    h.script.Box(
        "Write to Card",
        QString::fromStdString("Replace all the straight lines on the card " + h.root.string() +
                               " with those of the backup 12/06/2026 no. 0 (3 passes)?\n"
                               "The card's own straight lines are backed up first."),
        {}, QMessageBox::Yes, QMessageBox::No);
    QTest::mouseClick(write, Qt::LeftButton);
    EXPECT_EQ(Bytes(h.setup.WorkFolder / "Backup" / "12062026" / "3" / "ablines.dat"), edited);
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12", "40", "77"}));
    dialog->WaitForListing();
    EXPECT_EQ(backups->topLevelItemCount(), 5);
    h.window.reset();
    card->Unmount();
    ASSERT_TRUE(card->Mount(h.root));
    EXPECT_EQ(Bytes(h.CardFile()), first);
}

// A folder of the operator's stays on top through a new listing, and each
// count read in the background lands on its own backup's row.
TEST(RestoreWindow, PickedFolderStaysOnTopAndCountsLandOnTheirRows) {
    Harness h;
    const fs::path day = h.program.WorkFolder / "Backup" / "12062026";
    for (int n = 0; n < 3; ++n) {
        std::map<int, std::string> passes;
        for (int field = 10; field < 11 + n; ++field) passes[field] = OnA(field);
        WriteFile(day / std::to_string(n) / "ablines.dat",
                  LineFileText(ImageWith(passes), LineLayout::Card));
    }
    const fs::path copy = h.work.path() / "Kept";
    WriteFile(copy / "PFLINES" / "CIRCLES.DAT",
              LineFileText(ImageWith({{20, OnB(20)}}, false), LineLayout::Card));
    WriteFile(copy / kBackupLabelFile, "OLD");

    RestoreDialog dialog(h.program, h.ports, nullptr);
    dialog.Reload();
    h.dialogs.ExpectDirectory(copy);
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOpenFolder"), Qt::LeftButton);
    dialog.Reload();
    dialog.WaitForListing();
    auto* backups = dialog.findChild<QTreeWidget*>("lstBackups");
    EXPECT_EQ(Rows(backups), (QStringList{QString::fromStdString(copy.string()) +
                                              " |  | none | 1 pass | OLD (another card)",
                                          "12/06/2026 | 2 | 3 passes | none | unknown card",
                                          "12/06/2026 | 1 | 2 passes | none | unknown card",
                                          "12/06/2026 | 0 | 1 pass | none | unknown card"}));
    EXPECT_EQ(backups->currentItem(), backups->topLevelItem(0));
    // Every column wide enough for its widest text.
    for (int column = 0; column < backups->columnCount(); ++column)
        EXPECT_GE(backups->columnWidth(column),
                  backups->fontMetrics().horizontalAdvance(backups->topLevelItem(0)->text(column)))
            << column;
}

}  // namespace
}  // namespace swathkit
