// Every write, with each of its file steps made to fail in turn: the
// operator is told, no success is shown, and no file that was good before
// is damaged or lost.

#include <gtest/gtest.h>

#include "card/backup.h"
#include "card/card.h"
#include "card/card_copy.h"
#include "card/save.h"
#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

// Answers every box as an operator going ahead would, and never asks for
// another card copy.
class GoingAhead final : public Dialogs {
  public:
    Answer Show(const Message& message) override {
        titles.push_back(message.Title);
        if (message.Title == "Continue with Card" && meanwhile) {
            meanwhile();
            meanwhile = {};
        }
        if (message.Title == "Another Copy")
            return Answer::No;
        return message.Buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<std::string> Input(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> SelectDirectory() override { return folder; }

    bool Showed(const std::string& title) const {
        return std::find(titles.begin(), titles.end(), title) != titles.end();
    }

    std::vector<std::string> titles;
    std::string folder;
    std::function<void()> meanwhile;
};

// Every file below root, by its path relative to root.
std::map<fs::path, std::string> Snapshot(const fs::path& root) {
    std::map<fs::path, std::string> files;
    if (!fs::exists(root))
        return files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root)] = Bytes(entry.path());
    return files;
}

// Each file that was there before is there still, either as it was or as
// the write meant it to become.
void ExpectKept(const std::map<fs::path, std::string>& before,
                const std::map<fs::path, std::string>& after,
                const std::map<fs::path, std::string>& meant, const std::string& where) {
    for (const auto& [path, bytes] : before) {
        const auto now = after.find(path);
        ASSERT_TRUE(now != after.end()) << where << ": lost " << path;
        const auto goal = meant.find(path);
        EXPECT_TRUE(now->second == bytes || (goal != meant.end() && now->second == goal->second))
            << where << ": damaged " << path;
    }
}

struct FaultHarness : Harness {
    explicit FaultHarness(int failAt)
        : faulty(MakeFiles(
              [this, failAt](const char*, const fs::path&) { return ++steps == failAt; })) {
        root = work.path() / "CARD";
        drives.entries = {"/", root.string() + " [CARD]"};
        drives.current = 1;
        const CardImage lines = ImageWith({{12, "+0000000000041.50000000"}});
        const CardImage circles = ImageWith({{20, "+0000000000042.00000000"}}, false);
        MakeCard(root, &lines, &circles);
        MakeWorkFolder(program, ports.Disk);
        WriteFile(MasterCopyFile(program, true), LineFileText(lines, LineLayout::MasterCopy));
        LoadCard(program, ports, true);
        program.Table.At(ImageSide, 0) = LoadMasterCopy(program, ports.Disk);
        program.Table.At(ImageSide, 1) = program.Table.At(ImageSide, 0);
    }
    void Change(int side) {
        program.Table.At(side, 1) = program.Table.Current(side);
        program.Table.Current(side).Line(30) = program.Table.Current(side).Line(12);
        program.Table.Current(side).Line(30).Latitude = "+0000000000043.00000000";
        program.ImageChanged = true;
        meantCard = Snapshot(root);
        meantCard["pflines/ablines.dat"] =
            LineFileText(program.Table.Current(CardSide), LineLayout::Card);
        meantWork = Snapshot(program.WorkFolder);
        meantWork["Master_Copy_Straight.dat"] =
            LineFileText(program.Table.Current(ImageSide), LineLayout::MasterCopy);
    }

    fs::path root;
    int steps = 0;
    std::unique_ptr<Files> faulty;
    GoingAhead going;
    Ports faultyPorts{going, progress, clock, *faulty, cardList, imageList, controls, drives, help};
    std::map<fs::path, std::string> meantCard, meantWork;
};

