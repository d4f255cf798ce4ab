#pragma once
// The card in the chosen drive: where its line file is, whether it can be
// read, loading it into the card side, and re-reading the drives.

#include <string>

#include "core/program.h"

namespace swathkit {

inline constexpr const char* kNotDetected = SAY("Your Card -- Not Detected");
// The card's root goes after it.
inline constexpr const char* kAvailable = SAY("Your Card -- Available %1");
inline constexpr const char* kDamagedTitle = SAY("Damaged Card File");

// The card's files, as the card's own software names them.
inline constexpr const char* kCardFolder = "pflines";
inline constexpr const char* kStraightLinesFile = "ablines.dat";
inline constexpr const char* kCircleLinesFile = "circles.dat";
inline constexpr const char* kCardInfoFile = "cardinfo.bin";

// "e:" of "e: [CARD]"; "/media/farm/CARD" of "/media/farm/CARD [CARD]".
std::string DrivePart(const std::string& driveText);

// The card's root as the card label shows it: "e:\" or "/media/farm/CARD".
std::string CardRoot(const std::string& driveText);

// A file below the card's root, spelt as the card spells it where a
// version in another case exists.
fs::path CardFilePath(Files& files, const std::string& driveText, const std::string& folder,
                      const std::string& name);

// pflines\ablines.dat or pflines\circles.dat of the chosen drive, by the
// checked track kind.
fs::path CardLineFilePath(const Program& program, Ports& ports);

// Whether the card's line file can be opened; the "Error with Card" box,
// with why, when not and showError is set.
bool CheckCard(const Program& program, Ports& ports, bool showError);

// Reads the card's other line file and its cardinfo.bin into seen; a
// failure, with why, when one of them is there but cannot be read.
FileResult ReadFilesBeside(const Program& program, Ports& ports, CardFileSeen& seen);

void LoadCard(Program& program, Ports& ports, bool showError);

void RefreshDrives(Ports& ports);

}  // namespace swathkit
