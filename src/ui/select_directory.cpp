#include "ui/select_directory.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

#include "ui/qt_ports.h"

namespace swathkit {

SelectDirectory::SelectDirectory(QWidget* owner, const QString& startFolder)
    : QDialog(owner), root_(startFolder.isEmpty() ? QDir::homePath() : startFolder) {
    setObjectName("SelectDirectory");
    setWindowTitle("Select Directory");
    setModal(true);
    const auto place = [this](QWidget* widget, int left, int top, int width, int height) {
        widget->setGeometry(TwipsToPixels(this, left), TwipsToPixels(this, top),
                            TwipsToPixels(this, width), TwipsToPixels(this, height));
    };
    setFixedSize(TwipsToPixels(this, 3810), TwipsToPixels(this, 2595));

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QString());
    dir1_ = new QTreeView(this);
    dir1_->setObjectName("Dir1");
    dir1_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) dir1_->hideColumn(column);
    dir1_->header()->hide();
    const QModelIndex start = model_->index(root_);
    dir1_->setCurrentIndex(start);
    dir1_->expand(start);
    dir1_->scrollTo(start);
    place(dir1_, 120, 120, 2415, 2340);

    cmdSave_ = new QPushButton("Save", this);
    cmdSave_->setObjectName("cmdSave");
    place(cmdSave_, 2640, 120, 1095, 375);
    cmdCancel_ = new QPushButton("Cancel", this);
    cmdCancel_->setObjectName("cmdCancel");
    place(cmdCancel_, 2640, 600, 1095, 375);
    setTabOrder(dir1_, cmdSave_);
    setTabOrder(cmdSave_, cmdCancel_);

    connect(cmdSave_, &QPushButton::clicked, this, &SelectDirectory::cmdSave_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &SelectDirectory::cmdCancel_Click);
}

void SelectDirectory::cmdSave_Click() {
    const QModelIndex current = dir1_->currentIndex();
    chosen_ = current.isValid() ? model_->filePath(current) : root_;
    accept();
}

void SelectDirectory::cmdCancel_Click() {
    chosen_.clear();
    reject();
}

}  // namespace swathkit
