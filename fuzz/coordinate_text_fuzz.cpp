// Any text as a stored coordinate or heading: no crash, and what the lists
// show is well formed, bounded in length and reads back to the value shown.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "core/guidance_line.h"
#include "core/number_text.h"
#include "display/coordinate_text.h"

namespace {

// One more than the digits of the largest double, a sign, a point and six
// decimals: nothing the lists show may be longer.
constexpr std::size_t kMostLength = 1 + 309 + 1 + 6 + 1;
constexpr std::string_view kDegree = "\xC2\xB0";

void Check(bool ok) {
    if (!ok)
        std::abort();
}

bool AllDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// A number text as DefaultNumberText writes it, read back.
bool ReadDefault(std::string_view text, double& value) {
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size())
        return false;
    // The 15 digits of the largest double round up past it.
    if (error == std::errc::result_out_of_range)
        value = std::numeric_limits<double>::max();
    return (error == std::errc() || error == std::errc::result_out_of_range) &&
           std::isfinite(value);
}

bool Near(double a, double b, double absolute) {
    return std::fabs(a - b) <= absolute + std::fabs(b) * 1e-14;
}

void CheckDecimal(double shownValue, const std::string& text) {
    // "+041.500000": a sign, at least three integer digits, six decimals.
    Check(text.size() <= kMostLength && text.size() >= 11);
    Check(text[0] == '+' || text[0] == '-');
    const std::size_t dot = text.find('.');
    Check(dot != std::string::npos && dot >= 4);
    Check(AllDigits(std::string_view(text).substr(1, dot - 1)));
    Check(text.size() - dot - 1 == 6 && AllDigits(std::string_view(text).substr(dot + 1)));
    // Read back through the same reader the program uses, the text must
    // show the value to within its last decimal and be stable.
    const double back = swathkit::LeadingNumber(text);
    Check(Near(back, shownValue, 5e-7 + 1e-12));
    // A value that shows as zero with a minus keeps its minus, but the text
    // itself reads as zero and shows with a plus.
    if (back != 0)
        Check(swathkit::FormatCoordinate(text, false) == text);
}

void CheckDms(double shownValue, const std::string& text) {
    Check(text.size() <= kMostLength);
    Check(text[0] == '+' || text[0] == '-');
    const std::size_t degree = text.find(kDegree);
    Check(degree != std::string::npos && degree > 1);
    const std::size_t minute = text.find('\'', degree);
    Check(minute != std::string::npos);
    Check(text.size() >= 2 && text.compare(text.size() - 2, 2, "''") == 0);
    Check(text.size() - 2 > minute);
    double d = 0, m = 0, s = 0;
    Check(ReadDefault(std::string_view(text).substr(1, degree - 1), d));
    const std::size_t afterDegree = degree + kDegree.size();
    Check(ReadDefault(std::string_view(text).substr(afterDegree, minute - afterDegree), m));
    Check(ReadDefault(std::string_view(text).substr(minute + 1, text.size() - 2 - minute - 1), s));
    Check(d == std::floor(d) && m == std::floor(m) && m >= 0 && m < 60);
    Check(s >= 0 && s < 60);
    // Seconds are cut to hundredths, so the text may fall short of the value
    // by a hundredth of a second but never exceed it.
    const double back = d + m / 60 + s / 3600;
    Check(Near(back, std::fabs(shownValue), 0.01 / 3600 + 1e-9));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace swathkit;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // Fifteen significant digits of the value itself, not the program's own
    // rounding, so that a rounding that loses the value is caught.
    const double value = LeadingNumber(text);
    CheckDecimal(value, FormatCoordinate(text, false));
    CheckDms(value, FormatCoordinate(text, true));

    GuidanceLine line;
    const std::size_t half = text.size() / 2;
    line.HeadingEast = text.substr(0, half);
    line.HeadingNorth = text.substr(half);
    const std::string heading = FormatHeading(line);
    // "045.0000°", always within a turn.
    Check(heading.size() == 8 + kDegree.size());
    Check(heading.compare(8, kDegree.size(), kDegree) == 0);
    const double h = LeadingNumber(heading);
    Check(h >= 0 && h <= 360);
    return 0;
}
