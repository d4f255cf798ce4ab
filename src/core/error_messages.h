#pragma once
// The numbered error boxes, each written once here: operators quote the
// numbers, and the help file explains each one. After them the other boxes
// the logic shows about files, and the reasons a file step failed, as the
// operator reads them.

#include <string>

#include "core/files.h"
#include "core/ports.h"

namespace swathkit {

inline const Message kMasterCopySaveFailed{SAY("Error 100-1.  Failed Saving MasterCopy File."),
                                           Buttons::Ok, Icon::None,
                                           SAY("Error Saving Master Copy")};
// The card side is read afresh before this box is shown.
inline const Message kCardSaveFailed{
    SAY("Error 100-2.  Failed Saving ABLines File., Invalid Save\r\n"
        "The card could not be written. The left-hand list shows what the card holds now.\r\n"
        "Put the card back in the reader, with its write protection off, press Refresh and make "
        "the change again."),
    Buttons::Ok, Icon::None, SAY("Error Saving")};
inline const Message kNoFreeBackupFolder{
    SAY("Backup Error 200-1 \r\nProblem creating \\Swathkit\\Backup folder."), Buttons::Ok,
    Icon::None, SAY("Backup Error")};
inline const Message kCardNotReadable{SAY("Error 300-1 \r\n"
                                          "There was an error reading this drive.\r\n"
                                          "Check that the card is properly inserted, that you\r\n"
                                          "have selected the correct drive letter, and that\r\n"
                                          "this drive contains valid tracking data."),
                                      Buttons::Ok, Icon::None, SAY("Error with Card")};
inline const Message kDriveRefreshFailed{SAY("Error 400-1  Error during drive refresh."),
                                         Buttons::Ok, Icon::None, SAY("Drive Refresh Error")};
inline const Message kBadSave{SAY("Error 500-1\r\nThere was a problem saving to the card."),
                              Buttons::Ok, Icon::None, SAY("Bad Save")};

// The card in the reader is not the one last read: writing now would put the
// lines shown over lines the operator has never seen.
inline const Message kCardChanged{
    SAY("The card in the reader is not the card shown.\r\n"
        "Nothing has been written to it. Its own lines are shown now;\r\n"
        "make the change again if it is meant for this card."),
    Buttons::Ok, Icon::Exclamation, SAY("Card Changed")};

inline Message MasterCopyChanged(const fs::path& path) {
    return {Words{SAY("The master copy %1 has been saved by another program since this one read "
                      "it.\r\n"
                      "Nothing has been written to it. Its own passes are shown now; make "
                      "your change again.\r\n"
                      "(Undo shows the Temporary Card Image as it was here.)"),
                  {PathText(path)}},
            Buttons::Ok, Icon::Exclamation, SAY("Master Copy Changed")};
}

// Where a failed file step was: on the card, or on the PC's own disk.
enum class Medium { Card, Disk };

// Why a file step failed, in one sentence the operator can act on.
inline Words PlainReason(const FileError& error, Medium where) {
    const bool card = where == Medium::Card;
    switch (error.Problem) {
        case FileProblem::WriteProtected:
            return card ? SAY("The card is write-protected.")
                        : SAY("The folder cannot be written to.");
        case FileProblem::NoRoom:
            return card ? SAY("There is no room left on the card.")
                        : SAY("There is no room left on the disk.");
        case FileProblem::Gone:
            return card ? SAY("The card was taken out.") : SAY("The folder is not there.");
        case FileProblem::Missing:
            return Words{SAY("There is no file %1."), {PathText(error.Path)}};
        case FileProblem::Other:
            break;
    }
    // The system's own words come in its language, not ours.
    return Words{SAY("The system gave this reason: %1."), {error.SystemText}};
}

// Where a failed copy failed: a failed read is the source's doing, any
// other step the destination's.
inline Medium WhereCopyFailed(const FileError& error, Medium from, Medium to) {
    return error.Step == "read" ? from : to;
}

// The box with the reason under its own text, which stays word for word.
inline Message WithReason(Message message, const FileError& error, Medium where) {
    message.Details = PlainReason(error, where);
    return message;
}

}  // namespace swathkit
