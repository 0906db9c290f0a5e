<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>Grupa kanałów EXP</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupa%1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>Grupa kanałów EXP[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Grupa%1[%2]</translation>
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
        <translation>Programowalne kanały USA</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Programowalne kanały międzynarodowe</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Programowalne kanały kanadyjskie</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>Nr %1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 numeru %3 nie jest przydzielony żadnemu państwu.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Ustawienia DSC (podstawowe)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 nie jest numerem MMSI (MMSI stacji statkowej zaczyna się od cyfry 2–7); własny MMSI radiotelefonu to MMSI stacji statkowej lub radiotelefonu przenośnego.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 to numer typu: %3; własny MMSI radiotelefonu to MMSI stacji statkowej lub radiotelefonu przenośnego.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>Ustawienia ATIS (wspólne)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Kod ATIS</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 nie spełnia reguły. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Kanał 16 jest wyłączony w: %1. To międzynarodowy kanał niebezpieczeństwa, bezpieczeństwa i wywołań.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 nie jest numerem MMSI (MMSI stacji statkowej zaczyna się od cyfry 2–7) i nie należy do katalogu grupowego.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 to numer typu: %3 i nie należy do katalogu grupowego.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 nie jest numerem MMSI (MMSI stacji statkowej zaczyna się od cyfry 2–7) i nie należy do katalogu indywidualnego.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 to numer typu: %3 i nie należy do katalogu indywidualnego.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1ten sam MMSI co nr %2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1ta sama nazwa co nr %2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Ustawienia ID pamięci</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Ustawienia ID grup</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Programowalne kanały EXP</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>Kanał jest używany, ale nie ma nazwy.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>Nic nie wymaga ponownego sprawdzenia.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>1 ustawienie warto sprawdzić ponownie.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>Ustawienia warte ponownego sprawdzenia: %1.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>„Programuj mimo to” wysyła dane bez zmian; „Anuluj” przerywa, zanim cokolwiek zostanie wysłane.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>nagłówek %1 nie jest kolumną tej listy</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>nagłówek %1 występuje dwukrotnie</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>więcej komórek niż nagłówków</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>włączony kanał EXP wymaga wartości Rx Frequency i dwóch znaków w CH Display</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 nie można zmienić na tym kanale</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 nie jest ani On, ani Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 nie jest częstotliwością w MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 nie leży w siatce 25 kHz od 137 do 174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 nie jest numerem kanału, który wyświetlacz może pokazać</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 nie jest wartością Off, 0, 1, 2 ani 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 przekracza dozwoloną liczbę znaków (%3)</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 zawiera znak, którego radiotelefon nie może zapisać</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 nie jest kanałem z listy</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>kanał jest już w wierszu %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Nic nie wklejono: odrzucono %1 wiersz.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Nic nie wklejono: liczba odrzuconych wierszy: %1.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Nic nie zaimportowano: odrzucono %1 wiersz.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Nic nie zaimportowano: liczba odrzuconych wierszy: %1.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... i jeszcze %1 odrzucony wiersz po tych</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... i dalsze odrzucone wiersze po tych: %1</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>pierwszy nagłówek nie wskazuje żadnej listy; musi to być jeden z: %1</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nic nie zaimportowano: %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>Kanały EXP</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>Kanały USA</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>Kanały INTL</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Kanały kanadyjskie</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>wpis %1 wymaga nazwy i numeru MMSI, zanim będzie można użyć wpisu %2</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2: wpisy są numerowane 1, 2, 3 ... po kolei bez przerw, więc ten wiersz jest wpisem %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>MMSI %1 nie ma wymaganej liczby cyfr (%2) po początkowym 0</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>MMSI %1 nie ma wymaganej liczby cyfr (%2)</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>nagłówki nie są równe %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>katalog ma tylko tyle wpisów: %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Nic nie wklejono: wiersze nie pochodzą z listy %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Nic nie wklejono: schowek nie zawiera wierszy.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>poniżej ostatniego wiersza listy</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Kanał 16 jest wyłączony w: %1. To międzynarodowy kanał niebezpieczeństwa, bezpieczeństwa i wywołań.
Dane przyjęto bez zmian; włącz go ponownie na stronie kanału.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Wszystkie pliki</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>Błąd typu modelu !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Błąd odczytu pliku!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Błąd zapisu pliku!!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>Nieprawidłowy plik!!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 do %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i inne (%2)</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Plik jest niekompletny: brakuje %1 sekcji (%2). Jej ustawienia mają wartości fabryczne; sprawdź je przed zapisaniem lub programowaniem.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Plik jest niekompletny: liczba brakujących sekcji: %1 (%2). Ich ustawienia mają wartości fabryczne; sprawdź je przed zapisaniem lub programowaniem.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>Nie udało się odczytać tabeli MID: państwa numerów MMSI i kodów ATIS nie są sprawdzane.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Błąd odczytu pliku INI!!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>Obrazu odczytanego z radiotelefonu nie udało się zachować jako kopii zapasowej.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Brak dokumentu pomocy %1.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spacja]: włącz/wyłącz.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Góra]/[Dół]: zmiana wyboru.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>Maks. liczba znaków: %1</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>Maks. liczba znaków: %1.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Tylko cyfry. Wymagana liczba cyfr: %1.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Wymagane 2 cyfry.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>Wymagana 1 cyfra.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Zaznacz [x] włączone/[] wyłączone.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Góra]/[Dół]/[Lewo]/[Prawo]: zmiana wyboru.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dwuklik],[Enter]: przejście do strony ustawień.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Kliknięcie czyści dziennik</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>maks. 4 znaki.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Wymagane 3 cyfry.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation>Systemowy</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Zmiana obowiązuje od następnego uruchomienia</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>Anulowano!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Przekroczono czas!!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Błąd adresu!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Błąd komunikacji!!
Kabel lub jego adapter na porcie %1 zniknął: połączenie zostało przerwane. Sprawdź, czy adapter jest podłączony, a kabel dobrze osadzony, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Błąd komunikacji!!
Radiotelefon na porcie %1 nie odpowiedział. Sprawdź, czy jest włączony i w trybie klonowania (wyświetlacz pokazuje PC CONTROL), czy kabel jest dobrze osadzony po obu stronach i czy wybrano właściwy port.</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>Błąd polecenia ACMD!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Błąd!!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Błąd inicjalizacji portu!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Potwierdź synchronizację komunikacji</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Radiotelefon jest zajęty!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Błąd komunikacji!!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Sprawdzenie modelu</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Błąd typu modelu !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Błąd kodu produktu!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programowanie radiotelefonu</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>Czyszczenie dziennika DSC</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Czyszczenie dziennika niebezpieczeństwa</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Podłącz kabel QYL między portem szeregowym komputera a radiotelefonem.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Na radiotelefonie przytrzymaj klawisze [DISTRESS] i [CALL]</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   podczas włączania zasilania.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   Wyświetlacz radiotelefonu pokaże PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Naciśnij przycisk [OK], aby rozpocząć.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radiotelefon nie jest gotowy!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Zakończono!!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Zweryfikowano</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niska</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Wysoka</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Tylko niska</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Niska przy zmianie kanału</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Ostatnia moc TX</translation>
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
        <translation>Przy WX</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Przy skanowaniu</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX i skanowanie</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Rzeczywisty</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magnetyczny</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nie ustawiono)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Otwórz &amp;kopię zapasową...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Zapisz jako &amp;domyślne</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ukuj</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Drukuj do &amp;pliku</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Podgląd &amp;wydruku</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Eksportuj PDF...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>Eksportuj &amp;CSV</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importuj CSV...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>Po&amp;równaj z...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transmisja</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Zaprogramuj radiotelefon</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Odczytaj z radiotelefonu</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Sprawdź konfigurację...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;szeregowy</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Urządzenia portów...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Zrzut szesnastkowy</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>&amp;O wersji QYL</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Otwórz...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Zapisz jako domyślne</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programuj</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programowanie radiotelefonu</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Odczyt z radiotelefonu</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Pasek narzędzi</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... i inne (%1); „Pokaż szczegóły” wyświetla wszystkie wiersze.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>To nie jest MMSI</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Stacja statkowa</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Stacja brzegowa</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Radiotelefon przenośny</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Statek powietrzny SAR</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>Znak nawigacyjny AIS</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Jednostka statku macierzystego</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Urządzenie „człowiek za burtą”</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>Nieznany MID %1</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>Większość radiotelefonów przyjmuje własny MMSI tylko raz: błędny może cofnąć tylko sprzedawca.
