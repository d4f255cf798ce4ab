// The card in the reader: finding, loading, backing up, saving and copying
// it, the start-up that shows it beside the master copy, and the same on
// real FAT file systems: case-insensitive names spelt as the card's own
// software spells them, read-only media, cards pulled out. Last, every write
// with each of its file steps made to fail in turn: the operator is told,
// no success is shown, and no file that was good before is damaged or lost.

#include <gtest/gtest.h>

#include "card/backup.h"
#include "card/card.h"
#include "card/card_copy.h"
#include "card/drives.h"
#include "card/save.h"
#include "commands/commands.h"
#include "core/error_messages.h"
#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"
#if SWATHKIT_FAT_CARDS
#include "support/fat_card.h"
#endif

namespace swathkit {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

const Message kCardError{
    "Error 300-1 \r\nThere was an error reading this drive.\r\nCheck that the card is properly "
    "inserted, that you\r\nhave selected the correct drive letter, and that\r\nthis drive "
    "contains valid tracking data.",
    Buttons::Ok, Icon::None, "Error with Card"};
const Message kCardWriteError{
    "Error 100-2.  Failed Saving ABLines File., Invalid Save\r\nThe card could not be written. "
    "The left-hand list shows what the card holds now.\r\nPut the card back in the reader, with "
    "its write protection off, press Refresh and make the change again.",
    Buttons::Ok, Icon::None, "Error Saving"};
// A file named Backup where the backup folder belongs.
const Message kBackupBlocked =
    Said({"Error during backup of file.", Buttons::Ok, Icon::None, "Swathkit"},
         "The system gave this reason: File exists.");
const Message kNoBackup{
    "The card could not be backed up first.\r\nWrite to it without a backup? "
    "Its lines are then replaced with no copy of them kept.",
    Buttons::YesNo, Icon::Exclamation, "No Backup", Answer::No};
const std::string kLat = "+0000000000041.50000000";

// The boxes of one "Copy Card to Card" onto a further card; Enter at the
// overwrite question must not overwrite.
void ExpectCopyOnto(ScriptedDialogs& dialogs, std::function<void()> insert, bool another = false) {
    dialogs.Expect({"Please insert second card and press ok.", Buttons::OkCancel, Icon::None,
                    "Continue with Card"},
                   Answer::Ok, std::move(insert));
    dialogs.Expect({"The AB-Line and Circle Info on this card will be \r\ncompletely replaced.  "
                    "Is it ok to continue?",
                    Buttons::YesNo, Icon::None, "Continue with Copy", Answer::No},
                   Answer::Yes);
    dialogs.Expect({"Image has been successfully saved.\r\nWould you like to copy this image to "
                    "another card?",
                    Buttons::YesNo, Icon::None, "Another Copy"},
                   another ? Answer::Yes : Answer::No);
}

TEST(Card, LoadingAStraightThenACircleCardAndLoadsThatFail) {
    Harness h;
    const CardImage straight = ImageWith({{12, kLat}, {40, "+0000000000042.00000000"}});
    const CardImage circle = ImageWith({{7, "+0000000000041.00000000"}}, false);
    MakeCard(h.root, &straight, &circle);
    WriteFile(TemporaryFileFor(h.Lines()), "left by a pulled card");
    h.program.Table.At(ImageSide, 0) = ImageWith({{30, kLat}});
    LoadCard(h.program, h.ports, true);
    EXPECT_EQ(h.program.Table.At(CardSide, 0), straight);
    EXPECT_EQ(h.program.Table.At(CardSide, 1), straight);
    EXPECT_EQ(h.controls.description, "Your Card -- Available " + h.root.string());
    EXPECT_TRUE(h.controls.cardCommands);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12", "40"}));
    EXPECT_FALSE(fs::exists(TemporaryFileFor(h.Lines())));
    h.program.Menus.StraightTrack = false;
    LoadCard(h.program, h.ports, true);
    EXPECT_TRUE(h.program.Table.At(CardSide, 0).IsCircle);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"7"}));

    // Straight chosen, but the card holds only circles: quiet when asked so,
    // the card side blank and the image side alone.
    h.program.Menus.StraightTrack = true;
    fs::remove(h.Lines());
    LoadCard(h.program, h.ports, false);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.controls.description, "Your Card -- Not Detected");
    EXPECT_EQ(h.program.Table.At(CardSide, 0), NewBlankImage());
    EXPECT_EQ(h.program.Table.At(CardSide, 1), NewBlankImage());
    EXPECT_FALSE(h.controls.cardCommands);
    EXPECT_TRUE(h.cardList.rows.empty());
    EXPECT_EQ(h.program.Table.At(ImageSide, 0).Line(30).Latitude, kLat);
    // A folder where the file should be is no card either.
    fs::create_directories(h.Lines());
    h.dialogs.Expect(Said(kCardError, "The system gave this reason: Is a directory."), Answer::Ok);
    LoadCard(h.program, h.ports, true);
    EXPECT_TRUE(h.dialogs.Done());
}

