#pragma once
// "Import Lines...": a file of another farm program's guidance lines read in
// the background, every line found shown with a tick box beside what will
// not come in and why, and the ticked lines brought into the temporary card
// image.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <vector>

#include "commands/commands.h"

namespace swathkit {

class ImportLinesDialog final : public QDialog {
    Q_OBJECT

  public:
    ImportLinesDialog(const Program& program, ImportResult found, const QString& fileName,
                      QWidget* parent);

    // The lines ticked when the operator pressed Import.
    std::vector<ImportedLine> Ticked() const;

  private:
    void Refresh();

    ImportResult found_;
    QTreeWidget* lines_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* import_ = nullptr;
};

// The whole command from the menu: the file chooser, the reading, the
// preview and the import.
void RunImportLines(Program& program, Ports& ports, QWidget* parent);

}  // namespace swathkit
