// Any bytes as a line file: the reader must not crash, and whatever it
// accepts must write back to bytes that read to the same image.
#include <cstdlib>
#include <string_view>

#include "core/line_file.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace swathkit;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool whole = size % 2 == 0;
    const auto image = ParseLineFile(bytes, whole);
    if (!image)
        return 0;
    for (const LineLayout layout : {LineLayout::Card, LineLayout::MasterCopy}) {
        const std::string written = LineFileText(*image, layout);
        const auto again = ParseLineFile(written);
        if (!again || LineFileText(*again, layout) != written)
            std::abort();
    }
    return 0;
}
