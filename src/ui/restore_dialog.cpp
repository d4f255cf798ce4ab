#include "ui/restore_dialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QThread>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <set>

#include "commands/commands.h"
#include "ui/language.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

enum ListColumn { kDay, kNumber, kMade, kStraight, kCircle, kCard };
enum CompareColumn { kField, kInBackup, kOnCard, kDifference };

QString Place(const GuidanceLine& line) {
    if (!LineInUse(line))
        return {};
    return Text(FormatCoordinate(line.Latitude, false) + "  " +
                FormatCoordinate(line.Longitude, false));
}

QString DifferenceText(Difference kind) {
    switch (kind) {
        case Difference::OnlyInBackup:
            return Tr(SAY("only in the backup"));
        case Difference::OnlyOnCard:
            return Tr(SAY("only on the card"));
        case Difference::Different:
            return Tr(SAY("different line"));
        case Difference::Same:
            break;
    }
    return Tr(SAY("the same"));
}

QColor DifferenceColour(Difference kind) {
    switch (kind) {
        case Difference::OnlyInBackup:
            return {222, 242, 222};
        case Difference::OnlyOnCard:
            return {220, 232, 250};
        case Difference::Different:
            return {252, 222, 190};
        case Difference::Same:
            break;
    }
    return {255, 255, 255};
}

QString KindText(TrackKind kind) {
    return kind == TrackKind::Straight ? Tr(SAY("straight lines")) : Tr(SAY("circle tracks"));
}

// What the list shows of a backup folder.
std::array<Words, 3> Describe(Files& disk, const fs::path& folder, const BackupCard& reader) {
    const BackupSummary summary = ReadBackupFolder(disk, folder);
    return {BackupFileText(summary.Straight), BackupFileText(summary.Circle),
            BackupCardText(summary.Card, reader)};
}

// Measured once, after the rows are in: a header sized to its contents
// measures every row again on each text set, which for a season of
// backups froze the window for half a minute.
void FitColumns(QTreeWidget* tree) {
    for (int column = 0; column < tree->columnCount(); ++column)
        tree->resizeColumnToContents(column);
}

// Drawing and measuring stay off while a tree is filled, and it is
// measured once at the end.
class Filling {
  public:
    explicit Filling(QTreeWidget* tree) : tree_(tree), quiet_(tree) {
        tree_->setUpdatesEnabled(false);
    }
    ~Filling() {
        FitColumns(tree_);
        tree_->setUpdatesEnabled(true);
    }
    Filling(const Filling&) = delete;
    Filling& operator=(const Filling&) = delete;

  private:
    QTreeWidget* tree_;
    QSignalBlocker quiet_;
};

void SetDescription(QTreeWidgetItem* item, const std::array<Words, 3>& texts) {
    item->setText(kStraight, Tr(texts[0]));
    item->setText(kCircle, Tr(texts[1]));
    item->setText(kCard, Tr(texts[2]));
}

}  // namespace