TEST(Card, RefreshSelectsTheEntriesFoundInTheRememberedTextAndDrivesThatCanBeACard) {
    Harness h;
    h.drives.entries = {"c:", "e: [CARD]"};
    h.drives.afterReread = {"c:", "d:", "e:"};
    h.drives.afterRereadCurrent = 0;
    RefreshDrives(h.ports);
    EXPECT_EQ(h.drives.selections, (std::vector<int>{2}));  // "e:" occurs in "e: [CARD]"
    h.drives.afterReread = {"c:", "e: [CARD]"};             // "e: [CARD]" is not inside "e:"
    RefreshDrives(h.ports);
    EXPECT_EQ(h.drives.CurrentText(), "c:");
    // Mount paths match whole, whatever the label: "/" is inside all of them.
    h.drives.entries = {"/", "/media/farm/CARD [CARDA]"};
    h.drives.current = 1;
    h.drives.afterReread = {"/", "/media/farm/CARD [CARDB]", "/media/farm/CARD1"};
    RefreshDrives(h.ports);
    EXPECT_EQ(h.drives.CurrentText(), "/media/farm/CARD [CARDB]");
    h.drives.rereadWorks = false;
    h.dialogs.Expect({"Error 400-1  Error during drive refresh.", Buttons::Ok, Icon::None,
                      "Drive Refresh Error"},
                     Answer::Ok);
    RefreshDrives(h.ports);
    EXPECT_TRUE(h.dialogs.Done());

    // Refresh finds a card put in after the start wherever it was mounted,
    // and stays on the chosen drive while no drive holds one.
    h.drives.rereadWorks = true;
    h.drives.entries = h.drives.afterReread = h.reader.entries;
    h.drives.current = h.drives.afterRereadCurrent = 0;
    const fs::path none =
        CardFilePath(RealFiles(), h.drives.entries[0], kCardFolder, kStraightLinesFile);
    h.dialogs.Expect(Said(kCardError, "There is no file " + PathText(none) + "."), Answer::Ok);
    cmdRefresh_Click(h.program, h.ports);
    EXPECT_EQ(h.drives.current, 0);
    const CardImage card = ImageWith({{12, kLat}});
    MakeCard(h.root, &card);
    cmdRefresh_Click(h.program, h.ports);
    EXPECT_EQ(h.drives.current, 1);
    EXPECT_EQ(h.program.Table.At(CardSide, 0), card);
    EXPECT_TRUE(h.dialogs.Done());

    const DriveList list = ListDrives({{"/", "", "ext4"},
                                       {"/run/user/0", "", "tmpfs"},
                                       {"/media/farm/CARD", "CARD", "vfat"},
                                       {"/mnt/stick", "", "fuse.fusefat"},
                                       {"/media/farm/iso", "", "iso9660"}},
                                      DriveStyle::MountPoints);
    EXPECT_EQ(list.Entries, (Texts{"/ [This Computer]", "/media/farm/CARD [CARD]", "/mnt/stick"}));
    EXPECT_EQ(list.Initial, 1);
    const DriveList letters =
        ListDrives({{"E:/", "CARD", "FAT32"}, {"C:/", "Windows", "NTFS"}, {"D:/", "", "CDFS"}},
                   DriveStyle::Letters);
    EXPECT_EQ(letters.Entries, (Texts{"c: [Windows]", "d:", "e: [CARD]"}));
    EXPECT_EQ(letters.Initial, 2);
    EXPECT_EQ(DrivePart("e: [CARD]"), "e:");
    EXPECT_EQ(CardRoot("e: [CARD]"), "e:\\");
    EXPECT_EQ(DrivePart("/media/farm/CARD [CARD]"), "/media/farm/CARD");
    EXPECT_EQ(CardFilePath(RealFiles(), "e: [CARD]", "pflines", "ablines.dat").string(),
              "e:\\pflines\\ablines.dat");
    EXPECT_EQ(CardFilePath(RealFiles(), "/", "pflines", "circles.dat").generic_string(),
              "/pflines/circles.dat");
}

