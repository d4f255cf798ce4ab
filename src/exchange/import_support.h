#pragma once
// What the three readers share: the limits that keep a hostile file from
// hurting, number texts read without the locale, and the rules that turn a
// name and a place into a line or a reason for leaving it out.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "exchange/import_lines.h"

namespace swathkit {

// Said when the operator cancels a read.
inline constexpr const char* kStoppedText = SAY("The reading was cancelled.");

}  // namespace swathkit

namespace swathkit::import_detail {

// No file of guidance lines comes near this; a bigger one is a mistake or
// an attack, and is refused before it is read. The same holds for all the
// files of one TaskData together, unpacked.
inline constexpr std::uintmax_t kMaxBytes = 64u << 20;
inline constexpr const char* kMaxBytesText = "64 MiB";

// Real files nest a dozen levels at most.
inline constexpr int kMaxDepth = 100;

// The tree a file is read into may take this many bytes per byte of the
// file, and a little more for small files: a file of lines takes less than
// half of it, a file of nothing but empty elements would take twice as much.
// With the file's own bytes that keeps a read under ten times the file.
inline constexpr std::size_t kTreeBytesPerByte = 7;
inline constexpr std::size_t kTreeBytesExtra = 1u << 20;

// How often a long loop looks whether the operator cancelled.
inline constexpr unsigned kStopPollMask = 0xFFF;

using Result = std::variant<ImportResult, ImportFailure>;

inline ImportFailure Fail(Words message) {
    return ImportFailure{std::move(message)};
}

std::string_view Trimmed(std::string_view text);

// A decimal number, optionally signed, with nothing else but blanks around
// it; never through the user's locale. Infinities and NaN are no numbers.
std::optional<double> ParseNumber(std::string_view text);

// The field a name gives: the name, blanks aside, is a whole number from 6
// to 250 ("12"; this program's exports name each line so). Anything else,
// "Field 12" included, gives none (0): a number inside prose is as likely a
// date or an acreage as a field.
int FieldFromName(std::string_view name);

// Any heading brought into compass degrees 0 <= h < 360.
double CompassDegrees(double degrees);

// A line that can come in, or the reason it cannot: a place off the earth
// is left out. Without a field the name says which.
void AddLine(ImportResult& result, std::string name, bool straight, GeoPoint point, double heading,
             std::optional<int> field = std::nullopt, bool ticked = true);
void Skip(ImportResult& result, std::string name, Words reason);

// A straight line drawn as points (KML, GeoJSON): at point, or the first,
// along heading, or the way from the first to the last point elsewhere.
// Points that stray from that way more than kStraightToleranceMetres make
// a curve, which is left out with how far they stray.
void AddDrawnLine(ImportResult& result, std::string name, const std::vector<GeoPoint>& points,
                  std::optional<GeoPoint> point, std::optional<double> heading,
                  std::optional<int> field = std::nullopt);

// One part of what a placemark or feature draws: a line's points, a point,
// or why the part will not come in.
struct DrawnPart {
    enum class Kind { Line, Point, LeftOut } What = Kind::LeftOut;
    std::vector<GeoPoint> Points;
    Words Reason;
};

// Each part of a multi-part geometry is a line of its own, but a line cut
// at the 180th meridian (as this program's exports and GeoJSON cut it) is
// one again: consecutive line parts that meet there are joined.
std::vector<DrawnPart> JoinedAtAntimeridian(std::vector<DrawnPart> parts);

// Every part as a line, a circle or a reason, under one name; point and
// heading are the file's own for its line, and so kept only when it draws
// one line. Points are ticked at first only when the file calls them
// pivots.
void AddParts(ImportResult& result, const std::string& name, const std::vector<DrawnPart>& parts,
              std::optional<GeoPoint> point, std::optional<double> heading,
              std::optional<int> field, bool pivots);

// Parsed XML no deeper than kMaxDepth and no bigger in memory than its
// share, or why not, the file named as what ("KML file"). The document is
// built in text, which must outlive it.
std::optional<ImportFailure> ParseXml(pugi::xml_document& doc, std::string& text,
                                      const Words& what);

// An element's name without its namespace prefix ("kml:Placemark").
std::string_view LocalName(const pugi::xml_node& node);

// A TaskData's further files by their names (checked to stay in its folder
// before asking); nullopt when missing. May fail the whole read (too big).
using FoundFile = std::variant<std::optional<std::string>, ImportFailure>;
using ExternalFile = std::function<FoundFile(const std::string& name)>;
Result ReadTaskDataWith(std::string xml, const ExternalFile& external, const std::stop_token& stop);
Result ReadKmlText(std::string text, const std::stop_token& stop);

}  // namespace swathkit::import_detail
