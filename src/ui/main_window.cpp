#include "ui/main_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLockFile>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>

#include "commands/commands.h"
#include "core/version.h"
#include "ui/duplicate_passes.h"
#include "ui/export_dialog.h"
#include "ui/import_dialog.h"
#include "ui/line_map.h"
#include "ui/merge_card_dialog.h"
#include "ui/restore_dialog.h"
#include "ui/shift_dialog.h"

namespace swathkit {

namespace {

// Stands in when the window is started without a help viewer.
class NoHelpViewer final : public HelpViewer {
  public:
    bool Open(const fs::path&) override { return false; }
};

constexpr const char* kHoldCtrl = "*Hold Ctrl-Key for multiple selections";

// A thick dark arrow on a light face; the buttons carry no text.
QPixmap ArrowPicture(bool right, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath arrow;
    arrow.moveTo(0.08 * w, 0.36 * h);
    arrow.lineTo(0.55 * w, 0.36 * h);
    arrow.lineTo(0.55 * w, 0.12 * h);
    arrow.lineTo(0.92 * w, 0.5 * h);
    arrow.lineTo(0.55 * w, 0.88 * h);
    arrow.lineTo(0.55 * w, 0.64 * h);
    arrow.lineTo(0.08 * w, 0.64 * h);
    arrow.closeSubpath();
    if (!right)
        painter.setTransform(QTransform(-1, 0, 0, 1, w, 0));
    painter.fillPath(arrow, QColor(40, 40, 40));
    return picture;
}

// The window's drawing area, which lays its controls out again as it grows.
class GrowingClient final : public QWidget {
  public:
    explicit GrowingClient(QWidget* parent) : QWidget(parent) {}
    std::function<void()> Resized;

