// The windows that once froze, off screen, each beside the work it wraps so
// that the ratio can be watched:
// - Restore from Backup opened over a season of 1,000 backups, until every
//   count is in, beside listing the backups and reading each;
// - one refill of the Duplicate Passes window with a full card and a full
//   image a few metres apart, beside the search alone;
// - one tick in the merge preview, beside the plan's own bookkeeping for it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <cstdlib>
#include <memory>

#include "card/restore.h"
#include "core/line_file.h"
#include "edit/merge_card.h"
#include "geo/duplicates.h"
#include "support/cards.h"
#include "support/fakes.h"
#include "ui/duplicate_passes.h"
#include "ui/merge_card_dialog.h"
#include "ui/restore_dialog.h"
#include "window_bench_main.h"

namespace {

using namespace swathkit;
using namespace swathkit::testing;

// Straight lines due north-east, `apart` metres from one another along the
// meridian, the first `offset` metres north of the farm.
CardImage Spread(double offset, double apart) {
    CardImage image = NewBlankImage();
    for (int field = kFirstUsableField; field <= kSlotCount; ++field)
        image.Line(field) =
            PassAt(field, {40 + (offset + apart * field) / 111'000.0, -93.25}, 1, 1);
    image.IsStraight = true;
    image.IsCircle = false;
    return image;
}

// 245 passes on the card and 245 in the image, 4 m apart on each side and
// the image's 3 m north of the card's: about a thousand pairs within 5 m.
// Dense, all 490 lie within 2 m: every two are a pair.
struct Sides : Harness {
    explicit Sides(bool dense = false) {
        program.Menus.StraightTrack = true;
        program.Table.Current(CardSide) = Spread(0, dense ? 0.004 : 4);
        program.Table.Current(ImageSide) = Spread(dense ? 1 : 3, dense ? 0.004 : 4);
    }
};

// 1,000 backups of a full card over five days, as a season of daily edits
// leaves them.
struct Season : Harness {
    Season() {
        const CardImage card = Spread(0, 4);
        const std::string bytes = LineFileText(card, LineLayout::Card);
        for (int day = 0; day < 5; ++day) {
            for (int number = 0; number < 200; ++number) {
                const fs::path folder = work.path() / "Swathkit" / "Backup" /
                                        ("120" + std::to_string(day + 1) + "2026") /
                                        std::to_string(number);
                WriteFile(folder / "ablines.dat", bytes);
                WriteFile(folder / "cardinfo.bin", std::string("\x01\x02\x00\x03", 4));
                WriteFile(folder / kBackupLabelFile, "CARD");
            }
        }
    }
};

Season& TheSeason() {
    static Season season;
    return season;
}

void RestoreListAndRead(benchmark::State& state) {
    Season& season = TheSeason();
    for (auto _ : state) {
        const std::vector<BackupFolderEntry> listed =
            ListBackups(season.program, season.ports.Disk);
        for (const BackupFolderEntry& entry : listed)
            benchmark::DoNotOptimize(ReadBackup(season.ports.Disk, entry.Folder));
        state.counters["backups"] = static_cast<double>(listed.size());
    }
}

// Opens Restore on the season's backups, timed until its list shows, and,
// with untilCounted, until every backup's counts are in.
void OpenRestore(benchmark::State& state, bool untilCounted) {
    Season& season = TheSeason();
    for (auto _ : state) {
        RestoreDialog dialog(season.program, season.ports, nullptr);
        dialog.Reload();
        dialog.show();
        if (untilCounted)
            dialog.WaitForListing();
        QApplication::processEvents();
        state.PauseTiming();
        dialog.WaitForListing();
        state.counters["rows"] = dialog.findChild<QTreeWidget*>("lstBackups")->topLevelItemCount();
        state.ResumeTiming();
    }
}

void RestoreOpen(benchmark::State& state) {
    OpenRestore(state, true);
}

void RestoreShows(benchmark::State& state) {
    OpenRestore(state, false);
}

void DuplicateSearch(benchmark::State& state) {
    Sides sides(state.range(0) != 0);
    for (auto _ : state) {
        const auto pairs = FindDuplicates(sides.program.Table.Current(CardSide),
                                          sides.program.Table.Current(ImageSide), true, true, {});
        state.counters["pairs"] = static_cast<double>(pairs.size());
    }
}

void DuplicateRefill(benchmark::State& state) {
    Sides sides(state.range(0) != 0);
    QTreeWidget card, image;
    DuplicatePassesDialog dialog(
        sides.program, {&card, &image}, [] { return true; }, nullptr);
    dialog.show();
    dialog.Search();
    QApplication::processEvents();
    for (auto _ : state) {
        dialog.Search();
        dialog.WaitForSearch();
        QApplication::processEvents();
        state.counters["pairs"] = static_cast<double>(dialog.Pairs().size());
    }
}

// Ticking and unticking the first row as the dialog does it, without the
// window.
void MergeTickPlan(benchmark::State& state) {
    Sides sides;
    const CardImage& card = sides.program.Table.Current(CardSide);
    const CardImage& image = sides.program.Table.Current(ImageSide);
    MergePlan plan = PlanMerge(card, image, true);
    bool ticked = false;
    for (auto _ : state) {
        ticked = !ticked;
        TickRow(plan, card, image, 0, ticked);
        for (std::size_t row = 0; row < plan.Rows.size(); ++row)
            benchmark::DoNotOptimize(CheckTarget(plan, card, image, row));
        benchmark::DoNotOptimize(SummaryText(Summarise(plan, card, image)));
        benchmark::DoNotOptimize(ReadyToMerge(plan, card, image));
    }
}

void MergeTick(benchmark::State& state) {
    Sides sides;
    MergeCardDialog dialog(sides.program,
                           PlanMerge(sides.program.Table.Current(CardSide),
                                     sides.program.Table.Current(ImageSide), true),
                           nullptr);
    dialog.show();
    QApplication::processEvents();
    QTableWidgetItem* tick = dialog.findChild<QTableWidget*>("MergeTable")->item(0, 0);
    for (auto _ : state) {
        tick->setCheckState(tick->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        QApplication::processEvents();
    }
    state.counters["rows"] = static_cast<double>(dialog.Plan().Rows.size());
}

BENCHMARK(RestoreListAndRead)->Unit(benchmark::kMillisecond);
BENCHMARK(RestoreShows)->Unit(benchmark::kMillisecond);
BENCHMARK(RestoreOpen)->Unit(benchmark::kMillisecond);
// 0: a full card and image a few metres apart; 1: all within 2 m.
BENCHMARK(DuplicateSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DuplicateRefill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeTickPlan)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeTick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv);
}