TEST(Backup, FoldersTakeTheLowestFreeNumberAndBackupImageCopiesTheWholeCardOffTheCard) {
    Harness h;
    for (const char* n : {"1", "3"}) fs::create_directories(h.day / n);
    WriteFile(h.day / "4", "a file blocks the number too");
    const CardImage straight = ImageWith({{12, kLat}});
    MakeCard(h.root, &straight);  // no circles.dat
    const fs::path folder = BackupCardFiles(h.program, h.ports).value_or("");
    EXPECT_EQ(folder, h.day / "0");
    EXPECT_EQ(Bytes(folder / "ablines.dat"), Bytes(h.Lines()));
    EXPECT_EQ(Bytes(folder / "cardinfo.bin"), Bytes(h.root / "cardinfo.bin"));
    EXPECT_FALSE(fs::exists(folder / "circles.dat"));
    // Names in capitals on the card land under the usual names.
    fs::rename(h.root / "pflines", h.root / "PFLINES");
    fs::rename(h.root / "PFLINES" / "ablines.dat", h.root / "PFLINES" / "ABLINES.DAT");
    fs::rename(h.root / "cardinfo.bin", h.root / "CARDINFO.BIN");
    EXPECT_EQ(BackupCardFiles(h.program, h.ports), h.day / "2");
    EXPECT_EQ(Bytes(h.day / "2" / "ablines.dat") + Bytes(h.day / "2" / "cardinfo.bin"),
              Bytes(folder / "ablines.dat") + Bytes(folder / "cardinfo.bin"));
    EXPECT_EQ(std::get<fs::path>(NewBackupFolder(h.program, h.ports)), h.day / "5");
    for (int n = 6; n < 255; ++n) fs::create_directories(h.day / std::to_string(n));
    EXPECT_EQ(std::get<fs::path>(NewBackupFolder(h.program, h.ports)), h.day / "255");
    EXPECT_EQ(std::get<BackupProblem>(NewBackupFolder(h.program, h.ports)),
              BackupProblem::AllNumbersTaken);
    h.dialogs.Expect({"Backup Error 200-1 \r\nProblem creating \\Swathkit\\Backup folder.",
                      Buttons::Ok, Icon::None, "Backup Error"},
                     Answer::Ok);
    EXPECT_FALSE(BackupCardFiles(h.program, h.ports));
    h.clock.today = {2026, 12, 7};  // after midnight the numbering starts again
    EXPECT_EQ(std::get<fs::path>(NewBackupFolder(h.program, h.ports)),
              h.program.WorkFolder / "Backup" / "12072026" / "0");

    // "Backup Image" copies the whole card only into a folder off the card.
    WriteFile(h.root / ".hidden", "hidden files too");
#ifndef _WIN32
    fs::create_symlink("/etc", h.root / "elsewhere");  // never followed
#endif
    // Named in letters outside the Windows code page.
    const fs::path target = h.work.path() / u8"Sicherung \u0141\u00f3d\u017a";
    fs::create_directories(target);
    // No: nothing chosen, nothing copied, no further box.
    h.dialogs.ExpectTitle("Verify Card Drive", Answer::No);
    mnuBackup_Click(h.program, h.ports);
    EXPECT_FALSE(h.program.ChosenDirectory);
    h.dialogs.ExpectTitle("Verify Card Drive", Answer::Yes);
    h.dialogs.ExpectDirectory(target);
    h.dialogs.ExpectTitle("Successful Save!", Answer::Ok);
    mnuBackup_Click(h.program, h.ports);
    EXPECT_EQ(Bytes(target / "PFLINES" / "ABLINES.DAT"), Bytes(folder / "ablines.dat"));
    EXPECT_EQ(Bytes(target / ".hidden"), "hidden files too");
    EXPECT_FALSE(fs::exists(fs::symlink_status(target / "elsewhere")));

    // A folder on the card itself is refused instead of copied forever.
    h.dialogs.ExpectTitle("Verify Card Drive", Answer::Yes);
    h.dialogs.ExpectDirectory(h.root / "PFLINES");
    h.dialogs.Expect({"The chosen folder is on the card itself.\r\n"
                      "Choose a folder on the PC; nothing has been copied.",
                      Buttons::Ok, Icon::Exclamation, "Invalid Save"},
                     Answer::Ok);
    mnuBackup_Click(h.program, h.ports);
    EXPECT_FALSE(fs::exists(h.root / "PFLINES" / "PFLINES"));
    EXPECT_TRUE(h.dialogs.Done());
    // The system drive is never backed up.
    EXPECT_TRUE(IsSystemDrive("c:\\") && IsSystemDrive("/"));
    EXPECT_FALSE(IsSystemDrive("e:\\") || IsSystemDrive(h.root.string()));
}

// A side changed as every command changes one: the undo copy first, then
// pass 12 copied to slot; saved through save when given.
struct Changing : Harness {
    void Change(int side, int slot, const std::string& latitude, Ports* save) {
        program.Table.At(side, 1) = program.Table.Current(side);
        GuidanceLine& line = program.Table.Current(side).Line(slot);
        line = program.Table.Current(side).Line(12);
        line.FieldNum = FieldNumText(slot);
        line.Latitude = latitude;
        program.ImageChanged = true;
        if (save)
            SaveImage(program, *save, side);
    }
};

struct SaveHarness : Changing {
    SaveHarness() {
        MakeCard(root, &original);
        MakeWorkFolder(program, ports.Disk);
        LoadCard(program, ports, true);
    }
    const CardImage original = ImageWith({{12, kLat}});
};

TEST(Save, EachChangeIsBackedUpThenWrittenToItsSideAndNothingWithoutOne) {
    SaveHarness h;
    const std::string first = Bytes(h.Lines());
    SaveImage(h.program, h.ports, CardSide);
    SaveImage(h.program, h.ports, ImageSide);
    EXPECT_TRUE(h.progress.steps.empty());

    // An image change writes only the master copy.
    h.program.Table.Current(ImageSide) = h.original;
    h.Change(ImageSide, 50, "+0000000000045.00000000", &h.ports);
    EXPECT_EQ(Bytes(MasterCopyFile(h.program, true)),
              LineFileText(h.program.Table.Current(ImageSide), LineLayout::MasterCopy));
    EXPECT_EQ(Bytes(h.Lines()), first);
    EXPECT_FALSE(fs::exists(h.day));
    const std::string master = Bytes(MasterCopyFile(h.program, true));
    h.Change(CardSide, 20, "+0000000000042.00000000", &h.ports);
    const std::string second = Bytes(h.Lines());
    h.Change(CardSide, 30, "+0000000000043.00000000", &h.ports);
    // Each backup holds the card as it was before that write.
    EXPECT_EQ(Bytes(h.day / "0" / "ablines.dat"), first);
    EXPECT_EQ(Bytes(h.day / "1" / "ablines.dat"), second);
    EXPECT_EQ(Bytes(h.Lines()), LineFileText(h.program.Table.Current(CardSide), LineLayout::Card));
    EXPECT_FALSE(h.program.ImageChanged);
    EXPECT_EQ(h.progress.Saves(CardSide), 2);
    EXPECT_EQ(Bytes(MasterCopyFile(h.program, true)), master);
    // A file that was never read is never written, not even the other kind's.
    h.program.Menus.StraightTrack = false;
    h.dialogs.Expect(kCardWriteError, Answer::Ok);
    h.Change(CardSide, 40, "+0000000000044.00000000", &h.ports);
    EXPECT_FALSE(fs::exists(h.root / "pflines" / "circles.dat"));
    h.program.Menus.StraightTrack = true;
    const std::string before = Bytes(h.Lines());
    // The new file reaches the device before it takes the old one's place,
    // and its folder after; it keeps the old file's permission bits (POSIX).
    const auto mode = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(h.Lines(), mode);
    Texts steps;
    auto recording = MakeFiles([&](const char* step, const fs::path&) {
        if (std::string(step) != "list")  // looking for the card's own spelling
            steps.push_back(step);
        return false;
    });
    ASSERT_TRUE(recording->Replace(h.Lines(), before));
    EXPECT_EQ(steps, (Texts{"open", "write", "sync", "close", "rename", "syncdir"}));
#ifndef _WIN32
    EXPECT_EQ(fs::status(h.Lines()).permissions(), mode);
#endif

    // A bad side or no drive is a bad save, with no backup.
    fs::remove_all(h.day);
    const Message badSave{"Error 500-1\r\nThere was a problem saving to the card.", Buttons::Ok,
                          Icon::None, "Bad Save"};
    for (const int side : {2, int{CardSide}}) {
        h.drives.entries = side == 2 ? h.drives.entries : Texts{};
        h.dialogs.Expect(badSave, Answer::Ok);
        h.program.ImageChanged = true;
        SaveImage(h.program, h.ports, side);
    }
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_FALSE(fs::exists(h.day));
}

