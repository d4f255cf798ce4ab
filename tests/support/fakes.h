#pragma once
// Fakes of the ports: they record what the logic showed and answer from a
// script. A box the script did not expect fails the test.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/ports.h"
#include "core/program.h"

namespace swathkit {
// A box that was not the one expected shows its words.
inline void PrintTo(const Message& message, std::ostream* out) {
    *out << '"' << message.Title << "\": \"" << message.Prompt << "\" (" << message.Details << ')';
}
}  // namespace swathkit

namespace swathkit::testing {

// A box as shown when a file step failed: the reason under its own text.
inline Message Said(Message box, const std::string& reason) {
    box.Details = reason;
    return box;
}

class ScriptedDialogs final : public Dialogs {
  public:
    // The next box must be exactly this one; it is answered with answer,
    // after doing what the operator does while it is open (say, change the
    // card in the reader). Where the box's text is checked elsewhere, only
    // its title is compared.
    void Expect(const Message& message, Answer answer, std::function<void()> meanwhile = {}) {
        boxes_.push_back({message, answer, std::move(meanwhile), false});
    }
    void ExpectTitle(const std::string& title, Answer answer,
                     std::function<void()> meanwhile = {}) {
        boxes_.push_back(
            {{"", Buttons::Ok, Icon::None, title}, answer, std::move(meanwhile), true});
    }
    // The next input box is answered with reply; its prompt must be prompt.
    void ExpectInput(std::string prompt, std::optional<std::string> reply) {
        inputs_.push_back({std::move(prompt), std::move(reply)});
    }
    // The next "Select Directory" dialog is answered with folder (nothing
    // for Cancel).
    void ExpectDirectory(std::optional<std::filesystem::path> folder) {
        directories_.push_back(std::move(folder));
    }

    Answer Show(const Message& message) override {
        shown.push_back(message);
        if (boxes_.empty()) {
            ADD_FAILURE() << "unexpected box \"" << message.Title << "\": " << message.Prompt;
            return Answer::Cancel;
        }
        Box next = std::move(boxes_.front());
        boxes_.pop_front();
        if (next.TitleOnly)
            EXPECT_EQ(message.Title, next.Expected.Title) << message.Prompt;
        else
            EXPECT_EQ(message, next.Expected) << "box \"" << message.Title << "\"";
        if (next.Meanwhile)
            next.Meanwhile();
        return next.Reply;
    }
    std::optional<std::string> Input(const Words& prompt, const Words& title) override {
        if (inputs_.empty()) {
            ADD_FAILURE() << "unexpected input box \"" << title << "\": " << prompt;
            return std::nullopt;
        }
        auto [expected, reply] = inputs_.front();
        inputs_.pop_front();
        EXPECT_EQ(prompt, expected);
        EXPECT_EQ(title, "Field Shuffle");
        return reply;
    }
    std::optional<std::filesystem::path> SelectDirectory() override {
        if (directories_.empty()) {
            ADD_FAILURE() << "unexpected Select Directory dialog";
            return std::nullopt;
        }
        auto next = directories_.front();
        directories_.pop_front();
        return next;
    }
    // The next drive choice must offer exactly drives; it is answered with
    // the index reply (nothing for Cancel).
    void ExpectDrive(std::vector<std::string> drives, std::optional<int> reply) {
        drives_.push_back({std::move(drives), reply});
    }
    std::optional<int> ChooseDrive(const Message& message, const std::vector<std::string>& drives,
                                   int) override {
        shown.push_back(message);
        if (drives_.empty()) {
            ADD_FAILURE() << "unexpected drive choice: " << message.Prompt;
            return std::nullopt;
        }
        auto [expected, reply] = drives_.front();
        drives_.pop_front();
        EXPECT_EQ(drives, expected);
        return reply;
    }
    bool Done() const {
        return boxes_.empty() && inputs_.empty() && directories_.empty() && drives_.empty();
    }

    std::vector<Message> shown;

  private:
    struct Box {
        Message Expected;
        Answer Reply;
        std::function<void()> Meanwhile;
        bool TitleOnly;
    };
    std::deque<Box> boxes_;
    std::deque<std::pair<std::string, std::optional<std::string>>> inputs_;
    std::deque<std::optional<std::filesystem::path>> directories_;
    std::deque<std::pair<std::vector<std::string>, std::optional<int>>> drives_;
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
    int Saves(int side) const {
        return static_cast<int>(
            std::count(steps.begin(), steps.end(), "show " + std::to_string(side)));
    }

    std::vector<std::string> steps;
};

// Holds what was last drawn, with a selection the test sets.
class FakeList final : public LineList {
  public:
    void Show(const std::vector<Column>& newColumns, const std::vector<ListRow>& newRows) override {
        columns = newColumns;
        rows = newRows;
        selected.assign(rows.size(), false);
        ++fills;
    }
    std::vector<int> SelectedSlots() override {
        std::vector<int> chosen;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (selected[i])
                chosen.push_back(rows[i].Slot);
        return chosen;
    }
    void DeselectFirstItem() override {
        if (!selected.empty())
            selected[0] = false;
    }
    void Focus() override { ++focused; }

