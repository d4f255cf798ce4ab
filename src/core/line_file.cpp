#include "core/line_file.h"

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

CardImage EmptyImage() {
    return CardImage{};
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
    for (int slot = 1; slot < kFirstUsableField; ++slot) {
        GuidanceLine& line = image.Line(slot);
        line.Latitude = line.Longitude = line.HeadingNorth = line.HeadingEast = BlankCoordinate;
    }
    return image;
}

std::optional<CardImage> TryReadLineFile(const fs::path& path, Files& files) {
    const auto contents = files.Read(path, kLineFileLimit);
    if (!contents)
        return std::nullopt;
    auto image = ParseLineFile(contents->Bytes, contents->Whole);
    if (!image)
        return std::nullopt;
    image->IsCircle = path.string().find("ircle") != std::string::npos;
    image->IsStraight = !image->IsCircle;
    return image;
}

CardImage ReadLineFile(const fs::path& path, Files& files) {
    return TryReadLineFile(path, files).value_or(EmptyImage());
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
