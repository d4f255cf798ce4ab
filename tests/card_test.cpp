#include <gtest/gtest.h>

#include "card/card.h"
#include "card/drives.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

const Message kCardError{
    "Error 300-1 \r\nThere was an error reading this drive.\r\n"
    "Check that the card is properly inserted, that you\r\n"
    "have selected the correct drive letter, and that\r\n"
    "this drive contains valid tracking data.",
    Buttons::Ok, Icon::None, "Error with Card"};

struct CardHarness : Harness {
    CardHarness() {
        root = work.path() / "CARD";
        drives.entries = {"/", root.string() + " [CARD]"};
        drives.current = 1;
    }
    fs::path root;
};

TEST(Card, PathsFollowTheDriveTextAndTrackKind) {
    FakeDrives drives;
    EXPECT_EQ(DrivePart("e: [CARD]"), "e:");
    EXPECT_EQ(DrivePart("e:"), "e:");
    EXPECT_EQ(CardRoot("e: [CARD]"), "e:\\");
    EXPECT_EQ(DrivePart("/media/farm/CARD [CARD]"), "/media/farm/CARD");
    EXPECT_EQ(CardRoot("/media/farm/CARD"), "/media/farm/CARD");
    EXPECT_EQ(CardFilePath(RealFiles(), "e: [CARD]", "pflines", "ablines.dat").string(),
              "e:\\pflines\\ablines.dat");
    EXPECT_EQ(CardFilePath(RealFiles(), "/", "pflines", "circles.dat").string(),
              "/pflines/circles.dat");

    CardHarness h;
    MakeCard(h.root, nullptr);
    EXPECT_EQ(CardLineFilePath(h.program, h.ports), h.root / "pflines" / "ablines.dat");
    h.program.Menus.StraightTrack = false;
    EXPECT_EQ(CardLineFilePath(h.program, h.ports), h.root / "pflines" / "circles.dat");

    // A copy of a card on a case-sensitive disk is read in its own spelling.
    fs::rename(h.root / "pflines", h.root / "PFLINES");
    WriteFile(h.root / "PFLINES" / "CIRCLES.DAT", "x");
    EXPECT_EQ(CardLineFilePath(h.program, h.ports), h.root / "PFLINES" / "CIRCLES.DAT");
}

TEST(Card, LoadingAStraightThenACircleCard) {
    CardHarness h;
    const CardImage straight =
        ImageWith({{12, "+0000000000041.50000000"}, {40, "+0000000000042.00000000"}});
    const CardImage circle = ImageWith({{7, "+0000000000041.00000000"}}, false);
    MakeCard(h.root, &straight, &circle);
    WriteFile(TemporaryFileFor(h.root / "pflines" / "ablines.dat"), "left by a pulled card");

    LoadCard(h.program, h.ports, true);
    EXPECT_EQ(h.program.Table.At(CardSide, 0), straight);
    EXPECT_EQ(h.program.Table.At(CardSide, 1), straight);
    EXPECT_EQ(h.program.CardScratch, straight);
    EXPECT_EQ(h.controls.description, "Your Card -- Available " + h.root.string());
    EXPECT_TRUE(h.controls.AllCardCommands(true));
    EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"12", "40"}));
    EXPECT_FALSE(fs::exists(TemporaryFileFor(h.root / "pflines" / "ablines.dat")));
    EXPECT_EQ(h.cardList.fills, 2);  // blank first, then the card
    EXPECT_EQ(h.imageList.fills, 0);

    h.program.Menus.StraightTrack = false;
    LoadCard(h.program, h.ports, true);
    EXPECT_TRUE(h.program.Table.At(CardSide, 0).IsCircle);
    EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"7"}));
    EXPECT_EQ(h.cardList.columns.size(), 3u);  // no heading for circles
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Card, AFailedLoadLeavesTheCardSideBlankAndTheImageSideAlone) {
    CardHarness h;
    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    MakeCard(h.root, &straight);
    h.program.Table.At(ImageSide, 0) = ImageWith({{30, "+0000000000001.00000000"}});
    LoadCard(h.program, h.ports, true);

    // Straight chosen, but the card holds only circles: quiet when asked so.
    fs::remove(h.root / "pflines" / "ablines.dat");
    LoadCard(h.program, h.ports, false);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.controls.description, "Your Card -- Not Detected");
    EXPECT_EQ(h.program.Table.At(CardSide, 0), NewBlankImage());
    EXPECT_EQ(h.program.Table.At(CardSide, 1), NewBlankImage());
    EXPECT_TRUE(h.controls.AllCardCommands(false));
    EXPECT_TRUE(h.cardList.rows.empty());
    EXPECT_EQ(h.program.Table.At(ImageSide, 0).Line(30).Latitude, "+0000000000001.00000000");

    h.dialogs.Expect(kCardError, Answer::Ok);
    EXPECT_FALSE(CheckCard(h.program, h.ports, true));
    // A folder where the file should be is no card either.
    fs::create_directories(h.root / "pflines" / "ablines.dat");
    h.dialogs.Expect(kCardError, Answer::Ok);
    LoadCard(h.program, h.ports, true);
    EXPECT_TRUE(h.dialogs.Done());

    // A file that opens but is short still counts as a card: its empty image
    // lists 250 items reading "0".
    fs::remove(h.root / "pflines" / "ablines.dat");
    WriteFile(h.root / "pflines" / "ablines.dat", "+000000001  ,short\r\n");
    LoadCard(h.program, h.ports, true);
    EXPECT_EQ(h.controls.description, "Your Card -- Available " + h.root.string());
    EXPECT_EQ(h.cardList.rows.size(), 250u);
    EXPECT_EQ(h.cardList.rows[0][0], "0");
}

