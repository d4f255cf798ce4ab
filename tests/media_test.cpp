// The card commands on real FAT file systems.

#include <gtest/gtest.h>

#include "card/card.h"
#include "card/card_copy.h"
#include "card/save.h"
#include "core/master_copy.h"
#include "edit/move_passes.h"
#include "shell/main_commands.h"
#include "support/cards.h"
#include "support/fakes.h"
#include "support/fat_card.h"

namespace swathkit {
namespace {

using namespace testing;

const Message kCardWriteFailed{"Error 100-2.  Failed Saving ABLines File., Invalid Save",
                               Buttons::Ok, Icon::None, "Error Saving"};

#define SKIP_WITHOUT_FAT()     \
    if (!FatCard::Available()) \
    GTEST_SKIP() << "mkfs.vfat, fusefat or /dev/fuse is missing: FAT cards cannot be mounted"

// A reader at a mount point; cards are FAT images put into it in turn.
struct MediaHarness : Harness {
    MediaHarness() {
        reader = work.path() / "reader";
        drives.entries = {"/", reader.string() + " [CARD]"};
        drives.current = 1;
        day = program.WorkFolder / "Backup" / "12062026";
        MakeWorkFolder(program, ports.Disk);
    }
    // A card holding straight lines in the given slots, its files spelt as
    // the card's own software spells them.
    std::unique_ptr<FatCard> Card(const std::string& label, std::map<int, std::string> slots) {
        auto card = std::make_unique<FatCard>(work.path() / "images", label);
        EXPECT_TRUE(card->Mount(reader));
        const CardImage lines = ImageWith(slots);
        const CardImage circles = ImageWith({{5, "+0000000000040.00000000"}}, false);
        WriteFile(reader / "PFLINES" / "ABLINES.DAT", LineFileText(lines, LineLayout::Card));
        WriteFile(reader / "PFLINES" / "CIRCLES.DAT", LineFileText(circles, LineLayout::Card));
        WriteFile(reader / "CARDINFO.BIN", label);
        card->Unmount();
        return card;
    }
    std::string LineFile() const { return Bytes(reader / "pflines" / "ablines.dat"); }
    std::size_t Entries(const fs::path& folder) const {
        return std::distance(fs::directory_iterator(folder), {});
    }

