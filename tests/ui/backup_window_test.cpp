// "Backup Image" through the window's real boxes and its real "Select
// Directory" dialog, the operator picking a folder in Dir1 with the mouse;
// "Copy Card to Card" onto a card the operator finds in the drive box.

#include <QComboBox>
#include <QDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QTreeView>
#include <functional>

#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// Clicks the folder in the list, as the operator does, once the list has
// opened the folders above it and settled; a list still sorting when
// clicked is clicked again.
void ClickFolder(QTreeView* dir1, const fs::path& folder) {
    auto* model = qobject_cast<QFileSystemModel*>(dir1->model());
    ASSERT_NE(model, nullptr);
    const QModelIndex wanted = model->index(QString::fromStdString(folder.string()));
    ASSERT_TRUE(wanted.isValid()) << folder;
    QRect at;
    for (int tries = 0; tries < 200 && dir1->currentIndex() != wanted; ++tries) {
        dir1->scrollTo(wanted);
        QTest::qWait(20);
        const QRect now = dir1->visualRect(wanted);
        if (now.isValid() && now == at && dir1->viewport()->rect().contains(now.center()))
            QTest::mouseClick(dir1->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
        at = now;
    }
    ASSERT_EQ(dir1->currentIndex(), wanted);
}

struct BackupHarness : WindowHarness {
    BackupHarness() {
        fs::create_directories(target);
        const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
        const CardImage circles = ImageWith({{9, "+0000000000041.00000000"}}, false);
        MakeCard(root, &straight, &circles);
        // Something of the card's own beyond the three files, one folder deep.
        WriteFile(root / "logs" / "2026" / "field.log", "harvest");
        Open();
    }

    // "Backup Image", left with target highlighted the way leave says, and
    // the box that ends it.
    void Backup(std::function<void(QDialog*)> leave, const QString& title) {
        script.Box("Verify Card Drive", QMessageBox::Yes);
        script.Step([this, leave](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            auto* dir1 = dialog->findChild<QTreeView*>("Dir1");
            ASSERT_NE(dir1, nullptr);
            ClickFolder(dir1, target);
            leave(dialog);
        });
        script.Box(title, QMessageBox::Ok);
        Trigger("mnuBackup");
    }

    fs::path target = work.path() / "Backups" / "Tuesday";
};

TEST(BackupWindow, LeavingTheDialogSavesNothingAndSaveCopiesTheWholeCard) {
    BackupHarness h;
    const auto press = [](const char* button) {
        return [button](QDialog* dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        };
    };
    // Cancel, the close control and Escape, which is the same as the close
    // control: the folder highlighted must still not be chosen.
    for (const auto& leave : std::vector<std::function<void(QDialog*)>>{
             press("cmdCancel"), [](QDialog* dialog) { dialog->close(); },
             [](QDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }}) {
        h.Backup(leave, "Invalid Save");
        EXPECT_TRUE(fs::is_empty(h.target));
    }

    h.Backup(press("cmdSave"), "Successful Save!");
    EXPECT_EQ(fs::path(h.window->State().ChosenDirectory.value_or("")), h.target);
    EXPECT_EQ(Snapshot(h.target), Snapshot(h.root));  // every file, however deep
}

#ifndef _WIN32
// A freshly formatted card with a label of its own mounts in another
// folder (where cards mount by label; on Windows the card keeps its drive
// letter) and has no pflines folder yet: the operator picks its drive, and
// Enter at the overwrite question would have said No. It is backed up,
// written, and shown.
TEST(BackupWindow, CardCopyOntoAFreshCardInAnotherFolder) {
    WindowHarness h;
    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    MakeCard(h.root, &straight);
    const fs::path fresh = h.work.path() / "NEW", first = h.work.path() / "A";
    WriteFile(fresh / "cardinfo.bin", "NEW");
    DriveList drives{{"/", h.root.string() + " [CARD]"}, 1};
    h.setup.Drives = [&] { return drives; };
    h.Open();
    h.script.Box("Copy Complete", QMessageBox::Ok);
    h.script.Step([&](QWidget* modal) {
        fs::rename(h.root, first);
        drives.Entries.push_back(fresh.string() + " [NEW]");
        QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok),
                          Qt::LeftButton);
    });
    h.script.Step([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Card Drive");
        auto* drive = dialog->findChild<QComboBox*>();
        // The system drive is never offered; the list starts at the card's.
        EXPECT_EQ(drive->count(), 2);
        EXPECT_EQ(drive->currentIndex(), 0);
        QTest::keyClick(drive, Qt::Key_Down);
        QTest::keyClick(drive, Qt::Key_Return);
    });
    h.script.Box("Continue with Copy", {}, {}, QMessageBox::Yes, QMessageBox::No);
    h.script.Box("Another Copy", QMessageBox::No);
    h.Trigger("mnuCardtoCard");
    EXPECT_EQ(Bytes(fresh / "pflines" / "ABLINES.dat"), Bytes(first / "pflines" / "ablines.dat"));
    EXPECT_EQ(Bytes(h.setup.WorkFolder / "Backup" / "12062026" / "1" / "cardinfo.bin"), "NEW");
    EXPECT_EQ(h.Find<QLabel>("Card_Description_0")->text(),
              QString::fromStdString("Your Card -- Available " + fresh.string()));
    EXPECT_EQ(h.ItemTexts(CardSide), (QStringList{"12"}));
}
#endif

}  // namespace
}  // namespace swathkit
