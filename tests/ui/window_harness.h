#pragma once
// The real main window on a card (root: a folder, or drive e: on Windows), and the
// operator's hand at its lists, buttons and menus. Its own message boxes are
// answered by script; a test that sets setup.Ask = &dialogs before Open()
// gets the logic's boxes recorded instead.

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>

#include "core/master_copy.h"
#include "support/cards.h"
#include "support/fakes.h"
#include "support/modal_script.h"
#include "ui/line_map.h"
#include "ui/main_window.h"

namespace swathkit::testing {

struct WindowHarness {
    WindowHarness() {
        setup.WorkFolder = work.path() / "Swathkit";
        setup.ProgramFolder = work.path();
        setup.Time = &clock;  // the save animation must not hold the test up
        setup.Drives = [this] { return DriveList{reader.entries, 1}; };
    }

    // A new window from setup, shown and active as the operator finds it.
    void Open() {
        window = std::make_unique<AB_Main>(setup);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    fs::path CardFile() const { return root / "pflines" / "ablines.dat"; }
    fs::path MasterPath(bool straight = true) const {
        Program program;
        program.WorkFolder = setup.WorkFolder;
        return MasterCopyFile(program, straight);
    }
    CardImage Master() const { return ReadLineFile(MasterPath()); }
    // Into the master copy of the image's own kind.
    void WriteMaster(const CardImage& image) const {
        WriteFile(MasterPath(!image.IsCircle), LineFileText(image, LineLayout::MasterCopy));
    }

    template <typename T = QPushButton>
    T* Find(const char* name) {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QTreeWidget* List(int side) { return Find<QTreeWidget>(side ? "Card_List_1" : "Card_List_0"); }
    QTreeWidgetItem* Item(int side, const QString& text) {
        const auto found = List(side)->findItems(text, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.size() == 1 ? found.front() : nullptr;
    }
    QStringList ItemTexts(int side) {
        QStringList texts;
        for (int i = 0; i < List(side)->topLevelItemCount(); ++i)
            texts << List(side)->topLevelItem(i)->text(0);
        return texts;
    }

    void Click(int side, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (QTreeWidgetItem* item = Item(side, text))
            QTest::mouseClick(List(side)->viewport(), Qt::LeftButton, modifiers,
                              List(side)->visualItemRect(item).center());
    }
    // Click on the first, Ctrl+click on the rest, as the operator selects.
    void Select(int side, const QStringList& texts) {
        for (int i = 0; i < texts.size(); ++i)
            Click(side, texts[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    // Both answer on the way the boxes the script expects, and no others.
    void Press(const char* button) {
        if (QPushButton* found = Find(button))
            QTest::mouseClick(found, Qt::LeftButton);
        EXPECT_TRUE(script.Done()) << "boxes left unanswered after " << button;
    }
    void Trigger(const char* action) {
        if (QAction* found = Find<QAction>(action))
            found->trigger();
        QCoreApplication::processEvents();
        EXPECT_TRUE(script.Done()) << "boxes left unanswered after " << action;
    }

    LineMapWindow* Map() {
        Trigger("mnuMap");
        auto* map = window->findChild<LineMapWindow*>();
        EXPECT_TRUE(map && QTest::qWaitForWindowExposed(map));
        return map;
    }

    TempFolder work;
    CardReader reader{work.path() / "CARD"};  // on Windows, drive e:
    fs::path root = reader.root;
    FakeClock clock;
    ScriptedDialogs dialogs;
    FakeHelp help;
    WindowSetup setup;
    std::unique_ptr<AB_Main> window;
    ModalScript script;
};

}  // namespace swathkit::testing
