<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>TCollisionView</name>
    <message>
        <source>Only plates that share a code</source>
        <translation>Tylko tablice o wspólnym kodzie</translation>
    </message>
    <message>
        <source>Shares the code %1 with %2</source>
        <translation>Ma ten sam kod %1 co %2</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> i %n inna</numerusform>
            <numerusform> i %n inne</numerusform>
            <numerusform> i %n innych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n tablica</numerusform>
            <numerusform>%n tablice</numerusform>
            <numerusform>%n tablic</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n widoczna</numerusform>
            <numerusform>%n widoczne</numerusform>
            <numerusform>%n widocznych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n ze wspólnym kodem</numerusform>
            <numerusform>%n ze wspólnym kodem</numerusform>
            <numerusform>%n ze wspólnym kodem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n powtórzenie</numerusform>
            <numerusform>%n powtórzenia</numerusform>
            <numerusform>%n powtórzeń</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCustomEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz w&amp;szystko</translation>
    </message>
</context>
<context>
    <name>TDecodeError</name>
    <message>
        <source>expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013</source>
        <translation>oczekiwano od 1 do 7 cyfr szesnastkowych, np. 0x3019E2A, 26 cyfr binarnych albo kodu obiektu i numeru ID, np. 128/53013</translation>
    </message>
    <message>
        <source>expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits</source>
        <translation>oczekiwano 16 cyfr szesnastkowych, np. 0x600002191555EBDB, albo 64 cyfr binarnych</translation>
    </message>
    <message>
        <source>expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)</source>
        <translation>oczekiwano kodu 26-bitowego (od 1 do 7 cyfr szesnastkowych, np. 0x3019E2A, 26 cyfr binarnych albo kodu obiektu i numeru ID, np. 128/53013) lub kodu 64-bitowego (16 cyfr szesnastkowych lub 64 cyfr binarnych)</translation>
    </message>
    <message>
        <source>expected hex digits after 0x</source>
        <translation>oczekiwano cyfr szesnastkowych po 0x</translation>
    </message>
    <message>
        <source>expected a facility code and ID number such as 128/53013</source>
        <translation>oczekiwano kodu obiektu i numeru ID, np. 128/53013</translation>
    </message>
    <message>
        <source>facility code %1 is above %2</source>
        <translation>kod obiektu %1 jest większy niż %2</translation>
    </message>
    <message>
        <source>ID number %1 is above %2</source>
        <translation>numer ID %1 jest większy niż %2</translation>
    </message>
    <message>
        <source>expected 26 binary digits, got %1</source>
        <translation>oczekiwano 26 cyfr binarnych, jest: %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits or 26 binary digits, got %1 digits</source>
        <translation>oczekiwano od 1 do 7 cyfr szesnastkowych lub 26 cyfr binarnych, cyfr: %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits, got %1</source>
        <translation>oczekiwano od 1 do 7 cyfr szesnastkowych, jest: %1</translation>
    </message>
    <message>
        <source>%1 is above the largest 26-bit frame 0x3FFFFFF</source>
        <translation>%1 jest większe niż największa ramka 26-bitowa 0x3FFFFFF</translation>
    </message>
    <message>
        <source>expected 64 binary digits, got %1</source>
        <translation>oczekiwano 64 cyfr binarnych, jest: %1</translation>
    </message>
    <message>
        <source>expected 16 hex digits, got %1</source>
        <translation>oczekiwano 16 cyfr szesnastkowych, jest: %1</translation>
    </message>
    <message>
        <source>group %1 is 0 (empty) after a character; no plate gives that</source>
        <translation>grupa %1 ma wartość 0 (pusta) po znaku; żadna tablica tego nie daje</translation>
    </message>
    <message>
        <source>group %1 has the value %2, which no plate gives</source>
        <translation>grupa %1 ma wartość %2, której nie daje żadna tablica</translation>
    </message>
    <message>
        <source>all ten groups are 0 (empty); no plate gives that</source>
        <translation>wszystkie dziesięć grup ma wartość 0 (puste); żadna tablica tego nie daje</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1</source>
        <translation>oczekiwano od 1 do 7 cyfr szesnastkowych dla kodu 26-bitowego lub 16 dla kodu 64-bitowego, jest: %1</translation>
    </message>
    <message>
        <source>expected 26 or 64 binary digits, got %1</source>
        <translation>oczekiwano 26 lub 64 cyfr binarnych, jest: %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>No Printer is installed</source>
        <translation>Nie zainstalowano żadnej drukarki</translation>
    </message>
    <message>
        <source>The print server %1 answers too slowly for Print setup.</source>
        <translation>Serwer wydruku %1 odpowiada zbyt wolno, by otworzyć Ustawienia wydruku.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Ustawienia wydruku</translation>
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
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About . . .</source>
        <translation>O programie . . .</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Wersja: </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message>
        <source>Decode code</source>
        <translation>Dekoduj kod</translation>
    </message>
    <message>
        <source>Code read at the gate (26-bit or 64-bit):</source>
        <translation>Kod odczytany przy bramie (26-bitowy lub 64-bitowy):</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Ramka:</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bity:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parzystość:</translation>
    </message>
    <message>
        <source>Facility code:</source>
        <translation>Kod obiektu:</translation>
    </message>
    <message>
        <source>ID number:</source>
        <translation>Numer ID:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Kod:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefiks:</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Tablica rejestracyjna:</translation>
    </message>
    <message>
        <source>no row has this code</source>
        <translation>żaden wiersz nie ma tego kodu</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 z %n wiersza</numerusform>
            <numerusform>%1 z %n wierszy</numerusform>
            <numerusform>%1 z %n wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>0x3019E2A, 128/53013 or 0x600002191555EBDB</source>
        <translation>0x3019E2A, 128/53013 lub 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; lub </translation>
    </message>
