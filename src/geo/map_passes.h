#pragma once
// Which passes the map draws and which of them clash: exactly what the two
// lists show, so that a pass the list leaves out (no card in the reader,
// another track kind) is left off the map too.

#include <array>
#include <map>
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

}  // namespace swathkit
