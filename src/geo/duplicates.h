#pragma once
// Passes that are probably the same line under different field numbers.

#include <vector>

#include "core/guidance_line.h"

namespace swathkit {

struct DuplicateLimits {
    double Metres = 5;   // points at most this far apart
    double Degrees = 2;  // straight lines: headings at most this far apart
};

struct DuplicatePass {
    int Side = 0;  // CardSide or ImageSide
    int Field = 0;
};

struct DuplicatePair {
    DuplicatePass First;
    DuplicatePass Second;
    double Metres = 0;
    double Degrees = 0;     // 0 for circle tracks
    bool Reversed = false;  // straight lines driven the opposite way
};

// Pairs within one side and across the two whose field numbers differ (the
// same field on both sides is a copy, not a duplicate), nearest first. The
// card side takes part only when cardLoaded.
//
// A straight line through the same point with its heading turned by about
// 180 degrees is the same line driven the other way: it steers the same
// swaths, so it counts, with Degrees measured against the turned heading and
// Reversed set.
std::vector<DuplicatePair> FindDuplicates(const CardImage& card, const CardImage& image,
                                          bool straight, bool cardLoaded, DuplicateLimits limits);

}  // namespace swathkit
