#include "core/work_folder.h"

#include <cstdlib>

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

bool MakeFolder(Files& files, const fs::path& folder) {
    return files.MakeFolder(folder) || files.IsFolder(folder);
}

}  // namespace

bool MakeWorkFolder(const Program& program, Files& files) {
    return MakeFolder(files, program.WorkFolder);
}

bool MakeBackupFolder(const Program& program, Files& files) {
    return MakeFolder(files, BackupFolder(program));
}

fs::path BackupFolder(const Program& program) {
    return program.WorkFolder / "Backup";
}

}  // namespace swathkit
