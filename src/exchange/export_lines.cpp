#include "exchange/export_lines.h"

#include <cmath>
#include <sstream>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include "core/number_text.h"
#include "core/version.h"
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

// Headings as the list shows them, but 360 written as 0 so that the value
// stays inside 0..360 exclusive.
std::string HeadingText(double heading) {
    std::string text = FormatPicture(heading, 1, 4);
    return text == "360.0000" ? "0.0000" : text;
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
            auto string = placemark.append_child("LineString");
            string.append_child("tessellate").text() = "1";
            const auto [back, ahead] = SegmentEnds(line);
            string.append_child("coordinates").text() =
                (KmlCoordinate(back) + " " + KmlCoordinate(line.Point) + " " + KmlCoordinate(ahead))
                    .c_str();
        } else {
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
            feature["geometry"] = {
                {"type", "LineString"},
                {"coordinates",
                 {LonLat(SegmentEnds(line)[0]), LonLat(line.Point), LonLat(SegmentEnds(line)[1])}}};
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

std::string DefaultExportName(ExportFormat format) {
    switch (format) {
        case ExportFormat::TaskData:
            return "TASKDATA.XML";
        case ExportFormat::Kml:
            return "lines.kml";
        case ExportFormat::GeoJson:
            return "lines.geojson";
    }
    return "lines.txt";
}

std::vector<std::string> ExportLimitations(ExportFormat format, bool straight) {
    std::vector<std::string> limits;
    switch (format) {
        case ExportFormat::TaskData:
            limits.push_back("Each field number is kept only as the name of its guidance pattern.");
            if (straight)
                limits.push_back(
                    "Each straight line is written as an A+ pattern: its point and "
                    "heading, with no B point.");
            else
                limits.push_back(
                    "Each circle track is written as a pivot pattern with its centre "
                    "only: the card holds no radius.");
            break;
        case ExportFormat::Kml:
            if (straight)
                limits.push_back(
                    "KML has no endless line: each straight line is written as a "
                    "segment 400 m long, 200 m either side of its point, with its "
                    "heading kept as extended data.");
            else
                limits.push_back(
                    "Each circle track is written as a point at its centre: the card "
                    "holds no radius.");
            limits.push_back("Heights are written as 0.");
            break;
        case ExportFormat::GeoJson:
            if (straight)
                limits.push_back(
                    "GeoJSON has no endless line: each straight line is written as a "
                    "segment 400 m long, 200 m either side of its point, with the point "
                    "and heading kept as properties.");
            else
                limits.push_back(
                    "Each circle track is written as a point at its centre: the card "
                    "holds no radius.");
            break;
    }
    return limits;
}

std::string ExportText(ExportFormat format, const CardImage& image, bool straight,
                       const std::string& name) {
    const std::vector<PlacedLine> lines = PlacedLines(image, straight);
    switch (format) {
        case ExportFormat::TaskData:
            return TaskDataText(lines, name);
        case ExportFormat::Kml:
            return KmlText(lines, name);
        case ExportFormat::GeoJson:
            return GeoJsonText(lines, name);
    }
    return {};
}

bool WriteExport(Files& disk, const fs::path& path, ExportFormat format, const CardImage& image,
                 bool straight, const std::string& name) {
    const std::string text = ExportText(format, image, straight, name);
    if (text.empty())
        return false;
    return disk.Replace(path, text);
}

}  // namespace swathkit
