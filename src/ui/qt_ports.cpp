#include "ui/qt_ports.h"

#include "ui/language.h"
#include "ui/select_directory.h"

#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace swathkit {

namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace

QString Text(const std::string& text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Holds each column's least width: the one it was drawn with, or its widest
// text when that is wider. Room beyond them all is shared out in proportion,
// so that the columns fill the list as it grows and none is ever cut.
class ColumnSpreader final : public QObject {
  public:
    explicit ColumnSpreader(QTreeWidget* view) : QObject(view), view_(view) {
        view_->viewport()->installEventFilter(this);
    }

    void Spread(std::vector<int> least) {
        least_ = std::move(least);
        Spread();
    }

  private:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            Spread();
        return QObject::eventFilter(watched, event);
    }

    void Spread() {
        if (spreading_ || least_.empty() || static_cast<int>(least_.size()) != view_->columnCount())
            return;
        spreading_ = true;
        long long total = 0;
        for (int width : least_) total += width;
        const long long room = std::max<long long>(0, view_->viewport()->width() - total);
        long long given = 0;
        for (std::size_t i = 0; i < least_.size(); ++i) {
            const long long share =
                i + 1 < least_.size() ? room * least_[i] / std::max(total, 1LL) : room - given;
            given += share;
            view_->setColumnWidth(static_cast<int>(i), least_[i] + static_cast<int>(share));
        }
        spreading_ = false;
    }

    QTreeWidget* view_;
    std::vector<int> least_;
    bool spreading_ = false;
};

QtLineList::QtLineList(QTreeWidget* view) : view_(view), spreader_(new ColumnSpreader(view)) {}

void FitText(QWidget* widget, const QString& text) {
    QFont font = widget->font();
    while (QFontMetrics(font).horizontalAdvance(text) > widget->width() - 2 &&
           font.pointSizeF() > 6.5) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    widget->setFont(font);
}

void LetGrow(QDialog* dialog) {
    dialog->setWindowFlag(Qt::WindowMaximizeButtonHint);
    dialog->setSizeGripEnabled(true);
}

int TwipsToPixels(const QWidget* widget, int twips) {
    return (twips * widget->logicalDpiX() + 720) / 1440;
}

fs::path PathOf(const QString& name) {
    return fs::path(name.toStdU16String());
}

Answer QtDialogs::Show(const Message& message) {
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (message.Buttons) {
        case Buttons::Ok:
            buttons = QMessageBox::Ok;
            break;
        case Buttons::OkCancel:
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case Buttons::YesNo:
            buttons = QMessageBox::Yes | QMessageBox::No;
            break;
        case Buttons::YesNoCancel:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.Icon) {
        case Icon::None:
            icon = QMessageBox::NoIcon;
            break;
        case Icon::Critical:
            icon = QMessageBox::Critical;
            break;
        case Icon::Question:
            icon = QMessageBox::Question;
            break;
        case Icon::Exclamation:
            icon = QMessageBox::Warning;
            break;
        case Icon::Information:
            icon = QMessageBox::Information;
            break;
    }
    QMessageBox box(icon, Tr(message.Title), Tr(message.Prompt), buttons, owner_);
    box.setInformativeText(Tr(message.Details));
    if (message.Default == Answer::No)
        box.setDefaultButton(QMessageBox::No);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            return message.Buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

std::optional<std::string> QtDialogs::Input(const Words& prompt, const Words& title) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner_, Tr(title), Tr(prompt), QLineEdit::Normal, {}, &ok);
    if (!ok)
        return std::nullopt;
    return Utf8(text);
}

std::optional<fs::path> QtDialogs::SelectDirectory() {
    swathkit::SelectDirectory dialog(owner_);
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenDirectory().isEmpty()) {
        return std::nullopt;
    }
    return PathOf(QDir::toNativeSeparators(dialog.ChosenDirectory()));
}

int ListItemSlot(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toInt();
}

