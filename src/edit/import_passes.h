#pragma once
// Lines read from other farm software brought into the temporary card image,
// as one editing command, just as passes are moved across from a card.

#include <string>
#include <vector>

#include "core/edit_records.h"
#include "core/program.h"
#include "geo/geo.h"

namespace swathkit {

// Why a line found in a file will not come into the image while this kind
// is checked; empty when it will.
std::string ImportRefusal(const PlacedLine& line, TrackKind checked);

// The record a line found in a file becomes, numbered for field: the point
// as the card stores coordinates; for a straight line the two direction
// components that the list reads back as the line's heading, for a circle
// track blank components, as a circle's record carries only its centre.
GuidanceLine ImportedRecord(const PlacedLine& line, int field);

// What the preview shows of a line.
ImportRowText DescribeImport(const PlacedLine& line, const MenuChoices& menus);

// The lines into the temporary card image as one editing command: undo copy
// first; a line's own field (6..250) where it has one, "Replace Pass" and the
// field prompt when that field holds another line; the rest into the first
// free fields from 6 up, a line the image holds already not again; the list
// redrawn and the master copy written once. Lines that ImportRefusal refuses
// do not come in. True when the image changed.
bool ImportIntoImage(Program& program, Ports& ports, const std::vector<PlacedLine>& lines);

}  // namespace swathkit
