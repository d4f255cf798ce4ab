// The line readers: small hand-made files of each kind, this program's own
// exports read back exactly, and files made to hurt refused quickly.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/number_text.h"
#include "exchange/export_lines.h"
#include "exchange/import_lines.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;
using Read = std::variant<ImportResult, ImportFailure>;
const fs::path kData = fs::path(SWATHKIT_TEST_DATA) / "import";

// A whole result as one table: a text per line, then per line left out.
std::vector<std::string> Described(const Read& read) {
    if (const auto* failure = std::get_if<ImportFailure>(&read))
        return {"failed: " + failure->Message};
    std::vector<std::string> texts;
    for (const ImportedLine& line : std::get<ImportResult>(read).Lines)
        texts.push_back(
            line.Name + (line.Straight ? "|straight|" : "|circle|") + std::to_string(line.Field) +
            "|" + FormatPicture(line.Point.Latitude, 1, 6) + "," +
            FormatPicture(line.Point.Longitude, 1, 6) + "|" + FormatPicture(line.Heading, 1, 3));
    for (const SkippedLine& skipped : std::get<ImportResult>(read).Skipped)
        texts.push_back(skipped.Name + "|" + skipped.Reason);
    return texts;
}

TEST(Import, HandMadeFilesOfEachKind) {
    const std::vector<std::string> taskData = {
        "7|straight|7|41.500000,-93.250000|0.000",      // A-B: marked A and B, B first
        "12|straight|12|-33.125000,151.875000|90.500",  // A+
        "40|circle|40|-45.500000,170.250000|0.000",     // pivot: the marked centre
        "200|circle|200|52.250000,-0.500000|0.000",     // further file, named by its partfield
        "Curve|a curve",
        "Spiral|a spiral",
        "Group|no point",
        "Far|coordinates out of range",
        "Junk|coordinates not readable",
        "Headless|no heading",
        "Odd|an unknown kind of pattern"};
    const std::pair<fs::path, std::vector<std::string>> cases[] = {
        {"taskdata/TASKDATA.XML", taskData},
        {"taskdata", taskData},
        {"taskdata.zip", taskData},
        {"odd.zip", taskData},  // entries out of place, \\ for /, lower case
        {"version3/TASKDATA.XML", {"31|straight|31|0.000000,10.000000|90.000", "Short|no B point"}},
        {"lines.kml",
         {"15|straight|15|41.500000,-93.250000|0.000",
          "Pivot 3|circle|0|-20.250000,10.500000|0.000",
          "Dateline|straight|0|-40.000000,179.999000|90.000",
          "Simple|straight|0|0.001000,0.000000|12.500", "Yard|no line or point",
          "Broken|coordinates not readable"}},
        {"lines.geojson",
         {"21|straight|21|0.000000,10.000000|0.000", "Split|straight|0|5.000000,179.999500|270.250",
          "44|circle|44|51.750000,-1.500000|0.000", "Yard|no line or point", "Nowhere|no point",
          "Empty|no point", "Lone|no B point", "Still|no direction", "Off|coordinates out of range",
          "Text|coordinates not readable"}},
    };
    for (const auto& [file, expected] : cases)
        EXPECT_EQ(Described(ReadImportFile(kData / file)), expected) << file;
    // Namespace prefixes in KML; a bare geometry as GeoJSON.
    EXPECT_EQ(Described(ReadKml(R"(<k:kml xmlns:k="http://www.opengis.net/kml/2.2"><k:Placemark>
        <k:name>8</k:name><k:Point><k:coordinates>1,2</k:coordinates></k:Point></k:Placemark>
        </k:kml>)")),
              std::vector<std::string>{"8|circle|8|2.000000,1.000000|0.000"});
    EXPECT_EQ(Described(ReadGeoJson(R"({"type": "Point", "coordinates": [3, 4]})")),
              std::vector<std::string>{"|circle|0|4.000000,3.000000|0.000"});
}

// Further files only from the TaskData's folder, whatever their case, each
// once; the ones that cannot be had are said.
TEST(Import, FurtherFilesStayInTheirFolder) {
    TempFolder work;
    const fs::path card = work.path() / "card";
    WriteFile(card / "pfd00005.xml",
              R"(<XFC><PFD A="P5" C="9"><GGP A="G5"><GPN A="N5" C="4"><LSG A="5">
                 <PNT A="8" C="1" D="2"/></LSG></GPN></GGP></PFD></XFC>)");
    WriteFile(card / "PFD00004.XML", "not xml <");
    WriteFile(work.path() / "PFD00002.XML", "<XFC/>");
    const std::string xml = R"(<ISO11783_TaskData VersionMajor="4"><XFR A="PFD00005" B="1"/>
        <XFR A="../PFD00002" B="1"/><XFR A="C:PFD00002" B="1"/><XFR A="PFD00003" B="1"/>
        <XFR A="PFD00004.XML" B="1"/><XFR A="pfd00005" B="1"/><XFR A="sub/PFD00005" B="1"/>
        <XFR A="sub\PFD00005" B="1"/></ISO11783_TaskData>)";
    const std::vector<std::string> expected = {
        "9|circle|9|1.000000,2.000000|0.000",
        "../PFD00002.XML|a file outside the TaskData's folder",
        "C:PFD00002.XML|a file outside the TaskData's folder",
        "PFD00003.XML|its file is missing",
        "PFD00004.XML|its file is not readable XML",
        "sub/PFD00005.XML|a file outside the TaskData's folder",
        "sub\\PFD00005.XML|a file outside the TaskData's folder"};
    EXPECT_EQ(Described(ReadTaskData(xml, card)), expected);
    WriteFile(card / "TASKDATA.XML", xml);
    EXPECT_EQ(Described(ReadImportFile(card / "TASKDATA.XML")), expected);
    EXPECT_EQ(Described(ReadTaskData(xml)).size(), 7u);  // no folder: all missing
    // The main file and its further files share one limit.
    fs::resize_file(card / "PFD00004.XML", 64u << 20);
    EXPECT_EQ(Described(ReadImportFile(card / "TASKDATA.XML"))[0].substr(0, 48),
              "failed: The file PFD00004.XML is larger than 64 ");
}

