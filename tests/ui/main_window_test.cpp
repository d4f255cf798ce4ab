#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStyle>

#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// The logic's boxes recorded, not shown.
struct MainHarness : WindowHarness {
    explicit MainHarness(bool withCard = true) {
        if (withCard) {
            const CardImage straight = ImageWith({{12, "+0000000000041.50000000"},
                                                  {40, "+0000000000042.00000000"},
                                                  {77, "+0000000000043.00000000"}});
            const CardImage circles = ImageWith({{9, "+0000000000041.00000000"}}, false);
            MakeCard(root, &straight, &circles);
        }
        setup.Ask = &dialogs;
        setup.Help = &help;
        Open();
    }
};

TEST(MainWindow, CaptionsTipsSelectionAndMenus) {
    MainHarness h;
    EXPECT_EQ(h.window->windowTitle(), "Swathkit 3.22");
    EXPECT_FALSE(h.Find<QProgressBar>("SaveProgress_0")->isVisibleTo(h.window.get()));
    for (const char* checked : {"mnuStraightTrack", "mnuShowLonLat", "mnuShowDMS"})
        EXPECT_TRUE(h.Find<QAction>(checked)->isChecked()) << checked;

    // The layout is in twips: the right-hand list starts 4680 twips in.
    const int dpi = h.window->logicalDpiX();
    EXPECT_NEAR(h.List(1)->x(), 4680 * dpi / 1440, 1);
    EXPECT_NEAR(h.List(1)->width(), 3015 * dpi / 1440, 1);

    // Ctrl and Shift add to the selection; nothing is edited in place.
    QTreeWidget* list = h.List(0);
    h.Select(0, {"12", "77"});
    QStringList selected;
    for (QTreeWidgetItem* item : list->selectedItems()) selected << item->text(0);
    selected.sort();
    EXPECT_EQ(selected, (QStringList{"12", "77"}));
    h.Click(0, "12", Qt::ShiftModifier);
    EXPECT_EQ(list->selectedItems().size(), 3);

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->topLevelItem(1)).center());
    QTest::keyClick(list, Qt::Key_F2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "40");
    EXPECT_EQ(list->findChild<QLineEdit*>(), nullptr);

    EXPECT_EQ(h.ItemTexts(0), (QStringList{"12", "40", "77"}));
    EXPECT_EQ(h.Find<QLabel>("Card_Description_0")->text(),
              QString::fromStdString("Your Card -- Available " + h.root.string()));
    EXPECT_EQ(h.List(0)->columnCount(), 4);

    h.Trigger("mnuShowLonLat");
    EXPECT_FALSE(h.Find<QAction>("mnuShowLonLat")->isChecked());
    EXPECT_EQ(h.List(0)->columnCount(), 2);
    EXPECT_EQ(h.List(1)->columnCount(), 2);
    h.Trigger("mnuShowLonLat");
    h.Trigger("mnuShowDMS");
    EXPECT_EQ(h.List(0)->topLevelItem(0)->text(2), "+041.500000");

    h.Trigger("mnuCircleTrack");
    h.Trigger("mnuCircleTrack");  // a checked item stays checked
    EXPECT_TRUE(h.Find<QAction>("mnuCircleTrack")->isChecked());
    EXPECT_FALSE(h.Find<QAction>("mnuStraightTrack")->isChecked());
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"9"}));
    EXPECT_EQ(h.List(0)->columnCount(), 3);
    EXPECT_EQ(h.List(1)->columnCount(), 4);  // the image list keeps its last fill
    EXPECT_TRUE(h.dialogs.shown.empty());
}

