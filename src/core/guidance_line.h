#pragma once
// The data model: one guidance line, a card image of 250 slots, and the
// table of the four images the program works on.

#include <array>
#include <stdexcept>
#include <string>

namespace swathkit {

inline constexpr int kSlotCount = 250;
inline constexpr int kFirstUsableField = 6;  // fields 1 to 5 are reserved
inline constexpr const char* BlankCoordinate = "+0000000000000.00000000";

struct GuidanceLine {
    std::string FieldNum;
    std::string Latitude;
    std::string Longitude;
    std::string HeadingNorth;
    std::string HeadingEast;
    std::string FieldName;  // never filled or written; kept for the record's shape
    bool LineFlag = false;

    bool operator==(const GuidanceLine&) const = default;
};

// True for the field numbers a slot can be addressed by.
constexpr bool IsSlotNumber(long long field) {
    return field >= 1 && field <= kSlotCount;
}

class CardImage {
  public:
    // Slots are addressed by field number 1..250; anything else throws, so a
    // stray number can never reach outside the table. Callers that take a
    // number from the operator or from a list check it with IsSlotNumber.
    GuidanceLine& Line(long long field) { return lines_.at(Index(field)); }
    const GuidanceLine& Line(long long field) const { return lines_.at(Index(field)); }

    bool IsCircle = false;
    bool IsStraight = false;

    bool operator==(const CardImage&) const = default;

  private:
    static std::size_t Index(long long field) {
        if (!IsSlotNumber(field))
            throw std::out_of_range("slot number outside 1..250");
        return static_cast<std::size_t>(field - 1);
    }
    std::array<GuidanceLine, kSlotCount> lines_{};
};

enum Side : int { CardSide = 0, ImageSide = 1 };

// Side 0 is the card in the chosen drive, side 1 the temporary card image;
// generation 0 is current, generation 1 what Undo brings back.
struct ImageTable {
    std::array<std::array<CardImage, 2>, 2> Images{};

    CardImage& At(int side, int generation) { return Images.at(side).at(generation); }
    const CardImage& At(int side, int generation) const { return Images.at(side).at(generation); }
    CardImage& Current(int side) { return At(side, 0); }
    const CardImage& Current(int side) const { return At(side, 0); }
};

// The field number text a slot carries: "+000000012".
std::string FieldNumText(int slot);

CardImage NewBlankImage();
bool LineInUse(const GuidanceLine& line);
bool SameCoordinates(const GuidanceLine& a, const GuidanceLine& b);

// The compass heading of a straight line, 0..360 clockwise from north: the
// direction of (HeadingEast, HeadingNorth). The one angle the list, the map,
// the duplicate search, the merge, the shift and the exports use.
double HeadingDegrees(const GuidanceLine& line);

// A coordinate or direction component as the card stores it: sign, 13
// digits, point, 8 decimals ("+0000000000049.12345678").
std::string StoredNumber(double value);

}  // namespace swathkit
