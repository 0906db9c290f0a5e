<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CANADA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Programable USA Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTL %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WX%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USA usable group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n channel</numerusform>
            <numerusform>%n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n directory entry</numerusform>
            <numerusform>%n directory entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n setting</numerusform>
            <numerusform>%n settings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Import %n directory entry</numerusform>
            <numerusform>Import %n directory entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>Import %n channel</numerusform>
            <numerusform>Import %n channels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Paste %n directory entry</numerusform>
            <numerusform>Paste %n directory entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Paste %n channel</numerusform>
            <numerusform>Paste %n channels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>CH Display number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n setting differs.</numerusform>
            <numerusform>%n settings differ.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Usable DSC CH Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a call and its priority</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::EditorFrame</name>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <source>Hexdump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n row exported to %1</numerusform>
            <numerusform>%n rows exported to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n row imported from %1</numerusform>
            <numerusform>%n rows imported from %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dat files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hex files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not present now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n row skipped: the channel does not allow %1 %2.</numerusform>
            <numerusform>%n rows skipped: the channel does not allow %1 %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 for %n channel</numerusform>
            <numerusform>%1 %2 for %n channels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <source>%1 tabs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::TransferDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <source>Picture: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QYL cable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>%1 Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
