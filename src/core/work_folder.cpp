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

// One that is there already is as good as one made now.
FileResult MakeFolder(Files& files, const fs::path& folder) {
    FileResult made = files.MakeFolder(folder);
    return made || files.IsFolder(folder) ? FileResult() : made;
}

}  // namespace

FileResult MakeWorkFolder(const Program& program, Files& files) {
    return MakeFolder(files, program.WorkFolder);
}

FileResult MakeBackupFolder(const Program& program, Files& files) {
    return MakeFolder(files, BackupFolder(program));
}

fs::path BackupFolder(const Program& program) {
    return program.WorkFolder / "Backup";
}

}  // namespace swathkit
