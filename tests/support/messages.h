#pragma once
// The boxes the operator must see, written out here rather than taken from
// the program, so that a changed text fails the tests.

#include "core/ports.h"

namespace swathkit::testing {

inline const Message kNothingToMove{
    "Make sure you have selected at least one field to \r\nmove across.  You can select "
    "multiple fields by \r\nholding the CTRL-key while you click.",
    Buttons::Ok, Icon::Exclamation, "Nothing Selected"};
inline const Message kNothingToErase{"You have not selected any entries.", Buttons::Ok,
                                     Icon::Exclamation, "Nothing Selected"};
inline const Message kVerifyClear{"Are you sure you want to clear the selected items?",
                                  Buttons::YesNo, Icon::None, "Verify Clear"};
inline const Message kCanNotAssign{"You've can not assign to Field 1-5. Re-Enter?", Buttons::YesNo,
                                   Icon::None, "Invalid Number"};
inline const Message kInvalidNumber{"You've entered an invalid number. Re-Enter?", Buttons::YesNo,
                                    Icon::None, "Invalid Number"};
inline const Message kCardError{
    "Error 300-1 \r\nThere was an error reading this drive.\r\nCheck that the card is properly "
    "inserted, that you\r\nhave selected the correct drive letter, and that\r\nthis drive "
    "contains valid tracking data.",
    Buttons::Ok, Icon::None, "Error with Card"};
inline const Message kCardWriteError{"Error 100-2.  Failed Saving ABLines File., Invalid Save",
                                     Buttons::Ok, Icon::None, "Error Saving"};

}  // namespace swathkit::testing
