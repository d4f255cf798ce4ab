#pragma once
// Number texts, converted the same way everywhere and never through the
// user's locale: QApplication sets the C locale from the environment, and
// printf or strtod would then write or expect a decimal comma.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace swathkit {

// The decimal number at the start of a text after leading blanks (optional
// sign, digits, one decimal point; blanks inside are skipped), 0 when the
// text does not begin with a number. Always finite.
double LeadingNumber(std::string_view text);

// False when that number has more digits than a double can hold (it then
// reads as the largest double, which is not the number written).
bool LeadingNumberFits(std::string_view text);

// The leading number rounded to the nearest whole number, halves to even;
// nothing when the result does not fit a 16-bit signed integer.
std::optional<std::int16_t> LeadingWholeNumber(std::string_view text);

// The shortest text of at most 15 significant digits, no point when whole,
// exponent form below 1E-4 (as C's %.15G with trailing zeros dropped).
std::string DefaultNumberText(double value);

// A value rounded to 15 significant digits, as a value read back from its
// default number text.
double RoundTo15Digits(double value);

// A picture such as "000.000000": at least intDigits integer digits, exactly
// decimals decimals, a half rounded away from zero. The sign is written only
// for negative values.
std::string FormatPicture(double value, int intDigits, int decimals);

struct Date {
    int Year = 2000;
    int Month = 1;
    int Day = 1;
    bool operator==(const Date&) const = default;
};

// The date as "mmddyyyy".
std::string FormatDate(const Date& date);

}  // namespace swathkit
