#include "exchange/import_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>

#include <zip.h>

#include "core/files.h"
#include "exchange/field_folder.h"
#include "exchange/import_support.h"

namespace swathkit {

namespace fs = std::filesystem;

namespace {

// Why a line stays out, as the preview's Why column says it. Kept out of
// import_detail so that the translation tool files them with every other
// text of the logic.
constexpr const char* kOffEarth = SAY("coordinates out of range");
constexpr const char* kNoHeading = SAY("no heading");
constexpr const char* kNoPoint = SAY("no point");
constexpr const char* kNoDirection = SAY("no direction");
constexpr const char* kClosedPath = SAY("a closed path: it ends where it starts");
constexpr const char* kCurve = SAY("a curve: its points stray up to %1 m from a straight line");
constexpr const char* kNoBPoint = SAY("no B point");
constexpr const char* kNothingDrawn = SAY("no line or point");

// Why a file of XML is not read.
constexpr const char* kTooManyElements =
    SAY("The %1 holds more elements than any file of lines of its size and is not read.");
constexpr const char* kNotXml = SAY("The %1 is not readable XML (%2 at byte %3).");
constexpr const char* kTooDeep = SAY("The %1 is nested more than %2 levels deep and is not read.");

}  // namespace

namespace import_detail {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    // from_chars takes a minus but not a plus.
    if (text.starts_with('+'))
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

int FieldFromName(std::string_view name) {
    name = Trimmed(name);
    int field = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), field);
    if (name.empty() || error != std::errc() || end != name.data() + name.size() || field < 6 ||
        field > 250)
        return 0;
    return field;
}

double CompassDegrees(double degrees) {
    const double compass = std::fmod(std::fmod(degrees, 360.0) + 360, 360.0);
    return compass >= 360 ? 0 : compass;
}

void AddLine(ImportResult& result, std::string name, bool straight, GeoPoint point, double heading,
             std::optional<int> field, bool ticked) {
    if (!OnEarth(point))
        return Skip(result, std::move(name), kOffEarth);
    if (straight && !std::isfinite(heading))
        return Skip(result, std::move(name), kNoHeading);
    if (result.Lines.size() >= kMaxImportLines) {
        result.MoreLines = true;
        return;
    }
    ImportedLine line;
    line.Field = field ? *field : FieldFromName(name);
    line.Name = std::move(name);
    line.Straight = straight;
    line.Point = point;
    line.Heading = straight ? CompassDegrees(heading) : 0;
    line.Ticked = ticked;
    result.Lines.push_back(std::move(line));
}

void Skip(ImportResult& result, std::string name, Words reason) {
    if (result.Skipped.size() >= kMaxLeftOutRows) {
        result.MoreLeftOut = true;
        return;
    }
    result.Skipped.push_back({std::move(name), std::move(reason)});
}

