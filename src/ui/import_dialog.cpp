#include "ui/import_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

#include "ui/language.h"
#include "ui/qt_ports.h"

namespace swathkit {

namespace {

constexpr const char* kTitle = SAY("Import Lines");

enum Column { kName, kKind, kLatitude, kLongitude, kHeading, kField, kNote, kColumns };

QString NameText(const std::string& name) {
    return name.empty() ? Tr(SAY("(no name)")) : Text(name);
}

using ReadOutcome = std::variant<ImportResult, ImportFailure>;

// Stops the worker's read whichever way the wait ends: Cancel, or the
// program quitting, which would otherwise wait for the read to finish.
struct StopOnLeave {
    std::stop_source source;
    ~StopOnLeave() { source.request_stop(); }
};

// A TaskData of thousands of patterns takes a while: the file is read in a
// worker while the window goes on painting. A read that ends within a
// moment shows nothing and takes no clicks meanwhile; a longer one shows a
// busy bar whose Cancel stops the read. Nothing when cancelled.
std::optional<ReadOutcome> ReadInBackground(const QString& file, QWidget* parent) {
    StopOnLeave stop;
    QFutureWatcher<ReadOutcome> watcher;
    QEventLoop loop;
    QTimer moment;
    moment.setSingleShot(true);
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QObject::connect(&moment, &QTimer::timeout, &loop, &QEventLoop::quit);
    const fs::path path = PathOf(file);
    watcher.setFuture(QtConcurrent::run(
        [path, token = stop.source.get_token()] { return ReadLinesToImport(path, token); }));
    moment.start(300);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    moment.stop();
    if (!watcher.isFinished()) {
        QProgressDialog busy(Tr(SAY("Reading %1...")).arg(QFileInfo(file).fileName()),
                             Tr(SAY("Cancel")), 0, 0, parent);
        busy.setObjectName("ImportBusy");
        busy.setWindowTitle(Tr(kTitle));
        busy.setWindowModality(Qt::ApplicationModal);
        busy.setMinimumDuration(0);
        QObject::connect(&busy, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        busy.show();
        loop.exec();
        if (!watcher.isFinished())
            return std::nullopt;
    }
    return watcher.result();
}

}  // namespace

ImportLinesDialog::ImportLinesDialog(const Program& program, ImportResult found,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent), found_(std::move(found)) {
    setObjectName("ImportLines");
    setWindowTitle(Tr(kTitle));
    resize(760, 520);
    LetGrow(this);

    auto* intro = new QLabel(
        tr("The guidance lines found in %1. The ticked ones come into the Temporary Card Image: "
           "a line with a field number of its own keeps it, the others go to the first free "
           "fields. Points and lines that are there already are not ticked at first. Nothing "
           "changes until you press Import.")
            .arg(fileName),
        this);
    intro->setWordWrap(true);

    lines_ = new QTreeWidget(this);
    lines_->setObjectName("ImportTable");
    lines_->setColumnCount(kColumns);
    lines_->setHeaderLabels({tr("Name"), tr("Kind"), tr("Latitude"), tr("Longitude"), tr("Heading"),
                             tr("Field #"), tr("Note")});
    lines_->setRootIsDecorated(false);
    lines_->setSelectionMode(QAbstractItemView::NoSelection);
    lines_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* notCaption = new QLabel(tr("Will not come in:"), this);
    auto* notComing = new QTreeWidget(this);
    notComing->setObjectName("ImportLeftOut");
    notComing->setHeaderLabels({tr("Name"), tr("Why")});
    notComing->setRootIsDecorated(false);
    notComing->setSelectionMode(QAbstractItemView::NoSelection);
    notComing->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // Lines of the other kind join what the file left out, under one cap.
    bool moreLeftOut = found_.MoreLeftOut;
    const auto leftOut = [&moreLeftOut, notComing](const std::string& name, const Words& why) {
        if (static_cast<std::size_t>(notComing->topLevelItemCount()) >= kMaxLeftOutRows) {
            moreLeftOut = true;
            return;
        }
        auto* item = new QTreeWidgetItem(notComing);
        item->setText(0, NameText(name));
        item->setText(1, Tr(why));
    };
    std::vector<PlacedLine> places;
    places.reserve(found_.Lines.size());
    for (const ImportedLine& line : found_.Lines) places.push_back(ImportedPlace(line));
    // A line there already, or twice in the file, would only fill a field
    // twice; a point may be anything. The operator ticks those that are meant.
    const std::vector<Words> repeats =
        ImportPreviewRepeats(program.Table.Current(ImageSide), places);
    for (std::size_t i = 0; i < found_.Lines.size(); ++i) {
        const ImportedLine& line = found_.Lines[i];
        const PlacedLine& place = places[i];
        const ImportRowText row = ImportPreviewRow(place, program.Menus);
        const Words refusal = ImportPreviewRefusal(place, program.Menus.Kind());
        auto* item = new QTreeWidgetItem(lines_);
        item->setText(kName, NameText(line.Name));
        item->setText(kKind, Tr(row.Kind));
        item->setText(kLatitude, Text(row.Latitude));
        item->setText(kLongitude, Text(row.Longitude));
        item->setText(kHeading, Text(row.Heading));
        item->setText(kField, Tr(row.Field));
        const bool repeat = !repeats[i].empty();
        item->setText(kNote, repeat        ? Tr(repeats[i])
                             : line.Ticked ? QString()
                                           : tr("a point, not said to be a pivot"));
        if (refusal.empty()) {
            item->setCheckState(kName, !repeat && line.Ticked ? Qt::Checked : Qt::Unchecked);
        } else {
            // Shown for what it is, but it cannot be ticked.
            item->setFlags(Qt::NoItemFlags);
            item->setToolTip(kName, Tr(refusal));
            leftOut(line.Name, refusal);
        }
    }
    for (const SkippedLine& skipped : found_.Skipped) leftOut(skipped.Name, skipped.Reason);
    notCaption->setVisible(notComing->topLevelItemCount() > 0);
    notComing->setVisible(notComing->topLevelItemCount() > 0);
    std::vector<Words> notes = ImportPreviewNotes(found_);
    if (moreLeftOut && !found_.MoreLeftOut)
        notes.push_back(ImportLeftOutNote());
    QStringList noteTexts;
    for (const Words& note : notes) noteTexts << Tr(note);
    auto* cut = new QLabel(noteTexts.join('\n'), this);
    cut->setObjectName("ImportNotes");
    cut->setWordWrap(true);
    cut->setVisible(!notes.empty());

    summary_ = new QLabel(this);
    summary_->setObjectName("ImportSummary");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    import_ = buttons->addButton(tr("Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName("ImportButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(cut);
    layout->addWidget(lines_, 5);
    layout->addWidget(notCaption);
    layout->addWidget(notComing, 2);
    layout->addWidget(summary_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lines_, &QTreeWidget::itemChanged, this, [this] { Refresh(); });
    Refresh();
}

std::vector<ImportedLine> ImportLinesDialog::Ticked() const {
    std::vector<ImportedLine> ticked;
    for (int i = 0; i < lines_->topLevelItemCount(); ++i) {
        if (lines_->topLevelItem(i)->checkState(kName) == Qt::Checked)
            ticked.push_back(found_.Lines.at(static_cast<std::size_t>(i)));
    }
    return ticked;
}

void ImportLinesDialog::Refresh() {
    const std::size_t ticked = Ticked().size();
    summary_->setText(
        (found_.Lines.size() == 1 ? tr("%1 of %2 line ticked.") : tr("%1 of %2 lines ticked."))
            .arg(ticked)
            .arg(found_.Lines.size()));
    import_->setEnabled(ticked > 0);
}

void RunImportLines(Program& program, Ports& ports, QWidget* parent) {
    QFileDialog chooser(
        parent, Tr(kTitle), QDir::homePath(),
        Tr(SAY("Guidance lines (%1);;All files (%2)"))
            .arg("*.xml *.XML *.zip *.ZIP *.kml *.KML *.kmz *.KMZ *.geojson *.json", "*"));
    chooser.setObjectName("ImportFile");
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    const QString file = QDir::toNativeSeparators(chooser.selectedFiles().front());
    const QString name = QFileInfo(file).fileName();

    const std::optional<ReadOutcome> outcome = ReadInBackground(file, parent);
    if (!outcome)
        return;
    if (const auto* failure = std::get_if<ImportFailure>(&*outcome)) {
        QMessageBox::warning(parent, Tr(kTitle),
                             Tr(SAY("%1 could not be read.\n%2\nNothing has been changed."))
                                 .arg(name, Tr(failure->Message)));
        return;
    }
    const ImportResult& found = std::get<ImportResult>(*outcome);
    if (found.Lines.empty() && found.Skipped.empty()) {
        QMessageBox::information(parent, Tr(kTitle),
                                 Tr(SAY("No guidance lines were found in %1.")).arg(name));
        return;
    }
    ImportLinesDialog preview(program, found, name, parent);
    if (preview.exec() == QDialog::Accepted)
        ImportLines(program, ports, preview.Ticked());
}

}  // namespace swathkit
