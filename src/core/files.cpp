#include "core/files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace swathkit {

namespace {

// Asked before each step of a file operation; a step it fails fails as if
// the system had refused it for the reason given. The real file system has
// none.
class Steps {
  public:
    Steps(FaultHook hook, std::error_code reason) : hook_(std::move(hook)), reason_(reason) {}
    // The failure of the step when the hook fails it.
    std::optional<FileError> Fails(const char* step, const fs::path& path) const {
        if (hook_ && hook_(step, path))
            return MakeFileError(reason_, step, path);
        return std::nullopt;
    }
    std::error_code Reason() const { return reason_; }

  private:
    FaultHook hook_;
    std::error_code reason_;
};

FileError SystemError(const char* step, const fs::path& path) {
    return MakeFileError(std::error_code(errno, std::generic_category()), step, path);
}

// The stream library leaves the system's reason in errno, where it has one.
std::error_code LastSystemError() {
    return errno != 0 ? std::error_code(errno, std::generic_category())
                      : make_error_code(std::errc::io_error);
}

// A read refused for want of leave is no write protection, and a file that
// is not there is not a card taken out: the operator is told which it is.
FileError ReadFailed(const std::error_code& code, const fs::path& path) {
    FileError error = MakeFileError(code, "read", path);
    if (code == std::errc::no_such_file_or_directory)
        error.Problem = FileProblem::Missing;
    else if (error.Problem == FileProblem::WriteProtected)
        error.Problem = FileProblem::Other;
    return error;
}

// The first failure of a sequence of steps is the one that tells why; the
// steps after it still run, to close what was opened.
void Keep(FileResult& first, FileResult next) {
    if (first && !next)
        first = std::move(next);
}

#ifdef _WIN32
FileResult WriteDurably(const Steps& steps, const fs::path& path, std::string_view bytes, int) {
    if (auto fault = steps.Fails("open", path))
        return *fault;
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr)
        return SystemError("open", path);
    FileResult result;
    if (auto fault = steps.Fails("write", path))
        result = *fault;
    else if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        result = SystemError("write", path);
    if (std::fflush(file) != 0)
        Keep(result, SystemError("write", path));
    if (auto fault = steps.Fails("sync", path))
        Keep(result, *fault);
    else if (_commit(_fileno(file)) != 0)
        Keep(result, SystemError("sync", path));
    if (std::fclose(file) != 0)
        Keep(result, SystemError("close", path));
    else if (auto fault = steps.Fails("close", path))
        Keep(result, *fault);
    return result;
}

// NTFS and FAT write a rename through by themselves once the file is
// committed; there is no folder to flush.
FileResult SyncFolder(const Steps& steps, const fs::path& folder) {
    if (auto fault = steps.Fails("syncdir", folder))
        return *fault;
    return {};
}

int PermissionsOf(const fs::path&) {
    return 0;
}
#else
// mode: the permission bits the new file takes over from the one it replaces.
FileResult WriteDurably(const Steps& steps, const fs::path& path, std::string_view bytes,
                        int mode) {
    if (auto fault = steps.Fails("open", path))
        return *fault;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return SystemError("open", path);
    // FAT has no permission bits to keep; a refusal there is no failure.
    if (mode >= 0)
        (void)::fchmod(fd, static_cast<mode_t>(mode));
    FileResult result;
    if (auto fault = steps.Fails("write", path))
        result = *fault;
    std::size_t done = 0;
    while (result && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            result = SystemError("write", path);
        else if (n == 0)
            result = MakeFileError(make_error_code(std::errc::no_space_on_device), "write", path);
        else
            done += static_cast<std::size_t>(n);
    }
    // A full card often shows only here, when the data reaches the device.
    if (auto fault = steps.Fails("sync", path))
        Keep(result, *fault);
    else if (::fsync(fd) != 0)
        Keep(result, SystemError("sync", path));
    if (::close(fd) != 0)
        Keep(result, SystemError("close", path));
    else if (auto fault = steps.Fails("close", path))
        Keep(result, *fault);
    return result;
}

// The rename reaches the device only with its folder: without this, a power
// cut right after "saved" can bring the old file back. File systems that
// cannot flush a folder say so, and that is no failure; a folder that can no
// longer be opened (the card pulled after the rename) is.
FileResult SyncFolder(const Steps& steps, const fs::path& folder) {
    if (auto fault = steps.Fails("syncdir", folder))
        return *fault;
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return SystemError("syncdir", folder);
    FileResult result;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP && errno != EROFS)
        result = SystemError("syncdir", folder);
    ::close(fd);
    return result;
}

// The permission bits of an existing file, or -1 when there is none.
int PermissionsOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
}
#endif

class RealFileSystem final : public Files {
  public:
    explicit RealFileSystem(FaultHook hook = {}, std::error_code reason = {})
        : steps_(std::move(hook), reason) {}

