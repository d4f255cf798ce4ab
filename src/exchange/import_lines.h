#pragma once
// Guidance lines read from other farm software: ISO 11783-10 TaskData (a
// TASKDATA.XML, its folder or a zip of it), KML and GeoJSON. Reading only:
// the lines land in the temporary card image through ImportIntoImage.

#include <filesystem>
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
    bool operator==(const ImportedLine&) const = default;
};

// Something in the file that will not come in, and why, as the preview says it.
struct SkippedLine {
    std::string Name;
    std::string Reason;  // e.g. "a curve", "no point", "coordinates out of range"
    bool operator==(const SkippedLine&) const = default;
};

struct ImportResult {
    std::vector<ImportedLine> Lines;
    std::vector<SkippedLine> Skipped;
};

// Why a whole file could not be read, as one sentence for the operator.
struct ImportFailure {
    std::string Message;
};

// Reads the file the operator chose, by its kind (TASKDATA.XML, .zip, .kml,
// .geojson, .json). Never reads outside that file, or outside its folder for
// a TaskData's external files; refuses files too big, too deeply nested or a
// zip that unpacks to too much, quickly and with a clear message.
std::variant<ImportResult, ImportFailure> ReadImportFile(const std::filesystem::path& path);

// The same from text already in memory, for each format (the fuzzers' way
// in). folder is where TaskData's external files are looked for; empty for
// none.
std::variant<ImportResult, ImportFailure> ReadTaskData(const std::string& xml,
                                                       const std::filesystem::path& folder = {});
// A zip of a TaskData, in memory: its TASKDATA.XML (the shallowest, in any
// case) and the further files beside it inside the zip.
std::variant<ImportResult, ImportFailure> ReadTaskDataZip(const std::string& bytes);
std::variant<ImportResult, ImportFailure> ReadKml(const std::string& text);
std::variant<ImportResult, ImportFailure> ReadGeoJson(const std::string& text);

}  // namespace swathkit