namespace {

// A distance in metres as the operator reads it, in the same form in every
// language: centimetres below a metre, whole metres with thousands apart
// from ten metres up.
std::string MetresText(double metres) {
    if (metres >= 10) {
        std::string digits = std::to_string(std::llround(metres));
        for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
            digits.insert(static_cast<std::size_t>(at), ",");
        return digits;
    }
    const int decimals = metres < 1 ? 2 : 1;
    const long long scaled = std::llround(metres * (decimals == 2 ? 100 : 10));
    std::string digits = std::to_string(scaled);
    digits.insert(
        0, static_cast<std::size_t>(std::max(0, decimals + 1 - static_cast<int>(digits.size()))),
        '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return digits;
}

// How far the points lie, at most, from the endless geodesic through from
// in the direction heading: each one's distance from `from` times the sine
// of the angle between its own direction and that one. Off by a part in
// ten million at a farm's size.
double Stray(const std::vector<GeoPoint>& points, GeoPoint from, double heading) {
    double most = 0;
    for (const GeoPoint& p : points) {
        const double away = DistanceMetres(from, p);
        if (away > 0)
            most = std::max(most, std::fabs(away * std::sin((BearingDegrees(from, p) - heading) *
                                                            std::numbers::pi / 180)));
    }
    return most;
}

bool MeetAtAntimeridian(const std::vector<GeoPoint>& before, const std::vector<GeoPoint>& after) {
    return !before.empty() && !after.empty() && std::fabs(before.back().Longitude) == 180 &&
           std::fabs(after.front().Longitude) == 180 &&
           std::fabs(before.back().Latitude - after.front().Latitude) < 1e-9;
}

}  // namespace

void AddDrawnLine(ImportResult& result, std::string name, const std::vector<GeoPoint>& points,
                  std::optional<GeoPoint> point, std::optional<double> heading,
                  std::optional<int> field) {
    if (points.empty() && !point)
        return Skip(result, std::move(name), kNoPoint);
    if (!std::all_of(points.begin(), points.end(), OnEarth))
        return Skip(result, std::move(name), kOffEarth);
    if (!point)
        point = points.front();
    if (points.size() >= 2) {
        const GeoPoint first = points.front(), last = points.back();
        const bool moves = std::any_of(points.begin(), points.end(),
                                       [&](GeoPoint p) { return DistanceMetres(first, p) > 0; });
        if (!moves)
            return Skip(result, std::move(name), kNoDirection);
        if (DistanceMetres(first, last) == 0)
            return Skip(result, std::move(name), kClosedPath);
        const double way = BearingDegrees(first, last);
        const double stray = Stray(points, first, way);
        if (stray > kStraightToleranceMetres)
            return Skip(result, std::move(name), Words{kCurve, {MetresText(stray)}});
        if (!heading)
            heading = way;
    }
    if (!heading)
        return Skip(result, std::move(name), kNoBPoint);
    AddLine(result, std::move(name), true, *point, *heading, field);
}

std::vector<DrawnPart> JoinedAtAntimeridian(std::vector<DrawnPart> parts) {
    std::vector<DrawnPart> joined;
    for (DrawnPart& part : parts) {
        if (part.What == DrawnPart::Kind::Line && !joined.empty() &&
            joined.back().What == DrawnPart::Kind::Line &&
            MeetAtAntimeridian(joined.back().Points, part.Points))
            joined.back().Points.insert(joined.back().Points.end(), part.Points.begin(),
                                        part.Points.end());
        else
            joined.push_back(std::move(part));
    }
    return joined;
}

void AddParts(ImportResult& result, const std::string& name, const std::vector<DrawnPart>& parts,
              std::optional<GeoPoint> point, std::optional<double> heading,
              std::optional<int> field, bool pivots) {
    if (parts.empty())
        return Skip(result, name, kNothingDrawn);
    const bool one = std::count_if(parts.begin(), parts.end(), [](const DrawnPart& part) {
                         return part.What == DrawnPart::Kind::Line;
                     }) == 1;
    for (const DrawnPart& part : parts) {
        switch (part.What) {
            case DrawnPart::Kind::Line:
                AddDrawnLine(result, name, part.Points, one ? point : std::nullopt,
                             one ? heading : std::nullopt, field);
                break;
            case DrawnPart::Kind::Point:
                if (part.Points.empty())
                    Skip(result, name, kNoPoint);
                else
                    AddLine(result, name, false, part.Points.front(), 0, field, pivots);
                break;
            case DrawnPart::Kind::LeftOut:
                Skip(result, name, part.Reason);
                break;
        }
    }
}

namespace {

// What the tree of the XML being parsed on this thread may still take; the
// exports parse nothing and build their trees unbounded.
constexpr std::size_t kUnbounded = std::numeric_limits<std::size_t>::max();
thread_local std::size_t treeBytesLeft = kUnbounded;

void* AllocateTree(std::size_t size) {
    if (treeBytesLeft != kUnbounded) {
        if (size > treeBytesLeft)
            return nullptr;
        treeBytesLeft -= size;
    }
    return std::malloc(size);
}

void FreeTree(void* block) {
    std::free(block);
}

// pugixml builds the tree without recursion and walks it the same way, so
// the depth is measured after the parse.
struct DepthCheck : pugi::xml_tree_walker {
    bool tooDeep = false;
    bool for_each(pugi::xml_node&) override {
        tooDeep = depth() >= kMaxDepth;
        return !tooDeep;
    }
};

}  // namespace

std::optional<ImportFailure> ParseXml(pugi::xml_document& doc, std::string& text,
                                      const Words& what) {
    // The same malloc and free as pugixml's own, so that trees built before
    // this are freed alike.
    static std::once_flag counted;
    std::call_once(counted, [] { pugi::set_memory_management_functions(AllocateTree, FreeTree); });
    // Entities come only from the five XML predefines: pugixml never loads a
    // DTD or anything outside the text.
    treeBytesLeft = kTreeBytesPerByte * text.size() + kTreeBytesExtra;
    const pugi::xml_parse_result parsed = doc.load_buffer_inplace(text.data(), text.size());
    treeBytesLeft = kUnbounded;
    if (parsed.status == pugi::status_out_of_memory)
        return Fail(Words{kTooManyElements, {what}});
    if (!parsed)
        return Fail(Words{kNotXml, {what, parsed.description(), std::to_string(parsed.offset)}});
    DepthCheck check;
    doc.traverse(check);
    if (check.tooDeep)
        return Fail(Words{kTooDeep, {what, std::to_string(kMaxDepth)}});
    return std::nullopt;
}

std::string_view LocalName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const auto colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

}  // namespace import_detail