// A card is written only while the card in the reader is the one shown, all
// three of its files, from the first look to the replace; without a backup
// only after a yes; and after a failed write the card side shows the card.
TEST(Save, OnlyTheCardShownIsWrittenAfterItsBackupAndAFailureShowsTheCard) {
    SaveHarness h;
    const std::string lines = Bytes(h.Lines());
    for (const char* other : {"cardinfo.bin", "pflines/circles.dat"}) {
        WriteFile(h.root / other, "the same straight lines, but another card");
        h.dialogs.ExpectTitle("Card Changed", Answer::Ok);
        h.Change(CardSide, 20, kLat, &h.ports);
        EXPECT_EQ(Bytes(h.Lines()), lines) << other;
    }
    EXPECT_FALSE(fs::exists(h.day));
    // Card B put into the reader while A is being backed up.
    const CardImage onB = ImageWith({{12, Pass(12, 2)}, {21, Pass(21, 2)}});
    MakeCard(h.work.path() / "B", &onB);
    auto swapping = MakeFiles([&](const char* step, const fs::path& path) {
        if (std::string(step) == "mkdir" && path.parent_path() == h.day) {
            fs::rename(h.reader.folder, h.work.path() / "A");
            fs::rename(h.work.path() / "B", h.reader.folder);
        }
        return false;
    });
    Ports swapped = h.Wire(h.dialogs, *swapping);
    h.dialogs.ExpectTitle("Card Changed", Answer::Ok);
    h.Change(CardSide, 30, kLat, &swapped);
    EXPECT_EQ(Bytes(h.Lines()), LineFileText(onB, LineLayout::Card));

    // No backup folder: written only after a yes.
    fs::remove_all(h.program.WorkFolder / "Backup");
    WriteFile(h.program.WorkFolder / "Backup", "not a folder");
    h.dialogs.Expect(kBackupBlocked, Answer::Ok);
    h.dialogs.Expect(kNoBackup, Answer::No);
    h.Change(CardSide, 30, kLat, &h.ports);
    EXPECT_EQ(Bytes(h.Lines()), LineFileText(onB, LineLayout::Card));
    EXPECT_FALSE(LineInUse(h.program.Table.Current(CardSide).Line(30)));
    fs::remove(h.program.WorkFolder / "Backup");
    for (int n = 0; n < 256; ++n) fs::create_directories(h.day / std::to_string(n));
    h.dialogs.Expect(kNoFreeBackupFolder, Answer::Ok);
    h.dialogs.Expect(kNoBackup, Answer::Yes);
    h.Change(CardSide, 30, kLat, &h.ports);
    EXPECT_EQ(Bytes(h.Lines()), LineFileText(h.program.Table.Current(CardSide), LineLayout::Card));
    EXPECT_TRUE(LineInUse(h.program.Table.Current(CardSide).Line(30)));
    fs::remove_all(h.day);

    // Pulled right after a rename: its folder cannot be flushed, which is no
    // success (Windows has no folder to flush). A change then is not shown.
    auto pulling = MakeFiles([&](const char* step, const fs::path&) {
        if (std::string(step) == "syncdir")
            fs::rename(h.reader.folder, h.work.path() / "pulled");
        return false;
    });
    [[maybe_unused]] const bool flushed = pulling->Replace(h.Lines(), lines);
#ifndef _WIN32
    EXPECT_FALSE(flushed);
#endif
    h.dialogs.Expect(kCardWriteError, Answer::Ok);
    h.Change(CardSide, 40, kLat, &h.ports);
    EXPECT_EQ(h.controls.description, kNotDetected);
    EXPECT_TRUE(h.cardList.rows.empty());
    fs::rename(h.work.path() / "pulled", h.reader.folder);
#ifndef _WIN32
    // A pflines that is a link leads off the card: never written through.
    const fs::path elsewhere = h.work.path() / "elsewhere";
    fs::rename(h.root / "pflines", elsewhere);
    fs::create_symlink(elsewhere, h.root / "pflines");
    LoadCard(h.program, h.ports, true);
    h.dialogs.Expect(kCardWriteError, Answer::Ok);
    h.Change(CardSide, 40, kLat, &h.ports);
    EXPECT_EQ(Bytes(elsewhere / "ablines.dat"), lines);
#endif
    EXPECT_TRUE(h.dialogs.Done());
}

