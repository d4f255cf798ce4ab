// A random operator: the editing commands on both sides with random
// selections, random answers to every box and random field numbers typed,
// while cards are swapped in the reader without a Refresh, damaged in the
// cab, or copied onto one another. After every command the promises the
// program makes a farmer are checked:
// - the master copy file always holds the image side, and a card file the
//   program writes holds the card side;
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
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "card/card_copy.h"
#include "commands/commands.h"
#include "core/line_file.h"
#include "core/master_copy.h"
#include "edit/erase_undo.h"
#include "edit/move_passes.h"
#include "edit/shuffle_fields.h"
#include "support/cards.h"
#include "support/fakes.h"
#include "support/random_dialogs.h"

namespace swathkit {
namespace {

using namespace testing;
using Lines = std::set<std::string>;

const char* const kKinds[] = {"ablines.dat", "circles.dat"};

// The lines in use, by their coordinates.
Lines LinesOf(const CardImage& image) {
    Lines lines;
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
        const GuidanceLine& line = image.Line(slot);
        if (LineInUse(line))
            lines.insert(line.Latitude + line.Longitude + line.HeadingNorth + line.HeadingEast);
    }
    return lines;
}

Lines LinesOf(const std::string& bytes) {
    return LinesOf(SalvageLineFile(bytes).Image);
}

Lines Minus(const Lines& a, const Lines& b) {
    Lines rest;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(rest, rest.end()));
    return rest;
}

std::string ReadOr(const fs::path& path, const std::string& otherwise = "") {
    return fs::exists(path) ? Bytes(path) : otherwise;
}

class Operator {
  public:
    Operator(std::uint64_t seed, const fs::path& base)
        : random_(seed), dialogs_(random_), base_(base), reader_(base / "READER") {
        fakes_.program.WorkFolder = base / "Swathkit";
        dialogs_.Entries = [this] { return Typed(); };
    }

