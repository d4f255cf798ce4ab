// The three export formats, read back with the libraries that wrote them,
// and their files written like every other file of lines.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <sstream>

#include "core/number_text.h"
#include "exchange/export_lines.h"
#include "geo/geo.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

// Two straight lines in the southern and western hemispheres, so that signs
// and the lon/lat order are both tested.
CardImage Lines() {
    CardImage image = ImageWith({{12, "+0000000000041.50000000"}, {77, "-0000000000033.12345678"}});
    image.Line(77).Longitude = "+0000000000151.98765432";
    image.Line(77).HeadingNorth = "+0000000000000.00000000";
    image.Line(77).HeadingEast = "+0000000000003.00000000";  // due east
    return image;
}

// The named attributes of a node, each followed by '|', "-" for a missing one.
std::string Attrs(const pugi::xml_node& node, std::initializer_list<const char*> names) {
    std::string text;
    for (const char* name : names)
        text += std::string(node.attribute(name) ? node.attribute(name).value() : "-") + "|";
    return text;
}

TEST(Export, TaskDataHoldsOneGuidanceGroupOfPatterns) {
    const std::string text = ExportText(ExportFormat::TaskData, Lines(), true, "North farm");
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(text.c_str())) << text;
    const pugi::xml_node root = doc.child("ISO11783_TaskData");
    EXPECT_EQ(Attrs(root, {"VersionMajor", "DataTransferOrigin"}), "4|1|");
    EXPECT_TRUE(root.attribute("VersionMinor"));
    const pugi::xml_node field = root.child("PFD");
    EXPECT_EQ(Attrs(field, {"A", "C"}), "PFD1|North farm|");
    ASSERT_EQ(std::distance(field.children("GGP").begin(), field.children("GGP").end()), 1);
    const pugi::xml_node group = field.child("GGP");
    EXPECT_EQ(Attrs(group, {"B"}), "North farm|");
    std::vector<pugi::xml_node> patterns(group.children("GPN").begin(),
                                         group.children("GPN").end());
    ASSERT_EQ(patterns.size(), 2u);
    EXPECT_EQ(Attrs(patterns[0], {"A", "B", "C"}), "GPN1|12|2|");  // C: A+
    EXPECT_EQ(Attrs(patterns[1], {"A", "B"}), "GPN2|77|");
    EXPECT_NEAR(patterns[0].attribute("G").as_double(), 45, 1e-4);
    EXPECT_NEAR(patterns[1].attribute("G").as_double(), 90, 1e-4);
    const pugi::xml_node point = patterns[1].child("LSG").child("PNT");
    EXPECT_EQ(Attrs(patterns[1].child("LSG"), {"A"}) + Attrs(point, {"A"}), "5|6|");
    EXPECT_NEAR(point.attribute("C").as_double(), -33.12345678, 1e-9);
    EXPECT_NEAR(point.attribute("D").as_double(), 151.98765432, 1e-9);

    // Circle tracks become pivots round their centres, with no heading.
    ASSERT_TRUE(doc.load_string(ExportText(ExportFormat::TaskData, Lines(), false, "x").c_str()));
    const pugi::xml_node pivot =
        doc.child("ISO11783_TaskData").child("PFD").child("GGP").child("GPN");
    EXPECT_EQ(Attrs(pivot, {"C", "G"}) + Attrs(pivot.child("LSG").child("PNT"), {"A"}), "4|-|8|");

    // A name with control characters or too long for a designator still
    // gives a readable file; a multi-byte character is never cut in half.
    const std::string odd = ExportText(ExportFormat::TaskData, Lines(), true,
                                       "a\x01<b>&" + std::string(26, 'x') + "\xC3\xA9z");
    ASSERT_TRUE(doc.load_string(odd.c_str())) << odd;
    EXPECT_EQ(Attrs(doc.child("ISO11783_TaskData").child("PFD"), {"C"}),
              "a <b>&" + std::string(26, 'x') + "|");
}

