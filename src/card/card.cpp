#include "card/card.h"

#include "core/error_messages.h"
#include "core/line_file.h"
#include "display/line_list.h"

namespace swathkit {

namespace {

bool IsLetterDrive(const std::string& text) {
    return text.size() >= 2 && text[1] == ':' &&
           ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'));
}

// Cards are written by other machines; a copy of one on a case-sensitive
// disk may well hold PFLINES/ABLINES.DAT.
fs::path Spelt(Files& files, const fs::path& path) {
    const fs::path folder = ExistingSpelling(files, path.parent_path());
    return ExistingSpelling(files, folder / path.filename());
}

void RemoveStaleTemporaryFiles(Files& files, const fs::path& folder) {
    const std::string suffix = PathText(TemporaryFileFor(""));
    for (const fs::path& entry : files.List(folder).value_or(std::vector<fs::path>{})) {
        const std::string name = PathText(entry.filename());
        if (name.size() > suffix.size() && name.ends_with(suffix))
            files.Remove(entry);
    }
}

// Nothing in contents for a file that is not there; a failure when it is
// there but cannot be read.
FileResult ReadIfThere(Files& files, const fs::path& path, std::optional<FileContents>& contents) {
    contents.reset();
    if (!files.IsFile(path))
        return {};
    const ReadResult read = files.Read(path, kLineFileLimit);
    contents = read.Contents();
    return read.Failure();
}

}  // namespace

std::string DrivePart(const std::string& driveText) {
    if (IsLetterDrive(driveText))
        return driveText.substr(0, 2);
    const std::size_t label = driveText.rfind(" [");
    if (label != std::string::npos && driveText.ends_with("]"))
        return driveText.substr(0, label);
    return driveText;
}

std::string CardRoot(const std::string& driveText) {
    const std::string drive = DrivePart(driveText);
    return IsLetterDrive(drive) ? drive + "\\" : drive;
}

fs::path CardFilePath(Files& files, const std::string& driveText, const std::string& folder,
                      const std::string& name) {
    const std::string drive = DrivePart(driveText);
    std::string path = drive;
    const char separator = IsLetterDrive(drive) ? '\\' : '/';
    if (path.empty() || path.back() != separator)
        path += separator;
    if (!folder.empty())
        path += folder + separator;
    path += name;
    return Spelt(files, PathFromText(path));
}

fs::path CardLineFilePath(const Program& program, Ports& ports) {
    const char* name =
        program.Menus.Kind() == TrackKind::Straight ? kStraightLinesFile : kCircleLinesFile;
    return CardFilePath(ports.Disk, ports.Drives.CurrentText(), kCardFolder, name);
}

bool CheckCard(const Program& program, Ports& ports, bool showError) {
    const ReadResult read = ports.Disk.Read(CardLineFilePath(program, ports), 0);
    if (read)
        return true;
    if (showError)
        ports.Ask.Show(WithReason(kCardNotReadable, read.Error(), Medium::Card));
    return false;
}

FileResult ReadFilesBeside(const Program& program, Ports& ports, CardFileSeen& seen) {
    const std::string drive = ports.Drives.CurrentText();
    const char* other =
        program.Menus.Kind() == TrackKind::Straight ? kCircleLinesFile : kStraightLinesFile;
    FileResult read = ReadIfThere(ports.Disk, CardFilePath(ports.Disk, drive, kCardFolder, other),
                                  seen.OtherLines);
    if (read)
        read = ReadIfThere(ports.Disk, CardFilePath(ports.Disk, drive, "", kCardInfoFile),
                           seen.CardInfo);
    return read;
}

void LoadCard(Program& program, Ports& ports, bool showError) {
    ImageTable& table = program.Table;
    program.CardFile.reset();
    table.At(CardSide, 0) = NewBlankImage();
    table.At(CardSide, 1) = table.At(CardSide, 0);
    FillLineList(program, ports, CardSide, table.At(CardSide, 1));
    SetCardCommandsEnabled(program, ports, false);
    if (!CheckCard(program, ports, showError)) {
        ports.Controls.SetCardDescription(kNotDetected);
        return;
    }
    SetCardCommandsEnabled(program, ports, true);
    ports.Controls.SetCardDescription(Words{kAvailable, {CardRoot(ports.Drives.CurrentText())}});

    const fs::path path = CardLineFilePath(program, ports);
    // A write cut short by a pulled card leaves its temporary file behind.
    RemoveStaleTemporaryFiles(ports.Disk, path.parent_path());
    // A damaged file still shows every pass that can be trusted, so that
    // they can be moved into the image; it is never taken for an empty card.
    const ReadResult contents = ports.Disk.Read(path, kLineFileLimit);
    SalvagedLines read =
        contents ? SalvageLineFile(contents->Bytes, contents->Whole) : SalvageLineFile("", false);
    SetKindFromPath(read.Image, path);
    const Words damage = DescribeDamage(read);
    if (contents) {
        // A card whose other files cannot be read cannot be told from
        // another card, and is not written.
        CardFileSeen seen{path, *contents, damage, {}, {}};
        if (ReadFilesBeside(program, ports, seen))
            program.CardFile = std::move(seen);
    }
    program.CardScratch = std::move(read.Image);
    table.At(CardSide, 1) = program.CardScratch;
    table.At(CardSide, 0) = table.At(CardSide, 1);
    FillLineList(program, ports, CardSide, table.At(CardSide, 1));
    ports.CardList.DeselectFirstItem();
    ports.ImageList.DeselectFirstItem();
    if (!damage.empty()) {
        ports.Ask.Show({Words{SAY("The card's line file %1 is damaged: %2.\r\n"
                                  "The passes that could be read are shown; move them into the "
                                  "Temporary Card Image to keep them.\r\n"
                                  "The card is not written before you have agreed."),
                              {PathText(path), damage}},
                        Buttons::Ok, Icon::Exclamation, kDamagedTitle});
    }
}

void RefreshDrives(Ports& ports) {
    const std::string remembered = ports.Drives.CurrentText();
    if (!ports.Drives.Reread()) {
        ports.Ask.Show(kDriveRefreshFailed);
        return;
    }
    // Letter drives match where the entry occurs in the remembered text. A
    // mount path must match whole: "/" occurs inside every one of them.
    const bool letters = IsLetterDrive(remembered);
    const std::vector<std::string> entries = ports.Drives.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (letters ? remembered.find(entries[i]) != std::string::npos
                    : DrivePart(entries[i]) == DrivePart(remembered)) {
            ports.Drives.Select(static_cast<int>(i));
        }
    }
}

}  // namespace swathkit
