<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-kanavaryhmä</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Ryhmä%1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-kanavaryhmä[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Ryhmä%1[%2]</translation>
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
        <translation>KANADA</translation>
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
        <translation>Ohjelmoitavat USA-kanavat</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Ohjelmoitavat kansainväliset kanavat</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Ohjelmoitavat Kanadan kanavat</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nro %1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 (%3) ei kuulu millekään maalle.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-asetukset (perusasetukset)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 ei ole MMSI-tunnus (alusaseman tunnus alkaa numerolla 2–7); radiopuhelimen oma MMSI on alusaseman tai käsiradiopuhelimen tunnus.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 on tyyppiä %3; radiopuhelimen oma MMSI on alusaseman tai käsiradiopuhelimen tunnus.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-asetukset (yleiset)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-koodi</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 ei noudata sääntöä. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Kanava 16 on pois käytöstä (%1): se on kansainvälinen hätä-, turvallisuus- ja kutsukanava.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 ei ole MMSI-tunnus (alusaseman tunnus alkaa numerolla 2–7), eikä se kuulu ryhmähakemistoon.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 on tyyppiä %3, eikä se kuulu ryhmähakemistoon.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 ei ole MMSI-tunnus (alusaseman tunnus alkaa numerolla 2–7), eikä se kuulu yksilöhakemistoon.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 on tyyppiä %3, eikä se kuulu yksilöhakemistoon.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1sama MMSI kuin nro %2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1sama nimi kuin nro %2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Muisti-ID-asetukset</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Ryhmä-ID-asetukset</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Ohjelmoitavat EXP-kanavat</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>Kanava on käytössä, mutta sillä ei ole nimeä.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>Mikään ei vaadi tarkistusta.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>1 asetus kannattaa tarkistaa.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 asetusta kannattaa tarkistaa.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>”Ohjelmoi silti” lähettää tiedot sellaisenaan; ”Peru” lopettaa ennen kuin mitään lähetetään.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>otsikko %1 ei ole tämän luettelon sarake</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>otsikko %1 esiintyy kahdesti</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>enemmän soluja kuin otsikoita</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>käytössä oleva EXP-kanava tarvitsee Rx Frequency -arvon ja kaksi merkkiä kenttään CH Display</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>kenttää %1 ei voi muuttaa tällä kanavalla</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 ei ole On eikä Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 ei ole taajuus megahertseinä</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 ei ole 25 kHz:n kanavavälillä välillä 137–174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 ei ole kanavanumero, jonka näyttö voi näyttää</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 ei ole Off, 0, 1, 2 eikä 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 on pidempi kuin %3 merkkiä</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 sisältää merkin, jota radiopuhelin ei voi tallentaa</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 ei ole luettelon kanava</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>kanava on jo rivillä %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Mitään ei liitetty: %1 rivi hylättiin.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Mitään ei liitetty: %1 riviä hylättiin.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Mitään ei tuotu: %1 rivi hylättiin.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Mitään ei tuotu: %1 riviä hylättiin.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... ja vielä %1 hylätty rivi näiden jälkeen</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... ja vielä %1 hylättyä riviä näiden jälkeen</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>ensimmäinen otsikko ei nimeä luetteloa; sen on oltava jokin seuraavista: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Mitään ei tuotu: %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>EXP-kanavat</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>USA-kanavat</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>INTL-kanavat</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Kanadan kanavat</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>merkintä %1 tarvitsee nimen ja MMSI-tunnuksen, ennen kuin merkintää %2 voi käyttää</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: merkinnät numeroidaan 1, 2, 3 ... järjestyksessä ilman aukkoja, joten tämä rivi on merkintä %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 ei ole %2 numeroa alun 0:n jälkeen</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 ei ole %2 numeroa</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>otsikot eivät ole %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>hakemistossa on vain %1 merkintää</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Mitään ei liitetty: rivit eivät kuulu luetteloon %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Mitään ei liitetty: leikepöydällä ei ole rivejä.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>luettelon viimeisen rivin alapuolella</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Kanava 16 on pois käytöstä (%1). Se on kansainvälinen hätä-, turvallisuus- ja kutsukanava.
Tiedot otettiin sellaisenaan; ota kanava uudelleen käyttöön sen sivulla.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Kaikki tiedostot</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>Mallityyppivirhe !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Tiedoston lukuvirhe!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Tiedoston tallennusvirhe!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Virheellinen tiedosto!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lue radiopuhelimesta</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ja %2 muuta</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Tiedosto on puutteellinen: %1 osio puuttuu (%2). Sen asetuksissa on tehdasarvot; tarkista ne ennen tallentamista tai ohjelmointia.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Tiedosto on puutteellinen: %1 osiota puuttuu (%2). Niiden asetuksissa on tehdasarvot; tarkista ne ennen tallentamista tai ohjelmointia.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>MID-taulukkoa ei voitu lukea: MMSI-tunnusten ja ATIS-koodien maita ei tarkisteta.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>INI-tiedoston lukuvirhe!!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Radiopuhelimesta luettua muistikuvaa ei voitu säilyttää varmuuskopiona.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Ohjetiedosto %1 puuttuu.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Välilyönti]: päälle/pois.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Ylös]/[Alas]: vaihda valintaa.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Enintään %1 merkkiä</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>Enintään %1 merkkiä.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Vain numeroita. Tasan %1 numeroa.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Tasan 2 numeroa.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Tasan 1 numero.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Valitse [x] käytössä/[] pois.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Ylös]/[Alas]/[Vasen]/[Oikea]: vaihda valintaa.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Kaksoisnapsautus],[Enter]: siirry asetussivulle.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Napsautus tyhjentää lokin</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>enint. 4 merkkiä.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Tasan 3 numeroa.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Kieli</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Tulee voimaan seuraavalla käynnistyksellä</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>Peruttu!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Aikakatkaisu!!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Osoitevirhe!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Tiedonsiirtovirhe!!
Kaapeli tai sen sovitin portissa %1 katosi: yhteys katkesi. Tarkista, että sovitin on kytketty ja kaapeli on kunnolla paikallaan, ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Tiedonsiirtovirhe!!
Radiopuhelin portissa %1 ei vastannut. Tarkista, että se on päällä ja kloonaustilassa (näytössä lukee PC CONTROL), että kaapeli on kunnolla paikallaan molemmista päistä ja että oikea portti on valittu.</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>ACMD-komentovirhe!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Virhe!!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Portin alustusvirhe!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Vahvista tiedonsiirron tahdistus</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Radiopuhelin on varattu!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Tiedonsiirtovirhe!!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Mallin tarkistus</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lue radiopuhelimesta</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Mallityyppivirhe !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Tuotekoodivirhe!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Ohjelmoi radiopuhelin</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>Tyhjennä DSC-loki</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Tyhjennä hätäloki</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Kytke QYL-kaapeli tietokoneen sarjaportin ja radiopuhelimen väliin.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Pidä radiopuhelimen näppäimiä [DISTRESS] ja [CALL] painettuina,</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   kun kytket virran.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Radiopuhelimen näytössä lukee PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Aloita painamalla [OK]-painiketta.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radiopuhelin ei ole valmis!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Valmis!!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Varmistettu</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Matala</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Korkea</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Vain matala</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Matala kanavaa vaihdettaessa</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Viimeisin TX-teho</translation>
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
        <translation>WX-tilassa</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Selauksessa</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX ja selaus</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Tosi</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magneettinen</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(ei asetettu)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Uusi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Avaa</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Avaa &amp;varmuuskopio...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Tallenna</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Tallenna oletu&amp;kseksi</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Tulo&amp;sta</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Tulosta tie&amp;dostoon</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Tulostuksen &amp;esikatselu</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Vie &amp;PDF...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>Vie &amp;CSV</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>Tu&amp;o CSV...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>Ve&amp;rtaa tiedostoon...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Muokkaa</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Malli</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Siirto</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Ohjelmoi radiopuhelin</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lue radiopuhelimesta</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Tarkista asetukset...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Kohdealue</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Sarjaportti</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Porttien laitteet...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Heksavedos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sisältö</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Tietoja QYL-versiosta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Uusi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Avaa...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Tallenna oletukseksi</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tulosta</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Ohjelmoi</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Ohjelmoi radiopuhelin</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lue</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lue radiopuhelimesta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Kumoa</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Tee uudelleen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Työkalurivi</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... ja %1 muuta; ”Näytä yksityiskohdat” luettelee kaikki rivit.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>Ei MMSI-tunnus</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Alusasema</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Ryhmä</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Rannikkoasema</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Käsiradiopuhelin</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>SAR-ilma-alus</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>AIS-turvalaite</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Emäaluksen vene</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Mies yli laidan -laite</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>MID %1 tuntematon</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>Useimmat radiopuhelimet hyväksyvät oman MMSI-tunnuksensa vain kerran: väärän tunnuksen voi korjata vain jälleenmyyjä.
