// The data model and the texts the lists show for it, and the file layer's
// account of a failed step.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

#include "core/files.h"
#include "core/guidance_line.h"
#include "core/number_text.h"
#include "core/work_folder.h"
#include "display/coordinate_text.h"
#include "display/line_list.h"
#include "geo/geo.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

// The texts with '*' for the degree sign, which cannot sit in a literal
// before a digit.
std::string D(std::string text) {
    for (std::size_t at; (at = text.find('*')) != std::string::npos;)
        text.replace(at, 1, "\xC2\xB0");
    return text;
}

GuidanceLine Heading(const std::string& east, const std::string& north) {
    GuidanceLine line;
    std::tie(line.HeadingEast, line.HeadingNorth) = std::tie(east, north);
    return line;
}

TEST(CardImage, BlankSlotsRefusedSlotsAndWhatCountsAsInUse) {
    CardImage image = NewBlankImage();
    EXPECT_EQ(image.Line(1).FieldNum + image.Line(250).FieldNum, "+000000001+000000250");
    for (int slot = 1; slot <= kSlotCount; ++slot)
        EXPECT_FALSE(LineInUse(image.Line(slot))) << slot;
    for (int outside : {0, 251, -1}) EXPECT_THROW(image.Line(outside), std::out_of_range);

    // In use looks only for the zero digits, whatever the sign or padding.
    GuidanceLine line = image.Line(7);
    line.Latitude = "-0000000000000.00000000";
    line.HeadingEast = "x0000000000000.00000000 ";
    EXPECT_FALSE(LineInUse(line));
    GuidanceLine oneSet = line;
    oneSet.HeadingEast = "+0000000000001.00000000";
    EXPECT_TRUE(LineInUse(oneSet));
    EXPECT_TRUE(LineInUse(GuidanceLine{}));  // what a failed read leaves
    line.Longitude = "0.0";
    EXPECT_TRUE(LineInUse(line));

    // Same coordinates compares texts, not numbers, nor number or flag.
    GuidanceLine a = image.Line(7);
    a.Latitude = "+0000000000041.50000000";
    GuidanceLine b = a;
    b.FieldNum = "+000000099";
    b.LineFlag = true;
    EXPECT_TRUE(SameCoordinates(a, b));
    b.Latitude = "+0000000000041.5000000";
    EXPECT_FALSE(SameCoordinates(a, b));
}

TEST(NumberText, LeadingNumbersDefaultTextsAndPictures) {
    EXPECT_DOUBLE_EQ(LeadingNumber("+0000000000041.50000000"), 41.5);
    const std::pair<const char*, double> leading[] = {{"  -12.5abc", -12.5},
                                                      {"1 2", 12},
                                                      {"1.2.3", 1.2},
                                                      {".5", 0.5},
                                                      {"abc", 0},
                                                      {"", 0},
                                                      {"-", 0},
                                                      {"+.", 0}};
    for (const auto& [text, value] : leading) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    // Far too many digits still give a finite number.
    EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(500, '9'))));
    EXPECT_EQ(LeadingNumber("0." + std::string(500, '0') + "1"), 0);

    // Halves to even, within sixteen bits.
    const std::pair<const char*, int> whole[] = {{"6.5", 6},        {"7.5", 8}, {"-2.5", -2},
                                                 {"12abc", 12},     {" 9", 9},  {"32767", 32767},
                                                 {"-32768", -32768}};
    for (const auto& [text, value] : whole) EXPECT_EQ(LeadingWholeNumber(text), value) << text;
    EXPECT_FALSE(LeadingWholeNumber("32767.5") || LeadingWholeNumber("99999"));

    // Default texts, as few digits as give the number back.
    const std::pair<double, const char*> defaults[] = {
        {41, "41"},         {41.5, "41.5"},
        {-0.0, "0"},        {0.1 + 0.2, "0.3"},
        {0.0001, "0.0001"}, {0.00001, "1E-05"},
        {1e15, "1E+15"},    {123456789012345.0, "123456789012345"}};
    for (const auto& [value, text] : defaults) EXPECT_EQ(DefaultNumberText(value), text) << text;
    EXPECT_DOUBLE_EQ(RoundTo15Digits(0.1 + 0.2), 0.3);

    // Pictures pad and round halves away from zero.
    const std::tuple<double, int, int, const char*> pictures[] = {
        {7, 9, 0, "000000007"},        {1234.5, 3, 6, "1234.500000"}, {2.5, 1, 0, "3"},
        {2.675, 1, 2, "2.68"},         {-2.5, 3, 0, "-003"},          {-0.00001, 3, 4, "000.0000"},
        {999.99995, 3, 4, "1000.0000"}};
    for (const auto& [value, whole, places, text] : pictures)
        EXPECT_EQ(FormatPicture(value, whole, places), text);

    // The card's own form, with a sign always and never a negative zero.
    EXPECT_EQ(StoredNumber(49.123456785) + StoredNumber(-97.5),
              "+0000000000049.12345679-0000000000097.50000000");
    EXPECT_EQ(StoredNumber(-0.000000001), BlankCoordinate);
}

