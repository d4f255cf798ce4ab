#include "geo/duplicates.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "geo/geo.h"

namespace swathkit {

namespace {

// No two points further apart in latitude than this many degrees per metre
// can be within the limit: a degree of latitude is never shorter than
// 110574 m, so this stays on the safe side and spares the ellipsoid for the
// pairs that cannot match.
constexpr double kMetresPerDegreeAtLeast = 110000;

struct Pass {
    int Side;
    PlacedLine Line;
};

std::vector<Pass> PassesOf(const CardImage& image, int side, bool straight) {
    std::vector<Pass> passes;
    for (const PlacedLine& line : PlacedLines(image, straight)) passes.push_back({side, line});
    return passes;
}

}  // namespace

std::optional<DuplicatePair> MatchPasses(const PlacedLine& a, const PlacedLine& b, bool straight,
                                         DuplicateLimits limits) {
    if (std::fabs(a.Point.Latitude - b.Point.Latitude) * kMetresPerDegreeAtLeast > limits.Metres)
        return std::nullopt;
    DuplicatePair pair;
    pair.Metres = DistanceMetres(a.Point, b.Point);
    if (!(pair.Metres <= limits.Metres))
        return std::nullopt;
    if (straight) {
        const double same = HeadingDifference(a.Heading, b.Heading);
        pair.Reversed = same > 90;
        pair.Degrees = pair.Reversed ? 180 - same : same;
        if (!(pair.Degrees <= limits.Degrees))
            return std::nullopt;
    }
    pair.First.Field = a.Field;
    pair.Second.Field = b.Field;
    return pair;
}

std::vector<DuplicatePair> FindDuplicates(const CardImage& card, const CardImage& image,
                                          bool straight, bool cardLoaded, DuplicateLimits limits) {
    std::vector<Pass> passes;
    if (cardLoaded)
        passes = PassesOf(card, CardSide, straight);
    for (const Pass& pass : PassesOf(image, ImageSide, straight)) passes.push_back(pass);

    std::vector<DuplicatePair> pairs;
    if (!(limits.Metres >= 0) || (straight && !(limits.Degrees >= 0)))
        return pairs;
    for (std::size_t i = 0; i < passes.size(); ++i) {
        for (std::size_t j = i + 1; j < passes.size(); ++j) {
            const Pass& a = passes[i];
            const Pass& b = passes[j];
            // Within one side two passes always differ in number; across the
            // sides the same number is the merge's own copy.
            if (a.Side != b.Side && a.Line.Field == b.Line.Field)
                continue;
            std::optional<DuplicatePair> pair = MatchPasses(a.Line, b.Line, straight, limits);
            if (!pair)
                continue;
            pair->First.Side = a.Side;
            pair->Second.Side = b.Side;
            pairs.push_back(*pair);
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const DuplicatePair& x, const DuplicatePair& y) {
                         return std::tie(x.Metres, x.Degrees) < std::tie(y.Metres, y.Degrees);
                     });
    return pairs;
}

}  // namespace swathkit
