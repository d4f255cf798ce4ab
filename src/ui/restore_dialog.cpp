#include "ui/restore_dialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>
#include <set>

#include "commands/commands.h"

namespace swathkit {

namespace {

enum ListColumn { kDay, kNumber, kMade, kStraight, kCircle };
enum CompareColumn { kField, kInBackup, kOnCard, kDifference };

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Place(const GuidanceLine& line) {
    if (!LineInUse(line))
        return {};
    return Text(FormatCoordinate(line.Latitude, false) + "  " +
                FormatCoordinate(line.Longitude, false));
}

QString DifferenceText(Difference kind) {
    switch (kind) {
        case Difference::OnlyInBackup:
            return "only in the backup";
        case Difference::OnlyOnCard:
            return "only on the card";
        case Difference::Different:
            return "different line";
        case Difference::Same:
            break;
    }
    return "the same";
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

const char* KindText(TrackKind kind) {
    return kind == TrackKind::Straight ? "straight lines" : "circle tracks";
}

}  // namespace

RestoreDialog::RestoreDialog(Program& program, Ports& ports, QWidget* parent)
    : QDialog(parent), program_(program), ports_(ports) {
    setObjectName("RestoreFromBackup");
    setWindowTitle("Restore from Backup");
    resize(720, 600);

    auto* intro = new QLabel(
        "Every write to a card is backed up first. Choose a backup to see how its passes "
        "differ from Your Card; bring them into the Temporary Card Image, or write the "
        "backup's lines back onto the card.",
        this);
    intro->setWordWrap(true);

    backups_ = new QTreeWidget(this);
    backups_->setObjectName("lstBackups");
    backups_->setHeaderLabels({"Day", "No.", "Made", "Straight lines", "Circle tracks"});
    backups_->setRootIsDecorated(false);
    backups_->setAllColumnsShowFocus(true);
    backups_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* openFolder = new QPushButton("Open Folder...", this);
    openFolder->setObjectName("cmdOpenFolder");
    openFolder->setToolTip(
        "A folder of your own: a \"Backup Image\" copy, or a card copied "
        "to another disk");

    status_ = new QLabel(this);
    status_->setObjectName("lblCompare");
    status_->setWordWrap(true);

    compare_ = new QTreeWidget(this);
    compare_->setObjectName("lstCompare");
    compare_->setHeaderLabels({"Field", "Backup", "Your Card", "Difference"});
    compare_->setRootIsDecorated(false);
    compare_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    compare_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    intoImage_ = new QPushButton("Into Temporary Card Image", this);
    intoImage_->setObjectName("cmdIntoImage");
    intoImage_->setToolTip(
        "The selected passes of the backup, or all of them when none is "
        "selected");
    writeToCard_ = new QPushButton("Write to Card", this);
    writeToCard_->setObjectName("cmdWriteToCard");
    writeToCard_->setToolTip(
        "The backup's line file replaces the card's, after a new backup "
        "of the card");
    auto* close = new QPushButton("Close", this);
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
        const auto [straight, circle] = listing_.resultAt(index);
        for (int i = 0; i < backups_->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = backups_->topLevelItem(i);
            if (item->data(kDay, Qt::UserRole).toInt() == index) {
                item->setText(kStraight, Text(straight));
                item->setText(kCircle, Text(circle));
            }
        }
    });
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
    const std::vector<BackupFolderEntry> listed = ListBackups(program_, ports_.Disk);
    entries_ = listed;
    entries_.insert(entries_.end(), picked_.begin(), picked_.end());
    {
        const QSignalBlocker quiet(backups_);
        backups_->clear();
        for (std::size_t i = 0; i < entries_.size(); ++i) AddRow(entries_[i], static_cast<int>(i));
    }
    for (std::size_t i = listed.size(); i < entries_.size(); ++i) {
        const BackupSummary summary = ReadBackup(ports_.Disk, entries_[i].Folder);
        QTreeWidgetItem* item = backups_->topLevelItem(static_cast<int>(entries_.size() - 1 - i));
        item->setText(kStraight, Text(DescribeBackupFile(summary.Straight)));
        item->setText(kCircle, Text(DescribeBackupFile(summary.Circle)));
    }
    Files* disk = &ports_.Disk;
    listing_.setFuture(QtConcurrent::mapped(listed, [disk](const BackupFolderEntry& entry) {
        const BackupSummary summary = ReadBackup(*disk, entry.Folder);
        return std::make_pair(DescribeBackupFile(summary.Straight),
                              DescribeBackupFile(summary.Circle));
    }));
    chosen_.reset();
    for (int i = 0; i < backups_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = backups_->topLevelItem(i);
        const auto index = static_cast<std::size_t>(item->data(kDay, Qt::UserRole).toInt());
        if (!was.empty() && entries_[index].Folder == was)
            backups_->setCurrentItem(item);
    }
    Compare();
}

