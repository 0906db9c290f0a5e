<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>EXP-kanaalgroep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Groep%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-kanaalgroep[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Groep%1[%2]</translation>
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
        <translation>Programmeerbaar USA-kanaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Programmeerbaar internationaal kanaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Programmeerbaar Canada-kanaal</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 van %3 is aan geen land toegewezen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-instellingen (Basis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 is geen MMSI (die van een scheepsstation begint met 2 t/m 7); de eigen MMSI van een radio is die van een scheepsstation of handmarifoon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 wordt gelezen als %3; de eigen MMSI van een radio is die van een scheepsstation of handmarifoon.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-instellingen (Algemeen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 voldoet niet aan de regel. %2</translation>
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
        <translation>Kanaal 16 is uitgeschakeld in %1: het is het internationale nood-, veiligheids- en aanroepkanaal.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 is geen MMSI (die van een scheepsstation begint met 2 t/m 7) en hoort niet in het groepsadresboek.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 wordt gelezen als %3, wat niet in het groepsadresboek hoort.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 is geen MMSI (die van een scheepsstation begint met 2 t/m 7) en hoort niet in het individuele adresboek.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 wordt gelezen als %3, wat niet in het individuele adresboek hoort.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1dezelfde MMSI als Nr.%2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1dezelfde naam als Nr.%2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Geheugen-ID-instelling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Groeps-ID-instelling</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Programmeerbaar EXP-kanaal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>Het kanaal is in gebruik maar heeft geen naam.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>%1 EXP-kanalen zijn in gebruik zonder naam.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>Niets vraagt om nadere controle.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>1 instelling verdient nadere controle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 instellingen verdienen nadere controle.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Dubbelklik op een waarschuwing om de instelling te openen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>Toch programmeren verzendt de gegevens zoals ze zijn; Annuleren stopt voordat er iets wordt verzonden.</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <location filename="../src/editor/CountryNames.cpp" line="+12"/>
        <source>Albania</source>
        <translation>Albanië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Antigua and Barbuda</source>
        <translation>Antigua en Barbuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Australia</source>
        <translation>Australië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austria</source>
        <translation>Oostenrijk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bahamas</source>
        <translation>Bahama&apos;s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgium</source>
        <translation>België</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bermuda</source>
        <translation>Bermuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brazilië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>Britse Maagdeneilanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgarije</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Kaapverdië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Kaaimaneilanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Kroatië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curaçao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Cyprus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>Tsjechië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Denemarken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Egypte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Faeröer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Finland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>Frankrijk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French Polynesia</source>
        <translation>Frans-Polynesië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Duitsland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Griekenland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Groenland</translation>
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
        <translation>Hongarije</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>IJsland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Ierland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Israël</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Italië</translation>
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
        <translation>Litouwen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourg</source>
        <translation>Luxemburg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marshall Islands</source>
        <translation>Marshalleilanden</translation>
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
        <translation>Nederland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Nieuw-Caledonië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Nieuw-Zeeland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Noorwegen</translation>
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
        <translation>Portugal (Azoren)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portugal (Madeira)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Roemenië</translation>
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
        <translation>Saint Vincent en de Grenadines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Slovenië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Zuid-Afrika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Spanje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Zweden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Zwitserland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunesië</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Turkije</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Oekraïne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Verenigd Koninkrijk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>Amerikaanse Maagdeneilanden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA</source>
        <translation>Verenigde Staten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA (Alaska)</source>
        <translation>Verenigde Staten (Alaska)</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+77"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Niets geïmporteerd: %1 rij is geweigerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Niets geïmporteerd: %1 rijen zijn geweigerd.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... en nog %1 geweigerde rij hierna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... en nog %1 geweigerde rijen hierna</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>de eerste kop noemt geen lijst; die moet een van %1 zijn</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>Niets geïmporteerd: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>EXP-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>USA-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>INTL-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Canada-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelCsv.cpp" line="+128"/>
        <source>heading %1 is not a column of this list</source>
        <translation>kop %1 is geen kolom van deze lijst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>kop %1 komt twee keer voor</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>meer cellen dan koppen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>een ingeschakeld EXP-kanaal heeft een Rx Frequency en twee tekens in CH Display nodig</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 kan op dit kanaal niet worden gewijzigd</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 is niet On of Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 is geen frequentie in MHz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 ligt niet in het 25-kHz-raster van 137 tot 174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 is geen kanaalnummer dat het display kan tonen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 is niet Off, 0, 1, 2 of 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 is langer dan %3 tekens</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 bevat een teken dat de radio niet kan opslaan</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 is geen kanaal van de lijst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>het kanaal staat al in regel %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="-25"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Niets geplakt: %1 rij is geweigerd.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Niets geplakt: %1 rijen zijn geweigerd.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>row %1: %2</source>
        <translation>rij %1: %2</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>vermelding %1 heeft een naam en een MMSI nodig voordat vermelding %2 kan worden gebruikt</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: vermeldingen zijn op volgorde zonder gaten genummerd 1, 2, 3 ..., dus deze rij is vermelding %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 bestaat niet uit %2 cijfers na de voorloop-0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 bestaat niet uit %2 cijfers</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>de koppen zijn niet %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>het adresboek heeft maar %1 vermeldingen</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 is geen vermelding van het adresboek</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>vermeldingen worden op volgorde vanaf 1 gebruikt: vermelding %1 staat uit, dus vermelding %2 kan nog niet worden gebruikt</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>Niets geplakt: de kolommen passen bij geen enkele lijst; %2 heeft de kolommen %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Niets geplakt: het klembord bevat meer dan %1 MB, veel meer dan een lijst.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Niets geplakt: de rijen horen niet bij %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Niets geplakt: het klembord bevat geen rijen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>onder de laatste rij van de lijst</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>Kanaal actief</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>TX actief</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Stationsnaam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Groepsnaam</translation>
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
        <translation>Kanaal 16 is uitgeschakeld in %1. Het is het internationale nood-, veiligheids- en aanroepkanaal.
De gegevens zijn overgenomen zoals ze zijn; schakel het weer in op de pagina van het kanaal.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>Modeltypefout !!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>Fout bij lezen bestand!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>Fout bij opslaan bestand!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>ongeldig bestand!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Radio uitlezen</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+77"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Dit bestand is onvolledig: %1 onderdeel ontbreekt (%2). De instellingen daarvan staan op fabriekswaarden; controleer ze voordat u opslaat of programmeert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Dit bestand is onvolledig: %1 onderdelen ontbreken (%2). Hun instellingen staan op fabriekswaarden; controleer ze voordat u opslaat of programmeert.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>De tabel met MID&apos;s kon niet worden gelezen: de landen van MMSI&apos;s en ATIS-codes worden niet gecontroleerd.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>Fout bij lezen INI-bestand!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Het uit de radio gelezen image kon niet als back-up worden bewaard.</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="-17"/>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Het helpdocument %1 ontbreekt.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spatie]:In- of uitschakelen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Pijl omhoog]/[Pijl omlaag]:Keuze wijzigen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>Maximaal %1 tekens</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>Maximaal %1 tekens.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Alleen cijfers. Precies %1 cijfers vereist.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>Precies 2 cijfers vereist.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>Precies 1 cijfer vereist.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Kies [x] aan/[] uit.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Pijl omhoog]/[Pijl omlaag]/[Pijl links]/[Pijl rechts]:Keuze wijzigen.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dubbelklik],[Enter]:Naar het instellingenscherm.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Een klik wist het logboek</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>max. 4 tekens.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>Precies 3 cijfers vereist.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/gui/LanguageMenu.cpp" line="+15"/>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Werkt na de volgende start</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>geannuleerd!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>time-out!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>adresfout!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>gegevensfout!!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="+24"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>Communicatiefout!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>ACMD-opdrachtfout!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>fout!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>poortinitialisatiefout!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>bevestig de synchronisatie van de communicatie</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-114"/>
        <source>Radio is busy!!</source>
        <translation>Radio is bezet!!</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Modelcontrole</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Radio uitlezen</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>Modeltypefout !!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>Productcodefout!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Radio programmeren</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>DSC-loggegevens wissen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Noodloggegevens wissen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Sluit de QYL-kabel aan tussen de seriële poort van de pc en de radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Houd op de radio de toetsen [DISTRESS] en [CALL] ingedrukt terwijl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   u de radio aanzet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Het display van de radio toont PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Klik op [OK] om te starten.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>Radio niet gereed!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>Voltooid!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Geverifieerd</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Communicatiefout!!
De kabel of de adapter op %1 is verdwenen: de verbinding is verbroken. Controleer of de adapter is aangesloten en de kabel goed vastzit, en probeer het opnieuw.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Communicatiefout!!
De radio op %1 antwoordde niet. Controleer of hij aanstaat en in kloonmodus is (het display toont PC CONTROL), of de kabel aan beide kanten goed vastzit en of de juiste poort is gekozen.</translation>
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
        <translation>Uit</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hi</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lo Po Only</source>
        <extracomment>The transmit power a channel starts with: low power only.</extracomment>
        <translation>Alleen laag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Laag bij kanaalwissel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Laatste TX-verm.</translation>
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
        <translation>Bij WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On Scan</source>
        <translation>Bij scan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX en scan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Rechtw.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Magn.</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(geen)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>&amp;Back-up openen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Opslaan als s&amp;tandaard</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Afd&amp;rukken naar bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>&amp;PDF exporteren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>&amp;CSV exporteren</translation>
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
        <translation>CSV &amp;importeren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Vergelijken &amp;met...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>Over&amp;dracht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>Radio &amp;programmeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>Radio &amp;uitlezen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Configuratie controleren...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>Be&amp;stemming</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>&amp;Seriële poort</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Poortapparaten...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Over QYL-versie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Opslaan als standaard</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Programmeren</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Radio programmeren</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Uitlezen</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Radio uitlezen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Werkbalk</translation>
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
... en nog %1; „%2” toont alle regels.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>Geen MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Scheepsstation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Kuststation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>Handmarifoon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>SAR-vliegtuig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>AIS-vaarwegmarkering</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Vaartuig van moederschip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Man-over-boordbaken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>De meeste radio&apos;s accepteren hun eigen MMSI maar één keer: een verkeerde kan alleen een dealer ongedaan maken.
Voer de te programmeren eigen MMSI nogmaals in:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>De twee invoeren van de eigen MMSI verschillen. Er is niets naar de radio verzonden.</translation>
    </message>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+57"/>
        <source>MID %1 unknown</source>
        <translation>MID %1 onbekend</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>Het eigen MMSI %1 heeft %2 cijfers; een MMSI heeft er 9.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>Het eigen MMSI &quot;%1&quot; bevat andere tekens dan cijfers; een MMSI heeft 9 cijfers.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>Wilt u de %1-serie programmeren?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>PC-programma voor %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>het groepsadresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>het individuele adresboek</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: deze MMSI hoort niet in %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: de eigen MMSI van een radio is die van een scheepsstation of handmarifoon.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Er is op deze computer geen printer ingesteld.

Bestand &gt; &quot;PDF exporteren...&quot; bewaart het rapport als PDF-bestand, dat elke computer kan afdrukken.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-bestanden(*.pdf);;Alle bestanden(*.*)</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>U mag het seriële poortapparaat %1 niet openen.

Vraag de beheerder van deze computer om lees- en schrijftoegang ertoe.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>Het seriële poortapparaat %1 hoort bij de groep &quot;%2&quot;. Gebruiker %3 is aan die groep toegevoegd, maar deze sessie is daarvoor begonnen.

Meld u af en weer aan (of start de computer opnieuw op) en klik dan nogmaals op OK.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>U mag het seriële poortapparaat %1 niet openen: het hoort bij de groep &quot;%2&quot; en gebruiker %3 is daar geen lid van.

Voeg de gebruiker aan de groep toe met de opdracht
    sudo usermod -aG %2 %3
meld u daarna af en weer aan, en klik nogmaals op OK.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>een programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (proces %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Deze computer toont helemaal geen serieel apparaat.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Seriële apparaten op deze computer: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>Het seriële poortapparaat %1 bestaat niet.

Sluit de USB-seriële adapter van de QYL-kabel aan en controleer de naam van het apparaat.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>Het seriële poortapparaat %1 (COM%2) bestaat niet.

Sluit de USB-seriële adapter van de QYL-kabel aan. Is hij aangesloten, kies dan zijn poort onder Opties &gt; Seriële poort, of voer zijn apparaat voor COM%2 in onder Opties &gt; &quot;Poortapparaten...&quot;.

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>Het seriële poortapparaat %1 kon niet worden geopend (%2).

Als een ander programma de poort gebruikt, sluit dat programma en klik dan nogmaals op OK.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>Het seriële poortapparaat %1 wordt gebruikt door %2.

Sluit dat programma of verbreek zijn verbinding met de poort, en klik dan nogmaals op OK.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> en </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Een ATIS-code heeft 10 cijfers: 9, de MID van het land (bijv. 244), dan nog 6 cijfers.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>RX-frequentie: nodig zolang Kanaal actief is aangevinkt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Kanaalweergave: %1 tekens</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Groeps-MMSI: %1 cijfers na de voorloop-0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 cijfers</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr.%1: Nr.%2 heeft eerst een groepsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr.%1: Nr.%2 heeft eerst een stationsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr.%1: een vermelding in gebruik heeft een groepsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr.%1: een vermelding in gebruik heeft een stationsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanaal 16 is het internationale nood-, veiligheids- en aanroepkanaal. Toch uitschakelen?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 tot %3 MHz in stappen van %4 kHz</translation>
    </message>
    <message>
        <location filename="../src/editor/SettingEntries.cpp" line="+37"/>
        <source>%1: %2 digits</source>
        <translation>%1: %2 cijfers</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <location filename="../src/gui/transfer/ShowChangesButton.cpp" line="+22"/>
        <source>Backup of %1</source>
        <translation>Back-up van %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>Te schrijven</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Wijzigingen sinds de back-up van %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Wijzigingen tonen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Wat programmeren wijzigt t.o.v. de back-up van %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 actief</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 alleen laag vermogen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 vermogen verhogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 TX actief</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 scangeheugen</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 naam</translation>
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
        <translation>%1 weergave</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 TX-frequentie</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 RX-frequentie</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 prioriteitskanaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 statusnaam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-groepen</translation>
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
        <translation>USA-kanalen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>INTL-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Canada-kanalen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>WX-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>EXP-kanalen</translation>
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
        <translation>Bruikbare kanaalgroep USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Bruikbare kanaalgroep INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Bruikbare kanaalgroep Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Bruikbare kanaalgroep EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>DSC-instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>DSC-oproepinstellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>DSC-weergave-instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Auto POS-instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>ATIS-instellingen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>ATIS-roepnaam %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Individuele vermelding %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Groepsvermelding %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanaal</numerusform>
            <numerusform>%n kanalen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n adresboekvermelding</numerusform>
            <numerusform>%n adresboekvermeldingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n instelling</numerusform>
            <numerusform>%n instellingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>%n adresboekvermelding importeren</numerusform>
            <numerusform>%n adresboekvermeldingen importeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>%n kanaal importeren</numerusform>
            <numerusform>%n kanalen importeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>%n adresboekvermelding plakken</numerusform>
            <numerusform>%n adresboekvermeldingen plakken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>%n kanaal plakken</numerusform>
            <numerusform>%n kanalen plakken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 voor %n kanaal</numerusform>
            <numerusform>%1 %2 voor %n kanalen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>%1 omhoog</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>%1 omlaag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>%1 invoegen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>groepsvermelding %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>individuele vermelding %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>Geheugen-ID%1[Actief]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Bruikbare kanaalgroepen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>DSC-instellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>ATIS-instellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Programmeerbaar kanaal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Groep1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Groep2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Groep3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Weer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>EXP-kanaal</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Actief]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Actief]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>Geheugen-ID%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>Groeps-ID%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>Groeps-ID%1[Actief]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Groep%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Groep%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>Over TQ58</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Leest, bewerkt en programmeert de kanalen, DSC-adresboeken en instellingen van de marifoons %1 via een seriële kabel.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Dit programma wordt zonder enige garantie geleverd. Sla de instellingen van de radio op in een bestand voordat u hem programmeert, en controleer de MMSI en de ATIS-code aan de hand van uw zendvergunning.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Gebouwd met Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+63"/>
        <source>Usable ATIS CH Group</source>
        <translation>Bruikbare ATIS-kanaalgroep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Bruikbare ATIS-killerkanaalgroep</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>ATIS-nr.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <location line="-84"/>
        <source>Common</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 weergave</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelGridPage.cpp" line="+185"/>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <location line="-146"/>
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
        <translation>LAAG</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>ACTIEF</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Actief]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>WEERG</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+146"/>
        <source>CH Display number</source>
        <translation>Nummer kanaalweergave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Achtervoegsel kanaalweergave</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>Tx Enable</source>
        <translation>TX actief</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>CH Enable</source>
        <translation>Kanaal actief</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Voer correcte gegevens in.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Configuratie controleren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Waarschuwingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Onderdeel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Kanaal of vermelding</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>Tabel met MID&apos;s</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>Toch &amp;programmeren</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+128"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>alleen in het bestand bewaard; stel het in op de radio</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>TX-vermogen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Hervattingstijd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>PTT stopt scan</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Dual Watch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Tijdverschil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Magnetische variatie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Weeralarm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Draaiknoppiep</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>TX-modus bij start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Scanfunctie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>NMEA-invoer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Weerkanaalfunctie</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+68"/>
        <source>Compare with %1</source>
        <translation>Vergelijken met %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Onderdeel</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Kanaal of vermelding</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No setting differs.</source>
        <translation>Geen instelling verschilt.</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Usable CH Group Setup</source>
        <translation>Bruikbare kanaalgroepen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-instellingen (Basis)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>DSC-instellingen (Uitgebreid)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>DSC-instellingen (Weergave)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-instellingen (Algemeen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>ATIS-instellingen (Roepnaam)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Programmeerbare weerkanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Programmeerbare EXP-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Programmeerbare USA-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Programmeerbare internationale kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Programmeerbare Canada-kanalen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>1 setting differs.</source>
        <translation>1 instelling verschilt.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n instelling verschilt.</numerusform>
            <numerusform>%n instellingen verschillen.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Values TQ58 does not offer</source>
        <translation>Waarden die TQ58 niet aanbiedt</translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n instelling heeft een waarde die TQ58 niet aanbiedt; deze blijft behouden tenzij u hem wijzigt</numerusform>
            <numerusform>%n instellingen hebben waarden die TQ58 niet aanbiedt; ze blijven behouden tenzij u ze wijzigt</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Waarde</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Verwijderen</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>MMSI-soort</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Group Name</source>
        <translation>Groepsnaam</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Stationsnaam</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>%1  No.%2</source>
        <translation>%1  Nr.%2</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryGridPage.cpp" line="+17"/>
        <source>Directory</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>GROEPSNAAM</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>STATIONSNAAM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <location filename="../src/gui/editor/DirectoryOrderMenu.cpp" line="+19"/>
        <source>Delete entry %1?</source>
        <translation>Vermelding %1 verwijderen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>Vermelding %1, %2 verwijderen?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Vermelding invoegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Vermelding verwijderen</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+144"/>
        <source>Usable DSC CH Group</source>
        <translation>Bruikbare DSC-kanaalgroep</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Soort eigen MMSI</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Aantal eigen MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Logboek wissen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>%1 wissen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>DSC-pieptoon</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Distress Cancel Call</source>
        <translation>Noodalarm annuleren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Stand-bymodus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>POS-verzoek</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>POS-melding</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Noodalarm verzenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Ontv. alle schepen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Ontv. individueel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Ontv. groep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Ontv. geografisch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Ontv. POS-verzoek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Ontv. POS-melding</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Nood</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Spoed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Veiligheid</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Menu individuele ACK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Menu individueel ACK-bericht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>Menu POS-verzoek-ACK</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Oproep alle schepen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Groepsoproep</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Individuele oproep</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Noodlogboek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>DSC-logboek</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Basis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Uitgebreid</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 vermogen</translation>
    </message>
    <message>
        <location line="+118"/>
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
        <translation>Navigatie</translation>
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
        <translation>TQ58-logo</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <location filename="../src/gui/editor/GridEditing.cpp" line="+154"/>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>%n gevulde vermelding vervangen?</numerusform>
            <numerusform>%n gevulde vermeldingen vervangen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>%n gevuld kanaal vervangen?</numerusform>
            <numerusform>%n gevulde kanalen vervangen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>TQ58 Help</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Geheugenbeeld in hexadecimaal</translation>
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
        <translation>Toetsenbordtip</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Dit bestand is voor de %1; TQ58 staat ingesteld op de %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>Overschakelen naar de %1 en het bestand openen?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>This installation does not offer the %1.</source>
        <translation>Deze installatie biedt de %1 niet.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Deze radio is een %1; TQ58 staat ingesteld op de %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>Overschakelen naar de %1 en opnieuw uitlezen?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>%1 exporteren</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 row exported to %1</source>
        <translation>1 rij geëxporteerd naar %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n rij geëxporteerd naar %1</numerusform>
            <numerusform>%n rijen geëxporteerd naar %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>CSV importeren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>1 rij geïmporteerd uit %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n rij geïmporteerd uit %1</numerusform>
            <numerusform>%n rijen geïmporteerd uit %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This data</source>
        <translation>Deze gegevens</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

De naam van dit bestand is geen UTF-8-tekst, daarom kan TQ58 het niet openen. Geef het bestand een andere naam en open het daarna opnieuw.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Dit bestand bestaat niet meer. Het is verwijderd uit de lijst met recente bestanden.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Image laden</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Back-up openen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Save Image</source>
        <translation>Image opslaan</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Zoeken (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Zoek een kanaalnummer, een kanaal- of vermeldingsnaam, of een MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>&amp;Zoeken...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>&amp;Volgende zoeken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Vo&amp;rige zoeken</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Niets gevonden voor &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>Zoeken ging verder vanaf het begin van de boom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>Zoeken ging verder vanaf het einde van de boom</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>Op&amp;nieuw: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+16"/>
        <source>Unknown model!!</source>
        <translation>Onbekend model!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-gegevens zijn gewijzigd.<byte value="xd"/>
Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="-38"/>
        <source>ModelType Error !!</source>
        <translation>Modeltypefout !!</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Do you want to change to %1?</source>
        <translation>Wilt u overschakelen naar %1?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="-89"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>csv-bestanden</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>dat and hex files</source>
        <translation>dat- en hex-bestanden</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="-175"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>dat-bestanden</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>hex-bestanden</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n instelling heeft een waarde die TQ58 niet aanbiedt; deze blijft behouden tenzij u hem wijzigt</numerusform>
            <numerusform>%n instellingen hebben waarden die TQ58 niet aanbiedt; ze blijven behouden tenzij u ze wijzigt</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Corrigeer het eigen MMSI onder DSC-instellingen, of laat het leeg. Er is niets naar de radio verzonden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>Zo kan het niet in een radio worden geprogrammeerd: corrigeer het onder DSC-instellingen, of laat het leeg.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>Eigen MMSI, nogmaals</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Poortapparaten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opties &gt; Seriële poort kiest een poortnummer; hier kiest u het apparaat dat elk nummer opent. Kies een serieel apparaat dat op deze computer is gevonden of typ het pad van een ander apparaat.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Apparatenlijst vernieuwen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>Apparaat van COM%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Geen serieel apparaat gevonden: sluit de kabel aan en klik op Vernieuwen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Seriële apparaten gevonden: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>serieel apparaat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>het gebruikelijke apparaat, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>aanwezig, geen bekend serieel apparaat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>nu niet aanwezig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>COM%1-apparaat: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Instellingenrapport</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Rapporttekst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Tekst wordt opgemaakt. Even geduld...</translation>
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
        <translation>Opslaan als</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Tekstbestanden(*.txt);;Alle bestanden(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <location filename="../src/gui/editor/RowFlagMenu.cpp" line="+31"/>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message numerus="yes">
        <location line="+43"/>
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n rij overgeslagen: het kanaal staat %1 %2 niet toe.</numerusform>
            <numerusform>%n rijen overgeslagen: het kanaal staat %1 %2 niet toe.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>%1-tabbladen</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>Verbindingsstatus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>Na programmeren &amp;verifiëren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Na programmeren verifiëren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Kan de Help-inhoud niet weergeven. Er is geen Help aan dit project gekoppeld.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Verbinden met de kabel…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Wachten op de radio (%1 van %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <location filename="../src/gui/transfer/TransferPicture.cpp" line="+44"/>
        <source>Picture: %1</source>
        <translation>Afbeelding: %1</translation>
    </message>
    <message>
        <location line="-27"/>
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
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Bruikbare kanaalgroepen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Status Name</source>
        <translation>Statusnaam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>Prioriteitskanaal</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Uitbreidingskanaalgroepen</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 status name</source>
        <translation>%1 statusnaam</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 prioriteitskanaal</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+54"/>
        <source>%1 Enable</source>
        <translation>%1 actief</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 scan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 kanaalnaam</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
</context>
</TS>
