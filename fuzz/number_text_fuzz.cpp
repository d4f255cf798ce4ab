// Any text as a number or coordinate: no crash, and never a "nan" or "inf"
// on screen.
#include <cstdlib>
#include <string>

#include "core/number_text.h"
#include "display/coordinate_text.h"

namespace {

void MustBeClean(const std::string& text) {
    if (text.find("nan") != std::string::npos || text.find("inf") != std::string::npos) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace swathkit;
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)LeadingWholeNumber(text);
    const double value = LeadingNumber(text);
    MustBeClean(DefaultNumberText(value));
    MustBeClean(FormatPicture(value, 3, 6));
    MustBeClean(FormatCoordinate(text, false));
    MustBeClean(FormatCoordinate(text, true));
    GuidanceLine line;
    const std::size_t half = text.size() / 2;
    line.HeadingEast = text.substr(0, half);
    line.HeadingNorth = text.substr(half);
    MustBeClean(FormatHeading(line));
    return 0;
}