  private:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (Resized)
            Resized();
    }
};

ScreenRect RectOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

fs::path WorkFolderLockFile(const fs::path& folder) {
    return folder / "Swathkit.lock";
}

bool TakeWorkFolder(QLockFile& lock, Dialogs& ask, const fs::path& folder) {
    RealFiles().MakeFolder(folder);
    // Held for as long as the program runs: only a lock whose program has
    // gone is stale.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
        return true;
    ask.Show({std::string(kProgramName) + " is already running with the work folder " +
                  PathText(folder) +
                  ".\r\nUse the window that is open: two copies would each save their own "
                  "Temporary Card Image over the other's.",
              Buttons::Ok, Icon::Information, kProgramName});
    return false;
}

AB_Main::AB_Main(WindowSetup setup) : setup_(std::move(setup)) {
    setObjectName("AB_Main");
    setWindowTitle(kProgramCaption);
    program_.WorkFolder = setup_.WorkFolder;
    if (setup_.ProgramFolder.empty()) {
        setup_.ProgramFolder = PathOf(QCoreApplication::applicationDirPath());
    }

    BuildControls();
    BuildMenus();
    BuildListMenus();
    // Opens as drawn, or where the operator left it last time.
    resize(minimumSizeHint());
    RestorePlace();

    dialogs_ = std::make_unique<QtDialogs>(this);
    help_ = std::make_unique<NoHelpViewer>();
    for (int side : {CardSide, ImageSide})
        lists_[side] = std::make_unique<QtLineList>(cardList_[side]);
    drives_ = std::make_unique<QtDriveChooser>(driveCard_, setup_.Drives);
    ports_ = std::make_unique<Ports>(Ports{setup_.Ask != nullptr ? *setup_.Ask : *dialogs_, *this,
                                           *setup_.Time, *setup_.Disk, *lists_[CardSide],
                                           *lists_[ImageSide], *this, *drives_,
                                           setup_.Help != nullptr ? *setup_.Help : *help_});

    // The window's load: everything is read before it first shows.
    StartUp(program_, *ports_);
    SyncMenus();

    connect(driveCard_, &QComboBox::currentIndexChanged, this,
            [this] { swathkit::driveCard_Change(program_, *ports_); });
    connect(cmdRefresh_, &QPushButton::clicked, this,
            [this] { swathkit::cmdRefresh_Click(program_, *ports_); });
    for (int side : {CardSide, ImageSide}) {
        connect(cmdMoveLines_[side], &QPushButton::clicked, this,
                [this, side] { swathkit::cmdMoveLines_Click(program_, *ports_, side); });
        connect(cmdShuffle_[side], &QPushButton::clicked, this,
                [this, side] { swathkit::cmdShuffle_Click(program_, *ports_, side); });
        connect(cmdCopyField_[side], &QPushButton::clicked, this,
                [this, side] { swathkit::cmdCopyField_Click(program_, *ports_, side); });
        connect(cmdClear_[side], &QPushButton::clicked, this,
                [this, side] { swathkit::cmdClear_Click(program_, *ports_, side); });
        connect(cmdUndo_[side], &QPushButton::clicked, this,
                [this, side] { swathkit::cmdUndo_Click(program_, *ports_, side); });
        // A filter rather than the pressed signal: only the mouse moves the
        // focus here, and it does so before the button takes the press, so
        // the click that follows is not lost with the button's focus.
        cmdUndo_[side]->installEventFilter(this);
    }
}

AB_Main::~AB_Main() = default;

void AB_Main::Place(QWidget* widget, std::array<int, 4> twips, std::optional<Grow> grow) {
    // Unless told otherwise a control keeps its size and goes with what it
    // stands beside: right of the card list, or below the lists.
    if (!grow)
        grow = Grow{.Right = twips[0] >= 4600 ? 1 : 0, .Down = twips[1] >= 5280 ? 2 : 0};
    placed_.push_back({widget, twips, *grow});
    widget->setGeometry(TwipsToPixels(this, twips[0]), TwipsToPixels(this, twips[1]),
                        TwipsToPixels(this, twips[2]), TwipsToPixels(this, twips[3]));
}

// At the size it was drawn every control stands where it was drawn. Room
// beyond that goes to the lists, half to each; what stands right of the
// card list moves with it, what stands below the lists moves down.
void AB_Main::LayOut() {
    const QSize drawn = client_->minimumSize();
    const int wider = std::max(0, client_->width() - drawn.width());
    const int taller = std::max(0, client_->height() - drawn.height());
    for (const auto& [widget, twips, grow] : placed_) {
        const auto share = [](int room, int parts) { return room * parts / 2; };
        widget->setGeometry(TwipsToPixels(this, twips[0]) + share(wider, grow.Right),
                            TwipsToPixels(this, twips[1]) + share(taller, grow.Down),
                            TwipsToPixels(this, twips[2]) + share(wider, grow.Wider),
                            TwipsToPixels(this, twips[3]) + share(taller, grow.Taller));
    }
    if (cardDescription_[0] != nullptr)
        SetCardDescription(cardDescription_[0]->text().toStdString());
}

void AB_Main::RestorePlace() {
    // "Exit" ends the program without closing the window first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { KeepPlace(); });
    const std::optional<WindowPlace> kept = ReadWindowPlace(program_, *setup_.Disk);
    if (!kept)
        return;
    std::vector<ScreenRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(RectOf(primary->availableGeometry()));
    for (QScreen* screen : QGuiApplication::screens())
        screens.push_back(RectOf(screen->availableGeometry()));
    const QSize least = minimumSizeHint();
    const WindowPlace place = FitOnScreens(*kept, screens, least.width(), least.height());
    setGeometry(place.Rect.X, place.Rect.Y, place.Rect.Width, place.Rect.Height);
    if (place.Maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void AB_Main::KeepPlace() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    (void)WriteWindowPlace(program_, *setup_.Disk, {RectOf(normal), isMaximized()});
}

void AB_Main::closeEvent(QCloseEvent* event) {
    KeepPlace();
    QMainWindow::closeEvent(event);
}

QPushButton* AB_Main::Button(const QString& name, const QString& caption, const QString& tip,
                             std::array<int, 4> twips, std::optional<Grow> grow) {
    auto* button = new QPushButton(caption, client_);
    button->setObjectName(name);
    button->setToolTip(tip);
    Place(button, twips, grow);
    // As with the labels: a caption that would run into the button's frame
    // ("Change Field #" does at the layout's own font) is drawn smaller.
    const QStyle* style = button->style();
    const int room = button->width() -
                     style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) -
                     2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    QFont font = button->font();
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > 6.5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    if (font != button->font())
        button->setFont(font);
    return button;
}

void AB_Main::BuildControls() {
    auto* client = new GrowingClient(this);
    client->Resized = [this] { LayOut(); };
    client_ = client;
    client_->setObjectName("client");
    setCentralWidget(client_);
    // Drawn at this size; it may grow, never shrink below it.
    client_->setMinimumSize(TwipsToPixels(this, 8160), TwipsToPixels(this, 7245));
    // The layout is in fixed positions; a smaller font keeps every caption
    // inside its control whatever the desktop's default.
    QFont font = client_->font();
    font.setPointSizeF(8.25);
    client_->setFont(font);

    const auto label = [this](const QString& name, const QString& text, std::array<int, 4> at,
                              std::optional<Grow> grow = {}) {
        auto* widget = new QLabel(text, client_);
        widget->setObjectName(name);
        Place(widget, at, grow);
        FitText(widget, text);
        return widget;
    };

    // A card's mount path can be long: the label and the drive box take
    // their list's growth.
    cardDescription_[0] = label("Card_Description_0", "Your Card -- Not Detected",
                                {360, 240, 3015, 255}, Grow{.Wider = 1});
    driveCard_ = new QComboBox(client_);
    driveCard_->setObjectName("driveCard");
    Place(driveCard_, {360, 600, 1935, 315}, Grow{.Wider = 1});
    cmdRefresh_ = Button("cmdRefresh", "Refresh", {}, {2400, 600, 975, 255}, Grow{.Right = 1});
    cardDescription_[1] =
        label("Card_Description_1", kSideCaption[ImageSide], {4800, 240, 2535, 255});
    cardDescription_[1]->setToolTip("Used as a intermediary storage for merging multiple cards.");
    label("Label3", "For storing info from Datacard images.", {4680, 600, 2775, 255});
    label("Label1", kHoldCtrl, {480, 5280, 2535, 255});
    label("Label2", kHoldCtrl, {4680, 5280, 2535, 255});

    const std::array<int, 2> left = {0, 4200};  // the image side sits 4200 twips further right
    for (int side : {CardSide, ImageSide}) {
        const QString n = QString::number(side);
        auto* list = new QTreeWidget(client_);
        list->setObjectName("Card_List_" + n);
        list->setRootIsDecorated(false);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        list->setUniformRowHeights(true);
        list->header()->setStretchLastSection(false);
        Place(list, {360 + (side ? 4320 : 0), 960, 3015, 4215},
              Grow{.Right = side, .Wider = 1, .Taller = 2});
        cardList_[side] = list;

        const int x = left[side];
        cmdCopyField_[side] =
            Button("cmdCopyField_" + n, "Copy Field", "Copy field info to another field number.",
                   {480 + x, 5640, 1335, 255});
        cmdClear_[side] = Button("cmdClear_" + n, "Erase", "Clear the Selected Fields.",
                                 {2040 + x, 5640, 1215, 255});
        cmdShuffle_[side] =
            Button("cmdShuffle_" + n, "Change Field #",
                   side ? "Move selected items to field of your choice." : "Change Field Number",
                   {480 + x, 6000, 1335, 255});
        cmdUndo_[side] = Button("cmdUndo_" + n, "Undo", "Reverse your last change.",
                                {2040 + x, 6000, 1215, 255});
        savetoCard_[side] = label(
            "SavetoCard_" + n,
            "Saving:", side ? std::array{4680, 6360, 735, 255} : std::array{480, 6480, 735, 255});
        saveProgress_[side] = new QProgressBar(client_);
        saveProgress_[side]->setObjectName("SaveProgress_" + n);
        saveProgress_[side]->setRange(0, 100);
        saveProgress_[side]->setTextVisible(false);
        Place(saveProgress_[side],
              side ? std::array{5520, 6360, 2295, 255} : std::array{1200, 6480, 2295, 255});
        savetoCard_[side]->hide();
        saveProgress_[side]->hide();

        cmdMoveLines_[side] =
            Button("cmdMoveLines_" + n, {}, {}, {3480, side ? 3360 : 1920, 975, 495},
                   Grow{.Right = 1, .Down = 1});
        cmdMoveLines_[side]->setAccessibleName(side ? "Move to card"
                                                    : "Move to temporary card image");
        const QSize picture(TwipsToPixels(this, 840), TwipsToPixels(this, 420));
        cmdMoveLines_[side]->setIcon(QIcon(ArrowPicture(side == CardSide, picture)));
        cmdMoveLines_[side]->setIconSize(picture);
    }

    // Kept hidden: the commands switch it with the others, but every change
    // is saved as it is made.
    cmdSave_ = Button("cmdSave", "Save Image", {}, {480, 6720, 1215, 255});
    cmdSave_->hide();

    auto* line = new QFrame(client_);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    Place(line, {3930, 0, 60, 7200}, Grow{.Right = 1, .Taller = 2});
    line->lower();
}

void AB_Main::BuildMenus() {
    const auto menu = [](QMenuBar* bar, const char* name, const QString& text) {
        QMenu* made = bar->addMenu(text);
        made->setObjectName(name);
        return made;
    };
    const auto command = [this](auto* menu, const char* name, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const auto checkable = [&](QMenu* menu, const char* name, const QString& text, auto slot) {
        QAction* action = command(menu, name, text, slot);
        action->setCheckable(true);
        return action;
    };

    QMenu* options = menu(menuBar(), "mnuOptions", "Options");
    QMenu* track = options->addMenu("Track Option");
    track->setObjectName("mnuTrackOption");
    mnuStraightTrack_ = checkable(track, "mnuStraightTrack", "Straight Track",
                                  [this] { Menu(swathkit::mnuStraightTrack_Click); });
    mnuCircleTrack_ = checkable(track, "mnuCircleTrack", "Circle Track",
                                [this] { Menu(swathkit::mnuCircleTrack_Click); });
    mnuShowLonLat_ = checkable(options, "mnuShowLonLat", "Show Lon / Lat",
                               [this] { Menu(swathkit::mnuShowLonLat_Click); });
    mnuShowDMS_ =
        checkable(options, "mnuShowDMS", "Show DMS", [this] { Menu(swathkit::mnuShowDMS_Click); });
    command(options, "mnuRefreshDrives", "Refresh Drives",
            [this] { swathkit::mnuRefreshDrives_Click(program_, *ports_); });
    options->addSeparator()->setObjectName("mnusep1");
    QAction* exit = options->addAction("Exit");
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);

    QMenu* card = menu(menuBar(), "mnuDataCard", "DataCard");
    command(card, "mnuBackup", "Backup Image",
            [this] { swathkit::mnuBackup_Click(program_, *ports_); });
    command(card, "mnuRestore", "Restore from Backup...", [this] { mnuRestore_Click(); });
    command(card, "mnuCardtoCard", "Copy Card to Card",
            [this] { swathkit::mnuCardtoCard_Click(program_, *ports_); });
    // Our own additions, kept apart from the card's commands.
    mnuMergeCard_ =
        command(card, "mnuMergeCard", "Merge Card into Image...", [this] { mnuMergeCard_Click(); });
    command(card, "mnuExportLines", "Export Lines...", [this] { mnuExportLines_Click(); });
    command(card, "mnuImportLines", "Import Lines...",
            [this] { RunImportLines(program_, *ports_, this); });
    QMenu* view = menu(menuBar(), "mnuView", "View");
    command(view, "mnuMap", "Map of Lines", [this] { mnuMap_Click(); });
    command(view, "mnuDuplicates", "Duplicate Passes...", [this] { mnuDuplicates_Click(); });
    // Acts on the list last clicked or used, the one the operator is working in.
    auto* edit = new QMenu("Edit", menuBar());
    edit->setObjectName("mnuEdit");
    menuBar()->insertMenu(view->menuAction(), edit);
    command(edit, "mnuShift", "Shift Passes...", [this] { ShiftPasses(lastList_); });

    command(menuBar(), "mnuHelp", "Help",
            [this] { swathkit::mnuHelp_Click(*ports_, setup_.ProgramFolder); });
}

// Each list's right-click menu and keys give the commands under it. The keys
// work only in the list that has the focus, so Delete in one list never
// erases in the other; a command disabled with its button takes no key.
void AB_Main::BuildListMenus() {
    using Edit = void (*)(Program&, Ports&, int);
    for (int side : {CardSide, ImageSide}) {
        QTreeWidget* list = cardList_[side];
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->installEventFilter(this);
        const auto add = [&](const char* name, const QString& text, QKeySequence::StandardKey keys,
                             QPushButton* twin, auto slot) {
            auto* action = new QAction(text, list);
            action->setObjectName(name + QString("_%1").arg(side));
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WidgetShortcut);
            connect(action, &QAction::triggered, this, slot);
            list->addAction(action);
            if (twin != nullptr)
                listActions_[side].push_back({action, twin});
        };
        const auto edit = [this, side](Edit command) {
            return [this, side, command] { command(program_, *ports_, side); };
        };
        const QKeySequence::StandardKey none = QKeySequence::UnknownKey;
        add("mnuListMove", side ? "Move to Card" : "Move to Temporary Card Image", none,
            cmdMoveLines_[side], edit(swathkit::cmdMoveLines_Click));
        add("mnuListShuffle", "Change Field #...", none, cmdShuffle_[side],
            edit(swathkit::cmdShuffle_Click));
        add("mnuListCopyField", "Copy Field...", none, cmdCopyField_[side],
            edit(swathkit::cmdCopyField_Click));
        add("mnuListErase", "Erase", QKeySequence::Delete, cmdClear_[side],
            edit(swathkit::cmdClear_Click));
        add("mnuListUndo", "Undo", QKeySequence::Undo, cmdUndo_[side],
            edit(swathkit::cmdUndo_Click));
        auto* line = new QAction(list);
        line->setSeparator(true);
        list->addAction(line);
        // Shifting the card writes it, so it needs a card as Erase does.
        add("mnuListShift", "Shift...", none, side == CardSide ? cmdClear_[side] : nullptr,
            [this, side] { ShiftPasses(side); });
        add("mnuListSelectAll", "Select All", QKeySequence::SelectAll, nullptr,
            [list] { list->selectAll(); });
    }
}