TEST(NumberText, IgnoresTheUserLocale) {
    // QApplication sets the locale from the environment; a comma locale must
    // not leak into any number text.
#ifndef _WIN32
    setenv("LOCPATH", SWATHKIT_TEST_LOCALES, 1);
#endif
    const char* comma = nullptr;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "German_Germany.1252"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            comma = name;
            break;
        }
    }
    if (comma == nullptr)
        GTEST_SKIP() << "this machine has no locale with a decimal comma";
    EXPECT_EQ(DefaultNumberText(41.5), "41.5");
    EXPECT_EQ(FormatPicture(41.5, 3, 6), "041.500000");
    EXPECT_DOUBLE_EQ(LeadingNumber("41.5"), 41.5);
    EXPECT_EQ(FormatCoordinate("+0000000000041.12345600", false), "+041.123456");
    EXPECT_EQ(FormatCoordinate("+0000000000041.12345600", true), D("+41*7'24.44''"));
    EXPECT_EQ(std::localeconv()->decimal_point, std::string(","));
    std::setlocale(LC_ALL, "C");
#ifndef _WIN32
    unsetenv("LOCPATH");
#endif
}

TEST(CoordinateText, DecimalAndDmsForms) {
    const char* const rows[][3] = {{"+0000000000041.50000000", "+041.500000", "+41*30'0''"},
                                   {"-0000000000093.25000000", "-093.250000", "-93*15'0''"},
                                   {"+0000000000041.12345600", "+041.123456", "+41*7'24.44''"},
                                   {"-0000000000093.65432100", "-093.654321", "-93*39'15.55''"},
                                   {"+0000000000040.00833330", "+040.008333", "+40*0'29.99''"},
                                   {"-0000000000000.50000000", "-000.500000", "-0*30'0''"},
                                   {BlankCoordinate, "+000.000000", "+0*0'0''"},
                                   {"-0000000000000.00000000", "+000.000000", "+0*0'0''"},
                                   {"garbage", "+000.000000", "+0*0'0''"},
                                   {"+0000000001234.50000000", "+1234.500000", "+1234*30'0''"}};
    for (const auto& row : rows) {
        EXPECT_EQ(FormatCoordinate(row[0], false), row[1]) << row[0];
        EXPECT_EQ(FormatCoordinate(row[0], true), D(row[2])) << row[0];
    }
}

TEST(CoordinateText, HeadingsFollowTheCompassAndAbsurdNumbersGiveTexts) {
    // East, north, heading: the true direction, on the axes too and for the
    // short components some cards store (north between 0 and 1).
    const char* const rows[][3] = {
        {"1", "1", "045.0000"},        {"2", "1", "063.4349"},      {"1", "-1", "135.0000"},
        {"-1", "-1", "225.0000"},      {"-1", "1", "315.0000"},     {"10", "-0.5", "092.8624"},
        {"0.5", "0.5", "045.0000"},    {"-0.5", "0.5", "315.0000"}, {"0", "1", "000.0000"},
        {"1", "0", "090.0000"},        {"0", "-1", "180.0000"},     {"-1", "0", "270.0000"},
        {"0", "0", "000.0000"},        {"0", "0.5", "000.0000"},    {"-0.78", "0.63", "308.9275"},
        {"-0.05", "0.99", "357.1087"}, {"-0", "-0", "000.0000"}};
    for (const auto& row : rows) {
        // The map draws the angle the list shows.
        EXPECT_NEAR(HeadingDegrees(Heading(row[0], row[1])), std::stod(row[2]), 5e-5) << row[0];
        EXPECT_EQ(FormatHeading(Heading(row[0], row[1])), D(std::string(row[2]) + "*"))
            << row[0] << " " << row[1];
    }
    EXPECT_EQ(FormatHeading(Heading(BlankCoordinate, "+0000000000003.00000000")), D("000.0000*"));
    EXPECT_EQ(HeadingDegrees(Heading("", "junk")), 0);

    // Absurd numbers give texts, never "nan" or "inf".
    const std::string huge = "9" + std::string(400, '9');
    for (const std::string& text : {huge, "-" + huge, std::string("1e999")})
        for (const bool dms : {false, true})  // no "nan" nor "inf" in any case
            EXPECT_EQ(FormatCoordinate(text, dms).find_first_of("naifNAIF"), std::string::npos);
    // Too large for 15 digits to read back: still shown as the largest
    // number, never as zero.
    EXPECT_EQ(FormatCoordinate(huge, false).substr(0, 7), "+179769");
    EXPECT_EQ(FormatCoordinate("-" + huge, true), D("-1.79769313486232E+308*0'0''"));
    EXPECT_EQ(RoundTo15Digits(-1.7976931348623157e308), -1.7976931348623157e308);
    EXPECT_EQ(FormatHeading(Heading("-" + huge, "0.5")), D("270.0000*"));
    EXPECT_EQ(FormatHeading(Heading(huge, huge)), D("045.0000*"));
}

