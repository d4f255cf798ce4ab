// A random operator: the editing commands on both sides with random
// selections, random answers to every box and random field numbers typed,
// while cards are swapped in the reader without a Refresh, damaged in the
// cab, or copied onto one another, and while the track kind is switched and
// a second program saves into the same work folder. After every command the
// promises the program makes a farmer are checked:
// - the master copy file always holds the image side (unless the second
//   program has saved since), and a card file the program writes holds the
//   card side;
// - no line leaves a master copy file unless the operator said yes to a
//   question or undid;
// - a card file loses only lines the card side showed, so no card is ever
//   written with another card's lines;
// - no line leaves a card or the image unless the operator said yes to a
//   question, typed a field number, or undid;
// - every card write is preceded by a backup holding the card as it was;
// - Undo twice gives the side back.
//
// SWATHKIT_SEED=N replays one seed; SWATHKIT_SEEDS=N plays N seeds.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "commands/commands.h"
#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;
using Lines = std::set<std::string>;

const char* const kKinds[] = {"ablines.dat", "circles.dat"};

// The lines in use, by their coordinates.
Lines LinesOf(const CardImage& image) {
    Lines lines;
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot)
        if (const GuidanceLine& l = image.Line(slot); LineInUse(l))
            lines.insert(l.Latitude + l.Longitude + l.HeadingNorth + l.HeadingEast);
    return lines;
}

Lines Minus(const Lines& a, const Lines& b) {
    Lines rest;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(rest, rest.end()));
    return rest;
}

// Answers every box with one of its own buttons at random and every input
// box with what Entries types; each goes into the log, so that the checks
// can tell what the operator agreed to.
class RandomDialogs final : public Dialogs {
  public:
    using Entry = std::optional<std::string>;
    struct Event {
        Message Box;
        Answer Pressed = Answer::Ok;
        Entry Typed;
    };
    explicit RandomDialogs(std::mt19937_64& random) : random_(random) {}

    Answer Show(const Message& message) override {
        static const std::map<Buttons, std::vector<Answer>> choices = {
            {Buttons::Ok, {Answer::Ok}},
            {Buttons::OkCancel, {Answer::Ok, Answer::Cancel}},
            {Buttons::YesNo, {Answer::Yes, Answer::No}},
            {Buttons::YesNoCancel, {Answer::Yes, Answer::No, Answer::Cancel}}};
        if (OnBox)
            OnBox(message);  // what the operator does meanwhile, say change the card
        const std::vector<Answer>& buttons = choices.at(message.Buttons);
        log.push_back({message, buttons[random_() % buttons.size()], {}});
        return log.back().Pressed;
    }
    std::optional<std::string> Input(const Words&, const Words&) override {
        log.push_back({{}, Answer::Ok, Entries ? Entries() : Entry{}});
        return log.back().Typed;
    }
    std::optional<fs::path> SelectDirectory() override { return std::nullopt; }
    // One reader with the same drive throughout: nothing to choose.
    std::optional<int> ChooseDrive(const Message&, const std::vector<std::string>&, int) override {
        ADD_FAILURE() << "a drive choice with one card drive";
        return std::nullopt;
    }

    std::function<Entry()> Entries;
    std::function<void(const Message&)> OnBox;
    std::vector<Event> log;

  private:
    std::mt19937_64& random_;
};

class Operator {
  public:
    Operator(std::uint64_t seed, const fs::path& base)
        : random_(seed), dialogs_(random_), base_(base), reader_(base / "READER") {
        fakes_.program.WorkFolder = base / "Swathkit";
        dialogs_.Entries = [this]() -> RandomDialogs::Entry {
            static const char* const odd[] = {"", "abc", "3", "251", "-7", "12.5", " 20"};
            if (Chance(0.1))
                return {};
            return Chance(0.8) ? std::to_string(Int(6, 30)) : odd[Int(0, 6)];
        };
    }

