#pragma once
// The automatic backups read back: which there are, what each holds, how it
// differs from the card in the reader, and bringing its passes back into the
// temporary card image or its line file back onto the card.

#include <optional>
#include <string>
#include <vector>

#include "core/backup_records.h"
#include "core/program.h"

namespace swathkit {

// Every backup folder under BackupFolder(program), newest first: by day,
// then by number. Entries not named like a backup are left out.
std::vector<BackupFolderEntry> ListBackups(const Program& program, Files& files);

// "12/06/2026 14:03" for the folder's own time, empty when it cannot be read.
std::string FolderTimeText(const fs::path& folder);

// The line file of a kind in a folder: a flat copy (ablines.dat beside
// cardinfo.bin) or a whole card (pflines/ablines.dat), in any case.
BackupLineFile ReadBackupLineFile(Files& files, const fs::path& folder, TrackKind kind);

// "12 passes", "damaged: 230 passes readable", "not a line file", "cannot be
// read. " and why, "none".
Words DescribeBackupFile(const BackupLineFile& file);

// The folder's two line files and the card it came from.
BackupSummary ReadBackup(Files& files, const fs::path& folder);

// Every field in use in either image, in field order, with how they differ.
std::vector<DifferenceRow> CompareWithCard(const CardImage& backup, const CardImage& card);

// "3 only in the backup, 1 only on the card, 2 different, 40 the same".
Words DifferenceSummary(const std::vector<DifferenceRow>& rows);

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
Words DescribeBackupCard(const BackupCard& backup, const BackupCard& reader);

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
