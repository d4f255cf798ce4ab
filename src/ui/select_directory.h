#pragma once
// "Select Directory": the folder a whole card is copied into.

#include <QDialog>
#include <QString>

class QFileSystemModel;
class QPushButton;
class QTreeView;

namespace swathkit {

class SelectDirectory final : public QDialog {
    Q_OBJECT

  public:
    explicit SelectDirectory(QWidget* owner, const QString& startFolder = {});

    // The folder highlighted in the list, or the open folder itself while
    // none is; empty after Cancel or a close.
    QString ChosenDirectory() const { return chosen_; }

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void KeepStartInSight();
    void cmdSave_Click();
    void cmdCancel_Click();

    QTreeView* dir1_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QPushButton* cmdSave_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QString root_;
    QString chosen_;
    bool keepStartInSight_ = true;
};

}  // namespace swathkit
