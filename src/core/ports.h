#pragma once
// What the logic asks of the outside world. The window implements these
// with real widgets; the tests implement them with fakes that record what was
// shown and answer from a script.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/words.h"

namespace swathkit {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    Words Prompt;  // lines joined by CR LF
    swathkit::Buttons Buttons = Buttons::Ok;
    swathkit::Icon Icon = Icon::None;
    Words Title;
    // The button Enter presses; Ok and Yes unless a question must not be
    // answered yes by accident.
    Answer Default = Answer::Ok;
    // Why, shown under the box's own text, which stays word for word.
    Words Details = {};
    bool operator==(const Message&) const = default;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal message box; the answer is the button pressed.
    virtual Answer Show(const Message& message) = 0;
    // A modal input box; nothing when the operator cancels it.
    virtual std::optional<std::string> Input(const Words& prompt, const Words& title) = 0;
    // The "Select Directory" dialog; the chosen folder, or nothing when the
    // operator cancels or closes it. A path, not a text: on Windows a
    // narrow text would lose the letters its code page lacks.
    virtual std::optional<std::filesystem::path> SelectDirectory() = 0;
    // A modal choice of one of drives, current chosen to start with: the
    // message's title and prompt, OK and Cancel. The index chosen, or
    // nothing when the operator cancels.
    virtual std::optional<int> ChooseDrive(const Message& message,
                                           const std::vector<std::string>& drives, int current) = 0;
};

struct Column {
    Words Caption;
    int WidthTwips = 0;
    bool operator==(const Column&) const = default;
};

// An item of a list: its cell texts, the first being the item text, and the
// slot it shows. Commands act on the slot, never on a number read back from
// the text.
struct ListRow {
    int Slot = 0;
    std::vector<std::string> Cells;
    bool operator==(const ListRow&) const = default;
};

// One of the two report-style lists.
class LineList {
  public:
    virtual ~LineList() = default;
    // Rebuilds the list whole; no item is selected afterwards.
    virtual void Show(const std::vector<Column>& columns, const std::vector<ListRow>& rows) = 0;
    // The slots of the selected items, in list order.
    virtual std::vector<int> SelectedSlots() = 0;
    virtual void DeselectFirstItem() = 0;
    virtual void Focus() = 0;
};

class WindowControls {
  public:
    virtual ~WindowControls() = default;
    // The commands that need a card, all on or all off: which those are is
    // the window's business.
    virtual void SetCardCommandsEnabled(bool enabled) = 0;
    virtual void SetCardDescription(const Words& text) = 0;
};

// The drive chooser: entries such as "e: [CARD]" on Windows, or a root path
// with its label ("/media/farm/CARD [CARD]") elsewhere.
class DriveChooser {
  public:
    virtual ~DriveChooser() = default;
    virtual std::vector<std::string> Entries() = 0;
    virtual std::string CurrentText() = 0;
    // Re-reads the machine's drives; false when that failed.
    virtual bool Reread() = 0;
    virtual void Select(int index) = 0;
};

// The "Saving:" label and progress bar under each list.
class SaveProgressView {
  public:
    virtual ~SaveProgressView() = default;
    virtual void SetSavingShown(int index, bool shown) = 0;
    virtual void SetProgress(int index, int minimum, int maximum, int value) = 0;
    // Lets pending window events run once.
    virtual void ProcessPendingEvents() = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() = 0;
    // Seconds from an arbitrary start that never goes back, not even at
    // midnight.
    virtual double MonotonicSeconds() = 0;
    virtual void Sleep(double seconds) = 0;
};

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Shows the default topic of a compiled help file; false when it could
    // not be opened.
    virtual bool Open(const std::filesystem::path& chmPath) = 0;
};

// The machine's own clock.
Clock& SystemClock();

}  // namespace swathkit