// One reader: "inserting" a card moves another folder to the reader's place.
struct CopyHarness : Harness {
    CopyHarness() { MakeCard(root, &source, &sourceCircles); }
    void Insert(const fs::path& card) {
        if (fs::exists(reader.folder))
            fs::rename(reader.folder, work.path() / ("out" + std::to_string(out++)));
        fs::rename(card, reader.folder);
    }
    fs::path Blank(const std::string& name) {
        const fs::path card = work.path() / name;
        const CardImage other = ImageWith({{99, "+0000000000001.00000000"}});
        MakeCard(card, &other, &other);
        return card;
    }
    const CardImage source = ImageWith({{12, kLat}});
    const CardImage sourceCircles = ImageWith({{20, "+0000000000042.00000000"}}, false);
    int out = 0;
};

TEST(CardCopy, ThreeCardsFromOneBackupAfterACardOfTheWrongKindAndCancelAtTheFirst) {
    CopyHarness h;
    const Message complete{"This card image has been successfully saved.", Buttons::Ok, Icon::None,
                           "Copy Complete"};
    h.dialogs.Expect(complete, Answer::Ok);
    h.dialogs.ExpectTitle("Continue with Card", Answer::Cancel);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    // Only the source's files are written: without circles of its own, each
    // further card keeps its circles. A card with circles only is refused,
    // never written, and a card asked for again.
    fs::remove(h.root / "pflines" / "circles.dat");
    const std::string lines = Bytes(h.Lines());
    for (int i = 0; i < 3; ++i) h.Blank("further" + std::to_string(i));
    const std::string ownCircles = Bytes(h.work.path() / "further0" / "pflines" / "circles.dat");
    const std::string ownLines = Bytes(h.work.path() / "further0" / "pflines" / "ablines.dat");
    const fs::path wrongKind = h.work.path() / "wrong";
    MakeCard(wrongKind, nullptr, &h.sourceCircles);
    h.dialogs.Expect(complete, Answer::Ok);
    h.dialogs.ExpectTitle("Continue with Card", Answer::Ok, [&] { h.Insert(wrongKind); });
    h.dialogs.Expect(kCardError, Answer::Ok);
    for (int i = 0; i < 3; ++i)
        ExpectCopyOnto(
            h.dialogs, [&h, i] { h.Insert(h.work.path() / ("further" + std::to_string(i))); },
            i < 2);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());

    // The cards were renamed away in turn; each holds the source's lines
    // and no second copy beside them, and its own cardinfo.bin.
    for (int i = 0; i < 3; ++i) {
        const fs::path card = i < 2 ? h.work.path() / ("out" + std::to_string(i + 2)) : h.root;
        EXPECT_EQ(Bytes(card / "pflines" / "ablines.dat"), lines) << i;
        EXPECT_EQ(Bytes(card / "pflines" / "circles.dat"), ownCircles) << i;
        EXPECT_EQ(std::distance(fs::directory_iterator(card / "pflines"), {}), 2) << i;
        EXPECT_EQ(std::distance(fs::directory_iterator(card), {}), 2) << i;
        EXPECT_EQ(Bytes(card / "cardinfo.bin"), std::string("\x01\x02\x00\x03", 4));
        // Each was backed up before it was written, in the day's next folder.
        const fs::path backup = h.day / std::to_string(i + 2);
        EXPECT_EQ(Bytes(backup / "ablines.dat") + Bytes(backup / "circles.dat"),
                  ownLines + ownCircles)
            << i;
    }
    // One backup of the first card for each run, one for each further card.
    EXPECT_EQ(std::distance(fs::directory_iterator(h.day), {}), 5);
    EXPECT_EQ(Bytes(h.work.path() / "out1" / "pflines" / "circles.dat"),
              LineFileText(h.sourceCircles, LineLayout::Card));
    EXPECT_FALSE(fs::exists(h.work.path() / "out1" / "pflines" / "ablines.dat"));
}

