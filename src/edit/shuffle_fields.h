#pragma once
// "Change Field #" and "Copy Field": giving passes other field numbers
// within one side.

#include <optional>
#include <string_view>
#include <vector>

#include "core/program.h"

namespace swathkit {

// clearSource is true for "Change Field #": the passes leave their old
// fields. Only this side changes, gets its undo copy and is written.
void ShuffleSelectedFields(Program& program, Ports& ports, int side, bool clearSource);

struct FieldMove {
    int From = 0;
    int To = 0;
};

// Copies the pass of slot n, selected and as it was before the command, to
// the field the operator types in, asking first where that field holds
// another pass (unless that pass is one of movedAway, copied elsewhere
// already). It never blanks the old field: the command does that once every
// pass has been copied, and only where no pass has landed.
std::optional<FieldMove> ShuffleField(Program& program, Ports& ports, int n, int side,
                                      const std::vector<int>& movedAway);

}  // namespace swathkit