// A menu command, then its check marks brought in line with the program.
void AB_Main::Menu(void (*command)(Program&, Ports&)) {
    command(program_, *ports_);
    SyncMenus();
}

// The check marks show the program's choices; a click on a checked track
// item must not leave it unchecked.
void AB_Main::SyncMenus() {
    mnuStraightTrack_->setChecked(program_.Menus.StraightTrack);
    mnuCircleTrack_->setChecked(!program_.Menus.StraightTrack);
    mnuShowLonLat_->setChecked(program_.Menus.ShowLonLat);
    mnuShowDMS_->setChecked(program_.Menus.ShowDMS);
}

void AB_Main::SetEnabled(Command command, bool enabled) {
    QPushButton* button = nullptr;
    switch (command) {
        case Command::MoveLines0:
            button = cmdMoveLines_[0];
            // The merge needs a card just as the arrow from it does.
            mnuMergeCard_->setEnabled(enabled);
            break;
        case Command::Clear0:
            button = cmdClear_[0];
            break;
        case Command::Shuffle0:
            button = cmdShuffle_[0];
            break;
        case Command::Undo0:
            button = cmdUndo_[0];
            break;
        case Command::CopyField0:
            button = cmdCopyField_[0];
            break;
        case Command::Save:
            button = cmdSave_;
            break;
        case Command::MoveLines1:
            button = cmdMoveLines_[1];
            break;
    }
    button->setEnabled(enabled);
    for (const auto& actions : listActions_)
        for (const auto& [action, twin] : actions) action->setEnabled(twin->isEnabled());
}

