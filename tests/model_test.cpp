// A random operator against a small model of the editing commands.
//
// Each seed builds a few cards in folders and a master copy, starts the
// program, and plays a random run of commands on both sides with random
// selections and random answers to every box. After every command a model,
// written here from what each command must do and never calling the
// editing code, says what memory, the lists, every card file, the master
// copies and the backups hold, and which passes the operator's own answers
// allowed to go. Any difference fails with the seed and the step.
//
// SWATHKIT_MODEL_SEED=N replays one seed; SWATHKIT_MODEL_SEQUENCES=N plays
// N seeds (from SWATHKIT_MODEL_FIRST_SEED, 1 by default) for a long run;
// SWATHKIT_MODEL_DIR chooses where the cards are made (a memory file system
// by default where there is one, so that the many saves stay quick).

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "card/card.h"
#include "core/master_copy.h"
#include "display/coordinate_text.h"
#include "edit/erase_undo.h"
#include "edit/move_passes.h"
#include "edit/shuffle_fields.h"
#include "shell/main_commands.h"
#include "support/fakes.h"
#include "support/messages.h"
#include "support/random_dialogs.h"

namespace swathkit {
namespace {

using namespace testing;
using Event = RandomDialogs::Event;

// What the model says went wrong; ends the seed.
struct Mismatch {
    std::string What;
};

[[noreturn]] void Fail(const std::string& what) {
    throw Mismatch{what};
}

// ---- The model's own view of lines, slots and items ----

const char* const kBlank = "+0000000000000.00000000";

// A line in use and the same line are the core's rules (LineInUse,
// SameCoordinates), pinned by the core tests' own examples.
std::string Identity(const GuidanceLine& line) {
    return line.Latitude + "|" + line.Longitude + "|" + line.HeadingNorth + "|" + line.HeadingEast;
}

std::string NumberText(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "+%09d", n);
    return text;
}

GuidanceLine BlankLine(int n) {
    return {NumberText(n), kBlank, kBlank, kBlank, kBlank, "", false};
}

CardImage BlankImage() {
    CardImage image;
    for (int n = 1; n <= 250; ++n) image.Line(n) = BlankLine(n);
    return image;
}

// Field number texts that do not follow the slot, as cards from other
// machines may carry them, with the item text each must show.
const std::map<std::string, std::string> kOddFieldNums = {
    {"abc", "0"},           {"", "0"},
    {"+000000040.6", "40"}, {"12abc", "12"},
    {"+000000012.5", "12"}, {"-000000003", "-3"},
    {"+000000300", "300"},  {"7", "7"},
    {"0000000099", "99"},
};

std::string ItemText(const std::string& fieldNum) {
    std::size_t i = 0;
    if (i < fieldNum.size() && (fieldNum[i] == '+' || fieldNum[i] == '-'))
        ++i;
    if (i < fieldNum.size() && fieldNum.find_first_not_of("0123456789", i) == std::string::npos) {
        const long long value = std::stoll(fieldNum);
        return std::to_string(value);
    }
    const auto odd = kOddFieldNums.find(fieldNum);
    if (odd == kOddFieldNums.end())
        Fail("the model knows no item text for the field number \"" + fieldNum + "\"");
    return odd->second;
}

std::optional<int> SlotOf(const std::string& item) {
    int value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (error != std::errc() || end != item.data() + item.size() || value < 1 || value > 250)
        return std::nullopt;
    return value;
}

std::string FileText(const CardImage& image, bool card) {
    std::string text;
    for (int n = 1; n <= 250; ++n) {
        const GuidanceLine& l = image.Line(n);
        text += l.FieldNum + "  ," + l.Latitude + " ," + l.Longitude + " ," + l.HeadingNorth +
                " ," + l.HeadingEast + (card ? " " : "") + "\r\n";
    }
    return text;
}

// What reading a file of these texts gives.
CardImage AsRead(CardImage image, const std::string& path) {
    for (int n = 1; n <= 250; ++n) {
        GuidanceLine& l = image.Line(n);
        if (n <= 5)
            l.Latitude = l.Longitude = l.HeadingNorth = l.HeadingEast = kBlank;
        l.LineFlag = false;
        l.FieldName.clear();
    }
    image.IsCircle = path.find("ircle") != std::string::npos;
    image.IsStraight = !image.IsCircle;
    return image;
}

Message ReplacePass(int n) {
    const std::string number = std::to_string(n);
    return {"Pass #" + number + " will replace pass #" + number + ". Is this ok?",
            Buttons::YesNoCancel, Icon::None, "Replace Pass"};
}

std::string Describe(const Event& e) {
    switch (e.What) {
        case RandomDialogs::Kind::Box: {
            const char* answers[] = {"Ok", "Cancel", "Yes", "No"};
            return "[" + e.Box.Title + ": " + answers[static_cast<int>(e.Pressed)] + "]";
        }
        case RandomDialogs::Kind::Input:
            return "[typed " +
                   (e.Typed.Reply ? "\"" + *e.Typed.Reply + "\"" : std::string("Cancel")) + "=" +
                   std::to_string(e.Typed.Meaning) + "]";
        case RandomDialogs::Kind::Directory:
            return "[Select Directory]";
    }
    return "";
}

// ---- One physical card and the model of everything ----

struct Card {
    std::string Folder;                        // the line folder as the card spells it; "" = none
    std::map<std::string, std::string> Spelt;  // logical name -> name on the card
    std::map<std::string, std::string> Bytes;  // logical name -> contents, files that exist
    std::map<std::string, std::optional<CardImage>> Reads;  // line files: what a read gives
};

struct ListModel {
    std::vector<Column> Columns;
    std::vector<std::vector<std::string>> Rows;
    std::vector<bool> Selected;
};

const char* const kStraightMaster = "Master_Copy_Straight.dat";
const char* const kCircleMaster = "Master_Copy_Circles.dat";

struct Model {
    CardImage Img[2][2];
    bool Straight = true, LonLat = true, Dms = true;
    bool Changed = false;
    int Drive = 0;
    std::vector<fs::path> Mounts;
    std::vector<std::string> Entries;
    std::vector<int> CardAt;
    std::vector<Card> Cards;
    bool Detected = false;
    std::string Description = kNotDetected;
    ListModel Lists[2];
    std::map<std::string, std::string> Work;  // files in the work folder
    std::optional<std::string> UnreadMaster;
    std::vector<std::map<std::string, std::string>> Backups;
    const std::deque<Event>* Log = nullptr;
    std::size_t Next = 0;                    // the first box of the log not walked yet
    std::map<std::string, int> Licences[2];  // passes the operator let go, per side

