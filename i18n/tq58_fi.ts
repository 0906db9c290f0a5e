<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>EXP-kanavaryhmä</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Ryhmä%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-kanavaryhmä[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Ryhmä%1[%2]</translation>
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
        <translation>Ohjelmoitavat USA-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Ohjelmoitavat kansainväliset kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Ohjelmoitavat Kanadan kanavat</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>Nro %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 (%3) ei kuulu millekään maalle.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-asetukset (perusasetukset)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 ei ole MMSI-tunnus (alusaseman tunnus alkaa numerolla 2–7); radiopuhelimen oma MMSI on alusaseman tai käsiradiopuhelimen tunnus.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 on tyyppiä %3; radiopuhelimen oma MMSI on alusaseman tai käsiradiopuhelimen tunnus.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-asetukset (yleiset)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>ATIS-koodi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 ei noudata sääntöä. %2</translation>
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
        <translation>Kanava 16 on pois käytöstä (%1): se on kansainvälinen hätä-, turvallisuus- ja kutsukanava.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 ei ole MMSI-tunnus (alusaseman tunnus alkaa numerolla 2–7), eikä se kuulu ryhmähakemistoon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 on tyyppiä %3, eikä se kuulu ryhmähakemistoon.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 ei ole MMSI-tunnus (alusaseman tunnus alkaa numerolla 2–7), eikä se kuulu yksilöhakemistoon.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 on tyyppiä %3, eikä se kuulu yksilöhakemistoon.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1sama MMSI kuin nro %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1sama nimi kuin nro %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Muisti-ID-asetukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Ryhmä-ID-asetukset</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Ohjelmoitavat EXP-kanavat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>Kanava on käytössä, mutta sillä ei ole nimeä.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>EXP-kanavia on käytössä ilman nimeä: %1.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>Mikään ei vaadi tarkistusta.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>1 asetus kannattaa tarkistaa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 asetusta kannattaa tarkistaa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Avaa varoituksen asetus kaksoisnapsauttamalla varoitusta.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>”Ohjelmoi silti” lähettää tiedot sellaisenaan; ”Peru” lopettaa ennen kuin mitään lähetetään.</translation>
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
        <translation>Antigua ja Barbuda</translation>
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
        <translation>Itävalta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bahamas</source>
        <translation>Bahama</translation>
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
        <translation>Bermuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brasilia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>Brittiläiset Neitsytsaaret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Kanada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Kap Verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Caymansaaret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Kroatia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curaçao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Kypros</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>Tšekki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Tanska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Egypti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Viro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Färsaaret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>Ranska</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French Polynesia</source>
        <translation>Ranskan Polynesia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Saksa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Kreikka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Grönlanti</translation>
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
        <translation>Unkari</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Islanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irlanti</translation>
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
        <translation>Japani</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Latvia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuania</source>
        <translation>Liettua</translation>
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
        <translation>Marshallinsaaret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martinique</source>
        <translation>Martinique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>Meksiko</translation>
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
        <translation>Alankomaat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Uusi-Kaledonia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Uusi-Seelanti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Norja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Puola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portugali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Azores)</source>
        <translation>Portugali (Azorit)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portugali (Madeira)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Romania</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Venäjä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Lucia</source>
        <translation>Saint Lucia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Vincent and the Grenadines</source>
        <translation>Saint Vincent ja Grenadiinit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Slovenia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Etelä-Afrikka</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Espanja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Ruotsi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Sveitsi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunisia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Turkki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ukraina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Yhdistynyt kuningaskunta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>Yhdysvaltain Neitsytsaaret</translation>
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
        <translation>otsikko %1 ei ole tämän luettelon sarake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>otsikko %1 esiintyy kahdesti</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>enemmän soluja kuin otsikoita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>käytössä oleva EXP-kanava tarvitsee Rx Frequency -arvon ja kaksi merkkiä kenttään CH Display</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>kenttää %1 ei voi muuttaa tällä kanavalla</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 ei ole On eikä Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 ei ole taajuus megahertseinä</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 ei ole 25 kHz:n kanavavälillä välillä 137–174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 ei ole kanavanumero, jonka näyttö voi näyttää</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 ei ole Off, 0, 1, 2 eikä 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 on pidempi kuin %3 merkkiä</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 sisältää merkin, jota radiopuhelin ei voi tallentaa</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 ei ole luettelon kanava</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>kanava on jo rivillä %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+72"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Mitään ei liitetty: %1 rivi hylättiin.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Mitään ei liitetty: %1 riviä hylättiin.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Mitään ei tuotu: %1 rivi hylättiin.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Mitään ei tuotu: %1 riviä hylättiin.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>row %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... ja vielä %1 hylätty rivi näiden jälkeen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... ja vielä %1 hylättyä riviä näiden jälkeen</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>ensimmäinen otsikko ei nimeä mitään luetteloa; sen on oltava jokin seuraavista: %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>Mitään ei tuotu: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>EXP-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>USA-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>INTL-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Kanadan kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>merkintä %1 tarvitsee nimen ja MMSI-tunnuksen, ennen kuin merkintää %2 voi käyttää</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: merkinnät numeroidaan 1, 2, 3 ... järjestyksessä ilman aukkoja, joten tämä rivi on merkintä %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 ei ole %2 numeroa alun 0:n jälkeen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 ei ole %2 numeroa</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>otsikot eivät ole %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>hakemistossa on vain %1 merkintää</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 ei ole hakemiston merkintä</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>merkinnät otetaan käyttöön järjestyksessä alkaen 1:stä: merkintä %1 on pois käytöstä, joten merkintää %2 ei voi vielä käyttää</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>Mitään ei liitetty: sarakkeet eivät sovi mihinkään luetteloon; luettelon %2 sarakkeet ovat %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Mitään ei liitetty: leikepöydällä on yli %1 Mt, paljon enemmän kuin yhdessä luettelossa.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Mitään ei liitetty: rivit eivät kuulu luetteloon %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Mitään ei liitetty: leikepöydällä ei ole rivejä.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>luettelon viimeisen rivin alapuolella</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>Kanava käytössä</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Kanavan näyttö</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>Lähetys sallittu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Vain matala teho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Tehon nosto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Selausmuisti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Salaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Kanavan nimi</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>Nro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Aseman nimi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>Nro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Ryhmän nimi</translation>
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
        <translation>Kanava 16 on pois käytöstä (%1). Se on kansainvälinen hätä-, turvallisuus- ja kutsukanava.
