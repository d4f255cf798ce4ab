#include <gtest/gtest.h>

#include "card/card.h"
#include "card/save.h"
#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

const Message kCardWriteFailed{"Error 100-2.  Failed Saving ABLines File., Invalid Save",
                               Buttons::Ok, Icon::None, "Error Saving"};

struct SaveHarness : Harness {
    SaveHarness() {
        root = work.path() / "CARD";
        drives.entries = {"/", root.string() + " [CARD]"};
        drives.current = 1;
        day = program.WorkFolder / "Backup" / "12062026";
        original = ImageWith({{12, "+0000000000041.50000000"}});
        MakeCard(root, &original);
        MakeWorkFolder(program, ports.Disk);
        LoadCard(program, ports, true);
    }
    // A change to one side as every command makes it.
    void Change(int side, int slot, const std::string& latitude) {
        program.Table.At(side, 1) = program.Table.Current(side);
        program.Table.Current(side).Line(slot) = original.Line(12);
        program.Table.Current(side).Line(slot).Latitude = latitude;
        program.ImageChanged = true;
        SaveImage(program, ports, side);
    }
    fs::path Card() const { return root / "pflines" / "ablines.dat"; }

    fs::path root, day;
    CardImage original;
};

TEST(Save, NothingIsWrittenWithoutAChange) {
    SaveHarness h;
    const std::string before = Bytes(h.Card());
    SaveImage(h.program, h.ports, CardSide);
    SaveImage(h.program, h.ports, ImageSide);
    EXPECT_TRUE(Bytes(h.Card()) == before);
    EXPECT_FALSE(fs::exists(h.day));
    EXPECT_TRUE(h.progress.steps.empty());
}

TEST(Save, EachCardChangeIsBackedUpThenWritten) {
    SaveHarness h;
    const std::string first = Bytes(h.Card());
    h.Change(CardSide, 20, "+0000000000042.00000000");
    const std::string second = Bytes(h.Card());
    h.Change(CardSide, 30, "+0000000000043.00000000");

    // Each backup holds the card as it was before that write.
    EXPECT_TRUE(Bytes(h.day / "0" / "ablines.dat") == first);
    EXPECT_TRUE(Bytes(h.day / "1" / "ablines.dat") == second);
    EXPECT_TRUE(Bytes(h.Card()) ==
                LineFileText(h.program.Table.Current(CardSide), LineLayout::Card));
    EXPECT_EQ(ReadLineFile(h.Card()).Line(30).Latitude, "+0000000000043.00000000");
    EXPECT_FALSE(h.program.ImageChanged);
    ASSERT_FALSE(h.progress.steps.empty());
    EXPECT_EQ(h.progress.steps.front(), "show 0");
    EXPECT_FALSE(fs::exists(MasterCopyFile(h.program, true)));

    // The checked kind picks the file, not the image.
    h.program.Menus.StraightTrack = false;
    h.Change(CardSide, 40, "+0000000000044.00000000");
    EXPECT_TRUE(fs::exists(h.root / "pflines" / "circles.dat"));
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Save, AnImageChangeWritesOnlyTheMasterCopy) {
    SaveHarness h;
    h.program.Table.Current(ImageSide) = NewBlankImage();
    h.program.Table.Current(ImageSide).IsStraight = true;
    const std::string card = Bytes(h.Card());
    h.Change(ImageSide, 50, "+0000000000045.00000000");
    EXPECT_TRUE(Bytes(MasterCopyFile(h.program, true)) ==
                LineFileText(h.program.Table.Current(ImageSide), LineLayout::MasterCopy));
    EXPECT_TRUE(Bytes(h.Card()) == card);
    EXPECT_FALSE(fs::exists(h.day));
    ASSERT_FALSE(h.progress.steps.empty());
    EXPECT_EQ(h.progress.steps.front(), "show 1");
}

TEST(Save, AFailedCardWriteSaysSoAndLosesNothing) {
    SaveHarness h;
    const std::string before = Bytes(h.Card());

    // Every step of the replace, failed in turn: the old file stays whole,
    // no temporary file is left, the change stays in memory.
    for (const char* step : {"open", "write", "sync", "close", "rename"}) {
        auto faulty = MakeFiles([&](const char* now, const fs::path& path) {
            return std::string(now) == step && path.parent_path() == h.root / "pflines";
        });
        Ports ports{h.dialogs,   h.progress, h.clock,  *faulty, h.cardList,
                    h.imageList, h.controls, h.drives, h.help};
        h.dialogs.Expect(kCardWriteFailed, Answer::Ok);
        h.program.Table.Current(CardSide).Line(60).Latitude = "+0000000000046.00000000";
        h.program.ImageChanged = true;
        SaveImage(h.program, ports, CardSide);
        EXPECT_TRUE(h.dialogs.Done()) << step;
        EXPECT_TRUE(Bytes(h.Card()) == before) << step;
        EXPECT_FALSE(fs::exists(TemporaryFileFor(h.Card()))) << step;
        EXPECT_FALSE(h.program.ImageChanged);
        EXPECT_EQ(h.program.Table.Current(CardSide).Line(60).Latitude, "+0000000000046.00000000");
    }

    // A card pulled out: the backup finds nothing to copy, the write fails.
    fs::remove_all(h.root);
    h.dialogs.Expect(kCardWriteFailed, Answer::Ok);
    h.Change(CardSide, 70, "+0000000000047.00000000");
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_FALSE(fs::exists(h.root));
}

TEST(Save, AMachineStoppedMidWriteLeavesTheOldFileAndTheNextLoadTidiesUp) {
    SaveHarness h;
    const std::string before = Bytes(h.Card());
    struct Stopped {};
    auto dying = MakeFiles([&](const char* step, const fs::path&) {
        if (std::string(step) == "rename")
            throw Stopped{};
        return false;
    });
    EXPECT_THROW(dying->Replace(h.Card(), "half of a new file"), Stopped);
    EXPECT_TRUE(Bytes(h.Card()) == before);
    EXPECT_TRUE(fs::exists(TemporaryFileFor(h.Card())));
    LoadCard(h.program, h.ports, true);
    EXPECT_FALSE(fs::exists(TemporaryFileFor(h.Card())));
    EXPECT_EQ(h.program.Table.Current(CardSide), h.original);
}

TEST(Save, ABadSideOrNoDriveIsABadSave) {
    SaveHarness h;
    const Message badSave{"Error 500-1\r\nThere was a problem saving to the card.", Buttons::Ok,
                          Icon::None, "Bad Save"};
    h.dialogs.Expect(badSave, Answer::Ok);
    h.program.ImageChanged = true;
    SaveImage(h.program, h.ports, 2);
    h.drives.entries = {};
    h.dialogs.Expect(badSave, Answer::Ok);
    h.program.ImageChanged = true;
    SaveImage(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_FALSE(fs::exists(h.day));
}

}  // namespace
}  // namespace swathkit
