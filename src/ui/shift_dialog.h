#pragma once
// "Shift...": how far to move the selected passes, as metres east and north
// or as a distance along a bearing.

#include <QDialog>

#include "commands/commands.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace swathkit {

class ShiftDialog final : public QDialog {
    Q_OBJECT

  public:
    // what says which passes move ("3 passes of Your Card").
    ShiftDialog(const QString& what, QWidget* parent);

    // The texts as typed; the command reads them and says what is wrong.
    ShiftEntry Entry() const;

  private:
    void FormChosen();

    QRadioButton* alongBearing_ = nullptr;
    QLabel* firstLabel_ = nullptr;
    QLabel* secondLabel_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
};

}  // namespace swathkit
