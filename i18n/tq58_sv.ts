<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-kanalgrupp</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupp%1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-kanalgrupp[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Grupp%1[%2]</translation>
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
        <translation>Programmerbara USA-kanaler</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Programmerbara internationella kanaler</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Programmerbara Kanada-kanaler</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 i %3 är inte tilldelat något land.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-inställningar (grundinställningar)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 är inget MMSI-nummer (en fartygsstations börjar med 2 till 7); en radios eget MMSI-nummer är en fartygsstations eller en handburen stations.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 tolkas som %3; en radios eget MMSI-nummer är en fartygsstations eller en handburen stations.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-inställningar (allmänt)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-kod</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 följer inte regeln. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Kanal 16 är avstängd i %1: den är den internationella kanalen för nöd, säkerhet och anrop.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 är inget MMSI-nummer (en fartygsstations börjar med 2 till 7) och hör inte hemma i gruppkatalogen.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 tolkas som %3 och hör inte hemma i gruppkatalogen.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 är inget MMSI-nummer (en fartygsstations börjar med 2 till 7) och hör inte hemma i den individuella katalogen.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 tolkas som %3 och hör inte hemma i den individuella katalogen.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1samma MMSI som nr %2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1samma namn som nr %2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Inställning av minnes-ID</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Inställning av grupp-ID</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Programmerbara EXP-kanaler</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>Kanalen används men har inget namn.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>Inget behöver kontrolleras.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>1 inställning bör kontrolleras.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 inställningar bör kontrolleras.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>”Programmera ändå” skickar data som de är; ”Avbryt” stoppar innan något skickas.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>rubriken %1 är ingen kolumn i den här listan</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>rubriken %1 förekommer två gånger</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>fler celler än rubriker</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>en påslagen EXP-kanal behöver en Rx Frequency och två tecken i CH Display</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 kan inte ändras för den här kanalen</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 är varken On eller Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 är ingen frekvens i MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 ligger inte i 25 kHz-rastret från 137 till 174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 är inget kanalnummer som displayen kan visa</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 är inte Off, 0, 1, 2 eller 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 är längre än %3 tecken</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 innehåller ett tecken som radion inte kan lagra</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 är ingen kanal i listan</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>kanalen finns redan på rad %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Inget klistrades in: %1 rad avvisades.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Inget klistrades in: %1 rader avvisades.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Inget importerades: %1 rad avvisades.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Inget importerades: %1 rader avvisades.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... och %1 avvisad rad till efter dessa</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... och %1 avvisade rader till efter dessa</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>den första rubriken anger ingen lista; den måste vara en av %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Inget importerades: %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>EXP-kanaler</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>USA-kanaler</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>INTL-kanaler</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Kanada-kanaler</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individuell katalog</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppkatalog</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>post %1 behöver ett namn och ett MMSI-nummer innan post %2 kan användas</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: posterna numreras 1, 2, 3 ... i ordning utan luckor, så den här raden är post %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 har inte %2 siffror efter den inledande nollan</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 har inte %2 siffror</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>rubrikerna är inte %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>katalogen har bara %1 poster</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Inget klistrades in: raderna hör inte till %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Inget klistrades in: urklippet innehåller inga rader.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>under listans sista rad</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Kanal 16 är avstängd i %1. Den är den internationella kanalen för nöd, säkerhet och anrop.
Data togs emot som de är; slå på den igen på kanalens sida.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Alla filer</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>Fel modelltyp !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fel vid filläsning!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fel vid filsparning!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Ogiltig fil!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Läs från radion</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 till %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 och %2 till</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Filen är ofullständig: %1 avsnitt saknas (%2). Dess inställningar har fabriksvärden; kontrollera dem innan du sparar eller programmerar.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Filen är ofullständig: %1 avsnitt saknas (%2). Deras inställningar har fabriksvärden; kontrollera dem innan du sparar eller programmerar.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>MID-tabellen kunde inte läsas: länderna för MMSI-nummer och ATIS-koder kontrolleras inte.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fel vid läsning av INI-fil!!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Avbilden som lästes från radion kunde inte sparas som säkerhetskopia.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Hjälpdokumentet %1 saknas.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Mellanslag]: slå på/av.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Upp]/[Ned]: ändra valet.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Högst %1 tecken</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>Högst %1 tecken.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Endast siffror. Exakt %1 siffror.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Exakt 2 siffror.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Exakt 1 siffra.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Välj [x] på/[] av.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Upp]/[Ned]/[Vänster]/[Höger]: ändra valet.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dubbelklick],[Enter]: gå till inställningssidan.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Ett klick rensar loggen</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>högst 4 tecken.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Exakt 3 siffror.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;råk</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Gäller från nästa start</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>Avbrutet!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Tidsgränsen överskreds!!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Adressfel!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Kommunikationsfel!!
Kabeln eller dess adapter på %1 försvann: förbindelsen bröts. Kontrollera att adaptern sitter i och att kabeln är ordentligt ansluten, och försök sedan igen.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Kommunikationsfel!!
Radion på %1 svarade inte. Kontrollera att den är påslagen och i kloningsläge (displayen visar PC CONTROL), att kabeln sitter ordentligt i båda ändar och att rätt port är vald.</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>ACMD-kommandofel!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Fel!!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Fel vid initiering av porten!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Bekräfta synkroniseringen av kommunikationen</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Radion är upptagen!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Kommunikationsfel!!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modellkontroll</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Läs från radion</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Fel modelltyp !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Fel produktkod!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmera radion</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>Rensa DSC-loggen</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Rensa nödloggen</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Anslut QYL-kabeln mellan datorns serieport och radion.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Håll ned knapparna [DISTRESS] och [CALL] på radion</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   medan du slår på den.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Radions display visar PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Tryck på knappen [OK] för att starta.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radion är inte redo!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Klart!!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verifierat</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Låg</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hög</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Endast låg</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Låg vid kanalbyte</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Senaste TX-effekt</translation>
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
        <translation>Vid WX</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Vid avsökning</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX och avsökning</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Rättvisande</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Missvisande</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(inte angivet)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Öppna säker&amp;hetskopia...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Spara s&amp;om...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Spara som stan&amp;dard</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Skriv ut till &amp;fil</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Förhands&amp;granska</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportera PDF...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>Exportera &amp;CSV</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importera CSV...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>&amp;Jämför med...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Gö&amp;r om</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Överföring</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmera radion</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Läs från radion</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Kontrollera konfigurationen...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>Regio&amp;n</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>A&amp;lternativ</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serieport</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Portenheter...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Om QYL-versionen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öppna...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Spara som standard</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmera</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmera radion</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Läs</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Läs från radion</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gör om</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Verktygsfält</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... och %1 till; ”Visa detaljer” listar alla rader.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>Inget MMSI-nummer</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Fartygsstation</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupp</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Kuststation</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Handburen</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>SAR-luftfartyg</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>AIS-navigationshjälpmedel</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Farkost från moderfartyg</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Man överbord-enhet</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>MID %1 okänt</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>De flesta radioapparater tar emot sitt eget MMSI-nummer bara en gång: ett felaktigt kan bara en återförsäljare ändra.
