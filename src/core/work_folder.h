#pragma once
// The program's work folder: the master copies and the backups live below
// it. Tests hand in a folder of their own.

#include "core/program.h"

namespace swathkit {

// C:\Swathkit on Windows, ~/Swathkit elsewhere.
fs::path DefaultWorkFolder();

// Folder failures, above all that the folder exists already, are ignored:
// the write that needs the folder reports the failure.
void MakeWorkFolder(const Program& program, Files& files);
void MakeBackupFolder(const Program& program, Files& files);
fs::path BackupFolder(const Program& program);

}  // namespace swathkit