    Answer Box(const Message& expected) {
        if (Next >= Log->size())
            Fail("expected the box \"" + expected.Title + "\": " + expected.Prompt + "; none came");
        const Event& e = (*Log)[Next++];
        if (e.What != RandomDialogs::Kind::Box || !(e.Box == expected)) {
            Fail("expected the box \"" + expected.Title + "\": " + expected.Prompt + "; got " +
                 Describe(e) + " " + e.Box.Prompt + e.Prompt);
        }
        return e.Pressed;
    }

    long long Typed(const std::string& prompt) {
        if (Next >= Log->size())
            Fail("expected the input box " + prompt + "; none came");
        const Event& e = (*Log)[Next++];
        if (e.What != RandomDialogs::Kind::Input || e.Prompt != prompt ||
            e.Title != "Field Shuffle")
            Fail("expected the input box " + prompt + "; got " + Describe(e) + " " + e.Box.Prompt);
        return e.Typed.Meaning;
    }

    void Fill(int list) {
        const CardImage& image = Img[list][0];
        ListModel& l = Lists[list];
        l.Columns = {{"Field #", 400}};
        if (Straight)
            l.Columns.push_back({"Heading", 1000});
        if (LonLat) {
            l.Columns.push_back({"Latitude", 1000});
            l.Columns.push_back({"Longitude", 1000});
        }
        l.Rows.clear();
        // The cell texts are the formatter's; which line stands in which
        // row, and under which number, is the model's.
        for (int n = 1; n <= 250; ++n) {
            const GuidanceLine& line = image.Line(n);
            if (!LineInUse(line))
                continue;
            std::vector<std::string> row = {ItemText(line.FieldNum)};
            if (Straight)
                row.push_back(FormatHeading(line));
            if (LonLat) {
                row.push_back(FormatCoordinate(line.Latitude, Dms));
                row.push_back(FormatCoordinate(line.Longitude, Dms));
            }
            l.Rows.push_back(row);
        }
        l.Selected.assign(l.Rows.size(), false);
    }

    std::vector<std::string> SelectedItems(int list) const {
        std::vector<std::string> items;
        for (std::size_t i = 0; i < Lists[list].Rows.size(); ++i) {
            if (Lists[list].Selected[i])
                items.push_back(Lists[list].Rows[i][0]);
        }
        return items;
    }

    // Overwriting a slot lets its pass go: the operator chose that field.
    void Overwrite(int side, int n, const GuidanceLine& line) {
        GuidanceLine& slot = Img[side][0].Line(n);
        if (LineInUse(slot))
            ++Licences[side][Identity(slot)];
        slot = line;
    }

    Card& CurrentCard() { return Cards[CardAt[Drive]]; }
    const char* LineFileName() const { return Straight ? "ablines.dat" : "circles.dat"; }
    fs::path LineFilePath(const Card& card, const std::string& name) const {
        const auto spelt = card.Spelt.find(name);
        return Mounts[Drive] / (card.Folder.empty() ? "pflines" : card.Folder) /
               (spelt == card.Spelt.end() ? name : spelt->second);
    }

    void Save(int side) {
        if (!Changed)
            return;
        Changed = false;
        if (side == 0) {
            Card& card = CurrentCard();
            if (Backups.size() >= 256)
                Fail("the model keeps no more than 256 backups a day");
            std::map<std::string, std::string> backup;
            for (const char* name : {"cardinfo.bin", "ablines.dat", "circles.dat"}) {
                if (card.Bytes.count(name))
                    backup[name] = card.Bytes[name];
            }
            Backups.push_back(backup);
            const std::string name = LineFileName();
            if (card.Folder.empty()) {
                Box(kCardWriteError);
                return;
            }
            const fs::path path = LineFilePath(card, name);
            card.Spelt.emplace(name, name);
            card.Bytes[name] = FileText(Img[0][0], true);
            card.Reads[name] = AsRead(Img[0][0], path.string());
        } else {
            const std::string name = Img[1][0].IsStraight ? kStraightMaster : kCircleMaster;
            if (UnreadMaster == name) {
                if (Work.count(name))
                    Work["Master_Copy_Straight.unreadable-12062026.dat"] = Work[name];
                UnreadMaster.reset();
            }
            Work[name] = FileText(Img[1][0], false);
        }
    }

