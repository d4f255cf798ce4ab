#include "exchange/field_folder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>

#include "core/error_messages.h"
#include "core/files.h"
#include "core/number_text.h"
#include "exchange/import_support.h"

namespace swathkit {

using namespace import_detail;

namespace {

constexpr double kRad = std::numbers::pi / 180;

// A curve of a field has thousands of points; no field needs more lines.
constexpr std::size_t kMaxFieldLines = 4'000'000;

// The B point of a line written is this far along its heading.
constexpr double kBMetres = 100;
// A line read with a heading and no B point takes its heading on the ground
// from a point this close ahead in the plane: the plane's straight line bends
// against the meridians, and its direction at A is what the tractor steers.
constexpr double kTangentMetres = 1;

double MetresPerDegreeEast(double latitude) {
    const double phi = latitude * kRad;
    return 111412.84 * std::cos(phi) - 93.5 * std::cos(3 * phi) + 0.118 * std::cos(5 * phi);
}

// Metres to a micrometre and radians to twelve decimals: what is read back
// lies within a hair of what was written.
std::string MetresText(double metres) {
    return FormatPicture(metres, 1, 6);
}

void Split(std::string_view text, std::vector<std::string_view>& lines) {
    lines.clear();
    // A byte order mark from some editors is no part of the first line.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(Trimmed(text.substr(0, end)));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

std::optional<MetricPoint> ParsePair(std::string_view text) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto east = ParseNumber(text.substr(0, comma));
    std::string_view rest = text.substr(comma + 1);
    rest = rest.substr(0, rest.find(','));  // a heading may follow
    const auto north = ParseNumber(rest);
    if (!east || !north)
        return std::nullopt;
    return MetricPoint{*east, *north};
}

double GridHeading(MetricPoint a, MetricPoint b) {
    return std::atan2(b.East - a.East, b.North - a.North);
}

// A straight line from A toward B, on the ground.
void AddLineAB(ImportResult& result, std::string name, const FieldPlane& plane, MetricPoint a,
               MetricPoint b) {
    const GeoPoint from = plane.ToGeo(a), to = plane.ToGeo(b);
    const double heading = OnEarth(from) && OnEarth(to) ? BearingDegrees(from, to) : NAN;
    AddLine(result, std::move(name), true, from, heading);
}

// A straight line from A along its heading in the plane.
void AddPlaneLine(ImportResult& result, std::string name, const FieldPlane& plane, MetricPoint a,
                  double gridRadians) {
    AddLineAB(result, std::move(name), plane, a,
              {a.East + kTangentMetres * std::sin(gridRadians),
               a.North + kTangentMetres * std::cos(gridRadians)});
}

enum TrackMode {
    kAB = 2,
    kCurve = 4,
    kBoundaryOuter = 8,
    kBoundaryInner = 16,
    kBoundaryCurve = 32,
    kPivot = 64
};

void ReadTracks(ImportResult& result, const FieldPlane& plane,
                const std::vector<std::string_view>& lines, const std::stop_token& stop) {
    // After the header, each track: name, heading in radians, A, B, nudge,
    // mode, visible, the count of its curve points, and those points.
    std::size_t at = 1;
    unsigned polls = 0;
    while (at < lines.size()) {
        if ((++polls & kStopPollMask) == 0 && stop.stop_requested())
            return;
        if (lines[at].empty()) {
            ++at;
            continue;
        }
        std::string name(lines[at]);
        if (at + 8 > lines.size())
            return Skip(result, name, "the track is cut off");
        const auto heading = ParseNumber(lines[at + 1]);
        const auto a = ParsePair(lines[at + 2]);
        const auto b = ParsePair(lines[at + 3]);
        const auto mode = ParseNumber(lines[at + 5]);
        const auto count = ParseNumber(lines[at + 7]);
        if (!heading || !a || !b || !mode || !count || *count < 0 ||
            *count > static_cast<double>(lines.size() - at - 8))
            return Skip(result, name, "the track cannot be read, nor any after it");
        at += 8 + static_cast<std::size_t>(*count);
        switch (std::fabs(*mode) < 1000 ? static_cast<int>(*mode) : -1) {
            case kAB:
                if (a->East == b->East && a->North == b->North)
                    AddPlaneLine(result, std::move(name), plane, *a, *heading);
                else
                    AddLineAB(result, std::move(name), plane, *a, *b);
                break;
            case kPivot:
                AddLine(result, std::move(name), false, plane.ToGeo(*a), 0);
                break;
            case kCurve:
                Skip(result, std::move(name), "a curve");
                break;
            case kBoundaryOuter:
            case kBoundaryInner:
            case kBoundaryCurve:
                Skip(result, std::move(name), "a track along the boundary");
                break;
            default:
                Skip(result, std::move(name), "a track of an unknown kind");
        }
    }
}

// The older file: one A-B line a line, "name,heading in degrees,east,north".
void ReadOldLines(ImportResult& result, const FieldPlane& plane,
                  const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines) {
        if (line.empty())
            continue;
        const auto comma = line.find(',');
        std::string name(line.substr(0, comma));
        const std::string_view rest =
            comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
        const auto heading = ParseNumber(rest.substr(0, rest.find(',')));
        const auto a = rest.find(',') == std::string_view::npos
                           ? std::nullopt
                           : ParsePair(rest.substr(rest.find(',') + 1));
        if (!heading || !a)
            Skip(result, std::move(name), "the line cannot be read");
        else
            AddPlaneLine(result, std::move(name), plane, *a, *heading * kRad);
    }
}

std::optional<std::filesystem::path> Find(Files& disk, const std::filesystem::path& folder,
                                          const std::string& name) {
    const auto entries = disk.List(folder);
    if (!entries)
        return std::nullopt;
    for (const auto& entry : *entries)
        if (AsciiLower(PathText(entry.filename())) == AsciiLower(name) &&
            disk.IsFile(folder / entry.filename()))
            return folder / entry.filename();
    return std::nullopt;
}

std::string Now() {
    // As the tractor's software dates a field: "2026-December-08 02:40:00 PM".
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local)
        return "2000-January-01 12:00:00 AM";
    const std::tm tm = *local;
    // Not strftime's %p: under the window's locale it may be no AM at all.
    char text[64];
    std::snprintf(text, sizeof text, "%d-%s-%02d %02d:%02d:%02d %s", tm.tm_year + 1900,
                  months[tm.tm_mon % 12], tm.tm_mday, tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12,
                  tm.tm_min, tm.tm_sec, tm.tm_hour < 12 ? "AM" : "PM");
    return text;
}

}  // namespace

