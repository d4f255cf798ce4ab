#pragma once
// Cards made in a temporary folder, with the files a real card carries, and
// the passes put on them.

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/line_file.h"
#include "core/number_text.h"
#include "geo/geo.h"

namespace swathkit::testing {

// A latitude that tells which pass a slot holds, and on which card.
inline std::string Pass(int n, int card = 0) {
    return "+00000000000" + std::to_string(40 + card) + "." + FormatPicture(n, 8, 0);
}
// A latitude about 111 m north of pass n - 1's, so that no two passes are
// within the duplicate search's limits unless meant to be.
inline std::string Spot(int n, int card = 0) {
    return "+" + FormatPicture(40 + card + n * 0.001, 13, 8);
}

// The file's image, or the empty image (every text empty, both kind flags
// false) when it cannot be read whole.
inline CardImage ReadLineFile(const fs::path& path) {
    return TryReadLineFile(path).value_or(CardImage{});
}

// A pass at a place, heading along (north, east).
inline GuidanceLine PassAt(int field, GeoPoint at, double north, double east) {
    GuidanceLine line = NewBlankImage().Line(field);
    line.Latitude = StoredNumber(at.Latitude);
    line.Longitude = StoredNumber(at.Longitude);
    line.HeadingNorth = StoredNumber(north);
    line.HeadingEast = StoredNumber(east);
    return line;
}

// An image with the given slots holding a line at the given latitude.
inline CardImage ImageWith(const std::map<int, std::string>& latitudes, bool straight = true) {
    CardImage image = NewBlankImage();
    for (const auto& [slot, latitude] : latitudes) {
        image.Line(slot).Latitude = latitude;
        image.Line(slot).Longitude = "-0000000000093.25000000";
        image.Line(slot).HeadingNorth = "+0000000000001.00000000";
        image.Line(slot).HeadingEast = "+0000000000001.00000000";
    }
    image.IsStraight = straight;
    image.IsCircle = !straight;
    return image;
}

inline std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Writes pflines/ablines.dat and/or circles.dat and cardinfo.bin below root.
inline void MakeCard(const std::filesystem::path& root, const CardImage* straight,
                     const CardImage* circle = nullptr) {
    std::filesystem::create_directories(root / "pflines");
    if (straight)
        WriteFile(root / "pflines" / "ablines.dat", LineFileText(*straight, LineLayout::Card));
    if (circle)
        WriteFile(root / "pflines" / "circles.dat", LineFileText(*circle, LineLayout::Card));
    WriteFile(root / "cardinfo.bin", std::string("\x01\x02\x00\x03", 4));
}

// Every file below root, by its path relative to root.
using FileSnapshot = std::map<std::filesystem::path, std::string>;
inline FileSnapshot Snapshot(const std::filesystem::path& root) {
    FileSnapshot files;
    if (std::filesystem::exists(root))
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_regular_file())
                files[std::filesystem::relative(entry.path(), root)] = Bytes(entry.path());
    return files;
}

}  // namespace swathkit::testing
