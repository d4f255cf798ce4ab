// The map's labels and its colours.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "display/map_style.h"
#include "geo/map_passes.h"

namespace swathkit {
namespace {

using namespace testing;

double Apart(LabelSpot spot, const MapDot& dot) {
    return std::hypot(spot.X - dot.X, spot.Y - dot.Y);
}

// On crowded random maps every label sits nearer its own dot than any other
// dot; with room it keeps its distance off its own line; passes on one place
// (a field on both sides) get their labels apart.
TEST(MapLabels, EachLabelSitsBesideItsOwnDotOffItsLine) {
    std::mt19937 random(28);
    std::uniform_real_distribution<double> place(0, 120), heading(0, 360);
    for (int round = 0; round < 40; ++round) {
        std::vector<MapDot> dots(30);
        for (MapDot& dot : dots) dot = {place(random), place(random), heading(random)};
        const std::vector<LabelSpot> spots = PlaceLabels(dots, 13);
        ASSERT_EQ(spots.size(), dots.size());
        for (std::size_t i = 0; i < dots.size(); ++i) {
            for (std::size_t j = 0; j < dots.size(); ++j) {
                // Dots within a pixel are drawn on one place.
                if (std::hypot(dots[i].X - dots[j].X, dots[i].Y - dots[j].Y) >= 1) {
                    EXPECT_LT(Apart(spots[i], dots[i]), Apart(spots[i], dots[j])) << i << j;
                }
            }
        }
    }
    for (double heading : {0.0, 45.0, 90.0, 200.0}) {
        const MapDot dot{50, 50, heading};
        const LabelSpot spot = PlaceLabels({dot}, 13)[0];
        EXPECT_NEAR(Apart(spot, dot), 13, 1e-9);
        // The angle between the label's way and the line's, on screen (y down).
        const double way = std::atan2(spot.X - dot.X, dot.Y - spot.Y) * 180 / std::acos(-1.0);
        const double off = std::fmod(std::fabs(way - heading) + 360, 180.0);
        EXPECT_GE(std::min(off, 180 - off), 45) << heading;
    }
    const MapDot one{50, 50, std::nullopt};
    const std::vector<LabelSpot> spots = PlaceLabels({one, one, one}, 13);
    for (int i = 0; i < 3; ++i)
        EXPECT_GT(Apart(spots[i], {spots[(i + 1) % 3].X, spots[(i + 1) % 3].Y, {}}), 13);
}

// Colours from the Okabe-Ito set, never alone: each side has its own line
// style and symbol; text at least 4.5:1 and lines at least 3:1 against the
// map (the Web Content Accessibility Guidelines, level AA).
TEST(MapStyle, ColoursAreSafeCarryAStyleAndContrastWithTheMap) {
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21, 1e-9);
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);

    const auto inPalette = [](Rgb colour) {
        return std::find(kOkabeIto.begin(), kOkabeIto.end(), colour) != kOkabeIto.end();
    };
    EXPECT_GE(ContrastRatio(kMapText, kMapBackground), 4.5);
    EXPECT_GE(ContrastRatio(kConflictColour, kMapBackground), 3);
    EXPECT_TRUE(inPalette(kMapText) && inPalette(kConflictColour) && inPalette(kSelectedColour));
    for (std::size_t a = 0; a < kSideStyle.size(); ++a) {
        EXPECT_TRUE(inPalette(kSideStyle[a].Colour)) << a;
        EXPECT_GE(ContrastRatio(kSideStyle[a].Colour, kMapBackground), 3) << a;
        for (std::size_t b = a + 1; b < kSideStyle.size(); ++b) {
            EXPECT_NE(kSideStyle[a].Colour, kSideStyle[b].Colour);
            EXPECT_NE(kSideStyle[a].Line, kSideStyle[b].Line);
            EXPECT_NE(kSideStyle[a].Symbol, kSideStyle[b].Symbol);
        }
    }
}

}  // namespace
}  // namespace swathkit