void AB_Main::SetCardDescription(const std::string& text) {
    QLabel* label = cardDescription_[0];
    const QString shown = QString::fromUtf8(text.c_str());
    label->setFont(client_->font());
    label->setText(shown);
    FitText(label, shown);
    label->setToolTip(shown);
}

void AB_Main::SetSavingShown(int index, bool shown) {
    savetoCard_.at(index)->setVisible(shown);
    saveProgress_.at(index)->setVisible(shown);
}

void AB_Main::SetProgress(int index, int minimum, int maximum, int value) {
    QProgressBar* bar = saveProgress_.at(index);
    bar->setRange(minimum, maximum);
    bar->setValue(value);
    bar->repaint();
}

void AB_Main::ProcessPendingEvents() {
    // Paint what is pending, but take no clicks or keys: a command started
    // now would change the lines in the middle of this save.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void AB_Main::mnuMap_Click() {
    if (map_ == nullptr)
        map_ = new LineMapWindow(program_, cardList_, this);
    map_->SetBackup(restore_ != nullptr ? restore_->Shown() : nullptr);
    map_->show();
    map_->raise();
    map_->activateWindow();
}

void AB_Main::mnuDuplicates_Click() {
    if (duplicates_ == nullptr)
        duplicates_ = new DuplicatePassesDialog(
            program_, cardList_, [this] { return program_.CardLoaded; }, this);
    duplicates_->Search();
    duplicates_->show();
    duplicates_->raise();
    duplicates_->activateWindow();
}

