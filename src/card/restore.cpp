#include "card/restore.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <tuple>

#include "card/card.h"
#include "card/save.h"
#include "core/error_messages.h"
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

// "1 pass", "12 passes".
Words Passes(int count) {
    return Words{count == 1 ? SAY("%1 pass") : SAY("%1 passes"), {std::to_string(count)}};
}

int PassesInUse(const CardImage& image) {
    int count = 0;
    for (int field = 1; field <= kSlotCount; ++field) count += LineInUse(image.Line(field));
    return count;
}

const char* FileName(TrackKind kind) {
    return kind == TrackKind::Straight ? "ablines.dat" : "circles.dat";
}

Words KindText(TrackKind kind) {
    return kind == TrackKind::Straight ? SAY("straight lines") : SAY("circle tracks");
}

// A label is a few letters; a file that long is not one.
constexpr std::size_t kLabelLimit = 256;

// "CARD" of "e: [CARD]" or "/media/farm/CARD [CARD]"; empty without one.
std::string CardLabel(const std::string& driveText) {
    const std::size_t open = driveText.rfind(" [");
    if (open == std::string::npos || !driveText.ends_with("]"))
        return {};
    return driveText.substr(open + 2, driveText.size() - open - 3);
}

// "field 12", "fields 12, 40 and 77".
Words FieldList(const std::vector<int>& fields) {
    std::vector<Words> numbers;
    for (int field : fields) numbers.push_back(std::to_string(field));
    return Words{fields.size() == 1 ? SAY("field %1") : SAY("fields %1"), {ListWords(numbers)}};
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
    if (!entry.Number)
        return PathText(entry.Folder);
    const std::string day = FormatDate(entry.Day);
    return day.substr(0, 2) + "/" + day.substr(2, 2) + "/" + day.substr(4) + " no. " +
           std::to_string(*entry.Number);
}

namespace {

// A folder's entries, listed once: a backup is looked into for several
// names, and a season holds a thousand backups.
class Spellings {
  public:
    Spellings(Files& files, const fs::path& folder)
        : folder_(folder), entries_(files.List(folder).value_or(std::vector<fs::path>{})) {}

    // The entry as the folder spells it, the exact spelling first; the name
    // as asked when there is none.
    fs::path Of(const std::string& name) const {
        const fs::path* found = nullptr;
        const std::string wanted = AsciiLower(name);
        for (const fs::path& entry : entries_) {
            const std::string have = PathText(entry.filename());
            if (have == name)
                return folder_ / have;
            if (found == nullptr && AsciiLower(have) == wanted)
                found = &entry;
        }
        return folder_ / (found != nullptr ? found->filename() : fs::path(name));
    }

