<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Fout bij het maken van een back-up van het bestand.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>Er kon eerst geen back-up van de kaart worden gemaakt.<byte value="xd"/>
Toch naar de kaart schrijven zonder back-up? De lijnen erop worden dan vervangen zonder dat er een kopie van bewaard blijft.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Geen back-up</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>De gekozen map staat op de kaart zelf.<byte value="xd"/>
Kies een map op de pc; er is niets gekopieerd.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Ongeldige opslag</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>De kaart kon niet volledig naar %1 worden gekopieerd.<byte value="xd"/>
De bestanden die vóór het probleem zijn gekopieerd, staan daar.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>U hebt gekozen voor een back-up van uw C:\ of u hebt<byte value="xd"/>
een ongeldig station gekozen. Dit programma maakt <byte value="xd"/>
geen back-up van uw C:\ of van een ongeldig station.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Ongeldig station</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>U hebt gekozen voor een back-up van uw %1.<byte value="xd"/>
Als dit niet klopt, kies dan Nee en selecteer een ander kaartstation.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Kaartstation controleren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>Er zijn geen gegevens opgeslagen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>Uw datakaart is met succes opgeslagen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>Opslaan gelukt!</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>Het lijnenbestand %1 van de kaart is beschadigd: %2.<byte value="xd"/>
De banen die gelezen konden worden, worden getoond; verplaats ze naar de Tijdelijke kaartkopie om ze te bewaren.<byte value="xd"/>
Er wordt niets naar de kaart geschreven voordat u akkoord bent gegaan.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>Uw kaart -- niet gevonden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>Uw kaart -- beschikbaar %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>Beschadigd kaartbestand</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Plaats de tweede kaart en klik op OK.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Doorgaan met kaart</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Kies het station van de kaart die u hebt geplaatst.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Kaartstation</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>Er kon niet naar de kaart worden geschreven (%1).<byte value="xd"/>
De bestanden erop die nog niet waren vervangen, zijn ongewijzigd.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Kopiëren mislukt</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>De AB-lijn- en cirkelgegevens op deze kaart worden <byte value="xd"/>
volledig vervangen. Wilt u doorgaan?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Doorgaan met kopiëren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>De kaartkopie is met succes opgeslagen.<byte value="xd"/>
Wilt u deze kaartkopie naar een andere kaart kopiëren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Nog een kopie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Deze kaartkopie is met succes opgeslagen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Kopiëren voltooid</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Deze computer]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 baan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>%1 banen</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>rechte lijnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>cirkelsporen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation>veld %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation>velden %1</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation>geen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>beschadigd: %1 leesbaar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>geen lijnenbestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>onleesbaar. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>%1 alleen in de back-up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>%1 alleen op de kaart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>%1 verschillend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>%1 gelijk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>Geen banen in de back-up of op de kaart.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>onbekende kaart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (deze kaart)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (een andere kaart)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Deze back-up is gemaakt van een andere kaart (%1) dan die in de kaartlezer (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>label onbekend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>geen label</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>Alle %1 op de kaart %2 vervangen door die van de back-up %3 (%4)?<byte value="xd"/>
Eerst wordt een back-up gemaakt van de eigen %1 van de kaart.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>Wilt u %1 van de back-up %2 naar de kaart %3 schrijven?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>De back-up heeft geen baan in %1: die van de kaart wordt gewist.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>De overige %1 van de kaart blijven zoals ze zijn; er wordt eerst een back-up van alles gemaakt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Naar kaart schrijven</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>Het lijnenbestand van de kaart is beschadigd: %1.<byte value="xd"/>
Bij het schrijven wordt het vervangen door de getoonde banen. Het beschadigde bestand wordt eerst bewaard in een nieuwe back-upmap onder<byte value="xd"/>
%2.<byte value="xd"/>
Naar de kaart schrijven?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>Het Help-bestand is niet gevonden!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Geen Help</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Lijnen exporteren</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>%1 bevat geen rechte lijnen om te exporteren.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>%1 bevat geen cirkelsporen om te exporteren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Geef de naam op van het bestand dat moet worden geschreven.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 bestaat al. Wilt u het vervangen?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>Er is niets naar %1 geschreven.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>De lijnen konden niet naar %1 worden geschreven.<byte value="xd"/>
Controleer of de map bestaat en beschrijfbaar is; een bestand dat er al stond, is ongewijzigd.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>%1 baan naar %2 geschreven.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>%1 banen naar %2 geschreven.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Fout 100-1.  Opslaan van hoofdkopiebestand mislukt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Fout bij opslaan hoofdkopie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Fout 100-2.  Opslaan van ABLines-bestand mislukt., Ongeldige opslag<byte value="xd"/>
Er kon niet naar de kaart worden geschreven. De lijst links toont wat er nu op de kaart staat.<byte value="xd"/>
Plaats de kaart terug in de kaartlezer met de schrijfbeveiliging uit, klik op Vernieuwen en breng de wijziging opnieuw aan.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Fout bij opslaan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Back-upfout 200-1 <byte value="xd"/>
Probleem bij het maken van de map \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Back-upfout</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Fout 300-1 <byte value="xd"/>
Er is een fout opgetreden bij het lezen van dit station.<byte value="xd"/>
Controleer of de kaart goed is geplaatst, of u<byte value="xd"/>
de juiste stationsletter hebt gekozen en of<byte value="xd"/>
dit station geldige spoorgegevens bevat.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Fout met kaart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Fout 400-1  Fout bij het vernieuwen van de stations.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Fout bij vernieuwen stations</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Fout 500-1<byte value="xd"/>
Er is een probleem opgetreden bij het opslaan op de kaart.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Opslaan mislukt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>De kaart in de kaartlezer is niet de getoonde kaart.<byte value="xd"/>
Er is niets naar de kaart geschreven. De eigen lijnen ervan worden nu getoond;<byte value="xd"/>
breng de wijziging opnieuw aan als die voor deze kaart bedoeld is.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Kaart gewisseld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>De hoofdkopie %1 is door een ander programma opgeslagen nadat dit programma die las.<byte value="xd"/>
Er is niets naar de hoofdkopie geschreven. De eigen banen ervan worden nu getoond; breng uw wijziging opnieuw aan.<byte value="xd"/>
(Ongedaan maken toont de Tijdelijke kaartkopie zoals die hier was.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Hoofdkopie gewijzigd</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>De kaart is tegen schrijven beveiligd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>Er kan niet naar de map worden geschreven.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>Er is geen ruimte meer op de kaart.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>Er is geen ruimte meer op de schijf.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>De kaart is verwijderd.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>De map bestaat niet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>Er is geen bestand %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>Het systeem gaf deze reden: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>%1 kon niet worden gelezen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>niet elke regel bevat één record, al konden alle records worden gelezen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>%1 t/m %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>records %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>De banen die gelezen konden worden, worden getoond in de Tijdelijke kaartkopie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>De Tijdelijke kaartkopie begint leeg.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>Het beschadigde bestand is bewaard als %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>Het kon niet apart worden gezet en wordt daarom niet overschreven totdat dat wel kan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Beschadigde hoofdkopie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>De hoofdkopie %1 is beschadigd: %2 kon niet worden gelezen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>De hoofdkopie %1 kon niet worden gelezen.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>Uw kaart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Tijdelijke kaartkopie</translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation>Veld #</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Koers</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation>%1, geselecteerde banen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Recht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Cirkel</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 van velden %2 en nog %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 van veld %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 van velden %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>Terugdraaien: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Opnieuw uitvoeren: %1</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>U hebt geen items geselecteerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Niets geselecteerd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>Weet u zeker dat u de geselecteerde items wilt wissen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Wissen bevestigen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>een rechte lijn, terwijl Cirkelspoor is aangevinkt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>een cirkelspoor, terwijl Recht spoor is aangevinkt</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>coördinaten buiten bereik</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>geen koers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>op breedtegraad 0, lengtegraad 0, wat de kaart als een leeg veld opvat</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>rechte lijn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>cirkelspoor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>eerste vrije</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>De Tijdelijke kaartkopie heeft geen vrij veld meer:<byte value="xd"/>
%1 lijn is niet ingelezen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>De Tijdelijke kaartkopie heeft geen vrij veld meer:<byte value="xd"/>
%1 lijnen zijn niet ingelezen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Geen vrij veld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>al in de kaartkopie (veld %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>gelijk aan rij %1</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>%1 nieuw, %2 al aanwezig, %3 verplaatst, %4 veld vrij na het samenvoegen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>%1 nieuw, %2 al aanwezig, %3 verplaatst, %4 velden vrij na het samenvoegen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 baan past niet: vink deze uit of geef een veld op dat vervangen mag worden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>%1 banen passen niet: vink ze uit of geef elk een veld op dat vervangen mag worden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 baan heeft een ander veld nodig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>%1 banen hebben een ander veld nodig.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>Uw kaart bevat geen rechte lijnen om samen te voegen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>Uw kaart bevat geen cirkelsporen om samen te voegen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Kaart samenvoegen met kaartkopie</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>geen lijnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Selecteer ten minste één veld om te <byte value="xd"/>
verplaatsen. U kunt meerdere velden selecteren door <byte value="xd"/>
de Ctrl-toets ingedrukt te houden terwijl u klikt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>Uw kaart toont %1 en de Tijdelijke kaartkopie %2.<byte value="xd"/>
Banen gaan alleen tussen lijnen van dezelfde soort; er is niets verplaatst.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Verschillende soorten sporen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>Verplaatsen</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>Baan #%1 vervangt baan #%2. Is dat goed?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Baan vervangen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>Veld #%1 kopiëren naar welk veld: <byte value="xd"/>
U wordt gevraagd voordat een baan wordt vervangen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Velden wisselen</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>U kunt niet toewijzen aan veld 1-5.<byte value="xd"/>
Een veldnummer is een geheel getal van 6 tot en met 250. Opnieuw invoeren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>U hebt een ongeldig getal ingevoerd.<byte value="xd"/>
Een veldnummer is een geheel getal van 6 tot en met 250. Opnieuw invoeren?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Ongeldig getal</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>Veld #%1 kopiëren naar welk veld: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Banen verschuiven</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>&quot;%1&quot; is geen getal.<byte value="xd"/>
Typ het in cijfers, zoals 1,5 of -0.25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Een verschuiving van %1 m is groter dan de toegestane %2 m.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Een verschuiving van meer dan %1 m is groter dan de toegestane %2 m.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Selecteer eerst de banen die u wilt verschuiven. U kunt meerdere velden selecteren door <byte value="xd"/>
de Ctrl-toets ingedrukt te houden terwijl u klikt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
Er is niets verschoven.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Deze banen zijn niet verschoven: hun positie is geen breedte- en lengtegraad.<byte value="xd"/>
Veld #: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>Verschuiven</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Elk cirkelspoor wordt geschreven als een punt in het middelpunt: de kaart bevat geen straal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Elk veldnummer blijft alleen bewaard als de naam van het bijbehorende geleidingspatroon.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Elke rechte lijn wordt geschreven als een A+-patroon: het punt en de koers, zonder B-punt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Elk cirkelspoor wordt geschreven als een pivotpatroon met alleen het middelpunt: de kaart bevat geen straal.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>KML kent geen oneindige lijn: elke rechte lijn wordt geschreven als een stuk van 400 m lang, 200 m aan weerszijden van het punt, met de koers bewaard als extended data.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>Hoogten worden als 0 geschreven.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>GeoJSON kent geen oneindige lijn: elke rechte lijn wordt geschreven als een stuk van 400 m lang, 200 m aan weerszijden van het punt, met het punt en de koers bewaard als properties.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth en de meeste kaartprogramma&apos;s)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (gezipte KML)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>AgOpenGPS-veldmap</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>Veld %1 is weggelaten: de coördinaten zijn geen plaats op aarde.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>Velden %1 zijn weggelaten: de coördinaten zijn geen plaats op aarde.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>het spoor is afgebroken</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>het spoor is onleesbaar, net als alle sporen erna</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation>een gebogen lijn</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation>een spoor langs de perceelgrens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>een spoor van een onbekende soort</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>de lijn is onleesbaar</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>De lijnen worden bewaard in meters rond het startpunt van het veld, zoals de software van de trekker ze bewaart: een veldmap is bedoeld voor de banen van één bedrijf.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Elke baan krijgt als naam het veldnummer. In een bestaande veldmap worden alleen %1 en %2 geschreven, rond het eigen startpunt van het veld.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Elke rechte lijn wordt geschreven als een AB-lijn met het B-punt 100 m verder.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Elk cirkelspoor wordt geschreven als een pivotspoor in het middelpunt: de kaart bevat geen straal.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>Het lijnenbestand van de veldmap bevat meer lijnen dan een veld nodig heeft en wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>%1 van de veldmap bevat geen startpunt dat een plaats op aarde is.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>%1 van de veldmap is onleesbaar. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>De bestanden van de veldmap zijn groter dan %1 en worden niet gelezen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>De map %1 bevat geen %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>De veldmap bevat geen %1 en geen %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>geen lijn of punt</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>coördinaten onleesbaar</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>een vlak, geen lijn</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>geen punt</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>Het bestand is geen leesbare JSON: het bevat een getal dat te groot is om te lezen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>Het bestand is geen leesbare JSON (bij byte %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>De GeoJSON-FeatureCollection heeft geen lijst met features.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>Het bestand is geen GeoJSON: het bevat geen feature en geen geometrie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>Het GeoJSON-bestand bevat een feature die groter is dan een lijn ooit nodig heeft.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>Het GeoJSON-bestand is meer dan %1 niveaus diep genest en wordt niet gelezen.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>een opgenomen spoor</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>KML-bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>Het bestand is geen KML: het eerste element is &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>geen richting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>een gesloten pad: het eindigt waar het begint</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>een gebogen lijn: de punten wijken tot %1 m af van een rechte lijn</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>geen B-punt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>In %1 staan meer elementen dan een lijnenbestand van die grootte ooit nodig heeft; het wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>Geen leesbare XML in %1 (%2 bij byte %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>In %1 zijn de elementen meer dan %2 niveaus diep genest; het wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Het bestand %1 is onleesbaar: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>Het bestand %1 is samen met de andere bestanden van de TaskData groter dan %2 en wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>Het bestand %1 is groter dan %2 en wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>Het bestand %1 is onleesbaar.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>Het zip-bestand is beschadigd: de grootte van een onderdeel is onleesbaar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>Het zip-bestand pakt uit tot meer dan %1 en wordt niet gelezen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>Onderdeel %1 van het zip-bestand kan niet worden uitgepakt: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>Het zip-bestand is beschadigd: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>Het zip-bestand is beschadigd: een onderdeel pakt uit tot meer dan het opgeeft.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>Het bestand is geen leesbaar zip-archief (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>Het zip-bestand bevat geen TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>Het KMZ-bestand bevat geen KML-bestand.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>Het bestand bevat meer dan 100.000 lijnen; de eerste 100.000 worden getoond.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Meer dan 1.000 items in het bestand worden niet ingelezen; de eerste 1.000 staan in de lijst.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>De map %1 bevat geen TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Alleen TaskData (een TASKDATA.XML of een zip daarvan), KML-, KMZ- en GeoJSON-bestanden en AgOpenGPS-veldmappen kunnen worden gelezen.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>Het lezen is geannuleerd.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>een spiraal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>een onbekende soort patroon</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>geen geleidingslijn in het patroon</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>TaskData-bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>Het bestand is geen ISO 11783 TaskData: het eerste element is &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>een bestand buiten de map van de TaskData</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>het bestand ervan ontbreekt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>een bijkomend bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>het bestand ervan is geen leesbare XML</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 #%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Baan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Waarschijnlijk gelijk aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Koersverschil</translation>
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
        <translation>%1, in omgekeerde richting gereden</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>%1 Help</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Pagina niet gevonden&lt;/h1&gt;&lt;p&gt;Het Help-bestand heeft geen leesbare pagina &lt;b&gt;%1&lt;/b&gt;. Het is mogelijk beschadigd; door het programma opnieuw te installeren wordt het hersteld.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Lijnen importeren</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(geen naam)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>%1 lezen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Geleidingslijnen (%1);;Alle bestanden (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>%1 kon niet worden gelezen.
%2
Er is niets gewijzigd.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>Er zijn geen geleidingslijnen gevonden in %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Andere lijn in hetzelfde veld</translation>
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
        <translation>Geselecteerd</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>Het hoofdvenster toont deze taal wanneer %1 opnieuw start.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The language could not be kept for the next start.</source>
        <translation>De taal kon niet worden bewaard voor de volgende start.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>%1 draait al met de werkmap %2.<byte value="xd"/>
Gebruik het venster dat open is: twee exemplaren zouden elk hun eigen Tijdelijke kaartkopie over die van het andere opslaan.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>nieuw</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>al aanwezig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>al aanwezig als veld %1 van de kaartkopie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>conflict: veld %1 van de kaartkopie bevat een andere lijn</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>naar hetzelfde veld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>verplaatst naar een vrij veld</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>over dezelfde lijn gekopieerd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>vervangt veld %1 van de kaartkopie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>Velden 1-5 zijn gereserveerd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>geen veld van 6 t/m 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>een andere baan van deze samenvoeging gaat daarheen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>past niet: geen vrij veld meer</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Geleidingslijnen: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>Uit %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Afgedrukt op %1, %2 baan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Afgedrukt op %1, %2 banen</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>%1 toont geen banen om af te drukken.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Geleidingslijnen - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>De banen konden niet worden afgedrukt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>PDF-bestanden (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>Er is niets naar %1 geschreven.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>alleen in de back-up</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>alleen op de kaart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>andere lijn</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation>gelijk</translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation>Uw laatste wijziging terugdraaien.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Terugdraaien</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>Uw kaart -- niet gevonden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Gebruikt als tussenopslag bij het samenvoegen van meerdere kaarten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Bewaart gegevens uit datakaartkopieën.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Ctrl ingedrukt: meerdere selecties</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Opslaan:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Naar kaart verplaatsen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>Naar tijdelijke kaartkopie verplaatsen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>&amp;Recht spoor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>&amp;Cirkelspoor</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation>&amp;Lon / Lat tonen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation>&amp;DMS tonen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation>Stations &amp;vernieuwen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>&amp;Back-up maken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Herstellen uit back-up...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>&amp;Kaart naar kaart kopiëren</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>Kaart &amp;samenvoegen met kaartkopie...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>Lijnen &amp;exporteren...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>Lijnen &amp;importeren...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Opslaan als PDF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>&amp;Verplaatsen naar Tijdelijke kaartkopie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>&amp;Verplaatsen naar kaart</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>Veld&amp;nummer wijzigen...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Veld # wijzigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Veldnummer wijzigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Geselecteerde items naar een veld naar keuze verplaatsen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation>Veld &amp;kopiëren...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation>Veld kopiëren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation>Veldgegevens naar een ander veldnummer kopiëren.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>De geselecteerde velden wissen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>&amp;Banen verschuiven...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Verschuiven...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Overzichtskaart</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>&amp;Dubbele banen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Spoorsoort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Datakaart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 geselecteerde baan van de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>%1 geselecteerde banen van de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 geselecteerde baan van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>%1 geselecteerde banen van %2</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Dubbele banen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Punten binnen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Rechte lijnen: koersen binnen:</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>Geen dubbele rechte lijnen gevonden binnen deze grenzen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>Geen dubbele cirkelsporen gevonden binnen deze grenzen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>%1 paar rechte lijnen gevonden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>%1 paren rechte lijnen gevonden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>%1 paar cirkelsporen gevonden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>%1 paren cirkelsporen gevonden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, de dichtstbijzijnde eerst; er volgen er meer als u omlaag schuift. Kies een rij om beide banen in de lijsten te selecteren.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Kies een rij om beide banen in de lijsten te selecteren.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Lijnen van:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Formaat:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>Bestand:</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>De geleidingslijnen gevonden in %1. De aangevinkte lijnen komen in de Tijdelijke kaartkopie: een lijn met een eigen veldnummer houdt dat nummer, de andere gaan naar de eerste vrije velden. Punten en lijnen die er al zijn, zijn eerst niet aangevinkt. Er verandert niets totdat u op Importeren klikt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation>Breedtegraad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Lengtegraad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation>Koers</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>Veld #</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>Worden niet ingelezen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Reden</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>een punt, niet aangeduid als pivot</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>%1 van %2 lijn aangevinkt.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>%1 van %2 lijnen aangevinkt.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>Geen banen om te tonen in de twee lijsten.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Overzichtskaart</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Alles tonen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Alle banen tonen (of dubbelklik op de kaart).</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation>%1: %2   %3: %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation>Back-up: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation>Verschillende lijnen in veld %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Kaart samenvoegen met kaartkopie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Elke rechte lijn op Uw kaart en wat het samenvoegen ervan met de Tijdelijke kaartkopie doet. Er verandert niets totdat u op Samenvoegen klikt; de kaart wordt alleen gelezen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Elk cirkelspoor op Uw kaart en wat het samenvoegen ervan met de Tijdelijke kaartkopie doet. Er verandert niets totdat u op Samenvoegen klikt; de kaart wordt alleen gelezen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>Kaartveld #</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>In kaartkopie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>Naar veld #</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Wat er gebeurt</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Herstellen uit back-up</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Van elke schrijfactie naar een kaart wordt eerst een back-up gemaakt. Kies een back-up om te zien hoe de banen ervan verschillen van Uw kaart; zet ze in de Tijdelijke kaartkopie, of schrijf de lijnen van de back-up terug naar de kaart.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Rechte lijnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Cirkelsporen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Kaart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Map openen...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Een eigen map: een kopie via &quot;Back-up maken&quot;, of een kaart die naar een andere schijf is gekopieerd</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation>Uw kaart</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Verschil</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>Naar Tijdelijke kaartkopie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>De geselecteerde banen van de back-up, of alle banen als er geen is geselecteerd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Naar kaart schrijven</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>De geselecteerde velden van de back-up naar de kaart, of het hele lijnenbestand als er geen is geselecteerd, na een nieuwe back-up van de kaart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>lezen...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Kies een back-up om die te vergelijken met Uw kaart.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Back-up %1 van %2, %3: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>deze bevat geen rechte lijnen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>deze bevat geen cirkelsporen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 is geen lijnenbestand. Er kan niets uit worden hersteld.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 is beschadigd: %2. De overige banen ervan kunnen naar de Tijdelijke kaartkopie; het wordt nooit naar de kaart geschreven. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Map selecteren</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation>Banen verschuiven</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Meters oost en noord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Afstand in een richting</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>Negatieve getallen verschuiven naar west of zuid. Een decimale punt of komma mag worden gebruikt; hoogstens %1 m. De richting van elke lijn blijft ongewijzigd.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Verschuif %1 over:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Afstand (m):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Meters &amp;oost:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Richting (graden vanaf noord):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Meters &amp;noord:</translation>
    </message>
</context>
</TS>
