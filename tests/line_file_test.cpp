// The line files: their exact layout, how damaged ones are read (alone and
// where the operator meets them, through the real start-up), and the master
// copies kept in the work folder.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "card/save.h"
#include "commands/commands.h"
#include "core/line_file.h"
#include "core/master_copy.h"
#include "core/save_progress.h"
#include "edit/erase_undo.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;
using Texts = std::vector<std::string>;

constexpr const char* kBlankCardSlot7 =
    "+000000007  ,+0000000000000.00000000 ,+0000000000000.00000000 ,+0000000000000.00000000 "
    ",+0000000000000.00000000 \r\n";

// Records 1..count, 114 bytes each.
std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "+" + FormatPicture(i, 9, 0) +
                "  ,+0000000000041.50000000 ,+0000000000002.00000000 ,+0000000000003.00000000 "
                ",+0000000000004.00000000 \r\n";
    return text;
}

// Texts of every kind the reader must carry unchanged: signs, short and long
// numbers, words, quotes, 8-bit bytes.
CardImage RandomImage(std::mt19937& random) {
    static const char* const samples[] = {"+0000000000041.12345600",
                                          "-0000000000093.65432100",
                                          "0.0",
                                          "abc",
                                          "\"quoted\"",
                                          "x\xE9y",
                                          "+000000012",
                                          "",
                                          "1E5",
                                          "-",
                                          BlankCoordinate};
    CardImage image = NewBlankImage();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        GuidanceLine& line = image.Line(slot);
        for (std::string* text :
             {&line.Latitude, &line.Longitude, &line.HeadingNorth, &line.HeadingEast})
            *text = samples[random() % std::size(samples)];
        if (random() % 2)
            line.FieldNum = std::to_string(slot);  // the field number, written otherwise
    }
    return image;
}

TEST(LineFile, BlankFilesHaveTheExactLayout) {
    const CardImage blank = NewBlankImage();
    const std::string card = LineFileText(blank, LineLayout::Card);
    const std::string master = LineFileText(blank, LineLayout::MasterCopy);
    EXPECT_TRUE(card.size() == 28500 && master.size() == 28250) << card.size() << master.size();
    EXPECT_EQ(card.substr(6 * 114, 114), kBlankCardSlot7);
    std::string masterSlot7 = kBlankCardSlot7;
    masterSlot7.erase(masterSlot7.size() - 3, 1);
    EXPECT_EQ(master.substr(6 * 113, 113), masterSlot7);
    EXPECT_EQ(card.substr(card.size() - 2), "\r\n");

    // A failed read leaves only the separators to write.
    const CardImage empty;
    EXPECT_EQ(LineFileText(empty, LineLayout::Card).substr(0, 14), "  , , , , \r\n  ");
    EXPECT_EQ(LineFileText(empty, LineLayout::MasterCopy).substr(0, 12), "  , , , ,\r\n ");
}

TEST(LineFile, EveryImageReadsBackAndRewritesToTheSameBytes) {
    TempFolder folder;
    std::mt19937 random(7);
    for (const LineLayout layout : {LineLayout::Card, LineLayout::MasterCopy}) {
        for (int round = 0; round < 20; ++round) {
            const CardImage image = RandomImage(random);
            const fs::path path = folder.path() / "ablines.dat";
            const std::string first = LineFileText(image, layout);
            WriteFile(path, first);
            const CardImage read = ReadLineFile(path);
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                const GuidanceLine &want = image.Line(slot), &got = read.Line(slot);
                EXPECT_EQ(got.FieldNum, want.FieldNum);
                if (slot < kFirstUsableField)  // reserved: blanked
                    EXPECT_TRUE(got.Latitude == BlankCoordinate &&
                                got.HeadingEast == BlankCoordinate);
                else
                    EXPECT_TRUE(SameCoordinates(got, want)) << slot;
            }
            // A second cycle changes no byte: the separators never grow.
            const std::string second = LineFileText(read, layout);
            WriteFile(path, second);
            EXPECT_EQ(LineFileText(ReadLineFile(path), layout), second);
        }
    }
}

