#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "card/card.h"
#include "core/master_copy.h"
#include "display/line_list.h"
#include "edit/erase_undo.h"
#include "edit/move_passes.h"
#include "edit/shuffle_fields.h"
#include "shell/main_commands.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

// A latitude that tells which pass a slot holds.
std::string Pass(int n, int card = 0) {
    return "+00000000000" + std::to_string(40 + card) + "." + FormatPicture(n, 8, 0);
}

std::map<int, std::string> Passes(const std::vector<int>& slots, int card = 0) {
    std::map<int, std::string> latitudes;
    for (int slot : slots) latitudes[slot] = Pass(slot, card);
    return latitudes;
}

Message ReplacePass(int n) {
    const std::string number = std::to_string(n);
    return {"Pass #" + number + " will replace pass #" + number + ". Is this ok?",
            Buttons::YesNoCancel, Icon::None, "Replace Pass"};
}

const Message kNothingToMove{
    "Make sure you have selected at least one field to \r\nmove across.  You can select "
    "multiple fields by \r\nholding the CTRL-key while you click.",
    Buttons::Ok, Icon::Exclamation, "Nothing Selected"};
const Message kCanNotAssign{"You've can not assign to Field 1-5. Re-Enter?", Buttons::YesNo,
                            Icon::None, "Invalid Number"};
const Message kInvalidNumber{"You've entered an invalid number. Re-Enter?", Buttons::YesNo,
                             Icon::None, "Invalid Number"};
const Message kVerifyClear{"Are you sure you want to clear the selected items?", Buttons::YesNo,
                           Icon::None, "Verify Clear"};

std::string FirstPrompt(int n) {
    return "Copy field #" + std::to_string(n) +
           " to which field: \r\nYou will not be prompted to overwrite!";
}
std::string AgainPrompt(int n) {
    return "Copy field #" + std::to_string(n) + " to which field: ";
}

using Texts = std::vector<std::string>;

// A card in a folder and a master copy, started up as the window starts.
struct EditHarness : Harness {
    EditHarness(const std::map<int, std::string>& card, const std::map<int, std::string>& image) {
        root = work.path() / "CARD";
        drives.entries = {"/", root.string() + " [CARD]"};
        drives.current = 1;
        day = program.WorkFolder / "Backup" / "12062026";
        const CardImage onCard = ImageWith(card);
        MakeCard(root, &onCard);
        WriteFile(MasterCopyFile(program, true),
                  LineFileText(ImageWith(image), LineLayout::MasterCopy));
        StartUp(program, ports);
        cardAsRead = Bytes(CardPath());
        masterAsRead = Bytes(MasterPath());
    }

    fs::path CardPath() const { return root / "pflines" / "ablines.dat"; }
    fs::path MasterPath() const { return MasterCopyFile(program, true); }
    CardImage CardFile() const { return ReadLineFile(CardPath()); }
    CardImage MasterFile() const { return ReadLineFile(MasterPath()); }
    FakeList& List(int side) { return side == CardSide ? cardList : imageList; }

