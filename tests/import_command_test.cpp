// Lines from other farm software into the temporary card image.

#include <cmath>

#include "commands/commands.h"
#include "edit/import_passes.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

PlacedLine Straight(double latitude, double heading, int field = 0) {
    return {field, true, {latitude, 7.25}, heading};
}
PlacedLine Circle(double latitude, double longitude, int field = 0) {
    return {field, false, {latitude, longitude}, 0};
}

TEST(ImportLines, OneCommandOwnFieldsFirstThenFreeFieldsAskingOnAClash) {
    Harness h;
    fs::create_directories(h.program.WorkFolder);
    // Field 7 holds a line of an earlier import of the same file.
    h.program.Table.Current(ImageSide) = ImageWith({{6, Pass(6)}});
    h.program.Table.Current(ImageSide).Line(7) = ImportedRecord(Straight(57, 70), 7);
    const CardImage before = h.program.Table.Current(ImageSide);
    h.dialogs.Expect({"Pass #6 will replace pass #6. Is this ok?", Buttons::YesNoCancel, Icon::None,
                      "Replace Pass"},
                     Answer::No);
    h.dialogs.ExpectInput(
        "Copy field #6 to which field: \r\nYou will be asked before a pass is replaced.", "41");
    // Field 3 is no field of a line's own; the circle is of the other kind.
    const std::vector<PlacedLine> lines = {
        Straight(50, 10), Straight(51, 20, 6), Straight(52, 30, 9),  Straight(54, 40, 3),
        Straight(57, 70), Circle(53, 1),       Straight(58, 80, 250)};
    EXPECT_TRUE(ImportIntoImage(h.program, h.ports, lines));
    CardImage expected = before;
    // The line field 7 holds comes in again: the operator ticked it.
    for (const auto& [field, line] : {std::pair{8, 0}, {41, 1}, {9, 2}, {10, 3}, {11, 4}, {250, 6}})
        expected.Line(field) = ImportedRecord(lines[line], field);
    expected.Line(41).FieldNum = before.Line(41).FieldNum;
    EXPECT_EQ(h.program.Table.Current(ImageSide), expected);
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), before);
    EXPECT_EQ(h.progress.Saves(ImageSide), 1);

    // Nothing that can come in: no undo copy. No free field left: said.
    EXPECT_FALSE(ImportIntoImage(h.program, h.ports, {Circle(1, 2), Straight(91, 0)}));
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), before);
    for (int field = kFirstUsableField; field <= kSlotCount; ++field)
        h.program.Table.Current(ImageSide).Line(field).Latitude = Spot(field);
    h.dialogs.Expect({"The Temporary Card Image has no free field left:\r\n1 line did not come in.",
                      Buttons::Ok, Icon::Exclamation, "No Free Field"},
                     Answer::Ok);
    EXPECT_FALSE(ImportIntoImage(h.program, h.ports, {Straight(1, 0)}));
    EXPECT_EQ(h.progress.Saves(ImageSide), 1);
}

// A line there already, or twice in the file, is said; a line of the other
// kind, or at another heading, is another line.
TEST(ImportLines, RepeatsAreSaid) {
    CardImage image = ImageWith({{6, Pass(6)}});
    image.Line(7) = ImportedRecord(Straight(57, 70.25), 7);
    const std::vector<PlacedLine> lines = {Straight(57, 70.25, 12), Straight(57, 70.2501),
                                           Circle(57, 7.25),        Straight(57, 70.2501, 9),
                                           Circle(57, 7.25),        PlacedLines(image, true)[0]};
    EXPECT_EQ(ImportRepeats(image, lines),
              (std::vector<Words>{"already in the image (field 7)", "", "", "the same as row 2",
                                  "the same as row 3", "already in the image (field 6)"}));
}

TEST(ImportLines, RefusalsAndRecordsInTheCardsForm) {
    const double nan = std::nan("");
    for (const auto& [line, kind, refused] :
         {std::tuple{Straight(50, 0), TrackKind::Circle,
                     "a straight line, and Circle Track is checked"},
          {Circle(50, 1), TrackKind::Straight, "a circle track, and Straight Track is checked"},
          {Circle(-90, 180), TrackKind::Circle, ""},
          {Circle(0, 180.5), TrackKind::Circle, "coordinates out of range"},
          {Circle(nan, 1), TrackKind::Circle, "coordinates out of range"},
          {Circle(1, nan), TrackKind::Circle, "coordinates out of range"},
          {Straight(-90.1, 1), TrackKind::Straight, "coordinates out of range"},
          {Straight(1, nan), TrackKind::Straight, "no heading"},
          {Circle(0, 0), TrackKind::Circle,
           "at latitude 0, longitude 0, which the card takes for an empty field"}})
        EXPECT_EQ(ImportRefusal(line, kind), refused) << line.Point.Latitude;
    EXPECT_EQ(ImportedRecord(Circle(-52.123456785, 13.5), 250),
              (GuidanceLine{"+000000250", "-0000000000052.12345679", "+0000000000013.50000000",
                            BlankCoordinate, BlankCoordinate, "", false}));
    for (double heading :
         {0.0, 90.0, 180.0, 270.0, 359.99995, 0.00004, 89.99999, 45.0, 135.5, 200.25, 300.0001}) {
        const GuidanceLine record = ImportedRecord(Straight(41.5, heading), 6);
        const double error = std::fabs(HeadingDegrees(record) - heading);
        EXPECT_LT(std::min(error, 360 - error), 1e-7) << heading;
    }
    const ImportRowText row = DescribeImport(Straight(41.5, 45, 12), {.ShowDMS = false});
    EXPECT_EQ(row.Kind.English() + row.Latitude + row.Longitude + row.Heading + row.Field.English(),
              "straight line+041.500000+007.250000045.0000\xC2\xB0"
              "12");
    const ImportRowText circle = DescribeImport(Circle(1, 2), {});
    EXPECT_EQ(circle.Kind.English() + circle.Latitude + circle.Heading + circle.Field.English(),
              "circle track+1\xC2\xB0"
              "0'0''first free");
}

}  // namespace
}  // namespace swathkit
