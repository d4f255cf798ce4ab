// Where the passes land: distances against values computed independently
// from the ellipsoid, the map's projection and the duplicate search.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <tuple>

#include "core/number_text.h"
#include "geo/duplicates.h"
#include "geo/geo.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

constexpr double kA = 6378137.0;
constexpr double kF = 1 / 298.257223563;
constexpr double kPi = 3.14159265358979323846;

// The WGS 84 meridian arc between two latitudes, by Simpson's rule over the
// meridian radius of curvature: a reference that shares nothing with the
// iteration under test.
double MeridianArc(double fromDegrees, double toDegrees) {
    const double e2 = kF * (2 - kF);
    auto radius = [e2](double phi) {
        const double w = 1 - e2 * std::sin(phi) * std::sin(phi);
        return kA * (1 - e2) / (w * std::sqrt(w));
    };
    const int steps = 20000;
    const double a = fromDegrees * kPi / 180, b = toDegrees * kPi / 180, h = (b - a) / steps;
    double sum = radius(a) + radius(b);
    for (int i = 1; i < steps; ++i) sum += radius(a + i * h) * (i % 2 ? 4 : 2);
    return sum * h / 3;
}

TEST(Geo, DistancesBearingsAndTravelAgreeWithTheEllipsoid) {
    const double degree = kA * kPi / 180;  // along the equator, a times the angle
    const double halfMeridian = 2 * 10001965.729;
    const struct {
        GeoPoint From, To;
        double Metres, Within, Bearing;  // Bearing < 0: not checked
    } distances[] = {
        {{0, 0}, {0, 1}, degree, 0.001, 90},
        {{0, 1}, {0, 0}, degree, 0.001, 270},
        {{0, 179.9995}, {0, -179.9995}, degree * 0.001, 0.001, 90},  // across the antimeridian
        {{0, 5}, {1, 5}, MeridianArc(0, 1), 0.01, 0},                // along a meridian
        {{46, -93}, {45, -93}, MeridianArc(45, 46), 0.01, 180},
        {{-52, 170}, {-52.0001, 170}, MeridianArc(52, 52.0001), 0.001, 180},
        {{0, 0}, {90, 0}, halfMeridian / 2, 0.01, 0},
        {{41.5, -93.25}, {41.5, -93.25}, 0, 0, -1},
        // Antipodes and nearly so: over a pole, and a published worked example.
        {{0, 0}, {0, 180}, halfMeridian, 0.01, -1},
        {{45, 10}, {-45, -170}, halfMeridian, 0.01, -1},
        {{10, 0}, {-9.5, 180}, MeridianArc(10, 90) + MeridianArc(-9.5, 90), 0.01, 0},
        {{-30, 0}, {29.9, 179.8}, 19989832.827610, 0.001, 161.890524736},
    };
    for (const auto& d : distances) {
        EXPECT_NEAR(DistanceMetres(d.From, d.To), d.Metres, d.Within) << d.To.Latitude;
        EXPECT_NEAR(DistanceMetres(d.To, d.From), d.Metres, d.Within) << d.To.Latitude;
        if (d.Bearing >= 0) {
            EXPECT_NEAR(BearingDegrees(d.From, d.To), d.Bearing, 1e-8) << d.To.Latitude;
        }
    }
    // Garbage from a card never gives a non-number.
    EXPECT_TRUE(std::isfinite(DistanceMetres({1000, 5}, {-3000, 1e9}) +
                              BearingDegrees({1000, 5}, {-3000, 1e9}) +
                              Travel({1000, 5}, 30, 100).Latitude));

    // The published direct example, and again from east of 180 degrees.
    for (double from : {0.0, 170.0}) {
        const GeoPoint far = Travel({40, from}, 30, 10e6);
        EXPECT_NEAR(far.Latitude, 41.79331020506, 1e-10);
        EXPECT_NEAR(far.Longitude, from ? -52.15509995623 : 137.84490004377, 1e-10);
    }
    const GeoPoint start{41.5, -93.25};
    const GeoPoint back = Travel(start, 45, -1000);
    EXPECT_TRUE(back.Latitude < start.Latitude && back.Longitude < start.Longitude);
    for (double heading : {0.0, 33.3, 180.0, 271.0})
        for (double metres : {1.0, 54972.271}) {
            const GeoPoint there = Travel(start, heading, metres);
            EXPECT_NEAR(DistanceMetres(start, there), metres, 0.001);
            EXPECT_LT(HeadingDifference(BearingDegrees(start, there), heading), 1e-6);
        }
    EXPECT_DOUBLE_EQ(HeadingDifference(350, 10), 20);
    EXPECT_DOUBLE_EQ(HeadingDifference(10, 190), 180);
    EXPECT_DOUBLE_EQ(HeadingDifference(-90, 270), 0);
}

