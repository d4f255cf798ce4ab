#include <gtest/gtest.h>

#include "card/backup.h"
#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

struct BackupHarness : Harness {
    BackupHarness() {
        root = work.path() / "CARD";
        drives.entries = {"/", root.string() + " [CARD]"};
        drives.current = 1;
        day = program.WorkFolder / "Backup" / "12062026";
    }
    fs::path root, day;
};

Message Verify(const fs::path& root) {
    return {"You have selected to backup your " + root.string() +
                ".\r\nIf this is not ok, choose No and select a new card drive.",
            Buttons::YesNo, Icon::Question, "Verify Card Drive"};
}

TEST(Backup, FoldersTakeTheLowestFreeNumberOfTheDay) {
    BackupHarness h;
    fs::create_directories(h.day / "0");
    fs::create_directories(h.day / "1");
    fs::create_directories(h.day / "3");
    WriteFile(h.day / "4", "a file blocks the number too");
    EXPECT_EQ(NewBackupFolder(h.program, h.ports), (h.day / "2").string());
    EXPECT_EQ(NewBackupFolder(h.program, h.ports), (h.day / "5").string());

    for (int n = 6; n <= 255; ++n) fs::create_directories(h.day / std::to_string(n));
    EXPECT_EQ(NewBackupFolder(h.program, h.ports), "ERROR");
    h.dialogs.Expect({"Backup Error 200-1 \r\nProblem creating \\Swathkit\\Backup folder.",
                      Buttons::Ok, Icon::None, "Backup Error"},
                     Answer::Ok);
    EXPECT_EQ(BackupCardFiles(h.program, h.ports), "");
    EXPECT_TRUE(h.dialogs.Done());

    h.clock.today = {2026, 12, 7};  // after midnight the numbering starts again
    EXPECT_EQ(NewBackupFolder(h.program, h.ports),
              (h.program.WorkFolder / "Backup" / "12072026" / "0").string());
}

TEST(Backup, TheCardsThreeFilesAreCopiedFlat) {
    BackupHarness h;
    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    MakeCard(h.root, &straight);  // no circles.dat
    const std::string folder = BackupCardFiles(h.program, h.ports);
    EXPECT_EQ(folder, (h.day / "0").string());
    EXPECT_EQ(Bytes(fs::path(folder) / "ablines.dat"), Bytes(h.root / "pflines" / "ablines.dat"));
    EXPECT_EQ(Bytes(fs::path(folder) / "cardinfo.bin"), Bytes(h.root / "cardinfo.bin"));
    EXPECT_FALSE(fs::exists(fs::path(folder) / "circles.dat"));
    EXPECT_FALSE(fs::exists(fs::path(folder) / "pflines"));

    // Names in capitals on the card land under the usual names.
    fs::rename(h.root / "pflines" / "ablines.dat", h.root / "pflines" / "ABLINES.DAT");
    fs::rename(h.root / "cardinfo.bin", h.root / "CARDINFO.BIN");
    const fs::path second = BackupCardFiles(h.program, h.ports);
    EXPECT_EQ(second, h.day / "1");
    EXPECT_TRUE(fs::exists(second / "ablines.dat"));
    EXPECT_TRUE(fs::exists(second / "cardinfo.bin"));
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Backup, AFolderThatCannotBeMadeSaysSo) {
    BackupHarness h;
    WriteFile(h.program.WorkFolder / "Backup", "a file where the backup folder belongs");
    h.dialogs.Expect({"Error during backup of file.", Buttons::Ok, Icon::None, "Swathkit"},
                     Answer::Ok);
    EXPECT_EQ(BackupCardFiles(h.program, h.ports), "");
    EXPECT_TRUE(h.dialogs.Done());
}

TEST(Backup, BackupImageThroughEachOfItsBoxes) {
    BackupHarness h;
    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    MakeCard(h.root, &straight);
    fs::create_directories(h.root / "extra" / "deeper");
    WriteFile(h.root / "extra" / "deeper" / "notes.txt", "kept");
    WriteFile(h.root / ".hidden", "hidden files too");
    fs::create_symlink("/etc", h.root / "elsewhere");  // never followed
    const fs::path target = h.work.path() / "picked";
    fs::create_directories(target);

    // No: nothing chosen, nothing copied, no further box.
    h.dialogs.Expect(Verify(h.root), Answer::No);
    mnuBackup_Click(h.program, h.ports);
    // Cancel: "Invalid Save".
    h.dialogs.Expect(Verify(h.root), Answer::Yes);
    h.dialogs.ExpectDirectory(std::nullopt);
    h.dialogs.Expect({"No data has been saved.", Buttons::Ok, Icon::Exclamation, "Invalid Save"},
                     Answer::Ok);
    mnuBackup_Click(h.program, h.ports);
    EXPECT_EQ(h.program.ChosenDirectory, "NONE");
    EXPECT_TRUE(fs::is_empty(target));

    h.dialogs.Expect(Verify(h.root), Answer::Yes);
    h.dialogs.ExpectDirectory(target.string());
    h.dialogs.Expect(
        {"Your datacard has been successfully saved.", Buttons::Ok, Icon::None, "Successful Save!"},
        Answer::Ok);
    mnuBackup_Click(h.program, h.ports);
    EXPECT_EQ(Bytes(target / "pflines" / "ablines.dat"), Bytes(h.root / "pflines" / "ablines.dat"));
    EXPECT_EQ(Bytes(target / "extra" / "deeper" / "notes.txt"), "kept");
    EXPECT_EQ(Bytes(target / ".hidden"), "hidden files too");
    EXPECT_TRUE(fs::exists(target / "cardinfo.bin"));
    EXPECT_FALSE(fs::exists(fs::symlink_status(target / "elsewhere")));

    // A folder on the card itself is refused instead of copied forever.
    h.dialogs.Expect(Verify(h.root), Answer::Yes);
    h.dialogs.ExpectDirectory((h.root / "extra").string());
    h.dialogs.Expect({"The chosen folder is on the card itself.\r\n"
                      "Choose a folder on the PC; nothing has been copied.",
                      Buttons::Ok, Icon::Exclamation, "Invalid Save"},
                     Answer::Ok);
    mnuBackup_Click(h.program, h.ports);
    EXPECT_FALSE(fs::exists(h.root / "extra" / "extra"));

    // The system drive is never backed up.
    EXPECT_TRUE(IsSystemDrive("c:\\"));
    EXPECT_TRUE(IsSystemDrive("/"));
    EXPECT_FALSE(IsSystemDrive("e:\\"));
    EXPECT_FALSE(IsSystemDrive(h.root.string()));
    EXPECT_TRUE(h.dialogs.Done());
}

}  // namespace
}  // namespace swathkit
