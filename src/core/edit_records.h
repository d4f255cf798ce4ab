#pragma once
// What the editing commands take from the window's dialogs and give them to
// show: the merge plan, the typed shift, an import preview row. Records only,
// so that the window can hold them without reaching the editing below.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/words.h"

namespace swathkit {

enum class MergeKind {
    New,           // the image's field is free: the pass keeps its number
    AlreadyThere,  // the image holds this line already; skipped unless ticked
    Clash,         // the image's field holds a different line: the pass moves
};

// A target typed that is no number at all: like any number outside the
// fields, it fits nowhere.
inline constexpr int kNotAFieldNumber = -1;

struct MergeRow {
    MergeKind Kind = MergeKind::New;
    int Source = 0;             // the card's field
    std::optional<int> Target;  // the image's field it goes to; nothing when none is left
    int SameAs = 0;             // AlreadyThere: the image's field holding the line
    bool Ticked = false;
    bool operator==(const MergeRow&) const = default;
};

// One row per pass of the card, in field order.
struct MergePlan {
    std::vector<MergeRow> Rows;
    bool operator==(const MergePlan&) const = default;
};

// What a row's target means for the image.
enum class TargetCheck {
    Free,          // an empty field
    SameLine,      // the field it came from, holding this very line
    Replaces,      // a field holding another line, which the pass replaces
    Reserved,      // 1 to 5
    OutOfRange,    // not a field number at all
    TakenByOther,  // another ticked pass of this merge goes there too
    NoneLeft,      // no free field was left for it
};

// Whether a row with this check can be merged as it stands.
constexpr bool Mergeable(TargetCheck check) {
    return check == TargetCheck::Free || check == TargetCheck::SameLine ||
           check == TargetCheck::Replaces;
}

struct MergeSummary {
    int New = 0;           // ticked new passes
    int AlreadyThere = 0;  // rows found in the image already
    int Moved = 0;         // ticked passes going to another number
    int NotFitting = 0;    // ticked passes with no free field left for them
    int Wrong = 0;         // ticked passes whose typed field cannot be used
    int FreeAfter = 0;     // usable fields still empty after the merge
    bool operator==(const MergeSummary&) const = default;
};

// What the operator typed, as typed: metres east and north (west and south
// negative), or a distance in metres along a bearing in degrees from north.
// A decimal point or comma are both taken.
struct ShiftEntry {
    bool AlongBearing = false;
    std::string First;   // metres east, or the distance
    std::string Second;  // metres north, or the bearing
};

// A shift further than this is a typing slip, never a moved base station.
inline constexpr double kMaxShiftMetres = 1000;

// Asks for the shift once there are passes to move; nothing when cancelled.
using AskShift = std::function<std::optional<ShiftEntry>()>;

// What the import preview shows of a line: its point and heading as the
// lists show them once it has come in, and the field it asks for.
struct ImportRowText {
    Words Kind;            // "straight line" or "circle track"
    std::string Latitude;  // as the lists show it, DMS or decimal as checked
    std::string Longitude;
    std::string Heading;  // empty for a circle track
    Words Field;          // its own field, or "first free"
};

}  // namespace swathkit
