#pragma once
// Cards made in a temporary folder, with the files a real card carries.

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "core/line_file.h"

namespace swathkit::testing {

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

}  // namespace swathkit::testing