    // Both the memory and the file must hold what the list shows.
    void ExpectWritten(int side) {
        const CardImage& current = program.Table.Current(side);
        if (side == CardSide)
            EXPECT_TRUE(Bytes(CardPath()) == LineFileText(current, LineLayout::Card));
        else
            EXPECT_TRUE(Bytes(MasterPath()) == LineFileText(current, LineLayout::MasterCopy));
        EXPECT_EQ(List(side).rows, ListRows(current, program.Menus));
    }
    int Saves(int side) const {
        return static_cast<int>(std::count(progress.steps.begin(), progress.steps.end(),
                                           "show " + std::to_string(side)));
    }
    Texts BackupFolders() const {
        Texts names;
        if (fs::exists(day)) {
            for (const auto& entry : fs::directory_iterator(day))
                names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path root, day;
    std::string cardAsRead, masterAsRead;
};

TEST(MovePasses, PassesIntoEmptyFieldsAreCopiedWithoutAQuestionAndWrittenOnce) {
    EditHarness h(Passes({12, 40, 77, 90}), Passes({40, 200}));
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"40", "200"}));
    // Field 40 of the image holds the same line: no question, and the
    // card's slot lands whole, name and flag included.
    h.program.Table.Current(CardSide).Line(40).FieldName = "North";
    h.program.Table.Current(CardSide).Line(40).LineFlag = true;
    const ImageTable before = h.program.Table;

    h.cardList.Select({"12", "40", "77"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);

    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.cardList.focused, 1);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "40", "77", "200"}));
    EXPECT_EQ(h.program.Table.Current(ImageSide).Line(40),
              h.program.Table.Current(CardSide).Line(40));
    EXPECT_EQ(h.program.Table.Current(ImageSide).Line(77).Latitude, Pass(77));
    EXPECT_EQ(h.Saves(ImageSide), 1);
    h.ExpectWritten(ImageSide);
    EXPECT_EQ(h.MasterFile().Line(12).Latitude, Pass(12));
    EXPECT_FALSE(h.program.ImageChanged);
    // The card side, its file and its selection are untouched.
    EXPECT_EQ(h.program.Table.At(CardSide, 0), before.At(CardSide, 0));
    EXPECT_EQ(h.program.Table.At(CardSide, 1), before.At(CardSide, 1));
    EXPECT_EQ(h.cardList.SelectedItemTexts(), (Texts{"12", "40", "77"}));
    EXPECT_TRUE(Bytes(h.CardPath()) == h.cardAsRead);
    EXPECT_TRUE(h.BackupFolders().empty());
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), before.At(ImageSide, 0));

    // Nothing selected: the message, a redraw, no write, and an Undo copy
    // equal to the image.
    h.imageList.Select({"12"});
    h.cardList.Select({});
    h.dialogs.Expect(kNothingToMove, Answer::Ok);
    const std::string master = Bytes(h.MasterPath());
    MoveSelectedPasses(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(h.imageList.SelectedItemTexts().empty());
    EXPECT_EQ(h.Saves(ImageSide), 1);
    EXPECT_TRUE(Bytes(h.MasterPath()) == master);
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), h.program.Table.At(ImageSide, 0));
}

TEST(MovePasses, ReplacePassYesNoAndCancel) {
    EditHarness h(Passes({12, 40, 77}), Passes({12, 40, 77, 90}, 1));
    h.cardList.Select({"12", "40", "77"});
    h.dialogs.Expect(ReplacePass(12), Answer::Yes);
    h.dialogs.Expect(ReplacePass(40), Answer::No);
    h.dialogs.ExpectInput(FirstPrompt(40), "Field Shuffle", "90");
    h.dialogs.Expect(ReplacePass(77), Answer::Cancel);
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());

    const CardImage& image = h.program.Table.Current(ImageSide);
    EXPECT_EQ(image.Line(12).Latitude, Pass(12));
    EXPECT_EQ(image.Line(40).Latitude, Pass(40, 1));
    EXPECT_EQ(image.Line(77).Latitude, Pass(77, 1));
    // Field 90 is overwritten without a question and keeps its number.
    EXPECT_EQ(image.Line(90).Latitude, Pass(40));
    EXPECT_EQ(image.Line(90).FieldNum, "+000000090");
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "40", "77", "90"}));
    EXPECT_EQ(h.Saves(ImageSide), 1);
    h.ExpectWritten(ImageSide);
    EXPECT_EQ(h.MasterFile().Line(90).Latitude, Pass(40));
    EXPECT_TRUE(Bytes(h.CardPath()) == h.cardAsRead);

    // Cancel for the only pass: nothing is written.
    h.cardList.Select({"77"});
    h.dialogs.Expect(ReplacePass(77), Answer::Cancel);
    const std::string master = Bytes(h.MasterPath());
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(Bytes(h.MasterPath()) == master);
    EXPECT_EQ(h.Saves(ImageSide), 1);
}

TEST(MovePasses, TheFieldPromptAsksAgainUntilItHasAUsableField) {
    EditHarness h(Passes({12, 77}), Passes({12, 40, 77}, 1));
    h.cardList.Select({"12", "77"});
    h.dialogs.Expect(ReplacePass(12), Answer::No);
    h.dialogs.ExpectInput(FirstPrompt(12), "Field Shuffle", "3");
    h.dialogs.Expect(kCanNotAssign, Answer::Yes);
    h.dialogs.ExpectInput(AgainPrompt(12), "Field Shuffle", "251");
    h.dialogs.Expect(kInvalidNumber, Answer::Yes);
    h.dialogs.ExpectInput(AgainPrompt(12), "Field Shuffle", "40");
    // Cancel in the input box is an entry without a number; No gives up
    // this pass only.
    h.dialogs.Expect(ReplacePass(77), Answer::No);
    h.dialogs.ExpectInput(FirstPrompt(77), "Field Shuffle", std::nullopt);
    h.dialogs.Expect(kInvalidNumber, Answer::No);
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());

    const CardImage master = h.MasterFile();
    EXPECT_EQ(master.Line(40).Latitude, Pass(12));
    EXPECT_EQ(master.Line(12).Latitude, Pass(12, 1));
    EXPECT_EQ(master.Line(77).Latitude, Pass(77, 1));
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "40", "77"}));
    h.ExpectWritten(ImageSide);
}

