#pragma once
// "Merge Card into Image...": every pass of the card with what merging will
// do to it, for the operator to see and adjust before anything changes.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <optional>
#include <vector>

#include "commands/commands.h"
#include "core/program.h"

namespace swathkit {

class MergeCardDialog final : public QDialog {
    Q_OBJECT

  public:
    MergeCardDialog(const Program& program, MergePlan plan, QWidget* parent);

    const MergePlan& Plan() const { return plan_; }

  private:
    // Checks every row again; the row being typed in keeps its text.
    void Refresh(std::optional<int> typing = std::nullopt);
    void Typed(int row, const QString& text);

    const CardImage& card_;
    const CardImage& image_;
    MergePlan plan_;
    QTableWidget* table_ = nullptr;
    std::vector<QLineEdit*> targets_;
    QLabel* summary_ = nullptr;
    QPushButton* merge_ = nullptr;
};

}  // namespace swathkit
