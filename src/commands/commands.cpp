#include "commands/commands.h"

#include "card/backup.h"
#include "card/card.h"
#include "card/card_copy.h"
#include "card/drives.h"
#include "core/master_copy.h"
#include "edit/edit_step.h"
#include "edit/erase_undo.h"
#include "edit/import_passes.h"
#include "edit/move_passes.h"
#include "edit/shift_passes.h"
#include "edit/shuffle_fields.h"

namespace swathkit {

namespace {

void FillBothLists(Program& program, Ports& ports) {
    FillLineList(program, ports, CardSide, program.Table.Current(CardSide));
    FillLineList(program, ports, ImageSide, program.Table.Current(ImageSide));
}

void ChooseTrackKind(Program& program, Ports& ports, bool straight) {
    program.Menus.StraightTrack = straight;
    // The temporary card image follows the kind as the card does, so that
    // passes only ever go between two sides of one kind and each kind's
    // image into its own master copy. The image left keeps its Undo and any
    // change its master copy could not take, for the switch back.
    std::array<CardImage, 2>& image = program.Table.Images[ImageSide];
    if (KindOf(image[0]) != program.Menus.Kind()) {
        std::optional<std::array<CardImage, 2>> parked = std::move(program.OtherKindImage);
        program.OtherKindImage = image;
        if (parked && KindOf((*parked)[0]) == program.Menus.Kind()) {
            image = std::move(*parked);
        } else {
            image[0] = LoadMasterCopy(program, ports);
            image[1] = image[0];
        }
        FillLineList(program, ports, ImageSide, image[0]);
    }
    LoadCard(program, ports, true);
    ports.CardList.Focus();
}

}  // namespace

void StartUp(Program& program, Ports& ports) {
    ImageTable& table = program.Table;
    table.At(CardSide, 0) = NewBlankImage();
    table.At(CardSide, 1) = table.At(CardSide, 0);
    table.At(ImageSide, 0) = LoadMasterCopy(program, ports);
    table.At(ImageSide, 1) = table.At(ImageSide, 0);
    FillBothLists(program, ports);
    SetCardCommandsEnabled(program, ports, false);
    LoadCard(program, ports, false);
    program.ImageChanged = false;
}

void cmdRefresh_Click(Program& program, Ports& ports) {
    RefreshDrives(ports);
    ChooseDriveWithCard(program, ports);
    LoadCard(program, ports, true);
    ports.CardList.Focus();
}

void mnuRefreshDrives_Click(Program& program, Ports& ports) {
    cmdRefresh_Click(program, ports);
}

void driveCard_Change(Program& program, Ports& ports) {
    LoadCard(program, ports, true);
}

void mnuStraightTrack_Click(Program& program, Ports& ports) {
    ChooseTrackKind(program, ports, true);
}

void mnuCircleTrack_Click(Program& program, Ports& ports) {
    ChooseTrackKind(program, ports, false);
}

void mnuShowLonLat_Click(Program& program, Ports& ports) {
    program.Menus.ShowLonLat = !program.Menus.ShowLonLat;
    FillBothLists(program, ports);
}

void mnuShowDMS_Click(Program& program, Ports& ports) {
    program.Menus.ShowDMS = !program.Menus.ShowDMS;
    FillBothLists(program, ports);
}

void mnuHelp_Click(Ports& ports, const fs::path& programFolder) {
    if (!ports.Help.Open(programFolder / kHelpFileName)) {
        ports.Ask.Show(
            {SAY("Help File could not be found!"), Buttons::Ok, Icon::Exclamation, SAY("No Help")});
    }
}

// Each button first gives its list the focus, as the operator expects of a
// command that acts on that list.
void cmdMoveLines_Click(Program& program, Ports& ports, int index) {
    ports.List(index).Focus();
    MoveSelectedPasses(program, ports, index);
}

void cmdShuffle_Click(Program& program, Ports& ports, int index) {
    ports.List(index).Focus();
    ShuffleSelectedFields(program, ports, index, true);
}

void cmdCopyField_Click(Program& program, Ports& ports, int index) {
    ports.List(index).Focus();
    ShuffleSelectedFields(program, ports, index, false);
}

void cmdClear_Click(Program& program, Ports& ports, int index) {
    ports.List(index).Focus();
    EraseSelectedPasses(program, ports, index);
}

void cmdUndo_Click(Program& program, Ports& ports, int index) {
    ports.List(index).Focus();
    UndoLastChange(program, ports, index);
}

void cmdUndo_MouseDown(Ports& ports, int index) {
    ports.List(index).Focus();
}

Words UndoDescription(const Program& program, int index) {
    return UndoName(program, index);
}

void mnuShift_Click(Program& program, Ports& ports, int index, const AskShift& ask) {
    ports.List(index).Focus();
    ShiftSelectedPasses(program, ports, index, ask);
}

void mnuBackup_Click(Program& program, Ports& ports) {
    BackupCardToFolder(program, ports);
}

void mnuCardtoCard_Click(Program& program, Ports& ports) {
    CopyCardToCard(program, ports);
}

bool ImportLines(Program& program, Ports& ports, const std::vector<ImportedLine>& ticked) {
    std::vector<PlacedLine> lines;
    for (const ImportedLine& line : ticked) lines.push_back(ImportedPlace(line));
    return ImportIntoImage(program, ports, lines);
}

}  // namespace swathkit
