<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>Gruppo canali EXP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Gruppo%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>Gruppo canali EXP[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Gruppo%1[%2]</translation>
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
        <translation>CANADA</translation>
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
        <translation>Canali USA programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Canali internazionali programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Canali Canada programmabili</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>N.%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 di %3 non è assegnato a nessun paese.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Impostazioni DSC (base)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>MMSI proprio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 non è un MMSI (quello di una stazione di nave inizia con una cifra da 2 a 7); l&apos;MMSI proprio di una radio è quello di una stazione di nave o di un portatile.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 risulta essere %3; l&apos;MMSI proprio di una radio è quello di una stazione di nave o di un portatile.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>Impostazioni ATIS (comuni)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Codice ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 non rispetta la regola. %2</translation>
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
        <translation>Il canale 16 è disattivato in %1: è il canale internazionale di soccorso, sicurezza e chiamata.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 non è un MMSI (quello di una stazione di nave inizia con una cifra da 2 a 7) e non va nella rubrica dei gruppi.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 risulta essere %3 e non va nella rubrica dei gruppi.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 non è un MMSI (quello di una stazione di nave inizia con una cifra da 2 a 7) e non va nella rubrica individuale.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 risulta essere %3 e non va nella rubrica individuale.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1lo stesso MMSI del n.%2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1lo stesso nome del n.%2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Impostazioni ID di memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Impostazioni ID di gruppo</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Canali EXP programmabili</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>Il canale è in uso ma non ha un nome.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>%1 canali EXP sono in uso senza nome.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>Nulla da ricontrollare.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>1 impostazione merita un secondo controllo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 impostazioni meritano un secondo controllo.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Fare doppio clic su un avviso per aprirne l&apos;impostazione.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>«Programma comunque» invia i dati così come sono; «Annulla» si ferma prima di inviare qualsiasi cosa.</translation>
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
        <translation>Antigua e Barbuda</translation>
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
        <translation>Belgio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bermuda</source>
        <translation>Bermuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brasile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>Isole Vergini britanniche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Capo Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Isole Cayman</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Croazia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curaçao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Cipro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>Repubblica Ceca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Danimarca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Egitto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Isole Fær Øer</translation>
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
        <translation>Polinesia francese</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibilterra</translation>
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
        <translation>Grenada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guadeloupe</source>
        <translation>Guadalupa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungary</source>
        <translation>Ungheria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Islanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Israele</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japan</source>
        <translation>Giappone</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Lettonia</translation>
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
        <translation>Lussemburgo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marshall Islands</source>
        <translation>Isole Marshall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martinique</source>
        <translation>Martinica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>Messico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montenegro</source>
        <translation>Montenegro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morocco</source>
        <translation>Marocco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Netherlands</source>
        <translation>Paesi Bassi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Nuova Caledonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Nuova Zelanda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Norvegia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portogallo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Azores)</source>
        <translation>Portogallo (Azzorre)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portogallo (Madera)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Romania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Russia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Lucia</source>
        <translation>Saint Lucia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Vincent and the Grenadines</source>
        <translation>Saint Vincent e Grenadine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Slovenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Sudafrica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Svezia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Svizzera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunisia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Turchia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ucraina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Regno Unito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>Isole Vergini americane</translation>
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
        <translation>l&apos;intestazione %1 non è una colonna di questo elenco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>l&apos;intestazione %1 compare due volte</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>più celle che intestazioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>un canale EXP attivato richiede una Rx Frequency e due caratteri in CH Display</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 non può essere modificato su questo canale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 non è né On né Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 non è una frequenza in MHz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 non è sulla canalizzazione a 25 kHz da 137 a 174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 non è un numero di canale che il display può mostrare</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 non è Off, 0, 1, 2 o 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 supera i %3 caratteri</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 contiene un carattere che la radio non può memorizzare</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 non è un canale dell&apos;elenco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>il canale è già alla riga %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+72"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Nulla è stato incollato: %1 riga è stata rifiutata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Nulla è stato incollato: %1 righe sono state rifiutate.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Nulla è stato importato: %1 riga è stata rifiutata.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Nulla è stato importato: %1 righe sono state rifiutate.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>row %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... e %1 altra riga rifiutata dopo queste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... e altre %1 righe rifiutate dopo queste</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>la prima intestazione non indica alcun elenco; deve essere una di %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>Nulla è stato importato: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>Canali EXP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>Canali USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>Canali INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Canali Canada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Rubrica individuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Rubrica gruppi</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>la voce %1 richiede un nome e un MMSI prima di poter usare la voce %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: le voci sono numerate 1, 2, 3 ... in ordine e senza lacune, quindi questa riga è la voce %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 non ha %2 cifre dopo lo 0 iniziale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 non ha %2 cifre</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>le intestazioni non sono %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>la rubrica ha solo %1 voci</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 non è una voce della rubrica</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>le voci si usano in ordine a partire da 1: la voce %1 è disattivata, quindi la voce %2 non può ancora essere usata</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>Nulla è stato incollato: le colonne non corrispondono ad alcun elenco; %2 ha le colonne %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Nulla è stato incollato: gli appunti contengono più di %1 MB, molto più di un elenco.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Nulla è stato incollato: le righe non appartengono a %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Nulla è stato incollato: gli appunti non contengono righe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>sotto l&apos;ultima riga dell&apos;elenco</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>Canale attivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Display del canale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>Frequenza Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>Frequenza Tx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>TX consentita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Solo bassa potenza</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Aumento potenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Memoria di scansione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Nome canale</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nome stazione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Nome gruppo</translation>
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
        <translation>Il canale 16 è disattivato in %1. È il canale internazionale di soccorso, sicurezza e chiamata.
