#pragma once
// A pass as numbers: where it lies on earth, and where in metres on a flat
// projection. Plain records, shared by the map, the exports and the window.

namespace swathkit {

struct GeoPoint {
    double Latitude = 0;   // degrees, north positive
    double Longitude = 0;  // degrees, east positive
    bool operator==(const GeoPoint&) const = default;
};

// A pass in use, as numbers.
struct PlacedLine {
    int Field = 0;         // the slot number, as the list shows it
    bool Straight = true;  // false for a circle track
    GeoPoint Point;        // the A point of a straight line, a circle's centre
    double Heading = 0;    // compass degrees 0..360, as the list shows it
};

struct MetricPoint {
    double East = 0;   // metres east of the origin
    double North = 0;  // metres north of the origin
};

}  // namespace swathkit