TEST(CardCopy, AFailedBackupOrWriteEndsTheRun) {
    CopyHarness h;
    // No backup: stop after its message, never "successfully saved".
    WriteFile(h.program.WorkFolder / "Backup", "not a folder");
    h.dialogs.Expect(kBackupBlocked, Answer::Ok);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    fs::remove(h.program.WorkFolder / "Backup");

    // A card that fails mid-write: the file not yet replaced stays whole.
    const fs::path further = h.Blank("further");
    const std::string ownLines = Bytes(further / "pflines" / "ablines.dat");
    auto faulty = MakeFiles([&](const char* step, const fs::path& path) {
        return std::string(step) == "rename" && path.filename() == "ablines.dat" &&
               path.parent_path().parent_path() == h.root;
    });
    h.dialogs.ExpectTitle("Copy Complete", Answer::Ok);
    h.dialogs.ExpectTitle("Continue with Card", Answer::Ok, [&] { h.Insert(further); });
    h.dialogs.ExpectTitle("Continue with Copy", Answer::Yes);
    h.dialogs.Expect(Said({"The card could not be written (ABLINES.dat).\r\n"
                           "Its files that were not replaced yet are unchanged.",
                           Buttons::Ok, Icon::Exclamation, "Copy Failed"},
                          "The card was taken out."),
                     Answer::Ok);
    Ports ports = h.Wire(h.dialogs, *faulty);
    mnuCardtoCard_Click(h.program, ports);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(Bytes(h.Lines()), ownLines);
    EXPECT_EQ(Bytes(h.root / "pflines" / "circles.dat"),
              LineFileText(h.sourceCircles, LineLayout::Card));
#ifndef _WIN32
    // A further card whose pflines is a link: not written through.
    const fs::path linked = h.Blank("linked"), elsewhere = h.work.path() / "elsewhere";
    fs::rename(linked / "pflines", elsewhere);
    fs::create_symlink(elsewhere, linked / "pflines");
    const FileSnapshot before = Snapshot(elsewhere);
    h.dialogs.ExpectTitle("Copy Complete", Answer::Ok);
    h.dialogs.ExpectTitle("Continue with Card", Answer::Ok, [&] { h.Insert(linked); });
    h.dialogs.ExpectTitle("Continue with Copy", Answer::Yes);
    h.dialogs.ExpectTitle("Copy Failed", Answer::Ok);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(Snapshot(elsewhere), before);
#endif
}

// A write the card refuses says why under the numbered box's own text, and
// the card keeps its lines.
TEST(Save, ARefusedWriteSaysWhyInPlainWords) {
    using Refusal = std::tuple<std::errc, std::string, std::string>;
    for (const auto& [reason, failing, said] :
         {Refusal{std::errc::no_space_on_device, "sync", "There is no room left on the card."},
          Refusal{std::errc::read_only_file_system, "open", "The card is write-protected."},
          Refusal{std::errc::permission_denied, "rename", "The card is write-protected."},
          Refusal{std::errc::no_such_file_or_directory, "rename", "The card was taken out."},
          Refusal{std::errc::operation_not_permitted, "close",
                  "The system gave this reason: Operation not permitted."},
          // The card is read again just before it is written.
          Refusal{std::errc::io_error, "read", "The card was taken out."}}) {
        SCOPED_TRACE(said);
        SaveHarness h;
        const std::string lines = Bytes(h.Lines());
        auto card = MakeFiles(
            [&](const char* step, const fs::path& path) {
                return step == failing && path.parent_path().parent_path() == h.root;
            },
            make_error_code(reason));
        Ports ports = h.Wire(h.dialogs, *card);
        h.dialogs.Expect(Said(kCardWriteError, said), Answer::Ok);
        h.Change(CardSide, 40, kLat, &ports);
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(Bytes(h.Lines()), lines);
    }
}

TEST(Shell, StartUpShowsTheCardBesideTheMasterCopyAndHelpComesFromTheProgramsFolder) {
    Harness h;
    // e-acute, u-umlaut and Cyrillic: no Windows code page holds them all.
    h.program.WorkFolder = h.work.path() / u8"H\u00f6fe \u00e9 \u00fc \u041f\u043e\u043b\u0435";
    const CardImage card = ImageWith({{12, kLat}});
    const CardImage circles = ImageWith({{20, kLat}}, false);
    MakeCard(h.root, &card, &circles);
    h.program.ImageChanged = true;
    const CardImage master = ImageWith({{40, "+0000000000010.00000000"}});
    WriteFile(MasterCopyFile(h.program, true), LineFileText(master, LineLayout::MasterCopy));
    StartUp(h.program, h.ports);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"40"}));
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), master);
    EXPECT_FALSE(h.program.ImageChanged);
    // Switching the kind reloads the card beside the image of that kind.
    mnuCircleTrack_Click(h.program, h.ports);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"20"}));
    EXPECT_TRUE(h.program.Table.At(ImageSide, 0).IsCircle);

    // A program folder named in letters outside the Windows code page.
    const fs::path folder = h.work.path() / u8"Programme \u00c5s \u0141\u00f3d\u017a";
    h.dialogs.Expect({"Help File could not be found!", Buttons::Ok, Icon::Exclamation, "No Help"},
                     Answer::Ok);
    mnuHelp_Click(h.ports, folder);
    EXPECT_EQ(h.help.opened, (std::vector<fs::path>{folder / "AB_Help.chm"}));
    WriteFile(folder / "AB_Help.chm", "present");
    mnuHelp_Click(h.ports, folder);
    EXPECT_TRUE(h.dialogs.Done());
}

#if SWATHKIT_FAT_CARDS
// The reader is a mount point; cards are FAT images put into it in turn.
struct MediaHarness : Changing {
    MediaHarness() { MakeWorkFolder(program, ports.Disk); }
    // The card in the reader: its three files, read under any spelling.
    std::string Files(const fs::path& at) const {
        return Bytes(at / "pflines" / "ablines.dat") + "|" + Bytes(at / "pflines" / "circles.dat") +
               "|" + Bytes(at / "cardinfo.bin");
    }
    std::size_t Entries() const {
        return std::distance(fs::directory_iterator(root / "PFLINES"), {});
    }
};

