#include "ui/main_window.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <stdexcept>

#include "commands/commands.h"
#include "core/error_messages.h"
#include "core/version.h"
#include "ui/duplicate_passes.h"
#include "ui/export_dialog.h"
#include "ui/import_dialog.h"
#include "ui/language.h"
#include "ui/line_map.h"
#include "ui/merge_card_dialog.h"
#include "ui/print_sheet.h"
#include "ui/restore_dialog.h"
#include "ui/shift_dialog.h"

namespace swathkit {

namespace {

// Stands in when the window is started without a help viewer.
class NoHelpViewer final : public HelpViewer {
  public:
    bool Open(const fs::path&) override { return false; }
};

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

// The boxes of Options > Language, in the words of the language just chosen.
Message LanguageKeptBox() {
    return {Words{SAY("The main window shows this language when %1 starts again."), {kProgramName}},
            Buttons::Ok, Icon::Information, SAY("Language")};
}

Message LanguageNotKeptBox() {
    return {SAY("The language could not be kept for the next start."), Buttons::Ok,
            Icon::Exclamation, SAY("Language")};
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
    ask.Show({Words{SAY("%1 is already running with the work folder %2.\r\nUse the window that "
                        "is open: two copies would each save their own Temporary Card Image over "
                        "the other's."),
                    {kProgramName, PathText(folder)}},
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

    commands_ = CommandTable();
    BuildControls();
    BuildMenus();
    BuildListMenus();
    SyncEditMenu();
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

    // Undo names the change it takes back. Whatever sets a side, a command,
    // a card read or a refused save, draws its list again after.
    for (int side : {CardSide, ImageSide}) {
        const auto name = [this, side] {
            const QString named = UndoName(side);
            cmdUndo_[side]->setToolTip(named.isEmpty() ? tr("Reverse your last change.") : named);
            if (auto* undo =
                    cardList_[side]->findChild<QAction*>(QString("mnuListUndo_%1").arg(side)))
                undo->setText(named.isEmpty() ? tr("Undo") : named);
        };
        connect(cardList_[side]->model(), &QAbstractItemModel::modelReset, this, name);
        connect(cardList_[side]->model(), &QAbstractItemModel::rowsInserted, this, name);
    }

    // The window's load: everything is read before it first shows.
    StartUp(program_, *ports_);
    SyncMenus();

    connect(driveCard_, &QComboBox::currentIndexChanged, this,
            [this] { swathkit::driveCard_Change(program_, *ports_); });
    connect(cmdRefresh_, &QPushButton::clicked, this,
            [this] { swathkit::cmdRefresh_Click(program_, *ports_); });
    for (int side : {CardSide, ImageSide}) {
        // A filter rather than the pressed signal: only the mouse moves the
        // focus here, and it does so before the button takes the press, so
        // the click that follows is not lost with the button's focus.
        cmdUndo_[side]->installEventFilter(this);
    }
}

AB_Main::~AB_Main() {
    // The lists go with the widgets, after the program's state: their last
    // redraw must not ask that state for Undo's name.
    for (QTreeWidget* list : cardList_) list->model()->disconnect(this);
}

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
        FitCardDescription();
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
    cardDescription_[0] = label("Card_Description_0", tr("Your Card -- Not Detected"),
                                {360, 240, 3015, 255}, Grow{.Wider = 1});
    driveCard_ = new QComboBox(client_);
    driveCard_->setObjectName("driveCard");
    Place(driveCard_, {360, 600, 1935, 315}, Grow{.Wider = 1});
    cmdRefresh_ = Button("cmdRefresh", tr("Refresh"), {}, {2400, 600, 975, 255}, Grow{.Right = 1});
    cardDescription_[1] =
        label("Card_Description_1", Tr(kSideCaption[ImageSide]), {4800, 240, 2535, 255});
    cardDescription_[1]->setToolTip(
        tr("Used as a intermediary storage for merging multiple cards."));
    label("Label3", tr("For storing info from Datacard images."), {4680, 600, 2775, 255});
    const QString holdCtrl = tr("*Hold Ctrl-Key for multiple selections");
    label("Label1", holdCtrl, {480, 5280, 2535, 255});
    label("Label2", holdCtrl, {4680, 5280, 2535, 255});

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
        SideButton("cmdCopyField", side, {480 + x, 5640, 1335, 255});
        SideButton("cmdClear", side, {2040 + x, 5640, 1215, 255});
        SideButton("cmdShuffle", side, {480 + x, 6000, 1335, 255});
        cmdUndo_[side] = SideButton("cmdUndo", side, {2040 + x, 6000, 1215, 255});
        savetoCard_[side] =
            label("SavetoCard_" + n, tr("Saving:"),
                  side ? std::array{4680, 6360, 735, 255} : std::array{480, 6480, 735, 255});
        saveProgress_[side] = new QProgressBar(client_);
        saveProgress_[side]->setObjectName("SaveProgress_" + n);
        saveProgress_[side]->setRange(0, 100);
        saveProgress_[side]->setTextVisible(false);
        Place(saveProgress_[side],
              side ? std::array{5520, 6360, 2295, 255} : std::array{1200, 6480, 2295, 255});
        savetoCard_[side]->hide();
        saveProgress_[side]->hide();

        QPushButton* move = SideButton("cmdMoveLines", side, {3480, side ? 3360 : 1920, 975, 495},
                                       Grow{.Right = 1, .Down = 1});
        move->setAccessibleName(side ? tr("Move to card") : tr("Move to temporary card image"));
        const QSize picture(TwipsToPixels(this, 840), TwipsToPixels(this, 420));
        move->setIcon(QIcon(ArrowPicture(side == CardSide, picture)));
        move->setIconSize(picture);
    }

    // Kept hidden: the commands switch it with the others, but every change
    // is saved as it is made.
    cmdSave_ = Button("cmdSave", tr("Save Image"), {}, {480, 6720, 1215, 255});
    cmdSave_->hide();

    auto* line = new QFrame(client_);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    Place(line, {3930, 0, 60, 7200}, Grow{.Right = 1, .Taller = 2});
    line->lower();
}

// Every command of the window, in the order of its menus. Captions carry
// their mnemonic; the list menus and buttons show them without one.
std::vector<WindowCommand> AB_Main::CommandTable() {
    using Sides = WindowCommand::Sides;
    using Card = WindowCommand::Card;
    const auto menu = [this](void (*command)(Program&, Ports&)) {
        return [this, command](int) { Menu(command); };
    };
    const auto run = [this](void (*command)(Program&, Ports&)) {
        return [this, command](int) { command(program_, *ports_); };
    };
    const auto edit = [this](void (*command)(Program&, Ports&, int)) {
        return [this, command](int side) { command(program_, *ports_, side); };
    };
    const auto both = [](const QString& caption) { return std::array{caption, caption}; };
    return {
        {.Name = "mnuStraightTrack",
         .Menu = "mnuTrackOption",
         .Caption = both(tr("&Straight Track")),
         .Run = menu(swathkit::mnuStraightTrack_Click),
         .Checkable = true},
        {.Name = "mnuCircleTrack",
         .Menu = "mnuTrackOption",
         .Caption = both(tr("&Circle Track")),
         .Run = menu(swathkit::mnuCircleTrack_Click),
         .Checkable = true},
        {.Name = "mnuShowLonLat",
         .Menu = "mnuOptions",
         .Caption = both(tr("Show &Lon / Lat")),
         .Run = menu(swathkit::mnuShowLonLat_Click),
         .Checkable = true},
        {.Name = "mnuShowDMS",
         .Menu = "mnuOptions",
         .Caption = both(tr("Show &DMS")),
         .Run = menu(swathkit::mnuShowDMS_Click),
         .Checkable = true},
        {.Name = "mnuRefreshDrives",
         .Menu = "mnuOptions",
         .Caption = both(tr("&Refresh Drives")),
         .Run = run(swathkit::mnuRefreshDrives_Click),
         .Keys = QKeySequence::Refresh},
        // Ctrl+Q on every system: Windows has no standard key to quit.
        {.Name = "mnuExit",
         .Menu = "mnuOptions",
         .Caption = both(tr("E&xit")),
         .Run =
             [](int) {
                 QMetaObject::invokeMethod(qApp, &QApplication::quit, Qt::QueuedConnection);
             },
         .Keys = QKeySequence(Qt::CTRL | Qt::Key_Q),
         .LineBefore = true},

        {.Name = "mnuBackup",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Backup Image")),
         .Run = run(swathkit::mnuBackup_Click)},
        {.Name = "mnuRestore",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Restore from Backup...")),
         .Run = [this](int) { mnuRestore_Click(); }},
        {.Name = "mnuCardtoCard",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Copy Card to Card")),
         .Run = run(swathkit::mnuCardtoCard_Click)},
        // Our own additions, kept apart from the card's commands. The merge
        // needs a card just as the arrow from it does.
        {.Name = "mnuMergeCard",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Merge Card into Image...")),
         .Run = [this](int) { mnuMergeCard_Click(); },
         .NeedsCard = Card::Needed},
        {.Name = "mnuExportLines",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Export Lines...")),
         .Run = [this](int) { mnuExportLines_Click(); }},
        {.Name = "mnuImportLines",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Import Lines...")),
         .Run = [this](int) { RunImportLines(program_, *ports_, this); }},
        // The list last worked in, or the passes selected in it, on paper.
        {.Name = "mnuPrint",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Print...")),
         .Run =
             [this](int) {
                 PrintLines(program_, *ports_, cardList_, lastList_, PrintTo::Printer, this);
             },
         .Keys = QKeySequence::Print},
        {.Name = "mnuSavePdf",
         .Menu = "mnuDataCard",
         .Caption = both(tr("&Save as PDF...")),
         .Run =
             [this](int) {
                 PrintLines(program_, *ports_, cardList_, lastList_, PrintTo::Pdf, this);
             }},

        {.Name = "mnuEditMove",
         .Menu = "mnuEdit",
         .Caption = {tr("&Move to Temporary Card Image"), tr("&Move to Card")},
         .Run = edit(swathkit::cmdMoveLines_Click),
         .On = Sides::EachList,
         .NeedsCard = Card::Needed,
         .ListName = "mnuListMove",
         .Button = "cmdMoveLines"},
        {.Name = "mnuEditShuffle",
         .Menu = "mnuEdit",
         .Caption = both(tr("C&hange Field #...")),
         .Run = edit(swathkit::cmdShuffle_Click),
         .On = Sides::EachList,
         .NeedsCard = Card::OnCardSide,
         .ListName = "mnuListShuffle",
         .Button = "cmdShuffle",
         .ButtonCaption = both(tr("Change Field #")),
         .Tip = {tr("Change Field Number"), tr("Move selected items to field of your choice.")}},
        {.Name = "mnuEditCopyField",
         .Menu = "mnuEdit",
         .Caption = both(tr("&Copy Field...")),
         .Run = edit(swathkit::cmdCopyField_Click),
         .On = Sides::EachList,
         .NeedsCard = Card::OnCardSide,
         .ListName = "mnuListCopyField",
         .Button = "cmdCopyField",
         .ButtonCaption = both(tr("Copy Field")),
         .Tip = both(tr("Copy field info to another field number."))},
        {.Name = "mnuEditErase",
         .Menu = "mnuEdit",
         .Caption = both(tr("&Erase")),
         .Run = edit(swathkit::cmdClear_Click),
         .On = Sides::EachList,
         .Keys = QKeySequence::Delete,
         .NeedsCard = Card::OnCardSide,
         .ListName = "mnuListErase",
         .Button = "cmdClear",
         .ButtonCaption = both(tr("Erase")),
         .Tip = both(tr("Clear the Selected Fields."))},
        // Named, so that what it will undo can be shown on it.
        {.Name = "mnuEditUndo",
         .Menu = "mnuEdit",
         .Caption = both(tr("&Undo")),
         .Run = edit(swathkit::cmdUndo_Click),
         .On = Sides::EachList,
         .Keys = QKeySequence::Undo,
         .NeedsCard = Card::OnCardSide,
         .ListName = "mnuListUndo",
         .Button = "cmdUndo",
         .ButtonCaption = both(tr("Undo")),
         .Tip = both(tr("Reverse your last change."))},
        {.Name = "mnuEditSelectAll",
         .Menu = "mnuEdit",
         .Caption = both(tr("Select &All")),
         .Run = [this](int side) { cardList_[side]->selectAll(); },
         .On = Sides::EachList,
         .Keys = QKeySequence::SelectAll,
         .ListName = "mnuListSelectAll"},
        // Shifting the card writes it, so it needs a card as Erase does.
        {.Name = "mnuShift",
         .Menu = "mnuEdit",
         .Caption = both(tr("&Shift Passes...")),
         .Run = [this](int side) { ShiftPasses(side); },
         .On = Sides::EachList,
         .NeedsCard = Card::OnCardSide,
         .ListName = "mnuListShift",
         .ListCaption = tr("Shift..."),
         .LineBefore = true},

        {.Name = "mnuMap",
         .Menu = "mnuView",
         .Caption = both(tr("&Map of Lines")),
         .Run = [this](int) { mnuMap_Click(); }},
        {.Name = "mnuDuplicates",
         .Menu = "mnuView",
         .Caption = both(tr("&Duplicate Passes...")),
         .Run = [this](int) { mnuDuplicates_Click(); }},
        {.Name = "mnuHelp",
         .Caption = both(tr("&Help")),
         .Run = [this](int) { swathkit::mnuHelp_Click(*ports_, setup_.ProgramFolder); },
         .Keys = QKeySequence::HelpContents},
    };
}

const WindowCommand& AB_Main::Entry(const QString& name) const {
    for (const WindowCommand& command : commands_) {
        if (command.Name == name || command.Button == name)
            return command;
    }
    throw std::logic_error("no window command " + name.toStdString());
}

QPushButton* AB_Main::SideButton(const QString& name, int side, std::array<int, 4> twips,
                                 std::optional<Grow> grow) {
    const WindowCommand& command = Entry(name);
    QPushButton* button = Button(name + QString("_%1").arg(side), command.ButtonCaption[side],
                                 command.Tip[side], twips, grow);
    connect(button, &QPushButton::clicked, this, [this, &command, side] { command.Run(side); });
    built_.push_back({button, &command, side});
    return button;
}

void AB_Main::BuildMenus() {
    const auto menu = [](QWidget* parent, const char* name, const QString& text) {
        auto* made = new QMenu(text, parent);
        made->setObjectName(name);
        return made;
    };
    QMenu* options = menu(menuBar(), "mnuOptions", tr("&Options"));
    QMenu* track = menu(options, "mnuTrackOption", tr("&Track Option"));
    options->addMenu(track);
    QMenu* edit = menu(menuBar(), "mnuEdit", tr("&Edit"));
    for (QMenu* top : {options, menu(menuBar(), "mnuDataCard", tr("&DataCard")), edit,
                       menu(menuBar(), "mnuView", tr("&View"))})
        menuBar()->addMenu(top);
    // The side commands' keys work in the list that has the focus; the "Edit"
    // menu shows them beside its entries, which act on the list last used.
    connect(edit, &QMenu::aboutToShow, this, [this] { SyncEditMenu(); });

    for (const WindowCommand& command : commands_) {
        QWidget* into = command.Menu.isEmpty() ? static_cast<QWidget*>(menuBar())
                                               : menuBar()->findChild<QMenu*>(command.Menu);
        auto* action = new QAction(command.Caption[0], into);
        action->setObjectName(command.Name);
        action->setCheckable(command.Checkable);
        const bool side = command.On == WindowCommand::Sides::EachList;
        if (!side)
            action->setShortcut(command.Keys);
        connect(action, &QAction::triggered, this, [this, &command] { command.Run(lastList_); });
        if (command.LineBefore)
            static_cast<QMenu*>(into)->addSeparator();
        into->addAction(action);
        built_.push_back({action, &command, side ? -1 : 0});
    }
    options->insertMenu(findChild<QAction*>("mnuExit"), LanguageMenu());
}

// Options > Language: each language under its own name, so that an operator
// who cannot read the one shown still finds theirs. The choice is kept in
// the work folder; the boxes and dialogs take it at once, the main window
// when the program next starts.
QMenu* AB_Main::LanguageMenu() {
    auto* languages = new QMenu(tr("L&anguage"), this);
    languages->setObjectName("mnuLanguage");
    auto* group = new QActionGroup(languages);
    for (const Language& language : Languages()) {
        QAction* action = languages->addAction(language.Name);
        action->setObjectName("mnuLanguage_" + language.Code);
        action->setCheckable(true);
        action->setChecked(language.Code == LanguageInUse());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = language.Code] {
            const FileResult kept =
                WriteLanguageChoice(program_.WorkFolder, *setup_.Disk, code.toStdString());
            UseLanguage(code);
            ports_->Ask.Show(kept ? LanguageKeptBox()
                                  : WithReason(LanguageNotKeptBox(), kept.Error(), Medium::Disk));
        });
    }
    return languages;
}

