<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TCollisionView</name>
    <message>
        <source>Only plates that share a code</source>
        <translation>Nur Kennzeichen mit gemeinsamem Code</translation>
    </message>
    <message>
        <source>Shares the code %1 with %2</source>
        <translation>Gleicher Code %1 wie %2</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weiteres</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n Kennzeichen</numerusform>
            <numerusform>%n Kennzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n angezeigt</numerusform>
            <numerusform>%n angezeigt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n mit gemeinsamem Code</numerusform>
            <numerusform>%n mit gemeinsamem Code</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n doppelt</numerusform>
            <numerusform>%n doppelt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCustomEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
</context>
<context>
    <name>TDecodeError</name>
    <message>
        <source>expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013</source>
        <translation>erwartet: 1 bis 7 Hex-Ziffern wie 0x3019E2A, 26 Binärziffern oder Anlagencode und ID-Nummer wie 128/53013</translation>
    </message>
    <message>
        <source>expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits</source>
        <translation>erwartet: 16 Hex-Ziffern wie 0x600002191555EBDB oder 64 Binärziffern</translation>
    </message>
    <message>
        <source>expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)</source>
        <translation>erwartet: ein 26-Bit-Code (1 bis 7 Hex-Ziffern wie 0x3019E2A, 26 Binärziffern oder Anlagencode und ID-Nummer wie 128/53013) oder ein 64-Bit-Code (16 Hex-Ziffern oder 64 Binärziffern)</translation>
    </message>
    <message>
        <source>expected hex digits after 0x</source>
        <translation>erwartet: Hex-Ziffern nach 0x</translation>
    </message>
    <message>
        <source>expected a facility code and ID number such as 128/53013</source>
        <translation>erwartet: Anlagencode und ID-Nummer wie 128/53013</translation>
    </message>
    <message>
        <source>facility code %1 is above %2</source>
        <translation>Anlagencode %1 ist größer als %2</translation>
    </message>
    <message>
        <source>ID number %1 is above %2</source>
        <translation>ID-Nummer %1 ist größer als %2</translation>
    </message>
    <message>
        <source>expected 26 binary digits, got %1</source>
        <translation>erwartet: 26 Binärziffern, erhalten: %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits or 26 binary digits, got %1 digits</source>
        <translation>erwartet: 1 bis 7 Hex-Ziffern oder 26 Binärziffern, erhalten: %1 Ziffern</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits, got %1</source>
        <translation>erwartet: 1 bis 7 Hex-Ziffern, erhalten: %1</translation>
    </message>
    <message>
        <source>%1 is above the largest 26-bit frame 0x3FFFFFF</source>
        <translation>%1 ist größer als der größte 26-Bit-Rahmen 0x3FFFFFF</translation>
    </message>
    <message>
        <source>expected 64 binary digits, got %1</source>
        <translation>erwartet: 64 Binärziffern, erhalten: %1</translation>
    </message>
    <message>
        <source>expected 16 hex digits, got %1</source>
        <translation>erwartet: 16 Hex-Ziffern, erhalten: %1</translation>
    </message>
    <message>
        <source>group %1 is 0 (empty) after a character; no plate gives that</source>
        <translation>Gruppe %1 ist 0 (leer) nach einem Zeichen; das ergibt kein Kennzeichen</translation>
    </message>
    <message>
        <source>group %1 has the value %2, which no plate gives</source>
        <translation>Gruppe %1 hat den Wert %2, den kein Kennzeichen ergibt</translation>
    </message>
    <message>
        <source>all ten groups are 0 (empty); no plate gives that</source>
        <translation>alle zehn Gruppen sind 0 (leer); das ergibt kein Kennzeichen</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1</source>
        <translation>erwartet: 1 bis 7 Hex-Ziffern für einen 26-Bit-Code oder 16 für einen 64-Bit-Code, erhalten: %1</translation>
    </message>
    <message>
        <source>expected 26 or 64 binary digits, got %1</source>
        <translation>erwartet: 26 oder 64 Binärziffern, erhalten: %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>No Printer is installed</source>
        <translation>Kein Drucker installiert</translation>
    </message>
    <message>
        <source>The print server %1 answers too slowly for Print setup.</source>
        <translation>Der Druckserver %1 antwortet zu langsam für die Druckeinrichtung.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Druckeinrichtung</translation>
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
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About . . .</source>
        <translation>Über . . .</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version: </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message>
        <source>Decode code</source>
        <translation>Code decodieren</translation>
    </message>
    <message>
        <source>Code read at the gate (26-bit or 64-bit):</source>
        <translation>Am Tor gelesener Code (26 Bit oder 64 Bit):</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Facility code:</source>
        <translation>Anlagencode:</translation>
    </message>
    <message>
        <source>ID number:</source>
        <translation>ID-Nummer:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Kennzeichen:</translation>
    </message>
    <message>
        <source>no row has this code</source>
        <translation>keine Zeile hat diesen Code</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 von %n Zeile</numerusform>
            <numerusform>%1 von %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>0x3019E2A, 128/53013 or 0x600002191555EBDB</source>
        <translation>0x3019E2A, 128/53013 oder 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; oder </translation>
    </message>
