#include "geo/geo.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"

namespace swathkit {

namespace {

// The series term both Vincenty solutions share.
double DeltaSigma(double B, double sinSigma, double cosSigma, double cos2SigmaM) {
    return B * sinSigma *
           (cos2SigmaM + B / 4 *
                             (cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM) -
                              B / 6 * cos2SigmaM * (-3 + 4 * sinSigma * sinSigma) *
                                  (-3 + 4 * cos2SigmaM * cos2SigmaM)));
}

// WGS 84.
constexpr double kA = 6378137.0;
constexpr double kF = 1 / 298.257223563;
constexpr double kB = kA * (1 - kF);
constexpr double kE2 = kF * (2 - kF);
constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;

// Card texts may hold anything; a latitude past a pole would send the
// iterations below into nonsense.
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

// Used only where the ellipsoidal iteration does not settle (points nearly
// at opposite ends of the earth), which no farm's lines ever are.
double SphericalMetres(GeoPoint a, GeoPoint b) {
    const double p1 = ClampLatitude(a.Latitude) * kRad;
    const double p2 = ClampLatitude(b.Latitude) * kRad;
    const double dl = WrapDegrees(b.Longitude - a.Longitude) * kRad;
    const double h = std::pow(std::sin((p2 - p1) / 2), 2) +
                     std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    const double meanRadius = (2 * kA + kB) / 3;
    return 2 * meanRadius * std::asin(std::min(1.0, std::sqrt(h)));
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
        placed.Point = {LeadingNumber(line.Latitude), LeadingNumber(line.Longitude)};
        placed.Heading = straight ? HeadingDegrees(line) : 0;
        lines.push_back(placed);
    }
    return lines;
}

// Vincenty's inverse method: millimetres on any line short of nearly
// antipodal points.
double DistanceMetres(GeoPoint a, GeoPoint b) {
    const double lat1 = ClampLatitude(a.Latitude);
    const double lat2 = ClampLatitude(b.Latitude);
    const double dLon = WrapDegrees(b.Longitude - a.Longitude);
    if (lat1 == lat2 && dLon == 0)
        return 0;
    const double L = dLon * kRad;
    const double U1 = std::atan((1 - kF) * std::tan(lat1 * kRad));
    const double U2 = std::atan((1 - kF) * std::tan(lat2 * kRad));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
    const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);

    double lambda = L;
    double sinSigma = 0, cosSigma = 0, sigma = 0, cos2Alpha = 0, cos2SigmaM = 0;
    bool settled = false;
    for (int i = 0; i < 200; ++i) {
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        const double t1 = cosU2 * sinLambda;
        const double t2 = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        sinSigma = std::sqrt(t1 * t1 + t2 * t2);
        if (sinSigma == 0)
            return 0;
        cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        cos2Alpha = 1 - sinAlpha * sinAlpha;
        // On the equator cos2Alpha is 0 and the term drops out.
        cos2SigmaM = cos2Alpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cos2Alpha : 0;
        const double C = kF / 16 * cos2Alpha * (4 + kF * (4 - 3 * cos2Alpha));
        const double previous = lambda;
        lambda =
            L + (1 - C) * kF * sinAlpha *
                    (sigma + C * sinSigma *
                                 (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (std::fabs(lambda - previous) < 1e-12) {
            settled = true;
            break;
        }
    }
    if (!settled || !std::isfinite(lambda))
        return SphericalMetres(a, b);

    const double u2 = cos2Alpha * (kA * kA - kB * kB) / (kB * kB);
    const double A = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double B = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));
    const double deltaSigma = DeltaSigma(B, sinSigma, cosSigma, cos2SigmaM);
    return kB * A * (sigma - deltaSigma);
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
    const double phi = ClampLatitude(origin.Latitude) * kRad;
    const double w = std::sqrt(1 - kE2 * std::sin(phi) * std::sin(phi));
    const double meridian = kA * (1 - kE2) / (w * w * w);
    const double primeVertical = kA / w;
    metresPerDegreeNorth_ = meridian * kRad;
    metresPerDegreeEast_ = primeVertical * std::cos(phi) * kRad;
}

LocalProjection LocalProjection::Around(const std::vector<GeoPoint>& points) {
    if (points.empty())
        return LocalProjection(GeoPoint{});
    double south = points.front().Latitude, north = south;
    double west = points.front().Longitude, east = west;
    for (const GeoPoint& p : points) {
        south = std::min(south, p.Latitude);
        north = std::max(north, p.Latitude);
        west = std::min(west, p.Longitude);
        east = std::max(east, p.Longitude);
    }
    return LocalProjection(GeoPoint{(south + north) / 2, (west + east) / 2});
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
                        ? origin_.Longitude + point.East / metresPerDegreeEast_
                        : origin_.Longitude;
    return geo;
}

