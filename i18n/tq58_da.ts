<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>EXP-kanalgruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Gruppe%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-kanalgruppe[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Gruppe%1[%2]</translation>
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
        <translation>Programmerbare USA-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Programmerbare internationale kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Programmerbare Canada-kanaler</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 i %3 er ikke tildelt noget land.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-indstillinger (grundindstillinger)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 er ikke et MMSI (en skibsstations begynder med 2 til 7); en radios eget MMSI er en skibsstations eller en håndholdt radios.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 læses som %3; en radios eget MMSI er en skibsstations eller en håndholdt radios.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-indstillinger (fælles)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>ATIS-kode</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 følger ikke reglen. %2</translation>
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
        <translation>Kanal 16 er slået fra i %1: den er den internationale kanal for nød, sikkerhed og opkald.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 er ikke et MMSI (en skibsstations begynder med 2 til 7) og hører ikke hjemme i gruppekataloget.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 læses som %3 og hører ikke hjemme i gruppekataloget.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 er ikke et MMSI (en skibsstations begynder med 2 til 7) og hører ikke hjemme i det individuelle katalog.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 læses som %3 og hører ikke hjemme i det individuelle katalog.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1samme MMSI som nr.%2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1samme navn som nr.%2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Indstilling af hukommelses-ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Indstilling af gruppe-ID</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Programmerbare EXP-kanaler</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>Kanalen er i brug, men har intet navn.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>%1 EXP-kanaler er i brug uden navn.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>Intet skal kontrolleres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>1 indstilling bør kontrolleres.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 indstillinger bør kontrolleres.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Dobbeltklik på en advarsel for at åbne dens indstilling.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>&quot;Programmér alligevel&quot; sender dataene, som de er; &quot;Annuller&quot; stopper, før noget sendes.</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <location filename="../src/editor/CountryNames.cpp" line="+12"/>
        <source>Albania</source>
        <translation>Albanien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Antigua and Barbuda</source>
        <translation>Antigua og Barbuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Australia</source>
        <translation>Australien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austria</source>
        <translation>Østrig</translation>
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
        <translation>Belgien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bermuda</source>
        <translation>Bermuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brasilien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>De Britiske Jomfruøer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgarien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Caymanøerne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Kroatien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curaçao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Cypern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>Tjekkiet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Danmark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Egypten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Færøerne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>Frankrig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French Polynesia</source>
        <translation>Fransk Polynesien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Tyskland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Grækenland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Grønland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grenada</source>
        <translation>Grenada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guadeloupe</source>
        <translation>Guadeloupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Island</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Letland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuania</source>
        <translation>Litauen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourg</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marshall Islands</source>
        <translation>Marshalløerne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martinique</source>
        <translation>Martinique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>Mexico</translation>
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
        <translation>Marokko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Netherlands</source>
        <translation>Nederlandene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Ny Kaledonien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>New Zealand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Norge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Polen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Azores)</source>
        <translation>Portugal (Azorerne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portugal (Madeira)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Rumænien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Rusland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Lucia</source>
        <translation>Saint Lucia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Vincent and the Grenadines</source>
        <translation>Saint Vincent og Grenadinerne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Slovenien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Sydafrika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Sverige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunesien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Tyrkiet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Storbritannien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>De Amerikanske Jomfruøer</translation>
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
        <translation>overskriften %1 er ikke en kolonne i denne liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>overskriften %1 optræder to gange</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>flere celler end overskrifter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>en aktiv EXP-kanal skal have en Rx Frequency og to tegn i CH Display</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 kan ikke ændres på denne kanal</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 er hverken On eller Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 er ikke en frekvens i MHz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 ligger ikke i 25 kHz-rasteret fra 137 til 174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 er ikke et kanalnummer, som displayet kan vise</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 er ikke Off, 0, 1, 2 eller 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 er længere end %3 tegn</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 indeholder et tegn, som radioen ikke kan gemme</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 er ikke en kanal i listen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>kanalen står allerede i linje %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+72"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Intet blev indsat: %1 række blev afvist.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Intet blev indsat: %1 rækker blev afvist.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Intet blev importeret: %1 række blev afvist.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Intet blev importeret: %1 rækker blev afvist.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>row %1: %2</source>
        <translation>række %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: %2</source>
        <translation>linje %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... og %1 afvist række mere efter disse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... og %1 afviste rækker mere efter disse</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>den første overskrift angiver ingen liste; den skal være en af %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>Intet blev importeret: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>EXP-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>USA-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>INTL-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Canada-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Individuelt katalog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Gruppekatalog</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>post %1 skal have et navn og et MMSI, før post %2 kan bruges</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: posterne nummereres 1, 2, 3 ... i rækkefølge uden huller, så denne række er post %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 har ikke %2 cifre efter det indledende 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 har ikke %2 cifre</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>overskrifterne er ikke %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>kataloget har kun %1 poster</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 er ikke en post i kataloget</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>posterne bruges i rækkefølge fra 1: post %1 er slået fra, så post %2 kan endnu ikke bruges</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>Intet blev indsat: kolonnerne passer til ingen liste; %2 har kolonnerne %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Intet blev indsat: udklipsholderen indeholder mere end %1 MB, langt mere end en liste.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Intet blev indsat: rækkerne hører ikke til %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Intet blev indsat: udklipsholderen indeholder ingen rækker.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>under listens sidste række</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>Kanal til</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Kanalvisning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>Sending tilladt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Kun lav effekt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Effektforøgelse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Scanningshukommelse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Kanalnavn</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Stationsnavn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Gruppenavn</translation>
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
        <translation>Kanal 16 er slået fra i %1. Den er den internationale kanal for nød, sikkerhed og opkald.
Dataene blev overtaget, som de er; slå den til igen på kanalens side.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Alle filer</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>Modeltypefejl !!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>Fejl ved læsning af fil!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>Fejl ved lagring af fil!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>Ugyldig fil!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Læs fra radioen</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+66"/>
        <source>%1 to %2</source>
        <translation>%1 til %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 og %2 mere</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Filen er ufuldstændig: %1 afsnit mangler (%2). Dets indstillinger har fabriksværdier; kontrollér dem, før du gemmer eller programmerer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Filen er ufuldstændig: %1 afsnit mangler (%2). Deres indstillinger har fabriksværdier; kontrollér dem, før du gemmer eller programmerer.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>MID-tabellen kunne ikke læses: landene for MMSI&apos;er og ATIS-koder kontrolleres ikke.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>Fejl ved læsning af INI-fil!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Billedet, der blev læst fra radioen, kunne ikke gemmes som sikkerhedskopi.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Hjælpedokumentet %1 mangler.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Mellemrum]: slå til/fra.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Op]/[Ned]: skift valg.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>Højst %1 tegn</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>Højst %1 tegn.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Kun cifre. Præcis %1 cifre.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>Præcis 2 cifre.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>Præcis 1 ciffer.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Vælg [x] til/[] fra.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Op]/[Ned]/[Venstre]/[Højre]: skift valg.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dobbeltklik],[Enter]: gå til indstillingssiden.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Et klik rydder loggen</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>højst 4 tegn.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>Præcis 3 cifre.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/gui/LanguageMenu.cpp" line="+15"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Language</source>
        <translation>S&amp;prog</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Træder i kraft ved næste start</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>Annulleret!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>Timeout!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>Adressefejl!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>Datafejl!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Kommunikationsfejl!!