    fs::path reader, day;
};

TEST(Media, ASaveBacksTheCardUpAndRewritesItsOwnFile) {
    SKIP_WITHOUT_FAT();
    MediaHarness h;
    auto card = h.Card("CARDA", {{12, "+0000000000041.50000000"}});
    ASSERT_TRUE(card->Mount(h.reader));
    const std::string before = h.LineFile();
    LoadCard(h.program, h.ports, true);
    ASSERT_TRUE(LineInUse(h.program.Table.Current(CardSide).Line(12)));

    h.program.Table.At(CardSide, 1) = h.program.Table.Current(CardSide);
    h.program.Table.Current(CardSide).Line(40) = h.program.Table.Current(CardSide).Line(12);
    h.program.ImageChanged = true;
    SaveImage(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.shown.empty());

    // Taken out and put back: one line file, in the card's spelling, with
    // the new pass; the backup holds the card as it was.
    card->Unmount();
    ASSERT_TRUE(card->Mount(h.reader));
    EXPECT_EQ(h.Entries(h.reader / "PFLINES"), 2u);
    EXPECT_TRUE(fs::exists(h.reader / "PFLINES" / "ABLINES.DAT"));
    const CardImage back = ReadLineFile(h.reader / "PFLINES" / "ABLINES.DAT");
    EXPECT_EQ(back, h.program.Table.Current(CardSide));
    EXPECT_EQ(back.Line(40).Latitude, "+0000000000041.50000000");
    EXPECT_TRUE(Bytes(h.day / "0" / "ablines.dat") == before);
    EXPECT_EQ(Bytes(h.day / "0" / "cardinfo.bin"), "CARDA");
}

TEST(Media, AReadOnlyCardOrOnePulledOutMidSaveKeepsItsFile) {
    SKIP_WITHOUT_FAT();
    MediaHarness h;
    auto card = h.Card("CARDA", {{12, "+0000000000041.50000000"}});
    ASSERT_TRUE(card->Mount(h.reader, /*readOnly=*/true));
    const std::string before = h.LineFile();
    LoadCard(h.program, h.ports, true);
    auto change = [&](Ports& ports, int slot) {
        h.program.Table.At(CardSide, 1) = h.program.Table.Current(CardSide);
        h.program.Table.Current(CardSide).Line(slot) = h.program.Table.Current(CardSide).Line(12);
        h.program.ImageChanged = true;
        SaveImage(h.program, ports, CardSide);
    };
    h.dialogs.Expect(kCardWriteFailed, Answer::Ok);
    change(h.ports, 40);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(h.LineFile() == before);
    EXPECT_TRUE(LineInUse(h.program.Table.Current(CardSide).Line(40)));

    // Writable now, but the card goes just before its new file takes the
    // old one's place.
    ASSERT_TRUE(card->Mount(h.reader));
    auto pulling = MakeFiles([&](const char* step, const fs::path& path) {
        if (std::string(step) == "rename" && path.parent_path().parent_path() == h.reader)
            card->Unmount();
        return false;
    });
    Ports ports{h.dialogs,   h.progress, h.clock,  *pulling, h.cardList,
                h.imageList, h.controls, h.drives, h.help};
    h.dialogs.Expect(kCardWriteFailed, Answer::Ok);
    change(ports, 50);
    EXPECT_TRUE(h.dialogs.Done());

    ASSERT_TRUE(card->Mount(h.reader));
    EXPECT_TRUE(h.LineFile() == before);
    EXPECT_TRUE(Bytes(h.day / "1" / "ablines.dat") == before);
    LoadCard(h.program, h.ports, true);  // tidies away what the broken write left
    EXPECT_EQ(h.Entries(h.reader / "PFLINES"), 2u);
    EXPECT_FALSE(LineInUse(h.program.Table.Current(CardSide).Line(50)));
}

TEST(Media, OneCardCopiedOntoTwoOthers) {
    SKIP_WITHOUT_FAT();
    MediaHarness h;
    auto a = h.Card("CARDA", {{12, "+0000000000041.50000000"}, {13, "+0000000000041.60000000"}});
    auto b = h.Card("CARDB", {{99, "+0000000000001.00000000"}});
    auto c = h.Card("CARDC", {{98, "+0000000000002.00000000"}});
    ASSERT_TRUE(a->Mount(h.reader));
    const std::string lines = h.LineFile();
    const std::string circles = Bytes(h.reader / "pflines" / "circles.dat");

    const Message insert{"Please insert second card and press ok.", Buttons::OkCancel, Icon::None,
                         "Continue with Card"};
    const Message replace{
        "The AB-Line and Circle Info on this card will be \r\n"
        "completely replaced.  Is it ok to continue?",
        Buttons::YesNo, Icon::None, "Continue with Copy"};
    const Message another{
        "Image has been successfully saved.\r\n"
        "Would you like to copy this image to another card?",
        Buttons::YesNo, Icon::None, "Another Copy"};
    h.dialogs.Expect(
        {"This card image has been successfully saved.", Buttons::Ok, Icon::None, "Copy Complete"},
        Answer::Ok);
    h.dialogs.Expect(insert, Answer::Ok, [&] {
        a->Unmount();
        EXPECT_TRUE(b->Mount(h.reader));
    });
    h.dialogs.Expect(replace, Answer::Yes);
    h.dialogs.Expect(another, Answer::Yes);
    h.dialogs.Expect(insert, Answer::Ok, [&] {
        b->Unmount();
        EXPECT_TRUE(c->Mount(h.reader));
    });
    h.dialogs.Expect(replace, Answer::Yes);
    h.dialogs.Expect(another, Answer::No);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());