TEST(Geo, ProjectionIsTrueToScaleAndRoundTrips) {
    const GeoPoint origin{41.5, -93.25};
    const LocalProjection projection(origin);
    // A line heading 090 runs east on the map; a field 1 km north is 1000 m up.
    const MetricPoint east = projection.ToMetres(Travel(origin, 90, 500));
    EXPECT_NEAR(east.East, 500, 0.01);
    EXPECT_NEAR(east.North, 0, 0.05);
    EXPECT_NEAR(projection.ToMetres(Travel(origin, 0, 1000)).North, 1000, 0.01);
    EXPECT_NEAR(projection.ToMetres(Travel(origin, 0, 1000)).East, 0, 1e-9);
    // 2 km out on a diagonal the scale is off by less than 50 parts per
    // million, far finer than the map draws.
    const GeoPoint corner = Travel(origin, 37, 2000);
    const MetricPoint m = projection.ToMetres(corner);
    EXPECT_NEAR(std::hypot(m.East, m.North), 2000, 0.1);
    const GeoPoint round = projection.ToGeo(m);
    EXPECT_NEAR(round.Latitude, corner.Latitude, 1e-12);
    EXPECT_NEAR(round.Longitude, corner.Longitude, 1e-12);
    const LocalProjection around =
        LocalProjection::Around({{41.0, -94.0}, {42.0, -93.0}, {41.5, -93.9}});
    EXPECT_TRUE(around.Origin().Latitude == 41.5 && around.Origin().Longitude == -93.5);
    // A farm across the antimeridian is centred on it, not on the far side.
    const LocalProjection fiji = LocalProjection::Around({{-17, 179.9}, {-17.2, -179.8}});
    EXPECT_NEAR(fiji.Origin().Longitude, -179.95, 1e-9);
    EXPECT_NEAR(fiji.ToGeo(fiji.ToMetres({-17, 179.9})).Longitude, 179.9, 1e-9);
    // At a pole east means nothing, and nothing divides by zero.
    const GeoPoint pole = LocalProjection({90, 10}).ToGeo({100, 100});
    EXPECT_TRUE(std::isfinite(pole.Latitude) && std::isfinite(pole.Longitude));
}

// A pass at the given point and heading, the heading written as components.
void Put(CardImage& image, int field, GeoPoint p, double heading) {
    GuidanceLine& line = image.Line(field);
    line.Latitude = FormatPicture(p.Latitude, 13, 8);
    line.Longitude = FormatPicture(p.Longitude, 13, 8);
    const double r = heading * kPi / 180;
    line.HeadingNorth = FormatPicture(100 * std::cos(r), 13, 8);
    line.HeadingEast = FormatPicture(100 * std::sin(r), 13, 8);
}

