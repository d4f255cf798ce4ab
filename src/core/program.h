#pragma once
// The state of the whole program, one value, and the ports its operations
// reach the outside world through.

#include <optional>
#include <string>

#include "core/files.h"
#include "core/guidance_line.h"
#include "core/ports.h"

namespace swathkit {

enum class TrackKind { Straight, Circle };

// The check marks of the menus; they start as the window starts them.
struct MenuChoices {
    bool StraightTrack = true;  // "Circle Track" is checked when this is not
    bool ShowLonLat = true;
    bool ShowDMS = true;

    TrackKind Kind() const { return StraightTrack ? TrackKind::Straight : TrackKind::Circle; }
};

struct Program {
    ImageTable Table;
    bool ImageChanged = false;
    CardImage CardScratch;
    fs::path ChosenDirectory;
    MenuChoices Menus;
    fs::path WorkFolder;  // master copies and backups live below it

    // A master copy that was there at start-up but could not be read: the
    // first save keeps it aside before replacing it.
    std::optional<fs::path> UnreadMasterCopy;
};

struct Ports {
    Dialogs& Ask;
    SaveProgressView& Progress;
    Clock& Time;
    Files& Disk;
    LineList& CardList;
    LineList& ImageList;
    WindowControls& Controls;
    DriveChooser& Drives;
    HelpViewer& Help;

    LineList& List(int side) { return side == CardSide ? CardList : ImageList; }
};

// C:\Swathkit on Windows, ~/Swathkit elsewhere.
fs::path DefaultWorkFolder();

}  // namespace swathkit