using namespace import_detail;

namespace {

// The whole file, its size checked against what is left of the budget
// before a byte is read.
std::variant<std::string, ImportFailure> ReadWhole(const fs::path& path, std::uintmax_t& budget) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return Fail(Words{SAY("The file %1 cannot be read: %2."),
                          {PathText(path.filename()), error.message()}});
    if (size > budget)
        return Fail(Words{budget < kMaxBytes
                              ? SAY("The file %1 is larger than %2 together with "
                                    "the TaskData's other files and is not read.")
                              : SAY("The file %1 is larger than %2 and is not read."),
                          {PathText(path.filename()), kMaxBytesText}});
    std::ifstream in(path, std::ios::binary);
    std::string bytes(size, '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
        return Fail(Words{SAY("The file %1 cannot be read."), {PathText(path.filename())}});
    budget -= size;
    return bytes;
}

FoundFile Found(std::variant<std::string, ImportFailure> read) {
    if (auto* failure = std::get_if<ImportFailure>(&read))
        return *failure;
    return std::optional<std::string>(std::move(std::get<std::string>(read)));
}

// The name of the entry in folder spelt like name but for case, if any:
// terminals write capitals, people and other programs not always.
std::optional<fs::path> FindInFolder(const fs::path& folder, const std::string& name) {
    std::error_code error;
    if (fs::is_regular_file(folder / name, error))
        return folder / name;
    const std::string wanted = AsciiLower(name);
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (AsciiLower(PathText(it->path().filename())) == wanted && it->is_regular_file(error))
            return it->path();
    return std::nullopt;
}

// Further files from the TaskData's own folder, within what is left of the
// budget.
ExternalFile FromFolder(const fs::path& folder, std::uintmax_t& budget) {
    return [folder, &budget](const std::string& name) {
        const auto file = FindInFolder(folder, name);
        return file ? Found(ReadWhole(*file, budget)) : FoundFile(std::nullopt);
    };
}

Result ReadTaskDataFile(const fs::path& path, const std::stop_token& stop) {
    std::uintmax_t budget = kMaxBytes;
    auto text = ReadWhole(path, budget);
    if (auto* failure = std::get_if<ImportFailure>(&text))
        return *failure;
    return ReadTaskDataWith(std::move(std::get<std::string>(text)),
                            FromFolder(path.parent_path(), budget), stop);
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// One entry unpacked within the budget, stopping as soon as it passes what
// it declared: a crafted zip may declare anything.
std::variant<std::string, ImportFailure> Unpack(zip_t* archive, zip_uint64_t index,
                                                std::uintmax_t& budget,
                                                const std::stop_token& stop) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
        return Fail(SAY("The zip is damaged: an entry's size cannot be read."));
    if (stat.size > budget)
        return Fail(
            Words{SAY("The zip unpacks to more than %1 and is not read."), {kMaxBytesText}});
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file)
        return Fail(Words{SAY("The zip's entry %1 cannot be unpacked: %2."),
                          {std::string(stat.valid & ZIP_STAT_NAME ? stat.name : ""),
                           std::string(zip_strerror(archive))}});
    std::string bytes;
    char chunk[1 << 16];
    for (;;) {
        if (stop.stop_requested())
            return Fail(kStoppedText);
        const zip_int64_t got = zip_fread(file.get(), chunk, sizeof chunk);
        if (got < 0)
            return Fail(Words{SAY("The zip is damaged: %1."),
                              {std::string(zip_file_strerror(file.get()))}});
        if (got == 0)
            break;
        if (bytes.size() + static_cast<std::uint64_t>(got) > stat.size)
            return Fail(SAY("The zip is damaged: an entry unpacks to more than it declares."));
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    budget -= bytes.size();
    return bytes;
}

}  // namespace

