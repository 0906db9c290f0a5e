<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>Grupo de canales EXP</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>Grupo de canales EXP[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Grupo%1[%2]</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>INTL</source>
        <translation>INTL</translation>
    </message>
    <message>
        <source>CANADA</source>
        <translation>CANADÁ</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Programable USA Channel</source>
        <translation>Canales USA programables</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Canales internacionales programables</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Canales de Canadá programables</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>N.º%1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 de %3 no está asignado a ningún país.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Ajustes DSC (básicos)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 no es un MMSI (el de una estación de barco empieza por 2 a 7); el MMSI propio de una radio es el de una estación de barco o el de un portátil.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 se interpreta como %3; el MMSI propio de una radio es el de una estación de barco o el de un portátil.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>Ajustes ATIS (comunes)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Código ATIS</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 no cumple la regla. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>El canal 16 está desactivado en %1: es el canal internacional de socorro, seguridad y llamada.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 no es un MMSI (el de una estación de barco empieza por 2 a 7) y no corresponde al directorio de grupos.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 se interpreta como %3 y no corresponde al directorio de grupos.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 no es un MMSI (el de una estación de barco empieza por 2 a 7) y no corresponde al directorio individual.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 se interpreta como %3 y no corresponde al directorio individual.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1el mismo MMSI que el n.º%2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1el mismo nombre que el n.º%2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Ajustes de ID de memoria</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Ajustes de ID de grupo</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Canales EXP programables</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>El canal está en uso pero no tiene nombre.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>No hay nada que revisar.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>Conviene revisar 1 ajuste.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>Conviene revisar %1 ajustes.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>«Programar de todos modos» envía los datos tal como están; «Cancelar» se detiene antes de enviar nada.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>el encabezado %1 no es una columna de esta lista</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>el encabezado %1 aparece dos veces</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>más celdas que encabezados</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>un canal EXP activado necesita una Rx Frequency y dos caracteres en CH Display</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 no se puede cambiar en este canal</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 no es On ni Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 no es una frecuencia en MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 no está en la canalización de 25 kHz de 137 a 174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 no es un número de canal que la pantalla pueda mostrar</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 no es Off, 0, 1, 2 ni 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 tiene más de %3 caracteres</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 contiene un carácter que la radio no puede guardar</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 no es un canal de la lista</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>el canal ya está en la línea %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>No se pegó nada: se rechazó %1 fila.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>No se pegó nada: se rechazaron %1 filas.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>No se importó nada: se rechazó %1 fila.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>No se importó nada: se rechazaron %1 filas.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... y %1 fila rechazada más después de estas</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... y %1 filas rechazadas más después de estas</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>el primer encabezado no nombra ninguna lista; debe ser uno de %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>Canales USA</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>Canales INTL</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Canales de Canadá</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>la entrada %1 necesita un nombre y un MMSI antes de poder usar la entrada %2</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: las entradas se numeran 1, 2, 3... en orden y sin huecos, así que esta fila es la entrada %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 no tiene %2 dígitos tras el 0 inicial</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 no tiene %2 dígitos</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>los encabezados no son %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>el directorio solo tiene %1 entradas</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>No se pegó nada: las filas no son de %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>No se pegó nada: el portapapeles no contiene filas.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>debajo de la última fila de la lista</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>El canal 16 está desactivado en %1. Es el canal internacional de socorro, seguridad y llamada.
Los datos se han tomado tal como están; vuelva a activarlo en la página del canal.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>¡¡Error al leer el archivo!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>¡¡Archivo no válido!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Este archivo está incompleto: falta %1 sección (%2). Sus ajustes tienen los valores de fábrica; compruébelos antes de guardar o programar.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Este archivo está incompleto: faltan %1 secciones (%2). Sus ajustes tienen los valores de fábrica; compruébelos antes de guardar o programar.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>No se pudo leer la tabla de MID: no se comprueban los países de los MMSI ni de los códigos ATIS.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>¡¡Error al leer el archivo INI!!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>La imagen leída de la radio no se pudo guardar como copia de seguridad.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Falta el documento de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espacio]: activar/desactivar.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]: cambiar la selección.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Máximo %1 caracteres</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>Máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Solo números. Exactamente %1 cifras.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Exactamente 2 cifras.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Exactamente 1 cifra.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Marque [x] activar/[] desactivar.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]/[Izquierda]/[Derecha]: cambiar la selección.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doble clic],[Intro]: ir a la página de ajustes.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Un clic borra el registro</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>máx. 4 caracteres.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Exactamente 3 cifras.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>¡¡Cancelado!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>¡¡Tiempo agotado!!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>¡¡Error de dirección!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>¡¡Error de comunicación!!
El cable o su adaptador en %1 ha desaparecido: la línea se ha cortado. Compruebe que el adaptador está enchufado y el cable bien conectado, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>¡¡Error de comunicación!!
La radio en %1 no ha respondido. Compruebe que está encendida y en modo clonación (su pantalla muestra PC CONTROL), que el cable está bien conectado en ambos extremos y que ha elegido el puerto correcto.</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>¡¡Error de comando ACMD!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>¡¡Error!!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>¡¡Error al inicializar el puerto!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Confirmar la sincronización de la comunicación</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>¡¡La radio está ocupada!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>¡¡Error de comunicación!!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Comprobación del modelo</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>¡Error de código de producto!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>Borrar el registro DSC</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Borrar el registro de socorro</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Conecte el cable QYL entre el puerto serie del PC y la radio.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.En la radio, mantenga pulsadas las teclas [DISTRESS] y [CALL]</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   mientras la enciende.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   La pantalla de la radio mostrará PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Pulse el botón [OK] para empezar.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>¡¡La radio no está lista!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>¡¡Completado!!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificado</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Solo baja</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Baja al cambiar de canal</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Última potencia TX</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Con WX</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Con exploración</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX y exploración</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magnético</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Abrir copia de seg&amp;uridad...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Guardar como pre&amp;determinado</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimir en a&amp;rchivo</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>Exportar &amp;CSV</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>I&amp;mportar CSV...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>Com&amp;parar con...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferencia</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programar la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leer de la radio</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Comprobar configuración...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Destino</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Puerto serie</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Dispositivos de puerto...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Volcado hexadecimal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Acerca de la versión QYL</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Guardar como predeterminado</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... y %1 más; «Mostrar los detalles» muestra todas las filas.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>No es un MMSI</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Estación de barco</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Estación costera</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Portátil</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aeronave SAR</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>Ayuda a la navegación AIS</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcación de un buque nodriza</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Dispositivo de hombre al agua</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>MID %1 desconocido</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>La mayoría de las radios aceptan su MMSI propio una sola vez: uno erróneo solo lo puede deshacer un distribuidor.
Introduzca de nuevo el MMSI propio que se va a programar:</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Las dos entradas del MMSI propio no coinciden. No se ha enviado nada a la radio.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>¿Desea programar la serie %1?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>Programa de PC para %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>el directorio de grupos</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>el directorio individual</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: este MMSI no es válido para %3.</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: el MMSI propio de una radio es el de una estación de barco o el de un portátil.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>No hay ninguna impresora configurada en este equipo.

