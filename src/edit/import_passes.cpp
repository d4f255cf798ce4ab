#include "edit/import_passes.h"

#include <cmath>
#include <string>
#include <unordered_map>

#include "card/save.h"
#include "core/number_text.h"
#include "display/coordinate_text.h"
#include "display/line_list.h"
#include "edit/edit_step.h"
#include "edit/move_passes.h"

namespace swathkit {

namespace {

// The direction of a straight line is stored as two components; only their
// ratio matters. Long components keep the heading to far better than the
// list's four decimals with the card's eight, and keep the north component
// at 1 or more (the list reads one in [0, 1) as next to nothing) except
// within 0.000006 degrees of due east or west, where that reading is as good.
constexpr double kDirectionLength = 1e7;
// The list turns the components into degrees with this value of pi; the same
// value turns degrees into components, so the heading reads back unchanged.
constexpr double kListPi = 3.14159265358979;

bool HasOwnField(const PlacedLine& line) {
    return line.Field >= kFirstUsableField && line.Field <= kSlotCount;
}

// The lowest free field from `from` up; 0 when there is none.
int FirstFreeField(const CardImage& image, int from) {
    for (int field = from; field <= kSlotCount; ++field) {
        if (!LineInUse(image.Line(field)))
            return field;
    }
    return 0;
}

// A line as the card stores it: its point, and its heading as the list
// reads it back, to a millionth of a degree. One text, so that a file of a
// hundred thousand lines is checked in one lookup each.
std::string LineKey(GeoPoint point, std::optional<double> heading) {
    std::string key = StoredNumber(point.Latitude) + '|' + StoredNumber(point.Longitude);
    if (!heading)
        return key + "|circle";
    const std::string degrees = FormatPicture(*heading, 1, 6);
    return key + '|' + (degrees == "360.000000" ? "0.000000" : degrees);
}

}  // namespace

Words ImportRefusal(const PlacedLine& line, TrackKind checked) {
    if (line.Straight && checked == TrackKind::Circle)
        return SAY("a straight line, and Circle Track is checked");
    if (!line.Straight && checked == TrackKind::Straight)
        return SAY("a circle track, and Straight Track is checked");
    const GeoPoint p = line.Point;
    if (!OnEarth(p))
        return SAY("coordinates out of range");
    if (line.Straight && !std::isfinite(line.Heading))
        return SAY("no heading");
    if (!LineInUse(ImportedRecord(line, kFirstUsableField)))
        return SAY("at latitude 0, longitude 0, which the card takes for an empty field");
    return {};
}

GuidanceLine ImportedRecord(const PlacedLine& line, int field) {
    GuidanceLine record;
    record.FieldNum = FieldNumText(field);
    record.Latitude = StoredNumber(line.Point.Latitude);
    record.Longitude = StoredNumber(line.Point.Longitude);
    record.HeadingNorth = record.HeadingEast = BlankCoordinate;
    if (line.Straight) {
        const double angle = line.Heading * kListPi / 180;
        record.HeadingNorth = StoredNumber(kDirectionLength * std::cos(angle));
        record.HeadingEast = StoredNumber(kDirectionLength * std::sin(angle));
    }
    return record;
}

ImportRowText DescribeImport(const PlacedLine& line, const MenuChoices& menus) {
    const GuidanceLine record = ImportedRecord(line, kFirstUsableField);
    ImportRowText row;
    row.Kind = line.Straight ? SAY("straight line") : SAY("circle track");
    row.Latitude = FormatCoordinate(record.Latitude, menus.ShowDMS);
    row.Longitude = FormatCoordinate(record.Longitude, menus.ShowDMS);
    if (line.Straight)
        row.Heading = FormatHeading(record);
    row.Field = HasOwnField(line) ? Words{std::to_string(line.Field)} : SAY("first free");
    return row;
}

bool ImportIntoImage(Program& program, Ports& ports, const std::vector<PlacedLine>& lines) {
    // The image's own kind: the lines are saved into its master copy.
    const std::optional<TrackKind> kind = KindOf(program.Table.Current(ImageSide));
    std::vector<PlacedLine> coming;
    for (const PlacedLine& line : lines) {
        if (kind && ImportRefusal(line, *kind).empty())
            coming.push_back(line);
    }
    if (coming.empty())
        return false;
    bool changed = false;
    EditSide(program, ports, ImageSide, [&] {
        // The numbered lines first: the free fields handed out below are the
        // ones they leave.
        std::vector<int> fields;
        for (const PlacedLine& line : coming) {
            if (HasOwnField(line) && CopyPassInto(program, ports, ImportedRecord(line, line.Field),
                                                  line.Field, ImageSide))
                fields.push_back(line.Field);
        }
        CardImage& image = program.Table.At(ImageSide, 0);
        // Fields only fill up here, so the search for a free one goes on
        // from the last one handed out.
        int free = kFirstUsableField;
        int noRoom = 0;
        for (const PlacedLine& line : coming) {
            if (HasOwnField(line))
                continue;
            free = free == 0 ? 0 : FirstFreeField(image, free);
            if (free == 0) {
                ++noRoom;
                continue;
            }
            image.Line(free) = ImportedRecord(line, free);
            fields.push_back(free);
        }
        if (noRoom > 0) {
            ports.Ask.Show(
                {Words{noRoom == 1 ? SAY("The Temporary Card Image has no free field left:\r\n"
                                         "%1 line did not come in.")
                                   : SAY("The Temporary Card Image has no free field left:\r\n"
                                         "%1 lines did not come in."),
                       {std::to_string(noRoom)}},
                 Buttons::Ok, Icon::Exclamation, SAY("No Free Field")});
        }
        changed = image != program.Table.At(ImageSide, 1);
        return StepDone{!fields.empty(), StepName(SAY("Import"), fields)};
    });
    return changed;
}

std::vector<Words> ImportRepeats(const CardImage& image, const std::vector<PlacedLine>& lines) {
    // Where each line was first seen: its field in the image, or minus its
    // row.
    std::unordered_map<std::string, int> seen;
    const std::optional<TrackKind> kind = KindOf(image);
    for (int field = kFirstUsableField; field <= kSlotCount && kind; ++field) {
        const GuidanceLine& line = image.Line(field);
        if (LineInUse(line))
            seen.emplace(LineKey(PointOf(line), *kind == TrackKind::Straight
                                                    ? std::optional(HeadingDegrees(line))
                                                    : std::nullopt),
                         field);
    }
    std::vector<Words> notes;
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const PlacedLine& line = lines[row];
        const auto [it, first] = seen.emplace(
            LineKey(line.Point, line.Straight ? std::optional(HeadingDegrees(
                                                    ImportedRecord(line, kFirstUsableField)))
                                              : std::nullopt),
            -static_cast<int>(row + 1));
        notes.push_back(
            first ? Words{}
            : it->second > 0
                ? Words{SAY("already in the image (field %1)"), {std::to_string(it->second)}}
                : Words{SAY("the same as row %1"), {std::to_string(-it->second)}});
    }
    return notes;
}

}  // namespace swathkit
