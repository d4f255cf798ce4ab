#include "ui/shift_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace swathkit {

ShiftDialog::ShiftDialog(const QString& what, QWidget* parent) : QDialog(parent) {
    setObjectName("ShiftDialog");
    setWindowTitle("Shift Passes");

    auto* eastNorth = new QRadioButton("Metres east and north", this);
    eastNorth->setObjectName("ShiftEastNorth");
    eastNorth->setChecked(true);
    alongBearing_ = new QRadioButton("Distance along a bearing", this);
    alongBearing_->setObjectName("ShiftAlongBearing");
    // Both start at 0, so a shift due east needs only the one number.
    first_ = new QLineEdit("0", this);
    first_->setObjectName("ShiftFirst");
    second_ = new QLineEdit("0", this);
    second_->setObjectName("ShiftSecond");
    firstLabel_ = new QLabel(this);
    secondLabel_ = new QLabel(this);
    firstLabel_->setBuddy(first_);
    secondLabel_->setBuddy(second_);

    auto* form = new QFormLayout;
    form->addRow(firstLabel_, first_);
    form->addRow(secondLabel_, second_);
    auto* note = new QLabel(
        "Negative numbers move west or south. A decimal point or comma may be used; "
        "at most " +
            QString::number(kMaxShiftMetres) + " m. The direction of each line stays as it is.",
        this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Move the " + what + " by:", this));
    layout->addWidget(eastNorth);
    layout->addWidget(alongBearing_);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(alongBearing_, &QRadioButton::toggled, this, [this] { FormChosen(); });
    FormChosen();
    first_->selectAll();
    first_->setFocus();
}

void ShiftDialog::FormChosen() {
    const bool bearing = alongBearing_->isChecked();
    firstLabel_->setText(bearing ? "&Distance (m):" : "Metres &east:");
    secondLabel_->setText(bearing ? "&Bearing (degrees from north):" : "Metres &north:");
}

ShiftEntry ShiftDialog::Entry() const {
    return {alongBearing_->isChecked(), first_->text().toStdString(),
            second_->text().toStdString()};
}

}  // namespace swathkit
