// The line readers: small hand-made files of each kind, and files made to
// hurt refused quickly. The exports read back are in export_test.cpp.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stop_token>

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

// A whole result as one text: a line per line read, then per line left out.
std::string Described(const Read& read) {
    if (const auto* failure = std::get_if<ImportFailure>(&read))
        return "failed: " + failure->Message.English();
    std::string text;
    for (const ImportedLine& line : std::get<ImportResult>(read).Lines)
        text += line.Name + (line.Straight ? "|straight|" : "|circle|") +
                std::to_string(line.Field) + "|" + FormatPicture(line.Point.Latitude, 1, 6) + "," +
                FormatPicture(line.Point.Longitude, 1, 6) + "|" +
                FormatPicture(line.Heading, 1, 3) + (line.Ticked ? "\n" : "|unticked\n");
    for (const SkippedLine& skipped : std::get<ImportResult>(read).Skipped)
        text += skipped.Name + "|" + skipped.Reason.English() + "\n";
    return text;
}

TEST(Import, HandMadeFilesOfEachKind) {
    // A-B marked A and B (B first), A+, a pivot's marked centre, and a
    // further file named by its partfield; then the left out.
    const std::string taskData =
        "7|straight|7|41.500000,-93.250000|0.000\n12|straight|12|-33.125000,151.875000|90.500\n"
        "40|circle|40|-45.500000,170.250000|0.000\n200|circle|200|52.250000,-0.500000|0.000\n"
        "Curve|a curve\nSpiral|a spiral\nGroup|no guidance line in the pattern\nFar|coordinates "
        "out of range\n"
        "Junk|coordinates not readable\nHeadless|no heading\nOdd|an unknown kind of pattern\n";
    const std::pair<fs::path, std::string> cases[] = {
        {"taskdata/TASKDATA.XML", taskData},
        {"taskdata", taskData},
        {"taskdata.zip", taskData},
        {"odd.zip", taskData},  // entries out of place, \\ for /, lower case
        {"version3/TASKDATA.XML", "31|straight|31|0.000000,10.000000|90.000\nShort|no B point\n"},
        {"lines.kml",
         "15|straight|15|41.500000,-93.250000|0.000\n"
         "Pivot 3|circle|0|-20.250000,10.500000|0.000|unticked\n"
         "Dateline|straight|0|-40.000000,179.999000|90.001\n"
         "Simple|straight|0|0.001000,0.000000|12.500\nYard|an area, not a line\n"
         "Broken|coordinates not readable\n"},
        {"lines.geojson",
         "21|straight|21|0.000000,10.000000|0.000\nSplit|straight|0|5.000000,179.999500|270.250\n"
         "44|circle|44|51.750000,-1.500000|0.000\nYard|an area, not a line\nNowhere|no point\n"
         "Empty|no point\nLone|no B point\nStill|no direction\nOff|coordinates out of range\n"
         "Text|coordinates not readable\n"},
    };
    for (const auto& [file, expected] : cases)
        EXPECT_EQ(Described(ReadImportFile(kData / file)), expected) << file;
    // Namespace prefixes in KML; a bare geometry as GeoJSON.
    EXPECT_EQ(Described(ReadKml(R"(<k:kml xmlns:k="http://www.opengis.net/kml/2.2"><k:Placemark>
        <k:name>8</k:name><k:Point><k:coordinates>1,2</k:coordinates></k:Point></k:Placemark>
        </k:kml>)")),
              "8|circle|8|2.000000,1.000000|0.000|unticked\n");
    EXPECT_EQ(Described(ReadGeoJson(R"({"type": "Point", "coordinates": [3, 4]})")),
              "|circle|0|4.000000,3.000000|0.000|unticked\n");
}

// What other software draws: a path comes in only where it is straight,
// along its ends; each part of a multi-part geometry is a line of its own; a
// pattern's line only from its guidance line string; points unticked unless
// the file calls them pivots.
TEST(Import, OtherSoftwaresDrawingsComeInOnlyAsTheyAre) {
    const auto kml = [](const std::string& placemarks) {
        return ReadKml("<kml><Placemark><name>P</name>" + placemarks + "</Placemark></kml>");
    };
    const auto geoJson = [](const std::string& geometry) {
        return ReadGeoJson(R"({"type": "Feature", "properties": {"name": "P"}, "geometry": )" +
                           geometry + "}");
    };
    const auto pattern = [](const std::string& type, const std::string& strings) {
        return ReadTaskData(R"(<ISO11783_TaskData VersionMajor="4"><PFD A="F"><GGP A="G">)"
                            R"(<GPN A="N" B="P" C=")" +
                            type + R"(" G="30">)" + strings +
                            "</GPN></GGP></PFD></ISO11783_TaskData>");
    };
    // 0.0003 degrees of latitude are 33 m; 0.0000005 are 5.5 cm.
    const std::pair<Read, std::string> cases[] = {
        {geoJson(R"({"type": "LineString", "coordinates": [[0, 0], [0.001, 0.0003], [0.002, 0]]})"),
         "P|a curve: its points stray up to 33 m from a straight line\n"},
        {kml("<LineString><coordinates>0,0 0.001,0.0000005 0.003,0.00001 0.002,0"
             "</coordinates></LineString>"),
         "P|a curve: its points stray up to 1.1 m from a straight line\n"},
        {kml("<LineString><coordinates>0,0 0.001,0.0000005 0.002,0</coordinates></LineString>"),
         "P|straight|0|0.000000,0.000000|90.000\n"},
        {geoJson(R"({"type": "LineString", "coordinates": [[0, 0], [0, 0.001], [0, 0]]})"),
         "P|a closed path: it ends where it starts\n"},
        {geoJson(R"({"type": "MultiLineString", "coordinates": [[[0, 1], [0, 2]], )"
                 R"([[0.00004, 1], [0.00004, 2]]]})"),
         "P|straight|0|1.000000,0.000000|0.000\nP|straight|0|1.000000,0.000040|0.000\n"},
        {kml("<MultiGeometry><LineString><coordinates>0,1 0,2</coordinates></LineString>"
             "<Point><coordinates>5,6,7,8</coordinates></Point><gx:Track><gx:coord>1 2 3"
             "</gx:coord></gx:Track></MultiGeometry>"),
         "P|straight|0|1.000000,0.000000|0.000\nP|circle|0|6.000000,5.000000|0.000|unticked\n"
         "P|a recorded track\n"},
        {ReadGeoJson(
             R"({"type": "GeometryCollection", "geometries": [{"type": "Point", )"
             R"("coordinates": [3, 4]}, {"type": "MultiPoint", "coordinates": [[5, 6]]}]})"),
         "|circle|0|4.000000,3.000000|0.000|unticked\n|circle|0|6.000000,5.000000|0.000|"
         "unticked\n"},
        {kml(R"(<ExtendedData><Data name="kind"><value>circle</value></Data></ExtendedData>)"
             "<Point><coordinates>1,2</coordinates></Point>"),
         "P|circle|0|2.000000,1.000000|0.000\n"},
        {pattern("1", R"(<LSG A="4"><PNT A="6" C="1" D="1"/><PNT A="7" C="1" D="2"/></LSG>)"),
         "P|no guidance line in the pattern\n"},
        {pattern("2", R"(<LSG A="4"><PNT C="1" D="1"/><PNT C="1" D="2"/></LSG>)"
                      R"(<LSG A="5"><PNT C="3" D="4"/></LSG>)"),
         "P|straight|0|3.000000,4.000000|30.000\n"},
        {ReadImportFile(kData / "lines.kmz"), "14|straight|14|50.000000,8.000000|0.000\n"},
        {ReadKmz(Bytes(kData / "taskdata.zip")), "failed: The KMZ holds no KML file."},
    };
    for (const auto& [read, expected] : cases) EXPECT_EQ(Described(read), expected);
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
    const std::string outside = "|a file outside the TaskData's folder\n";
    const std::string expected = "9|circle|9|1.000000,2.000000|0.000\n../PFD00002.XML" + outside +
                                 "C:PFD00002.XML" + outside +
                                 "PFD00003.XML|its file is missing\n"
                                 "PFD00004.XML|its file is not readable XML\nsub/PFD00005.XML" +
                                 outside + "sub\\PFD00005.XML" + outside;
    EXPECT_EQ(Described(ReadTaskData(xml, card)), expected);
    WriteFile(card / "TASKDATA.XML", xml);
    EXPECT_EQ(Described(ReadImportFile(card / "TASKDATA.XML")), expected);
    EXPECT_EQ(std::ranges::count(Described(ReadTaskData(xml)), '\n'), 7);  // no folder: all missing
    // The main file and its further files share one limit.
    fs::resize_file(card / "PFD00004.XML", 64u << 20);
    EXPECT_EQ(Described(ReadImportFile(card / "TASKDATA.XML")).substr(0, 48),
              "failed: The file PFD00004.XML is larger than 64 ");
}