TEST(MovePasses, TypedEntriesAreReadAsWholeNumbersAndHugeOnesRefused) {
    EditHarness h(Passes({20, 21, 22, 23, 24, 25}), Passes({20, 21, 22, 23, 24, 25}, 1));
    h.cardList.Select({"20", "21", "22", "23", "24", "25"});
    const std::vector<std::pair<int, std::string>> entries = {
        {20, "6.5"}, {21, "7.5"}, {22, "12abc"}, {23, " 9"}};
    for (const auto& [n, entry] : entries) {
        h.dialogs.Expect(ReplacePass(n), Answer::No);
        h.dialogs.ExpectInput(FirstPrompt(n), "Field Shuffle", entry);
    }
    h.dialogs.Expect(ReplacePass(24), Answer::No);
    h.dialogs.ExpectInput(FirstPrompt(24), "Field Shuffle", "99999");
    h.dialogs.Expect(kInvalidNumber, Answer::Yes);
    h.dialogs.ExpectInput(AgainPrompt(24), "Field Shuffle", "-40000");
    h.dialogs.Expect(kInvalidNumber, Answer::Yes);
    h.dialogs.ExpectInput(AgainPrompt(24), "Field Shuffle", "-7");
    h.dialogs.Expect(kInvalidNumber, Answer::Yes);
    h.dialogs.ExpectInput(AgainPrompt(24), "Field Shuffle", "250");
    // The same field typed for two passes: the later one wins.
    h.dialogs.Expect(ReplacePass(25), Answer::No);
    h.dialogs.ExpectInput(FirstPrompt(25), "Field Shuffle", "9");
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());

    const CardImage master = h.MasterFile();
    EXPECT_EQ(master.Line(6).Latitude, Pass(20));
    EXPECT_EQ(master.Line(8).Latitude, Pass(21));
    EXPECT_EQ(master.Line(12).Latitude, Pass(22));
    EXPECT_EQ(master.Line(9).Latitude, Pass(25));
    EXPECT_EQ(master.Line(250).Latitude, Pass(24));
    EXPECT_EQ(master.Line(250).FieldNum, "+000000250");
    EXPECT_EQ(h.imageList.ItemTexts(),
              (Texts{"6", "8", "9", "12", "20", "21", "22", "23", "24", "25", "250"}));
    h.ExpectWritten(ImageSide);
}

TEST(MovePasses, ItemsThatNameNoPassAreLeftAlone) {
    // A card whose field number texts do not match their slots: one that
    // cannot be read shows as 0, another names an empty slot.
    CardImage card = ImageWith(Passes({12, 30}));
    card.Line(12).FieldNum = "abc";
    card.Line(30).FieldNum = "+000000070";
    EditHarness h({}, Passes({70}, 1));
    MakeCard(h.root, &card);
    LoadCard(h.program, h.ports, true);
    ASSERT_EQ(h.cardList.ItemTexts(), (Texts{"0", "70"}));
    const std::string master = Bytes(h.MasterPath());

    h.cardList.Select({"0", "70"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    h.cardList.Select({"0", "70"});
    cmdCopyField_Click(h.program, h.ports, CardSide);
    h.cardList.Select({"0"});
    h.dialogs.Expect(kVerifyClear, Answer::Yes);
    cmdClear_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(Bytes(h.MasterPath()) == master);
    EXPECT_EQ(h.program.Table.Current(ImageSide).Line(70).Latitude, Pass(70, 1));
    EXPECT_EQ(h.program.Table.Current(CardSide), card);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"0", "70"}));
}