Archivo &gt; «Exportar PDF...» guarda el informe como archivo PDF, que cualquier equipo puede imprimir.</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Archivos PDF(*.pdf);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Un código ATIS tiene 10 dígitos: 9, el MID del país (p. ej. 244) y 6 dígitos más.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Frecuencia Rx: necesaria mientras «Canal activo» esté marcado</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Pantalla del canal: %1 caracteres</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI de grupo: %1 dígitos tras el 0 inicial</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 dígitos</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>N.º%1: el n.º%2 necesita primero un nombre de grupo y un MMSI</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>N.º%1: el n.º%2 necesita primero un nombre de estación y un MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>N.º%1: una entrada en uso necesita un nombre de grupo y un MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>N.º%1: una entrada en uso necesita un nombre de estación y un MMSI</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>El canal 16 es el canal internacional de socorro, seguridad y llamada. ¿Desactivarlo de todos modos?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 a %3 MHz en pasos de %4 kHz</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1: %2 dígitos</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Copia de seguridad del %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Por escribir</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Cambios desde la copia de seguridad del %1</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Mostrar cambios</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Qué cambia la programación respecto a la copia de seguridad del %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 activo</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 solo potencia baja</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 subir potencia</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 dúplex</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 TX permitida</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 memoria de exploración</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 nombre</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 codificador</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 pantalla</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 frecuencia Tx</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 frecuencia Rx</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 canal prioritario</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 nombre de estado</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 grupos EXP</translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation>%1 MMSI</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>USA channels</source>
        <translation>Canales USA</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>Canales INTL</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Canales de Canadá</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>Canales WX</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <source>USA %1</source>
        <translation>USA %1</translation>
    </message>
    <message>
        <source>INTL %1</source>
        <translation>INTL %1</translation>
    </message>
    <message>
        <source>Canada %1</source>
        <translation>Canadá %1</translation>
    </message>
    <message>
        <source>WX%1</source>
        <translation>WX%1</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>USA usable group</source>
        <translation>Grupo utilizable USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Grupo utilizable INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Grupo utilizable Canadá</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Grupo utilizable EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>Ajustes DSC</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>Ajustes de llamada DSC</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>Ajustes de pantalla DSC</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Ajustes de POS automática</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>Ajustes ATIS</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>Indicativo ATIS %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Entrada individual %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Entrada de grupo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n entrada de directorio</numerusform>
            <numerusform>%n entradas de directorio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n ajuste</numerusform>
            <numerusform>%n ajustes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importar %n entrada de directorio</numerusform>
            <numerusform>Importar %n entradas de directorio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importar %n canal</numerusform>
            <numerusform>Importar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Pegar %n entrada de directorio</numerusform>
            <numerusform>Pegar %n entradas de directorio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Pegar %n canal</numerusform>
            <numerusform>Pegar %n canales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>ID memoria%1[Activo]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Grupos utilizables</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Ajustes DSC</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>Ajustes ATIS</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Canales programables</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Grupo1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Grupo2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Grupo3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Activo]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Activo]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>ID memoria%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID grupo%1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>ID grupo%1[Activo]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Grupo%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>Acerca de TQ58</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>Logotipo de TQ58</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Lee, edita y programa los canales, los directorios DSC y los ajustes de los radioteléfonos VHF marinos RV7200A, RV7700A y RV7700AM mediante un cable serie.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Este programa se ofrece sin ninguna garantía. Guarde los ajustes de la radio en un archivo antes de programarla, y compruebe el MMSI y el código ATIS con la licencia de su estación de barco.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Compilado con Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Common</source>
        <translation>Común</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Grupo de canales ATIS utilizable</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Grupo de canales ATIS Killer utilizable</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Código ATIS</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>N.º ATIS</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>N.º%1</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation>%1 pantalla</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>BAJ</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>SUB</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ACTIVO</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Activo]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>PANT</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>Tx Enable</source>
        <translation>TX permitida</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Subir potencia</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Pantalla del canal</translation>
    </message>
    <message>
        <source>CH Display number</source>
        <translation>Número mostrado</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Sufijo mostrado</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Canal activo</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Introduzca datos correctos.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Comprobar configuración</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Canal o entrada</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>Tabla de MID</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programar de todos modos</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>TX Po Display</source>
        <translation>Indicación de potencia TX</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Tiempo de reanudación</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Fin de exploración con PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Doble escucha</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Variación magnética</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Alerta meteorológica</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Pitido del mando giratorio</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>Modo TX al encender</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Función de exploración</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>Entrada de datos NMEA</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Función de canal meteorológico</translation>
    </message>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>solo en el archivo; ajústelo en la radio</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Ningún ajuste difiere.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 ajuste difiere.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n ajuste difiere.</numerusform>
            <numerusform>%n ajustes difieren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Canal o entrada</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>Tipo de MMSI</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation>%1  N.º%2</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nombre de la estación</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <source>Directory</source>
        <translation>Directorio</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NOMBRE DEL GRUPO</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOMBRE DE LA ESTACIÓN</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Insertar entrada</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eliminar entrada</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>entrada de grupo %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>entrada individual %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>Insertar %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Llamada de cancelación de socorro</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Modo de espera</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>Solicitud de posición</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>Informe de posición</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Enviar alerta de socorro</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Recibida a todos los barcos</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Recibida individual</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Recibida de grupo</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Recibida geográfica</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Recibida solicitud de posición</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Recibido informe de posición</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Socorro</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Urgencia</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Rutina</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menú ACK individual</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menú de mensaje ACK individual</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menú ACK de solicitud de posición</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Llamada a todos los barcos</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Llamada de grupo</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Llamada individual</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Registro de socorro</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>Registro DSC</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Básicos</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Avanzados</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 potencia</translation>
    </message>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Grupo de canales DSC utilizable</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Tipo del MMSI propio</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Contador del MMSI propio</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Borrar registros</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>Pitido DSC</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a call and its priority</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tq58::EditorFrame</name>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation>Logotipo de TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>CH Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Pantalla del canal</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nombre de la estación</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>Ayuda de TQ58</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Imagen de memoria en hexadecimal</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <source>Hexdump</source>
        <translation>Volcado hexadecimal</translation>
    </message>
    <message>
        <source>Keyboard hint</source>
        <translation>Sugerencia de teclado</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>¡¡Modelo desconocido!!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Los datos QYL han cambiado.<byte value="xd"/>
¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Este archivo es para el %1; TQ58 está configurado para el %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>¿Cambiar al %1 y abrirlo?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Esta instalación no ofrece el %1.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Esta radio es un %1; TQ58 está configurado para el %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>¿Cambiar al %1 y volver a leerla?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>¿Desea cambiar a %1?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exportar %1</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>archivos csv</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>1 fila exportada a %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n fila exportada a %1</numerusform>
            <numerusform>%n filas exportadas a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>1 fila importada de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n fila importada de %1</numerusform>
            <numerusform>%n filas importadas de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>archivos dat y hex</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Estos datos</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>archivos dat</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Este archivo ya no existe. Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>archivos hex</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Buscar un número de canal, un nombre de canal o de entrada, o un MMSI</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>No se encontró nada para «%1»</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>MMSI propio, otra vez</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Dispositivos de puerto</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opciones &gt; Puerto serie elige un número de puerto; aquí se elige el dispositivo que abre cada número. Escoja un dispositivo serie encontrado en este equipo o escriba la ruta de otro.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Actualizar la lista de dispositivos</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>Dispositivo de COM%1</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>No se encontró ningún dispositivo serie: conecte el cable y pulse Actualizar.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Dispositivos serie encontrados: %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>dispositivo serie</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>el dispositivo habitual, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>presente, no es un dispositivo serie de la lista</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>no presente ahora</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>Dispositivo de COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Informe de ajustes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Texto del informe</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Generando el informe. Espere...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Archivos de texto(*.txt);;Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 para %n canal</numerusform>
            <numerusform>%1 %2 para %n canales</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n fila omitida: el canal no permite %1 %2.</numerusform>
            <numerusform>%n filas omitidas: el canal no permite %1 %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <source>%1 tabs</source>
        <translation>Pestañas de %1</translation>
    </message>
</context>
<context>
    <name>tq58::TransferDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>Estado de la conexión</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Verificar tras programar</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Verificar tras programar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar el contenido de la ayuda. No hay ayuda asociada a este proyecto.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Conectando con el cable…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Esperando a la radio (%1 de %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>QYL cable</source>
        <translation>Cable QYL</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Grupos de canales utilizables</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 nombre de estado</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 canal prioritario</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Nombre de estado</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Canal prioritario</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Grupos de canales de expansión</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 activo</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 exploración</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 nombre de canal</translation>
    </message>
</context>
</TS>
