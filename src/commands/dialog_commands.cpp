// The editing that the window's dialogs drive, passed through to the layer
// that does it: the window sees nothing below this one.

#include "card/drives.h"
#include "card/restore.h"
#include "commands/commands.h"
#include "edit/import_passes.h"
#include "edit/merge_card.h"
#include "edit/move_passes.h"
#include "edit/shift_passes.h"

namespace swathkit {

std::optional<MergePlan> mnuMergeCard_Plan(const Program& program, Ports& ports) {
    return StartMerge(program, ports);
}

bool mnuMergeCard_Apply(Program& program, Ports& ports, const MergePlan& plan) {
    return ApplyMerge(program, ports, plan);
}

TargetCheck MergeTarget(const MergePlan& plan, const CardImage& card, const CardImage& image,
                        std::size_t row) {
    return CheckTarget(plan, card, image, row);
}

void TickMergeRow(MergePlan& plan, const CardImage& card, const CardImage& image, std::size_t row,
                  bool ticked) {
    TickRow(plan, card, image, row, ticked);
}

Words MergeSummaryText(const MergePlan& plan, const CardImage& card, const CardImage& image) {
    return SummaryText(Summarise(plan, card, image));
}

bool MergeReady(const MergePlan& plan, const CardImage& card, const CardImage& image) {
    return ReadyToMerge(plan, card, image);
}

bool RestorePassesIntoImage(Program& program, Ports& ports, const BackupLineFile& backup,
                            const std::vector<int>& fields) {
    return RestoreIntoImage(program, ports, backup, fields);
}

ImportRowText ImportPreviewRow(const PlacedLine& line, const MenuChoices& menus) {
    return DescribeImport(line, menus);
}

Words ImportPreviewRefusal(const PlacedLine& line, TrackKind checked) {
    return ImportRefusal(line, checked);
}

Words ShiftEntryProblemText(const ShiftEntry& entry) {
    return ShiftEntryProblem(entry);
}

std::vector<Words> ImportPreviewRepeats(const CardImage& image,
                                        const std::vector<PlacedLine>& lines) {
    return ImportRepeats(image, lines);
}

std::vector<BackupFolderEntry> BackupFolders(const Program& program, Files& files) {
    return ListBackups(program, files);
}

std::string BackupFolderTime(const fs::path& folder) {
    return FolderTimeText(folder);
}

std::string BackupFolderName(const BackupFolderEntry& entry) {
    return BackupName(entry);
}

BackupSummary ReadBackupFolder(Files& files, const fs::path& folder) {
    return ReadBackup(files, folder);
}

BackupLineFile ReadBackupFolderFile(Files& files, const fs::path& folder, TrackKind kind) {
    return ReadBackupLineFile(files, folder, kind);
}

BackupCard ReadBackupFolderCard(Files& files, const fs::path& folder) {
    return ReadBackupCard(files, folder);
}

BackupCard CardInTheReader(Ports& ports) {
    return CardInReader(ports);
}

Words BackupFileText(const BackupLineFile& file) {
    return DescribeBackupFile(file);
}

Words BackupCardText(const BackupCard& backup, const BackupCard& reader) {
    return DescribeBackupCard(backup, reader);
}

std::vector<DifferenceRow> CompareBackupWithCard(const CardImage& backup, const CardImage& card) {
    return CompareWithCard(backup, card);
}

Words DifferenceSummaryText(const std::vector<DifferenceRow>& rows) {
    return DifferenceSummary(rows);
}

bool RestoreBackupToCard(Program& program, Ports& ports, const BackupLineFile& backup,
                         const std::string& backupName, const BackupCard& from,
                         const std::vector<int>& fields) {
    return RestoreToCard(program, ports, backup, backupName, from, fields);
}

DriveList DrivesToList(const std::vector<Volume>& volumes) {
    return ListDrives(volumes, NativeDriveStyle());
}

}  // namespace swathkit
