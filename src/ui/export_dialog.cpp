#include "ui/export_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/commands.h"
#include "ui/language.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

constexpr const char* kTitle = SAY("Export Lines");

QString DefaultName(ExportFormat format) {
    return QString::fromStdString(ExportDefaultName(format));
}

}  // namespace

ExportLinesDialog::ExportLinesDialog(const Program& program, Files& disk, bool cardLoaded,
                                     QWidget* parent)
    : QDialog(parent), program_(program), disk_(disk) {
    setObjectName("ExportLines");
    setWindowTitle(Tr(kTitle));
    resize(520, 260);
    LetGrow(this);

    side_ = new QComboBox(this);
    side_->setObjectName("ExportSide");
    for (int side : {CardSide, ImageSide}) side_->addItem(Tr(kSideCaption[side]), side);
    if (!cardLoaded) {
        // No card in the reader: only the image has lines to give.
        side_->setItemData(0, 0, Qt::UserRole - 1);
        side_->setCurrentIndex(1);
    }
    format_ = new QComboBox(this);
    format_->setObjectName("ExportFormat");
    for (const ExportEntry& entry : ExportFormatList())
        format_->addItem(Tr(entry.Caption), static_cast<int>(entry.Format));
    limits_ = new QLabel(this);
    limits_->setObjectName("ExportLimits");
    limits_->setWordWrap(true);
    path_ = new QLineEdit(
        QDir::toNativeSeparators(QDir::home().filePath(DefaultName(ExportFormat::TaskData))), this);
    path_->setObjectName("ExportPath");
    auto* browse = new QPushButton(tr("Browse..."), this);
    browse->setObjectName("ExportBrowse");

    auto* where = new QHBoxLayout;
    where->addWidget(path_, 1);
    where->addWidget(browse);
    auto* form = new QFormLayout;
    form->addRow(tr("Lines of:"), side_);
    form->addRow(tr("Format:"), format_);
    form->addRow(tr("File:"), where);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(limits_, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &ExportLinesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(format_, &QComboBox::currentIndexChanged, this, [this] { FormatChosen(); });
    connect(browse, &QPushButton::clicked, this, [this] {
        // A folder format is written into a folder of the operator's naming.
        const QString chosen =
            ExportFormatOf(Format()).Folder
                ? QFileDialog::getSaveFileName(this, Tr(kTitle), path_->text(), QString(), nullptr,
                                               QFileDialog::DontConfirmOverwrite)
                : QFileDialog::getSaveFileName(this, Tr(kTitle), path_->text());
        if (!chosen.isEmpty())
            path_->setText(QDir::toNativeSeparators(chosen));
    });
    FormatChosen();
}

ExportFormat ExportLinesDialog::Format() const {
    return static_cast<ExportFormat>(format_->currentData().toInt());
}

int ExportLinesDialog::Side() const {
    return side_->currentData().toInt();
}

void ExportLinesDialog::FormatChosen() {
    const bool straight = program_.Menus.StraightTrack;
    QStringList said;
    for (const Words& limit : ExportLeavesOut(Format(), straight)) said << Tr(limit);
    limits_->setText(said.join("\n"));
    // The file name follows the format while it is still one of ours.
    QFileInfo file(path_->text());
    for (const ExportEntry& entry : ExportFormatList()) {
        if (file.fileName() == DefaultName(entry.Format)) {
            path_->setText(QDir::toNativeSeparators(file.dir().filePath(DefaultName(Format()))));
            break;
        }
    }
}

void ExportLinesDialog::accept() {
    QtDialogs ask(this);
    const QString text = path_->text().trimmed();
    if (ExportLines(program_, ask, disk_, Side(), Format(),
                    text.isEmpty() ? fs::path() : PathOf(text)))
        QDialog::accept();
}

}  // namespace swathkit
