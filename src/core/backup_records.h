#pragma once
// What the drive chooser and the backups hand the window: the volumes to
// list, the backup folders, what each holds and how it differs from the
// card. Records only, so that the window can show them without reaching the
// card below.

#include <optional>
#include <string>
#include <vector>

#include "core/program.h"

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

// One backup folder: Backup/mmddyyyy/n, or a folder the operator picked.
struct BackupFolderEntry {
    fs::path Folder;
    Date Day;                   // from the folder's name; the year 2000 for a picked folder
    std::optional<int> Number;  // n; none for a picked folder
    std::string Made;           // when the folder was made, "12/06/2026 14:03"; empty when unknown
};

enum class BackupFileState {
    Missing,  // no such file in the folder
    Whole,    // every record read: can go back onto the card
    Damaged,  // not whole, but some records can be read: they can be looked at
    Foreign,  // not a line file at all
};

// One line file of a backup.
struct BackupLineFile {
    TrackKind Kind = TrackKind::Straight;
    fs::path Path;
    BackupFileState State = BackupFileState::Missing;
    FileContents Contents;  // the file's own bytes
    CardImage Image;        // what could be read of it
    Words Damage;           // what is wrong with a damaged file (DescribeDamage), or why
                            // one could not be read
    int Passes = 0;         // passes in use
};

// Which card a backup was made from: the label the drive chooser showed for
// it and the bytes of its cardinfo.bin, each empty when not known.
struct BackupCard {
    std::string Label;
    std::optional<std::string> CardInfo;
};

// What the folder's two line files hold and which card it came from, as the
// list shows it; the folder is listed once for all three.
struct BackupSummary {
    BackupLineFile Straight, Circle;
    BackupCard Card;
    const BackupLineFile& Of(TrackKind kind) const {
        return kind == TrackKind::Straight ? Straight : Circle;
    }
};

enum class Difference { Same, OnlyInBackup, OnlyOnCard, Different };

struct DifferenceRow {
    int Field = 0;
    swathkit::Difference Kind = Difference::Same;
    bool operator==(const DifferenceRow&) const = default;
};

}  // namespace swathkit