</context>
<context>
    <name>TFormImport</name>
    <message>
        <source>Comma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>Tabellen&amp;blatt:</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Erste Zeile ist &amp;Kopfzeile</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>Erste Zeile ist &amp;Kopfzeile</translation>
    </message>
    <message>
        <source>&amp;Plate column:</source>
        <translation>Kennzeichen&amp;spalte:</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their rows. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Die ersten und die letzten Datensätze von %1 mit ihren Zeilennummern. Jedes Kennzeichen wird so berechnet wie bei Datei &gt; Öffnen; die übrigen Spalten folgen in beiden Tabellen auf die berechneten Spalten.</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their lines. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Die ersten und die letzten Datensätze von %1 mit ihren Zeilennummern. Jedes Kennzeichen wird so berechnet wie bei Datei &gt; Öffnen; die übrigen Spalten folgen in beiden Tabellen auf die berechneten Spalten.</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (Spalte %2)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> &lt; enter plate &gt;</source>
        <translation> &lt; Kennzeichen eingeben &gt;</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Kennzeichen:</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Number plates:</source>
        <translation>Kennzeichen:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
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
        <source>Save as ...</source>
        <translation>Speichern unter ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Multiple number plates</source>
        <translation>Mehrere Kennzeichen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to calculate</source>
        <translation>Berechnungsweise</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Der Text passt nicht in das Eingabefeld</translation>
    </message>
    <message>
        <source>Save the results?</source>
        <translation>Ergebnisse speichern?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>OK: file %1 saved</source>
        <translation>OK: Datei %1 gespeichert</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</source>
        <translation>Listen (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx;*.ods)</source>
        <translation>Arbeitsmappen (*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Comma-separated (*.csv)</source>
        <translation>Kommagetrennt (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated (*.tsv)</source>
        <translation>Tabulatorgetrennt (*.tsv)</translation>
    </message>
    <message>
        <source>Import list ...</source>
        <translation>Liste importieren ...</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Decode code ...</source>
        <translation>Code decodieren ...</translation>
    </message>
    <message>
        <source>Single number plate</source>
        <translation>Einzelnes Kennzeichen</translation>
    </message>
    <message>
        <source>Sort by current column</source>
        <translation>Nach aktueller Spalte sortieren</translation>
    </message>
    <message>
        <source>Fit current column width</source>
        <translation>Breite der aktuellen Spalte anpassen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Liste importieren</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, written by a newer version of Corvana. They are kept for it.</source>
        <translation>Ungespeicherte Ergebnisse einer früheren Sitzung wurden in %1 gefunden, geschrieben von einer neueren Version von Corvana. Sie werden für diese aufbewahrt.</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, but the file is damaged and cannot be read. It is kept.</source>
        <translation>Ungespeicherte Ergebnisse einer früheren Sitzung wurden in %1 gefunden, aber die Datei ist beschädigt und kann nicht gelesen werden. Sie wird aufbewahrt.</translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n Kennzeichen</numerusform>
            <numerusform>%n Kennzeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found: %1, last changed %2.

Restore them? (No discards them; Cancel keeps them for the next start.)</source>
        <translation>Ungespeicherte Ergebnisse einer früheren Sitzung wurden gefunden: %1, zuletzt geändert %2.

Wiederherstellen? (Nein verwirft sie; Abbrechen bewahrt sie für den nächsten Start auf.)</translation>
    </message>
    <message>
        <source>The unsaved results in %1 do not fit the grids and cannot be restored. The file is kept.</source>
        <translation>Die ungespeicherten Ergebnisse in %1 passen nicht zu den Tabellen und können nicht wiederhergestellt werden. Die Datei wird aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>TGridStep</name>
    <message>
        <source>Insert row</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Spalte einfügen</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Spalte löschen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>«other»</source>
        <translation>«andere»</translation>
    </message>
    <message>
        <source>Note that this software uses UTF-8 encoding for license plates with international characters.</source>
        <translation>Hinweis: Diese Software verwendet für Kennzeichen mit internationalen Zeichen die UTF-8-Kodierung.</translation>
    </message>
    <message>
        <source>WIEGAND 26-BIT (SHA-1)</source>
        <translation>WIEGAND 26-BIT (SHA-1)</translation>
    </message>
    <message>
        <source>Number plate = hk 55 evb</source>
        <translation>Kennzeichen = hk 55 evb</translation>
    </message>
    <message>
        <source>1. Turn into upper case = HK 55 EVB</source>
        <translation>1. In Großbuchstaben umwandeln = HK 55 EVB</translation>
    </message>
    <message>
        <source>2. Remove spaces = HK55EVB</source>
        <translation>2. Leerzeichen entfernen = HK55EVB</translation>
    </message>
    <message>
        <source>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</source>
        <translation>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</translation>
    </message>
    <message>
        <source>4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15</source>
        <translation>4. Die Wiegand-26-Bit-Ausgabe verwendet die letzten 24 Bits des SHA1-Werts = 0x80CF15</translation>
    </message>
    <message>
        <source>5. Add leading and trailing parity bits according to wiegand 26-bit format</source>
        <translation>5. Führendes und abschließendes Paritätsbit gemäß Wiegand-26-Bit-Format hinzufügen</translation>
    </message>
    <message>
        <source>The Wiegand 26-bit number shall be 0x3019E2A</source>
        <translation>Die Wiegand-26-Bit-Nummer lautet 0x3019E2A</translation>
    </message>
    <message>
        <source>WIEGAND 64-BIT</source>
        <translation>WIEGAND 64-BIT</translation>
    </message>
    <message>
        <source>3. First 4 bits are always 0110.</source>
        <translation>3. Die ersten 4 Bits sind immer 0110.</translation>
    </message>
    <message>
        <source>4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character.</source>
        <translation>4. 10 Gruppen zu je 6 Bits anhängen. Jede 6-Bit-Gruppe enthält ein Zeichen des Kennzeichens.</translation>
    </message>
    <message>
        <source>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</source>
        <translation>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</translation>
    </message>
    <message>
        <source>5. Convert binary to hex = 0x600002191555EBDB.</source>
        <translation>5. Binär in Hex umwandeln = 0x600002191555EBDB.</translation>
    </message>
    <message>
        <source>The Wiegand 64-bit number shall be 0x600002191555EBDB</source>
        <translation>Die Wiegand-64-Bit-Nummer lautet 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>	Character conversion table:</source>
        <translation>	Zeichen-Umwandlungstabelle:</translation>
    </message>
    <message>
        <source>«empty»</source>
        <translation>«leer»</translation>
    </message>
</context>
<context>
    <name>TImportedList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>the list is larger than 256 MiB</source>
        <translation>die Liste ist größer als 256 MiB</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;. %2</source>
        <translation>Datei &quot;%1&quot; kann nicht importiert werden. %2</translation>
    </message>
    <message>
        <source>the workbook has no sheet that holds cells</source>
        <translation>die Arbeitsmappe hat kein Tabellenblatt mit Zellen</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Datei &quot;%1&quot; kann nicht importiert werden: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n ohne Kennzeichenfeld</numerusform>
            <numerusform>%n ohne Kennzeichenfeld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n mit leerem Kennzeichenfeld</numerusform>
            <numerusform>%n mit leerem Kennzeichenfeld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n mit nur Leer- und Satzzeichen als Kennzeichen</numerusform>
            <numerusform>%n mit nur Leer- und Satzzeichen als Kennzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n mit einem Kennzeichen länger als 16 Bytes</numerusform>
            <numerusform>%n mit einem Kennzeichen länger als 16 Bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n als Spaltenüberschrift erkannt</numerusform>
            <numerusform>%n als Spaltenüberschrift erkannt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n mit nie geschlossenem Anführungszeichen (der Rest der Liste)</numerusform>
            <numerusform>%n mit nie geschlossenem Anführungszeichen (der Rest der Liste)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n mit Bytes, die kein UTF-8 sind</numerusform>
            <numerusform>%n mit Bytes, die kein UTF-8 sind</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n mit einem halben UTF-16-Surrogatpaar</numerusform>
            <numerusform>%n mit einem halben UTF-16-Surrogatpaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n mit einem halben UTF-16-Zeichen am Ende</numerusform>
            <numerusform>%n mit einem halben UTF-16-Zeichen am Ende</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n länger als 64 KiB</numerusform>
            <numerusform>%n länger als 64 KiB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n mit überzähligen Feldern, die ausgelassen wurden</numerusform>
            <numerusform>%n mit überzähligen Feldern, die ausgelassen wurden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n mit einer Formel als Kennzeichen</numerusform>
            <numerusform>%n mit einer Formel als Kennzeichen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n als Summenzeile erkannt</numerusform>
            <numerusform>%n als Summenzeile erkannt</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>an Excel workbook (.xlsx)</source>
        <translation>eine Excel-Arbeitsmappe (.xlsx)</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>eine OpenDocument-Tabelle (.ods)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ein ZIP-Archiv</translation>
    </message>
    <message>
        <source>a document of an older Microsoft Office (such as an .xls workbook)</source>
        <translation>ein Dokument eines älteren Microsoft Office (etwa eine .xls-Arbeitsmappe)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>ein PDF-Dokument</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>ein PNG-Bild</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>ein JPEG-Bild</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>gzip-komprimierte Daten</translation>
    </message>
    <message>
        <source>a program (ELF)</source>
        <translation>ein Programm (ELF)</translation>
    </message>
    <message>
        <source>UTF-16 text without a byte order mark</source>
        <translation>UTF-16-Text ohne Byte-Order-Mark</translation>
    </message>
    <message>
        <source>binary data (it holds NUL bytes)</source>
        <translation>Binärdaten (sie enthalten NUL-Bytes)</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>Binärdaten</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1: %n Zeile, keine übersprungen</numerusform>
            <numerusform>%1: %n Zeilen, keine übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1: %n Zeile, %2 übersprungen</numerusform>
            <numerusform>%1: %n Zeilen, %2 übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, darunter %1</translation>
    </message>
    <message>
        <source>; most hold a comma: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; die meisten enthalten ein Komma: Datei &gt; Liste importieren ... liest eine solche Liste spaltenweise</translation>
    </message>
    <message>
        <source>; most hold a tab: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; die meisten enthalten einen Tabulator: Datei &gt; Liste importieren ... liest eine solche Liste spaltenweise</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1: %n Kennzeichen importiert</numerusform>
            <numerusform>%1: %n Kennzeichen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform>; %n Datensatz übersprungen: %1</numerusform>
            <numerusform>; %n Datensätze übersprungen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform>; %n Datensatz mit überzähligen Feldern, die ausgelassen wurden</numerusform>
            <numerusform>; %n Datensätze mit überzähligen Feldern, die ausgelassen wurden</numerusform>
        </translation>
    </message>
    <message>
        <source>It is %1, not a plate list</source>
        <translation>Es handelt sich um %1, nicht um eine Kennzeichenliste</translation>
    </message>
    <message>
        <source>It is %1, not a list</source>
        <translation>Es handelt sich um %1, nicht um eine Liste</translation>
    </message>
    <message>
        <source>: File &gt; Import list ... reads workbooks.</source>
        <translation>: Datei &gt; Liste importieren ... liest Arbeitsmappen.</translation>
    </message>
    <message>
        <source>: save it as an .xlsx workbook or as CSV first.</source>
        <translation>: speichern Sie die Datei zuerst als .xlsx-Arbeitsmappe oder als CSV.</translation>
    </message>
    <message>
        <source>: save it as UTF-8, or as UTF-16 with a byte order mark.</source>
        <translation>: speichern Sie die Datei als UTF-8 oder als UTF-16 mit Byte-Order-Mark.</translation>
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
        <translation>Warten auf den Druckserver %1 ...</translation>
    </message>
</context>
<context>
    <name>TPrinter</name>
    <message>
        <source>cannot start the PDF document</source>
        <translation>das PDF-Dokument kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>eine neue Seite kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>the job was not taken</source>
        <translation>der Auftrag wurde nicht angenommen</translation>
    </message>
    <message>
        <source>the document was not taken</source>
        <translation>das Dokument wurde nicht angenommen</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>Der Druckserver %1 antwortet nicht.</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Kein Drucker installiert</translation>
    </message>
    <message>
        <source>Cannot print on %1: %2</source>
        <translation>Drucken auf %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Cannot start a new page on %1: %2</source>
        <translation>Neue Seite auf %1 kann nicht begonnen werden: %2</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>Drucken auf %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>: the print server %1 does not answer</source>
        <translation>: Der Druckserver %1 antwortet nicht</translation>
    </message>
</context>
<context>
    <name>TzelGrid</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; ist kein gültiger Gleitkommawert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filter zu komplex</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Fehler in: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Kein Drucker installiert</translation>
    </message>
    <message>
        <source>Copy row to header</source>
        <translation>Zeile in Kopfzeile kopieren</translation>
    </message>
</context>
<context>
    <name>TzelGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Zellnamen</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>Zell&amp;name</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Name &apos;%1&apos; already exists</source>
        <translation>Name &apos;%1&apos; existiert bereits</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>Alle Namen löschen?</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Zelle</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>Name &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>Name &amp;löschen</translation>
    </message>
</context>
<context>
    <name>TzelGridFormuleF</name>
    <message>
        <source>Formule Editor</source>
        <translation>Formeleditor</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Operators and functions</source>
        <translation>Operatoren und Funktionen</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
</context>
<context>
    <name>TzelGridPreviewF</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Druckeinrichtung</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Voll</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Vollansicht</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Bitmap-Dateien</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>Header and footer options</source>
        <translation>Kopf- und Fußzeilenoptionen</translation>
    </message>
    <message>
        <source>Header or footer option</source>
        <translation>Kopf- oder Fußzeilenoption</translation>
    </message>
    <message>
        <source>Margins and sizes</source>
        <translation>Ränder und Größen</translation>
    </message>
    <message>
        <source>Margin or size</source>
        <translation>Rand oder Größe</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Angezeigte Seite</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TzelGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Abfrage</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Felder:</translation>
    </message>
    <message>
        <source>Ops:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Abfrage:</translation>
    </message>
    <message>
        <source>Ignore upper / lower case</source>
        <translation>Groß-/Kleinschreibung ignorieren</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>Alle &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
</TS>
