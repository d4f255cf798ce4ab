#include <gtest/gtest.h>

#include "core/number_text.h"
#include "display/coordinate_text.h"

namespace swathkit {
namespace {

GuidanceLine Heading(const std::string& east, const std::string& north) {
    GuidanceLine line;
    line.HeadingEast = east;
    line.HeadingNorth = north;
    return line;
}

TEST(CoordinateText, DecimalAndDmsForms) {
    struct Row {
        const char* text;
        const char* decimal;
        const char* dms;
    };
    const Row rows[] = {
        {"+0000000000041.50000000", "+041.500000",
         "+41\xC2\xB0"
         "30'0''"},
        {"-0000000000093.25000000", "-093.250000",
         "-93\xC2\xB0"
         "15'0''"},
        {"+0000000000041.12345600", "+041.123456",
         "+41\xC2\xB0"
         "7'24.44''"},
        {"-0000000000093.65432100", "-093.654321",
         "-93\xC2\xB0"
         "39'15.55''"},
        {"+0000000000040.00833330", "+040.008333",
         "+40\xC2\xB0"
         "0'29.99''"},
        {"-0000000000000.50000000", "-000.500000",
         "-0\xC2\xB0"
         "30'0''"},
        {BlankCoordinate, "+000.000000",
         "+0\xC2\xB0"
         "0'0''"},
        {"-0000000000000.00000000", "+000.000000",
         "+0\xC2\xB0"
         "0'0''"},
        {"garbage", "+000.000000",
         "+0\xC2\xB0"
         "0'0''"},
        {"+0000000001234.50000000", "+1234.500000",
         "+1234\xC2\xB0"
         "30'0''"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatCoordinate(row.text, false), row.decimal) << row.text;
        EXPECT_EQ(FormatCoordinate(row.text, true), row.dms) << row.text;
    }
}

TEST(CoordinateText, HeadingsFollowTheCompass) {
    struct Row {
        const char* east;
        const char* north;
        const char* heading;
    };
    const Row rows[] = {
        {"1", "1", "045.0000"},
        {"2", "1", "063.4349"},
        {"1", "-1", "135.0000"},
        {"-1", "-1", "225.0000"},
        {"-1", "1", "315.0000"},
        {"10", "-0.5", "092.8624"},
        {"0.5", "0.5", "090.0000"},
        {"-0.5", "0.5", "270.0000"},
        // On the axes: the true direction.
        {"0", "1", "000.0000"},
        {"1", "0", "090.0000"},
        {"0", "-1", "180.0000"},
        {"-1", "0", "270.0000"},
        {"0", "0", "000.0000"},
        {"0", "0.5", "000.0000"},
        {BlankCoordinate, "+0000000000003.00000000", "000.0000"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatHeading(Heading(row.east, row.north)),
                  std::string(row.heading) + "\xC2\xB0")
            << row.east << " " << row.north;
    }
}

TEST(CoordinateText, AbsurdNumbersGiveTextsNotNanOrInf) {
    const std::string huge = "9" + std::string(400, '9');
    for (const std::string& text : {huge, "-" + huge, std::string("1e999")}) {
        for (const bool dms : {false, true}) {
            const std::string shown = FormatCoordinate(text, dms);
            EXPECT_EQ(shown.find("nan"), std::string::npos) << shown;
            EXPECT_EQ(shown.find("inf"), std::string::npos) << shown;
        }
    }
    // Too large for 15 digits to read back: still shown as the largest
    // number, never as zero.
    EXPECT_EQ(FormatCoordinate(huge, false).substr(0, 7), "+179769");
    const std::string degrees = "-1.79769313486232E+308\xC2\xB0";
    EXPECT_EQ(FormatCoordinate("-" + huge, true), degrees + "0'0''");
    EXPECT_EQ(RoundTo15Digits(-1.7976931348623157e308), -1.7976931348623157e308);
    EXPECT_EQ(FormatHeading(Heading(huge, "0.5")), "090.0000\xC2\xB0");
    EXPECT_EQ(FormatHeading(Heading("-" + huge, "0.5")), "270.0000\xC2\xB0");
    EXPECT_EQ(FormatHeading(Heading(huge, huge)), "045.0000\xC2\xB0");
    EXPECT_EQ(FormatHeading(Heading("1", "-" + huge)), "180.0000\xC2\xB0");
}

}  // namespace
}  // namespace swathkit
