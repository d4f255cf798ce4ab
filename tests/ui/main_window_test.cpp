#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSizeGrip>
#include <map>

#include "ui/export_dialog.h"
#include "ui/help_window.h"
#include "ui/import_dialog.h"
#include "ui/merge_card_dialog.h"
#include "ui/shift_dialog.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// Commands follow the card as it comes and goes; the lists, selection and
// display menus on the card found.
TEST(MainWindow, CardCommandsCaptionsSelectionAndMenus) {
    WindowHarness h;
    h.setup.Ask = &h.dialogs;  // the logic's boxes recorded, not shown
    h.setup.Help = &h.help;
    h.Open();
    EXPECT_EQ(h.window->windowTitle(), "Swathkit 3.22");
    EXPECT_FALSE(h.Find<QProgressBar>("SaveProgress_0")->isVisibleTo(h.window.get()));
    for (const char* checked : {"mnuStraightTrack", "mnuShowLonLat", "mnuShowDMS"})
        EXPECT_TRUE(h.Find<QAction>(checked)->isChecked()) << checked;
    const auto enabled = [&](bool state) {
        for (const char* name : {"cmdMoveLines_0", "cmdMoveLines_1", "cmdClear_0", "cmdUndo_0"})
            EXPECT_EQ(h.Find(name)->isEnabled(), state) << name;
    };
    enabled(false);
    EXPECT_TRUE(h.Find("cmdClear_1")->isEnabled());

    const CardImage straight = ImageWith({{12, "+0000000000041.50000000"},
                                          {40, "+0000000000042.00000000"},
                                          {77, "+0000000000043.00000000"}});
    const CardImage circles = ImageWith({{9, "+0000000000041.00000000"}}, false);
    MakeCard(h.root, &straight, &circles);
    h.Press("cmdRefresh");
    enabled(true);
    EXPECT_EQ(h.Find<QLabel>("Card_Description_0")->text(),
              QString::fromStdString("Your Card -- Available " + h.root.string()));
    // The layout is in twips: the right-hand list starts 4680 twips in.
    EXPECT_NEAR(h.List(1)->x(), 4680 * h.window->logicalDpiX() / 1440, 1);

    // Ctrl and Shift add to the selection; nothing is edited in place.
    QTreeWidget* list = h.List(0);
    h.Select(0, {"12", "77"});
    EXPECT_EQ(list->selectedItems().size(), 2);
    h.Click(0, "12", Qt::ShiftModifier);
    EXPECT_EQ(list->selectedItems().size(), 3);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                       list->visualItemRect(list->topLevelItem(1)).center());
    QTest::keyClick(list, Qt::Key_F2);
    EXPECT_EQ(list->findChild<QLineEdit*>(), nullptr);

    h.Trigger("mnuShowLonLat");
    EXPECT_EQ(h.List(1)->columnCount(), 2);
    h.Trigger("mnuShowLonLat");
    h.Trigger("mnuShowDMS");
    EXPECT_EQ(h.List(0)->topLevelItem(0)->text(2), "+041.500000");
    h.Trigger("mnuCircleTrack");
    h.Trigger("mnuCircleTrack");  // a checked item stays checked
    EXPECT_TRUE(h.Find<QAction>("mnuCircleTrack")->isChecked());
    EXPECT_FALSE(h.Find<QAction>("mnuStraightTrack")->isChecked());
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"9"}));
    // The image follows the kind: the circle master copy, drawn as circles.
    EXPECT_EQ(h.List(1)->columnCount(), h.List(0)->columnCount());

    fs::remove_all(h.reader.folder);  // the card pulled
    h.dialogs.ExpectTitle("Error with Card", Answer::Ok);
    h.Trigger("mnuRefreshDrives");
    enabled(false);
    EXPECT_TRUE(h.ItemTexts(0).isEmpty());
    EXPECT_TRUE(h.dialogs.Done());
}