// Each list's right-click menu and keys give the side commands. The keys
// work only in the list that has the focus, so Delete in one list never
// erases in the other; a command that needs a card takes no key without one.
void AB_Main::BuildListMenus() {
    for (int side : {CardSide, ImageSide}) {
        QTreeWidget* list = cardList_[side];
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->installEventFilter(this);
        for (const WindowCommand& command : commands_) {
            if (command.On != WindowCommand::Sides::EachList)
                continue;
            if (command.LineBefore) {
                auto* line = new QAction(list);
                line->setSeparator(true);
                list->addAction(line);
            }
            auto* action = new QAction(command.ListCaption.isEmpty()
                                           ? QString(command.Caption[side]).remove('&')
                                           : command.ListCaption,
                                       list);
            action->setObjectName(command.ListName + QString("_%1").arg(side));
            action->setShortcut(command.Keys);
            action->setShortcutContext(Qt::WidgetShortcut);
            connect(action, &QAction::triggered, this, [&command, side] { command.Run(side); });
            list->addAction(action);
            built_.push_back({action, &command, side});
        }
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
    const auto check = [this](const char* name, bool checked) {
        findChild<QAction*>(name)->setChecked(checked);
    };
    check("mnuStraightTrack", program_.Menus.StraightTrack);
    check("mnuCircleTrack", !program_.Menus.StraightTrack);
    check("mnuShowLonLat", program_.Menus.ShowLonLat);
    check("mnuShowDMS", program_.Menus.ShowDMS);
}

// The "Edit" menu's side commands name and switch as for the list last used.
void AB_Main::SyncEditMenu() {
    for (const Built& built : built_) {
        if (built.Side >= 0)
            continue;
        auto* action = static_cast<QAction*>(built.Control);
        QString caption = built.Command->Caption[lastList_];
        // Undo names the change it will take back in the list last used.
        if (built.Command->Name == "mnuEditUndo" && !UndoName(lastList_).isEmpty())
            caption = '&' + UndoName(lastList_);
        action->setText(built.Command->Keys.isEmpty()
                            ? caption
                            : caption + '\t' +
                                  built.Command->Keys.toString(QKeySequence::NativeText));
    }
    SyncEnabled();
}

void AB_Main::SyncEnabled() {
    for (const Built& built : built_) {
        const int side = built.Side < 0 ? lastList_ : built.Side;
        const WindowCommand::Card need = built.Command->NeedsCard;
        const bool on = cardCommands_ || need == WindowCommand::Card::NotNeeded ||
                        (need == WindowCommand::Card::OnCardSide && side == ImageSide);
        if (auto* action = qobject_cast<QAction*>(built.Control))
            action->setEnabled(on);
        else
            static_cast<QWidget*>(built.Control)->setEnabled(on);
    }
}

void AB_Main::SetCardCommandsEnabled(bool enabled) {
    cardCommands_ = enabled;
    // Kept hidden: every change is saved as it is made.
    cmdSave_->setEnabled(enabled);
    SyncEnabled();
}

void AB_Main::SetCardDescription(const Words& text) {
    QLabel* label = cardDescription_[0];
    const QString shown = Tr(text);
    label->setText(shown);
    label->setToolTip(shown);
    FitCardDescription();
}

// The card's description in the window's font, shrunk only as far as its
// label's width asks.
void AB_Main::FitCardDescription() {
    QLabel* label = cardDescription_[0];
    label->setFont(client_->font());
    FitText(label, label->text());
}

// What Undo of one side takes back, in the operator's words ("Undo Erase of
// field 22"); empty when there is nothing it can name.
QString AB_Main::UndoName(int side) const {
    const Words named = UndoDescription(program_, side);
    return named.empty() ? QString() : Tr(named);
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
    std::optional<MergePlan> plan = mnuMergeCard_Plan(program_, *ports_);
    if (!plan)
        return;
    MergeCardDialog dialog(program_, std::move(*plan), this);
    if (dialog.exec() == QDialog::Accepted)
        mnuMergeCard_Apply(program_, *ports_, dialog.Plan());
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
        // Whole sentences, so that a translation can say them its own way.
        const QString what = side == ImageSide ? (passes == 1 ? tr("%1 selected pass of the %2")
                                                              : tr("%1 selected passes of the %2"))
                                               : (passes == 1 ? tr("%1 selected pass of %2")
                                                              : tr("%1 selected passes of %2"));
        ShiftDialog dialog(what.arg(passes).arg(Tr(kSideCaption[side])), this);
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
