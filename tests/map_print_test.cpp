// The map's labels, its colours, and what a printed sheet holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/master_copy.h"
#include "display/map_style.h"
#include "display/print_sheet.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

double Apart(LabelSpot spot, const MapDot& dot) {
    return std::hypot(spot.X - dot.X, spot.Y - dot.Y);
}

// Every label nearer its own dot than any other dot, on crowded random maps
// and on a row of passes closer together than a label is wide.
TEST(MapLabels, EachLabelSitsNearerItsOwnDotThanAnyOther) {
    std::mt19937 random(28);
    std::uniform_real_distribution<double> place(0, 120), heading(0, 360);
    std::vector<std::vector<MapDot>> maps;
    for (int round = 0; round < 40; ++round) {
        std::vector<MapDot> dots(30);
        for (MapDot& dot : dots) {
            dot = {place(random), place(random), std::nullopt};
            if (round % 2)
                dot.Heading = heading(random);
        }
        maps.push_back(dots);
    }
    std::vector<MapDot> row;
    for (int i = 0; i < 10; ++i) row.push_back({100.0 + 6 * i, 50, 0});
    maps.push_back(row);

    for (const std::vector<MapDot>& dots : maps) {
        const std::vector<LabelSpot> spots = PlaceLabels(dots, 13);
        ASSERT_EQ(spots.size(), dots.size());
        for (std::size_t i = 0; i < dots.size(); ++i) {
            const double own = Apart(spots[i], dots[i]);
            EXPECT_GT(own, 0);
            for (std::size_t j = 0; j < dots.size(); ++j) {
                // Dots within a pixel are drawn on one place.
                if (std::hypot(dots[i].X - dots[j].X, dots[i].Y - dots[j].Y) >= 1) {
                    EXPECT_LT(own, Apart(spots[i], dots[j])) << i << " beside " << j;
                }
            }
        }
    }
}

// With room, a label keeps its distance, stays off its own line, and two
// passes on one place (a field on both sides) get their labels apart.
TEST(MapLabels, WithRoomLabelsSitOffTheirLineAndApartOnOnePlace) {
    for (double heading : {0.0, 45.0, 90.0, 200.0}) {
        const MapDot dot{50, 50, heading};
        const LabelSpot spot = PlaceLabels({dot}, 13)[0];
        EXPECT_NEAR(Apart(spot, dot), 13, 1e-9);
        // The angle between the label's way and the line's, on screen (y down).
        const double way = std::atan2(spot.X - dot.X, dot.Y - spot.Y) * 180 / std::acos(-1.0);
        const double off = std::fmod(std::fabs(way - heading) + 360, 180.0);
        EXPECT_GE(std::min(off, 180 - off), 45) << heading;
    }
    const std::vector<LabelSpot> spots =
        PlaceLabels(std::vector<MapDot>(3, MapDot{50, 50, std::nullopt}), 13);
    EXPECT_GT(std::hypot(spots[0].X - spots[1].X, spots[0].Y - spots[1].Y), 13);
    EXPECT_GT(std::hypot(spots[2].X - spots[1].X, spots[2].Y - spots[1].Y), 13);
    EXPECT_GT(std::hypot(spots[2].X - spots[0].X, spots[2].Y - spots[0].Y), 13);
}

// Colours from the Okabe-Ito set, never alone: each side has its own line
// style and symbol; text at least 4.5:1 and lines at least 3:1 against the
// map (the Web Content Accessibility Guidelines, level AA).
TEST(MapStyle, ColoursAreSafeCarryAStyleAndContrastWithTheMap) {
    EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21, 1e-9);
    EXPECT_NEAR(ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
    EXPECT_NEAR(ContrastRatio({255, 255, 255}, {118, 118, 118}), 4.54, 0.01);

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

// The sheet holds the rows the list shows (or its selection), in the form
// chosen under Options; a pass that is no place keeps its row off the map.
TEST(PrintSheet, HoldsTheListedOrSelectedPassesInTheChosenForm) {
    Harness h;
    CardImage& image = h.program.Table.Current(ImageSide) = NewBlankImage();
    image.IsStraight = true;
    image.Line(12) = PassAt(12, {41.5, -93.25}, 0, 1);
    image.Line(40) = PassAt(40, {41.51, -93.25}, 1, 0);
    image.Line(77) = PassAt(77, {95, 0}, 1, 1);
    image.Line(90) = PassAt(90, {41.52, -93.26}, 1, 1);
    const std::map<int, bool> listed = {{12, false}, {40, false}, {77, false}, {90, false}};

    PrintSheet sheet = MakePrintSheet(h.program, ImageSide, listed, {2026, 3, 7});
    EXPECT_EQ(sheet.Title, "Temporary Card Image");
    EXPECT_EQ(sheet.Printed, "2026-03-07");
    EXPECT_EQ(PathFromText(sheet.Source), MasterCopyFile(h.program, true));
    ASSERT_EQ(sheet.Rows.size(), 4u);
    const SheetRow& row = sheet.Rows[0];
    EXPECT_EQ(row.Field, 12);
    EXPECT_EQ(row.Kind, "Straight");
    EXPECT_EQ(row.Latitude, "+41\u00B030'0''");
    EXPECT_EQ(row.Longitude, "-93\u00B015'0''");
    EXPECT_EQ(row.Heading, "090.0000\u00B0");
    EXPECT_EQ(sheet.Passes.size(), 3u);
    for (const MapPass& pass : sheet.Passes) EXPECT_NE(pass.Line.Field, 77);

    h.program.Menus.ShowDMS = false;
    h.program.Menus.ShowLonLat = false;  // the sheet shows coordinates regardless
    sheet = MakePrintSheet(h.program, ImageSide, {{12, false}, {40, true}, {90, true}}, {});
    EXPECT_EQ(sheet.Title, "Temporary Card Image, selected passes");
    ASSERT_EQ(sheet.Rows.size(), 2u);
    EXPECT_EQ(sheet.Rows[0].Field, 40);
    EXPECT_EQ(sheet.Rows[0].Latitude, "+041.510000");
    EXPECT_EQ(sheet.Rows[0].Heading, "000.0000\u00B0");

    h.program.Menus.StraightTrack = false;
    image.IsStraight = false;
    image.IsCircle = true;
    sheet = MakePrintSheet(h.program, ImageSide, listed, {});
    ASSERT_EQ(sheet.Rows.size(), 4u);
    EXPECT_EQ(sheet.Rows[1].Kind, "Circle");
    EXPECT_EQ(sheet.Rows[1].Heading, "");
    EXPECT_FALSE(sheet.Passes[1].Line.Straight);
}

}  // namespace
}  // namespace swathkit
