<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Error al hacer la copia de seguridad del archivo.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>No se pudo hacer antes una copia de seguridad de la tarjeta.<byte value="xd"/>
¿Escribir en ella sin copia de seguridad? Sus líneas se sustituirán sin guardar ninguna copia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Sin copia</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>La carpeta elegida está en la propia tarjeta.<byte value="xd"/>
Elija una carpeta del PC; no se ha copiado nada.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Guardado no válido</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>No se pudo copiar la tarjeta completa en %1.<byte value="xd"/>
Los archivos copiados antes del problema están allí.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>Ha elegido hacer una copia de seguridad de C:\ o ha<byte value="xd"/>
elegido una unidad que no es válida.  Este programa no <byte value="xd"/>
hace copias de seguridad de C:\ ni de una unidad no válida.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Unidad no válida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>Ha elegido hacer una copia de seguridad de %1.<byte value="xd"/>
Si no es correcto, elija No y seleccione otra unidad de tarjeta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Comprobar unidad de tarjeta</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>No se ha guardado ningún dato.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>Su tarjeta de datos se ha guardado correctamente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>¡Guardado correctamente!</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>El archivo de líneas %1 de la tarjeta está dañado: %2.<byte value="xd"/>
Se muestran las pasadas que se pudieron leer; muévalas a la Imagen temporal de tarjeta para conservarlas.<byte value="xd"/>
No se escribe en la tarjeta sin su conformidad.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>Su tarjeta -- No detectada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>Su tarjeta -- Disponible %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>Archivo de tarjeta dañado</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Inserte la segunda tarjeta y pulse Aceptar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Continuar con la tarjeta</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Elija la unidad de la tarjeta que ha insertado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Unidad de tarjeta</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>No se pudo escribir en la tarjeta (%1).<byte value="xd"/>
Sus archivos que aún no se habían sustituido no han cambiado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Error al copiar</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>Los datos de líneas AB y círculos de esta tarjeta se <byte value="xd"/>
sustituirán por completo.  ¿Desea continuar?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Continuar con la copia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>La imagen se ha guardado correctamente.<byte value="xd"/>
¿Desea copiar esta imagen a otra tarjeta?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Otra copia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Esta imagen de tarjeta se ha guardado correctamente.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Copia terminada</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Este equipo]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 pasada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>%1 pasadas</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>líneas rectas</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>pistas circulares</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation>campo %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation>campos %1</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>dañado: se leen %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>no es un archivo de líneas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>no se puede leer. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>%1 solo en la copia de seguridad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>%1 solo en la tarjeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>%1 con diferencias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>%1 sin diferencias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>No hay pasadas ni en la copia de seguridad ni en la tarjeta.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>tarjeta desconocida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (esta tarjeta)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (otra tarjeta)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Esta copia de seguridad se hizo de otra tarjeta (%1) distinta de la del lector (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>etiqueta desconocida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>sin etiqueta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>¿Sustituir todas las %1 de la tarjeta %2 por las de la copia de seguridad %3 (%4)?<byte value="xd"/>
Antes se hace una copia de seguridad de las %1 de la propia tarjeta.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>¿Escribir %1 de la copia de seguridad %2 en la tarjeta %3?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>La copia de seguridad no tiene ninguna pasada en %1: la de la tarjeta se borra.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>Las demás %1 de la tarjeta quedan como están; antes se hace una copia de seguridad de todas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Escribir en la tarjeta</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>El archivo de líneas de la tarjeta está dañado: %1.<byte value="xd"/>
Al escribir se sustituye por las pasadas mostradas. Antes se guarda el archivo dañado en una nueva carpeta de copia de seguridad en<byte value="xd"/>
%2.<byte value="xd"/>
¿Escribir en la tarjeta?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>¡No se encontró el archivo de ayuda!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Sin ayuda</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Exportar líneas</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>%1 no contiene líneas rectas que exportar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>%1 no contiene pistas circulares que exportar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Indique el nombre del archivo que se va a escribir.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea sustituirlo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>No se ha escrito nada en %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>No se pudieron escribir las líneas en %1.<byte value="xd"/>
Compruebe que la carpeta existe y que se puede escribir en ella; el archivo que hubiera allí no ha cambiado.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>%1 pasada escrita en %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>%1 pasadas escritas en %2.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Error 100-1.  Error al guardar el archivo MasterCopy.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Error al guardar la copia maestra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Error 100-2.  Error al guardar el archivo ABLines., Guardado no válido<byte value="xd"/>
No se pudo escribir en la tarjeta. La lista de la izquierda muestra lo que contiene ahora la tarjeta.<byte value="xd"/>
Vuelva a poner la tarjeta en el lector, sin la protección contra escritura, pulse Actualizar y repita el cambio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Error de copia de seguridad 200-1 <byte value="xd"/>
Problema al crear la carpeta \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Error de copia de seguridad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Error 300-1 <byte value="xd"/>
Se produjo un error al leer esta unidad.<byte value="xd"/>
Compruebe que la tarjeta está bien insertada, que<byte value="xd"/>
ha elegido la letra de unidad correcta y que<byte value="xd"/>
esta unidad contiene datos de guiado válidos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Error con la tarjeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Error 400-1  Error al actualizar las unidades.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Error al actualizar unidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Error 500-1<byte value="xd"/>
Se produjo un problema al guardar en la tarjeta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>La tarjeta del lector no es la tarjeta mostrada.<byte value="xd"/>
No se ha escrito nada en ella. Ahora se muestran sus propias líneas;<byte value="xd"/>
repita el cambio si era para esta tarjeta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Tarjeta cambiada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>Otro programa ha guardado la copia maestra %1 después de que este la leyera.<byte value="xd"/>
No se ha escrito nada en ella. Ahora se muestran sus propias pasadas; repita el cambio.<byte value="xd"/>
(Deshacer muestra la Imagen temporal de tarjeta tal como estaba aquí.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Copia maestra cambiada</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>La tarjeta está protegida contra escritura.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>No se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>No queda espacio en la tarjeta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>No queda espacio en el disco.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>Se ha retirado la tarjeta.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>El sistema indicó este motivo: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>error al leer %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>no todas las líneas contienen un registro, aunque se pudieron leer todos los registros</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>el registro %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>los registros %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>Las pasadas que se pudieron leer se muestran en la Imagen temporal de tarjeta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>La Imagen temporal de tarjeta empieza vacía.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>El archivo dañado se ha conservado como %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>No se pudo apartar, así que no se sobrescribirá hasta que se pueda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Copia maestra dañada</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>La copia maestra %1 está dañada: error al leer %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>No se pudo leer la copia maestra %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>Su tarjeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Imagen temporal de tarjeta</translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation>Nº campo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation>%1, pasadas seleccionadas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Recta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 de los campos %2 y %3 más</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 del campo %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 de los campos %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>No ha seleccionado ninguna entrada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Nada seleccionado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>¿Seguro que desea borrar los elementos seleccionados?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Confirmar borrado</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>borrado</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>una línea recta, y está marcada Pista circular</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>una pista circular, y está marcada Pista recta</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>coordenadas fuera de rango</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>sin rumbo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>en latitud 0, longitud 0, que la tarjeta toma por un campo vacío</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>línea recta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>pista circular</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>primer libre</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>La Imagen temporal de tarjeta no tiene ningún campo libre:<byte value="xd"/>
%1 línea no ha entrado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>La Imagen temporal de tarjeta no tiene ningún campo libre:<byte value="xd"/>
%1 líneas no han entrado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Sin campo libre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>importación</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>ya está en la imagen (campo %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>igual que la fila %1</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>%1 nuevas, %2 ya estaban, %3 movidas, %4 campo libre tras la fusión.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>%1 nuevas, %2 ya estaban, %3 movidas, %4 campos libres tras la fusión.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 pasada no cabe: desmárquela o asígnele un campo que sustituir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>%1 pasadas no caben: desmárquelas o asigne a cada una un campo que sustituir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 pasada necesita otro campo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>%1 pasadas necesitan otro campo.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>Su tarjeta no contiene líneas rectas que fusionar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>Su tarjeta no contiene pistas circulares que fusionar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Fusionar tarjeta en la imagen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>fusión</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>ninguna línea</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Asegúrese de haber seleccionado al menos un campo <byte value="xd"/>
para mover.  Puede seleccionar varios campos <byte value="xd"/>
manteniendo pulsada la tecla CTRL al hacer clic.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>Su tarjeta: %1; Imagen temporal de tarjeta: %2.<byte value="xd"/>
Las pasadas solo se mueven entre líneas del mismo tipo; no se ha movido nada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Tipos de pista distintos</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>traslado</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>La pasada nº %1 sustituirá a la pasada nº %2. ¿Es correcto?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Sustituir pasada</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>¿A qué campo copiar el campo nº %1? <byte value="xd"/>
Se le preguntará antes de sustituir una pasada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Cambio de campo</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>No puede asignar a los campos 1-5.<byte value="xd"/>
Un número de campo es un número entero de 6 a 250. ¿Volver a introducirlo?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Ha introducido un número no válido.<byte value="xd"/>
Un número de campo es un número entero de 6 a 250. ¿Volver a introducirlo?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Número no válido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>¿A qué campo copiar el campo nº %1? </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>restauración</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Desplazar pasadas</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>&quot;%1&quot; no es un número.<byte value="xd"/>
Escríbalo en cifras, por ejemplo 1.5 o -0,25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Un desplazamiento de %1 m supera los %2 m que puede tener un desplazamiento.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Un desplazamiento de más de %1 m supera los %2 m que puede tener un desplazamiento.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Seleccione primero las pasadas que desea desplazar.  Puede seleccionar varios campos <byte value="xd"/>
manteniendo pulsada la tecla CTRL al hacer clic.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
No se ha movido nada.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Estas pasadas no se han movido: su posición no es una latitud y longitud.<byte value="xd"/>
Nº campo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>desplazamiento</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>cambio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>copia</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Cada pista circular se escribe como un punto en su centro: la tarjeta no guarda el radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Cada número de campo se conserva solo como nombre de su patrón de guiado.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Cada línea recta se escribe como un patrón A+: su punto y su rumbo, sin punto B.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Cada pista circular se escribe como un patrón de pívot solo con su centro: la tarjeta no guarda el radio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>KML no tiene líneas infinitas: cada línea recta se escribe como un segmento de 400 m, 200 m a cada lado de su punto, y su rumbo se conserva como datos extendidos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>Las alturas se escriben como 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>GeoJSON no tiene líneas infinitas: cada línea recta se escribe como un segmento de 400 m, 200 m a cada lado de su punto, y el punto y el rumbo se conservan como propiedades.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth y la mayoría de programas de mapas)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (KML comprimido)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>Carpeta de campo de AgOpenGPS</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>Se ha omitido el campo %1: sus coordenadas no son un lugar de la Tierra.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>Se han omitido los campos %1: sus coordenadas no son un lugar de la Tierra.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>la pista está cortada</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>no se puede leer la pista, ni ninguna de las siguientes</translation>
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
        <translation>una pista a lo largo del límite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>una pista de tipo desconocido</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>no se puede leer la línea</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>Las líneas se guardan en metros alrededor del punto de origen del campo, como las guarda el software del tractor: una carpeta de campo es para las pasadas de una sola explotación.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Cada pasada recibe como nombre su número de campo. En una carpeta de campo existente solo se escriben %1 y %2, alrededor del punto de origen del propio campo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Cada línea recta se escribe como una línea A-B con su punto B 100 m por delante.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Cada pista circular se escribe como una pista de pívot en su centro: la tarjeta no guarda el radio.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>El archivo de líneas de la carpeta de campo contiene más líneas de las que necesita cualquier campo y no se lee.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>El archivo %1 de la carpeta de campo no contiene ningún punto de origen que sea un lugar de la Tierra.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>No se puede leer el archivo %1 de la carpeta de campo. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>Los archivos de la carpeta de campo ocupan más de %1 y no se leen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>La carpeta %1 no contiene %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>La carpeta de campo no contiene ni %1 ni %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>ninguna línea ni punto</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>coordenadas ilegibles</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>un área, no una línea</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>sin punto</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>El archivo no es JSON legible: contiene un número demasiado grande para leerlo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>El archivo no es JSON legible (en el byte %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>La FeatureCollection de GeoJSON no tiene lista de features.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>El archivo no es GeoJSON: no contiene ninguna entidad (feature) ni geometría.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>El archivo GeoJSON contiene una entidad (feature) más grande de lo que necesita cualquier línea.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>El archivo GeoJSON está anidado en más de %1 niveles y no se lee.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>una pista grabada</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>archivo KML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>El archivo no es KML: su primer elemento es &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>un recorrido cerrado: termina donde empieza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>una curva: sus puntos se apartan hasta %1 m de una línea recta</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>sin punto B</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>El %1 contiene más elementos que cualquier archivo de líneas de su tamaño y no se lee.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>El %1 no es XML legible (%2 en el byte %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>El %1 está anidado en más de %2 niveles y no se lee.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>El archivo %1 ocupa más de %2 junto con los demás archivos de TaskData y no se lee.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>El archivo %1 ocupa más de %2 y no se lee.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>El zip está dañado: no se puede leer el tamaño de una entrada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>El zip descomprimido ocupa más de %1 y no se lee.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>No se puede descomprimir la entrada %1 del zip: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>El zip está dañado: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>El zip está dañado: una entrada se descomprime en más de lo que declara.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>El archivo no es un archivo zip legible (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>El zip no contiene TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>El KMZ no contiene ningún archivo KML.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>El archivo contiene más de 100.000 líneas; se muestran las 100.000 primeras.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Más de 1.000 elementos del archivo no entrarán; se enumeran los 1.000 primeros.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>La carpeta %1 no contiene TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Solo se pueden leer archivos TaskData (un TASKDATA.XML o un zip que lo contenga), KML, KMZ y GeoJSON, y carpetas de campo de AgOpenGPS.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>Se ha cancelado la lectura.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>una espiral</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>un tipo de patrón desconocido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>ninguna línea de guiado en el patrón</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>archivo TaskData</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>El archivo no es TaskData ISO 11783: su primer elemento es &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>un archivo fuera de la carpeta de TaskData</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>falta su archivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>archivo adicional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>su archivo no es XML legible</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 nº %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Pasada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Probablemente igual a</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Separación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Diferencia de rumbo</translation>
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
        <translation>%1, recorrida en sentido contrario</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Página no encontrada&lt;/h1&gt;&lt;p&gt;El archivo de ayuda no tiene ninguna página legible &lt;b&gt;%1&lt;/b&gt;. Puede que esté dañado; al volver a instalar el programa se restaura.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Importar líneas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Líneas de guiado (%1);;Todos los archivos (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>No se pudo leer %1.
%2
No se ha cambiado nada.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>No se encontraron líneas de guiado en %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Otra línea en el mismo campo</translation>
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
        <translation>Seleccionada</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>La ventana principal se mostrará en este idioma la próxima vez que se inicie %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The language could not be kept for the next start.</source>
        <translation>No se pudo guardar el idioma para el próximo inicio.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>%1 ya se está ejecutando con la carpeta de trabajo %2.<byte value="xd"/>
Use la ventana que está abierta: dos copias guardarían cada una su propia Imagen temporal de tarjeta encima de la de la otra.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>ya estaba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>ya estaba como nº %1 de la imagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>conflicto: el nº %1 de la imagen contiene otra línea</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>omitida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>al mismo campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>movida a un campo libre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>copiada sobre la misma línea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>sustituye al nº %1 de la imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>Los campos 1-5 están reservados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>no es un campo de 6 a 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>otra pasada de esta fusión va ahí</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>no cabe: no queda ningún campo libre</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Líneas de guiado: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Impreso el %1, %2 pasada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Impreso el %1, %2 pasadas</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>%1 no muestra ninguna pasada que imprimir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Líneas de guiado - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>No se pudieron imprimir las pasadas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>Archivos PDF (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>No se ha escrito nada en %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>solo en la copia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>solo en la tarjeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>línea distinta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation>igual</translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation>Deshace su último cambio.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>Su tarjeta -- No detectada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Se usa como almacenamiento intermedio para fusionar varias tarjetas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Para guardar datos de tarjetas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Ctrl para selección múltiple</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Grabando:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Mover a la tarjeta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>Mover a la imagen temporal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>Pista &amp;recta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>Pista &amp;circular</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation>Mostrar &amp;Lon / Lat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation>Mostrar &amp;GMS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation>&amp;Actualizar unidades</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>Hacer copia de &amp;seguridad</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>&amp;Copiar tarjeta a tarjeta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>&amp;Fusionar tarjeta en la imagen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>&amp;Exportar líneas...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>&amp;Importar líneas...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>&amp;Mover a la Imagen temporal de tarjeta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>&amp;Mover a la tarjeta</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>Cambiar &amp;nº de campo...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Cambiar campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Cambiar número de campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Mueve los elementos seleccionados al campo que elija.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation>&amp;Copiar campo...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation>Copiar campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation>Copia los datos del campo a otro número de campo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>Borra los campos seleccionados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>Desplazar &amp;pasadas...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Desplazar...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Mapa de líneas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>Pasadas &amp;duplicadas...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Tipo de pista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Tarjeta de datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 pasada seleccionada de la %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>%1 pasadas seleccionadas de la %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 pasada seleccionada de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>%1 pasadas seleccionadas de %2</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Pasadas duplicadas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Puntos a menos de:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Líneas rectas: rumbos a menos de:</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>No se encontraron líneas rectas duplicadas dentro de estos límites.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>No se encontraron pistas circulares duplicadas dentro de estos límites.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>%1 par de líneas rectas encontrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>%1 pares de líneas rectas encontrados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>%1 par de pistas circulares encontrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>%1 pares de pistas circulares encontrados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, los más cercanos primero; aparecen más al desplazarse hacia abajo. Elija una fila para seleccionar ambas pasadas en las listas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Elija una fila para seleccionar ambas pasadas en las listas.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Líneas de:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>Las líneas de guiado encontradas en %1. Las marcadas entran en la Imagen temporal de tarjeta: una línea con número de campo propio lo conserva, las demás van a los primeros campos libres. Los puntos y líneas que ya están no se marcan al principio. No cambia nada hasta que pulse Importar.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation>Rumbo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>Nº campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>No entrarán:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>un punto que no se indica como pívot</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>%1 de %2 línea marcada.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>%1 de %2 líneas marcadas.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>No hay pasadas que mostrar en las dos listas.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Mapa de líneas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Ver todo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Muestra todas las pasadas (o haga doble clic en el mapa).</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation>%1: %2   %3: %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation>Copia de seguridad: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation>Líneas distintas en el campo %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Fusionar tarjeta en la imagen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Cada línea recta de Su tarjeta y lo que hará al fusionarla en la Imagen temporal de tarjeta. No cambia nada hasta que pulse Fusionar; la tarjeta solo se lee.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Cada pista circular de Su tarjeta y lo que hará al fusionarla en la Imagen temporal de tarjeta. No cambia nada hasta que pulse Fusionar; la tarjeta solo se lee.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>Nº campo tarjeta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>Encontrada en la imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>A nº campo imagen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Antes de cada escritura en una tarjeta se hace una copia de seguridad. Elija una copia para ver en qué se diferencian sus pasadas de Su tarjeta; páselas a la Imagen temporal de tarjeta o vuelva a escribir las líneas de la copia en la tarjeta.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Líneas rectas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Pistas circulares</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Abrir carpeta...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Una carpeta propia: una copia hecha con &quot;Hacer copia de seguridad&quot;, o una tarjeta copiada a otro disco</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation>Su tarjeta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>A la Imagen temporal de tarjeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>Las pasadas seleccionadas de la copia de seguridad, o todas si no hay ninguna seleccionada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Escribir en la tarjeta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>Los campos seleccionados de la copia de seguridad en la tarjeta, o todo su archivo de líneas si no hay ninguno seleccionado, tras una nueva copia de seguridad de la tarjeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>leyendo...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Elija una copia de seguridad para compararla con Su tarjeta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Copia de seguridad %1 de %2, %3: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>no contiene líneas rectas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>no contiene pistas circulares.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 no es un archivo de líneas. No se puede restaurar nada de él.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 está dañado: %2. Sus demás pasadas pueden ir a la Imagen temporal de tarjeta; nunca se escribe en la tarjeta. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Seleccionar directorio</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation>Desplazar pasadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Metros al este y al norte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Distancia según un rumbo</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>Los números negativos desplazan al oeste o al sur. Puede usar punto o coma decimal; como máximo %1 m. La dirección de cada línea no cambia.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Desplazar %1:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Distancia (m):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Metros al &amp;este:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Rumbo (grados desde el norte):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Metros al &amp;norte:</translation>
    </message>
</context>
</TS>
