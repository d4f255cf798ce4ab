#include "ui/help_window.h"

#ifdef _WIN32

#include <windows.h>
// windows.h first: the help header needs its types.
#include <htmlhelp.h>

namespace swathkit {

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

bool QtHelpViewer::Open(const std::filesystem::path& chmPath) {
    // No owner window: the help stays open beside the program. The wide
    // call, so a folder named in letters outside the code page still opens.
    return HtmlHelpW(nullptr, chmPath.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

}  // namespace swathkit

#else

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStringDecoder>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/version.h"
#include "ui/chm_archive.h"
#include "ui/language.h"

namespace swathkit {

namespace {

constexpr const char* kScheme = "chm";
// Asked for each time: the language may have changed since the start.
QString DefaultTitle() {
    return Tr(Words{SAY("%1 Help"), {kProgramName}});
}
constexpr int kLocalRole = Qt::UserRole;

// Help pages are written in a Windows code page unless they say otherwise;
// Latin-1 reads those the same for every letter our pages use.
QString DecodePage(const std::string& bytes) {
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder(
        QStringConverter::encodingForHtml(view).value_or(QStringConverter::Latin1));
    return decoder(view);
}

QString MissingPage(const QString& path) {
    return Tr(SAY("<html><body><h1>Page not found</h1><p>The help file has no readable page "
                  "<b>%1</b>. It may be damaged; installing the program again restores it.</p>"
                  "</body></html>"))
        .arg(path.toHtmlEscaped());
}

}  // namespace

QUrl ChmUrl(const std::string& objectPath) {
    const std::string path = NormalizeObjectPath(objectPath);
    QUrl url;
    url.setScheme(kScheme);
    const std::size_t hash = path.find('#');
    url.setPath(QString::fromLatin1(path.substr(0, hash)));
    if (hash != std::string::npos)
        url.setFragment(QString::fromLatin1(path.substr(hash + 1)));
    return url;
}

ChmBrowser::ChmBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Only the pages inside the file are shown; nothing goes out to a web
    // browser from the help window.
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

QVariant ChmBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (archive_ == nullptr || url.scheme() != kScheme)
        return {};
    const QString path = url.path();
    const std::optional<std::string> bytes = archive_->Read(path.toStdString());
    switch (type) {
        case QTextDocument::HtmlResource:
            return bytes ? DecodePage(*bytes) : MissingPage(path);
        case QTextDocument::StyleSheetResource:
            return bytes ? QString::fromLatin1(bytes->data(), static_cast<qsizetype>(bytes->size()))
                         : QVariant();
        default:
            return bytes ? QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()))
                         : QVariant();
    }
}

HelpWindow::HelpWindow() {
    setObjectName("HelpWindow");
    setWindowTitle(DefaultTitle());
    // Closing the program's window ends the program, even with help open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Escape closes it, as it does a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    auto* back = new QPushButton(tr("Back"), this);
    auto* forward = new QPushButton(tr("Forward"), this);
    auto* home = new QPushButton(tr("Home"), this);
    back->setObjectName("helpBack");
    forward->setObjectName("helpForward");
    home->setObjectName("helpHome");
    back->setEnabled(false);
    forward->setEnabled(false);

    contents_ = new QTreeWidget(this);
    contents_->setObjectName("helpContents");
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    browser_ = new ChmBrowser(this);
    browser_->setObjectName("helpBrowser");

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 620});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    resize(860, 640);

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        // Keep the contents in step with the page reached through a link.
        const QString page = url.path();
        for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
            const QUrl local = (*it)->data(0, kLocalRole).toUrl();
            if (local.path().compare(page, Qt::CaseInsensitive) == 0 &&
                local.fragment() == url.fragment()) {
                const QSignalBlocker quiet(contents_);
                contents_->setCurrentItem(*it);
                break;
            }
        }
    });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowContentsEntry(item); });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { ShowContentsEntry(item); });
}

HelpWindow::~HelpWindow() {
    // The browser may still ask for resources while it is torn down.
    browser_->SetArchive(nullptr);
}

bool HelpWindow::Show(std::unique_ptr<ChmArchive> archive) {
    if (!archive)
        return false;
    const std::string topic = archive->DefaultTopic();
    // A file with no page that can be read counts as not opened, and the
    // window keeps whatever it showed before.
    if (topic.empty() || !archive->Read(topic.substr(0, topic.find('#'))))
        return false;
    archive_ = std::move(archive);
    browser_->SetArchive(archive_.get());
    const std::string title = archive_->Title();
    setWindowTitle(title.empty() ? DefaultTitle() : QString::fromLatin1(title));
    FillContents();
    const QUrl url = ChmUrl(topic);
    const bool samePage =
        browser_->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment);
    browser_->setSource(url);
    // The same address in a newly opened file must not keep the old page.
    if (samePage)
        browser_->reload();
    browser_->clearHistory();
    return true;
}

void HelpWindow::FillContents() {
    contents_->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const ContentsEntry& entry : archive_->Contents()) {
        parents.resize(
            std::min<std::size_t>(parents.size(), static_cast<std::size_t>(entry.Depth)));
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromLatin1(entry.Name));
        if (!entry.Local.empty())
            item->setData(0, kLocalRole, ChmUrl(entry.Local));
        parents.push_back(item);
    }
    contents_->expandAll();
    contents_->setVisible(contents_->topLevelItemCount() > 0);
}

void HelpWindow::ShowContentsEntry(QTreeWidgetItem* item) {
    const QUrl url = item != nullptr ? item->data(0, kLocalRole).toUrl() : QUrl();
    if (url.isValid())
        browser_->setSource(url);
}

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

bool QtHelpViewer::Open(const std::filesystem::path& chmPath) {
    std::unique_ptr<ChmArchive> archive = ChmArchive::Open(chmPath);
    if (!archive)
        return false;
    auto window = window_ ? std::move(window_) : std::make_unique<HelpWindow>();
    const bool shown = window->Show(std::move(archive));
    window_ = std::move(window);
    if (!shown)
        return false;
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

}  // namespace swathkit

#endif
