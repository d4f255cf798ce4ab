#pragma once
// "Copy Card to Card": the lines of the card in the reader onto further
// cards put in one after another, all from one fresh backup.

#include "core/program.h"

namespace swathkit {

void CopyCardToCard(Program& program, Ports& ports);

}  // namespace swathkit
