<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>Grupo de canales EXP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>Grupo de canales EXP[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Grupo%1[%2]</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL</source>
        <translation>INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANADA</source>
        <translation>CANADÁ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <location filename="../src/editor/ConfigurationCheck.cpp" line="+20"/>
        <source>Programable USA Channel</source>
        <translation>Canales USA programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Canales internacionales programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Canales de Canadá programables</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>N.º%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 de %3 no está asignado a ningún país.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Ajustes DSC (básicos)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 no es un MMSI (el de una estación de barco empieza por 2 a 7); el MMSI propio de una radio es el de una estación de barco o el de un portátil.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 se interpreta como %3; el MMSI propio de una radio es el de una estación de barco o el de un portátil.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>Ajustes ATIS (comunes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Código ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 no cumple la regla. %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+109"/>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>El canal 16 está desactivado en %1: es el canal internacional de socorro, seguridad y llamada.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 no es un MMSI (el de una estación de barco empieza por 2 a 7) y no corresponde al directorio de grupos.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 se interpreta como %3 y no corresponde al directorio de grupos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 no es un MMSI (el de una estación de barco empieza por 2 a 7) y no corresponde al directorio individual.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 se interpreta como %3 y no corresponde al directorio individual.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1el mismo MMSI que el n.º%2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1el mismo nombre que el n.º%2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Ajustes de ID de memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Ajustes de ID de grupo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Canales EXP programables</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>El canal está en uso pero no tiene nombre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>%1 canales EXP están en uso sin nombre.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>No hay nada que revisar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>Conviene revisar 1 ajuste.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>Conviene revisar %1 ajustes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Haga doble clic en un aviso para abrir su ajuste.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>«Programar de todos modos» envía los datos tal como están; «Cancelar» se detiene antes de enviar nada.</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <location filename="../src/editor/CountryNames.cpp" line="+12"/>
        <source>Albania</source>
        <translation>Albania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Antigua and Barbuda</source>
        <translation>Antigua y Barbuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bermuda</source>
        <translation>Bermudas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>Islas Vírgenes Británicas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Cabo Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Islas Caimán</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Croacia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curazao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Chipre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>República Checa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Egipto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Islas Feroe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French Polynesia</source>
        <translation>Polinesia Francesa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Groenlandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grenada</source>
        <translation>Granada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guadeloupe</source>
        <translation>Guadalupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungary</source>
        <translation>Hungría</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Islandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Letonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuania</source>
        <translation>Lituania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourg</source>
        <translation>Luxemburgo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marshall Islands</source>
        <translation>Islas Marshall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martinique</source>
        <translation>Martinica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monaco</source>
        <translation>Mónaco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morocco</source>
        <translation>Marruecos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Nueva Caledonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panamá</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Azores)</source>
        <translation>Portugal (Azores)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portugal (Madeira)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Rumanía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Lucia</source>
        <translation>Santa Lucía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Vincent and the Grenadines</source>
        <translation>San Vicente y las Granadinas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Eslovenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Sudáfrica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Suecia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Túnez</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ucrania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>Islas Vírgenes de los Estados Unidos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA (Alaska)</source>
        <translation>USA (Alaska)</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <location filename="../src/editor/ChannelCsv.cpp" line="+128"/>
        <source>heading %1 is not a column of this list</source>
        <translation>el encabezado %1 no es una columna de esta lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>el encabezado %1 aparece dos veces</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>más celdas que encabezados</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>un canal EXP activado necesita una Rx Frequency y dos caracteres en CH Display</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 no se puede cambiar en este canal</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 no es On ni Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 no es una frecuencia en MHz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 no está en la canalización de 25 kHz de 137 a 174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 no es un número de canal que la pantalla pueda mostrar</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 no es Off, 0, 1, 2 ni 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 tiene más de %3 caracteres</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 contiene un carácter que la radio no puede guardar</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 no es un canal de la lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>el canal ya está en la línea %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+72"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>No se pegó nada: se rechazó %1 fila.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>No se pegó nada: se rechazaron %1 filas.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>No se importó nada: se rechazó %1 fila.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>No se importó nada: se rechazaron %1 filas.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>row %1: %2</source>
        <translation>fila %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... y %1 fila rechazada más después de estas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... y %1 filas rechazadas más después de estas</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>el primer encabezado no nombra ninguna lista; debe ser uno de %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>No se importó nada: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>Canales USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>Canales INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Canales de Canadá</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>la entrada %1 necesita un nombre y un MMSI antes de poder usar la entrada %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: las entradas se numeran 1, 2, 3... en orden y sin huecos, así que esta fila es la entrada %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 no tiene %2 dígitos tras el 0 inicial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 no tiene %2 dígitos</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>los encabezados no son %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>el directorio solo tiene %1 entradas</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 no es una entrada del directorio</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>las entradas se usan en orden a partir de 1: la entrada %1 está desactivada, así que aún no se puede usar la entrada %2</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>No se pegó nada: las columnas no corresponden a ninguna lista; %2 tiene las columnas %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>No se pegó nada: el portapapeles contiene más de %1 MB, mucho más que una lista.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>No se pegó nada: las filas no son de %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>No se pegó nada: el portapapeles no contiene filas.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>debajo de la última fila de la lista</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>Canal activo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Pantalla del canal</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>TX permitida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Subir potencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nombre de la estación</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <location filename="../src/gui/DistressChannelWarning.cpp" line="+25"/>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>El canal 16 está desactivado en %1. Es el canal internacional de socorro, seguridad y llamada.
Los datos se han tomado tal como están; vuelva a activarlo en la página del canal.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>¡¡Error al leer el archivo!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>¡¡Error al guardar el archivo!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>¡¡Archivo no válido!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+66"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Este archivo está incompleto: falta %1 sección (%2). Sus ajustes tienen los valores de fábrica; compruébelos antes de guardar o programar.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Este archivo está incompleto: faltan %1 secciones (%2). Sus ajustes tienen los valores de fábrica; compruébelos antes de guardar o programar.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>No se pudo leer la tabla de MID: no se comprueban los países de los MMSI ni de los códigos ATIS.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>¡¡Error al leer el archivo INI!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>La imagen leída de la radio no se pudo guardar como copia de seguridad.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Falta el documento de ayuda %1.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espacio]: activar/desactivar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]: cambiar la selección.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>Máximo %1 caracteres</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>Máximo %1 caracteres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Solo números. Exactamente %1 cifras.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>Exactamente 2 cifras.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>Exactamente 1 cifra.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Marque [x] activar/[] desactivar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Arriba]/[Abajo]/[Izquierda]/[Derecha]: cambiar la selección.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doble clic],[Intro]: ir a la página de ajustes.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Un clic borra el registro</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>máx. 4 caracteres.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>Exactamente 3 cifras.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/gui/LanguageMenu.cpp" line="+15"/>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Se aplica en el próximo inicio</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>¡¡Cancelado!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>¡¡Tiempo agotado!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>¡¡Error de dirección!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>¡¡Error de comunicación!!
El cable o su adaptador en %1 ha desaparecido: la línea se ha cortado. Compruebe que el adaptador está enchufado y el cable bien conectado, y vuelva a intentarlo.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>¡¡Error de comunicación!!
La radio en %1 no ha respondido. Compruebe que está encendida y en modo clonación (su pantalla muestra PC CONTROL), que el cable está bien conectado en ambos extremos y que ha elegido el puerto correcto.</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>¡¡Error de comando ACMD!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>¡¡Error!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>¡¡Error al inicializar el puerto!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>Confirmar la sincronización de la comunicación</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-38"/>
        <source>Radio is busy!!</source>
        <translation>¡¡La radio está ocupada!!</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>¡¡Error de comunicación!!</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Comprobación del modelo</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>¡Error de código de producto!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>Borrar el registro DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Borrar el registro de socorro</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Conecte el cable QYL entre el puerto serie del PC y la radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.En la radio, mantenga pulsadas las teclas [DISTRESS] y [CALL]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   mientras la enciende.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   La pantalla de la radio mostrará PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Pulse el botón [OK] para empezar.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>¡¡La radio no está lista!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>¡¡Completado!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Verificado</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <location filename="../src/model/ValueLists.cpp" line="+35"/>
        <location line="+9"/>
        <location line="+4"/>
        <source>Off</source>
        <extracomment>A setting switched off; also the first item of a list of times (no resume time).</extracomment>
        <translation>Desactivado</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hi</source>
        <translation>Alta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lo Po Only</source>
        <extracomment>The transmit power a channel starts with: low power only.</extracomment>
        <translation>Solo baja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Baja al cambiar de canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Última potencia TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On Wx</source>
        <translation>Con WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On Scan</source>
        <translation>Con exploración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX y exploración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Verdadero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Magnético</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>Abrir copia de seg&amp;uridad...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Guardar como pre&amp;determinado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Imprimir en a&amp;rchivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>Exportar &amp;CSV</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1...</source>
        <extracomment>%1 is a list&apos;s title (&quot;EXP Channels&quot;); the dots say a file dialog follows.</extracomment>
        <translation>%1...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import CSV...</source>
        <translation>I&amp;mportar CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Com&amp;parar con...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Modelo</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Transferencia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programar la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leer de la radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Comprobar configuración...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>&amp;Destino</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>&amp;Puerto serie</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Dispositivos de puerto...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Volcado hexadecimal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Acerca de la versión QYL</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Guardar como predeterminado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Programar</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Programar la radio</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Leer de la radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Barra de herramientas</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+59"/>
        <source>
... and %1 more; %2 lists every row.</source>
        <extracomment>%2 is the message box&apos;s own button, &quot;Show Details&quot; in the user&apos;s language.</extracomment>
        <translation>
... y %1 más; «%2» muestra todas las filas.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>No es un MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Estación de barco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Estación costera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>Portátil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>Aeronave SAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>Ayuda a la navegación AIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Embarcación de un buque nodriza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Dispositivo de hombre al agua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>MID %1 unknown</source>
        <translation>MID %1 desconocido</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>La mayoría de las radios aceptan su MMSI propio una sola vez: uno erróneo solo lo puede deshacer un distribuidor.
Introduzca de nuevo el MMSI propio que se va a programar:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Las dos entradas del MMSI propio no coinciden. No se ha enviado nada a la radio.</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>El MMSI propio %1 tiene %2 dígitos; un MMSI tiene 9.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>El MMSI propio «%1» contiene caracteres que no son dígitos; un MMSI tiene 9 dígitos.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>¿Desea programar la serie %1?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>Programa de PC para %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>el directorio de grupos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>el directorio individual</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: este MMSI no es válido para %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: el MMSI propio de una radio es el de una estación de barco o el de un portátil.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>No hay ninguna impresora configurada en este equipo.

Archivo &gt; «Exportar PDF...» guarda el informe como archivo PDF, que cualquier equipo puede imprimir.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Archivos PDF(*.pdf);;Todos los archivos(*.*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>No tiene permiso para abrir el dispositivo de puerto serie %1.

Pida al administrador de este equipo acceso de lectura y escritura a él.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>El dispositivo de puerto serie %1 pertenece al grupo «%2». El usuario %3 se añadió a ese grupo, pero esta sesión empezó antes.

Cierre la sesión y vuelva a iniciarla (o reinicie el equipo) y pulse OK de nuevo.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>No tiene permiso para abrir el dispositivo de puerto serie %1: pertenece al grupo «%2» y el usuario %3 no es miembro de él.

Añada el usuario al grupo con el comando
    sudo usermod -aG %2 %3
después cierre la sesión, vuelva a iniciarla y pulse OK de nuevo.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>un programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (proceso %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Este equipo no muestra ningún dispositivo serie.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Dispositivos serie de este equipo: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>El dispositivo de puerto serie %1 no existe.

Conecte el adaptador serie USB del cable QYL y compruebe el nombre de su dispositivo.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>El dispositivo de puerto serie %1 (COM%2) no existe.

Conecte el adaptador serie USB del cable QYL. Si ya está conectado, elija su puerto en Opciones &gt; Puerto serie o indique su dispositivo para COM%2 en Opciones &gt; «Dispositivos de puerto...».

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>No se pudo abrir el dispositivo de puerto serie %1 (%2).

Si otro programa usa el puerto, cierre ese programa y pulse OK de nuevo.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>El dispositivo de puerto serie %1 está en uso por %2.

Cierre ese programa o termine su conexión con el puerto y pulse OK de nuevo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> y </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Un código ATIS tiene 10 dígitos: 9, el MID del país (p. ej. 244) y 6 dígitos más.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Frecuencia Rx: necesaria mientras «Canal activo» esté marcado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Pantalla del canal: %1 caracteres</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI de grupo: %1 dígitos tras el 0 inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 dígitos</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>N.º%1: el n.º%2 necesita primero un nombre de grupo y un MMSI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>N.º%1: el n.º%2 necesita primero un nombre de estación y un MMSI</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>N.º%1: una entrada en uso necesita un nombre de grupo y un MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>N.º%1: una entrada en uso necesita un nombre de estación y un MMSI</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>El canal 16 es el canal internacional de socorro, seguridad y llamada. ¿Desactivarlo de todos modos?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 a %3 MHz en pasos de %4 kHz</translation>
    </message>
    <message>
        <location filename="../src/editor/SettingEntries.cpp" line="+37"/>
        <source>%1: %2 digits</source>
        <translation>%1: %2 dígitos</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <location filename="../src/gui/transfer/ShowChangesButton.cpp" line="+22"/>
        <source>Backup of %1</source>
        <translation>Copia de seguridad del %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>Por escribir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Cambios desde la copia de seguridad del %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Mostrar cambios</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Qué cambia la programación respecto a la copia de seguridad del %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 activo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 solo potencia baja</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 subir potencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 dúplex</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 TX permitida</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 memoria de exploración</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 nombre</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 scrambler</source>
        <translation>%1 codificador</translation>
    </message>
    <message>
        <location line="-18"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+7"/>
        <source>%1 display</source>
        <translation>%1 pantalla</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 frecuencia Tx</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 frecuencia Rx</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 canal prioritario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 nombre de estado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 grupos EXP</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 MMSI</source>
        <translation>%1 MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>USA channels</source>
        <translation>Canales USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>Canales INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Canales de Canadá</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>Canales WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USA %1</source>
        <translation>USA %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL %1</source>
        <translation>INTL %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada %1</source>
        <translation>Canadá %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX%1</source>
        <translation>WX%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>USA usable group</source>
        <translation>Grupo utilizable USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Grupo utilizable INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Grupo utilizable Canadá</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Grupo utilizable EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>Ajustes DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>Ajustes de llamada DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>Ajustes de pantalla DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Ajustes de POS automática</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>Ajustes ATIS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>Indicativo ATIS %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Entrada individual %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Entrada de grupo %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n entrada de directorio</numerusform>
            <numerusform>%n entradas de directorio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n ajuste</numerusform>
            <numerusform>%n ajustes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importar %n entrada de directorio</numerusform>
            <numerusform>Importar %n entradas de directorio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importar %n canal</numerusform>
            <numerusform>Importar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Pegar %n entrada de directorio</numerusform>
            <numerusform>Pegar %n entradas de directorio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Pegar %n canal</numerusform>
            <numerusform>Pegar %n canales</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 para %n canal</numerusform>
            <numerusform>%1 %2 para %n canales</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>Insertar %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>entrada de grupo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>entrada individual %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>ID memoria%1[Activo]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Grupos utilizables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>Ajustes DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>Ajustes ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Canales programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Grupo1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Grupo2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Grupo3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Meteo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>Canales EXP</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Activo]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Activo]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>ID memoria%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>ID grupo%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>ID grupo%1[Activo]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Grupo%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Grupo%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>Acerca de TQ58</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>Logotipo de TQ58</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Lee, edita y programa los canales, los directorios DSC y los ajustes de los radioteléfonos VHF marinos %1 mediante un cable serie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Este programa se ofrece sin ninguna garantía. Guarde los ajustes de la radio en un archivo antes de programarla, y compruebe el MMSI y el código ATIS con la licencia de su estación de barco.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Compilado con Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+39"/>
        <source>Common</source>
        <translation>Común</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Indicativo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Usable ATIS CH Group</source>
        <translation>Grupo de canales ATIS utilizable</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Grupo de canales ATIS Killer utilizable</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Código ATIS</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>N.º ATIS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>N.º%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 pantalla</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelGridPage.cpp" line="+39"/>
        <location line="+40"/>
        <location line="+23"/>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <location line="-59"/>
        <location line="+29"/>
        <location line="+28"/>
        <source>LOW</source>
        <extracomment>Column and mark of a channel sent with low power only; at most four letters.</extracomment>
        <translation>BAJ</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+26"/>
        <location line="+28"/>
        <source>UP</source>
        <extracomment>Column and mark of a channel that switches to high power (power up); at most four letters.</extracomment>
        <translation>SUB</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+26"/>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+33"/>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+33"/>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+2"/>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+23"/>
        <source>CH Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>ACTIVO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Activo]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>PANT</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+62"/>
        <source>Tx Enable</source>
        <translation>TX permitida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Solo potencia baja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Subir potencia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Memoria de exploración</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>Frecuencia Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Frecuencia Tx</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Pantalla del canal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display number</source>
        <translation>Número mostrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Sufijo mostrado</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Codificador</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>CH Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH Enable</source>
        <translation>Canal activo</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Introduzca datos correctos.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Comprobar configuración</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Canal o entrada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>Tabla de MID</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programar de todos modos</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+36"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>Indicación de potencia TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Tiempo de reanudación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>Fin de exploración con PTT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Doble escucha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Diferencia horaria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Variación magnética</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Alerta meteorológica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Pitido del mando giratorio</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>Modo TX al encender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Función de exploración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>Entrada de datos NMEA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Función de canal meteorológico</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>solo en el archivo; ajústelo en la radio</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+30"/>
        <source>Usable CH Group Setup</source>
        <translation>Grupos utilizables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Ajustes comunes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Ajustes DSC (básicos)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>Ajustes DSC (avanzados)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>Ajustes DSC (pantalla)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>Ajustes ATIS (comunes)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>Ajustes ATIS (indicativo de llamada)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Canales WX programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Canales EXP programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Canales USA programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Canales internacionales programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Canales de Canadá programables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Ajustes de ID de memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Ajustes de ID de grupo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Compare with %1</source>
        <translation>Comparar con %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Values TQ58 does not offer</source>
        <translation>Valores que TQ58 no ofrece</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No setting differs.</source>
        <translation>Ningún ajuste difiere.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 setting differs.</source>
        <translation>1 ajuste difiere.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n ajuste difiere.</numerusform>
            <numerusform>%n ajustes difieren.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Canal o entrada</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n ajuste tiene un valor que TQ58 no ofrece; se conserva mientras no lo cambie</numerusform>
            <numerusform>%n ajustes tienen valores que TQ58 no ofrece; se conservan mientras no los cambie</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>Tipo de MMSI</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1  No.%2</source>
        <translation>%1  N.º%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Name</source>
        <translation>Nombre del grupo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nombre de la estación</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryGridPage.cpp" line="+17"/>
        <source>Directory</source>
        <translation>Directorio</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Directorio de grupos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Directorio individual</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>NOMBRE DEL GRUPO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>NOMBRE DE LA ESTACIÓN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <location filename="../src/gui/editor/DirectoryOrderMenu.cpp" line="+19"/>
        <source>Delete entry %1?</source>
        <translation>¿Eliminar la entrada %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>¿Eliminar la entrada %1, %2?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Insertar entrada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Eliminar entrada</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+32"/>
        <source>Distress Cancel Call</source>
        <translation>Llamada de cancelación de socorro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Modo de espera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>Solicitud de posición</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>Informe de posición</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Enviar alerta de socorro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Recibida a todos los barcos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Recibida individual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Recibida de grupo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Recibida geográfica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Recibida solicitud de posición</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Recibido informe de posición</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Socorro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Urgencia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Rutina</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Menú ACK individual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Menú de mensaje ACK individual</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>Menú ACK de solicitud de posición</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Llamada a todos los barcos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Llamada de grupo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Llamada individual</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Registro de socorro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>Registro DSC</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Básicos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Avanzados</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 potencia</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usable DSC CH Group</source>
        <translation>Grupo de canales DSC utilizable</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>MMSI propio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Tipo del MMSI propio</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Contador del MMSI propio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Contador</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Borrar registros</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>Borrar %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>Pitido DSC</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 %2</source>
        <comment>a call and its priority</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tq58::EditorFrame</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="-20"/>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <location filename="../src/gui/editor/GeneralPage.cpp" line="+17"/>
        <source>TQ58 logo</source>
        <translation>Logotipo de TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <location filename="../src/gui/editor/GridEditing.cpp" line="+154"/>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>¿Reemplazar %n entrada ocupada?</numerusform>
            <numerusform>¿Reemplazar %n entradas ocupadas?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>¿Reemplazar %n canal ocupado?</numerusform>
            <numerusform>¿Reemplazar %n canales ocupados?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>¡¡Error de datos!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>Ayuda de TQ58</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Imagen de memoria en hexadecimal</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+85"/>
        <source>Hexdump</source>
        <translation>Volcado hexadecimal</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keyboard hint</source>
        <translation>Sugerencia de teclado</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown model!!</source>
        <translation>¡¡Modelo desconocido!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Los datos QYL han cambiado.<byte value="xd"/>