Anna ohjelmoitava oma MMSI vielä kerran:</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Oman MMSI:n kaksi syötettä eroavat. Radiopuhelimeen ei lähetetty mitään.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Haluatko ohjelmoida %1-sarjan?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>PC-ohjelma: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>ryhmähakemisto</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>yksilöhakemisto</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: tämä MMSI ei kuulu tähän hakemistoon (%3).</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: radiopuhelimen oma MMSI on alusaseman tai käsiradiopuhelimen tunnus.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Tähän tietokoneeseen ei ole asennettu tulostinta.

Tiedosto &gt; ”Vie PDF...” tallentaa raportin PDF-tiedostoksi, jonka mikä tahansa tietokone voi tulostaa.</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-tiedostot(*.pdf);;Kaikki tiedostot(*.*)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Vie PDF</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>ATIS-koodissa on 10 numeroa: 9, maan MID (esimerkiksi 244) ja sitten 6 numeroa lisää.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Rx-taajuus: pakollinen, kun ”Kanava käytössä” on valittu</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Kanavan näyttö: %1 merkkiä</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Ryhmä-MMSI: %1 numeroa alun 0:n jälkeen</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 numeroa</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nro %1: nro %2 tarvitsee ensin ryhmän nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nro %1: nro %2 tarvitsee ensin aseman nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nro %1: käytössä oleva merkintä tarvitsee ryhmän nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nro %1: käytössä oleva merkintä tarvitsee aseman nimen ja MMSI-tunnuksen</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanava 16 on kansainvälinen hätä-, turvallisuus- ja kutsukanava. Otetaanko se silti pois käytöstä?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2–%3 MHz, %4 kHz:n askelin</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1: %2 numeroa</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Varmuuskopio %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Kirjoitettavat</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Muutokset varmuuskopion %1 jälkeen</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Näytä muutokset</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Mitä ohjelmointi muuttaa varmuuskopioon %1 verrattuna (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 käytössä</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 vain matala teho</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 tehon nosto</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 lähetys sallittu</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 selausmuisti</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 nimi</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 salaus</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 näyttö</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 Tx-taajuus</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 Rx-taajuus</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 prioriteettikanava</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 tilan nimi</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-ryhmät</translation>
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
        <translation>USA-kanavat</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>INTL-kanavat</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Kanadan kanavat</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>WX-kanavat</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>EXP-kanavat</translation>
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
        <translation>Kanada %1</translation>
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
        <translation>Käytettävä ryhmä USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Käytettävä ryhmä INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Käytettävä ryhmä Kanada</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Käytettävä ryhmä EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>DSC-asetukset</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>DSC-kutsuasetukset</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>DSC-näyttöasetukset</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Auto-POS-asetukset</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>ATIS-asetukset</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>ATIS-kutsutunnus %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Yksilömerkintä %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Ryhmämerkintä %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanava</numerusform>
            <numerusform>%n kanavaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n hakemistomerkintä</numerusform>
            <numerusform>%n hakemistomerkintää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n asetus</numerusform>
            <numerusform>%n asetusta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Tuo %n hakemistomerkintä</numerusform>
            <numerusform>Tuo %n hakemistomerkintää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>Tuo %n kanava</numerusform>
            <numerusform>Tuo %n kanavaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Liitä %n hakemistomerkintä</numerusform>
            <numerusform>Liitä %n hakemistomerkintää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Liitä %n kanava</numerusform>
            <numerusform>Liitä %n kanavaa</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>Muisti-ID%1[Päällä]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleistä</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Käytettävät ryhmät</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Yleiset asetukset</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-asetukset</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-asetukset</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Ohjelmoitavat kanavat</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Ryhmä1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Ryhmä2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Ryhmä3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Sää</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-kanavat</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Päällä]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Päällä]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>Muisti-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>Ryhmä-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>Ryhmä-ID%1[Päällä]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Ryhmä%1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Ryhmä%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>Tietoja TQ58:sta</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Lukee, muokkaa ja ohjelmoi RV7200A-, RV7700A- ja RV7700AM-meri-VHF-radiopuhelinten kanavat, DSC-hakemistot ja asetukset sarjakaapelin kautta.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Tällä ohjelmalla ei ole takuuta. Tallenna radiopuhelimen asetukset tiedostoon ennen ohjelmointia ja tarkista MMSI ja ATIS-koodi radiolupasi tiedoista.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Koottu Qt:n versiolla %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Common</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Kutsutunnus</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Käytettävä ATIS-kanavaryhmä</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Käytettävä ATIS Killer -kanavaryhmä</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-koodi</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-nro</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Näyttö</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nro %1</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation>%1 näyttö</translation>
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
        <translation>MAT</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>NOS</translation>
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
        <translation>Nimi</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>KÄYTÖSSÄ</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Päällä]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>NÄYTTÖ</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanavat</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>Tx Enable</source>
        <translation>Lähetys sallittu</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Vain matala teho</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Tehon nosto</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Selausmuisti</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanavan näyttö</translation>
    </message>
    <message>
        <source>CH Display number</source>
        <translation>Kanavan näyttö: numero</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Kanavan näyttö: pääte</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Salaus</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanavan nimi</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanava käytössä</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Anna oikeat tiedot.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Tarkista asetukset</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Yhteenveto</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Varoitukset</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Osio</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanava tai merkintä</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>MID-taulukko</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Ohjelmoi silti</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>TX Po Display</source>
        <translation>TX-tehon näyttö</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Selaus</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Jatkamisviive</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Selauksen lopetus PTT:llä</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Kaksoiskuuntelu</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Aikaero</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Eranto</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Säävaroitus</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Valitsimen äänimerkki</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>TX-tila käynnistettäessä</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Selaustoiminto</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>NMEA-tietojen tulo</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Sääkanavatoiminto</translation>
    </message>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>vain tiedostossa; aseta se laitteessa</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Vertailu: %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Erot</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Mikään asetus ei eroa.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 asetus eroaa.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n asetus eroaa.</numerusform>
            <numerusform>%n asetusta eroaa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Osio</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanava tai merkintä</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Kenttä</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nimi</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>MMSI-tyyppi</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation>%1  Nro %2</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Ryhmän nimi</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Aseman nimi</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Oletko varma?</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <source>Directory</source>
        <translation>Hakemisto</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Ryhmähakemisto</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Yksilöhakemisto</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nro</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>RYHMÄN NIMI</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>ASEMAN NIMI</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tyyppi</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Siirrä ylös</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Siirrä alas</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Lisää merkintä</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Poista merkintä</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>ryhmämerkintä %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>yksilömerkintä %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Siirrä ylös: %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Siirrä alas: %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>Lisää: %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Oletko varma?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Poista: %1</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Hätähälytyksen peruutus</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Valmiustila</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>POS-pyyntö</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>POS-ilmoitus</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Hätähälytyksen lähetys</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Vastaanotettu kaikille aluksille</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Vastaanotettu yksilökutsu</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Vastaanotettu ryhmäkutsu</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Vastaanotettu aluekutsu</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Vastaanotettu POS-pyyntö</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Vastaanotettu POS-ilmoitus</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Hätä</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Pika</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Turvallisuus</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Rutiini</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Yksilökutsun ACK-valikko</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Yksilökutsun ACK-viestivalikko</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>POS-pyynnön ACK-valikko</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Kutsu kaikille aluksille</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Ryhmäkutsu</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Yksilökutsu</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Hätäloki</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>DSC-loki</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Perusasetukset</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Lisäasetukset</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Näyttö</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 teho</translation>
    </message>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Käytettävä DSC-kanavaryhmä</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Oma MMSI</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Oman MMSI:n tyyppi</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Oman MMSI:n laskuri</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Laskuri</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Lokien tyhjennys</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Tyhjennä: %1</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>DSC-äänimerkki</translation>
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
        <translation>Navigointi</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sivu</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>CH Name</source>
        <translation>Kanavan nimi</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanavan näyttö</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx-taajuus</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx-taajuus</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Ryhmän nimi</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Aseman nimi</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Liitä</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Tietovirhe!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>TQ58-ohje</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Ohjeteksti</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Takaisin</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Eteenpäin</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sisältö</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Muistikuva heksadesimaalina</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <source>Hexdump</source>
        <translation>Heksavedos</translation>
    </message>
    <message>
        <source>Keyboard hint</source>
        <translation>Näppäimistövihje</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Tuntematon malli!!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-tiedot ovat muuttuneet.<byte value="xd"/>
