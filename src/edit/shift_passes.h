#pragma once
// "Shift...": the selected passes of one side moved by the same few metres,
// for a card whose lines were all recorded against a base station or datum
// that has since moved.

#include <functional>
#include <optional>
#include <string>

#include "core/edit_records.h"
#include "core/program.h"

namespace swathkit {

// What is wrong with the entry, in the words the refusal uses; empty when
// it is a shift that can be made.
Words ShiftEntryProblem(const ShiftEntry& entry);

// Moves the point of each selected straight line, or the centre of each
// selected circle track, exactly on the ellipsoid; the direction stays as it
// is. One editing command: undo copy first, the side redrawn and written.
void ShiftSelectedPasses(Program& program, Ports& ports, int side, const AskShift& ask);

}  // namespace swathkit
