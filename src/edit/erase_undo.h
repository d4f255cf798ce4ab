#pragma once
// "Erase" and "Undo" under each list.

#include "core/program.h"

namespace swathkit {

// Blanks the selected passes of one side after "Verify Clear".
void EraseSelectedPasses(Program& program, Ports& ports, int side);

// Swaps the side's two generations and writes the side, asking nothing.
void UndoLastChange(Program& program, Ports& ports, int side);

}  // namespace swathkit
