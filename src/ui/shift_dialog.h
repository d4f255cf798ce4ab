#pragma once
// "Shift...": how far to move the selected passes, as metres east and north
// or as a distance along a bearing.

#include <QDialog>

#include "commands/commands.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace swathkit {

class ShiftDialog final : public QDialog {
    Q_OBJECT

  public:
    // what says which passes move ("3 passes of Your Card").
    ShiftDialog(const QString& what, QWidget* parent);

    // The texts as typed; the dialog closes with Ok only on an entry the
    // command can use.
    ShiftEntry Entry() const;
    void accept() override;

  private:
    void FormChosen();
    void Check();

    QRadioButton* alongBearing_ = nullptr;
    QLabel* firstLabel_ = nullptr;
    QLabel* secondLabel_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLabel* problem_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace swathkit
