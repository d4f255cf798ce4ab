<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>swathkit</name>
    <message>
        <location filename="../src/card/backup.cpp" line="+22"/>
        <source>Error during backup of file.</source>
        <translation>Erro durante o backup do arquivo.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>The card could not be backed up first.<byte value="xd"/>
Write to it without a backup? Its lines are then replaced with no copy of them kept.</source>
        <translation>Não foi possível fazer antes o backup do cartão.<byte value="xd"/>
Gravar nele sem backup? Suas linhas serão substituídas sem que nenhuma cópia delas seja mantida.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Backup</source>
        <translation>Sem backup</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The chosen folder is on the card itself.<byte value="xd"/>
Choose a folder on the PC; nothing has been copied.</source>
        <translation>A pasta escolhida está no próprio cartão.<byte value="xd"/>
Escolha uma pasta no PC; nada foi copiado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+23"/>
        <location line="+27"/>
        <source>Invalid Save</source>
        <translation>Gravação inválida</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>The card could not be copied whole into %1.<byte value="xd"/>
The files copied before the problem are there.</source>
        <translation>Não foi possível copiar o cartão inteiro para %1.<byte value="xd"/>
Os arquivos copiados antes do problema estão lá.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You have selected to backup your C:\ or you have<byte value="xd"/>
selected a drive that is not valid.  This program will <byte value="xd"/>
not backup your C:\ or an invalid drive.</source>
        <translation>Você selecionou fazer backup do seu C:\ ou<byte value="xd"/>
selecionou uma unidade inválida.  Este programa não <byte value="xd"/>
faz backup do seu C:\ nem de uma unidade inválida.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Invalid Drive</source>
        <translation>Unidade inválida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You have selected to backup your %1.<byte value="xd"/>
If this is not ok, choose No and select a new card drive.</source>
        <translation>Você selecionou fazer backup de %1.<byte value="xd"/>
Se não estiver correto, escolha Não e selecione outra unidade do cartão.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Verify Card Drive</source>
        <translation>Confirmar unidade do cartão</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No data has been saved.</source>
        <translation>Nenhum dado foi salvo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your datacard has been successfully saved.</source>
        <translation>Seu cartão de dados foi salvo com sucesso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Successful Save!</source>
        <translation>Salvo com sucesso!</translation>
    </message>
    <message>
        <location filename="../src/card/card.cpp" line="+137"/>
        <source>The card&apos;s line file %1 is damaged: %2.<byte value="xd"/>
The passes that could be read are shown; move them into the Temporary Card Image to keep them.<byte value="xd"/>
The card is not written before you have agreed.</source>
        <translation>O arquivo de linhas %1 do cartão está danificado: %2.<byte value="xd"/>
As passadas que puderam ser lidas são mostradas; mova-as para a Imagem Temporária do Cartão para mantê-las.<byte value="xd"/>
O cartão não é gravado antes da sua confirmação.</translation>
    </message>
    <message>
        <location filename="../src/card/card.h" line="+11"/>
        <source>Your Card -- Not Detected</source>
        <translation>Seu Cartão -- Não detectado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your Card -- Available %1</source>
        <translation>Seu Cartão -- Disponível %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Damaged Card File</source>
        <translation>Arquivo do cartão danificado</translation>
    </message>
    <message>
        <location filename="../src/card/card_copy.cpp" line="+11"/>
        <source>Please insert second card and press ok.</source>
        <translation>Insira o segundo cartão e clique em OK.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue with Card</source>
        <translation>Continuar com o cartão</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Choose the drive of the card you have put in.</source>
        <translation>Escolha a unidade do cartão que você inseriu.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Card Drive</source>
        <translation>Unidade do cartão</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>The card could not be written (%1).<byte value="xd"/>
Its files that were not replaced yet are unchanged.</source>
        <translation>Não foi possível gravar o cartão (%1).<byte value="xd"/>
Os arquivos dele que ainda não foram substituídos estão inalterados.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy Failed</source>
        <translation>Falha na cópia</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The AB-Line and Circle Info on this card will be <byte value="xd"/>
completely replaced.  Is it ok to continue?</source>
        <translation>As informações de linhas AB e círculos deste cartão serão <byte value="xd"/>
totalmente substituídas.  Deseja continuar?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue with Copy</source>
        <translation>Continuar com a cópia</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Image has been successfully saved.<byte value="xd"/>
Would you like to copy this image to another card?</source>
        <translation>A imagem foi salva com sucesso.<byte value="xd"/>
Deseja copiar esta imagem para outro cartão?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another Copy</source>
        <translation>Outra cópia</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This card image has been successfully saved.</source>
        <translation>Esta imagem do cartão foi salva com sucesso.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy Complete</source>
        <translation>Cópia concluída</translation>
    </message>
    <message>
        <location filename="../src/card/drives.h" line="+17"/>
        <source>/ [This Computer]</source>
        <translation>/ [Este computador]</translation>
    </message>
    <message>
        <location filename="../src/card/restore.cpp" line="+40"/>
        <source>%1 pass</source>
        <translation>%1 passada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes</source>
        <translation>%1 passadas</translation>
    </message>
    <message>
        <location line="+14"/>
        <location filename="../src/edit/move_passes.cpp" line="+37"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+64"/>
        <source>straight lines</source>
        <translation>linhas retas</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../src/edit/move_passes.cpp" line="+0"/>
        <location filename="../src/ui/restore_dialog.cpp" line="+0"/>
        <source>circle tracks</source>
        <translation>trilhas circulares</translation>
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
        <translation>nenhuma</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>damaged: %1 readable</source>
        <translation>danificado; foi possível ler %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not a line file</source>
        <translation>não é um arquivo de linhas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cannot be read. %1</source>
        <translation>não pode ser lido. %1</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>%1 only in the backup</source>
        <translation>%1 só no backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 only on the card</source>
        <translation>%1 só no cartão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 different</source>
        <translation>%1 com diferença</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 the same</source>
        <translation>%1 sem diferença</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No passes in the backup or on the card.</source>
        <translation>Nenhuma passada no backup nem no cartão.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>unknown card</source>
        <translation>cartão desconhecido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (this card)</source>
        <translation>%1 (este cartão)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 (another card)</source>
        <translation>%1 (outro cartão)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>This backup was made from another card (%1) than the one in the reader (%2).<byte value="xd"/>
