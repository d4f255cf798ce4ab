#pragma once
// The program's work folder: the master copies and the backups live below
// it. Tests hand in a folder of their own.

#include <optional>
#include <vector>

#include "core/program.h"

namespace swathkit {

// C:\Swathkit on Windows, ~/Swathkit elsewhere.
fs::path DefaultWorkFolder();

// Whether the folder is there afterwards: one that is there already is as
// good as one made now.
FileResult EnsureFolder(Files& files, const fs::path& folder);
// Whether the folder is there afterwards, made now or before.
FileResult MakeWorkFolder(const Program& program, Files& files);
FileResult MakeBackupFolder(const Program& program, Files& files);
fs::path BackupFolder(const Program& program);

// A rectangle in screen pixels.
struct ScreenRect {
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool operator==(const ScreenRect&) const = default;
};

// Where the main window was and how large, when it last closed; the
// rectangle is the one it had when not maximised.
struct WindowPlace {
    ScreenRect Rect;
    bool Maximised = false;
    bool operator==(const WindowPlace&) const = default;
};

fs::path WindowPlaceFile(const Program& program);

// Nothing when there is no such file or it is not one this program wrote:
// the window then opens as it was drawn.
std::optional<WindowPlace> ReadWindowPlace(const Program& program, Files& files);
bool WriteWindowPlace(const Program& program, Files& files, const WindowPlace& place);

// The language the operator chose under Options, as its code ("de", "pt_BR",
// "en"); nothing when none was chosen or the file is not one we wrote, and
// the system's language is used.
fs::path LanguageFile(const fs::path& workFolder);
std::optional<std::string> ReadLanguageChoice(const fs::path& workFolder, Files& files);
FileResult WriteLanguageChoice(const fs::path& workFolder, Files& files, const std::string& code);

// The place moved and shrunk to lie whole on the screen it overlapped most
// (the first screen when none), and never smaller than the least size: a
// screen unplugged or made smaller since must not leave the window where
// the operator cannot reach it.
WindowPlace FitOnScreens(WindowPlace place, const std::vector<ScreenRect>& screens, int leastWidth,
                         int leastHeight);

}  // namespace swathkit
