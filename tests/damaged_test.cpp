// Every file of the damaged corpus, met where the operator would meet it:
// as the card's line file and as the master copy, through the real start-up.

#include <gtest/gtest.h>

#include "card/save.h"
#include "core/master_copy.h"
#include "shell/main_commands.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

// The committed corpus, and one file too big to keep in the repository.
std::vector<fs::path> Corpus(const fs::path& scratch) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(SWATHKIT_TEST_DATA) / "damaged"))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    const fs::path huge = scratch / "huge.dat";
    WriteFile(huge, std::string(3 << 20, '7'));
    files.push_back(huge);
    return files;
}

// Files whose lines survive their damage: other line ends, lines after the
// 250th, texts that are not numbers.
bool Readable(const fs::path& file) {
    for (const char* stem : {"cr_only", "lf_only", "long", "non_ascii"})
        if (file.stem() == stem)
            return true;
    return false;
}

TEST(Damaged, ACardsDamagedLineFileLeavesTheProgramUsableAndTheFileUntouched) {
    TempFolder scratch;
    const auto corpus = Corpus(scratch.path());
    ASSERT_GE(corpus.size(), 12u);
    for (const fs::path& file : corpus) {
        SCOPED_TRACE(file.filename().string());
        Harness h;
        const fs::path root = h.work.path() / "CARD";
        const CardImage circles = ImageWith({{20, "+0000000000041.50000000"}}, false);
        MakeCard(root, nullptr, &circles);
        const std::string damaged = Bytes(file);
        WriteFile(root / "pflines" / "ablines.dat", damaged);
        h.drives.entries = {"/", root.string() + " [CARD]"};
        h.drives.current = 1;

        StartUp(h.program, h.ports);
        EXPECT_TRUE(h.dialogs.shown.empty());
        // The card is there, so its commands are offered; a file that
        // cannot be read shows no pass, only empty rows.
        EXPECT_TRUE(h.controls.AllCardCommands(true));
        if (Readable(file)) {
            EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"12", "13", "40"}));
        } else {
            for (const auto& row : h.cardList.rows) ASSERT_EQ(row[0], "0");
        }

        // The other kind on the same card still loads, and the image side
        // still saves.
        mnuCircleTrack_Click(h.program, h.ports);
        EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"20"}));
        h.program.Table.Current(ImageSide).Line(30) = circles.Line(20);
        h.program.ImageChanged = true;
        SaveImage(h.program, h.ports, ImageSide);
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_TRUE(Bytes(root / "pflines" / "ablines.dat") == damaged);
    }
}

TEST(Damaged, ADamagedMasterCopyIsKeptWholeUntilTheFirstSaveKeepsItAside) {
    TempFolder scratch;
    for (const fs::path& file : Corpus(scratch.path())) {
        SCOPED_TRACE(file.filename().string());
        Harness h;
        MakeWorkFolder(h.program, h.ports.Disk);
        const fs::path master = MasterCopyFile(h.program, true);
        const std::string damaged = Bytes(file);
        WriteFile(master, damaged);

        StartUp(h.program, h.ports);
        EXPECT_TRUE(h.dialogs.shown.empty());
        if (Readable(file))
            EXPECT_EQ(h.imageList.ItemTexts(), (std::vector<std::string>{"12", "13", "40"}));
        else
            EXPECT_TRUE(h.imageList.rows.empty());
        EXPECT_TRUE(Bytes(master) == damaged);

        h.program.Table.At(ImageSide, 1) = h.program.Table.Current(ImageSide);
        h.program.Table.Current(ImageSide).Line(30).Latitude = "+0000000000041.50000000";
        h.program.ImageChanged = true;
        SaveImage(h.program, h.ports, ImageSide);
        EXPECT_TRUE(h.dialogs.shown.empty());
        EXPECT_EQ(ReadLineFile(master), h.program.Table.Current(ImageSide));
        const fs::path kept = master.parent_path() / "Master_Copy_Straight.unreadable-12062026.dat";
        if (Readable(file))
            EXPECT_FALSE(fs::exists(kept));
        else
            EXPECT_TRUE(Bytes(kept) == damaged);
    }
}

}  // namespace
}  // namespace swathkit