TEST(Duplicates, FindsTheSamePassUnderAnotherNumber) {
    const GeoPoint here{41.5, -93.25};
    CardImage card = NewBlankImage(), image = NewBlankImage();
    Put(card, 10, here, 30);
    Put(image, 10, here, 30);                    // the merge's own copy: not reported
    Put(image, 20, Travel(here, 120, 3), 31);    // 3 m away, 1 degree off
    Put(card, 30, Travel(here, 0, 4.5), 210.5);  // driven the other way
    Put(card, 40, Travel(here, 180, 6), 30);     // too far
    Put(image, 50, Travel(here, 90, 1), 35);     // heading too far off
    Put(image, 60, {-10, 20}, 30);               // elsewhere
    const DuplicateLimits limits{5, 2};
    const auto pairs = FindDuplicates(card, image, true, true, limits);
    std::set<std::tuple<int, int, int, int>> found;
    for (const DuplicatePair& p : pairs)
        found.insert({p.First.Side, p.First.Field, p.Second.Side, p.Second.Field});
    const std::set<std::tuple<int, int, int, int>> expected = {{CardSide, 10, ImageSide, 20},
                                                               {CardSide, 10, CardSide, 30},
                                                               {CardSide, 30, ImageSide, 10},
                                                               {ImageSide, 10, ImageSide, 20}};
    EXPECT_EQ(found, expected);
    for (const DuplicatePair& p : pairs) {
        EXPECT_EQ(p.Reversed, p.First.Field == 30 || p.Second.Field == 30);
        if (p.First.Field == 10 && p.Second.Field == 20) {
            EXPECT_NEAR(p.Metres, 3, 0.01);
        }
    }

    // Without a card only the image's own pairs are left.
    const auto alone = FindDuplicates(card, image, true, false, limits);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_TRUE(alone[0].First.Field == 10 && alone[0].Second.Field == 20);

    // Wider limits take in the others; circles ignore the heading.
    EXPECT_EQ(FindDuplicates(card, image, true, true, {7, 2}).size(), 8u);
    const auto circles = FindDuplicates(card, image, false, true, limits);
    EXPECT_EQ(circles.size(), 8u);
    for (const DuplicatePair& p : circles) EXPECT_EQ(p.Degrees, 0);
    EXPECT_TRUE(FindDuplicates(card, image, true, true, {-1, 2}).empty());
}

// Every pair, one by one: what the search must find however it gets there.
std::vector<DuplicatePair> OneByOne(const CardImage& card, const CardImage& image, bool straight,
                                    DuplicateLimits limits) {
    std::vector<std::pair<int, PlacedLine>> all;
    for (const PlacedLine& line : PlacedLines(card, straight)) all.push_back({CardSide, line});
    for (const PlacedLine& line : PlacedLines(image, straight)) all.push_back({ImageSide, line});
    std::vector<DuplicatePair> pairs;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            auto pair = MatchPasses(all[i].second, all[j].second, straight, limits);
            if (!pair || (all[i].first != all[j].first && pair->First.Field == pair->Second.Field))
                continue;
            std::tie(pair->First.Side, pair->Second.Side) = std::tie(all[i].first, all[j].first);
            pairs.push_back(*pair);
        }
    std::stable_sort(pairs.begin(), pairs.end(), [](const auto& x, const auto& y) {
        return std::tie(x.Metres, x.Degrees) < std::tie(y.Metres, y.Degrees);
    });
    return pairs;
}

TEST(Duplicates, SameAsComparingEveryPairOnCrowdedCards) {
    std::mt19937 random(7);
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    // Crowds on a farm, across the antimeridian, at a pole and on a grid of
    // whole metres, where many pairs lie at exactly the same distance.
    const GeoPoint spots[] = {{52.1, 5.3}, {-17, 180}, {89.99999, 0}, {0, 0}};
    for (int round = 0; round < 12; ++round) {
        CardImage sides[2] = {NewBlankImage(), NewBlankImage()};
        for (CardImage& side : sides)
            for (int n = 0; n < 60; ++n) {
                const double metres = round % 4 == 3 ? std::floor(uniform(0, 8)) : uniform(0, 12);
                Put(side, 1 + static_cast<int>(uniform(0, kSlotCount)),
                    Travel(spots[round % 4], round % 4 == 3 ? 90 : uniform(0, 360), metres),
                    std::floor(uniform(0, 4)) * 90 + uniform(0, 3));
            }
        const DuplicateLimits limits{round % 2 ? 2.5 : 6, 2};
        for (bool straight : {true, false})
            EXPECT_TRUE(FindDuplicates(sides[0], sides[1], straight, true, limits) ==
                        OneByOne(sides[0], sides[1], straight, limits))
                << round << (straight ? " straight" : " circles");
    }
}

}  // namespace
}  // namespace swathkit
