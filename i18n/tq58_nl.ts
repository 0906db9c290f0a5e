<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-kanaalgroep</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Groep%1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-kanaalgroep[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Groep%1[%2]</translation>
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
        <translation>CANADA</translation>
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
        <translation>Programmeerbaar USA-kanaal</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Programmeerbaar internationaal kanaal</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Programmeerbaar Canada-kanaal</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 van %3 is aan geen land toegewezen.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-instellingen (Basis)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 is geen MMSI (die van een scheepsstation begint met 2 t/m 7); de eigen MMSI van een radio is die van een scheepsstation of portofoon.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 wordt gelezen als %3; de eigen MMSI van een radio is die van een scheepsstation of portofoon.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-instellingen (Algemeen)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 voldoet niet aan de regel. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Kanaal 16 is uitgeschakeld in %1: het is het internationale nood-, veiligheids- en aanroepkanaal.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 is geen MMSI (die van een scheepsstation begint met 2 t/m 7) en hoort niet in het groepsadresboek.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 wordt gelezen als %3, wat niet in het groepsadresboek hoort.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 is geen MMSI (die van een scheepsstation begint met 2 t/m 7) en hoort niet in het individuele adresboek.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 wordt gelezen als %3, wat niet in het individuele adresboek hoort.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1dezelfde MMSI als Nr.%2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1dezelfde naam als Nr.%2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Geheugen-ID-instelling</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Groeps-ID-instelling</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Programmeerbaar EXP-kanaal</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>Het kanaal is in gebruik maar heeft geen naam.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>Niets vraagt om nadere controle.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>1 instelling verdient nadere controle.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 instellingen verdienen nadere controle.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>Toch programmeren verzendt de gegevens zoals ze zijn; Annuleren stopt voordat er iets wordt verzonden.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Niets geïmporteerd: %1 rij is geweigerd.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Niets geïmporteerd: %1 rijen zijn geweigerd.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>regel %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... en nog %1 geweigerde rij hierna</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... en nog %1 geweigerde rijen hierna</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Niets geïmporteerd: %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>EXP-kanalen</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>USA-kanalen</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>INTL-kanalen</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Canada-kanalen</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>kop %1 is geen kolom van deze lijst</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>kop %1 komt twee keer voor</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>meer cellen dan koppen</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>een ingeschakeld EXP-kanaal heeft een Rx Frequency en twee tekens in CH Display nodig</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 kan op dit kanaal niet worden gewijzigd</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 is niet On of Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 is geen frequentie in MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 ligt niet in het 25-kHz-raster van 137 tot 174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 is geen kanaalnummer dat het display kan tonen</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 is niet Off, 0, 1, 2 of 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 is langer dan %3 tekens</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 bevat een teken dat de radio niet kan opslaan</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 is geen kanaal van de lijst</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>het kanaal staat al in regel %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Niets geplakt: %1 rij is geweigerd.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Niets geplakt: %1 rijen zijn geweigerd.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>rij %1: %2</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>de eerste kop noemt geen lijst; het is een van %1</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>vermelding %1 heeft een naam en een MMSI nodig voordat vermelding %2 kan worden gebruikt</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: vermeldingen zijn op volgorde zonder gaten genummerd 1, 2, 3 ..., dus deze rij is vermelding %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 bestaat niet uit %2 cijfers na de voorloop-0</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 bestaat niet uit %2 cijfers</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>de koppen zijn niet %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>het adresboek heeft maar %1 vermeldingen</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Niets geplakt: de rijen horen niet bij %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Niets geplakt: het klembord bevat geen rijen.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>onder de laatste rij van de lijst</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Niets geplakt: het klembord bevat meer dan %1 MB, veel meer dan een lijst.</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Kanaal 16 is uitgeschakeld in %1. Het is het internationale nood-, veiligheids- en aanroepkanaal.
De gegevens zijn overgenomen zoals ze zijn; schakel het weer in op de pagina van het kanaal.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Alle bestanden</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modeltypefout !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fout bij lezen bestand!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fout bij opslaan bestand!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>ongeldig bestand!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Radio uitlezen</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Dit bestand is onvolledig: %1 onderdeel ontbreekt (%2). De instellingen daarvan staan op fabriekswaarden; controleer ze voordat u opslaat of programmeert.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Dit bestand is onvolledig: %1 onderdelen ontbreken (%2). Hun instellingen staan op fabriekswaarden; controleer ze voordat u opslaat of programmeert.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>De tabel met MID&apos;s kon niet worden gelezen: de landen van MMSI&apos;s en ATIS-codes worden niet gecontroleerd.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fout bij lezen INI-bestand!!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Het uit de radio gelezen image kon niet als back-up worden bewaard.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 tot %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Het helpdocument %1 ontbreekt.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spatie]:In- of uitschakelen.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Pijl omhoog]/[Pijl omlaag]:Keuze wijzigen.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Maximaal %1 tekens</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>Maximaal %1 tekens.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Alleen cijfers. Precies %1 cijfers vereist.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Precies 2 cijfers vereist.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Precies 1 cijfer vereist.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Kies [x] aan/[] uit.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Pijl omhoog]/[Pijl omlaag]/[Pijl links]/[Pijl rechts]:Keuze wijzigen.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dubbelklik],[Enter]:Naar het instellingenscherm.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Een klik wist het logboek</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>max. 4 tekens.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Precies 3 cijfers vereist.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Werkt na de volgende start</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>geannuleerd!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>time-out!!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>adresfout!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>gegevensfout!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Communicatiefout!!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>ACMD-opdrachtfout!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>fout!!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>poortinitialisatiefout!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>bevestig de synchronisatie van de communicatie</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Radio is bezet!!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modelcontrole</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Radio uitlezen</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modeltypefout !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Productcodefout!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Radio programmeren</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>DSC-loggegevens wissen</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Noodloggegevens wissen</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Sluit de QYL-kabel aan tussen de seriële poort van de pc en de radio.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Houd op de radio de toetsen [DISTRESS] en [CALL] ingedrukt terwijl</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   u de radio aanzet.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Het display van de radio toont PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Klik op [OK] om te starten.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radio niet gereed!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Voltooid!!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geverifieerd</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Communicatiefout!!
De kabel of de adapter op %1 is verdwenen: de verbinding is verbroken. Controleer of de adapter is aangesloten en de kabel goed vastzit, en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Communicatiefout!!
De radio op %1 antwoordde niet. Controleer of hij aanstaat en in kloonmodus is (het display toont PC CONTROL), of de kabel aan beide kanten goed vastzit en of de juiste poort is gekozen.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Alleen laag</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Laag bij kanaalwissel</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Laatste TX-verm.</translation>
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
        <translation>Bij WX</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Bij scan</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX en scan</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Rechtw.</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magn.</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(niet ingesteld)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>&amp;Back-up openen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Opslaan als s&amp;tandaard</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Afd&amp;rukken naar bestand</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Afdruk&amp;voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;PDF exporteren...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>&amp;CSV exporteren</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importeren...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>Vergelijken &amp;met...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>Over&amp;dracht</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>Radio &amp;programmeren</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Radio &amp;uitlezen</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Configuratie controleren...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>Be&amp;stemming</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Seriële poort</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Poortapparaten...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Over QYL-versie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Opslaan als standaard</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmeren</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Radio programmeren</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Uitlezen</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Radio uitlezen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkbalk</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... en nog %1; Details weergeven toont alle rijen.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>Geen MMSI</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Scheepsstation</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Kuststation</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Portofoon</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>SAR-vliegtuig</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>AIS-vaarwegmarkering</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Vaartuig van moederschip</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Man-over-boordbaken</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>De meeste radio&apos;s accepteren hun eigen MMSI maar één keer: een verkeerde kan alleen een dealer ongedaan maken.
