#pragma once
// Cards on real FAT file systems: an image made with mkfs.vfat and mounted
// with fusefat, so that case-insensitive names, read-only media and a card
// pulled out mid-write behave as on the farm's own cards.

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "support/cards.h"

namespace swathkit::testing {

class FatCard {
  public:
    // Where the tools are missing or FUSE is unavailable, the tests skip.
    static bool Available() {
        static const bool available =
            std::system(
                "command -v mkfs.vfat fusefat fusermount >/dev/null 2>&1 && "
                "test -c /dev/fuse") == 0;
        return available;
    }

    FatCard(const std::filesystem::path& folder, const std::string& label)
        : image_(folder / (label + ".img")) {
        std::filesystem::create_directories(folder);
        made_ = Run("dd if=/dev/zero of='" + image_.string() +
                    "' bs=1M count=4 status=none && mkfs.vfat -n " + label + " '" +
                    image_.string() + "' >/dev/null");
    }
    ~FatCard() { Unmount(); }
    FatCard(const FatCard&) = delete;
    FatCard& operator=(const FatCard&) = delete;

    // Mounts the image at folder, which is made when missing.
    bool Mount(const std::filesystem::path& folder, bool readOnly = false) {
        Unmount();
        std::filesystem::create_directories(folder);
        if (!made_ || !Run("fusefat -o " + std::string(readOnly ? "ro " : "rw+ ") + "'" +
                           image_.string() + "' '" + folder.string() + "' >/dev/null 2>&1"))
            return false;
        mountPoint_ = folder;
        return true;
    }
    // Like pulling the card out: the file system goes away at once, open
    // files or not.
    void Unmount() {
        if (mountPoint_.empty())
            return;
        Run("fusermount -u -z '" + mountPoint_.string() + "' >/dev/null 2>&1");
        mountPoint_.clear();
        // The image is only whole once its file system's process has gone.
        Run("for i in $(seq 100); do pgrep -f \"[f]usefat.*" + image_.string() +
            "\" >/dev/null || exit 0; sleep 0.05; done");
    }

  private:
    static bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

    std::filesystem::path image_, mountPoint_;
    bool made_ = false;
};

// A card as the card's own software leaves it, upper-case names and its
// label as cardinfo.bin, ready to be mounted at reader.
inline std::unique_ptr<FatCard> MakeFatCard(const std::filesystem::path& work,
                                            const std::filesystem::path& reader,
                                            const std::string& label, const CardImage& lines) {
    auto card = std::make_unique<FatCard>(work / "images", label);
    if (!card->Mount(reader))
        return card;
    WriteFile(reader / "PFLINES" / "ABLINES.DAT", LineFileText(lines, LineLayout::Card));
    WriteFile(reader / "PFLINES" / "CIRCLES.DAT",
              LineFileText(ImageWith({{5, Pass(5)}}, false), LineLayout::Card));
    WriteFile(reader / "CARDINFO.BIN", label);
    card->Unmount();
    return card;
}

}  // namespace swathkit::testing

#define SKIP_WITHOUT_FAT()                        \
    if (!swathkit::testing::FatCard::Available()) \
    GTEST_SKIP() << "mkfs.vfat, fusefat or /dev/fuse is missing: FAT cards cannot be mounted"