    ReadResult Read(const fs::path& path, std::size_t limit) override {
        if (!IsFile(path)) {
            // A folder opens, but holds no lines.
            return ReadFailed(Exists(path)
                                  ? std::make_error_code(std::errc::is_a_directory)
                                  : std::make_error_code(std::errc::no_such_file_or_directory),
                              path);
        }
        if (steps_.Fails("read", path))
            return ReadFailed(steps_.Reason(), path);
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return ReadFailed(LastSystemError(), path);
        std::error_code error;
        const auto size = fs::file_size(path, error);
        FileContents contents;
        contents.Bytes.resize(error ? limit + 1 : std::min<std::size_t>(size, limit) + 1);
        errno = 0;
        in.read(contents.Bytes.data(), static_cast<std::streamsize>(contents.Bytes.size()));
        if (in.bad())
            return ReadFailed(LastSystemError(), path);
        contents.Bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (contents.Bytes.size() > limit) {
            contents.Bytes.resize(limit);
            contents.Whole = false;
        }
        return contents;
    }

    FileResult Replace(const fs::path& path, std::string_view bytes) override {
        return ReplaceExactly(ExistingSpelling(*this, path), bytes);
    }

    FileResult ReplaceExactly(const fs::path& target, std::string_view bytes) override {
        const fs::path temporary = TemporaryFileFor(target);
        if (FileResult written = WriteDurably(steps_, temporary, bytes, PermissionsOf(target));
            !written) {
            (void)Remove(temporary);
            return written;
        }
        std::error_code error;
        if (auto fault = steps_.Fails("rename", target)) {
            (void)Remove(temporary);
            return *fault;
        }
        fs::rename(temporary, target, error);
        if (error) {
            (void)Remove(temporary);
            return MakeFileError(error, "rename", target);
        }
        return SyncFolder(steps_, target.parent_path());
    }

    FileResult Copy(const fs::path& from, const fs::path& to) override {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(from, error);
        if (!error && !fs::is_regular_file(status))
            error = make_error_code(std::errc::invalid_argument);
        const auto size = error ? 0 : fs::file_size(from, error);
        if (error)
            return MakeFileError(error, "read", from);
        const ReadResult contents = Read(from, static_cast<std::size_t>(size));
        if (!contents)
            return contents.Error();
        if (!contents->Whole)
            return MakeFileError(make_error_code(std::errc::io_error), "read", from);
        return Replace(to, contents->Bytes);
    }

    FileResult MakeFolder(const fs::path& path) override {
        if (auto fault = steps_.Fails("mkdir", path))
            return *fault;
        std::error_code error;
        if (!fs::create_directory(path, error) && !error)
            error = make_error_code(std::errc::file_exists);
        if (error)
            return MakeFileError(error, "mkdir", path);
        return {};
    }

    bool IsFile(const fs::path& path) override {
        std::error_code error;
        return fs::is_regular_file(fs::symlink_status(path, error));
    }

    bool Exists(const fs::path& path) override {
        std::error_code error;
        return fs::exists(fs::symlink_status(path, error));
    }

    bool IsFolder(const fs::path& path) override {
        std::error_code error;
        return fs::is_directory(fs::symlink_status(path, error));
    }

    std::optional<std::vector<fs::path>> List(const fs::path& folder) override {
        if (steps_.Fails("list", folder))
            return std::nullopt;
        std::vector<fs::path> entries;
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            entries.push_back(it->path());
        }
        if (error)
            return std::nullopt;
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    FileResult Remove(const fs::path& path) override {
        if (auto fault = steps_.Fails("remove", path))
            return *fault;
        std::error_code error;
        if (!fs::remove(path, error) && !error)
            error = make_error_code(std::errc::no_such_file_or_directory);
        if (error)
            return MakeFileError(error, "remove", path);
        return {};
    }

  private:
    Steps steps_;
};

}  // namespace

Files& RealFiles() {
    static RealFileSystem files;
    return files;
}

std::unique_ptr<Files> MakeFiles(FaultHook hook, std::error_code reason) {
    return std::make_unique<RealFileSystem>(std::move(hook), reason);
}

FileProblem ProblemOf(const std::error_code& code) {
    const std::error_condition condition = code.default_error_condition();
    if (condition.category() != std::generic_category())
        return FileProblem::Other;
    switch (condition.value()) {
        // Not EPERM: some file systems give it for a full card too.
        case EROFS:
        case EACCES:
            return FileProblem::WriteProtected;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return FileProblem::NoRoom;
        // A card pulled out: its mount point is empty, or its file system
        // answers no more.
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case EIO:
#ifdef ENOTCONN
        case ENOTCONN:
#endif
#ifdef ENOMEDIUM
        case ENOMEDIUM:
#endif
            return FileProblem::Gone;
        default:
            return FileProblem::Other;
    }
}

FileError MakeFileError(const std::error_code& code, const char* step, const fs::path& path) {
    return {ProblemOf(code), step, path, code.message()};
}

fs::path TemporaryFileFor(const fs::path& target) {
    fs::path temporary = target;
    temporary += ".swathkit-tmp";
    return temporary;
}

std::string AsciiLower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

fs::path ExistingSpelling(Files& files, const fs::path& path) {
#ifndef _WIN32
    if (files.Exists(path))
        return path;
#endif
    // Windows finds a file under any spelling of its name; only the
    // folder's listing tells how the card spells it.
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string wanted = AsciiLower(PathText(path.filename()));
    for (const fs::path& entry : files.List(folder).value_or(std::vector<fs::path>{})) {
        if (AsciiLower(PathText(entry.filename())) == wanted)
            return path.parent_path() / entry.filename();
    }
    return path;
}

std::string PathText(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

fs::path PathFromText(std::string_view text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

}  // namespace swathkit