TEST(MainWindow, CardCommandsFollowCardDetection) {
    MainHarness h(false);
    const char* commands[] = {"cmdMoveLines_0", "cmdMoveLines_1", "cmdClear_0",
                              "cmdShuffle_0",   "cmdUndo_0",      "cmdCopyField_0"};
    const auto enabled = [&](bool state) {
        for (const char* name : commands) EXPECT_EQ(h.Find(name)->isEnabled(), state) << name;
    };
    enabled(false);
    for (const char* name : {"cmdClear_1", "cmdShuffle_1", "cmdUndo_1", "cmdCopyField_1"})
        EXPECT_TRUE(h.Find(name)->isEnabled()) << name;
    EXPECT_EQ(h.Find<QLabel>("Card_Description_0")->text(), "Your Card -- Not Detected");

    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"}});
    MakeCard(h.root, &straight);
    h.Press("cmdRefresh");
    enabled(true);
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"12"}));

    fs::remove_all(h.root);
    h.dialogs.ExpectTitle("Error with Card", Answer::Ok);
    h.Trigger("mnuRefreshDrives");
    enabled(false);
    EXPECT_TRUE(h.ItemTexts(0).isEmpty());
    EXPECT_TRUE(h.dialogs.Done());
}

// The window's fixed layout against the font it is drawn with: no caption
// runs into its control's frame and no column header is cut inside its own
// column, in every display state the menus give.
int TextWidth(const QWidget* widget, const QString& text) {
    return QFontMetrics(widget->font()).horizontalAdvance(text);
}

TEST(Layout, CaptionsAndColumnHeadersFitTheirControls) {
    WindowHarness h;
    CardImage straight = NewBlankImage();
    CardImage circles = NewBlankImage();
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot) {
        // The widest texts a line can give: three-digit degrees and a
        // negative sign in both coordinates.
        GuidanceLine& line = straight.Line(slot);
        line.Latitude = "-0000000000123.98765432";
        line.Longitude = "-0000000000179.98765432";
        line.HeadingNorth = "-0000000000000.50000000";
        line.HeadingEast = "-0000000000000.86602540";
        circles.Line(slot) = straight.Line(slot);
    }
    straight.IsStraight = true;
    circles.IsCircle = true;
    MakeCard(h.root, &straight, &circles);
    h.WriteMaster(straight);
    h.Open();
    AB_Main& window = *h.window;

    for (auto* button : window.findChildren<QPushButton*>()) {
        if (button->text().isEmpty())
            continue;
        const QStyle* style = button->style();
        const int room = button->width() -
                         style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) -
                         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        EXPECT_LE(TextWidth(button, button->text()), room) << button->text().toStdString();
    }
    for (auto* label : window.findChildren<QLabel*>()) {
        // The card's root is as long as the machine makes it; its label
        // shrinks as far as it can and carries the whole text as its tip.
        if (label->objectName() == "Card_Description_0") {
            EXPECT_EQ(label->toolTip(), label->text());
            continue;
        }
        EXPECT_LE(TextWidth(label, label->text()), label->width()) << label->text().toStdString();
    }

    const auto headersFit = [&](const char* state) {
        for (const char* name : {"Card_List_0", "Card_List_1"}) {
            auto* list = h.Find<QTreeWidget>(name);
            ASSERT_EQ(list->topLevelItemCount(), kSlotCount - 5) << name << " " << state;
            QHeaderView* header = list->header();
            for (int column = 0; column < list->columnCount(); ++column) {
                const QString caption = list->headerItem()->text(column);
                EXPECT_GE(header->sectionSize(column), TextWidth(header, caption))
                    << name << " " << state << ": " << caption.toStdString();
                // The widest cell of the column is not cut either.
                EXPECT_GE(header->sectionSize(column),
                          static_cast<QAbstractItemView*>(list)->sizeHintForColumn(column))
                    << name << " " << state << ": " << caption.toStdString();
            }
        }
    };
    headersFit("straight, DMS");
    h.Trigger("mnuShowDMS");
    headersFit("straight, decimal");
    h.Trigger("mnuCircleTrack");
    headersFit("circle, decimal");
    h.Trigger("mnuShowDMS");
    headersFit("circle, DMS");
}

