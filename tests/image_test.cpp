// The temporary card image of each track kind, kept apart from the other
// kind. (A second program on the same work folder is the random operator's.)

#include <gtest/gtest.h>

#include "card/save.h"
#include "commands/commands.h"
#include "core/master_copy.h"
#include "edit/import_passes.h"
#include "edit/move_passes.h"
#include "support/edit_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// Started with Straight Track, switched to Circle Track: circle 20 moved
// across lands in the circle image and its own master copy.
TEST(Kinds, EachKindKeepsItsOwnImageAndNoPassCrossesToTheOther) {
    Harness h;
    const CardImage straight = ImageWith(Passes({12}));
    const CardImage circles = ImageWith({{20, Pass(20, 2)}}, false);
    MakeCard(h.root, &straight, &circles);
    const fs::path straightCopy = MasterCopyFile(h.program, true);
    const fs::path circleCopy = MasterCopyFile(h.program, false);
    WriteFile(straightCopy, LineFileText(ImageWith(Passes({40})), LineLayout::MasterCopy));
    const std::string straightBytes = Bytes(straightCopy);
    StartUp(h.program, h.ports);
    mnuCircleTrack_Click(h.program, h.ports);
    EXPECT_TRUE(h.imageList.rows.empty());
    h.cardList.Select({"20"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(ReadLineFile(circleCopy), h.program.Table.Current(ImageSide));
    EXPECT_TRUE(ReadLineFile(circleCopy).IsCircle);
    EXPECT_EQ(Bytes(straightCopy), straightBytes);
    // Back and forth: each image comes back with its Undo.
    mnuStraightTrack_Click(h.program, h.ports);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"40"}));
    mnuCircleTrack_Click(h.program, h.ports);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"20"}));
    cmdUndo_Click(h.program, h.ports, ImageSide);
    EXPECT_TRUE(h.imageList.rows.empty());
    EXPECT_TRUE(h.dialogs.Done());

    // Where the menu and a side disagree, the side's own kind decides:
    // restore and import bring no straight line into this circle image,
    // and no pass crosses between sides of two kinds.
    h.program.Menus.StraightTrack = true;
    BackupLineFile backup;
    backup.State = BackupFileState::Whole;
    backup.Image = straight;
    EXPECT_FALSE(RestoreIntoImage(h.program, h.ports, backup, {12}));
    EXPECT_FALSE(ImportIntoImage(h.program, h.ports, {{30, true, {41, -93}, 90}}));
    h.program.Table.Current(CardSide) = straight;
    h.cardList.Select({"20"});
    h.dialogs.Expect(
        {"Your Card shows straight lines and the Temporary Card Image circle "
         "tracks.\r\nPasses go only between lines of one kind; nothing has been moved.",
         Buttons::Ok, Icon::Exclamation, "Different Track Kinds"},
        Answer::Ok);
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    // Nor is a card side of one kind written into the other kind's file.
    const std::string onCard = Bytes(h.root / "pflines" / "circles.dat");
    h.program.Menus.StraightTrack = false;
    h.dialogs.ExpectTitle("Error Saving", Answer::Ok);
    WriteCardFile(h.program, h.ports, straight);
    EXPECT_EQ(Bytes(h.root / "pflines" / "circles.dat"), onCard);
    // A card labelled "Circle1" still holds straight lines in ablines.dat.
    CardImage read;
    SetKindFromPath(read, fs::path("/media/farm/Circle1/pflines/ablines.dat"));
    EXPECT_EQ(KindOf(read), TrackKind::Straight);
}

}  // namespace
}  // namespace swathkit