I dati sono stati acquisiti così come sono; riattivarlo nella pagina del canale.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Tutti i file</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>Errore tipo di modello !!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>Errore di lettura file!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>Errore di salvataggio file!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>File non valido!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Leggi dalla radio</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+66"/>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Il file è incompleto: manca %1 sezione (%2). Le sue impostazioni hanno i valori di fabbrica; controllarle prima di salvare o programmare.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Il file è incompleto: mancano %1 sezioni (%2). Le loro impostazioni hanno i valori di fabbrica; controllarle prima di salvare o programmare.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>Non è stato possibile leggere la tabella dei MID: i paesi degli MMSI e dei codici ATIS non vengono verificati.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>Errore di lettura file INI!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Non è stato possibile conservare come backup l&apos;immagine letta dalla radio.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Manca il documento della guida %1.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spazio]: attiva/disattiva.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Su]/[Giù]: cambia la selezione.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>Massimo %1 caratteri</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>Massimo %1 caratteri.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Solo cifre. Esattamente %1 cifre.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>Esattamente 2 cifre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>Esattamente 1 cifra.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Selezionare [x] attivo/[] non attivo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Su]/[Giù]/[Sinistra]/[Destra]: cambia la selezione.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppio clic],[Invio]: vai alla pagina delle impostazioni.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Un clic cancella il registro</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>Frequenza Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Frequenza Tx</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>max 4 caratteri.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>Esattamente 3 cifre.</translation>
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
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Effettiva dal prossimo avvio</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>Annullato!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>Tempo scaduto!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>Errore di indirizzo!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>Errore dati!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Errore di comunicazione!!
Il cavo o il suo adattatore su %1 non c&apos;è più: la linea è caduta. Controllare che l&apos;adattatore sia inserito e il cavo ben collegato, poi riprovare.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Errore di comunicazione!!
La radio su %1 non ha risposto. Controllare che sia accesa e in modalità clonazione (il display mostra PC CONTROL), che il cavo sia ben collegato a entrambe le estremità e che sia scelta la porta giusta.</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>Errore comando ACMD!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>Errore!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>Errore di inizializzazione della porta!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>Confermare la sincronizzazione della comunicazione</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-38"/>
        <source>Radio is busy!!</source>
        <translation>Radio occupata!!</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>Errore di comunicazione!!</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Verifica del modello</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Leggi dalla radio</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>Errore tipo di modello !!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>Errore codice prodotto!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Programma la radio</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>Cancella registro DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Cancella registro soccorso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Collegare il cavo QYL tra la porta seriale del PC e la radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Sulla radio, tenere premuti i tasti [DISTRESS] e [CALL]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   mentre si accende l&apos;apparato.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Il display della radio mostrerà PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Premere il pulsante [OK] per iniziare.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>Errore dati!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>Radio non pronta!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>Completato!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Verificato</translation>
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
        <translation>Disattivato</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Attivato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Bassa</translation>
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
        <translation>Solo bassa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Bassa al cambio canale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Ultima potenza TX</translation>
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
        <translation>Con scansione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX e scansione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Vero</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Magnetico</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(non impostato)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>Apri &amp;backup...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Salva come pre&amp;definito</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Stampa su &amp;file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>Anteprima di stam&amp;pa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Esporta PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>Esporta CS&amp;V</translation>
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
        <translation>I&amp;mporta CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Confr&amp;onta con...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>Esc&amp;i</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Modello</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Trasferimento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programma la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Leggi dalla radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Verifica configurazione...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>&amp;Destinazione</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>&amp;Porta seriale</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Dispositivi delle porte...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Dump esadecimale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Informazioni sulla versione QYL</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Apri...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Salva come predefinito</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Programma la radio</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Leggi dalla radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Barra degli strumenti</translation>
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
... e altre %1; «%2» elenca tutte le righe.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>Non è un MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Stazione di nave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Stazione costiera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>Portatile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>Aeromobile SAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>Aiuto alla navigazione AIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Mezzo di una nave madre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Dispositivo uomo a mare</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>MID %1 unknown</source>
        <translation>MID %1 sconosciuto</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>MMSI proprio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>La maggior parte delle radio accetta il proprio MMSI una sola volta: uno errato può essere annullato solo da un rivenditore.