  private:
    fs::path folder_;
    std::vector<fs::path> entries_;
};

BackupLineFile ReadLineFileIn(Files& files, const Spellings& top,
                              const std::optional<Spellings>& card, TrackKind kind) {
    BackupLineFile file;
    file.Kind = kind;
    // A flat copy first, then a copy of the whole card.
    for (const Spellings* where : {&top, card ? &*card : nullptr}) {
        if (where == nullptr)
            continue;
        const fs::path path = where->Of(FileName(kind));
        if (files.IsFile(path)) {
            file.Path = path;
            break;
        }
    }
    if (file.Path.empty())
        return file;
    const ReadResult contents = files.Read(file.Path, kLineFileLimit);
    if (!contents) {
        file.State = BackupFileState::Foreign;
        file.Damage = PlainReason(contents.Error(), Medium::Disk);
        return file;
    }
    file.Contents = *contents;
    SalvagedLines read = SalvageLineFile(contents->Bytes, contents->Whole);
    const bool whole = read.Whole;
    if (whole)
        file.State = BackupFileState::Whole;
    else if (read.Lost.size() < static_cast<std::size_t>(kSlotCount))
        file.State = BackupFileState::Damaged;
    else
        file.State = BackupFileState::Foreign;
    if (file.State == BackupFileState::Foreign)
        read.Image = NewBlankImage();
    else if (!whole)
        file.Damage = DescribeDamage(read);
    // The kind is the file's name, not whatever the folder above is called.
    read.Image.IsStraight = kind == TrackKind::Straight;
    read.Image.IsCircle = !read.Image.IsStraight;
    file.Image = std::move(read.Image);
    file.Passes = PassesInUse(file.Image);
    return file;
}

// The card's folder of line files inside a backup, when it has one.
std::optional<Spellings> CardLines(Files& files, const Spellings& top) {
    const fs::path lines = top.Of("pflines");
    if (!files.IsFolder(lines))
        return std::nullopt;
    return Spellings(files, lines);
}

BackupCard ReadCardIn(Files& files, const fs::path& folder, const Spellings& top) {
    BackupCard card;
    if (const auto label = files.Read(folder / kBackupLabelFile, kLabelLimit))
        card.Label = label->Bytes;
    const fs::path info = top.Of(kCardInfoFile);
    if (files.IsFile(info)) {
        if (const auto bytes = files.Read(info, kLineFileLimit))
            card.CardInfo = bytes->Bytes;
    }
    return card;
}

}  // namespace

BackupLineFile ReadBackupLineFile(Files& files, const fs::path& folder, TrackKind kind) {
    const Spellings top(files, folder);
    return ReadLineFileIn(files, top, CardLines(files, top), kind);
}

Words DescribeBackupFile(const BackupLineFile& file) {
    switch (file.State) {
        case BackupFileState::Missing:
            return SAY("none");
        case BackupFileState::Whole:
            return Passes(file.Passes);
        case BackupFileState::Damaged:
            return Words{SAY("damaged: %1 readable"), {Passes(file.Passes)}};
        case BackupFileState::Foreign:
            break;
    }
    return file.Damage.empty() ? SAY("not a line file")
                               : Words{SAY("cannot be read. %1"), {file.Damage}};
}