// Every command of the window's table is reached from the keyboard: by its
// keys, or by the mnemonics of its menu and of its entry there, one letter
// each per menu. The "Edit" menu shows the list keys of the side commands.
TEST(Keys, EveryCommandHasKeysOrAMenuPathAndTheWindowKeysAct) {
    WindowHarness h;
    h.setup.Help = &h.help;
    h.Open();
    std::map<QMenu*, QSet<QChar>> mnemonics;
    const auto mnemonic = [](const QString& text) {
        const auto at = text.indexOf('&');
        return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
    };
    for (const WindowCommand& command : h.window->Commands()) {
        auto* action = h.Find<QAction>(command.Name.toUtf8().constData());
        const QString shown = action->text().section('\t', 0, 0);
        auto* menu = qobject_cast<QMenu*>(action->parent());
        if (menu == nullptr) {  // on the menu bar itself
            EXPECT_FALSE(command.Keys.isEmpty()) << shown.toStdString();
            continue;
        }
        EXPECT_FALSE(mnemonic(menu->title()).isNull()) << menu->title().toStdString();
        const QChar letter = mnemonic(shown);
        EXPECT_FALSE(letter.isNull() || mnemonics[menu].contains(letter)) << shown.toStdString();
        mnemonics[menu].insert(letter);
    }

    WriteFile(h.work.path() / "AB_Help.chm", "");
    QTest::keyClick(h.window.get(), Qt::Key_F1);
    EXPECT_EQ(h.help.opened, std::vector{h.work.path() / "AB_Help.chm"});
    QSignalSpy quit(h.Find<QAction>("mnuExit"), &QAction::triggered);
    QTest::keyClick(h.window.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.count(), 1);

    LineMapWindow* map = h.Map();
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    QTest::keyClick(map, Qt::Key_Escape);
    EXPECT_FALSE(map->isVisible());
#ifndef _WIN32  // Windows shows help in its own viewer
    HelpWindow help;
    help.show();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
#endif
}

// A second copy on the work folder is told so and does not start; once the
// first has gone, it can.
TEST(MainWindow, OneCopyOfTheProgramPerWorkFolder) {
    TempFolder work;
    const fs::path folder = work.path() / "Swathkit";
    const QString name = QString::fromStdU16String(WorkFolderLockFile(folder).u16string());
    ScriptedDialogs told;
    auto first = std::make_unique<QLockFile>(name);
    ASSERT_TRUE(TakeWorkFolder(*first, told, folder));
    QLockFile second(name);
    told.Expect({"Swathkit is already running with the work folder " + folder.string() +
                     ".\r\nUse the window that is open: two copies would each save their own "
                     "Temporary Card Image over the other's.",
                 Buttons::Ok, Icon::Information, "Swathkit"},
                Answer::Ok);
    EXPECT_FALSE(TakeWorkFolder(second, told, folder));
    EXPECT_TRUE(told.Done());
    first.reset();
    EXPECT_TRUE(TakeWorkFolder(second, told, folder));
}

// Why a file step failed shows under a box's own words, which stay as
// they are.
TEST(Boxes, TheReasonShowsUnderTheBoxsOwnWords) {
    QWidget owner;
    QtDialogs dialogs(&owner);
    ModalScript script;
    script.Step([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), "Error 100-2.");
        EXPECT_EQ(box->informativeText(), "The card is write-protected.");
        box->accept();
    });
    dialogs.Show({"Error 100-2.", Buttons::Ok, Icon::None, "Error Saving", Answer::Ok,
                  "The card is write-protected."});
    EXPECT_TRUE(script.Done());
}

// The lists against the font they are drawn with: no column is narrower than
// it was drawn, and no header or cell is cut inside its own column, in every
// display state the menus give. Grown, the window's lists show every column
// whole, and it opens again as it was left. The dialogs grow too.
int TextWidth(const QWidget* widget, const QString& text) {
    return QFontMetrics(widget->font()).horizontalAdvance(text);
}

