#pragma once
// Passes that are probably the same line under different field numbers.

#include <optional>
#include <vector>

#include "core/guidance_line.h"
#include "geo/geo.h"

namespace swathkit {

struct DuplicateLimits {
    double Metres = 5;   // points at most this far apart
    double Degrees = 2;  // straight lines: headings at most this far apart
};

struct DuplicatePass {
    int Side = 0;  // CardSide or ImageSide
    int Field = 0;
    bool operator==(const DuplicatePass&) const = default;
};

struct DuplicatePair {
    DuplicatePass First;
    DuplicatePass Second;
    double Metres = 0;
    double Degrees = 0;     // 0 for circle tracks
    bool Reversed = false;  // straight lines driven the opposite way
    bool operator==(const DuplicatePair&) const = default;
};

// Whether two passes are probably one line: a pair with how far apart they
// are (sides left at 0), or nothing when they are outside the limits.
//
// A straight line through the same point with its heading turned by about
// 180 degrees is the same line driven the other way: it steers the same
// swaths, so it counts, with Degrees measured against the turned heading and
// Reversed set.
std::optional<DuplicatePair> MatchPasses(const PlacedLine& a, const PlacedLine& b, bool straight,
                                         DuplicateLimits limits);

// Pairs within one side and across the two whose field numbers differ (the
// same field on both sides is a copy, not a duplicate), nearest first. The
// card side takes part only when cardLoaded.
std::vector<DuplicatePair> FindDuplicates(const CardImage& card, const CardImage& image,
                                          bool straight, bool cardLoaded, DuplicateLimits limits);

}  // namespace swathkit
