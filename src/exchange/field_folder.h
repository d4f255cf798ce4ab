#pragma once
// Field folders of the AgOpenGPS guidance software and its forks: a folder
// per field whose Field.txt holds the start fix, and whose TrackLines.txt
// (or, from older versions, ABLines.txt) holds the lines in metres east and
// north of it.

#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "exchange/export_lines.h"
#include "exchange/import_lines.h"
#include "geo/geo.h"

namespace swathkit {

inline constexpr const char* kFieldFile = "Field.txt";
inline constexpr const char* kTracksFile = "TrackLines.txt";
inline constexpr const char* kOldLinesFile = "ABLines.txt";
inline constexpr std::size_t kFieldFileLimit = 1 << 20;

// The flat plane the tractor's software holds a field in: metres per degree
// of latitude taken at the start fix, of longitude at the point's own
// latitude. Used exactly as it does it, so that a line lands on the same
// ground on the tractor; ToGeo undoes ToMetres.
class FieldPlane {
  public:
    explicit FieldPlane(GeoPoint start);
    MetricPoint ToMetres(GeoPoint point) const;
    GeoPoint ToGeo(MetricPoint point) const;

  private:
    GeoPoint start_;
    double metresPerDegreeNorth_;
};

// The start fix a Field.txt gives, if it gives one that is a place.
std::optional<GeoPoint> FieldStartFix(std::string_view fieldText);

std::vector<Words> FieldFolderLimits(bool straight);

// A new field folder: Field.txt with the first pass's point as its start
// fix, and the line files. Each pass is named by its field number.
std::vector<ExportFile> FieldFolderFiles(const std::vector<PlacedLine>& lines,
                                         const std::string& name);
// Only the line files, around a field's own start fix.
std::vector<ExportFile> FieldFolderLines(const std::vector<PlacedLine>& lines, GeoPoint start);

// True when the folder holds a Field.txt (in any case).
bool IsFieldFolder(const std::filesystem::path& folder);

// The straight lines (A-B and A+) and pivots of a field folder. Curves and
// boundary tracks are left out, each with its reason.
std::variant<ImportResult, ImportFailure> ReadFieldFolder(const std::filesystem::path& folder,
                                                          std::stop_token stop = {});
// The same from the files' texts; without a tracks file the older lines
// file (ABLines.txt) is read.
std::variant<ImportResult, ImportFailure> ReadFieldFolderTexts(
    std::string_view field, std::optional<std::string_view> tracks, std::string_view lines,
    std::stop_token stop = {});

}  // namespace swathkit
