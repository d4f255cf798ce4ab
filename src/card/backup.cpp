#include "card/backup.h"

#include "card/card.h"
#include "card/restore.h"
#include "core/error_messages.h"
#include "core/master_copy.h"
#include "core/version.h"

namespace swathkit {

namespace {

void ShowBackupFailed(Ports& ports) {
    // No title of its own: the box carries the program's name.
    ports.Ask.Show({"Error during backup of file.", Buttons::Ok, Icon::None, kProgramName});
}

fs::path DayFolder(const Program& program, Ports& ports) {
    return BackupFolder(program) / FormatDate(ports.Time.Today());
}

// Links are not followed: a link on the card could lead anywhere, even back
// into the card.
bool CopyTree(Files& files, const fs::path& from, const fs::path& to) {
    if (!files.MakeFolder(to) && !files.IsFolder(to))
        return false;
    const auto entries = files.List(from);
    if (!entries)
        return false;
    for (const fs::path& entry : *entries) {
        const fs::path target = to / entry.filename();
        if (files.IsFolder(entry)) {
            if (!CopyTree(files, entry, target))
                return false;
        } else if (files.IsFile(entry)) {
            if (!files.Copy(entry, target))
                return false;
        }
    }
    return true;
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

std::variant<fs::path, BackupProblem> NewBackupFolder(const Program& program, Ports& ports) {
    if (!MakeWorkFolder(program, ports.Disk) || !MakeBackupFolder(program, ports.Disk))
        return BackupProblem::NotMade;
    for (int n = 0; n <= 255; ++n) {
        // The date is read again for every number, so a backup just after
        // midnight starts the new day at 0.
        const fs::path day = DayFolder(program, ports);
        if (!ports.Disk.MakeFolder(day) && !ports.Disk.IsFolder(day))
            return BackupProblem::NotMade;
        const fs::path candidate = day / std::to_string(n);
        if (!ports.Disk.Exists(candidate)) {
            if (!ports.Disk.MakeFolder(candidate))
                return BackupProblem::NotMade;
            return candidate;
        }
    }
    return BackupProblem::AllNumbersTaken;
}

std::optional<fs::path> BackupCardFiles(const Program& program, Ports& ports) {
    const auto made = NewBackupFolder(program, ports);
    if (const auto* problem = std::get_if<BackupProblem>(&made)) {
        if (*problem == BackupProblem::AllNumbersTaken) {
            ports.Ask.Show(kNoFreeBackupFolder);
        } else {
            ShowBackupFailed(ports);
        }
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
        if (ports.Disk.IsFile(source) && !ports.Disk.Copy(source, folder / file.Name)) {
            ShowBackupFailed(ports);
            return std::nullopt;
        }
    }
    NoteBackupCard(ports, folder);
    return folder;
}

bool BackUpBeforeWriting(const Program& program, Ports& ports) {
    if (BackupCardFiles(program, ports))
        return true;
    return ports.Ask.Show({"The card could not be backed up first.\r\nWrite to it without a "
                           "backup? Its lines are then replaced with no copy of them kept.",
                           Buttons::YesNo, Icon::Exclamation, "No Backup", Answer::No}) ==
           Answer::Yes;
}

bool CopyCardToFolder(Ports& ports, const fs::path& root, const fs::path& folder) {
    if (IsInside(folder, root)) {
        ports.Ask.Show(
            {"The chosen folder is on the card itself.\r\n"
             "Choose a folder on the PC; nothing has been copied.",
             Buttons::Ok, Icon::Exclamation, "Invalid Save"});
        return false;
    }
    const auto listed = ports.Disk.List(root);
    const std::vector<fs::path> entries = listed.value_or(std::vector<fs::path>{});
    bool copied = listed.has_value();
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
        ports.Ask.Show({"The card could not be copied whole into " + PathText(folder) +
                            ".\r\nThe files copied before the problem are there.",
                        Buttons::Ok, Icon::Exclamation, "Invalid Save"});
    }
    return copied;
}

void BackupCardToFolder(Program& program, Ports& ports) {
    if (!CheckCard(program, ports, true))
        return;
    const std::string root = CardRoot(ports.Drives.CurrentText());
    if (IsSystemDrive(root)) {
        ports.Ask.Show(
            {"You have selected to backup your C:\\ or you have\r\n"
             "selected a drive that is not valid.  This program will \r\n"
             "not backup your C:\\ or an invalid drive.",
             Buttons::Ok, Icon::Exclamation, "Invalid Drive"});
        return;
    }
    if (ports.Ask.Show({"You have selected to backup your " + root +
                            ".\r\nIf this is not ok, choose No and select a new card drive.",
                        Buttons::YesNo, Icon::Question, "Verify Card Drive"}) == Answer::No) {
        return;
    }
    // A dialog closed by its window control counts as Cancel.
    program.ChosenDirectory = ports.Ask.SelectDirectory();
    if (!program.ChosenDirectory) {
        ports.Ask.Show({"No data has been saved.", Buttons::Ok, Icon::Exclamation, "Invalid Save"});
        return;
    }
    if (CopyCardToFolder(ports, root, *program.ChosenDirectory)) {
        ports.Ask.Show({"Your datacard has been successfully saved.", Buttons::Ok, Icon::None,
                        "Successful Save!"});
    }
}

}  // namespace swathkit