    std::optional<int> AskTarget(int n) {
        const std::string again = "Copy field #" + std::to_string(n) + " to which field: ";
        long long m = Typed(again + "\r\nYou will not be prompted to overwrite!");
        while (m < 6 || m > 250) {
            if (Box(m >= 1 && m <= 5 ? kCanNotAssign : kInvalidNumber) != Answer::Yes)
                return std::nullopt;
            m = Typed(again);
        }
        return static_cast<int>(m);
    }

    void Move(int side) {
        const int other = 1 - side;
        Img[other][1] = Img[other][0];
        const std::vector<std::string> items = SelectedItems(side);
        for (const std::string& item : items) {
            const auto n = SlotOf(item);
            if (!n)
                continue;
            const GuidanceLine source = Img[side][0].Line(*n);
            // An item standing for an empty slot has nothing to carry.
            if (!LineInUse(source))
                continue;
            const GuidanceLine& target = Img[other][0].Line(*n);
            if (SameCoordinates(target, source) || !LineInUse(target)) {
                Overwrite(other, *n, source);
                Changed = true;
                continue;
            }
            const Answer answer = Box(ReplacePass(*n));
            if (answer == Answer::Yes) {
                Overwrite(other, *n, source);
                Changed = true;
            } else if (answer == Answer::No) {
                if (const auto m = AskTarget(*n)) {
                    GuidanceLine moved = source;
                    moved.FieldNum = Img[other][1].Line(*m).FieldNum;
                    Overwrite(other, *m, moved);
                    Changed = true;
                }
            }
        }
        if (items.empty())
            Box(kNothingToMove);
        Fill(other);
        Save(other);
    }

    void Shuffle(int side, bool clearSource) {
        Img[side][1] = Img[side][0];
        const CardImage& before = Img[side][1];
        const std::vector<std::string> items = SelectedItems(side);
        std::vector<std::pair<int, int>> moves;
        for (const std::string& item : items) {
            const auto n = SlotOf(item);
            if (!n || !LineInUse(before.Line(*n)))
                continue;
            const auto m = AskTarget(*n);
            if (!m)
                continue;
            GuidanceLine copy = before.Line(*n);
            copy.FieldNum = before.Line(*m).FieldNum;
            Overwrite(side, *m, copy);
            Changed = true;
            moves.push_back({*n, *m});
        }
        if (items.empty())
            Box(kNothingToMove);
        // An old field is emptied only where no pass of this command landed.
        if (clearSource) {
            for (const auto& [from, to] : moves) {
                bool landed = false;
                for (const auto& other : moves) landed = landed || other.second == from;
                if (!landed)
                    Img[side][0].Line(from) = BlankLine(from);
            }
        }
        Fill(side);
        Save(side);
    }

    void Erase(int side) {
        const std::vector<std::string> items = SelectedItems(side);
        if (items.empty()) {
            Box(kNothingToErase);
            return;
        }
        if (Box(kVerifyClear) != Answer::Yes)
            return;
        Img[side][1] = Img[side][0];
        for (const std::string& item : items) {
            const auto n = SlotOf(item);
            if (!n)
                continue;
            GuidanceLine erased = Img[side][0].Line(*n);
            erased.Latitude = erased.Longitude = erased.HeadingNorth = erased.HeadingEast = kBlank;
            erased.LineFlag = false;
            Overwrite(side, *n, erased);
        }
        Changed = true;
        Fill(side);
        Save(side);
    }

    void Undo(int side) {
        Changed = true;
        std::swap(Img[side][0], Img[side][1]);
        Fill(side);
        Save(side);
    }