BackupSummary ReadBackup(Files& files, const fs::path& folder) {
    const Spellings top(files, folder);
    const std::optional<Spellings> card = CardLines(files, top);
    return {ReadLineFileIn(files, top, card, TrackKind::Straight),
            ReadLineFileIn(files, top, card, TrackKind::Circle), ReadCardIn(files, folder, top)};
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

Words DifferenceSummary(const std::vector<DifferenceRow>& rows) {
    int counts[4] = {};
    for (const DifferenceRow& row : rows) ++counts[static_cast<int>(row.Kind)];
    Words text;
    const auto add = [&](int count, const char* pattern) {
        if (count == 0)
            return;
        const Words part{pattern, {std::to_string(count)}};
        text = text.empty() ? part : Words{"%1, %2", {text, part}};
    };
    add(counts[static_cast<int>(Difference::OnlyInBackup)], SAY("%1 only in the backup"));
    add(counts[static_cast<int>(Difference::OnlyOnCard)], SAY("%1 only on the card"));
    add(counts[static_cast<int>(Difference::Different)], SAY("%1 different"));
    add(counts[static_cast<int>(Difference::Same)], SAY("%1 the same"));
    return text.empty() ? SAY("No passes in the backup or on the card.") : Words{"%1.", {text}};
}

void NoteBackupCard(Ports& ports, const fs::path& folder) {
    (void)ports.Disk.Replace(folder / kBackupLabelFile, CardLabel(ports.Drives.CurrentText()));
}

BackupCard ReadBackupCard(Files& files, const fs::path& folder) {
    return ReadCardIn(files, folder, Spellings(files, folder));
}

BackupCard CardInReader(Ports& ports) {
    const std::string drive = ports.Drives.CurrentText();
    BackupCard card;
    card.Label = CardLabel(drive);
    const fs::path info = CardFilePath(ports.Disk, drive, "", kCardInfoFile);
    if (ports.Disk.IsFile(info)) {
        if (const auto bytes = ports.Disk.Read(info, kLineFileLimit))
            card.CardInfo = bytes->Bytes;
    }
    return card;
}

std::optional<bool> SameCard(const BackupCard& backup, const BackupCard& reader) {
    if (backup.CardInfo && reader.CardInfo)
        return *backup.CardInfo == *reader.CardInfo;
    if (!backup.Label.empty() && !reader.Label.empty())
        return AsciiLower(backup.Label) == AsciiLower(reader.Label);
    return std::nullopt;
}

Words DescribeBackupCard(const BackupCard& backup, const BackupCard& reader) {
    const std::optional<bool> same = SameCard(backup, reader);
    const Words label = backup.Label.empty() ? SAY("unknown card") : Words{backup.Label};
    if (!same)
        return label;
    return Words{*same ? SAY("%1 (this card)") : SAY("%1 (another card)"), {label}};
}

bool RestoreToCard(Program& program, Ports& ports, const BackupLineFile& backup,
                   const std::string& backupName, const BackupCard& from,
                   const std::vector<int>& fields) {
    // A damaged file would put its unreadable records onto the card for
    // good; a file of the other kind would land in the wrong file.
    const CardImage& card = program.Table.Current(CardSide);
    if (backup.State != BackupFileState::Whole || !backup.Contents.Whole ||
        backup.Kind != program.Menus.Kind() || KindOf(card) != backup.Kind)
        return false;
    if (!CheckCard(program, ports, true))
        return false;
    const Words what = KindText(backup.Kind);
    const std::string root = CardRoot(ports.Drives.CurrentText());
    // Sentences one after another, each its own text for the translator.
    std::vector<Words> question;
    const BackupCard reader = CardInReader(ports);
    const bool another = SameCard(from, reader) == false;
    if (another)
        question.push_back(Words{
            SAY("This backup was made from another card (%1) than the one in the reader (%2).\r\n"),
            {from.Label.empty() ? SAY("its label unknown") : Words{from.Label},
             reader.Label.empty() ? SAY("no label") : Words{reader.Label}}});
    std::string bytes = backup.Contents.Bytes;
    if (fields.empty()) {
        question.push_back(Words{SAY("Replace all the %1 on the card %2 with those of the backup "
                                     "%3 (%4)?\r\nThe card's own %1 are backed up first."),
                                 {what, root, backupName, Passes(backup.Passes)}});
    } else {
        // Only these fields; the card's other lines stay as they are.
        CardImage image = card;
        std::vector<int> emptied;
        for (int field : fields) {
            if (!IsSlotNumber(field))
                return false;
            const GuidanceLine& line = backup.Image.Line(field);
            image.Line(field) = LineInUse(line) ? line : NewBlankImage().Line(field);
            image.Line(field).FieldNum = card.Line(field).FieldNum;
            if (!LineInUse(line))
                emptied.push_back(field);
        }
        bytes = LineFileText(image, LineLayout::Card);
        question.push_back(Words{SAY("Write %1 of the backup %2 onto the card %3?\r\n"),
                                 {FieldList(fields), backupName, root}});
        if (!emptied.empty())
            question.push_back(Words{SAY("The backup has no pass in %1: the card's is erased.\r\n"),
                                     {FieldList(emptied)}});
        question.push_back(
            Words{SAY("The card's other %1 stay as they are; all are backed up first."), {what}});
    }
    Words asked;
    for (const Words& sentence : question)
        asked = asked.empty() ? sentence : Words{"%1%2", {asked, sentence}};
    if (ports.Ask.Show({asked, Buttons::YesNo, another ? Icon::Exclamation : Icon::Question,
                        SAY("Write to Card"), Answer::No}) != Answer::Yes)
        return false;
    if (!WriteCardBytes(program, ports, bytes))
        return false;
    LoadCard(program, ports, false);
    return true;
}

}  // namespace swathkit