Ange det egna MMSI-numret som ska programmeras en gång till:</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>De två inmatningarna av det egna MMSI-numret skiljer sig åt. Inget skickades till radion.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Vill du programmera %1-serien?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>PC-program för %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>gruppkatalogen</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>den individuella katalogen</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: detta MMSI-nummer hör inte hemma i %3.</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: en radios eget MMSI-nummer är en fartygsstations eller en handburen stations.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Ingen skrivare är installerad på den här datorn.

Arkiv &gt; ”Exportera PDF...” sparar rapporten som en PDF-fil, som alla datorer kan skriva ut.</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-filer(*.pdf);;Alla filer(*.*)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportera PDF</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>En ATIS-kod har 10 siffror: 9, landets MID (till exempel 244) och sedan 6 siffror till.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Rx-frekvens: krävs så länge ”Kanal på” är markerad</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Kanalvisning: %1 tecken</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Grupp-MMSI: %1 siffror efter den inledande nollan</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 siffror</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr %1: nr %2 behöver först ett gruppnamn och ett MMSI-nummer</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr %1: nr %2 behöver först ett stationsnamn och ett MMSI-nummer</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr %1: en använd post behöver ett gruppnamn och ett MMSI-nummer</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr %1: en använd post behöver ett stationsnamn och ett MMSI-nummer</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanal 16 är den internationella kanalen för nöd, säkerhet och anrop. Stänga av den ändå?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 till %3 MHz i steg om %4 kHz</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1: %2 siffror</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Säkerhetskopia från %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Ska skrivas</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Ändringar sedan säkerhetskopian från %1</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Visa ändringar</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Vad programmeringen ändrar jämfört med säkerhetskopian från %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 på</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 endast låg effekt</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 effekthöjning</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 sändning tillåten</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 avsökningsminne</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 namn</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 scrambler</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 visning</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 Tx-frekvens</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 Rx-frekvens</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 prioritetskanal</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 statusnamn</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-grupper</translation>
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
        <translation>USA-kanaler</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>INTL-kanaler</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Kanada-kanaler</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>WX-kanaler</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>EXP-kanaler</translation>
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
        <translation>Användbar grupp USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Användbar grupp INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Användbar grupp Kanada</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Användbar grupp EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Allmänna inställningar</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>DSC-inställningar</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>DSC-anropsinställningar</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>DSC-visningsinställningar</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Auto-POS-inställningar</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>ATIS-inställningar</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>ATIS-anropssignal %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Individuell post %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Grupp-post %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanal</numerusform>
            <numerusform>%n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n katalogpost</numerusform>
            <numerusform>%n katalogposter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n inställning</numerusform>
            <numerusform>%n inställningar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importera %n katalogpost</numerusform>
            <numerusform>Importera %n katalogposter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importera %n kanal</numerusform>
            <numerusform>Importera %n kanaler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Klistra in %n katalogpost</numerusform>
            <numerusform>Klistra in %n katalogposter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Klistra in %n kanal</numerusform>
            <numerusform>Klistra in %n kanaler</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>Minnes-ID%1[På]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Användbara kanalgrupper</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allmänna inställningar</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-inställningar</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-inställningar</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Programmerbara kanaler</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Grupp1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Grupp2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Grupp3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Väder</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individuell katalog</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppkatalog</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-kanaler</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[På]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[På]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>Minnes-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>Grupp-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>Grupp-ID%1[På]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupp%1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Grupp%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>Om TQ58</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-logotyp</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Läser, redigerar och programmerar kanaler, DSC-kataloger och inställningar i de marina VHF-radiostationerna RV7200A, RV7700A och RV7700AM via en seriell kabel.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Programmet levereras utan garanti. Spara radions inställningar i en fil innan du programmerar den, och kontrollera MMSI-numret och ATIS-koden mot ditt tillstånd för fartygsstationen.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Byggt med Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Common</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Anropssignal</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Användbar ATIS-kanalgrupp</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Användbar kanalgrupp för ATIS Killer</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-kod</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-nr</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation>%1 visning</translation>
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
        <translation>LÅG</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HÖJ</translation>
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
        <translation>Namn</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>PÅ</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[På]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>VISN</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanaler</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>Tx Enable</source>
        <translation>Sändning tillåten</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Endast låg effekt</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Effekthöjning</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Avsökningsminne</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalvisning</translation>
    </message>
    <message>
        <source>CH Display number</source>
        <translation>Kanalvisning nummer</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Kanalvisning tillägg</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanal på</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Ange korrekta data.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Kontrollera konfigurationen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Varningar</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Avsnitt</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanal eller post</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>MID-tabell</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programmera ändå</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>TX Po Display</source>
        <translation>Visning av TX-effekt</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Avsökning</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Återupptagningstid</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Avsökningsstopp med PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dubbelpassning</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Tidsförskjutning</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Missvisning</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Vädervarning</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Ratt-pip</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>TX-läge vid start</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Avsökningsfunktion</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>NMEA-dataingång</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Väderkanalfunktion</translation>
    </message>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>sparas bara i filen; ställ in det på radion</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Jämför med %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Skillnader</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Ingen inställning skiljer sig.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 inställning skiljer sig.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n inställning skiljer sig.</numerusform>
            <numerusform>%n inställningar skiljer sig.</numerusform>
        </translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Avsnitt</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanal eller post</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Fält</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>MMSI-typ</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppkatalog</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individuell katalog</translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation>%1  Nr %2</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppnamn</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsnamn</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Är du säker?</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <source>Directory</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppkatalog</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Individuell katalog</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>GRUPPNAMN</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>STATIONSNAMN</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Typ</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Flytta upp</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Flytta ned</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Infoga post</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Radera post</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>grupp-post %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>individuell post %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Flytta upp %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Flytta ned %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>Infoga %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Är du säker?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Radera %1</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Återkallelse av nödlarm</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Viloläge</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>POS-begäran</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>POS-rapport</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Sänd nödlarm</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Mottaget till alla fartyg</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Mottaget individuellt</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Mottaget grupp</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Mottaget geografiskt</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Mottagen POS-begäran</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Mottagen POS-rapport</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Nöd</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Il</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Säkerhet</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Rutin</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Meny individuell ACK</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Meny individuellt ACK-meddelande</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Meny ACK för POS-begäran</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Anrop till alla fartyg</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Gruppanrop</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Individuellt anrop</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Nödlogg</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>DSC-logg</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Grundinställningar</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 effekt</translation>
    </message>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Användbar DSC-kanalgrupp</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Eget MMSI</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Typ av eget MMSI</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Räknare för eget MMSI</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Räknare</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Rensa logg</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Rensa %1</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>DSC-pip</translation>
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
        <translation>Navigering</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-logotyp</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalvisning</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx-frekvens</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx-frekvens</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppnamn</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsnamn</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>TQ58-hjälp</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjälptext</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Bakåt</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Framåt</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Minnesavbild hexadecimalt</translation>
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
        <translation>Tangentbordstips</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Okänd modell!!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-data har ändrats.<byte value="xd"/>