Inserire ancora una volta l&apos;MMSI proprio da programmare:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>I due inserimenti dell&apos;MMSI proprio sono diversi. Non è stato inviato nulla alla radio.</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>L&apos;MMSI proprio %1 ha %2 cifre; un MMSI ne ha 9.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>L&apos;MMSI proprio «%1» contiene caratteri diversi dalle cifre; un MMSI ha 9 cifre.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>Programmare la serie %1?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>Programma PC per %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>la rubrica gruppi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>la rubrica individuale</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: questo MMSI non è adatto per %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: l&apos;MMSI proprio di una radio è quello di una stazione di nave o di un portatile.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Su questo computer non è configurata alcuna stampante.

File &gt; «Esporta PDF...» salva il rapporto come file PDF, stampabile da qualsiasi computer.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>File PDF(*.pdf);;Tutti i file(*.*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>Non si dispone dei permessi per aprire il dispositivo della porta seriale %1.

Chiedere all&apos;amministratore di questo computer l&apos;accesso in lettura e scrittura.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>Il dispositivo della porta seriale %1 appartiene al gruppo «%2». L&apos;utente %3 è stato aggiunto a quel gruppo, ma questa sessione è iniziata prima.

Disconnettersi e accedere di nuovo (o riavviare il computer), quindi premere di nuovo OK.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>Non si dispone dei permessi per aprire il dispositivo della porta seriale %1: appartiene al gruppo «%2» e l&apos;utente %3 non ne fa parte.

Aggiungere l&apos;utente al gruppo con il comando
    sudo usermod -aG %2 %3
quindi disconnettersi, accedere di nuovo e premere di nuovo OK.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>un programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (processo %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Questo computer non mostra alcun dispositivo seriale.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Dispositivi seriali su questo computer: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>Il dispositivo della porta seriale %1 non esiste.

Collegare l&apos;adattatore seriale USB del cavo QYL e controllare il nome del suo dispositivo.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>Il dispositivo della porta seriale %1 (COM%2) non esiste.

Collegare l&apos;adattatore seriale USB del cavo QYL. Se è già collegato, sceglierne la porta in Opzioni &gt; Porta seriale, oppure indicarne il dispositivo per COM%2 in Opzioni &gt; «Dispositivi delle porte...».

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>Impossibile aprire il dispositivo della porta seriale %1 (%2).

Se un altro programma usa la porta, chiudere quel programma, quindi premere di nuovo OK.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>Il dispositivo della porta seriale %1 è in uso da parte di %2.

Chiudere quel programma o terminarne la connessione alla porta, quindi premere di nuovo OK.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> e </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Solo bassa potenza</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Memoria di scansione</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Un codice ATIS ha 10 cifre: 9, il MID del paese (ad es. 244), poi altre 6 cifre.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Frequenza Rx: necessaria finché «Canale attivo» è selezionato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Display del canale: %1 caratteri</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI di gruppo: %1 cifre dopo lo 0 iniziale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 cifre</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>N.%1: il n.%2 richiede prima un nome di gruppo e un MMSI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>N.%1: il n.%2 richiede prima un nome di stazione e un MMSI</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>N.%1: una voce in uso richiede un nome di gruppo e un MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>N.%1: una voce in uso richiede un nome di stazione e un MMSI</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Il canale 16 è il canale internazionale di soccorso, sicurezza e chiamata. Disattivarlo comunque?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: da %2 a %3 MHz a passi di %4 kHz</translation>
    </message>
    <message>
        <location filename="../src/editor/SettingEntries.cpp" line="+37"/>
        <source>%1: %2 digits</source>
        <translation>%1: %2 cifre</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <location filename="../src/gui/transfer/ShowChangesButton.cpp" line="+22"/>
        <source>Backup of %1</source>
        <translation>Backup del %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>Da scrivere</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Modifiche dal backup del %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Mostra modifiche</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Cosa cambia la programmazione rispetto al backup del %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 attivo</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 solo bassa potenza</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 aumento potenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 TX consentita</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 memoria di scansione</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 nome</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 scrambler</source>
        <translation>%1 scrambler</translation>
    </message>
    <message>
        <location line="-18"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+7"/>
        <source>%1 display</source>
        <translation>%1 display</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 frequenza Tx</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 frequenza Rx</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 canale prioritario</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 nome di stato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 gruppi EXP</translation>
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
        <translation>Canali USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>Canali INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Canali Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>Canali WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>Canali EXP</translation>
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
        <translation>Canada %1</translation>
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
        <translation>Gruppo utilizzabile USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Gruppo utilizzabile INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Gruppo utilizzabile Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Gruppo utilizzabile EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Impostazioni comuni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>Impostazioni DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>Impostazioni chiamata DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>Impostazioni display DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Impostazioni POS automatica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>Impostazioni ATIS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>Nominativo ATIS %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Voce individuale %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Voce di gruppo %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n canale</numerusform>
            <numerusform>%n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n voce di rubrica</numerusform>
            <numerusform>%n voci di rubrica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n impostazione</numerusform>
            <numerusform>%n impostazioni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importa %n voce di rubrica</numerusform>
            <numerusform>Importa %n voci di rubrica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importa %n canale</numerusform>
            <numerusform>Importa %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Incolla %n voce di rubrica</numerusform>
            <numerusform>Incolla %n voci di rubrica</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Incolla %n canale</numerusform>
            <numerusform>Incolla %n canali</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 per %n canale</numerusform>
            <numerusform>%1 %2 per %n canali</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>non attivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>Sposta su %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>Sposta giù %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>Inserisci %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>voce di gruppo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>voce individuale %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>ID memoria%1[Attivo]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Gruppi di canali utilizzabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Impostazioni comuni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>Impostazioni DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>Impostazioni ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Canali programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Gruppo1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Gruppo2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Gruppo3</translation>
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
        <translation>Rubrica individuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Rubrica gruppi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>Canali EXP</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Attivo]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Attivo]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>ID memoria%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>ID gruppo%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>ID gruppo%1[Attivo]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Gruppo%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Gruppo%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>Informazioni su TQ58</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>Logo di TQ58</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Legge, modifica e programma i canali, le rubriche DSC e le impostazioni delle radio VHF nautiche %1 tramite un cavo seriale.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Questo programma è fornito senza alcuna garanzia. Salvare le impostazioni della radio in un file prima di programmarla e verificare l&apos;MMSI e il codice ATIS con la licenza di esercizio della stazione radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Compilato con Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+39"/>
        <source>Common</source>
        <translation>Comune</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Usable ATIS CH Group</source>
        <translation>Gruppo canali ATIS utilizzabile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Gruppo canali ATIS Killer utilizzabile</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Codice ATIS</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>N. ATIS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>Errore dati!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>N.%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 display</translation>
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
        <translation>BAS</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+26"/>
        <location line="+28"/>
        <source>UP</source>
        <extracomment>Column and mark of a channel that switches to high power (power up); at most four letters.</extracomment>
        <translation>ALZ</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>ATTIVO</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Attivo]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>DISP</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Channels</source>
        <translation>Canali</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+62"/>
        <source>Tx Enable</source>
        <translation>TX consentita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Solo bassa potenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Aumento potenza</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Memoria di scansione</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>Frequenza Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>Frequenza Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>Frequenza Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Frequenza Tx</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Errore dati!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Display del canale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display number</source>
        <translation>Numero sul display</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Suffisso sul display</translation>
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
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>CH Name</source>
        <translation>Nome canale</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH Enable</source>
        <translation>Canale attivo</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Inserire dati corretti.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Verifica configurazione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Avvisi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Canale o voce</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>Tabella dei MID</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programma comunque</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+36"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>Indicazione potenza TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Tempo di ripresa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>Fine scansione con PTT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Doppio ascolto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Differenza oraria</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Declinazione magnetica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Allerta meteo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Bip della manopola</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>Modo TX all&apos;accensione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Funzione di scansione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>Ingresso dati NMEA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Funzione canale meteo</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>solo salvato nel file; impostarlo sulla radio</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+30"/>
        <source>Usable CH Group Setup</source>
        <translation>Gruppi di canali utilizzabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Impostazioni comuni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Impostazioni DSC (base)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>Impostazioni DSC (avanzate)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>Impostazioni DSC (display)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>Impostazioni ATIS (comuni)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>Impostazioni ATIS (nominativo)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Canali WX programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Canali EXP programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Canali USA programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Canali internazionali programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Canali Canada programmabili</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Impostazioni ID di memoria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Impostazioni ID di gruppo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Compare with %1</source>
        <translation>Confronto con %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Values TQ58 does not offer</source>
        <translation>Valori che TQ58 non offre</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No setting differs.</source>
        <translation>Nessuna impostazione è diversa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 setting differs.</source>
        <translation>1 impostazione è diversa.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n impostazione è diversa.</numerusform>
            <numerusform>%n impostazioni sono diverse.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Sezione</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Canale o voce</translation>
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
            <numerusform>%n impostazione ha un valore che TQ58 non offre; viene conservato finché non lo si modifica</numerusform>
            <numerusform>%n impostazioni hanno valori che TQ58 non offre; vengono conservati finché non li si modifica</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Elimina</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>Tipo di MMSI</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Rubrica gruppi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Rubrica individuale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1  No.%2</source>
        <translation>%1  N.%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Name</source>
        <translation>Nome gruppo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nome stazione</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>Errore dati!!</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryGridPage.cpp" line="+17"/>
        <source>Directory</source>
        <translation>Rubrica</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Rubrica gruppi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Rubrica individuale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>NOME GRUPPO</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>NOME STAZIONE</translation>
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
        <translation>Eliminare la voce %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>Eliminare la voce %1, %2?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Inserisci voce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Elimina voce</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+32"/>
        <source>Distress Cancel Call</source>
        <translation>Chiamata di annullamento soccorso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Modo standby</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>Richiesta POS</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>Invio POS</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Invio allarme di soccorso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Ricevuta a tutte le navi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Ricevuta individuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Ricevuta di gruppo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Ricevuta geografica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Ricevuta richiesta POS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Ricevuto invio POS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Soccorso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Urgenza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Sicurezza</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Menu ACK individuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Menu messaggio ACK individuale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>Menu ACK richiesta POS</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Chiamata a tutte le navi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Chiamata di gruppo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Chiamata individuale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Registro soccorso</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>Registro DSC</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Base</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Display</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 potenza</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usable DSC CH Group</source>
        <translation>Gruppo canali DSC utilizzabile</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>MMSI proprio</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>MMSI proprio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Tipo di MMSI proprio</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Contatore MMSI proprio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Errore dati!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Cancella registri</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>Cancella %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>Bip DSC</translation>
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
        <translation>Navigazione</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <location filename="../src/gui/editor/GeneralPage.cpp" line="+17"/>
        <source>TQ58 logo</source>
        <translation>Logo di TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <location filename="../src/gui/editor/GridEditing.cpp" line="+154"/>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>Sostituire %n voce occupata?</numerusform>
            <numerusform>Sostituire %n voci occupate?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>Sostituire %n canale occupato?</numerusform>
            <numerusform>Sostituire %n canali occupati?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>Errore dati!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>Guida di TQ58</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Testo della guida</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Immagine della memoria in esadecimale</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+85"/>
        <source>Hexdump</source>
        <translation>Dump esadecimale</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keyboard hint</source>
        <translation>Suggerimento tastiera</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown model!!</source>
        <translation>Modello sconosciuto!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>I dati QYL sono cambiati.<byte value="xd"/>
