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

std::string StepName(std::string_view what, const std::vector<int>& fields) {
    constexpr std::size_t kNamed = 5;  // beyond these the menu entry would run off
    std::string name(what);
    name += fields.size() == 1 ? " of field " : " of fields ";
    for (std::size_t i = 0; i < fields.size() && i < kNamed; ++i)
        name += (i > 0 ? ", " : "") + std::to_string(fields[i]);
    if (fields.size() > kNamed)
        name += " and " + std::to_string(fields.size() - kNamed) + " more";
    return name;
}

std::string UndoName(const Program& program, int side) {
    const SideStep& step = program.LastStep.at(side);
    const CardImage& now = program.Table.At(side, 0);
    const CardImage& then = program.Table.At(side, 1);
    if (step.Name.empty() || now == then)
        return {};
    if (now == step.After && then == step.Before)
        return "Undo " + step.Name;
    if (now == step.Before && then == step.After)
        return "Redo " + step.Name;
    return {};
}

}  // namespace swathkit
