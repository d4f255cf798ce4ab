#include "display/coordinate_text.h"

#include <cmath>

#include "core/number_text.h"

namespace swathkit {

namespace {

constexpr const char* kDegree = "\xC2\xB0";  // U+00B0 in UTF-8

}  // namespace

std::string FormatCoordinate(std::string_view coordinate, bool dms) {
    // Each step reads back the 15-digit text of the step before, which is
    // what keeps 41.123456 from showing as 41°7'24.43''.
    const double x = RoundTo15Digits(LeadingNumber(coordinate));
    const std::string sign = x < 0 ? "-" : "+";
    const double d = RoundTo15Digits(std::fabs(x));
    if (!dms)
        return sign + FormatPicture(d, 3, 6);

    const double degrees = std::floor(d);
    const double f = RoundTo15Digits(d - degrees);
    const double minutes = std::floor(f * 60);
    const double r = RoundTo15Digits(f - minutes / 60);
    const double seconds = std::floor(r * 360000) / 100;
    return sign + DefaultNumberText(degrees) + kDegree + DefaultNumberText(minutes) + "'" +
           DefaultNumberText(seconds) + "''";
}

std::string FormatHeading(const GuidanceLine& line) {
    // The map and the exports draw and write the same angle.
    return FormatPicture(HeadingDegrees(line), 3, 4) + kDegree;
}

}  // namespace swathkit
