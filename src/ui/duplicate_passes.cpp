#include "ui/duplicate_passes.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/commands.h"
#include "ui/list_follow.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

QString PassName(const DuplicatePass& pass) {
    return QString(kSideCaption.at(pass.Side)) + " #" + QString::number(pass.Field);
}

}  // namespace

DuplicatePassesDialog::DuplicatePassesDialog(const Program& program,
                                             std::array<QTreeWidget*, 2> lists,
                                             std::function<bool()> cardLoaded, QWidget* parent)
    : QDialog(parent), program_(program), lists_(lists), cardLoaded_(std::move(cardLoaded)) {
    setObjectName("DuplicatePasses");
    setWindowTitle("Duplicate Passes");
    resize(560, 380);

    const DuplicateLimits defaults;
    metres_ = new QDoubleSpinBox(this);
    metres_->setObjectName("DuplicateMetres");
    metres_->setRange(0.1, 1000);
    metres_->setDecimals(1);
    metres_->setSuffix(" m");
    metres_->setValue(defaults.Metres);
    degrees_ = new QDoubleSpinBox(this);
    degrees_->setObjectName("DuplicateDegrees");
    degrees_->setRange(0, 90);
    degrees_->setDecimals(1);
    degrees_->setSingleStep(0.5);
    degrees_->setSuffix("\u00B0");
    degrees_->setValue(defaults.Degrees);

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName("DuplicateTable");
    table_->setHorizontalHeaderLabels(
        {"Pass", "Probably the same as", "Apart", "Headings differ by"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    summary_ = new QLabel(this);
    summary_->setObjectName("DuplicateSummary");
    summary_->setWordWrap(true);

    auto* limits = new QFormLayout;
    limits->addRow("Points within:", metres_);
    limits->addRow("Straight lines: headings within:", degrees_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(limits);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(metres_, &QDoubleSpinBox::valueChanged, this, [this] { Search(); });
    connect(degrees_, &QDoubleSpinBox::valueChanged, this, [this] { Search(); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
        const auto rows = table_->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            SelectInLists(rows.front().row());
    });
    // A change to either side may make or break pairs. Selections are left
    // out: choosing a row selects in the lists.
    FollowLists(lists_, this, false, [this] { Search(); });
    Search();
}

void DuplicatePassesDialog::Search() {
    const bool straight = program_.Menus.StraightTrack;
    degrees_->setEnabled(straight);
    pairs_ = FindDuplicates(program_.Table.Current(CardSide), program_.Table.Current(ImageSide),
                            straight, cardLoaded_(), {metres_->value(), degrees_->value()});
    const QSignalBlocker quiet(table_);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(pairs_.size()));
    for (int row = 0; row < static_cast<int>(pairs_.size()); ++row) {
        const DuplicatePair& pair = pairs_[row];
        const QStringList cells = {
            PassName(pair.First), PassName(pair.Second),
            QString::number(pair.Metres, 'f', 2) + " m",
            !straight       ? QString("-")
            : pair.Reversed ? QString::number(pair.Degrees, 'f', 2) + "\u00B0, driven the other way"
                            : QString::number(pair.Degrees, 'f', 2) + "\u00B0"};
        for (int column = 0; column < cells.size(); ++column)
            table_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    const QString kind = straight ? "straight lines" : "circle tracks";
    summary_->setText(pairs_.empty()
                          ? "No duplicate " + kind + " found within these limits."
                          : QString::number(pairs_.size()) +
                                (pairs_.size() == 1 ? " pair of " : " pairs of ") + kind +
                                " found. Choose a row to select both passes in the lists.");
}

void DuplicatePassesDialog::SelectInLists(int row) {
    if (row < 0 || row >= static_cast<int>(pairs_.size()))
        return;
    const DuplicatePair& pair = pairs_[row];
    for (QTreeWidget* list : lists_) list->clearSelection();
    for (const DuplicatePass& pass : {pair.First, pair.Second}) {
        QTreeWidget* list = lists_[pass.Side];
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            if (ListItemSlot(item) == pass.Field) {
                item->setSelected(true);
                list->scrollToItem(item);
            }
        }
    }
}

}  // namespace swathkit
