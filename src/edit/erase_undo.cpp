#include "edit/erase_undo.h"

#include <string>
#include <utility>
#include <vector>

#include "card/save.h"
#include "display/line_list.h"
#include "edit/move_passes.h"

namespace swathkit {

void EraseSelectedPasses(Program& program, Ports& ports, int side) {
    const std::vector<int> selected = ports.List(side).SelectedSlots();
    // Nothing is touched before the operator has said yes: the side's undo
    // copy still holds the change before.
    if (selected.empty()) {
        ports.Ask.Show({"You have not selected any entries.", Buttons::Ok, Icon::Exclamation,
                        "Nothing Selected"});
        return;
    }
    if (ports.Ask.Show({"Are you sure you want to clear the selected items?", Buttons::YesNo,
                        Icon::None, "Verify Clear"}) != Answer::Yes) {
        return;
    }
    program.Table.At(side, 1) = program.Table.At(side, 0);
    CardImage& image = program.Table.At(side, 0);
    for (const int slot : selected) {
        if (!IsSlotNumber(slot))
            continue;
        // The slot keeps its field number text, so it still names its field.
        GuidanceLine& line = image.Line(slot);
        line.Latitude = line.Longitude = line.HeadingNorth = line.HeadingEast = BlankCoordinate;
        line.LineFlag = false;
    }
    program.ImageChanged = true;
    FillLineList(program, ports, side, image);
    SaveImage(program, ports, side);
}

void UndoLastChange(Program& program, Ports& ports, int side) {
    // Written even when nothing differs: right after a load this is how the
    // operator puts the card's file back as it was read.
    program.ImageChanged = true;
    std::swap(program.Table.At(side, 0), program.Table.At(side, 1));
    FillLineList(program, ports, side, program.Table.At(side, 0));
    SaveImage(program, ports, side);
}

}  // namespace swathkit
