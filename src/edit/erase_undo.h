#pragma once
// "Erase" and "Undo" under each list.

#include "core/program.h"

namespace swathkit {

void cmdClear_Click(Program& program, Ports& ports, int index);
void cmdUndo_Click(Program& program, Ports& ports, int index);
// The list has the focus already while the button is held down.
void cmdUndo_MouseDown(Ports& ports, int index);

// Blanks the selected passes of one side after "Verify Clear".
void EraseSelectedPasses(Program& program, Ports& ports, int side);

// Swaps the side's two generations and writes the side, asking nothing.
void UndoLastChange(Program& program, Ports& ports, int side);

}  // namespace swathkit
