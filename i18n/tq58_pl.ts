<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>Grupa kanałów EXP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Grupa%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>Grupa kanałów EXP[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Grupa%1[%2]</translation>
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
        <translation>KANADA</translation>
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
        <translation>Programowalne kanały USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Programowalne kanały międzynarodowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Programowalne kanały kanadyjskie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 numeru %3 nie jest przydzielony żadnemu państwu.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Ustawienia DSC (podstawowe)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 nie jest numerem MMSI (MMSI stacji statkowej zaczyna się od cyfry 2–7); własny MMSI radiotelefonu to MMSI stacji statkowej lub radiotelefonu przenośnego.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 to numer typu: %3; własny MMSI radiotelefonu to MMSI stacji statkowej lub radiotelefonu przenośnego.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>Ustawienia ATIS (wspólne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Kod ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 nie spełnia reguły. %2</translation>
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
        <translation>Kanał 16 jest wyłączony w: %1. To międzynarodowy kanał niebezpieczeństwa, bezpieczeństwa i wywołań.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 nie jest numerem MMSI (MMSI stacji statkowej zaczyna się od cyfry 2–7) i nie należy do katalogu grupowego.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 to numer typu: %3 i nie należy do katalogu grupowego.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 nie jest numerem MMSI (MMSI stacji statkowej zaczyna się od cyfry 2–7) i nie należy do katalogu indywidualnego.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 to numer typu: %3 i nie należy do katalogu indywidualnego.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1ten sam MMSI co nr %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1ta sama nazwa co nr %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Ustawienia ID pamięci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Ustawienia ID grup</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Programowalne kanały EXP</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>Kanał jest używany, ale nie ma nazwy.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>Kanały EXP w użyciu bez nazwy: %1.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>Nic nie wymaga ponownego sprawdzenia.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>1 ustawienie warto sprawdzić ponownie.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>Ustawienia warte ponownego sprawdzenia: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Dwuklik na ostrzeżeniu otwiera jego ustawienie.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>„Programuj mimo to” wysyła dane bez zmian; „Anuluj” przerywa, zanim cokolwiek zostanie wysłane.</translation>
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
        <translation>Antigua i Barbuda</translation>
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
        <translation>Bahamy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgium</source>
        <translation>Belgia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bermuda</source>
        <translation>Bermudy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brazylia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>Brytyjskie Wyspy Dziewicze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bułgaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Republika Zielonego Przylądka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Kajmany</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Chorwacja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curaçao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Cypr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>Czechy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Dania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Egipt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Wyspy Owcze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>Francja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French Polynesia</source>
        <translation>Polinezja Francuska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Niemcy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Grecja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Grenlandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grenada</source>
        <translation>Grenada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guadeloupe</source>
        <translation>Gwadelupa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungary</source>
        <translation>Węgry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Islandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irlandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Izrael</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Włochy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japan</source>
        <translation>Japonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Łotwa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuania</source>
        <translation>Litwa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourg</source>
        <translation>Luksemburg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marshall Islands</source>
        <translation>Wyspy Marshalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martinique</source>
        <translation>Martynika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>Meksyk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monaco</source>
        <translation>Monako</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montenegro</source>
        <translation>Czarnogóra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morocco</source>
        <translation>Maroko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Netherlands</source>
        <translation>Holandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Nowa Kaledonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Nowa Zelandia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Norwegia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Polska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portugalia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Azores)</source>
        <translation>Portugalia (Azory)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portugalia (Madera)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Rumunia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Rosja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Lucia</source>
        <translation>Saint Lucia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Vincent and the Grenadines</source>
        <translation>Saint Vincent i Grenadyny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Słowenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Republika Południowej Afryki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Hiszpania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Szwecja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Szwajcaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunezja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Turcja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ukraina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Wielka Brytania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>Wyspy Dziewicze Stanów Zjednoczonych</translation>
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
        <translation>nagłówek %1 nie jest kolumną tej listy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>nagłówek %1 występuje dwukrotnie</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>więcej komórek niż nagłówków</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>włączony kanał EXP wymaga wartości Rx Frequency i dwóch znaków w CH Display</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 nie można zmienić na tym kanale</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 nie jest ani On, ani Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 nie jest częstotliwością w MHz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 nie leży w siatce 25 kHz od 137 do 174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 nie jest numerem kanału, który wyświetlacz może pokazać</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 nie jest wartością Off, 0, 1, 2 ani 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 przekracza dozwoloną liczbę znaków (%3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 zawiera znak, którego radiotelefon nie może zapisać</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 nie jest kanałem z listy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>kanał jest już w wierszu %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+72"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Nic nie wklejono: odrzucono %1 wiersz.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Nic nie wklejono: liczba odrzuconych wierszy: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Nic nie zaimportowano: odrzucono %1 wiersz.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Nic nie zaimportowano: liczba odrzuconych wierszy: %1.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>row %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... i jeszcze %1 odrzucony wiersz po tych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... i dalsze odrzucone wiersze po tych: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>pierwszy nagłówek nie wskazuje żadnej listy; musi to być jeden z: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>Nic nie zaimportowano: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>Kanały EXP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>Kanały USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>Kanały INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Kanały kanadyjskie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>wpis %1 wymaga nazwy i numeru MMSI, zanim będzie można użyć wpisu %2</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: wpisy są numerowane 1, 2, 3 ... po kolei bez przerw, więc ten wiersz jest wpisem %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 nie ma wymaganej liczby cyfr (%2) po początkowym 0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 nie ma wymaganej liczby cyfr (%2)</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>nagłówki nie są równe %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>katalog ma tylko tyle wpisów: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 nie jest wpisem katalogu</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>wpisy są zajmowane po kolei od 1: wpis %1 jest wyłączony, więc wpisu %2 nie można jeszcze użyć</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>Nic nie wklejono: kolumny nie pasują do żadnej listy; %2 ma kolumny %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Nic nie wklejono: schowek zawiera ponad %1 MB, znacznie więcej niż lista.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Nic nie wklejono: wiersze nie pochodzą z listy %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Nic nie wklejono: schowek nie zawiera wierszy.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>poniżej ostatniego wiersza listy</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>Kanał włączony</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Wyświetlanie kanału</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>Nadawanie dozwolone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Tylko niska moc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Zwiększenie mocy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Dupleks</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Pamięć skanowania</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Szyfrator</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nazwa stacji</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Nazwa grupy</translation>
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
        <translation>Kanał 16 jest wyłączony w: %1. To międzynarodowy kanał niebezpieczeństwa, bezpieczeństwa i wywołań.
Dane przyjęto bez zmian; włącz go ponownie na stronie kanału.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>Błąd typu modelu !!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>Błąd odczytu pliku!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>Błąd zapisu pliku!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>Nieprawidłowy plik!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+66"/>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 i inne (%2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Plik jest niekompletny: brakuje %1 sekcji (%2). Jej ustawienia mają wartości fabryczne; sprawdź je przed zapisaniem lub programowaniem.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Plik jest niekompletny: liczba brakujących sekcji: %1 (%2). Ich ustawienia mają wartości fabryczne; sprawdź je przed zapisaniem lub programowaniem.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>Nie udało się odczytać tabeli MID: państwa numerów MMSI i kodów ATIS nie są sprawdzane.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>Błąd odczytu pliku INI!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Obrazu odczytanego z radiotelefonu nie udało się zachować jako kopii zapasowej.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Brak dokumentu pomocy %1.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spacja]: włącz/wyłącz.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Góra]/[Dół]: zmiana wyboru.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>Maks. liczba znaków: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>Maks. liczba znaków: %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Tylko cyfry. Wymagana liczba cyfr: %1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>Wymagane 2 cyfry.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>Wymagana 1 cyfra.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Zaznacz [x] włączone/[] wyłączone.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Góra]/[Dół]/[Lewo]/[Prawo]: zmiana wyboru.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dwuklik],[Enter]: przejście do strony ustawień.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Kliknięcie czyści dziennik</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>maks. 4 znaki.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>Wymagane 3 cyfry.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/gui/LanguageMenu.cpp" line="+15"/>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Zmiana obowiązuje od następnego uruchomienia</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>Anulowano!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>Przekroczono czas!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>Błąd adresu!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Błąd komunikacji!!
Kabel lub jego adapter na porcie %1 zniknął: połączenie zostało przerwane. Sprawdź, czy adapter jest podłączony, a kabel dobrze osadzony, i spróbuj ponownie.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Błąd komunikacji!!
Radiotelefon na porcie %1 nie odpowiedział. Sprawdź, czy jest włączony i w trybie klonowania (wyświetlacz pokazuje PC CONTROL), czy kabel jest dobrze osadzony po obu stronach i czy wybrano właściwy port.</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>Błąd polecenia ACMD!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>Błąd!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>Błąd inicjalizacji portu!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>Potwierdź synchronizację komunikacji</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-38"/>
        <source>Radio is busy!!</source>
        <translation>Radiotelefon jest zajęty!!</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>Błąd komunikacji!!</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Sprawdzenie modelu</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>Błąd typu modelu !!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>Błąd kodu produktu!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Programowanie radiotelefonu</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>Czyszczenie dziennika DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Czyszczenie dziennika niebezpieczeństwa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Podłącz kabel QYL między portem szeregowym komputera a radiotelefonem.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Na radiotelefonie przytrzymaj klawisze [DISTRESS] i [CALL]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   podczas włączania zasilania.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Wyświetlacz radiotelefonu pokaże PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Naciśnij przycisk [OK], aby rozpocząć.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>Radiotelefon nie jest gotowy!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>Zakończono!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Zweryfikowano</translation>
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
        <translation>Wyłączone</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hi</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lo Po Only</source>
        <extracomment>The transmit power a channel starts with: low power only.</extracomment>
        <translation>Tylko niska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Niska przy zmianie kanału</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Ostatnia moc TX</translation>
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
        <translation>Przy WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On Scan</source>
        <translation>Przy skanowaniu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX i skanowanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Rzeczywisty</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Magnetyczny</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(nie ustawiono)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>Otwórz &amp;kopię zapasową...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Zapisz jako &amp;domyślne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>Dr&amp;ukuj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Drukuj do &amp;pliku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>Podgląd &amp;wydruku</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Eksportuj PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>Eksportuj &amp;CSV</translation>
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
        <translation>&amp;Importuj CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Po&amp;równaj z...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Transmisja</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Zaprogramuj radiotelefon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Odczytaj z radiotelefonu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Sprawdź konfigurację...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;szeregowy</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Urządzenia portów...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Zrzut szesnastkowy</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>&amp;O wersji QYL</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Zapisz jako domyślne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Programuj</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Programowanie radiotelefonu</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Pasek narzędzi</translation>
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
... i jeszcze %1; „%2” pokazuje wszystkie wiersze.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>To nie jest MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Stacja statkowa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Stacja brzegowa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>Radiotelefon przenośny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>Statek powietrzny SAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>Znak nawigacyjny AIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Jednostka statku macierzystego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Urządzenie „człowiek za burtą”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>MID %1 unknown</source>
        <translation>Nieznany MID %1</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>Większość radiotelefonów przyjmuje własny MMSI tylko raz: błędny może cofnąć tylko sprzedawca.
Wpisz jeszcze raz własny MMSI do zaprogramowania:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Oba wpisy własnego MMSI się różnią. Do radiotelefonu nic nie wysłano.</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>Własny MMSI %1 ma niewłaściwą liczbę cyfr (%2); MMSI ma 9 cyfr.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>Własny MMSI „%1” zawiera znaki inne niż cyfry; MMSI ma 9 cyfr.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>Czy zaprogramować radiotelefon serii %1?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>Program PC dla %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>katalogu grupowego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>katalogu indywidualnego</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: ten MMSI nie należy do %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: własny MMSI radiotelefonu to MMSI stacji statkowej lub radiotelefonu przenośnego.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Na tym komputerze nie skonfigurowano drukarki.

Plik &gt; „Eksportuj PDF...” zapisuje raport jako plik PDF, który można wydrukować na dowolnym komputerze.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Pliki PDF(*.pdf);;Wszystkie pliki(*.*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>Nie masz uprawnień do otwarcia urządzenia portu szeregowego %1.

Poproś administratora tego komputera o dostęp do niego do odczytu i zapisu.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>Urządzenie portu szeregowego %1 należy do grupy „%2”. Użytkownik %3 został dodany do tej grupy, ale ta sesja rozpoczęła się wcześniej.

Wyloguj się i zaloguj ponownie (albo uruchom ponownie komputer), a potem jeszcze raz naciśnij OK.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>Nie masz uprawnień do otwarcia urządzenia portu szeregowego %1: należy ono do grupy „%2”, a użytkownik %3 nie jest jej członkiem.

Dodaj użytkownika do grupy poleceniem
    sudo usermod -aG %2 %3
potem wyloguj się i zaloguj ponownie, a następnie jeszcze raz naciśnij OK.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>pewien program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Ten komputer nie pokazuje żadnego urządzenia szeregowego.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Urządzenia szeregowe na tym komputerze: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>Urządzenie portu szeregowego %1 nie istnieje.

Podłącz adapter USB-szeregowy kabla QYL i sprawdź nazwę jego urządzenia.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>Urządzenie portu szeregowego %1 (COM%2) nie istnieje.

Podłącz adapter USB-szeregowy kabla QYL. Jeśli jest podłączony, wybierz jego port w menu Opcje &gt; Port szeregowy albo wpisz jego urządzenie dla COM%2 w menu Opcje &gt; „Urządzenia portów...”.

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>Nie można otworzyć urządzenia portu szeregowego %1 (%2).

Jeśli inny program używa portu, zamknij ten program, a potem jeszcze raz naciśnij OK.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>Urządzenie portu szeregowego %1 jest używane przez %2.

Zamknij ten program lub zakończ jego połączenie z portem, a potem jeszcze raz naciśnij OK.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> i </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Tylko niska moc</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Pamięć skanowania</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Kod ATIS ma 10 cyfr: 9, MID państwa (np. 244), a potem jeszcze 6 cyfr.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Częstotliwość Rx: wymagana, gdy zaznaczono „Kanał włączony”</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Wyświetlanie kanału: liczba znaków %1</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI grupy: liczba cyfr po początkowym 0: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: liczba cyfr %1</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr %1: nr %2 wymaga najpierw nazwy grupy i numeru MMSI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr %1: nr %2 wymaga najpierw nazwy stacji i numeru MMSI</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr %1: używany wpis wymaga nazwy grupy i numeru MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr %1: używany wpis wymaga nazwy stacji i numeru MMSI</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanał 16 to międzynarodowy kanał niebezpieczeństwa, bezpieczeństwa i wywołań. Mimo to go wyłączyć?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: od %2 do %3 MHz w krokach co %4 kHz</translation>
    </message>
    <message>
        <location filename="../src/editor/SettingEntries.cpp" line="+37"/>
        <source>%1: %2 digits</source>
        <translation>%1: liczba cyfr %2</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <location filename="../src/gui/transfer/ShowChangesButton.cpp" line="+22"/>
        <source>Backup of %1</source>
        <translation>Kopia zapasowa z %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>Do zapisania</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Zmiany od kopii zapasowej z %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Pokaż zmiany</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Co programowanie zmienia względem kopii zapasowej z %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 włączony</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 tylko niska moc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 zwiększenie mocy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 dupleks</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 nadawanie dozwolone</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 pamięć skanowania</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 nazwa</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 scrambler</source>
        <translation>%1 szyfrator</translation>
    </message>
    <message>
        <location line="-18"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+7"/>
        <source>%1 display</source>
        <translation>%1 wyświetlanie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 częstotliwość Tx</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 częstotliwość Rx</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 kanał priorytetowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 nazwa statusu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 grupy EXP</translation>
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
        <translation>Kanały USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>Kanały INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Kanały kanadyjskie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>Kanały WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>Kanały EXP</translation>
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
        <translation>Kanada %1</translation>
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
        <translation>Używana grupa USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Używana grupa INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Używana grupa Kanada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Używana grupa EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Ustawienia wspólne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>Ustawienia DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>Ustawienia wywołań DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>Ustawienia wyświetlania DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Ustawienia Auto POS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>Ustawienia ATIS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>Znak wywoławczy ATIS %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Wpis indywidualny %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Wpis grupowy %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n wpis katalogu</numerusform>
            <numerusform>%n wpisy katalogu</numerusform>
            <numerusform>%n wpisów katalogu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n ustawienie</numerusform>
            <numerusform>%n ustawienia</numerusform>
            <numerusform>%n ustawień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Import %n wpisu katalogu</numerusform>
            <numerusform>Import %n wpisów katalogu</numerusform>
            <numerusform>Import %n wpisów katalogu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>Import %n kanału</numerusform>
            <numerusform>Import %n kanałów</numerusform>
            <numerusform>Import %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Wklejenie %n wpisu katalogu</numerusform>
            <numerusform>Wklejenie %n wpisów katalogu</numerusform>
            <numerusform>Wklejenie %n wpisów katalogu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Wklejenie %n kanału</numerusform>
            <numerusform>Wklejenie %n kanałów</numerusform>
            <numerusform>Wklejenie %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 dla %n kanału</numerusform>
            <numerusform>%1 %2 dla %n kanałów</numerusform>
            <numerusform>%1 %2 dla %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>Przesuń w górę: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>Przesuń w dół: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>Wstaw: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>Usuń: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>wpis grupowy %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>wpis indywidualny %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>ID pamięci%1[Wł.]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Używane grupy kanałów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Ustawienia wspólne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>Ustawienia DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>Ustawienia ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Kanały programowalne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Grupa1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Grupa2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Grupa3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Pogoda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>Kanały EXP</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Wł.]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Wł.]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>ID pamięci%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>ID grupy%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>ID grupy%1[Wł.]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Grupa%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Grupa%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>O programie TQ58</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Odczytuje, edytuje i programuje kanały, katalogi DSC i ustawienia radiotelefonów morskich VHF %1 przez kabel szeregowy.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Ten program jest dostarczany bez gwarancji. Przed programowaniem zapisz ustawienia radiotelefonu w pliku i sprawdź MMSI oraz kod ATIS z pozwoleniem radiowym stacji statkowej.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Zbudowano z Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+39"/>
        <source>Common</source>
        <translation>Wspólne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Znak wywoławczy</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Usable ATIS CH Group</source>
        <translation>Używana grupa kanałów ATIS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Używana grupa kanałów ATIS Killer</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Kod ATIS</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>Nr ATIS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 wyświetlanie</translation>
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
        <translation>NIS</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+26"/>
        <location line="+28"/>
        <source>UP</source>
        <extracomment>Column and mark of a channel that switches to high power (power up); at most four letters.</extracomment>
        <translation>ZWI</translation>
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
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>WŁĄCZ.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Wł.]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>WYŚW.</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+62"/>
        <source>Tx Enable</source>
        <translation>Nadawanie dozwolone</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Tylko niska moc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Zwiększenie mocy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Dupleks</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Pamięć skanowania</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Wyświetlanie kanału</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display number</source>
        <translation>Wyświetlany numer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Wyświetlany przyrostek</translation>
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
        <translation>Szyfrator</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>CH Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH Enable</source>
        <translation>Kanał włączony</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Wprowadź poprawne dane.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Sprawdzanie konfiguracji</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Ostrzeżenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Sekcja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Kanał lub wpis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>Tabela MID</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programuj mimo to</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+36"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>Wskazanie mocy TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Czas wznowienia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>Koniec skanowania przez PTT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Podwójny nasłuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Przesunięcie czasu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Deklinacja magnetyczna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Alarm pogodowy</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Dźwięk pokrętła</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>Tryb TX po włączeniu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Funkcja skanowania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>Wejście danych NMEA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Funkcja kanału pogodowego</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>tylko w pliku; ustaw w radiotelefonie</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+30"/>
        <source>Usable CH Group Setup</source>
        <translation>Używane grupy kanałów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Ustawienia wspólne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Ustawienia DSC (podstawowe)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>Ustawienia DSC (zaawansowane)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>Ustawienia DSC (wyświetlanie)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>Ustawienia ATIS (wspólne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>Ustawienia ATIS (znak wywoławczy)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Programowalne kanały WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Programowalne kanały EXP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Programowalne kanały USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Programowalne kanały międzynarodowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Programowalne kanały kanadyjskie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Ustawienia ID pamięci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Ustawienia ID grup</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Compare with %1</source>
        <translation>Porównanie z %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Values TQ58 does not offer</source>
        <translation>Wartości, których TQ58 nie oferuje</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No setting differs.</source>
        <translation>Żadne ustawienie się nie różni.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 setting differs.</source>
        <translation>1 ustawienie się różni.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n ustawienie się różni.</numerusform>
            <numerusform>%n ustawienia się różnią.</numerusform>
            <numerusform>%n ustawień się różni.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Sekcja</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Kanał lub wpis</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n ustawienie ma wartość, której TQ58 nie oferuje; zostaje zachowana, dopóki jej nie zmienisz</numerusform>
            <numerusform>%n ustawienia mają wartości, których TQ58 nie oferuje; zostają zachowane, dopóki ich nie zmienisz</numerusform>
            <numerusform>%n ustawień ma wartości, których TQ58 nie oferuje; zostają zachowane, dopóki ich nie zmienisz</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Usuń</translation>
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
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>Rodzaj MMSI</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1  No.%2</source>
        <translation>%1  Nr %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Name</source>
        <translation>Nazwa grupy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nazwa stacji</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
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
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>NAZWA GRUPY</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>NAZWA STACJI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <location filename="../src/gui/editor/DirectoryOrderMenu.cpp" line="+19"/>
        <source>Delete entry %1?</source>
        <translation>Usunąć wpis %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>Usunąć wpis %1, %2?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Wstaw wpis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Usuń wpis</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+32"/>
        <source>Distress Cancel Call</source>
        <translation>Odwołanie alarmu o niebezpieczeństwie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Tryb czuwania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>Zapytanie o pozycję</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>Raport pozycji</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Wysłanie alarmu o niebezpieczeństwie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Odebrane do wszystkich statków</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Odebrane indywidualne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Odebrane grupowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Odebrane obszarowe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Odebrane zapytanie o pozycję</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Odebrany raport pozycji</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Niebezpieczeństwo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Pilność</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Bezpieczeństwo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Rutyna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Menu ACK indywidualnego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Menu wiadomości ACK indywidualnego</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>Menu ACK zapytania o pozycję</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Wywołanie do wszystkich statków</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Wywołanie grupowe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Wywołanie indywidualne</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Dziennik niebezpieczeństwa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>Dziennik DSC</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 moc</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usable DSC CH Group</source>
        <translation>Używana grupa kanałów DSC</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Rodzaj własnego MMSI</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Licznik własnego MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Licznik</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Czyszczenie dzienników</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>Wyczyść: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>Sygnał dźwiękowy DSC</translation>
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
        <translation>Nawigacja</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <location filename="../src/gui/editor/GeneralPage.cpp" line="+17"/>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <location filename="../src/gui/editor/GridEditing.cpp" line="+154"/>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>Zastąpić %n zajęty wpis?</numerusform>
            <numerusform>Zastąpić %n zajęte wpisy?</numerusform>
            <numerusform>Zastąpić %n zajętych wpisów?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>Zastąpić %n zajęty kanał?</numerusform>
            <numerusform>Zastąpić %n zajęte kanały?</numerusform>
            <numerusform>Zastąpić %n zajętych kanałów?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>Pomoc TQ58</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Obraz pamięci szesnastkowo</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+85"/>
        <source>Hexdump</source>
        <translation>Zrzut szesnastkowy</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keyboard hint</source>
        <translation>Wskazówka klawiatury</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown model!!</source>
        <translation>Nieznany model!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Dane QYL zostały zmienione.<byte value="xd"/>
Czy zapisać zmiany?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Ten plik jest dla modelu %1; TQ58 jest ustawiony na model %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>Przełączyć na model %1 i otworzyć plik?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModelType Error !!</source>
        <translation>Błąd typu modelu !!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This installation does not offer the %1.</source>
        <translation>Ta instalacja nie oferuje modelu %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Ten radiotelefon to %1; TQ58 jest ustawiony na model %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>Przełączyć na model %1 i odczytać ponownie?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Do you want to change to %1?</source>
        <translation>Czy zmienić region na %1?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>Eksport: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>pliki csv</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>1 row exported to %1</source>
        <translation>Wyeksportowano 1 wiersz do %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>Wyeksportowano %n wiersz do %1</numerusform>
            <numerusform>Wyeksportowano %n wiersze do %1</numerusform>
            <numerusform>Wyeksportowano %n wierszy do %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>Zaimportowano 1 wiersz z %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>Zaimportowano %n wiersz z %1</numerusform>
            <numerusform>Zaimportowano %n wiersze z %1</numerusform>
            <numerusform>Zaimportowano %n wierszy z %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dat and hex files</source>
        <translation>pliki dat i hex</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This data</source>
        <translation>Te dane</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>pliki dat</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Nazwa tego pliku nie jest tekstem UTF-8, więc TQ58 nie może go otworzyć. Zmień nazwę pliku, a potem otwórz go ponownie.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Ten plik już nie istnieje. Usunięto go z listy ostatnich plików.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Otwórz kopię zapasową</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>pliki hex</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n ustawienie ma wartość, której TQ58 nie oferuje; zostaje zachowana, dopóki jej nie zmienisz</numerusform>
            <numerusform>%n ustawienia mają wartości, których TQ58 nie oferuje; zostają zachowane, dopóki ich nie zmienisz</numerusform>
            <numerusform>%n ustawień ma wartości, których TQ58 nie oferuje; zostają zachowane, dopóki ich nie zmienisz</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save Image</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Znajdź (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Znajdź numer kanału, nazwę kanału lub wpisu albo MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>&amp;Znajdź...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Znajdź p&amp;oprzedni</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Nic nie znaleziono dla „%1”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>Wyszukiwanie kontynuowano od początku drzewa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>Wyszukiwanie kontynuowano od końca drzewa</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Popraw własny MMSI na stronie „Ustawienia DSC” albo pozostaw go pusty. Do radiotelefonu nic nie wysłano.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>W tej postaci nie można go zaprogramować w radiotelefonie: popraw go na stronie „Ustawienia DSC” albo pozostaw go pusty.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Wyjaśnienie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>Własny MMSI, jeszcze raz</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Urządzenia portów</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opcje &gt; Port szeregowy wybiera numer portu; tutaj wybierasz urządzenie, które otwiera każdy numer. Wybierz urządzenie szeregowe znalezione na tym komputerze lub wpisz ścieżkę innego.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Odśwież listę urządzeń</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>Urządzenie portu COM%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Nie znaleziono urządzenia szeregowego: podłącz kabel i naciśnij Odśwież.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Znalezione urządzenia szeregowe: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>urządzenie szeregowe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>zwykłe urządzenie, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>obecne, ale nie na liście urządzeń szeregowych</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>obecnie niedostępne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>Urządzenie portu COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Raport ustawień</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Tekst raportu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Tworzenie raportu. Proszę czekać...</translation>
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
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Pliki tekstowe(*.txt);;Wszystkie pliki(*.*)</translation>
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
        <translation>Włączone</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message numerus="yes">
        <location line="-1"/>
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>Pominięto %n wiersz: kanał nie pozwala na %1 %2.</numerusform>
            <numerusform>Pominięto %n wiersze: kanał nie pozwala na %1 %2.</numerusform>
            <numerusform>Pominięto %n wierszy: kanał nie pozwala na %1 %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>Karty: %1</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Instrukcje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>Stan połączenia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Weryfikuj po zaprogramowaniu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Weryfikuj po zaprogramowaniu</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Nie można wyświetlić spisu treści pomocy. Z tym projektem nie jest powiązana żadna pomoc.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Łączenie z kablem…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Oczekiwanie na radiotelefon (%1 z %2)…</translation>
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
        <translation>Kabel QYL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Radio</source>
        <translation>Radiotelefon</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Picture: %1</source>
        <translation>Obraz: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Używane grupy kanałów</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 status name</source>
        <translation>%1 nazwa statusu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 kanał priorytetowy</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status Name</source>
        <translation>Nazwa statusu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>Kanał priorytetowy</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Grupy kanałów rozszerzenia</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+33"/>
        <source>Enable</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Enable</source>
        <translation>%1 włączony</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 skanowanie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 nazwa kanału</translation>
    </message>
</context>
</TS>