</source>
        <translation>Este backup foi feito de outro cartão (%1), não do que está no leitor (%2).<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its label unknown</source>
        <translation>rótulo desconhecido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no label</source>
        <translation>sem rótulo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace all the %1 on the card %2 with those of the backup %3 (%4)?<byte value="xd"/>
The card&apos;s own %1 are backed up first.</source>
        <translation>Substituir todas as %1 do cartão %2 pelas do backup %3 (%4)?<byte value="xd"/>
Antes, é feito um backup das %1 do próprio cartão.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Write %1 of the backup %2 onto the card %3?<byte value="xd"/>
</source>
        <translation>Gravar %1 do backup %2 no cartão %3?<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The backup has no pass in %1: the card&apos;s is erased.<byte value="xd"/>
</source>
        <translation>O backup não tem passada em %1: a do cartão é apagada.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The card&apos;s other %1 stay as they are; all are backed up first.</source>
        <translation>As demais %1 do cartão ficam como estão; antes, é feito um backup de todas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Write to Card</source>
        <translation>Gravar no cartão</translation>
    </message>
    <message>
        <location filename="../src/card/save.cpp" line="+111"/>
        <source>The card&apos;s line file is damaged: %1.<byte value="xd"/>
Writing replaces it with the passes shown. The damaged file is kept first in a new backup folder under<byte value="xd"/>
%2.<byte value="xd"/>
Write to the card?</source>
        <translation>O arquivo de linhas do cartão está danificado: %1.<byte value="xd"/>
A gravação o substitui pelas passadas mostradas. Antes, o arquivo danificado é guardado em uma nova pasta de backup em<byte value="xd"/>
%2.<byte value="xd"/>
Gravar no cartão?</translation>
    </message>
    <message>
        <location filename="../src/commands/commands.cpp" line="+96"/>
        <source>Help File could not be found!</source>
        <translation>O arquivo de Ajuda não foi encontrado!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No Help</source>
        <translation>Sem ajuda</translation>
    </message>
    <message>
        <location filename="../src/commands/export_command.cpp" line="+14"/>
        <location filename="../src/ui/export_dialog.cpp" line="+20"/>
        <source>Export Lines</source>
        <translation>Exportar linhas</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds no straight lines to export.</source>
        <translation>%1 não tem linhas retas para exportar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no circle tracks to export.</source>
        <translation>%1 não tem trilhas circulares para exportar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Please give the name of the file to write.</source>
        <translation>Informe o nome do arquivo a ser gravado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Nothing was written to %1.<byte value="xd"/>
%2</source>
        <translation>Nada foi gravado em %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The lines could not be written to %1.<byte value="xd"/>
Check that the folder exists and can be written; any file that was there is unchanged.</source>
        <translation>Não foi possível gravar as linhas em %1.<byte value="xd"/>
Verifique se a pasta existe e permite gravação; um arquivo que já estava lá continua inalterado.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 pass written to %2.</source>
        <translation>%1 passada gravada em %2.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 passes written to %2.</source>
        <translation>%1 passadas gravadas em %2.</translation>
    </message>
    <message>
        <location filename="../src/core/error_messages.h" line="+14"/>
        <source>Error 100-1.  Failed Saving MasterCopy File.</source>
        <translation>Erro 100-1.  Falha ao salvar o arquivo da cópia mestre.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Error Saving Master Copy</source>
        <translation>Erro ao salvar a cópia mestre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error 100-2.  Failed Saving ABLines File., Invalid Save<byte value="xd"/>
The card could not be written. The left-hand list shows what the card holds now.<byte value="xd"/>
Put the card back in the reader, with its write protection off, press Refresh and make the change again.</source>
        <translation>Erro 100-2.  Falha ao salvar o arquivo ABLines., Gravação inválida<byte value="xd"/>
Não foi possível gravar o cartão. A lista da esquerda mostra o que o cartão contém agora.<byte value="xd"/>
Recoloque o cartão no leitor, com a proteção contra gravação desativada, clique em Atualizar e faça a alteração novamente.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error Saving</source>
        <translation>Erro ao Salvar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Error 200-1 <byte value="xd"/>
Problem creating \Swathkit\Backup folder.</source>
        <translation>Erro de backup 200-1 <byte value="xd"/>
Problema ao criar a pasta \Swathkit\Backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Backup Error</source>
        <translation>Erro de backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 300-1 <byte value="xd"/>
There was an error reading this drive.<byte value="xd"/>
Check that the card is properly inserted, that you<byte value="xd"/>
have selected the correct drive letter, and that<byte value="xd"/>
this drive contains valid tracking data.</source>
        <translation>Erro 300-1 <byte value="xd"/>
Houve um erro ao ler esta unidade.<byte value="xd"/>
Verifique se o cartão está inserido corretamente, se você<byte value="xd"/>
selecionou a letra de unidade correta e se<byte value="xd"/>
esta unidade contém dados de guia válidos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Error with Card</source>
        <translation>Erro no cartão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 400-1  Error during drive refresh.</source>
        <translation>Erro 400-1  Erro ao atualizar as unidades.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Drive Refresh Error</source>
        <translation>Erro ao atualizar unidades</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Error 500-1<byte value="xd"/>
There was a problem saving to the card.</source>
        <translation>Erro 500-1<byte value="xd"/>
Houve um problema ao salvar no cartão.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Save</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card in the reader is not the card shown.<byte value="xd"/>
Nothing has been written to it. Its own lines are shown now;<byte value="xd"/>
make the change again if it is meant for this card.</source>
        <translation>O cartão no leitor não é o cartão mostrado.<byte value="xd"/>
Nada foi gravado nele. As linhas dele são mostradas agora;<byte value="xd"/>
faça a alteração novamente se ela for para este cartão.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Card Changed</source>
        <translation>Cartão trocado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The master copy %1 has been saved by another program since this one read it.<byte value="xd"/>
