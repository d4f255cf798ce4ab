#include "core/words.h"

namespace swathkit {

std::string Words::English() const {
    std::vector<std::string> values;
    values.reserve(Values.size());
    for (const Words& value : Values) values.push_back(value.English());
    return Values.empty() ? Pattern : Fill(Pattern, values);
}

Words ListWords(const std::vector<Words>& items) {
    if (items.empty())
        return {};
    // Nested two at a time, so a list is never limited to nine values.
    Words text = items.front();
    for (std::size_t i = 1; i + 1 < items.size(); ++i) text = Words{"%1, %2", {text, items[i]}};
    if (items.size() > 1)
        text = Words{SAY("%1 and %2"), {text, items.back()}};
    return text;
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
