#include "card/card_copy.h"

#include "card/backup.h"
#include "card/card.h"
#include "core/error_messages.h"

namespace swathkit {

namespace {

const Message kInsertCard{SAY("Please insert second card and press ok."), Buttons::OkCancel,
                          Icon::None, SAY("Continue with Card")};

// A card the lines can go onto: one that holds the line file of the checked
// kind, or one freshly formatted, without a pflines folder yet (never the
// system drive).
bool CanTakeCopy(const Program& program, Ports& ports) {
    if (CheckCard(program, ports, false))
        return true;
    const std::string drive = ports.Drives.CurrentText();
    const std::string root = CardRoot(drive);
    return !IsSystemDrive(root) && ports.Disk.List(root).has_value() &&
           !ports.Disk.Exists(CardFilePath(ports.Disk, drive, "", kCardFolder));
}

// Waits for a further card; false when the operator gives up. A card with
// another label mounts in a folder of its own (Linux), and a drive letter
// can change too: the drives are read again, and where the card may be in
// another drive than before, the operator chooses it.
bool NextCard(Program& program, Ports& ports) {
    for (;;) {
        if (ports.Ask.Show(kInsertCard) == Answer::Cancel)
            return false;
        const std::string before = DrivePart(ports.Drives.CurrentText());
        RefreshDrives(ports);
        const std::string current = ports.Drives.CurrentText();
        const bool sameDrive = DrivePart(current) == before;
        if (sameDrive && CanTakeCopy(program, ports))
            return true;
        std::vector<std::string> offered;
        std::vector<int> entry;
        int chosen = 0;
        const std::vector<std::string> entries = ports.Drives.Entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (IsSystemDrive(CardRoot(entries[i])))
                continue;
            if (entries[i] == current)
                chosen = static_cast<int>(offered.size());
            offered.push_back(entries[i]);
            entry.push_back(static_cast<int>(i));
        }
        if (offered.size() > 1 || (offered.size() == 1 && !sameDrive)) {
            const std::optional<int> choice =
                ports.Ask.ChooseDrive({SAY("Choose the drive of the card you have put in."),
                                       Buttons::OkCancel, Icon::Question, SAY("Card Drive")},
                                      offered, chosen);
            if (!choice || *choice < 0 || *choice >= static_cast<int>(entry.size()))
                return false;
            ports.Drives.Select(entry[static_cast<std::size_t>(*choice)]);
            if (CanTakeCopy(program, ports))
                return true;
        }
        ports.Ask.Show(kCardNotReadable);
    }
}

// The copy reads the backup on the PC and writes the card.
void ShowCopyFailed(Ports& ports, const std::string& name, const FileError& error) {
    ports.Ask.Show(WithReason({Words{SAY("The card could not be written (%1).\r\n"
                                         "Its files that were not replaced yet are unchanged."),
                                     {name}},
                               Buttons::Ok, Icon::Exclamation, SAY("Copy Failed")},
                              error, WhereCopyFailed(error, Medium::Disk, Medium::Card)));
}

// Writes the backed-up line files onto the card in the reader; false after
// telling the operator when the card could not take them.
bool WriteCard(Ports& ports, const fs::path& source) {
    const std::string drive = ports.Drives.CurrentText();
    // A fresh card gets its folder; a pflines that is a link could lead
    // anywhere on the PC.
    const fs::path folder = CardFilePath(ports.Disk, drive, "", kCardFolder);
    if (!ports.Disk.IsFolder(folder)) {
        // Something else by that name is in the way, and stays.
        FileResult made = ports.Disk.Exists(folder)
                              ? FileResult(MakeFileError(make_error_code(std::errc::file_exists),
                                                         "mkdir", folder))
                              : ports.Disk.MakeFolder(folder);
        if (!made) {
            ShowCopyFailed(ports, kCardFolder, made.Error());
            return false;
        }
    }
    const struct {
        const char* From;
        const char* To;
    } files[] = {{kCircleLinesFile, "CIRCLES.dat"}, {kStraightLinesFile, "ABLINES.dat"}};
    for (const auto& file : files) {
        if (!ports.Disk.IsFile(source / file.From))
            continue;
        if (FileResult copied = ports.Disk.Copy(
                source / file.From, CardFilePath(ports.Disk, drive, kCardFolder, file.To));
            !copied) {
            ShowCopyFailed(ports, file.To, copied.Error());
            return false;
        }
    }
    return true;
}

// The further cards, one after another, until the operator stops.
void CopyOntoFurtherCards(Program& program, Ports& ports, const fs::path& source) {
    for (;;) {
        if (!NextCard(program, ports))
            return;
        if (ports.Ask.Show({SAY("The AB-Line and Circle Info on this card will be \r\n"
                                "completely replaced.  Is it ok to continue?"),
                            Buttons::YesNo, Icon::None, SAY("Continue with Copy"), Answer::No}) !=
            Answer::Yes) {
            return;
        }
        // Its own lines are replaced: backed up first, as before every
        // write to a card.
        if (!BackUpBeforeWriting(program, ports) || !WriteCard(ports, source))
            return;
        if (ports.Ask.Show({SAY("Image has been successfully saved.\r\n"
                                "Would you like to copy this image to another card?"),
                            Buttons::YesNo, Icon::None, SAY("Another Copy")}) == Answer::No) {
            return;
        }
    }
}

}  // namespace

void CopyCardToCard(Program& program, Ports& ports) {
    if (!CheckCard(program, ports, true))
        return;
    // Without a fresh backup there is nothing safe to copy from; the backup
    // has told the operator why.
    const std::optional<fs::path> source = BackupCardFiles(program, ports);
    if (!source)
        return;
    ports.Ask.Show({SAY("This card image has been successfully saved."), Buttons::Ok, Icon::None,
                    SAY("Copy Complete")});
    const std::string drive = DrivePart(ports.Drives.CurrentText());
    CopyOntoFurtherCards(program, ports, *source);
    // The card side shows the card of the drive now chosen, never the first
    // card under another drive's name.
    if (DrivePart(ports.Drives.CurrentText()) != drive)
        LoadCard(program, ports, false);
}

}  // namespace swathkit
