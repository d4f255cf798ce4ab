// Moving every usable pass of a full card into a temporary card image that
// asks no question, and undoing it: the cost an operator waits for on the
// biggest merge, without the one-second save animation (the clock here
// never sleeps). Each runs once with the master copy really written and
// once into a disk that only takes the bytes, so that the logic's own share
// can be seen.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

#include "card/save.h"
#include "core/master_copy.h"
#include "display/line_list.h"
#include "edit/erase_undo.h"
#include "edit/move_passes.h"
#include "support/fakes.h"

namespace {

using namespace swathkit;

class SilentDialogs final : public Dialogs {
  public:
    Answer Show(const Message&) override {
        ++shown;
        return Answer::Cancel;
    }
    std::optional<std::string> Input(const Words&, const Words&) override {
        ++shown;
        return std::nullopt;
    }
    std::optional<fs::path> SelectDirectory() override { return std::nullopt; }
    std::optional<int> ChooseDrive(const Message&, const std::vector<std::string>&, int) override {
        return std::nullopt;
    }
    int shown = 0;
};

// Everything drawn is kept, as a list view keeps it; the selection is all
// of it.
class AllSelectedList final : public LineList {
  public:
    void Show(const std::vector<Column>& newColumns, const std::vector<ListRow>& newRows) override {
        columns = newColumns;
        rows = newRows;
    }
    std::vector<int> SelectedSlots() override {
        std::vector<int> chosen;
        for (const ListRow& row : rows) chosen.push_back(row.Slot);
        return chosen;
    }
    void DeselectFirstItem() override {}
    void Focus() override {}

    std::vector<Column> columns;
    std::vector<ListRow> rows;
};

class NoProgress final : public SaveProgressView {
  public:
    void SetSavingShown(int, bool) override {}
    void SetProgress(int, int, int, int) override {}
    void ProcessPendingEvents() override {}
};

// Takes every write and keeps nothing.
class SinkFiles final : public Files {
  public:
    ReadResult Read(const fs::path& path, std::size_t) override {
        return MakeFileError(make_error_code(std::errc::no_such_file_or_directory), "read", path);
    }
    FileResult Replace(const fs::path&, std::string_view bytes) override {
        written += bytes.size();
        return {};
    }
    FileResult ReplaceExactly(const fs::path& path, std::string_view bytes) override {
        return Replace(path, bytes);
    }
    FileResult Copy(const fs::path&, const fs::path&) override { return {}; }
    FileResult MakeFolder(const fs::path&) override { return {}; }
    bool IsFile(const fs::path&) override { return false; }
    bool Exists(const fs::path&) override { return false; }
    bool IsFolder(const fs::path&) override { return false; }
    std::optional<std::vector<fs::path>> List(const fs::path&) override {
        return std::vector<fs::path>{};
    }
    FileResult Remove(const fs::path&) override { return {}; }
    std::size_t written = 0;
};

struct Bench {
    explicit Bench(Files& disk)
        : ports{dialogs, progress, clock, disk, cardList, imageList, controls, drives, help} {
        program.WorkFolder = fs::temp_directory_path() / "swathkit-edit-bench";
        MakeWorkFolder(program, disk);
        CardImage card = NewBlankImage();
        for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
            card.Line(slot).Latitude = "+0000000000041.12345600";
            card.Line(slot).Longitude = "-0000000000093.65432100";
            card.Line(slot).HeadingNorth = "+0000000000000.70710678";
            card.Line(slot).HeadingEast = "+0000000000000." + FormatPicture(slot, 8, 0);
        }
        card.IsStraight = true;
        program.Table.At(CardSide, 0) = program.Table.At(CardSide, 1) = card;
        CardImage image = NewBlankImage();
        image.IsStraight = true;
        program.Table.At(ImageSide, 0) = program.Table.At(ImageSide, 1) = image;
        FillLineList(program, ports, CardSide, card);
    }

    SilentDialogs dialogs;
    NoProgress progress;
    swathkit::testing::FakeClock clock;  // the animation's waits take no time
    AllSelectedList cardList, imageList;
    swathkit::testing::FakeControls controls;
    swathkit::testing::FakeDrives drives;
    swathkit::testing::FakeHelp help;
    Program program;
    Ports ports;
};

// After the first round the image holds the same lines, which are copied
// without a question as well: every round copies all 245 passes, redraws
// the image list and writes the master copy.
void MoveAll(benchmark::State& state, Files& disk) {
    Bench bench(disk);
    for (auto _ : state) {
        MoveSelectedPasses(bench.program, bench.ports, CardSide);
        benchmark::DoNotOptimize(bench.imageList.rows.data());
    }
    if (bench.dialogs.shown != 0 || bench.imageList.rows.size() != 245)
        state.SkipWithError("the move asked a question or lost a pass");
    state.SetItemsProcessed(state.iterations() * 245);
}

// Each round swaps a full image with an empty one, redraws and writes.
void UndoMove(benchmark::State& state, Files& disk) {
    Bench bench(disk);
    MoveSelectedPasses(bench.program, bench.ports, CardSide);
    for (auto _ : state) {
        UndoLastChange(bench.program, bench.ports, ImageSide);
        benchmark::DoNotOptimize(bench.imageList.rows.data());
    }
    if (bench.dialogs.shown != 0)
        state.SkipWithError("undo asked a question");
}

void MoveAllPasses_MasterCopyOnDisk(benchmark::State& state) {
    MoveAll(state, RealFiles());
}
void MoveAllPasses_MemoryOnly(benchmark::State& state) {
    SinkFiles sink;
    MoveAll(state, sink);
}
void UndoMove_MasterCopyOnDisk(benchmark::State& state) {
    UndoMove(state, RealFiles());
}
void UndoMove_MemoryOnly(benchmark::State& state) {
    SinkFiles sink;
    UndoMove(state, sink);
}

BENCHMARK(MoveAllPasses_MasterCopyOnDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveAllPasses_MemoryOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoMove_MasterCopyOnDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK(UndoMove_MemoryOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