Tiedot otettiin sellaisenaan; ota kanava uudelleen käyttöön sen sivulla.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Kaikki tiedostot</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>Mallityyppivirhe !!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>Tiedoston lukuvirhe!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>Tiedoston tallennusvirhe!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>Virheellinen tiedosto!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Lue radiopuhelimesta</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+66"/>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 ja %2 muuta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Tiedosto on puutteellinen: %1 osio puuttuu (%2). Sen asetuksissa on tehdasarvot; tarkista ne ennen tallentamista tai ohjelmointia.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Tiedosto on puutteellinen: %1 osiota puuttuu (%2). Niiden asetuksissa on tehdasarvot; tarkista ne ennen tallentamista tai ohjelmointia.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>MID-taulukkoa ei voitu lukea: MMSI-tunnusten ja ATIS-koodien maita ei tarkisteta.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>INI-tiedoston lukuvirhe!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Radiopuhelimesta luettua muistikuvaa ei voitu säilyttää varmuuskopiona.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Ohjetiedosto %1 puuttuu.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Välilyönti]: päälle/pois.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Ylös]/[Alas]: vaihda valintaa.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>Enintään %1 merkkiä</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>Enintään %1 merkkiä.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Vain numeroita. Tasan %1 numeroa.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>Tasan 2 numeroa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>Tasan 1 numero.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Valitse [x] käytössä/[] pois.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Ylös]/[Alas]/[Vasen]/[Oikea]: vaihda valintaa.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Kaksoisnapsautus],[Enter]: siirry asetussivulle.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Napsautus tyhjentää lokin</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>enint. 4 merkkiä.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>Tasan 3 numeroa.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/gui/LanguageMenu.cpp" line="+15"/>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Language</source>
        <translation>&amp;Kieli</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Tulee voimaan seuraavalla käynnistyksellä</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>Peruttu!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>Aikakatkaisu!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>Osoitevirhe!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Tiedonsiirtovirhe!!
