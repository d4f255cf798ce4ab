<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Errore durante il backup del file.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>Non è stato possibile eseguire prima il backup della scheda.<byte value="xd"/>
Vuoi scrivere sulla scheda senza backup? Le sue linee verranno sostituite senza conservarne alcuna copia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Nessun backup</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>La cartella scelta si trova sulla scheda stessa.<byte value="xd"/>
Scegli una cartella sul PC; non è stato copiato nulla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Salvataggio non valido</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>Non è stato possibile copiare la scheda per intero in %1.<byte value="xd"/>
I file copiati prima del problema sono presenti.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>Hai scelto di eseguire il backup di C:\ oppure hai<byte value="xd"/>
scelto un&apos;unità non valida. Questo programma non <byte value="xd"/>
esegue il backup di C:\ né di un&apos;unità non valida.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Unità non valida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>Hai scelto di eseguire il backup di %1.<byte value="xd"/>
Se non è corretto, scegli No e seleziona un&apos;altra unità della scheda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Verifica unità della scheda</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>Nessun dato è stato salvato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>La scheda dati è stata salvata correttamente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>Salvataggio riuscito!</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>Il file delle linee della scheda %1 è danneggiato: %2.<byte value="xd"/>
Sono mostrate le passate leggibili; spostale nell&apos;Immagine temporanea della scheda per conservarle.<byte value="xd"/>
Sulla scheda non viene scritto nulla finché non dai il tuo consenso.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>La tua scheda -- Non rilevata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>La tua scheda -- Disponibile %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>File della scheda danneggiato</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Inserisci la seconda scheda e premi OK.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Continua con la scheda</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Scegli l&apos;unità della scheda che hai inserito.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Unità della scheda</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>Non è stato possibile scrivere la scheda (%1).<byte value="xd"/>
I suoi file non ancora sostituiti sono invariati.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Copia non riuscita</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>Le linee A-B e le tracce circolari di questa scheda verranno <byte value="xd"/>
sostituite completamente. Vuoi continuare?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Continua la copia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>L&apos;immagine è stata salvata correttamente.<byte value="xd"/>
Vuoi copiare questa immagine su un&apos;altra scheda?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Un&apos;altra copia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Questa immagine della scheda è stata salvata correttamente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Copia completata</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Questo computer]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 passata</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>%1 passate</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>linee rette</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>tracce circolari</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation>campo %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation>campi %1</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>danneggiato, leggibili: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>non è un file di linee</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>non leggibile. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>%1 solo nel backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>%1 solo sulla scheda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>%1 diverse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>%1 uguali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>Nessuna passata nel backup o sulla scheda.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>scheda sconosciuta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (questa scheda)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (un&apos;altra scheda)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Questo backup è stato fatto da un&apos;altra scheda (%1), non da quella nel lettore (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>etichetta sconosciuta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>senza etichetta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>Sostituire tutte le %1 sulla scheda %2 con quelle del backup %3 (%4)?<byte value="xd"/>
Prima viene eseguito il backup delle %1 della scheda stessa.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>Scrivere sulla scheda %3 dal backup %2 (%1)?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>Nel backup non c&apos;è alcuna passata (%1): quella della scheda viene eliminata.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>Le altre %1 della scheda restano come sono; prima viene eseguito il backup di tutte.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Scrivi sulla scheda</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>Il file delle linee della scheda è danneggiato: %1.<byte value="xd"/>
La scrittura lo sostituisce con le passate mostrate. Il file danneggiato viene prima conservato in una nuova cartella di backup in<byte value="xd"/>
%2.<byte value="xd"/>
Scrivere sulla scheda?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>Impossibile trovare il file della guida!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Nessuna guida</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Esporta linee</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>%1 non contiene linee rette da esportare.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>%1 non contiene tracce circolari da esportare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Indica il nome del file da scrivere.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 esiste già. Vuoi sostituirlo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>Non è stato scritto nulla in %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>Non è stato possibile scrivere le linee in %1.<byte value="xd"/>
Verifica che la cartella esista e sia scrivibile; un eventuale file già presente resta invariato.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>%1 passata scritta in %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>%1 passate scritte in %2.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Errore 100-1.  Salvataggio del file MasterCopy non riuscito.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Errore nel salvataggio della copia principale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Errore 100-2.  Salvataggio del file ABLines non riuscito., Salvataggio non valido<byte value="xd"/>
Non è stato possibile scrivere la scheda. L&apos;elenco a sinistra mostra ciò che la scheda contiene ora.<byte value="xd"/>
Reinserisci la scheda nel lettore, con la protezione da scrittura disattivata, premi Aggiorna e ripeti la modifica.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Errore di salvataggio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Errore di backup 200-1 <byte value="xd"/>
Problema nella creazione della cartella \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Errore di backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Errore 300-1 <byte value="xd"/>
Si è verificato un errore durante la lettura di questa unità.<byte value="xd"/>
Verifica che la scheda sia inserita correttamente, di aver<byte value="xd"/>
selezionato la lettera di unità corretta e che<byte value="xd"/>
questa unità contenga dati di guida validi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Errore della scheda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Errore 400-1  Errore durante l&apos;aggiornamento delle unità.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Errore di aggiornamento unità</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Errore 500-1<byte value="xd"/>
Si è verificato un problema durante il salvataggio sulla scheda.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Salvataggio errato</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>La scheda nel lettore non è quella mostrata.<byte value="xd"/>
Non vi è stato scritto nulla. Ora sono mostrate le sue linee;<byte value="xd"/>
ripeti la modifica se è destinata a questa scheda.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Scheda cambiata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>La copia principale %1 è stata salvata da un altro programma dopo che questo l&apos;ha letta.<byte value="xd"/>
Non vi è stato scritto nulla. Ora sono mostrate le sue passate; ripeti la modifica.<byte value="xd"/>
(Annulla mostra l&apos;Immagine temporanea della scheda com&apos;era qui.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Copia principale cambiata</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>La scheda è protetta da scrittura.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>Non è possibile scrivere nella cartella.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>Sulla scheda non c&apos;è più spazio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>Sul disco non c&apos;è più spazio.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>La scheda è stata rimossa.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>La cartella non esiste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>Motivo indicato dal sistema: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>impossibile leggere %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>non tutte le righe contengono un record, anche se tutti i record sono stati letti</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>record %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>Le passate leggibili sono mostrate nell&apos;Immagine temporanea della scheda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>L&apos;Immagine temporanea della scheda inizia vuota.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>Il file danneggiato è stato conservato come %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>Non è stato possibile metterlo da parte, quindi non verrà sovrascritto finché non sarà possibile.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Copia principale danneggiata</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>La copia principale %1 è danneggiata: impossibile leggere %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Impossibile leggere la copia principale %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>La tua scheda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Immagine temporanea della scheda</translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation>N. campo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation>%1, passate selezionate</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Retta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Circolare</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 dei campi %2 e altri %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 del campo %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 dei campi %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>Non hai selezionato alcuna voce.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Nessuna selezione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>Vuoi davvero eliminare gli elementi selezionati?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Conferma eliminazione</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>eliminazione</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>una linea retta, mentre è spuntato Traccia circolare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>una traccia circolare, mentre è spuntato Traccia rettilinea</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>coordinate fuori intervallo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>nessuna direzione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>a latitudine 0, longitudine 0, che la scheda considera un campo vuoto</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>linea retta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>traccia circolare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>primo libero</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>L&apos;Immagine temporanea della scheda non ha più campi liberi:<byte value="xd"/>
%1 linea non è stata importata.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>L&apos;Immagine temporanea della scheda non ha più campi liberi:<byte value="xd"/>
%1 linee non sono state importate.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Nessun campo libero</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>importazione</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>già nell&apos;immagine (campo %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>uguale alla riga %1</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>nuove: %1, già presenti: %2, spostate: %3; %4 campo resta libero dopo l&apos;unione.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>nuove: %1, già presenti: %2, spostate: %3; %4 campi restano liberi dopo l&apos;unione.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 passata non trova posto: togli la spunta o assegnale un campo da sostituire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>%1 passate non trovano posto: togli la spunta o assegna a ciascuna un campo da sostituire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 passata richiede un altro campo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>%1 passate richiedono un altro campo.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>La tua scheda non contiene linee rette da unire.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>La tua scheda non contiene tracce circolari da unire.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Unisci scheda all&apos;immagine</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>unione</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>nessuna linea</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Assicurati di aver selezionato almeno un campo da <byte value="xd"/>
spostare. Puoi selezionare più campi <byte value="xd"/>
tenendo premuto il tasto CTRL mentre fai clic.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>La tua scheda mostra %1 e l&apos;Immagine temporanea della scheda %2.<byte value="xd"/>
Le passate si spostano solo tra linee dello stesso tipo; non è stato spostato nulla.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Tipi di traccia diversi</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>spostamento</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>La passata n. %1 sostituirà la passata n. %2. Confermi?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Sostituisci passata</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>Copia il campo n. %1 in quale campo: <byte value="xd"/>
Ti verrà chiesto prima di sostituire una passata.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Riordino campi</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Non puoi assegnare ai campi 1-5.<byte value="xd"/>
Un numero di campo è un numero intero da 6 a 250. Vuoi reinserirlo?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Hai inserito un numero non valido.<byte value="xd"/>
Un numero di campo è un numero intero da 6 a 250. Vuoi reinserirlo?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Numero non valido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>Copia il campo n. %1 in quale campo: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>ripristino</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Trasla passate</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>&quot;%1&quot; non è un numero.<byte value="xd"/>
Scrivilo in cifre, ad esempio 1,5 o -0.25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Uno spostamento di %1 m supera i %2 m consentiti.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Uno spostamento di oltre %1 m supera i %2 m consentiti.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Seleziona prima le passate da traslare. Puoi selezionare più campi <byte value="xd"/>
tenendo premuto il tasto CTRL mentre fai clic.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
Non è stato spostato nulla.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Queste passate non sono state spostate: la loro posizione non è una latitudine e longitudine.<byte value="xd"/>
N. campo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>traslazione</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>cambio numero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>copia</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Ogni traccia circolare viene scritta come un punto nel suo centro: la scheda non contiene il raggio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Ogni numero di campo viene conservato solo come nome del relativo schema di guida.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Ogni linea retta viene scritta come schema A+: il suo punto e la direzione, senza punto B.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Ogni traccia circolare viene scritta come schema pivot con il solo centro: la scheda non contiene il raggio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>KML non ha linee infinite: ogni linea retta viene scritta come un segmento lungo 400 m, 200 m per parte dal suo punto, con la direzione conservata come dati estesi.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>Le altitudini vengono scritte come 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>GeoJSON non ha linee infinite: ogni linea retta viene scritta come un segmento lungo 400 m, 200 m per parte dal suo punto, con il punto e la direzione conservati come proprietà.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth e la maggior parte dei programmi di mappe)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (KML compresso)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>Cartella campo AgOpenGPS</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>Il campo %1 è stato escluso: le sue coordinate non sono un luogo sulla Terra.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>I campi %1 sono stati esclusi: le loro coordinate non sono un luogo sulla Terra.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>la traccia è troncata</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>la traccia non è leggibile, né alcuna di quelle successive</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation>una curva</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation>una traccia lungo il confine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>una traccia di tipo sconosciuto</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>la linea non è leggibile</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>Le linee sono memorizzate in metri attorno al punto di partenza del campo, come le memorizza il software del trattore: una cartella campo è pensata per le passate di una sola azienda agricola.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Ogni passata prende il nome dal suo numero di campo. In una cartella campo già esistente vengono scritti solo %1 e %2, attorno al punto di partenza del campo stesso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Ogni linea retta viene scritta come linea A-B con il punto B 100 m più avanti.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Ogni traccia circolare viene scritta come traccia pivot nel suo centro: la scheda non contiene il raggio.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>Il file delle linee della cartella campo contiene più linee di quante ne servano a qualsiasi campo e non viene letto.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>Il file %1 della cartella campo non contiene un punto di partenza che sia un luogo sulla Terra.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>Il file %1 della cartella campo non è leggibile. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>I file della cartella campo superano %1 e non vengono letti.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>La cartella %1 non contiene %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>La cartella campo non contiene né %1 né %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>nessuna linea o punto</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>coordinate non leggibili</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>un&apos;area, non una linea</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>nessun punto</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>Il file non è JSON leggibile: contiene un numero troppo grande da leggere.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>Il file non è JSON leggibile (al byte %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>La FeatureCollection GeoJSON non ha un elenco di feature.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>Il file non è GeoJSON: non contiene né feature né geometrie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>Il file GeoJSON contiene una feature più grande di quanto serva a qualsiasi linea.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>Il file GeoJSON è annidato a più di %1 livelli di profondità e non viene letto.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>una traccia registrata</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>file KML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>Il file non è KML: il suo primo elemento è &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>nessun verso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>un percorso chiuso: finisce dove inizia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>una curva: i suoi punti si discostano fino a %1 m da una linea retta</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>nessun punto B</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>Il %1 contiene più elementi di qualsiasi file di linee delle sue dimensioni e non viene letto.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>Il %1 non è XML leggibile (%2 al byte %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>Il %1 è annidato a più di %2 livelli di profondità e non viene letto.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>Il file %1 supera %2 insieme agli altri file del TaskData e non viene letto.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>Il file %1 supera %2 e non viene letto.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>Lo zip è danneggiato: impossibile leggere la dimensione di una voce.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>Lo zip decompresso supera %1 e non viene letto.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>Impossibile decomprimere la voce %1 dello zip: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>Lo zip è danneggiato: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>Lo zip è danneggiato: una voce decompressa supera la dimensione dichiarata.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>Il file non è un archivio zip leggibile (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>Lo zip non contiene TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>Il KMZ non contiene alcun file KML.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>Il file contiene più di 100.000 linee; vengono mostrate le prime 100.000.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Più di 1.000 elementi del file non verranno importati; sono elencati i primi 1.000.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>La cartella %1 non contiene TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Si possono leggere solo file TaskData (un TASKDATA.XML o il suo zip), KML, KMZ e GeoJSON, e cartelle campo AgOpenGPS.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>La lettura è stata annullata.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>una spirale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>un tipo di schema sconosciuto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>nessuna linea di guida nello schema</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>file TaskData</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>Il file non è TaskData ISO 11783: il suo primo elemento è &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>un file fuori dalla cartella del TaskData</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>manca il suo file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>altro file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>il suo file non è XML leggibile</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 n. %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Passata</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Probabilmente uguale a</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Differenza di direzione</translation>
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
        <translation>%1, percorsa nel senso opposto</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Pagina non trovata&lt;/h1&gt;&lt;p&gt;Il file della guida non contiene una pagina leggibile &lt;b&gt;%1&lt;/b&gt;. Potrebbe essere danneggiato; reinstallando il programma viene ripristinato.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Importa linee</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Linee di guida (%1);;Tutti i file (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>Impossibile leggere %1.
%2
Non è stato modificato nulla.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>Nessuna linea di guida trovata in %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Linea diversa nello stesso campo</translation>
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
        <translation>Selezionate</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>La finestra principale mostrerà questa lingua al prossimo avvio di %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The language could not be kept for the next start.</source>
        <translation>Non è stato possibile conservare la lingua per il prossimo avvio.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>%1 è già in esecuzione con la cartella di lavoro %2.<byte value="xd"/>
Usa la finestra già aperta: due copie salverebbero ciascuna la propria Immagine temporanea della scheda sopra quella dell&apos;altra.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>nuova</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>già presente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>già presente come immagine n. %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>conflitto: l&apos;immagine n. %1 contiene un&apos;altra linea</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>saltata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>nello stesso campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>spostata in un campo libero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>copiata sopra la stessa linea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>sostituisce l&apos;immagine n. %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>I campi 1-5 sono riservati</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>non è un campo da 6 a 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>lì va già un&apos;altra passata di questa unione</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>non trova posto: nessun campo libero</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Linee di guida: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>Da %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Stampato il %1, %2 passata</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Stampato il %1, %2 passate</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>%1 non mostra passate da stampare.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Linee di guida - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>Impossibile stampare le passate.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>File PDF (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>Non è stato scritto nulla in %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>solo nel backup</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>solo sulla scheda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>linea diversa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation>uguale</translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation>Annulla l&apos;ultima modifica.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>La tua scheda -- Non rilevata</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Usata come memoria intermedia per unire più schede.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Per conservare i dati delle schede.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Ctrl+clic per selezione multipla</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Scrittura:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Sposta sulla scheda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>Sposta nell&apos;Immagine temporanea della scheda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>Traccia &amp;rettilinea</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>Traccia &amp;circolare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation>Mostra &amp;Lon / Lat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation>Mostra &amp;GMS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation>&amp;Aggiorna unità</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>&amp;Backup immagine</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Ripristina da backup...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>&amp;Copia da scheda a scheda</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>&amp;Unisci scheda all&apos;immagine...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>&amp;Esporta linee...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>&amp;Importa linee...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Salva come PDF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>&amp;Sposta nell&apos;Immagine temporanea della scheda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>&amp;Sposta sulla scheda</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>Ca&amp;mbia n. campo...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Cambia n. campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Cambia numero di campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Sposta gli elementi selezionati nel campo che preferisci.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation>&amp;Copia campo...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation>Copia campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation>Copia le informazioni del campo in un altro numero di campo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>Elimina i campi selezionati.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>Trasla &amp;passate...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Trasla...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Mappa delle linee</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>Passate &amp;doppie...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Tipo di traccia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Scheda dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>L&amp;ingua</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 passata selezionata dell&apos;%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>%1 passate selezionate dell&apos;%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 passata selezionata (%2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>%1 passate selezionate (%2)</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Passate doppie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Punti entro:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Linee rette: direzioni entro:</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Ricerca in corso...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>Nessuna linea retta doppia trovata entro questi limiti.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>Nessuna traccia circolare doppia trovata entro questi limiti.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>%1 coppia di linee rette trovata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>%1 coppie di linee rette trovate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>%1 coppia di tracce circolari trovata</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>%1 coppie di tracce circolari trovate</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, le più vicine per prime; altre seguono scorrendo verso il basso. Scegli una riga per selezionare entrambe le passate negli elenchi.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Scegli una riga per selezionare entrambe le passate negli elenchi.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Linee di:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>File:</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>Le linee di guida trovate in %1. Quelle spuntate entrano nell&apos;Immagine temporanea della scheda: una linea con un proprio numero di campo lo mantiene, le altre vanno nei primi campi liberi. I punti e le linee già presenti all&apos;inizio non sono spuntati. Non cambia nulla finché non premi Importa.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>N. campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>Non verranno importati:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>un punto, non indicato come pivot</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>%1 di %2 linea spuntata.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>%1 di %2 linee spuntate.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>Nessuna passata da mostrare nei due elenchi.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Mappa delle linee</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Adatta tutto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Mostra tutte le passate (o fai doppio clic sulla mappa).</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation>%1: %2   %3: %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation>Linee diverse nel campo %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Unisci scheda all&apos;immagine</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Ogni linea retta della tua scheda e cosa farà la sua unione nell&apos;Immagine temporanea della scheda. Non cambia nulla finché non premi Unisci; la scheda viene solo letta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Ogni traccia circolare della tua scheda e cosa farà la sua unione nell&apos;Immagine temporanea della scheda. Non cambia nulla finché non premi Unisci; la scheda viene solo letta.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>N. campo scheda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>Trovata nell&apos;immagine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>A n. campo immagine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Cosa succede</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Ripristina da backup</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Prima di ogni scrittura su una scheda viene eseguito un backup. Scegli un backup per vedere in cosa le sue passate differiscono dalla tua scheda; portale nell&apos;Immagine temporanea della scheda, oppure riscrivi le linee del backup sulla scheda.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Creato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Linee rette</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Tracce circolari</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Apri cartella...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Una tua cartella: una copia &quot;Backup immagine&quot; o una scheda copiata su un altro disco</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation>La tua scheda</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>Nell&apos;Immagine temporanea della scheda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>Le passate selezionate del backup, o tutte se nessuna è selezionata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Scrivi sulla scheda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>I campi selezionati del backup sulla scheda, o il suo intero file delle linee se nessuno è selezionato, dopo un nuovo backup della scheda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>lettura...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Scegli un backup per confrontarlo con la tua scheda.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Backup %1 di %2, %3: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>non contiene linee rette.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>non contiene tracce circolari.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 non è un file di linee. Non è possibile ripristinarne nulla.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 è danneggiato: %2. Le sue altre passate possono andare nell&apos;Immagine temporanea della scheda; non viene mai scritto sulla scheda. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation>Trasla passate</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Metri verso est e nord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Distanza lungo un azimut</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>I numeri negativi spostano verso ovest o sud. Si può usare il punto o la virgola decimale; al massimo %1 m. La direzione di ogni linea resta invariata.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Trasla %1 di:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Distanza (m):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Metri verso &amp;est:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Azimut (gradi da nord):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Metri verso &amp;nord:</translation>
    </message>
</context>
</TS>
