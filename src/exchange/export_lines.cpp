#include "exchange/export_lines.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <sstream>

#include <zip.h>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "core/number_text.h"
#include "core/version.h"
#include "exchange/field_folder.h"
#include "geo/geo.h"

namespace swathkit {

namespace {

// TaskData designators are limited to 32 bytes.
constexpr std::size_t kDesignatorBytes = 32;

// Degrees to nine decimals, a tenth of a millimetre on the ground, never
// through the user's locale.
std::string DegreesText(double value) {
    return FormatPicture(value, 1, 9);
}

// Headings to nine decimals, so that a line read back points where it did;
// 360 is written as 0 so that the value stays inside 0..360 exclusive.
std::string HeadingText(double heading) {
    std::string text = FormatPicture(heading, 1, 9);
    return text == "360.000000000" ? "0.000000000" : text;
}

// Control characters are not allowed in XML 1.0 and would make the whole
// file unreadable; a name typed or pasted with one still exports.
std::string CleanName(const std::string& name) {
    std::string clean;
    for (unsigned char c : name) clean += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c);
    return clean;
}

// At most limit bytes, never cutting a UTF-8 sequence in half.
std::string Truncated(const std::string& text, std::size_t limit) {
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// What a file of lines can place: a latitude past a pole or a longitude past
// the antimeridian is a damaged card text, and would make the file invalid.
// The written segment of a straight line, cut where it crosses the
// antimeridian so that no piece spans the whole map: unwrapped into one
// continuous run of longitudes, each piece lies within one band of 360
// degrees and is shifted back into -180..180 by that band.
std::vector<std::vector<GeoPoint>> SegmentPieces(const PlacedLine& line) {
    const auto [back, ahead] = SegmentEnds(line);
    const GeoPoint points[] = {back, line.Point, ahead};
    // The band a longitude lies in; none on a band's edge, which belongs to
    // the piece on either side.
    auto bandOf = [](double longitude) -> std::optional<int> {
        const double band = (longitude + 180) / 360;
        if (band == std::floor(band))
            return std::nullopt;
        return static_cast<int>(std::floor(band));
    };
    std::vector<std::vector<GeoPoint>> pieces(1);
    std::vector<int> bands{0};
    std::optional<int> band;
    GeoPoint last = points[0];
    for (std::size_t i = 0; i < std::size(points); ++i) {
        GeoPoint p = points[i];
        if (i > 0)
            p.Longitude =
                last.Longitude + std::remainder(p.Longitude - points[i - 1].Longitude, 360);
        const std::optional<int> here = bandOf(p.Longitude);
        if (here && band && *here != *band) {
            const double edge = 360.0 * std::max(*here, *band) - 180;
            GeoPoint cut = last;
            if (last.Longitude != edge) {
                const double t = (edge - last.Longitude) / (p.Longitude - last.Longitude);
                cut = {last.Latitude + t * (p.Latitude - last.Latitude), edge};
                pieces.back().push_back(cut);
            }
            pieces.push_back({cut});
            bands.push_back(*here);
        } else if (here && !band) {
            bands.back() = *here;
        }
        if (here)
            band = here;
        pieces.back().push_back(p);
        last = p;
    }
    for (std::size_t k = 0; k < pieces.size(); ++k)
        for (GeoPoint& p : pieces[k]) p.Longitude -= 360.0 * bands[k];
    return pieces;
}

void Declare(pugi::xml_document& doc) {
    auto decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
}

std::string XmlText(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

std::string TaskDataText(const std::vector<PlacedLine>& lines, const std::string& name) {
    const std::string designator = Truncated(CleanName(name), kDesignatorBytes);
    pugi::xml_document doc;
    Declare(doc);

    auto root = doc.append_child("ISO11783_TaskData");
    root.append_attribute("VersionMajor") = "4";
    root.append_attribute("VersionMinor") = "3";
    root.append_attribute("ManagementSoftwareManufacturer") = kProgramName;
    root.append_attribute("ManagementSoftwareVersion") = kProgramVersion;
    root.append_attribute("DataTransferOrigin") = "1";  // from the office

    auto field = root.append_child("PFD");
    field.append_attribute("A") = "PFD1";
    field.append_attribute("C") = designator.c_str();
    field.append_attribute("D") = "0";  // area unknown

    auto group = field.append_child("GGP");
    group.append_attribute("A") = "GGP1";
    group.append_attribute("B") = designator.c_str();

    int id = 0;
    for (const PlacedLine& line : lines) {
        ++id;
        auto pattern = group.append_child("GPN");
        pattern.append_attribute("A") = ("GPN" + std::to_string(id)).c_str();
        pattern.append_attribute("B") = std::to_string(line.Field).c_str();
        pattern.append_attribute("C") = line.Straight ? "2" : "4";  // A+ or pivot
        if (line.Straight)
            pattern.append_attribute("G") = HeadingText(line.Heading).c_str();
        auto string = pattern.append_child("LSG");
        string.append_attribute("A") = "5";  // guidance pattern
        auto point = string.append_child("PNT");
        point.append_attribute("A") = line.Straight ? "6" : "8";  // A point, centre
        point.append_attribute("C") = DegreesText(line.Point.Latitude).c_str();
        point.append_attribute("D") = DegreesText(line.Point.Longitude).c_str();
    }
    return XmlText(doc);
}

std::string KmlCoordinate(GeoPoint p) {
    return DegreesText(p.Longitude) + "," + DegreesText(p.Latitude) + ",0";
}

std::string KmlText(const std::vector<PlacedLine>& lines, const std::string& name) {
    pugi::xml_document doc;
    Declare(doc);
    auto kml = doc.append_child("kml");
    kml.append_attribute("xmlns") = "http://www.opengis.net/kml/2.2";
    auto document = kml.append_child("Document");
    document.append_child("name").text() = CleanName(name).c_str();

    for (const PlacedLine& line : lines) {
        auto placemark = document.append_child("Placemark");
        placemark.append_child("name").text() = std::to_string(line.Field).c_str();
        if (line.Straight) {
            // The heading has no place in a KML geometry; it goes along as
            // data so that the line can be read back exactly.
            auto data = placemark.append_child("ExtendedData").append_child("Data");
            data.append_attribute("name") = "heading";
            data.append_child("value").text() = HeadingText(line.Heading).c_str();
            const auto pieces = SegmentPieces(line);
            auto geometry = pieces.size() > 1 ? placemark.append_child("MultiGeometry") : placemark;
            for (const std::vector<GeoPoint>& piece : pieces) {
                auto string = geometry.append_child("LineString");
                string.append_child("tessellate").text() = "1";
                std::string coordinates;
                for (const GeoPoint& p : piece)
                    coordinates += (coordinates.empty() ? "" : " ") + KmlCoordinate(p);
                string.append_child("coordinates").text() = coordinates.c_str();
            }
        } else {
            // Said, so that a reader can tell a pivot from any pin on a map.
            auto data = placemark.append_child("ExtendedData").append_child("Data");
            data.append_attribute("name") = "kind";
            data.append_child("value").text() = "circle";
            placemark.append_child("Point").append_child("coordinates").text() =
                KmlCoordinate(line.Point).c_str();
        }
    }
    return XmlText(doc);
}

nlohmann::json LonLat(GeoPoint p) {
    return nlohmann::json::array({p.Longitude, p.Latitude});
}

std::string GeoJsonText(const std::vector<PlacedLine>& lines, const std::string& name) {
    nlohmann::json features = nlohmann::json::array();
    for (const PlacedLine& line : lines) {
        nlohmann::json feature = {{"type", "Feature"}};
        nlohmann::json properties = {{"field", line.Field},
                                     {"kind", line.Straight ? "straight" : "circle"}};
        if (line.Straight) {
            properties["heading"] = line.Heading;
            properties["point"] = LonLat(line.Point);
            // RFC 7946 3.1.9: a line across the antimeridian is cut in two.
            nlohmann::json pieces = nlohmann::json::array();
            for (const std::vector<GeoPoint>& piece : SegmentPieces(line)) {
                nlohmann::json coordinates = nlohmann::json::array();
                for (const GeoPoint& p : piece) coordinates.push_back(LonLat(p));
                pieces.push_back(std::move(coordinates));
            }
            feature["geometry"] =
                pieces.size() > 1
                    ? nlohmann::json{{"type", "MultiLineString"}, {"coordinates", pieces}}
                    : nlohmann::json{{"type", "LineString"}, {"coordinates", pieces[0]}};
        } else {
            properties["heading"] = nullptr;
            feature["geometry"] = {{"type", "Point"}, {"coordinates", LonLat(line.Point)}};
        }
        feature["properties"] = std::move(properties);
        features.push_back(std::move(feature));
    }
    nlohmann::json collection = {{"type", "FeatureCollection"},
                                 {"name", CleanName(name)},
                                 {"features", std::move(features)}};
    // Names are the operator's text and may not be valid UTF-8; replace the
    // bad bytes rather than refuse to write.
    return collection.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string ZipOf(const std::string& name, const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* out = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_error_fini(&error);
    if (!out)
        return {};
    zip_source_keep(out);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(out, zip_source_free);
    zip_t* archive = zip_open_from_source(out, ZIP_TRUNCATE, nullptr);
    if (!archive)
        return {};
    zip_source_t* entry = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!entry || zip_file_add(archive, name.c_str(), entry, ZIP_FL_ENC_UTF_8) < 0) {
        if (entry)
            zip_source_free(entry);
        zip_discard(archive);
        return {};
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return {};
    }
    zip_stat_t stat;
    if (zip_source_stat(out, &stat) != 0 || zip_source_open(out) != 0)
        return {};
    std::string zipped(static_cast<std::size_t>(stat.size), '\0');
    const zip_int64_t got = zip_source_read(out, zipped.data(), zipped.size());
    zip_source_close(out);
    return got == static_cast<zip_int64_t>(zipped.size()) ? zipped : std::string();
}

namespace {

std::vector<ExportFile> One(std::string bytes) {
    std::vector<ExportFile> files(1);
    files[0].Bytes = std::move(bytes);
    return files;
}

const char* const kNoRadius =
    SAY("Each circle track is written as a point at its centre: the card holds no radius.");

std::vector<Words> TaskDataLimits(bool straight) {
    return {SAY("Each field number is kept only as the name of its guidance pattern."),
            straight ? SAY("Each straight line is written as an A+ pattern: its point and "
                           "heading, with no B point.")
                     : SAY("Each circle track is written as a pivot pattern with its centre "
                           "only: the card holds no radius.")};
}

std::vector<Words> KmlLimits(bool straight) {
    return {straight ? SAY("KML has no endless line: each straight line is written as a segment "
                           "400 m long, 200 m either side of its point, with its heading kept as "
                           "extended data.")
                     : kNoRadius,
            SAY("Heights are written as 0.")};
}

std::vector<Words> GeoJsonLimits(bool straight) {
    return {straight ? SAY("GeoJSON has no endless line: each straight line is written as a "
                           "segment 400 m long, 200 m either side of its point, with the point "
                           "and heading kept as properties.")
                     : kNoRadius};
}

const std::vector<ExportEntry> kFormats = {
    {ExportFormat::TaskData, "taskdata", "ISO 11783 TaskData (TASKDATA.XML)", "TASKDATA.XML", false,
     TaskDataLimits,
     [](const std::vector<PlacedLine>& lines, const std::string& name) {
         return One(TaskDataText(lines, name));
     }},
    {ExportFormat::Kml, "kml", SAY("KML (Google Earth and most map programs)"), "lines.kml", false,
     KmlLimits,
     [](const std::vector<PlacedLine>& lines, const std::string& name) {
         return One(KmlText(lines, name));
     }},
    {ExportFormat::GeoJson, "geojson", "GeoJSON", "lines.geojson", false, GeoJsonLimits,
     [](const std::vector<PlacedLine>& lines, const std::string& name) {
         return One(GeoJsonText(lines, name));
     }},
    {ExportFormat::Kmz, "kmz", SAY("KMZ (KML zipped)"), "lines.kmz", false, KmlLimits,
     [](const std::vector<PlacedLine>& lines, const std::string& name) {
         // The document is doc.kml, the first entry, as map programs expect.
         return One(ZipOf("doc.kml", KmlText(lines, name)));
     }},
    {ExportFormat::FieldFolder, "agopengps", SAY("AgOpenGPS field folder"), "Card lines", true,
     FieldFolderLimits, FieldFolderFiles},
};

}  // namespace

const std::vector<ExportEntry>& ExportFormats() {
    return kFormats;
}

const ExportEntry& ExportFormatEntry(ExportFormat format) {
    for (const ExportEntry& entry : kFormats)
        if (entry.Format == format)
            return entry;
    return kFormats.front();
}

std::string DefaultExportName(ExportFormat format) {
    return ExportFormatEntry(format).DefaultName;
}

std::vector<Words> ExportLimitations(ExportFormat format, bool straight) {
    return ExportFormatEntry(format).Limitations(straight);
}

std::vector<ExportFile> ExportFiles(ExportFormat format, const CardImage& image, bool straight,
                                    const std::string& name) {
    std::vector<PlacedLine> lines = PlacedLines(image, straight);
    std::erase_if(lines, [](const PlacedLine& line) { return !OnEarth(line.Point); });
    return ExportFormatEntry(format).Write(lines, name);
}

std::string ExportText(ExportFormat format, const CardImage& image, bool straight,
                       const std::string& name) {
    const std::vector<ExportFile> files = ExportFiles(format, image, straight, name);
    return files.empty() ? std::string() : files.front().Bytes;
}

namespace {

// TASKDATA.XML for a TaskData asked for under any spelling of that name.
fs::path ExportTarget(const fs::path& path, ExportFormat format) {
    if (format == ExportFormat::TaskData &&
        AsciiLower(PathText(path.filename())) == AsciiLower(DefaultExportName(format)))
        return path.parent_path() / DefaultExportName(format);
    return path;
}

// A TASKDATA.XML beside target spelled otherwise, which a terminal would
// take for it; an empty path when there is none or target is another file,
// nothing when the folder cannot be listed.
std::optional<fs::path> OtherTaskData(Files& disk, const fs::path& target, ExportFormat format) {
    if (format != ExportFormat::TaskData || target.filename() != DefaultExportName(format))
        return fs::path();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const auto entries = disk.List(folder);
    if (!entries)
        return std::nullopt;
    for (const fs::path& entry : *entries)
        if (entry.filename() != target.filename() &&
            AsciiLower(PathText(entry.filename())) == AsciiLower(PathText(target.filename())))
            return target.parent_path() / entry.filename();
    return fs::path();
}

// Replaces the file at exactly its own spelling. Where the folder holds the
// TaskData under another (taskdata.xml), a replace on a case-insensitive
// disk would keep that spelling: the old file is set aside, the new one
// written, and the old one put back if that fails.
FileResult ReplaceSpelledAs(Files& disk, const fs::path& path, ExportFormat format,
                            const std::string& text) {
    const auto other = OtherTaskData(disk, path, format);
    if (!other)
        return MakeFileError(make_error_code(std::errc::io_error), "list", path.parent_path());
    if (other->empty())
        return disk.ReplaceExactly(path, text);
    const fs::path existing = *other;
    fs::path aside = path;
    aside += ".swathkit-old";
    FileResult step = disk.Copy(existing, aside);
    if (step)
        step = disk.Remove(existing);
    if (!step) {
        disk.Remove(aside);
        return step;
    }
    FileResult written = disk.ReplaceExactly(path, text);
    if (written) {
        disk.Remove(aside);
        return written;
    }
    // A replace that failed only at the last flush has already put the new
    // file in place; the old one goes back under its own name alone.
    if (disk.Exists(path))
        disk.Remove(path);
    if (disk.Copy(aside, existing))
        disk.Remove(aside);
    return written;
}

}  // namespace

std::optional<fs::path> ExportReplaces(Files& disk, const fs::path& path, ExportFormat format) {
    const ExportEntry& entry = ExportFormatEntry(format);
    if (entry.Folder) {
        if (!disk.IsFolder(path))
            return std::nullopt;
        // A field that is there keeps its start fix: only the line files change.
        for (const ExportFile& file : FieldFolderLines({}, {}))
            if (disk.Exists(path / file.Name))
                return ExistingSpelling(disk, path / file.Name);
        return std::nullopt;
    }
    const fs::path target = ExportTarget(path, format);
    // On a disk that does not tell case apart the file is there under any
    // spelling; the listing says which.
    if (disk.Exists(target))
        return ExistingSpelling(disk, target);
    const auto other = OtherTaskData(disk, target, format);
    return other && !other->empty() ? other : std::nullopt;
}

namespace {

// A field folder is made when it is not there. One that is there keeps its
// Field.txt: its boundary and coverage are held around that start fix, so
// the lines are written around it too.
FileResult WriteFolder(Files& disk, const fs::path& folder, const std::vector<PlacedLine>& lines,
                       const std::string& name) {
    std::vector<ExportFile> files;
    if (disk.IsFolder(folder)) {
        const auto field = disk.Read(folder / kFieldFile, kFieldFileLimit);
        const auto start = field ? FieldStartFix(field->Bytes) : std::nullopt;
        files = start ? FieldFolderLines(lines, *start) : FieldFolderFiles(lines, name);
    } else {
        if (FileResult made = disk.MakeFolder(folder); !made)
            return made;
        files = FieldFolderFiles(lines, name);
    }
    for (const ExportFile& file : files)
        if (FileResult written = disk.Replace(folder / file.Name, file.Bytes); !written)
            return written;
    return {};
}

}  // namespace

ExportResult WriteExport(Files& disk, const fs::path& path, ExportFormat format,
                         const CardImage& image, bool straight, const std::string& name) {
    ExportResult result;
    result.File = ExportTarget(path, format);
    std::vector<PlacedLine> lines;
    for (const PlacedLine& line : PlacedLines(image, straight)) {
        if (OnEarth(line.Point))
            lines.push_back(line);
        else
            result.LeftOut.push_back(line.Field);
    }
    result.Passes = lines.size();
    if (result.Passes == 0)
        return result;
    const ExportEntry& entry = ExportFormatEntry(format);
    FileResult written;
    if (entry.Folder) {
        written = WriteFolder(disk, result.File, lines, name);
    } else {
        const std::vector<ExportFile> files = entry.Write(lines, name);
        if (files.size() != 1 || files[0].Bytes.empty())
            return result;
        written = ReplaceSpelledAs(disk, result.File, format, files[0].Bytes);
    }
    result.Written = written;
    if (!written)
        result.Failure = written.Error();
    return result;
}

Words LeftOutText(const std::vector<int>& fields) {
    if (fields.empty())
        return {};
    if (fields.size() == 1)
        return Words{SAY("Field %1 was left out: its coordinates are not a place on earth."),
                     {std::to_string(fields[0])}};
    std::vector<Words> numbers;
    for (int field : fields) numbers.push_back(std::to_string(field));
    return Words{SAY("Fields %1 were left out: their coordinates are not a place on earth."),
                 {ListWords(numbers)}};
}

}  // namespace swathkit
