#include "ui/select_directory.h"

#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

#include "ui/qt_ports.h"

namespace swathkit {

SelectDirectory::SelectDirectory(QWidget* owner, const QString& startFolder)
    : QDialog(owner), root_(startFolder.isEmpty() ? QDir::homePath() : startFolder) {
    setObjectName("SelectDirectory");
    setWindowTitle(tr("Select Directory"));
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
    // The list is read in the background: the rows that arrive above the
    // start folder, and their sorting, push it out of sight, and the
    // operator would see the top of the tree instead of the folder "Save"
    // takes. Until the operator touches the list it is brought back each time.
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { KeepStartInSight(); });
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] { KeepStartInSight(); });
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this] { KeepStartInSight(); });
    dir1_->installEventFilter(this);
    dir1_->viewport()->installEventFilter(this);
    dir1_->verticalScrollBar()->installEventFilter(this);
    place(dir1_, 120, 120, 2415, 2340);

    cmdSave_ = new QPushButton(tr("Save"), this);
    cmdSave_->setObjectName("cmdSave");
    place(cmdSave_, 2640, 120, 1095, 375);
    cmdCancel_ = new QPushButton(tr("Cancel"), this);
    cmdCancel_->setObjectName("cmdCancel");
    place(cmdCancel_, 2640, 600, 1095, 375);
    setTabOrder(dir1_, cmdSave_);
    setTabOrder(cmdSave_, cmdCancel_);

    connect(cmdSave_, &QPushButton::clicked, this, &SelectDirectory::cmdSave_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &SelectDirectory::cmdCancel_Click);
}

void SelectDirectory::KeepStartInSight() {
    // After the view has taken in the change itself.
    QTimer::singleShot(0, this, [this] {
        if (keepStartInSight_)
            dir1_->scrollTo(dir1_->currentIndex());
    });
}

bool SelectDirectory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::KeyPress:
            keepStartInSight_ = false;
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
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