Kaapeli tai sen sovitin portissa %1 katosi: yhteys katkesi. Tarkista, että sovitin on kytketty ja kaapeli on kunnolla paikallaan, ja yritä uudelleen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Tiedonsiirtovirhe!!
Radiopuhelin portissa %1 ei vastannut. Tarkista, että se on päällä ja kloonaustilassa (näytössä lukee PC CONTROL), että kaapeli on kunnolla paikallaan molemmista päistä ja että oikea portti on valittu.</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>ACMD-komentovirhe!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>Virhe!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>Portin alustusvirhe!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>Vahvista tiedonsiirron tahdistus</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-38"/>
        <source>Radio is busy!!</source>
        <translation>Radiopuhelin on varattu!!</translation>
    </message>
    <message>
        <location line="+62"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>Tiedonsiirtovirhe!!</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Mallin tarkistus</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Lue radiopuhelimesta</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>Mallityyppivirhe !!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>Tuotekoodivirhe!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Ohjelmoi radiopuhelin</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>Tyhjennä DSC-loki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Tyhjennä hätäloki</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Kytke QYL-kaapeli tietokoneen sarjaportin ja radiopuhelimen väliin.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Pidä radiopuhelimen näppäimiä [DISTRESS] ja [CALL] painettuina,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   kun kytket virran.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Radiopuhelimen näytössä lukee PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Aloita painamalla [OK]-painiketta.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>Radiopuhelin ei ole valmis!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>Valmis!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Varmistettu</translation>
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
        <translation>Pois</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Matala</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hi</source>
        <translation>Korkea</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lo Po Only</source>
        <extracomment>The transmit power a channel starts with: low power only.</extracomment>
        <translation>Vain matala</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Matala kanavaa vaihdettaessa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Viimeisin TX-teho</translation>
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
        <translation>WX-tilassa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On Scan</source>
        <translation>Selauksessa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX ja selaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Tosi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Magneettinen</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(ei asetettu)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Avaa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>Avaa &amp;varmuuskopio...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Tallenna oletu&amp;kseksi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>Tulo&amp;sta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Tulosta tie&amp;dostoon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>Tulostuksen &amp;esikatselu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>Vie &amp;PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>Vie &amp;CSV</translation>
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
        <translation>Tu&amp;o CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Ve&amp;rtaa tiedostoon...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Malli</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Siirto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Ohjelmoi radiopuhelin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lue radiopuhelimesta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Tarkista asetukset...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>&amp;Kohdealue</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>&amp;Sarjaportti</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Porttien laitteet...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Heksavedos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sisältö</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Tietoja QYL-versiosta</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Avaa...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Tallenna oletukseksi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Ohjelmoi</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Ohjelmoi radiopuhelin</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Lue radiopuhelimesta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Työkalurivi</translation>
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
... ja vielä %1; ”%2” näyttää kaikki rivit.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>Ei MMSI-tunnus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Alusasema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Ryhmä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Rannikkoasema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>Käsiradiopuhelin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>SAR-ilma-alus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>AIS-turvalaite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Emäaluksen vene</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Mies yli laidan -laite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>MID %1 unknown</source>
        <translation>MID %1 tuntematon</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>Useimmat radiopuhelimet hyväksyvät oman MMSI-tunnuksensa vain kerran: väärän tunnuksen voi korjata vain jälleenmyyjä.
Anna ohjelmoitava oma MMSI vielä kerran:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Oman MMSI:n kaksi syötettä eroavat. Radiopuhelimeen ei lähetetty mitään.</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>Oman MMSI:n %1 numeroiden määrä on %2; MMSI:ssä on 9 numeroa.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>Oma MMSI ”%1” sisältää muitakin merkkejä kuin numeroita; MMSI:ssä on 9 numeroa.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>Haluatko ohjelmoida %1-sarjan?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>PC-ohjelma: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>ryhmähakemisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>yksilöhakemisto</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: tämä MMSI ei kuulu tähän hakemistoon (%3).</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: radiopuhelimen oma MMSI on alusaseman tai käsiradiopuhelimen tunnus.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Tähän tietokoneeseen ei ole asennettu tulostinta.