TEST(MovePasses, ImageToCardWritesTheCardAndEachSideUndoesItsOwnChange) {
    EditHarness h(Passes({12}), Passes({30, 31}, 1));
    h.imageList.Select({"30", "31"});
    cmdMoveLines_Click(h.program, h.ports, ImageSide);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.imageList.focused, 1);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12", "30", "31"}));
    h.ExpectWritten(CardSide);
    EXPECT_EQ(h.CardFile().Line(31).Latitude, Pass(31, 1));
    EXPECT_EQ(h.BackupFolders(), (Texts{"0"}));
    EXPECT_TRUE(Bytes(h.day / "0" / "ablines.dat") == h.cardAsRead);
    EXPECT_TRUE(Bytes(h.MasterPath()) == h.masterAsRead);

    h.cardList.Select({"12"});
    cmdMoveLines_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "30", "31"}));

    // Undo under the card list takes back the card's change, not the
    // image's, which was the later one.
    const std::string merged = Bytes(h.CardPath());
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12"}));
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"12", "30", "31"}));
    h.ExpectWritten(CardSide);
    EXPECT_TRUE(Bytes(h.CardPath()) == h.cardAsRead);
    EXPECT_EQ(h.BackupFolders(), (Texts{"0", "1"}));
    EXPECT_TRUE(Bytes(h.day / "1" / "ablines.dat") == merged);
    EXPECT_EQ(h.MasterFile().Line(12).Latitude, Pass(12));

    cmdUndo_Click(h.program, h.ports, ImageSide);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"30", "31"}));
    h.ExpectWritten(ImageSide);
    EXPECT_EQ(h.BackupFolders(), (Texts{"0", "1"}));
}

TEST(Undo, RightAfterALoadRewritesTheCardAndTheMasterCopy) {
    EditHarness h(Passes({12, 40}), Passes({50}, 1));
    fs::remove(h.MasterPath());
    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(h.cardList.focused, 1);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12", "40"}));
    EXPECT_TRUE(Bytes(h.CardPath()) == h.cardAsRead);
    EXPECT_EQ(h.BackupFolders(), (Texts{"0"}));
    EXPECT_TRUE(Bytes(h.day / "0" / "ablines.dat") == h.cardAsRead);
    EXPECT_EQ(h.Saves(CardSide), 1);

    cmdUndo_Click(h.program, h.ports, ImageSide);
    EXPECT_TRUE(Bytes(h.MasterPath()) == h.masterAsRead);
    EXPECT_EQ(h.imageList.ItemTexts(), (Texts{"50"}));
    EXPECT_EQ(h.Saves(ImageSide), 1);
    EXPECT_TRUE(h.dialogs.shown.empty());
    // The animation ran on the clock it was given.
    EXPECT_NEAR(h.clock.slept, 2.0, 1e-9);
}

TEST(Erase, ThenUndoThenUndo) {
    EditHarness h(Passes({12, 40, 77}), {});
    h.controls.enabled.fill(false);

    h.dialogs.Expect(
        {"You have not selected any entries.", Buttons::Ok, Icon::Exclamation, "Nothing Selected"},
        Answer::Ok);
    cmdClear_Click(h.program, h.ports, CardSide);
    h.cardList.Select({"12", "77"});
    h.dialogs.Expect(kVerifyClear, Answer::No);
    cmdClear_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(h.BackupFolders().empty());
    EXPECT_EQ(h.cardList.SelectedItemTexts(), (Texts{"12", "77"}));

    h.dialogs.Expect(kVerifyClear, Answer::Yes);
    cmdClear_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_TRUE(h.controls.enabled[static_cast<int>(Command::Undo0)]);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"40"}));
    h.ExpectWritten(CardSide);
    const CardImage erased = h.CardFile();
    EXPECT_FALSE(LineInUse(erased.Line(12)));
    EXPECT_EQ(erased.Line(12).FieldNum, "+000000012");
    EXPECT_EQ(erased.Line(40).Latitude, Pass(40));
    EXPECT_EQ(h.BackupFolders(), (Texts{"0"}));
    EXPECT_TRUE(Bytes(h.day / "0" / "ablines.dat") == h.cardAsRead);
    const std::string afterErase = Bytes(h.CardPath());

    // An Erase that stops at "Nothing Selected" leaves the Undo as it was.
    h.dialogs.Expect(
        {"You have not selected any entries.", Buttons::Ok, Icon::Exclamation, "Nothing Selected"},
        Answer::Ok);
    cmdClear_Click(h.program, h.ports, CardSide);

    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12", "40", "77"}));
    EXPECT_TRUE(Bytes(h.CardPath()) == h.cardAsRead);
    EXPECT_TRUE(Bytes(h.day / "1" / "ablines.dat") == afterErase);

    cmdUndo_Click(h.program, h.ports, CardSide);
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"40"}));
    EXPECT_TRUE(Bytes(h.CardPath()) == afterErase);
    EXPECT_EQ(h.BackupFolders(), (Texts{"0", "1", "2"}));
    EXPECT_TRUE(Bytes(h.MasterPath()) == h.masterAsRead);
    EXPECT_TRUE(h.dialogs.Done());
}

