#pragma once
// Everything the operator can do, in one index. The window calls these and
// reaches neither the editing, the card nor the readers and writers below
// them; the records its dialogs show (merge plans, backups, imports, export
// formats) are core's, the map's and the lists' come from geo and display.

#include <cstddef>
#include <stop_token>
#include <variant>

#include "core/backup_records.h"
#include "core/edit_records.h"
#include "core/exchange_records.h"
#include "core/program.h"
#include "display/coordinate_text.h"
#include "display/line_list.h"
#include "geo/duplicates.h"
#include "geo/geo.h"
#include "geo/map_passes.h"

namespace swathkit {

inline constexpr const char* kHelpFileName = "AB_Help.chm";

// The window's load, before it first shows.
void StartUp(Program& program, Ports& ports);

// The drive chooser, "Refresh" and the "Options" menu.
void cmdRefresh_Click(Program& program, Ports& ports);
void mnuRefreshDrives_Click(Program& program, Ports& ports);
void driveCard_Change(Program& program, Ports& ports);
void mnuStraightTrack_Click(Program& program, Ports& ports);
void mnuCircleTrack_Click(Program& program, Ports& ports);
void mnuShowLonLat_Click(Program& program, Ports& ports);
void mnuShowDMS_Click(Program& program, Ports& ports);

// The buttons under and between the lists; index is the side.
void cmdMoveLines_Click(Program& program, Ports& ports, int index);
void cmdShuffle_Click(Program& program, Ports& ports, int index);
void cmdCopyField_Click(Program& program, Ports& ports, int index);
void cmdClear_Click(Program& program, Ports& ports, int index);
void cmdUndo_Click(Program& program, Ports& ports, int index);
// The list has the focus already while the button is held down.
void cmdUndo_MouseDown(Ports& ports, int index);
// What "Undo" under the list will do ("Undo Erase of field 22"); empty when
// it has no change to name.
Words UndoDescription(const Program& program, int index);
// "Shift..." on one list; ask is the window's dialog, opened only once
// there is a selection to move.
void mnuShift_Click(Program& program, Ports& ports, int index, const AskShift& ask);
// What is wrong with a typed shift, in the words its refusal uses; empty
// when it can be made. The dialog says it as the operator types.
Words ShiftEntryProblemText(const ShiftEntry& entry);

// The "DataCard" menu.
void mnuBackup_Click(Program& program, Ports& ports);
void mnuCardtoCard_Click(Program& program, Ports& ports);

// "Merge Card into Image...": the plan for the card in the reader, nothing
// after saying why; the dialog ticks rows and checks targets as the operator
// types, then the ticked passes come into the image as one editing command.
std::optional<MergePlan> mnuMergeCard_Plan(const Program& program, Ports& ports);
bool mnuMergeCard_Apply(Program& program, Ports& ports, const MergePlan& plan);
TargetCheck MergeTarget(const MergePlan& plan, const CardImage& card, const CardImage& image,
                        std::size_t row);
void TickMergeRow(MergePlan& plan, const CardImage& card, const CardImage& image, std::size_t row,
                  bool ticked);
Words MergeSummaryText(const MergePlan& plan, const CardImage& card, const CardImage& image);
bool MergeReady(const MergePlan& plan, const CardImage& card, const CardImage& image);

// "Restore from Backup...": the chosen fields of a backup into the image.
bool RestorePassesIntoImage(Program& program, Ports& ports, const BackupLineFile& backup,
                            const std::vector<int>& fields);
// The rest of its dialog: the backup folders newest first, what each holds,
// which card it came from and how it differs from the card in the reader,
// and a line file put back onto the card whole or by fields.
std::vector<BackupFolderEntry> BackupFolders(const Program& program, Files& files);
std::string BackupFolderTime(const fs::path& folder);
std::string BackupFolderName(const BackupFolderEntry& entry);
BackupSummary ReadBackupFolder(Files& files, const fs::path& folder);
BackupLineFile ReadBackupFolderFile(Files& files, const fs::path& folder, TrackKind kind);
BackupCard ReadBackupFolderCard(Files& files, const fs::path& folder);
BackupCard CardInTheReader(Ports& ports);
Words BackupFileText(const BackupLineFile& file);
Words BackupCardText(const BackupCard& backup, const BackupCard& reader);
std::vector<DifferenceRow> CompareBackupWithCard(const CardImage& backup, const CardImage& card);
Words DifferenceSummaryText(const std::vector<DifferenceRow>& rows);
bool RestoreBackupToCard(Program& program, Ports& ports, const BackupLineFile& backup,
                         const std::string& backupName, const BackupCard& from,
                         const std::vector<int>& fields = {});

// The drive chooser's entries for these volumes, in this system's style.
DriveList DrivesToList(const std::vector<Volume>& volumes);

// "Export Lines...": Save in its dialog. The passes of side go to file, every
// question and result asked and said through ask; false while the dialog
// should stay open (nothing to export, no file named, Replace declined, a
// failed write).
bool ExportLines(const Program& program, Dialogs& ask, Files& disk, int side, ExportFormat format,
                 const fs::path& file);
// The formats its dialog lists, and for one: its entry, its default file
// name and what it cannot hold of the lines.
const std::vector<ExportEntry>& ExportFormatList();
const ExportEntry& ExportFormatOf(ExportFormat format);
std::string ExportDefaultName(ExportFormat format);
std::vector<Words> ExportLeavesOut(ExportFormat format, bool straight);

// "Import Lines...": the window reads the file with ReadLinesToImport and
// shows each line found (ImportPreviewRow, ImportPreviewRefusal of
// ImportedPlace) and the notes on what it does not show; the lines the
// operator ticked then come into the temporary card image. True when the
// image changed.
std::variant<ImportResult, ImportFailure> ReadLinesToImport(const fs::path& path,
                                                            std::stop_token stop = {});
std::vector<Words> ImportPreviewNotes(const ImportResult& result);
Words ImportLeftOutNote();
ImportRowText ImportPreviewRow(const PlacedLine& line, const MenuChoices& menus);
Words ImportPreviewRefusal(const PlacedLine& line, TrackKind checked);
std::vector<Words> ImportPreviewRepeats(const CardImage& image,
                                        const std::vector<PlacedLine>& lines);
bool ImportLines(Program& program, Ports& ports, const std::vector<ImportedLine>& ticked);

// "Help": AB_Help.chm from the program's folder.
void mnuHelp_Click(Ports& ports, const fs::path& programFolder);

}  // namespace swathkit