Tiedosto &gt; ”Vie PDF...” tallentaa raportin PDF-tiedostoksi, jonka mikä tahansa tietokone voi tulostaa.</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-tiedostot(*.pdf);;Kaikki tiedostot(*.*)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export PDF</source>
        <translation>Vie PDF</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>Sinulla ei ole oikeutta avata sarjaporttilaitetta %1.

Pyydä tämän tietokoneen ylläpitäjältä luku- ja kirjoitusoikeus siihen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>Sarjaporttilaite %1 kuuluu ryhmään ”%2”. Käyttäjä %3 on lisätty ryhmään, mutta tämä istunto alkoi sitä ennen.

Kirjaudu ulos ja takaisin sisään (tai käynnistä tietokone uudelleen) ja paina sitten OK uudelleen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>Sinulla ei ole oikeutta avata sarjaporttilaitetta %1: se kuuluu ryhmään ”%2”, eikä käyttäjä %3 ole sen jäsen.

Lisää käyttäjä ryhmään komennolla
    sudo usermod -aG %2 %3
kirjaudu sitten ulos ja takaisin sisään ja paina OK uudelleen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>jokin ohjelma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (prosessi %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Tämä tietokone ei näytä yhtään sarjalaitetta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Tämän tietokoneen sarjalaitteet: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>Sarjaporttilaitetta %1 ei ole olemassa.

Kytke QYL-kaapelin USB-sarjasovitin ja tarkista sen laitteen nimi.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>Sarjaporttilaitetta %1 (COM%2) ei ole olemassa.

Kytke QYL-kaapelin USB-sarjasovitin. Jos se on kytketty, valitse sen portti kohdasta Asetukset &gt; Sarjaportti tai anna sen laite portille COM%2 kohdassa Asetukset &gt; ”Porttien laitteet...”.

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>Sarjaporttilaitetta %1 ei voitu avata (%2).

Jos jokin toinen ohjelma käyttää porttia, sulje se ohjelma ja paina sitten OK uudelleen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>Sarjaporttilaite %1 on käytössä: %2.

Sulje se ohjelma tai katkaise sen yhteys porttiin ja paina sitten OK uudelleen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> ja </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Vain matala teho</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Selausmuisti</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>ATIS-koodissa on 10 numeroa: 9, maan MID (esimerkiksi 244) ja sitten 6 numeroa lisää.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Rx-taajuus: pakollinen, kun ”Kanava käytössä” on valittu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Kanavan näyttö: %1 merkkiä</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Ryhmä-MMSI: %1 numeroa alun 0:n jälkeen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 numeroa</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nro %1: nro %2 tarvitsee ensin ryhmän nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nro %1: nro %2 tarvitsee ensin aseman nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nro %1: käytössä oleva merkintä tarvitsee ryhmän nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nro %1: käytössä oleva merkintä tarvitsee aseman nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanava 16 on kansainvälinen hätä-, turvallisuus- ja kutsukanava. Otetaanko se silti pois käytöstä?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2–%3 MHz, %4 kHz:n askelin</translation>
    </message>
    <message>
        <location filename="../src/editor/SettingEntries.cpp" line="+37"/>
        <source>%1: %2 digits</source>
        <translation>%1: %2 numeroa</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <location filename="../src/gui/transfer/ShowChangesButton.cpp" line="+22"/>
        <source>Backup of %1</source>
        <translation>Varmuuskopio %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>Kirjoitettavat</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Muutokset varmuuskopion %1 jälkeen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Näytä muutokset</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Mitä ohjelmointi muuttaa varmuuskopioon %1 verrattuna (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 käytössä</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 vain matala teho</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 tehon nosto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 lähetys sallittu</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 selausmuisti</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 nimi</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 scrambler</source>
        <translation>%1 salaus</translation>
    </message>
    <message>
        <location line="-18"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+7"/>
        <source>%1 display</source>
        <translation>%1 näyttö</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 Tx-taajuus</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 Rx-taajuus</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 prioriteettikanava</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 tilan nimi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-ryhmät</translation>
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
        <translation>USA-kanavat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>INTL-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Kanadan kanavat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>WX-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>EXP-kanavat</translation>
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
        <translation>Käytettävä ryhmä USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Käytettävä ryhmä INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Käytettävä ryhmä Kanada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Käytettävä ryhmä EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>DSC-asetukset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>DSC-kutsuasetukset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>DSC-näyttöasetukset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Auto-POS-asetukset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>ATIS-asetukset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>ATIS-kutsutunnus %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Yksilömerkintä %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Ryhmämerkintä %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanava</numerusform>
            <numerusform>%n kanavaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n hakemistomerkintä</numerusform>
            <numerusform>%n hakemistomerkintää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n asetus</numerusform>
            <numerusform>%n asetusta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Tuo %n hakemistomerkintä</numerusform>
            <numerusform>Tuo %n hakemistomerkintää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>Tuo %n kanava</numerusform>
            <numerusform>Tuo %n kanavaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Liitä %n hakemistomerkintä</numerusform>
            <numerusform>Liitä %n hakemistomerkintää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Liitä %n kanava</numerusform>
            <numerusform>Liitä %n kanavaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2, %n kanava</numerusform>
            <numerusform>%1 %2, %n kanavaa</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>päälle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>pois</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>Siirrä ylös: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>Siirrä alas: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>Lisää: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>Poista: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>ryhmämerkintä %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>yksilömerkintä %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>Muisti-ID%1[Päällä]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>Yleistä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Käytettävät ryhmät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>DSC-asetukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>ATIS-asetukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Ohjelmoitavat kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Ryhmä1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Ryhmä2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Ryhmä3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Sää</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>EXP-kanavat</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Päällä]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Päällä]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>Muisti-ID%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>Ryhmä-ID%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>Ryhmä-ID%1[Päällä]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Ryhmä%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Ryhmä%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 ja %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>Tietoja TQ58:sta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Lukee, muokkaa ja ohjelmoi meri-VHF-radiopuhelinten %1 kanavat, DSC-hakemistot ja asetukset sarjakaapelin kautta.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Tällä ohjelmalla ei ole takuuta. Tallenna radiopuhelimen asetukset tiedostoon ennen ohjelmointia ja tarkista MMSI ja ATIS-koodi radiolupasi tiedoista.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Koottu Qt:n versiolla %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+39"/>
        <source>Common</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Kutsutunnus</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Usable ATIS CH Group</source>
        <translation>Käytettävä ATIS-kanavaryhmä</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Käytettävä ATIS Killer -kanavaryhmä</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>ATIS-koodi</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>ATIS-nro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Näyttö</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>Nro %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 näyttö</translation>
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
        <translation>MAT</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+26"/>
        <location line="+28"/>
        <source>UP</source>
        <extracomment>Column and mark of a channel that switches to high power (power up); at most four letters.</extracomment>
        <translation>NOS</translation>
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
        <translation>Nimi</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>KÄYTÖSSÄ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Päällä]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>NÄYTTÖ</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Channels</source>
        <translation>Kanavat</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+62"/>
        <source>Tx Enable</source>
        <translation>Lähetys sallittu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Vain matala teho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Tehon nosto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Selausmuisti</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Kanavan näyttö</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display number</source>
        <translation>Kanavan näyttö: numero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Kanavan näyttö: pääte</translation>
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
        <translation>Salaus</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>CH Name</source>
        <translation>Kanavan nimi</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>CH Enable</source>
        <translation>Kanava käytössä</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Anna oikeat tiedot.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Tarkista asetukset</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Yhteenveto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Varoitukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Osio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Kanava tai merkintä</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>MID-taulukko</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Ohjelmoi silti</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+36"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>TX-tehon näyttö</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>Selaus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Jatkamisviive</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>Selauksen lopetus PTT:llä</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Kaksoiskuuntelu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Aikaero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Eranto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Säävaroitus</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Valitsimen äänimerkki</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>TX-tila käynnistettäessä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Selaustoiminto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>NMEA-tietojen tulo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Sääkanavatoiminto</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>vain tiedostossa; aseta se laitteessa</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+30"/>
        <source>Usable CH Group Setup</source>
        <translation>Käytettävät ryhmät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-asetukset (perusasetukset)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>DSC-asetukset (lisäasetukset)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>DSC-asetukset (näyttö)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-asetukset (yleiset)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>ATIS-asetukset (kutsutunnus)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Ohjelmoitavat WX-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Ohjelmoitavat EXP-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Ohjelmoitavat USA-kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Ohjelmoitavat kansainväliset kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Ohjelmoitavat Kanadan kanavat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Muisti-ID-asetukset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Ryhmä-ID-asetukset</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Compare with %1</source>
        <translation>Vertailu: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Erot</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Values TQ58 does not offer</source>
        <translation>Arvot, joita TQ58 ei tarjoa</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>No setting differs.</source>
        <translation>Mikään asetus ei eroa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 setting differs.</source>
        <translation>1 asetus eroaa.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n asetus eroaa.</numerusform>
            <numerusform>%n asetusta eroaa.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Osio</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Kanava tai merkintä</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Field</source>
        <translation>Kenttä</translation>
    </message>
    <message numerus="yes">
        <location line="-2"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n asetuksella on arvo, jota TQ58 ei tarjoa; se säilyy, ellet muuta sitä</numerusform>
            <numerusform>%n asetuksella on arvoja, joita TQ58 ei tarjoa; ne säilyvät, ellet muuta niitä</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Arvo</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Poista</translation>
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
        <translation>Nimi</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>MMSI-tyyppi</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1  No.%2</source>
        <translation>%1  Nro %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Name</source>
        <translation>Ryhmän nimi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Aseman nimi</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryGridPage.cpp" line="+17"/>
        <source>Directory</source>
        <translation>Hakemisto</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>RYHMÄN NIMI</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>ASEMAN NIMI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Tyyppi</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <location filename="../src/gui/editor/DirectoryOrderMenu.cpp" line="+19"/>
        <source>Delete entry %1?</source>
        <translation>Poistetaanko merkintä %1?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>Poistetaanko merkintä %1, %2?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Siirrä ylös</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Siirrä alas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Lisää merkintä</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Poista merkintä</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+32"/>
        <source>Distress Cancel Call</source>
        <translation>Hätähälytyksen peruutus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Valmiustila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>POS-pyyntö</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>POS-ilmoitus</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Hätähälytyksen lähetys</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Vastaanotettu kaikille aluksille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Vastaanotettu yksilökutsu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Vastaanotettu ryhmäkutsu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Vastaanotettu aluekutsu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Vastaanotettu POS-pyyntö</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Vastaanotettu POS-ilmoitus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Hätä</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Pika</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Turvallisuus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Rutiini</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Yksilökutsun ACK-valikko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Yksilökutsun ACK-viestivalikko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>POS-pyynnön ACK-valikko</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Kutsu kaikille aluksille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Ryhmäkutsu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Yksilökutsu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Hätäloki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>DSC-loki</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Perusasetukset</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Lisäasetukset</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Näyttö</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 teho</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usable DSC CH Group</source>
        <translation>Käytettävä DSC-kanavaryhmä</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Oman MMSI:n tyyppi</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Oman MMSI:n laskuri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Laskuri</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Lokien tyhjennys</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>Tyhjennä: %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>DSC-äänimerkki</translation>
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
        <translation>Navigointi</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page</source>
        <translation>Sivu</translation>
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
        <translation>Liitä</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>Korvataanko %n täytetty merkintä?</numerusform>
            <numerusform>Korvataanko %n täytettyä merkintää?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>Korvataanko %n täytetty kanava?</numerusform>
            <numerusform>Korvataanko %n täytettyä kanavaa?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>TQ58-ohje</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Ohjeteksti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Takaisin</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>&amp;Eteenpäin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sisältö</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Muistikuva heksadesimaalina</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+85"/>
        <source>Hexdump</source>
        <translation>Heksavedos</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keyboard hint</source>
        <translation>Näppäimistövihje</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unknown model!!</source>
        <translation>Tuntematon malli!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-tiedot ovat muuttuneet.<byte value="xd"/>