void AB_Main::mnuExportLines_Click() {
    ExportLinesDialog dialog(program_, *setup_.Disk, program_.CardLoaded, this);
    dialog.exec();
}

void AB_Main::mnuMergeCard_Click() {
    std::optional<MergePlan> plan = StartMerge(program_, *ports_);
    if (!plan)
        return;
    MergeCardDialog dialog(program_, std::move(*plan), this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyMerge(program_, *ports_, dialog.Plan());
}

void AB_Main::mnuRestore_Click() {
    if (restore_ == nullptr) {
        restore_ = new RestoreDialog(program_, *ports_, this);
        restore_->ShownChanged = [this] {
            if (map_ != nullptr)
                map_->SetBackup(restore_->Shown());
        };
    }
    restore_->Reload();
    restore_->show();
    restore_->raise();
    restore_->activateWindow();
}

void AB_Main::ShiftPasses(int side) {
    swathkit::mnuShift_Click(program_, *ports_, side, [this, side]() -> std::optional<ShiftEntry> {
        const auto passes = cardList_[side]->selectedItems().size();
        ShiftDialog dialog(QString("%1 selected %2 of %3")
                               .arg(passes)
                               .arg(passes == 1 ? "pass" : "passes")
                               .arg(QString(side == ImageSide ? "the " : "") + kSideCaption[side]),
                           this);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Entry();
    });
}

bool AB_Main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (int side : {CardSide, ImageSide}) {
            if (watched == cardList_[side])
                lastList_ = side;
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int side : {CardSide, ImageSide}) {
            if (watched == cmdUndo_[side] && cmdUndo_[side]->isEnabled())
                swathkit::cmdUndo_MouseDown(*ports_, side);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace swathkit
