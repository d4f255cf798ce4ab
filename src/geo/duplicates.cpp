#include "geo/duplicates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <utility>

#include <GeographicLib/Geocentric.hpp>

#include "geo/geo.h"

namespace swathkit {

namespace {

// No two points further apart in latitude than this many degrees per metre
// can be within the limit: a degree of latitude is never shorter than
// 110574 m, so this stays on the safe side and spares the ellipsoid for the
// pairs that cannot match.
constexpr double kMetresPerDegreeAtLeast = 110000;

// Earth-centred coordinates of some 6400 km round off in the nanometres; a
// pair is passed over before the geodesic only when its chord is this much
// beyond the limit.
constexpr double kChordSlackMetres = 0.001;

struct Pass {
    int Side = 0;
    PlacedLine Line;
    std::array<double, 3> Centred{};  // earth-centred X, Y, Z in metres
};

std::vector<Pass> PassesOf(const CardImage& image, int side, bool straight) {
    std::vector<Pass> passes;
    for (const PlacedLine& line : PlacedLines(image, straight)) passes.push_back({side, line, {}});
    return passes;
}

double Chord(const Pass& a, const Pass& b) {
    const double x = a.Centred[0] - b.Centred[0];
    const double y = a.Centred[1] - b.Centred[1];
    const double z = a.Centred[2] - b.Centred[2];
    return std::sqrt(x * x + y * y + z * z);
}

using IndexPair = std::pair<std::size_t, std::size_t>;

// The pairs (i < j) of passes whose straight distance through the earth is
// within reach, in the order a pass-by-pass comparison meets them. The chord
// is never longer than the way over the surface, so no pair within the limit
// is lost; sorted along the axis the passes spread most on, one sweep finds
// the near pairs and only they pay for a geodesic. The search reruns on every
// change while its window is open, and a full card beside a full image is
// over 120000 pairs.
std::vector<IndexPair> NearPairs(std::vector<Pass>& passes, double reach) {
    std::vector<std::size_t> placed;
    std::array<double, 3> low{}, high{};
    for (std::size_t i = 0; i < passes.size(); ++i) {
        Pass& pass = passes[i];
        // Clamped as the distance clamps it, so both judge the same point.
        GeographicLib::Geocentric::WGS84().Forward(
            std::clamp(pass.Line.Point.Latitude, -90.0, 90.0), pass.Line.Point.Longitude, 0,
            pass.Centred[0], pass.Centred[1], pass.Centred[2]);
        // A point that is not a number is near nothing, and must not reach
        // the sort.
        if (!std::all_of(pass.Centred.begin(), pass.Centred.end(),
                         [](double v) { return std::isfinite(v); }))
            continue;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            const double v = pass.Centred[axis];
            low[axis] = placed.empty() ? v : std::min(low[axis], v);
            high[axis] = placed.empty() ? v : std::max(high[axis], v);
        }
        placed.push_back(i);
    }
    std::size_t axis = 0;
    for (std::size_t a = 1; a < 3; ++a)
        if (high[a] - low[a] > high[axis] - low[axis])
            axis = a;
    std::sort(placed.begin(), placed.end(), [&](std::size_t x, std::size_t y) {
        return passes[x].Centred[axis] < passes[y].Centred[axis];
    });

    std::vector<IndexPair> near;
    for (std::size_t k = 0; k < placed.size(); ++k) {
        const Pass& a = passes[placed[k]];
        for (std::size_t m = k + 1; m < placed.size(); ++m) {
            const Pass& b = passes[placed[m]];
            if (b.Centred[axis] - a.Centred[axis] > reach)
                break;
            if (Chord(a, b) <= reach)
                near.push_back(std::minmax(placed[k], placed[m]));
        }
    }
    std::sort(near.begin(), near.end());
    return near;
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
    for (const auto& [i, j] : NearPairs(passes, limits.Metres + kChordSlackMetres)) {
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
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const DuplicatePair& x, const DuplicatePair& y) {
                         return std::tie(x.Metres, x.Degrees) < std::tie(y.Metres, y.Degrees);
                     });
    return pairs;
}

}  // namespace swathkit
