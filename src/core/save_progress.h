#pragma once
// The short progress animation under a list that ends every save.

#include "core/program.h"

namespace swathkit {

// Fills the bar under list index in ten steps over about seconds.
void ShowSaveProgress(Ports& ports, int index, double seconds);

}  // namespace swathkit
