#include "ui/shift_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/language.h"
#include "ui/qt_ports.h"

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
    for (QLineEdit* box : {first_, second_}) {
        box->setMaxLength(40);
        connect(box, &QLineEdit::textChanged, this, [this] { Check(); });
    }
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
    problem_ = new QLabel(this);
    problem_->setObjectName("ShiftProblem");
    problem_->setWordWrap(true);
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::WindowText, QColor(180, 0, 0));
    problem_->setPalette(warning);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Move the " + what + " by:", this));
    layout->addWidget(eastNorth);
    layout->addWidget(alongBearing_);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(problem_);
    layout->addStretch(1);
    layout->addWidget(buttons);
    LetGrow(this);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(alongBearing_, &QRadioButton::toggled, this, [this] {
        FormChosen();
        Check();
    });
    FormChosen();
    first_->selectAll();
    first_->setFocus();
}

void ShiftDialog::FormChosen() {
    const bool bearing = alongBearing_->isChecked();
    firstLabel_->setText(bearing ? "&Distance (m):" : "Metres &east:");
    secondLabel_->setText(bearing ? "&Bearing (degrees from north):" : "Metres &north:");
}

// Said as it is typed, as the merge does; what was typed stays to be
// mended.
void ShiftDialog::Check() {
    const QString problem = Tr(ShiftEntryProblemText(Entry()));
    problem_->setText(problem);
    ok_->setEnabled(problem.isEmpty());
}

void ShiftDialog::accept() {
    Check();
    if (ok_->isEnabled())
        QDialog::accept();
}

ShiftEntry ShiftDialog::Entry() const {
    return {alongBearing_->isChecked(), first_->text().toUtf8().toStdString(),
            second_->text().toUtf8().toStdString()};
}

}  // namespace swathkit
