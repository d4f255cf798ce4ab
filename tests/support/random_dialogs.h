#pragma once
// An operator who answers every box at random: each message box with one of
// its own buttons, each input box with whatever an entry source types. Every
// box and answer goes into a log, so that a test can tell afterwards what
// the operator agreed to.

#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/ports.h"

namespace swathkit::testing {

class RandomDialogs final : public Dialogs {
  public:
    // What the operator typed; nothing for Cancel.
    using Entry = std::optional<std::string>;

    // A message box and the button pressed, or an input box and the entry.
    struct Event {
        Message Box;
        Answer Pressed = Answer::Ok;
        Entry Typed;
    };

    explicit RandomDialogs(std::mt19937_64& random) : random_(random) {}

    Answer Show(const Message& message) override {
        if (OnBox)
            OnBox(message);
        const std::vector<Answer> choices = ButtonsOf(message.Buttons);
        log.push_back(
            {message,
             choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)],
             {}});
        return log.back().Pressed;
    }

    std::optional<std::string> Input(const std::string&, const std::string&) override {
        log.push_back({{}, Answer::Ok, Entries ? Entries() : Entry{}});
        return log.back().Typed;
    }
    // Always closed without a choice.
    std::optional<std::filesystem::path> SelectDirectory() override { return std::nullopt; }

    static std::vector<Answer> ButtonsOf(Buttons buttons) {
        switch (buttons) {
            case Buttons::Ok:
                return {Answer::Ok};
            case Buttons::OkCancel:
                return {Answer::Ok, Answer::Cancel};
            case Buttons::YesNo:
                return {Answer::Yes, Answer::No};
            case Buttons::YesNoCancel:
                return {Answer::Yes, Answer::No, Answer::Cancel};
        }
        return {Answer::Ok};
    }

    // Types the entry for each input box; Cancel when unset.
    std::function<Entry()> Entries;
    // What the operator does while a box is open, say change the card.
    std::function<void(const Message&)> OnBox;
    std::deque<Event> log;

  private:
    std::mt19937_64& random_;
};

}  // namespace swathkit::testing
