#include "edit/merge_card.h"

#include <array>
#include <optional>

#include "edit/edit_step.h"
#include "edit/move_passes.h"

namespace swathkit {

namespace {

bool Usable(int field) {
    return field >= kFirstUsableField && field <= kSlotCount;
}

// Fields that ticked rows other than skip take.
std::array<bool, kSlotCount + 1> TakenFields(const MergePlan& plan, std::size_t skip) {
    std::array<bool, kSlotCount + 1> taken{};
    for (std::size_t r = 0; r < plan.Rows.size(); ++r) {
        const MergeRow& row = plan.Rows[r];
        if (r != skip && row.Ticked && row.Target && IsSlotNumber(*row.Target))
            taken[*row.Target] = true;
    }
    return taken;
}

// A row's source must still be a pass of the card: a plan outliving the
// card it was made from must not copy blanks over the image.
bool SourceHolds(const MergeRow& row, const CardImage& card) {
    return IsSlotNumber(row.Source) && LineInUse(card.Line(row.Source));
}

// One pattern for one, another for more; the count goes into either.
Words Counted(int n, const char* one, const char* many) {
    return Words{n == 1 ? one : many, {std::to_string(n)}};
}

}  // namespace

MergePlan PlanMerge(const CardImage& card, const CardImage& image, bool straight,
                    DuplicateLimits limits) {
    const std::vector<PlacedLine> inImage = PlacedLines(image, straight);
    MergePlan plan;
    for (const PlacedLine& pass : PlacedLines(card, straight)) {
        const int n = pass.Field;
        MergeRow row;
        row.Source = n;
        const GuidanceLine& there = image.Line(n);
        // The nearest image pass within the limits, the same field winning a
        // tie: that is where the operator will look for it.
        std::optional<DuplicatePair> best;
        for (const PlacedLine& other : inImage) {
            const std::optional<DuplicatePair> match = MatchPasses(pass, other, straight, limits);
            if (match && (!best || match->Metres < best->Metres ||
                          (match->Metres == best->Metres && other.Field == n)))
                best = match;
        }
        if (LineInUse(there) && SameCoordinates(there, card.Line(n))) {
            row.Kind = MergeKind::AlreadyThere;
            row.SameAs = n;
            row.Target = n;
        } else if (best) {
            row.Kind = MergeKind::AlreadyThere;
            row.SameAs = best->Second.Field;
            // Ticked, it replaces the near copy in place, or takes its own
            // field when that is free; else it is given one when ticked.
            if (row.SameAs == n || (Usable(n) && !LineInUse(there)))
                row.Target = n;
        } else {
            row.Kind = LineInUse(there) ? MergeKind::Clash : MergeKind::New;
            row.Ticked = true;
            if (Usable(n) && !LineInUse(there))
                row.Target = n;
        }
        plan.Rows.push_back(row);
    }
    // Passes keeping their own number first, so that a moved pass never
    // takes a field a later new pass needs.
    for (std::size_t r = 0; r < plan.Rows.size(); ++r) {
        if (plan.Rows[r].Ticked && !plan.Rows[r].Target)
            plan.Rows[r].Target = ProposeField(plan, image, r);
    }
    return plan;
}

TargetCheck CheckTarget(const MergePlan& plan, const CardImage& card, const CardImage& image,
                        std::size_t row) {
    const MergeRow& r = plan.Rows.at(row);
    if (!r.Target)
        return TargetCheck::NoneLeft;
    const int target = *r.Target;
    if (!IsSlotNumber(target))
        return TargetCheck::OutOfRange;
    if (target < kFirstUsableField)
        return TargetCheck::Reserved;
    if (TakenFields(plan, row)[target])
        return TargetCheck::TakenByOther;
    const GuidanceLine& there = image.Line(target);
    if (!LineInUse(there))
        return TargetCheck::Free;
    if (target == r.Source && SourceHolds(r, card) && SameCoordinates(there, card.Line(r.Source)))
        return TargetCheck::SameLine;
    return TargetCheck::Replaces;
}

std::optional<int> ProposeField(const MergePlan& plan, const CardImage& image, std::size_t row) {
    const std::array<bool, kSlotCount + 1> taken = TakenFields(plan, row);
    for (int field = kFirstUsableField; field <= kSlotCount; ++field) {
        if (!taken[field] && !LineInUse(image.Line(field)))
            return field;
    }
    return std::nullopt;
}

void TickRow(MergePlan& plan, const CardImage& card, const CardImage& image, std::size_t row,
             bool ticked) {
    MergeRow& r = plan.Rows.at(row);
    r.Ticked = ticked;
    if (ticked && !Mergeable(CheckTarget(plan, card, image, row)))
        r.Target = ProposeField(plan, image, row);
}

MergeSummary Summarise(const MergePlan& plan, const CardImage& card, const CardImage& image) {
    MergeSummary summary;
    std::array<bool, kSlotCount + 1> filled{};
    for (std::size_t r = 0; r < plan.Rows.size(); ++r) {
        const MergeRow& row = plan.Rows[r];
        if (row.Kind == MergeKind::AlreadyThere)
            ++summary.AlreadyThere;
        if (!row.Ticked)
            continue;
        const TargetCheck check = CheckTarget(plan, card, image, r);
        if (!Mergeable(check)) {
            ++(check == TargetCheck::NoneLeft ? summary.NotFitting : summary.Wrong);
            continue;
        }
        filled[*row.Target] = true;
        if (*row.Target != row.Source)
            ++summary.Moved;
        else if (row.Kind == MergeKind::New)
            ++summary.New;
    }
    for (int field = kFirstUsableField; field <= kSlotCount; ++field)
        summary.FreeAfter += !filled[field] && !LineInUse(image.Line(field));
    return summary;
}

Words SummaryText(const MergeSummary& summary) {
    Words text{summary.FreeAfter == 1
                   ? SAY("%1 new, %2 already there, %3 moved, %4 field left free after the merge.")
                   : SAY("%1 new, %2 already there, %3 moved, %4 fields left free after the "
                         "merge."),
               {std::to_string(summary.New), std::to_string(summary.AlreadyThere),
                std::to_string(summary.Moved), std::to_string(summary.FreeAfter)}};
    if (summary.NotFitting > 0)
        text = Words{"%1 %2",
                     {text, Counted(summary.NotFitting,
                                    SAY("%1 pass does not fit: untick them or give each a field "
                                        "to replace."),
                                    SAY("%1 passes do not fit: untick them or give each a field "
                                        "to replace."))}};
    if (summary.Wrong > 0)
        text = Words{"%1 %2",
                     {text, Counted(summary.Wrong, SAY("%1 pass needs another field."),
                                    SAY("%1 passes need another field."))}};
    return text;
}

bool ReadyToMerge(const MergePlan& plan, const CardImage& card, const CardImage& image) {
    bool any = false;
    for (std::size_t r = 0; r < plan.Rows.size(); ++r) {
        if (!plan.Rows[r].Ticked)
            continue;
        if (!SourceHolds(plan.Rows[r], card) || !Mergeable(CheckTarget(plan, card, image, r)))
            return false;
        any = true;
    }
    return any;
}

std::optional<MergePlan> StartMerge(const Program& program, Ports& ports) {
    if (!SidesOfOneKind(program, ports))
        return std::nullopt;
    const bool straight = program.Menus.StraightTrack;
    MergePlan plan =
        PlanMerge(program.Table.Current(CardSide), program.Table.Current(ImageSide), straight);
    if (!plan.Rows.empty())
        return plan;
    ports.Ask.Show({straight ? SAY("Your card holds no straight lines to merge.")
                             : SAY("Your card holds no circle tracks to merge."),
                    Buttons::Ok, Icon::Information, SAY("Merge Card into Image")});
    return std::nullopt;
}

bool ApplyMerge(Program& program, Ports& ports, const MergePlan& plan) {
    const CardImage& card = program.Table.Current(CardSide);
    if (!SidesOfOneKind(program, ports) ||
        !ReadyToMerge(plan, card, program.Table.Current(ImageSide)))
        return false;
    EditSide(program, ports, ImageSide, [&] {
        CardImage& image = program.Table.Current(ImageSide);
        std::vector<int> merged;
        for (const MergeRow& row : plan.Rows) {
            if (!row.Ticked)
                continue;
            const int target = *row.Target;  // ready: every ticked row has one
            GuidanceLine& slot = image.Line(target);
            slot = card.Line(row.Source);
            // A pass moved to another field takes that field's number text,
            // as the arrow's "Field Shuffle" does.
            if (target != row.Source)
                slot.FieldNum = program.Table.At(ImageSide, 1).Line(target).FieldNum;
            merged.push_back(row.Source);
        }
        return StepDone{true, StepName(SAY("Merge"), merged)};
    });
    return true;
}

}  // namespace swathkit