FieldPlane::FieldPlane(GeoPoint start) : start_(start) {
    const double phi = start.Latitude * kRad;
    metresPerDegreeNorth_ = 111132.92 - 559.82 * std::cos(2 * phi) + 1.175 * std::cos(4 * phi) -
                            0.0023 * std::cos(6 * phi);
}

MetricPoint FieldPlane::ToMetres(GeoPoint point) const {
    // Longitudes are counted the short way round from the start fix.
    return {std::remainder(point.Longitude - start_.Longitude, 360) *
                MetresPerDegreeEast(point.Latitude),
            (point.Latitude - start_.Latitude) * metresPerDegreeNorth_};
}

GeoPoint FieldPlane::ToGeo(MetricPoint point) const {
    const double latitude = point.North / metresPerDegreeNorth_ + start_.Latitude;
    const double longitude = point.East / MetresPerDegreeEast(latitude) + start_.Longitude;
    return {latitude, std::isfinite(longitude) ? std::remainder(longitude, 360) : longitude};
}

std::optional<GeoPoint> FieldStartFix(std::string_view fieldText) {
    std::vector<std::string_view> lines;
    Split(fieldText, lines);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != "StartFix")
            continue;
        const auto pair = ParsePair(lines[i + 1]);
        // The pair is latitude first.
        const GeoPoint start = pair ? GeoPoint{pair->East, pair->North} : GeoPoint{NAN, NAN};
        if (OnEarth(start) && std::fabs(start.Latitude) < 90)
            return start;
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string> FieldFolderLimits(bool straight) {
    std::vector<std::string> limits{
        "The lines are held in metres around the start fix of the field, as the tractor's "
        "software holds them: a field folder is meant for the passes of one farm.",
        "Each pass is named by its field number. Into a field folder that is there, only "
        "TrackLines.txt and ABLines.txt are written, around the field's own start fix."};
    limits.push_back(straight ? "Each straight line is written as an A-B line with its B point "
                                "100 m ahead."
                              : "Each circle track is written as a pivot track at its centre: "
                                "the card holds no radius.");
    return limits;
}

