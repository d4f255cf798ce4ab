#pragma once
// Everything the operator can do, in one index. The window calls these and
// reaches no editing below them; the headers included here bring the records
// its dialogs show (merge plans, backups, duplicates, exports).

#include <cstddef>

#include "card/drives.h"
#include "card/restore.h"
#include "core/edit_records.h"
#include "core/program.h"
#include "display/coordinate_text.h"
#include "display/line_list.h"
#include "exchange/export_lines.h"
#include "exchange/import_lines.h"
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
std::string UndoDescription(const Program& program, int index);
// "Shift..." on one list; ask is the window's dialog, opened only once
// there is a selection to move.
void mnuShift_Click(Program& program, Ports& ports, int index, const AskShift& ask);
// What is wrong with a typed shift, in the words its refusal uses; empty
// when it can be made. The dialog says it as the operator types.
std::string ShiftEntryProblemText(const ShiftEntry& entry);

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
std::string MergeSummaryText(const MergePlan& plan, const CardImage& card, const CardImage& image);
bool MergeReady(const MergePlan& plan, const CardImage& card, const CardImage& image);

// "Restore from Backup...": the chosen fields of a backup into the image.
bool RestorePassesIntoImage(Program& program, Ports& ports, const BackupLineFile& backup,
                            const std::vector<int>& fields);

// "Export Lines...": Save in its dialog. The passes of side go to file, every
// question and result asked and said through ask; false while the dialog
// should stay open (nothing to export, no file named, Replace declined, a
// failed write).
bool ExportLines(const Program& program, Dialogs& ask, Files& disk, int side, ExportFormat format,
                 const fs::path& file);

// "Import Lines...": the window reads the file with ReadImportFile and shows
// each line found (DescribeImport, ImportRefusal of ImportedPlace); the
// lines the operator ticked then come into the temporary card image. True
// when the image changed.
PlacedLine ImportedPlace(const ImportedLine& line);
ImportRowText ImportPreviewRow(const PlacedLine& line, const MenuChoices& menus);
std::string ImportPreviewRefusal(const PlacedLine& line, TrackKind checked);
std::vector<std::string> ImportPreviewRepeats(const CardImage& image,
                                              const std::vector<PlacedLine>& lines);
bool ImportLines(Program& program, Ports& ports, const std::vector<ImportedLine>& ticked);

// "Help": AB_Help.chm from the program's folder.
void mnuHelp_Click(Ports& ports, const fs::path& programFolder);

}  // namespace swathkit
