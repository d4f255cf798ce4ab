#include "core/master_copy.h"

#include "core/error_messages.h"

#include <cstdlib>

#include "core/line_file.h"

namespace swathkit {

namespace {

// Where a master copy that could not be read is kept before the first save
// replaces it: beside it, dated, never over an earlier keep.
fs::path UnreadableKeepName(Files& files, const fs::path& master, const Date& today) {
    const std::string stem = master.stem().string() + ".unreadable-" + FormatDate(today);
    fs::path keep = master.parent_path() / (stem + ".dat");
    for (int n = 1; files.Exists(keep); ++n) {
        keep = master.parent_path() / (stem + "-" + std::to_string(n) + ".dat");
    }
    return keep;
}

}  // namespace

fs::path DefaultWorkFolder() {
#ifdef _WIN32
    return fs::path("C:\\Swathkit");
#else
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr && *home != '\0' ? home : "/tmp") / "Swathkit";
#endif
}

void MakeWorkFolder(const Program& program, Files& files) {
    files.MakeFolder(program.WorkFolder);
}

void MakeBackupFolder(const Program& program, Files& files) {
    files.MakeFolder(BackupFolder(program));
}

fs::path BackupFolder(const Program& program) {
    return program.WorkFolder / "Backup";
}

fs::path MasterCopyFile(const Program& program, bool straight) {
    return program.WorkFolder /
           (std::string("Master_Copy_") + (straight ? "Straight.dat" : "Circles.dat"));
}

CardImage LoadMasterCopy(Program& program, Files& files) {
    MakeWorkFolder(program, files);
    const bool straight = program.Menus.StraightTrack;
    const fs::path path = MasterCopyFile(program, straight);

    // An unreadable copy starts the image afresh: the empty image a failed
    // read gives has no field numbers, and saving passes into it would make
    // a file that cannot be read back either.
    CardImage image = NewBlankImage();
    if (files.Read(path, 0)) {
        if (auto read = TryReadLineFile(path, files))
            image = *read;
        else
            program.UnreadMasterCopy = path;
    }
    image.IsStraight = straight;
    image.IsCircle = !straight;
    return image;
}

bool WriteMasterCopy(Program& program, Ports& ports, const CardImage& image) {
    const fs::path path = MasterCopyFile(program, image.IsStraight);
    const auto fail = [&] {
        ports.Ask.Show(kMasterCopySaveFailed);
        return false;
    };
    if (program.UnreadMasterCopy == path && ports.Disk.IsFile(path)) {
        if (!ports.Disk.Copy(path, UnreadableKeepName(ports.Disk, path, ports.Time.Today()))) {
            return fail();
        }
    }
    if (program.UnreadMasterCopy == path)
        program.UnreadMasterCopy.reset();
    if (!ports.Disk.Replace(path, LineFileText(image, LineLayout::MasterCopy)))
        return fail();
    ShowSaveProgress(ports, 1, 1.0);
    return true;
}

void ShowSaveProgress(Ports& ports, int index, double seconds) {
    SaveProgressView& view = ports.Progress;
    view.SetSavingShown(index, true);
    view.ProcessPendingEvents();
    int value = 0;
    view.SetProgress(index, 0, 100, value);
    // The window stays deaf during the pause on purpose: it shows the
    // operator that the write has happened.
    const double step = seconds / 10;
    for (int i = 0; i < 10; ++i) {
        const double start = ports.Time.MonotonicSeconds();
        for (double waited = 0; waited < step; waited = ports.Time.MonotonicSeconds() - start) {
            ports.Time.Sleep(step - waited);
        }
        value += 10;
        view.SetProgress(index, 0, 100, value);
    }
    view.SetSavingShown(index, false);
}

}  // namespace swathkit
