#include "card/backup.h"

#include "card/card.h"
#include "card/restore.h"
#include "core/error_messages.h"
#include "core/master_copy.h"
#include "core/version.h"

namespace swathkit {

namespace {

void ShowBackupFailed(Ports& ports, const FileError& error, Medium where) {
    // No title of its own: the box carries the program's name.
    ports.Ask.Show(
        WithReason({SAY("Error during backup of file."), Buttons::Ok, Icon::None, kProgramName},
                   error, where));
}

fs::path DayFolder(const Program& program, Ports& ports) {
    return BackupFolder(program) / FormatDate(ports.Time.Today());
}

// Links are not followed: a link on the card could lead anywhere, even back
// into the card.
FileResult CopyTree(Files& files, const fs::path& from, const fs::path& to) {
    if (FileResult made = EnsureFolder(files, to); !made)
        return made;
    const auto entries = files.List(from);
    if (!entries)
        return MakeFileError(make_error_code(std::errc::io_error), "read", from);
    for (const fs::path& entry : *entries) {
        const fs::path target = to / entry.filename();
        FileResult copied;
        if (files.IsFolder(entry))
            copied = CopyTree(files, entry, target);
        else if (files.IsFile(entry))
            copied = files.Copy(entry, target);
        if (!copied)
            return copied;
    }
    return {};
}

// Whether inner is outer or lies below it, links resolved: a copy of the
// card into itself would never end.
bool IsInside(const fs::path& inner, const fs::path& outer) {
    std::error_code error;
    const fs::path relative =
        fs::weakly_canonical(inner, error).lexically_relative(fs::weakly_canonical(outer, error));
    return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

bool IsSystemDrive(const std::string& root) {
    return root == "c:\\" || root == "/";
}

std::variant<fs::path, BackupProblem, FileError> NewBackupFolder(const Program& program,
                                                                 Ports& ports) {
    if (FileResult made = MakeWorkFolder(program, ports.Disk); !made)
        return made.Error();
    if (FileResult made = MakeBackupFolder(program, ports.Disk); !made)
        return made.Error();
    for (int n = 0; n <= 255; ++n) {
        // The date is read again for every number, so a backup just after
        // midnight starts the new day at 0.
        const fs::path day = DayFolder(program, ports);
        if (FileResult made = EnsureFolder(ports.Disk, day); !made)
            return made.Error();
        const fs::path candidate = day / std::to_string(n);
        if (!ports.Disk.Exists(candidate)) {
            if (FileResult made = ports.Disk.MakeFolder(candidate); !made)
                return made.Error();
            return candidate;
        }
    }
    return BackupProblem::AllNumbersTaken;
}

std::optional<fs::path> BackupCardFiles(const Program& program, Ports& ports) {
    const auto made = NewBackupFolder(program, ports);
    if (std::holds_alternative<BackupProblem>(made)) {
        ports.Ask.Show(kNoFreeBackupFolder);
        return std::nullopt;
    }
    if (const auto* error = std::get_if<FileError>(&made)) {
        ShowBackupFailed(ports, *error, Medium::Disk);
        return std::nullopt;
    }
    const fs::path& folder = std::get<fs::path>(made);
    const std::string drive = ports.Drives.CurrentText();
    const struct {
        const char* Folder;
        const char* Name;
    } files[] = {
        {"", kCardInfoFile}, {kCardFolder, kStraightLinesFile}, {kCardFolder, kCircleLinesFile}};
    for (const auto& file : files) {
        const fs::path source = CardFilePath(ports.Disk, drive, file.Folder, file.Name);
        if (!ports.Disk.IsFile(source))
            continue;
        if (FileResult copied = ports.Disk.Copy(source, folder / file.Name); !copied) {
            const FileError& error = copied.Error();
            ShowBackupFailed(ports, error, WhereCopyFailed(error, Medium::Card, Medium::Disk));
            return std::nullopt;
        }
    }
    NoteBackupCard(ports, folder);
    return folder;
}

bool BackUpBeforeWriting(const Program& program, Ports& ports) {
    if (BackupCardFiles(program, ports))
        return true;
    return ports.Ask.Show({SAY("The card could not be backed up first.\r\nWrite to it without a "
                               "backup? Its lines are then replaced with no copy of them kept."),
                           Buttons::YesNo, Icon::Exclamation, SAY("No Backup"), Answer::No}) ==
           Answer::Yes;
}

bool CopyCardToFolder(Ports& ports, const fs::path& root, const fs::path& folder) {
    if (IsInside(folder, root)) {
        ports.Ask.Show({SAY("The chosen folder is on the card itself.\r\n"
                            "Choose a folder on the PC; nothing has been copied."),
                        Buttons::Ok, Icon::Exclamation, SAY("Invalid Save")});
        return false;
    }
    const auto listed = ports.Disk.List(root);
    const std::vector<fs::path> entries = listed.value_or(std::vector<fs::path>{});
    FileResult copied;
    if (!listed)
        copied = MakeFileError(make_error_code(std::errc::io_error), "read", root);
    for (const fs::path& entry : entries) {  // folders first, then files
        if (copied && ports.Disk.IsFolder(entry)) {
            copied = CopyTree(ports.Disk, entry, folder / entry.filename());
        }
    }
    for (const fs::path& entry : entries) {
        if (copied && ports.Disk.IsFile(entry)) {
            copied = ports.Disk.Copy(entry, folder / entry.filename());
        }
    }
    if (!copied) {
        const FileError& error = copied.Error();
        ports.Ask.Show(WithReason({Words{SAY("The card could not be copied whole into %1.\r\n"
                                             "The files copied before the problem are there."),
                                         {PathText(folder)}},
                                   Buttons::Ok, Icon::Exclamation, SAY("Invalid Save")},
                                  error, WhereCopyFailed(error, Medium::Card, Medium::Disk)));
    }
    return copied;
}

void BackupCardToFolder(Program& program, Ports& ports) {
    if (!CheckCard(program, ports, true))
        return;
    const std::string root = CardRoot(ports.Drives.CurrentText());
    if (IsSystemDrive(root)) {
        ports.Ask.Show({SAY("You have selected to backup your C:\\ or you have\r\n"
                            "selected a drive that is not valid.  This program will \r\n"
                            "not backup your C:\\ or an invalid drive."),
                        Buttons::Ok, Icon::Exclamation, SAY("Invalid Drive")});
        return;
    }
    if (ports.Ask.Show({Words{SAY("You have selected to backup your %1.\r\nIf this is not ok, "
                                  "choose No and select a new card drive."),
                              {root}},
                        Buttons::YesNo, Icon::Question, SAY("Verify Card Drive")}) == Answer::No) {
        return;
    }
    // A dialog closed by its window control counts as Cancel.
    program.ChosenDirectory = ports.Ask.SelectDirectory();
    if (!program.ChosenDirectory) {
        ports.Ask.Show(
            {SAY("No data has been saved."), Buttons::Ok, Icon::Exclamation, SAY("Invalid Save")});
        return;
    }
    if (CopyCardToFolder(ports, root, *program.ChosenDirectory)) {
        ports.Ask.Show({SAY("Your datacard has been successfully saved."), Buttons::Ok, Icon::None,
                        SAY("Successful Save!")});
    }
}

}  // namespace swathkit
