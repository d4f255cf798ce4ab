#pragma once
// The program's work folder: the master copies and the backups live below
// it. Tests hand in a folder of their own.

#include "core/program.h"

namespace swathkit {

// C:\Swathkit on Windows, ~/Swathkit elsewhere.
fs::path DefaultWorkFolder();

// Whether the folder is there afterwards, made now or before.
FileResult MakeWorkFolder(const Program& program, Files& files);
FileResult MakeBackupFolder(const Program& program, Files& files);
fs::path BackupFolder(const Program& program);

}  // namespace swathkit
