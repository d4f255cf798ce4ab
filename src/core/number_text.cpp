#include "core/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace swathkit {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Adds one to a run of decimal digits, returning whether it overflowed into
// a new leading digit.
bool Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

double Clamp(double value) {
    if (std::isnan(value))
        return 0.0;
    constexpr double most = std::numeric_limits<double>::max();
    return value > most ? most : (value < -most ? -most : value);
}

struct ParsedNumber {
    double Value = 0.0;
    bool TooLarge = false;  // more than a double holds: clamped to its largest
};

ParsedNumber ParseLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    bool point = false;
    bool significantBeforePoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsBlank(c))
            continue;
        if (c >= '0' && c <= '9') {
            if (!point && c != '0')
                significantBeforePoint = true;
            digits += c;
        } else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else {
            break;
        }
    }
    if (digits.find_first_of("0123456789") == std::string::npos)
        return {};
    ParsedNumber parsed;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), parsed.Value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large for a double, or too small to be anything but zero.
        parsed.TooLarge = significantBeforePoint;
        parsed.Value = parsed.TooLarge ? std::numeric_limits<double>::max() : 0.0;
    }
    parsed.Value = Clamp(negative ? -parsed.Value : parsed.Value);
    return parsed;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    return ParseLeadingNumber(text).Value;
}

bool LeadingNumberFits(std::string_view text) {
    return !ParseLeadingNumber(text).TooLarge;
}

std::optional<std::int16_t> LeadingWholeNumber(std::string_view text) {
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double whole = std::nearbyint(LeadingNumber(text));
    if (whole < std::numeric_limits<std::int16_t>::min() ||
        whole > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

std::string DefaultNumberText(double value) {
    value = Clamp(value);
    if (value == 0.0)
        value = 0.0;  // no "-0"
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

double RoundTo15Digits(double value) {
    const std::string text = DefaultNumberText(value);
    double rounded = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rounded);
    (void)end;
    // Near the largest double the 15-digit text rounds up past it and reads
    // back out of range; the value then stays as it was rather than being
    // shown as zero.
    if (error != std::errc())
        return Clamp(value);
    return rounded;
}

std::string FormatPicture(double value, int intDigits, int decimals) {
    value = Clamp(value);
    const bool negative = std::signbit(value);
    // The shortest exact decimal form of the value, so that a value written
    // as 2.675 rounds as 2.675 and not as its binary neighbour.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(value), std::chars_format::fixed);
    const std::string plain(buffer.data(), result.ptr);
    const std::size_t dot = plain.find('.');
    std::string whole = plain.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : plain.substr(dot + 1);

    const auto keep = static_cast<std::size_t>(decimals);
    if (fraction.size() > keep) {
        const bool roundUp = fraction[keep] >= '5';
        fraction.resize(keep);
        if (roundUp && Increment(fraction)) {
            if (Increment(whole))
                whole.insert(whole.begin(), '1');
        }
    }
    fraction.resize(keep, '0');
    if (whole.size() < static_cast<std::size_t>(intDigits)) {
        whole.insert(0, static_cast<std::size_t>(intDigits) - whole.size(), '0');
    }
    if (intDigits == 0 && whole == "0")
        whole.clear();

    const bool zero = whole.find_first_not_of('0') == std::string::npos &&
                      fraction.find_first_not_of('0') == std::string::npos;
    std::string text = (negative && !zero) ? "-" : "";
    text += whole;
    if (decimals > 0)
        text += "." + fraction;
    return text;
}

std::string FormatDate(const Date& date) {
    return FormatPicture(date.Month, 2, 0) + FormatPicture(date.Day, 2, 0) +
           FormatPicture(date.Year, 4, 0);
}

}  // namespace swathkit
