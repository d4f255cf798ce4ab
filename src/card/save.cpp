#include "card/save.h"

#include "card/backup.h"
#include "card/card.h"
#include "core/error_messages.h"
#include "core/line_file.h"
#include "core/master_copy.h"
#include "core/number_text.h"
#include "core/save_progress.h"

namespace swathkit {

namespace {

void ShowBadSave(Ports& ports) {
    ports.Ask.Show(kBadSave);
}

void ShowCardWriteFailed(Ports& ports) {
    ports.Ask.Show(kCardSaveFailed);
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

void WriteCardFile(Program& program, Ports& ports, const CardImage& image) {
    WriteCardBytes(program, ports, LineFileText(image, LineLayout::Card));
}

bool WriteCardBytes(Program& program, Ports& ports, const std::string& bytes) {
    const fs::path path = CardLineFilePath(program, ports);
    const std::optional<FileContents> now = ports.Disk.Read(path, kLineFileLimit);
    if (!now) {
        ShowCardWriteFailed(ports);
        return false;
    }
    // Another card in the reader, or this one changed elsewhere: writing now
    // would put the lines shown over lines the operator has never seen.
    const std::optional<CardFileSeen>& seen = program.CardFile;
    if (!seen || seen->Path != path || seen->Contents != *now) {
        ports.Ask.Show(
            {"The card in the reader is not the card shown.\r\n"
             "Nothing has been written to it. Its own lines are shown now;\r\n"
             "make the change again if it is meant for this card.",
             Buttons::Ok, Icon::Exclamation, "Card Changed"});
        LoadCard(program, ports, false);
        return false;
    }
    const std::string damage = seen->Damage;
    if (!damage.empty() &&
        ports.Ask.Show({"The card's line file is damaged: " + damage +
                            " could not be read.\r\n"
                            "Writing replaces it with the passes shown. The damaged file is "
                            "kept first in a new backup folder under\r\n" +
                            PathText(BackupFolder(program) / FormatDate(ports.Time.Today())) +
                            ".\r\nWrite to the card?",
                        Buttons::YesNo, Icon::Exclamation, kDamagedTitle}) != Answer::Yes) {
        return false;
    }
    // The card is written whether or not the backup worked (the backup has
    // told the operator what went wrong), except a damaged file: the backup
    // is the only copy of what could not be read.
    if (!BackupCardFiles(program, ports) && !damage.empty())
        return false;
    if (!ports.Disk.Replace(path, bytes)) {
        ShowCardWriteFailed(ports);
        return false;
    }
    program.CardFile = CardFileSeen{path, {bytes, true}, {}};
    ShowSaveProgress(ports, CardSide, 1.0);
    return true;
}

}  // namespace swathkit
