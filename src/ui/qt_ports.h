#pragma once
// The Qt side of the ports: message and input boxes, the two lists and the
// drive chooser.

#include <QComboBox>
#include <QTreeWidget>
#include <functional>

#include "commands/commands.h"
#include "core/files.h"
#include "core/ports.h"

class QDialog;
class QWidget;

namespace swathkit {

// A text of the logic that has no translation (a number, a path, a name)
// as Qt shows it: from UTF-8, its CR LF made new lines.
QString Text(const std::string& text);

// Shrinks the widget's font, down to a still readable size, until the text
// fits its fixed width.
void FitText(QWidget* widget, const QString& text);

// A dialog that can be maximised and dragged larger by its corner; its
// layout hands the room to what it shows.
void LetGrow(QDialog* dialog);

// 1440 twips to the inch, at the screen's logical resolution.
int TwipsToPixels(const QWidget* widget, int twips);

// A file or folder name from Qt: through UTF-16 on every system, never
// through a narrow text, which Windows reads in its code page.
fs::path PathOf(const QString& name);

class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner) : owner_(owner) {}
    Answer Show(const Message& message) override;
    std::optional<std::string> Input(const Words& prompt, const Words& title) override;
    std::optional<fs::path> SelectDirectory() override;
    std::optional<int> ChooseDrive(const Message& message, const std::vector<std::string>& drives,
                                   int current) override;

  private:
    QWidget* owner_;
};

// The slot a list item shows; 0 for an item no list of lines drew.
int ListItemSlot(const QTreeWidgetItem* item);

class ColumnSpreader;

class QtLineList final : public LineList {
  public:
    explicit QtLineList(QTreeWidget* view);
    void Show(const std::vector<Column>& columns, const std::vector<ListRow>& rows) override;
    std::vector<int> SelectedSlots() override;
    void DeselectFirstItem() override;
    void Focus() override;

  private:
    QTreeWidget* view_;
    ColumnSpreader* spreader_;  // owned by the view
};

// Reads the drives through a function so that tests can offer a folder as
// a card.
class QtDriveChooser final : public DriveChooser {
  public:
    QtDriveChooser(QComboBox* box, std::function<DriveList()> listDrives);
    std::vector<std::string> Entries() override;
    std::string CurrentText() override;
    bool Reread() override;
    void Select(int index) override;

  private:
    void Fill(const DriveList& drives);

    QComboBox* box_;
    std::function<DriveList()> listDrives_;
};

// The machine's mounted volumes, as the chooser lists them.
DriveList MachineDrives();

}  // namespace swathkit
