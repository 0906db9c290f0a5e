<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>EXP-Kanalgruppe</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppe%1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>EXP-Kanalgruppe[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Gruppe%1[%2]</translation>
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
        <translation>Programmierbare USA-Kanäle</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Programmierbare internationale Kanäle</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Programmierbare Kanada-Kanäle</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 von %3 ist keinem Land zugeteilt.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>DSC-Einstellungen (Grundeinstellungen)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 ist keine MMSI (die einer Schiffsfunkstelle beginnt mit 2 bis 7); die eigene MMSI eines Funkgeräts ist die einer Schiffsfunkstelle oder eines Handfunkgeräts.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 wird als %3 erkannt; die eigene MMSI eines Funkgeräts ist die einer Schiffsfunkstelle oder eines Handfunkgeräts.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>ATIS-Einstellungen (Allgemein)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 entspricht nicht der Regel. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Kanal 16 ist in %1 ausgeschaltet: er ist der internationale Not-, Sicherheits- und Anrufkanal.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 ist keine MMSI (die einer Schiffsfunkstelle beginnt mit 2 bis 7) und gehört nicht ins Gruppenverzeichnis.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 wird als %3 erkannt und gehört nicht ins Gruppenverzeichnis.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 ist keine MMSI (die einer Schiffsfunkstelle beginnt mit 2 bis 7) und gehört nicht ins Einzelverzeichnis.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 wird als %3 erkannt und gehört nicht ins Einzelverzeichnis.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1dieselbe MMSI wie Nr.%2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1derselbe Name wie Nr.%2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Speicher-ID-Einstellungen</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Gruppen-ID-Einstellungen</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Programmierbare EXP-Kanäle</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>Der Kanal ist in Benutzung, hat aber keinen Namen.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>Nichts muss geprüft werden.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>1 Einstellung sollte geprüft werden.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 Einstellungen sollten geprüft werden.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>„Trotzdem schreiben“ sendet die Daten unverändert; „Abbrechen“ stoppt, bevor etwas gesendet wird.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Es wurde nichts importiert: %1 Zeile wurde abgelehnt.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Es wurde nichts importiert: %1 Zeilen wurden abgelehnt.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... und %1 weitere abgelehnte Zeile danach</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... und %1 weitere abgelehnte Zeilen danach</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Es wurde nichts importiert: %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>EXP-Kanäle</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>USA-Kanäle</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>INTL-Kanäle</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Kanada-Kanäle</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>Überschrift %1 ist keine Spalte dieser Liste</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>Überschrift %1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>mehr Zellen als Überschriften</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>ein eingeschalteter EXP-Kanal benötigt eine Rx Frequency und zwei Zeichen in CH Display</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 kann bei diesem Kanal nicht geändert werden</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 ist weder On noch Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 liegt nicht im 25-kHz-Raster von 137 bis 174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 ist keine Kanalnummer, die die Anzeige darstellen kann</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 ist nicht Off, 0, 1, 2 oder 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 ist länger als %3 Zeichen</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 enthält ein Zeichen, das das Funkgerät nicht speichern kann</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 ist kein Kanal der Liste</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>der Kanal steht bereits in Zeile %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Es wurde nichts eingefügt: %1 Zeile wurde abgelehnt.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Es wurde nichts eingefügt: %1 Zeilen wurden abgelehnt.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>die erste Überschrift nennt keine Liste; sie ist eine von %1</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>Eintrag %1 benötigt einen Namen und eine MMSI, bevor Eintrag %2 verwendet werden kann</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: Einträge werden der Reihe nach ohne Lücken 1, 2, 3 ... nummeriert, diese Zeile ist also Eintrag %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 besteht nicht aus %2 Ziffern nach der führenden 0</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 besteht nicht aus %2 Ziffern</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>die Überschriften sind nicht %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>das Verzeichnis hat nur %1 Einträge</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Es wurde nichts eingefügt: Die Zeilen gehören nicht zu %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Es wurde nichts eingefügt: Die Zwischenablage enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>unterhalb der letzten Zeile der Liste</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Es wurde nichts eingefügt: Die Zwischenablage enthält mehr als %1 MB, weit mehr als eine Liste.</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Kanal 16 ist in %1 ausgeschaltet. Er ist der internationale Not-, Sicherheits- und Anrufkanal.
Die Daten wurden unverändert übernommen; schalten Sie ihn auf der Seite des Kanals wieder ein.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modelltyp-Fehler !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Dateilesefehler!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Dateispeicherfehler!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Ungültige Datei!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus Funkgerät lesen</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Diese Datei ist unvollständig: %1 Abschnitt fehlt (%2). Er enthält Werkseinstellungen; prüfen Sie diese vor dem Speichern oder Schreiben.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Diese Datei ist unvollständig: %1 Abschnitte fehlen (%2). Sie enthalten Werkseinstellungen; prüfen Sie diese vor dem Speichern oder Schreiben.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>Die MID-Tabelle konnte nicht gelesen werden: die Länder von MMSIs und ATIS-Codes werden nicht geprüft.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>INI-Datei-Lesefehler!!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Das aus dem Funkgerät gelesene Abbild konnte nicht als Sicherung gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Das Hilfedokument %1 fehlt.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Leertaste]: Ein/Aus umschalten.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Pfeil oben]/[Pfeil unten]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Maximal %1 Zeichen</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>Maximal %1 Zeichen.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Nur Ziffern. Genau %1 Ziffern erforderlich.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Genau 2 Ziffern erforderlich.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Genau 1 Ziffer erforderlich.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>[x] aktiv/[] inaktiv wählen.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Pfeil oben]/[Pfeil unten]/[Pfeil links]/[Pfeil rechts]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppelklick],[Eingabe]: Zur Einstellungsseite.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Ein Klick löscht das Protokoll</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>max. 4 Zeichen.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Genau 3 Ziffern erforderlich.</translation>
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
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Wirksam ab dem nächsten Start</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>Abgebrochen!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Zeitüberschreitung!!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Adressfehler!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Kommunikationsfehler!!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>ACMD-Befehlsfehler!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Fehler!!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Port-Initialisierungsfehler!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Synchronisation der Verbindung bestätigen</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Funkgerät ist beschäftigt!!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modellprüfung</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus Funkgerät lesen</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modelltyp-Fehler !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Produktcode-Fehler!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>In Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>DSC-Protokoll löschen</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Seenot-Protokoll löschen</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.QYL-Kabel zwischen serieller Schnittstelle des PCs und Funkgerät anschließen.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Am Funkgerät die Tasten [DISTRESS] und [CALL] gedrückt halten und</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   dabei das Gerät einschalten.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Das Display des Funkgeräts zeigt PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Zum Starten die Schaltfläche [OK] drücken.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Funkgerät nicht bereit!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Fertig!!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Kommunikationsfehler!!
Das Kabel oder sein Adapter an %1 ist weg: Die Verbindung wurde getrennt. Prüfen Sie, ob der Adapter eingesteckt ist und das Kabel fest sitzt, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Kommunikationsfehler!!
Das Funkgerät an %1 hat nicht geantwortet. Prüfen Sie, ob es eingeschaltet und im Klonmodus ist (das Display zeigt PC CONTROL), ob das Kabel an beiden Enden fest sitzt und ob die richtige Schnittstelle gewählt ist.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Nur niedrig</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Niedrig bei Kanalwechsel</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Letzte TX-Leistung</translation>
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
        <translation>Bei WX</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Bei Suchlauf</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX und Suchlauf</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Rechtweisend</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Missweisend</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht gesetzt)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Sic&amp;herung öffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Als S&amp;tandard speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>In Datei d&amp;rucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>&amp;CSV exportieren</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>Ver&amp;gleichen mit...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Übertragung</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>In Funkgerät &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Aus Funkgerät &amp;lesen</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>Konfiguration &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Zielgebiet</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Schnittstellengeräte...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Hexdump</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>&amp;Über QYL-Version</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Als Standard speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>In Funkgerät schreiben</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Aus Funkgerät lesen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... und %1 weitere; „Details anzeigen“ listet alle Zeilen auf.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>Keine MMSI</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Schiffsfunkstelle</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Küstenfunkstelle</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Handfunkgerät</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>SAR-Luftfahrzeug</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>AIS-Schifffahrtszeichen</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Beiboot eines Mutterschiffs</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Mann-über-Bord-Gerät</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>Die meisten Funkgeräte nehmen ihre eigene MMSI nur einmal an: eine falsche kann nur ein Händler rückgängig machen.
