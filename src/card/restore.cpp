#include "card/restore.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <tuple>

#include "card/card.h"
#include "card/save.h"
#include "core/line_file.h"
#include "core/master_copy.h"
#include "display/line_list.h"

namespace swathkit {

namespace {

// A whole number made of digits only, and not too long to be one.
std::optional<int> Digits(const std::string& text, std::size_t most) {
    if (text.empty() || text.size() > most ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(text);
}

// "mmddyyyy" as NewBackupFolder names the day's folder.
std::optional<Date> DayOfName(const std::string& name) {
    if (name.size() != 8 || !Digits(name, 8))
        return std::nullopt;
    const Date day{std::stoi(name.substr(4, 4)), std::stoi(name.substr(0, 2)),
                   std::stoi(name.substr(2, 2))};
    if (day.Month < 1 || day.Month > 12 || day.Day < 1 || day.Day > 31)
        return std::nullopt;
    return day;
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

int PassesInUse(const CardImage& image) {
    int count = 0;
    for (int field = 1; field <= kSlotCount; ++field) count += LineInUse(image.Line(field));
    return count;
}

const char* FileName(TrackKind kind) {
    return kind == TrackKind::Straight ? "ablines.dat" : "circles.dat";
}

const char* KindText(TrackKind kind) {
    return kind == TrackKind::Straight ? "straight lines" : "circle tracks";
}

}  // namespace

std::string FolderTimeText(const fs::path& folder) {
    std::error_code error;
    const fs::file_time_type made = fs::last_write_time(folder, error);
    if (error)
        return {};
    const std::time_t when = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(
            std::chrono::file_clock::to_sys(made)));
    std::tm local{};
#ifdef _WIN32
    if (localtime_s(&local, &when) != 0)
        return {};
#else
    if (localtime_r(&when, &local) == nullptr)
        return {};
#endif
    char text[32];
    std::strftime(text, sizeof text, "%m/%d/%Y %H:%M", &local);
    return text;
}

std::vector<BackupFolderEntry> ListBackups(const Program& program, Files& files) {
    std::vector<BackupFolderEntry> found;
    for (const fs::path& day :
         files.List(BackupFolder(program)).value_or(std::vector<fs::path>{})) {
        const std::optional<Date> date = DayOfName(PathText(day.filename()));
        if (!date || !files.IsFolder(day))
            continue;
        for (const fs::path& folder : files.List(day).value_or(std::vector<fs::path>{})) {
            const std::optional<int> number = Digits(PathText(folder.filename()), 3);
            if (!number || *number > 255 || !files.IsFolder(folder))
                continue;
            found.push_back({folder, *date, *number, FolderTimeText(folder)});
        }
    }
    const auto key = [](const BackupFolderEntry& e) {
        return std::make_tuple(e.Day.Year, e.Day.Month, e.Day.Day, e.Number);
    };
    std::sort(
        found.begin(), found.end(),
        [&](const BackupFolderEntry& a, const BackupFolderEntry& b) { return key(a) > key(b); });
    return found;
}

std::string BackupName(const BackupFolderEntry& entry) {
    if (entry.Number < 0)
        return PathText(entry.Folder);
    const std::string day = FormatDate(entry.Day);
    return day.substr(0, 2) + "/" + day.substr(2, 2) + "/" + day.substr(4) + " no. " +
           std::to_string(entry.Number);
}

BackupLineFile ReadBackupLineFile(Files& files, const fs::path& folder, TrackKind kind) {
    BackupLineFile file;
    file.Kind = kind;
    // A flat copy first, then a copy of the whole card.
    for (const fs::path& where : {folder, ExistingSpelling(files, folder / "pflines")}) {
        const fs::path path = ExistingSpelling(files, where / FileName(kind));
        if (files.IsFile(path)) {
            file.Path = path;
            break;
        }
    }
    if (file.Path.empty())
        return file;
    const std::optional<FileContents> contents = files.Read(file.Path, kLineFileLimit);
    if (!contents) {
        file.State = BackupFileState::Foreign;
        return file;
    }
    file.Contents = *contents;
    SalvagedLines read = SalvageLineFile(contents->Bytes, contents->Whole);
    const bool whole = read.Lost.empty() && ParseLineFile(contents->Bytes, contents->Whole);
    if (whole)
        file.State = BackupFileState::Whole;
    else if (read.Lost.size() < static_cast<std::size_t>(kSlotCount))
        file.State = BackupFileState::Damaged;
    else
        file.State = BackupFileState::Foreign;
    if (file.State == BackupFileState::Foreign)
        read.Image = NewBlankImage();
    else if (!whole)
        file.Damage = DescribeRecords(read.Lost);
    // The kind is the file's name, not whatever the folder above is called.
    read.Image.IsStraight = kind == TrackKind::Straight;
    read.Image.IsCircle = !read.Image.IsStraight;
    file.Image = std::move(read.Image);
    file.Passes = PassesInUse(file.Image);
    return file;
}

std::string DescribeBackupFile(const BackupLineFile& file) {
    switch (file.State) {
        case BackupFileState::Missing:
            return "none";
        case BackupFileState::Whole:
            return Counted(file.Passes, "pass", "passes");
        case BackupFileState::Damaged:
            return "damaged: " + Counted(file.Passes, "pass", "passes") + " readable";
        case BackupFileState::Foreign:
            break;
    }
    return "not a line file";
}

BackupSummary ReadBackup(Files& files, const fs::path& folder) {
    return {ReadBackupLineFile(files, folder, TrackKind::Straight),
            ReadBackupLineFile(files, folder, TrackKind::Circle)};
}

std::vector<DifferenceRow> CompareWithCard(const CardImage& backup, const CardImage& card) {
    std::vector<DifferenceRow> rows;
    for (int field = 1; field <= kSlotCount; ++field) {
        const bool inBackup = LineInUse(backup.Line(field));
        const bool onCard = LineInUse(card.Line(field));
        if (inBackup && onCard)
            rows.push_back({field, SameCoordinates(backup.Line(field), card.Line(field))
                                       ? Difference::Same
                                       : Difference::Different});
        else if (inBackup)
            rows.push_back({field, Difference::OnlyInBackup});
        else if (onCard)
            rows.push_back({field, Difference::OnlyOnCard});
    }
    return rows;
}

std::string DifferenceSummary(const std::vector<DifferenceRow>& rows) {
    int counts[4] = {};
    for (const DifferenceRow& row : rows) ++counts[static_cast<int>(row.Kind)];
    std::string text;
    const auto add = [&](int count, const std::string& what) {
        if (count == 0)
            return;
        text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + what;
    };
    add(counts[static_cast<int>(Difference::OnlyInBackup)], "only in the backup");
    add(counts[static_cast<int>(Difference::OnlyOnCard)], "only on the card");
    add(counts[static_cast<int>(Difference::Different)], "different");
    add(counts[static_cast<int>(Difference::Same)], "the same");
    return text.empty() ? "No passes in the backup or on the card." : text + ".";
}

bool RestoreToCard(Program& program, Ports& ports, const BackupLineFile& backup,
                   const std::string& backupName) {
    // A damaged file would put its unreadable records onto the card for
    // good; a file of the other kind would land in the wrong file.
    if (backup.State != BackupFileState::Whole || !backup.Contents.Whole ||
        backup.Kind != program.Menus.Kind())
        return false;
    if (!CheckCard(program, ports, true))
        return false;
    const std::string what = KindText(backup.Kind);
    const std::string question = "Replace the " + what + " on the card " +
                                 CardRoot(ports.Drives.CurrentText()) +
                                 " with those of the backup " + backupName + " (" +
                                 Counted(backup.Passes, "pass", "passes") +
                                 ")?\r\nThe card's own " + what + " are backed up first.";
    if (ports.Ask.Show({question, Buttons::YesNo, Icon::Question, "Write to Card"}) != Answer::Yes)
        return false;
    // The backup's own bytes: the card gets back exactly what it held.
    if (!WriteCardBytes(program, ports, backup.Contents.Bytes))
        return false;
    LoadCard(program, ports, false);
    return true;
}

}  // namespace swathkit