</context>
<context>
    <name>TFormImport</name>
    <message>
        <source>Comma (,)</source>
        <translation>Przecinek (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Średnik (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importuj listę</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Arkusz:</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Pierwszy wiersz to &amp;nagłówek</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>Pierwszy wiersz to &amp;nagłówek</translation>
    </message>
    <message>
        <source>&amp;Plate column:</source>
        <translation>Kolumna &amp;tablic:</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their rows. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Pierwsze i ostatnie rekordy z %1, z numerami wierszy. Każda tablica jest obliczana tak jak w Plik &gt; Otwórz; pozostałe kolumny następują po kolumnach obliczonych w obu tabelach.</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their lines. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Pierwsze i ostatnie rekordy z %1, z numerami wierszy. Każda tablica jest obliczana tak jak w Plik &gt; Otwórz; pozostałe kolumny następują po kolumnach obliczonych w obu tabelach.</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (kolumna %2)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> &lt; enter plate &gt;</source>
        <translation> &lt; wpisz tablicę &gt;</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Tablica rejestracyjna:</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Number plates:</source>
        <translation>Tablice rejestracyjne:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
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
        <source>Save as ...</source>
        <translation>Zapisz jako ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolumny</translation>
    </message>
    <message>
        <source>Multiple number plates</source>
        <translation>Wiele tablic</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>How to calculate</source>
        <translation>Jak obliczać</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>O programie ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Skoroszyt programu Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Tekst przekracza pojemność pola</translation>
    </message>
    <message>
        <source>Save the results?</source>
        <translation>Zapisać wyniki?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>OK: file %1 saved</source>
        <translation>OK: zapisano plik %1</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</source>
        <translation>Listy (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx;*.ods)</source>
        <translation>Skoroszyty (*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Comma-separated (*.csv)</source>
        <translation>Rozdzielane przecinkami (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated (*.tsv)</source>
        <translation>Rozdzielane tabulatorami (*.tsv)</translation>
    </message>
    <message>
        <source>Import list ...</source>
        <translation>Importuj listę ...</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać w %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Decode code ...</source>
        <translation>Dekoduj kod ...</translation>
    </message>
    <message>
        <source>Single number plate</source>
        <translation>Jedna tablica rejestracyjna</translation>
    </message>
    <message>
        <source>Sort by current column</source>
        <translation>Sortuj według bieżącej kolumny</translation>
    </message>
    <message>
        <source>Fit current column width</source>
        <translation>Dopasuj szerokość bieżącej kolumny</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importuj listę</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, written by a newer version of Corvana. They are kept for it.</source>
        <translation>Znaleziono niezapisane wyniki wcześniejszej sesji w %1, zapisane przez nowszą wersję programu Corvana. Są zachowane dla niej.</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, but the file is damaged and cannot be read. It is kept.</source>
        <translation>Znaleziono niezapisane wyniki wcześniejszej sesji w %1, ale plik jest uszkodzony i nie można go odczytać. Jest zachowany.</translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n tablica</numerusform>
            <numerusform>%n tablice</numerusform>
            <numerusform>%n tablic</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found: %1, last changed %2.

Restore them? (No discards them; Cancel keeps them for the next start.)</source>
        <translation>Znaleziono niezapisane wyniki wcześniejszej sesji: %1, ostatnia zmiana %2.

Przywrócić je? (Nie odrzuca je; Anuluj zachowuje je do następnego uruchomienia.)</translation>
    </message>
    <message>
        <source>The unsaved results in %1 do not fit the grids and cannot be restored. The file is kept.</source>
        <translation>Niezapisane wyniki w %1 nie pasują do tabel i nie można ich przywrócić. Plik jest zachowany.</translation>
    </message>
</context>
<context>
    <name>TGridStep</name>
    <message>
        <source>Insert row</source>
        <translation>Wstaw wiersz</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Usuń wiersz</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Wstaw kolumnę</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Usuń kolumnę</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortuj</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>«other»</source>
        <translation>«inny»</translation>
    </message>
    <message>
        <source>Note that this software uses UTF-8 encoding for license plates with international characters.</source>
        <translation>Uwaga: ten program używa kodowania UTF-8 dla tablic rejestracyjnych ze znakami międzynarodowymi.</translation>
    </message>
    <message>
        <source>WIEGAND 26-BIT (SHA-1)</source>
        <translation>WIEGAND 26-BIT (SHA-1)</translation>
    </message>
    <message>
        <source>Number plate = hk 55 evb</source>
        <translation>Tablica rejestracyjna = hk 55 evb</translation>
    </message>
    <message>
        <source>1. Turn into upper case = HK 55 EVB</source>
        <translation>1. Zamień na wielkie litery = HK 55 EVB</translation>
    </message>
    <message>
        <source>2. Remove spaces = HK55EVB</source>
        <translation>2. Usuń spacje = HK55EVB</translation>
    </message>
    <message>
        <source>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</source>
        <translation>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</translation>
    </message>
    <message>
        <source>4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15</source>
        <translation>4. Wyjście Wiegand 26-bit używa ostatnich 24 bitów wartości SHA1 = 0x80CF15</translation>
    </message>
    <message>
        <source>5. Add leading and trailing parity bits according to wiegand 26-bit format</source>
        <translation>5. Dodaj początkowy i końcowy bit parzystości zgodnie z formatem Wiegand 26-bit</translation>
    </message>
    <message>
        <source>The Wiegand 26-bit number shall be 0x3019E2A</source>
        <translation>Numer Wiegand 26-bit to 0x3019E2A</translation>
    </message>
    <message>
        <source>WIEGAND 64-BIT</source>
        <translation>WIEGAND 64-BIT</translation>
    </message>
    <message>
        <source>3. First 4 bits are always 0110.</source>
        <translation>3. Pierwsze 4 bity to zawsze 0110.</translation>
    </message>
    <message>
        <source>4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character.</source>
        <translation>4. Dołącz 10 grup po 6 bitów. Każda 6-bitowa grupa zawiera jeden znak tablicy rejestracyjnej.</translation>
    </message>
    <message>
        <source>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</source>
        <translation>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</translation>
    </message>
    <message>
        <source>5. Convert binary to hex = 0x600002191555EBDB.</source>
        <translation>5. Zamień zapis binarny na szesnastkowy = 0x600002191555EBDB.</translation>
    </message>
    <message>
        <source>The Wiegand 64-bit number shall be 0x600002191555EBDB</source>
        <translation>Numer Wiegand 64-bit to 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>	Character conversion table:</source>
        <translation>	Tabela konwersji znaków:</translation>
    </message>
    <message>
        <source>«empty»</source>
        <translation>«pusty»</translation>
    </message>
</context>
<context>
    <name>TImportedList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the list is larger than 256 MiB</source>
        <translation>lista jest większa niż 256 MiB</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;. %2</source>
        <translation>Nie można zaimportować &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the workbook has no sheet that holds cells</source>
        <translation>skoroszyt nie ma arkusza z komórkami</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Nie można zaimportować &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać w %1</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Plik jest za duży</translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n bez pola tablicy</numerusform>
            <numerusform>%n bez pola tablicy</numerusform>
            <numerusform>%n bez pola tablicy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n z pustym polem tablicy</numerusform>
            <numerusform>%n z pustym polem tablicy</numerusform>
            <numerusform>%n z pustym polem tablicy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n z tablicą złożoną tylko ze spacji i interpunkcji</numerusform>
            <numerusform>%n z tablicą złożoną tylko ze spacji i interpunkcji</numerusform>
            <numerusform>%n z tablicą złożoną tylko ze spacji i interpunkcji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n z tablicą dłuższą niż 16 bajtów</numerusform>
            <numerusform>%n z tablicą dłuższą niż 16 bajtów</numerusform>
            <numerusform>%n z tablicą dłuższą niż 16 bajtów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n odczytany jako nagłówek kolumny</numerusform>
            <numerusform>%n odczytane jako nagłówek kolumny</numerusform>
            <numerusform>%n odczytanych jako nagłówek kolumny</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n z niezamkniętym cudzysłowem (reszta listy)</numerusform>
            <numerusform>%n z niezamkniętym cudzysłowem (reszta listy)</numerusform>
            <numerusform>%n z niezamkniętym cudzysłowem (reszta listy)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n z bajtami spoza UTF-8</numerusform>
            <numerusform>%n z bajtami spoza UTF-8</numerusform>
            <numerusform>%n z bajtami spoza UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n z połową pary surogatów UTF-16</numerusform>
            <numerusform>%n z połową pary surogatów UTF-16</numerusform>
            <numerusform>%n z połową pary surogatów UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n zakończony połową znaku UTF-16</numerusform>
            <numerusform>%n zakończone połową znaku UTF-16</numerusform>
            <numerusform>%n zakończonych połową znaku UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n dłuższy niż 64 KiB</numerusform>
            <numerusform>%n dłuższe niż 64 KiB</numerusform>
            <numerusform>%n dłuższych niż 64 KiB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n z polami poza kolumnami (pominięte)</numerusform>
            <numerusform>%n z polami poza kolumnami (pominięte)</numerusform>
            <numerusform>%n z polami poza kolumnami (pominięte)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n z formułą w polu tablicy</numerusform>
            <numerusform>%n z formułą w polu tablicy</numerusform>
            <numerusform>%n z formułą w polu tablicy</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n odczytany jako wiersz sumy</numerusform>
            <numerusform>%n odczytane jako wiersz sumy</numerusform>
            <numerusform>%n odczytanych jako wiersz sumy</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>text</source>
        <translation>tekst</translation>
    </message>
    <message>
        <source>an Excel workbook (.xlsx)</source>
        <translation>skoroszyt programu Excel (.xlsx)</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>arkusz kalkulacyjny OpenDocument (.ods)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>archiwum ZIP</translation>
    </message>
    <message>
        <source>a document of an older Microsoft Office (such as an .xls workbook)</source>
        <translation>dokument starszej wersji Microsoft Office (np. skoroszyt .xls)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>dokument PDF</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>obraz PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>obraz JPEG</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>dane skompresowane programem gzip</translation>
    </message>
    <message>
        <source>a program (ELF)</source>
        <translation>program (ELF)</translation>
    </message>
    <message>
        <source>UTF-16 text without a byte order mark</source>
        <translation>tekst UTF-16 bez znacznika kolejności bajtów (BOM)</translation>
    </message>
    <message>
        <source>binary data (it holds NUL bytes)</source>
        <translation>dane binarne (zawierają bajty NUL)</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dane binarne</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1: %n wiersz, nie pominięto żadnego</numerusform>
            <numerusform>%1: %n wiersze, nie pominięto żadnego</numerusform>
            <numerusform>%1: %n wierszy, nie pominięto żadnego</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1: %n wiersz, pominięte: %2</numerusform>
            <numerusform>%1: %n wiersze, pominięte: %2</numerusform>
            <numerusform>%1: %n wierszy, pominięte: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, w tym %1</translation>
    </message>
    <message>
        <source>; most hold a comma: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; większość zawiera przecinek: Plik &gt; Importuj listę ... wczyta taką listę według kolumn</translation>
    </message>
    <message>
        <source>; most hold a tab: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; większość zawiera tabulator: Plik &gt; Importuj listę ... wczyta taką listę według kolumn</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1: zaimportowano %n tablicę</numerusform>
            <numerusform>%1: zaimportowano %n tablice</numerusform>
            <numerusform>%1: zaimportowano %n tablic</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform>; pominięto %n rekord: %1</numerusform>
            <numerusform>; pominięto %n rekordy: %1</numerusform>
            <numerusform>; pominięto %n rekordów: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform>; %n rekord z polami poza kolumnami (pominięte)</numerusform>
            <numerusform>; %n rekordy z polami poza kolumnami (pominięte)</numerusform>
            <numerusform>; %n rekordów z polami poza kolumnami (pominięte)</numerusform>
        </translation>
    </message>
    <message>
        <source>It is %1, not a plate list</source>
        <translation>To %1, a nie lista tablic</translation>
    </message>
    <message>
        <source>It is %1, not a list</source>
        <translation>To %1, a nie lista</translation>
    </message>
    <message>
        <source>: File &gt; Import list ... reads workbooks.</source>
        <translation>: Plik &gt; Importuj listę ... odczytuje skoroszyty.</translation>
    </message>
    <message>
        <source>: save it as an .xlsx workbook or as CSV first.</source>
        <translation>: najpierw zapisz plik jako skoroszyt .xlsx lub jako CSV.</translation>
    </message>
    <message>
        <source>: save it as UTF-8, or as UTF-16 with a byte order mark.</source>
        <translation>: zapisz plik jako UTF-8 lub jako UTF-16 ze znacznikiem kolejności bajtów (BOM).</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>TPrintServerWait</name>
    <message>
        <source>Waiting for the print server %1 ...</source>
        <translation>Oczekiwanie na serwer wydruku %1 ...</translation>
    </message>
</context>
<context>
    <name>TPrinter</name>
    <message>
        <source>cannot start the PDF document</source>
        <translation>nie można rozpocząć dokumentu PDF</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>nie można rozpocząć nowej strony</translation>
    </message>
    <message>
        <source>the job was not taken</source>
        <translation>zadanie nie zostało przyjęte</translation>
    </message>
    <message>
        <source>the document was not taken</source>
        <translation>dokument nie został przyjęty</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>Serwer wydruku %1 nie odpowiada.</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Nie zainstalowano żadnej drukarki</translation>
    </message>
    <message>
        <source>Cannot print on %1: %2</source>
        <translation>Nie można drukować na %1: %2</translation>
    </message>
    <message>
        <source>Cannot start a new page on %1: %2</source>
        <translation>Nie można rozpocząć nowej strony na %1: %2</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>Drukowanie na %1 nie powiodło się</translation>
    </message>
    <message>
        <source>: the print server %1 does not answer</source>
        <translation>: serwer wydruku %1 nie odpowiada</translation>
    </message>
</context>
<context>
    <name>TzelGrid</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; nie jest prawidłową liczbą zmiennoprzecinkową</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; nie jest prawidłową datą</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filtr jest zbyt złożony</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Błąd w: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Nie zainstalowano żadnej drukarki</translation>
    </message>
    <message>
        <source>Copy row to header</source>
        <translation>Kopiuj wiersz do nagłówka</translation>
    </message>
</context>
<context>
    <name>TzelGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Nazwy komórek</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>&amp;Nazwa komórki</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Wyczyść wszystko</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Name &apos;%1&apos; already exists</source>
        <translation>Nazwa &apos;%1&apos; już istnieje</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>Wyczyścić wszystkie nazwy?</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Komórka</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>&amp;Dodaj nazwę</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>&amp;Usuń nazwę</translation>
    </message>
</context>
<context>
    <name>TzelGridFormuleF</name>
    <message>
        <source>Formule Editor</source>
        <translation>Edytor formuł</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Operators and functions</source>
        <translation>Operatory i funkcje</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formuła</translation>
    </message>
</context>
<context>
    <name>TzelGridPreviewF</name>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Ustawienia wydruku</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Całość</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Widok całości</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Zapisz jako PDF</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Obramowanie</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>z %1</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Pliki bitmap</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Pliki PDF</translation>
    </message>
    <message>
        <source>Header and footer options</source>
        <translation>Opcje nagłówka i stopki</translation>
    </message>
    <message>
        <source>Header or footer option</source>
        <translation>Opcja nagłówka lub stopki</translation>
    </message>
    <message>
        <source>Margins and sizes</source>
        <translation>Marginesy i rozmiary</translation>
    </message>
    <message>
        <source>Margin or size</source>
        <translation>Margines lub rozmiar</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Wyświetlana strona</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Widok strony</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Podgląd strony</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>TzelGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Konstruktor zapytań</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Pola:</translation>
    </message>
    <message>
        <source>Ops:</source>
        <translation>Operatory:</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Zapytanie:</translation>
    </message>
    <message>
        <source>Ignore upper / lower case</source>
        <translation>Ignoruj wielkość liter</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Za&amp;stosuj</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>&amp;Pokaż wszystko</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
</TS>
