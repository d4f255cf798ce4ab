#pragma once
// "Shift...": the selected passes of one side moved by the same few metres,
// for a card whose lines were all recorded against a base station or datum
// that has since moved.

#include <functional>
#include <optional>
#include <string>

#include "core/program.h"

namespace swathkit {

// What the operator typed, as typed: metres east and north (west and south
// negative), or a distance in metres along a bearing in degrees from north.
// A decimal point or comma are both taken.
struct ShiftEntry {
    bool AlongBearing = false;
    std::string First;   // metres east, or the distance
    std::string Second;  // metres north, or the bearing
};

// A shift further than this is a typing slip, never a moved base station.
inline constexpr double kMaxShiftMetres = 1000;

// What is wrong with the entry, in the words the refusal uses; empty when
// it is a shift that can be made.
std::string ShiftEntryProblem(const ShiftEntry& entry);

// Asks for the shift once there are passes to move; nothing when cancelled.
using AskShift = std::function<std::optional<ShiftEntry>()>;

// Moves the point of each selected straight line, or the centre of each
// selected circle track, exactly on the ellipsoid; the direction stays as it
// is. One editing command: undo copy first, the side redrawn and written.
void ShiftSelectedPasses(Program& program, Ports& ports, int side, const AskShift& ask);

}  // namespace swathkit