// Card 12, 40, 77; the image holds another 40, and 90.
struct EditHarness : WindowHarness {
    EditHarness() {
        const CardImage card = ImageWith({{12, Pass(12)}, {40, Pass(40)}, {77, Pass(77)}});
        MakeCard(root, &card);
        WriteMaster(ImageWith({{40, Pass(40, 1)}, {90, Pass(90, 1)}}));
        Open();
    }
};

TEST(EditWindow, PassesGoAcrossAreErasedUndoneAndRenumberedThroughTheRealBoxes) {
    EditHarness h;
    ASSERT_EQ(h.ItemTexts(0), (QStringList{"12", "40", "77"}));
    ASSERT_EQ(h.ItemTexts(1), (QStringList{"40", "90"}));
    const std::string cardBefore = Bytes(h.CardFile());

    h.Select(0, {"12", "40", "77"});
    h.script.Box("Replace Pass", "Pass #40 will replace pass #40. Is this ok?",
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    h.script.Input("Copy field #40 to which field: \nYou will not be prompted to overwrite!", "3");
    h.script.Box("Invalid Number", "You've can not assign to Field 1-5. Re-Enter?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    h.script.Input("Copy field #40 to which field: ", "90");
    h.List(1)->setFocus();
    h.Press("cmdMoveLines_0");
    EXPECT_EQ(h.window->focusWidget(), h.List(0));
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "40", "77", "90"}));
    const CardImage master = h.Master();
    EXPECT_EQ(master.Line(12).Latitude, Pass(12));
    EXPECT_EQ(master.Line(40).Latitude, Pass(40, 1));
    EXPECT_EQ(master.Line(90).Latitude, Pass(40));
    EXPECT_EQ(master.Line(90).FieldNum, "+000000090");
    EXPECT_EQ(h.List(0)->selectedItems().size(), 3);  // the source list is not redrawn
    EXPECT_TRUE(Bytes(h.CardFile()) == cardBefore);

    // Erase and Undo under the image list.
    h.Select(1, {"40", "90"});
    h.script.Box("Verify Clear", "Are you sure you want to clear the selected items?",
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    h.Press("cmdClear_1");
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "77"}));
    EXPECT_FALSE(LineInUse(h.Master().Line(90)));

    // Pressing Undo already hands the focus to its list; the release undoes.
    h.List(0)->setFocus();
    QPushButton* undo = h.Find("cmdUndo_1");
    QTest::mousePress(undo, Qt::LeftButton);
    EXPECT_EQ(h.window->focusWidget(), h.List(1));
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "77"}));
    QTest::mouseRelease(undo, Qt::LeftButton);
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "40", "77", "90"}));
    EXPECT_EQ(h.window->focusWidget(), h.List(1));
    EXPECT_EQ(h.Master().Line(90).Latitude, Pass(40));

    // The card side's "Change Field #" rewrites the card after a backup.
    h.Click(0, "12");
    h.script.Input("Copy field #12 to which field: \nYou will not be prompted to overwrite!",
                   "250");
    h.Press("cmdShuffle_0");
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"40", "77", "250"}));
    const CardImage card = ReadLineFile(h.CardFile());
    EXPECT_EQ(card.Line(250).Latitude, Pass(12));
    EXPECT_FALSE(LineInUse(card.Line(12)));
    const fs::path backup = h.setup.WorkFolder / "Backup" / "12062026" / "0" / "ablines.dat";
    EXPECT_TRUE(Bytes(backup) == cardBefore);

    // "Copy Field" with nothing selected says so.
    h.script.Box("Nothing Selected",
                 "Make sure you have selected at least one field to \nmove across.  You can "
                 "select multiple fields by \nholding the CTRL-key while you click.",
                 QMessageBox::Ok, QMessageBox::Ok);
    h.Press("cmdCopyField_0");
}

}  // namespace
}  // namespace swathkit

int main(int argc, char** argv) {
    // Off screen unless told otherwise, so that the tests need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
