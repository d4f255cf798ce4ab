#pragma once
// The text format of the card's line files and of the master copies: 250
// lines of five comma-separated fields, CR LF line ends.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files.h"
#include "core/guidance_line.h"

namespace swathkit {

// Card files carry one blank after the last field, master copies none.
enum class LineLayout { Card, MasterCopy };

// A line file is at most this long and a field at most this wide; anything
// larger is not a line file, and reading it must not cost the machine.
inline constexpr std::size_t kLineFileLimit = 1 << 20;
inline constexpr std::size_t kFieldLimit = 4096;

// The lines of 250 records, or nothing when the bytes do not hold them all.
// Slots 1 to 5 come back blanked. whole says whether the bytes are the
// whole file or stop at the read limit.
std::optional<CardImage> ParseLineFile(std::string_view bytes, bool whole = true);

// What can be trusted of a card's line file. A whole file reads as
// ParseLineFile reads it. A damaged one is read line by line: a line of five
// good fields keeps its slot, any other line (a stray NUL, an over-long
// field, a line cut off) and every line missing at the end leaves its slot
// blank with its field number, and is listed in Lost.
struct SalvagedLines {
    CardImage Image;
    std::vector<int> Lost;
};
SalvagedLines SalvageLineFile(std::string_view bytes, bool whole = true);

// "record 30", "records 30, 45 and 121 to 250": which records were lost.
std::string DescribeRecords(const std::vector<int>& slots);

// The kind flags come from the file's name: "ircle" in it makes a circle
// image. Not the folders above it: a card labelled "Circle1" holds
// straight lines in its ablines.dat all the same.
void SetKindFromPath(CardImage& image, const fs::path& path);

// The image held in the file, or nothing when it cannot be read whole. The
// kind flags come from the file's name, as SetKindFromPath says.
std::optional<CardImage> TryReadLineFile(const fs::path& path, Files& files = RealFiles());

// The exact bytes of a line file for the image.
std::string LineFileText(const CardImage& image, LineLayout layout);

}  // namespace swathkit
