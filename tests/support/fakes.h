#pragma once
// Fakes of the ports: they record what the logic showed and answer from a
// script. A box the script did not expect fails the test.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/program.h"

namespace swathkit::testing {

class ScriptedDialogs final : public Dialogs {
  public:
    // The next box must be exactly this one; it is answered with answer.
    void Expect(const Message& message, Answer answer) { boxes_.push_back({message, answer}); }
    void ExpectInput(std::string prompt, std::string title, std::optional<std::string> reply) {
        inputs_.push_back({std::move(prompt), std::move(title), std::move(reply)});
    }

    Answer Show(const Message& message) override {
        shown.push_back(message);
        if (boxes_.empty()) {
            ADD_FAILURE() << "unexpected box \"" << message.Title << "\": " << message.Prompt;
            return Answer::Cancel;
        }
        auto [expected, answer] = boxes_.front();
        boxes_.pop_front();
        EXPECT_EQ(message, expected) << "box \"" << message.Title << "\": " << message.Prompt;
        return answer;
    }

    std::optional<std::string> Input(const std::string& prompt, const std::string& title) override {
        if (inputs_.empty()) {
            ADD_FAILURE() << "unexpected input box \"" << title << "\": " << prompt;
            return std::nullopt;
        }
        auto next = inputs_.front();
        inputs_.pop_front();
        EXPECT_EQ(prompt, next.Prompt);
        EXPECT_EQ(title, next.Title);
        return next.Reply;
    }

    bool Done() const { return boxes_.empty() && inputs_.empty(); }

    std::vector<Message> shown;

  private:
    struct PendingInput {
        std::string Prompt, Title;
        std::optional<std::string> Reply;
    };
    std::deque<std::pair<Message, Answer>> boxes_;
    std::deque<PendingInput> inputs_;
};

// Records each step of the animation as a short text, for example
// "show 1", "events", "1: 0..100 = 30", "hide 1".
class RecordingProgress final : public SaveProgressView {
  public:
    void SetSavingShown(int index, bool shown) override {
        steps.push_back((shown ? "show " : "hide ") + std::to_string(index));
    }
    void SetProgress(int index, int minimum, int maximum, int value) override {
        steps.push_back(std::to_string(index) + ": " + std::to_string(minimum) + ".." +
                        std::to_string(maximum) + " = " + std::to_string(value));
    }
    void ProcessPendingEvents() override { steps.push_back("events"); }

    std::vector<std::string> steps;
};

// Time passes only when the logic sleeps.
class FakeClock final : public Clock {
  public:
    Date Today() override { return today; }
    double MonotonicSeconds() override { return now; }
    void Sleep(double seconds) override {
        slept += seconds;
        now += seconds;
    }

    Date today{2026, 12, 6};
    double now = 1000;
    double slept = 0;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        path_ = std::filesystem::temp_directory_path() /
                ("swathkit-test-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(counter_++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    static inline int counter_ = 0;
    std::filesystem::path path_;
};

// Everything one operation needs, wired to fakes, with the work folder in a
// temporary folder.
struct Harness {
    Harness() { program.WorkFolder = work.path() / "Swathkit"; }

    TempFolder work;
    ScriptedDialogs dialogs;
    RecordingProgress progress;
    FakeClock clock;
    Program program;
    Ports ports{dialogs, progress, clock, RealFiles()};
};

}  // namespace swathkit::testing