    void Load(bool showError) {
        Img[0][0] = Img[0][1] = BlankImage();
        Fill(0);
        Detected = false;
        const Card& card = CurrentCard();
        const std::string name = LineFileName();
        if (!card.Bytes.count(name)) {
            if (showError)
                Box(kCardError);
            Description = kNotDetected;
            return;
        }
        Detected = true;
        Description = std::string(kAvailable) + Mounts[Drive].string();
        const auto& read = card.Reads.at(name);
        Img[0][1] = Img[0][0] = read ? *read : CardImage{};
        Fill(0);
        for (ListModel& l : Lists) {
            if (!l.Selected.empty())
                l.Selected[0] = false;
        }
    }
};

// ---- Making cards and master copies ----

class Maker {
  public:
    explicit Maker(std::mt19937_64& random) : random_(random) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + Int(0, 9));
        return digits;
    }

    // A pass no other one of this seed has.
    GuidanceLine NewPass(int n) {
        const std::string serial = std::to_string(100000000 + ++serial_).substr(1);
        static const char* const headings[] = {"+0000000000000.70710678", "-0000000000001.00000000",
                                               "+0000000000001.00000000", kBlank,
                                               "-0000000000000.50000000"};
        GuidanceLine line = BlankLine(n);
        if (Chance(0.04)) {
            // Only the east component says it is a line.
            line.HeadingEast = "+0000000000000." + std::string("9") + serial.substr(1);
            return line;
        }
        if (Chance(0.03)) {
            // Not the blank digits, so a line all the same.
            line.Latitude = "0.0";
            line.Longitude = "-0000000000150." + serial;
        } else {
            line.Latitude = "+00000000000" + std::to_string(Int(10, 89)) + "." + serial;
            line.Longitude = "-0000000000" + std::to_string(Int(100, 199)) + "." + Digits(8);
        }
        line.HeadingNorth = headings[Int(0, 4)];
        line.HeadingEast = headings[Int(0, 4)];
        return line;
    }

    GuidanceLine Shared(int n) {
        auto found = shared_.find(n);
        if (found == shared_.end())
            found = shared_.emplace(n, NewPass(n)).first;
        GuidanceLine line = found->second;
        line.FieldNum = NumberText(n);
        return line;
    }

    CardImage Image(bool oddNumbers) {
        CardImage image = BlankImage();
        const double density = std::uniform_real_distribution<double>(0.01, 0.3)(random_);
        for (int n = 1; n <= 250; ++n) {
            GuidanceLine& line = image.Line(n);
            if (Chance(n <= 5 ? 0.2 : density)) {
                const int pick = Int(0, 99);
                line = pick < 60 ? NewPass(n) : pick < 85 ? Shared(n) : Shared(Int(6, 250));
                line.FieldNum = NumberText(n);
            } else if (Chance(0.03)) {
                line.Latitude = line.HeadingEast = "-0000000000000.00000000";
            }
            if (oddNumbers && Chance(0.06)) {
                if (Chance(0.5)) {
                    auto odd = kOddFieldNums.begin();
                    std::advance(odd, Int(0, static_cast<int>(kOddFieldNums.size()) - 1));
                    line.FieldNum = odd->first;
                } else {
                    line.FieldNum = NumberText(Int(1, 250));
                }
            }
        }
        return image;
    }

    // The image in one of the layouts a reader must take; damaged files
    // stop short.
    std::string Layout(const CardImage& image, int layout, bool damaged) {
        std::string text;
        const int lines = damaged ? Int(0, 249) : 250;
        for (int n = 1; n <= lines; ++n) {
            const GuidanceLine& l = image.Line(n);
            const std::string fields[] = {l.FieldNum, l.Latitude, l.Longitude, l.HeadingNorth,
                                          l.HeadingEast};
            switch (layout) {
                case 0:  // the card writer's
                    text += fields[0] + "  ," + fields[1] + " ," + fields[2] + " ," + fields[3] +
                            " ," + fields[4] + " \r\n";
                    break;
                case 1:  // tight
                    text += fields[0] + "," + fields[1] + "," + fields[2] + "," + fields[3] + "," +
                            fields[4] + "\r\n";
                    break;
                case 2:  // line feeds only
                    text += fields[0] + "  ," + fields[1] + " ," + fields[2] + " ," + fields[3] +
                            " ," + fields[4] + "\n";
                    break;
                default:  // tabs and blanks around every field, and a line too many
                    text += "\t" + fields[0] + " \t, " + fields[1] + "\t, " + fields[2] + " , " +
                            fields[3] + " ,\t" + fields[4] + "\t \r\n";
                    if (n == 250)
                        text += "+000000251,junk,1,2,3\r\n";
                    break;
            }
        }
        return text;
    }

  private:
    std::mt19937_64& random_;
    int serial_ = 0;
    std::map<int, GuidanceLine> shared_;
};

void WriteBytes(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every file below folder, by its path relative to it.
std::map<std::string, std::string> Tree(const fs::path& folder) {
    std::map<std::string, std::string> files;
    if (!fs::exists(folder))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(folder).generic_string()] =
                ReadBytes(entry.path());
    }
    return files;
}

// ---- The program under test, wired to fakes ----

struct Rig : Fakes {
    Rig(const fs::path& base, std::mt19937_64& random) : dialogs(random) {
        program.WorkFolder = base / "Swathkit";
    }
    RandomDialogs dialogs;
    Ports ports = Wire(dialogs);
    FakeList& List(int side) { return side == 0 ? cardList : imageList; }
};

struct Totals {
    long long Sequences = 0, Commands = 0, Boxes = 0, Inputs = 0, Saves = 0;
};

class Sequence {
  public:
    Sequence(std::uint64_t seed, const fs::path& base)
        : seed_(seed), random_(seed), make_(random_), base_(base), rig_(base, random_) {}

    // An empty text when the seed played through; otherwise what went wrong.
    std::string Play(Totals& totals) {
        try {
            SetUp();
            const int commands = make_.Int(5, 60);
            for (step_ = 1; step_ <= commands; ++step_) {
                Step();
                ++totals.Commands;
            }
            CheckAllBackups();
        } catch (const Mismatch& m) {
            return Report(m.What);
        } catch (const std::exception& e) {
            return Report(std::string("exception: ") + e.what());
        }
        totals.Boxes += boxes_;
        totals.Inputs += inputs_;
        totals.Saves += static_cast<long long>(
            std::count(rig_.progress.steps.begin(), rig_.progress.steps.end(), "show 0") +
            std::count(rig_.progress.steps.begin(), rig_.progress.steps.end(), "show 1"));
        return {};
    }

  private:
    std::string Report(const std::string& what) {
        std::ostringstream out;
        out << "seed=" << seed_ << " step=" << step_ << " command=" << command_ << Boxes() << ": "
            << what << "\nreplay with SWATHKIT_MODEL_SEED=" << seed_ << "\nplayed:\n"
            << history_.str();
        return out.str();
    }