Vill du spara ändringarna?</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Filen är för %1; TQ58 är inställt på %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>Byta till %1 och öppna filen?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Fel modelltyp !!</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Den här installationen erbjuder inte %1.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Radion är en %1; TQ58 är inställt på %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>Byta till %1 och läsa igen?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Vill du byta till %1?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exportera %1</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>csv-filer</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>1 rad exporterad till %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n rad exporterad till %1</numerusform>
            <numerusform>%n rader exporterade till %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importera CSV</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>1 rad importerad från %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n rad importerad från %1</numerusform>
            <numerusform>%n rader importerade från %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Jämför med</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>dat- och hex-filer</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Dessa data</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>dat-filer</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Filen finns inte längre. Den har tagits bort från listan över senaste filer.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Läs in avbild</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Öppna säkerhetskopia</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>hex-filer</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Spara avbild</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Sök (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Sök efter ett kanalnummer, ett kanal- eller postnamn eller ett MMSI-nummer</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Sök...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Inget hittades för ”%1”</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ångra %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Gö&amp;r om</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Gö&amp;r om %1</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Förklaring</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>Eget MMSI, en gång till</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Portenheter</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Alternativ &gt; Serieport väljer ett portnummer; här väljer du vilken enhet varje nummer öppnar. Välj en seriell enhet som hittats på den här datorn eller skriv sökvägen till en annan.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Uppdatera</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Uppdatera enhetslistan</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>Enhet för COM%1</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Ingen seriell enhet hittades: anslut kabeln och tryck på Uppdatera.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Hittade seriella enheter: %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>seriell enhet</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>den vanliga enheten, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>finns, men är ingen listad seriell enhet</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>finns inte nu</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>Enhet för COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Inställningsrapport</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Spara som...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>S&amp;täng</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Rapporttext</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Rapporten skapas. Vänta...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Textfiler(*.txt);;Alla filer(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>Enable</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Avsökningsminne</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Endast låg effekt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 för %n kanal</numerusform>
            <numerusform>%1 %2 för %n kanaler</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>på</translation>
    </message>
    <message>
        <source>off</source>
        <translation>av</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n rad hoppades över: kanalen tillåter inte %1 %2.</numerusform>
            <numerusform>%n rader hoppades över: kanalen tillåter inte %1 %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <source>%1 tabs</source>
        <translation>%1-flikar</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruktioner</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>Förbindelsestatus</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Verifiera efter programmering</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Verifiera efter programmering</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Hjälpinnehållet kan inte visas. Det finns ingen hjälp kopplad till det här projektet.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Ansluter till kabeln…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Väntar på radion (%1 av %2)…</translation>
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
        <translation>QYL-kabel</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Användbara kanalgrupper</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 statusnamn</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 prioritetskanal</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusnamn</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritetskanal</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Expansionskanalgrupper</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Avsökning</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 på</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 avsökning</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 kanalnamn</translation>
    </message>
</context>
</TS>
