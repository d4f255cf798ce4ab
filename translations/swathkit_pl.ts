<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Błąd podczas tworzenia kopii zapasowej pliku.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>Nie udało się najpierw utworzyć kopii zapasowej karty.<byte value="xd"/>
Zapisać na niej bez kopii zapasowej? Jej linie zostaną wtedy zastąpione bez zachowania żadnej ich kopii.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Bez kopii zapasowej</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>Wybrany folder znajduje się na samej karcie.<byte value="xd"/>
Wybierz folder na komputerze; nic nie zostało skopiowane.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Nieprawidłowy zapis</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>Nie udało się skopiować całej karty do %1.<byte value="xd"/>
Pliki skopiowane przed wystąpieniem problemu są w tym miejscu.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>Wybrano kopię zapasową dysku C:\ lub wybrano<byte value="xd"/>
nieprawidłowy napęd.  Ten program nie tworzy <byte value="xd"/>
kopii zapasowej dysku C:\ ani nieprawidłowego napędu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Nieprawidłowy napęd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>Wybrano kopię zapasową napędu %1.<byte value="xd"/>
Jeśli to nie jest właściwy napęd, wybierz „Nie” i wskaż inny napęd karty.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Sprawdź napęd karty</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>Nie zapisano żadnych danych.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>Karta danych została pomyślnie zapisana.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>Zapisano pomyślnie!</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>Plik linii na karcie %1 jest uszkodzony: %2.<byte value="xd"/>
Pokazano przejazdy, które udało się odczytać; przenieś je do Tymczasowego obrazu karty, aby je zachować.<byte value="xd"/>
Karta nie zostanie zapisana bez Twojej zgody.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>Twoja karta -- nie wykryto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>Twoja karta -- dostępna %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>Uszkodzony plik karty</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Włóż drugą kartę i naciśnij OK.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Kontynuuj z kartą</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Wybierz napęd włożonej karty.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Napęd karty</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>Nie udało się zapisać karty (%1).<byte value="xd"/>
Jej pliki, które nie zostały jeszcze zastąpione, są niezmienione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Kopiowanie nie powiodło się</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>Linie A-B i ścieżki kołowe na tej karcie zostaną <byte value="xd"/>
całkowicie zastąpione.  Czy kontynuować?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Kontynuuj kopiowanie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>Obraz został pomyślnie zapisany.<byte value="xd"/>
Czy chcesz skopiować ten obraz na inną kartę?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Kolejna kopia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Ten obraz karty został pomyślnie zapisany.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Kopiowanie zakończone</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Ten komputer]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 przejazd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>przejazdy: %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>linie proste</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>ścieżki kołowe</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation>pole %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation>pola %1</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>uszkodzony, odczytano %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>to nie jest plik linii</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>nie można odczytać. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>tylko w kopii zapasowej: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>tylko na karcie: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>różne: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>takie same: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>Brak przejazdów w kopii zapasowej i na karcie.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>nieznana karta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (ta karta)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (inna karta)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Ta kopia zapasowa została utworzona z innej karty (%1) niż karta w czytniku (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>etykieta nieznana</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>brak etykiety</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>Zastąpić wszystkie %1 na karcie %2 tymi z kopii zapasowej %3 (%4)?<byte value="xd"/>
Obecne %1 karty zostaną najpierw zapisane w kopii zapasowej.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>Zapisać %1 z kopii zapasowej %2 na kartę %3?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>Kopia zapasowa nie zawiera przejazdu (%1): przejazd na karcie zostanie usunięty.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>Pozostałe %1 karty pozostaną bez zmian; wszystkie zostaną najpierw zapisane w kopii zapasowej.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Zapisz na kartę</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>Plik linii na karcie jest uszkodzony: %1.<byte value="xd"/>
Zapis zastąpi go pokazanymi przejazdami. Uszkodzony plik zostanie najpierw zachowany w nowym folderze kopii zapasowej w<byte value="xd"/>
%2.<byte value="xd"/>
Zapisać na kartę?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>Nie można znaleźć pliku pomocy!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Brak pomocy</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Eksport linii</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>%1 nie zawiera linii prostych do eksportu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>%1 nie zawiera ścieżek kołowych do eksportu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Podaj nazwę pliku do zapisania.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 już istnieje. Czy zastąpić?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>Nic nie zostało zapisane w %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>Nie udało się zapisać linii w %1.<byte value="xd"/>
Sprawdź, czy folder istnieje i czy można w nim zapisywać; plik, który tam był, pozostał bez zmian.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>Zapisano %1 przejazd w %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>Przejazdy zapisane w %2: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Błąd 100-1.  Nie udało się zapisać pliku kopii głównej.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Błąd zapisu kopii głównej</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Błąd 100-2.  Nie udało się zapisać pliku ABLines., Nieprawidłowy zapis<byte value="xd"/>
Nie udało się zapisać karty. Lista po lewej pokazuje, co karta zawiera teraz.<byte value="xd"/>
Włóż kartę z powrotem do czytnika z wyłączoną ochroną przed zapisem, naciśnij „Odśwież” i wprowadź zmianę ponownie.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Błąd zapisu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Błąd kopii zapasowej 200-1 <byte value="xd"/>
Problem z utworzeniem folderu \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Błąd kopii zapasowej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Błąd 300-1 <byte value="xd"/>
Wystąpił błąd podczas odczytu tego napędu.<byte value="xd"/>
Sprawdź, czy karta jest prawidłowo włożona, czy<byte value="xd"/>
wybrano właściwą literę napędu i czy<byte value="xd"/>
ten napęd zawiera prawidłowe dane prowadzenia.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Błąd karty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Błąd 400-1  Błąd podczas odświeżania napędów.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Błąd odświeżania napędów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Błąd 500-1<byte value="xd"/>
Wystąpił problem z zapisem na kartę.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Błędny zapis</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>Karta w czytniku nie jest kartą, która jest pokazana.<byte value="xd"/>
Nic na niej nie zapisano. Pokazano teraz jej własne linie;<byte value="xd"/>
wprowadź zmianę ponownie, jeśli dotyczy tej karty.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Zmieniono kartę</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>Kopia główna %1 została zapisana przez inny program, odkąd ten program ją odczytał.<byte value="xd"/>
Nic w niej nie zapisano. Pokazano teraz jej własne przejazdy; wprowadź zmianę ponownie.<byte value="xd"/>
(„Cofnij” pokaże Tymczasowy obraz karty w takim stanie, w jakim był tutaj).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Zmieniono kopię główną</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>Karta jest chroniona przed zapisem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>Nie można zapisywać w folderze.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>Na karcie nie ma już miejsca.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>Na dysku nie ma już miejsca.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>Karta została wyjęta.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>Folder nie istnieje.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>Brak pliku %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>System podał przyczynę: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>%1 – odczyt niemożliwy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>nie każdy wiersz zawiera jeden rekord, choć wszystkie rekordy udało się odczytać</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>rekord %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>rekordy %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>Przejazdy, które udało się odczytać, są pokazane w Tymczasowym obrazie karty.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>Tymczasowy obraz karty jest na początku pusty.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>Uszkodzony plik został zachowany jako %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>Nie udało się go odłożyć na bok, więc nie zostanie nadpisany, dopóki nie będzie to możliwe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Uszkodzona kopia główna</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>Kopia główna %1 jest uszkodzona: %2 – odczyt niemożliwy.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Nie można odczytać kopii głównej %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>Twoja karta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Tymczasowy obraz karty</translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation>Nr pola</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation>Długość</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation>%1, zaznaczone przejazdy</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Prosta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Kołowa</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 pól %2 i jeszcze %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 pola %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 pól %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>Nie zaznaczono żadnych pozycji.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Nic nie zaznaczono</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>Czy na pewno wyczyścić zaznaczone pozycje?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Potwierdź czyszczenie</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>Usunięcie</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>linia prosta, a zaznaczono „Ścieżki kołowe”</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>ścieżka kołowa, a zaznaczono „Linie proste”</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>współrzędne poza zakresem</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>brak kierunku</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>na szerokości 0, długości 0, co karta uznaje za puste pole</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>linia prosta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>ścieżka kołowa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>pierwsze wolne</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>Tymczasowy obraz karty nie ma już wolnych pól:<byte value="xd"/>
%1 linia nie została zaimportowana.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>Tymczasowy obraz karty nie ma już wolnych pól:<byte value="xd"/>
niezaimportowane linie: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Brak wolnego pola</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>już w obrazie (pole %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>to samo co wiersz %1</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>Nowe: %1, już obecne: %2, przeniesione: %3; po scaleniu zostanie %4 wolne pole.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>Nowe: %1, już obecne: %2, przeniesione: %3; wolne pola po scaleniu: %4.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 przejazd się nie mieści: odznacz go lub wskaż pole, które ma zastąpić.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>Przejazdy, które się nie mieszczą: %1. Odznacz je lub wskaż każdemu pole, które ma zastąpić.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 przejazd wymaga innego pola.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>Przejazdy wymagające innego pola: %1.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>Twoja karta nie zawiera linii prostych do scalenia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>Twoja karta nie zawiera ścieżek kołowych do scalenia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Scal kartę z obrazem</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>Scalenie</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>brak linii</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Upewnij się, że zaznaczono co najmniej jedno pole <byte value="xd"/>
do przeniesienia.  Aby zaznaczyć kilka pól, <byte value="xd"/>
przytrzymaj klawisz CTRL podczas klikania.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>Twoja karta pokazuje: %1, a Tymczasowy obraz karty: %2.<byte value="xd"/>
Przejazdy można przenosić tylko między liniami jednego rodzaju; nic nie zostało przeniesione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Różne rodzaje linii</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>Przeniesienie</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>Przejazd nr %1 zastąpi przejazd nr %2. Czy kontynuować?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Zastąp przejazd</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>Skopiuj pole nr %1 do pola: <byte value="xd"/>
Przed zastąpieniem przejazdu pojawi się pytanie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Zmiana pól</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Nie można przypisać do pól 1-5.<byte value="xd"/>
Numer pola to liczba całkowita od 6 do 250. Wprowadzić ponownie?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Wprowadzono nieprawidłową liczbę.<byte value="xd"/>
Numer pola to liczba całkowita od 6 do 250. Wprowadzić ponownie?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Nieprawidłowa liczba</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>Skopiuj pole nr %1 do pola: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>Przywrócenie</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Przesuń przejazdy</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>„%1” nie jest liczbą.<byte value="xd"/>
Wpisz ją cyframi, np. 1.5 lub -0,25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Przesunięcie o %1 m przekracza dopuszczalne %2 m.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Przesunięcie o ponad %1 m przekracza dopuszczalne %2 m.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Najpierw zaznacz przejazdy do przesunięcia.  Aby zaznaczyć kilka pól, <byte value="xd"/>
przytrzymaj klawisz CTRL podczas klikania.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
Nic nie zostało przesunięte.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Tych przejazdów nie przesunięto: ich położenie nie jest podane jako szerokość i długość geograficzna.<byte value="xd"/>
Nr pola: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>Przesunięcie</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>Zmiana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Kopiowanie</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Każda ścieżka kołowa jest zapisywana jako punkt w jej środku: karta nie przechowuje promienia.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Numer pola jest zachowywany tylko jako nazwa wzorca prowadzenia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Każda linia prosta jest zapisywana jako wzorzec A+: jej punkt i kierunek, bez punktu B.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Każda ścieżka kołowa jest zapisywana jako wzorzec pivot tylko ze środkiem: karta nie przechowuje promienia.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>KML nie zna linii nieskończonej: każda linia prosta jest zapisywana jako odcinek o długości 400 m, po 200 m w obie strony od jej punktu, a jej kierunek jest zachowany jako dane rozszerzone.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>Wysokości są zapisywane jako 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>GeoJSON nie zna linii nieskończonej: każda linia prosta jest zapisywana jako odcinek o długości 400 m, po 200 m w obie strony od jej punktu, a punkt i kierunek są zachowane jako właściwości.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth i większość programów z mapami)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (spakowany KML)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>Folder pola AgOpenGPS</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>Pominięto pole %1: jego współrzędne nie wskazują miejsca na Ziemi.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>Pominięto pola %1: ich współrzędne nie wskazują miejsca na Ziemi.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>ścieżka jest ucięta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>nie można odczytać ścieżki ani żadnej następnej</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation>krzywa</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation>ścieżka wzdłuż granicy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>ścieżka nieznanego rodzaju</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>nie można odczytać linii</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>Linie są przechowywane w metrach względem punktu startowego pola, tak jak w oprogramowaniu ciągnika: folder pola jest przeznaczony na przejazdy jednego gospodarstwa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Każdy przejazd otrzymuje nazwę od numeru swojego pola. Do istniejącego folderu pola zapisywane są tylko %1 i %2, względem własnego punktu startowego pola.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Każda linia prosta jest zapisywana jako linia A-B z punktem B 100 m dalej.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Każda ścieżka kołowa jest zapisywana jako ścieżka pivot w jej środku: karta nie przechowuje promienia.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>Plik linii folderu pola zawiera więcej linii, niż potrzebuje jakiekolwiek pole, i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>Plik %1 folderu pola nie zawiera punktu startowego będącego miejscem na Ziemi.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>Nie można odczytać pliku %1 folderu pola. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>Pliki folderu pola są większe niż %1 i nie zostaną odczytane.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>Folder %1 nie zawiera pliku %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>Folder pola nie zawiera ani %1, ani %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>brak linii lub punktu</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>nieczytelne współrzędne</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>obszar, a nie linia</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>brak punktu</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>Plik nie jest czytelnym plikiem JSON: zawiera liczbę zbyt dużą do odczytania.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>Plik nie jest czytelnym plikiem JSON (w bajcie %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>GeoJSON FeatureCollection nie zawiera listy obiektów (features).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>Plik nie jest plikiem GeoJSON: nie zawiera żadnego obiektu ani geometrii.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>Plik GeoJSON zawiera obiekt większy, niż potrzebuje jakakolwiek linia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>Plik GeoJSON przekracza %1 poziomów zagnieżdżenia i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>zarejestrowana ścieżka</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>plik KML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>Plik nie jest plikiem KML: jego pierwszy element to &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>brak kierunku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>ścieżka zamknięta: kończy się tam, gdzie się zaczyna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>krzywa: jej punkty odchylają się do %1 m od linii prostej</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>brak punktu B</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>Ten %1 zawiera więcej elementów niż jakikolwiek plik linii tej wielkości i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>Ten %1 nie jest czytelnym plikiem XML (%2 w bajcie %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>Ten %1 przekracza %2 poziomów zagnieżdżenia i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>Plik %1 razem z pozostałymi plikami TaskData przekracza %2 i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>Plik %1 jest większy niż %2 i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>Nie można odczytać pliku %1.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>Plik zip jest uszkodzony: nie można odczytać rozmiaru jednej z pozycji.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>Plik zip po rozpakowaniu przekracza %1 i nie zostanie odczytany.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>Nie można rozpakować pozycji %1 pliku zip: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>Plik zip jest uszkodzony: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>Plik zip jest uszkodzony: pozycja po rozpakowaniu jest większa, niż deklaruje.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>Plik nie jest czytelnym archiwum zip (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>Plik zip nie zawiera pliku TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>Plik KMZ nie zawiera pliku KML.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>Plik zawiera ponad 100 000 linii; pokazano pierwsze 100 000.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Ponad 1000 elementów z pliku nie zostanie zaimportowanych; pokazano pierwsze 1000.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>Folder %1 nie zawiera pliku TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Można odczytać tylko pliki TaskData (TASKDATA.XML lub jego archiwum zip), KML, KMZ i GeoJSON oraz foldery pól AgOpenGPS.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>Odczyt został anulowany.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>spirala</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>wzorzec nieznanego rodzaju</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>brak linii prowadzenia we wzorcu</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>plik TaskData</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>Plik nie jest plikiem ISO 11783 TaskData: jego pierwszy element to &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>plik poza folderem TaskData</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>brak jego pliku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>kolejny plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>jego plik nie jest czytelnym plikiem XML</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 nr %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Przejazd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Prawdopodobnie taki sam jak</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Różnica kierunków</translation>
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
        <translation>%1, w przeciwnym kierunku</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>Pomoc – %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Nie znaleziono strony&lt;/h1&gt;&lt;p&gt;Plik pomocy nie zawiera czytelnej strony &lt;b&gt;%1&lt;/b&gt;. Może być uszkodzony; ponowna instalacja programu go przywróci.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Import linii</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(bez nazwy)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>Odczytywanie %1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Linie prowadzenia (%1);;Wszystkie pliki (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>Nie można odczytać %1.
%2
Nic nie zostało zmienione.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>Nie znaleziono linii prowadzenia w %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Inna linia w tym samym polu</translation>
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
        <translation>Zaznaczone</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>Okno główne pokaże ten język po ponownym uruchomieniu programu %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The language could not be kept for the next start.</source>
        <translation>Nie udało się zapamiętać języka na następne uruchomienie.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>%1 jest już uruchomiony z folderem roboczym %2.<byte value="xd"/>
Użyj otwartego okna: dwie kopie programu zapisywałyby swój Tymczasowy obraz karty, nadpisując się nawzajem.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>nowy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>już jest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>już jest w obrazie jako nr %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>konflikt: nr %1 w obrazie zawiera inną linię</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>pominięty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>do tego samego pola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>przeniesiony do wolnego pola</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>skopiowany na tę samą linię</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>zastępuje nr %1 w obrazie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>Pola 1-5 są zarezerwowane</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>to nie jest pole od 6 do 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>trafia tam inny przejazd z tego scalenia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>nie mieści się: brak wolnego pola</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Linie prowadzenia: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>Źródło: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Wydrukowano %1, %2 przejazd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Wydrukowano %1, przejazdy: %2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>%1 nie pokazuje przejazdów do wydrukowania.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Linie prowadzenia - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>Nie udało się wydrukować przejazdów.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>Pliki PDF (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>Nic nie zostało zapisane w %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>tylko w kopii zapasowej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>tylko na karcie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>inna linia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation>takie same</translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation>Cofnij ostatnią zmianę.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>Twoja karta -- nie wykryto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Służy jako magazyn pośredni przy scalaniu wielu kart.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Przechowuje dane z obrazów kart.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Przytrzymaj Ctrl, by zaznaczyć kilka</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Zapis:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Przenieś na kartę</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>Przenieś do Tymczasowego obrazu karty</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>Linie &amp;proste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>Ścieżki &amp;kołowe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation>Pokaż dł. / &amp;szer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation>Pokaż &amp;DMS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation>&amp;Odśwież napędy</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>Kopia &amp;zapasowa obrazu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>P&amp;rzywróć z kopii zapasowej...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>&amp;Kopiuj kartę na kartę</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>&amp;Scal kartę z obrazem...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>&amp;Eksportuj linie...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>&amp;Importuj linie...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>Zapisz jako &amp;PDF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>&amp;Przenieś do Tymczasowego obrazu karty</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>&amp;Przenieś na kartę</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>&amp;Zmień nr pola...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Zmień nr pola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Zmień numer pola</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Przenieś zaznaczone pozycje do wybranego pola.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation>&amp;Kopiuj pole...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation>Kopiuj pole</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation>Skopiuj dane pola do innego numeru pola.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>Wyczyść zaznaczone pola.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>Prze&amp;suń przejazdy...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Przesuń...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Mapa linii</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>&amp;Duplikaty przejazdów...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Rodzaj linii</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Karta danych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 zaznaczony przejazd z listy „%2”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>zaznaczone przejazdy (%1) z listy „%2”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 zaznaczony przejazd z listy „%2”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>zaznaczone przejazdy (%1) z listy „%2”</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Duplikaty przejazdów</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Punkty w odległości do:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Linie proste: różnica kierunków do:</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Wyszukiwanie...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>Nie znaleziono zduplikowanych linii prostych w tych granicach.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>Nie znaleziono zduplikowanych ścieżek kołowych w tych granicach.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>Znaleziono %1 parę linii prostych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>Znalezione pary linii prostych: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>Znaleziono %1 parę ścieżek kołowych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>Znalezione pary ścieżek kołowych: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, najbliższe najpierw; kolejne pojawią się podczas przewijania w dół. Wybierz wiersz, aby zaznaczyć oba przejazdy na listach.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Wybierz wiersz, aby zaznaczyć oba przejazdy na listach.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Linie z:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Początek</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>Linie prowadzenia znalezione w %1. Zaznaczone trafią do Tymczasowego obrazu karty: linia z własnym numerem pola zachowa go, pozostałe trafią do pierwszych wolnych pól. Punkty i linie, które już tam są, początkowo nie są zaznaczone. Nic się nie zmieni, dopóki nie naciśniesz „Importuj”.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Długość</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>Nr pola</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>Nie zostaną zaimportowane:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Powód</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>punkt nieoznaczony jako środek obrotu (pivot)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>Zaznaczono %1 z %2 linii.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>Zaznaczono %1 z %2 linii.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>Brak przejazdów do pokazania na obu listach.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Mapa linii</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Pokaż wszystko</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Pokaż wszystkie przejazdy (lub kliknij dwukrotnie mapę).</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation>%1: %2   %3: %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation>Kopia zapasowa: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation>Różne linie w polu %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Scal kartę z obrazem</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Każda linia prosta z Twojej karty i skutek jej scalenia z Tymczasowym obrazem karty. Nic się nie zmieni, dopóki nie naciśniesz „Scal”; karta jest tylko odczytywana.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Każda ścieżka kołowa z Twojej karty i skutek jej scalenia z Tymczasowym obrazem karty. Nic się nie zmieni, dopóki nie naciśniesz „Scal”; karta jest tylko odczytywana.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Scal</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>Nr pola na karcie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>Znaleziono w obrazie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>Do pola obrazu nr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Skutek</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Przywracanie z kopii zapasowej</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Przed każdym zapisem na kartę tworzona jest kopia zapasowa. Wybierz kopię zapasową, aby zobaczyć, czym jej przejazdy różnią się od Twojej karty; przenieś je do Tymczasowego obrazu karty albo zapisz linie z kopii zapasowej z powrotem na kartę.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Linie proste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Ścieżki kołowe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Karta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Otwórz folder...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Własny folder: kopia utworzona poleceniem „Kopia zapasowa obrazu” lub karta skopiowana na inny dysk</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation>Kopia zapasowa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation>Twoja karta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Różnica</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>Do Tymczasowego obrazu karty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>Zaznaczone przejazdy kopii zapasowej lub wszystkie, jeśli żaden nie jest zaznaczony</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Zapisz na kartę</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>Zaznaczone pola kopii zapasowej na kartę lub cały jej plik linii, jeśli żadne nie jest zaznaczone, po utworzeniu nowej kopii zapasowej karty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>odczytywanie...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Wybierz kopię zapasową, aby porównać ją z Twoją kartą.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Kopia zapasowa %1 (karta: %2), %3: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>nie zawiera linii prostych.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>nie zawiera ścieżek kołowych.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 nie jest plikiem linii. Nie można z niego nic przywrócić.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 jest uszkodzony: %2. Jego pozostałe przejazdy mogą trafić do Tymczasowego obrazu karty; nigdy nie zostanie zapisany na kartę. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation>Przesuń przejazdy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Metry na wschód i północ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Odległość wzdłuż azymutu</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>Liczby ujemne przesuwają na zachód lub południe. Można użyć kropki lub przecinka dziesiętnego; najwyżej %1 m. Kierunek każdej linii pozostaje bez zmian.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Przesuń %1 o:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Odległość (m):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Metry na &amp;wschód:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Azymut (stopnie od północy):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Metry na &amp;północ:</translation>
    </message>
</context>
</TS>
