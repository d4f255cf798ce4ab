#pragma once
// The numbered error boxes, each written once here: operators quote the
// numbers, and the help file explains each one.

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

}  // namespace swathkit