Haluatko tallentaa muutokset?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Tämä tiedosto on mallille %1; TQ58 on asetettu malliin %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>Vaihdetaanko malliin %1 ja avataanko tiedosto?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>ModelType Error !!</source>
        <translation>Mallityyppivirhe !!</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This installation does not offer the %1.</source>
        <translation>Tämä asennus ei tarjoa mallia %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Tämä radiopuhelin on %1; TQ58 on asetettu malliin %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>Vaihdetaanko malliin %1 ja luetaanko uudelleen?</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Do you want to change to %1?</source>
        <translation>Haluatko vaihtaa kohdealueeksi %1?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>Vie %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>csv-tiedostot</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>1 row exported to %1</source>
        <translation>1 rivi viety tiedostoon %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n rivi viety tiedostoon %1</numerusform>
            <numerusform>%n riviä viety tiedostoon %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>Tuo CSV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>1 rivi tuotu tiedostosta %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n rivi tuotu tiedostosta %1</numerusform>
            <numerusform>%n riviä tuotu tiedostosta %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Vertaa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>dat and hex files</source>
        <translation>dat- ja hex-tiedostot</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This data</source>
        <translation>Nämä tiedot</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>dat-tiedostot</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Tämän tiedoston nimi ei ole UTF-8-tekstiä, joten TQ58 ei voi avata sitä. Nimeä tiedosto uudelleen ja avaa se sitten uudestaan.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Tätä tiedostoa ei enää ole. Se on poistettu viimeksi käytettyjen tiedostojen luettelosta.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Lataa muistikuva</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Avaa varmuuskopio</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>hex-tiedostot</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n asetuksella on arvo, jota TQ58 ei tarjoa; se säilyy, ellet muuta sitä</numerusform>
            <numerusform>%n asetuksella on arvoja, joita TQ58 ei tarjoa; ne säilyvät, ellet muuta niitä</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Save Image</source>
        <translation>Tallenna muistikuva</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Etsi (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Etsi kanavanumeroa, kanavan tai merkinnän nimeä tai MMSI-tunnusta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>&amp;Etsi...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>Etsi &amp;seuraava</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Etsi e&amp;dellinen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Haulla ”%1” ei löytynyt mitään</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>Haku jatkui puun alusta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>Haku jatkui puun lopusta</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Kumoa: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Tee uudelleen: %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Korjaa oma MMSI kohdassa DSC-asetukset tai jätä se tyhjäksi. Radiopuhelimeen ei lähetetty mitään.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>Sitä ei voi ohjelmoida radiopuhelimeen sellaisenaan: korjaa se kohdassa DSC-asetukset tai jätä se tyhjäksi.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Selitys</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>Oma MMSI vielä kerran</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Porttien laitteet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Asetukset &gt; Sarjaportti valitsee porttinumeron; tässä valitaan laite, jonka kukin numero avaa. Valitse tästä tietokoneesta löytynyt sarjalaite tai kirjoita toisen laitteen polku.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Päivitä</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Päivitä laiteluettelo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>COM%1-portin laite</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Sarjalaitetta ei löytynyt: kytke kaapeli ja paina Päivitä.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Löydetyt sarjalaitteet: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>sarjalaite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>tavallinen laite, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>olemassa, ei luettelon sarjalaite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>ei nyt olemassa</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>COM%1-portin laite: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Asetusraportti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Raportin teksti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Raporttia luodaan. Odota...</translation>
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
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Tekstitiedostot(*.txt);;Kaikki tiedostot(*.*)</translation>
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
        <translation>Päällä</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>on</source>
        <translation>päälle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>pois</translation>
    </message>
    <message numerus="yes">
        <location line="-1"/>
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n rivi ohitettiin: kanava ei salli asetusta %1 %2.</numerusform>
            <numerusform>%n riviä ohitettiin: kanava ei salli asetusta %1 %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>%1-välilehdet</translation>
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
        <translation>Peru</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Ohjeet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>Yhteyden tila</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Varmista ohjelmoinnin jälkeen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Varmista ohjelmoinnin jälkeen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Edistyminen</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Ohjeen sisältöä ei voi näyttää. Tähän projektiin ei liity ohjetta.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Yhdistetään kaapeliin…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Odotetaan radiopuhelinta (%1/%2)…</translation>
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
        <translation>QYL-kaapeli</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Radio</source>
        <translation>Radiopuhelin</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Picture: %1</source>
        <translation>Kuva: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Käytettävät kanavaryhmät</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 status name</source>
        <translation>%1 tilan nimi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 prioriteettikanava</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Status Name</source>
        <translation>Tilan nimi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>Prioriteettikanava</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Laajennuskanavaryhmät</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+33"/>
        <source>Enable</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Selaus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Kanavan nimi</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 Enable</source>
        <translation>%1 käytössä</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 selaus</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 kanavan nimi</translation>
    </message>
</context>
</TS>