namespace {

// A zip in memory and its entries by their lower-case names; names that
// climb out of the archive or start at a root are never looked at.
struct OpenZip {
    std::unique_ptr<zip_t, ZipCloser> Archive;
    std::map<std::string, zip_uint64_t> Entries;
};

std::variant<OpenZip, ImportFailure> Opened(const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    OpenZip zip;
    zip.Archive.reset(source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr);
    if (!zip.Archive) {
        if (source)
            zip_source_free(source);
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        return Fail(Words{SAY("The file is not a readable zip archive (%1)."), {why}});
    }
    zip_error_fini(&error);
    const zip_int64_t count = zip_get_num_entries(zip.Archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* raw = zip_get_name(zip.Archive.get(), static_cast<zip_uint64_t>(i), 0);
        if (!raw)
            continue;
        // Zips made on Windows may part folders with backslashes.
        std::string name = AsciiLower(raw);
        std::replace(name.begin(), name.end(), '\\', '/');
        if (name.empty() || name[0] == '/' || name.find(':') != std::string::npos ||
            ("/" + name + "/").find("/../") != std::string::npos)
            continue;
        zip.Entries.emplace(name, static_cast<zip_uint64_t>(i));
    }
    return zip;
}

// The shallowest entry that wanted takes, the first by name among equals.
std::optional<std::string> Shallowest(const OpenZip& zip,
                                      const std::function<bool(const std::string&)>& wanted) {
    std::optional<std::string> found;
    for (const auto& [name, index] : zip.Entries)
        if (wanted(name) && (!found || std::count(name.begin(), name.end(), '/') <
                                           std::count(found->begin(), found->end(), '/')))
            found = name;
    return found;
}

}  // namespace

Result ReadTaskDataZip(const std::string& bytes, std::stop_token stop) {
    auto opened = Opened(bytes);
    if (auto* failure = std::get_if<ImportFailure>(&opened))
        return *failure;
    OpenZip& zip = std::get<OpenZip>(opened);
    // The shallowest TASKDATA.XML is the one a terminal would take.
    const std::optional<std::string> main = Shallowest(zip, [](const std::string& name) {
        return name == "taskdata.xml" || name.ends_with("/taskdata.xml");
    });
    if (!main)
        return Fail(SAY("The zip holds no TASKDATA.XML."));

    std::uintmax_t budget = kMaxBytes;
    auto text = Unpack(zip.Archive.get(), zip.Entries.at(*main), budget, stop);
    if (auto* failure = std::get_if<ImportFailure>(&text))
        return *failure;
    const std::string folder = main->substr(0, main->size() - std::string("taskdata.xml").size());
    return ReadTaskDataWith(
        std::move(std::get<std::string>(text)),
        [&](const std::string& name) {
            const auto entry = zip.Entries.find(folder + AsciiLower(name));
            return entry != zip.Entries.end()
                       ? Found(Unpack(zip.Archive.get(), entry->second, budget, stop))
                       : FoundFile(std::nullopt);
        },
        stop);
}

