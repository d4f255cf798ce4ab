#pragma once
// The state of the whole program, one value, and the ports its operations
// reach the outside world through.

#include <array>
#include <map>
#include <optional>
#include <string>

#include "core/files.h"
#include "core/guidance_line.h"
#include "core/ports.h"

namespace swathkit {

enum class TrackKind { Straight, Circle };

// What the window, the map and the dialogs call the two sides; the window
// shows them through Tr().
inline constexpr std::array<const char*, 2> kSideCaption = {SAY("Your Card"),
                                                            SAY("Temporary Card Image")};

// The check marks of the menus; they start as the window starts them.
struct MenuChoices {
    bool StraightTrack = true;  // "Circle Track" is checked when this is not
    bool ShowLonLat = true;
    bool ShowDMS = true;

    TrackKind Kind() const { return StraightTrack ? TrackKind::Straight : TrackKind::Circle; }
};

// The kind of lines an image holds; nothing for an image that holds no kind
// (the blank card side while no card is found).
inline std::optional<TrackKind> KindOf(const CardImage& image) {
    if (image.IsStraight == image.IsCircle)
        return std::nullopt;
    return image.IsStraight ? TrackKind::Straight : TrackKind::Circle;
}

// The card's line file as the program last read or wrote it. Cards from one
// display share a drive letter or mount point and are swapped without a
// Refresh, so a card is written only while its file is still exactly this.
struct CardFileSeen {
    fs::path Path;
    FileContents Contents;
    Words Damage;  // what is wrong with it (DescribeDamage); empty when whole
    // The card's other line file and its cardinfo.bin as they were then
    // (nothing for one that was missing): cards that hold the same lines of
    // one kind are still told apart by these.
    std::optional<FileContents> OtherLines, CardInfo;
};

// The last change made to a side, as Undo names it, and the side's two
// generations as that change left them: Undo swaps them, and anything else
// that sets them leaves the change without a name.
struct SideStep {
    Words Name;
    CardImage Before, After;
};

struct Program {
    ImageTable Table;
    bool ImageChanged = false;
    CardImage CardScratch;
    std::optional<fs::path> ChosenDirectory;  // nothing when the dialog was cancelled
    MenuChoices Menus;
    fs::path WorkFolder;  // master copies and backups live below it

    // A master copy that was there at start-up but could not be read: the
    // first save keeps it aside before replacing it.
    std::optional<fs::path> UnreadMasterCopy;
    // Each master copy as this program last read or wrote it; nothing for a
    // file that was not there. Another program on the same work folder may
    // have saved its own image since, and that is never written over.
    std::map<fs::path, std::optional<FileContents>> MasterCopySeen;
    // The temporary card image of the kind not checked, both generations,
    // as the track kind was switched away from it.
    std::optional<std::array<CardImage, 2>> OtherKindImage;

    // Nothing while no card file has been read whole enough to compare.
    std::optional<CardFileSeen> CardFile;
    // A card of the checked kind is in the reader: its commands are on.
    bool CardLoaded = false;
    std::array<SideStep, 2> LastStep;
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

}  // namespace swathkit
