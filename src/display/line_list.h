#pragma once
// Filling the two lists from a card image.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/program.h"

namespace swathkit {

std::vector<Column> ListColumns(const MenuChoices& menus);

// One row per slot in use, in slot order.
std::vector<ListRow> ListRows(const CardImage& image, const MenuChoices& menus);

void FillLineList(const Program& program, Ports& ports, int index, const CardImage& image);

// Switches the commands that need a card: the card side's buttons, both
// arrows and "Save Image". The image side's buttons are never touched.
void SetCardCommandsEnabled(Program& program, Ports& ports, bool enabled);

}  // namespace swathkit