std::vector<ExportFile> FieldFolderLines(const std::vector<PlacedLine>& lines, GeoPoint start) {
    const FieldPlane plane(start);
    std::string tracks = "$TrackLines\r\n", old;
    for (const PlacedLine& line : lines) {
        const MetricPoint a = plane.ToMetres(line.Point);
        MetricPoint b = a;
        double radians = 0;
        if (line.Straight) {
            // Ahead of A along the geodesic, unwrapped across 180 so that
            // the plane's direction stays the ground's.
            GeoPoint ahead = Travel(line.Point, line.Heading, kBMetres);
            ahead.Longitude =
                line.Point.Longitude + std::remainder(ahead.Longitude - line.Point.Longitude, 360);
            b = plane.ToMetres(ahead);
            radians = GridHeading(a, b);
            if (radians < 0)
                radians += 2 * std::numbers::pi;
        }
        const std::string name = std::to_string(line.Field);
        const std::string pointA = MetresText(a.East) + "," + MetresText(a.North);
        tracks += name + "\r\n" + FormatPicture(radians, 1, 12) + "\r\n" + pointA + "\r\n" +
                  MetresText(b.East) + "," + MetresText(b.North) + "\r\n0\r\n" +
                  std::to_string(line.Straight ? kAB : kPivot) + "\r\nTrue\r\n0\r\n";
        if (line.Straight)
            old += name + "," + FormatPicture(radians / kRad, 1, 9) + "," + pointA + "\r\n";
    }
    return {{kTracksFile, tracks}, {kOldLinesFile, old}};
}

std::vector<ExportFile> FieldFolderFiles(const std::vector<PlacedLine>& lines,
                                         const std::string& name) {
    // The start fix as written, so that the metres are counted from the
    // very place the tractor reads.
    GeoPoint start;
    if (!lines.empty())
        start = {ParseNumber(FormatPicture(lines.front().Point.Latitude, 1, 9)).value_or(0),
                 ParseNumber(FormatPicture(lines.front().Point.Longitude, 1, 9)).value_or(0)};
    std::string clean;
    for (unsigned char c : name) clean += c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c);
    std::vector<ExportFile> files{{kFieldFile, Now() + "\r\n$FieldDir\r\n" + clean +
                                                   "\r\n$Offsets\r\n0,0\r\nConvergence\r\n"
                                                   "0\r\nStartFix\r\n" +
                                                   FormatPicture(start.Latitude, 1, 9) + "," +
                                                   FormatPicture(start.Longitude, 1, 9) + "\r\n"}};
    for (ExportFile& file : FieldFolderLines(lines, start)) files.push_back(std::move(file));
    return files;
}

bool IsFieldFolder(const std::filesystem::path& folder) {
    return Find(RealFiles(), folder, kFieldFile).has_value();
}

Result ReadFieldFolderTexts(std::string_view field, std::optional<std::string_view> tracks,
                            std::string_view lines, std::stop_token stop) {
    // Each line costs a view in memory: a file of nothing but line ends
    // would cost sixteen times its size.
    const std::string_view text = tracks ? *tracks : lines;
    if (std::count(text.begin(), text.end(), '\n') > static_cast<std::ptrdiff_t>(kMaxFieldLines))
        return Fail(
            "The field folder's lines file holds more lines than any field needs and is "
            "not read.");
    const auto start = FieldStartFix(field);
    if (!start)
        return Fail("The field folder's Field.txt holds no start fix that is a place on earth.");
    const FieldPlane plane(*start);
    ImportResult result;
    std::vector<std::string_view> split;
    Split(tracks ? *tracks : lines, split);
    if (tracks)
        ReadTracks(result, plane, split, stop);
    else
        ReadOldLines(result, plane, split);
    if (stop.stop_requested())
        return Fail(kStoppedText);
    return result;
}

Result ReadFieldFolder(const std::filesystem::path& folder, std::stop_token stop) {
    Files& disk = RealFiles();
    std::optional<std::string> texts[3];
    const char* names[] = {kFieldFile, kTracksFile, kOldLinesFile};
    std::uintmax_t budget = kMaxBytes;
    for (int i = 0; i < 3; ++i) {
        const auto file = Find(disk, folder, names[i]);
        if (!file)
            continue;
        const auto read = disk.Read(*file, budget);
        if (!read)
            return Fail(std::string("The field folder's ") + names[i] + " cannot be read. " +
                        PlainReason(read.Error(), Medium::Disk).English());
        if (!read->Whole)
            return Fail(std::string("The field folder's files are larger than ") + kMaxBytesText +
                        " and are not read.");
        budget -= read->Bytes.size();
        texts[i] = read->Bytes;
    }
    if (!texts[0])
        return Fail("The folder " + PathText(folder.filename()) + " holds no Field.txt.");
    if (!texts[1] && !texts[2])
        return Fail("The field folder holds no TrackLines.txt nor ABLines.txt.");
    return ReadFieldFolderTexts(
        *texts[0], texts[1] ? std::optional<std::string_view>(*texts[1]) : std::nullopt,
        texts[2] ? *texts[2] : std::string_view(), stop);
}

}  // namespace swathkit
