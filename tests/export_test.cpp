// The three export formats, read back with the libraries that wrote them,
// and their files written like every other file of lines.

#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <tuple>

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

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

TEST(Export, WriteKeepsTheOldFileWhenAStepFailsAndSpellsTaskDataInCapitals) {
    TempFolder work;
    const fs::path path = work.path() / "TASKDATA.XML";
    const std::string meant = ExportText(ExportFormat::TaskData, Lines(), true, "F");
    // Over a file of that spelling and one in lower case; asked for in any case.
    for (const std::string old : {"TASKDATA.XML", "taskdata.xml"}) {
        for (int failAt = 1;; ++failAt) {
            fs::remove_all(work.path());
            fs::create_directories(work.path());
            WriteFile(work.path() / old, "old");
            int steps = 0;
            auto disk = MakeFiles([&](const char*, const fs::path&) { return ++steps == failAt; });
            const ExportResult result = WriteExport(*disk, work.path() / "TaskData.xml",
                                                    ExportFormat::TaskData, Lines(), true, "F");
            const auto names = Names(work.path());
            // Once the new file is in place only a clean-up or flush can fail,
            // which may leave the old one set aside.
            if (names.count("TASKDATA.XML") && Bytes(path) == meant)
                EXPECT_EQ(names.size() - names.count("TASKDATA.XML.swathkit-old"), 1u)
                    << old << failAt;
            else
                EXPECT_TRUE(!result.Written && names == std::set<std::string>{old} &&
                            Bytes(work.path() / old) == "old")
                    << old << failAt;
            if (steps < failAt) {  // no step left to fail: the write went through
                EXPECT_TRUE(result.Written && result.File == path && names.size() == 1) << old;
                break;
            }
        }
    }
}

// Straight lines at the antimeridian: 50 m west of it heading east, on it
// heading east and west, and along it heading north; and a pass that is no
// place, at 91 degrees south.
CardImage AtTheAntimeridian() {
    CardImage image = NewBlankImage();
    const std::tuple<int, const char*, const char*, const char*, const char*> lines[] = {
        {8, "-17", "+179.9995", "0", "1"},
        {9, "-17", "+180", "0", "1"},
        {10, "-17", "-180", "0", "-1"},
        {11, "-17", "+180", "1", "0"},
        {30, "-91", "+180", "1", "0"}};
    for (const auto& [field, lat, lon, north, east] : lines) {
        GuidanceLine& line = image.Line(field);
        std::tie(line.Latitude, line.Longitude, line.HeadingNorth, line.HeadingEast) =
            std::tuple(lat, lon, north, east);
    }
    return image;
}

TEST(Export, LinesAcrossTheAntimeridianAreCutInTwo) {
    const auto json =
        nlohmann::json::parse(ExportText(ExportFormat::GeoJson, AtTheAntimeridian(), true, "F"));
    ASSERT_EQ(json["features"].size(), 4u);
    for (std::size_t f = 0; f < 4; ++f) {
        const auto& geometry = json["features"][f]["geometry"];
        EXPECT_EQ(geometry["type"], f < 3 ? "MultiLineString" : "LineString") << f;
        const auto pieces =
            f < 3 ? geometry["coordinates"] : nlohmann::json{geometry["coordinates"]};
        double metres = 0;
        for (const auto& piece : pieces)
            for (std::size_t i = 1; i < piece.size(); ++i) {
                const GeoPoint a{piece[i - 1][1], piece[i - 1][0]}, b{piece[i][1], piece[i][0]};
                metres += DistanceMetres(a, b);
                EXPECT_LE(std::fabs(a.Longitude - b.Longitude), 0.01) << f;
            }
        EXPECT_NEAR(metres, 400, 0.01) << f;
        if (f < 3) {  // the west piece ends where the east one starts
            const auto end = pieces[0].back(), start = pieces[1].front();
            EXPECT_TRUE(std::fabs(end[0].get<double>()) == 180 &&
                        end[0].get<double>() == -start[0].get<double>() && end[1] == start[1])
                << f;
        }
    }
    EXPECT_EQ(json["features"][0]["geometry"]["coordinates"][0].size(), 3u);  // and the point
}

// ogrinfo's listing of a file; empty when it fails.
std::string OgrInfo(const fs::path& file) {
    const std::string command = SWATHKIT_OGRINFO " -ro -al -q '" + file.string() + "' 2>&1";
    std::string listing;
    FILE* pipe = popen(command.c_str(), "r");
    for (char buffer[4096]; pipe && fgets(buffer, sizeof buffer, pipe);) listing += buffer;
    return pipe && pclose(pipe) == 0 ? listing : "";
}

TEST(Export, GdalReadsTheFilesWithoutThePassesThatAreNoPlace) {
    TempFolder work;
    for (ExportFormat format : {ExportFormat::Kml, ExportFormat::GeoJson}) {
        const fs::path file = work.path() / DefaultExportName(format);
        const ExportResult result =
            WriteExport(RealFiles(), file, format, AtTheAntimeridian(), true, "F");
        EXPECT_TRUE(result.Written && result.Passes == 4 && result.LeftOut == std::vector{30});
        const std::string listing = OgrInfo(file);
        auto count = [&](const std::string& what) {
            std::size_t n = 0;
            for (std::size_t at = 0; (at = listing.find(what, at)) != std::string::npos; ++at) ++n;
            return n;
        };
        EXPECT_EQ(count("  MULTILINESTRING"), 3u) << listing;
        EXPECT_EQ(count("  LINESTRING"), 1u) << listing;
        ASSERT_TRUE(WriteExport(RealFiles(), file, format, Lines(), false, "F").Written);
        EXPECT_NE(OgrInfo(file).find("POINT"), std::string::npos);
    }
    pugi::xml_document doc;
    ASSERT_TRUE(
        doc.load_string(ExportText(ExportFormat::TaskData, AtTheAntimeridian(), true, "").c_str()));
    EXPECT_EQ(doc.select_nodes("//GPN").size(), 4u);
    const CardImage poles = ImageWith({{6, "-90"}, {7, "+90"}, {8, "+90.000000001"}}, false);
    ASSERT_TRUE(doc.load_string(ExportText(ExportFormat::TaskData, poles, false, "").c_str()));
    EXPECT_EQ(doc.select_nodes("//GPN").size(), 2u);
    EXPECT_EQ(LeftOutText({7}), "Field 7 was left out: its coordinates are not a place on earth.");
    EXPECT_EQ(LeftOutText({7, 9, 12}),
              "Fields 7, 9 and 12 were left out: their coordinates are not a place on earth.");
    // With no pass to place nothing is written, not even an empty file.
    const ExportResult none = WriteExport(RealFiles(), work.path() / "x.kml", ExportFormat::Kml,
                                          ImageWith({{30, "+90.1"}}), true, "F");
    EXPECT_TRUE(!none.Written && none.LeftOut == std::vector{30} && Names(work.path()).size() == 2);
}

}  // namespace
}  // namespace swathkit