    void Play(int commands) {
        for (int i = 0; i < 3; ++i) {
            places_.push_back(base_ / ("CARD" + std::to_string(i)));
            for (const char* kind : kKinds)
                if (Chance(0.8))
                    WriteFile(places_[i] / "pflines" / kind,
                              LineFileText(SomeImage(), LineLayout::Card));
            WriteFile(places_[i] / "cardinfo.bin", "CARD" + std::to_string(i));
        }
        Swap(0);
        if (Chance(0.6))
            WriteFile(MasterCopyFile(fakes_.program, true),
                      LineFileText(SomeImage(), LineLayout::MasterCopy));
        fakes_.drives.entries = fakes_.drives.afterReread = {"/", reader_.string() + " [CARD]"};
        fakes_.drives.current = fakes_.drives.afterRereadCurrent = 1;
        Do("start-up", [this] { StartUp(fakes_.program, ports_); });
        for (int step = 0; step < commands; ++step) RandomCommand();
    }

    std::string history;

  private:
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // Few distinct lines, so that the same line turns up on several cards
    // and in the image.
    CardImage SomeImage() {
        CardImage image = NewBlankImage();
        for (int n = Int(0, 12); n > 0; --n) {
            GuidanceLine& line = image.Line(Int(6, 30));
            line.Latitude = "+00000000000" + std::to_string(40 + Int(0, 9)) + ".50000000";
            line.Longitude = "-0000000000093.25000000";
            line.HeadingNorth = "+000000000000" + std::to_string(Int(1, 3)) + ".00000000";
            line.HeadingEast = "+0000000000001.00000000";
        }
        return image;
    }

    // Puts card i into the reader and the card there back on its shelf.
    void Swap(int card) {
        if (inReader_ >= 0)
            fs::rename(reader_, places_[inReader_]);
        fs::rename(places_[card], reader_);
        inReader_ = card;
    }

    std::map<std::string, std::string> CardFiles() const {
        std::map<std::string, std::string> files;
        for (int card = 0; card < static_cast<int>(places_.size()); ++card)
            for (const char* kind : kKinds)  // a missing file reads as empty
                files[std::to_string(card) + kind] =
                    Bytes((card == inReader_ ? reader_ : places_[card]) / "pflines" / kind);
        return files;
    }

    std::multiset<std::string> Backups() const {
        std::multiset<std::string> files;
        for (const auto& [path, bytes] : Snapshot(fakes_.program.WorkFolder / "Backup"))
            files.insert(bytes);
        return files;
    }

