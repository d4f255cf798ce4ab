#pragma once
// Guidance lines read from other farm software: ISO 11783-10 TaskData (a
// TASKDATA.XML, its folder or a zip of it), KML, KMZ and GeoJSON. Reading only:
// the lines land in the temporary card image through ImportIntoImage.

#include <cstddef>
#include <filesystem>
#include <stop_token>
#include <string>
#include <variant>
#include <vector>

#include "geo/geo.h"

namespace swathkit {

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

// Something in the file that will not come in, and why, as the preview says it.
struct SkippedLine {
    std::string Name;
    std::string Reason;  // e.g. "a curve", "no point", "coordinates out of range"
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

// The sentences a preview shows for what it does not show; none when the
// whole file is there.
std::vector<std::string> ImportNotes(const ImportResult& result);
// The same for rows left out by the preview itself (lines of the other kind).
std::string LeftOutNote();

// Why a whole file could not be read, as one sentence for the operator.
struct ImportFailure {
    std::string Message;
};

// Reads the file the operator chose, by its kind (TASKDATA.XML, .zip, .kml,
// .kmz, .geojson, .json). Never reads outside that file, or outside its folder for
// a TaskData's external files; refuses files too big, too deeply nested or a
// zip that unpacks to too much, quickly and with a clear message; nor a
// file whose elements would take more memory than a file of lines could
// need. Stops within moments once stop is requested, and then fails.
std::variant<ImportResult, ImportFailure> ReadImportFile(const std::filesystem::path& path,
                                                         std::stop_token stop = {});

// The same from text already in memory, for each format (the fuzzers' way
// in). folder is where TaskData's external files are looked for; empty for
// none.
std::variant<ImportResult, ImportFailure> ReadTaskData(const std::string& xml,
                                                       const std::filesystem::path& folder = {},
                                                       std::stop_token stop = {});
// A zip of a TaskData, in memory: its TASKDATA.XML (the shallowest, in any
// case) and the further files beside it inside the zip.
std::variant<ImportResult, ImportFailure> ReadTaskDataZip(const std::string& bytes,
                                                          std::stop_token stop = {});
std::variant<ImportResult, ImportFailure> ReadKml(const std::string& text,
                                                  std::stop_token stop = {});
// A KMZ, in memory: the KML inside it (doc.kml, else the shallowest .kml),
// unpacked within the same limits as a TaskData zip.
std::variant<ImportResult, ImportFailure> ReadKmz(const std::string& bytes,
                                                  std::stop_token stop = {});
std::variant<ImportResult, ImportFailure> ReadGeoJson(const std::string& text,
                                                      std::stop_token stop = {});

}  // namespace swathkit