Result ReadKmz(const std::string& bytes, std::stop_token stop) {
    auto opened = Opened(bytes);
    if (auto* failure = std::get_if<ImportFailure>(&opened))
        return *failure;
    OpenZip& zip = std::get<OpenZip>(opened);
    // doc.kml by custom; writers that name it otherwise put it at the top.
    std::optional<std::string> kml =
        zip.Entries.contains("doc.kml")
            ? std::optional<std::string>("doc.kml")
            : Shallowest(zip, [](const std::string& name) { return name.ends_with(".kml"); });
    if (!kml)
        return Fail(SAY("The KMZ holds no KML file."));
    std::uintmax_t budget = kMaxBytes;
    auto text = Unpack(zip.Archive.get(), zip.Entries.at(*kml), budget, stop);
    if (auto* failure = std::get_if<ImportFailure>(&text))
        return *failure;
    return ReadKmlText(std::move(std::get<std::string>(text)), stop);
}

Result ReadTaskData(const std::string& xml, const fs::path& folder, std::stop_token stop) {
    std::uintmax_t budget = kMaxBytes > xml.size() ? kMaxBytes - xml.size() : 0;
    if (folder.empty())
        return ReadTaskDataWith(
            xml, [](const std::string&) { return FoundFile(std::nullopt); }, stop);
    return ReadTaskDataWith(xml, FromFolder(folder, budget), stop);
}

Result ReadKml(const std::string& text, std::stop_token stop) {
    return ReadKmlText(text, stop);
}

std::vector<Words> ImportNotes(const ImportResult& result) {
    std::vector<Words> notes;
    if (result.MoreLines)
        notes.push_back(
            SAY("The file holds more than 100,000 lines; the first 100,000 are shown."));
    if (result.MoreLeftOut)
        notes.push_back(LeftOutNote());
    return notes;
}

Words LeftOutNote() {
    return SAY("More than 1,000 things in the file will not come in; the first 1,000 are listed.");
}

Result ReadImportFile(const fs::path& path, std::stop_token stop) {
    if (AsciiLower(PathText(path.extension())) == ".kmz") {
        std::uintmax_t budget = kMaxBytes;
        auto bytes = ReadWhole(path, budget);
        if (auto* failure = std::get_if<ImportFailure>(&bytes))
            return *failure;
        return ReadKmz(std::get<std::string>(bytes), stop);
    }
    std::error_code error;
    if (fs::is_directory(path, error)) {
        if (IsFieldFolder(path))
            return ReadFieldFolder(path, stop);
        if (const auto main = FindInFolder(path, "TASKDATA.XML"))
            return ReadTaskDataFile(*main, stop);
        return Fail(
            Words{SAY("The folder %1 holds no TASKDATA.XML."), {PathText(path.filename())}});
    }
    const std::string extension = AsciiLower(PathText(path.extension()));
    const std::string name = AsciiLower(PathText(path.filename()));
    if (name == "field.txt" || name == "tracklines.txt" || name == "ablines.txt")
        return ReadFieldFolder(path.parent_path(), stop);
    if (extension == ".xml")
        return ReadTaskDataFile(path, stop);
    if (extension != ".zip" && extension != ".kml" && extension != ".geojson" &&
        extension != ".json")
        return Fail(
            SAY("Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and "
                "AgOpenGPS field folders, can be read."));
    std::uintmax_t budget = kMaxBytes;
    auto bytes = ReadWhole(path, budget);
    if (auto* failure = std::get_if<ImportFailure>(&bytes))
        return *failure;
    std::string& text = std::get<std::string>(bytes);
    if (extension == ".zip")
        return ReadTaskDataZip(text, stop);
    if (extension == ".kml")
        return ReadKmlText(std::move(text), stop);
    return ReadGeoJson(text, stop);
}

}  // namespace swathkit