// Runs one write with no fault to count its steps, then once for each step
// failing; check sees the harness after the run and whether a step failed.
void EveryStepFails(const std::function<void(FaultHarness&)>& write,
                    const std::function<void(FaultHarness&, bool failed)>& check) {
    int total = 0;
    {
        FaultHarness h(0);
        write(h);
        total = h.steps;
        check(h, false);
    }
    ASSERT_GT(total, 3);
    for (int n = 1; n <= total; ++n) {
        SCOPED_TRACE("step " + std::to_string(n) + " of " + std::to_string(total));
        FaultHarness h(n);
        const auto card = Snapshot(h.root);
        const auto work = Snapshot(h.program.WorkFolder);
        write(h);
        ExpectKept(card, Snapshot(h.root), h.meantCard, "card");
        ExpectKept(work, Snapshot(h.program.WorkFolder), h.meantWork, "work folder");
        check(h, true);
    }
}

TEST(Faults, SavingTheCardSide) {
    EveryStepFails(
        [](FaultHarness& h) {
            h.Change(CardSide);
            SaveImage(h.program, h.faultyPorts, CardSide);
        },
        [](FaultHarness& h, bool failed) {
            const bool written =
                Bytes(h.root / "pflines" / "ablines.dat") == h.meantCard["pflines/ablines.dat"];
            // Written, or the operator was told.
            EXPECT_TRUE(written || h.going.Showed("Error Saving") || h.going.Showed("Swathkit"));
            if (!failed) {
                EXPECT_TRUE(written && h.going.titles.empty());
            }
            EXPECT_FALSE(h.program.ImageChanged);
            EXPECT_TRUE(LineInUse(h.program.Table.Current(CardSide).Line(30)));
        });
}

TEST(Faults, SavingTheImageSide) {
    EveryStepFails(
        [](FaultHarness& h) {
            h.Change(ImageSide);
            SaveImage(h.program, h.faultyPorts, ImageSide);
        },
        [](FaultHarness& h, bool) {
            const bool written =
                Bytes(MasterCopyFile(h.program, true)) == h.meantWork["Master_Copy_Straight.dat"];
            EXPECT_TRUE(written || h.going.Showed(kMasterCopyErrorTitle));
            EXPECT_TRUE(LineInUse(h.program.Table.Current(ImageSide).Line(30)));
        });
}

TEST(Faults, BackupImage) {
    EveryStepFails(
        [](FaultHarness& h) {
            h.going.folder = (h.work.path() / "kept").string();
            fs::create_directories(h.going.folder);
            mnuBackup_Click(h.program, h.faultyPorts);
        },
        [](FaultHarness& h, bool) {
            // Success only when the whole card is in the folder.
            const bool whole = Snapshot(h.going.folder) == Snapshot(h.root);
            EXPECT_EQ(h.going.Showed("Successful Save!"), whole);
        });
}

TEST(Faults, CardToCard) {
    EveryStepFails(
        [](FaultHarness& h) {
            const fs::path other = h.work.path() / "OTHER";
            const CardImage own = ImageWith({{99, "+0000000000001.00000000"}});
            MakeCard(other, &own, &own);
            h.going.meanwhile = [&h, other] {
                fs::rename(h.root, h.work.path() / "SOURCE");
                fs::rename(other, h.root);
            };
            h.meantCard = Snapshot(h.root);
            mnuCardtoCard_Click(h.program, h.faultyPorts);
            // The source back in the reader, so that it is checked as kept.
            if (fs::exists(h.work.path() / "SOURCE")) {
                fs::rename(h.root, other);
                fs::rename(h.work.path() / "SOURCE", h.root);
            }
        },
        [](FaultHarness& h, bool) {
            const auto source = Snapshot(h.root);
            const auto further = Snapshot(h.work.path() / "OTHER");
            if (!h.going.Showed("Continue with Card")) {
                EXPECT_FALSE(further.empty());
                return;  // stopped at the backup, before a further card was asked for
            }
            // Each of its line files is its own or the source's, and the
            // run went on to "Another Copy" only when both were copied.
            bool copied = true;
            for (const char* name : {"pflines/ablines.dat", "pflines/circles.dat"}) {
                const std::string& now = further.at(name);
                EXPECT_TRUE(now == source.at(name) || LineInUse(ParseLineFile(now)->Line(99)));
                copied = copied && now == source.at(name);
            }
            EXPECT_EQ(h.going.Showed("Another Copy"), copied);
        });
}

}  // namespace
}  // namespace swathkit
