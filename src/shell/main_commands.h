#pragma once
// What the main window does at start-up and for its own menus and buttons;
// the window's handlers call these with its real controls.

#include <string>

#include "core/program.h"

namespace swathkit {

inline constexpr const char* kHelpFileName = "AB_Help.chm";

void StartUp(Program& program, Ports& ports);

void cmdRefresh_Click(Program& program, Ports& ports);
void mnuRefreshDrives_Click(Program& program, Ports& ports);
void driveCard_Change(Program& program, Ports& ports);
void mnuStraightTrack_Click(Program& program, Ports& ports);
void mnuCircleTrack_Click(Program& program, Ports& ports);
void mnuShowLonLat_Click(Program& program, Ports& ports);
void mnuShowDMS_Click(Program& program, Ports& ports);

// Opens AB_Help.chm from the program's folder.
void ShowHelp(Ports& ports, const fs::path& programFolder);

}  // namespace swathkit
