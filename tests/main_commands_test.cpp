#include <gtest/gtest.h>

#include "core/master_copy.h"
#include "display/line_list.h"
#include "shell/main_commands.h"
#include "support/cards.h"
#include "support/fakes.h"

namespace swathkit {
namespace {

using namespace testing;

TEST(LineList, ColumnsFollowTheTrackKindAndLonLat) {
    const auto captions = [](bool straight, bool lonLat) {
        MenuChoices menus;
        menus.StraightTrack = straight;
        menus.ShowLonLat = lonLat;
        std::vector<std::string> texts;
        for (const Column& column : ListColumns(menus)) {
            texts.push_back(column.Caption + " " + std::to_string(column.WidthTwips));
        }
        return texts;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(captions(true, true),
              (Texts{"Field # 400", "Heading 1000", "Latitude 1000", "Longitude 1000"}));
    EXPECT_EQ(captions(true, false), (Texts{"Field # 400", "Heading 1000"}));
    EXPECT_EQ(captions(false, true), (Texts{"Field # 400", "Latitude 1000", "Longitude 1000"}));
    EXPECT_EQ(captions(false, false), (Texts{"Field # 400"}));
}

TEST(LineList, RowsAreTheSlotsInUseInSlotOrder) {
    CardImage image = ImageWith({{250, "+0000000000041.50000000"}, {6, "-0000000000093.25000000"}});
    image.Line(12).HeadingEast = "+0000000000002.00000000";  // only one text set
    image.Line(3).Latitude = "+0000000000001.00000000";      // a reserved slot is listed too
    image.Line(250).FieldNum = "+000000250";
    MenuChoices menus;
    const auto rows = ListRows(image, menus);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0], "3");
    EXPECT_EQ(rows[1], (std::vector<std::string>{"6", "045.0000\xC2\xB0",
                                                 "-93\xC2\xB0"
                                                 "15'0''",
                                                 "-93\xC2\xB0"
                                                 "15'0''"}));
    EXPECT_EQ(rows[2][0], "12");
    EXPECT_EQ(rows[2][2],
              "+0\xC2\xB0"
              "0'0''");
    EXPECT_EQ(rows[3][0], "250");
    menus.ShowDMS = false;
    EXPECT_EQ(ListRows(image, menus)[3][2], "+041.500000");
}

TEST(Shell, StartUpWithoutCardOrMasterCopyIsQuiet) {
    Harness h;
    h.drives.entries = {"/"};
    StartUp(h.program, h.ports);
    EXPECT_TRUE(h.dialogs.shown.empty());
    EXPECT_EQ(h.controls.description, "Your Card -- Not Detected");
    EXPECT_TRUE(h.controls.AllCardCommands(false));
    EXPECT_TRUE(h.cardList.rows.empty());
    EXPECT_TRUE(h.imageList.rows.empty());
    EXPECT_EQ(h.imageList.columns.size(), 4u);
    EXPECT_TRUE(h.program.Table.At(ImageSide, 0).IsStraight);
    EXPECT_TRUE(fs::is_directory(h.program.WorkFolder));
    EXPECT_FALSE(h.program.ImageChanged);
}

TEST(Shell, StartUpShowsTheCardBesideTheMasterCopy) {
    Harness h;
    const fs::path root = h.work.path() / "card";
    const CardImage card = ImageWith({{12, "+0000000000041.50000000"}});
    const CardImage circles = ImageWith({{20, "+0000000000041.50000000"}}, false);
    MakeCard(root, &card, &circles);
    h.drives.entries = {"/", root.string()};
    h.drives.current = 1;
    h.program.ImageChanged = true;
    const CardImage master = ImageWith({{40, "+0000000000010.00000000"}});
    MakeWorkFolder(h.program, h.ports.Disk);
    WriteFile(MasterCopyFile(h.program, true), LineFileText(master, LineLayout::MasterCopy));

    StartUp(h.program, h.ports);
    EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"12"}));
    EXPECT_EQ(h.imageList.ItemTexts(), (std::vector<std::string>{"40"}));
    EXPECT_EQ(h.program.Table.At(ImageSide, 1), master);
    EXPECT_TRUE(h.controls.AllCardCommands(true));
    EXPECT_FALSE(h.program.ImageChanged);

    // Switching the kind reloads the card only; the image side is untouched
    // and still bound to its straight master copy.
    const int imageFills = h.imageList.fills;
    mnuCircleTrack_Click(h.program, h.ports);
    mnuCircleTrack_Click(h.program, h.ports);  // again: still reloads
    EXPECT_EQ(h.cardList.ItemTexts(), (std::vector<std::string>{"20"}));
    EXPECT_EQ(h.imageList.fills, imageFills);
    EXPECT_TRUE(h.program.Table.At(ImageSide, 0).IsStraight);
    EXPECT_EQ(h.cardList.focused, 2);

    // Lon / Lat and DMS redraw both lists; twice gives the first look back.
    mnuStraightTrack_Click(h.program, h.ports);
    const auto before = h.imageList.rows;
    mnuShowLonLat_Click(h.program, h.ports);
    EXPECT_EQ(h.cardList.columns.size(), 2u);
    EXPECT_EQ(h.imageList.columns.size(), 2u);
    mnuShowLonLat_Click(h.program, h.ports);
    EXPECT_EQ(h.imageList.rows, before);
    mnuShowDMS_Click(h.program, h.ports);
    EXPECT_EQ(h.imageList.rows[0][2], "+010.000000");
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(Shell, HelpWithTheFileMissing) {
    Harness h;
    h.dialogs.Expect({"Help File could not be found!", Buttons::Ok, Icon::Exclamation, "No Help"},
                     Answer::Ok);
    ShowHelp(h.ports, h.work.path());
    EXPECT_EQ(h.help.opened, (std::vector<std::string>{(h.work.path() / "AB_Help.chm").string()}));

    WriteFile(h.work.path() / "AB_Help.chm", "present");
    ShowHelp(h.ports, h.work.path());
    EXPECT_TRUE(h.dialogs.Done());
}

}  // namespace
}  // namespace swathkit