Kablet eller dets adapter på %1 forsvandt: forbindelsen blev afbrudt. Kontrollér, at adapteren er sat i, og at kablet sidder fast, og prøv så igen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Kommunikationsfejl!!
Radioen på %1 svarede ikke. Kontrollér, at den er tændt og i kloningstilstand (displayet viser PC CONTROL), at kablet sidder fast i begge ender, og at den rigtige port er valgt.</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>ACMD-kommandofejl!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>Fejl!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>Fejl ved initialisering af porten!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>Bekræft synkroniseringen af kommunikationen</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-38"/>
        <source>Radio is busy!!</source>
        <translation>Radioen er optaget!!</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>Kommunikationsfejl!!</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Modelkontrol</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Læs fra radioen</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>Modeltypefejl !!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>Produktkodefejl!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Programmér radioen</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>Ryd DSC-loggen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Ryd nødloggen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Tilslut QYL-kablet mellem pc&apos;ens serielle port og radioen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Hold tasterne [DISTRESS] og [CALL] nede på radioen,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   mens du tænder den.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Radioens display viser PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Tryk på knappen [OK] for at starte.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>Datafejl!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>Radioen er ikke klar!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>Færdig!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Verificeret</translation>
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
        <translation>Fra</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Til</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Lav</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hi</source>
        <translation>Høj</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lo Po Only</source>
        <extracomment>The transmit power a channel starts with: low power only.</extracomment>
        <translation>Kun lav</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Lav ved kanalskift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Sidste TX-effekt</translation>
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
        <translation>Ved WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On Scan</source>
        <translation>Ved scanning</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX og scanning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Retvisende</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Misvisende</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(ikke angivet)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Åbn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>Åbn sikkerheds&amp;kopi...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Gem &amp;som...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Gem som stan&amp;dard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Udskriv til &amp;fil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>Udskrifts&amp;visning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Eksportér PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>Eksportér &amp;CSV</translation>
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
        <translation>&amp;Importér CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Sa&amp;mmenlign med...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Gentag</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Overførsel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmér radioen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Læs fra radioen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Kontrollér konfiguration...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>O&amp;mråde</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>&amp;Seriel port</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Portenheder...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Indhold</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Om QYL-version</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Åbn...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Gem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Gem som standard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Programmér</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Programmér radioen</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Læs</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Læs fra radioen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Gentag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Værktøjslinje</translation>
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
... og %1 mere; &quot;%2&quot; viser alle rækker.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>Ikke et MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Skibsstation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Kyststation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>Håndholdt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>SAR-luftfartøj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>AIS-navigationshjælpemiddel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Fartøj fra et moderskib</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Mand over bord-enhed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>MID %1 unknown</source>
        <translation>MID %1 ukendt</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>De fleste radioer accepterer kun deres eget MMSI én gang: et forkert kan kun rettes af en forhandler.