Haluatko tallentaa muutokset?</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Tämä tiedosto on mallille %1; TQ58 on asetettu malliin %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>Vaihdetaanko malliin %1 ja avataanko tiedosto?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Mallityyppivirhe !!</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Tämä asennus ei tarjoa mallia %1.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Tämä radiopuhelin on %1; TQ58 on asetettu malliin %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>Vaihdetaanko malliin %1 ja luetaanko uudelleen?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Haluatko vaihtaa kohdealueeksi %1?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Vie %1</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>csv-tiedostot</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>1 rivi viety tiedostoon %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n rivi viety tiedostoon %1</numerusform>
            <numerusform>%n riviä viety tiedostoon %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Tuo CSV</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>1 rivi tuotu tiedostosta %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n rivi tuotu tiedostosta %1</numerusform>
            <numerusform>%n riviä tuotu tiedostosta %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vertaa</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>dat- ja hex-tiedostot</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Nämä tiedot</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>dat-tiedostot</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Tätä tiedostoa ei enää ole. Se on poistettu viimeksi käytettyjen tiedostojen luettelosta.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Lataa muistikuva</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Avaa varmuuskopio</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>hex-tiedostot</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Tallenna muistikuva</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Etsi</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Etsi (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Etsi kanavanumeroa, kanavan tai merkinnän nimeä tai MMSI-tunnusta</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Etsi...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Haulla ”%1” ei löytynyt mitään</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Kumoa</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Kumoa: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Tee uudelleen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Tee uudelleen: %1</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Selitys</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>Oma MMSI vielä kerran</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Porttien laitteet</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Asetukset &gt; Sarjaportti valitsee porttinumeron; tässä valitaan laite, jonka kukin numero avaa. Valitse tästä tietokoneesta löytynyt sarjalaite tai kirjoita toisen laitteen polku.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Päivitä</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Päivitä laiteluettelo</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>COM%1-portin laite</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Sarjalaitetta ei löytynyt: kytke kaapeli ja paina Päivitä.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Löydetyt sarjalaitteet: %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>sarjalaite</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>tavallinen laite, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>olemassa, ei luettelon sarjalaite</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>ei nyt olemassa</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>COM%1-portin laite: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Asetusraportti</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tiedosto</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sulje</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Raportin teksti</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Raporttia luodaan. Odota...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Tekstitiedostot(*.txt);;Kaikki tiedostot(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>Enable</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Selausmuisti</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Vain matala teho</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2, %n kanava</numerusform>
            <numerusform>%1 %2, %n kanavaa</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>päälle</translation>
    </message>
    <message>
        <source>off</source>
        <translation>pois</translation>
    </message>
    <message numerus="yes">
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
        <source>%1 tabs</source>
        <translation>%1-välilehdet</translation>
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
        <translation>Peru</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Ohjeet</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>Yhteyden tila</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Varmista ohjelmoinnin jälkeen</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Varmista ohjelmoinnin jälkeen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Edistyminen</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Ohjeen sisältöä ei voi näyttää. Tähän projektiin ei liity ohjetta.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Yhdistetään kaapeliin…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Odotetaan radiopuhelinta (%1/%2)…</translation>
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
        <translation>QYL-kaapeli</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radiopuhelin</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Kuva: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Käytettävät kanavaryhmät</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 tilan nimi</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 prioriteettikanava</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Tilan nimi</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioriteettikanava</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Laajennuskanavaryhmät</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>Käytössä</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Selaus</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanavan nimi</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 käytössä</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 selaus</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 kanavan nimi</translation>
    </message>
</context>
</TS>
