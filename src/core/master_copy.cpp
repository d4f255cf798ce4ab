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

// Keeps a damaged master copy aside at once and says so; one that cannot be
// kept is kept by the first save, which fails while it cannot.
void ReportDamage(Program& program, Ports& ports, const fs::path& path, const Words& what,
                  bool readable) {
    const fs::path keep = UnreadableKeepName(ports.Disk, path, ports.Time.Today());
    const bool kept = ports.Disk.Copy(path, keep);
    if (!kept)
        program.UnreadMasterCopy = path;
    const Words shown = readable
                            ? SAY("The passes that could be read are shown in the Temporary Card "
                                  "Image.")
                            : SAY("The Temporary Card Image starts empty.");
    const Words keeping =
        kept ? Words{SAY("The damaged file has been kept as %1."), {PathText(keep)}}
             : SAY("It could not be kept aside, so it is not saved over until it can be.");
    ports.Ask.Show({Words{"%1\r\n%2\r\n%3", {what, shown, keeping}}, Buttons::Ok, Icon::Exclamation,
                    SAY("Damaged Master Copy")});
}

CardImage ReadMasterCopy(Program& program, Ports& ports, const fs::path& path, bool straight) {
    CardImage image = NewBlankImage();
    const ReadResult contents = ports.Disk.Read(path, kLineFileLimit);
    program.MasterCopySeen[path] = contents.Contents();
    if (contents) {
        SalvagedLines read = SalvageLineFile(contents->Bytes, contents->Whole);
        image = std::move(read.Image);
        if (!read.Lost.empty())
            ReportDamage(program, ports, path,
                         Words{SAY("The master copy %1 is damaged: %2 could not be read."),
                               {PathText(path), DescribeRecords(read.Lost)}},
                         read.Lost.size() < static_cast<std::size_t>(kSlotCount));
    } else if (ports.Disk.Exists(path)) {
        ReportDamage(program, ports, path,
                     Words{SAY("The master copy %1 could not be read.\r\n%2"),
                           {PathText(path), PlainReason(contents.Error(), Medium::Disk)}},
                     false);
    }
    image.IsStraight = straight;
    image.IsCircle = !straight;
    return image;
}

}  // namespace

fs::path MasterCopyFile(const Program& program, bool straight) {
    return program.WorkFolder /
           (std::string("Master_Copy_") + (straight ? "Straight.dat" : "Circles.dat"));
}

CardImage LoadMasterCopy(Program& program, Ports& ports) {
    // A folder that cannot be made shows as the first save's failure.
    (void)MakeWorkFolder(program, ports.Disk);
    const bool straight = program.Menus.StraightTrack;
    return ReadMasterCopy(program, ports, MasterCopyFile(program, straight), straight);
}

bool WriteMasterCopy(Program& program, Ports& ports, const CardImage& image) {
    const fs::path path = MasterCopyFile(program, image.IsStraight);
    const auto fail = [&](const FileResult& result = {}) {
        ports.Ask.Show(result ? kMasterCopySaveFailed
                              : WithReason(kMasterCopySaveFailed, result.Error(), Medium::Disk));
        return false;
    };
    const ReadResult read = ports.Disk.Read(path, kLineFileLimit);
    const std::optional<FileContents>& now = read.Contents();
    // A file that is there but cannot be read cannot be compared either.
    if (!now && ports.Disk.IsFile(path))
        return fail(read.Failure());
    const auto seen = program.MasterCopySeen.find(path);
    if (now && (seen == program.MasterCopySeen.end() || seen->second != now)) {
        ports.Ask.Show(MasterCopyChanged(path));
        CardImage fresh = ReadMasterCopy(program, ports, path, image.IsStraight);
        ImageTable& table = program.Table;
        if (KindOf(table.Current(ImageSide)) == KindOf(fresh)) {
            table.At(ImageSide, 1) = table.At(ImageSide, 0);
            table.At(ImageSide, 0) = std::move(fresh);
        }
        return false;
    }
    if (program.UnreadMasterCopy == path && ports.Disk.IsFile(path)) {
        if (FileResult kept =
                ports.Disk.Copy(path, UnreadableKeepName(ports.Disk, path, ports.Time.Today()));
            !kept) {
            return fail(kept);
        }
    }
    if (program.UnreadMasterCopy == path)
        program.UnreadMasterCopy.reset();
    std::string text = LineFileText(image, LineLayout::MasterCopy);
    if (FileResult written = ports.Disk.Replace(path, text); !written)
        return fail(written);
    program.MasterCopySeen[path] = FileContents{std::move(text), true};
    ShowSaveProgress(ports, 1, 1.0);
    return true;
}

}  // namespace swathkit
