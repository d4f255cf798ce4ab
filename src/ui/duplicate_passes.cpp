#include "ui/duplicate_passes.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "commands/commands.h"
#include "ui/language.h"
#include "ui/list_follow.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

enum Column { kPass, kSameAs, kApart, kHeadings, kColumns };

QString PassName(const DuplicatePass& pass) {
    return Tr(SAY("%1 #%2")).arg(Tr(kSideCaption.at(pass.Side)), QString::number(pass.Field));
}

// The table's words; out here, as the model has no translation context of
// its own.
const char* const kCaptions[kColumns] = {SAY("Pass"), SAY("Probably the same as"), SAY("Apart"),
                                         SAY("Headings differ by")};

QString ApartText(double metres) {
    return Tr(SAY("%1 m")).arg(QString::number(metres, 'f', 2));
}

QString HeadingsText(double degrees, bool reversed) {
    const QString text = QString::number(degrees, 'f', 2) + "\u00B0";
    return reversed ? Tr(SAY("%1, driven the other way")).arg(text) : text;
}

// Past this, a search is left to a worker the next time.
constexpr double kLongSearch = 0.05;

}  // namespace

// The pairs as the table shows them, their texts made only for the rows
// drawn: a refill is one reset, not a cell set at a time. The closest come
// first, a page at a time as the table is scrolled to its end.
class DuplicateModel final : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void Reset(const std::vector<DuplicatePair>* pairs, bool straight) {
        beginResetModel();
        pairs_ = pairs;
        straight_ = straight;
        shown_ = std::min(Found(), DuplicatePassesDialog::kShownAtFirst);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : shown_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : kColumns;
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return !parent.isValid() && shown_ < Found();
    }
    void fetchMore(const QModelIndex& parent) override {
        if (!canFetchMore(parent))
            return;
        const int more = std::min(Found() - shown_, DuplicatePassesDialog::kShownAtFirst);
        beginInsertRows({}, shown_, shown_ + more - 1);
        shown_ += more;
        endInsertRows();
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= shown_)
            return {};
        const DuplicatePair& pair = (*pairs_)[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
            case kPass:
                return PassName(pair.First);
            case kSameAs:
                return PassName(pair.Second);
            case kApart:
                return ApartText(pair.Metres);
            default:
                break;
        }
        if (!straight_)
            return QString("-");
        return HeadingsText(pair.Degrees, pair.Reversed);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= kColumns)
            return QAbstractTableModel::headerData(section, orientation, role);
        return Tr(kCaptions[section]);
    }

  private:
    int Found() const { return pairs_ == nullptr ? 0 : static_cast<int>(pairs_->size()); }

    const std::vector<DuplicatePair>* pairs_ = nullptr;
    bool straight_ = false;
    int shown_ = 0;
};

