#pragma once
// A list of the passes that are probably one line under two field numbers;
// choosing a row selects both in the lists, where the existing commands can
// erase or renumber them.

#include <QDialog>
#include <QDoubleSpinBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <vector>

#include "commands/commands.h"
#include "core/program.h"

namespace swathkit {

class DuplicateModel;

class DuplicatePassesDialog final : public QDialog {
    Q_OBJECT

  public:
    // cardLoaded tells whether the card side holds a card at the moment.
    DuplicatePassesDialog(const Program& program, std::array<QTreeWidget*, 2> lists,
                          std::function<bool()> cardLoaded, QWidget* parent);
    ~DuplicatePassesDialog() override;

    // Searches again with the limits shown. A search that took long the
    // last time goes to a worker, and the pairs follow when it is done.
    void Search();
    const std::vector<DuplicatePair>& Pairs() const { return pairs_; }
    // Waits for a search in the worker (for tests and benchmarks).
    void WaitForSearch();

    // The closest pairs shown at first; the rest come as the table is
    // scrolled to its end.
    static constexpr int kShownAtFirst = 1000;

  private:
    struct Found {
        std::vector<DuplicatePair> Pairs;
        bool Straight = false;
        double Seconds = 0;
    };
    void Show(Found found);
    void SelectInLists(int row);

    const Program& program_;
    std::array<QTreeWidget*, 2> lists_;
    std::function<bool()> cardLoaded_;
    QDoubleSpinBox* metres_ = nullptr;
    QDoubleSpinBox* degrees_ = nullptr;
    QTableView* table_ = nullptr;
    DuplicateModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    std::vector<DuplicatePair> pairs_;
    // Changes come in bursts (a refilled list, a spin box typed in): one
    // search after them.
    QTimer later_;
    QFutureWatcher<Found> searching_;
    bool inWorker_ = false;  // the last search took long enough for a worker
    bool again_ = false;     // something changed while the worker searched
};

}  // namespace swathkit
