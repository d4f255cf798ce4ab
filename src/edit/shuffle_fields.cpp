#include "edit/shuffle_fields.h"

#include <algorithm>
#include <string>
#include <vector>

#include "edit/edit_step.h"
#include "edit/move_passes.h"

namespace swathkit {

namespace {

GuidanceLine BlankSlot(int slot) {
    static const CardImage blank = NewBlankImage();
    return blank.Line(slot);
}

}  // namespace

void ShuffleSelectedFields(Program& program, Ports& ports, int side, bool clearSource) {
    EditSide(program, ports, side, [&] {
        const std::vector<int> selected = ports.List(side).SelectedSlots();
        std::vector<FieldMove> moves;
        std::vector<int> movedAway;
        for (const int slot : selected) {
            if (const auto move = ShuffleField(program, ports, slot, side, movedAway)) {
                moves.push_back(*move);
                movedAway.push_back(move->From);
            }
        }
        if (selected.empty())
            ShowNothingSelectedToMove(ports);

        // Blanking each old field straight after its copy would wipe a pass
        // that has just landed there (12 to 12, a swap of 20 and 30, 20 to
        // 21 with 21 to 22). A field that some pass of this command went to
        // keeps that pass; every other old field is emptied.
        if (clearSource) {
            CardImage& image = program.Table.At(side, 0);
            for (const FieldMove& move : moves) {
                const bool landedOn =
                    std::any_of(moves.begin(), moves.end(),
                                [&](const FieldMove& m) { return m.To == move.From; });
                if (!landedOn)
                    image.Line(move.From) = BlankSlot(move.From);
            }
        }
        return StepDone{!moves.empty(),
                        StepName(clearSource ? SAY("Change") : SAY("Copy"), movedAway)};
    });
}

std::optional<FieldMove> ShuffleField(Program& program, Ports& ports, int n, int side,
                                      const std::vector<int>& movedAway) {
    if (!IsSlotNumber(n))
        return std::nullopt;
    // The copy is taken from the image as it was before the command, so a
    // field written earlier in this command is never copied on.
    const GuidanceLine& before = program.Table.At(side, 1).Line(n);
    // An item whose field number text names another, empty slot: copying
    // that blank would only wipe the target field.
    if (!LineInUse(before))
        return std::nullopt;
    const std::optional<int> typed = AskTargetField(ports, n);
    if (!typed)
        return std::nullopt;
    CardImage& image = program.Table.At(side, 0);
    const std::optional<int> m =
        ConfirmTarget(ports, image, program.Table.At(side, 1), before, n, *typed, movedAway);
    if (!m)
        return std::nullopt;
    image.Line(*m) = before;
    image.Line(*m).FieldNum = program.Table.At(side, 1).Line(*m).FieldNum;
    return FieldMove{n, *m};
}

}  // namespace swathkit
