#pragma once
// "Export Lines...": the passes of one side written to a file the operator
// picks, for other farm software.

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

#include "commands/commands.h"
#include "core/files.h"
#include "core/program.h"

namespace swathkit {

class ExportLinesDialog final : public QDialog {
    Q_OBJECT

  public:
    ExportLinesDialog(const Program& program, Files& disk, bool cardLoaded, QWidget* parent);

    void accept() override;

  private:
    ExportFormat Format() const;
    int Side() const;
    void FormatChosen();

    const Program& program_;
    Files& disk_;
    QComboBox* side_ = nullptr;
    QComboBox* format_ = nullptr;
    QLabel* limits_ = nullptr;
    QLineEdit* path_ = nullptr;
};

}  // namespace swathkit
