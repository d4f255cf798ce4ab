// "Shift...": the selected passes moved on the ground by what was typed.

#include <gtest/gtest.h>

#include "support/edit_harness.h"

namespace swathkit {
namespace {

using namespace testing;

GeoPoint At(const GuidanceLine& line) {
    return {LeadingNumber(line.Latitude), LeadingNumber(line.Longitude)};
}

// The dialog, answered with entry (nothing for Cancel).
struct Typed {
    std::optional<ShiftEntry> entry;
    int asked = 0, passes = 0;
    AskShift Ask() {
        return [this](int n) {
            ++asked;
            passes = n;
            return entry;
        };
    }
};

TEST(Shift, EachFormOfEntryMovesOnlyTheSelectedPointsAndUndoGivesTheTextsBack) {
    const struct {
        ShiftEntry entry;
        double heading, metres;
    } cases[] = {
        {{false, " 1,5", "0"}, 90, 1.5},
        {{true, "1.5", "90"}, 90, 1.5},
        {{true, "-1.5", "270"}, 90, 1.5},
        {{false, "+0", "-2."}, 180, 2},
        {{false, "600", "800"}, 36.8698976458, 1000},
    };
    auto image = Passes({12, 40, 77});
    image[90] = "+0000000000095.00000000";  // no latitude: left where it is
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry.First + " " + c.entry.Second);
        EditHarness h(Passes({7}), image);
        const CardImage before = h.program.Table.Current(ImageSide);
        h.program.Table.At(ImageSide, 1) = NewBlankImage();
        h.imageList.Select({"12", "77", "90"});
        Typed typed{c.entry};
        h.dialogs.Expect({"These passes were not moved: their position is not a latitude and "
                          "longitude.\r\nField #: 90",
                          Buttons::Ok, Icon::Exclamation, "Shift Passes"},
                         Answer::Ok);
        mnuShift_Click(h.program, h.ports, ImageSide, typed.Ask());
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(typed.passes, 3);
        h.ExpectWritten(ImageSide);
        for (int slot : {12, 40, 77, 90}) {
            GuidanceLine line = h.program.Table.Current(ImageSide).Line(slot);
            const GeoPoint from = At(before.Line(slot));
            if (slot == 12 || slot == 77) {
                EXPECT_NEAR(DistanceMetres(from, At(line)), c.metres, 0.001) << slot;
                EXPECT_LT(DistanceMetres(Travel(from, c.heading, c.metres), At(line)), 0.001);
                line.Latitude = before.Line(slot).Latitude;
                line.Longitude = before.Line(slot).Longitude;
            }
            // The direction stays, and a pass not moved stays whole.
            EXPECT_EQ(line, before.Line(slot)) << slot;
        }
        cmdUndo_Click(h.program, h.ports, ImageSide);
        EXPECT_TRUE(Bytes(h.MasterPath()) == h.masterAsRead);
        EXPECT_TRUE(Bytes(h.Lines()) == h.cardAsRead);
    }
}

TEST(Shift, NothingSelectedCancelAndNonsenseChangeNothing) {
    EditHarness h(Passes({12}), Passes({40}));
    const ImageTable before = h.program.Table;
    Typed typed{ShiftEntry{false, "1", "1"}};
    h.dialogs.ExpectTitle("Nothing Selected", Answer::Ok);
    mnuShift_Click(h.program, h.ports, CardSide, typed.Ask());
    EXPECT_EQ(typed.asked, 0);

    h.cardList.Select({"12"});
    const auto refused = [&](ShiftEntry entry, const std::string& why) {
        typed.entry = entry;
        h.dialogs.Expect(
            {why + "\r\nNothing has been moved.", Buttons::Ok, Icon::Exclamation, "Shift Passes"},
            Answer::Ok);
        mnuShift_Click(h.program, h.ports, CardSide, typed.Ask());
    };
    for (const char* text : {"abc", "", " ", "+", "1.5.0", "1,000.5", "1e2", "inf", "nan", "- 1"})
        refused({false, "0", text}, std::string("\"") + text +
                                        "\" is not a number.\r\nType it in digits, such as " +
                                        "1.5 or -0,25.");
    refused({false, "800", "601"},
            "A shift of 1000.60 m is further than the 1000 m a shift may be.");
    refused({true, "-1000.01", "0"},
            "A shift of 1000.01 m is further than the 1000 m a shift may be.");
    typed.entry.reset();
    mnuShift_Click(h.program, h.ports, CardSide, typed.Ask());

    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(h.program.Table.Images, before.Images);
    EXPECT_EQ(h.progress.Saves(CardSide), 0);
    h.ExpectBackups({});
}

TEST(Shift, TheCardIsBackedUpFirstAndASwappedCardIsNeverWritten) {
    EditHarness h(Passes({12, 40}), {});
    // A damaged card can name two slots alike: the pass named moves once.
    h.program.Table.Current(CardSide).Line(40).FieldNum = "+000000012";
    FillLineList(h.program, h.ports, CardSide, h.program.Table.Current(CardSide));
    h.cardList.Select({"12"});
    Typed typed{ShiftEntry{false, "1.5", "0"}};
    mnuShift_Click(h.program, h.ports, CardSide, typed.Ask());
    EXPECT_NEAR(DistanceMetres(At(ImageWith(Passes({12})).Line(12)),
                               At(h.program.Table.Current(CardSide).Line(12))),
                1.5, 0.001);
    h.ExpectWritten(CardSide);
    h.ExpectBackups({h.cardAsRead});

    const std::string other = LineFileText(ImageWith(Passes({99})), LineLayout::Card);
    WriteFile(h.Lines(), other);
    h.cardList.Select({"12"});
    h.dialogs.ExpectTitle("Card Changed", Answer::Ok);
    mnuShift_Click(h.program, h.ports, CardSide, typed.Ask());
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(Bytes(h.Lines()) == other);
    h.ExpectBackups({h.cardAsRead});
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"99"}));
}

}  // namespace
}  // namespace swathkit
