#include "edit/erase_undo.h"

#include <vector>

#include "edit/edit_step.h"

namespace swathkit {

void EraseSelectedPasses(Program& program, Ports& ports, int side) {
    const std::vector<int> selected = ports.List(side).SelectedSlots();
    // Nothing is touched before the operator has said yes: the side's undo
    // copy still holds the change before.
    if (selected.empty()) {
        ports.Ask.Show({SAY("You have not selected any entries."), Buttons::Ok, Icon::Exclamation,
                        SAY("Nothing Selected")});
        return;
    }
    if (ports.Ask.Show({SAY("Are you sure you want to clear the selected items?"), Buttons::YesNo,
                        Icon::None, SAY("Verify Clear")}) != Answer::Yes) {
        return;
    }
    EditSide(program, ports, side, [&] {
        CardImage& image = program.Table.At(side, 0);
        std::vector<int> erased;
        for (const int slot : selected) {
            if (!IsSlotNumber(slot))
                continue;
            // The slot keeps its field number text, so it still names its field.
            GuidanceLine& line = image.Line(slot);
            line.Latitude = line.Longitude = line.HeadingNorth = line.HeadingEast = BlankCoordinate;
            line.LineFlag = false;
            erased.push_back(slot);
        }
        return StepDone{true, StepName(SAY("Erase"), erased)};
    });
}

void UndoLastChange(Program& program, Ports& ports, int side) {
    SwapGenerations(program, ports, side);
}

}  // namespace swathkit
