#include "core/line_file.h"

#include <algorithm>

#include "core/number_text.h"

namespace swathkit {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// One line of the file: CR LF, LF or CR alone ends it.
struct TextLine {
    std::string_view Text;
    bool Ended = false;  // a line end follows it
};

class LineSplitter {
  public:
    explicit LineSplitter(std::string_view bytes) : bytes_(bytes) {}

    std::optional<TextLine> Next() {
        if (pos_ >= bytes_.size())
            return std::nullopt;
        const std::size_t end = std::min(bytes_.find_first_of("\r\n", pos_), bytes_.size());
        TextLine line{bytes_.substr(pos_, end - pos_), end < bytes_.size()};
        pos_ = end;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\r')
            ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n')
            ++pos_;
        return line;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// A line that ends at the end of the bytes may have been cut inside its last
// field. Its field is known to be over only when the bytes are the whole
// file and the blank a card line carries after its last field is there.
bool Complete(const TextLine& line, bool whole) {
    return line.Ended || (whole && !line.Text.empty() && IsBlank(line.Text.back()));
}

void BlankReservedSlots(CardImage& image) {
    for (int slot = 1; slot < kFirstUsableField; ++slot) {
        GuidanceLine& line = image.Line(slot);
        line.Latitude = line.Longitude = line.HeadingNorth = line.HeadingEast = BlankCoordinate;
    }
}

// The five fields of one line, blanks around each dropped (so the writers'
// separators never grow from one save to the next), or nothing when the line
// does not hold exactly five good ones. A number too long for a double is
// not good: it could only ever be shown as some other number.
std::optional<GuidanceLine> LineOfFiveFields(std::string_view text) {
    GuidanceLine line;
    std::string* const fields[] = {&line.FieldNum, &line.Latitude, &line.Longitude,
                                   &line.HeadingNorth, &line.HeadingEast};
    std::size_t count = 0;
    for (std::size_t pos = 0; pos <= text.size(); ++count) {
        const std::size_t comma = std::min(text.find(',', pos), text.size());
        const std::string_view field = Trimmed(text.substr(pos, comma - pos));
        if (count == std::size(fields) || field.size() > kFieldLimit ||
            field.find('\0') != std::string_view::npos)
            return std::nullopt;
        *fields[count] = std::string(field);
        pos = comma + 1;
    }
    if (count != std::size(fields))
        return std::nullopt;
    for (std::size_t i = 1; i < count; ++i) {
        if (!LeadingNumberFits(*fields[i]))
            return std::nullopt;
    }
    return line;
}

// The slot a record's field number text names; 0 when it names none.
int SlotNamed(const GuidanceLine& line) {
    const double number = LeadingNumber(line.FieldNum);
    return number >= 1 && number <= kSlotCount && number == static_cast<int>(number)
               ? static_cast<int>(number)
               : 0;
}

}  // namespace

std::optional<CardImage> ParseLineFile(std::string_view bytes, bool whole) {
    // Whole means each of the first 250 lines is the record of its own slot:
    // a line of more or fewer fields, or one numbered for another slot,
    // would put every later record in the wrong slot.
    LineSplitter lines(bytes);
    CardImage image;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::optional<TextLine> text = lines.Next();
        if (!text || !Complete(*text, whole))
            return std::nullopt;
        std::optional<GuidanceLine> line = LineOfFiveFields(text->Text);
        if (!line || SlotNamed(*line) != slot)
            return std::nullopt;
        image.Line(slot) = std::move(*line);
    }
    BlankReservedSlots(image);
    return image;
}

SalvagedLines SalvageLineFile(std::string_view bytes, bool whole) {
    if (auto image = ParseLineFile(bytes, whole))
        return {std::move(*image), {}, true};
    // Damaged: the lines no longer follow their slots one by one, so each
    // good record goes to the slot its field number names. A record standing
    // on its own line number wins a slot that two records name; otherwise
    // the first one does.
    std::vector<std::optional<GuidanceLine>> ownLine(kSlotCount + 1), elsewhere(kSlotCount + 1);
    LineSplitter lines(bytes);
    for (int number = 1; const std::optional<TextLine> text = lines.Next(); ++number) {
        if (!Complete(*text, whole))
            continue;
        std::optional<GuidanceLine> line = LineOfFiveFields(text->Text);
        const int slot = line ? SlotNamed(*line) : 0;
        if (slot == 0)
            continue;
        std::optional<GuidanceLine>& keep = number == slot ? ownLine[slot] : elsewhere[slot];
        if (!keep)
            keep = std::move(line);
    }
    SalvagedLines read{NewBlankImage(), {}, false};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (std::optional<GuidanceLine>& line = ownLine[slot] ? ownLine[slot] : elsewhere[slot])
            read.Image.Line(slot) = std::move(*line);
        else
            read.Lost.push_back(slot);
    }
    BlankReservedSlots(read.Image);
    return read;
}

Words DescribeDamage(const SalvagedLines& read) {
    if (read.Whole)
        return {};
    if (!read.Lost.empty())
        return Words{SAY("%1 could not be read"), {DescribeRecords(read.Lost)}};
    return SAY("not every line holds one record, though every record could be read");
}

Words DescribeRecords(const std::vector<int>& slots) {
    std::vector<Words> runs;
    for (std::size_t i = 0; i < slots.size();) {
        std::size_t j = i;
        while (j + 1 < slots.size() && slots[j + 1] == slots[j] + 1) ++j;
        runs.push_back(
            j > i ? Words{SAY("%1 to %2"), {std::to_string(slots[i]), std::to_string(slots[j])}}
                  : Words{std::to_string(slots[i])});
        i = j + 1;
    }
    return Words{slots.size() == 1 ? SAY("record %1") : SAY("records %1"), {ListWords(runs)}};
}

void SetKindFromPath(CardImage& image, const fs::path& path) {
    image.IsCircle = PathText(path.filename()).find("ircle") != std::string::npos;
    image.IsStraight = !image.IsCircle;
}

std::optional<CardImage> TryReadLineFile(const fs::path& path, Files& files) {
    const auto contents = files.Read(path, kLineFileLimit);
    if (!contents)
        return std::nullopt;
    auto image = ParseLineFile(contents->Bytes, contents->Whole);
    if (!image)
        return std::nullopt;
    SetKindFromPath(*image, path);
    return image;
}

std::string LineFileText(const CardImage& image, LineLayout layout) {
    std::string text;
    text.reserve(kSlotCount * 120);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const GuidanceLine& line = image.Line(slot);
        text += line.FieldNum;
        text += "  ,";
        text += line.Latitude;
        text += " ,";
        text += line.Longitude;
        text += " ,";
        text += line.HeadingNorth;
        text += " ,";
        text += line.HeadingEast;
        if (layout == LineLayout::Card)
            text += ' ';
        text += "\r\n";
    }
    return text;
}

}  // namespace swathkit
