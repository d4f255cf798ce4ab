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

void MakeWorkFolder(const Program& program, Files& files) {
    files.MakeFolder(program.WorkFolder);
}

void MakeBackupFolder(const Program& program, Files& files) {
    files.MakeFolder(BackupFolder(program));
}

fs::path BackupFolder(const Program& program) {
    return program.WorkFolder / "Backup";
}

}  // namespace swathkit