Indtast det eget MMSI, der skal programmeres, én gang til:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>De to indtastninger af eget MMSI er forskellige. Intet blev sendt til radioen.</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>Eget MMSI %1 har %2 cifre; et MMSI har 9.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>Eget MMSI &quot;%1&quot; indeholder andre tegn end cifre; et MMSI har 9 cifre.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>Vil du programmere %1-serien?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>PC-program til %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>gruppekataloget</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>det individuelle katalog</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: dette MMSI hører ikke hjemme i %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: en radios eget MMSI er en skibsstations eller en håndholdt radios.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Der er ikke sat nogen printer op på denne computer.

Filer &gt; &quot;Eksportér PDF...&quot; gemmer rapporten som en PDF-fil, som enhver computer kan udskrive.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-filer(*.pdf);;Alle filer(*.*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF</source>
        <translation>Eksportér PDF</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>Du må ikke åbne den serielle portenhed %1.

Bed computerens administrator om læse- og skriveadgang til den.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>Den serielle portenhed %1 tilhører gruppen &quot;%2&quot;. Brugeren %3 er føjet til gruppen, men denne session startede før det.

Log ud og log ind igen (eller genstart computeren), og tryk så på OK igen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>Du må ikke åbne den serielle portenhed %1: den tilhører gruppen &quot;%2&quot;, og brugeren %3 er ikke medlem af den.

Føj brugeren til gruppen med kommandoen
    sudo usermod -aG %2 %3
log derefter ud og ind igen, og tryk på OK igen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>et program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Denne computer viser slet ingen seriel enhed.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Serielle enheder på denne computer: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>Den serielle portenhed %1 findes ikke.

Sæt QYL-kablets USB-serieladapter i, og kontrollér navnet på dens enhed.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>Den serielle portenhed %1 (COM%2) findes ikke.

Sæt QYL-kablets USB-serieladapter i. Hvis den er sat i, så vælg dens port under Indstillinger &gt; Seriel port, eller angiv dens enhed for COM%2 under Indstillinger &gt; &quot;Portenheder...&quot;.

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>Den serielle portenhed %1 kunne ikke åbnes (%2).

Hvis et andet program bruger porten, så luk det program, og tryk derefter på OK igen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>Den serielle portenhed %1 bruges af %2.

Luk det program, eller afslut dets forbindelse til porten, og tryk derefter på OK igen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> og </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Til</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Kun lav effekt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Scanningshukommelse</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>En ATIS-kode har 10 cifre: 9, landets MID (f.eks. 244) og derefter 6 cifre mere.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Rx-frekvens: påkrævet, så længe &quot;Kanal til&quot; er markeret</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Kanalvisning: %1 tegn</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Gruppe-MMSI: %1 cifre efter det indledende 0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 cifre</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr.%1: nr.%2 skal først have et gruppenavn og et MMSI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr.%1: nr.%2 skal først have et stationsnavn og et MMSI</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr.%1: en post i brug skal have et gruppenavn og et MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr.%1: en post i brug skal have et stationsnavn og et MMSI</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanal 16 er den internationale kanal for nød, sikkerhed og opkald. Slå den fra alligevel?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 til %3 MHz i trin på %4 kHz</translation>
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
        <translation>Sikkerhedskopi fra %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>Skal skrives</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Ændringer siden sikkerhedskopien fra %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Vis ændringer</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Hvad programmeringen ændrer i forhold til sikkerhedskopien fra %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 til</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 kun lav effekt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 effektforøgelse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 sending tilladt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 scanningshukommelse</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 navn</translation>
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
        <translation>%1 visning</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 Tx-frekvens</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 Rx-frekvens</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 prioritetskanal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 statusnavn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-grupper</translation>
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
        <translation>USA-kanaler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>INTL-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Canada-kanaler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>WX-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>EXP-kanaler</translation>
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
        <translation>Brugbar gruppe USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Brugbar gruppe INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Brugbar gruppe Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Brugbar gruppe EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Fælles indstillinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>DSC-indstillinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>DSC-opkaldsindstillinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>DSC-visningsindstillinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Auto-POS-indstillinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>ATIS-indstillinger</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>ATIS-kaldesignal %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Individuel post %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Gruppepost %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanal</numerusform>
            <numerusform>%n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n katalogpost</numerusform>
            <numerusform>%n katalogposter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n indstilling</numerusform>
            <numerusform>%n indstillinger</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importér %n katalogpost</numerusform>
            <numerusform>Importér %n katalogposter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importér %n kanal</numerusform>
            <numerusform>Importér %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Indsæt %n katalogpost</numerusform>
            <numerusform>Indsæt %n katalogposter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Indsæt %n kanal</numerusform>
            <numerusform>Indsæt %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 for %n kanal</numerusform>
            <numerusform>%1 %2 for %n kanaler</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>til</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>fra</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>Flyt %1 op</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>Flyt %1 ned</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>Indsæt %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>Slet %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>gruppepost %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>individuel post %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>Hukommelses-ID%1[Til]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Brugbare kanalgrupper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Fælles indstillinger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>DSC-indstillinger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>ATIS-indstillinger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Programmerbare kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Gruppe1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Gruppe2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Gruppe3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Vejr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Individuelt katalog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Gruppekatalog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>EXP-kanaler</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Til]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Til]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>Hukommelses-ID%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>Gruppe-ID%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>Gruppe-ID%1[Til]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Gruppe%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Gruppe%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 og %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>Om TQ58</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Læser, redigerer og programmerer kanaler, DSC-kataloger og indstillinger i de maritime VHF-radioer %1 via et serielt kabel.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Dette program leveres uden garanti. Gem radioens indstillinger i en fil, før du programmerer den, og kontrollér MMSI og ATIS-kode mod din tilladelse til skibsstationen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Bygget med Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+39"/>
        <source>Common</source>
        <translation>Fælles</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Kaldesignal</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Usable ATIS CH Group</source>
        <translation>Brugbar ATIS-kanalgruppe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Brugbar kanalgruppe for ATIS Killer</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>ATIS-kode</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>ATIS-nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>Datafejl!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 visning</translation>
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
        <translation>LAV</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+26"/>
        <location line="+28"/>
        <source>UP</source>
        <extracomment>Column and mark of a channel that switches to high power (power up); at most four letters.</extracomment>
        <translation>OP</translation>
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
        <translation>Navn</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>TIL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Til]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>VIS</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Channels</source>
        <translation>Kanaler</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+62"/>
        <source>Tx Enable</source>
        <translation>Sending tilladt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Kun lav effekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Effektforøgelse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Scanningshukommelse</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Datafejl!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Kanalvisning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display number</source>
        <translation>Kanalvisning nummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Kanalvisning tillæg</translation>
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
        <translation>Kanalnavn</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH Enable</source>
        <translation>Kanal til</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Indtast korrekte data.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Kontrollér konfiguration</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Advarsler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Afsnit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Kanal eller post</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>MID-tabel</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programmér alligevel</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+36"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>Visning af TX-effekt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Genoptagelsestid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>Scanningsstop med PTT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Dobbeltlytning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Tidsforskydning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Misvisning</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Vejrvarsel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Drejeknap-bip</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>TX-tilstand ved start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Scanningsfunktion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>NMEA-dataindgang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Vejrkanalfunktion</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>gemmes kun i filen; indstil det på radioen</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+30"/>
        <source>Usable CH Group Setup</source>
        <translation>Brugbare kanalgrupper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Fælles indstillinger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-indstillinger (grundindstillinger)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>DSC-indstillinger (avanceret)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>DSC-indstillinger (visning)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-indstillinger (fælles)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>ATIS-indstillinger (kaldesignal)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Programmerbare WX-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Programmerbare EXP-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Programmerbare USA-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Programmerbare internationale kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Programmerbare Canada-kanaler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Indstilling af hukommelses-ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Indstilling af gruppe-ID</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Compare with %1</source>
        <translation>Sammenlign med %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Forskelle</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Values TQ58 does not offer</source>
        <translation>Værdier, som TQ58 ikke tilbyder</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No setting differs.</source>
        <translation>Ingen indstilling er forskellig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 setting differs.</source>
        <translation>1 indstilling er forskellig.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n indstilling er forskellig.</numerusform>
            <numerusform>%n indstillinger er forskellige.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Afsnit</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Kanal eller post</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Field</source>
        <translation>Felt</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n indstilling har en værdi, som TQ58 ikke tilbyder; den bevares, så længe du ikke ændrer den</numerusform>
            <numerusform>%n indstillinger har værdier, som TQ58 ikke tilbyder; de bevares, så længe du ikke ændrer dem</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Værdi</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Til</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Slet</translation>
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
        <translation>Navn</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>MMSI-type</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Gruppekatalog</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Individuelt katalog</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1  No.%2</source>
        <translation>%1  Nr.%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Name</source>
        <translation>Gruppenavn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Stationsnavn</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>Datafejl!!</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryGridPage.cpp" line="+17"/>
        <source>Directory</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Gruppekatalog</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Individuelt katalog</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>GRUPPENAVN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>STATIONSNAVN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <location filename="../src/gui/editor/DirectoryOrderMenu.cpp" line="+19"/>
        <source>Delete entry %1?</source>
        <translation>Slet post %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>Slet post %1, %2?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Flyt op</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Flyt ned</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Indsæt post</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Slet post</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+32"/>
        <source>Distress Cancel Call</source>
        <translation>Annullering af nødalarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Standbytilstand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>POS-anmodning</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>POS-rapport</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Send nødalarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Modtaget til alle skibe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Modtaget individuelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Modtaget gruppe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Modtaget geografisk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Modtaget POS-anmodning</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Modtaget POS-rapport</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Nød</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Il</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Sikkerhed</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Rutine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Menu individuel ACK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Menu individuel ACK-meddelelse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>Menu ACK for POS-anmodning</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Opkald til alle skibe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Gruppeopkald</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Individuelt opkald</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Nødlog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>DSC-log</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Grundindstillinger</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Visning</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 effekt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usable DSC CH Group</source>
        <translation>Brugbar DSC-kanalgruppe</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Type af eget MMSI</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Tæller for eget MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Tæller</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Datafejl!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Ryd log</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>Ryd %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>DSC-bip</translation>
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
        <translation>Navigation</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page</source>
        <translation>Side</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <location filename="../src/gui/editor/GeneralPage.cpp" line="+17"/>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <location filename="../src/gui/editor/GridEditing.cpp" line="+154"/>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Indsæt</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>Erstat %n udfyldt post?</numerusform>
            <numerusform>Erstat %n udfyldte poster?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>Erstat %n udfyldt kanal?</numerusform>
            <numerusform>Erstat %n udfyldte kanaler?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>Datafejl!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>TQ58-hjælp</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Hjælpetekst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Tilbage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Frem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Indhold</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Hukommelsesbillede i hexadecimal</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+85"/>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keyboard hint</source>
        <translation>Tastaturtip</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown model!!</source>
        <translation>Ukendt model!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-data er ændret.<byte value="xd"/>
