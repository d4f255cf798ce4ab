#pragma once
// The file layer. Everything the program does to a file that holds the
// operator's lines goes through this interface, so that a test can make any
// single step fail and check that nothing good was lost.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace swathkit {

namespace fs = std::filesystem;

struct FileContents {
    std::string Bytes;
    bool Whole = true;  // false when the file went on past the limit
    bool operator==(const FileContents&) const = default;
};

// Why a step on a file failed, in the terms the operator can act on.
enum class FileProblem {
    WriteProtected,  // read-only media, or no leave to write there
    NoRoom,          // the disk, or the user's share of it, is full
    Gone,            // the medium went away: a card taken out, a folder removed
    Missing,         // the file to read is not there
    Other,           // anything else; the system's own words say what
};

struct FileError {
    FileProblem Problem = FileProblem::Other;
    std::string Step;        // the step that failed: "open", "write", "rename"...
    fs::path Path;           // the file or folder it failed on
    std::string SystemText;  // the system's own words for the reason
};

FileProblem ProblemOf(const std::error_code& code);
FileError MakeFileError(const std::error_code& code, const char* step, const fs::path& path);

// What a step that changes the disk came to: nothing when it was done,
// else why not. True when done, so that a caller that only needs to know
// whether stays as short as with a bool.
class FileResult {
  public:
    FileResult() = default;
    FileResult(FileError error) : error_(std::move(error)) {}
    operator bool() const { return !error_.has_value(); }
    // Only for a result that is false.
    const FileError& Error() const { return *error_; }

  private:
    std::optional<FileError> error_;
};

// What a read came to: the bytes, or why there are none.
class ReadResult {
  public:
    ReadResult(FileContents contents) : contents_(std::move(contents)) {}
    ReadResult(FileError error) : error_(std::move(error)) {}
    explicit operator bool() const { return contents_.has_value(); }
    const FileContents& operator*() const { return *contents_; }
    const FileContents* operator->() const { return &*contents_; }
    const std::optional<FileContents>& Contents() const { return contents_; }
    // Only for a result that is false.
    const FileError& Error() const { return *error_; }
    FileResult Failure() const { return error_ ? FileResult(*error_) : FileResult(); }

  private:
    std::optional<FileContents> contents_;
    std::optional<FileError> error_;
};

class Files {
  public:
    virtual ~Files() = default;

    // At most limit bytes from the start of the file, or why it cannot be
    // opened or read.
    virtual ReadResult Read(const fs::path& path, std::size_t limit) = 0;

    // Replaces the file whole: the bytes go to a temporary file beside it,
    // which is flushed to the device and renamed over the old one, so a
    // failure at any step before the rename leaves the old file as it was;
    // the folder is flushed after it, and the new file keeps the old one's
    // permission bits. Where a file of the same name in another case
    // exists, that file is the one replaced.
    virtual FileResult Replace(const fs::path& path, std::string_view bytes) = 0;

    // The same at exactly this spelling: where the disk tells case apart, a
    // file spelled otherwise is another file, and is left as it is.
    virtual FileResult ReplaceExactly(const fs::path& path, std::string_view bytes) = 0;

    // Copies a regular file the same safe way; a source that cannot be
    // read whole fails at the step "read".
    virtual FileResult Copy(const fs::path& from, const fs::path& to) = 0;

    // Creates one folder; a failure when it could not be made (or exists).
    virtual FileResult MakeFolder(const fs::path& path) = 0;

    virtual bool IsFile(const fs::path& path) = 0;    // an ordinary file
    virtual bool Exists(const fs::path& path) = 0;    // any entry, links not followed
    virtual bool IsFolder(const fs::path& path) = 0;  // a real folder, links not followed

    // The entries of a folder, hidden ones included, sorted; nothing when it
    // cannot be listed whole, so that an unreadable folder is never taken
    // for an empty one.
    virtual std::optional<std::vector<fs::path>> List(const fs::path& folder) = 0;

    virtual FileResult Remove(const fs::path& path) = 0;
};

// The machine's own file system.
Files& RealFiles();

// The machine's file system with a hook asked before every step ("read",
// "open", "write", "sync", "close", "rename", "syncdir", "mkdir", "list",
// "remove")
// that can make the step fail, so that tests can fail any single step; a
// step so failed fails for the reason given, as the system would.
using FaultHook = std::function<bool(const char* step, const fs::path& path)>;
std::unique_ptr<Files> MakeFiles(FaultHook hook,
                                 std::error_code reason = make_error_code(std::errc::io_error));

// The name a safe replace writes to before the rename; a stale one is left
// behind only when the machine stopped mid-write.
fs::path TemporaryFileFor(const fs::path& target);

// Lower case for A to Z only, whatever the locale: card, file and drive
// names compare this way.
std::string AsciiLower(std::string text);

// Where a file named like path (ignoring case) already exists in its folder,
// that entry; otherwise path itself. Cards are case-insensitive; a copy of a
// card on a case-sensitive disk must not end up holding two such files.
fs::path ExistingSpelling(Files& files, const fs::path& path);

// Paths cross to the operator, to Qt and to the drive names as UTF-8 text.
// Not path::string(): on Windows that goes through the ANSI code page, and
// a path built from a narrow string is read in it too.
std::string PathText(const fs::path& path);
fs::path PathFromText(std::string_view text);

}  // namespace swathkit
