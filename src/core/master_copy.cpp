#include "core/master_copy.h"

#include "core/error_messages.h"
#include "core/line_file.h"
#include "core/save_progress.h"

namespace swathkit {

namespace {

// Where a master copy that could not be read is kept before the first save
// replaces it: beside it, dated, never over an earlier keep.
fs::path UnreadableKeepName(Files& files, const fs::path& master, const Date& today) {
    const std::string stem = PathText(master.stem()) + ".unreadable-" + FormatDate(today);
    fs::path keep = master.parent_path() / (stem + ".dat");
    for (int n = 1; files.Exists(keep); ++n) {
        keep = master.parent_path() / (stem + "-" + std::to_string(n) + ".dat");
    }
    return keep;
}

}  // namespace

fs::path MasterCopyFile(const Program& program, bool straight) {
    return program.WorkFolder /
           (std::string("Master_Copy_") + (straight ? "Straight.dat" : "Circles.dat"));
}

CardImage LoadMasterCopy(Program& program, Files& files) {
    // A folder that cannot be made shows as the first save's failure.
    (void)MakeWorkFolder(program, files);
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

}  // namespace swathkit