// Vincenty's direct method.
GeoPoint Travel(GeoPoint start, double heading, double metres) {
    if (!std::isfinite(heading) || !std::isfinite(metres) || metres == 0)
        return start;
    if (metres < 0) {
        heading += 180;
        metres = -metres;
    }
    const double alpha1 = std::fmod(heading, 360.0) * kRad;
    const double sinAlpha1 = std::sin(alpha1), cosAlpha1 = std::cos(alpha1);
    const double tanU1 = (1 - kF) * std::tan(ClampLatitude(start.Latitude) * kRad);
    const double cosU1 = 1 / std::sqrt(1 + tanU1 * tanU1), sinU1 = tanU1 * cosU1;
    const double sigma1 = std::atan2(tanU1, cosAlpha1);
    const double sinAlpha = cosU1 * sinAlpha1;
    const double cos2Alpha = 1 - sinAlpha * sinAlpha;
    const double u2 = cos2Alpha * (kA * kA - kB * kB) / (kB * kB);
    const double A = 1 + u2 / 16384 * (4096 + u2 * (-768 + u2 * (320 - 175 * u2)));
    const double B = u2 / 1024 * (256 + u2 * (-128 + u2 * (74 - 47 * u2)));

    double sigma = metres / (kB * A);
    double sinSigma = 0, cosSigma = 0, cos2SigmaM = 0;
    for (int i = 0; i < 200; ++i) {
        cos2SigmaM = std::cos(2 * sigma1 + sigma);
        sinSigma = std::sin(sigma);
        cosSigma = std::cos(sigma);
        const double deltaSigma = DeltaSigma(B, sinSigma, cosSigma, cos2SigmaM);
        const double previous = sigma;
        sigma = metres / (kB * A) + deltaSigma;
        if (std::fabs(sigma - previous) < 1e-12)
            break;
    }
    sinSigma = std::sin(sigma);
    cosSigma = std::cos(sigma);
    cos2SigmaM = std::cos(2 * sigma1 + sigma);

    const double t = sinU1 * sinSigma - cosU1 * cosSigma * cosAlpha1;
    const double lat2 = std::atan2(sinU1 * cosSigma + cosU1 * sinSigma * cosAlpha1,
                                   (1 - kF) * std::sqrt(sinAlpha * sinAlpha + t * t));
    const double lambda =
        std::atan2(sinSigma * sinAlpha1, cosU1 * cosSigma - sinU1 * sinSigma * cosAlpha1);
    const double C = kF / 16 * cos2Alpha * (4 + kF * (4 - 3 * cos2Alpha));
    const double L =
        lambda - (1 - C) * kF * sinAlpha *
                     (sigma + C * sinSigma *
                                  (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
    return {lat2 / kRad, WrapDegrees(start.Longitude + L / kRad)};
}

// Vincenty's inverse method again, for the azimuth at the start; near
// antipodal points, where it does not settle, the sphere's.
double BearingDegrees(GeoPoint a, GeoPoint b) {
    const double L = WrapDegrees(b.Longitude - a.Longitude) * kRad;
    const double U1 = std::atan((1 - kF) * std::tan(ClampLatitude(a.Latitude) * kRad));
    const double U2 = std::atan((1 - kF) * std::tan(ClampLatitude(b.Latitude) * kRad));
    const double sinU1 = std::sin(U1), cosU1 = std::cos(U1);
    const double sinU2 = std::sin(U2), cosU2 = std::cos(U2);
    double lambda = L;
    for (int i = 0; i < 200; ++i) {
        const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
        const double t1 = cosU2 * sinLambda;
        const double t2 = cosU1 * sinU2 - sinU1 * cosU2 * cosLambda;
        const double sinSigma = std::sqrt(t1 * t1 + t2 * t2);
        if (sinSigma == 0)
            break;
        const double cosSigma = sinU1 * sinU2 + cosU1 * cosU2 * cosLambda;
        const double sigma = std::atan2(sinSigma, cosSigma);
        const double sinAlpha = cosU1 * cosU2 * sinLambda / sinSigma;
        const double cos2Alpha = 1 - sinAlpha * sinAlpha;
        const double cos2SigmaM = cos2Alpha != 0 ? cosSigma - 2 * sinU1 * sinU2 / cos2Alpha : 0;
        const double C = kF / 16 * cos2Alpha * (4 + kF * (4 - 3 * cos2Alpha));
        const double previous = lambda;
        lambda =
            L + (1 - C) * kF * sinAlpha *
                    (sigma + C * sinSigma *
                                 (cos2SigmaM + C * cosSigma * (-1 + 2 * cos2SigmaM * cos2SigmaM)));
        if (!std::isfinite(lambda) || i == 199) {
            lambda = L;
            break;
        }
        if (std::fabs(lambda - previous) < 1e-12)
            break;
    }
    const double azimuth =
        std::atan2(cosU2 * std::sin(lambda), cosU1 * sinU2 - sinU1 * cosU2 * std::cos(lambda)) /
        kRad;
    const double compass = std::fmod(azimuth + 360, 360.0);
    return compass >= 360 ? 0 : compass;
}

std::array<GeoPoint, 2> SegmentEnds(const PlacedLine& line) {
    return {Travel(line.Point, line.Heading, -kSegmentHalfMetres),
            Travel(line.Point, line.Heading, kSegmentHalfMetres)};
}

}  // namespace swathkit
