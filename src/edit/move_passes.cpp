#include "edit/move_passes.h"

#include <string>

#include "card/save.h"
#include "core/number_text.h"
#include "display/line_list.h"

namespace swathkit {

namespace {

int OtherSide(int side) {
    return side == CardSide ? ImageSide : CardSide;
}

// An entry that does not fit a 16-bit number is as wrong as one outside
// 1..250, so it reads as 0 and gets "You've entered an invalid number".
int EnteredNumber(const std::optional<std::string>& entry) {
    // Cancel in the input box is an empty entry.
    return LeadingWholeNumber(entry.value_or(std::string())).value_or(0);
}

}  // namespace

void ShowNothingSelectedToMove(Ports& ports) {
    ports.Ask.Show(
        {"Make sure you have selected at least one field to \r\n"
         "move across.  You can select multiple fields by \r\n"
         "holding the CTRL-key while you click.",
         Buttons::Ok, Icon::Exclamation, "Nothing Selected"});
}

void MoveSelectedPasses(Program& program, Ports& ports, int side) {
    const int other = OtherSide(side);
    // Taken before the selection is looked at, so that a click with nothing
    // selected leaves an Undo that changes nothing.
    program.Table.At(other, 1) = program.Table.At(other, 0);
    const std::vector<int> selected = ports.List(side).SelectedSlots();
    for (const int slot : selected) MovePassAcross(program, ports, slot, side);
    if (selected.empty())
        ShowNothingSelectedToMove(ports);
    FillLineList(program, ports, other, program.Table.At(other, 0));
    SaveImage(program, ports, other);
}

void MovePassAcross(Program& program, Ports& ports, int n, int side) {
    if (!IsSlotNumber(n))
        return;
    // A list drawn before the slot was emptied: copying that blank across
    // could only wipe a pass on the other side.
    const GuidanceLine source = program.Table.At(side, 0).Line(n);
    if (LineInUse(source))
        CopyPassInto(program, ports, source, n, OtherSide(side));
}

void CopyPassInto(Program& program, Ports& ports, const GuidanceLine& source, int n, int other) {
    if (!IsSlotNumber(n) || !LineInUse(source))
        return;
    CardImage& destination = program.Table.At(other, 0);
    GuidanceLine& target = destination.Line(n);
    if (SameCoordinates(target, source) || !LineInUse(target)) {
        target = source;
        program.ImageChanged = true;
        return;
    }

    const std::string number = std::to_string(n);
    const Answer answer =
        ports.Ask.Show({"Pass #" + number + " will replace pass #" + number + ". Is this ok?",
                        Buttons::YesNoCancel, Icon::None, "Replace Pass"});
    if (answer == Answer::Yes) {
        target = source;
        program.ImageChanged = true;
    } else if (answer == Answer::No) {
        const std::optional<int> m = AskTargetField(ports, n);
        if (!m)
            return;
        // The slot keeps its own number text: the pass is now field m.
        destination.Line(*m) = source;
        destination.Line(*m).FieldNum = program.Table.At(other, 1).Line(*m).FieldNum;
        program.ImageChanged = true;
    }
}

std::optional<int> AskTargetField(Ports& ports, int n) {
    const std::string question = "Copy field #" + std::to_string(n) + " to which field: ";
    int m = EnteredNumber(
        ports.Ask.Input(question + "\r\nYou will not be prompted to overwrite!", "Field Shuffle"));
    while (m < kFirstUsableField || m > kSlotCount) {
        const char* prompt = m >= 1 && m < kFirstUsableField
                                 ? "You've can not assign to Field 1-5. Re-Enter?"
                                 : "You've entered an invalid number. Re-Enter?";
        if (ports.Ask.Show({prompt, Buttons::YesNo, Icon::None, "Invalid Number"}) != Answer::Yes)
            return std::nullopt;
        m = EnteredNumber(ports.Ask.Input(question, "Field Shuffle"));
    }
    return m;
}

bool RestoreIntoImage(Program& program, Ports& ports, const BackupLineFile& backup,
                      const std::vector<int>& fields) {
    if (backup.State == BackupFileState::Missing || backup.State == BackupFileState::Foreign ||
        backup.Kind != program.Menus.Kind())
        return false;
    if (fields.empty()) {
        ShowNothingSelectedToMove(ports);
        return false;
    }
    program.Table.At(ImageSide, 1) = program.Table.At(ImageSide, 0);
    for (int field : fields) {
        if (IsSlotNumber(field))
            CopyPassInto(program, ports, backup.Image.Line(field), field, ImageSide);
    }
    FillLineList(program, ports, ImageSide, program.Table.At(ImageSide, 0));
    SaveImage(program, ports, ImageSide);
    return true;
}

}  // namespace swathkit