TEST(LineFile, FlagsComeFromThePath) {
    TempFolder folder;
    for (const char* name : {"circles.dat", "CIRCLES.DAT"})
        WriteFile(folder.path() / "pflines" / name, Lines(250));
    const CardImage image = ReadLineFile(folder.path() / "pflines" / "circles.dat");
    EXPECT_EQ(image.Line(7).Latitude, "+0000000000041.50000000");
    EXPECT_TRUE(image.IsCircle && !image.IsStraight);
    const CardImage capitals = ReadLineFile(folder.path() / "pflines" / "CIRCLES.DAT");
    EXPECT_TRUE(!capitals.IsCircle && capitals.IsStraight);
}

TEST(LineFile, AnyLineEndOrBlanksAreAcceptedOddLinesAndOverlongFieldsFail) {
    const auto crlf = ParseLineFile(Lines(250));
    ASSERT_TRUE(crlf);
    EXPECT_EQ(crlf->Line(250).HeadingEast, "+0000000000004.00000000");
    // The last record may also end at the end of the file, without a line end.
    for (const char* end : {"\n", "\r"}) {
        std::string text = Lines(250);
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.replace(at, 2, end);
        EXPECT_EQ(ParseLineFile(text), crlf);
        text.pop_back();
        EXPECT_EQ(ParseLineFile(text), crlf);
    }
    std::string padded = Lines(250);
    padded.replace(6 * 114, 10, "  \t+000000007\t ");
    EXPECT_EQ(ParseLineFile(padded)->Line(7).FieldNum, "+000000007");

    // Short, long and shifted files.
    EXPECT_FALSE(ParseLineFile(Lines(249)));
    EXPECT_FALSE(ParseLineFile(""));
    const auto longer = ParseLineFile(Lines(251) + "garbage,,,\r\n");
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->Line(250).FieldNum, "+000000250");

    // A line of four fields, even with a 251st line to make up the count.
    std::string missing = Lines(251);
    missing.erase(9 * 114 + 86, 26);  // HeadingEast of line 10
    EXPECT_FALSE(ParseLineFile(missing));

    // An overlong field fails and leaves nothing open. Binary, NUL bytes,
    // endless lines and empty files are in the corpus below.
    TempFolder folder;
    const fs::path path = folder.path() / "ablines.dat";
    WriteFile(path, Lines(100) + std::string(kFieldLimit + 1, '7') + "," + Lines(150));
    EXPECT_FALSE(TryReadLineFile(path));
    // Nothing was left open: the file can be replaced and read again.
    ASSERT_TRUE(RealFiles().Replace(path, LineFileText(NewBlankImage(), LineLayout::Card)));
    EXPECT_TRUE(TryReadLineFile(path));
    EXPECT_FALSE(TryReadLineFile(folder.path() / "missing.dat"));

    // Cut off inside record 120's last field: that record is lost, not kept
    // with a shortened heading.
    std::string cut = Lines(120);
    cut.resize(cut.size() - 6);
    EXPECT_EQ(DescribeRecords(SalvageLineFile(cut, true).Lost), "records 120 to 250");
    EXPECT_EQ(DescribeRecords({3, 30, 31, 45, 46, 47, 90}), "records 3, 30 to 31, 45 to 47 and 90");

    // A good file with megabytes of trailing garbage still reads.
    WriteFile(path, Lines(250) + std::string(4 << 20, 'z'));
    EXPECT_TRUE(TryReadLineFile(path));
}

// Files whose lines survive their damage: other line ends, lines after the
// 250th, texts that are not numbers.
bool Readable(const fs::path& file) {
    return std::set<fs::path>{"cr_only", "lf_only", "long", "non_ascii"}.count(file.stem()) > 0;
}

