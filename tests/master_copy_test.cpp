#include <gtest/gtest.h>

#include <fstream>

#include "core/line_file.h"
#include "core/master_copy.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using testing::Harness;

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

CardImage WithLine(CardImage image, int slot, const std::string& lat) {
    image.Line(slot).Latitude = lat;
    return image;
}

TEST(MasterCopy, FirstStartMakesTheFolderAndABlankImageOfTheCheckedKind) {
    Harness h;
    const CardImage straight = LoadMasterCopy(h.program, h.ports.Disk);
    EXPECT_TRUE(fs::is_directory(h.program.WorkFolder));
    EXPECT_TRUE(straight.IsStraight);
    EXPECT_FALSE(straight.IsCircle);
    EXPECT_FALSE(LineInUse(straight.Line(6)));
    EXPECT_TRUE(fs::is_empty(h.program.WorkFolder));  // nothing written until a change

    h.program.Menus.StraightTrack = false;
    const CardImage circle = LoadMasterCopy(h.program, h.ports.Disk);
    EXPECT_TRUE(circle.IsCircle);
    EXPECT_FALSE(circle.IsStraight);
}

TEST(MasterCopy, EachKindIsWrittenToItsOwnFileAndReadBack) {
    Harness h;
    MakeWorkFolder(h.program, h.ports.Disk);
    CardImage straight = WithLine(NewBlankImage(), 12, "+0000000000041.50000000");
    straight.IsStraight = true;
    CardImage circle = WithLine(NewBlankImage(), 30, "+0000000000010.00000000");
    circle.IsCircle = true;

    // The image's own kind picks the file, whatever the menu says now.
    h.program.Menus.StraightTrack = false;
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, straight));
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, circle));
    const fs::path straightFile = h.program.WorkFolder / "Master_Copy_Straight.dat";
    const fs::path circleFile = h.program.WorkFolder / "Master_Copy_Circles.dat";
    EXPECT_EQ(FileBytes(straightFile), LineFileText(straight, LineLayout::MasterCopy));
    EXPECT_EQ(FileBytes(circleFile).size(), 28250u);

    EXPECT_EQ(LoadMasterCopy(h.program, h.ports.Disk).Line(30).Latitude, "+0000000000010.00000000");
    h.program.Menus.StraightTrack = true;
    EXPECT_EQ(LoadMasterCopy(h.program, h.ports.Disk), straight);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_FALSE(fs::exists(TemporaryFileFor(straightFile)));
}

TEST(MasterCopy, AnUnreadableCopyIsKeptAsideAndNeverSavedOverTheOtherKind) {
    Harness h;
    MakeWorkFolder(h.program, h.ports.Disk);
    const fs::path straightFile = h.program.WorkFolder / "Master_Copy_Straight.dat";
    const fs::path circleFile = h.program.WorkFolder / "Master_Copy_Circles.dat";
    const std::string damaged = "+000000001  ,only one line\r\n";
    std::ofstream(straightFile, std::ios::binary) << damaged;
    CardImage circle = WithLine(NewBlankImage(), 40, "+0000000000001.00000000");
    circle.IsCircle = true;
    ASSERT_TRUE(h.ports.Disk.Replace(circleFile, LineFileText(circle, LineLayout::Card)));
    const std::string circleBytes = FileBytes(circleFile);

    CardImage image = LoadMasterCopy(h.program, h.ports.Disk);
    EXPECT_TRUE(image.IsStraight);
    // Started afresh, so that what is saved into it can be read back.
    EXPECT_EQ(image, [] {
        CardImage blank = NewBlankImage();
        blank.IsStraight = true;
        return blank;
    }());
    EXPECT_EQ(FileBytes(straightFile), damaged);

    image.Line(6).Latitude = "+0000000000045.00000000";
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, image));
    EXPECT_EQ(FileBytes(h.program.WorkFolder / "Master_Copy_Straight.unreadable-12062026.dat"),
              damaged);
    EXPECT_EQ(FileBytes(straightFile), LineFileText(image, LineLayout::MasterCopy));
    EXPECT_EQ(ReadLineFile(straightFile, h.ports.Disk), image);
    EXPECT_EQ(FileBytes(circleFile), circleBytes);

    // Only the first save keeps the old file; a later one just replaces.
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, image));
    EXPECT_EQ(std::distance(fs::directory_iterator(h.program.WorkFolder), {}), 3);

    // A second damaged start on the same day keeps a second copy.
    std::ofstream(straightFile, std::ios::binary) << "again";
    image = LoadMasterCopy(h.program, h.ports.Disk);
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, image));
    EXPECT_EQ(FileBytes(h.program.WorkFolder / "Master_Copy_Straight.unreadable-12062026-1.dat"),
              "again");
}

TEST(MasterCopy, AFailedWriteSaysSoAndLeavesTheOldFile) {
    Harness h;
    CardImage image = NewBlankImage();
    image.IsStraight = true;
    // No work folder: the write cannot even start.
    h.dialogs.Expect({"Error 100-1.  Failed Saving MasterCopy File.", Buttons::Ok, Icon::None,
                      "Error Saving Master Copy"},
                     Answer::Ok);
    EXPECT_FALSE(WriteMasterCopy(h.program, h.ports, image));
    EXPECT_TRUE(h.progress.steps.empty());  // no animation after a failure
    EXPECT_TRUE(h.dialogs.Done());
}

TEST(MasterCopy, SaveProgressFillsInTenStepsOnTheMonotonicClock) {
    Harness h;
    ShowSaveProgress(h.ports, 1, 1.0);
    std::vector<std::string> want = {"show 1", "events", "1: 0..100 = 0"};
    for (int value = 10; value <= 100; value += 10) {
        want.push_back("1: 0..100 = " + std::to_string(value));
    }
    want.push_back("hide 1");
    EXPECT_EQ(h.progress.steps, want);
    EXPECT_NEAR(h.clock.slept, 1.0, 1e-9);
}

}  // namespace
}  // namespace swathkit