Nothing has been written to it. Its own passes are shown now; make your change again.<byte value="xd"/>
(Undo shows the Temporary Card Image as it was here.)</source>
        <translation>A cópia mestre %1 foi salva por outro programa depois que este a leu.<byte value="xd"/>
Nada foi gravado nela. As passadas dela são mostradas agora; faça sua alteração novamente.<byte value="xd"/>
(Desfazer mostra a Imagem Temporária do Cartão como estava aqui.)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Master Copy Changed</source>
        <translation>Cópia mestre alterada</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The card is write-protected.</source>
        <translation>O cartão está protegido contra gravação.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The folder cannot be written to.</source>
        <translation>Não é possível gravar na pasta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no room left on the card.</source>
        <translation>Não há mais espaço no cartão.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>There is no room left on the disk.</source>
        <translation>Não há mais espaço no disco.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The card was taken out.</source>
        <translation>O cartão foi removido.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The folder is not there.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no file %1.</source>
        <translation>O arquivo %1 não existe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The system gave this reason: %1.</source>
        <translation>O sistema informou este motivo: %1.</translation>
    </message>
    <message>
        <location filename="../src/core/line_file.cpp" line="+154"/>
        <source>%1 could not be read</source>
        <translation>não foi possível ler %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not every line holds one record, though every record could be read</source>
        <translation>nem toda linha contém um registro, embora todos os registros tenham sido lidos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>record %1</source>
        <translation>o registro %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>records %1</source>
        <translation>os registros %1</translation>
    </message>
    <message>
        <location filename="../src/core/master_copy.cpp" line="+31"/>
        <source>The passes that could be read are shown in the Temporary Card Image.</source>
        <translation>As passadas que puderam ser lidas são mostradas na Imagem Temporária do Cartão.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image starts empty.</source>
        <translation>A Imagem Temporária do Cartão começa vazia.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The damaged file has been kept as %1.</source>
        <translation>O arquivo danificado foi guardado como %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It could not be kept aside, so it is not saved over until it can be.</source>
        <translation>Não foi possível guardá-lo à parte; por isso, ele não será sobrescrito até que isso seja possível.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Damaged Master Copy</source>
        <translation>Cópia mestre danificada</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The master copy %1 is damaged: %2 could not be read.</source>
        <translation>A cópia mestre %1 está danificada: não foi possível ler %2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The master copy %1 could not be read.<byte value="xd"/>
%2</source>
        <translation>Não foi possível ler a cópia mestre %1.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <location filename="../src/core/program.h" line="+20"/>
        <source>Your Card</source>
        <translation>Seu Cartão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temporary Card Image</source>
        <translation>Imagem Temporária do Cartão</translation>
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
        <translation>Campo nº</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Heading</source>
        <translation>Rumo</translation>
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
        <translation>%1, passadas selecionadas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Straight</source>
        <translation>Reta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle</source>
        <translation>Circular</translation>
    </message>
    <message>
        <location filename="../src/display/print_sheet.h" line="+0"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../src/edit/edit_step.cpp" line="+45"/>
        <source>%1 of fields %2 and %3 more</source>
        <translation>%1 dos campos %2 e mais %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of field %2</source>
        <translation>%1 do campo %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of fields %2</source>
        <translation>%1 dos campos %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <location filename="../src/edit/erase_undo.cpp" line="+14"/>
        <source>You have not selected any entries.</source>
        <translation>Você não selecionou nenhum item.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/edit/move_passes.cpp" line="+9"/>
        <location filename="../src/edit/shift_passes.cpp" line="+95"/>
        <source>Nothing Selected</source>
        <translation>Nada selecionado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Are you sure you want to clear the selected items?</source>
        <translation>Tem certeza de que deseja apagar os itens selecionados?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Verify Clear</source>
        <translation>Confirmar exclusão</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Erase</source>
        <translation>exclusão</translation>
    </message>
    <message>
        <location filename="../src/edit/import_passes.cpp" line="+56"/>
        <source>a straight line, and Circle Track is checked</source>
        <translation>uma linha reta, e Trilha circular está marcada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a circle track, and Straight Track is checked</source>
        <translation>uma trilha circular, e Trilha reta está marcada</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../src/exchange/import_lines.cpp" line="+29"/>
        <source>coordinates out of range</source>
        <translation>coordenadas fora do intervalo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="+91"/>
        <source>no heading</source>
        <translation>sem rumo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>at latitude 0, longitude 0, which the card takes for an empty field</source>
        <translation>na latitude 0, longitude 0, que o cartão entende como campo vazio</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>straight line</source>
        <translation>linha reta</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>circle track</source>
        <translation>trilha circular</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>first free</source>
        <translation>primeiro livre</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 line did not come in.</source>
        <translation>A Imagem Temporária do Cartão não tem mais campo livre:<byte value="xd"/>
%1 linha não entrou.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Temporary Card Image has no free field left:<byte value="xd"/>
%1 lines did not come in.</source>
        <translation>A Imagem Temporária do Cartão não tem mais campo livre:<byte value="xd"/>