Voer de te programmeren eigen MMSI nogmaals in:</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>De twee invoeren van de eigen MMSI verschillen. Er is niets naar de radio verzonden.</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>MID %1 onbekend</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Wilt u de %1-serie programmeren?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>PC-programma voor %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>het groepsadresboek</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>het individuele adresboek</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: deze MMSI hoort niet in %3.</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: de eigen MMSI van een radio is die van een scheepsstation of portofoon.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Er is op deze computer geen printer ingesteld.

Bestand &gt; &quot;PDF exporteren...&quot; bewaart het rapport als PDF-bestand, dat elke computer kan afdrukken.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-bestanden(*.pdf);;Alle bestanden(*.*)</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Een ATIS-code heeft 10 cijfers: 9, de MID van het land (bijv. 244), dan nog 6 cijfers.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>RX-frequentie: nodig zolang Kanaal actief is aangevinkt</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Kanaalweergave: %1 tekens</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Groeps-MMSI: %1 cijfers na de voorloop-0</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 cijfers</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr.%1: Nr.%2 heeft eerst een groepsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr.%1: Nr.%2 heeft eerst een stationsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr.%1: een vermelding in gebruik heeft een groepsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr.%1: een vermelding in gebruik heeft een stationsnaam en een MMSI nodig</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanaal 16 is het internationale nood-, veiligheids- en aanroepkanaal. Toch uitschakelen?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 tot %3 MHz in stappen van %4 kHz</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1: %2 cijfers</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Back-up van %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Te schrijven</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Wijzigingen sinds de back-up van %1</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Wijzigingen tonen</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Wat programmeren wijzigt t.o.v. de back-up van %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 actief</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 alleen laag vermogen</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 vermogen verhogen</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 TX actief</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 scangeheugen</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 naam</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 scrambler</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 weergave</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 TX-frequentie</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 RX-frequentie</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 prioriteitskanaal</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 statusnaam</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-groepen</translation>
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
        <translation>USA-kanalen</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>INTL-kanalen</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Canada-kanalen</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>WX-kanalen</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>EXP-kanalen</translation>
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
        <translation>Canada %1</translation>
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
        <translation>Bruikbare kanaalgroep USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Bruikbare kanaalgroep INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Bruikbare kanaalgroep Canada</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Bruikbare kanaalgroep EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>DSC-instellingen</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>DSC-oproepinstellingen</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>DSC-weergave-instellingen</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Auto POS-instellingen</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>ATIS-instellingen</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>ATIS-roepnaam %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Individuele vermelding %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Groepsvermelding %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanaal</numerusform>
            <numerusform>%n kanalen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n adresboekvermelding</numerusform>
            <numerusform>%n adresboekvermeldingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n instelling</numerusform>
            <numerusform>%n instellingen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>%n adresboekvermelding importeren</numerusform>
            <numerusform>%n adresboekvermeldingen importeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>%n kanaal importeren</numerusform>
            <numerusform>%n kanalen importeren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>%n adresboekvermelding plakken</numerusform>
            <numerusform>%n adresboekvermeldingen plakken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>%n kanaal plakken</numerusform>
            <numerusform>%n kanalen plakken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>Geheugen-ID%1[Actief]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Bruikbare kanaalgroepen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-instellingen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-instellingen</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Programmeerbaar kanaal</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Groep1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Groep2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Groep3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weer</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-kanaal</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Actief]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Actief]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>Geheugen-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>Groeps-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>Groeps-ID%1[Actief]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Groep%1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Groep%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>Over TQ58</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-logo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Leest, bewerkt en programmeert de kanalen, DSC-adresboeken en instellingen van de maritieme VHF-radio&apos;s RV7200A, RV7700A en RV7700AM via een seriële kabel.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Dit programma wordt zonder enige garantie geleverd. Sla de instellingen van de radio op in een bestand voordat u hem programmeert, en controleer de MMSI en de ATIS-code aan de hand van uw zendvergunning.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Gebouwd met Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Bruikbare ATIS-kanaalgroep</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Bruikbare ATIS-killerkanaalgroep</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-nr.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation>%1 weergave</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <source>Channels</source>
        <translation>Kanalen</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LAAG</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HOOG</translation>
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
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ACTIEF</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Actief]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>WEERG</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>CH Display number</source>
        <translation>Nummer kanaalweergave</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Achtervoegsel kanaalweergave</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>TX actief</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanaal actief</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Voer correcte gegevens in.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Configuratie controleren</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Waarschuwingen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Onderdeel</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanaal of vermelding</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>Tabel met MID&apos;s</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>Toch &amp;programmeren</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>alleen in het bestand bewaard; stel het in op de radio</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>TX-vermogen</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Hervattingstijd</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>PTT stopt scan</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dual Watch</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Tijdverschil</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Magnetische variatie</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Weeralarm</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Draaiknoppiep</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>TX-modus bij start</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Scanfunctie</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>NMEA-invoer</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Weerkanaalfunctie</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Vergelijken met %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Onderdeel</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanaal of vermelding</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Geen instelling verschilt.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 instelling verschilt.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n instelling verschilt.</numerusform>
            <numerusform>%n instellingen verschillen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>MMSI-soort</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Groepsnaam</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsnaam</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet u het zeker?</translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation>%1  Nr.%2</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <source>Directory</source>
        <translation>Adresboek</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Groepsadresboek</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individueel adresboek</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>GROEPSNAAM</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>STATIONSNAAM</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Soort</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Vermelding invoegen</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Vermelding verwijderen</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>groepsvermelding %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>individuele vermelding %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 omhoog</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 omlaag</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>%1 invoegen</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Weet u het zeker?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 verwijderen</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Bruikbare DSC-kanaalgroep</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Eigen MMSI</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Soort eigen MMSI</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Aantal eigen MMSI</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Logboek wissen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 wissen</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>DSC-pieptoon</translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Noodalarm annuleren</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Stand-bymodus</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>POS-verzoek</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>POS-melding</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Noodalarm verzenden</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Ontv. alle schepen</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Ontv. individueel</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Ontv. groep</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Ontv. geografisch</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Ontv. POS-verzoek</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Ontv. POS-melding</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Nood</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Spoed</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Veiligheid</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menu individuele ACK</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menu individueel ACK-bericht</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menu POS-verzoek-ACK</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Oproep alle schepen</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Groepsoproep</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Individuele oproep</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Noodlogboek</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>DSC-logboek</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Uitgebreid</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 vermogen</translation>
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
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
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
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>RX-frequentie</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>TX-frequentie</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Groepsnaam</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsnaam</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>TQ58 Help</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Helptekst</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Geheugenbeeld in hexadecimaal</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>Keyboard hint</source>
        <translation>Toetsenbordtip</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Dit bestand is voor de %1; TQ58 staat ingesteld op de %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>Overschakelen naar de %1 en het bestand openen?</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Deze installatie biedt de %1 niet.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Deze radio is een %1; TQ58 staat ingesteld op de %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>Overschakelen naar de %1 en opnieuw uitlezen?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exporteren</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>1 rij geëxporteerd naar %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n rij geëxporteerd naar %1</numerusform>
            <numerusform>%n rijen geëxporteerd naar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importeren</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>1 rij geïmporteerd uit %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n rij geïmporteerd uit %1</numerusform>
            <numerusform>%n rijen geïmporteerd uit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Deze gegevens</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Dit bestand bestaat niet meer. Het is verwijderd uit de lijst met recente bestanden.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Image laden</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Back-up openen</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Image opslaan</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Zoeken (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Zoek een kanaalnummer, een kanaal- of vermeldingsnaam, of een MMSI</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Zoeken...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Niets gevonden voor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Op&amp;nieuw: %1</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Onbekend model!!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-gegevens zijn gewijzigd.<byte value="xd"/>
Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modeltypefout !!</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Wilt u overschakelen naar %1?</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>csv-bestanden</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>dat- en hex-bestanden</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>dat-bestanden</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>hex-bestanden</translation>
    </message>
    <message>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

De naam van dit bestand is geen UTF-8-tekst, daarom kan TQ58 het niet openen. Geef het bestand een andere naam en open het daarna opnieuw.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>Eigen MMSI, nogmaals</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Poortapparaten</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opties &gt; Seriële poort kiest een poortnummer; hier kiest u het apparaat dat elk nummer opent. Kies een serieel apparaat dat op deze computer is gevonden of typ het pad van een ander apparaat.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Vernieuwen</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Apparatenlijst vernieuwen</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>Apparaat van COM%1</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Geen serieel apparaat gevonden: sluit de kabel aan en klik op Vernieuwen.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Seriële apparaten gevonden: %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>serieel apparaat</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>het gebruikelijke apparaat, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>aanwezig, geen bekend serieel apparaat</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>nu niet aanwezig</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>COM%1-apparaat: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Instellingenrapport</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Af&amp;sluiten</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Rapporttekst</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Tekst wordt opgemaakt. Even geduld...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Tekstbestanden(*.txt);;Alle bestanden(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n rij overgeslagen: het kanaal staat %1 %2 niet toe.</numerusform>
            <numerusform>%n rijen overgeslagen: het kanaal staat %1 %2 niet toe.</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 voor %n kanaal</numerusform>
            <numerusform>%1 %2 voor %n kanalen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <source>%1 tabs</source>
        <translation>%1-tabbladen</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>Verbindingsstatus</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>Na programmeren &amp;verifiëren</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Na programmeren verifiëren</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Kan de Help-inhoud niet weergeven. Er is geen Help aan dit project gekoppeld.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Verbinden met de kabel…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Wachten op de radio (%1 van %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <source>Picture: %1</source>
        <translation>Afbeelding: %1</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>QYL cable</source>
        <translation>QYL-kabel</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Bruikbare kanaalgroepen</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusnaam</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioriteitskanaal</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Uitbreidingskanaalgroepen</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 statusnaam</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 prioriteitskanaal</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>%1 Enable</source>
        <translation>%1 actief</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 scan</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 kanaalnaam</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
</context>
</TS>
