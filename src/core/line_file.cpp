#include "core/line_file.h"

#include <algorithm>

namespace swathkit {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads delimited fields: a comma or a line end closes a field, blanks
// around a field are dropped (so the writers' separators never grow from
// one save to the next), and a line end is only a separator, so a line with
// too many fields shifts the records after it.
class FieldReader {
  public:
    FieldReader(std::string_view bytes, bool whole) : bytes_(bytes), whole_(whole) {}

    std::optional<std::string> Next() {
        while (pos_ < bytes_.size() && IsBlank(bytes_[pos_])) ++pos_;
        if (pos_ >= bytes_.size())
            return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < bytes_.size() && !IsTerminator(bytes_[pos_])) {
            if (bytes_[pos_] == '\0' || pos_ - start >= kFieldLimit)
                return std::nullopt;
            ++pos_;
        }
        // A field cut off by the read limit is not a field.
        if (pos_ >= bytes_.size() && !whole_)
            return std::nullopt;
        std::size_t end = pos_;
        while (end > start && IsBlank(bytes_[end - 1])) --end;
        if (pos_ < bytes_.size()) {
            const char terminator = bytes_[pos_++];
            if (terminator == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n')
                ++pos_;
        }
        return std::string(bytes_.substr(start, end - start));
    }

  private:
    static bool IsTerminator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    std::string_view bytes_;
    bool whole_;
    std::size_t pos_ = 0;
};

void BlankReservedSlots(CardImage& image) {
    for (int slot = 1; slot < kFirstUsableField; ++slot) {
        GuidanceLine& line = image.Line(slot);
        line.Latitude = line.Longitude = line.HeadingNorth = line.HeadingEast = BlankCoordinate;
    }
}

// The five fields of one line, or nothing when the line does not hold
// exactly five good ones.
std::optional<GuidanceLine> LineOfFiveFields(std::string_view text) {
    FieldReader reader(text, true);
    GuidanceLine line;
    for (std::string* field :
         {&line.FieldNum, &line.Latitude, &line.Longitude, &line.HeadingNorth, &line.HeadingEast}) {
        auto value = reader.Next();
        if (!value)
            return std::nullopt;
        *field = std::move(*value);
    }
    if (reader.Next())
        return std::nullopt;
    return line;
}

}  // namespace

std::optional<CardImage> ParseLineFile(std::string_view bytes, bool whole) {
    FieldReader reader(bytes, whole);
    CardImage image;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        GuidanceLine& line = image.Line(slot);
        for (std::string* field : {&line.FieldNum, &line.Latitude, &line.Longitude,
                                   &line.HeadingNorth, &line.HeadingEast}) {
            auto text = reader.Next();
            if (!text)
                return std::nullopt;
            *field = std::move(*text);
        }
    }
    BlankReservedSlots(image);
    return image;
}

SalvagedLines SalvageLineFile(std::string_view bytes, bool whole) {
    if (auto image = ParseLineFile(bytes, whole))
        return {std::move(*image), {}};
    // Damaged: the records are no longer trusted to follow one another, so
    // each line stands for its own slot and spoils only that slot.
    SalvagedLines read{NewBlankImage(), {}};
    std::size_t pos = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        // A last line without its line end may have been cut off, unless it
        // is the 250th of a whole file.
        const bool ended = end < bytes.size() || (whole && slot == kSlotCount);
        auto line = pos < bytes.size() && ended ? LineOfFiveFields(bytes.substr(pos, end - pos))
                                                : std::nullopt;
        if (line)
            read.Image.Line(slot) = std::move(*line);
        else
            read.Lost.push_back(slot);
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r')
            ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
    }
    BlankReservedSlots(read.Image);
    return read;
}

std::string DescribeRecords(const std::vector<int>& slots) {
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < slots.size();) {
        std::size_t j = i;
        while (j + 1 < slots.size() && slots[j + 1] == slots[j] + 1) ++j;
        runs.push_back(std::to_string(slots[i]) +
                       (j > i ? " to " + std::to_string(slots[j]) : std::string()));
        i = j + 1;
    }
    std::string text = slots.size() == 1 ? "record " : "records ";
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i > 0)
            text += i + 1 == runs.size() ? " and " : ", ";
        text += runs[i];
    }
    return text;
}

void SetKindFromPath(CardImage& image, const fs::path& path) {
    image.IsCircle = PathText(path).find("ircle") != std::string::npos;
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
