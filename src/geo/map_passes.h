#pragma once
// Which passes the map draws and which of them clash: exactly what the two
// lists show, so that a pass the list leaves out (no card in the reader,
// another track kind) is left off the map too.

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "core/program.h"
#include "geo/geo.h"

namespace swathkit {

// The side a backup's passes are drawn as, after the card and the image.
inline constexpr int kBackupOnMap = 2;

// One pass as the map draws it.
struct MapPass {
    int Side = CardSide;  // or kBackupOnMap
    PlacedLine Line;
    bool Selected = false;
    bool Conflict = false;  // the other side shows a different line in this field
};

// The fields each list shows, each with whether it is selected.
using ListedFields = std::array<std::map<int, bool>, 2>;

std::vector<MapPass> PassesShown(const Program& program, const ListedFields& listed);

// A pass's dot as drawn, in pixels with y growing downwards; a straight line
// also has its compass heading, since its label must not sit on the line.
struct MapDot {
    double X = 0, Y = 0;
    std::optional<double> Heading;
};

struct LabelSpot {
    double X = 0, Y = 0;  // the middle of the label
};

// Where each dot's label goes: gap pixels from its dot where there is room,
// always nearer its own dot than any other, off its own line, and clear of
// the labels placed before it where it can be. Dots drawn on one place (a
// field on both sides) get their labels on different sides of it.
std::vector<LabelSpot> PlaceLabels(const std::vector<MapDot>& dots, double gap);

}  // namespace swathkit
