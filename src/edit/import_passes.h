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
Words ImportRefusal(const PlacedLine& line, TrackKind checked);

// The record a line found in a file becomes, numbered for field: the point
// as the card stores coordinates; for a straight line the two direction
// components that the list reads back as the line's heading, for a circle
// track blank components, as a circle's record carries only its centre.
GuidanceLine ImportedRecord(const PlacedLine& line, int field);

// What the preview shows of a line.
ImportRowText DescribeImport(const PlacedLine& line, const MenuChoices& menus);

// Beside each line found, whether it is there already: "already in the
// image (field N)" when image holds a line of that kind at the same point
// (and heading), else "the same as row K" for the first earlier line in
// lines (counted from 1) that is; empty for the rest. The preview leaves
// these unticked.
std::vector<Words> ImportRepeats(const CardImage& image, const std::vector<PlacedLine>& lines);

// The lines into the temporary card image as one editing command: undo copy
// first; a line's own field (6..250) where it has one, "Replace Pass" and the
// field prompt when that field holds another line; the rest into the first
// free fields from 6 up; the list redrawn and the master copy written once.
// Every line given comes in, a repeat the operator ticked too. Lines that
// ImportRefusal refuses do not. True when the image changed.
bool ImportIntoImage(Program& program, Ports& ports, const std::vector<PlacedLine>& lines);

}  // namespace swathkit
