// swathkit-cli: the window's readers and writers for scripts. "list" says
// what a file of lines holds as one JSON object; "convert" writes its lines
// in another format through the same safe write as the window.

#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#ifdef _WIN32
#include <windows.h>

#include <shellapi.h>
#endif

#include "core/files.h"
#include "core/guidance_line.h"
#include "core/line_file.h"
#include "core/version.h"
#include "edit/import_passes.h"
#include "exchange/export_lines.h"
#include "exchange/field_folder.h"
#include "exchange/import_lines.h"

namespace swathkit {
namespace {

constexpr int kDone = 0, kRefused = 1, kWrongUsage = 2;
constexpr const char* kProgram = "swathkit-cli";

const char* const kHelp =
    "Usage: swathkit-cli list FILE\n"
    "  or:  swathkit-cli convert IN OUT [--to FORMAT]\n"
    "Read the guidance lines of a file, or write them in another format.\n"
    "\n"
    "  list FILE        write one JSON object to standard output: the file, its\n"
    "                   format, its lines and what was left out, and why\n"
    "  convert IN OUT   write the lines of IN to OUT, in the format OUT's name\n"
    "                   implies: TASKDATA.XML or .zip, .kml, .kmz, .geojson,\n"
    "                   ablines.dat or circles.dat (a card line file)\n"
    "  --to FORMAT      the format to write: taskdata, kml, kmz, geojson,\n"
    "                   agopengps (a field folder) or card\n"
    "  --help           show this help and stop\n"
    "  --version        show the version and stop\n"
    "\n"
    "FILE and IN may be a TaskData file, folder or zip, a KML, KMZ or GeoJSON\n"
    "file, a field folder of AgOpenGPS, or a card line file (ablines.dat,\n"
    "circles.dat); a card line file's damage is listed as left out.\n"
    "\n"
    "Exit status: 0 when done, 1 when the file is refused (one line on\n"
    "standard error, and nothing written), 2 on wrong usage.\n";

struct Lines {
    std::string Format;
    std::vector<ImportedLine> Found;
    std::vector<SkippedLine> LeftOut;
};

bool IsCardFile(const fs::path& path) {
    const std::string name = AsciiLower(PathText(path.filename()));
    return name == "ablines.dat" || name == "circles.dat";
}

// What a file is by its name, as the readers take it.
std::string FormatOf(const fs::path& path) {
    std::error_code error;
    const std::string name = AsciiLower(PathText(path.filename()));
    const std::string extension = AsciiLower(PathText(path.extension()));
    if (IsCardFile(path))
        return "card";
    if ((fs::is_directory(path, error) && IsFieldFolder(path)) || name == "field.txt" ||
        name == "tracklines.txt" || name == "ablines.txt")
        return "agopengps";
    if (extension == ".kml" || extension == ".kmz")
        return extension.substr(1);
    if (extension == ".geojson" || extension == ".json")
        return "geojson";
    return "taskdata";
}

// A card line file read as the window reads a card: every good record, and
// each record that could not be read named as left out.
std::variant<Lines, std::string> ReadCard(const fs::path& path) {
    const auto read = RealFiles().Read(path, kLineFileLimit);
    if (!read)
        return "The file " + PathText(path.filename()) + " cannot be read.";
    SalvagedLines salvaged = SalvageLineFile(read->Bytes, read->Whole);
    SetKindFromPath(salvaged.Image, path);
    Lines lines{"card", {}, {}};
    const bool straight = !salvaged.Image.IsCircle;
    for (int slot : salvaged.Lost)
        lines.LeftOut.push_back({std::to_string(slot), "the record could not be read"});
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
        if (!LineInUse(salvaged.Image.Line(slot)))
            continue;
        const GeoPoint point = PointOf(salvaged.Image.Line(slot));
        if (!OnEarth(point)) {
            lines.LeftOut.push_back({std::to_string(slot), "coordinates out of range"});
            continue;
        }
        lines.Found.push_back({std::to_string(slot), straight, point,
                               straight ? HeadingDegrees(salvaged.Image.Line(slot)) : 0, slot});
    }
    return lines;
}

std::variant<Lines, std::string> Read(const fs::path& path) {
    std::error_code error;
    if (!fs::exists(path, error))
        return "There is no file " + PathText(path) + ".";
    if (IsCardFile(path))
        return ReadCard(path);
    auto read = ReadImportFile(path);
    if (auto* failure = std::get_if<ImportFailure>(&read))
        return failure->Message.English();
    ImportResult& result = std::get<ImportResult>(read);
    return Lines{FormatOf(path), std::move(result.Lines), std::move(result.Skipped)};
}

int Refuse(const std::string& why) {
    std::cerr << kProgram << ": " << why << "\n";
    return kRefused;
}

int WrongUsage(const std::string& why) {
    std::cerr << kProgram << ": " << why << "\nTry 'swathkit-cli --help'.\n";
    return kWrongUsage;
}

// A line as the card stores it in a field.
GuidanceLine Record(const ImportedLine& line, int field) {
    return ImportedRecord(ImportedPlace(line), field);
}

// A line the card can hold: one at latitude 0, longitude 0 the card would
// take for an empty field.
bool Holdable(const ImportedLine& line) {
    return LineInUse(Record(line, kFirstUsableField));
}

int List(const fs::path& path) {
    auto read = Read(path);
    if (auto* why = std::get_if<std::string>(&read))
        return Refuse(*why);
    const Lines& lines = std::get<Lines>(read);
    // Ticked as the import preview ticks it with an empty image: a point
    // not said to be a pivot, and a line repeated in the file, are not.
    std::vector<PlacedLine> places;
    for (const ImportedLine& line : lines.Found) places.push_back(ImportedPlace(line));
    const auto repeats = ImportRepeats(NewBlankImage(), places);
    nlohmann::ordered_json found = nlohmann::ordered_json::array();
    for (std::size_t row = 0; row < lines.Found.size(); ++row) {
        const ImportedLine& line = lines.Found[row];
        nlohmann::ordered_json item{{"name", line.Name},
                                    {"kind", line.Straight ? "straight" : "circle"},
                                    {"latitude", line.Point.Latitude},
                                    {"longitude", line.Point.Longitude}};
        if (line.Straight)
            item["heading"] = line.Heading;
        item["field"] = line.Field != 0 ? nlohmann::ordered_json(line.Field) : nullptr;
        item["ticked"] = line.Ticked && Holdable(line) && repeats[row].empty();
        found.push_back(std::move(item));
    }
    nlohmann::ordered_json leftOut = nlohmann::ordered_json::array();
    for (const SkippedLine& line : lines.LeftOut)
        leftOut.push_back({{"name", line.Name}, {"reason", line.Reason.English()}});
    const nlohmann::ordered_json out{{"file", PathText(path)},
                                     {"format", lines.Format},
                                     {"lines", std::move(found)},
                                     {"left_out", std::move(leftOut)}};
    // Names are other programs' text and may not be valid UTF-8.
    std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return kDone;
}

// The format OUT's name implies; none when it implies none.
std::optional<std::string> ImpliedFormat(const fs::path& out) {
    const std::string name = AsciiLower(PathText(out.filename()));
    const std::string extension = AsciiLower(PathText(out.extension()));
    if (IsCardFile(out))
        return "card";
    if (name == "taskdata.xml" || extension == ".zip")
        return "taskdata";
    if (extension == ".kml" || extension == ".kmz" || extension == ".geojson")
        return extension.substr(1);
    return std::nullopt;
}

// The lines of one kind placed in a card image: each in the field its name
// gives when that is free, the others in the free fields from the first.
CardImage ImageOf(const std::vector<ImportedLine>& lines, bool straight,
                  std::vector<std::string>& notPlaced) {
    CardImage image = NewBlankImage();
    image.IsStraight = straight;
    image.IsCircle = !straight;
    std::vector<const ImportedLine*> later;
    const auto place = [&](const ImportedLine& line, int field) {
        image.Line(field) = Record(line, field);
    };
    for (const ImportedLine& line : lines) {
        if (line.Straight != straight)
            continue;
        if (!Holdable(line)) {
            notPlaced.push_back(line.Name +
                                " was left out: at latitude 0, longitude 0, which the "
                                "card takes for an empty field.");
            continue;
        }
        if (IsSlotNumber(line.Field) && line.Field >= kFirstUsableField &&
            !LineInUse(image.Line(line.Field)))
            place(line, line.Field);
        else
            later.push_back(&line);
    }
    int free = kFirstUsableField;
    for (const ImportedLine* line : later) {
        while (free <= kSlotCount && LineInUse(image.Line(free))) ++free;
        if (free > kSlotCount) {
            notPlaced.push_back(line->Name + " was left out: the card has no free field.");
            continue;
        }
        place(*line, free);
    }
    return image;
}

int Convert(const fs::path& in, const fs::path& out, const std::optional<std::string>& to) {
    const std::optional<std::string> format = to ? to : ImpliedFormat(out);
    if (!format)
        return WrongUsage("the format of " + PathText(out.filename()) +
                          " cannot be told from its name; give --to");
    auto read = Read(in);
    if (auto* why = std::get_if<std::string>(&read))
        return Refuse(*why);
    const Lines& lines = std::get<Lines>(read);
    bool straight = false;
    for (const ImportedLine& line : lines.Found) straight = straight || line.Straight;
    if (*format == "card")
        straight = AsciiLower(PathText(out.filename())).find("ircle") == std::string::npos;
    std::vector<std::string> notPlaced;
    const CardImage image = ImageOf(lines.Found, straight, notPlaced);
    const std::size_t passes = PlacedLines(image, straight).size();
    if (passes == 0)
        return Refuse(PathText(in.filename()) + " holds no " +
                      (straight ? "straight lines" : "circle tracks") + " to write.");
    bool written = false;
    if (*format == "card") {
        written = RealFiles().Replace(out, LineFileText(image, LineLayout::Card));
    } else if (*format == "taskdata" && AsciiLower(PathText(out.extension())) == ".zip") {
        const std::string zip = ZipOf("TASKDATA.XML", ExportText(ExportFormat::TaskData, image,
                                                                 straight, PathText(in.stem())));
        written = !zip.empty() && RealFiles().Replace(out, zip);
    } else {
        const ExportEntry* entry = nullptr;
        for (const ExportEntry& each : ExportFormats())
            if (*format == each.Name)
                entry = &each;
        written = entry &&
                  WriteExport(RealFiles(), out, entry->Format, image, straight, PathText(in.stem()))
                      .Written;
    }
    if (!written)
        return Refuse("The lines could not be written to " + PathText(out) + ".");
    std::cout << passes << (passes == 1 ? " pass" : " passes") << " written to " << PathText(out)
              << ".\n";
    for (const std::string& why : notPlaced) std::cerr << kProgram << ": " << why << "\n";
    return kDone;
}

int Run(const std::vector<fs::path>& args) {
    std::vector<std::string> texts;
    for (const fs::path& arg : args) texts.push_back(PathText(arg));
    if (texts.size() == 1 && texts[0] == "--help") {
        std::cout << kHelp;
        return kDone;
    }
    if (texts.size() == 1 && texts[0] == "--version") {
        std::cout << kProgram << " " << kProgramVersion << "\n";
        return kDone;
    }
    if (texts.size() == 2 && texts[0] == "list")
        return List(args[1]);
    if ((texts.size() == 3 || texts.size() == 5) && texts[0] == "convert") {
        std::optional<std::string> to;
        if (texts.size() == 5) {
            if (texts[3] != "--to")
                return WrongUsage("unknown option " + texts[3]);
            to = texts[4];
            bool known = to == "card";
            for (const ExportEntry& entry : ExportFormats()) known = known || to == entry.Name;
            if (!known)
                return WrongUsage("unknown format " + *to);
        }
        return Convert(args[1], args[2], to);
    }
    return WrongUsage(texts.empty() ? "no command given" : "wrong use of " + texts[0]);
}

}  // namespace
}  // namespace swathkit

int main(int argc, char** argv) {
    std::vector<swathkit::fs::path> args;
#ifdef _WIN32
    // The arguments as the system holds them, so that any file name comes
    // through whatever the code page.
    (void)argv;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) args.emplace_back(wide[i]);
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i) args.push_back(swathkit::PathFromText(argv[i]));
#endif
    (void)argc;
    try {
        return swathkit::Run(args);
    } catch (const std::exception& error) {
        std::cerr << "swathkit-cli: " << error.what() << "\n";
        return 1;
    }
}
