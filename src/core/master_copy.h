#pragma once
// The temporary card image's home on the PC between runs.

#include "core/program.h"
#include "core/work_folder.h"

namespace swathkit {

fs::path MasterCopyFile(const Program& program, bool straight);

// The master copy of the checked track kind, or a blank image of that kind
// when there is none yet. The result always carries the kind it was loaded
// for, so that it is saved back to the same file.
CardImage LoadMasterCopy(Program& program, Files& files);

// Writes the image to the master copy of its own kind; false (after the
// message box) when it could not.
bool WriteMasterCopy(Program& program, Ports& ports, const CardImage& image);

}  // namespace swathkit
