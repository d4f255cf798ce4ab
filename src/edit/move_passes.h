#pragma once
// Moving passes from one side to the other with the arrow buttons, and the
// field number prompt that the renumbering commands share with it.

#include <optional>
#include <string_view>
#include <vector>

#include "card/restore.h"
#include "core/program.h"

namespace swathkit {

// "Nothing Selected" for the commands that move or renumber passes.
void ShowNothingSelectedToMove(Ports& ports);

// Whether the card side and the temporary card image hold lines of one
// kind, as every command that takes passes from one to the other needs;
// the operator is told when not.
bool SidesOfOneKind(const Program& program, Ports& ports);

// Copies the selected passes of one side into the other side; only the
// other side changes, gets its undo copy and is written.
void MoveSelectedPasses(Program& program, Ports& ports, int side);

// The pass of slot n, selected in the list, copied across; asks before a
// different pass is replaced. True when it was copied.
bool MovePassAcross(Program& program, Ports& ports, int n, int side);

// A pass of field n copied into the current image of the side other,
// wherever it came from; asks before a different pass is replaced. True
// when it was copied; the caller's editing step writes the side.
bool CopyPassInto(Program& program, Ports& ports, const GuidanceLine& source, int n, int other);

// Where pass n (source) lands in image, starting at target: a field that
// holds another pass is taken only once the operator says yes to "Replace
// Pass"; No asks for another field. Fields in movedAway whose passes the
// command has already copied elsewhere (still as in before) count as free.
// Nothing when the operator gives up.
std::optional<int> ConfirmTarget(Ports& ports, const CardImage& image, const CardImage& before,
                                 const GuidanceLine& source, int n, int target,
                                 const std::vector<int>& movedAway);

// Asks for the field a pass goes to until the operator gives one in 6..250
// or gives up.
std::optional<int> AskTargetField(Ports& ports, int n);

// The backup's passes of these fields into the temporary card image as one
// editing command, just as the arrow moves passes across: undo copy first,
// "Replace Pass" and the field prompt on a clash, the master copy written.
// The backup must be of the image's kind; false when it is not and nothing
// changed.
bool RestoreIntoImage(Program& program, Ports& ports, const BackupLineFile& backup,
                      const std::vector<int>& fields);

}  // namespace swathkit
