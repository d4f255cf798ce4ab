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
    Date Day;                   // from the folder's name; the year 2000 for a picked folder
    std::optional<int> Number;  // n; none for a picked folder
    std::string Made;           // when the folder was made, "12/06/2026 14:03"; empty when unknown
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
    std::string Damage;     // what is wrong with a damaged file (DescribeDamage), or why
                            // one could not be read
    int Passes = 0;         // passes in use
};

// The line file of a kind in a folder: a flat copy (ablines.dat beside
// cardinfo.bin) or a whole card (pflines/ablines.dat), in any case.
BackupLineFile ReadBackupLineFile(Files& files, const fs::path& folder, TrackKind kind);

// "12 passes", "damaged: 230 passes readable", "not a line file", "cannot be
// read. " and why, "none".
std::string DescribeBackupFile(const BackupLineFile& file);

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

// Kept beside the card's files in every automatic backup, for the label.
inline constexpr const char* kBackupLabelFile = "cardlabel.txt";

// Notes the label of the card in the reader in a new backup folder; a
// backup is no worse for lacking it.
void NoteBackupCard(Ports& ports, const fs::path& folder);

BackupCard ReadBackupCard(Files& files, const fs::path& folder);

// The card in the reader, as a backup records it.
BackupCard CardInReader(Ports& ports);

// Whether a backup is of the card in the reader: by cardinfo.bin where both
// have one, else by label; nothing when neither tells.
std::optional<bool> SameCard(const BackupCard& backup, const BackupCard& reader);

// "FARM2 (this card)", "FARM1 (another card)", "unknown card".
std::string DescribeBackupCard(const BackupCard& backup, const BackupCard& reader);

// The backup's line file onto the card in place of the card's own, after the
// operator has said yes to a question that says exactly what is written:
// with fields given, only those fields take what the backup holds there (a
// pass, or nothing) and the card's other lines stay; without, the whole
// file. A backup of another card is warned of in that question, which
// defaults to No. Through the card's checked write, which backs the card up
// first and refuses a card swapped since it was read; the card is read
// afresh afterwards. Only a whole file of the card side's kind is written;
// true when the card now holds what was asked.
bool RestoreToCard(Program& program, Ports& ports, const BackupLineFile& backup,
                   const std::string& backupName, const BackupCard& from,
                   const std::vector<int>& fields = {});

// "12/06/2026 no. 2", or the folder's path for a picked folder.
std::string BackupName(const BackupFolderEntry& entry);

}  // namespace swathkit