DuplicatePassesDialog::DuplicatePassesDialog(const Program& program,
                                             std::array<QTreeWidget*, 2> lists,
                                             std::function<bool()> cardLoaded, QWidget* parent)
    : QDialog(parent), program_(program), lists_(lists), cardLoaded_(std::move(cardLoaded)) {
    setObjectName("DuplicatePasses");
    setWindowTitle(tr("Duplicate Passes"));
    resize(560, 380);
    LetGrow(this);

    const DuplicateLimits defaults;
    metres_ = new QDoubleSpinBox(this);
    metres_->setObjectName("DuplicateMetres");
    metres_->setRange(0.1, 1000);
    metres_->setDecimals(1);
    metres_->setSuffix(" " + tr("m"));
    metres_->setValue(defaults.Metres);
    degrees_ = new QDoubleSpinBox(this);
    degrees_->setObjectName("DuplicateDegrees");
    degrees_->setRange(0, 90);
    degrees_->setDecimals(1);
    degrees_->setSingleStep(0.5);
    degrees_->setSuffix("\u00B0");
    degrees_->setValue(defaults.Degrees);

    model_ = new DuplicateModel(this);
    table_ = new QTableView(this);
    table_->setObjectName("DuplicateTable");
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // The columns fit the rows in sight; measuring a thousand more on each
    // refill is most of its cost.
    table_->horizontalHeader()->setResizeContentsPrecision(0);
    summary_ = new QLabel(this);
    summary_->setObjectName("DuplicateSummary");
    summary_->setWordWrap(true);

    auto* limits = new QFormLayout;
    limits->addRow(tr("Points within:"), metres_);
    limits->addRow(tr("Straight lines: headings within:"), degrees_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(limits);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    later_.setSingleShot(true);
    later_.setInterval(0);
    connect(&later_, &QTimer::timeout, this, [this] { Search(); });
    connect(&searching_, &QFutureWatcherBase::finished, this, [this] {
        // What changed meanwhile makes this search stale.
        if (again_) {
            again_ = false;
            Search();
        } else {
            Show(searching_.result());
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(metres_, &QDoubleSpinBox::valueChanged, this, [this] { later_.start(); });
    connect(degrees_, &QDoubleSpinBox::valueChanged, this, [this] { later_.start(); });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const auto rows = table_->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            SelectInLists(rows.front().row());
    });
    // A change to either side may make or break pairs. Selections are left
    // out: choosing a row selects in the lists. Closed, it searches when
    // opened again.
    FollowLists(lists_, this, false, [this] {
        if (isVisible())
            later_.start();
    });
}

DuplicatePassesDialog::~DuplicatePassesDialog() {
    searching_.waitForFinished();
}

void DuplicatePassesDialog::Search() {
    later_.stop();
    const bool straight = program_.Menus.StraightTrack;
    degrees_->setEnabled(straight);
    const DuplicateLimits limits{metres_->value(), degrees_->value()};
    const bool cardLoaded = cardLoaded_();
    if (!inWorker_) {
        QElapsedTimer clock;
        clock.start();
        Found found{FindDuplicates(program_.Table.Current(CardSide),
                                   program_.Table.Current(ImageSide), straight, cardLoaded, limits),
                    straight, 0};
        found.Seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        Show(std::move(found));
        return;
    }
    if (searching_.isRunning()) {
        again_ = true;
        return;
    }
    summary_->setText(tr("Searching..."));
    searching_.setFuture(QtConcurrent::run([card = program_.Table.Current(CardSide),
                                            image = program_.Table.Current(ImageSide), straight,
                                            cardLoaded, limits] {
        QElapsedTimer clock;
        clock.start();
        Found found{FindDuplicates(card, image, straight, cardLoaded, limits), straight, 0};
        found.Seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        return found;
    }));
}

void DuplicatePassesDialog::WaitForSearch() {
    searching_.waitForFinished();
    QCoreApplication::processEvents();
}

void DuplicatePassesDialog::Show(Found found) {
    inWorker_ = found.Seconds > kLongSearch;
    pairs_ = std::move(found.Pairs);
    // Measured once, for the rows in sight: a header sized to its contents
    // measured every row on each cell set and froze the window for minutes.
    table_->setUpdatesEnabled(false);
    model_->Reset(&pairs_, found.Straight);
    table_->resizeColumnsToContents();
    table_->setUpdatesEnabled(true);
    const int count = static_cast<int>(pairs_.size());
    if (count == 0) {
        summary_->setText(found.Straight
                              ? tr("No duplicate straight lines found within these limits.")
                              : tr("No duplicate circle tracks found within these limits."));
        return;
    }
    const QString pairs = found.Straight ? (count == 1 ? tr("%1 pair of straight lines found")
                                                       : tr("%1 pairs of straight lines found"))
                                         : (count == 1 ? tr("%1 pair of circle tracks found")
                                                       : tr("%1 pairs of circle tracks found"));
    summary_->setText(
        (count > kShownAtFirst
             ? tr("%1, the closest first; more follow as you scroll down. Choose a row to select "
                  "both passes in the lists.")
             : tr("%1. Choose a row to select both passes in the lists."))
            .arg(pairs.arg(count)));
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
