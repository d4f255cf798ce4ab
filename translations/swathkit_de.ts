<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Fehler beim Sichern der Datei.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>Die Karte konnte vorher nicht gesichert werden.<byte value="xd"/>
Trotzdem ohne Sicherung auf die Karte schreiben? Ihre Linien werden dann ersetzt, ohne dass eine Kopie davon bleibt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Keine Sicherung</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>Der gewählte Ordner liegt auf der Karte selbst.<byte value="xd"/>
Wählen Sie einen Ordner auf dem PC; es wurde nichts kopiert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Ungültige Sicherung</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>Die Karte konnte nicht vollständig nach %1 kopiert werden.<byte value="xd"/>
Die vor dem Problem kopierten Dateien sind dort vorhanden.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>Sie haben gewählt, Ihr C:\ zu sichern, oder Sie haben<byte value="xd"/>
ein ungültiges Laufwerk gewählt.  Dieses Programm sichert <byte value="xd"/>
weder C:\ noch ein ungültiges Laufwerk.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Ungültiges Laufwerk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>Sie haben gewählt, %1 zu sichern.<byte value="xd"/>
Wenn das nicht stimmt, wählen Sie Nein und wählen ein anderes Kartenlaufwerk.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Kartenlaufwerk bestätigen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>Es wurden keine Daten gesichert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>Ihre Datenkarte wurde erfolgreich gesichert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>Erfolgreich gesichert!</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>Die Liniendatei %1 der Karte ist beschädigt: %2.<byte value="xd"/>
Die lesbaren Spuren werden angezeigt; verschieben Sie sie ins Temporäre Kartenabbild, um sie zu behalten.<byte value="xd"/>
Auf die Karte wird erst geschrieben, wenn Sie zugestimmt haben.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>Ihre Karte -- Nicht erkannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>Ihre Karte -- Verfügbar %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>Beschädigte Kartendatei</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Bitte legen Sie die zweite Karte ein und drücken Sie OK.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Mit Karte fortfahren</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Wählen Sie das Laufwerk der eingelegten Karte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Kartenlaufwerk</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>Die Karte konnte nicht beschrieben werden (%1).<byte value="xd"/>
Ihre noch nicht ersetzten Dateien sind unverändert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>Die A-B-Linien- und Kreisdaten auf dieser Karte werden <byte value="xd"/>
vollständig ersetzt.  Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Kopieren fortsetzen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>Das Abbild wurde erfolgreich gespeichert.<byte value="xd"/>
Möchten Sie dieses Abbild auf eine weitere Karte kopieren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Weitere Kopie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Dieses Kartenabbild wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Kopieren abgeschlossen</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Dieser Computer]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 Spur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>%1 Spuren</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>Geraden</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>Kreisspuren</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation>Felder %1</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>beschädigt: %1 lesbar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>keine Liniendatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>nicht lesbar. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>%1 nur in der Sicherung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>%1 nur auf der Karte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>%1 verschieden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>%1 gleich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>Keine Spuren in der Sicherung oder auf der Karte.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>unbekannte Karte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (diese Karte)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (andere Karte)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Diese Sicherung stammt von einer anderen Karte (%1) als der im Kartenleser (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>Bezeichnung unbekannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>keine Bezeichnung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>Alle %1 auf der Karte %2 durch die der Sicherung %3 (%4) ersetzen?<byte value="xd"/>
Die eigenen %1 der Karte werden vorher gesichert.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>%1 der Sicherung %2 auf die Karte %3 schreiben?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>Die Sicherung hat keine Spur in %1: die der Karte wird gelöscht.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>Die übrigen %1 der Karte bleiben unverändert; alle werden vorher gesichert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Auf Karte schreiben</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>Die Liniendatei der Karte ist beschädigt: %1.<byte value="xd"/>
Beim Schreiben wird sie durch die angezeigten Spuren ersetzt. Die beschädigte Datei wird vorher in einem neuen Sicherungsordner unter<byte value="xd"/>
%2 aufbewahrt.<byte value="xd"/>
Auf die Karte schreiben?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>Die Hilfedatei wurde nicht gefunden!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Keine Hilfe</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Linien exportieren</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>%1 enthält keine Geraden zum Exportieren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>%1 enthält keine Kreisspuren zum Exportieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Bitte geben Sie den Namen der zu schreibenden Datei an.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>Nach %1 wurde nichts geschrieben.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>Die Linien konnten nicht nach %1 geschrieben werden.<byte value="xd"/>
Prüfen Sie, ob der Ordner existiert und beschreibbar ist; eine dort vorhandene Datei ist unverändert.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>%1 Spur nach %2 geschrieben.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>%1 Spuren nach %2 geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Fehler 100-1.  Speichern der MasterCopy-Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Fehler beim Speichern der Masterkopie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Fehler 100-2.  Speichern der ABLines-Datei fehlgeschlagen., Ungültige Sicherung<byte value="xd"/>
Die Karte konnte nicht beschrieben werden. Die linke Liste zeigt, was die Karte jetzt enthält.<byte value="xd"/>
Legen Sie die Karte ohne Schreibschutz wieder in den Kartenleser, drücken Sie „Neu laden“ und nehmen Sie die Änderung erneut vor.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Sicherungsfehler 200-1 <byte value="xd"/>
Problem beim Anlegen des Ordners \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Sicherungsfehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Fehler 300-1 <byte value="xd"/>
Beim Lesen dieses Laufwerks ist ein Fehler aufgetreten.<byte value="xd"/>
Prüfen Sie, ob die Karte richtig eingesteckt ist, ob Sie<byte value="xd"/>
den richtigen Laufwerksbuchstaben gewählt haben und ob<byte value="xd"/>
dieses Laufwerk gültige Spurdaten enthält.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Fehler mit der Karte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Fehler 400-1  Fehler beim Aktualisieren der Laufwerke.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Fehler beim Aktualisieren der Laufwerke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Fehler 500-1<byte value="xd"/>
Beim Speichern auf die Karte ist ein Problem aufgetreten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>Die Karte im Kartenleser ist nicht die angezeigte Karte.<byte value="xd"/>
Es wurde nichts auf sie geschrieben. Jetzt werden ihre eigenen Linien angezeigt;<byte value="xd"/>
nehmen Sie die Änderung erneut vor, wenn sie für diese Karte gedacht ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Karte gewechselt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>Die Masterkopie %1 wurde von einem anderen Programm gespeichert, seit dieses sie gelesen hat.<byte value="xd"/>
Es wurde nichts in sie geschrieben. Jetzt werden ihre eigenen Spuren angezeigt; nehmen Sie Ihre Änderung erneut vor.<byte value="xd"/>
(Rückgängig zeigt das Temporäre Kartenabbild so, wie es hier war.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Masterkopie geändert</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>Die Karte ist schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>Auf der Karte ist kein Platz mehr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>Auf dem Datenträger ist kein Platz mehr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>Die Karte wurde entnommen.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>Der Ordner ist nicht vorhanden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>Es gibt keine Datei %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>Das System nannte diesen Grund: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>%1 nicht lesbar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>nicht jede Zeile enthält genau einen Datensatz, obwohl jeder Datensatz gelesen werden konnte</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>Datensatz %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>Datensätze %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>Die lesbaren Spuren werden im Temporären Kartenabbild angezeigt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>Das Temporäre Kartenabbild beginnt leer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>Die beschädigte Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>Sie konnte nicht beiseitegelegt werden und wird daher nicht überschrieben, bis das möglich ist.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Beschädigte Masterkopie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>Die Masterkopie %1 ist beschädigt: %2 nicht lesbar.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Die Masterkopie %1 konnte nicht gelesen werden.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>Ihre Karte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Temporäres Kartenabbild</translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation>Feld-Nr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation>%1, ausgewählte Spuren</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 der Felder %2 und %3 weiterer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 von Feld %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 der Felder %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>Sie haben keine Einträge ausgewählt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>Möchten Sie die ausgewählten Einträge wirklich löschen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>eine Gerade, aber „Kreisspuren“ ist gewählt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>eine Kreisspur, aber „Geraden“ ist gewählt</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>Koordinaten außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>keine Richtung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>bei Breite 0, Länge 0, was die Karte für ein leeres Feld hält</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>Kreisspur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>erstes freies</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>Das Temporäre Kartenabbild hat kein freies Feld mehr:<byte value="xd"/>
%1 Linie wurde nicht übernommen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>Das Temporäre Kartenabbild hat kein freies Feld mehr:<byte value="xd"/>
%1 Linien wurden nicht übernommen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Kein freies Feld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>bereits im Abbild (Feld %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>gleich wie Zeile %1</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>%1 neu, %2 bereits vorhanden, %3 verschoben, %4 Feld bleibt nach dem Zusammenführen frei.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>%1 neu, %2 bereits vorhanden, %3 verschoben, %4 Felder bleiben nach dem Zusammenführen frei.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 Spur passt nicht: Haken entfernen oder ihr ein zu ersetzendes Feld zuweisen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>%1 Spuren passen nicht: Haken entfernen oder jeder ein zu ersetzendes Feld zuweisen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 Spur braucht ein anderes Feld.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>%1 Spuren brauchen ein anderes Feld.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>Ihre Karte enthält keine Geraden zum Zusammenführen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>Ihre Karte enthält keine Kreisspuren zum Zusammenführen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Karte mit Abbild zusammenführen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>keine Linien</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Vergewissern Sie sich, dass Sie mindestens ein Feld zum <byte value="xd"/>
Übertragen ausgewählt haben.  Mehrere Felder wählen Sie, <byte value="xd"/>
indem Sie beim Klicken die Strg-Taste gedrückt halten.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>Ihre Karte zeigt %1 und das Temporäre Kartenabbild %2.<byte value="xd"/>
Spuren werden nur zwischen Linien derselben Art übertragen; es wurde nichts verschoben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Unterschiedliche Spurarten</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>Spur Nr. %1 ersetzt Spur Nr. %2. Ist das in Ordnung?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Spur ersetzen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>Feld Nr. %1 in welches Feld kopieren: <byte value="xd"/>
Vor dem Ersetzen einer Spur werden Sie gefragt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Felder umstellen</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Felder 1-5 können nicht belegt werden.<byte value="xd"/>
Eine Feldnummer ist eine ganze Zahl von 6 bis 250. Erneut eingeben?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Sie haben eine ungültige Zahl eingegeben.<byte value="xd"/>
Eine Feldnummer ist eine ganze Zahl von 6 bis 250. Erneut eingeben?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>Feld Nr. %1 in welches Feld kopieren: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Spuren versetzen</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>„%1“ ist keine Zahl.<byte value="xd"/>
Geben Sie sie in Ziffern ein, etwa 1.5 oder -0,25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Eine Versetzung um %1 m ist weiter als die zulässigen %2 m.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Eine Versetzung um mehr als %1 m ist weiter als die zulässigen %2 m.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Wählen Sie zuerst die zu versetzenden Spuren.  Mehrere Felder wählen Sie, <byte value="xd"/>
indem Sie beim Klicken die Strg-Taste gedrückt halten.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
Es wurde nichts versetzt.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Diese Spuren wurden nicht versetzt: ihre Position ist keine geografische Breite und Länge.<byte value="xd"/>
Feld-Nr.: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>Versetzen</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Jede Kreisspur wird als Punkt in ihrem Mittelpunkt geschrieben: die Karte speichert keinen Radius.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Jede Feldnummer bleibt nur als Name ihres Spurmusters erhalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Jede Gerade wird als A+-Muster geschrieben: ihr Punkt und ihre Richtung, ohne B-Punkt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Jede Kreisspur wird als Pivot-Muster nur mit ihrem Mittelpunkt geschrieben: die Karte speichert keinen Radius.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>KML kennt keine endlose Linie: jede Gerade wird als 400 m lange Strecke geschrieben, 200 m zu beiden Seiten ihres Punkts; ihre Richtung bleibt als erweiterte Daten erhalten.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>Höhen werden als 0 geschrieben.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>GeoJSON kennt keine endlose Linie: jede Gerade wird als 400 m lange Strecke geschrieben, 200 m zu beiden Seiten ihres Punkts; Punkt und Richtung bleiben als Eigenschaften erhalten.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth und die meisten Kartenprogramme)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (gezipptes KML)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>AgOpenGPS-Feldordner</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>Feld %1 wurde ausgelassen: seine Koordinaten sind kein Ort auf der Erde.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>Felder %1 wurden ausgelassen: ihre Koordinaten sind kein Ort auf der Erde.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>die Spur ist abgeschnitten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>weder die Spur noch eine danach ist lesbar</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation>eine Kurve</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation>eine Spur entlang der Feldgrenze</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>eine Spur unbekannter Art</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>die Linie ist nicht lesbar</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>Die Linien werden in Metern bezogen auf den Startpunkt des Feldes gespeichert, wie die Traktorsoftware sie speichert: ein Feldordner ist für die Spuren eines Betriebs gedacht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Jede Spur wird nach ihrer Feldnummer benannt. In einen vorhandenen Feldordner werden nur %1 und %2 geschrieben, bezogen auf den eigenen Startpunkt des Feldes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Jede Gerade wird als A-B-Linie geschrieben, deren B-Punkt 100 m voraus liegt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Jede Kreisspur wird als Pivot-Spur in ihrem Mittelpunkt geschrieben: die Karte speichert keinen Radius.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>Die Liniendatei des Feldordners enthält mehr Linien, als ein Feld braucht, und wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>Die Datei %1 des Feldordners enthält keinen Startpunkt, der ein Ort auf der Erde ist.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>Die Datei %1 des Feldordners ist nicht lesbar. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>Die Dateien des Feldordners sind größer als %1 und werden nicht gelesen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>Im Ordner %1 fehlt %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>Im Feldordner fehlen %1 und %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>keine Linie und kein Punkt</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>Koordinaten nicht lesbar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>eine Fläche, keine Linie</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>kein Punkt</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>Die Datei ist kein lesbares JSON: sie enthält eine zu große Zahl.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>Die Datei ist kein lesbares JSON (bei Byte %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>Die GeoJSON-FeatureCollection hat keine Liste von Features.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>Die Datei ist kein GeoJSON: sie enthält weder ein Feature noch eine Geometrie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>Die GeoJSON-Datei enthält ein Feature, das größer ist, als eine Linie je braucht.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>Die GeoJSON-Datei ist mehr als %1 Ebenen tief verschachtelt und wird nicht gelesen.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>eine aufgezeichnete Spur</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>KML-Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>Die Datei ist kein KML: ihr erstes Element ist &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>keine erkennbare Richtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>ein geschlossener Pfad: er endet, wo er beginnt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>eine Kurve: ihre Punkte weichen bis zu %1 m von einer Geraden ab</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>kein B-Punkt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>Die %1 enthält mehr Elemente, als eine Liniendatei ihrer Größe haben kann, und wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>Die %1 ist kein lesbares XML (%2 bei Byte %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>Die %1 ist mehr als %2 Ebenen tief verschachtelt und wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 ist nicht lesbar: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>Die Datei %1 ist zusammen mit den übrigen Dateien der TaskData größer als %2 und wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>Die Datei %1 ist größer als %2 und wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>Die Datei %1 ist nicht lesbar.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>Das ZIP-Archiv ist beschädigt: die Größe eines Eintrags ist nicht lesbar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>Das ZIP-Archiv ergibt entpackt mehr als %1 und wird nicht gelesen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>Der Eintrag %1 des ZIP-Archivs lässt sich nicht entpacken: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>Das ZIP-Archiv ist beschädigt: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>Das ZIP-Archiv ist beschädigt: ein Eintrag ergibt entpackt mehr als angegeben.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>Die Datei ist kein lesbares ZIP-Archiv (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>Das ZIP-Archiv enthält keine TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>Die KMZ-Datei enthält keine KML-Datei.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>Die Datei enthält mehr als 100.000 Zeilen; die ersten 100.000 werden angezeigt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Mehr als 1.000 Einträge der Datei werden nicht übernommen; die ersten 1.000 sind aufgelistet.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>Der Ordner %1 enthält keine TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Nur TaskData (eine TASKDATA.XML oder ein ZIP-Archiv davon), KML-, KMZ- und GeoJSON-Dateien sowie AgOpenGPS-Feldordner können gelesen werden.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>Das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>eine Spirale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>eine unbekannte Musterart</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>keine Leitlinie im Muster</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>TaskData-Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>Die Datei ist keine TaskData nach ISO 11783: ihr erstes Element ist &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>eine Datei außerhalb des TaskData-Ordners</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>ihre Datei fehlt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>weitere Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>ihre Datei ist kein lesbares XML</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 Nr. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Spur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Wahrscheinlich gleich wie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Richtungsabweichung</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/ui/line_map.cpp" line="+135"/>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1, driven the other way</source>
        <translation>%1, in Gegenrichtung gefahren</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Seite nicht gefunden&lt;/h1&gt;&lt;p&gt;Die Hilfedatei enthält keine lesbare Seite &lt;b&gt;%1&lt;/b&gt;. Sie ist möglicherweise beschädigt; eine erneute Installation des Programms stellt sie wieder her.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Linien importieren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(kein Name)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Leitlinien (%1);;Alle Dateien (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>%1 konnte nicht gelesen werden.
%2
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>In %1 wurden keine Leitlinien gefunden.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Andere Linie im selben Feld</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>Das Hauptfenster zeigt diese Sprache beim nächsten Start von %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The language could not be kept for the next start.</source>
        <translation>Die Sprache konnte für den nächsten Start nicht gespeichert werden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>%1 läuft bereits mit dem Arbeitsordner %2.<byte value="xd"/>
Verwenden Sie das geöffnete Fenster: zwei laufende Programme würden jeweils ihr eigenes Temporäres Kartenabbild über das des anderen speichern.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>bereits vorhanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>bereits vorhanden als Abbild Nr. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>Konflikt: Abbild Nr. %1 enthält eine andere Linie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>in dasselbe Feld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>in ein freies Feld verschoben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>über dieselbe Linie kopiert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>ersetzt Abbild Nr. %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>Felder 1-5 sind reserviert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>kein Feld von 6 bis 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>eine andere Spur dieses Zusammenführens kommt dorthin</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>passt nicht: kein freies Feld mehr</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Leitlinien: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Gedruckt am %1, %2 Spur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Gedruckt am %1, %2 Spuren</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>%1 zeigt keine Spuren zum Drucken.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Leitlinien - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>Die Spuren konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>PDF-Dateien (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>Nach %1 wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>nur in der Sicherung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>nur auf der Karte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>andere Linie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation>gleich</translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation>Macht Ihre letzte Änderung rückgängig.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>Ihre Karte -- Nicht erkannt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Zwischenspeicher zum Zusammenführen mehrerer Karten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Speichert Daten aus Kartenabbildern.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Mehrfachauswahl mit Strg-Taste</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Speichern:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Auf Karte verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>In Temporäres Kartenabbild verschieben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>&amp;Geraden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>&amp;Kreisspuren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation>&amp;Länge / Breite anzeigen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation>&amp;GMS anzeigen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation>Laufwerke a&amp;ktualisieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>Karte &amp;sichern</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>Karte auf Karte &amp;kopieren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>Karte mit Abbild &amp;zusammenführen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>Linien e&amp;xportieren...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>Linien &amp;importieren...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>In Temporäres Kartenabbild &amp;verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>Auf Karte &amp;verschieben</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>Feld-Nr. ä&amp;ndern...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Feld-Nr. ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Feldnummer ändern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Ausgewählte Einträge in ein Feld Ihrer Wahl verschieben.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation>Feld &amp;kopieren...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation>Feld kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation>Felddaten auf eine andere Feldnummer kopieren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>Die ausgewählten Felder löschen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>Spuren ver&amp;setzen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Versetzen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Linienkarte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>&amp;Doppelte Spuren...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Spurart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Datenkarte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 ausgewählte Spur in „%2“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>%1 ausgewählten Spuren in „%2“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 ausgewählte Spur in „%2“</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>%1 ausgewählten Spuren in „%2“</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Doppelte Spuren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Punkte innerhalb:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Geraden: Richtungen innerhalb:</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>Innerhalb dieser Grenzen wurden keine doppelten Geraden gefunden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>Innerhalb dieser Grenzen wurden keine doppelten Kreisspuren gefunden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>%1 Paar Geraden gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>%1 Paare von Geraden gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>%1 Paar Kreisspuren gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>%1 Paare von Kreisspuren gefunden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, das nächstgelegene zuerst; weitere folgen beim Herunterscrollen. Wählen Sie eine Zeile, um beide Spuren in den Listen auszuwählen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Wählen Sie eine Zeile, um beide Spuren in den Listen auszuwählen.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Linien von:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>Die in %1 gefundenen Leitlinien. Die angehakten kommen ins Temporäre Kartenabbild: eine Linie mit eigener Feldnummer behält diese, die übrigen kommen in die ersten freien Felder. Bereits vorhandene Punkte und Linien sind zunächst nicht angehakt. Nichts ändert sich, bevor Sie Importieren drücken.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>Feld-Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>Wird nicht übernommen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>ein Punkt, nicht als Pivot angegeben</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>%1 von %2 Linie angehakt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>%1 von %2 Linien angehakt.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>In den beiden Listen gibt es keine Spuren zum Anzeigen.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Linienkarte</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Alle Spuren zeigen (oder auf die Karte doppelklicken).</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation>%1: %2   %3: %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation>Sicherung: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation>Verschiedene Linien in Feld %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Karte mit Abbild zusammenführen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Jede Gerade auf Ihrer Karte und was das Zusammenführen ins Temporäre Kartenabbild mit ihr macht. Nichts ändert sich, bevor Sie Zusammenführen drücken; die Karte wird nur gelesen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Jede Kreisspur auf Ihrer Karte und was das Zusammenführen ins Temporäre Kartenabbild mit ihr macht. Nichts ändert sich, bevor Sie Zusammenführen drücken; die Karte wird nur gelesen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>Feld-Nr. Karte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>Im Abbild gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>Feld-Nr. im Abbild</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Jedes Schreiben auf eine Karte wird vorher gesichert. Wählen Sie eine Sicherung, um zu sehen, wie ihre Spuren von Ihrer Karte abweichen; übernehmen Sie sie ins Temporäre Kartenabbild oder schreiben Sie die Linien der Sicherung zurück auf die Karte.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Geraden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Kreisspuren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Ordner öffnen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Ein eigener Ordner: eine Kopie per „Karte sichern“ oder eine auf einen anderen Datenträger kopierte Karte</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation>Ihre Karte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Unterschied</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>Ins Temporäre Kartenabbild</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>Die ausgewählten Spuren der Sicherung, oder alle, wenn keine ausgewählt ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Auf Karte schreiben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>Die ausgewählten Felder der Sicherung auf die Karte, oder ihre ganze Liniendatei, wenn keines ausgewählt ist, nach einer neuen Sicherung der Karte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>wird gelesen...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Wählen Sie eine Sicherung, um sie mit Ihrer Karte zu vergleichen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Sicherung %1 von %2, %3: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>sie enthält keine Geraden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>sie enthält keine Kreisspuren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 ist keine Liniendatei. Daraus kann nichts wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 ist beschädigt: %2. Die übrigen Spuren können ins Temporäre Kartenabbild übernommen werden; auf die Karte wird sie nie geschrieben. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation>Spuren versetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Meter nach Osten und Norden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Entfernung in einer Richtung</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>Negative Zahlen versetzen nach Westen oder Süden. Dezimalpunkt oder -komma sind möglich; höchstens %1 m. Die Richtung jeder Linie bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Die %1 versetzen um:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Entfernung (m):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Meter nach &amp;Osten:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Richtung (Grad ab Nord):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Meter nach &amp;Norden:</translation>
    </message>
</context>
</TS>