    void SetUp() {
        // Cards in three to four readers, one of them empty.
        const int mounts = make_.Int(3, 4);
        for (int i = 0; i < mounts; ++i) {
            const fs::path mount = base_ / ("READER" + std::to_string(i));
            fs::create_directories(mount);
            model_.Mounts.push_back(mount);
            model_.Entries.push_back(mount.string() + " [CARD" + std::to_string(i) + "]");
            model_.CardAt.push_back(i);
            Card card;
            if (i != 2)
                MakeCard(card, mount);
            model_.Cards.push_back(card);
        }
        // The temporary card image's master copy: a good one, none, or one
        // that cannot be read; the circle one must never be touched.
        const fs::path work = rig_.program.WorkFolder;
        const int master = make_.Int(0, 99);
        CardImage image = BlankImage();
        if (master < 65) {
            const CardImage written = make_.Image(make_.Chance(0.3));
            const std::string bytes = make_.Layout(written, make_.Int(0, 3), false);
            model_.Work[kStraightMaster] = bytes;
            image = AsRead(written, (work / kStraightMaster).string());
        } else if (master < 85) {
            model_.Work[kStraightMaster] = make_.Layout(make_.Image(false), 0, true);
            model_.UnreadMaster = kStraightMaster;
        }
        image.IsStraight = true;
        image.IsCircle = false;
        if (make_.Chance(0.5))
            model_.Work[kCircleMaster] = make_.Layout(make_.Image(false), 0, false);
        for (const auto& [name, bytes] : model_.Work) WriteBytes(work / name, bytes);

        rig_.drives.entries = model_.Entries;
        model_.Drive = rig_.drives.current = make_.Int(0, mounts - 1);
        model_.Log = &rig_.dialogs.log;
        rig_.dialogs.Entries = [this] { return Entry(); };

        command_ = "start-up";
        StartUp(rig_.program, rig_.ports);
        model_.Img[0][0] = model_.Img[0][1] = BlankImage();
        model_.Img[1][0] = model_.Img[1][1] = image;
        model_.Fill(0);
        model_.Fill(1);
        model_.Load(false);
        EndOfCommand();
        Compare();
    }

    void MakeCard(Card& card, const fs::path& mount) {
        const bool upper = make_.Chance(0.15);
        card.Folder = upper ? "PFLINES" : "pflines";
        fs::create_directories(mount / card.Folder);
        const bool odd = make_.Chance(0.3);
        for (const char* name : {"ablines.dat", "circles.dat"}) {
            if (!make_.Chance(name[0] == 'a' ? 0.85 : 0.5))
                continue;
            std::string spelt = name;
            if (upper)
                std::transform(spelt.begin(), spelt.end(), spelt.begin(), ::toupper);
            const fs::path path = mount / card.Folder / spelt;
            const CardImage written = make_.Image(odd);
            const bool damaged = make_.Chance(0.08);
            card.Spelt[name] = spelt;
            card.Bytes[name] = make_.Layout(written, make_.Int(0, 3), damaged);
            card.Reads[name] =
                damaged ? std::nullopt : std::optional<CardImage>(AsRead(written, path.string()));
            WriteBytes(path, card.Bytes[name]);
        }
        card.Spelt["cardinfo.bin"] = upper ? "CARDINFO.BIN" : "cardinfo.bin";
        card.Bytes["cardinfo.bin"] = std::string("\x01\x02\x00", 3) + make_.Digits(5);
        WriteBytes(mount / card.Spelt["cardinfo.bin"], card.Bytes["cardinfo.bin"]);
    }

    // What the operator types into "Field Shuffle": mostly fields he can
    // use, often ones that hold passes, and every kind of wrong entry.
    RandomDialogs::Entry Entry() {
        ++inputs_;
        const int kind = make_.Int(0, 99);
        long long v;
        if (kind < 50) {
            v = !hints_.empty() && make_.Chance(0.6)
                    ? hints_[make_.Int(0, static_cast<int>(hints_.size()) - 1)]
                    : make_.Int(6, 250);
        } else if (kind < 60) {
            v = make_.Int(1, 5);
        } else if (kind < 70) {
            static const char* const none[] = {"", "abc", "-", ".", " ", "x12"};
            if (make_.Chance(0.3))
                return {std::nullopt, 0};  // Cancel
            return {none[make_.Int(0, 5)], 0};
        } else if (kind < 78) {
            v = make_.Int(251, 400);
        } else if (kind < 84) {
            v = -make_.Int(0, 300);
        } else if (kind < 88) {
            static const std::pair<const char*, long long> huge[] = {
                {"99999", 99999}, {"-40000", -40000},
                {"32768", 32768}, {"123456789012345678901234567890", 1000000000},
                {"1e400", 1},     {"0.5", 0}};
            const auto& pick = huge[make_.Int(0, 5)];
            return {pick.first, pick.second};
        } else {
            v = make_.Int(6, 250);
        }
        const std::string s = std::to_string(v);
        std::vector<std::string> forms = {s, " " + s, "\t" + s, s + "abc", s + ",3", s + "e2"};
        if (v >= 0)
            forms.insert(forms.end(), {"+" + s, "00" + s, s + ".0", s + ".4"});
        if (v >= 1) {
            forms.push_back(std::to_string(v - 1) + ".6");
            if (v % 2 == 0)
                forms.insert(forms.end(), {s + ".5", std::to_string(v - 1) + ".5"});
        }
        return {forms[make_.Int(0, static_cast<int>(forms.size()) - 1)], v};
    }

