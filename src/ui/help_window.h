#pragma once
// The help viewer behind "Help". On Windows the system's compiled help
// viewer shows AB_Help.chm; elsewhere a window of our own reads the same
// file: its contents on the left, the pages on the right.

#include <memory>
#include <string>

#include "core/ports.h"

#ifndef _WIN32
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QTreeWidget;
class QTreeWidgetItem;
#endif

namespace swathkit {

#ifndef _WIN32

class ChmArchive;

// Pages, style sheets and pictures come out of the archive; the browser
// resolves the links of a page against its chm: address, so a link to
// another page of the file stays inside it.
class ChmBrowser final : public QTextBrowser {
    Q_OBJECT

  public:
    explicit ChmBrowser(QWidget* parent = nullptr);
    void SetArchive(const ChmArchive* archive) { archive_ = archive; }
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    const ChmArchive* archive_ = nullptr;
};

class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    HelpWindow();
    ~HelpWindow() override;

    // Takes over the archive and shows its default topic; false when the
    // file holds no page that can be read.
    bool Show(std::unique_ptr<ChmArchive> archive);
    ChmBrowser* Browser() const { return browser_; }
    QTreeWidget* Contents() const { return contents_; }

  private:
    void FillContents();
    void ShowContentsEntry(QTreeWidgetItem* item);

    std::unique_ptr<ChmArchive> archive_;
    ChmBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
};

#endif

class QtHelpViewer final : public HelpViewer {
  public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    bool Open(const std::filesystem::path& chmPath) override;

#ifndef _WIN32
    // The window once a file has been opened; tests look into it.
    HelpWindow* Window() const {
        return window_.get();
    }

  private:
    std::unique_ptr<HelpWindow> window_;
#endif
};

#ifndef _WIN32
// The chm: address of an object inside the open help file.
QUrl ChmUrl(const std::string& objectPath);
#endif

}  // namespace swathkit
