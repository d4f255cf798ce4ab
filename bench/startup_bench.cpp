// The operator's wait from starting the program to seeing its window: the
// real main window built with a full card in the reader and a full
// temporary card image, shown, and painted once, off screen. The window's
// load reads both files and fills both lists before it first shows, so
// that is all inside the figure.
//
// The first window of a process also pays for the fonts and the style being
// set up; "Cold" is that one window alone, "Warm" every later one.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QEvent>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/line_file.h"
#include "core/master_copy.h"
#include "core/number_text.h"
#include "ui/main_window.h"
#include "window_bench_main.h"

namespace {

using namespace swathkit;
namespace fs = std::filesystem;

CardImage FullImage(bool straight, const char* latitudeDegrees) {
    CardImage image = NewBlankImage();
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
        GuidanceLine& line = image.Line(slot);
        line.Latitude =
            std::string("+00000000000") + latitudeDegrees + "." + FormatPicture(slot * 12345, 8, 0);
        line.Longitude = "-0000000000093.65432100";
        line.HeadingNorth = "+0000000000000.70710678";
        line.HeadingEast = "+0000000000000." + FormatPicture(slot, 8, 0);
    }
    image.IsStraight = straight;
    image.IsCircle = !straight;
    return image;
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A card folder and a working folder that live as long as the process.
struct Folders {
    Folders() {
        base = fs::temp_directory_path() / ("swathkit-startup-bench-" + std::to_string(::getpid()));
        card = base / "CARD";
        Write(card / "pflines" / "ablines.dat",
              LineFileText(FullImage(true, "41"), LineLayout::Card));
        Write(card / "pflines" / "circles.dat",
              LineFileText(FullImage(false, "42"), LineLayout::Card));
        Write(card / "cardinfo.bin", std::string("\x01\x02\x00\x03", 4));
        setup.WorkFolder = base / "Swathkit";
        setup.ProgramFolder = base;
        Program program;
        program.WorkFolder = setup.WorkFolder;
        Write(MasterCopyFile(program, true),
              LineFileText(FullImage(true, "43"), LineLayout::MasterCopy));
        setup.Drives = [this] { return DriveList{{"/", card.string() + " [CARD]"}, 1}; };
    }
    ~Folders() {
        std::error_code ignored;
        fs::remove_all(base, ignored);
    }

    fs::path base, card;
    WindowSetup setup;
};

Folders& TheFolders() {
    static Folders folders;
    return folders;
}

// Notes the first paint the window itself receives. Qt paints a window and
// all its children in one pass, so once the event loop has come back from
// delivering it the whole window has been drawn.
class FirstPaint final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    bool painted = false;
};

std::unique_ptr<AB_Main> OpenWindow(bool& ok) {
    auto window = std::make_unique<AB_Main>(TheFolders().setup);
    auto* cards = window->findChild<QTreeWidget*>("Card_List_0");
    auto* image = window->findChild<QTreeWidget*>("Card_List_1");
    if (cards == nullptr || image == nullptr) {
        ok = false;
        return window;
    }
    // The window's own paint, and the card list's rows: those are drawn
    // last and cost the most.
    FirstPaint frame, rows;
    window->installEventFilter(&frame);
    cards->viewport()->installEventFilter(&rows);
    window->show();
    while (!frame.painted || !rows.painted)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window->removeEventFilter(&frame);
    cards->viewport()->removeEventFilter(&rows);
    // Both lists full: the card's 245 passes beside the image's 245.
    ok = ok && cards->topLevelItemCount() == kSlotCount - 5 &&
         image->topLevelItemCount() == kSlotCount - 5;
    return window;
}

void CloseWindow(std::unique_ptr<AB_Main> window) {
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void MainWindowToFirstPaint(benchmark::State& state) {
    bool ok = true;
    for (auto _ : state) {
        auto window = OpenWindow(ok);
        state.PauseTiming();
        CloseWindow(std::move(window));
        state.ResumeTiming();
    }
    if (!ok)
        state.SkipWithError("a list was not filled with the 245 passes");
}

// Registered first so that it really is the process's first window.
BENCHMARK(MainWindowToFirstPaint)
    ->Name("MainWindowToFirstPaint/Cold")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MainWindowToFirstPaint)
    ->Name("MainWindowToFirstPaint/Warm")
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunWindowBenchmarks(argc, argv, TheFolders);
}
