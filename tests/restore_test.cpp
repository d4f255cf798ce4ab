// The automatic backups read back, compared with the card and restored.

#include "card/restore.h"
#include "card/backup.h"
#include "card/card.h"
#include "core/master_copy.h"
#include "edit/move_passes.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

std::string Lat(int n, const char* degrees = "41") {
    return "+00000000000" + std::string(degrees) + "." + FormatPicture(n, 8, 0);
}

// What one file of a backup was found to be, and how the list says it.
void ExpectFile(const BackupLineFile& file, BackupFileState state, const std::string& text) {
    EXPECT_EQ(file.State, state) << text;
    EXPECT_EQ(DescribeBackupFile(file), text);
}

struct RestoreHarness : Harness {
    RestoreHarness() { MakeWorkFolder(program, ports.Disk); }
    // The card holding image, read into the card side.
    void Card(const CardImage& image) {
        MakeCard(root, &image);
        LoadCard(program, ports, true);
    }
};

TEST(Restore, ListsBackupsNewestFirstAndTellsWhatEachFileHolds) {
    RestoreHarness h;
    h.Card(ImageWith({{12, Lat(12)}, {40, Lat(40)}}));
    // Three today, a later day in December and one in the next year, which
    // a plain sort of the mmddyyyy names would put last.
    for (const Date day :
         {Date{2026, 12, 6}, {2026, 12, 6}, {2026, 12, 6}, {2026, 12, 7}, {2027, 1, 5}}) {
        h.clock.today = day;
        EXPECT_TRUE(BackupCardFiles(h.program, h.ports));
    }
    // Things in the backup folder that are no backups.
    const fs::path backups = BackupFolder(h.program);
    fs::create_directories(backups / "notes" / "0");
    fs::create_directories(backups / "12062026" / "old");
    fs::create_directories(backups / "13012026" / "0");
    WriteFile(backups / "12062026" / "7", "a file, not a folder");

    const std::vector<BackupFolderEntry> listed = ListBackups(h.program, h.ports.Disk);
    std::vector<std::string> names;
    for (const auto& entry : listed) names.push_back(BackupName(entry));
    ASSERT_EQ(names,
              (std::vector<std::string>{"01/05/2027 no. 0", "12/07/2026 no. 0", "12/06/2026 no. 2",
                                        "12/06/2026 no. 1", "12/06/2026 no. 0"}));
    EXPECT_EQ(listed[4].Folder, backups / "12062026" / "0");
    EXPECT_EQ(listed[4].Made.size(), 16u) << listed[4].Made;

    const BackupSummary first = ReadBackup(h.ports.Disk, listed[4].Folder);
    ExpectFile(first.Straight, BackupFileState::Whole, "2 passes");
    EXPECT_EQ(first.Straight.Contents.Bytes, Bytes(h.Lines()));
    ExpectFile(first.Circle, BackupFileState::Missing, "none");

    // A file cut short keeps what it still holds; one that is no line file
    // at all holds nothing.
    const std::string whole = Bytes(h.Lines());
    WriteFile(listed[0].Folder / "ablines.dat", whole.substr(0, whole.size() / 2));
    WriteFile(listed[0].Folder / "circles.dat", std::string("\x89PNG\r\n\x1a\n", 8));
    const BackupSummary broken = ReadBackup(h.ports.Disk, listed[0].Folder);
    ExpectFile(broken.Straight, BackupFileState::Damaged, "damaged: 2 passes readable");
    ExpectFile(broken.Circle, BackupFileState::Foreign, "not a line file");
    EXPECT_EQ(broken.Circle.Passes, 0);
    // One that cannot be read says why.
    const auto refused =
        MakeFiles([](const char* step, const fs::path&) { return std::string(step) == "read"; },
                  make_error_code(std::errc::permission_denied));
    ExpectFile(ReadBackup(*refused, listed[0].Folder).Circle, BackupFileState::Foreign,
               "cannot be read. The system gave this reason: Permission denied.");

    // A whole card copied elsewhere, in the card's own upper case, in a
    // folder whose name would make anything a circle file.
    const fs::path copy = h.work.path() / "Circles copy";
    WriteFile(copy / "PFLINES" / "ABLINES.DAT", whole);
    const BackupLineFile picked = ReadBackupLineFile(h.ports.Disk, copy, TrackKind::Straight);
    ExpectFile(picked, BackupFileState::Whole, "2 passes");
    EXPECT_TRUE(picked.Image.IsStraight && !picked.Image.IsCircle);
}

