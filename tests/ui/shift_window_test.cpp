// Each list's right-click menu and keys, and "Shift..." through its dialog.

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "support/edit_harness.h"
#include "ui/shift_dialog.h"
#include "ui/window_harness.h"

namespace swathkit {
namespace {

using namespace testing;

// Right-clicks in a list and clicks the item named; the items enabled.
QStringList RightClick(WindowHarness& h, int side, const QString& pick = {}) {
    QStringList enabled;
    // Looked for until it is up: a busy machine can take its time to show it.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr || !menu->isVisible())
            return;
        poll.stop();
        for (QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator())
                enabled << action->text();
            if (action->text() == pick)
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
        menu->close();
    });
    poll.start(10);
    QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5},
                            h.List(side)->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(h.List(side)->viewport(), &click);
    // Keys reach the list's shortcuts only once the window is active again,
    // as it is when the operator goes on with the mouse.
    h.window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    return enabled;
}

TEST(ListMenus, KeysAndMenusActAsTheButtonsAndShiftGoesThroughItsDialog) {
    WindowHarness h;
    h.setup.Ask = &h.dialogs;
    h.Open();  // no card yet: its commands are off, keys and all
    EXPECT_EQ(RightClick(h, CardSide), QStringList{"Select All"});
    QTest::keyClick(h.List(0), Qt::Key_Delete);
    QTest::keyClick(h.List(0), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(h.dialogs.shown.empty());

    const CardImage card = ImageWith(Passes({12, 40, 77}));
    MakeCard(h.root, &card);
    h.Press("cmdRefresh");
    EXPECT_EQ(RightClick(h, CardSide, "Select All").size(), 7);
    EXPECT_EQ(h.List(0)->selectedItems().size(), 3);
    h.Select(0, {"40"});
    h.dialogs.ExpectTitle("Verify Clear", Answer::Yes);
    QTest::keyClick(h.List(0), Qt::Key_Delete);
    EXPECT_EQ(h.ItemTexts(0), (QStringList{"12", "77"}));
    QTest::keyClick(h.List(0), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(h.List(0), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(h.List(0)->selectedItems().size(), 3);

    h.Select(0, {"40"});
    // What is typed is checked as it is typed; a refused entry keeps the
    // dialog open with it, to be mended.
    h.script.Step([](QWidget* modal) {
        modal->findChild<QRadioButton*>("ShiftAlongBearing")->click();
        auto* distance = modal->findChild<QLineEdit*>("ShiftFirst");
        distance->clear();
        QTest::keyClicks(distance, "1,5x");
        modal->findChild<QLineEdit*>("ShiftSecond")->setText("90");
        auto* problem = modal->findChild<QLabel*>("ShiftProblem");
        QPushButton* ok = modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        EXPECT_TRUE(problem->text().startsWith("\"1,5x\" is not a number.\n"));
        EXPECT_FALSE(ok->isEnabled());
        qobject_cast<ShiftDialog*>(modal)->accept();
        EXPECT_TRUE(modal->isVisible());
        distance->setText("1,5");
        EXPECT_TRUE(problem->text().isEmpty());
        ok->click();
    });
    RightClick(h, CardSide, "Shift...");
    const CardImage written = ReadLineFile(h.CardFile());
    EXPECT_LT(DistanceMetres(Travel(PointOf(card.Line(40)), 90, 1.5), PointOf(written.Line(40))),
              0.001);
    // "Edit > Shift Passes..." acts on the list last used.
    h.Select(0, {"12"});
    h.script.Step([](QWidget* modal) {
        modal->findChild<QLineEdit*>("ShiftFirst")->setText("2");
        qobject_cast<ShiftDialog*>(modal)->reject();
    });
    h.Trigger("mnuShift");
    EXPECT_TRUE(ReadLineFile(h.CardFile()) == written);
}

}  // namespace
}  // namespace swathkit
