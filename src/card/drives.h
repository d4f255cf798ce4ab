#pragma once
// Which of the machine's mounted volumes the drive chooser lists.

#include <string>
#include <vector>

namespace swathkit {

struct Volume {
    std::string Root;  // "E:/" or "/media/farm/CARD"
    std::string Label;
    std::string FileSystem;  // "vfat", "fuse.fusefat", "NTFS", ...
};

struct DriveList {
    std::vector<std::string> Entries;
    int Initial = 0;  // the first removable volume, else the system drive
};

enum class DriveStyle { Letters, MountPoints, MacVolumes };

DriveStyle NativeDriveStyle();

// Letters: "e: [CARD]" for every volume. Otherwise "/" first, then every
// volume that can be a card mounted below the removable-media folders.
DriveList ListDrives(const std::vector<Volume>& volumes, DriveStyle style);

}  // namespace swathkit
