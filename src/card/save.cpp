#include "card/save.h"

#include "card/backup.h"
#include "card/card.h"
#include "core/line_file.h"
#include "core/master_copy.h"

namespace swathkit {

namespace {

void ShowBadSave(Ports& ports) {
    ports.Ask.Show({"Error 500-1\r\nThere was a problem saving to the card.", Buttons::Ok,
                    Icon::None, "Bad Save"});
}

}  // namespace

void SaveImage(Program& program, Ports& ports, int side) {
    if (!program.ImageChanged)
        return;
    // Cleared before writing: a failed write is not tried again until the
    // next change to the side.
    program.ImageChanged = false;
    if (side == CardSide) {
        if (DrivePart(ports.Drives.CurrentText()).empty()) {
            ShowBadSave(ports);
            return;
        }
        WriteCardFile(program, ports, program.Table.Current(CardSide));
    } else if (side == ImageSide) {
        WriteMasterCopy(program, ports, program.Table.Current(ImageSide));
    } else {
        ShowBadSave(ports);
    }
}

void WriteCardFile(const Program& program, Ports& ports, const CardImage& image) {
    // The card is written whether or not the backup worked; the backup has
    // told the operator what went wrong.
    BackupCardFiles(program, ports);
    const fs::path path = CardLineFilePath(program, ports);
    if (!ports.Disk.Replace(path, LineFileText(image, LineLayout::Card))) {
        ports.Ask.Show({"Error 100-2.  Failed Saving ABLines File., Invalid Save", Buttons::Ok,
                        Icon::None, "Error Saving"});
        return;
    }
    ShowSaveProgress(ports, CardSide, 1.0);
}

}  // namespace swathkit
