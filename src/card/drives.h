#pragma once
// Which of the machine's mounted volumes the drive chooser lists.

#include <string>
#include <vector>

#include "core/backup_records.h"
#include "core/program.h"

namespace swathkit {

enum class DriveStyle { Letters, MountPoints, MacVolumes };

DriveStyle NativeDriveStyle();

// The computer's own disk where drives are mount points.
inline constexpr const char* kOwnDisk = SAY("/ [This Computer]");

// Letters: "e: [CARD]" for every volume. Otherwise the computer's own disk
// first, then every volume that can be a card mounted below the
// removable-media folders.
DriveList ListDrives(const std::vector<Volume>& volumes, DriveStyle style);

// When the chosen drive holds no card of the track kind shown and another
// drive does, chooses the first such drive: a card put in after the start
// is found by Refresh without the operator knowing where it was mounted.
void ChooseDriveWithCard(const Program& program, Ports& ports);

}  // namespace swathkit
