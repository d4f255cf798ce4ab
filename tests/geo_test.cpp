// Where the passes land: distances against values computed independently
// from the ellipsoid, the map's projection and the duplicate search.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <sstream>
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

TEST(Geo, DistancesAgreeWithTheEllipsoidWithinCentimetres) {
    // Along the equator a geodesic is the equator itself: a times the angle.
    EXPECT_NEAR(DistanceMetres({0, 0}, {0, 1}), kA * kPi / 180, 0.001);  // 111319.491 m
    EXPECT_NEAR(DistanceMetres({0, 10}, {0, 10.001}), kA * kPi / 180 * 0.001, 0.001);
    // Along a meridian it is the meridian arc.
    EXPECT_NEAR(DistanceMetres({0, 5}, {1, 5}), MeridianArc(0, 1), 0.01);
    EXPECT_NEAR(DistanceMetres({45, -93}, {46, -93}), MeridianArc(45, 46), 0.01);
    EXPECT_NEAR(DistanceMetres({-52, 170}, {-52.0001, 170}), MeridianArc(52, 52.0001), 0.001);
    // The quarter meridian, 10 001 965.729 m on WGS 84.
    EXPECT_NEAR(DistanceMetres({0, 0}, {90, 0}), MeridianArc(0, 90), 0.01);
    EXPECT_NEAR(MeridianArc(0, 90), 10001965.729, 0.001);
    // Symmetric, zero for one point, and across the antimeridian as near as
    // it really is.
    EXPECT_EQ(DistanceMetres({41.5, -93.25}, {41.5, -93.25}), 0);
    EXPECT_NEAR(DistanceMetres({41.5, -93.25}, {41.6, -93.1}),
                DistanceMetres({41.6, -93.1}, {41.5, -93.25}), 1e-6);
    EXPECT_NEAR(DistanceMetres({0, 179.9995}, {0, -179.9995}), kA * kPi / 180 * 0.001, 0.001);
    // Nearly antipodal points, where the iteration may not settle, still give
    // half the earth's girth, not nonsense.
    const double far = DistanceMetres({0, 0}, {0.5, 179.7});
    EXPECT_GT(far, 19.9e6);
    EXPECT_LT(far, 20.1e6);
    // Garbage from a card never gives a number that is not one.
    EXPECT_TRUE(std::isfinite(DistanceMetres({1000, 5}, {-3000, 1e9})));
}

TEST(Geo, TravelGoesWhereTheHeadingPoints) {
    const GeoPoint start{41.5, -93.25};
    const GeoPoint east = Travel(start, 90, 1000);
    EXPECT_NEAR(east.Latitude, start.Latitude, 1e-4);  // a geodesic east bends south a little
    EXPECT_GT(east.Longitude, start.Longitude);
    const GeoPoint north = Travel(start, 0, 1000);
    EXPECT_NEAR(north.Longitude, start.Longitude, 1e-12);
    EXPECT_GT(north.Latitude, start.Latitude);
    const GeoPoint back = Travel(start, 45, -1000);
    EXPECT_LT(back.Latitude, start.Latitude);
    EXPECT_LT(back.Longitude, start.Longitude);
    for (double heading : {0.0, 33.3, 90.0, 180.0, 271.0}) {
        for (double metres : {1.0, 200.0, 54972.271}) {
            EXPECT_NEAR(DistanceMetres(start, Travel(start, heading, metres)), metres, 0.001)
                << heading << " " << metres;
        }
    }
    // Along the equator, exactly a over the angle.
    EXPECT_NEAR(Travel({0, 0}, 90, kA * kPi / 180).Longitude, 1, 1e-9);
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
    const MetricPoint north = projection.ToMetres(Travel(origin, 0, 1000));
    EXPECT_NEAR(north.North, 1000, 0.01);
    EXPECT_NEAR(north.East, 0, 1e-9);
    // A flat map cannot be true everywhere: 2 km out on a diagonal the scale
    // is off by less than 50 parts per million, 10 cm, still far finer than
    // the map draws.
    const GeoPoint corner = Travel(origin, 37, 2000);
    const MetricPoint m = projection.ToMetres(corner);
    EXPECT_NEAR(std::hypot(m.East, m.North), 2000, 0.1);
    for (const GeoPoint p : {corner, GeoPoint{41.49, -93.26}, origin}) {
        const GeoPoint back = projection.ToGeo(projection.ToMetres(p));
        EXPECT_NEAR(back.Latitude, p.Latitude, 1e-12);
        EXPECT_NEAR(back.Longitude, p.Longitude, 1e-12);
    }
    const LocalProjection around =
        LocalProjection::Around({{41.0, -94.0}, {42.0, -93.0}, {41.5, -93.9}});
    EXPECT_DOUBLE_EQ(around.Origin().Latitude, 41.5);
    EXPECT_DOUBLE_EQ(around.Origin().Longitude, -93.5);
    EXPECT_DOUBLE_EQ(LocalProjection::Around({}).Origin().Latitude, 0);
    // At a pole east means nothing, and nothing divides by zero.
    const GeoPoint pole = LocalProjection({90, 10}).ToGeo({100, 100});
    EXPECT_TRUE(std::isfinite(pole.Latitude) && std::isfinite(pole.Longitude));
}

