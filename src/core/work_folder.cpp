#include "core/work_folder.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <sstream>

namespace swathkit {

fs::path DefaultWorkFolder() {
#ifdef _WIN32
    return fs::path("C:\\Swathkit");
#else
    const char* home = std::getenv("HOME");
    return fs::path(home != nullptr && *home != '\0' ? home : "/tmp") / "Swathkit";
#endif
}

namespace {

constexpr const char* kPlaceTag = "swathkit-window";
constexpr const char* kLanguageTag = "swathkit-language";
// Far beyond any desktop; a number past it is damage, not a place.
constexpr int kFarthest = 100000;

std::optional<int> Whole(const std::string& text, int least) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < least ||
        value > kFarthest)
        return std::nullopt;
    return value;
}

long long Overlap(const ScreenRect& a, const ScreenRect& b) {
    const long long w = std::min(a.X + a.Width, b.X + b.Width) - std::max(a.X, b.X);
    const long long h = std::min(a.Y + a.Height, b.Y + b.Height) - std::max(a.Y, b.Y);
    return w > 0 && h > 0 ? w * h : 0;
}

// The length fitted into the screen's, and its start moved so that it ends
// on the screen.
void Fit(int& start, int& length, int screenStart, int screenLength, int least) {
    length = std::max(std::min(length, screenLength), least);
    start = std::max(std::min(start, screenStart + screenLength - length), screenStart);
}

}  // namespace

FileResult MakeWorkFolder(const Program& program, Files& files) {
    return EnsureFolder(files, program.WorkFolder);
}

FileResult MakeBackupFolder(const Program& program, Files& files) {
    return EnsureFolder(files, BackupFolder(program));
}

FileResult EnsureFolder(Files& files, const fs::path& folder) {
    FileResult made = files.MakeFolder(folder);
    return made || files.IsFolder(folder) ? FileResult() : made;
}

fs::path BackupFolder(const Program& program) {
    return program.WorkFolder / "Backup";
}

fs::path WindowPlaceFile(const Program& program) {
    return program.WorkFolder / "Window_Place.txt";
}

std::optional<WindowPlace> ReadWindowPlace(const Program& program, Files& files) {
    const ReadResult contents = files.Read(WindowPlaceFile(program), 256);
    if (!contents || !contents->Whole)
        return std::nullopt;
    std::istringstream words(contents->Bytes);
    std::vector<std::string> word;
    for (std::string one; words >> one && word.size() < 7;) word.push_back(one);
    if (word.size() != 6 || word[0] != kPlaceTag || (word[5] != "normal" && word[5] != "maximised"))
        return std::nullopt;
    const auto x = Whole(word[1], -kFarthest), y = Whole(word[2], -kFarthest);
    const auto width = Whole(word[3], 1), height = Whole(word[4], 1);
    if (!x || !y || !width || !height)
        return std::nullopt;
    return WindowPlace{{*x, *y, *width, *height}, word[5] == "maximised"};
}

bool WriteWindowPlace(const Program& program, Files& files, const WindowPlace& place) {
    if (!MakeWorkFolder(program, files))
        return false;
    const ScreenRect& r = place.Rect;
    return files.Replace(WindowPlaceFile(program),
                         std::string(kPlaceTag) + " " + std::to_string(r.X) + " " +
                             std::to_string(r.Y) + " " + std::to_string(r.Width) + " " +
                             std::to_string(r.Height) +
                             (place.Maximised ? " maximised\n" : " normal\n"));
}

fs::path LanguageFile(const fs::path& workFolder) {
    return workFolder / "Language.txt";
}

std::optional<std::string> ReadLanguageChoice(const fs::path& workFolder, Files& files) {
    const ReadResult contents = files.Read(LanguageFile(workFolder), 64);
    if (!contents || !contents->Whole)
        return std::nullopt;
    std::istringstream words(contents->Bytes);
    std::string tag, code, more;
    if (!(words >> tag >> code) || tag != kLanguageTag || words >> more)
        return std::nullopt;
    return code;
}

FileResult WriteLanguageChoice(const fs::path& workFolder, Files& files, const std::string& code) {
    if (FileResult made = EnsureFolder(files, workFolder); !made)
        return made;
    return files.Replace(LanguageFile(workFolder), std::string(kLanguageTag) + " " + code + "\n");
}

WindowPlace FitOnScreens(WindowPlace place, const std::vector<ScreenRect>& screens, int leastWidth,
                         int leastHeight) {
    if (screens.empty())
        return place;
    const auto most = std::max_element(screens.begin(), screens.end(),
                                       [&](const ScreenRect& a, const ScreenRect& b) {
                                           return Overlap(a, place.Rect) < Overlap(b, place.Rect);
                                       });
    const ScreenRect& screen = Overlap(*most, place.Rect) > 0 ? *most : screens.front();
    ScreenRect& r = place.Rect;
    Fit(r.X, r.Width, screen.X, screen.Width, leastWidth);
    Fit(r.Y, r.Height, screen.Y, screen.Height, leastHeight);
    return place;
}

}  // namespace swathkit
