// Merging a whole card into the image: the plan the operator sees, the checks
// of a typed field, and one image-side command that loses no line.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <utility>

#include "core/master_copy.h"
#include "edit/merge_card.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

struct MergeHarness : Harness {
    MergeHarness(const std::map<int, std::string>& card, const std::map<int, std::string>& image) {
        program.Table.Current(CardSide) = ImageWith(card);
        program.Table.Current(ImageSide) = ImageWith(image);
        MakeWorkFolder(program, RealFiles());
    }
    const CardImage& Card() const { return program.Table.Current(CardSide); }
    const CardImage& Image() const { return program.Table.Current(ImageSide); }
};

TEST(MergeCard, PlanShowsEveryKindAndMergesAsOneImageCommand) {
    // Card 3 is in a reserved field, 12 is in the image as it is, 40 clashes
    // with the image's 40, 55 is new and 60 is the image's 77 under another
    // number.
    MergeHarness h(
        {{3, Spot(3, 1)}, {12, Spot(12)}, {40, Spot(40, 1)}, {55, Spot(55, 1)}, {60, Spot(77)}},
        {{6, Spot(6)}, {12, Spot(12)}, {40, Spot(40)}, {77, Spot(77)}});
    const MergePlan plan = PlanMerge(h.Card(), h.Image(), true);
    using K = MergeKind;
    EXPECT_EQ(plan.Rows, (std::vector<MergeRow>{{K::New, 3, 7, 0, true},
                                                {K::AlreadyThere, 12, 12, 12, false},
                                                {K::Clash, 40, 8, 0, true},
                                                {K::New, 55, 55, 0, true},
                                                {K::AlreadyThere, 60, 60, 77, false}}));
    EXPECT_EQ(SummaryText(Summarise(plan, h.Card(), h.Image())),
              "1 new, 2 already there, 2 moved, 238 fields left free after the merge.");

    // The clash's field as typed in.
    MergePlan typed = plan;
    const auto check = [&](int target) {
        typed.Rows[2].Target = target;
        return CheckTarget(typed, h.Card(), h.Image(), 2);
    };
    EXPECT_EQ(check(251), TargetCheck::OutOfRange);
    EXPECT_EQ(check(55), TargetCheck::TakenByOther);
    EXPECT_EQ(SummaryText(Summarise(typed, h.Card(), h.Image())),
              "0 new, 2 already there, 1 moved, 240 fields left free after the merge. 2 passes "
              "need another field.");
    EXPECT_EQ(check(12), TargetCheck::Replaces);  // an unticked row takes no field
    // An already-there pass ticked onto a field the clash took gets a free one.
    check(60);
    TickRow(typed, h.Card(), h.Image(), 4, true);
    EXPECT_EQ(typed.Rows[4].Target, 8);
    EXPECT_EQ(CheckTarget(typed, h.Card(), h.Image(), 1), TargetCheck::SameLine);

    // A plan that is not ready, or outlived a pass of the card, changes
    // nothing.
    check(251);
    EXPECT_FALSE(ApplyMerge(h.program, h.ports, typed));
    GuidanceLine& gone = h.program.Table.Current(CardSide).Line(55);
    const GuidanceLine kept = std::exchange(gone, NewBlankImage().Line(55));
    EXPECT_FALSE(ApplyMerge(h.program, h.ports, plan));
    gone = kept;
    EXPECT_EQ(h.progress.Saves(ImageSide), 0);

    const ImageTable before = h.program.Table;
    ASSERT_TRUE(ApplyMerge(h.program, h.ports, plan));
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.program.Table.Images[CardSide], before.Images[CardSide]);
    // A moved pass takes its new field's number; a new one comes whole.
    GuidanceLine moved = h.Card().Line(40);
    moved.FieldNum = "+000000008";
    EXPECT_EQ(h.Image().Line(8), moved);
    EXPECT_EQ(h.Image().Line(7).Latitude, Spot(3, 1));
    EXPECT_EQ(h.Image().Line(55), h.Card().Line(55));
    EXPECT_EQ(h.Image().Line(40), before.At(ImageSide, 0).Line(40));
}

