#pragma once
// What a printed sheet of one side holds: the passes for its map and the
// rows of its table, in the form the lists show, with where they came from
// and when. The window only paints it.

#include <map>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/program.h"
#include "core/words.h"
#include "geo/map_passes.h"

namespace swathkit {

struct SheetRow {
    int Field = 0;
    Words Kind;  // "Straight" or "Circle"
    std::string Latitude, Longitude;
    std::string Heading;  // empty for a circle track, which has none
};

struct PrintSheet {
    Words Title;          // the side's caption, and whether only the selection is shown
    std::string Source;   // the card's line file, or the image's master copy
    std::string Printed;  // the date, year first, read the same in every country
    std::vector<SheetRow> Rows;
    std::vector<MapPass> Passes;  // those that are a place on earth
};

inline constexpr std::array<const char*, 5> kSheetColumns = {
    SAY("Field #"), SAY("Kind"), SAY("Latitude"), SAY("Longitude"), SAY("Heading")};

// The side's passes its list shows, or only those selected in it when any
// are; coordinates in the form chosen under Options.
PrintSheet MakePrintSheet(const Program& program, int side, const std::map<int, bool>& listed,
                          Date today);

}  // namespace swathkit
