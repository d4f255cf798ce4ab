#pragma once
// What the exports and the imports hand the window: the list of formats,
// the lines found in a file and why others stay out. Records only, so that
// the window can show them without reaching the readers and writers.

#include <cstddef>
#include <string>
#include <vector>

#include "core/files.h"
#include "core/placed_line.h"
#include "core/words.h"

namespace swathkit {

enum class ExportFormat { TaskData, Kml, Kmz, GeoJson, FieldFolder };

// One file an export writes: its name inside the folder a folder format
// makes, or an empty name for the chosen file itself.
struct ExportFile {
    fs::path Name;
    std::string Bytes;
};

// One format the passes can be written in. The export dialog and the
// command line both list these, in this order.
struct ExportEntry {
    ExportFormat Format;
    const char* Name;         // as the command line names it: "taskdata", "kmz"
    const char* Caption;      // as the export dialog lists it
    const char* DefaultName;  // "TASKDATA.XML", "lines.kml"; a folder's for a folder format
    bool Folder;              // the chosen path is a folder the files go into
    // What the format cannot hold of these lines, one sentence each.
    std::vector<Words> (*Limitations)(bool straight);
    // The files for the passes (all of one kind, each a place on earth);
    // name is the guidance group's or document's name.
    std::vector<ExportFile> (*Write)(const std::vector<PlacedLine>& lines, const std::string& name);
};

// A line found in the file that can come in.
struct ImportedLine {
    std::string Name;      // the pattern's, placemark's or feature's name; may be empty
    bool Straight = true;  // false for a circle track (a pivot's centre, a point)
    GeoPoint Point;        // the A point, or the circle's centre
    double Heading = 0;    // compass degrees 0..360 on the ellipsoid; 0 for a circle
    int Field = 0;         // the field number the name gives (6..250), 0 when none
    // Whether the preview ticks it at first: a point is a pivot's centre only
    // when the file says so (a TaskData pivot, this program's own export);
    // other points are pins and buildings as often, for the operator to pick.
    bool Ticked = true;
    bool operator==(const ImportedLine&) const = default;
};

// Where a line found in a file lies, as the editing commands take it.
inline PlacedLine ImportedPlace(const ImportedLine& line) {
    return {line.Field, line.Straight, line.Point, line.Heading};
}

// Something in the file that will not come in, and why, as the preview says it.
struct SkippedLine {
    std::string Name;
    Words Reason;  // e.g. "a curve", "no point", "coordinates out of range"
    bool operator==(const SkippedLine&) const = default;
};

// A line drawn with more than two points comes in as a straight line only
// when every point lies this close to the line from its first point to its
// last; a path further off is a curve, and a straight line through its ends
// would steer across other ground.
inline constexpr double kStraightToleranceMetres = 0.1;

// What a preview can show of one file: no real file of lines comes near
// either number, and a file past them would only bury the operator.
inline constexpr std::size_t kMaxImportLines = 100'000;
inline constexpr std::size_t kMaxLeftOutRows = 1'000;

struct ImportResult {
    std::vector<ImportedLine> Lines;   // the first kMaxImportLines
    std::vector<SkippedLine> Skipped;  // the first kMaxLeftOutRows
    bool MoreLines = false;            // the file held more lines than are kept
    bool MoreLeftOut = false;          // and more left out than are listed
};

// Why a whole file could not be read, as one sentence for the operator.
struct ImportFailure {
    Words Message;
};

}  // namespace swathkit
