#include "edit/edit_step.h"

#include <utility>

#include "card/save.h"
#include "display/line_list.h"

namespace swathkit {

namespace {

void ShowAndWrite(Program& program, Ports& ports, int side, bool changed) {
    if (changed)
        program.ImageChanged = true;
    FillLineList(program, ports, side, program.Table.At(side, 0));
    SaveImage(program, ports, side);
}

}  // namespace

void EditSide(Program& program, Ports& ports, int side, const std::function<StepDone()>& change) {
    ImageTable& table = program.Table;
    table.At(side, 1) = table.At(side, 0);
    StepDone done = change();
    // Named as the change left the side, before the write: a write refused
    // because the file changed meanwhile puts other lines in place, and the
    // name no longer fits them.
    program.LastStep.at(side) = {std::move(done.Name), table.At(side, 1), table.At(side, 0)};
    ShowAndWrite(program, ports, side, done.Changed);
}

void SwapGenerations(Program& program, Ports& ports, int side) {
    std::swap(program.Table.At(side, 0), program.Table.At(side, 1));
    // Written even when nothing differs: right after a load this is how the
    // operator puts the card's file back as it was read.
    ShowAndWrite(program, ports, side, true);
}

Words StepName(const Words& what, const std::vector<int>& fields) {
    constexpr std::size_t kNamed = 5;  // beyond these the menu entry would run off
    std::string numbers;
    for (std::size_t i = 0; i < fields.size() && i < kNamed; ++i)
        numbers += (i > 0 ? ", " : "") + std::to_string(fields[i]);
    if (fields.size() > kNamed)
        return Words{SAY("%1 of fields %2 and %3 more"),
                     {what, numbers, std::to_string(fields.size() - kNamed)}};
    return Words{fields.size() == 1 ? SAY("%1 of field %2") : SAY("%1 of fields %2"),
                 {what, numbers}};
}

Words UndoName(const Program& program, int side) {
    const SideStep& step = program.LastStep.at(side);
    const CardImage& now = program.Table.At(side, 0);
    const CardImage& then = program.Table.At(side, 1);
    if (step.Name.empty() || now == then)
        return {};
    if (now == step.After && then == step.Before)
        return Words{SAY("Undo %1"), {step.Name}};
    if (now == step.Before && then == step.After)
        return Words{SAY("Redo %1"), {step.Name}};
    return {};
}

}  // namespace swathkit