std::optional<int> QtDialogs::ChooseDrive(const Message& message,
                                          const std::vector<std::string>& drives, int current) {
    QStringList items;
    for (const std::string& drive : drives) items << Tr(drive);
    bool ok = false;
    const QString chosen = QInputDialog::getItem(owner_, Tr(message.Title), Tr(message.Prompt),
                                                 items, current, /*editable=*/false, &ok);
    const auto index = static_cast<int>(items.indexOf(chosen));
    if (!ok || index < 0)
        return std::nullopt;
    return index;
}

void QtLineList::Show(const std::vector<Column>& columns, const std::vector<ListRow>& rows) {
    view_->clear();
    QStringList captions;
    for (const Column& column : columns) captions << Tr(column.Caption);
    view_->setColumnCount(static_cast<int>(columns.size()));
    view_->setHeaderLabels(captions);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        view_->setColumnWidth(static_cast<int>(i), TwipsToPixels(view_, columns[i].WidthTwips));
    }
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const ListRow& row : rows) {
        auto* item = new QTreeWidgetItem;
        for (std::size_t i = 0; i < row.Cells.size(); ++i)
            item->setText(static_cast<int>(i), Text(row.Cells[i]));
        item->setData(0, Qt::UserRole, row.Slot);
        items.push_back(item);
    }
    view_->addTopLevelItems(items);
    // The widths are where a column starts; a text wider than that (a DMS
    // coordinate, a desktop font wider than the one the layout was drawn
    // with) widens its column rather than being cut.
    std::vector<int> least;
    for (int i = 0; i < view_->columnCount(); ++i) {
        const int drawn = view_->columnWidth(i);
        view_->resizeColumnToContents(i);
        least.push_back(std::max(drawn, view_->columnWidth(i)));
    }
    spreader_->Spread(std::move(least));
    view_->clearSelection();
}

std::vector<int> QtLineList::SelectedSlots() {
    std::vector<int> chosen;
    for (int i = 0; i < view_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = view_->topLevelItem(i);
        if (item->isSelected())
            chosen.push_back(ListItemSlot(item));
    }
    return chosen;
}

void QtLineList::DeselectFirstItem() {
    if (view_->topLevelItemCount() > 0)
        view_->topLevelItem(0)->setSelected(false);
}

void QtLineList::Focus() {
    view_->setFocus(Qt::OtherFocusReason);
}

QtDriveChooser::QtDriveChooser(QComboBox* box, std::function<DriveList()> listDrives)
    : box_(box), listDrives_(std::move(listDrives)) {
    const DriveList drives = listDrives_();
    const QSignalBlocker quiet(box_);
    Fill(drives);
}

// The box shows each entry in the operator's language ("/ [This Computer]");
// the logic gets back the entry as it was listed.
void QtDriveChooser::Fill(const DriveList& drives) {
    box_->clear();
    for (const std::string& entry : drives.Entries) box_->addItem(Tr(entry), Text(entry));
    box_->setCurrentIndex(drives.Initial);
}

std::vector<std::string> QtDriveChooser::Entries() {
    std::vector<std::string> entries;
    for (int i = 0; i < box_->count(); ++i) entries.push_back(Utf8(box_->itemData(i).toString()));
    return entries;
}

std::string QtDriveChooser::CurrentText() {
    return Utf8(box_->currentData().toString());
}

bool QtDriveChooser::Reread() {
    const DriveList drives = listDrives_();
    if (drives.Entries.empty())
        return false;
    // The refresh loads the card itself afterwards; a change signal here
    // would only load it twice.
    const QSignalBlocker quiet(box_);
    Fill(drives);
    return true;
}

void QtDriveChooser::Select(int index) {
    const QSignalBlocker quiet(box_);
    box_->setCurrentIndex(index);
}

DriveList MachineDrives() {
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid())
            continue;
        volumes.push_back({Utf8(storage.rootPath()), Utf8(storage.name()),
                           storage.fileSystemType().toStdString()});
    }
    return DrivesToList(volumes);
}

}  // namespace swathkit