TEST(Import, FieldOnlyFromAWholeNumberName) {
    const std::pair<std::string, int> names[] = {
        {R"("name": "6")", 6},        {R"("name": " 250 ")", 250},
        {R"("name": "5")", 0},        {R"("name": "251")", 0},
        {R"("name": "Field 12")", 0}, {R"("name": "12.5")", 0},
        {R"("name": "-7")", 0},       {R"("name": "9", "field": 3)", 9},
        {R"("field": 77)", 77},       {R"("name": "x", "field": 78)", 78}};
    for (const auto& [properties, field] : names) {
        const Read read =
            ReadGeoJson(R"({"type": "Feature", "properties": {)" + properties +
                        R"(}, "geometry": {"type": "Point", "coordinates": [1, 2]}})");
        ASSERT_EQ(std::get<ImportResult>(read).Lines.size(), 1u) << properties;
        EXPECT_EQ(std::get<ImportResult>(read).Lines[0].Field, field) << properties;
    }
}

// A full card of each kind, in every format, comes back with the same
// fields, points and headings. Where the test command asks, the exports are
// left for the independent readers.
TEST(Import, OwnExportsComeBackExactly) {
    TempFolder work;
    const char* keep = std::getenv("SWATHKIT_EXPORTS_FOR_READERS");
    const fs::path folder = keep ? fs::path(keep) : work.path();
    for (const bool straight : {true, false}) {
        CardImage card = NewBlankImage();
        for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
            card.Line(slot).Latitude = StoredNumber(-89.7 + slot * 0.7101234567);
            card.Line(slot).Longitude = StoredNumber(-179.99 + slot * 1.4391357913);
            card.Line(slot).HeadingNorth = StoredNumber(1000 * std::cos(slot * 0.0257));
            card.Line(slot).HeadingEast = StoredNumber(1000 * std::sin(slot * 0.0257));
        }
        card.Line(kSlotCount).Longitude = StoredNumber(179.9995);  // its segment crosses 180
        const std::vector<PlacedLine> placed = PlacedLines(card, straight);
        const std::string kind = straight ? "straight" : "circle";
        for (const auto& [format, name] :
             {std::pair{ExportFormat::TaskData, kind + "/TASKDATA.XML"},
              std::pair{ExportFormat::Kml, kind + ".kml"},
              std::pair{ExportFormat::GeoJson, kind + ".geojson"}}) {
            WriteFile(folder / name, ExportText(format, card, straight, "Farm"));
            const Read read = ReadImportFile(folder / name);
            ASSERT_TRUE(std::holds_alternative<ImportResult>(read)) << Described(read)[0];
            const ImportResult& result = std::get<ImportResult>(read);
            ASSERT_EQ(result.Lines.size(), placed.size()) << name;
            EXPECT_TRUE(result.Skipped.empty()) << name;
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const ImportedLine& line = result.Lines[i];
                EXPECT_EQ(line.Field, placed[i].Field) << name;
                EXPECT_EQ(line.Straight, straight) << name;
                EXPECT_LT(DistanceMetres(line.Point, placed[i].Point), 0.001) << name << i;
                EXPECT_LT(HeadingDifference(line.Heading, placed[i].Heading), 1e-4) << name << i;
            }
        }
    }
}

