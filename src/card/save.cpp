#include "card/save.h"

#include "card/backup.h"
#include "card/card.h"
#include "core/error_messages.h"
#include "core/line_file.h"
#include "core/master_copy.h"
#include "core/number_text.h"
#include "core/save_progress.h"
#include "display/line_list.h"

namespace swathkit {

namespace {

void ShowBadSave(Ports& ports) {
    ports.Ask.Show(kBadSave);
}

// Whatever part of the write failed, the card side shows what the card in
// the reader really holds, or "Not Detected", before the operator is told,
// with the system's reason where a file step failed.
void ShowCardWriteFailed(Program& program, Ports& ports, const FileResult& result = {}) {
    LoadCard(program, ports, false);
    ports.Ask.Show(result ? kCardSaveFailed
                          : WithReason(kCardSaveFailed, result.Error(), Medium::Card));
}

// Nothing was written: the card side shows the card again as last read
// (the card was just found to hold exactly that), without repeating what
// its load told.
void ShowCardAsRead(Program& program, Ports& ports) {
    const CardFileSeen& seen = *program.CardFile;
    SalvagedLines read = SalvageLineFile(seen.Contents.Bytes, seen.Contents.Whole);
    SetKindFromPath(read.Image, seen.Path);
    program.Table.At(CardSide, 1) = read.Image;
    program.Table.At(CardSide, 0) = std::move(read.Image);
    FillLineList(program, ports, CardSide, program.Table.At(CardSide, 0));
}

// Whether the card in the reader is still the one last read or written, all
// of its files: cards from one display share the reader and are swapped
// without a Refresh, even while one is being backed up. Tells the operator
// and shows the card in the reader when it is not.
bool StillTheCardShown(Program& program, Ports& ports, const fs::path& path) {
    const ReadResult now = ports.Disk.Read(path, kLineFileLimit);
    CardFileSeen card{path, now.Contents().value_or(FileContents{}), {}, {}, {}};
    if (!now) {
        ShowCardWriteFailed(program, ports, now.Failure());
        return false;
    }
    if (FileResult beside = ReadFilesBeside(program, ports, card); !beside) {
        ShowCardWriteFailed(program, ports, beside);
        return false;
    }
    const std::optional<CardFileSeen>& seen = program.CardFile;
    if (seen && seen->Path == card.Path && seen->Contents == card.Contents &&
        seen->OtherLines == card.OtherLines && seen->CardInfo == card.CardInfo) {
        return true;
    }
    ports.Ask.Show(kCardChanged);
    LoadCard(program, ports, false);
    return false;
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
        // Refused, the image may show another program's save now.
        if (!WriteMasterCopy(program, ports, program.Table.Current(ImageSide)))
            FillLineList(program, ports, ImageSide, program.Table.Current(ImageSide));
    } else {
        ShowBadSave(ports);
    }
}

void WriteCardFile(Program& program, Ports& ports, const CardImage& image) {
    // Lines of one kind never go into the other kind's file.
    const std::optional<TrackKind> kind = KindOf(image);
    if (kind && kind != program.Menus.Kind()) {
        ShowCardWriteFailed(program, ports);
        return;
    }
    WriteCardBytes(program, ports, LineFileText(image, LineLayout::Card));
}

bool WriteCardBytes(Program& program, Ports& ports, const std::string& bytes) {
    const fs::path path = CardLineFilePath(program, ports);
    // A pflines that is a link could lead anywhere on the PC.
    if (!ports.Disk.IsFolder(path.parent_path())) {
        ShowCardWriteFailed(program, ports);
        return false;
    }
    if (!StillTheCardShown(program, ports, path))
        return false;
    const Words damage = program.CardFile->Damage;
    if (!damage.empty() &&
        ports.Ask.Show(
            {Words{SAY("The card's line file is damaged: %1.\r\n"
                       "Writing replaces it with the passes shown. The damaged file is "
                       "kept first in a new backup folder under\r\n"
                       "%2.\r\nWrite to the card?"),
                   {damage, PathText(BackupFolder(program) / FormatDate(ports.Time.Today()))}},
             Buttons::YesNo, Icon::Exclamation, kDamagedTitle}) != Answer::Yes) {
        ShowCardAsRead(program, ports);
        return false;
    }
    // A damaged file is written over only once the backup holds it: the
    // backup is the only copy of what could not be read.
    if (damage.empty() ? !BackUpBeforeWriting(program, ports) : !BackupCardFiles(program, ports)) {
        ShowCardAsRead(program, ports);
        return false;
    }
    if (!StillTheCardShown(program, ports, path))
        return false;
    if (FileResult written = ports.Disk.Replace(path, bytes); !written) {
        ShowCardWriteFailed(program, ports, written);
        return false;
    }
    program.CardFile->Contents = {bytes, true};
    program.CardFile->Damage = {};
    ShowSaveProgress(ports, CardSide, 1.0);
    return true;
}

}  // namespace swathkit
