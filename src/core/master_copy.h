#pragma once
// The temporary card image's home on the PC between runs.

#include "core/program.h"
#include "core/work_folder.h"

namespace swathkit {

fs::path MasterCopyFile(const Program& program, bool straight);

// The master copy of the checked track kind, or a blank image of that kind
// when there is none yet. The result always carries the kind it was loaded
// for, so that it is saved back to the same file. A damaged copy is read as
// a damaged card file is: the passes that can be trusted are kept, the file
// is copied aside before anything can replace it, and the operator is told
// both.
CardImage LoadMasterCopy(Program& program, Ports& ports);

// Writes the image to the master copy of its own kind; false (after the
// message box) when it could not. A master copy that another program has
// saved since this one last read or wrote it is not written over: the
// temporary card image of that kind shows the file's passes instead, and
// its Undo what was shown before.
bool WriteMasterCopy(Program& program, Ports& ports, const CardImage& image);

}  // namespace swathkit
