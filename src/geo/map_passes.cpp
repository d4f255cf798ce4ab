#include "geo/map_passes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace swathkit {

namespace {

// Dots closer than this are drawn on one place.
constexpr double kSamePlacePixels = 1;

double Distance(double x1, double y1, double x2, double y2) {
    return std::hypot(x1 - x2, y1 - y2);
}

}  // namespace

std::vector<MapPass> PassesShown(const Program& program, const ListedFields& listed) {
    const bool straight = program.Menus.StraightTrack;
    std::vector<MapPass> passes;
    for (int side : {CardSide, ImageSide}) {
        const int otherSide = side == CardSide ? ImageSide : CardSide;
        const CardImage& image = program.Table.Current(side);
        const CardImage& other = program.Table.Current(otherSide);
        for (const PlacedLine& line : PlacedLines(image, straight)) {
            const auto found = listed[side].find(line.Field);
            if (found == listed[side].end())
                continue;
            MapPass pass{side, line, found->second, false};
            pass.Conflict = listed[otherSide].count(line.Field) > 0 &&
                            !SameCoordinates(image.Line(line.Field), other.Line(line.Field));
            passes.push_back(pass);
        }
    }
    return passes;
}

std::vector<LabelSpot> PlaceLabels(const std::vector<MapDot>& dots, double gap) {
    std::vector<LabelSpot> spots;
    spots.reserve(dots.size());
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const MapDot& dot = dots[i];
        // A label stays within half the way to the nearest other place, so
        // that it is nearer its own dot than any neighbour's.
        double nearest = std::numeric_limits<double>::infinity();
        for (std::size_t j = 0; j < dots.size(); ++j) {
            const double d = Distance(dot.X, dot.Y, dots[j].X, dots[j].Y);
            if (j != i && d >= kSamePlacePixels)
                nearest = std::min(nearest, d);
        }
        const double reach = std::min(gap, 0.45 * nearest);
        LabelSpot best{dot.X + reach, dot.Y};
        double bestScore = -std::numeric_limits<double>::infinity();
        // Eight ways round the dot, east first, then clockwise on screen.
        for (int way = 0; way < 8; ++way) {
            const double angle = way * 45.0;  // screen degrees from east, y down
            const double radians = angle * std::numbers::pi / 180;
            const LabelSpot spot{dot.X + reach * std::cos(radians),
                                 dot.Y + reach * std::sin(radians)};
            // Room: the distance to the nearest other dot or label already placed.
            double room = std::numeric_limits<double>::infinity();
            for (std::size_t j = 0; j < dots.size(); ++j) {
                if (j != i)
                    room = std::min(room, Distance(spot.X, spot.Y, dots[j].X, dots[j].Y));
            }
            for (const LabelSpot& placed : spots)
                room = std::min(room, Distance(spot.X, spot.Y, placed.X, placed.Y));
            double score = std::min(room, 4 * gap);
            if (dot.Heading) {
                // The line runs along the heading both ways; a label across
                // it reads clear of it.
                const double lineAngle = *dot.Heading - 90;  // compass to screen degrees
                const double off = std::fmod(std::fabs(angle - lineAngle), 180.0);
                score -= gap * std::max(0.0, 1 - std::min(off, 180 - off) / 45);
            }
            if (score > bestScore + 1e-9) {
                bestScore = score;
                best = spot;
            }
        }
        spots.push_back(best);
    }
    return spots;
}

}  // namespace swathkit
