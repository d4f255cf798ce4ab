// Fixed examples of the editing commands, and what the editing model (which
// plays every kind of selection, entry and answer) does not look at: the
// focus, one save per command, the Undo button.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "commands/commands.h"
#include "core/master_copy.h"
#include "display/line_list.h"
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
// already holds the same line.
TEST(MovePasses, TheSameLineIsTakenWholeWithoutAQuestionAndWrittenOnce) {
    EditHarness h(Passes({12, 40}), Passes({40, 200}));
    GuidanceLine& named = h.program.Table.Current(CardSide).Line(40);
    named.FieldName = "North";
    named.LineFlag = true;
    const ImageTable before = h.program.Table;
    h.program.Table.At(ImageSide, 1) = NewBlankImage();  // the Undo copy is taken afresh
    h.cardList.Select({"12", "40"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.program.Table.Current(ImageSide).Line(40), named);
    EXPECT_EQ(h.progress.Saves(ImageSide), 1);
    h.ExpectWritten(ImageSide);
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), before.At(ImageSide, 0));
    EXPECT_EQ(h.program.Table.Images[CardSide], before.Images[CardSide]);
}

TEST(Erase, ThenUndoThenUndo) {
    EditHarness h(Passes({12, 40, 77}), {});
    h.controls.enabled.fill(false);
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
    EXPECT_TRUE(h.controls.enabled[static_cast<int>(Command::Undo0)]);
    h.ExpectWritten(CardSide);
    // An erased slot is blank but keeps its number.
    EXPECT_EQ(h.program.Table.Current(CardSide), ImageWith(Passes({40})));
    const std::string afterErase = Bytes(h.Lines());

    // An Erase that stops at "Nothing Selected" leaves the Undo as it was.
    h.dialogs.Expect(kNothingToErase, Answer::Ok);
    cmdClear_Click(h.program, h.ports, CardSide);
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(Bytes(h.Lines()) == h.cardAsRead);
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(Bytes(h.Lines()) == afterErase);
    h.ExpectBackups({h.cardAsRead, afterErase, h.cardAsRead});
    EXPECT_TRUE(Bytes(h.MasterPath()) == h.masterAsRead);
    EXPECT_TRUE(h.dialogs.Done());
}

// One renumbering command on the image side: which pass each field holds
// afterwards (0 for an empty field), read back from the master copy.
TEST(ShuffleFields, ChangeAndCopyNeverLoseAPassTheOperatorKept) {
    // Change or copy, the image's passes, the selected passes with the field
    // typed for each, and which pass each field then holds (0: none).
    const std::tuple<bool, std::vector<int>, std::vector<std::pair<int, const char*>>,
                     std::map<int, int>>
        cases[] = {
            {false, {12, 40}, {{12, "40"}}, {{12, 12}, {40, 12}}},
            {true, {12, 40}, {{12, "40"}}, {{12, 0}, {40, 12}}},
            {false, {20, 21}, {{20, "21"}, {21, "22"}}, {{20, 20}, {21, 20}, {22, 21}}},
            {true, {20, 21}, {{20, "21"}, {21, "22"}}, {{20, 0}, {21, 20}, {22, 21}}},
            {true, {20, 21}, {{20, "19"}, {21, "20"}}, {{19, 20}, {20, 21}, {21, 0}}},
            {true, {20, 30}, {{20, "30"}, {30, "20"}}, {{20, 30}, {30, 20}}},
            {true, {12}, {{12, "12"}}, {{12, 12}}},
        };
    for (const auto& [clearSource, image, entries, expected] : cases) {
        SCOPED_TRACE(::testing::PrintToString(expected));
        EditHarness h(Passes({7}), Passes(image));
        Texts selection;
        for (const auto& [n, entry] : entries) {
            selection.push_back(std::to_string(n));
            h.dialogs.ExpectInput("Copy field #" + std::to_string(n) +
                                      " to which field: \r\nYou will not be prompted to overwrite!",
                                  entry);
        }
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