Salvare le modifiche?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Questo file è per il %1; TQ58 è impostato sul %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>Passare al %1 e aprirlo?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModelType Error !!</source>
        <translation>Errore tipo di modello !!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This installation does not offer the %1.</source>
        <translation>Questa installazione non offre il %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Questa radio è un %1; TQ58 è impostato sul %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>Passare al %1 e rileggerla?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Do you want to change to %1?</source>
        <translation>Passare a %1?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>Esporta %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>file csv</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>1 row exported to %1</source>
        <translation>1 riga esportata in %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n riga esportata in %1</numerusform>
            <numerusform>%n righe esportate in %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>1 riga importata da %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n riga importata da %1</numerusform>
            <numerusform>%n righe importate da %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dat and hex files</source>
        <translation>file dat e hex</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This data</source>
        <translation>Questi dati</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>file dat</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Il nome di questo file non è testo UTF-8, quindi TQ58 non può aprirlo. Rinominare il file, quindi aprirlo di nuovo.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Questo file non esiste più. È stato rimosso dall&apos;elenco dei file recenti.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Apri backup</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>file hex</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n impostazione ha un valore che TQ58 non offre; viene conservato finché non lo si modifica</numerusform>
            <numerusform>%n impostazioni hanno valori che TQ58 non offre; vengono conservati finché non li si modifica</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Trova (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Trova un numero di canale, un nome di canale o di voce, o un MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>&amp;Trova...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Nessun risultato per «%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>La ricerca è proseguita dall&apos;inizio dell&apos;albero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>La ricerca è proseguita dalla fine dell&apos;albero</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Correggere l&apos;MMSI proprio in Impostazioni DSC o lasciarlo vuoto. Non è stato inviato nulla alla radio.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>Così non può essere programmato in una radio: correggerlo in Impostazioni DSC o lasciarlo vuoto.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Spiegazione</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>MMSI proprio, ancora una volta</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Dispositivi delle porte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opzioni &gt; Porta seriale sceglie un numero di porta; qui si sceglie il dispositivo che ogni numero apre. Scegliere un dispositivo seriale trovato su questo computer o digitare il percorso di un altro.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Aggiorna l&apos;elenco dei dispositivi</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>Dispositivo di COM%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Nessun dispositivo seriale trovato: collegare il cavo e premere Aggiorna.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Dispositivi seriali trovati: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>dispositivo seriale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>il dispositivo abituale, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>presente, non è un dispositivo seriale elencato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>non presente ora</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>Dispositivo di COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Rapporto impostazioni</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva con nome...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Testo del rapporto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Creazione del rapporto. Attendere...</translation>
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
        <translation>Salva con nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>File di testo(*.txt);;Tutti i file(*.*)</translation>
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
        <translation>Attivato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>on</source>
        <translation>attivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>non attivo</translation>
    </message>
    <message numerus="yes">
        <location line="-1"/>
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n riga saltata: il canale non consente %1 %2.</numerusform>
            <numerusform>%n righe saltate: il canale non consente %1 %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>Schede di %1</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>Stato del collegamento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Verifica dopo la programmazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Verifica dopo la programmazione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossibile mostrare il sommario della guida. A questo progetto non è associata alcuna guida.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Connessione al cavo…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>In attesa della radio (%1 di %2)…</translation>
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
        <translation>Cavo QYL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Picture: %1</source>
        <translation>Immagine: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Gruppi di canali utilizzabili</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 status name</source>
        <translation>%1 nome di stato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 canale prioritario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status Name</source>
        <translation>Nome di stato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>Canale prioritario</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Gruppi di canali di espansione</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+33"/>
        <source>Enable</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Nome canale</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Enable</source>
        <translation>%1 attivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 scansione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 nome canale</translation>
    </message>
</context>
</TS>