%1 linhas não entraram.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No Free Field</source>
        <translation>Nenhum campo livre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import</source>
        <translation>importação</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>already in the image (field %1)</source>
        <translation>já está na imagem (campo %1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the same as row %1</source>
        <translation>igual à linha %1 da lista</translation>
    </message>
    <message>
        <location filename="../src/edit/merge_card.cpp" line="+151"/>
        <source>%1 new, %2 already there, %3 moved, %4 field left free after the merge.</source>
        <translation>Novas: %1, já existentes: %2, movidas: %3; %4 campo fica livre após a mesclagem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 new, %2 already there, %3 moved, %4 fields left free after the merge.</source>
        <translation>Novas: %1, já existentes: %2, movidas: %3; %4 campos ficam livres após a mesclagem.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pass does not fit: untick them or give each a field to replace.</source>
        <translation>%1 passada não cabe: desmarque-a ou indique um campo para ela substituir.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 passes do not fit: untick them or give each a field to replace.</source>
        <translation>%1 passadas não cabem: desmarque-as ou indique para cada uma um campo a substituir.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 pass needs another field.</source>
        <translation>%1 passada precisa de outro campo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 passes need another field.</source>
        <translation>%1 passadas precisam de outro campo.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Your card holds no straight lines to merge.</source>
        <translation>Seu cartão não tem linhas retas para mesclar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your card holds no circle tracks to merge.</source>
        <translation>Seu cartão não tem trilhas circulares para mesclar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Merge Card into Image</source>
        <translation>Mesclar cartão na imagem</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Merge</source>
        <translation>mesclagem</translation>
    </message>
    <message>
        <location filename="../src/edit/move_passes.cpp" line="-10"/>
        <source>no lines</source>
        <translation>nenhuma linha</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make sure you have selected at least one field to <byte value="xd"/>
move across.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Verifique se você selecionou pelo menos um campo para <byte value="xd"/>
mover.  Você pode selecionar vários campos <byte value="xd"/>
mantendo a tecla CTRL pressionada enquanto clica.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Your Card shows %1 and the Temporary Card Image %2.<byte value="xd"/>
Passes go only between lines of one kind; nothing has been moved.</source>
        <translation>Seu Cartão mostra %1 e a Imagem Temporária do Cartão, %2.<byte value="xd"/>
As passadas só vão entre linhas do mesmo tipo; nada foi movido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Different Track Kinds</source>
        <translation>Tipos de trilha diferentes</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Move</source>
        <translation>transferência</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Pass #%1 will replace pass #%2. Is this ok?</source>
        <translation>A passada nº %1 vai substituir a passada nº %2. Confirma?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Replace Pass</source>
        <translation>Substituir passada</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Copy field #%1 to which field: <byte value="xd"/>
You will be asked before a pass is replaced.</source>
        <translation>Copiar o campo nº %1 para qual campo: <byte value="xd"/>
Você será consultado antes que uma passada seja substituída.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+11"/>
        <source>Field Shuffle</source>
        <translation>Troca de campos</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>You&apos;ve can not assign to Field 1-5.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Não é possível usar os campos 1 a 5.<byte value="xd"/>
O número do campo é um número inteiro de 6 a 250. Digitar novamente?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You&apos;ve entered an invalid number.<byte value="xd"/>
A field number is a whole number from 6 to 250. Re-Enter?</source>
        <translation>Você digitou um número inválido.<byte value="xd"/>
O número do campo é um número inteiro de 6 a 250. Digitar novamente?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invalid Number</source>
        <translation>Número inválido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copy field #%1 to which field: </source>
        <translation>Copiar o campo nº %1 para qual campo: </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Restore</source>
        <translation>restauração</translation>
    </message>
    <message>
        <location filename="../src/edit/shift_passes.cpp" line="-79"/>
        <source>Shift Passes</source>
        <translation>Deslocar passadas</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>&quot;%1&quot; is not a number.<byte value="xd"/>
Type it in digits, such as 1.5 or -0,25.</source>
        <translation>&quot;%1&quot; não é um número.<byte value="xd"/>
Digite-o em algarismos, como 1.5 ou -0,25.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A shift of %1 m is further than the %2 m a shift may be.</source>
        <translation>Um deslocamento de %1 m ultrapassa os %2 m permitidos.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A shift of over %1 m is further than the %2 m a shift may be.</source>
        <translation>Um deslocamento de mais de %1 m ultrapassa os %2 m permitidos.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Select the passes to shift first.  You can select multiple fields by <byte value="xd"/>
holding the CTRL-key while you click.</source>
        <translation>Selecione antes as passadas a deslocar.  Você pode selecionar vários campos <byte value="xd"/>
mantendo a tecla CTRL pressionada enquanto clica.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1<byte value="xd"/>
Nothing has been moved.</source>
        <translation>%1<byte value="xd"/>
Nada foi movido.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>These passes were not moved: their position is not a latitude and longitude.<byte value="xd"/>
Field #: %1</source>
        <translation>Estas passadas não foram movidas: a posição delas não é uma latitude e longitude.<byte value="xd"/>
Campo nº: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift</source>
        <translation>deslocamento</translation>
    </message>
    <message>
        <location filename="../src/edit/shuffle_fields.cpp" line="+50"/>
        <source>Change</source>
        <translation>renumeração</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Copy</source>
        <translation>cópia</translation>
    </message>
    <message>
        <location filename="../src/exchange/export_lines.cpp" line="-233"/>
        <source>Each circle track is written as a point at its centre: the card holds no radius.</source>
        <translation>Cada trilha circular é gravada como um ponto no seu centro: o cartão não guarda o raio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each field number is kept only as the name of its guidance pattern.</source>
        <translation>Cada número de campo é mantido apenas como o nome do seu padrão de guia.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each straight line is written as an A+ pattern: its point and heading, with no B point.</source>
        <translation>Cada linha reta é gravada como um padrão A+: seu ponto e rumo, sem ponto B.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot pattern with its centre only: the card holds no radius.</source>
        <translation>Cada trilha circular é gravada como um padrão de pivô, só com o centro: o cartão não guarda o raio.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>KML has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with its heading kept as extended data.</source>
        <translation>O KML não tem linha infinita: cada linha reta é gravada como um segmento de 400 m, 200 m para cada lado do seu ponto, com o rumo mantido em dados estendidos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Heights are written as 0.</source>
        <translation>As altitudes são gravadas como 0.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>GeoJSON has no endless line: each straight line is written as a segment 400 m long, 200 m either side of its point, with the point and heading kept as properties.</source>
        <translation>O GeoJSON não tem linha infinita: cada linha reta é gravada como um segmento de 400 m, 200 m para cada lado do seu ponto, com o ponto e o rumo mantidos como propriedades.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>KML (Google Earth and most map programs)</source>
        <translation>KML (Google Earth e a maioria dos programas de mapas)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>KMZ (KML zipped)</source>
        <translation>KMZ (KML compactado)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>AgOpenGPS field folder</source>
        <translation>Pasta de campo do AgOpenGPS</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Field %1 was left out: its coordinates are not a place on earth.</source>
        <translation>O campo %1 foi deixado de fora: suas coordenadas não são um lugar na Terra.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fields %1 were left out: their coordinates are not a place on earth.</source>
        <translation>Os campos %1 foram deixados de fora: suas coordenadas não são um lugar na Terra.</translation>
    </message>
    <message>
        <location filename="../src/exchange/field_folder.cpp" line="+114"/>
        <source>the track is cut off</source>
        <translation>a trilha está cortada</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the track cannot be read, nor any after it</source>
        <translation>a trilha não pode ser lida, nem as seguintes</translation>
    </message>
    <message>
        <location line="+13"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-23"/>
        <source>a curve</source>
        <translation>uma curva</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a track along the boundary</source>
        <translation>uma trilha ao longo do limite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a track of an unknown kind</source>
        <translation>uma trilha de tipo desconhecido</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the line cannot be read</source>
        <translation>a linha não pode ser lida</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>The lines are held in metres around the start fix of the field, as the tractor&apos;s software holds them: a field folder is meant for the passes of one farm.</source>
        <translation>As linhas são guardadas em metros em torno do ponto inicial do campo, como o software do trator as guarda: uma pasta de campo serve para as passadas de uma só fazenda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each pass is named by its field number. Into a field folder that is there, only %1 and %2 are written, around the field&apos;s own start fix.</source>
        <translation>Cada passada recebe o nome do seu número de campo. Em uma pasta de campo já existente, só %1 e %2 são gravados, em torno do ponto inicial do próprio campo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each straight line is written as an A-B line with its B point 100 m ahead.</source>
        <translation>Cada linha reta é gravada como uma linha A-B com o ponto B 100 m à frente.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Each circle track is written as a pivot track at its centre: the card holds no radius.</source>
        <translation>Cada trilha circular é gravada como uma trilha de pivô no seu centro: o cartão não guarda o raio.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The field folder&apos;s lines file holds more lines than any field needs and is not read.</source>
        <translation>O arquivo de linhas da pasta de campo contém mais linhas do que qualquer campo precisa e não é lido.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The field folder&apos;s %1 holds no start fix that is a place on earth.</source>
        <translation>O arquivo %1 da pasta de campo não tem um ponto inicial que seja um lugar na Terra.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The field folder&apos;s %1 cannot be read. %2</source>
        <translation>O arquivo %1 da pasta de campo não pode ser lido. %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder&apos;s files are larger than %1 and are not read.</source>
        <translation>Os arquivos da pasta de campo são maiores que %1 e não são lidos.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The folder %1 holds no %2.</source>
        <translation>A pasta %1 não contém %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The field folder holds no %1 nor %2.</source>
        <translation>A pasta de campo não contém %1 nem %2.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_geojson.cpp" line="+74"/>
        <location line="+18"/>
        <location filename="../src/exchange/import_lines.cpp" line="+6"/>
        <source>no line or point</source>
        <translation>nenhuma linha ou ponto</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+4"/>
        <location filename="../src/exchange/import_kml.cpp" line="+91"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-8"/>
        <location line="+26"/>
        <source>coordinates not readable</source>
        <translation>coordenadas ilegíveis</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/exchange/import_kml.cpp" line="+6"/>
        <source>an area, not a line</source>
        <translation>uma área, não uma linha</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/exchange/import_lines.cpp" line="-5"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-33"/>
        <location line="+29"/>
        <source>no point</source>
        <translation>nenhum ponto</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The file is not readable JSON: it holds a number too large to read.</source>
        <translation>O arquivo não é um JSON legível: contém um número grande demais para ser lido.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not readable JSON (at byte %1).</source>
        <translation>O arquivo não é um JSON legível (no byte %1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON FeatureCollection has no list of features.</source>
        <translation>A FeatureCollection do GeoJSON não tem lista de features.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not GeoJSON: it holds no feature and no geometry.</source>
        <translation>O arquivo não é GeoJSON: não contém nenhuma feature nem geometria.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file holds a feature larger than any line needs.</source>
        <translation>O arquivo GeoJSON contém uma feature maior do que qualquer linha precisa.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The GeoJSON file is nested more than %1 levels deep and is not read.</source>
        <translation>O arquivo GeoJSON tem mais de %1 níveis de aninhamento e não é lido.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_kml.cpp" line="-2"/>
        <source>a recorded track</source>
        <translation>uma trilha gravada</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>KML file</source>
        <translation>arquivo KML</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The file is not KML: its first element is &lt;%1&gt;.</source>
        <translation>O arquivo não é KML: seu primeiro elemento é &lt;%1&gt;.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_lines.cpp" line="+1"/>
        <source>no direction</source>
        <translation>sem direção</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a closed path: it ends where it starts</source>
        <translation>um caminho fechado: termina onde começa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a curve: its points stray up to %1 m from a straight line</source>
        <translation>uma curva: seus pontos se afastam até %1 m de uma linha reta</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../src/exchange/import_taskdata.cpp" line="-25"/>
        <source>no B point</source>
        <translation>sem ponto B</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The %1 holds more elements than any file of lines of its size and is not read.</source>
        <translation>O %1 contém mais elementos do que qualquer arquivo de linhas do seu tamanho e não é lido.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is not readable XML (%2 at byte %3).</source>
        <translation>O %1 não é um XML legível (%2 no byte %3).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The %1 is nested more than %2 levels deep and is not read.</source>
        <translation>O %1 tem mais de %2 níveis de aninhamento e não é lido.</translation>
    </message>
    <message>
        <location line="+258"/>
        <source>The file %1 cannot be read: %2.</source>
        <translation>O arquivo %1 não pode ser lido: %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file %1 is larger than %2 together with the TaskData&apos;s other files and is not read.</source>
        <translation>O arquivo %1 é maior que %2 junto com os outros arquivos do TaskData e não é lido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file %1 is larger than %2 and is not read.</source>
        <translation>O arquivo %1 é maior que %2 e não é lido.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The file %1 cannot be read.</source>
        <translation>O arquivo %1 não pode ser lido.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The zip is damaged: an entry&apos;s size cannot be read.</source>
        <translation>O zip está danificado: o tamanho de uma entrada não pode ser lido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip unpacks to more than %1 and is not read.</source>
        <translation>O zip descompactado passa de %1 e não é lido.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The zip&apos;s entry %1 cannot be unpacked: %2.</source>
        <translation>A entrada %1 do zip não pode ser descompactada: %2.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The zip is damaged: %1.</source>
        <translation>O zip está danificado: %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The zip is damaged: an entry unpacks to more than it declares.</source>
        <translation>O zip está danificado: uma entrada descompacta para mais do que declara.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The file is not a readable zip archive (%1).</source>
        <translation>O arquivo não é um arquivo zip legível (%1).</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>The zip holds no TASKDATA.XML.</source>
        <translation>O zip não contém TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The KMZ holds no KML file.</source>
        <translation>O KMZ não contém arquivo KML.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The file holds more than 100,000 lines; the first 100,000 are shown.</source>
        <translation>O arquivo contém mais de 100.000 linhas; as primeiras 100.000 são mostradas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>More than 1,000 things in the file will not come in; the first 1,000 are listed.</source>
        <translation>Mais de 1.000 itens do arquivo não vão entrar; os primeiros 1.000 são listados.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The folder %1 holds no TASKDATA.XML.</source>
        <translation>A pasta %1 não contém TASKDATA.XML.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Only TaskData (a TASKDATA.XML or a zip of it), KML, KMZ and GeoJSON files, and AgOpenGPS field folders, can be read.</source>
        <translation>Só podem ser lidos arquivos TaskData (um TASKDATA.XML ou um zip dele), KML, KMZ e GeoJSON, e pastas de campo do AgOpenGPS.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_support.h" line="+20"/>
        <source>The reading was cancelled.</source>
        <translation>A leitura foi cancelada.</translation>
    </message>
    <message>
        <location filename="../src/exchange/import_taskdata.cpp" line="+13"/>
        <source>a spiral</source>
        <translation>uma espiral</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>an unknown kind of pattern</source>
        <translation>um tipo de padrão desconhecido</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no guidance line in the pattern</source>
        <translation>nenhuma linha de guia no padrão</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>TaskData file</source>
        <translation>arquivo TaskData</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file is not ISO 11783 TaskData: its first element is &lt;%1&gt;.</source>
        <translation>O arquivo não é TaskData ISO 11783: seu primeiro elemento é &lt;%1&gt;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a file outside the TaskData&apos;s folder</source>
        <translation>um arquivo fora da pasta do TaskData</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is missing</source>
        <translation>o arquivo dele está faltando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>further file</source>
        <translation>arquivo adicional</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its file is not readable XML</source>
        <translation>o arquivo dele não é um XML legível</translation>
    </message>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+25"/>
        <source>%1 #%2</source>
        <translation>%1 nº %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pass</source>
        <translation>Passada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Probably the same as</source>
        <translation>Provavelmente igual a</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apart</source>
        <translation>Distância</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Headings differ by</source>
        <translation>Diferença de rumo</translation>
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
        <translation>%1, percorrida no sentido oposto</translation>
    </message>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+47"/>
        <source>%1 Help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The help file has no readable page &lt;b&gt;%1&lt;/b&gt;. It may be damaged; installing the program again restores it.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;body&gt;&lt;h1&gt;Página não encontrada&lt;/h1&gt;&lt;p&gt;O arquivo de ajuda não tem uma página legível &lt;b&gt;%1&lt;/b&gt;. Ele pode estar danificado; instalar o programa novamente o restaura.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="+24"/>
        <source>Import Lines</source>
        <translation>Importar linhas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Reading %1...</source>
        <translation>Lendo %1...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+146"/>
        <source>Guidance lines (%1);;All files (%2)</source>
        <translation>Linhas de guia (%1);;Todos os arquivos (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 could not be read.
%2
Nothing has been changed.</source>
        <translation>Não foi possível ler %1.
%2
Nada foi alterado.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No guidance lines were found in %1.</source>
        <translation>Nenhuma linha de guia foi encontrada em %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/line_map.cpp" line="-99"/>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Different line in the same field</source>
        <translation>Linha diferente no mesmo campo</translation>
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
        <translation>Selecionada</translation>
    </message>
    <message>
        <location filename="../src/ui/main_window.cpp" line="+90"/>
        <source>The main window shows this language when %1 starts again.</source>
        <translation>A janela principal mostrará este idioma quando o %1 for iniciado novamente.</translation>
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
        <translation>Não foi possível manter o idioma para a próxima inicialização.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 is already running with the work folder %2.<byte value="xd"/>
Use the window that is open: two copies would each save their own Temporary Card Image over the other&apos;s.</source>
        <translation>O %1 já está em execução com a pasta de trabalho %2.<byte value="xd"/>
Use a janela que está aberta: duas cópias salvariam cada uma a sua Imagem Temporária do Cartão por cima da outra.</translation>
    </message>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+20"/>
        <source>new</source>
        <translation>nova</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>already there</source>
        <translation>já existe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>already there as image #%1</source>
        <translation>já existe como imagem nº %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>clash: image #%1 holds another line</source>
        <translation>conflito: a imagem nº %1 tem outra linha</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>skipped</source>
        <translation>ignorada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>to the same field</source>
        <translation>para o mesmo campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>moved to a free field</source>
        <translation>movida para um campo livre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>copied over the same line</source>
        <translation>copiada sobre a mesma linha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>replaces image #%1</source>
        <translation>substitui a imagem nº %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fields 1-5 are reserved</source>
        <translation>Os campos 1 a 5 são reservados</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a field from 6 to 250</source>
        <translation>não é um campo de 6 a 250</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>another pass of this merge goes there</source>
        <translation>outra passada desta mesclagem vai para lá</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>does not fit: no free field left</source>
        <translation>não cabe: não há mais campo livre</translation>
    </message>
    <message>
        <location filename="../src/ui/print_sheet.cpp" line="+20"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Guidance lines: %1</source>
        <translation>Linhas de guia: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>From %1</source>
        <translation>Origem: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Printed %1, %2 pass</source>
        <translation>Impresso em %1, %2 passada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Printed %1, %2 passes</source>
        <translation>Impresso em %1, %2 passadas</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>%1 shows no passes to print.</source>
        <translation>%1 não mostra passadas para imprimir.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+24"/>
        <source>Guidance lines - %1</source>
        <translation>Linhas de guia - %1</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>The passes could not be printed.</source>
        <translation>Não foi possível imprimir as passadas.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PDF files (%1)</source>
        <translation>Arquivos PDF (%1)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Nothing was written to %1.</source>
        <translation>Nada foi gravado em %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="-26"/>
        <source>only in the backup</source>
        <translation>só no backup</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>only on the card</source>
        <translation>só no cartão</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>different line</source>
        <translation>linha diferente</translation>
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
        <translation>Desfaz a sua última alteração.</translation>
    </message>
    <message>
        <location line="-342"/>
        <location line="+341"/>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <location line="-212"/>
        <source>Your Card -- Not Detected</source>
        <translation>Seu Cartão -- Não detectado</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Used as a intermediary storage for merging multiple cards.</source>
        <translation>Usada como armazenamento intermediário para mesclar vários cartões.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For storing info from Datacard images.</source>
        <translation>Guarda dados de imagens de cartões.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>*Hold Ctrl-Key for multiple selections</source>
        <translation>*Segure Ctrl para selecionar vários</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Saving:</source>
        <translation>Salvando:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Move to card</source>
        <translation>Mover para o cartão</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move to temporary card image</source>
        <translation>Mover para a imagem temporária do cartão</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Save Image</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Straight Track</source>
        <translation>Trilha &amp;reta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Circle Track</source>
        <translation>Trilha &amp;circular</translation>
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
        <translation>&amp;Atualizar unidades</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Backup Image</source>
        <translation>&amp;Backup do cartão</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Restaurar backup...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Copy Card to Card</source>
        <translation>&amp;Copiar cartão para cartão</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Merge Card into Image...</source>
        <translation>&amp;Mesclar cartão na imagem...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Export Lines...</source>
        <translation>&amp;Exportar linhas...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Import Lines...</source>
        <translation>&amp;Importar linhas...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Salvar como PDF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Move to Temporary Card Image</source>
        <translation>&amp;Mover para a Imagem Temporária do Cartão</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Move to Card</source>
        <translation>&amp;Mover para o cartão</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>C&amp;hange Field #...</source>
        <translation>&amp;Alterar nº do campo...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Change Field #</source>
        <translation>Alterar campo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Field Number</source>
        <translation>Alterar número do campo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move selected items to field of your choice.</source>
        <translation>Move os itens selecionados para o campo que você escolher.</translation>
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
        <translation>Copia os dados do campo para outro número de campo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Erase</source>
        <translation>Apa&amp;gar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear the Selected Fields.</source>
        <translation>Apaga os campos selecionados.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Shift Passes...</source>
        <translation>Des&amp;locar passadas...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Shift...</source>
        <translation>Deslocar...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Map of Lines</source>
        <translation>&amp;Mapa das linhas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Duplicate Passes...</source>
        <translation>Passadas &amp;duplicadas...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Track Option</source>
        <translation>&amp;Tipo de trilha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;DataCard</source>
        <translation>&amp;Cartão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>L&amp;anguage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>%1 selected pass of the %2</source>
        <translation>%1 passada selecionada da %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of the %2</source>
        <translation>%1 passadas selecionadas da %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected pass of %2</source>
        <translation>%1 passada selecionada do %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 selected passes of %2</source>
        <translation>%1 passadas selecionadas do %2</translation>
    </message>
</context>
<context>
    <name>swathkit::DuplicatePassesDialog</name>
    <message>
        <location filename="../src/ui/duplicate_passes.cpp" line="+80"/>
        <source>Duplicate Passes</source>
        <translation>Passadas duplicadas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Points within:</source>
        <translation>Pontos a menos de:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Straight lines: headings within:</source>
        <translation>Linhas retas: rumos a menos de:</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Searching...</source>
        <translation>Procurando...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>No duplicate straight lines found within these limits.</source>
        <translation>Nenhuma linha reta duplicada encontrada dentro destes limites.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No duplicate circle tracks found within these limits.</source>
        <translation>Nenhuma trilha circular duplicada encontrada dentro destes limites.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 pair of straight lines found</source>
        <translation>%1 par de linhas retas encontrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of straight lines found</source>
        <translation>%1 pares de linhas retas encontrados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pair of circle tracks found</source>
        <translation>%1 par de trilhas circulares encontrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pairs of circle tracks found</source>
        <translation>%1 pares de trilhas circulares encontrados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, the closest first; more follow as you scroll down. Choose a row to select both passes in the lists.</source>
        <translation>%1, os mais próximos primeiro; outros aparecem ao rolar para baixo. Escolha uma linha da tabela para selecionar as duas passadas nas listas.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1. Choose a row to select both passes in the lists.</source>
        <translation>%1. Escolha uma linha da tabela para selecionar as duas passadas nas listas.</translation>
    </message>
</context>
<context>
    <name>swathkit::ExportLinesDialog</name>
    <message>
        <location filename="../src/ui/export_dialog.cpp" line="+34"/>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lines of:</source>
        <translation>Linhas de:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
</context>
<context>
    <name>swathkit::HelpWindow</name>
    <message>
        <location filename="../src/ui/help_window.cpp" line="+52"/>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Home</source>
        <translation>Início</translation>
    </message>
</context>
<context>
    <name>swathkit::ImportLinesDialog</name>
    <message>
        <location filename="../src/ui/import_dialog.cpp" line="-143"/>
        <source>The guidance lines found in %1. The ticked ones come into the Temporary Card Image: a line with a field number of its own keeps it, the others go to the first free fields. Points and lines that are there already are not ticked at first. Nothing changes until you press Import.</source>
        <translation>As linhas de guia encontradas em %1. As marcadas entram na Imagem Temporária do Cartão: uma linha com número de campo próprio o mantém, as outras vão para os primeiros campos livres. Pontos e linhas que já existem não vêm marcados. Nada muda até você clicar em Importar.</translation>
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
        <translation>Rumo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field #</source>
        <translation>Campo nº</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Will not come in:</source>
        <translation>Não vão entrar:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>a point, not said to be a pivot</source>
        <translation>um ponto, não indicado como pivô</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 of %2 line ticked.</source>
        <translation>%1 de %2 linha marcada.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 lines ticked.</source>
        <translation>%1 de %2 linhas marcadas.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapView</name>
    <message>
        <location filename="../src/ui/line_map.cpp" line="+145"/>
        <source>No passes to show in the two lists.</source>
        <translation>Não há passadas a mostrar nas duas listas.</translation>
    </message>
</context>
<context>
    <name>swathkit::LineMapWindow</name>
    <message>
        <location line="+60"/>
        <source>Map of Lines</source>
        <translation>Mapa das linhas</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Fit All</source>
        <translation>Ver tudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show every pass (or double-click the map).</source>
        <translation>Mostra todas as passadas (ou clique duas vezes no mapa).</translation>
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
        <translation>Linhas diferentes no campo %1</translation>
    </message>
</context>
<context>
    <name>swathkit::MergeCardDialog</name>
    <message>
        <location filename="../src/ui/merge_card_dialog.cpp" line="+11"/>
        <source>Merge Card into Image</source>
        <translation>Mesclar cartão na imagem</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Every straight line on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Cada linha reta do Seu Cartão e o que acontece ao mesclá-la na Imagem Temporária do Cartão. Nada muda até você clicar em Mesclar; o cartão só é lido.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every circle track on Your Card and what merging it into the Temporary Card Image will do. Nothing changes until you press Merge; the card is only read.</source>
        <translation>Cada trilha circular do Seu Cartão e o que acontece ao mesclá-la na Imagem Temporária do Cartão. Nada muda até você clicar em Mesclar; o cartão só é lido.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+40"/>
        <source>Merge</source>
        <translation>Mesclar</translation>
    </message>
    <message>
        <location line="-40"/>
        <source>Card Field #</source>
        <translation>Nº no cartão</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Found in the image</source>
        <translation>Na imagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To Image Field #</source>
        <translation>Para nº na imagem</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What happens</source>
        <translation>O que acontece</translation>
    </message>
</context>
<context>
    <name>swathkit::RestoreDialog</name>
    <message>
        <location filename="../src/ui/restore_dialog.cpp" line="+69"/>
        <source>Restore from Backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Every write to a card is backed up first. Choose a backup to see how its passes differ from Your Card; bring them into the Temporary Card Image, or write the backup&apos;s lines back onto the card.</source>
        <translation>Toda gravação em um cartão é precedida de um backup. Escolha um backup para ver como as passadas dele diferem do Seu Cartão; traga-as para a Imagem Temporária do Cartão ou grave as linhas do backup de volta no cartão.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Made</source>
        <translation>Criado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Straight lines</source>
        <translation>Linhas retas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Circle tracks</source>
        <translation>Trilhas circulares</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Card</source>
        <translation>Cartão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open Folder...</source>
        <translation>Abrir pasta...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A folder of your own: a &quot;Backup Image&quot; copy, or a card copied to another disk</source>
        <translation>Uma pasta sua: uma cópia feita com &quot;Backup do cartão&quot;, ou um cartão copiado para outro disco</translation>
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
        <translation>Seu Cartão</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Difference</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Into Temporary Card Image</source>
        <translation>Para a Imagem Temporária do Cartão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected passes of the backup, or all of them when none is selected</source>
        <translation>As passadas selecionadas do backup, ou todas quando nenhuma estiver selecionada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write to Card</source>
        <translation>Gravar no cartão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The selected fields of the backup onto the card, or its whole line file when none is selected, after a new backup of the card</source>
        <translation>Os campos selecionados do backup no cartão, ou o arquivo de linhas inteiro quando nenhum estiver selecionado, após um novo backup do cartão</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <location line="+101"/>
        <source>reading...</source>
        <translation>lendo...</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Choose a backup to compare it with Your Card.</source>
        <translation>Escolha um backup para compará-lo com o Seu Cartão.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Backup %1 of %2, %3: </source>
        <translation>Backup %1 de %2, %3: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it holds no straight lines.</source>
        <translation>não contém linhas retas.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it holds no circle tracks.</source>
        <translation>não contém trilhas circulares.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a line file. Nothing of it can be restored.</source>
        <translation>%1 não é um arquivo de linhas. Nada dele pode ser restaurado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is damaged: %2. Its other passes can go into the Temporary Card Image; it is never written to the card. </source>
        <translation>%1 está danificado: %2. As outras passadas dele podem ir para a Imagem Temporária do Cartão; ele nunca é gravado no cartão. </translation>
    </message>
</context>
<context>
    <name>swathkit::SelectDirectory</name>
    <message>
        <location filename="../src/ui/select_directory.cpp" line="+19"/>
        <source>Select Directory</source>
        <translation>Selecionar pasta</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save</source>
        <translation>Salvar</translation>
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
        <translation>Deslocar passadas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Metres east and north</source>
        <translation>Metros a leste e ao norte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance along a bearing</source>
        <translation>Distância segundo um azimute</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Negative numbers move west or south. A decimal point or comma may be used; at most %1 m. The direction of each line stays as it is.</source>
        <translation>Números negativos movem para oeste ou sul. Pode-se usar ponto ou vírgula decimal; no máximo %1 m. A direção de cada linha não muda.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Move the %1 by:</source>
        <translation>Deslocar %1 em:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Distance (m):</source>
        <translation>&amp;Distância (m):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;east:</source>
        <translation>Metros a &amp;leste:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bearing (degrees from north):</source>
        <translation>&amp;Azimute (graus a partir do norte):</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Metres &amp;north:</source>
        <translation>Metros ao &amp;norte:</translation>
    </message>
</context>
</TS>
