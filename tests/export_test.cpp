// The three export formats, read back with the libraries that wrote them,
// and their files written like every other file of lines.

#include <gtest/gtest.h>

#include <zip.h>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <set>
#include <tuple>

#include "commands/commands.h"
#include "core/number_text.h"
#include "exchange/export_lines.h"
#include "exchange/field_folder.h"
#include "exchange/import_lines.h"
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
    pugi::xml_document doc;
    ASSERT_TRUE(
        doc.load_string(ExportText(ExportFormat::TaskData, Lines(), true, "North farm").c_str()));
    const pugi::xml_node root = doc.child("ISO11783_TaskData");
    EXPECT_EQ(Attrs(root, {"VersionMajor", "DataTransferOrigin"}), "4|1|");
    const pugi::xml_node field = root.child("PFD");
    EXPECT_EQ(Attrs(field, {"A", "C"}) + Attrs(field.child("GGP"), {"B"}),
              "PFD1|North farm|North farm|");
    EXPECT_EQ(doc.select_nodes("//GGP").size(), 1u);
    const pugi::xml_node second = field.child("GGP").child("GPN").next_sibling("GPN");
    EXPECT_EQ(Attrs(second, {"A", "B", "C"}) + Attrs(second.child("LSG"), {"A"}) +
                  Attrs(second.child("LSG").child("PNT"), {"A"}),
              "GPN2|77|2|5|6|");  // C: A+
    // Short direction components, as some cards store them, keep their
    // true heading (about 357 degrees, not 270).
    CardImage shortOnes = Lines();
    shortOnes.Line(12).HeadingNorth = "0.99";
    shortOnes.Line(12).HeadingEast = "-0.05";
    ASSERT_TRUE(doc.load_string(ExportText(ExportFormat::TaskData, shortOnes, true, "x").c_str()));
    EXPECT_EQ(Attrs(doc.select_node("//GPN").node(), {"G"}), "357.108730404|");

    // Circle tracks become pivots round their centres, with no heading.
    ASSERT_TRUE(doc.load_string(ExportText(ExportFormat::TaskData, Lines(), false, "x").c_str()));
    const pugi::xml_node pivot = doc.select_node("//GPN").node();
    EXPECT_EQ(Attrs(pivot, {"C", "G"}) + Attrs(pivot.child("LSG").child("PNT"), {"A"}), "4|-|8|");

    // A name with control characters or too long for a designator still
    // gives a readable file; a multi-byte character is never cut in half.
    const std::string odd = ExportText(ExportFormat::TaskData, Lines(), true,
                                       "a\x01<b>&" + std::string(26, 'x') + "\xC3\xA9z");
    ASSERT_TRUE(doc.load_string(odd.c_str())) << odd;
    EXPECT_EQ(Attrs(doc.child("ISO11783_TaskData").child("PFD"), {"C"}),
              "a <b>&" + std::string(26, 'x') + "|");
}

TEST(Export, KmlIsANamedDocumentAndGeoJsonHasAFeaturePerPass) {
    pugi::xml_document doc;
    ASSERT_TRUE(
        doc.load_string(ExportText(ExportFormat::Kml, Lines(), true, "North farm").c_str()));
    EXPECT_EQ(Attrs(doc.child("kml"), {"xmlns"}), "http://www.opengis.net/kml/2.2|");
    EXPECT_STREQ(doc.child("kml").child("Document").child_value("name"), "North farm");
    const auto json = nlohmann::json::parse(ExportText(ExportFormat::GeoJson, Lines(), true, "F"));
    ASSERT_EQ(json["features"].size(), 2u);
    const auto& east = json["features"][1];
    EXPECT_TRUE(east["type"] == "Feature" && east["properties"]["kind"] == "straight" &&
                east["geometry"]["type"] == "LineString");
    // Heading east, the segment runs from west to east.
    const auto& ends = east["geometry"]["coordinates"];
    EXPECT_TRUE(ends[0][0] < ends[1][0] && ends[1][0] < ends[2][0]) << ends;
    const auto circles =
        nlohmann::json::parse(ExportText(ExportFormat::GeoJson, Lines(), false, "F"));
    const auto& centre = circles["features"][0];
    EXPECT_TRUE(centre["properties"]["kind"] == "circle" &&
                centre["properties"]["heading"].is_null() && centre["geometry"]["type"] == "Point");

    // Bytes that are not UTF-8 in the name do not stop the export, and an
    // image with no pass in use still writes a valid, empty document.
    EXPECT_NO_THROW(nlohmann::json::parse(
        ExportText(ExportFormat::GeoJson, Lines(), true, std::string("bad \xFF name"))));
    EXPECT_TRUE(nlohmann::json::parse(
                    ExportText(ExportFormat::GeoJson, NewBlankImage(), true, ""))["features"]
                    .empty());
    EXPECT_TRUE(doc.load_string(ExportText(ExportFormat::Kml, NewBlankImage(), true, "").c_str()));
    EXPECT_EQ(DefaultExportName(ExportFormat::TaskData), "TASKDATA.XML");  // terminals look for it
}