TEST(Restore, WriteToCardPutsBackTheBackupsOwnBytesAfterAFreshBackup) {
    RestoreHarness h;
    h.Card(ImageWith({{12, Lat(12)}}));
    // Written by other software: no blank after the last field. It reads
    // whole, but writing the lines anew would not give these bytes back.
    const std::string foreign =
        LineFileText(ImageWith({{12, Lat(12)}, {40, Lat(40)}}), LineLayout::MasterCopy);
    const fs::path picked = h.work.path() / "Elsewhere";
    WriteFile(picked / "ablines.dat", foreign);
    const BackupLineFile backup = ReadBackupLineFile(h.ports.Disk, picked, TrackKind::Straight);
    ASSERT_EQ(backup.State, BackupFileState::Whole);
    const std::string before = Bytes(h.Lines());

    h.dialogs.ExpectTitle("Write to Card", Answer::No);
    EXPECT_FALSE(RestoreToCard(h.program, h.ports, backup, picked.string(), {}));
    EXPECT_EQ(Bytes(h.Lines()), before);
    EXPECT_FALSE(fs::exists(BackupFolder(h.program) / "12062026"));

    h.dialogs.ExpectTitle("Write to Card", Answer::Yes);
    EXPECT_TRUE(RestoreToCard(h.program, h.ports, backup, picked.string(), {}));
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(Bytes(h.Lines()), foreign);
    EXPECT_EQ(Bytes(BackupFolder(h.program) / "12062026" / "0" / "ablines.dat"), before);
    // Read afresh: the card side shows the restored passes.
    EXPECT_TRUE(LineInUse(h.program.Table.Current(CardSide).Line(40)));
    EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"12", "40"}));

    // A damaged file, or one of the other kind, is never written.
    BackupLineFile damaged = backup;
    damaged.State = BackupFileState::Damaged;
    BackupLineFile circles = backup;
    circles.Kind = TrackKind::Circle;
    EXPECT_FALSE(RestoreToCard(h.program, h.ports, damaged, "x", {}) ||
                 RestoreToCard(h.program, h.ports, circles, "x", {}));
    EXPECT_EQ(Bytes(h.Lines()), foreign);
}

// A backup of card A, with card B in the reader: it says whose it is, and
// one field selected writes that field, after a warning that defaults to No.
TEST(Restore, EachBackupKnowsItsCardAndOnlyTheSelectedFieldsAreWritten) {
    RestoreHarness h;
    h.Card(ImageWith({{12, Lat(12)}, {40, Lat(40)}}));
    const fs::path folder = BackupCardFiles(h.program, h.ports).value();
    const BackupCard ofA = ReadBackupCard(h.ports.Disk, folder);
    EXPECT_EQ(ofA.Label, "CARD");
    EXPECT_EQ(DescribeBackupCard(ofA, CardInReader(h.ports)), "CARD (this card)");
    const BackupLineFile backup = ReadBackupLineFile(h.ports.Disk, folder, TrackKind::Straight);

    // Card B: the same label, its own cardinfo.bin and passes.
    const CardImage cardB = ImageWith({{40, Lat(40, "42")}, {77, Lat(77)}});
    MakeCard(h.root, &cardB);
    WriteFile(h.root / "cardinfo.bin", "card B");
    LoadCard(h.program, h.ports, true);
    EXPECT_EQ(DescribeBackupCard(ofA, CardInReader(h.ports)), "CARD (another card)");
    const std::string question =
        "This backup was made from another card (CARD) than the one in the reader (CARD).\r\n"
        "Write fields 12 and 77 of the backup x onto the card " +
        CardRoot(h.drives.CurrentText()) +
        "?\r\nThe backup has no pass in field 77: the card's is erased.\r\n"
        "The card's other straight lines stay as they are; all are backed up first.";
    h.dialogs.Expect({question, Buttons::YesNo, Icon::Exclamation, "Write to Card", Answer::No},
                     Answer::Yes);
    EXPECT_TRUE(RestoreToCard(h.program, h.ports, backup, "x", ofA, {12, 77}));
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(ReadLineFile(h.Lines()), ImageWith({{12, Lat(12)}, {40, Lat(40, "42")}}));
}

TEST(Restore, IntoTheImageIsOneCommandThatAsksOnceForTheOneClash) {
    RestoreHarness h;
    h.program.Table.Current(ImageSide) = ImageWith({{40, Lat(40, "43")}, {77, Lat(77)}});
    const CardImage before = h.program.Table.Current(ImageSide);
    BackupLineFile backup;
    backup.State = BackupFileState::Whole;
    backup.Image = ImageWith({{12, Lat(12)}, {40, Lat(40)}, {77, Lat(77)}, {90, Lat(90)}});

    // The clash goes to another field; 90 is not chosen.
    h.dialogs.ExpectTitle("Replace Pass", Answer::No);
    h.dialogs.ExpectInput(
        "Copy field #40 to which field: \r\nYou will be asked before a pass is replaced.", "41");
    EXPECT_TRUE(RestoreIntoImage(h.program, h.ports, backup, {12, 40, 77}));
    EXPECT_TRUE(h.dialogs.Done());
    const CardImage& image = h.program.Table.Current(ImageSide);
    EXPECT_EQ(image.Line(12), backup.Image.Line(12));
    EXPECT_EQ(image.Line(40), before.Line(40));
    EXPECT_EQ(image.Line(41).Latitude, Lat(40));
    EXPECT_EQ(image.Line(41).FieldNum, before.Line(41).FieldNum);
    EXPECT_FALSE(LineInUse(image.Line(90)));
    EXPECT_EQ(ReadLineFile(MasterCopyFile(h.program, true)).Line(41).Latitude, Lat(40));
}

}  // namespace
}  // namespace swathkit
