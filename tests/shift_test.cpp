// "Shift...": the selected passes moved on the ground by what was typed.

#include "support/edit_harness.h"

namespace swathkit {
namespace {

using namespace testing;

AskShift Answer(std::optional<ShiftEntry> entry) {
    return [=] { return entry; };
}

TEST(Shift, EachFormOfEntryMovesOnlyTheSelectedPointsAndUndoGivesTheTextsBack) {
    const std::tuple<ShiftEntry, double, double> cases[] = {
        // entry, heading, metres
        {{false, " 1,5", "0"}, 90, 1.5},
        {{true, "-1.5", "270"}, 90, 1.5},
        {{false, "+0", "-2."}, 180, 2},
        {{false, "600", "800"}, 36.8698976458, 1000}};
    auto image = Passes({12, 40, 77});
    image[90] = "+0000000000095.00000000";  // no latitude: left where it is
    for (const auto& [entry, heading, metres] : cases) {
        SCOPED_TRACE(entry.First + " " + entry.Second);
        EditHarness h(Passes({7}), image);
        h.program.Table.Current(ImageSide).Line(77).HeadingEast = "-0000000000002.00000000";
        const CardImage before = h.program.Table.Current(ImageSide);
        h.program.Table.At(ImageSide, 1) = NewBlankImage();
        h.imageList.Select({"12", "77", "90"});
        h.dialogs.Expect({"These passes were not moved: their position is not a latitude and "
                          "longitude.\r\nField #: 90",
                          Buttons::Ok, Icon::Exclamation, "Shift Passes"},
                         Answer::Ok);
        mnuShift_Click(h.program, h.ports, ImageSide, Answer(entry));
        EXPECT_TRUE(h.dialogs.Done());
        h.ExpectWritten(ImageSide);
        CardImage now = h.program.Table.Current(ImageSide);
        for (int slot : {12, 77}) {
            const GeoPoint aimed = Travel(PointOf(before.Line(slot)), heading, metres);
            EXPECT_LT(DistanceMetres(aimed, PointOf(now.Line(slot))), 0.001) << slot;
            now.Line(slot).Latitude = before.Line(slot).Latitude;
            now.Line(slot).Longitude = before.Line(slot).Longitude;
        }
        EXPECT_EQ(now, before);  // directions, and passes not selected or not moved, stay
        cmdUndo_Click(h.program, h.ports, ImageSide);
        EXPECT_EQ(h.program.Table.Current(ImageSide), before);
    }
}

TEST(Shift, OnTheCardNonsenseChangesNothingAndAShiftIsBackedUp) {
    EditHarness h(Passes({12, 40}), {});
    const ImageTable before = h.program.Table;
    h.dialogs.ExpectTitle("Nothing Selected", Answer::Ok);
    mnuShift_Click(h.program, h.ports, CardSide, [] { return ADD_FAILURE(), ShiftEntry{}; });
    h.cardList.Select({"12"});
    const auto refuse = [&](ShiftEntry entry, const std::string& why) {
        h.dialogs.Expect(
            {why + "\r\nNothing has been moved.", Buttons::Ok, Icon::Exclamation, "Shift Passes"},
            Answer::Ok);
        mnuShift_Click(h.program, h.ports, CardSide, Answer(entry));
    };
    for (const std::string text : {" ", "+", "1.5.0", "1e2"})
        refuse({false, "0", text},
               "\"" + text + "\" is not a number.\r\nType it in digits, such as 1.5 or -0,25.");
    for (const auto& [entry, metres] : {std::pair{ShiftEntry{false, "800", "601"}, "1000.60"},
                                        {{false, std::string(400, '9'), "1"}, "over 1000000"},
                                        {{true, "-1000.01", "0"}, "1000.01"}})
        refuse(entry, "A shift of " + std::string(metres) +
                          " m is further than the 1000 m a shift may be.");
    mnuShift_Click(h.program, h.ports, CardSide, Answer(std::nullopt));
    EXPECT_EQ(h.program.Table.Images, before.Images);
    h.ExpectBackups({});

    // A damaged card can name two slots alike: the pass named moves once.
    h.program.Table.Current(CardSide).Line(40).FieldNum = "+000000012";
    FillLineList(h.program, h.ports, CardSide, h.program.Table.Current(CardSide));
    h.cardList.Select({"12"});
    mnuShift_Click(h.program, h.ports, CardSide, Answer(ShiftEntry{false, "1.5", "0"}));
    const GeoPoint moved = PointOf(h.program.Table.Current(CardSide).Line(12));
    EXPECT_NEAR(DistanceMetres(PointOf(before.At(CardSide, 0).Line(12)), moved), 1.5, 0.001);
    h.ExpectWritten(CardSide);
    h.ExpectBackups({h.cardAsRead});
}

}  // namespace
}  // namespace swathkit
