#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/guidance_line.h"
#include "core/number_text.h"
#include "display/coordinate_text.h"

namespace swathkit {
namespace {

TEST(CardImage, BlankImageIsNumberedAndHoldsNoLine) {
    const CardImage image = NewBlankImage();
    EXPECT_EQ(image.Line(1).FieldNum, "+000000001");
    EXPECT_EQ(image.Line(250).FieldNum, "+000000250");
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_FALSE(LineInUse(image.Line(slot))) << slot;
        EXPECT_EQ(image.Line(slot).Latitude, BlankCoordinate);
    }
    EXPECT_FALSE(image.IsCircle);
    EXPECT_FALSE(image.IsStraight);
}

TEST(CardImage, SlotsOutsideTheCardAreRefused) {
    CardImage image = NewBlankImage();
    EXPECT_THROW(image.Line(0), std::out_of_range);
    EXPECT_THROW(image.Line(251), std::out_of_range);
    EXPECT_THROW(image.Line(-1), std::out_of_range);
    EXPECT_FALSE(IsSlotNumber(0));
    EXPECT_TRUE(IsSlotNumber(250));
}

TEST(CardImage, InUseLooksOnlyForTheZeroDigits) {
    GuidanceLine line = NewBlankImage().Line(7);
    line.Latitude = "-0000000000000.00000000";
    line.HeadingEast = "x0000000000000.00000000 ";
    EXPECT_FALSE(LineInUse(line));

    GuidanceLine oneSet = line;
    oneSet.HeadingEast = "+0000000000001.00000000";
    EXPECT_TRUE(LineInUse(oneSet));

    GuidanceLine empty;  // what a failed read leaves
    EXPECT_TRUE(LineInUse(empty));
    line.Longitude = "0.0";
    EXPECT_TRUE(LineInUse(line));
}

TEST(CardImage, SameCoordinatesComparesTextsNotNumbers) {
    GuidanceLine a = NewBlankImage().Line(7);
    a.Latitude = "+0000000000041.50000000";
    GuidanceLine b = a;
    b.FieldNum = "+000000099";
    b.LineFlag = true;
    EXPECT_TRUE(SameCoordinates(a, b));
    b.Latitude = "+0000000000041.5000000";
    EXPECT_FALSE(SameCoordinates(a, b));
}

TEST(NumberText, LeadingNumberReadsTheStartOfAText) {
    EXPECT_DOUBLE_EQ(LeadingNumber("+0000000000041.50000000"), 41.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("  -12.5abc"), -12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1 2"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("+."), 0);
    // Far too many digits still give a finite number.
    EXPECT_TRUE(std::isfinite(LeadingNumber(std::string(500, '9'))));
    EXPECT_EQ(LeadingNumber("0." + std::string(500, '0') + "1"), 0);
}

TEST(NumberText, WholeNumbersRoundHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(LeadingWholeNumber("6.5"), 6);
    EXPECT_EQ(LeadingWholeNumber("7.5"), 8);
    EXPECT_EQ(LeadingWholeNumber("-2.5"), -2);
    EXPECT_EQ(LeadingWholeNumber("12abc"), 12);
    EXPECT_EQ(LeadingWholeNumber(" 9"), 9);
    EXPECT_EQ(LeadingWholeNumber("32767"), 32767);
    EXPECT_EQ(LeadingWholeNumber("-32768"), -32768);
    EXPECT_EQ(LeadingWholeNumber("32767.5"), std::nullopt);
    EXPECT_EQ(LeadingWholeNumber("99999"), std::nullopt);
}

TEST(NumberText, DefaultTextIsFifteenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(DefaultNumberText(41), "41");
    EXPECT_EQ(DefaultNumberText(41.5), "41.5");
    EXPECT_EQ(DefaultNumberText(-0.0), "0");
    EXPECT_EQ(DefaultNumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(DefaultNumberText(0.0001), "0.0001");
    EXPECT_EQ(DefaultNumberText(0.00001), "1E-05");
    EXPECT_EQ(DefaultNumberText(1e15), "1E+15");
    EXPECT_EQ(DefaultNumberText(123456789012345.0), "123456789012345");
    EXPECT_DOUBLE_EQ(RoundTo15Digits(0.1 + 0.2), 0.3);
}

TEST(NumberText, PicturesPadAndRoundHalvesAwayFromZero) {
    EXPECT_EQ(FormatPicture(7, 9, 0), "000000007");
    EXPECT_EQ(FormatPicture(41.5, 3, 6), "041.500000");
    EXPECT_EQ(FormatPicture(1234.5, 3, 6), "1234.500000");
    EXPECT_EQ(FormatPicture(2.5, 1, 0), "3");
    EXPECT_EQ(FormatPicture(2.675, 1, 2), "2.68");
    EXPECT_EQ(FormatPicture(-2.5, 3, 0), "-003");
    EXPECT_EQ(FormatPicture(999.99995, 3, 4), "1000.0000");
    EXPECT_EQ(FormatPicture(-0.00001, 3, 4), "000.0000");
    EXPECT_EQ(FormatDate({2026, 3, 7}), "03072026");
}

TEST(NumberText, IgnoresTheUserLocale) {
    // QApplication sets the locale from the environment; a comma locale must
    // not leak into any number text.
#ifndef _WIN32
    setenv("LOCPATH", SWATHKIT_TEST_LOCALES, 1);
#endif
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
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
    EXPECT_EQ(FormatCoordinate("+0000000000041.12345600", true),
              "+41\xC2\xB0"
              "7'24.44''");
    EXPECT_EQ(std::localeconv()->decimal_point, std::string(","));
    std::setlocale(LC_ALL, "C");
#ifndef _WIN32
    unsetenv("LOCPATH");
#endif
}

}  // namespace
}  // namespace swathkit