void RestoreDialog::WaitForListing() {
    listing_.waitForFinished();
    QCoreApplication::processEvents();
}

void RestoreDialog::AddRow(const BackupFolderEntry& entry, int at) {
    auto* item = new QTreeWidgetItem;
    if (entry.Number >= 0) {
        const std::string name = BackupName(entry);
        item->setText(kDay, Text(name.substr(0, 10)));
        item->setText(kNumber, QString::number(entry.Number));
    } else {
        item->setText(kDay, Text(PathText(entry.Folder)));
        item->setToolTip(kDay, Text(PathText(entry.Folder)));
    }
    item->setText(kMade, Text(entry.Made));
    item->setText(kStraight, "reading...");
    item->setText(kCircle, "reading...");
    item->setData(kDay, Qt::UserRole, at);
    backups_->insertTopLevelItem(entry.Number >= 0 ? at : 0, item);
}

void RestoreDialog::OpenFolder() {
    const std::optional<fs::path> folder = ports_.Ask.SelectDirectory();
    if (!folder)
        return;
    const BackupFolderEntry entry{*folder, {}, -1, FolderTimeText(*folder)};
    picked_.push_back(entry);
    entries_.push_back(entry);
    AddRow(entry, static_cast<int>(entries_.size() - 1));
    const BackupSummary summary = ReadBackup(ports_.Disk, entry.Folder);
    QTreeWidgetItem* item = backups_->topLevelItem(0);
    item->setText(kStraight, Text(DescribeBackupFile(summary.Straight)));
    item->setText(kCircle, Text(DescribeBackupFile(summary.Circle)));
    backups_->setCurrentItem(item);
}

void RestoreDialog::Choose() {
    QTreeWidgetItem* item = backups_->currentItem();
    chosen_.reset();
    if (item != nullptr) {
        const auto index = static_cast<std::size_t>(item->data(kDay, Qt::UserRole).toInt());
        if (index < entries_.size()) {
            chosen_ =
                ReadBackupLineFile(ports_.Disk, entries_[index].Folder, program_.Menus.Kind());
            chosenName_ = BackupName(entries_[index]);
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
    compare_->clear();
    intoImage_->setEnabled(false);
    writeToCard_->setEnabled(false);
    if (!chosen_) {
        status_->setText("Choose a backup to compare it with Your Card.");
    } else {
        const TrackKind kind = chosen_->Kind;
        const CardImage& card = program_.Table.Current(CardSide);
        QString text = Text("Backup " + chosenName_ + ", " + KindText(kind) + ": ");
        switch (chosen_->State) {
            case BackupFileState::Missing:
                text += Text(std::string("it holds no ") + KindText(kind) + ".");
                break;
            case BackupFileState::Foreign:
                text += Text(PathText(chosen_->Path)) +
                        " is not a line file. Nothing of it can be restored.";
                break;
            case BackupFileState::Damaged:
                text += Text(PathText(chosen_->Path) + " is damaged: " + chosen_->Damage +
                             " could not be read. Its other passes can go into the Temporary "
                             "Card Image; it is never written to the card. ");
                [[fallthrough]];
            case BackupFileState::Whole: {
                const std::vector<DifferenceRow> rows = CompareWithCard(chosen_->Image, card);
                text += Text(DifferenceSummary(rows));
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
    RestoreIntoImage(program_, ports_, *chosen_, fields.empty() ? all : fields);
    Compare();
}

void RestoreDialog::WriteToCard() {
    if (!chosen_)
        return;
    RestoreToCard(program_, ports_, *chosen_, chosenName_);
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