TEST(Layout, ColumnsShowWholeAsTheWindowAndDialogsGrowAndItOpensAsLeft) {
    WindowHarness h;
    CardImage straight = NewBlankImage();
    CardImage circles = NewBlankImage();
    // The widest texts a line can give: three-digit degrees and a negative
    // sign in both coordinates.
    for (int slot = kFirstUsableField; slot <= kSlotCount; ++slot)
        straight.Line(slot) = circles.Line(slot) =
            PassAt(slot, {-123.98765432, -179.98765432}, -0.5, -0.8660254);
    straight.IsStraight = circles.IsCircle = true;
    MakeCard(h.root, &straight, &circles);
    // No straight master copy: an empty list keeps its columns' widths too.
    h.WriteMaster(circles);
    h.Open();
    // The card's root is as long as the machine makes it; its label carries
    // the whole text as its tip.
    auto* card = h.Find<QLabel>("Card_Description_0");
    EXPECT_EQ(card->toolTip(), card->text());
    const auto pixels = [&](int twips) { return TwipsToPixels(h.window.get(), twips); };
    const QSize drawn(pixels(8160), pixels(7245));
    QWidget* client = h.Find<QWidget>("client");
    EXPECT_EQ(client->size(), drawn);

    const auto columnsFit = [&](const std::string& state, bool grown) {
        for (const char* name : {"Card_List_0", "Card_List_1"}) {
            auto* list = h.Find<QTreeWidget>(name);
            QHeaderView* header = list->header();
            int floors = 0;
            for (int column = 0; column < list->columnCount(); ++column) {
                const QString caption = list->headerItem()->text(column);
                const int least = pixels(caption == "Field #" ? 400 : 1000);
                // Neither the caption nor the widest cell of the column is cut.
                const int widest =
                    std::max(TextWidth(header, caption),
                             static_cast<QAbstractItemView*>(list)->sizeHintForColumn(column));
                EXPECT_GE(header->sectionSize(column), std::max(least, widest))
                    << name << state << grown << column;
                floors += std::max(least, widest);
            }
            // Room beyond the columns' needs is shared out among them (a
            // small screen, as Wine's, may leave none).
            if (grown && floors <= list->viewport()->width()) {
                EXPECT_EQ(header->length(), list->viewport()->width()) << name << state;
            }
        }
    };
    const auto everyState = [&](bool grown) {
        for (const auto& [state, next] : {std::pair{"straight, DMS", "mnuShowDMS"},
                                          {"straight, decimal", "mnuCircleTrack"},
                                          {"circle, decimal", "mnuShowDMS"},
                                          {"circle, DMS", "mnuStraightTrack"}}) {
            columnsFit(state, grown);
            h.Trigger(next);
        }
    };
    everyState(false);

    h.window->showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return client->width() > drawn.width() + 100; }));
    everyState(true);
    // The two lists share the room gained; what stood beside and below them
    // keeps its place beside and below them.
    EXPECT_EQ(h.List(0)->width(), h.List(1)->width());
    EXPECT_GT(h.List(1)->x(), h.Find("cmdMoveLines_0")->geometry().right());
    EXPECT_GT(h.Find("cmdUndo_1")->y(), h.List(1)->geometry().bottom());

    h.window->close();
    h.setup.Ask = &h.dialogs;
    h.Open();
    EXPECT_TRUE(h.window->isMaximized());
    h.window->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return h.Find<QWidget>("client")->size() == drawn; }));

    // Every dialog can be maximised, and what it shows reaches out to the
    // new edges when it is made larger.
    const auto grows = [](QWidget* dialog) {
        dialog->show();
        const QSize larger = dialog->size() + QSize(300, 200);
        dialog->resize(larger);
        EXPECT_TRUE(
            dialog->windowFlags().testFlag(Qt::WindowMaximizeButtonHint) && QTest::qWaitFor([&] {
                QRect shown;  // all it shows but the grip in its corner
                for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (child->isVisible() && qobject_cast<QSizeGrip*>(child) == nullptr)
                        shown |= child->geometry();
                }
                return shown.right() > larger.width() - 40 && shown.bottom() > larger.height() - 40;
            }))
            << dialog->objectName().toStdString();
    };
    const Program& program = h.window->State();
    ShiftDialog shift("1 selected pass of Your Card", h.window.get());
    ExportLinesDialog exportLines(program, RealFiles(), false, h.window.get());
    MergeCardDialog merge(program, MergePlan{}, h.window.get());
    ImportLinesDialog import(program, ImportResult{}, "lines.kml", h.window.get());
    for (QWidget* dialog : std::initializer_list<QWidget*>{&shift, &exportLines, &merge, &import})
        grows(dialog);
    grows(h.Map());
    for (const char* opens : {"mnuRestore", "mnuDuplicates"}) {
        QWidget* before = QApplication::activeWindow();
        h.Trigger(opens);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() != before; }));
        grows(QApplication::activeWindow());
    }
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
    const std::string cardBefore = Bytes(h.CardFile());

    h.Select(0, {"12", "40", "77"});
    h.script.Box("Replace Pass", QMessageBox::No);
    h.script.Input("Copy field #40 to which field: \nYou will be asked before a pass is replaced.",
                   "90");
    h.script.Box("Replace Pass", "Pass #40 will replace pass #90. Is this ok?",
                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    h.List(1)->setFocus();
    h.Press("cmdMoveLines_0");
    EXPECT_EQ(h.window->focusWidget(), h.List(0));
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "40", "77", "90"}));
    EXPECT_EQ(h.Master().Line(90).Latitude, Pass(40));
    EXPECT_EQ(h.List(0)->selectedItems().size(), 3);  // the source list is not redrawn

    // Erase under the image list; pressing Undo already hands the focus to
    // its list, the release undoes.
    h.Select(1, {"40", "90"});
    h.script.Box("Verify Clear", QMessageBox::Yes);
    h.Press("cmdClear_1");
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "77"}));
    // The Edit menu acts on the list last used; the offscreen window is not
    // active, so the list is told it has the focus.
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(h.List(1), &focus);
    ASSERT_TRUE(QMetaObject::invokeMethod(h.Find<QMenu>("mnuEdit"), "aboutToShow"));
    EXPECT_EQ(h.Find<QAction>("mnuEditUndo")->text(), "&Undo Erase of fields 40, 90\tCtrl+Z");
    h.List(0)->setFocus();
    QPushButton* undo = h.Find("cmdUndo_1");
    EXPECT_EQ(undo->toolTip(), "Undo Erase of fields 40, 90");
    EXPECT_EQ(h.Find<QAction>("mnuListUndo_1")->text(), "Undo Erase of fields 40, 90");
    QTest::mousePress(undo, Qt::LeftButton);
    EXPECT_EQ(h.window->focusWidget(), h.List(1));
    QTest::mouseRelease(undo, Qt::LeftButton);
    EXPECT_EQ(h.ItemTexts(1), (QStringList{"12", "40", "77", "90"}));
    EXPECT_EQ(undo->toolTip(), "Redo Erase of fields 40, 90");
    EXPECT_EQ(undo->text(), "Undo");

    // The card side's "Change Field #" rewrites the card after a backup.
    h.Click(0, "12");
    h.script.Input("Copy field #12 to which field: \nYou will be asked before a pass is replaced.",
                   "250");
    h.Press("cmdShuffle_0");
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"40", "77", "250"}));
    EXPECT_EQ(ReadLineFile(h.CardFile()).Line(250).Latitude, Pass(12));
    EXPECT_EQ(Bytes(h.setup.WorkFolder / "Backup" / "12062026" / "0" / "ablines.dat"), cardBefore);
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
