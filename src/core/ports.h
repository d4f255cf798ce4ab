#pragma once
// What the logic asks of the outside world. The window implements these
// with real widgets; the tests implement them with fakes that record what was
// shown and answer from a script.

#include <optional>
#include <string>

#include "core/number_text.h"

namespace swathkit {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    std::string Prompt;  // lines joined by CR LF
    swathkit::Buttons Buttons = Buttons::Ok;
    swathkit::Icon Icon = Icon::None;
    std::string Title;
    bool operator==(const Message&) const = default;
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal message box; the answer is the button pressed.
    virtual Answer Show(const Message& message) = 0;
    // A modal input box; nothing when the operator cancels it.
    virtual std::optional<std::string> Input(const std::string& prompt,
                                             const std::string& title) = 0;
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

// The machine's own clock.
Clock& SystemClock();

}  // namespace swathkit
