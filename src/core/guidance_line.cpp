#include "core/guidance_line.h"

#include <cmath>
#include <numbers>

#include "core/number_text.h"

namespace swathkit {

std::string FieldNumText(int slot) {
    return "+" + FormatPicture(slot, 9, 0);
}

CardImage NewBlankImage() {
    CardImage image;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        GuidanceLine& line = image.Line(slot);
        line.FieldNum = FieldNumText(slot);
        line.Latitude = line.Longitude = line.HeadingNorth = line.HeadingEast = BlankCoordinate;
    }
    return image;
}

bool LineInUse(const GuidanceLine& line) {
    // Only the digits count: a blank with either sign, or with anything
    // around it, is still a blank.
    constexpr std::string_view zeros = "0000000000000.00000000";
    for (const std::string* text :
         {&line.Latitude, &line.Longitude, &line.HeadingNorth, &line.HeadingEast}) {
        if (text->find(zeros) == std::string::npos)
            return true;
    }
    return false;
}

bool SameCoordinates(const GuidanceLine& a, const GuidanceLine& b) {
    return a.Latitude == b.Latitude && a.Longitude == b.Longitude &&
           a.HeadingNorth == b.HeadingNorth && a.HeadingEast == b.HeadingEast;
}

double HeadingDegrees(const GuidanceLine& line) {
    const double e = LeadingNumber(line.HeadingEast);
    const double n = LeadingNumber(line.HeadingNorth);
    // The direction the two components point in, clockwise from north. The
    // card's own short components (a north of 0.63 beside an east of -0.78)
    // must not be taken as due east or west; the map, the duplicate search,
    // the shift and the exports all draw and write this same angle.
    if (e == 0 && n == 0)
        return 0;  // no direction at all, whatever the zeros' signs
    const double h = std::atan2(e, n) * 180 / std::numbers::pi;
    // A hair west of north stays below 360.
    if (h < 0)
        return h + 360 < 360 ? h + 360 : 0.0;
    return h + 0.0;
}

std::string StoredNumber(double value) {
    const std::string digits = FormatPicture(std::fabs(value), 13, 8);
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
    return (negative ? "-" : "+") + digits;
}

}  // namespace swathkit