TEST(Import, RefusesFilesMadeToHurt) {
    TempFolder work;
    const auto nested = [](int depth, const std::string& open, const std::string& close) {
        std::string text;
        for (int i = 0; i < depth; ++i) text = open + text + close;
        return text;
    };
    // A file just past the limit is refused before it is read.
    WriteFile(work.path() / "big.kml", "");
    fs::resize_file(work.path() / "big.kml", (64u << 20) + 1);
    const std::pair<std::string, std::string> files[] = {
        {"deeper.kml", "<kml>" + nested(100, "<a>", "</a>") + "</kml>"},
        {"deep.geojson", nested(100, "[", "]")},
        {"deeper.geojson", nested(101, "[", "]")},
        {"notes.txt", "12"},
        {"a.zip", "PK not a zip"},
        {"TASKDATA.XML", "<kml/>"},
        {"broken.kml", "<kml><Placemark>"},
        {"not.kml", "<ISO11783_TaskData/>"},
        {"broken.geojson", "{"},
        {"huge.geojson", "[1e999]"},
        {"plain.json", R"({"type": "FeatureCollection"})"},
        {"other.json", R"({"a": 1})"}};
    for (const auto& [name, text] : files) WriteFile(work.path() / name, text);
    const std::pair<fs::path, std::string> refusals[] = {
        {work.path() / "big.kml", "failed: The file big.kml is larger than 64 MiB"},
        {kData / "bomb.zip", "failed: The zip unpacks to more than 64 MiB"},
        {kData / "lying.zip", "failed: The zip is damaged: an entry unpacks to more"},
        {kData / "empty.zip", "failed: The zip holds no TASKDATA.XML"},
        {work.path() / "deeper.kml", "failed: The KML file is nested more than 100 levels"},
        {work.path() / "deep.geojson", "failed: The file is not GeoJSON"},
        {work.path() / "deeper.geojson", "failed: The GeoJSON file is nested more than 100 levels"},
        {work.path() / "notes.txt", "failed: Only TaskData (a TASKDATA.XML or a zip of it)"},
        {work.path() / "a.zip", "failed: The file is not a readable zip archive"},
        {work.path() / "TASKDATA.XML", "failed: The file is not ISO 11783 TaskData"},
        {work.path() / "broken.kml", "failed: The KML file is not readable XML"},
        {work.path() / "not.kml", "failed: The file is not KML"},
        {work.path() / "broken.geojson", "failed: The file is not readable JSON (at byte"},
        {work.path() / "huge.geojson", "failed: The file is not readable JSON: it holds a"},
        {work.path() / "plain.json", "failed: The GeoJSON FeatureCollection has no list"},
        {work.path() / "other.json", "failed: The file is not GeoJSON"},
        {work.path() / "gone.kml", "failed: The file gone.kml cannot be read"},
        {kData, "failed: The folder import holds no TASKDATA.XML"}};
    for (const auto& [path, start] : refusals)
        EXPECT_EQ(Described(ReadImportFile(path))[0].substr(0, start.size()), start) << path;
    EXPECT_TRUE(std::holds_alternative<ImportResult>(
        ReadKml("<kml>" + nested(99, "<a>", "</a>") + "</kml>")));  // just within
}

}  // namespace
}  // namespace swathkit
