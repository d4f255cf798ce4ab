#pragma once
// Where the passes lie: coordinates read from a card image, distances on the
// ground and a flat metric projection around a group of lines, for the map
// and the duplicate search.

#include <array>
#include <optional>
#include <vector>

#include "core/guidance_line.h"
#include "core/placed_line.h"

namespace swathkit {

// The passes of a card image that are in use, in slot order. straight is the
// track kind shown, which decides how the passes are read.
std::vector<PlacedLine> PlacedLines(const CardImage& image, bool straight);

// Where a pass lies, read from its coordinate texts.
GeoPoint PointOf(const GuidanceLine& line);

// Whether the point is a place: latitude within -90..90 and longitude
// within -180..180 (not a number is no place).
bool OnEarth(GeoPoint point);

// The distance on the ground (the geodesic on the WGS 84 ellipsoid), in
// metres, true to well under a millimetre anywhere on earth.
double DistanceMetres(GeoPoint a, GeoPoint b);

// The compass heading (0..360) in which the geodesic from a to b sets off.
double BearingDegrees(GeoPoint a, GeoPoint b);

// The smaller angle between two headings, in degrees (0..180).
double HeadingDifference(double a, double b);

// A flat projection around an origin, true to scale within a farm's extent.
class LocalProjection {
  public:
    explicit LocalProjection(GeoPoint origin);
    // Centred on the middle of the points' extent; (0, 0) when there are none.
    static LocalProjection Around(const std::vector<GeoPoint>& points);

    MetricPoint ToMetres(GeoPoint point) const;
    GeoPoint ToGeo(MetricPoint point) const;
    GeoPoint Origin() const { return origin_; }

  private:
    GeoPoint origin_;
    double metresPerDegreeNorth_ = 0;
    double metresPerDegreeEast_ = 0;
};

// A point the given distance along a compass heading from start.
GeoPoint Travel(GeoPoint start, double heading, double metres);

// A straight line is endless; the map draws it, and a file format without
// endless lines writes it, as a segment this far each way from its point.
inline constexpr double kSegmentHalfMetres = 200;

// That segment's two ends: behind the point, then ahead of it.
std::array<GeoPoint, 2> SegmentEnds(const PlacedLine& line);

}  // namespace swathkit