TEST(Damaged, DamagedCardAndMasterCopyFilesLeaveTheProgramUsableAndAreKept) {
    // The committed corpus, and one file too big to keep in the repository.
    // No name may be one Windows keeps for a device (nul, con, aux, ...):
    // reading such a file there reads the device.
    TempFolder scratch;
    std::vector<fs::path> corpus;
    for (const auto& entry : fs::directory_iterator(fs::path(SWATHKIT_TEST_DATA) / "damaged"))
        corpus.push_back(entry.path());
    std::sort(corpus.begin(), corpus.end());
    ASSERT_GE(corpus.size(), 11u);
    corpus.push_back(scratch.path() / "huge.dat");
    WriteFile(corpus.back(), std::string(3 << 20, '7'));
    int salvaged = 0;  // damaged files that still show passes
    for (const fs::path& file : corpus) {
        SCOPED_TRACE(file.filename().string());
        Harness h;
        const fs::path& root = h.root;
        const CardImage circles = ImageWith({{20, "+0000000000041.50000000"}}, false);
        MakeCard(root, nullptr, &circles);
        const std::string damaged = Bytes(file);
        WriteFile(root / "pflines" / "ablines.dat", damaged);
        MakeWorkFolder(h.program, h.ports.Disk);
        const fs::path master = MasterCopyFile(h.program, true);
        WriteFile(master, damaged);
        if (!Readable(file)) {
            h.dialogs.ExpectTitle("Damaged Master Copy", Answer::Ok);
            h.dialogs.ExpectTitle("Damaged Card File", Answer::Ok);
        }
        StartUp(h.program, h.ports);
        // The card is there, so its commands are offered. A damaged card
        // file shows the passes it still holds, says so once, and is never
        // written without the operator's yes.
        EXPECT_TRUE(h.controls.cardCommands);
        EXPECT_EQ(h.controls.description, "Your Card -- Available " + root.string());
        if (Readable(file)) {
            EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12", "13", "40"}));
            EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "13", "40"}));
        } else {
            for (const std::string& item : h.cardList.ItemTexts())
                EXPECT_TRUE(item == "12" || item == "13" || item == "40") << item;
            salvaged += !h.cardList.rows.empty();
            EXPECT_EQ(h.imageList.rows.empty(), h.cardList.rows.empty());
            h.dialogs.ExpectTitle("Damaged Card File", Answer::No);
            UndoLastChange(h.program, h.ports, CardSide);
        }
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(Bytes(root / "pflines" / "ablines.dat"), damaged);
        EXPECT_EQ(Bytes(master), damaged);

        // The damaged master copy was kept aside as it was read.
        const fs::path kept = master.parent_path() / "Master_Copy_Straight.unreadable-12062026.dat";
        EXPECT_TRUE(Readable(file) ? !fs::exists(kept) : Bytes(kept) == damaged);
        // The other kind on the same card still loads, with the image of
        // its kind, which still saves.
        mnuCircleTrack_Click(h.program, h.ports);
        EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"20"}));
        h.program.Table.At(ImageSide, 1) = h.program.Table.Current(ImageSide);
        GuidanceLine& slot30 = h.program.Table.Current(ImageSide).Line(30);
        slot30 = circles.Line(20);
        slot30.FieldNum = FieldNumText(30);
        h.program.ImageChanged = true;
        SaveImage(h.program, h.ports, ImageSide);
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(Bytes(root / "pflines" / "ablines.dat"), damaged);
        EXPECT_EQ(ReadLineFile(MasterCopyFile(h.program, false)),
                  h.program.Table.Current(ImageSide));
    }
    EXPECT_EQ(salvaged, 3);
}