    void Select(int side) {
        ListModel& l = model_.Lists[side];
        FakeList& fake = rig_.List(side);
        const int how = make_.Int(0, 99);
        if (how < 15)
            return;  // as the last command left it
        const double p = how < 25 ? 0.0 : how < 50 ? 0.05 : how < 75 ? 0.25 : how < 92 ? 0.6 : 1.0;
        for (std::size_t i = 0; i < l.Selected.size(); ++i) l.Selected[i] = make_.Chance(p);
        // The same selection in the real list, which the last check has
        // shown to hold the same rows.
        fake.selected = l.Selected;
    }

    void Hints(int side) {
        hints_.clear();
        for (int n = 6; n <= 250; ++n) {
            if (LineInUse(model_.Img[side][0].Line(n)) ||
                LineInUse(model_.Img[1 - side][0].Line(n)))
                hints_.push_back(n);
        }
        for (const std::string& item : model_.SelectedItems(side)) {
            if (const auto n = SlotOf(item); n && *n >= 6)
                hints_.push_back(*n);
        }
    }

    void Step() {
        Program& p = rig_.program;
        Ports& ports = rig_.ports;
        // The card side's buttons and both arrows work only with a card.
        struct Choice {
            int Weight;
            bool NeedsCard;
            int Kind;
        };
        static const Choice choices[] = {
            {14, true, 0},  {10, true, 1},  {6, true, 2},   {8, false, 3},
            {6, true, 4},   {8, false, 5},  {5, true, 6},   {6, false, 7},
            {4, true, 8},   {5, false, 9},  {5, false, 10}, {5, false, 11},
            {2, false, 12}, {2, false, 13}, {1, false, 14}, {1, false, 15}};
        int total = 0;
        for (const Choice& c : choices) total += c.NeedsCard && !model_.Detected ? 0 : c.Weight;
        int pick = make_.Int(0, total - 1), kind = -1;
        for (const Choice& c : choices) {
            if (c.NeedsCard && !model_.Detected)
                continue;
            if (pick < c.Weight) {
                kind = c.Kind;
                break;
            }
            pick -= c.Weight;
        }

        const ImageTable before = p.Table;
        int side = 0;
        std::ostringstream what;
        auto selection = [&](int s) {
            side = s;
            Select(s);
            Hints(s);
            what << " side " << s << " items {";
            for (const std::string& item : model_.SelectedItems(s)) what << item << " ";
            what << "}";
        };
        for (auto& l : model_.Licences) l.clear();
        switch (kind) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
            case 6:
            case 7: {
                static const char* const names[] = {"move", "change field #", "copy field",
                                                    "erase"};
                const int command = kind / 2;
                what << names[command];
                selection(kind % 2);
                command_ = what.str();
                if (command == 0) {
                    cmdMoveLines_Click(p, ports, side);
                    model_.Move(side);
                } else if (command == 3) {
                    cmdClear_Click(p, ports, side);
                    model_.Erase(side);
                } else {
                    const bool change = command == 1;
                    (change ? cmdShuffle_Click : cmdCopyField_Click)(p, ports, side);
                    model_.Shuffle(side, change);
                }
                break;
            }
            case 8:
            case 9:
                side = kind - 8;
                what << "undo side " << side;
                command_ = what.str();
                cmdUndo_Click(p, ports, side);
                model_.Undo(side);
                break;
            case 10: {
                const bool straight = make_.Chance(0.5);
                what << (straight ? "Straight Track" : "Circle Track");
                command_ = what.str();
                if (straight)
                    mnuStraightTrack_Click(p, ports);
                else
                    mnuCircleTrack_Click(p, ports);
                model_.Straight = straight;
                model_.Load(true);
                break;
            }
            case 11: {
                const int drive = make_.Int(0, static_cast<int>(model_.Mounts.size()) - 1);
                what << "drive " << drive;
                command_ = what.str();
                rig_.drives.current = model_.Drive = drive;
                driveCard_Change(p, ports);
                model_.Load(true);
                break;
            }
            case 12: {
                // The re-read starts on some entry; the one that was chosen
                // is found again.
                const int start = make_.Int(0, static_cast<int>(model_.Mounts.size()) - 1);
                what << "refresh (re-read on " << start << ")";
                command_ = what.str();
                rig_.drives.afterReread = model_.Entries;
                rig_.drives.afterRereadCurrent = start;
                const std::string remembered = model_.Entries[model_.Drive];
                cmdRefresh_Click(p, ports);
                int chosen = start;
                for (std::size_t i = 0; i < model_.Entries.size(); ++i) {
                    if (remembered.find(model_.Entries[i]) != std::string::npos)
                        chosen = static_cast<int>(i);
                }
                model_.Drive = chosen;
                model_.Load(true);
                break;
            }
            case 13: {
                // The operator swaps two cards between readers and goes on
                // without telling the program.
                const int a = make_.Int(0, static_cast<int>(model_.Mounts.size()) - 1);
                const int b = (a + 1) % static_cast<int>(model_.Mounts.size());
                what << "swap cards in readers " << a << " and " << b;
                command_ = what.str();
                const fs::path aside = base_ / "ASIDE";
                fs::rename(model_.Mounts[a], aside);
                fs::rename(model_.Mounts[b], model_.Mounts[a]);
                fs::rename(aside, model_.Mounts[b]);
                std::swap(model_.CardAt[a], model_.CardAt[b]);
                break;
            }
            default: {
                const bool lonLat = kind == 14;
                what << (lonLat ? "Show Lon / Lat" : "Show DMS");
                command_ = what.str();
                (lonLat ? mnuShowLonLat_Click : mnuShowDMS_Click)(p, ports);
                (lonLat ? model_.LonLat : model_.Dms) ^= true;
                model_.Fill(0);
                model_.Fill(1);
                break;
            }
        }
        EndOfCommand();
        CheckNothingVanished(before, kind);
        Compare();
    }

    // Every box shown must be one the model walked.
    void EndOfCommand() {
        std::deque<Event>& log = rig_.dialogs.log;
        for (const Event& e : log) boxes_ += e.What == RandomDialogs::Kind::Box;
        history_ << "  " << step_ << ": " << command_ << Boxes() << "\n";
        if (model_.Next < log.size()) {
            const Event& e = log[model_.Next];
            Fail("a box the model did not expect: " + Describe(e) + " " + e.Box.Prompt + e.Prompt);
        }
        log.clear();
        model_.Next = 0;
    }

    std::string Boxes() const {
        std::string boxes;
        for (const Event& e : rig_.dialogs.log) boxes += " " + Describe(e);
        return boxes;
    }

    // Passes that left a side are only those the operator let go: erased,
    // or overwritten in a field he chose. Undo only exchanges the two
    // generations; a load replaces the card side and nothing else.
    void CheckNothingVanished(const ImageTable& before, int kind) {
        const ImageTable& after = rig_.program.Table;
        auto count = [](const CardImage& image, std::map<std::string, int>& into, int sign) {
            for (int n = 1; n <= 250; ++n) {
                if (LineInUse(image.Line(n)))
                    into[Identity(image.Line(n))] += sign;
            }
        };
        for (int side = 0; side < 2; ++side) {
            std::map<std::string, int> lost;
            if (kind == 8 + side) {
                count(before.At(side, 0), lost, 1);
                count(before.At(side, 1), lost, 1);
                count(after.At(side, 0), lost, -1);
                count(after.At(side, 1), lost, -1);
            } else if (kind >= 10 && side == 0) {
                continue;
            } else {
                count(before.At(side, 0), lost, 1);
                count(after.At(side, 0), lost, -1);
            }
            for (const auto& [pass, n] : lost) {
                const auto licence = model_.Licences[side].find(pass);
                if (n > (licence == model_.Licences[side].end() ? 0 : licence->second))
                    Fail("the pass " + pass + " vanished from side " + std::to_string(side) +
                         " though no answer let it go");
            }
        }
    }

    static std::string Line(const GuidanceLine& l) {
        return "{" + l.FieldNum + " " + l.Latitude + " " + l.Longitude + " " + l.HeadingNorth +
               " " + l.HeadingEast + " '" + l.FieldName + "' " + (l.LineFlag ? "T" : "F") + "}";
    }

    void Compare() {
        const Program& p = rig_.program;
        for (int side = 0; side < 2; ++side) {
            for (int g = 0; g < 2; ++g) {
                const CardImage& real = p.Table.At(side, g);
                const CardImage& want = model_.Img[side][g];
                if (real == want)
                    continue;
                std::string where = "memory side " + std::to_string(side) + " generation " +
                                    std::to_string(g) + ": ";
                for (int n = 1; n <= 250; ++n) {
                    if (!(real.Line(n) == want.Line(n)))
                        Fail(where + "slot " + std::to_string(n) + " holds " + Line(real.Line(n)) +
                             ", the model " + Line(want.Line(n)));
                }
                Fail(where + "the kind flags differ");
            }
            const FakeList& list = rig_.List(side);
            const ListModel& l = model_.Lists[side];
            if (list.columns != l.Columns)
                Fail("list " + std::to_string(side) + ": other columns");
            if (list.rows != l.Rows) {
                std::string items;
                for (const auto& row : list.rows) items += row[0] + " ";
                std::string wanted;
                for (const auto& row : l.Rows) wanted += row[0] + " ";
                Fail("list " + std::to_string(side) + " shows " + items + "; the model " + wanted);
            }
            if (list.selected != l.Selected)
                Fail("list " + std::to_string(side) + ": another selection");
        }
        if (p.ImageChanged)
            Fail("ImageChanged is left set");
        if (p.Menus.StraightTrack != model_.Straight || p.Menus.ShowLonLat != model_.LonLat ||
            p.Menus.ShowDMS != model_.Dms)
            Fail("the menu marks differ");
        if (!rig_.controls.AllCardCommands(model_.Detected))
            Fail("the card commands are not all " +
                 std::string(model_.Detected ? "enabled" : "disabled"));
        if (rig_.controls.description != model_.Description)
            Fail("the card label reads \"" + rig_.controls.description + "\"");
        if (rig_.drives.current != model_.Drive)
            Fail("the chooser is on another drive");

        // Every card, file by file, spelt as the card spells it.
        for (std::size_t i = 0; i < model_.Mounts.size(); ++i) {
            const Card& card = model_.Cards[model_.CardAt[i]];
            std::map<std::string, std::string> want;
            for (const auto& [name, bytes] : card.Bytes) {
                const std::string spelt = card.Spelt.at(name);
                want[name == "cardinfo.bin" ? spelt : card.Folder + "/" + spelt] = bytes;
            }
            CompareFiles("reader " + std::to_string(i), Tree(model_.Mounts[i]), want);
        }
        std::map<std::string, std::string> work;
        for (const auto& [name, bytes] : Tree(p.WorkFolder)) {
            if (name.rfind("Backup/", 0) != 0)
                work[name] = bytes;
        }
        CompareFiles("work folder", work, model_.Work);
        const fs::path day = p.WorkFolder / "Backup" / "12062026";
        std::size_t folders = 0;
        if (fs::exists(day))
            folders = std::distance(fs::directory_iterator(day), fs::directory_iterator());
        if (folders != model_.Backups.size())
            Fail(std::to_string(folders) + " backup folders, the model " +
                 std::to_string(model_.Backups.size()));
        if (folders > checkedBackups_) {
            CheckBackup(folders - 1);
            checkedBackups_ = folders;
        }
    }

    void CheckBackup(std::size_t n) {
        const fs::path folder = rig_.program.WorkFolder / "Backup" / "12062026" / std::to_string(n);
        CompareFiles("backup " + std::to_string(n), Tree(folder), model_.Backups[n]);
    }

    void CheckAllBackups() {
        command_ = "(all backups)";
        for (std::size_t n = 0; n < model_.Backups.size(); ++n) CheckBackup(n);
    }

    static void CompareFiles(const std::string& where,
                             const std::map<std::string, std::string>& real,
                             const std::map<std::string, std::string>& want) {
        for (const auto& [name, bytes] : want) {
            const auto found = real.find(name);
            if (found == real.end())
                Fail(where + ": " + name + " is missing");
            if (found->second != bytes)
                Fail(where + ": " + name + " does not hold what the model says (" +
                     std::to_string(found->second.size()) + " bytes, the model " +
                     std::to_string(bytes.size()) + ")");
        }
        for (const auto& [name, bytes] : real) {
            if (!want.count(name))
                Fail(where + ": a file " + name + " the model does not know");
        }
    }

    std::uint64_t seed_;
    std::mt19937_64 random_;
    Maker make_;
    fs::path base_;
    Rig rig_;
    Model model_;
    int step_ = 0;
    std::string command_ = "set-up";
    std::ostringstream history_;
    std::vector<int> hints_;
    std::size_t checkedBackups_ = 0;
    long long boxes_ = 0, inputs_ = 0;
};

