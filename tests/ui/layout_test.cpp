// The window's fixed layout against the font it is drawn with: no caption
// runs into its control's frame and no column header is cut inside its own
// column, in every display state the menus give.

#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"
#include "ui/main_window.h"

namespace swathkit {
namespace {

using namespace testing;

int TextWidth(const QWidget* widget, const QString& text) {
    return QFontMetrics(widget->font()).horizontalAdvance(text);
}

TEST(Layout, CaptionsAndColumnHeadersFitTheirControls) {
    TempFolder work;
    const fs::path card = work.path() / "CARD";
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
    MakeCard(card, &straight, &circles);
    Program program;
    program.WorkFolder = work.path() / "Swathkit";
    WriteFile(MasterCopyFile(program, true), LineFileText(straight, LineLayout::MasterCopy));
    ScriptedDialogs dialogs;
    FakeHelp help;
    WindowSetup setup;
    setup.WorkFolder = program.WorkFolder;
    setup.ProgramFolder = work.path();
    setup.Ask = &dialogs;
    setup.Help = &help;
    setup.Drives = [&] { return DriveList{{"/", card.string() + " [CARD]"}, 1}; };
    AB_Main window(setup);
    window.show();

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
            auto* list = window.findChild<QTreeWidget*>(name);
            ASSERT_NE(list, nullptr);
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
    window.findChild<QAction*>("mnuShowDMS")->trigger();
    headersFit("straight, decimal");
    window.findChild<QAction*>("mnuCircleTrack")->trigger();
    headersFit("circle, decimal");
    window.findChild<QAction*>("mnuShowDMS")->trigger();
    headersFit("circle, DMS");
}

}  // namespace
}  // namespace swathkit