TEST(Card, RefreshSelectsTheEntriesFoundInTheRememberedText) {
    CardHarness h;
    h.drives.entries = {"c:", "e: [CARD]"};
    h.drives.current = 1;
    h.drives.afterReread = {"c:", "d:", "e:"};
    RefreshDrives(h.ports);
    EXPECT_EQ(h.drives.selections, (std::vector<int>{2}));  // "e:" occurs in "e: [CARD]"

    h.drives.selections.clear();
    h.drives.afterReread = {"c:", "e: [CARD]"};  // "e: [CARD]" is not inside "e:"
    h.drives.afterRereadCurrent = 0;
    RefreshDrives(h.ports);
    EXPECT_TRUE(h.drives.selections.empty());
    EXPECT_EQ(h.drives.CurrentText(), "c:");

    h.drives.rereadWorks = false;
    h.dialogs.Expect({"Error 400-1  Error during drive refresh.", Buttons::Ok, Icon::None,
                      "Drive Refresh Error"},
                     Answer::Ok);
    RefreshDrives(h.ports);
    EXPECT_TRUE(h.dialogs.Done());
}

TEST(Drives, OnlyVolumesThatCanBeACardAreListed) {
    const std::vector<Volume> mounts = {
        {"/", "", "ext4"},
        {"/run/user/0", "", "tmpfs"},
        {"/media/farm/CARD", "CARD", "vfat"},
        {"/mnt/stick", "", "fuse.fusefat"},
        {"/media/farm/iso", "", "iso9660"},
        {"/media/farm/proc", "", "proc"},
    };
    const DriveList list = ListDrives(mounts, DriveStyle::MountPoints);
    EXPECT_EQ(list.Entries,
              (std::vector<std::string>{"/", "/media/farm/CARD [CARD]", "/mnt/stick"}));
    EXPECT_EQ(list.Initial, 1);
    EXPECT_EQ(ListDrives({{"/", "", "ext4"}}, DriveStyle::MountPoints).Initial, 0);

    const DriveList letters =
        ListDrives({{"E:/", "CARD", "FAT32"}, {"C:/", "Windows", "NTFS"}, {"D:/", "", "CDFS"}},
                   DriveStyle::Letters);
    EXPECT_EQ(letters.Entries, (std::vector<std::string>{"c: [Windows]", "d:", "e: [CARD]"}));
    EXPECT_EQ(letters.Initial, 2);
}

}  // namespace
}  // namespace swathkit
