#pragma once
// The text format of the card's line files and of the master copies: 250
// lines of five comma-separated fields, CR LF line ends.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files.h"
#include "core/guidance_line.h"
#include "core/words.h"

namespace swathkit {

// Card files carry one blank after the last field, master copies none.
enum class LineLayout { Card, MasterCopy };

// A line file is at most this long and a field at most this wide; anything
// larger is not a line file, and reading it must not cost the machine.
inline constexpr std::size_t kLineFileLimit = 1 << 20;
inline constexpr std::size_t kFieldLimit = 4096;

// The lines of 250 records, or nothing when the bytes are not a whole line
// file: each of the first 250 lines holds five fields and the field number
// of its own slot, and the last of them is not cut off. Slots 1 to 5 come
// back blanked. whole says whether the bytes are the whole file or stop at
// the read limit.
std::optional<CardImage> ParseLineFile(std::string_view bytes, bool whole = true);

// What can be trusted of a card's line file. A whole file reads as
// ParseLineFile reads it. In a damaged one each line of five good fields
// goes to the slot its field number names; every slot that no such line
// names (a line cut off, a stray NUL, a number too long to read, a line
// missing) is left blank with its field number and listed in Lost.
struct SalvagedLines {
    CardImage Image;
    std::vector<int> Lost;
    bool Whole = false;
};
SalvagedLines SalvageLineFile(std::string_view bytes, bool whole = true);

// What is wrong with a damaged file, to follow "is damaged: ": "record 12
// could not be read", or that its lines are out of order with nothing lost.
// Empty for a whole file.
Words DescribeDamage(const SalvagedLines& read);

// "record 30", "records 30, 45 and 121 to 250": which records were lost.
Words DescribeRecords(const std::vector<int>& slots);

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