TEST(Export, WriteKeepsTheOldFileWhenAStepFailsAndSpellsTaskDataInCapitals) {
    TempFolder work;
    // A folder that cannot be flushed after the rename is no safe write; the
    // box says why, in the card's words on the card shown.
    auto unflushed =
        MakeFiles([](const char* step, const fs::path&) { return std::string(step) == "syncdir"; },
                  make_error_code(std::errc::no_space_on_device));
    Program program;
    program.Table.At(CardSide, 0) = Lines();
    program.CardFile =
        CardFileSeen{work.path() / "card" / "pflines" / "ablines.dat", {}, {}, {}, {}};
    ScriptedDialogs ask;
    for (const auto& [folder, said] : {std::pair{"card", "There is no room left on the card."},
                                       std::pair{"pc", "There is no room left on the disk."}}) {
        const fs::path file = work.path() / folder / "lines.kml";
        fs::create_directories(file.parent_path());
        ask.Expect(
            Said({"The lines could not be written to " + PathText(fs::path(file).make_preferred()) +
                      ".\r\nCheck that the folder exists and can be written; any file that "
                      "was there is unchanged.",
                  Buttons::Ok, Icon::Exclamation, "Export Lines"},
                 said),
            Answer::Ok);
        EXPECT_FALSE(ExportLines(program, ask, *unflushed, CardSide, ExportFormat::Kml, file));
    }
    EXPECT_TRUE(ask.Done());
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
            std::set<std::string> names;
            for (const auto& entry : fs::directory_iterator(work.path()))
                names.insert(PathText(entry.path().filename()));
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

// On a disk that tells case apart a name spelled otherwise is another file:
// left as it is and not asked about. Only a TaskData, which terminals look
// for in capitals, asks about and takes the place of a taskdata.xml.
TEST(Export, AnotherSpellingIsAnotherFileButForTaskData) {
    TempFolder work;
    WriteFile(work.path() / "LINES.KML", "old");
    if (fs::exists(work.path() / "lines.kml"))
        GTEST_SKIP() << "this disk does not tell case apart";
    Program program;
    program.Table.At(CardSide, 0) = Lines();
    ScriptedDialogs ask;
    ask.ExpectTitle("Export Lines", Answer::Ok);  // the passes written
    EXPECT_TRUE(ExportLines(program, ask, RealFiles(), CardSide, ExportFormat::Kml,
                            work.path() / "lines.kml"));
    EXPECT_EQ(Bytes(work.path() / "LINES.KML"), "old");
    EXPECT_EQ(Bytes(work.path() / "lines.kml"),
              ExportText(ExportFormat::Kml, Lines(), true, "Your Card"));

    WriteFile(work.path() / "taskdata.xml", "old");
    ask.Expect({"taskdata.xml already exists. Replace it?", Buttons::YesNo, Icon::Question,
                "Export Lines", Answer::No},
               Answer::No);
    EXPECT_FALSE(ExportLines(program, ask, RealFiles(), CardSide, ExportFormat::TaskData,
                             work.path() / "TASKDATA.XML"));
    EXPECT_FALSE(fs::exists(work.path() / "TASKDATA.XML"));
    EXPECT_TRUE(ask.Done());
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

TEST(Export, LinesAcrossTheAntimeridianAreCutInTwoAndNoPlaceIsLeftOut) {
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

    // KML is cut the same way; the pass that is no place is left out, and named.
    TempFolder work;
    const fs::path file = work.path() / "lines.kml";
    const ExportResult result =
        WriteExport(RealFiles(), file, ExportFormat::Kml, AtTheAntimeridian(), true, "F");
    EXPECT_TRUE(result.Written && result.Passes == 4 && result.LeftOut == std::vector{30});
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(Bytes(file).c_str()));
    EXPECT_EQ(doc.select_nodes("//MultiGeometry").size(), 3u);
    ASSERT_TRUE(
        doc.load_string(ExportText(ExportFormat::TaskData, AtTheAntimeridian(), true, "").c_str()));
    EXPECT_EQ(doc.select_nodes("//GPN").size(), 4u);
    const CardImage poles = ImageWith({{6, "-90"}, {7, "+90"}, {8, "+90.000000001"}}, false);
    ASSERT_TRUE(doc.load_string(ExportText(ExportFormat::TaskData, poles, false, "").c_str()));
    EXPECT_EQ(doc.select_nodes("//GPN").size(), 2u);
    EXPECT_EQ(LeftOutText({7, 9, 12}),
              "Fields 7, 9 and 12 were left out: their coordinates are not a place on earth.");
}

// A KMZ's document, unpacked; empty when it is not there.
std::string KmzDocument(const std::string& bytes) {
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, nullptr);
    zip_t* archive = source ? zip_open_from_source(source, ZIP_RDONLY, nullptr) : nullptr;
    if (!archive)
        return {};
    std::string text;
    zip_stat_t stat;
    if (zip_stat(archive, "doc.kml", 0, &stat) == 0) {
        text.resize(static_cast<std::size_t>(stat.size));
        zip_file_t* file = zip_fopen(archive, "doc.kml", 0);
        if (!file ||
            zip_fread(file, text.data(), text.size()) != static_cast<zip_int64_t>(text.size()))
            text.clear();
        if (file)
            zip_fclose(file);
    }
    zip_discard(archive);
    return text;
}

