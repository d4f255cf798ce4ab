#include "card/drives.h"

#include <algorithm>
#include <array>

#include "card/card.h"
#include "core/files.h"

namespace swathkit {

namespace {

// File systems a card or a stick can carry. Pseudo file systems (tmpfs,
// proc, overlay, ...) are never a card.
bool CanBeCard(const std::string& fileSystem) {
    static const std::array<std::string, 16> kinds = {
        "vfat", "msdos", "fat",   "exfat", "ntfs", "ntfs3",   "fuseblk", "ext2",
        "ext3", "ext4",  "btrfs", "xfs",   "hfs",  "hfsplus", "apfs",    "udf"};
    std::string kind = AsciiLower(fileSystem);
    if (kind.starts_with("fuse."))
        kind = kind.substr(5);  // fusefat, exfat-fuse, ntfs-3g
    if (kind == "fusefat" || kind == "exfat-fuse" || kind == "ntfs-3g")
        return true;
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

// Cards come formatted FAT or exFAT; on a machine with drive letters that is
// what tells a card from a second hard disk.
bool IsCardFormat(const std::string& fileSystem) {
    const std::string kind = AsciiLower(fileSystem);
    return kind.starts_with("fat") || kind == "vfat" || kind == "exfat" || kind == "msdos";
}

std::string WithLabel(std::string text, const std::string& label) {
    if (!label.empty())
        text += " [" + label + "]";
    return text;
}

}  // namespace

DriveStyle NativeDriveStyle() {
#if defined(_WIN32)
    return DriveStyle::Letters;
#elif defined(__APPLE__)
    return DriveStyle::MacVolumes;
#else
    return DriveStyle::MountPoints;
#endif
}

DriveList ListDrives(const std::vector<Volume>& volumes, DriveStyle style) {
    DriveList list;
    if (style == DriveStyle::Letters) {
        std::vector<Volume> sorted = volumes;
        std::sort(sorted.begin(), sorted.end(), [](const Volume& a, const Volume& b) {
            return AsciiLower(a.Root) < AsciiLower(b.Root);
        });
        int system = -1, removable = -1;
        for (const Volume& volume : sorted) {
            if (volume.Root.size() < 2 || volume.Root[1] != ':')
                continue;
            const std::string drive = AsciiLower(volume.Root.substr(0, 2));
            if (drive == "c:")
                system = static_cast<int>(list.Entries.size());
            else if (removable < 0 && IsCardFormat(volume.FileSystem)) {
                removable = static_cast<int>(list.Entries.size());
            }
            list.Entries.push_back(WithLabel(drive, volume.Label));
        }
        list.Initial = removable >= 0 ? removable : std::max(system, 0);
        return list;
    }

    const std::vector<std::string> places =
        style == DriveStyle::MacVolumes
            ? std::vector<std::string>{"/Volumes/"}
            : std::vector<std::string>{"/media/", "/run/media/", "/mnt/"};
    list.Entries.push_back(kOwnDisk);
    for (const Volume& volume : volumes) {
        const bool removablePlace =
            volume.Root == "/mnt" || std::any_of(places.begin(), places.end(), [&](const auto& p) {
                return volume.Root.starts_with(p);
            });
        if (removablePlace && CanBeCard(volume.FileSystem)) {
            list.Entries.push_back(WithLabel(volume.Root, volume.Label));
        }
    }
    list.Initial = list.Entries.size() > 1 ? 1 : 0;
    return list;
}

void ChooseDriveWithCard(const Program& program, Ports& ports) {
    if (CheckCard(program, ports, false))
        return;
    const char* name =
        program.Menus.Kind() == TrackKind::Straight ? kStraightLinesFile : kCircleLinesFile;
    const std::vector<std::string> entries = ports.Drives.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (ports.Disk.Read(CardFilePath(ports.Disk, entries[i], kCardFolder, name), 0)) {
            ports.Drives.Select(static_cast<int>(i));
            return;
        }
    }
}

}  // namespace swathkit
