#include "core/words.h"

namespace swathkit {

std::string Words::English() const {
    std::vector<std::string> values;
    values.reserve(Values.size());
    for (const Words& value : Values) values.push_back(value.English());
    return Values.empty() ? Pattern : Fill(Pattern, values);
}

std::string Fill(const std::string& pattern, const std::vector<std::string>& values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            text += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace swathkit
