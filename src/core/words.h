#pragma once
// Text the operator reads, kept as its English pattern and the values put
// into it, so that the window can show it in the operator's language: it
// looks the pattern up and puts the values in. The logic never needs to
// know which language that is.

#include <ostream>
#include <string>
#include <vector>

// Marks an English text for translation where it is written. The
// translation tool collects every SAY(...) (the lupdate target in
// CMakeLists.txt); the window looks the text up when it shows it.
#define SAY(text) text

namespace swathkit {

struct Words {
    // English, with %1 to %9 where the values go.
    std::string Pattern;
    // Numbers, paths and names stay as they are; a value that is itself a
    // marked text (a reason inside a box, say) is translated with the rest.
    std::vector<Words> Values;

    Words() = default;
    Words(const char* text) : Pattern(text) {}
    Words(std::string text) : Pattern(std::move(text)) {}
    Words(std::string pattern, std::vector<Words> values)
        : Pattern(std::move(pattern)), Values(std::move(values)) {}

    // The text as an English-speaking operator reads it.
    std::string English() const;
    bool empty() const { return Pattern.empty() && Values.empty(); }

    // Two texts are the same when they read the same.
    friend bool operator==(const Words& a, const Words& b) { return a.English() == b.English(); }
    friend std::ostream& operator<<(std::ostream& out, const Words& words) {
        return out << words.English();
    }
};

// "a, b and c": items listed in a sentence, the last joined by "and".
Words ListWords(const std::vector<Words>& items);

// Puts values into a pattern in one pass: %1 to %9 are replaced, so a value
// holding "%2" stays as it is.
std::string Fill(const std::string& pattern, const std::vector<std::string>& values);

}  // namespace swathkit
