<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/ui/line_map.cpp" line="+135"/>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, driven the other way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+97"/>
        <source>%1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+102"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+5"/>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>The language could not be kept for the next start.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+175"/>
        <source>%1 selected pass of the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
