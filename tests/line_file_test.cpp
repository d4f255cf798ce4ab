#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "core/line_file.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using testing::TempFolder;

constexpr const char* kBlankCardSlot7 =
    "+000000007  ,+0000000000000.00000000 ,+0000000000000.00000000 ,+0000000000000.00000000 "
    ",+0000000000000.00000000 \r\n";

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string Line(int slot, const std::string& lat) {
    return "+" + FormatPicture(slot, 9, 0) + "  ," + lat +
           " ,+0000000000002.00000000 ,+0000000000003.00000000 ,+0000000000004.00000000 \r\n";
}

std::string Lines(int count, int from = 1) {
    std::string text;
    for (int i = 0; i < count; ++i) text += Line(from + i, "+0000000000041.50000000");
    return text;
}

// Texts of every kind the reader must carry unchanged: signs, short and long
// numbers, words, quotes, 8-bit bytes.
CardImage RandomImage(std::mt19937& random) {
    const std::vector<std::string> samples = {"+0000000000041.12345600",
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
        for (std::string* text : {&line.FieldNum, &line.Latitude, &line.Longitude,
                                  &line.HeadingNorth, &line.HeadingEast}) {
            *text = samples[random() % samples.size()];
        }
    }
    return image;
}

TEST(LineFile, BlankFilesHaveTheExactLayout) {
    const CardImage blank = NewBlankImage();
    const std::string card = LineFileText(blank, LineLayout::Card);
    const std::string master = LineFileText(blank, LineLayout::MasterCopy);
    EXPECT_EQ(card.size(), 28500u);
    EXPECT_EQ(master.size(), 28250u);
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
            WriteBytes(path, first);
            const CardImage read = ReadLineFile(path);
            for (int slot = 1; slot <= kSlotCount; ++slot) {
                const GuidanceLine& want = image.Line(slot);
                const GuidanceLine& got = read.Line(slot);
                EXPECT_EQ(got.FieldNum, want.FieldNum);
                if (slot < kFirstUsableField) {
                    EXPECT_EQ(got.Latitude, BlankCoordinate);
                    EXPECT_EQ(got.HeadingEast, BlankCoordinate);
                } else {
                    EXPECT_EQ(got.Latitude, want.Latitude);
                    EXPECT_EQ(got.Longitude, want.Longitude);
                    EXPECT_EQ(got.HeadingNorth, want.HeadingNorth);
                    EXPECT_EQ(got.HeadingEast, want.HeadingEast);
                }
            }
            // A second cycle changes no byte: the separators never grow.
            const std::string second = LineFileText(read, layout);
            WriteBytes(path, second);
            EXPECT_EQ(LineFileText(ReadLineFile(path), layout), second);
        }
    }
}

TEST(LineFile, PositionNotNumberDecidesTheSlotAndFlagsComeFromThePath) {
    TempFolder folder;
    std::string text = Lines(250);
    const std::size_t seventh = 6 * Line(1, "+0000000000041.50000000").size();
    text.replace(seventh, 10, "+000000012");
    fs::create_directories(folder.path() / "pflines");
    const fs::path circles = folder.path() / "pflines" / "circles.dat";
    const fs::path upper = folder.path() / "pflines" / "CIRCLES.DAT";
    WriteBytes(circles, text);
    WriteBytes(upper, text);

    const CardImage image = ReadLineFile(circles);
    EXPECT_EQ(image.Line(7).FieldNum, "+000000012");
    EXPECT_EQ(image.Line(7).Latitude, "+0000000000041.50000000");
    EXPECT_EQ(image.Line(5).Latitude, BlankCoordinate);  // reserved slots blanked
    EXPECT_EQ(image.Line(5).FieldNum, "+000000005");
    EXPECT_TRUE(image.IsCircle);
    EXPECT_FALSE(image.IsStraight);

    const CardImage capitals = ReadLineFile(upper);
    EXPECT_FALSE(capitals.IsCircle);
    EXPECT_TRUE(capitals.IsStraight);
}

TEST(LineFile, LineEndsAndBlanksOfAnyKindAreAccepted) {
    std::string lf = Lines(250), cr = Lines(250);
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.replace(at, 2, "\n");
    for (std::size_t at; (at = cr.find("\r\n")) != std::string::npos;) cr.replace(at, 2, "\r");
    const auto crlf = ParseLineFile(Lines(250));
    ASSERT_TRUE(crlf);
    EXPECT_EQ(ParseLineFile(lf), crlf);
    EXPECT_EQ(ParseLineFile(cr), crlf);
    EXPECT_EQ(crlf->Line(250).HeadingEast, "+0000000000004.00000000");

    // The last record may end at the end of the file, without a line end.
    std::string noEnd = Lines(250);
    noEnd.resize(noEnd.size() - 2);
    EXPECT_EQ(ParseLineFile(noEnd), crlf);

    std::string padded = Lines(250);
    padded.replace(6 * 114, 10, "  \t+000000007\t ");
    EXPECT_EQ(ParseLineFile(padded)->Line(7).FieldNum, "+000000007");
}

TEST(LineFile, ShortLongAndShiftedFiles) {
    EXPECT_FALSE(ParseLineFile(Lines(249)));
    EXPECT_FALSE(ParseLineFile(""));
    const auto longer = ParseLineFile(Lines(251) + "garbage,,,\r\n");
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->Line(250).FieldNum, "+000000250");

    // An extra field on line 10 shifts every record after it by one field.
    std::string shifted = Lines(251);
    const std::size_t line10 = 9 * 114;
    shifted.insert(line10 + 112, ",extra");
    const auto image = ParseLineFile(shifted);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Line(10).HeadingEast, "+0000000000004.00000000");
    EXPECT_EQ(image->Line(11).FieldNum, "extra");
    EXPECT_EQ(image->Line(11).Latitude, "+000000011");

    // A missing field: the 250 records need one line more.
    std::string missing = Lines(250);
    missing.erase(line10 + 86, 26);  // HeadingEast of line 10
    EXPECT_FALSE(ParseLineFile(missing));
}

TEST(LineFile, DamagedFilesFailQuicklyAndLeaveNothingOpen) {
    TempFolder folder;
    const fs::path path = folder.path() / "ablines.dat";
    std::mt19937 random(3);
    std::string binary(40000, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    const std::vector<std::string> damaged = {
        binary,
        Lines(100) + std::string(10, '\0') + Lines(150),
        std::string(3 << 20, 'x'),  // one endless line
        Lines(100) + std::string(kFieldLimit + 1, '7') + "," + Lines(150),
        std::string(5 << 20, ' '),  // megabytes of blanks
    };
    for (const std::string& bytes : damaged) {
        WriteBytes(path, bytes);
        const CardImage image = ReadLineFile(path);
        EXPECT_EQ(image, CardImage{});
        EXPECT_FALSE(image.IsStraight);
        // Nothing was left open: the file can be replaced and read again.
        ASSERT_TRUE(RealFiles().Replace(path, LineFileText(NewBlankImage(), LineLayout::Card)));
        EXPECT_TRUE(TryReadLineFile(path));
    }
    EXPECT_EQ(ReadLineFile(folder.path() / "missing.dat"), CardImage{});

    // A good file with megabytes of trailing garbage still reads.
    WriteBytes(path, Lines(250) + std::string(4 << 20, 'z'));
    EXPECT_TRUE(TryReadLineFile(path));
}

}  // namespace
}  // namespace swathkit