TEST(Import, FieldOnlyFromAWholeNumberName) {
    const std::pair<std::string, int> names[] = {{R"("name": "6")", 6},
                                                 {R"("name": " 250 ")", 250},
                                                 {R"("name": "5")", 0},
                                                 {R"("name": "251")", 0},
                                                 {R"("name": "Field 12")", 0},
                                                 {R"("name": "12.5")", 0},
                                                 {R"("name": "-7")", 0},
                                                 {R"("name": "9", "field": 3)", 9},
                                                 {R"("field": 77)", 77},
                                                 {R"("name": "x", "field": 78)", 78},
                                                 {R"("field": 18446744073709551615)", 0}};
    for (const auto& [properties, field] : names) {
        const Read read =
            ReadGeoJson(R"({"type": "Feature", "properties": {)" + properties +
                        R"(}, "geometry": {"type": "Point", "coordinates": [1, 2]}})");
        ASSERT_EQ(std::get<ImportResult>(read).Lines.size(), 1u) << properties;
        EXPECT_EQ(std::get<ImportResult>(read).Lines[0].Field, field) << properties;
    }
    // A field number past what a signed number holds is named as written,
    // never as the number it wraps to.
    const Read huge = ReadGeoJson(
        R"({"type": "Feature", "properties": {"field": 18446744073709551615}, "geometry": )"
        R"({"type": "Point", "coordinates": [1, 2]}})");
    EXPECT_EQ(std::get<ImportResult>(huge).Lines.at(0).Name, "18446744073709551615");
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
    // A file written here (when there is text), or one of the corpus.
    const std::tuple<fs::path, std::string, std::string> refusals[] = {
        {"big.kml", "", "The file big.kml is larger than 64 MiB"},
        {kData / "bomb.zip", "", "The zip unpacks to more than 64 MiB"},
        {kData / "lying.zip", "", "The zip is damaged: an entry unpacks to more"},
        {kData / "empty.zip", "", "The zip holds no TASKDATA.XML"},
        {"deeper.kml", "<kml>" + nested(100, "<a>", "</a>") + "</kml>",
         "The KML file is nested more than 100 levels"},
        {"deep.geojson", nested(100, "[", "]"), "The file is not GeoJSON"},
        {"deeper.geojson", nested(101, "[", "]"),
         "The GeoJSON file is nested more than 100 levels"},
        {"notes.txt", "12", "Only TaskData (a TASKDATA.XML or a zip of it)"},
        {"a.zip", "PK not a zip", "The file is not a readable zip archive"},
        {"TASKDATA.XML", "<kml/>", "The file is not ISO 11783 TaskData"},
        {"broken.kml", "<kml><Placemark>", "The KML file is not readable XML"},
        {"not.kml", "<ISO11783_TaskData/>", "The file is not KML"},
        {"broken.geojson", "{", "The file is not readable JSON (at byte"},
        {"huge.geojson", "[1e999]", "The file is not readable JSON: it holds a"},
        {"plain.json", R"({"type": "FeatureCollection"})",
         "The GeoJSON FeatureCollection has no list"},
        {"other.json", R"({"a": 1})", "The file is not GeoJSON"},
        {"gone.kml", "", "The file gone.kml cannot be read"},
        {kData, "", "The folder import holds no TASKDATA.XML"}};
    for (const auto& [name, text, start] : refusals) {
        if (!text.empty())
            WriteFile(work.path() / name, text);
        EXPECT_EQ(Described(ReadImportFile(work.path() / name)).substr(0, start.size() + 8),
                  "failed: " + start)
            << name;
    }
    EXPECT_TRUE(std::holds_alternative<ImportResult>(
        ReadKml("<kml>" + nested(99, "<a>", "</a>") + "</kml>")));  // just within
}

