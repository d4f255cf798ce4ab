#include "core/guidance_line.h"

#include <cmath>

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
    if (e == 0 || n == 0) {
        // On an axis the compass direction is plain; the general rule below
        // would give a line due north as 180 degrees.
        if (e == 0)
            return n < 0 ? 180 : 0;
        return e > 0 ? 90 : 270;
    }
    // A north component in [0, 1) divides as if it were 1e-8, which is how
    // these headings have always been shown.
    const double q = std::floor(n) == 0 ? e / 0.00000001 : e / n;
    double h = std::atan(q) * 180 / 3.14159265358979;
    if (e > 0 && n < 0)
        h += 180;
    else if (e < 0 && n > 0)
        h += 360;
    else if (e < 0 && n < 0)
        h += 180;
    return h;
}

std::string StoredNumber(double value) {
    const std::string digits = FormatPicture(std::fabs(value), 13, 8);
    const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
    return (negative ? "-" : "+") + digits;
}

}  // namespace swathkit