// A card of passes 12, 13, 14 and 40 whose file an ordinary accident has
// spoilt: each good record is found in its own slot, the records really lost
// are named, every command acts on the pass its row shows, and the file is
// not written before the operator agrees.
TEST(Damaged, LinesOutOfShapeAreReadByTheirFieldNumbersAndTheLossIsNamed) {
    const CardImage card =
        ImageWith({{12, Pass(12)}, {13, Pass(13)}, {14, Pass(14)}, {40, Pass(40)}});
    const std::string good = LineFileText(card, LineLayout::Card);
    const auto at = [](int line) { return static_cast<std::size_t>(line - 1) * 114; };
    std::string crcrlf = good;
    for (std::size_t i = 0; (i = crcrlf.find("\r\n", i)) != std::string::npos; i += 3)
        crcrlf.insert(i, "\r");
    const std::string allRead =
        "not every line holds one record, though every record could be read";
    const struct {
        const char* name;
        std::string bytes;
        Texts items;
        std::string damage;
    } variants[] = {
        {"extra comma",
         std::string(good).insert(at(12) + 111, ","),
         {"13", "14", "40"},
         "record 12 could not be read"},
        {"empty line", std::string(good).insert(at(11), "\r\n"), {"12", "13", "14", "40"}, allRead},
        {"CR CR LF", crcrlf, {"12", "13", "14", "40"}, allRead},
        {"line missing",
         std::string(good).erase(at(12), 114),
         {"13", "14", "40"},
         "record 12 could not be read"},
        {"cut in the last field",
         good.substr(0, good.size() - 6),
         {"12", "13", "14", "40"},
         "record 250 could not be read"},
        {"400-digit latitude",
         std::string(good).replace(at(13) + 13, 23, std::string(400, '9')),
         {"12", "14", "40"},
         "record 13 could not be read"},
        {"another slot's number",
         std::string(good).replace(at(7), 10, "+000000012"),
         {"12", "13", "14", "40"},
         "record 7 could not be read"},
    };
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.name);
        Harness h;
        MakeCard(h.root, nullptr);
        WriteFile(h.Lines(), variant.bytes);
        h.dialogs.ExpectTitle("Damaged Card File", Answer::Ok);
        StartUp(h.program, h.ports);
        const std::string prompt =
            h.dialogs.shown.empty() ? "" : h.dialogs.shown[0].Prompt.English();
        EXPECT_NE(prompt.find("is damaged: " + variant.damage + ".\r\n"), std::string::npos)
            << prompt;
        EXPECT_EQ(h.cardList.ItemTexts(), variant.items);

        // Every row moved into the image takes the pass it shows.
        h.cardList.Select(variant.items);
        cmdMoveLines_Click(h.program, h.ports, CardSide);
        EXPECT_EQ(h.imageList.ItemTexts(), variant.items);
        for (const std::string& item : variant.items) {
            const int slot = std::stoi(item);
            EXPECT_EQ(h.program.Table.Current(ImageSide).Line(slot), card.Line(slot)) << slot;
        }

        // The first write asks; a No leaves the file as it was.
        h.dialogs.ExpectTitle("Damaged Card File", Answer::No);
        UndoLastChange(h.program, h.ports, CardSide);
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(Bytes(h.Lines()), variant.bytes);
    }
}

TEST(MasterCopy, FirstStartMakesTheFolderAndEachKindIsWrittenToItsOwnFile) {
    Harness h;
    CardImage image = NewBlankImage();
    image.IsStraight = true;
    // No work folder yet: the write cannot even start.
    h.dialogs.Expect(Said({"Error 100-1.  Failed Saving MasterCopy File.", Buttons::Ok, Icon::None,
                           "Error Saving Master Copy"},
                          "The folder is not there."),
                     Answer::Ok);
    EXPECT_FALSE(WriteMasterCopy(h.program, h.ports, image));
    EXPECT_TRUE(h.progress.steps.empty());  // no animation after a failure
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(LoadMasterCopy(h.program, h.ports), image);
    EXPECT_TRUE(fs::is_empty(h.program.WorkFolder));  // made, but nothing written until a change
    h.program.Menus.StraightTrack = false;
    const CardImage circle = LoadMasterCopy(h.program, h.ports);
    EXPECT_TRUE(circle.IsCircle && !circle.IsStraight);

    // Each kind is written to its own file and read back; the image's own
    // kind picks the file, whatever the menu says now.
    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, straight));
    ASSERT_TRUE(
        WriteMasterCopy(h.program, h.ports, ImageWith({{30, "+0000000000010.00000000"}}, false)));
    const fs::path straightFile = h.program.WorkFolder / "Master_Copy_Straight.dat";
    EXPECT_EQ(Bytes(straightFile), LineFileText(straight, LineLayout::MasterCopy));
    EXPECT_EQ(Bytes(h.program.WorkFolder / "Master_Copy_Circles.dat").size(), 28250u);
    EXPECT_EQ(LoadMasterCopy(h.program, h.ports).Line(30).Latitude, "+0000000000010.00000000");
    h.program.Menus.StraightTrack = true;
    EXPECT_EQ(LoadMasterCopy(h.program, h.ports), straight);
    EXPECT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_FALSE(fs::exists(TemporaryFileFor(straightFile)));
}