TEST(Geo, PlacedLinesAreThePassesInUse) {
    CardImage image = ImageWith({{12, "+0000000000041.50000000"}, {7, "-0000000000033.25000000"}});
    const std::vector<PlacedLine> straight = PlacedLines(image, true);
    ASSERT_EQ(straight.size(), 2u);
    EXPECT_EQ(straight[0].Field, 7);
    EXPECT_EQ(straight[1].Field, 12);
    EXPECT_DOUBLE_EQ(straight[0].Point.Latitude, -33.25);
    EXPECT_DOUBLE_EQ(straight[1].Point.Longitude, -93.25);
    EXPECT_DOUBLE_EQ(straight[1].Heading, HeadingDegrees(image.Line(12)));
    EXPECT_TRUE(straight[1].Straight);
    const std::vector<PlacedLine> circles = PlacedLines(image, false);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_FALSE(circles[0].Straight);
    EXPECT_EQ(circles[0].Heading, 0);
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
    CardImage card = NewBlankImage();
    CardImage image = NewBlankImage();
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
    for (const DuplicatePair& p : pairs) {
        found.insert({p.First.Side, p.First.Field, p.Second.Side, p.Second.Field});
        EXPECT_LE(p.Metres, limits.Metres);
        EXPECT_LE(p.Degrees, limits.Degrees);
    }
    const std::set<std::tuple<int, int, int, int>> expected = {{CardSide, 10, ImageSide, 20},
                                                               {CardSide, 10, CardSide, 30},
                                                               {CardSide, 30, ImageSide, 10},
                                                               {ImageSide, 10, ImageSide, 20}};
    EXPECT_EQ(found, expected);
    for (std::size_t i = 1; i < pairs.size(); ++i) EXPECT_LE(pairs[i - 1].Metres, pairs[i].Metres);
    for (const DuplicatePair& p : pairs) {
        const bool reversed = p.First.Field == 30 || p.Second.Field == 30;
        EXPECT_EQ(p.Reversed, reversed);
        if (p.First.Field == 10 && p.Second.Field == 20) {
            EXPECT_NEAR(p.Metres, 3, 0.01);
        }
    }

    // Without a card only the image's own pairs are left.
    const auto alone = FindDuplicates(card, image, true, false, limits);
    ASSERT_EQ(alone.size(), 1u);
    EXPECT_EQ(alone[0].First.Field, 10);
    EXPECT_EQ(alone[0].Second.Field, 20);

    // Wider limits take in the others; circles ignore the heading.
    EXPECT_EQ(FindDuplicates(card, image, true, true, {7, 2}).size(), 8u);
    const auto circles = FindDuplicates(card, image, false, true, limits);
    EXPECT_EQ(circles.size(), 8u);
    for (const DuplicatePair& p : circles) EXPECT_EQ(p.Degrees, 0);
    EXPECT_TRUE(FindDuplicates(card, image, true, true, {-1, 2}).empty());
}

}  // namespace
}  // namespace swathkit
