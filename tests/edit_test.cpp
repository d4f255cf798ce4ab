// Fixed examples of the editing commands, and what the editing model (which
// plays every kind of selection, entry and answer) does not look at: the
// focus, one save per command, the Undo button.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "card/card.h"
#include "commands/commands.h"
#include "core/master_copy.h"
#include "display/line_list.h"
#include "edit/edit_step.h"
#include "edit/erase_undo.h"
#include "edit/move_passes.h"
#include "edit/shuffle_fields.h"
#include "support/edit_harness.h"

namespace swathkit {
namespace {

using namespace testing;

const Message kNothingToErase{"You have not selected any entries.", Buttons::Ok, Icon::Exclamation,
                              "Nothing Selected"};

// Across through the real window in the window tests; here the field that
// already holds the same line, taken over unasked (a box would fail the
// test) and whole.
TEST(MovePasses, TheSameLineIsTakenWholeWithoutAQuestionAndWrittenOnce) {
    EditHarness h(Passes({12, 40}), Passes({40, 200}));
    GuidanceLine& named = h.program.Table.Current(CardSide).Line(40);
    named.FieldName = "North";
    named.LineFlag = true;
    const ImageTable before = h.program.Table;
    h.program.Table.At(ImageSide, 1) = NewBlankImage();  // the Undo copy is taken afresh
    h.cardList.Select({"12", "40"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(h.program.Table.Current(ImageSide).Line(40), named);
    EXPECT_EQ(h.progress.Saves(ImageSide), 1);
    h.ExpectWritten(ImageSide);
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), before.At(ImageSide, 0));
    EXPECT_EQ(h.program.Table.Images[CardSide], before.Images[CardSide]);
}

// Only the very same line takes a field over unasked: a pass one
// coordinate apart, any of the four, is another pass.
TEST(MovePasses, APassOneCoordinateApartIsReplacedOnlyOnAYes) {
    Harness h;
    const CardImage image = ImageWith(Passes({40}));
    EXPECT_EQ(ConfirmTarget(h.ports, image, image, image.Line(40), 40, 40, {}), 40);
    for (std::string GuidanceLine::*part :
         {&GuidanceLine::Latitude, &GuidanceLine::Longitude, &GuidanceLine::HeadingNorth,
          &GuidanceLine::HeadingEast}) {
        GuidanceLine source = image.Line(40);
        source.*part = "+0000000000009.25000000";
        h.dialogs.ExpectTitle("Replace Pass", Answer::Cancel);
        EXPECT_EQ(ConfirmTarget(h.ports, image, image, source, 12, 40, {}), std::nullopt);
    }
    EXPECT_TRUE(h.dialogs.Done());
}

// Fields 1 to 5 are the display's own; a field is a whole number from 6 to
// 250. A refusal answered No gives the command up, Yes asks again.
TEST(ShuffleFields, TargetFieldOnlyAWholeNumberFrom6To250) {
    Harness h;
    const std::string prompt = "Copy field #12 to which field: ";
    const auto refuse = [&](const char* entry, const char* why, Answer answer) {
        h.dialogs.ExpectInput(prompt + "\r\nYou will be asked before a pass is replaced.", entry);
        h.dialogs.Expect(
            {std::string(why) + "\r\nA field number is a whole number from 6 to 250. Re-Enter?",
             Buttons::YesNo, Icon::None, "Invalid Number"},
            answer);
    };
    const char* const reserved = "You've can not assign to Field 1-5.";
    const char* const invalid = "You've entered an invalid number.";
    for (const auto& [entry, why] : {std::pair{"1", reserved},
                                     {"5", reserved},
                                     {"0", invalid},
                                     {"251", invalid},
                                     {"12.5", invalid},
                                     {"12abc", invalid}}) {
        refuse(entry, why, Answer::No);
        EXPECT_EQ(AskTargetField(h.ports, 12), std::nullopt) << entry;
    }
    refuse("", invalid, Answer::Yes);
    h.dialogs.ExpectInput(prompt, " +250 ");
    EXPECT_EQ(AskTargetField(h.ports, 12), 250);
    h.dialogs.ExpectInput(prompt + "\r\nYou will be asked before a pass is replaced.", "6");
    EXPECT_EQ(AskTargetField(h.ports, 12), 6);
    EXPECT_TRUE(h.dialogs.Done());
}

// Undo names the change it takes back, then offers to put it back; a side
// read afresh from the card has no change to name.
TEST(Undo, NamesTheChangeItWillTakeBack) {
    EditHarness h(Passes({12, 40, 77}), Passes({7}));
    EXPECT_EQ(UndoDescription(h.program, CardSide), "");
    h.cardList.Select({"12", "77"});
    h.dialogs.ExpectTitle("Verify Clear", Answer::Yes);
    cmdClear_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(UndoDescription(h.program, CardSide), "Undo Erase of fields 12, 77");
    EXPECT_EQ(UndoDescription(h.program, ImageSide), "");
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(UndoDescription(h.program, CardSide), "Redo Erase of fields 12, 77");
    h.cardList.Select({"40"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(UndoDescription(h.program, ImageSide), "Undo Move of field 40");
    LoadCard(h.program, h.ports, true);
    EXPECT_EQ(UndoDescription(h.program, CardSide), "");
    EXPECT_EQ(StepName("Shift", {6, 7, 8, 9, 10, 11, 12}),
              "Shift of fields 6, 7, 8, 9, 10 and 2 more");
}

TEST(Erase, ThenUndoThenUndo) {
    EditHarness h(Passes({12, 40, 77}), {});
    // Nothing selected, then a No: nothing changes, the Undo stays off.
    h.dialogs.Expect(kNothingToErase, Answer::Ok);
    cmdClear_Click(h.program, h.ports, CardSide);
    h.cardList.Select({"12", "77"});
    h.dialogs.ExpectTitle("Verify Clear", Answer::No);
    cmdClear_Click(h.program, h.ports, CardSide);
    h.ExpectBackups({});
    EXPECT_EQ(h.cardList.SelectedSlots(), (std::vector<int>{12, 77}));
    h.dialogs.ExpectTitle("Verify Clear", Answer::Yes);
    cmdClear_Click(h.program, h.ports, CardSide);
    h.ExpectWritten(CardSide);
    // An erased slot is blank but keeps its number.
    EXPECT_EQ(h.program.Table.Current(CardSide), ImageWith(Passes({40})));
    const std::string afterErase = Bytes(h.Lines());

    // An Erase that stops at "Nothing Selected" leaves the Undo as it was.
    h.dialogs.Expect(kNothingToErase, Answer::Ok);
    cmdClear_Click(h.program, h.ports, CardSide);
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(Bytes(h.Lines()), h.cardAsRead);
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(Bytes(h.Lines()), afterErase);
    h.ExpectBackups({h.cardAsRead, afterErase, h.cardAsRead});
    EXPECT_EQ(Bytes(h.MasterPath()), h.masterAsRead);
    EXPECT_TRUE(h.dialogs.Done());
}

// One renumbering command on the image side: which pass each field holds
// afterwards (0 for an empty field), read back from the master copy, and
// the "Replace Pass" questions on the way, each answered yes.
TEST(ShuffleFields, ChangeAndCopyNeverLoseAPassTheOperatorKept) {
    using Moves = std::vector<std::pair<int, const char*>>;
    // Change or copy, the image's passes, the selected passes with the field
    // typed for each, which pass each field then holds (0: none), and the
    // passes that were about to be replaced (a pass already copied to its
    // new field is not asked for).
    const std::tuple<bool, std::vector<int>, Moves, std::map<int, int>, Moves> cases[] = {
        {false, {12, 40}, {{12, "40"}}, {{12, 12}, {40, 12}}, {{12, "40"}}},
        {true, {12, 40}, {{12, "40"}}, {{12, 0}, {40, 12}}, {{12, "40"}}},
        {false, {20, 21}, {{20, "21"}, {21, "22"}}, {{20, 20}, {21, 20}, {22, 21}}, {{20, "21"}}},
        {true, {20, 21}, {{20, "21"}, {21, "22"}}, {{20, 0}, {21, 20}, {22, 21}}, {{20, "21"}}},
        {true, {20, 21}, {{20, "19"}, {21, "20"}}, {{19, 20}, {20, 21}, {21, 0}}, {}},
        {true, {20, 30}, {{20, "30"}, {30, "20"}}, {{20, 30}, {30, 20}}, {{20, "30"}}},
        {true, {12}, {{12, "12"}}, {{12, 12}}, {}},
    };
    for (const auto& [clearSource, image, entries, expected, questions] : cases) {
        SCOPED_TRACE(::testing::PrintToString(expected));
        EditHarness h(Passes({7}), Passes(image));
        Texts selection;
        for (const auto& [n, entry] : entries) {
            selection.push_back(std::to_string(n));
            h.dialogs.ExpectInput("Copy field #" + std::to_string(n) +
                                      " to which field: \r\nYou will be asked before a pass is "
                                      "replaced.",
                                  entry);
        }
        for (const auto& [n, target] : questions)
            h.dialogs.Expect(
                {"Pass #" + std::to_string(n) + " will replace pass #" + target + ". Is this ok?",
                 Buttons::YesNoCancel, Icon::None, "Replace Pass"},
                Answer::Yes);
        h.imageList.Select(selection);
        (clearSource ? cmdShuffle_Click : cmdCopyField_Click)(h.program, h.ports, ImageSide);
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(h.imageList.focused, 1);
        EXPECT_EQ(h.progress.Saves(ImageSide), 1);
        h.ExpectWritten(ImageSide);
        // The pass whole under the field's own number; an emptied field blank.
        CardImage want = ImageWith(Passes(image));
        for (const auto& [field, pass] : expected) {
            want.Line(field) =
                pass ? ImageWith(Passes({pass})).Line(pass) : NewBlankImage().Line(field);
            want.Line(field).FieldNum = NewBlankImage().Line(field).FieldNum;
        }
        EXPECT_EQ(h.program.Table.Current(ImageSide), want);
        EXPECT_EQ(h.program.Table.At(ImageSide, 1), ImageWith(Passes(image)));
    }
}

}  // namespace
}  // namespace swathkit