    void Play(int commands) {
        for (int i = 0; i < 3; ++i) {
            const fs::path card = base_ / ("CARD" + std::to_string(i));
            for (const char* kind : kKinds)
                if (Chance(0.8))
                    WriteFile(card / "pflines" / kind, LineFileText(SomeImage(), LineLayout::Card));
            WriteFile(card / "cardinfo.bin", "CARD" + std::to_string(i));
            places_.push_back(card);
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

    CardImage SomeImage() {
        CardImage image = NewBlankImage();
        for (int n = Int(0, 12); n > 0; --n) {
            GuidanceLine& line = image.Line(Int(6, 30));
            // Few distinct lines, so that the same line turns up on
            // several cards and in the image.
            line.Latitude = "+00000000000" + std::to_string(40 + Int(0, 9)) + ".50000000";
            line.Longitude = "-0000000000093.25000000";
            line.HeadingNorth = "+000000000000" + std::to_string(Int(1, 3)) + ".00000000";
            line.HeadingEast = "+0000000000001.00000000";
        }
        return image;
    }

    RandomDialogs::Entry Typed() {
        if (Chance(0.1))
            return {};
        static const char* const odd[] = {"", "abc", "3", "251", "-7", "12.5", " 20"};
        return Chance(0.8) ? std::to_string(Int(6, 30)) : odd[Int(0, 6)];
    }

    // Puts card i into the reader and the card there back on its shelf.
    void Swap(int card) {
        if (inReader_ >= 0)
            fs::rename(reader_, places_[inReader_]);
        fs::rename(places_[card], reader_);
        inReader_ = card;
    }

    fs::path Where(int card) const { return card == inReader_ ? reader_ : places_[card]; }

    std::map<std::string, std::string> CardFiles() const {
        std::map<std::string, std::string> files;
        for (int card = 0; card < static_cast<int>(places_.size()); ++card)
            for (const char* kind : kKinds)
                files[std::to_string(card) + kind] = ReadOr(Where(card) / "pflines" / kind);
        return files;
    }

    std::vector<std::string> Backups() const {
        std::vector<std::string> files;
        const fs::path root = fakes_.program.WorkFolder / "Backup";
        if (fs::exists(root))
            for (const auto& entry : fs::recursive_directory_iterator(root))
                if (entry.is_regular_file())
                    files.push_back(Bytes(entry.path()));
        return files;
    }

    void SelectSome(int side) {
        FakeList& list = side == CardSide ? fakes_.cardList : fakes_.imageList;
        for (std::size_t i = 0; i < list.selected.size(); ++i) list.selected[i] = Chance(0.3);
    }

    bool CardShown() const {
        return fakes_.controls.enabled[static_cast<int>(Command::MoveLines0)];
    }

    void RandomCommand() {
        const int side = CardShown() ? Int(0, 1) : ImageSide;
        const std::string on = " side " + std::to_string(side);
        switch (Int(0, 11)) {
            case 0:
            case 1:
                SelectSome(side);
                return Do("move" + on, [&] { cmdMoveLines_Click(fakes_.program, ports_, side); });
            case 2:
                SelectSome(side);
                return Do("change field #" + on,
                          [&] { cmdShuffle_Click(fakes_.program, ports_, side); });
            case 3:
                SelectSome(side);
                return Do("copy field" + on,
                          [&] { cmdCopyField_Click(fakes_.program, ports_, side); });
            case 4:
                SelectSome(side);
                return Do("erase" + on, [&] { cmdClear_Click(fakes_.program, ports_, side); });
            case 5:
                return Do("undo" + on, [&] { cmdUndo_Click(fakes_.program, ports_, side); });
            case 6: {
                const CardImage before = fakes_.program.Table.Current(side);
                Do("undo twice" + on, [&] {
                    cmdUndo_Click(fakes_.program, ports_, side);
                    cmdUndo_Click(fakes_.program, ports_, side);
                });
                if (!Answered("Card Changed") && fakes_.program.Table.Current(side) != before)
                    Fail("two Undos did not give the side back");
                return;
            }
            case 7:
                return Do("refresh", [&] { cmdRefresh_Click(fakes_.program, ports_); });
            case 8:
                return Do("track kind", [&] {
                    if (fakes_.program.Menus.StraightTrack)
                        mnuCircleTrack_Click(fakes_.program, ports_);
                    else
                        mnuStraightTrack_Click(fakes_.program, ports_);
                });
            case 9: {
                const int card = Int(0, 2);
                return Do("card " + std::to_string(card) + " put in", [&] { Swap(card); });
            }
            case 10: {
                // A power cut in the cab: the file is cut short, or a byte
                // turns to NUL.
                const fs::path file = reader_ / "pflines" / kKinds[Int(0, 1)];
                if (!fs::exists(file))
                    return;
                std::string bytes = Bytes(file);
                if (Chance(0.5))
                    bytes.resize(static_cast<std::size_t>(Int(0, static_cast<int>(bytes.size()))));
                else if (!bytes.empty())
                    bytes[static_cast<std::size_t>(Int(0, static_cast<int>(bytes.size()) - 1))] =
                        '\0';
                return Do("damage " + file.filename().string(), [&] { WriteFile(file, bytes); });
            }
            default:
                return Do("copy card to card", [&] {
                    dialogs_.OnBox = [&](const Message& box) {
                        if (box.Title == "Continue with Card" && Chance(0.5))
                            Swap(Int(0, 2));
                    };
                    mnuCardtoCard_Click(fakes_.program, ports_);
                    dialogs_.OnBox = {};
                });
        }
    }

    bool Answered(const std::string& title, Answer answer = Answer::Ok) const {
        return std::any_of(dialogs_.log.begin(), dialogs_.log.end(), [&](const auto& e) {
            return e.What == RandomDialogs::Kind::Box && e.Box.Title == title &&
                   (answer == Answer::Ok || e.Pressed == answer);
        });
    }

    // Whether the operator let lines go in this command: a yes to a
    // question that says so, a field number typed (those overwrite without
    // asking), or an Undo.
    bool OperatorLetGo(const std::string& command) const {
        for (const char* title : {"Replace Pass", "Verify Clear", "Damaged Card File"})
            if (Answered(title, Answer::Yes))
                return true;
        return command.starts_with("undo") ||
               std::any_of(dialogs_.log.begin(), dialogs_.log.end(), [](const auto& e) {
                   return e.What == RandomDialogs::Kind::Input && e.Typed;
               });
    }

    [[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what); }

    void Do(const std::string& command, const std::function<void()>& act) {
        const Program& program = fakes_.program;
        const auto cardsBefore = CardFiles();
        const auto backupsBefore = Backups();
        const CardImage shownBefore = program.Table.Current(CardSide);
        const Lines imageBefore = LinesOf(program.Table.Current(ImageSide));
        dialogs_.log.clear();
        act();
        history += "  " + command;
        for (const auto& e : dialogs_.log)
            history += " [" + (e.What == RandomDialogs::Kind::Box ? e.Box.Title : "typed") + "]";
        history += "\n";
        if (command.starts_with("card ") || command.starts_with("damage "))
            return;  // the operator's own doing, not the program's

        const CardImage& image = program.Table.Current(ImageSide);
        const fs::path master = MasterCopyFile(program, image.IsStraight);
        if (fs::exists(master) && Bytes(master) != LineFileText(image, LineLayout::MasterCopy))
            Fail("the master copy file does not hold the image side");
        if (command != "start-up" && !Minus(imageBefore, LinesOf(image)).empty() &&
            !OperatorLetGo(command))
            Fail("a line left the image unasked");

        const bool copied = command == "copy card to card";
        const auto backupsAfter = Backups();
        for (const auto& [file, after] : CardFiles()) {
            const std::string& before = cardsBefore.at(file);
            if (after == before)
                continue;
            if (copied) {
                if (!Answered("Continue with Copy", Answer::Yes))
                    Fail("card " + file + " was copied onto unasked");
                continue;
            }
            if (after != LineFileText(program.Table.Current(CardSide), LineLayout::Card))
                Fail("card file " + file + " does not hold the card side");
            const Lines lost = Minus(LinesOf(before), LinesOf(after));
            if (!Minus(lost, LinesOf(shownBefore)).empty())
                Fail("card file " + file + " lost lines the card side never showed");
            if (!lost.empty() && !OperatorLetGo(command))
                Fail("a line left card file " + file + " unasked");
            if (std::count(backupsAfter.begin(), backupsAfter.end(), before) <=
                std::count(backupsBefore.begin(), backupsBefore.end(), before))
                Fail("card file " + file + " was written without a backup of it first");
        }
    }

    std::mt19937_64 random_;
    RandomDialogs dialogs_;
    Fakes fakes_;
    Ports ports_ = fakes_.Wire(dialogs_);
    fs::path base_, reader_;
    std::vector<fs::path> places_;
    int inReader_ = -1;
};

long long FromEnvironment(const char* name, long long otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? std::stoll(text) : otherwise;
}

TEST(RandomOperator, NoLineIsLostAndNoCardIsWrittenWithAnothersLines) {
    const long long only = FromEnvironment("SWATHKIT_SEED", 0);
    const long long seeds = only ? 1 : FromEnvironment("SWATHKIT_SEEDS", 60);
    TempFolder folder;
    int failures = 0;
    for (long long i = 0; i < seeds && failures < 3; ++i) {
        const auto seed = static_cast<std::uint64_t>(only ? only : i + 1);
        const fs::path base = folder.path() / std::to_string(seed);
        Operator run(seed, base);
        try {
            run.Play(40);
        } catch (const std::exception& e) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << ": " << e.what() << "\n" << run.history;
        }
        fs::remove_all(base);
    }
}

}  // namespace
}  // namespace swathkit
