#include "edit/shift_passes.h"

#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "core/number_text.h"
#include "edit/edit_step.h"
#include "geo/geo.h"

namespace swathkit {

namespace {

constexpr const char* kTitle = SAY("Shift Passes");
constexpr double kDegrees = 180 / 3.14159265358979323846;

struct Offset {
    double Metres = 0;
    double Heading = 0;  // compass degrees
};

// A number as typed: an optional sign, digits and at most one decimal point
// or comma, blanks around it. Exponents, thousands separators, "inf" and
// "nan" are refused rather than guessed at; the value itself is read by the
// same locale-free reader as every other number text.
std::optional<double> TypedNumber(std::string text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    bool point = false, digit = false;
    for (std::size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0; i < text.size(); ++i) {
        char& c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
            c = '.';
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    return LeadingNumber(text);
}

// The shift the entry asks for, or what is wrong with it.
std::optional<Offset> ReadEntry(const ShiftEntry& entry, Words& problem) {
    std::array<double, 2> value{};
    for (int i = 0; i < 2; ++i) {
        const std::string& text = i == 0 ? entry.First : entry.Second;
        const std::optional<double> number = TypedNumber(text);
        if (!number) {
            problem = Words{SAY("\"%1\" is not a number.\r\n"
                                "Type it in digits, such as 1.5 or -0,25."),
                            {text}};
            return std::nullopt;
        }
        value[i] = *number;
    }
    const Offset offset = entry.AlongBearing ? Offset{value[0], value[1]}
                                             : Offset{std::hypot(value[0], value[1]),
                                                      std::atan2(value[0], value[1]) * kDegrees};
    const double metres = std::fabs(offset.Metres);
    if (!(metres <= kMaxShiftMetres)) {
        // Digits enough to overflow would fill the box with hundreds of them.
        const std::string limit = DefaultNumberText(kMaxShiftMetres);
        problem = metres < 1e6
                      ? Words{SAY("A shift of %1 m is further than the %2 m a shift may be."),
                              {FormatPicture(metres, 1, 2), limit}}
                      : Words{SAY("A shift of over %1 m is further than the %2 m a shift may be."),
                              {"1000000", limit}};
        return std::nullopt;
    }
    return offset;
}

}  // namespace

Words ShiftEntryProblem(const ShiftEntry& entry) {
    Words problem;
    (void)ReadEntry(entry, problem);
    return problem;
}

void ShiftSelectedPasses(Program& program, Ports& ports, int side, const AskShift& ask) {
    const std::vector<int> selected = ports.List(side).SelectedSlots();
    if (selected.empty()) {
        ports.Ask.Show(
            {SAY("Select the passes to shift first.  You can select multiple fields by \r\n"
                 "holding the CTRL-key while you click."),
             Buttons::Ok, Icon::Exclamation, SAY("Nothing Selected")});
        return;
    }
    const std::optional<ShiftEntry> entry = ask();
    if (!entry)
        return;
    Words problem;
    const std::optional<Offset> offset = ReadEntry(*entry, problem);
    if (!offset) {
        ports.Ask.Show({Words{SAY("%1\r\nNothing has been moved."), {problem}}, Buttons::Ok,
                        Icon::Exclamation, kTitle});
        return;
    }

    EditSide(program, ports, side, [&] {
        CardImage& image = program.Table.At(side, 0);
        std::string unplaced;
        std::vector<int> shifted;
        for (const int slot : std::set<int>(selected.begin(), selected.end())) {
            if (!IsSlotNumber(slot) || !LineInUse(image.Line(slot)))
                continue;
            GuidanceLine& line = image.Line(slot);
            const GeoPoint from = PointOf(line);
            // The ellipsoid would pin such a point to a pole or wrap it round
            // the earth, and the pass would come out as some other line.
            if (!OnEarth(from)) {
                unplaced += (unplaced.empty() ? "" : ", ") + std::to_string(slot);
                continue;
            }
            const GeoPoint to = Travel(from, offset->Heading, offset->Metres);
            line.Latitude = StoredNumber(to.Latitude);
            line.Longitude = StoredNumber(to.Longitude);
            shifted.push_back(slot);
        }
        if (!unplaced.empty()) {
            ports.Ask.Show(
                {Words{SAY("These passes were not moved: their position is not a latitude and "
                           "longitude.\r\nField #: %1"),
                       {unplaced}},
                 Buttons::Ok, Icon::Exclamation, kTitle});
        }
        return StepDone{!shifted.empty(), StepName(SAY("Shift"), shifted)};
    });
}

}  // namespace swathkit
