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

// Asked before each step of a file operation; true makes the step fail as
// if the system had refused it. The real file system has none.
class Steps {
  public:
    explicit Steps(FaultHook hook) : hook_(std::move(hook)) {}
    bool Fails(const char* step, const fs::path& path) const { return hook_ && hook_(step, path); }

  private:
    FaultHook hook_;
};

#ifdef _WIN32
bool WriteDurably(const Steps& steps, const fs::path& path, std::string_view bytes, int) {
    if (steps.Fails("open", path))
        return false;
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr)
        return false;
    bool ok = !steps.Fails("write", path) &&
              std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = !steps.Fails("sync", path) && _commit(_fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && !steps.Fails("close", path) && ok;
    return ok;
}

// NTFS and FAT write a rename through by themselves once the file is
// committed; there is no folder to flush.
bool SyncFolder(const Steps& steps, const fs::path& folder) {
    return !steps.Fails("syncdir", folder);
}

int PermissionsOf(const fs::path&) {
    return 0;
}
#else
// mode: the permission bits the new file takes over from the one it replaces.
bool WriteDurably(const Steps& steps, const fs::path& path, std::string_view bytes, int mode) {
    if (steps.Fails("open", path))
        return false;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // FAT has no permission bits to keep; a refusal there is no failure.
    if (mode >= 0)
        (void)::fchmod(fd, static_cast<mode_t>(mode));
    bool ok = !steps.Fails("write", path);
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    // A full card often shows only here, when the data reaches the device.
    ok = !steps.Fails("sync", path) && ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && !steps.Fails("close", path) && ok;
    return ok;
}

// The rename reaches the device only with its folder: without this, a power
// cut right after "saved" can bring the old file back. File systems that
// cannot flush a folder say so, and that is no failure; a folder that can no
// longer be opened (the card pulled after the rename) is.
bool SyncFolder(const Steps& steps, const fs::path& folder) {
    if (steps.Fails("syncdir", folder))
        return false;
    const fs::path name = folder.empty() ? fs::path(".") : folder;
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EROFS;
    ::close(fd);
    return ok;
}

// The permission bits of an existing file, or -1 when there is none.
int PermissionsOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : -1;
}
#endif

class RealFileSystem final : public Files {
  public:
    explicit RealFileSystem(FaultHook hook = {}) : steps_(std::move(hook)) {}

    std::optional<FileContents> Read(const fs::path& path, std::size_t limit) override {
        if (!IsFile(path))
            return std::nullopt;  // a folder opens, but holds no lines
        if (steps_.Fails("read", path))
            return std::nullopt;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return std::nullopt;
        std::error_code error;
        const auto size = fs::file_size(path, error);
        FileContents contents;
        contents.Bytes.resize(error ? limit + 1 : std::min<std::size_t>(size, limit) + 1);
        in.read(contents.Bytes.data(), static_cast<std::streamsize>(contents.Bytes.size()));
        if (in.bad())
            return std::nullopt;
        contents.Bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (contents.Bytes.size() > limit) {
            contents.Bytes.resize(limit);
            contents.Whole = false;
        }
        return contents;
    }

    bool Replace(const fs::path& path, std::string_view bytes) override {
        return ReplaceExactly(ExistingSpelling(*this, path), bytes);
    }

    bool ReplaceExactly(const fs::path& target, std::string_view bytes) override {
        const fs::path temporary = TemporaryFileFor(target);
        if (!WriteDurably(steps_, temporary, bytes, PermissionsOf(target))) {
            Remove(temporary);
            return false;
        }
        std::error_code error;
        if (!steps_.Fails("rename", target))
            fs::rename(temporary, target, error);
        else
            error = std::make_error_code(std::errc::io_error);
        if (error) {
            Remove(temporary);
            return false;
        }
        return SyncFolder(steps_, target.parent_path());
    }

    bool Copy(const fs::path& from, const fs::path& to) override {
        std::error_code error;
        if (!fs::is_regular_file(fs::symlink_status(from, error)))
            return false;
        const auto size = fs::file_size(from, error);
        if (error)
            return false;
        const auto contents = Read(from, static_cast<std::size_t>(size));
        return contents && contents->Whole && Replace(to, contents->Bytes);
    }

    bool MakeFolder(const fs::path& path) override {
        if (steps_.Fails("mkdir", path))
            return false;
        std::error_code error;
        return fs::create_directory(path, error);
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

    bool Remove(const fs::path& path) override {
        if (steps_.Fails("remove", path))
            return false;
        std::error_code error;
        return fs::remove(path, error);
    }

  private:
    Steps steps_;
};

}  // namespace

Files& RealFiles() {
    static RealFileSystem files;
    return files;
}

std::unique_ptr<Files> MakeFiles(FaultHook hook) {
    return std::make_unique<RealFileSystem>(std::move(hook));
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