Wpisz jeszcze raz własny MMSI do zaprogramowania:</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Oba wpisy własnego MMSI się różnią. Do radiotelefonu nic nie wysłano.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Czy zaprogramować radiotelefon serii %1?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>Program PC dla %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>katalogu grupowego</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>katalogu indywidualnego</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2: ten MMSI nie należy do %3.</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2: własny MMSI radiotelefonu to MMSI stacji statkowej lub radiotelefonu przenośnego.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Na tym komputerze nie skonfigurowano drukarki.

Plik &gt; „Eksportuj PDF...” zapisuje raport jako plik PDF, który można wydrukować na dowolnym komputerze.</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Pliki PDF(*.pdf);;Wszystkie pliki(*.*)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Kod ATIS ma 10 cyfr: 9, MID państwa (np. 244), a potem jeszcze 6 cyfr.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Częstotliwość Rx: wymagana, gdy zaznaczono „Kanał włączony”</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Wyświetlanie kanału: liczba znaków %1</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI grupy: liczba cyfr po początkowym 0: %1</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI: liczba cyfr %1</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>Nr %1: nr %2 wymaga najpierw nazwy grupy i numeru MMSI</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>Nr %1: nr %2 wymaga najpierw nazwy stacji i numeru MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>Nr %1: używany wpis wymaga nazwy grupy i numeru MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>Nr %1: używany wpis wymaga nazwy stacji i numeru MMSI</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Kanał 16 to międzynarodowy kanał niebezpieczeństwa, bezpieczeństwa i wywołań. Mimo to go wyłączyć?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1: od %2 do %3 MHz w krokach co %4 kHz</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1: liczba cyfr %2</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Kopia zapasowa z %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>Do zapisania</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Zmiany od kopii zapasowej z %1</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Pokaż zmiany</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Co programowanie zmienia względem kopii zapasowej z %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 włączony</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 tylko niska moc</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 zwiększenie mocy</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 dupleks</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 nadawanie dozwolone</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 pamięć skanowania</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 nazwa</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 szyfrator</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 wyświetlanie</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 częstotliwość Tx</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 częstotliwość Rx</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 kanał priorytetowy</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 nazwa statusu</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 grupy EXP</translation>
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
        <translation>Kanały USA</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>Kanały INTL</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Kanały kanadyjskie</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>Kanały WX</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>Kanały EXP</translation>
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
        <translation>Używana grupa USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Używana grupa INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Używana grupa Kanada</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Używana grupa EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Ustawienia wspólne</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>Ustawienia DSC</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>Ustawienia wywołań DSC</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>Ustawienia wyświetlania DSC</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Ustawienia Auto POS</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>Ustawienia ATIS</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>Znak wywoławczy ATIS %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Wpis indywidualny %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Wpis grupowy %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n kanał</numerusform>
            <numerusform>%n kanały</numerusform>
            <numerusform>%n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n wpis katalogu</numerusform>
            <numerusform>%n wpisy katalogu</numerusform>
            <numerusform>%n wpisów katalogu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n ustawienie</numerusform>
            <numerusform>%n ustawienia</numerusform>
            <numerusform>%n ustawień</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Import %n wpisu katalogu</numerusform>
            <numerusform>Import %n wpisów katalogu</numerusform>
            <numerusform>Import %n wpisów katalogu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>Import %n kanału</numerusform>
            <numerusform>Import %n kanałów</numerusform>
            <numerusform>Import %n kanałów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Wklejenie %n wpisu katalogu</numerusform>
            <numerusform>Wklejenie %n wpisów katalogu</numerusform>
            <numerusform>Wklejenie %n wpisów katalogu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Wklejenie %n kanału</numerusform>
            <numerusform>Wklejenie %n kanałów</numerusform>
            <numerusform>Wklejenie %n kanałów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>ID pamięci%1[Wł.]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Używane grupy kanałów</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Ustawienia wspólne</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Ustawienia DSC</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>Ustawienia ATIS</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Kanały programowalne</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Grupa1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Grupa2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Grupa3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Pogoda</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>Kanały EXP</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Wł.]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Wł.]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>ID pamięci%1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID grupy%1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>ID grupy%1[Wł.]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Grupa%1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Grupa%1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>O programie TQ58</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Odczytuje, edytuje i programuje kanały, katalogi DSC i ustawienia radiotelefonów morskich VHF RV7200A, RV7700A i RV7700AM przez kabel szeregowy.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Ten program jest dostarczany bez gwarancji. Przed programowaniem zapisz ustawienia radiotelefonu w pliku i sprawdź MMSI oraz kod ATIS z pozwoleniem radiowym stacji statkowej.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Zbudowano z Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Common</source>
        <translation>Wspólne</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Znak wywoławczy</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Używana grupa kanałów ATIS</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Używana grupa kanałów ATIS Killer</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Kod ATIS</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>Nr ATIS</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
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
        <translation>%1 wyświetlanie</translation>
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
        <translation>NIS</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>ZWI</translation>
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
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>WŁĄCZ.</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Wł.]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>WYŚW.</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>Tx Enable</source>
        <translation>Nadawanie dozwolone</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Tylko niska moc</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Zwiększenie mocy</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dupleks</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Pamięć skanowania</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Wyświetlanie kanału</translation>
    </message>
    <message>
        <source>CH Display number</source>
        <translation>Wyświetlany numer</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Wyświetlany przyrostek</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Szyfrator</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>Kanał włączony</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Wprowadź poprawne dane.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Sprawdzanie konfiguracji</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Ostrzeżenia</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sekcja</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanał lub wpis</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>Tabela MID</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programuj mimo to</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>TX Po Display</source>
        <translation>Wskazanie mocy TX</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Czas wznowienia</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Koniec skanowania przez PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Podwójny nasłuch</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Przesunięcie czasu</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Deklinacja magnetyczna</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Alarm pogodowy</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Dźwięk pokrętła</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>Tryb TX po włączeniu</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Funkcja skanowania</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>Wejście danych NMEA</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Funkcja kanału pogodowego</translation>
    </message>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>tylko w pliku; ustaw w radiotelefonie</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Porównanie z %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Żadne ustawienie się nie różni.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 ustawienie się różni.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n ustawienie się różni.</numerusform>
            <numerusform>%n ustawienia się różnią.</numerusform>
            <numerusform>%n ustawień się różni.</numerusform>
        </translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Sekcja</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Kanał lub wpis</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Pole</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>Rodzaj MMSI</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation>%1  Nr %2</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nazwa grupy</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nazwa stacji</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno?</translation>
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
        <translation>Katalog grupowy</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Katalog indywidualny</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NAZWA GRUPY</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NAZWA STACJI</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Rodzaj</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Przesuń w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przesuń w dół</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Wstaw wpis</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Usuń wpis</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>wpis grupowy %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>wpis indywidualny %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Przesuń w górę: %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Przesuń w dół: %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>Wstaw: %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Usuń: %1</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Odwołanie alarmu o niebezpieczeństwie</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Tryb czuwania</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>Zapytanie o pozycję</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>Raport pozycji</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Wysłanie alarmu o niebezpieczeństwie</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Odebrane do wszystkich statków</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Odebrane indywidualne</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Odebrane grupowe</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Odebrane obszarowe</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Odebrane zapytanie o pozycję</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Odebrany raport pozycji</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Niebezpieczeństwo</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Pilność</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Bezpieczeństwo</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Rutyna</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menu ACK indywidualnego</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menu wiadomości ACK indywidualnego</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menu ACK zapytania o pozycję</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Wywołanie do wszystkich statków</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Wywołanie grupowe</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Wywołanie indywidualne</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Dziennik niebezpieczeństwa</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>Dziennik DSC</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Podstawowe</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 moc</translation>
    </message>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Używana grupa kanałów DSC</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>Własny MMSI</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Rodzaj własnego MMSI</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Licznik własnego MMSI</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Licznik</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Czyszczenie dzienników</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Wyczyść: %1</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>Sygnał dźwiękowy DSC</translation>
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
        <translation>Nawigacja</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Strona</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>CH Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Wyświetlanie kanału</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Częstotliwość Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Częstotliwość Tx</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nazwa grupy</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nazwa stacji</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Błąd danych!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>Pomoc TQ58</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Obraz pamięci szesnastkowo</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <source>Hexdump</source>
        <translation>Zrzut szesnastkowy</translation>
    </message>
    <message>
        <source>Keyboard hint</source>
        <translation>Wskazówka klawiatury</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Nieznany model!!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Dane QYL zostały zmienione.<byte value="xd"/>
