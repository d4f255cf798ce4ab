#pragma once
// The automatic backup before every write to a card, and "Backup Image",
// the copy of a whole card into a folder the operator picks.

#include <optional>
#include <string>
#include <variant>

#include "core/program.h"

namespace swathkit {

enum class BackupProblem { AllNumbersTaken };

// A new, empty backup folder Backup/mmddyyyy/n, or why there is none: all 256
// numbers of the day are taken, or a folder on the way could not be made.
std::variant<fs::path, BackupProblem, FileError> NewBackupFolder(const Program& program,
                                                                 Ports& ports);

// Copies the card's cardinfo.bin, ablines.dat and circles.dat into a new
// backup folder; the folder, or nothing once the operator has been told what
// failed.
std::optional<fs::path> BackupCardFiles(const Program& program, Ports& ports);

// The backup before a card is written: true once the card's files are in a
// new backup folder, or when the operator, told that they could not be
// backed up, still wants the card written.
bool BackUpBeforeWriting(const Program& program, Ports& ports);

// Copies every top-level folder and then every top-level file of the card
// into folder; false (after a message box) on the first failure.
bool CopyCardToFolder(Ports& ports, const fs::path& root, const fs::path& folder);

// "c:\" on Windows, "/" elsewhere: never backed up as if it were a card.
bool IsSystemDrive(const std::string& root);

void BackupCardToFolder(Program& program, Ports& ports);

}  // namespace swathkit
