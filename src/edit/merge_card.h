#pragma once
// Merging every pass of the card into the temporary card image in one step:
// a plan the operator sees and adjusts first, then one editing command on the
// image side. The card side is only read.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/edit_records.h"
#include "core/program.h"
#include "geo/duplicates.h"

namespace swathkit {

// Plans the merge of the card's passes into the image. A pass is already
// there when the image's field holds the same coordinates, or when an image
// pass lies within the limits (the duplicate search's). A clash goes to the
// next free field from 6 up that no other pass of the merge takes.
MergePlan PlanMerge(const CardImage& card, const CardImage& image, bool straight,
                    DuplicateLimits limits = {});

TargetCheck CheckTarget(const MergePlan& plan, const CardImage& card, const CardImage& image,
                        std::size_t row);

// The lowest free field from 6 up that no ticked row other than this one
// takes; nothing when there is none.
std::optional<int> ProposeField(const MergePlan& plan, const CardImage& image, std::size_t row);

// Ticks or unticks a row; a ticked row whose target cannot be used gets a
// proposed one.
void TickRow(MergePlan& plan, const CardImage& card, const CardImage& image, std::size_t row,
             bool ticked);

MergeSummary Summarise(const MergePlan& plan, const CardImage& card, const CardImage& image);

// "12 new, 3 already there, ..." as the preview shows it.
Words SummaryText(const MergeSummary& summary);

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