TEST(Media, SavesOntoReadOnlyPulledAndGoodCardsThenACopyOntoAnother) {
    SKIP_WITHOUT_FAT();
    MediaHarness h;
    auto a = MakeFatCard(h.work.path(), h.root, "CARDA", ImageWith({{12, kLat}}));
    auto b = MakeFatCard(h.work.path(), h.root, "CARDB", ImageWith({{99, kLat}}));
    ASSERT_TRUE(a->Mount(h.root, /*readOnly=*/true));
    const std::string onA = h.Files(h.root);
    LoadCard(h.program, h.ports, true);
    ASSERT_TRUE(LineInUse(h.program.Table.Current(CardSide).Line(12)));
    h.dialogs.Expect(Said(kCardWriteError, "The card is write-protected."), Answer::Ok);
    h.Change(CardSide, 40, kLat, &h.ports);
    EXPECT_EQ(h.Files(h.root), onA);
    // The card side shows what the card holds, not the change.
    EXPECT_FALSE(LineInUse(h.program.Table.Current(CardSide).Line(40)));
    EXPECT_EQ(h.controls.description, "Your Card -- Available " + h.root.string());

    // Writable now, but the card goes just before its new file takes the
    // old one's place: no success shown, the card and its backup whole, and
    // the next load tidies away what the broken write left.
    ASSERT_TRUE(a->Mount(h.root));
    auto pulling = MakeFiles([&](const char* step, const fs::path& path) {
        if (std::string(step) == "rename" && path.parent_path().parent_path() == h.root)
            a->Unmount();
        return false;
    });
    Ports ports = h.Wire(h.dialogs, *pulling);
    h.dialogs.Expect(Said(kCardWriteError, "The card was taken out."), Answer::Ok);
    h.Change(CardSide, 50, kLat, &ports);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(h.controls.description, kNotDetected);
    ASSERT_TRUE(a->Mount(h.root));
    EXPECT_EQ(h.Files(h.root), onA);
    EXPECT_EQ(Bytes(h.day / "1" / "ablines.dat") + "|" + Bytes(h.day / "1" / "circles.dat") + "|" +
                  Bytes(h.day / "1" / "cardinfo.bin"),
              onA);
    LoadCard(h.program, h.ports, true);
    EXPECT_EQ(h.Entries(), 2u);

    // A good save, taken out and put back: one line file, in the card's
    // spelling, with the new pass.
    h.Change(CardSide, 60, kLat, &h.ports);
    a->Unmount();
    ASSERT_TRUE(a->Mount(h.root));
    EXPECT_EQ(h.Entries(), 2u);
    const CardImage back = ReadLineFile(h.root / "PFLINES" / "ABLINES.DAT");
    EXPECT_EQ(back, h.program.Table.Current(CardSide));
    EXPECT_EQ(back.Line(60).Latitude, kLat);

    // Copied onto card B: its files replaced in their own spelling, its
    // own cardinfo.bin kept.
    const std::string lines = Bytes(h.root / "pflines" / "ablines.dat");
    const std::string circles = Bytes(h.root / "pflines" / "circles.dat");
    h.dialogs.ExpectTitle("Copy Complete", Answer::Ok);
    ExpectCopyOnto(h.dialogs, [&] {
        a->Unmount();
        EXPECT_TRUE(b->Mount(h.root));
    });
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    b->Unmount();
    ASSERT_TRUE(b->Mount(h.root));
    EXPECT_EQ(h.Files(h.root), lines + "|" + circles + "|CARDB");
    EXPECT_EQ(h.Entries(), 2u);
}

#endif  // SWATHKIT_FAT_CARDS

