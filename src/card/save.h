#pragma once
// Every change is written by the command that made it: the card side to the
// card after a backup, the image side to its master copy.

#include "core/program.h"

namespace swathkit {

void SaveImage(Program& program, Ports& ports, int side);

// Backs the card up, then replaces its line file of the checked kind; only
// while the card in the reader is the one last read or written, and for a
// damaged file only once the operator has agreed.
void WriteCardFile(Program& program, Ports& ports, const CardImage& image);

// The same write with the file's bytes given whole; true once the card holds
// them.
bool WriteCardBytes(Program& program, Ports& ports, const std::string& bytes);

}  // namespace swathkit