std::string Repeated(const std::string& text, std::size_t times) {
    std::string all;
    all.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) all += text;
    return all;
}

// Files far past any real one: read in time linear in their size, shown in
// part with a sentence that says so, or refused when their tree alone would
// take many times the file; and a read stops when asked.
TEST(Import, FilesPastTheLimitsAreCutOrRefusedAndAReadStopsWhenAsked) {
    const std::string point = R"({"geometry": {"type": "Point", "coordinates": [1, 2]}},)";
    const std::string collection = R"({"type": "FeatureCollection", "features": [)" +
                                   Repeated(point, kMaxImportLines + 1) + Repeated("{},", 300'000) +
                                   "{}]}";
    const auto start = std::chrono::steady_clock::now();
    const Read read = ReadGeoJson(collection);
    // Reading the empty features once took a minute.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    const auto& result = std::get<ImportResult>(read);
    EXPECT_EQ(result.Lines.size(), kMaxImportLines);
    ASSERT_EQ(result.Skipped.size(), kMaxLeftOutRows);
    EXPECT_EQ(result.Skipped.back(), (SkippedLine{"", "no point"}));
    EXPECT_EQ(ImportNotes(result),
              (std::vector<Words>{
                  "The file holds more than 100,000 lines; the first 100,000 are shown.",
                  "More than 1,000 things in the file will not come in; the first 1,000 are "
                  "listed."}));
    EXPECT_TRUE(ImportNotes(std::get<ImportResult>(ReadGeoJson(R"({"type": "Point", )"
                                                               R"("coordinates": [3, 4]})")))
                    .empty());

    // A million empty elements, or one feature of a million empty lists,
    // would take far more than the file.
    const std::pair<Read, std::string> refusals[] = {
        {ReadKml("<kml>" + Repeated("<a/>", 1'000'000) + "</kml>"),
         "The KML file holds more elements than any file of lines of its size"},
        {ReadTaskData("<ISO11783_TaskData>" + Repeated("<a/>", 1'000'000) + "</ISO11783_TaskData>"),
         "The TaskData file holds more elements than any file of lines of its size"},
        {ReadGeoJson(R"({"type": "Feature", "geometry": {"type": "LineString", "coordinates": [)" +
                     Repeated("[],", 1'000'000) + "[]]}}"),
         "The GeoJSON file holds a feature larger than any line needs."}};
    for (const auto& [refused, start] : refusals)
        EXPECT_EQ(Described(refused).substr(0, start.size() + 8), "failed: " + start);
    // Patterns as tightly written as XML allows still come in whole.
    const std::string patterns =
        R"(<ISO11783_TaskData VersionMajor="4"><PFD A="F"><GGP A="G">)" +
        Repeated(R"(<GPN B="7" C="2" G="1"><LSG A="5"><PNT A="6" C="1" D="2"/></LSG></GPN>)",
                 20'000) +
        "</GGP></PFD></ISO11783_TaskData>";
    EXPECT_EQ(std::get<ImportResult>(ReadTaskData(patterns)).Lines.size(), 20'000u);

    // Asked to stop, every reader stops and brings nothing.
    TempFolder work;
    WriteFile(work.path() / "lines.geojson", collection);
    WriteFile(
        work.path() / "lines.kml",
        ExportText(ExportFormat::Kml, ImageWith({{12, "+0000000000041.50000000"}}), true, "F"));
    WriteFile(work.path() / "TASKDATA.XML", patterns);
    std::stop_source stop;
    stop.request_stop();
    for (const fs::path file : {"lines.geojson", "lines.kml", "TASKDATA.XML"})
        EXPECT_EQ(Described(ReadImportFile(work.path() / file, stop.get_token())),
                  "failed: The reading was cancelled.")
            << file;
    EXPECT_EQ(Described(ReadImportFile(kData / "taskdata.zip", stop.get_token())),
              "failed: The reading was cancelled.");
}

}  // namespace
}  // namespace swathkit