    c->Unmount();
    for (FatCard* card : {b.get(), c.get()}) {
        ASSERT_TRUE(card->Mount(h.reader));
        EXPECT_TRUE(h.LineFile() == lines);
        EXPECT_TRUE(Bytes(h.reader / "pflines" / "circles.dat") == circles);
        EXPECT_EQ(h.Entries(h.reader / "PFLINES"), 2u);
        EXPECT_NE(Bytes(h.reader / "cardinfo.bin"), "CARDA");
        card->Unmount();
    }
    EXPECT_EQ(h.Entries(h.day), 1u);
}

// An operator's merge of two cards, card B pulled out while the merged image
// is written onto it: every file that was good before is still whole.
TEST(Media, TwoCardsMergedAndOnePulledOutMidSave) {
    SKIP_WITHOUT_FAT();
    MediaHarness h;
    auto a = h.Card("CARDA", {{12, "+0000000000041.50000000"}, {13, "+0000000000041.60000000"}});
    auto b = h.Card("CARDB", {{40, "+0000000000042.10000000"}, {41, "+0000000000042.20000000"}});
    const fs::path master = MasterCopyFile(h.program, true);

    // Card A: both passes into the image. The card itself is not written.
    ASSERT_TRUE(a->Mount(h.reader));
    const std::string aLines = h.LineFile();
    const std::string aCircles = Bytes(h.reader / "pflines" / "circles.dat");
    WriteFile(master, LineFileText(ImageWith({}), LineLayout::MasterCopy));
    StartUp(h.program, h.ports);
    h.cardList.Select({"12", "13"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.imageList.ItemTexts(), (std::vector<std::string>{"12", "13"}));
    a->Unmount();

    // Card B: its passes join them.
    ASSERT_TRUE(b->Mount(h.reader));
    const std::string bLines = h.LineFile();
    const std::string bCircles = Bytes(h.reader / "pflines" / "circles.dat");
    LoadCard(h.program, h.ports, true);
    h.cardList.Select({"40", "41"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.shown.empty());
    const std::vector<std::string> merged{"12", "13", "40", "41"};
    EXPECT_EQ(h.imageList.ItemTexts(), merged);
    const std::string masterMerged = Bytes(master);
    EXPECT_EQ(ReadLineFile(master).Line(13).Latitude, "+0000000000041.60000000");
    EXPECT_EQ(ReadLineFile(master).Line(41).Latitude, "+0000000000042.20000000");

    // The merged image onto B; the card is pulled just before its new file
    // takes the old one's place.
    auto pulling = MakeFiles([&](const char* step, const fs::path& path) {
        if (std::string(step) == "rename" && path.parent_path().parent_path() == h.reader)
            b->Unmount();
        return false;
    });
    Ports ports{h.dialogs,   h.progress, h.clock,  *pulling, h.cardList,
                h.imageList, h.controls, h.drives, h.help};
    h.dialogs.Expect(kCardWriteFailed, Answer::Ok);
    h.imageList.Select({"12", "13"});
    cmdMoveLines_Click(h.program, ports, ImageSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(h.dialogs.shown.size(), 1u);  // no success shown after the failure

    // Nothing good before is lost: both cards as they were, the merge safe
    // in the master copy, B's backup holding B.
    ASSERT_TRUE(b->Mount(h.reader));
    EXPECT_TRUE(h.LineFile() == bLines);
    EXPECT_TRUE(Bytes(h.reader / "pflines" / "circles.dat") == bCircles);
    EXPECT_EQ(Bytes(h.reader / "cardinfo.bin"), "CARDB");
    b->Unmount();
    ASSERT_TRUE(a->Mount(h.reader));
    EXPECT_TRUE(h.LineFile() == aLines);
    EXPECT_TRUE(Bytes(h.reader / "pflines" / "circles.dat") == aCircles);
    EXPECT_EQ(Bytes(h.reader / "cardinfo.bin"), "CARDA");
    EXPECT_EQ(h.Entries(h.reader / "PFLINES"), 2u);
    a->Unmount();
    EXPECT_TRUE(Bytes(master) == masterMerged);
    ASSERT_EQ(h.Entries(h.day), 1u);
    const fs::path backup = fs::directory_iterator(h.day)->path();
    EXPECT_TRUE(Bytes(backup / "ablines.dat") == bLines);
    EXPECT_TRUE(Bytes(backup / "circles.dat") == bCircles);
    EXPECT_EQ(Bytes(backup / "cardinfo.bin"), "CARDB");

    // Put back in, the same move goes through: B holds all four passes.
    ASSERT_TRUE(b->Mount(h.reader));
    LoadCard(h.program, h.ports, true);
    h.imageList.Select({"12", "13"});
    cmdMoveLines_Click(h.program, h.ports, ImageSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(h.cardList.ItemTexts(), merged);
    b->Unmount();
    ASSERT_TRUE(b->Mount(h.reader));
    const CardImage onB = ReadLineFile(h.reader / "PFLINES" / "ABLINES.DAT");
    EXPECT_EQ(onB, h.program.Table.Current(CardSide));
    for (int slot : {12, 13, 40, 41}) EXPECT_TRUE(LineInUse(onB.Line(slot))) << slot;
    EXPECT_EQ(h.Entries(h.reader / "PFLINES"), 2u);
    EXPECT_TRUE(Bytes(master) == masterMerged);
}

}  // namespace
}  // namespace swathkit
