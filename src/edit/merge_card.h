#pragma once
// Merging every pass of the card into the temporary card image in one step:
// a plan the operator sees and adjusts first, then one editing command on the
// image side. The card side is only read.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/program.h"
#include "geo/duplicates.h"

namespace swathkit {

enum class MergeKind {
    New,           // the image's field is free: the pass keeps its number
    AlreadyThere,  // the image holds this line already; skipped unless ticked
    Clash,         // the image's field holds a different line: the pass moves
};

struct MergeRow {
    MergeKind Kind = MergeKind::New;
    int Source = 0;  // the card's field
    int Target = 0;  // the image's field it goes to; 0 when none is left
    int SameAs = 0;  // AlreadyThere: the image's field holding the line
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

// Plans the merge of the card's passes into the image. A pass is already
// there when the image's field holds the same coordinates, or when an image
// pass lies within the limits (the duplicate search's). A clash goes to the
// next free field from 6 up that no other pass of the merge takes.
MergePlan PlanMerge(const CardImage& card, const CardImage& image, bool straight,
                    DuplicateLimits limits = {});

TargetCheck CheckTarget(const MergePlan& plan, const CardImage& card, const CardImage& image,
                        std::size_t row);

// The lowest free field from 6 up that no ticked row other than this one
// takes; 0 when there is none.
int ProposeField(const MergePlan& plan, const CardImage& image, std::size_t row);

// Ticks or unticks a row; a ticked row whose target cannot be used gets a
// proposed one.
void TickRow(MergePlan& plan, const CardImage& card, const CardImage& image, std::size_t row,
             bool ticked);

MergeSummary Summarise(const MergePlan& plan, const CardImage& card, const CardImage& image);

// "12 new, 3 already there, ..." as the preview shows it.
std::string SummaryText(const MergeSummary& summary);

// True when every ticked row can be merged and at least one is ticked.
bool ReadyToMerge(const MergePlan& plan, const CardImage& card, const CardImage& image);

// The plan for the card in the reader and the image of the checked kind;
// nothing, after saying so, when the card holds no pass of that kind.
std::optional<MergePlan> StartMerge(const Program& program, Ports& ports);

// Copies the ticked passes into the image as one editing command: undo copy
// first, then the lines, the list redrawn and the master copy written once.
// A plan that is not ready (or no longer fits the card) changes nothing and
// gives false.
bool ApplyMerge(Program& program, Ports& ports, const MergePlan& plan);

}  // namespace swathkit
