#include <gtest/gtest.h>

#include "card/card_copy.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

const Message kInsert{"Please insert second card and press ok.", Buttons::OkCancel, Icon::None,
                      "Continue with Card"};
const Message kContinue{
    "The AB-Line and Circle Info on this card will be \r\ncompletely replaced.  Is it ok to "
    "continue?",
    Buttons::YesNo, Icon::None, "Continue with Copy"};
const Message kAnother{
    "Image has been successfully saved.\r\nWould you like to copy this image to another card?",
    Buttons::YesNo, Icon::None, "Another Copy"};
const Message kComplete{"This card image has been successfully saved.", Buttons::Ok, Icon::None,
                        "Copy Complete"};
const Message kCardError{
    "Error 300-1 \r\nThere was an error reading this drive.\r\n"
    "Check that the card is properly inserted, that you\r\n"
    "have selected the correct drive letter, and that\r\n"
    "this drive contains valid tracking data.",
    Buttons::Ok, Icon::None, "Error with Card"};

// One reader: "inserting" a card moves another folder under the drive's root.
struct CopyHarness : Harness {
    CopyHarness() {
        reader = work.path() / "reader";
        drives.entries = {"/", reader.string()};
        drives.current = 1;
        day = program.WorkFolder / "Backup" / "12062026";
        source = ImageWith({{12, "+0000000000041.50000000"}});
        sourceCircles = ImageWith({{20, "+0000000000042.00000000"}}, false);
        MakeCard(reader, &source, &sourceCircles);
    }
    // Takes the card out and puts the card kept in folder into the reader.
    void Insert(const fs::path& card) {
        if (fs::exists(reader))
            fs::rename(reader, work.path() / ("out" + std::to_string(out++)));
        fs::rename(card, reader);
    }
    fs::path Blank(const std::string& name, bool withCircles = true) {
        const fs::path card = work.path() / name;
        const CardImage other = ImageWith({{99, "+0000000000001.00000000"}});
        MakeCard(card, &other, withCircles ? &other : nullptr);
        return card;
    }
    fs::path reader, day;
    CardImage source, sourceCircles;
    int out = 0;
};

TEST(CardCopy, CancelAtTheFirstCardKeepsTheBackupAndWritesNothing) {
    CopyHarness h;
    h.dialogs.Expect(kComplete, Answer::Ok);
    h.dialogs.Expect(kInsert, Answer::Cancel);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(fs::exists(h.day / "0" / "ablines.dat"));
    EXPECT_TRUE(fs::exists(h.day / "0" / "cardinfo.bin"));
    EXPECT_FALSE(fs::exists(h.reader / "pflines" / "ABLINES.dat.swathkit-tmp"));
}

TEST(CardCopy, FourCardsFromOneBackup) {
    CopyHarness h;
    const std::string lines = Bytes(h.reader / "pflines" / "ablines.dat");
    const std::string circles = Bytes(h.reader / "pflines" / "circles.dat");
    std::vector<fs::path> cards;
    for (int i = 0; i < 4; ++i) cards.push_back(h.Blank("further" + std::to_string(i)));
    const std::string info = Bytes(cards[0] / "cardinfo.bin");

    h.dialogs.Expect(kComplete, Answer::Ok);
    for (int i = 0; i < 4; ++i) {
        h.dialogs.Expect(kInsert, Answer::Ok, [&h, card = cards[i]] { h.Insert(card); });
        h.dialogs.Expect(kContinue, Answer::Yes);
        h.dialogs.Expect(kAnother, i < 3 ? Answer::Yes : Answer::No);
    }
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());

    // The cards were renamed away in turn; each holds the source's lines
    // under the spelling it already had, no second copy beside them, and
    // its own cardinfo.bin.
    for (int i = 0; i < 4; ++i) {
        const fs::path card = i < 3 ? h.work.path() / ("out" + std::to_string(i + 1)) : h.reader;
        EXPECT_TRUE(Bytes(card / "pflines" / "ablines.dat") == lines) << i;
        EXPECT_TRUE(Bytes(card / "pflines" / "circles.dat") == circles) << i;
        EXPECT_EQ(std::distance(fs::directory_iterator(card / "pflines"), {}), 2) << i;
        EXPECT_TRUE(Bytes(card / "cardinfo.bin") == info);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(h.day), {}), 1);  // one backup for the run
}

TEST(CardCopy, OnlyTheSourcesFilesAreWrittenAndBadCardsAreAskedForAgain) {
    CopyHarness h;
    fs::remove(h.reader / "pflines" / "circles.dat");
    const fs::path further = h.Blank("further");
    const std::string ownCircles = Bytes(further / "pflines" / "circles.dat");
    const fs::path wrongKind = h.work.path() / "wrong";
    MakeCard(wrongKind, nullptr, &h.sourceCircles);  // circles only: refused

    h.dialogs.Expect(kComplete, Answer::Ok);
    h.dialogs.Expect(kInsert, Answer::Ok, [&] { h.Insert(wrongKind); });
    h.dialogs.Expect(kCardError, Answer::Ok);
    h.dialogs.Expect(kInsert, Answer::Ok, [&] { h.Insert(further); });
    h.dialogs.Expect(kContinue, Answer::Yes);
    h.dialogs.Expect(kAnother, Answer::No);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(Bytes(h.reader / "pflines" / "ablines.dat") ==
                LineFileText(h.source, LineLayout::Card));
    EXPECT_TRUE(Bytes(h.reader / "pflines" / "circles.dat") == ownCircles);
    // The refused card was never written.
    EXPECT_TRUE(Bytes(h.work.path() / "out1" / "pflines" / "circles.dat") ==
                LineFileText(h.sourceCircles, LineLayout::Card));
    EXPECT_FALSE(fs::exists(h.work.path() / "out1" / "pflines" / "ablines.dat"));
}

TEST(CardCopy, AFailedBackupOrWriteEndsTheRun) {
    CopyHarness h;
    // No backup: stop after its message, never "successfully saved".
    WriteFile(h.program.WorkFolder / "Backup", "not a folder");
    h.dialogs.Expect({"Error during backup of file.", Buttons::Ok, Icon::None, "Swathkit"},
                     Answer::Ok);
    mnuCardtoCard_Click(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.Done());
    fs::remove(h.program.WorkFolder / "Backup");

    // A card that fails mid-write: the file not yet replaced stays whole.
    const fs::path further = h.Blank("further");
    const std::string ownLines = Bytes(further / "pflines" / "ablines.dat");
    auto faulty = MakeFiles([&](const char* step, const fs::path& path) {
        return std::string(step) == "rename" && path.filename() == "ablines.dat" &&
               path.parent_path().parent_path() == h.reader;
    });
    Ports ports{h.dialogs,   h.progress, h.clock,  *faulty, h.cardList,
                h.imageList, h.controls, h.drives, h.help};
    h.dialogs.Expect(kComplete, Answer::Ok);
    h.dialogs.Expect(kInsert, Answer::Ok, [&] { h.Insert(further); });
    h.dialogs.Expect(kContinue, Answer::Yes);
    h.dialogs.Expect({"The card could not be written (ABLINES.dat).\r\n"
                      "Its files that were not replaced yet are unchanged.",
                      Buttons::Ok, Icon::Exclamation, "Copy Failed"},
                     Answer::Ok);
    mnuCardtoCard_Click(h.program, ports);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(Bytes(h.reader / "pflines" / "ablines.dat") == ownLines);
    EXPECT_TRUE(Bytes(h.reader / "pflines" / "circles.dat") ==
                LineFileText(h.sourceCircles, LineLayout::Card));
}

}  // namespace
}  // namespace swathkit