Geben Sie die zu schreibende eigene MMSI noch einmal ein:</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Die beiden Eingaben der eigenen MMSI stimmen nicht überein. Es wurde nichts an das Funkgerät gesendet.</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>MID %1 unbekannt</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Möchten Sie die Serie %1 programmieren?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>PC-Programm für %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>das Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>das Einzelverzeichnis</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: diese MMSI gehört nicht in %3.</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: die eigene MMSI eines Funkgeräts ist die einer Schiffsfunkstelle oder eines Handfunkgeräts.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet.

Datei &gt; „PDF exportieren...“ speichert den Bericht als PDF-Datei, die jeder Computer drucken kann.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>PDF-Dateien(*.pdf);;Alle Dateien(*.*)</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Ein ATIS-Code hat 10 Ziffern: 9, die MID des Landes (z. B. 244), dann 6 weitere Ziffern.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Rx-Frequenz: erforderlich, solange „Kanal aktiv“ gesetzt ist</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Kanalanzeige: %1 Zeichen</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>Gruppen-MMSI: %1 Ziffern nach der führenden 0</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: %1 Ziffern</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr.%1: Nr.%2 benötigt zuerst einen Gruppennamen und eine MMSI</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr.%1: Nr.%2 benötigt zuerst einen Stationsnamen und eine MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr.%1: ein aktiver Eintrag benötigt einen Gruppennamen und eine MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr.%1: ein aktiver Eintrag benötigt einen Stationsnamen und eine MMSI</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanal 16 ist der internationale Not-, Sicherheits- und Anrufkanal. Trotzdem ausschalten?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: %2 bis %3 MHz in %4-kHz-Schritten</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1: %2 Ziffern</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Sicherung vom %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Zu schreiben</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Änderungen seit der Sicherung vom %1</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Änderungen anzeigen</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Was das Schreiben gegenüber der Sicherung vom %1 ändert (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 aktiv</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 Nur niedrige Leistung</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 Leistung erhöhbar</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 Duplex</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 Senden erlaubt</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 Suchlauf-Speicher</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 Name</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 Scrambler</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 Anzeige</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 Tx-Frequenz</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 Rx-Frequenz</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TX-TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 Prioritätskanal</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 Statusname</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 EXP-Gruppen</translation>
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
        <translation>USA-Kanäle</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>INTL-Kanäle</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Kanada-Kanäle</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>WX-Kanäle</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>EXP-Kanäle</translation>
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
        <translation>Nutzbare Kanalgruppe USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Nutzbare Kanalgruppe INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Nutzbare Kanalgruppe Kanada</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Nutzbare Kanalgruppe EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>DSC-Rufeinstellungen</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>DSC-Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Auto-POS-Einstellungen</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>ATIS-Rufzeichen %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Einzeleintrag %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Gruppeneintrag %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n Verzeichniseintrag</numerusform>
            <numerusform>%n Verzeichniseinträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n Einstellung</numerusform>
            <numerusform>%n Einstellungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>%n Verzeichniseintrag importieren</numerusform>
            <numerusform>%n Verzeichniseinträge importieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>%n Kanal importieren</numerusform>
            <numerusform>%n Kanäle importieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>%n Verzeichniseintrag einfügen</numerusform>
            <numerusform>%n Verzeichniseinträge einfügen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>%n Kanal einfügen</numerusform>
            <numerusform>%n Kanäle einfügen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>Speicher-ID%1[Aktiv]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Nutzbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>DSC-Einstellungen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Programmierbare Kanäle</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Gruppe1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Gruppe2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Gruppe3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-Kanäle</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Aktiv]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Aktiv]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>Speicher-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>Gruppen-ID%1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>Gruppen-ID%1[Aktiv]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Gruppe%1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Gruppe%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>Über TQ58</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-Logo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Liest, bearbeitet und programmiert die Kanäle, DSC-Verzeichnisse und Einstellungen der VHF-Seefunkgeräte RV7200A, RV7700A und RV7700AM über ein serielles Kabel.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Dieses Programm wird ohne Gewährleistung bereitgestellt. Speichern Sie die Einstellungen des Funkgeräts in einer Datei, bevor Sie in das Funkgerät schreiben, und prüfen Sie MMSI und ATIS-Code anhand Ihrer Funklizenz.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Erstellt mit Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Nutzbare ATIS-Kanalgruppe</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Nutzbare ATIS-Killer-Kanalgruppe</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-Nr.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr.%1</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation>%1 Anzeige</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>LOW</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>UP</translation>
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
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Aktiv]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>ANZEIGE</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>CH Display number</source>
        <translation>Kanalanzeige Nummer</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Kanalanzeige Zusatz</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Senden erlaubt</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur niedrige Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhbar</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlauf-Speicher</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanal aktiv</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Bitte korrekte Daten eingeben.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Konfiguration prüfen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Warnungen</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanal oder Eintrag</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>MID-Tabelle</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Trotzdem schreiben</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>nur in der Datei gespeichert; am Funkgerät einstellen</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>TX-Leistungsanzeige</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Fortsetzungszeit</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Suchlauf-Ende mit PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dual Watch</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Missweisung</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Wetteralarm</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Drehknopf-Ton</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>TX-Modus beim Start</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Suchlauf-Funktion</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>NMEA-Dateneingang</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Wetterkanal-Funktion</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Vergleich mit %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanal oder Eintrag</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Keine Einstellung weicht ab.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 Einstellung weicht ab.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n Einstellung weicht ab.</numerusform>
            <numerusform>%n Einstellungen weichen ab.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>MMSI-Art</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsname</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
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
        <translation>Verzeichnis</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Gruppenverzeichnis</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Einzelverzeichnis</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>GRUPPENNAME</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>STATIONSNAME</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Eintrag einfügen</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>Gruppeneintrag %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>Einzeleintrag %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>%1 nach oben verschieben</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>%1 nach unten verschieben</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>%1 einfügen</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Nutzbare DSC-Kanalgruppe</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Eigene MMSI</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Art der eigenen MMSI</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Zähler der eigenen MMSI</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Protokoll löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>DSC-Signalton</translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Widerruf Seenotalarm</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Standby-Modus</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>POS-Anfrage</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>POS-Meldung</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Seenotalarm senden</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Empfang Alle Schiffe</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Empfang Einzelruf</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Empfang Gruppenruf</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Empfang Gebietsruf</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Empfang POS-Anfrage</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Empfang POS-Meldung</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Seenot</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Dringlichkeit</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menü Einzelruf-ACK</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menü Einzelruf-ACK-Nachricht</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menü POS-Anfrage-ACK</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Ruf an alle Schiffe</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Einzelruf</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Seenot-Protokoll</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>DSC-Protokoll</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 Leistung</translation>
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
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation>TQ58-Logo</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx-Frequenz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx-Frequenz</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Gruppenname</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Stationsname</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>TQ58-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Speicherabbild hexadezimal</translation>
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
        <translation>Tastaturhinweis</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Diese Datei ist für das %1; TQ58 ist auf das %2 eingestellt.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>Zum %1 wechseln und die Datei öffnen?</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Diese Installation bietet das %1 nicht an.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Dieses Funkgerät ist ein %1; TQ58 ist auf das %2 eingestellt.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>Zum %1 wechseln und erneut lesen?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>1 Zeile nach %1 exportiert</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n Zeile nach %1 exportiert</numerusform>
            <numerusform>%n Zeilen nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>1 Zeile aus %1 importiert</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n Zeile aus %1 importiert</numerusform>
            <numerusform>%n Zeilen aus %1 importiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Diese Daten</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Diese Datei existiert nicht mehr. Sie wurde aus der Liste der zuletzt verwendeten Dateien entfernt.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Abbild laden</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Abbild speichern</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Kanalnummer, Kanal- oder Eintragsname oder MMSI suchen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Nichts gefunden für „%1“</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Unbekanntes Modell!!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>QYL-Daten wurden geändert.<byte value="xd"/>
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modelltyp-Fehler !!</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Möchten Sie zu %1 wechseln?</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>DAT- und HEX-Dateien</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>DAT-Dateien</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>HEX-Dateien</translation>
    </message>
    <message>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Der Name dieser Datei ist kein UTF-8-Text, daher kann TQ58 sie nicht öffnen. Benennen Sie die Datei um und öffnen Sie sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>Eigene MMSI, noch einmal</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Schnittstellengeräte</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Optionen &gt; Serielle Schnittstelle wählt eine Portnummer; hier wählen Sie das Gerät, das jede Nummer öffnet. Wählen Sie ein auf diesem Computer gefundenes serielles Gerät oder geben Sie den Pfad eines anderen ein.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Geräteliste aktualisieren</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>Gerät für COM%1</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Kein serielles Gerät gefunden: Kabel einstecken und „Aktualisieren“ drücken.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Gefundene serielle Geräte: %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>serielles Gerät</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>das übliche Gerät, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>vorhanden, kein gelistetes serielles Gerät</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>derzeit nicht vorhanden</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>Gerät für COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Einstellungsbericht</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Berichtstext</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Bericht wird erstellt. Bitte warten...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Textdateien(*.txt);;Alle Dateien(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n Zeile übersprungen: %1 %2 ist für den Kanal nicht zulässig.</numerusform>
            <numerusform>%n Zeilen übersprungen: %1 %2 ist für den Kanal nicht zulässig.</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlauf-Speicher</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur niedrige Leistung</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 für %n Kanal</numerusform>
            <numerusform>%1 %2 für %n Kanäle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <source>%1 tabs</source>
        <translation>%1-Registerkarten</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>Verbindungsstatus</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Hilfeinhalt kann nicht angezeigt werden. Für dieses Projekt ist keine Hilfe vorhanden.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Verbindung zum Kabel wird hergestellt…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Warten auf das Funkgerät (%1 von %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <source>Picture: %1</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>QYL cable</source>
        <translation>QYL-Kabel</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Nutzbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusname</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX-TOT</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Erweiterungs-Kanalgruppen</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 Statusname</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TX-TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 Prioritätskanal</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>%1 Enable</source>
        <translation>%1 aktiv</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 Suchlauf</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 Kanalname</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
</context>
</TS>