TEST(MergeCard, AFullImageMergesNothingUntilTheOperatorDecides) {
    std::map<int, std::string> full;
    for (int field = kFirstUsableField; field <= kSlotCount; ++field) full[field] = Spot(field);
    MergeHarness h({{40, Spot(40, 1)}}, full);
    MergePlan plan = PlanMerge(h.Card(), h.Image(), true);
    ASSERT_EQ(plan.Rows, (std::vector<MergeRow>{{MergeKind::Clash, 40, std::nullopt, 0, true}}));
    EXPECT_EQ(SummaryText(Summarise(plan, h.Card(), h.Image())),
              "0 new, 0 already there, 0 moved, 0 fields left free after the merge. 1 pass "
              "does not fit: untick them or give each a field to replace.");
    EXPECT_FALSE(ApplyMerge(h.program, h.ports, plan));
    TickRow(plan, h.Card(), h.Image(), 0, false);
    EXPECT_FALSE(ApplyMerge(h.program, h.ports, plan));   // nothing ticked
    plan.Rows[0] = {MergeKind::Clash, 40, 100, 0, true};  // knowingly replaced
    ASSERT_TRUE(ApplyMerge(h.program, h.ports, plan));
    EXPECT_EQ(h.Image().Line(100).Latitude, Spot(40, 1));
    EXPECT_EQ(h.progress.Saves(ImageSide), 1);

    MergeHarness empty({}, {{6, Spot(6)}});
    empty.dialogs.Expect({"Your card holds no straight lines to merge.", Buttons::Ok,
                          Icon::Information, "Merge Card into Image"},
                         Answer::Ok);
    EXPECT_FALSE(StartMerge(empty.program, empty.ports));
    EXPECT_TRUE(empty.dialogs.Done());
}

// Passes on a grid of spots 4.4 m apart, with three headings of which two
// are one line driven both ways, so that near copies are common.
CardImage RandomImage(std::mt19937& random, int firstField) {
    CardImage image = NewBlankImage();
    image.IsStraight = true;
    const unsigned fill = random() % 101;  // percent of the slots in use
    for (int field = firstField; field <= kSlotCount; ++field) {
        if (random() % 100 >= fill)
            continue;
        const double latitude = 40 + (random() % 120) * 0.00004;
        const double north = random() % 2 ? 1 : -1, east = random() % 2 ? 1 : -1;
        image.Line(field) = PassAt(field, {latitude, -93.25}, north, east);
    }
    return image;
}

TEST(MergeCard, RandomCardsLoseNoLineAndLeaveOutOnlyWhatIsThereOrDoesNotFit) {
    std::mt19937 random(11);
    std::map<std::string, int> seen;  // the rounds must reach every case
    for (int round = 0; round < 150; ++round) {
        MergeHarness h({}, {});
        const CardImage card = RandomImage(random, 1);
        const CardImage before = RandomImage(random, kFirstUsableField);
        h.program.Table.Current(CardSide) = card;
        h.program.Table.Current(ImageSide) = before;
        MergePlan plan = PlanMerge(card, before, true);
        const MergeSummary summary = Summarise(plan, card, before);
        // The operator leaves out what does not fit.
        for (MergeRow& row : plan.Rows) row.Ticked = row.Ticked && row.Target;
        if (ReadyToMerge(plan, card, before)) {
            ASSERT_TRUE(ApplyMerge(h.program, h.ports, plan)) << round;
        }
        const CardImage& after = h.program.Table.Current(ImageSide);
        SCOPED_TRACE(round);

        int added = 0;
        const auto pairs = FindDuplicates(card, before, true, true, {});
        for (const MergeRow& row : plan.Rows) {
            const GuidanceLine& pass = card.Line(row.Source);
            ++seen[row.Kind == MergeKind::AlreadyThere
                       ? (row.SameAs == row.Source ? "there" : "there elsewhere")
                   : !row.Ticked                  ? "no room"
                   : row.Kind == MergeKind::Clash ? "clash"
                                                  : "new"];
            if (row.Kind == MergeKind::AlreadyThere) {
                // Where the duplicate search finds it too, or in its own field.
                const auto found = [&](auto& p) {
                    return p.First.Field == row.Source && p.Second.Side == ImageSide &&
                           p.Second.Field == row.SameAs;
                };
                EXPECT_TRUE(row.SameAs == row.Source ? LineInUse(before.Line(row.Source))
                                                     : std::ranges::any_of(pairs, found))
                    << row.Source;
            } else if (row.Ticked) {
                EXPECT_TRUE(SameCoordinates(after.Line(*row.Target), pass)) << row.Source;
                EXPECT_GE(*row.Target, kFirstUsableField);
                ++added;
            } else {
                EXPECT_EQ(summary.FreeAfter, 0) << row.Source << " left out with room to spare";
            }
        }
        int inUse = 0;
        for (int field = 1; field <= kSlotCount; ++field) {
            inUse += LineInUse(after.Line(field)) - LineInUse(before.Line(field));
            if (LineInUse(before.Line(field))) {
                EXPECT_TRUE(SameCoordinates(after.Line(field), before.Line(field))) << field;
            }
        }
        EXPECT_EQ(inUse, added);
    }
    for (const char* kind : {"there", "there elsewhere", "no room", "clash", "new"})
        EXPECT_GT(seen[kind], 20) << kind;
}

}  // namespace
}  // namespace swathkit
