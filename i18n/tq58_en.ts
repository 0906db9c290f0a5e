<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
    <name>QObject</name>
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
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>The help document %1 is missing.</source>
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
        <source> MID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Display</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <source>Channels</source>
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
    <message>
        <source>%1 settings differ.</source>
        <translation type="unfinished"></translation>
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
        <source> power</source>
        <translation type="unfinished"></translation>
    </message>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> status name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> TX TOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> priority channel</source>
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
</context>
</TS>