// Answers every box as an operator going ahead would, and never asks for
// another card copy.
class GoingAhead final : public Dialogs {
  public:
    Answer Show(const Message& message) override {
        titles.push_back(message.Title.English());
        if (message.Title == "Continue with Card" && meanwhile)
            std::exchange(meanwhile, {})();
        if (message.Title == "Another Copy")
            return Answer::No;
        return message.Buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<std::string> Input(const Words&, const Words&) override { return std::nullopt; }
    std::optional<fs::path> SelectDirectory() override { return folder; }
    std::optional<int> ChooseDrive(const Message&, const std::vector<std::string>&,
                                   int current) override {
        return current;
    }
    bool Showed(const std::string& title) const {
        return std::find(titles.begin(), titles.end(), title) != titles.end();
    }
    std::vector<std::string> titles;
    fs::path folder;
    std::function<void()> meanwhile;
};

// Each file that was there before is there still, either as it was or as
// the write meant it to become.
void ExpectKept(const FileSnapshot& before, const FileSnapshot& after, const FileSnapshot& meant,
                const std::string& where) {
    for (const auto& [path, bytes] : before) {
        const auto now = after.find(path);
        ASSERT_TRUE(now != after.end()) << where << ": lost " << path;
        const auto goal = meant.find(path);
        EXPECT_TRUE(now->second == bytes || (goal != meant.end() && now->second == goal->second))
            << where << ": damaged " << path;
    }
}

struct FaultHarness : Changing {
    explicit FaultHarness(int failAt)
        : faulty(MakeFiles(
              [this, failAt](const char*, const fs::path&) { return ++steps == failAt; })) {
        const CardImage lines = ImageWith({{12, kLat}});
        const CardImage circles = ImageWith({{20, "+0000000000042.00000000"}}, false);
        MakeCard(root, &lines, &circles);
        MakeWorkFolder(program, ports.Disk);
        WriteFile(MasterCopyFile(program, true), LineFileText(lines, LineLayout::MasterCopy));
        LoadCard(program, ports, true);
        program.Table.At(ImageSide, 0) = LoadMasterCopy(program, ports);
        program.Table.At(ImageSide, 1) = program.Table.At(ImageSide, 0);
    }
    void Change(int side) {
        Changing::Change(side, 30, "+0000000000043.00000000", nullptr);
        meantCard = Snapshot(root);
        meantCard["pflines/ablines.dat"] =
            LineFileText(program.Table.Current(CardSide), LineLayout::Card);
        meantWork = Snapshot(program.WorkFolder);
        meantWork["Master_Copy_Straight.dat"] =
            LineFileText(program.Table.Current(ImageSide), LineLayout::MasterCopy);
    }
    int steps = 0;
    std::unique_ptr<Files> faulty;
    GoingAhead going;
    Ports faultyPorts = Wire(going, *faulty);
    FileSnapshot meantCard, meantWork;
};

// Runs one write with no fault to count its steps, then once for each step
// failing; check sees the harness after the run and whether a step failed.
void EveryStepFails(const std::function<void(FaultHarness&)>& write,
                    const std::function<void(FaultHarness&, bool failed)>& check) {
    int total = 0;
    {
        FaultHarness h(0);
        write(h);
        total = h.steps;
        check(h, false);
    }
    ASSERT_GT(total, 3);
    for (int n = 1; n <= total; ++n) {
        SCOPED_TRACE("step " + std::to_string(n) + " of " + std::to_string(total));
        FaultHarness h(n);
        const auto card = Snapshot(h.root);
        const auto work = Snapshot(h.program.WorkFolder);
        write(h);
        ExpectKept(card, Snapshot(h.root), h.meantCard, "card");
        ExpectKept(work, Snapshot(h.program.WorkFolder), h.meantWork, "work folder");
        check(h, true);
    }
}

TEST(Faults, SavingEitherSide) {
    for (const int side : {CardSide, ImageSide}) {
        SCOPED_TRACE(side);
        EveryStepFails(
            [side](FaultHarness& h) {
                h.Change(side);
                SaveImage(h.program, h.faultyPorts, side);
            },
            [side](FaultHarness& h, bool failed) {
                // Written, or the operator was told; the change stays.
                if (side == CardSide) {
                    const bool written = Bytes(h.Lines()) == h.meantCard["pflines/ablines.dat"];
                    EXPECT_TRUE(written || h.going.Showed("Error Saving") ||
                                h.going.Showed("Swathkit"));
                    EXPECT_TRUE(failed || (written && h.going.titles.empty()));
                    EXPECT_FALSE(h.program.ImageChanged);
                } else {
                    EXPECT_TRUE(Bytes(MasterCopyFile(h.program, true)) ==
                                    h.meantWork["Master_Copy_Straight.dat"] ||
                                h.going.Showed(kMasterCopySaveFailed.Title.English()));
                }
                EXPECT_FALSE(fs::exists(TemporaryFileFor(h.Lines())));
                // The image keeps its change; the card side shows the card.
                EXPECT_EQ(LineInUse(h.program.Table.Current(side).Line(30)),
                          side == ImageSide || LineInUse(ReadLineFile(h.Lines()).Line(30)));
            });
    }
}

TEST(Faults, BackupImage) {
    EveryStepFails(
        [](FaultHarness& h) {
            h.going.folder = (h.work.path() / "kept").string();
            fs::create_directories(h.going.folder);
            mnuBackup_Click(h.program, h.faultyPorts);
        },
        [](FaultHarness& h, bool failed) {
            // Success only when the whole card is in the folder.
            const bool whole = Snapshot(h.going.folder) == Snapshot(h.root);
            EXPECT_TRUE(h.going.Showed("Successful Save!") ? whole : failed);
        });
}

TEST(Faults, CardToCard) {
    EveryStepFails(
        [](FaultHarness& h) {
            const fs::path other = h.work.path() / "OTHER";
            const CardImage own = ImageWith({{99, "+0000000000001.00000000"}});
            MakeCard(other, &own, &own);
            h.going.meanwhile = [&h, other] {
                fs::rename(h.reader.folder, h.work.path() / "SOURCE");
                fs::rename(other, h.reader.folder);
            };
            h.meantCard = Snapshot(h.root);
            mnuCardtoCard_Click(h.program, h.faultyPorts);
            // The source back in the reader, so that it is checked as kept.
            if (fs::exists(h.work.path() / "SOURCE")) {
                fs::rename(h.reader.folder, other);
                fs::rename(h.work.path() / "SOURCE", h.reader.folder);
            }
        },
        [](FaultHarness& h, bool failed) {
            const auto source = Snapshot(h.root);
            const auto further = Snapshot(h.work.path() / "OTHER");
            if (!h.going.Showed("Continue with Card")) {
                EXPECT_FALSE(further.empty());
                return;  // stopped at the backup, before a further card was asked for
            }
            // Each of its line files is its own or the source's, and the
            // run went on to "Another Copy" only when both were copied.
            bool copied = true;
            for (const char* name : {"pflines/ablines.dat", "pflines/circles.dat"}) {
                const std::string& now = further.at(name);
                EXPECT_TRUE(now == source.at(name) || LineInUse(ParseLineFile(now)->Line(99)));
                copied = copied && now == source.at(name);
            }
            EXPECT_TRUE(h.going.Showed("Another Copy") ? copied : failed);
        });
}

}  // namespace
}  // namespace swathkit