RestoreDialog::RestoreDialog(Program& program, Ports& ports, QWidget* parent)
    : QDialog(parent), program_(program), ports_(ports) {
    // One core is left to the window, so that the list shows and answers
    // while the backups are read.
    readers_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    setObjectName("RestoreFromBackup");
    setWindowTitle(tr("Restore from Backup"));
    resize(720, 600);
    LetGrow(this);

    auto* intro = new QLabel(
        tr("Every write to a card is backed up first. Choose a backup to see how its passes "
           "differ from Your Card; bring them into the Temporary Card Image, or write the "
           "backup's lines back onto the card."),
        this);
    intro->setWordWrap(true);

    backups_ = new QTreeWidget(this);
    backups_->setObjectName("lstBackups");
    backups_->setHeaderLabels(
        {tr("Day"), tr("No."), tr("Made"), tr("Straight lines"), tr("Circle tracks"), tr("Card")});
    backups_->setRootIsDecorated(false);
    backups_->setAllColumnsShowFocus(true);
    auto* openFolder = new QPushButton(tr("Open Folder..."), this);
    openFolder->setObjectName("cmdOpenFolder");
    openFolder->setToolTip(
        tr("A folder of your own: a \"Backup Image\" copy, or a card copied "
           "to another disk"));

    status_ = new QLabel(this);
    status_->setObjectName("lblCompare");
    status_->setWordWrap(true);

    compare_ = new QTreeWidget(this);
    compare_->setObjectName("lstCompare");
    compare_->setHeaderLabels({tr("Field"), tr("Backup"), tr("Your Card"), tr("Difference")});
    compare_->setRootIsDecorated(false);
    compare_->setSelectionMode(QAbstractItemView::ExtendedSelection);

    intoImage_ = new QPushButton(tr("Into Temporary Card Image"), this);
    intoImage_->setObjectName("cmdIntoImage");
    intoImage_->setToolTip(
        tr("The selected passes of the backup, or all of them when none is "
           "selected"));
    writeToCard_ = new QPushButton(tr("Write to Card"), this);
    writeToCard_->setObjectName("cmdWriteToCard");
    writeToCard_->setToolTip(
        tr("The selected fields of the backup onto the card, or its whole line file "
           "when none is selected, after a new backup of the card"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("cmdClose");

    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(openFolder);
    listButtons->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(intoImage_);
    buttons->addWidget(writeToCard_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(backups_, 2);
    layout->addLayout(listButtons);
    layout->addWidget(status_);
    layout->addWidget(compare_, 3);
    layout->addLayout(buttons);

    connect(backups_, &QTreeWidget::currentItemChanged, this, [this] { Choose(); });
    connect(openFolder, &QPushButton::clicked, this, [this] { OpenFolder(); });
    connect(intoImage_, &QPushButton::clicked, this, [this] { IntoImage(); });
    connect(writeToCard_, &QPushButton::clicked, this, [this] { WriteToCard(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    // Closed: the map no longer shows the backup.
    connect(this, &QDialog::finished, this, [this] {
        if (ShownChanged)
            ShownChanged();
    });
    connect(&listing_, &QFutureWatcherBase::resultReadyAt, this, [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < rows_.size())
            SetDescription(rows_[index], listing_.resultAt(index));
    });
    connect(&listing_, &QFutureWatcherBase::finished, this, [this] { FitColumns(backups_); });
    Compare();
}

RestoreDialog::~RestoreDialog() {
    listing_.cancel();
    listing_.waitForFinished();
}

void RestoreDialog::Reload() {
    listing_.cancel();
    listing_.waitForFinished();
    const fs::path was = chosen_ ? chosenFolder_ : fs::path();
    // The folders are listed at once; what each holds takes reading every
    // line file, which for a season of backups is left to a worker. The
    // operator's own folders stay in the list, on top.
    const std::vector<BackupFolderEntry> listed = BackupFolders(program_, ports_.Disk);
    entries_ = listed;
    entries_.insert(entries_.end(), picked_.begin(), picked_.end());
    const BackupCard reader = CardInTheReader(ports_);
    {
        const Filling filling(backups_);
        backups_->clear();
        rows_.clear();
        QList<QTreeWidgetItem*> items;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            rows_.push_back(NewRow(entries_[i], static_cast<int>(i)));
            // The operator's own folders on top, the last picked first.
            if (i < listed.size())
                items.push_back(rows_.back());
            else
                items.push_front(rows_.back());
        }
        for (std::size_t i = listed.size(); i < entries_.size(); ++i)
            SetDescription(rows_[i], Describe(ports_.Disk, entries_[i].Folder, reader));
        backups_->addTopLevelItems(items);
    }
    Files* disk = &ports_.Disk;
    listing_.setFuture(
        QtConcurrent::mapped(&readers_, listed, [disk, reader](const BackupFolderEntry& entry) {
            return Describe(*disk, entry.Folder, reader);
        }));
    chosen_.reset();
    for (std::size_t i = 0; i < entries_.size() && !was.empty(); ++i) {
        if (entries_[i].Folder == was) {
            backups_->setCurrentItem(rows_[i]);
            break;
        }
    }
    Compare();
}

void RestoreDialog::WaitForListing() {
    listing_.waitForFinished();
    QCoreApplication::processEvents();
}

QTreeWidgetItem* RestoreDialog::NewRow(const BackupFolderEntry& entry, int at) {
    auto* item = new QTreeWidgetItem;
    if (entry.Number) {
        const std::string name = BackupFolderName(entry);
        item->setText(kDay, Text(name.substr(0, 10)));
        item->setText(kNumber, QString::number(*entry.Number));
    } else {
        item->setText(kDay, Text(PathText(entry.Folder)));
        item->setToolTip(kDay, Text(PathText(entry.Folder)));
    }
    item->setText(kMade, Text(entry.Made));
    const QString reading = tr("reading...");
    for (int column : {kStraight, kCircle, kCard}) item->setText(column, reading);
    item->setData(kDay, Qt::UserRole, at);
    return item;
}

void RestoreDialog::OpenFolder() {
    const std::optional<fs::path> folder = ports_.Ask.SelectDirectory();
    if (!folder)
        return;
    const BackupFolderEntry entry{*folder, {}, std::nullopt, BackupFolderTime(*folder)};
    picked_.push_back(entry);
    entries_.push_back(entry);
    QTreeWidgetItem* item = NewRow(entry, static_cast<int>(entries_.size() - 1));
    rows_.push_back(item);
    SetDescription(item, Describe(ports_.Disk, entry.Folder, CardInTheReader(ports_)));
    backups_->insertTopLevelItem(0, item);
    FitColumns(backups_);
    backups_->setCurrentItem(item);
}

void RestoreDialog::Choose() {
    QTreeWidgetItem* item = backups_->currentItem();
    chosen_.reset();
    if (item != nullptr) {
        const auto index = static_cast<std::size_t>(item->data(kDay, Qt::UserRole).toInt());
        if (index < entries_.size()) {
            chosen_ =
                ReadBackupFolderFile(ports_.Disk, entries_[index].Folder, program_.Menus.Kind());
            chosenCard_ = ReadBackupFolderCard(ports_.Disk, entries_[index].Folder);
            chosenName_ = BackupFolderName(entries_[index]);
            chosenFolder_ = entries_[index].Folder;
        }
    }
    Compare();
}

void RestoreDialog::Compare() {
    // A track kind switched while the dialog was open: its other file.
    if (chosen_ && chosen_->Kind != program_.Menus.Kind()) {
        Choose();
        return;
    }
    std::set<int> selected;
    for (const QTreeWidgetItem* item : compare_->selectedItems())
        selected.insert(item->text(kField).toInt());
    const Filling filling(compare_);
    compare_->clear();
    intoImage_->setEnabled(false);
    writeToCard_->setEnabled(false);
    if (!chosen_) {
        status_->setText(tr("Choose a backup to compare it with Your Card."));
    } else {
        const TrackKind kind = chosen_->Kind;
        const CardImage& card = program_.Table.Current(CardSide);
        QString text =
            tr("Backup %1 of %2, %3: ")
                .arg(Text(chosenName_), Tr(BackupCardText(chosenCard_, CardInTheReader(ports_))),
                     KindText(kind));
        switch (chosen_->State) {
            case BackupFileState::Missing:
                text += kind == TrackKind::Straight ? tr("it holds no straight lines.")
                                                    : tr("it holds no circle tracks.");
                break;
            case BackupFileState::Foreign:
                text += tr("%1 is not a line file. Nothing of it can be restored.")
                            .arg(Text(PathText(chosen_->Path)));
                break;
            case BackupFileState::Damaged:
                text += tr("%1 is damaged: %2. Its other passes can go into the Temporary Card "
                           "Image; it is never written to the card. ")
                            .arg(Text(PathText(chosen_->Path)), Tr(chosen_->Damage));
                [[fallthrough]];
            case BackupFileState::Whole: {
                const std::vector<DifferenceRow> rows = CompareBackupWithCard(chosen_->Image, card);
                text += Tr(DifferenceSummaryText(rows));
                for (const DifferenceRow& row : rows) {
                    auto* item = new QTreeWidgetItem(compare_);
                    item->setText(kField, QString::number(row.Field));
                    item->setText(kInBackup, Place(chosen_->Image.Line(row.Field)));
                    item->setText(kOnCard, Place(card.Line(row.Field)));
                    item->setText(kDifference, DifferenceText(row.Kind));
                    for (int column = kField; column <= kDifference; ++column)
                        item->setBackground(column, DifferenceColour(row.Kind));
                    item->setSelected(selected.count(row.Field) > 0);
                }
                intoImage_->setEnabled(chosen_->Passes > 0);
                writeToCard_->setEnabled(chosen_->State == BackupFileState::Whole);
                break;
            }
        }
        status_->setText(text);
    }
    if (ShownChanged)
        ShownChanged();
}

const CardImage* RestoreDialog::Shown() const {
    if (!isVisible() || !chosen_ || chosen_->Passes == 0)
        return nullptr;
    return &chosen_->Image;
}

void RestoreDialog::IntoImage() {
    if (!chosen_)
        return;
    std::vector<int> fields, all;
    for (int i = 0; i < compare_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = compare_->topLevelItem(i);
        const int field = item->text(kField).toInt();
        if (!LineInUse(chosen_->Image.Line(field)))
            continue;
        all.push_back(field);
        if (item->isSelected())
            fields.push_back(field);
    }
    RestorePassesIntoImage(program_, ports_, *chosen_, fields.empty() ? all : fields);
    Compare();
}

void RestoreDialog::WriteToCard() {
    if (!chosen_)
        return;
    // Exactly what is selected, or the whole file when nothing is.
    std::vector<int> fields;
    for (int i = 0; i < compare_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = compare_->topLevelItem(i);
        if (item->isSelected())
            fields.push_back(item->text(kField).toInt());
    }
    RestoreBackupToCard(program_, ports_, *chosen_, chosenName_, chosenCard_, fields);
    // The write made a backup of its own.
    Reload();
}

bool RestoreDialog::event(QEvent* event) {
    // The card, the image or the track kind may have changed in the main
    // window meanwhile.
    if (event->type() == QEvent::WindowActivate)
        Compare();
    return QDialog::event(event);
}

}  // namespace swathkit