    void RandomCommand() {
        static const char* const names[] = {"move",       "move",  "change field #",
                                            "copy field", "erase", "undo"};
        static void (*const edits[])(Program&, Ports&, int) = {
            cmdMoveLines_Click, cmdMoveLines_Click, cmdShuffle_Click,
            cmdCopyField_Click, cmdClear_Click,     cmdUndo_Click};
        Program& program = fakes_.program;
        const int side = fakes_.controls.cardCommands ? Int(0, 1) : ImageSide;
        const std::string on = " side " + std::to_string(side);
        const int pick = Int(0, 12);
        if (pick < 6) {
            FakeList& list = side == CardSide ? fakes_.cardList : fakes_.imageList;
            for (std::size_t i = 0; pick < 5 && i < list.selected.size(); ++i)
                list.selected[i] = Chance(0.3);
            return Do(names[pick] + on, [&] { edits[pick](program, ports_, side); });
        }
        if (pick == 6) {
            const CardImage before = program.Table.Current(side);
            const Words named = UndoDescription(program, side);
            Do("undo twice" + on, [&] {
                cmdUndo_Click(program, ports_, side);
                cmdUndo_Click(program, ports_, side);
            });
            // Unless a write did not happen: the card side then shows the card.
            Check(Answered("Card Changed") || Answered("Master Copy Changed") ||
                      Answered("Error Saving") || Answered("No Backup", Answer::No) ||
                      (program.Table.Current(side) == before &&
                       UndoDescription(program, side) == named),
                  "two Undos did not give the side, and its Undo's name, back");
        } else if (pick == 7) {
            Do("refresh", [&] { cmdRefresh_Click(program, ports_); });
        } else if (pick == 8) {
            Do("track kind", [&] {
                (program.Menus.StraightTrack ? mnuCircleTrack_Click : mnuStraightTrack_Click)(
                    program, ports_);
            });
        } else if (pick == 9) {
            const int card = Int(0, 2);
            Do("card " + std::to_string(card) + " put in", [&] { Swap(card); });
        } else if (pick == 10) {
            // A power cut in the cab: the file is cut short, or a byte turns
            // to NUL.
            const fs::path file = reader_ / "pflines" / kKinds[Int(0, 1)];
            if (!fs::exists(file))
                return;
            std::string bytes = Bytes(file);
            const int size = static_cast<int>(bytes.size());
            if (Chance(0.5))
                bytes.resize(static_cast<std::size_t>(Int(0, size)));
            else if (size > 0)
                bytes[static_cast<std::size_t>(Int(0, size - 1))] = '\0';
            Do("damage " + file.filename().string(), [&] { WriteFile(file, bytes); });
        } else if (pick == 11) {
            Do("copy card to card", [&] {
                dialogs_.OnBox = [&](const Message& box) {
                    if (box.Title == "Continue with Card" && Chance(0.5))
                        Swap(Int(0, 2));
                };
                mnuCardtoCard_Click(program, ports_);
                dialogs_.OnBox = {};
            });
        } else {
            // Started on the same work folder, it takes passes from the card
            // into its image and is closed again.
            Do("second program", [&] {
                Fakes second;
                second.program.WorkFolder = program.WorkFolder;
                second.drives.entries = fakes_.drives.entries;
                second.drives.current = fakes_.drives.current;
                Ports ports = second.Wire(dialogs_);
                StartUp(second.program, ports);
                for (std::size_t i = 0; i < second.cardList.selected.size(); ++i)
                    second.cardList.selected[i] = Chance(0.3);
                cmdMoveLines_Click(second.program, ports, CardSide);
                const CardImage& image = second.program.Table.Current(ImageSide);
                const fs::path file = MasterCopyFile(program, true);
                Check(
                    !fs::exists(file) || Bytes(file) == LineFileText(image, LineLayout::MasterCopy),
                    "the second program's master copy does not hold its image");
                stale_.insert(true);
            });
        }
    }

    bool Answered(const std::string& title, Answer answer = Answer::Ok) const {
        return std::ranges::any_of(dialogs_.log, [&](const auto& e) {
            return e.Box.Title == title && (answer == Answer::Ok || e.Pressed == answer);
        });
    }

    // Whether the operator let lines go in this command: a yes to a
    // question that says so, or an Undo. A typed field number lets nothing
    // go: a pass it would replace is asked for.
    bool OperatorLetGo(const std::string& command) const {
        static const std::set<std::string> asks = {"Replace Pass", "Verify Clear",
                                                   "Damaged Card File"};
        return command.starts_with("undo") || std::ranges::any_of(dialogs_.log, [](const auto& e) {
                   return e.Pressed == Answer::Yes && asks.contains(e.Box.Title.English());
               });
    }

    // The lines of both master copies, by kind (straight first).
    std::array<Lines, 2> MasterLines() const {
        std::array<Lines, 2> lines;
        for (const bool straight : {true, false})
            lines[straight ? 0 : 1] =
                LinesOf(SalvageLineFile(Bytes(MasterCopyFile(fakes_.program, straight))).Image);
        return lines;
    }

    // Ends the run: the operator's seed and commands are reported.
    static void Check(bool ok, const std::string& what) {
        if (!ok)
            throw std::runtime_error(what);
    }