TEST(MasterCopy, ADamagedCopyIsSalvagedKeptAsideAtStartUpAndSaidWhere) {
    Harness h;
    MakeWorkFolder(h.program, h.ports.Disk);
    const fs::path straightFile = h.program.WorkFolder / "Master_Copy_Straight.dat";
    const fs::path circleFile = h.program.WorkFolder / "Master_Copy_Circles.dat";
    const fs::path kept = h.program.WorkFolder / "Master_Copy_Straight.unreadable-12062026.dat";
    // Its last line lost, as a save cut short leaves it.
    std::string damaged =
        LineFileText(ImageWith({{12, Pass(12)}, {40, Pass(40)}}), LineLayout::MasterCopy);
    damaged.resize(damaged.rfind("\r\n", damaged.size() - 3) + 2);
    WriteFile(straightFile, damaged);
    WriteFile(circleFile,
              LineFileText(ImageWith({{40, "+0000000000001.00000000"}}, false), LineLayout::Card));
    const std::string circleBytes = Bytes(circleFile);
    h.dialogs.Expect({"The master copy " + straightFile.string() +
                          " is damaged: record 250 could not be read.\r\n"
                          "The passes that could be read are shown in the Temporary Card "
                          "Image.\r\nThe damaged file has been kept as " +
                          kept.string() + ".",
                      Buttons::Ok, Icon::Exclamation, "Damaged Master Copy"},
                     Answer::Ok);
    StartUp(h.program, h.ports);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "40"}));
    EXPECT_EQ(Bytes(kept), damaged);
    // The first save replaces it whole; the other kind's copy is untouched.
    CardImage image = h.program.Table.Current(ImageSide);
    image.Line(6).Latitude = "+0000000000045.00000000";
    ASSERT_TRUE(WriteMasterCopy(h.program, h.ports, image));
    EXPECT_EQ(ReadLineFile(straightFile), image);
    EXPECT_EQ(Bytes(circleFile), circleBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(h.program.WorkFolder), {}), 3);

    // A second damaged start on the same day keeps a second copy.
    WriteFile(straightFile, "again");
    h.dialogs.ExpectTitle("Damaged Master Copy", Answer::Ok);
    image = LoadMasterCopy(h.program, h.ports);
    EXPECT_EQ(Bytes(h.program.WorkFolder / "Master_Copy_Straight.unreadable-12062026-1.dat"),
              "again");
    EXPECT_TRUE(h.dialogs.Done());

    // Its save shows progress in ten steps on the monotonic clock.
    h.progress.steps.clear();
    h.clock.slept = 0;
    ShowSaveProgress(h.ports, 1, 1.0);
    Texts want = {"show 1", "events"};
    for (int value = 0; value <= 100; value += 10)
        want.push_back("1: 0..100 = " + std::to_string(value));
    want.push_back("hide 1");
    EXPECT_EQ(h.progress.steps, want);
    EXPECT_NEAR(h.clock.slept, 1.0, 1e-9);
}

}  // namespace
}  // namespace swathkit
