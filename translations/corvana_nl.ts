<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>TCollisionView</name>
    <message>
        <source>Only plates that share a code</source>
        <translation>Alleen kentekens met een gedeelde code</translation>
    </message>
    <message>
        <source>Shares the code %1 with %2</source>
        <translation>Deelt de code %1 met %2</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> en nog %n</numerusform>
            <numerusform> en nog %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n kenteken</numerusform>
            <numerusform>%n kentekens</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n getoond</numerusform>
            <numerusform>%n getoond</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n met gedeelde code</numerusform>
            <numerusform>%n met gedeelde code</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n dubbel</numerusform>
            <numerusform>%n dubbel</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCustomEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
</context>
<context>
    <name>TDecodeError</name>
    <message>
        <source>expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013</source>
        <translation>verwacht: 1 tot 7 hexadecimale cijfers zoals 0x3019E2A, 26 binaire cijfers, of een sitecode en ID-nummer zoals 128/53013</translation>
    </message>
    <message>
        <source>expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits</source>
        <translation>verwacht: 16 hexadecimale cijfers zoals 0x600002191555EBDB, of 64 binaire cijfers</translation>
    </message>
    <message>
        <source>expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)</source>
        <translation>verwacht: een 26-bitscode (1 tot 7 hexadecimale cijfers zoals 0x3019E2A, 26 binaire cijfers, of een sitecode en ID-nummer zoals 128/53013) of een 64-bitscode (16 hexadecimale cijfers of 64 binaire cijfers)</translation>
    </message>
    <message>
        <source>expected hex digits after 0x</source>
        <translation>verwacht: hexadecimale cijfers na 0x</translation>
    </message>
    <message>
        <source>expected a facility code and ID number such as 128/53013</source>
        <translation>verwacht: een sitecode en ID-nummer zoals 128/53013</translation>
    </message>
    <message>
        <source>facility code %1 is above %2</source>
        <translation>sitecode %1 is groter dan %2</translation>
    </message>
    <message>
        <source>ID number %1 is above %2</source>
        <translation>ID-nummer %1 is groter dan %2</translation>
    </message>
    <message>
        <source>expected 26 binary digits, got %1</source>
        <translation>verwacht: 26 binaire cijfers, gekregen: %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits or 26 binary digits, got %1 digits</source>
        <translation>verwacht: 1 tot 7 hexadecimale cijfers of 26 binaire cijfers, gekregen: %1 cijfers</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits, got %1</source>
        <translation>verwacht: 1 tot 7 hexadecimale cijfers, gekregen: %1</translation>
    </message>
    <message>
        <source>%1 is above the largest 26-bit frame 0x3FFFFFF</source>
        <translation>%1 is groter dan het grootste 26-bitsframe 0x3FFFFFF</translation>
    </message>
    <message>
        <source>expected 64 binary digits, got %1</source>
        <translation>verwacht: 64 binaire cijfers, gekregen: %1</translation>
    </message>
    <message>
        <source>expected 16 hex digits, got %1</source>
        <translation>verwacht: 16 hexadecimale cijfers, gekregen: %1</translation>
    </message>
    <message>
        <source>group %1 is 0 (empty) after a character; no plate gives that</source>
        <translation>groep %1 is 0 (leeg) na een teken; geen kenteken geeft dat</translation>
    </message>
    <message>
        <source>group %1 has the value %2, which no plate gives</source>
        <translation>groep %1 heeft de waarde %2, die geen kenteken geeft</translation>
    </message>
    <message>
        <source>all ten groups are 0 (empty); no plate gives that</source>
        <translation>alle tien groepen zijn 0 (leeg); geen kenteken geeft dat</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1</source>
        <translation>verwacht: 1 tot 7 hexadecimale cijfers voor een 26-bitscode of 16 voor een 64-bitscode, gekregen: %1</translation>
    </message>
    <message>
        <source>expected 26 or 64 binary digits, got %1</source>
        <translation>verwacht: 26 of 64 binaire cijfers, gekregen: %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>No Printer is installed</source>
        <translation>Er is geen printer geïnstalleerd</translation>
    </message>
    <message>
        <source>The print server %1 answers too slowly for Print setup.</source>
        <translation>De printserver %1 reageert te traag voor de afdrukinstellingen.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Afdrukinstellingen</translation>
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
        <source>Open</source>
        <translation>Openen</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About . . .</source>
        <translation>Over . . .</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versie: </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message>
        <source>Decode code</source>
        <translation>Code decoderen</translation>
    </message>
    <message>
        <source>Code read at the gate (26-bit or 64-bit):</source>
        <translation>Aan de poort gelezen code (26-bit of 64-bit):</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formaat:</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Frame:</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Pariteit:</translation>
    </message>
    <message>
        <source>Facility code:</source>
        <translation>Sitecode:</translation>
    </message>
    <message>
        <source>ID number:</source>
        <translation>ID-nummer:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Kenteken:</translation>
    </message>
    <message>
        <source>no row has this code</source>
        <translation>geen rij heeft deze code</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 van %n rij</numerusform>
            <numerusform>%1 van %n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>0x3019E2A, 128/53013 or 0x600002191555EBDB</source>
        <translation>0x3019E2A, 128/53013 of 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; of </translation>
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
        <translation>Puntkomma (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Lijst importeren</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Scheidingsteken:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Werkblad:</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>&amp;Eerste rij bevat kolomnamen</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>&amp;Eerste regel bevat kolomnamen</translation>
    </message>
    <message>
        <source>&amp;Plate column:</source>
        <translation>&amp;Kentekenkolom:</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their rows. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>De eerste en de laatste records van %1, met hun rijnummers. Elk kenteken wordt berekend zoals Bestand &gt; Openen het berekent; de overige kolommen volgen in beide tabellen na de berekende kolommen.</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their lines. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>De eerste en de laatste records van %1, met hun regelnummers. Elk kenteken wordt berekend zoals Bestand &gt; Openen het berekent; de overige kolommen volgen in beide tabellen na de berekende kolommen.</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (kolom %2)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> &lt; enter plate &gt;</source>
        <translation> &lt; kenteken invoeren &gt;</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Kenteken:</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Bereken</translation>
    </message>
    <message>
        <source>Number plates:</source>
        <translation>Kentekens:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
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
        <source>Save as ...</source>
        <translation>Opslaan als ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Multiple number plates</source>
        <translation>Meerdere kentekens</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>How to calculate</source>
        <translation>Berekeningswijze</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Over ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Tekstbestanden (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-werkmap (*.xlsx)</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>De tekst past niet in het invoervak</translation>
    </message>
    <message>
        <source>Save the results?</source>
        <translation>Resultaten opslaan?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet openen. %2</translation>
    </message>
    <message>
        <source>OK: file %1 saved</source>
        <translation>OK: bestand %1 opgeslagen</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet aanmaken. %2</translation>
    </message>
    <message>
        <source>Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</source>
        <translation>Lijsten (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx;*.ods)</source>
        <translation>Werkmappen (*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Comma-separated (*.csv)</source>
        <translation>Kommagescheiden (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated (*.tsv)</source>
        <translation>Tabgescheiden (*.tsv)</translation>
    </message>
    <message>
        <source>Import list ...</source>
        <translation>Lijst importeren ...</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>Decode code ...</source>
        <translation>Code decoderen ...</translation>
    </message>
    <message>
        <source>Single number plate</source>
        <translation>Eén kenteken</translation>
    </message>
    <message>
        <source>Sort by current column</source>
        <translation>Sorteren op huidige kolom</translation>
    </message>
    <message>
        <source>Fit current column width</source>
        <translation>Breedte van huidige kolom aanpassen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Lijst importeren</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, written by a newer version of Corvana. They are kept for it.</source>
        <translation>Niet-opgeslagen resultaten van een eerdere sessie gevonden in %1, geschreven door een nieuwere versie van Corvana. Ze worden daarvoor bewaard.</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, but the file is damaged and cannot be read. It is kept.</source>
        <translation>Niet-opgeslagen resultaten van een eerdere sessie gevonden in %1, maar het bestand is beschadigd en kan niet worden gelezen. Het wordt bewaard.</translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n kenteken</numerusform>
            <numerusform>%n kentekens</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found: %1, last changed %2.

Restore them? (No discards them; Cancel keeps them for the next start.)</source>
        <translation>Niet-opgeslagen resultaten van een eerdere sessie gevonden: %1, laatst gewijzigd %2.

Herstellen? (Nee verwijdert ze; Annuleren bewaart ze voor de volgende start.)</translation>
    </message>
    <message>
        <source>The unsaved results in %1 do not fit the grids and cannot be restored. The file is kept.</source>
        <translation>De niet-opgeslagen resultaten in %1 passen niet bij de tabellen en kunnen niet worden hersteld. Het bestand wordt bewaard.</translation>
    </message>
</context>
<context>
    <name>TGridStep</name>
    <message>
        <source>Insert row</source>
        <translation>Rij invoegen</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Rij verwijderen</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Kolom invoegen</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Kolom verwijderen</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sorteren</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>«other»</source>
        <translation>«overig»</translation>
    </message>
    <message>
        <source>Note that this software uses UTF-8 encoding for license plates with international characters.</source>
        <translation>Let op: deze software gebruikt UTF-8-codering voor kentekens met internationale tekens.</translation>
    </message>
    <message>
        <source>WIEGAND 26-BIT (SHA-1)</source>
        <translation>WIEGAND 26-BIT (SHA-1)</translation>
    </message>
    <message>
        <source>Number plate = hk 55 evb</source>
        <translation>Kenteken = hk 55 evb</translation>
    </message>
    <message>
        <source>1. Turn into upper case = HK 55 EVB</source>
        <translation>1. Omzetten naar hoofdletters = HK 55 EVB</translation>
    </message>
    <message>
        <source>2. Remove spaces = HK55EVB</source>
        <translation>2. Spaties verwijderen = HK55EVB</translation>
    </message>
    <message>
        <source>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</source>
        <translation>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</translation>
    </message>
    <message>
        <source>4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15</source>
        <translation>4. De Wiegand 26-bit-uitvoer gebruikt de laatste 24 bits van de SHA1-waarde = 0x80CF15</translation>
    </message>
    <message>
        <source>5. Add leading and trailing parity bits according to wiegand 26-bit format</source>
        <translation>5. Voorloop- en slotpariteitsbit toevoegen volgens het Wiegand 26-bit-formaat</translation>
    </message>
    <message>
        <source>The Wiegand 26-bit number shall be 0x3019E2A</source>
        <translation>Het Wiegand 26-bit-nummer is 0x3019E2A</translation>
    </message>
    <message>
        <source>WIEGAND 64-BIT</source>
        <translation>WIEGAND 64-BIT</translation>
    </message>
    <message>
        <source>3. First 4 bits are always 0110.</source>
        <translation>3. De eerste 4 bits zijn altijd 0110.</translation>
    </message>
    <message>
        <source>4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character.</source>
        <translation>4. 10 groepen van 6 bits toevoegen. Elke groep van 6 bits bevat één teken van het kenteken.</translation>
    </message>
    <message>
        <source>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</source>
        <translation>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</translation>
    </message>
    <message>
        <source>5. Convert binary to hex = 0x600002191555EBDB.</source>
        <translation>5. Binair omzetten naar hex = 0x600002191555EBDB.</translation>
    </message>
    <message>
        <source>The Wiegand 64-bit number shall be 0x600002191555EBDB</source>
        <translation>Het Wiegand 64-bit-nummer is 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>	Character conversion table:</source>
        <translation>	Tekenconversietabel:</translation>
    </message>
    <message>
        <source>«empty»</source>
        <translation>«leeg»</translation>
    </message>
</context>
<context>
    <name>TImportedList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet openen. %2</translation>
    </message>
    <message>
        <source>the list is larger than 256 MiB</source>
        <translation>de lijst is groter dan 256 MiB</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;. %2</source>
        <translation>Kan &quot;%1&quot; niet importeren. %2</translation>
    </message>
    <message>
        <source>the workbook has no sheet that holds cells</source>
        <translation>de werkmap heeft geen werkblad met cellen</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Kan &quot;%1&quot; niet importeren: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan niet schrijven naar %1</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Bestand te groot</translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n zonder kentekenveld</numerusform>
            <numerusform>%n zonder kentekenveld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n met een leeg kentekenveld</numerusform>
            <numerusform>%n met een leeg kentekenveld</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n met alleen spaties en leestekens als kenteken</numerusform>
            <numerusform>%n met alleen spaties en leestekens als kenteken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n met een kenteken langer dan 16 bytes</numerusform>
            <numerusform>%n met een kenteken langer dan 16 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n gelezen als kolomkop</numerusform>
            <numerusform>%n gelezen als kolomkop</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n met een nooit gesloten aanhalingsteken (de rest van de lijst)</numerusform>
            <numerusform>%n met een nooit gesloten aanhalingsteken (de rest van de lijst)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n met bytes die geen UTF-8 zijn</numerusform>
            <numerusform>%n met bytes die geen UTF-8 zijn</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n met de helft van een UTF-16-surrogaatpaar</numerusform>
            <numerusform>%n met de helft van een UTF-16-surrogaatpaar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n eindigend op een half UTF-16-teken</numerusform>
            <numerusform>%n eindigend op een half UTF-16-teken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n langer dan 64 KiB</numerusform>
            <numerusform>%n langer dan 64 KiB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n met velden buiten de kolommen, die zijn weggelaten</numerusform>
            <numerusform>%n met velden buiten de kolommen, die zijn weggelaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n met een formule als kenteken</numerusform>
            <numerusform>%n met een formule als kenteken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n gelezen als totaalrij</numerusform>
            <numerusform>%n gelezen als totaalrij</numerusform>
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
        <translation>een Excel-werkmap (.xlsx)</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>een OpenDocument-rekenblad (.ods)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>een ZIP-archief</translation>
    </message>
    <message>
        <source>a document of an older Microsoft Office (such as an .xls workbook)</source>
        <translation>een document van een oudere Microsoft Office (zoals een .xls-werkmap)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>een PDF-document</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>een PNG-afbeelding</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>een JPEG-afbeelding</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>gzip-gecomprimeerde gegevens</translation>
    </message>
    <message>
        <source>a program (ELF)</source>
        <translation>een programma (ELF)</translation>
    </message>
    <message>
        <source>UTF-16 text without a byte order mark</source>
        <translation>UTF-16-tekst zonder byte order mark</translation>
    </message>
    <message>
        <source>binary data (it holds NUL bytes)</source>
        <translation>binaire gegevens (met NUL-bytes)</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>binaire gegevens</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1: %n regel, geen overgeslagen</numerusform>
            <numerusform>%1: %n regels, geen overgeslagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1: %n regel, %2 overgeslagen</numerusform>
            <numerusform>%1: %n regels, %2 overgeslagen</numerusform>
        </translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, waaronder %1</translation>
    </message>
    <message>
        <source>; most hold a comma: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; de meeste bevatten een komma: Bestand &gt; Lijst importeren ... leest zo&apos;n lijst per kolom</translation>
    </message>
    <message>
        <source>; most hold a tab: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; de meeste bevatten een tab: Bestand &gt; Lijst importeren ... leest zo&apos;n lijst per kolom</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1: %n kenteken geïmporteerd</numerusform>
            <numerusform>%1: %n kentekens geïmporteerd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform>; %n record overgeslagen: %1</numerusform>
            <numerusform>; %n records overgeslagen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform>; %n record met velden buiten de kolommen, die zijn weggelaten</numerusform>
            <numerusform>; %n records met velden buiten de kolommen, die zijn weggelaten</numerusform>
        </translation>
    </message>
    <message>
        <source>It is %1, not a plate list</source>
        <translation>Het gaat om %1, niet om een kentekenlijst</translation>
    </message>
    <message>
        <source>It is %1, not a list</source>
        <translation>Het gaat om %1, niet om een lijst</translation>
    </message>
    <message>
        <source>: File &gt; Import list ... reads workbooks.</source>
        <translation>: Bestand &gt; Lijst importeren ... leest werkmappen.</translation>
    </message>
    <message>
        <source>: save it as an .xlsx workbook or as CSV first.</source>
        <translation>: sla het bestand eerst op als .xlsx-werkmap of als CSV.</translation>
    </message>
    <message>
        <source>: save it as UTF-8, or as UTF-16 with a byte order mark.</source>
        <translation>: sla het bestand op als UTF-8, of als UTF-16 met een byte order mark.</translation>
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
        <translation>Wachten op de printserver %1 ...</translation>
    </message>
</context>
<context>
    <name>TPrinter</name>
    <message>
        <source>cannot start the PDF document</source>
        <translation>kan het PDF-document niet starten</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>kan geen nieuwe pagina beginnen</translation>
    </message>
    <message>
        <source>the job was not taken</source>
        <translation>de opdracht is niet aangenomen</translation>
    </message>
    <message>
        <source>the document was not taken</source>
        <translation>het document is niet aangenomen</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>De printserver %1 reageert niet.</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Er is geen printer geïnstalleerd</translation>
    </message>
    <message>
        <source>Cannot print on %1: %2</source>
        <translation>Kan niet afdrukken op %1: %2</translation>
    </message>
    <message>
        <source>Cannot start a new page on %1: %2</source>
        <translation>Kan geen nieuwe pagina beginnen op %1: %2</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>Afdrukken op %1 is mislukt</translation>
    </message>
    <message>
        <source>: the print server %1 does not answer</source>
        <translation>: de afdrukserver %1 antwoordt niet</translation>
    </message>
</context>
<context>
    <name>TzelGrid</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; is geen geldige drijvendekommawaarde</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; is geen geldige datum</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filter te complex</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Fout in: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Er is geen printer geïnstalleerd</translation>
    </message>
    <message>
        <source>Copy row to header</source>
        <translation>Rij naar kop kopiëren</translation>
    </message>
</context>
<context>
    <name>TzelGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Celnamen</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>Cel&amp;naam</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Alles wissen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Name &apos;%1&apos; already exists</source>
        <translation>Naam &apos;%1&apos; bestaat al</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>Alle namen wissen?</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Cel</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>Naam &amp;toevoegen</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>Naam &amp;verwijderen</translation>
    </message>
</context>
<context>
    <name>TzelGridFormuleF</name>
    <message>
        <source>Formule Editor</source>
        <translation>Formule-editor</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Operators and functions</source>
        <translation>Operatoren en functies</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formule</translation>
    </message>
</context>
<context>
    <name>TzelGridPreviewF</name>
    <message>
        <source>Preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Afdrukinstellingen</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Vol</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Volledige weergave</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als PDF</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Randen</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live-voorbeeld</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>van %1</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Bitmapbestanden</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-bestanden</translation>
    </message>
    <message>
        <source>Header and footer options</source>
        <translation>Opties voor kop- en voettekst</translation>
    </message>
    <message>
        <source>Header or footer option</source>
        <translation>Optie voor kop- of voettekst</translation>
    </message>
    <message>
        <source>Margins and sizes</source>
        <translation>Marges en grootten</translation>
    </message>
    <message>
        <source>Margin or size</source>
        <translation>Marge of grootte</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Getoonde pagina</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Paginaweergave</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Paginavoorbeeld</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>TzelGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Zoekopdracht</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Velden:</translation>
    </message>
    <message>
        <source>Ops:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Zoekopdracht:</translation>
    </message>
    <message>
        <source>Ignore upper / lower case</source>
        <translation>Hoofd-/kleine letters negeren</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>&amp;Alles tonen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
</TS>
