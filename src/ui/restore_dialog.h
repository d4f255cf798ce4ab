#pragma once
// "Restore from Backup...": the automatic backups, newest first, and for the
// one chosen how its passes differ from the card in the reader, with the two
// ways back: into the temporary card image, or onto the card whole.

#include <QDialog>
#include <QFutureWatcher>
#include <QLabel>
#include <QPushButton>
#include <QThreadPool>
#include <QTreeWidget>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "commands/commands.h"

namespace swathkit {

class RestoreDialog final : public QDialog {
    Q_OBJECT

  public:
    RestoreDialog(Program& program, Ports& ports, QWidget* parent);
    ~RestoreDialog() override;

    // Lists the backups again; what each holds is read in the background.
    void Reload();
    // Compares the chosen backup with the card again.
    void Compare();
    // The backup's passes of the checked kind while one is chosen and the
    // dialog is open, for the map; null otherwise.
    const CardImage* Shown() const;
    // Told whenever Shown() changes.
    std::function<void()> ShownChanged;

    // Waits for the background reading (for tests).
    void WaitForListing();

  protected:
    bool event(QEvent* event) override;

  private:
    void OpenFolder();
    void Choose();
    void IntoImage();
    void WriteToCard();
    // A row for entries_[at], not yet in the list.
    QTreeWidgetItem* NewRow(const BackupFolderEntry& entry, int at);

    Program& program_;
    Ports& ports_;
    std::vector<BackupFolderEntry> entries_;  // the listing, then the folders picked
    std::vector<BackupFolderEntry> picked_;
    std::vector<QTreeWidgetItem*> rows_;    // the row of each of entries_
    std::optional<BackupLineFile> chosen_;  // the chosen backup's file of the checked kind
    BackupCard chosenCard_;                 // the card it was made from
    std::string chosenName_;
    fs::path chosenFolder_;
    // What each backup holds: its straight lines, circle tracks and card.
    QThreadPool readers_;
    QFutureWatcher<std::array<Words, 3>> listing_;
    QTreeWidget* backups_ = nullptr;
    QTreeWidget* compare_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* intoImage_ = nullptr;
    QPushButton* writeToCard_ = nullptr;
};

}  // namespace swathkit
