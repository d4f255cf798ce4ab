#pragma once
// A list of the passes that are probably one line under two field numbers;
// choosing a row selects both in the lists, where the existing commands can
// erase or renumber them.

#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <vector>

#include "commands/commands.h"
#include "core/program.h"

namespace swathkit {

class DuplicatePassesDialog final : public QDialog {
    Q_OBJECT

  public:
    // cardLoaded tells whether the card side holds a card at the moment.
    DuplicatePassesDialog(const Program& program, std::array<QTreeWidget*, 2> lists,
                          std::function<bool()> cardLoaded, QWidget* parent);

    // Searches again with the limits shown.
    void Search();
    const std::vector<DuplicatePair>& Pairs() const { return pairs_; }

  private:
    void SelectInLists(int row);

    const Program& program_;
    std::array<QTreeWidget*, 2> lists_;
    std::function<bool()> cardLoaded_;
    QDoubleSpinBox* metres_ = nullptr;
    QDoubleSpinBox* degrees_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<DuplicatePair> pairs_;
};

}  // namespace swathkit
