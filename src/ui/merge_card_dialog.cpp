#include "ui/merge_card_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/number_text.h"
#include "ui/language.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

enum Column { kTick, kCardField, kFound, kTarget, kCheck, kColumns };

QString FoundText(const MergeRow& row) {
    switch (row.Kind) {
        case MergeKind::New:
            return Tr(SAY("new"));
        case MergeKind::AlreadyThere:
            return row.SameAs == row.Source
                       ? Tr(SAY("already there"))
                       : Tr(Words{SAY("already there as image #%1"), {std::to_string(row.SameAs)}});
        case MergeKind::Clash:
            break;
    }
    return Tr(Words{SAY("clash: image #%1 holds another line"), {std::to_string(row.Source)}});
}

QColor KindColour(MergeKind kind) {
    switch (kind) {
        case MergeKind::New:
            return {222, 242, 222};
        case MergeKind::AlreadyThere:
            return {232, 232, 232};
        case MergeKind::Clash:
            break;
    }
    return {252, 232, 200};
}

QString CheckText(const MergeRow& row, TargetCheck check) {
    if (!row.Ticked)
        return Tr(SAY("skipped"));
    switch (check) {
        case TargetCheck::Free:
            return row.Target == row.Source ? Tr(SAY("to the same field"))
                                            : Tr(SAY("moved to a free field"));
        case TargetCheck::SameLine:
            return Tr(SAY("copied over the same line"));
        case TargetCheck::Replaces:
            return Tr(Words{SAY("replaces image #%1"), {std::to_string(*row.Target)}});
        case TargetCheck::Reserved:
            return Tr(SAY("Fields 1-5 are reserved"));
        case TargetCheck::OutOfRange:
            return Tr(SAY("not a field from 6 to 250"));
        case TargetCheck::TakenByOther:
            return Tr(SAY("another pass of this merge goes there"));
        case TargetCheck::NoneLeft:
            break;
    }
    return Tr(SAY("does not fit: no free field left"));
}

}  // namespace

MergeCardDialog::MergeCardDialog(const Program& program, MergePlan plan, QWidget* parent)
    : QDialog(parent),
      card_(program.Table.Current(CardSide)),
      image_(program.Table.Current(ImageSide)),
      plan_(std::move(plan)) {
    setObjectName("MergeCard");
    setWindowTitle(tr("Merge Card into Image"));
    resize(640, 480);
    LetGrow(this);

    auto* intro = new QLabel(
        program.Menus.StraightTrack
            ? tr("Every straight line on Your Card and what merging it into the Temporary Card "
                 "Image will do. Nothing changes until you press Merge; the card is only read.")
            : tr("Every circle track on Your Card and what merging it into the Temporary Card "
                 "Image will do. Nothing changes until you press Merge; the card is only read."),
        this);
    intro->setWordWrap(true);

    const int rows = static_cast<int>(plan_.Rows.size());
    table_ = new QTableWidget(rows, kColumns, this);
    table_->setObjectName("MergeTable");
    table_->setHorizontalHeaderLabels({tr("Merge"), tr("Card Field #"), tr("Found in the image"),
                                       tr("To Image Field #"), tr("What happens")});
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The ticks are clicked and the fields typed in; a current cell of the
    // table's own would only draw a stray focus frame.
    table_->setFocusPolicy(Qt::NoFocus);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setUpdatesEnabled(false);
    for (int row = 0; row < rows; ++row) {
        const MergeRow& r = plan_.Rows[row];
        auto* tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        table_->setItem(row, kTick, tick);
        table_->setItem(row, kCardField, new QTableWidgetItem(QString::number(r.Source)));
        table_->setItem(row, kFound, new QTableWidgetItem(FoundText(r)));
        table_->setItem(row, kCheck, new QTableWidgetItem);
        for (int column : {kTick, kCardField, kFound})
            table_->item(row, column)->setBackground(KindColour(r.Kind));
        auto* target = new QLineEdit(table_);
        target->setObjectName("MergeTarget_" + QString::number(r.Source));
        target->setFrame(false);
        target->setMaxLength(6);
        connect(target, &QLineEdit::textEdited, this,
                [this, row](const QString& text) { Typed(row, text); });
        table_->setCellWidget(row, kTarget, target);
        targets_.push_back(target);
    }
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != kTick)
            return;
        TickMergeRow(plan_, card_, image_, item->row(), item->checkState() == Qt::Checked);
        Refresh();
    });

    summary_ = new QLabel(this);
    summary_->setObjectName("MergeSummary");
    summary_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    merge_ = buttons->addButton(tr("Merge"), QDialogButtonBox::AcceptRole);
    merge_->setObjectName("MergeButton");
    // Return in a field box must not merge half-typed.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (MergeReady(plan_, card_, image_))
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Refresh();
    // Measured once, filled: a header sized to its contents measured every
    // row again on each cell a tick changed.
    table_->resizeColumnsToContents();
    table_->setUpdatesEnabled(true);
}

void MergeCardDialog::Typed(int row, const QString& text) {
    // Whatever is not a number at all fits nowhere, as 0 does.
    const std::optional<std::int16_t> number = LeadingWholeNumber(text.toStdString());
    plan_.Rows.at(row).Target = number ? *number : kNotAFieldNumber;
    Refresh(row);
}

void MergeCardDialog::Refresh(std::optional<int> typing) {
    const QSignalBlocker quiet(table_);
    for (int row = 0; row < static_cast<int>(plan_.Rows.size()); ++row) {
        const MergeRow& r = plan_.Rows[row];
        table_->item(row, kTick)->setCheckState(r.Ticked ? Qt::Checked : Qt::Unchecked);
        // A field box is redrawn only when it changes: each redraw of one
        // of hundreds of boxes in the table is costly.
        const QString target = r.Target > 0 ? QString::number(*r.Target) : QString();
        if (row != typing && targets_[row]->text() != target)
            targets_[row]->setText(target);
        targets_[row]->setEnabled(r.Ticked);
        const TargetCheck check = MergeTarget(plan_, card_, image_, row);
        QTableWidgetItem* said = table_->item(row, kCheck);
        said->setText(CheckText(r, check));
        said->setForeground(r.Ticked && !Mergeable(check) ? QColor(180, 0, 0)
                                                          : palette().color(QPalette::Text));
    }
    summary_->setText(Tr(MergeSummaryText(plan_, card_, image_)));
    merge_->setEnabled(MergeReady(plan_, card_, image_));
}

}  // namespace swathkit