    // Selects the items whose item text is one of texts.
    void Select(const std::vector<std::string>& texts) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            selected[i] = std::find(texts.begin(), texts.end(), rows[i].Cells[0]) != texts.end();
    }
    std::vector<std::string> ItemTexts() const {
        std::vector<std::string> texts;
        for (const ListRow& row : rows) texts.push_back(row.Cells[0]);
        return texts;
    }

    std::vector<Column> columns;
    std::vector<ListRow> rows;
    std::vector<bool> selected;
    int fills = 0;
    int focused = 0;
};

class FakeControls final : public WindowControls {
  public:
    void SetCardCommandsEnabled(bool on) override { cardCommands = on; }
    void SetCardDescription(const Words& text) override { description = text.English(); }

    bool cardCommands = false;
    std::string description = "Your Card -- Not Detected";
};

class FakeDrives final : public DriveChooser {
  public:
    std::vector<std::string> Entries() override { return entries; }
    std::string CurrentText() override {
        return current >= 0 && current < static_cast<int>(entries.size()) ? entries[current] : "";
    }
    bool Reread() override {
        if (!rereadWorks)
            return false;
        entries = afterReread;
        current = afterRereadCurrent;
        return true;
    }
    void Select(int index) override {
        current = index;
        selections.push_back(index);
    }

    std::vector<std::string> entries = {"/"};
    int current = 0;
    std::vector<std::string> afterReread = {"/"};
    int afterRereadCurrent = 0;
    bool rereadWorks = true;
    std::vector<int> selections;
};

class FakeHelp final : public HelpViewer {
  public:
    bool Open(const std::filesystem::path& path) override {
        opened.push_back(path);
        return std::filesystem::exists(path);
    }
    std::vector<std::filesystem::path> opened;
};

// Time passes only when the logic sleeps. It is counted in whole
// nanoseconds and every sleep moves it on by at least one: the save
// animation sleeps off the rounding error of its last step, and added to a
// double of a thousand seconds or more such a sleep can change nothing, so
// the wait never ended (from the 25th save of one harness on).
class FakeClock final : public Clock {
  public:
    Date Today() override { return today; }
    double MonotonicSeconds() override { return static_cast<double>(nanoseconds) * 1e-9; }
    void Sleep(double seconds) override {
        slept += seconds;
        const double ticks = std::ceil(seconds * 1e9);
        nanoseconds += ticks >= 1 ? static_cast<std::int64_t>(ticks) : 1;
    }

    Date today{2026, 12, 6};
    std::int64_t nanoseconds = 1'000'000'000'000;  // 1000 s
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

// The fakes behind every port but the boxes, which each harness answers its
// own way.
struct Fakes {
    RecordingProgress progress;
    FakeClock clock;
    Program program;
    FakeList cardList, imageList;
    FakeControls controls;
    FakeDrives drives;
    FakeHelp help;
    Ports Wire(Dialogs& dialogs, Files& disk = RealFiles()) {
        return {dialogs, progress, clock, disk, cardList, imageList, controls, drives, help};
    }
};

// The card reader. Elsewhere any folder stands in for a mounted card. On
// Windows the program reaches cards through drive letters only, so the
// Windows test run maps one onto a folder of drive C and names both in
// SWATHKIT_TEST_CARD ("e:,C:/swathkit-card"); the tests take turns with it.
struct CardReader {
    explicit CardReader(const std::filesystem::path& place) {
#ifdef _WIN32
        (void)place;
        const char* card = std::getenv("SWATHKIT_TEST_CARD");
        const std::string names = card != nullptr ? card : "";
        const std::size_t comma = names.find(',');
        if (comma == std::string::npos) {
            ADD_FAILURE() << "no card drive: SWATHKIT_TEST_CARD is not set";
            return;
        }
        const std::string drive = names.substr(0, comma);
        root = drive + "\\";
        folder = names.substr(comma + 1);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        entries = {"c: [System]", drive + " [CARD]"};
#else
        root = folder = place;
        entries = {"/", place.string() + " [CARD]"};
#endif
    }
#ifdef _WIN32
    ~CardReader() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
#endif
    CardReader(const CardReader&) = delete;
    CardReader& operator=(const CardReader&) = delete;

    std::filesystem::path root;        // where the program finds the card's files
    std::filesystem::path folder;      // the folder behind it, moved away to pull the card
    std::vector<std::string> entries;  // the drive chooser, the card second
};

// Everything one operation needs, wired to fakes, with the work folder in a
// temporary folder and the card reader chosen, the card's files at root.
struct Harness : Fakes {
    Harness() {
        program.WorkFolder = work.path() / "Swathkit";
        drives.entries = drives.afterReread = reader.entries;
        drives.current = drives.afterRereadCurrent = 1;
    }
    std::filesystem::path Lines() const { return root / "pflines" / "ablines.dat"; }

    TempFolder work;
    CardReader reader{work.path() / "CARD"};
    std::filesystem::path root = reader.root;
    std::filesystem::path day = work.path() / "Swathkit" / "Backup" / "12062026";
    ScriptedDialogs dialogs;
    Ports ports = Wire(dialogs);
};

}  // namespace swathkit::testing
