// Any bytes to one of the line readers (chosen when built): it must not
// crash, and every line it lets through must be a place on the earth with a
// compass heading and a field a card can hold, or none.
#include <cmath>
#include <cstdlib>
#include <string>

#include "exchange/field_folder.h"
#include "exchange/import_lines.h"

namespace swathkit {
// A field folder's files in one input, parted by NUL bytes: Field.txt, then
// TrackLines.txt, or ABLines.txt when there is no second NUL.
std::variant<ImportResult, ImportFailure> ReadFieldFolderBytes(const std::string& bytes) {
    const std::string_view all(bytes);
    const auto first = all.find('\0');
    if (first == std::string_view::npos)
        return ReadFieldFolderTexts(all, std::nullopt, "");
    const std::string_view rest = all.substr(first + 1);
    const auto second = rest.find('\0');
    return second == std::string_view::npos
               ? ReadFieldFolderTexts(all.substr(0, first), std::nullopt, rest)
               : ReadFieldFolderTexts(all.substr(0, first), rest.substr(0, second), "");
}
}  // namespace swathkit

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace swathkit;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto read = SWATHKIT_IMPORT_READER(bytes);
    const auto* result = std::get_if<ImportResult>(&read);
    if (!result) {
        if (std::get<ImportFailure>(read).Message.empty())
            std::abort();
        return 0;
    }
    for (const ImportedLine& line : result->Lines) {
        const bool place =
            std::fabs(line.Point.Latitude) <= 90 && std::fabs(line.Point.Longitude) <= 180;
        const bool heading =
            line.Straight ? line.Heading >= 0 && line.Heading < 360 : line.Heading == 0;
        const bool field = line.Field == 0 || (line.Field >= 6 && line.Field <= 250);
        if (!place || !heading || !field)
            std::abort();
    }
    return 0;
}