TEST(Export, KmlHasAPlacemarkPerPass) {
    const std::string text = ExportText(ExportFormat::Kml, Lines(), true, "North farm");
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(text.c_str())) << text;
    const pugi::xml_node kml = doc.child("kml");
    EXPECT_EQ(Attrs(kml, {"xmlns"}), "http://www.opengis.net/kml/2.2|");
    const pugi::xml_node document = kml.child("Document");
    EXPECT_STREQ(document.child_value("name"), "North farm");
    std::vector<pugi::xml_node> marks(document.children("Placemark").begin(),
                                      document.children("Placemark").end());
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(std::string(marks[0].child_value("name")) + marks[1].child_value("name"), "1277");
    EXPECT_NEAR(std::strtod(marks[1].child("ExtendedData").child("Data").child_value("value"), 0),
                90, 1e-4);

    // The segment runs through the point along the heading, lon,lat order.
    std::istringstream coordinates(marks[1].child("LineString").child_value("coordinates"));
    std::vector<GeoPoint> points;
    for (std::string triple; coordinates >> triple;) {
        double lon = 0, lat = 0, height = 0;
        ASSERT_EQ(std::sscanf(triple.c_str(), "%lf,%lf,%lf", &lon, &lat, &height), 3) << triple;
        points.push_back({lat, lon});
    }
    ASSERT_EQ(points.size(), 3u);
    EXPECT_NEAR(points[1].Latitude, -33.12345678, 1e-9);
    EXPECT_NEAR(points[1].Longitude, 151.98765432, 1e-9);
    EXPECT_LT(points[0].Longitude, points[1].Longitude);  // heading east: west to east
    EXPECT_LT(points[1].Longitude, points[2].Longitude);
    EXPECT_NEAR(DistanceMetres(points[0], points[2]), 400, 0.01);
    ASSERT_TRUE(doc.load_string(ExportText(ExportFormat::Kml, Lines(), false, "x").c_str()));
    const pugi::xml_node mark = doc.child("kml").child("Document").child("Placemark");
    EXPECT_STREQ(mark.child("Point").child_value("coordinates"), "-93.250000000,41.500000000,0");
}

TEST(Export, GeoJsonIsAFeatureCollectionInLonLatOrder) {
    const auto json = nlohmann::json::parse(ExportText(ExportFormat::GeoJson, Lines(), true, "F"));
    EXPECT_EQ(json["type"], "FeatureCollection");
    ASSERT_EQ(json["features"].size(), 2u);
    const auto& east = json["features"][1];
    EXPECT_EQ(east["type"], "Feature");
    EXPECT_EQ(east["properties"]["field"], 77);
    EXPECT_EQ(east["properties"]["kind"], "straight");
    EXPECT_NEAR(east["properties"]["heading"].get<double>(), 90, 1e-9);
    EXPECT_EQ(east["geometry"]["type"], "LineString");
    const auto& middle = east["geometry"]["coordinates"][1];
    EXPECT_DOUBLE_EQ(middle[0].get<double>(), 151.98765432);
    EXPECT_DOUBLE_EQ(middle[1].get<double>(), -33.12345678);
    const auto circles =
        nlohmann::json::parse(ExportText(ExportFormat::GeoJson, Lines(), false, "F"));
    const auto& centre = circles["features"][0];
    EXPECT_EQ(centre["properties"]["kind"], "circle");
    EXPECT_TRUE(centre["properties"]["heading"].is_null());
    EXPECT_EQ(centre["geometry"]["type"], "Point");
    EXPECT_DOUBLE_EQ(centre["geometry"]["coordinates"][0].get<double>(), -93.25);

    // Bytes that are not UTF-8 in the name do not stop the export, and an
    // image with no pass in use still writes a valid, empty document.
    EXPECT_NO_THROW(nlohmann::json::parse(
        ExportText(ExportFormat::GeoJson, Lines(), true, std::string("bad \xFF name"))));
    EXPECT_TRUE(nlohmann::json::parse(
                    ExportText(ExportFormat::GeoJson, NewBlankImage(), true, ""))["features"]
                    .empty());
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(ExportText(ExportFormat::Kml, NewBlankImage(), true, "").c_str()));
    EXPECT_EQ(DefaultExportName(ExportFormat::TaskData), "TASKDATA.XML");  // terminals look for it
}

TEST(Export, WriteKeepsTheOldFileWhenAStepFails) {
    TempFolder work;
    const fs::path path = work.path() / "TASKDATA.XML";
    const std::string meant = ExportText(ExportFormat::TaskData, Lines(), true, "F");
    for (int failAt = 1;; ++failAt) {
        WriteFile(path, "old");
        int steps = 0;
        auto disk = MakeFiles([&](const char*, const fs::path&) { return ++steps == failAt; });
        const bool ok = WriteExport(*disk, path, ExportFormat::TaskData, Lines(), true, "F");
        if (steps < failAt) {  // no step left to fail: the write went through
            EXPECT_TRUE(ok);
            EXPECT_EQ(Bytes(path), meant);
            break;
        }
        EXPECT_FALSE(ok) << failAt;
        // Only the folder's flush can fail once the new file is in place.
        EXPECT_TRUE(Bytes(path) == "old" || Bytes(path) == meant) << failAt;
        EXPECT_FALSE(fs::exists(TemporaryFileFor(path))) << failAt;
    }
}

}  // namespace
}  // namespace swathkit
