#pragma once
// The texts the lists show for stored coordinates and headings.

#include <string>
#include <string_view>

#include "core/guidance_line.h"

namespace swathkit {

// "+041.500000" in decimal form, "+41°30'0''" with dms set. Any text is
// accepted; one without a leading number shows as zero.
std::string FormatCoordinate(std::string_view coordinate, bool dms);

// The compass heading of a straight line, "045.0000°".
std::string FormatHeading(const GuidanceLine& line);

}  // namespace swathkit
