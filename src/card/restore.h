#pragma once
// The automatic backups read back: which there are, what each holds, how it
// differs from the card in the reader, and bringing its passes back into the
// temporary card image or its line file back onto the card.

#include <optional>
#include <string>
#include <vector>

#include "core/program.h"

namespace swathkit {

// One backup folder: Backup/mmddyyyy/n, or a folder the operator picked.
struct BackupFolderEntry {
    fs::path Folder;
    Date Day;          // from the folder's name; the year 2000 for a picked folder
    int Number = -1;   // n; -1 for a picked folder
    std::string Made;  // when the folder was made, "12/06/2026 14:03"; empty when unknown
};

// Every backup folder under BackupFolder(program), newest first: by day,
// then by number. Entries not named like a backup are left out.
std::vector<BackupFolderEntry> ListBackups(const Program& program, Files& files);

// "12/06/2026 14:03" for the folder's own time, empty when it cannot be read.
std::string FolderTimeText(const fs::path& folder);

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
    std::string Damage;     // what is wrong with a damaged file (DescribeDamage)
    int Passes = 0;         // passes in use
};

// The line file of a kind in a folder: a flat copy (ablines.dat beside
// cardinfo.bin) or a whole card (pflines/ablines.dat), in any case.
BackupLineFile ReadBackupLineFile(Files& files, const fs::path& folder, TrackKind kind);

// "12 passes", "damaged: 230 passes readable", "not a line file", "none".
std::string DescribeBackupFile(const BackupLineFile& file);

// What the folder's two line files hold, as the list shows it.
struct BackupSummary {
    BackupLineFile Straight, Circle;
    const BackupLineFile& Of(TrackKind kind) const {
        return kind == TrackKind::Straight ? Straight : Circle;
    }
};
BackupSummary ReadBackup(Files& files, const fs::path& folder);

enum class Difference { Same, OnlyInBackup, OnlyOnCard, Different };

struct DifferenceRow {
    int Field = 0;
    swathkit::Difference Kind = Difference::Same;
    bool operator==(const DifferenceRow&) const = default;
};

// Every field in use in either image, in field order, with how they differ.
std::vector<DifferenceRow> CompareWithCard(const CardImage& backup, const CardImage& card);

// "3 only in the backup, 1 only on the card, 2 different, 40 the same".
std::string DifferenceSummary(const std::vector<DifferenceRow>& rows);

// The backup's line file onto the card in place of the card's own, after the
// operator has said yes: through the card's checked write, which backs the
// card up first and refuses a card swapped since it was read. The card is
// read afresh afterwards. Only a whole file of the checked kind is written;
// true when the card now holds its bytes.
bool RestoreToCard(Program& program, Ports& ports, const BackupLineFile& backup,
                   const std::string& backupName);

// "12/06/2026 no. 2", or the folder's path for a picked folder.
std::string BackupName(const BackupFolderEntry& entry);

}  // namespace swathkit
