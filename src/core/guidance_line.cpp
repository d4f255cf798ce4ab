#include "core/guidance_line.h"

#include "core/number_text.h"

namespace swathkit {

CardImage NewBlankImage() {
    CardImage image;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        GuidanceLine& line = image.Line(slot);
        line.FieldNum = "+" + FormatPicture(slot, 9, 0);
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

}  // namespace swathkit
