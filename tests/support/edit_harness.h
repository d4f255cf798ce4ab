#pragma once
// A card in a folder beside a master copy, started up as the window starts,
// for the tests of the editing commands.

#include <map>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit::testing {

using Texts = std::vector<std::string>;

inline std::map<int, std::string> Passes(const std::vector<int>& fields) {
    std::map<int, std::string> latitudes;
    for (int slot : fields) latitudes[slot] = Pass(slot);
    return latitudes;
}

// A card in a folder and a master copy, started up as the window starts.
struct EditHarness : Harness {
    EditHarness(const std::map<int, std::string>& card, const std::map<int, std::string>& image) {
        const CardImage onCard = ImageWith(card);
        MakeCard(root, &onCard);
        WriteFile(MasterCopyFile(program, true),
                  LineFileText(ImageWith(image), LineLayout::MasterCopy));
        StartUp(program, ports);
        cardAsRead = Bytes(Lines());
        masterAsRead = Bytes(MasterPath());
    }
    fs::path MasterPath() const { return MasterCopyFile(program, true); }

    // Both the memory and the file must hold what the list shows.
    void ExpectWritten(int side) {
        const CardImage& current = program.Table.Current(side);
        const bool card = side == CardSide;
        EXPECT_EQ(Bytes(card ? Lines() : MasterPath()),
                  LineFileText(current, card ? LineLayout::Card : LineLayout::MasterCopy));
        EXPECT_EQ((card ? cardList : imageList).rows, ListRows(current, program.Menus));
    }
    // Today's backup folders are "0", "1", ... holding these card files.
    void ExpectBackups(const Texts& cards) const {
        EXPECT_EQ(fs::exists(day) ? std::distance(fs::directory_iterator(day), {}) : 0,
                  static_cast<long>(cards.size()));
        for (std::size_t i = 0; i < cards.size(); ++i)
            EXPECT_EQ(Bytes(day / std::to_string(i) / "ablines.dat"), cards[i]) << i;
    }
    std::string cardAsRead, masterAsRead;
};

}  // namespace swathkit::testing
