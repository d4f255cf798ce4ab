#pragma once
// How the map tells its passes apart. About one man in twelve cannot tell
// some colours apart, so every colour that means something also has its own
// line style and symbol, and the colours are the Okabe-Ito set, which stays
// distinct for the common kinds of colour blindness.

#include <array>

namespace swathkit {

struct Rgb {
    int R = 0, G = 0, B = 0;
    bool operator==(const Rgb&) const = default;
};

// Okabe & Ito, "Color Universal Design" (2008).
inline constexpr std::array<Rgb, 8> kOkabeIto = {{{0, 0, 0},
                                                  {230, 159, 0},
                                                  {86, 180, 233},
                                                  {0, 158, 115},
                                                  {240, 228, 66},
                                                  {0, 114, 178},
                                                  {213, 94, 0},
                                                  {204, 121, 167}}};

enum class Dash { Solid, Dashed, Dotted };
enum class Mark { Circle, Square, Triangle };

struct PassStyle {
    Rgb Colour;
    Dash Line;
    Mark Symbol;
};

// By the side a pass is drawn for: the card, the image, a backup.
inline constexpr std::array<PassStyle, 3> kSideStyle = {{
    {kOkabeIto[5], Dash::Solid, Mark::Circle},     // blue
    {kOkabeIto[6], Dash::Dashed, Mark::Square},    // vermillion
    {kOkabeIto[3], Dash::Dotted, Mark::Triangle},  // bluish green
}};

inline constexpr Rgb kMapBackground{255, 255, 255};
inline constexpr Rgb kMapText = kOkabeIto[0];
// A field whose line differs on the other side: a dashed ring round the dot.
inline constexpr Rgb kConflictColour = kOkabeIto[0];
// A selected pass: a wide yellow band under a thicker line and a bold label.
inline constexpr Rgb kSelectedColour = kOkabeIto[4];

// The contrast ratio of two colours (1 to 21) as the Web Content
// Accessibility Guidelines reckon it; text needs 4.5, lines and symbols 3.
double ContrastRatio(Rgb a, Rgb b);

}  // namespace swathkit