¿Desea guardar los cambios?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Este archivo es para el %1; TQ58 está configurado para el %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>¿Cambiar al %1 y abrirlo?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModelType Error !!</source>
        <translation>¡¡Error de tipo de modelo!!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This installation does not offer the %1.</source>
        <translation>Esta instalación no ofrece el %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Esta radio es un %1; TQ58 está configurado para el %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>¿Cambiar al %1 y volver a leerla?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Do you want to change to %1?</source>
        <translation>¿Desea cambiar a %1?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>Exportar %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>archivos csv</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>1 row exported to %1</source>
        <translation>1 fila exportada a %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n fila exportada a %1</numerusform>
            <numerusform>%n filas exportadas a %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>1 fila importada de %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n fila importada de %1</numerusform>
            <numerusform>%n filas importadas de %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dat and hex files</source>
        <translation>archivos dat y hex</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This data</source>
        <translation>Estos datos</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>archivos dat</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

El nombre de este archivo no es texto UTF-8, por lo que TQ58 no puede abrirlo. Cambie el nombre del archivo y vuelva a abrirlo.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Este archivo ya no existe. Se ha quitado de la lista de archivos recientes.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>archivos hex</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n ajuste tiene un valor que TQ58 no ofrece; se conserva mientras no lo cambie</numerusform>
            <numerusform>%n ajustes tienen valores que TQ58 no ofrece; se conservan mientras no los cambie</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Buscar (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Buscar un número de canal, un nombre de canal o de entrada, o un MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>No se encontró nada para «%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>La búsqueda continuó desde el principio del árbol</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>La búsqueda continuó desde el final del árbol</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Corrija el MMSI propio en Ajustes DSC o déjelo vacío. No se ha enviado nada a la radio.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>Así no se puede programar en una radio: corríjalo en Ajustes DSC o déjelo vacío.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>MMSI propio, otra vez</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Dispositivos de puerto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opciones &gt; Puerto serie elige un número de puerto; aquí se elige el dispositivo que abre cada número. Escoja un dispositivo serie encontrado en este equipo o escriba la ruta de otro.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Actualizar la lista de dispositivos</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>Dispositivo de COM%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>No se encontró ningún dispositivo serie: conecte el cable y pulse Actualizar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Dispositivos serie encontrados: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>dispositivo serie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>el dispositivo habitual, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>presente, no es un dispositivo serie de la lista</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>no presente ahora</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>Dispositivo de COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Informe de ajustes</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Texto del informe</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Generando el informe. Espere...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Archivos de texto(*.txt);;Todos los archivos(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <location filename="../src/gui/editor/RowFlagMenu.cpp" line="+31"/>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message numerus="yes">
        <location line="-1"/>
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
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>Pestañas de %1</translation>
    </message>
</context>
<context>
    <name>tq58::TransferDialog</name>
    <message>
        <location filename="../src/gui/transfer/TransferDialog.cpp" line="+70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>Estado de la conexión</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Verificar tras programar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Verificar tras programar</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>No se puede mostrar el contenido de la ayuda. No hay ayuda asociada a este proyecto.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Conectando con el cable…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Esperando a la radio (%1 de %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <location filename="../src/gui/transfer/TransferPicture.cpp" line="+17"/>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QYL cable</source>
        <translation>Cable QYL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Picture: %1</source>
        <translation>Imagen: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Grupos de canales utilizables</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 status name</source>
        <translation>%1 nombre de estado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 canal prioritario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status Name</source>
        <translation>Nombre de estado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>Canal prioritario</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Grupos de canales de expansión</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+33"/>
        <source>Enable</source>
        <translation>Activo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Exploración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Nombre canal</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Enable</source>
        <translation>%1 activo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 exploración</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 nombre de canal</translation>
    </message>
</context>
</TS>