Czy zapisać zmiany?</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Ten plik jest dla modelu %1; TQ58 jest ustawiony na model %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>Przełączyć na model %1 i otworzyć plik?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Błąd typu modelu !!</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Ta instalacja nie oferuje modelu %1.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Ten radiotelefon to %1; TQ58 jest ustawiony na model %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>Przełączyć na model %1 i odczytać ponownie?</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Czy zmienić region na %1?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Eksport: %1</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>pliki csv</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>Wyeksportowano 1 wiersz do %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>Wyeksportowano %n wiersz do %1</numerusform>
            <numerusform>Wyeksportowano %n wiersze do %1</numerusform>
            <numerusform>Wyeksportowano %n wierszy do %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>Zaimportowano 1 wiersz z %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>Zaimportowano %n wiersz z %1</numerusform>
            <numerusform>Zaimportowano %n wiersze z %1</numerusform>
            <numerusform>Zaimportowano %n wierszy z %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Porównaj z</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>pliki dat i hex</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Te dane</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>pliki dat</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Ten plik już nie istnieje. Usunięto go z listy ostatnich plików.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Otwórz kopię zapasową</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>pliki hex</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Znajdź (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Znajdź numer kanału, nazwę kanału lub wpisu albo MMSI</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Znajdź...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Nic nie znaleziono dla „%1”</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Cofnij: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ponów: %1</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Wyjaśnienie</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>Własny MMSI, jeszcze raz</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Urządzenia portów</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Opcje &gt; Port szeregowy wybiera numer portu; tutaj wybierasz urządzenie, które otwiera każdy numer. Wybierz urządzenie szeregowe znalezione na tym komputerze lub wpisz ścieżkę innego.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Odśwież</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Odśwież listę urządzeń</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1:</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>Urządzenie portu COM%1</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Nie znaleziono urządzenia szeregowego: podłącz kabel i naciśnij Odśwież.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Znalezione urządzenia szeregowe: %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>urządzenie szeregowe</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>zwykłe urządzenie, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>obecne, ale nie na liście urządzeń szeregowych</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>obecnie niedostępne</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>Urządzenie portu COM%1: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Raport ustawień</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Tekst raportu</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Tworzenie raportu. Proszę czekać...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Pliki tekstowe(*.txt);;Wszystkie pliki(*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>Enable</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Pamięć skanowania</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Tylko niska moc</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 %2 dla %n kanału</numerusform>
            <numerusform>%1 %2 dla %n kanałów</numerusform>
            <numerusform>%1 %2 dla %n kanałów</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message numerus="yes">
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
        <source>%1 tabs</source>
        <translation>Karty: %1</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcje</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>Stan połączenia</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Weryfikuj po zaprogramowaniu</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Weryfikuj po zaprogramowaniu</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Nie można wyświetlić spisu treści pomocy. Z tym projektem nie jest powiązana żadna pomoc.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Łączenie z kablem…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Oczekiwanie na radiotelefon (%1 z %2)…</translation>
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
        <translation>Kabel QYL</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radiotelefon</translation>
    </message>
    <message>
        <source>Picture: %1</source>
        <translation>Obraz: %1</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Używane grupy kanałów</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 nazwa statusu</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TX TOT</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 kanał priorytetowy</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Nazwa statusu</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Kanał priorytetowy</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Grupy kanałów rozszerzenia</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>Enable</source>
        <translation>Włączony</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nazwa kanału</translation>
    </message>
    <message>
        <source>%1 Enable</source>
        <translation>%1 włączony</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 skanowanie</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 nazwa kanału</translation>
    </message>
</context>
</TS>
