#include "edit/move_passes.h"

#include <algorithm>
#include <string>

#include "core/number_text.h"
#include "edit/edit_step.h"

namespace swathkit {

namespace {

int OtherSide(int side) {
    return side == CardSide ? ImageSide : CardSide;
}

// A field is typed as a whole number: digits, blanks around them and a
// plus sign at most. Anything else ("12.5", "12abc", a number too long to
// be a field) reads as 0 and gets "You've entered an invalid number";
// rounding 12.5 to a field would put the pass where nobody asked.
int EnteredNumber(const std::optional<std::string>& entry) {
    // Cancel in the input box is an empty entry.
    std::string_view text = entry ? std::string_view(*entry) : std::string_view();
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(std::string(text));
}

Words KindText(std::optional<TrackKind> kind) {
    if (!kind)
        return SAY("no lines");
    return *kind == TrackKind::Straight ? SAY("straight lines") : SAY("circle tracks");
}

}  // namespace

void ShowNothingSelectedToMove(Ports& ports) {
    ports.Ask.Show({SAY("Make sure you have selected at least one field to \r\n"
                        "move across.  You can select multiple fields by \r\n"
                        "holding the CTRL-key while you click."),
                    Buttons::Ok, Icon::Exclamation, SAY("Nothing Selected")});
}

bool SidesOfOneKind(const Program& program, Ports& ports) {
    const std::optional<TrackKind> card = KindOf(program.Table.Current(CardSide));
    const std::optional<TrackKind> image = KindOf(program.Table.Current(ImageSide));
    if (card && card == image)
        return true;
    ports.Ask.Show({Words{SAY("Your Card shows %1 and the Temporary Card Image %2.\r\n"
                              "Passes go only between lines of one kind; nothing has been moved."),
                          {KindText(card), KindText(image)}},
                    Buttons::Ok, Icon::Exclamation, SAY("Different Track Kinds")});
    return false;
}

void MoveSelectedPasses(Program& program, Ports& ports, int side) {
    if (!SidesOfOneKind(program, ports))
        return;
    // The undo copy is taken before the selection is looked at, so that a
    // click with nothing selected leaves an Undo that changes nothing.
    EditSide(program, ports, OtherSide(side), [&] {
        const std::vector<int> selected = ports.List(side).SelectedSlots();
        std::vector<int> moved;
        for (const int slot : selected) {
            if (MovePassAcross(program, ports, slot, side))
                moved.push_back(slot);
        }
        if (selected.empty())
            ShowNothingSelectedToMove(ports);
        return StepDone{!moved.empty(), StepName(SAY("Move"), moved)};
    });
}

bool MovePassAcross(Program& program, Ports& ports, int n, int side) {
    if (!IsSlotNumber(n))
        return false;
    // A list drawn before the slot was emptied: copying that blank across
    // could only wipe a pass on the other side.
    const GuidanceLine source = program.Table.At(side, 0).Line(n);
    return LineInUse(source) && CopyPassInto(program, ports, source, n, OtherSide(side));
}

bool CopyPassInto(Program& program, Ports& ports, const GuidanceLine& source, int n, int other) {
    if (!IsSlotNumber(n) || !LineInUse(source))
        return false;
    CardImage& destination = program.Table.At(other, 0);
    const std::optional<int> m =
        ConfirmTarget(ports, destination, program.Table.At(other, 1), source, n, n, {});
    if (!m)
        return false;
    destination.Line(*m) = source;
    // Moved to another field, the slot keeps its own number text: the pass
    // is now field m.
    if (*m != n)
        destination.Line(*m).FieldNum = program.Table.At(other, 1).Line(*m).FieldNum;
    return true;
}

std::optional<int> ConfirmTarget(Ports& ports, const CardImage& image, const CardImage& before,
                                 const GuidanceLine& source, int n, int target,
                                 const std::vector<int>& movedAway) {
    for (;;) {
        const GuidanceLine& there = image.Line(target);
        // A pass this command has already copied to its new field can go.
        const bool gone =
            std::find(movedAway.begin(), movedAway.end(), target) != movedAway.end() &&
            there == before.Line(target);
        if (!LineInUse(there) || SameCoordinates(there, source) || gone)
            return target;
        const Answer answer =
            ports.Ask.Show({Words{SAY("Pass #%1 will replace pass #%2. Is this ok?"),
                                  {std::to_string(n), std::to_string(target)}},
                            Buttons::YesNoCancel, Icon::None, SAY("Replace Pass")});
        if (answer == Answer::Yes)
            return target;
        if (answer != Answer::No)
            return std::nullopt;
        const std::optional<int> m = AskTargetField(ports, n);
        if (!m)
            return std::nullopt;
        target = *m;
    }
}

std::optional<int> AskTargetField(Ports& ports, int n) {
    const std::string field = std::to_string(n);
    int m = EnteredNumber(ports.Ask.Input(Words{SAY("Copy field #%1 to which field: \r\n"
                                                    "You will be asked before a pass is replaced."),
                                                {field}},
                                          SAY("Field Shuffle")));
    while (m < kFirstUsableField || m > kSlotCount) {
        const Words prompt = m >= 1 && m < kFirstUsableField
                                 ? SAY("You've can not assign to Field 1-5.\r\n"
                                       "A field number is a whole number from 6 to 250. Re-Enter?")
                                 : SAY("You've entered an invalid number.\r\n"
                                       "A field number is a whole number from 6 to 250. Re-Enter?");
        if (ports.Ask.Show({prompt, Buttons::YesNo, Icon::None, SAY("Invalid Number")}) !=
            Answer::Yes)
            return std::nullopt;
        m = EnteredNumber(ports.Ask.Input(Words{SAY("Copy field #%1 to which field: "), {field}},
                                          SAY("Field Shuffle")));
    }
    return m;
}

bool RestoreIntoImage(Program& program, Ports& ports, const BackupLineFile& backup,
                      const std::vector<int>& fields) {
    if (backup.State == BackupFileState::Missing || backup.State == BackupFileState::Foreign ||
        backup.Kind != KindOf(program.Table.Current(ImageSide)))
        return false;
    if (fields.empty()) {
        ShowNothingSelectedToMove(ports);
        return false;
    }
    EditSide(program, ports, ImageSide, [&] {
        std::vector<int> restored;
        for (int field : fields) {
            if (IsSlotNumber(field) &&
                CopyPassInto(program, ports, backup.Image.Line(field), field, ImageSide))
                restored.push_back(field);
        }
        return StepDone{!restored.empty(), StepName(SAY("Restore"), restored)};
    });
    return true;
}

}  // namespace swathkit