Vil du gemme ændringerne?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Denne fil er til %1; TQ58 er indstillet til %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>Skift til %1 og åbn filen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModelType Error !!</source>
        <translation>Modeltypefejl !!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This installation does not offer the %1.</source>
        <translation>Denne installation tilbyder ikke %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Denne radio er en %1; TQ58 er indstillet til %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>Skift til %1 og læs igen?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Do you want to change to %1?</source>
        <translation>Vil du skifte til %1?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>Eksportér %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>csv-filer</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>1 row exported to %1</source>
        <translation>1 række eksporteret til %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n række eksporteret til %1</numerusform>
            <numerusform>%n rækker eksporteret til %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>Importér CSV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>1 række importeret fra %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n række importeret fra %1</numerusform>
            <numerusform>%n rækker importeret fra %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Sammenlign med</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dat and hex files</source>
        <translation>dat- og hex-filer</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This data</source>
        <translation>Disse data</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>dat-filer</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Navnet på denne fil er ikke UTF-8-tekst, så TQ58 kan ikke åbne den. Omdøb filen, og åbn den derefter igen.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Denne fil findes ikke længere. Den er fjernet fra listen over seneste filer.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Gem som</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Indlæs billede</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Åbn sikkerhedskopi</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>hex-filer</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n indstilling har en værdi, som TQ58 ikke tilbyder; den bevares, så længe du ikke ændrer den</numerusform>
            <numerusform>%n indstillinger har værdier, som TQ58 ikke tilbyder; de bevares, så længe du ikke ændrer dem</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save Image</source>
        <translation>Gem billede</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Søg</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Søg (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Søg efter et kanalnummer, et kanal- eller postnavn eller et MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Ryd</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>&amp;Søg...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>Søg &amp;næste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Søg f&amp;orrige</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Intet fundet for &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>Søgningen fortsatte fra toppen af træet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>Søgningen fortsatte fra bunden af træet</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Fortryd %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Gentag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gentag %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Ret eget MMSI under DSC-indstillinger, eller lad det være tomt. Intet blev sendt til radioen.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>Det kan ikke programmeres i en radio, som det er: ret det under DSC-indstillinger, eller lad det være tomt.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Forklaring</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>Eget MMSI, én gang til</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Portenheder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Indstillinger &gt; Seriel port vælger et portnummer; her vælger du den enhed, hvert nummer åbner. Vælg en seriel enhed fundet på denne computer, eller skriv stien til en anden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Opdater</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Opdater enhedslisten</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>Enhed for COM%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Ingen seriel enhed fundet: sæt kablet i, og tryk på Opdater.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Fundne serielle enheder: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>seriel enhed</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>den sædvanlige enhed, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>til stede, ikke en listet seriel enhed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>ikke til stede nu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>Enhed for COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Indstillingsrapport</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>&amp;Gem som...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Rapporttekst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Rapporten oprettes. Vent venligst...</translation>
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
        <translation>Gem som</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Tekstfiler(*.txt);;Alle filer(*.*)</translation>
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
        <translation>Til</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>on</source>
        <translation>til</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>fra</translation>
    </message>
    <message numerus="yes">
        <location line="-1"/>
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n række sprunget over: kanalen tillader ikke %1 %2.</numerusform>
            <numerusform>%n rækker sprunget over: kanalen tillader ikke %1 %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>%1-faneblade</translation>
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
        <translation>Annuller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Vejledning</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>Forbindelsesstatus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Verificér efter programmering</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Verificér efter programmering</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Forløb</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Hjælpeindholdet kan ikke vises. Der er ingen hjælp knyttet til dette projekt.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Forbinder til kablet…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Venter på radioen (%1 af %2)…</translation>
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
        <translation>QYL-kabel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Picture: %1</source>
        <translation>Billede: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Brugbare kanalgrupper</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 status name</source>
        <translation>%1 statusnavn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 prioritetskanal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status Name</source>
        <translation>Statusnavn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>Prioritetskanal</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Udvidelseskanalgrupper</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+33"/>
        <source>Enable</source>
        <translation>Til</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Kanalnavn</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Enable</source>
        <translation>%1 til</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 scanning</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 kanalnavn</translation>
    </message>
</context>
</TS>