using Read = std::variant<ImportResult, ImportFailure>;

const ImportResult& Lines(const Read& read) {
    static const ImportResult none;
    EXPECT_TRUE(std::holds_alternative<ImportResult>(read))
        << std::get_if<ImportFailure>(&read)->Message;
    return std::holds_alternative<ImportResult>(read) ? std::get<ImportResult>(read) : none;
}

// Every format of the list, written as the export writes it and read back by
// the readers, keeps every pass to a hair: points spread over the earth, up
// to the poles and across 180 degrees, headings all round. Where the test
// command asks, the exports are left for the independent readers.
TEST(Export, EveryFormatGivesBackEveryPassToAHair) {
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
        for (const ExportEntry& entry : ExportFormats()) {
            const std::string kind = straight ? "straight" : "circle";
            const std::string what = std::string(entry.Name) + " " + kind;
            const fs::path path = folder / kind / entry.DefaultName;
            fs::create_directories(path.parent_path());
            ASSERT_TRUE(WriteExport(RealFiles(), path, entry.Format, card, straight, "F").Written)
                << what;
            const Read read = entry.Format == ExportFormat::Kmz ? ReadKml(KmzDocument(Bytes(path)))
                                                                : ReadImportFile(path);
            const ImportResult& result = Lines(read);
            ASSERT_EQ(result.Lines.size(), placed.size()) << what;
            EXPECT_TRUE(result.Skipped.empty()) << what;
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const ImportedLine& line = result.Lines[i];
                EXPECT_TRUE(line.Field == placed[i].Field && line.Straight == straight) << what;
                EXPECT_LE(std::fabs(line.Point.Latitude - placed[i].Point.Latitude), 1e-8) << what;
                EXPECT_LE(std::fabs(std::remainder(line.Point.Longitude - placed[i].Point.Longitude,
                                                   360)),
                          1e-8)
                    << what << i;
                EXPECT_LE(HeadingDifference(line.Heading, placed[i].Heading), 1e-6) << what << i;
            }
        }
    }
}

const fs::path kFields = fs::path(SWATHKIT_TEST_DATA) / "fields";

