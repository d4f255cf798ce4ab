#pragma once
// The numbered error boxes, each written once here: operators quote the
// numbers, and the help file explains each one. After them the other boxes
// the logic shows about files, and the reasons a file step failed, as the
// operator reads them.

#include <string>

#include "core/files.h"
#include "core/ports.h"

namespace swathkit {

inline const Message kMasterCopySaveFailed{"Error 100-1.  Failed Saving MasterCopy File.",
                                           Buttons::Ok, Icon::None, "Error Saving Master Copy"};
// The card side is read afresh before this box is shown.
inline const Message kCardSaveFailed{
    "Error 100-2.  Failed Saving ABLines File., Invalid Save\r\n"
    "The card could not be written. The left-hand list shows what the card holds now.\r\n"
    "Put the card back in the reader, with its write protection off, press Refresh and make the "
    "change again.",
    Buttons::Ok, Icon::None, "Error Saving"};
inline const Message kNoFreeBackupFolder{
    "Backup Error 200-1 \r\nProblem creating \\Swathkit\\Backup folder.", Buttons::Ok, Icon::None,
    "Backup Error"};
inline const Message kCardNotReadable{
    "Error 300-1 \r\n"
    "There was an error reading this drive.\r\n"
    "Check that the card is properly inserted, that you\r\n"
    "have selected the correct drive letter, and that\r\n"
    "this drive contains valid tracking data.",
    Buttons::Ok, Icon::None, "Error with Card"};
inline const Message kDriveRefreshFailed{"Error 400-1  Error during drive refresh.", Buttons::Ok,
                                         Icon::None, "Drive Refresh Error"};
inline const Message kBadSave{"Error 500-1\r\nThere was a problem saving to the card.", Buttons::Ok,
                              Icon::None, "Bad Save"};

// The card in the reader is not the one last read: writing now would put the
// lines shown over lines the operator has never seen.
inline const Message kCardChanged{
    "The card in the reader is not the card shown.\r\n"
    "Nothing has been written to it. Its own lines are shown now;\r\n"
    "make the change again if it is meant for this card.",
    Buttons::Ok, Icon::Exclamation, "Card Changed"};

inline Message MasterCopyChanged(const fs::path& path) {
    return {"The master copy " + PathText(path) +
                " has been saved by another program since this one read it.\r\n"
                "Nothing has been written to it. Its own passes are shown now; make "
                "your change again.\r\n"
                "(Undo shows the Temporary Card Image as it was here.)",
            Buttons::Ok, Icon::Exclamation, "Master Copy Changed"};
}

// Where a failed file step was: on the card, or on the PC's own disk.
enum class Medium { Card, Disk };

// Why a file step failed, in one sentence the operator can act on.
inline std::string PlainReason(const FileError& error, Medium where) {
    const bool card = where == Medium::Card;
    switch (error.Problem) {
        case FileProblem::WriteProtected:
            return card ? "The card is write-protected." : "The folder cannot be written to.";
        case FileProblem::NoRoom:
            return card ? "There is no room left on the card."
                        : "There is no room left on the disk.";
        case FileProblem::Gone:
            return card ? "The card was taken out." : "The folder is not there.";
        case FileProblem::Missing:
            return "There is no file " + PathText(error.Path) + ".";
        case FileProblem::Other:
            break;
    }
    return "The system gave this reason: " + error.SystemText + ".";
}

// The box with the reason under its own text, which stays word for word.
inline Message WithReason(Message message, const FileError& error, Medium where) {
    message.Details = PlainReason(error, where);
    return message;
}

}  // namespace swathkit