// The model plays thousands of saves; the animation's wait must end on the
// fake clock however long it has run.
TEST(EditingModel, TheSaveAnimationEndsOnTheFakeClockAfterThousandsOfSaves) {
    std::mt19937_64 random(1);
    Rig rig(fs::temp_directory_path(), random);
    for (int save = 0; save < 5000; ++save) ShowSaveProgress(rig.ports, save % 2, 1.0);
    EXPECT_NEAR(rig.clock.slept, 5000.0, 1e-6);
    EXPECT_EQ(std::count(rig.progress.steps.begin(), rig.progress.steps.end(), "hide 1"), 2500);
}

std::optional<long long> FromEnvironment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0')
        return std::nullopt;
    return std::stoll(text);
}

fs::path ModelFolder() {
    if (const char* chosen = std::getenv("SWATHKIT_MODEL_DIR"); chosen && *chosen)
        return chosen;
    std::error_code error;
    if (fs::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

TEST(EditingModel, RandomCommandSequencesKeepMemoryListsAndFilesAsTheModelSays) {
    std::uint64_t first = 1;
    long long sequences = 100;
    if (const auto seed = FromEnvironment("SWATHKIT_MODEL_SEED")) {
        first = static_cast<std::uint64_t>(*seed);
        sequences = 1;
    } else {
        first =
            static_cast<std::uint64_t>(FromEnvironment("SWATHKIT_MODEL_FIRST_SEED").value_or(1));
        sequences = FromEnvironment("SWATHKIT_MODEL_SEQUENCES").value_or(sequences);
    }
    const fs::path root = ModelFolder() / ("swathkit-model-" + std::to_string(getpid()));
    Totals totals;
    int failures = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long long i = 0; i < sequences && failures < 3; ++i) {
        const std::uint64_t seed = first + static_cast<std::uint64_t>(i);
        const fs::path base = root / std::to_string(seed);
        fs::remove_all(base);
        fs::create_directories(base);
        std::string failure;
        {
            Sequence sequence(seed, base);
            failure = sequence.Play(totals);
        }
        ++totals.Sequences;
        if (!failure.empty()) {
            ++failures;
            ADD_FAILURE() << failure << "\nthe files are left in " << base.string();
        } else {
            fs::remove_all(base);
        }
    }
    if (failures == 0)
        fs::remove_all(root);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "model: %lld sequences from seed %llu, %lld commands, %lld boxes and %lld entries "
        "answered, %lld saves, %.1f s\n",
        totals.Sequences, static_cast<unsigned long long>(first), totals.Commands, totals.Boxes,
        totals.Inputs, totals.Saves, seconds);
}

}  // namespace
}  // namespace swathkit