// One renumbering command on the image side: which pass each field holds
// afterwards (0 for an empty field), read back from the master copy.
struct ShuffleCase {
    const char* name;
    bool clearSource;
    std::vector<int> image;  // a list that outlives the initializer of cases
    std::vector<std::pair<int, const char*>> entries;  // selected pass, typed field
    std::map<int, int> expected;
};

TEST(ShuffleFields, ChangeAndCopyNeverLoseAPassTheOperatorKept) {
    const std::vector<ShuffleCase> cases = {
        {"copy 12 to 40", false, {12, 40}, {{12, "40"}}, {{12, 12}, {40, 12}}},
        {"change 12 to 40", true, {12, 40}, {{12, "40"}}, {{12, 0}, {40, 12}}},
        {"copy chained", false, {20, 21}, {{20, "21"}, {21, "22"}}, {{20, 20}, {21, 20}, {22, 21}}},
        {"change chained", true, {20, 21}, {{20, "21"}, {21, "22"}}, {{20, 0}, {21, 20}, {22, 21}}},
        {"change down", true, {20, 21}, {{20, "19"}, {21, "20"}}, {{19, 20}, {20, 21}, {21, 0}}},
        {"change swapped", true, {20, 30}, {{20, "30"}, {30, "20"}}, {{20, 30}, {30, 20}}},
        {"change onto itself", true, {12}, {{12, "12"}}, {{12, 12}}},
        {"copy onto itself", false, {12}, {{12, "12"}}, {{12, 12}}},
    };
    for (const ShuffleCase& c : cases) {
        SCOPED_TRACE(c.name);
        EditHarness h(Passes({7}), Passes(c.image));
        Texts selection;
        for (const auto& [n, entry] : c.entries) {
            selection.push_back(std::to_string(n));
            h.dialogs.ExpectInput(FirstPrompt(n), "Field Shuffle", entry);
        }
        h.imageList.Select(selection);
        if (c.clearSource)
            cmdShuffle_Click(h.program, h.ports, ImageSide);
        else
            cmdCopyField_Click(h.program, h.ports, ImageSide);
        EXPECT_TRUE(h.dialogs.Done());
        EXPECT_EQ(h.imageList.focused, 1);
        EXPECT_EQ(h.Saves(ImageSide), 1);
        h.ExpectWritten(ImageSide);
        const CardImage master = h.MasterFile();
        for (const auto& [field, pass] : c.expected) {
            SCOPED_TRACE(field);
            if (pass == 0) {
                EXPECT_EQ(master.Line(field), NewBlankImage().Line(field));
            } else {
                EXPECT_EQ(master.Line(field).Latitude, Pass(pass));
            }
            EXPECT_EQ(master.Line(field).FieldNum, "+" + FormatPicture(field, 9, 0));
        }
        EXPECT_EQ(h.program.Table.At(ImageSide, 1), ImageWith(Passes(c.image)));
        EXPECT_TRUE(Bytes(h.CardPath()) == h.cardAsRead);
    }
}

TEST(ShuffleFields, ARefusedTargetSkipsOnlyItsPassAndTheCardIsWrittenAtOnce) {
    EditHarness h(Passes({12, 30, 40}), {});
    h.cardList.Select({"12", "30"});
    h.dialogs.ExpectInput(FirstPrompt(12), "Field Shuffle", "5");
    h.dialogs.Expect(kCanNotAssign, Answer::No);
    h.dialogs.ExpectInput(FirstPrompt(30), "Field Shuffle", "40");
    cmdShuffle_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(h.cardList.ItemTexts(), (Texts{"12", "40"}));
    h.ExpectWritten(CardSide);
    EXPECT_EQ(h.CardFile().Line(40).Latitude, Pass(30));
    EXPECT_EQ(h.BackupFolders(), (Texts{"0"}));
    EXPECT_TRUE(Bytes(h.day / "0" / "ablines.dat") == h.cardAsRead);
    EXPECT_TRUE(Bytes(h.MasterPath()) == h.masterAsRead);

    // Nothing selected: the message, and an Undo copy equal to the card.
    h.dialogs.Expect(kNothingToMove, Answer::Ok);
    cmdCopyField_Click(h.program, h.ports, CardSide);
    EXPECT_TRUE(h.dialogs.Done());
    EXPECT_EQ(h.BackupFolders(), (Texts{"0"}));
    EXPECT_EQ(h.program.Table.At(CardSide, 1), h.program.Table.At(CardSide, 0));
}

}  // namespace
}  // namespace swathkit