TEST(LineList, ColumnsFollowTheTrackKindAndRowsTheSlotsInUse) {
    const auto captions = [](bool straight, bool lonLat) {
        MenuChoices menus;
        menus.StraightTrack = straight;
        menus.ShowLonLat = lonLat;
        std::string texts;
        for (const Column& column : ListColumns(menus)) texts += column.Caption.English() + ";";
        return texts;
    };
    EXPECT_EQ(captions(true, true) + "|" + captions(false, true) + "|" + captions(false, false),
              "Field #;Heading;Latitude;Longitude;|Field #;Latitude;Longitude;|Field #;");
    CardImage image =
        testing::ImageWith({{250, "+0000000000041.50000000"}, {6, "-0000000000093.25000000"}});
    image.Line(12).HeadingEast = "+0000000000002.00000000";  // only one text set
    image.Line(3).Latitude = "+0000000000001.00000000";      // a reserved slot is listed too
    MenuChoices menus;
    const auto rows = ListRows(image, menus);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].Cells[0] + rows[2].Cells[0] + rows[3].Cells[0] + rows[2].Cells[2],
              D("312250+0*0'0''"));
    EXPECT_EQ(rows[1], (ListRow{6, {"6", D("045.0000*"), D("-93*15'0''"), D("-93*15'0''")}}));
    menus.ShowDMS = false;
    EXPECT_EQ(ListRows(image, menus)[3].Cells[2], "+041.500000");
}

// Whichever step of a replace fails first names the failure, with the
// system's reason; no temporary file stays, and only a failed folder flush
// comes after the new bytes are in place.
TEST(Files, AFailedReplaceNamesItsFirstFailedStepAndTheReason) {
    testing::TempFolder work;
    const fs::path file = work.path() / "lines.dat";
    for (const std::string failing : {"open", "write", "sync", "close", "rename", "syncdir"}) {
        SCOPED_TRACE(failing);
        testing::WriteFile(file, "old");
        bool gone = false;  // from that step on, as on a card taken out
        auto disk = MakeFiles(
            [&](const char* step, const fs::path&) {
                gone = gone || step == failing;
                return gone && std::string(step) != "remove";
            },
            make_error_code(std::errc::no_space_on_device));
        const FileResult result = disk->Replace(file, "new");
        ASSERT_FALSE(result);
        EXPECT_EQ(result.Error().Step, failing);
        EXPECT_EQ(result.Error().Problem, FileProblem::NoRoom);
        EXPECT_FALSE(fs::exists(TemporaryFileFor(file)));
        EXPECT_EQ(testing::Bytes(file), failing == "syncdir" ? "new" : "old");
    }
}

// The main window comes back where it was left; a file it did not write,
// or a place no screen shows any more, never puts it out of reach.
TEST(WindowPlace, ComesBackAsLeftAndNeverOffEveryScreen) {
    using testing::TempFolder, testing::WriteFile;
    TempFolder work;
    Program program;
    program.WorkFolder = work.path() / "Swathkit";
    const WindowPlace left{{-20, 30, 900, 700}, true};
    ASSERT_TRUE(WriteWindowPlace(program, RealFiles(), left));
    EXPECT_EQ(ReadWindowPlace(program, RealFiles()), left);
    for (const char* damaged :
         {"", "swathkit-window 1 2 3 4", "swathkit-window 1 2 3 4 normal more",
          "swathkit-window 1 2 0 4 normal", "swathkit-window 1 2 3 99999999999 normal",
          "swathkit-window 1.5 2 3 4 normal", "swathkit-window 1 2 3 4 tiny",
          "other-program 1 2 3 4 normal", "\xff\xfe\x00\x01"}) {
        WriteFile(WindowPlaceFile(program), damaged);
        EXPECT_FALSE(ReadWindowPlace(program, RealFiles())) << damaged;
    }

    const std::vector<ScreenRect> screens = {{0, 0, 1920, 1050}, {1920, 0, 1280, 1000}};
    const auto fit = [&](ScreenRect rect) {
        return FitOnScreens({rect, false}, screens, 544, 483).Rect;
    };
    // Hanging off the right screen, it is moved onto it; off every screen,
    // onto the first; larger than its screen, shrunk; never below the least.
    EXPECT_EQ(fit({2900, 700, 800, 600}), (ScreenRect{2400, 400, 800, 600}));
    EXPECT_EQ(fit({-5000, -4000, 800, 600}), (ScreenRect{0, 0, 800, 600}));
    EXPECT_EQ(fit({1900, 10, 2000, 1400}), (ScreenRect{1920, 0, 1280, 1000}));
    EXPECT_TRUE(FitOnScreens(left, {{0, 0, 400, 300}}, 544, 483) ==
                (WindowPlace{{0, 0, 544, 483}, true}));
}

}  // namespace
}  // namespace swathkit