    void Do(const std::string& command, const std::function<void()>& act) {
        const Program& program = fakes_.program;
        const auto cardsBefore = CardFiles();
        const auto backupsBefore = Backups();
        const Lines shownBefore = LinesOf(program.Table.Current(CardSide));
        const Lines imageBefore = LinesOf(program.Table.Current(ImageSide));
        const auto mastersBefore = MasterLines();
        dialogs_.log.clear();
        act();
        history += "\n  " + command;
        for (const auto& e : dialogs_.log)
            history += " [" + (e.Typed ? *e.Typed : e.Box.Title.English()) + "]";
        if (command.starts_with("card ") || command.starts_with("damage "))
            return;  // the operator's own doing, not the program's

        const CardImage& image = program.Table.Current(ImageSide);
        const fs::path master = MasterCopyFile(program, image.IsStraight);
        const bool holds =
            !fs::exists(master) || Bytes(master) == LineFileText(image, LineLayout::MasterCopy);
        if (holds)
            stale_.erase(image.IsStraight);
        Check(holds || stale_.contains(image.IsStraight) || command == "second program",
              "the master copy file does not hold the image side");
        // The image is another kind's after a switch, and another program's
        // save after the box that says so.
        Check(command == "start-up" || command == "track kind" || Answered("Master Copy Changed") ||
                  Minus(imageBefore, LinesOf(image)).empty() || OperatorLetGo(command),
              "a line left the image unasked");
        const auto mastersAfter = MasterLines();
        for (int kind : {0, 1})
            Check(Minus(mastersBefore[kind], mastersAfter[kind]).empty() || OperatorLetGo(command),
                  std::string("a line left the ") + (kind ? "circle" : "straight") +
                      " master copy unasked");

        const auto backupsAfter = Backups();
        for (const auto& [file, after] : CardFiles()) {
            const std::string& before = cardsBefore.at(file);
            const std::string where = "card file " + file;
            if (after == before)
                continue;
            if (command == "copy card to card") {
                Check(Answered("Continue with Copy", Answer::Yes),
                      where + " was copied onto unasked");
            } else {
                Check(after == LineFileText(program.Table.Current(CardSide), LineLayout::Card),
                      where + " does not hold the card side");
                const Lines lost = Minus(LinesOf(SalvageLineFile(before).Image),
                                         LinesOf(SalvageLineFile(after).Image));
                Check(Minus(lost, shownBefore).empty(),
                      where + " lost lines the card side never showed");
                Check(lost.empty() || OperatorLetGo(command), "a line left " + where + " unasked");
            }
            Check(before.empty() || backupsAfter.count(before) > backupsBefore.count(before),
                  where + " was written without a backup of it first");
        }
    }

    std::mt19937_64 random_;
    RandomDialogs dialogs_;
    Fakes fakes_;
    Ports ports_ = fakes_.Wire(dialogs_);
    fs::path base_, reader_;
    std::vector<fs::path> places_;
    int inReader_ = -1;
    // The kinds (true: straight) whose master copy the second program has
    // saved since this one last did.
    std::set<bool> stale_;
};

TEST(RandomOperator, NoLineIsLostAndNoCardIsWrittenWithAnothersLines) {
    const char* only = std::getenv("SWATHKIT_SEED");
    const char* seeds = std::getenv("SWATHKIT_SEEDS");
    const long long first = only && *only ? std::stoll(only) : 1;
    const long long last =
        only && *only ? first : first - 1 + (seeds && *seeds ? std::stoll(seeds) : 60);
    TempFolder folder;
    for (long long seed = first; seed <= last && !HasFailure(); ++seed) {
        Operator run(static_cast<std::uint64_t>(seed), folder.path() / std::to_string(seed));
        try {
            run.Play(40);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "seed " << seed << ": " << e.what() << run.history;
        }
    }
}

}  // namespace
}  // namespace swathkit