// The lines of a field folder lie where the KML of the same lines puts
// them, to a centimetre, and point the same way: the KML's is the way to a
// point 1 km on, which differs from the way at A by half the meridians'
// convergence, under 0.01 degrees. Curves and tracks along the boundary are left out
// and said why, and a folder with only the older ABLines.txt reads too.
TEST(FieldFolder, LinesLieWhereTheirKmlPutsThem) {
    const std::tuple<const char*, std::vector<std::string>, std::vector<SkippedLine>> fields[] = {
        {"TrackField",
         {"12", "AB 80.0", "Piv"},
         {{"Cu 275.4", "a curve"}, {"Bnd 1", "a track along the boundary"}}},
        {"OldField", {"AB 80.0", "7"}, {{"broken line", "the line cannot be read"}}}};
    for (const auto& [name, names, skipped] : fields) {
        const Read folder = ReadImportFile(kFields / name);
        const Read kml = ReadImportFile(kFields / name / "Field.kml");
        const ImportResult &ours = Lines(folder), &theirs = Lines(kml);
        ASSERT_EQ(ours.Lines.size(), names.size()) << name;
        EXPECT_EQ(ours.Skipped, skipped) << name;
        for (std::size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(ours.Lines[i].Name, theirs.Lines[i].Name);
            EXPECT_LT(DistanceMetres(ours.Lines[i].Point, theirs.Lines[i].Point), 0.01)
                << name << i;
            EXPECT_LT(HeadingDifference(ours.Lines[i].Heading, theirs.Lines[i].Heading), 0.01)
                << name << i;
        }
        EXPECT_EQ(ours.Lines[0].Field, name == std::string("TrackField") ? 12 : 0);
    }
    // Any of the folder's files names the folder.
    EXPECT_EQ(Lines(ReadImportFile(kFields / "OldField" / "ABLines.txt")).Lines.size(), 2u);

    // Damage never reaches past the field: no start fix refuses the folder,
    // a track cut off or unreadable is left out with what follows it.
    const std::string field = Bytes(kFields / "TrackField" / "Field.txt");
    EXPECT_TRUE(std::holds_alternative<ImportFailure>(
        ReadFieldFolderTexts("StartFix\n91,5\n", std::string_view("$TrackLines"), "")));
    const std::string tracks = Bytes(kFields / "TrackField" / "TrackLines.txt");
    for (const std::size_t cut : {tracks.size() / 3, tracks.size() / 2, tracks.size() - 5}) {
        const ImportResult result =
            Lines(ReadFieldFolderTexts(field, std::string_view(tracks).substr(0, cut), ""));
        EXPECT_EQ(result.Lines.size() + result.Skipped.size() > 0, true) << cut;
    }
    const ImportResult huge = Lines(ReadFieldFolderTexts(
        field, std::string_view("$TrackLines\nx\n0\n0,0\n0,0\n0\n2\nTrue\n99999999\n"), ""));
    const std::vector<SkippedLine> unread{{"x", "the track cannot be read, nor any after it"}};
    EXPECT_EQ(huge.Skipped, unread);
    EXPECT_TRUE(std::holds_alternative<ImportFailure>(
        ReadFieldFolderTexts(field, std::string(4'000'001, '\n'), "")));
}

// A new field folder is made with the first pass as its start fix; into one
// that is there only the line files go, around its own start fix, so that
// its boundary and coverage stay where they were.
TEST(FieldFolder, AFieldThatIsThereKeepsItsStartFix) {
    TempFolder work;
    const fs::path fresh = work.path() / "Card lines", kept = work.path() / "TrackField";
    ASSERT_TRUE(
        WriteExport(RealFiles(), fresh, ExportFormat::FieldFolder, Lines(), true, "F").Written);
    EXPECT_EQ(FieldStartFix(Bytes(fresh / "Field.txt")), PlacedLines(Lines(), true)[0].Point);
    fs::copy(kFields / "TrackField", kept);
    const std::string field = Bytes(kept / "Field.txt");
    EXPECT_EQ(ExportReplaces(RealFiles(), kept, ExportFormat::FieldFolder),
              kept / "TrackLines.txt");
    ASSERT_TRUE(
        WriteExport(RealFiles(), kept, ExportFormat::FieldFolder, Lines(), true, "F").Written);
    EXPECT_EQ(Bytes(kept / "Field.txt"), field);
    const ImportResult a = Lines(ReadImportFile(fresh)), b = Lines(ReadImportFile(kept));
    ASSERT_EQ(a.Lines.size(), 2u);
    ASSERT_EQ(b.Lines.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_LT(DistanceMetres(a.Lines[i].Point, b.Lines[i].Point), 1e-4);
    // Through Export Lines: a folder named is where a field folder goes, and
    // its line file is asked about before it is replaced.
    Program program;
    program.Table.At(CardSide, 0) = Lines();
    ScriptedDialogs ask;
    ask.Expect({"TrackLines.txt already exists. Replace it?", Buttons::YesNo, Icon::Question,
                "Export Lines", Answer::No},
               Answer::Yes);
    ask.Expect({"2 passes written to " + PathText(kept) + ".", Buttons::Ok, Icon::Information,
                "Export Lines"},
               Answer::Ok);
    EXPECT_TRUE(ExportLines(program, ask, RealFiles(), CardSide, ExportFormat::FieldFolder, kept));
    EXPECT_TRUE(ask.Done());
    // A folder that cannot be made is no export.
    auto noFolder =
        MakeFiles([](const char* step, const fs::path&) { return std::string(step) == "mkdir"; });
    EXPECT_FALSE(
        WriteExport(*noFolder, work.path() / "new", ExportFormat::FieldFolder, Lines(), true, "F")
            .Written);
}

}  // namespace
}  // namespace swathkit
