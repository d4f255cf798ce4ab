#include "geo/geo.h"

#include <algorithm>
#include <cmath>

#include <GeographicLib/Geodesic.hpp>

#include "core/number_text.h"

namespace swathkit {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;

const GeographicLib::Geodesic& Ellipsoid() {
    return GeographicLib::Geodesic::WGS84();
}

// Card texts may hold anything; the geodesic routines give no answer for a
// latitude past a pole.
double ClampLatitude(double degrees) {
    return std::clamp(degrees, -90.0, 90.0);
}

// Longitude difference brought into -180..180, so that lines either side of
// the antimeridian are still neighbours.
double WrapDegrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d > 180)
        d -= 360;
    else if (d < -180)
        d += 360;
    return d;
}

}  // namespace

std::vector<PlacedLine> PlacedLines(const CardImage& image, bool straight) {
    std::vector<PlacedLine> lines;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const GuidanceLine& line = image.Line(slot);
        if (!LineInUse(line))
            continue;
        PlacedLine placed;
        placed.Field = slot;
        placed.Straight = straight;
        placed.Point = PointOf(line);
        placed.Heading = straight ? HeadingDegrees(line) : 0;
        lines.push_back(placed);
    }
    return lines;
}

double DistanceMetres(GeoPoint a, GeoPoint b) {
    double metres = 0;
    Ellipsoid().Inverse(ClampLatitude(a.Latitude), a.Longitude, ClampLatitude(b.Latitude),
                        b.Longitude, metres);
    return metres;
}

GeoPoint PointOf(const GuidanceLine& line) {
    return {LeadingNumber(line.Latitude), LeadingNumber(line.Longitude)};
}

bool OnEarth(GeoPoint point) {
    return std::fabs(point.Latitude) <= 90 && std::fabs(point.Longitude) <= 180;
}

double BearingDegrees(GeoPoint a, GeoPoint b) {
    double metres = 0, azimuth = 0, arrival = 0;
    Ellipsoid().Inverse(ClampLatitude(a.Latitude), a.Longitude, ClampLatitude(b.Latitude),
                        b.Longitude, metres, azimuth, arrival);
    // A hair west of north is 360 after the shift, and -0 is 0: always 0..360 exclusive.
    const double compass = azimuth < 0 ? azimuth + 360 : azimuth;
    return compass >= 360 ? 0 : compass + 0.0;
}

double HeadingDifference(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return 180;
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

LocalProjection::LocalProjection(GeoPoint origin) : origin_(origin) {
    // The meridian and prime-vertical radii of curvature at the origin: the
    // scale is exact there and off by parts per million across a farm.
    const double a = Ellipsoid().EquatorialRadius();
    const double e2 = Ellipsoid().Flattening() * (2 - Ellipsoid().Flattening());
    const double phi = ClampLatitude(origin.Latitude) * kRad;
    const double w = std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
    const double meridian = a * (1 - e2) / (w * w * w);
    const double primeVertical = a / w;
    metresPerDegreeNorth_ = meridian * kRad;
    metresPerDegreeEast_ = primeVertical * std::cos(phi) * kRad;
}

LocalProjection LocalProjection::Around(const std::vector<GeoPoint>& points) {
    if (points.empty())
        return LocalProjection(GeoPoint{});
    // Longitudes are taken relative to the first point, so that a farm across
    // the antimeridian is centred on it rather than on the far side of the
    // earth.
    const double first = points.front().Longitude;
    double south = points.front().Latitude, north = south;
    double west = 0, east = 0;
    for (const GeoPoint& p : points) {
        south = std::min(south, p.Latitude);
        north = std::max(north, p.Latitude);
        west = std::min(west, WrapDegrees(p.Longitude - first));
        east = std::max(east, WrapDegrees(p.Longitude - first));
    }
    return LocalProjection(GeoPoint{(south + north) / 2, WrapDegrees(first + (west + east) / 2)});
}

MetricPoint LocalProjection::ToMetres(GeoPoint point) const {
    return {WrapDegrees(point.Longitude - origin_.Longitude) * metresPerDegreeEast_,
            (point.Latitude - origin_.Latitude) * metresPerDegreeNorth_};
}

GeoPoint LocalProjection::ToGeo(MetricPoint point) const {
    GeoPoint geo;
    geo.Latitude = origin_.Latitude + point.North / metresPerDegreeNorth_;
    // At a pole east has no meaning; keep the origin's longitude.
    geo.Longitude = metresPerDegreeEast_ > 1e-9
                        ? WrapDegrees(origin_.Longitude + point.East / metresPerDegreeEast_)
                        : origin_.Longitude;
    return geo;
}

GeoPoint Travel(GeoPoint start, double heading, double metres) {
    if (!std::isfinite(heading) || !std::isfinite(metres) || metres == 0)
        return start;
    GeoPoint end;
    Ellipsoid().Direct(ClampLatitude(start.Latitude), start.Longitude, heading, metres,
                       end.Latitude, end.Longitude);
    return end;
}

std::array<GeoPoint, 2> SegmentEnds(const PlacedLine& line) {
    return {Travel(line.Point, line.Heading, -kSegmentHalfMetres),
            Travel(line.Point, line.Heading, kSegmentHalfMetres)};
}

}  // namespace swathkit
