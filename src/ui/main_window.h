#pragma once
// AB_Main, the program's one window: the card on the left, the temporary
// card image on the right, the arrow buttons between them.

#include <QKeySequence>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "commands/commands.h"
#include "core/program.h"
#include "core/work_folder.h"

class QMenu;
#include "ui/qt_ports.h"

class QAction;
class QLockFile;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace swathkit {

class LineMapWindow;
class DuplicatePassesDialog;
class RestoreDialog;

// What the window is started with; tests hand in their own folders, drives
// and dialogs.
struct WindowSetup {
    fs::path WorkFolder = DefaultWorkFolder();
    fs::path ProgramFolder;
    Files* Disk = &RealFiles();
    Clock* Time = &SystemClock();
    std::function<DriveList()> Drives = MachineDrives;
    Dialogs* Ask = nullptr;      // message boxes of the window's own when null
    HelpViewer* Help = nullptr;  // none when null: "Help" then says the file is missing
};

// One command of the window: its caption, keys, handler and enabling are
// written here once, and the buttons, the menus and the list menus are built
// from it. A side command stands in each list's menu and under each list;
// in the "Edit" menu it acts on the list last used.
struct WindowCommand {
    enum class Sides { Window, EachList };
    enum class Card { NotNeeded, OnCardSide, Needed };

    QString Name{};  // its menu entry's object name
    QString Menu{};  // the object name of the menu it sits in; empty: list menus only
    // Each side's caption, '&' before the mnemonic; a window command uses the first.
    std::array<QString, 2> Caption{};
    std::function<void(int side)> Run{};
    Sides On = Sides::Window;
    QKeySequence Keys{};
    Card NeedsCard = Card::NotNeeded;
    // Side commands: the list menu entry's object name, "_0" or "_1" added,
    // and its caption there when not the menu's own,
    QString ListName{};
    QString ListCaption{};
    // and the buttons under the lists, their captions and tips.
    QString Button{};
    std::array<QString, 2> ButtonCaption{}, Tip{};
    bool Checkable = false;
    bool LineBefore = false;  // a separator before it
};

// One copy of the program per work folder: two would each save their own
// temporary card image over the other's. Takes the folder's lock file into
// lock for as long as this copy runs; false, after telling the operator,
// while another copy holds it. A folder that cannot hold a lock file is
// no reason not to start.
bool TakeWorkFolder(QLockFile& lock, Dialogs& ask, const fs::path& folder);

// The lock file TakeWorkFolder uses in the work folder.
fs::path WorkFolderLockFile(const fs::path& folder);

class AB_Main final : public QMainWindow, private WindowControls, private SaveProgressView {
    Q_OBJECT

  public:
    explicit AB_Main(WindowSetup setup = {});
    ~AB_Main() override;

    Program& State() { return program_; }
    const std::vector<WindowCommand>& Commands() const { return commands_; }

  private:
    // WindowControls
    void SetCardCommandsEnabled(bool enabled) override;
    void SetCardDescription(const Words& text) override;
    // SaveProgressView
    void SetSavingShown(int index, bool shown) override;
    void SetProgress(int index, int minimum, int maximum, int value) override;
    void ProcessPendingEvents() override;

    std::vector<WindowCommand> CommandTable();
    // How a control follows the window as it grows beyond its drawn size,
    // in halves of the room gained: moved right or down, made wider or
    // taller.
    struct Grow {
        int Right = 0, Down = 0, Wider = 0, Taller = 0;
    };
    struct Placed {
        QWidget* Widget;
        std::array<int, 4> Twips;
        Grow How;
    };

    void BuildControls();
    void BuildMenus();
    void FitCardDescription();
    QString UndoName(int side) const;
    QMenu* LanguageMenu();
    void BuildListMenus();
    void SyncMenus();
    void SyncEditMenu();
    void SyncEnabled();
    QPushButton* Button(const QString& name, const QString& caption, const QString& tip,
                        std::array<int, 4> twips, std::optional<Grow> grow = {});
    QPushButton* SideButton(const QString& button, int side, std::array<int, 4> twips,
                            std::optional<Grow> grow = {});
    const WindowCommand& Entry(const QString& name) const;
    void Place(QWidget* widget, std::array<int, 4> twips, std::optional<Grow> grow = {});
    void LayOut();
    void RestorePlace();
    void KeepPlace();
    void closeEvent(QCloseEvent* event) override;

    void Menu(void (*command)(Program&, Ports&));

    bool eventFilter(QObject* watched, QEvent* event) override;

    void mnuMap_Click();
    void mnuDuplicates_Click();
    void mnuExportLines_Click();
    void mnuMergeCard_Click();
    void mnuRestore_Click();
    void ShiftPasses(int side);

    WindowSetup setup_;
    Program program_;

    QWidget* client_ = nullptr;
    std::vector<Placed> placed_;
    std::array<QLabel*, 2> cardDescription_{};
    std::array<QTreeWidget*, 2> cardList_{};
    std::array<QPushButton*, 2> cmdUndo_{};
    std::array<QLabel*, 2> savetoCard_{};
    std::array<QProgressBar*, 2> saveProgress_{};
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdRefresh_ = nullptr;
    QComboBox* driveCard_ = nullptr;
    std::vector<WindowCommand> commands_;
    // What the table built, with the entry and the side each acts for; the
    // "Edit" menu's side commands act for the list last used.
    struct Built {
        QObject* Control;  // a QAction or a QPushButton
        const WindowCommand* Command;
        int Side;  // -1: the list last used
    };
    std::vector<Built> built_;
    bool cardCommands_ = false;
    int lastList_ = ImageSide;  // the list the "Edit" menu acts on

    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<HelpViewer> help_;
    std::array<std::unique_ptr<QtLineList>, 2> lists_;
    std::unique_ptr<QtDriveChooser> drives_;
    std::unique_ptr<Ports> ports_;
    // Made on first use, owned as child windows.
    LineMapWindow* map_ = nullptr;
    DuplicatePassesDialog* duplicates_ = nullptr;
    RestoreDialog* restore_ = nullptr;
};

}  // namespace swathkit
