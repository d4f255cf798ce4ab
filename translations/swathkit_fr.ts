<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Erreur lors de la sauvegarde du fichier.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>La carte n&apos;a pas pu être sauvegardée au préalable.<byte value="xd"/>
Écrire sur la carte sans sauvegarde ? Ses lignes seront alors remplacées sans qu&apos;aucune copie n&apos;en soit gardée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Sans sauvegarde</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>Le dossier choisi se trouve sur la carte elle-même.<byte value="xd"/>
Choisissez un dossier sur le PC ; rien n&apos;a été copié.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Sauvegarde non valide</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>La carte n&apos;a pas pu être copiée entièrement dans %1.<byte value="xd"/>
Les fichiers copiés avant le problème s&apos;y trouvent.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>Vous avez choisi de sauvegarder votre C:\ ou vous avez<byte value="xd"/>
choisi un lecteur qui n&apos;est pas valide.  Ce programme ne <byte value="xd"/>
sauvegarde ni votre C:\ ni un lecteur non valide.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Lecteur non valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>Vous avez choisi de sauvegarder votre %1.<byte value="xd"/>
Si ce n&apos;est pas correct, choisissez Non et sélectionnez un autre lecteur de carte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Vérifier le lecteur de carte</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>Aucune donnée n&apos;a été sauvegardée.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>Votre carte de données a été sauvegardée avec succès.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>Sauvegarde réussie !</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>Le fichier de lignes %1 de la carte est endommagé : %2.<byte value="xd"/>
Les passages lisibles sont affichés ; déplacez-les dans l&apos;image de carte temporaire pour les conserver.<byte value="xd"/>
Rien n&apos;est écrit sur la carte sans votre accord.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>Votre carte -- non détectée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>Votre carte -- disponible %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>Fichier de carte endommagé</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Veuillez insérer la deuxième carte et cliquer sur OK.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Continuer avec la carte</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Choisissez le lecteur de la carte que vous avez insérée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Lecteur de carte</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>La carte n&apos;a pas pu être écrite (%1).<byte value="xd"/>
Ceux de ses fichiers qui n&apos;avaient pas encore été remplacés sont inchangés.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Échec de la copie</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>Les lignes A-B et les traces circulaires de cette carte seront <byte value="xd"/>
entièrement remplacées.  Voulez-vous continuer ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Continuer la copie</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>L&apos;image a été enregistrée avec succès.<byte value="xd"/>
Voulez-vous copier cette image sur une autre carte ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Autre copie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Cette image de carte a été enregistrée avec succès.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Copie terminée</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Cet ordinateur]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 passage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>%1 passages</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>lignes droites</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>traces circulaires</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>field %1</source>
        <translation>le champ %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fields %1</source>
        <translation>les champs %1</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>endommagé, lisibles : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>pas un fichier de lignes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>illisible. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>seulement dans la sauvegarde : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>seulement sur la carte : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>différents : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>identiques : %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>Aucun passage dans la sauvegarde ni sur la carte.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>carte inconnue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (cette carte)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (autre carte)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Cette sauvegarde a été faite à partir d&apos;une autre carte (%1) que celle du lecteur (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>nom inconnu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>Remplacer toutes les %1 de la carte %2 par celles de la sauvegarde %3 (%4) ?<byte value="xd"/>
Les %1 de la carte sont d&apos;abord sauvegardées.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>Écrire %1 de la sauvegarde %2 sur la carte %3 ?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>La sauvegarde n&apos;a aucun passage dans %1 : celui de la carte est effacé.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>Les autres %1 de la carte restent telles quelles ; toutes sont d&apos;abord sauvegardées.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Écrire sur la carte</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>Le fichier de lignes de la carte est endommagé : %1.<byte value="xd"/>
L&apos;écriture le remplace par les passages affichés. Le fichier endommagé est d&apos;abord conservé dans un nouveau dossier de sauvegarde sous<byte value="xd"/>
%2.<byte value="xd"/>
Écrire sur la carte ?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>Fichier d&apos;aide introuvable !</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Aide indisponible</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Exporter les lignes</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>« %1 » ne contient aucune ligne droite à exporter.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>« %1 » ne contient aucune trace circulaire à exporter.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Veuillez indiquer le nom du fichier à écrire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>Rien n&apos;a été écrit dans %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>Les lignes n&apos;ont pas pu être écrites dans %1.<byte value="xd"/>
Vérifiez que le dossier existe et est accessible en écriture ; tout fichier qui s&apos;y trouvait est inchangé.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>%1 passage écrit dans %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>%1 passages écrits dans %2.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Erreur 100-1.  Échec de l&apos;enregistrement du fichier de copie principale.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Erreur d&apos;enregistrement de la copie principale</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Erreur 100-2.  Échec de l&apos;enregistrement du fichier ABLines, enregistrement non valide<byte value="xd"/>
La carte n&apos;a pas pu être écrite. La liste de gauche montre ce que la carte contient maintenant.<byte value="xd"/>
Remettez la carte dans le lecteur, protection en écriture désactivée, cliquez sur Actualiser et refaites la modification.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Erreur d&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Erreur de sauvegarde 200-1 <byte value="xd"/>
Problème lors de la création du dossier \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Erreur de sauvegarde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Erreur 300-1 <byte value="xd"/>
Une erreur s&apos;est produite en lisant ce lecteur.<byte value="xd"/>
Vérifiez que la carte est bien insérée, que vous<byte value="xd"/>
avez choisi la bonne lettre de lecteur et que<byte value="xd"/>
ce lecteur contient des données de guidage valides.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Erreur de carte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Erreur 400-1  Erreur lors de l&apos;actualisation des lecteurs.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Erreur d&apos;actualisation des lecteurs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Erreur 500-1<byte value="xd"/>
Un problème est survenu lors de l&apos;enregistrement sur la carte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>La carte du lecteur n&apos;est pas la carte affichée.<byte value="xd"/>
Rien n&apos;y a été écrit. Ses propres lignes sont maintenant affichées ;<byte value="xd"/>
refaites la modification si elle est destinée à cette carte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Carte changée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>La copie principale %1 a été enregistrée par un autre programme depuis que celui-ci l&apos;a lue.<byte value="xd"/>
Rien n&apos;y a été écrit. Ses propres passages sont maintenant affichés ; refaites votre modification.<byte value="xd"/>
(Annuler affiche l&apos;image de carte temporaire telle qu&apos;elle était ici.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Copie principale modifiée</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>La carte est protégée en écriture.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>Le dossier n&apos;est pas accessible en écriture.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>Il n&apos;y a plus de place sur la carte.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>Il n&apos;y a plus de place sur le disque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>La carte a été retirée.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>Le système a donné cette raison : %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>certaines lignes ne contiennent pas exactement un enregistrement, bien que chaque enregistrement ait pu être lu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>l&apos;enregistrement %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>les enregistrements %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>Les passages lisibles sont affichés dans l&apos;image de carte temporaire.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>L&apos;image de carte temporaire démarre vide.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>Le fichier endommagé a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>Il n&apos;a pas pu être mis de côté ; il ne sera donc pas écrasé tant que ce ne sera pas possible.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Copie principale endommagée</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>La copie principale %1 est endommagée : impossible de lire %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>La copie principale %1 n&apos;a pas pu être lue.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>Votre carte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Image de carte temporaire</translation>
    </message>
    <message>
        <location filename="../src/core/words.cpp" line="+19"/>
        <location filename="../src/exchange/export_lines.cpp" line="+516"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location filename="../src/display/line_list.cpp" line="+11"/>
        <location filename="../src/display/print_sheet.h" line="+33"/>
        <source>Field #</source>
        <translation>Champ n°</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.cpp" line="+21"/>
        <source>%1, selected passes</source>
        <translation>%1, passages sélectionnés</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 des champs %2 et %3 autres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 du champ %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 des champs %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>Vous n&apos;avez sélectionné aucune entrée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Aucune sélection</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>Voulez-vous vraiment effacer les éléments sélectionnés ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Confirmer l&apos;effacement</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>l&apos;effacement</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>une ligne droite, alors que « Trace circulaire » est cochée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>une trace circulaire, alors que « Trace droite » est cochée</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>coordonnées hors limites</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>aucun cap</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>en latitude 0, longitude 0, ce que la carte prend pour un champ vide</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>ligne droite</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>trace circulaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>premier libre</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>L&apos;image de carte temporaire n&apos;a plus de champ libre :<byte value="xd"/>
%1 ligne n&apos;a pas été importée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>L&apos;image de carte temporaire n&apos;a plus de champ libre :<byte value="xd"/>
%1 lignes n&apos;ont pas été importées.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Aucun champ libre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>l&apos;importation</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>déjà dans l&apos;image (champ %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>identique à la rangée %1</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>Nouveaux : %1, déjà présents : %2, déplacés : %3 ; %4 champ resté libre après la fusion.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>Nouveaux : %1, déjà présents : %2, déplacés : %3 ; %4 champs restés libres après la fusion.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 passage n&apos;a pas de place : décochez-le ou donnez-lui un champ à remplacer.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>%1 passages n&apos;ont pas de place : décochez-les ou donnez à chacun un champ à remplacer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 passage a besoin d&apos;un autre champ.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>%1 passages ont besoin d&apos;un autre champ.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>Votre carte ne contient aucune ligne droite à fusionner.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>Votre carte ne contient aucune trace circulaire à fusionner.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Fusionner la carte dans l&apos;image</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>la fusion</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>aucune ligne</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Assurez-vous d&apos;avoir sélectionné au moins un champ à <byte value="xd"/>
déplacer.  Vous pouvez sélectionner plusieurs champs en <byte value="xd"/>
maintenant la touche CTRL enfoncée pendant le clic.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>Votre carte contient : %1 ; l&apos;image de carte temporaire : %2.<byte value="xd"/>
Les passages ne vont qu&apos;entre lignes du même type ; rien n&apos;a été déplacé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Types de traces différents</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>le déplacement</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>Le passage n° %1 remplacera le passage n° %2. Continuer ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Remplacer le passage</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>Copier le champ n° %1 vers quel champ : <byte value="xd"/>
Vous serez consulté avant qu&apos;un passage ne soit remplacé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Changement de champ</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Vous ne pouvez pas affecter les champs 1 à 5.<byte value="xd"/>
Un numéro de champ est un nombre entier de 6 à 250. Ressaisir ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Vous avez saisi un nombre non valide.<byte value="xd"/>
Un numéro de champ est un nombre entier de 6 à 250. Ressaisir ?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Nombre non valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>Copier le champ n° %1 vers quel champ : </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>la restauration</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Décaler les passages</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>« %1 » n&apos;est pas un nombre.<byte value="xd"/>
Saisissez-le en chiffres, par exemple 1.5 ou -0,25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Un décalage de %1 m dépasse les %2 m permis pour un décalage.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Un décalage de plus de %1 m dépasse les %2 m permis pour un décalage.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Sélectionnez d&apos;abord les passages à décaler.  Vous pouvez sélectionner plusieurs champs en <byte value="xd"/>
maintenant la touche CTRL enfoncée pendant le clic.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
Rien n&apos;a été déplacé.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Ces passages n&apos;ont pas été déplacés : leur position n&apos;est pas une latitude et une longitude.<byte value="xd"/>
Champ n° : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>le décalage</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>le changement</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>la copie</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Chaque trace circulaire est écrite comme un point en son centre : la carte ne contient aucun rayon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Chaque numéro de champ n&apos;est conservé que comme nom de son modèle de guidage.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Chaque ligne droite est écrite comme un modèle A+ : son point et son cap, sans point B.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Chaque trace circulaire est écrite comme un modèle pivot avec son seul centre : la carte ne contient aucun rayon.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>KML n&apos;a pas de ligne infinie : chaque ligne droite est écrite comme un segment de 400 m, 200 m de part et d&apos;autre de son point, son cap étant conservé dans les données étendues.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>Les altitudes sont écrites à 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>GeoJSON n&apos;a pas de ligne infinie : chaque ligne droite est écrite comme un segment de 400 m, 200 m de part et d&apos;autre de son point, le point et le cap étant conservés comme propriétés.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth et la plupart des logiciels de cartographie)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (KML compressé)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>Dossier de champ AgOpenGPS</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>Le champ %1 a été exclu : ses coordonnées ne correspondent à aucun lieu sur terre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>Les champs %1 ont été exclus : leurs coordonnées ne correspondent à aucun lieu sur terre.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>la trace est tronquée</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>la trace est illisible, ainsi que toutes les suivantes</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation>une courbe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation>une trace le long de la limite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>une trace de type inconnu</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>la ligne est illisible</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>Les lignes sont enregistrées en mètres autour du point de départ du champ, comme le logiciel du tracteur les enregistre : un dossier de champ est destiné aux passages d&apos;une seule exploitation.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Chaque passage est nommé d&apos;après son numéro de champ. Dans un dossier de champ existant, seuls %1 et %2 sont écrits, autour du point de départ propre au champ.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Chaque ligne droite est écrite comme une ligne A-B avec son point B 100 m plus loin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Chaque trace circulaire est écrite comme une trace pivot en son centre : la carte ne contient aucun rayon.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>Le fichier de lignes du dossier de champ contient plus de lignes qu&apos;aucun champ n&apos;en a besoin et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>Le fichier %1 du dossier de champ ne contient aucun point de départ correspondant à un lieu sur terre.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>Le fichier %1 du dossier de champ est illisible. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>Les fichiers du dossier de champ dépassent %1 et ne sont pas lus.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>Le dossier %1 ne contient pas de %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>Le dossier de champ ne contient ni %1 ni %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>ni ligne ni point</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>coordonnées illisibles</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>une surface, pas une ligne</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>aucun point</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>Le fichier n&apos;est pas du JSON lisible : il contient un nombre trop grand pour être lu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>Le fichier n&apos;est pas du JSON lisible (à l&apos;octet %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>La FeatureCollection GeoJSON n&apos;a pas de liste d&apos;entités.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>Le fichier n&apos;est pas du GeoJSON : il ne contient ni entité ni géométrie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>Le fichier GeoJSON contient une entité plus grande que ce dont une ligne a besoin.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>Le fichier GeoJSON est imbriqué sur plus de %1 niveaux et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>une trace enregistrée</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>fichier KML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>Le fichier n&apos;est pas du KML : son premier élément est &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>aucune direction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>un tracé fermé : il se termine là où il commence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>une courbe : ses points s&apos;écartent jusqu&apos;à %1 m d&apos;une ligne droite</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>aucun point B</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>Le %1 contient plus d&apos;éléments qu&apos;aucun fichier de lignes de sa taille et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>Le %1 n&apos;est pas du XML lisible (%2 à l&apos;octet %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>Le %1 est imbriqué sur plus de %2 niveaux et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 est illisible : %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>Le fichier %1 dépasse %2 avec les autres fichiers TaskData et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>Le fichier %1 dépasse %2 et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>Le fichier %1 est illisible.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>Le zip est endommagé : la taille d&apos;une entrée est illisible.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>Le zip se décompresse en plus de %1 et n&apos;est pas lu.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>L&apos;entrée %1 du zip ne peut pas être décompressée : %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>Le zip est endommagé : %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>Le zip est endommagé : une entrée se décompresse en plus que ce qu&apos;elle déclare.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>Le fichier n&apos;est pas une archive zip lisible (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>Le zip ne contient pas de TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>Le KMZ ne contient aucun fichier KML.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>Le fichier contient plus de 100 000 lignes ; les 100 000 premières sont affichées.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Plus de 1 000 éléments du fichier ne seront pas importés ; les 1 000 premiers sont listés.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>Le dossier %1 ne contient pas de TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Seuls les fichiers TaskData (un TASKDATA.XML ou un zip de celui-ci), KML, KMZ et GeoJSON, ainsi que les dossiers de champ AgOpenGPS, peuvent être lus.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>La lecture a été annulée.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>une spirale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>un type de modèle inconnu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>aucune ligne de guidage dans le modèle</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>fichier TaskData</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>Le fichier n&apos;est pas du TaskData ISO 11783 : son premier élément est &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>un fichier hors du dossier TaskData</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>son fichier est manquant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>fichier supplémentaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>son fichier n&apos;est pas du XML lisible</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 n° %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Passage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Probablement identique à</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Écart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Écart des caps</translation>
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
        <translation>%1, parcouru en sens inverse</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page introuvable&lt;/h1&gt;&lt;p&gt;Le fichier d&apos;aide n&apos;a pas de page lisible &lt;b&gt;%1&lt;/b&gt;. Il est peut-être endommagé ; réinstaller le programme le rétablit.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Importer des lignes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Lignes de guidage (%1);;Tous les fichiers (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>%1 n&apos;a pas pu être lu.
%2
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>Aucune ligne de guidage trouvée dans %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Ligne différente dans le même champ</translation>
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
        <translation>Sélectionnés</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>La fenêtre principale s&apos;affichera dans cette langue au prochain démarrage de %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+5"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>The language could not be kept for the next start.</source>
        <translation>La langue n&apos;a pas pu être conservée pour le prochain démarrage.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>%1 est déjà en cours d&apos;exécution avec le dossier de travail %2.<byte value="xd"/>
Utilisez la fenêtre ouverte : deux instances enregistreraient chacune leur propre image de carte temporaire par-dessus celle de l&apos;autre.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>déjà présent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>déjà présent comme image n° %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>conflit : l&apos;image n° %1 contient une autre ligne</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>ignoré</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>vers le même champ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>déplacé vers un champ libre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>copié sur la même ligne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>remplace l&apos;image n° %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>Les champs 1 à 5 sont réservés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>pas un champ de 6 à 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>un autre passage de cette fusion y va</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>ne tient pas : plus aucun champ libre</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Lignes de guidage : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>Source : %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Imprimé le %1, %2 passage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Imprimé le %1, %2 passages</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>« %1 » n&apos;affiche aucun passage à imprimer.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Lignes de guidage - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>Les passages n&apos;ont pas pu être imprimés.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>Fichiers PDF (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>Rien n&apos;a été écrit dans %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>seulement dans la sauvegarde</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>seulement sur la carte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>ligne différente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the same</source>
        <translation>identique</translation>
    </message>
</context>
<context>
    <name>swathkit::AB_Main</name>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+40"/>
        <location line="+345"/>
        <source>Reverse your last change.</source>
        <translation>Annule votre dernière modification.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>Votre carte -- non détectée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Sert de stockage intermédiaire pour fusionner plusieurs cartes.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Pour stocker les images de cartes.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Ctrl+clic pour une sélection multiple</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Écriture :</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Déplacer vers la carte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>Déplacer vers l&apos;image de carte temporaire</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>Trace &amp;droite</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>Trace &amp;circulaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;Lon / Lat</source>
        <translation>Afficher &amp;Lon / Lat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show &amp;DMS</source>
        <translation>Afficher &amp;DMS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Refresh Drives</source>
        <translation>&amp;Actualiser les lecteurs</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>&amp;Sauvegarder l&apos;image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>&amp;Copier carte à carte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>&amp;Fusionner la carte dans l&apos;image...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>&amp;Exporter les lignes...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>&amp;Importer des lignes...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>&amp;Déplacer vers l&apos;image de carte temporaire</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>&amp;Déplacer vers la carte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>C&amp;hanger le n° de champ...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Changer le numéro de champ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Déplacer les éléments sélectionnés vers le champ de votre choix.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Copy Field...</source>
        <translation>Co&amp;pier le champ...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Copy Field</source>
        <translation>Copier le champ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy field info to another field number.</source>
        <translation>Copier les informations du champ vers un autre numéro de champ.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>Effacer les champs sélectionnés.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>Déca&amp;ler les passages...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Décaler...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Plan des lignes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>Passages en &amp;double...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Type de trace</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>La&amp;ngue</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 passage sélectionné de « %2 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>%1 passages sélectionnés de « %2 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 passage sélectionné de « %2 »</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>%1 passages sélectionnés de « %2 »</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Passages en double</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Points à moins de :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Lignes droites : caps à moins de :</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>Aucune ligne droite en double trouvée dans ces limites.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>Aucune trace circulaire en double trouvée dans ces limites.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>%1 paire de lignes droites trouvée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>%1 paires de lignes droites trouvées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>%1 paire de traces circulaires trouvée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>%1 paires de traces circulaires trouvées</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, les plus proches en premier ; d&apos;autres suivent quand vous faites défiler vers le bas. Choisissez une rangée pour sélectionner les deux passages dans les listes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Choisissez une rangée pour sélectionner les deux passages dans les listes.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Lignes de :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>Les lignes de guidage trouvées dans %1. Celles qui sont cochées entrent dans l&apos;image de carte temporaire : une ligne qui a son propre numéro de champ le garde, les autres vont dans les premiers champs libres. Les points et lignes déjà présents ne sont pas cochés au départ. Rien ne change tant que vous n&apos;avez pas cliqué sur Importer.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+9"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Heading</source>
        <translation>Cap</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>Champ n°</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>Ne seront pas importés :</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Raison</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>un point, non désigné comme pivot</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>%1 ligne sur %2 cochée.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>%1 lignes sur %2 cochées.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>Aucun passage à afficher dans les deux listes.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Plan des lignes</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Tout afficher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Afficher tous les passages (ou double-cliquez sur le plan).</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1: %2   %3: %4</source>
        <translation>%1 : %2   %3 : %4</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Backup: %1</source>
        <translation>Sauvegarde : %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Different lines in field %1</source>
        <translation>Champs aux lignes différentes : %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Fusionner la carte dans l&apos;image</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Chaque ligne droite de Votre carte et ce que sa fusion dans l&apos;image de carte temporaire fera. Rien ne change tant que vous n&apos;avez pas cliqué sur Fusionner ; la carte est seulement lue.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Chaque trace circulaire de Votre carte et ce que sa fusion dans l&apos;image de carte temporaire fera. Rien ne change tant que vous n&apos;avez pas cliqué sur Fusionner ; la carte est seulement lue.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>N° champ carte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>Trouvé dans l&apos;image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>Vers n° champ image</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Chaque écriture sur une carte est d&apos;abord sauvegardée. Choisissez une sauvegarde pour voir en quoi ses passages diffèrent de Votre carte ; placez-les dans l&apos;image de carte temporaire, ou réécrivez les lignes de la sauvegarde sur la carte.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Créée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Lignes droites</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Traces circulaires</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Ouvrir un dossier...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Un dossier à vous : une copie « Sauvegarder l&apos;image », ou une carte copiée sur un autre disque</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your Card</source>
        <translation>Votre carte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>Vers l&apos;image de carte temporaire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>Les passages sélectionnés de la sauvegarde, ou tous quand aucun n&apos;est sélectionné</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Écrire sur la carte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>Les champs sélectionnés de la sauvegarde sur la carte, ou tout son fichier de lignes quand aucun n&apos;est sélectionné, après une nouvelle sauvegarde de la carte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>lecture...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Choisissez une sauvegarde pour la comparer à Votre carte.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Sauvegarde %1 de %2, %3 : </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>elle ne contient aucune ligne droite.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>elle ne contient aucune trace circulaire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 n&apos;est pas un fichier de lignes. Rien ne peut en être restauré.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 est endommagé : %2. Ses autres passages peuvent aller dans l&apos;image de carte temporaire ; il n&apos;est jamais écrit sur la carte. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>swathkit::ShiftDialog</name>
    <message>
        <location filename="../src/ui/shift_dialog.cpp" line="+18"/>
        <source>Shift Passes</source>
        <translation>Décaler les passages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Mètres vers l&apos;est et le nord</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Distance selon un azimut</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>Les nombres négatifs déplacent vers l&apos;ouest ou le sud. Le point ou la virgule décimale sont acceptés ; au plus %1 m. La direction de chaque ligne reste inchangée.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Décalage à appliquer à %1 :</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Distance (m) :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Mètres vers l&apos;&amp;est :</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Azimut (degrés depuis le nord) :</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Mètres vers le &amp;nord :</translation>
    </message>
</context>
</TS>
