#pragma once
// One change to one side, the way every editing command makes it: the side's
// undo copy first, then the change, then the side redrawn and written, and
// the change named for Undo.

#include <functional>
#include <string>
#include <vector>

#include "core/program.h"

namespace swathkit {

// What a change did: whether the side must be written, and how Undo names
// it ("Erase of field 22").
struct StepDone {
    bool Changed = false;
    Words Name;
};

// Copies the side's generation 0 into generation 1, runs change on
// generation 0, then redraws the side and writes it when the change says so.
void EditSide(Program& program, Ports& ports, int side, const std::function<StepDone()>& change);

// Undo's own step: the side's two generations swapped, the side redrawn and
// written even when nothing differs.
void SwapGenerations(Program& program, Ports& ports, int side);

// "Move of fields 3, 4": what was done to which fields, the first few by
// number.
Words StepName(const Words& what, const std::vector<int>& fields);

// What Undo on the side will do: "Undo Erase of field 22", or "Redo ..." once
// it has been undone; empty when it would change nothing or the side has
// been set since by something else (a card read, another program's save).
Words UndoName(const Program& program, int side);

}  // namespace swathkit
