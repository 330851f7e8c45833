<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>TCollisionView</name>
    <message>
        <source>Only plates that share a code</source>
        <translation>Solo targhe con codice in comune</translation>
    </message>
    <message>
        <source>Shares the code %1 with %2</source>
        <translation>Ha in comune il codice %1 con %2</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> e ancora %n</numerusform>
            <numerusform> e altre %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n targa</numerusform>
            <numerusform>%n targhe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n visualizzata</numerusform>
            <numerusform>%n visualizzate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n con codice in comune</numerusform>
            <numerusform>%n con codice in comune</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n ripetizione</numerusform>
            <numerusform>%n ripetizioni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCustomEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona t&amp;utto</translation>
    </message>
</context>
<context>
    <name>TDecodeError</name>
    <message>
        <source>expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013</source>
        <translation>attese da 1 a 7 cifre esadecimali come 0x3019E2A, 26 cifre binarie, o un codice impianto e numero ID come 128/53013</translation>
    </message>
    <message>
        <source>expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits</source>
        <translation>attese 16 cifre esadecimali come 0x600002191555EBDB, o 64 cifre binarie</translation>
    </message>
    <message>
        <source>expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)</source>
        <translation>atteso un codice a 26 bit (da 1 a 7 cifre esadecimali come 0x3019E2A, 26 cifre binarie, o un codice impianto e numero ID come 128/53013) o un codice a 64 bit (16 cifre esadecimali o 64 cifre binarie)</translation>
    </message>
    <message>
        <source>expected hex digits after 0x</source>
        <translation>attese cifre esadecimali dopo 0x</translation>
    </message>
    <message>
        <source>expected a facility code and ID number such as 128/53013</source>
        <translation>atteso un codice impianto e numero ID come 128/53013</translation>
    </message>
    <message>
        <source>facility code %1 is above %2</source>
        <translation>il codice impianto %1 supera %2</translation>
    </message>
    <message>
        <source>ID number %1 is above %2</source>
        <translation>il numero ID %1 supera %2</translation>
    </message>
    <message>
        <source>expected 26 binary digits, got %1</source>
        <translation>attese 26 cifre binarie, trovate %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits or 26 binary digits, got %1 digits</source>
        <translation>attese da 1 a 7 cifre esadecimali o 26 cifre binarie, trovate %1 cifre</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits, got %1</source>
        <translation>attese da 1 a 7 cifre esadecimali, trovate %1</translation>
    </message>
    <message>
        <source>%1 is above the largest 26-bit frame 0x3FFFFFF</source>
        <translation>%1 supera la trama a 26 bit più grande 0x3FFFFFF</translation>
    </message>
    <message>
        <source>expected 64 binary digits, got %1</source>
        <translation>attese 64 cifre binarie, trovate %1</translation>
    </message>
    <message>
        <source>expected 16 hex digits, got %1</source>
        <translation>attese 16 cifre esadecimali, trovate %1</translation>
    </message>
    <message>
        <source>group %1 is 0 (empty) after a character; no plate gives that</source>
        <translation>il gruppo %1 è 0 (vuoto) dopo un carattere; nessuna targa dà questo</translation>
    </message>
    <message>
        <source>group %1 has the value %2, which no plate gives</source>
        <translation>il gruppo %1 ha il valore %2, che nessuna targa dà</translation>
    </message>
    <message>
        <source>all ten groups are 0 (empty); no plate gives that</source>
        <translation>tutti e dieci i gruppi sono 0 (vuoti); nessuna targa dà questo</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1</source>
        <translation>attese da 1 a 7 cifre esadecimali per un codice a 26 bit o 16 per uno a 64 bit, trovate %1</translation>
    </message>
    <message>
        <source>expected 26 or 64 binary digits, got %1</source>
        <translation>attese 26 o 64 cifre binarie, trovate %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>No Printer is installed</source>
        <translation>Nessuna stampante installata</translation>
    </message>
    <message>
        <source>The print server %1 answers too slowly for Print setup.</source>
        <translation>Il server di stampa %1 risponde troppo lentamente per le Impostazioni di stampa.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About . . .</source>
        <translation>Informazioni . . .</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versione: </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message>
        <source>Decode code</source>
        <translation>Decodifica codice</translation>
    </message>
    <message>
        <source>Code read at the gate (26-bit or 64-bit):</source>
        <translation>Codice letto al varco (26 bit o 64 bit):</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Trova</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Trama:</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bit:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>Facility code:</source>
        <translation>Codice impianto:</translation>
    </message>
    <message>
        <source>ID number:</source>
        <translation>Numero ID:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Codice:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefisso:</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Targa:</translation>
    </message>
    <message>
        <source>no row has this code</source>
        <translation>nessuna riga ha questo codice</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 di %n riga</numerusform>
            <numerusform>%1 di %n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>0x3019E2A, 128/53013 or 0x600002191555EBDB</source>
        <translation>0x3019E2A, 128/53013 o 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; oppure </translation>
    </message>
</context>
<context>
    <name>TFormImport</name>
    <message>
        <source>Comma (,)</source>
        <translation>Virgola (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Punto e virgola (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulazione</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importa elenco</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separatore:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Foglio:</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La prima riga è l&apos;&amp;intestazione</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>La prima riga è l&apos;&amp;intestazione</translation>
    </message>
    <message>
        <source>&amp;Plate column:</source>
        <translation>Colonna &amp;targa:</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their rows. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>I primi e gli ultimi record di %1, con i loro numeri di riga. Ogni targa viene calcolata come la calcola File &gt; Apri; le altre colonne seguono le colonne calcolate in entrambe le tabelle.</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their lines. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>I primi e gli ultimi record di %1, con i loro numeri di riga. Ogni targa viene calcolata come la calcola File &gt; Apri; le altre colonne seguono le colonne calcolate in entrambe le tabelle.</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (colonna %2)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> &lt; enter plate &gt;</source>
        <translation> &lt; inserisci targa &gt;</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Targa:</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Number plates:</source>
        <translation>Targhe:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Salva come ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Multiple number plates</source>
        <translation>Più targhe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>How to calculate</source>
        <translation>Come si calcola</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Informazioni ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Cartella di lavoro Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Il testo supera la capacità del campo</translation>
    </message>
    <message>
        <source>Save the results?</source>
        <translation>Salvare i risultati?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>OK: file %1 saved</source>
        <translation>OK: file %1 salvato</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</source>
        <translation>Elenchi (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx;*.ods)</source>
        <translation>Cartelle di lavoro (*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Comma-separated (*.csv)</source>
        <translation>Separati da virgola (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated (*.tsv)</source>
        <translation>Separati da tabulazione (*.tsv)</translation>
    </message>
    <message>
        <source>Import list ...</source>
        <translation>Importa elenco ...</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>Decode code ...</source>
        <translation>Decodifica codice ...</translation>
    </message>
    <message>
        <source>Single number plate</source>
        <translation>Targa singola</translation>
    </message>
    <message>
        <source>Sort by current column</source>
        <translation>Ordina per la colonna corrente</translation>
    </message>
    <message>
        <source>Fit current column width</source>
        <translation>Adatta la larghezza della colonna corrente</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importa elenco</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, written by a newer version of Corvana. They are kept for it.</source>
        <translation>Sono stati trovati risultati non salvati di una sessione precedente in %1, scritti da una versione più recente di Corvana. Vengono conservati per essa.</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, but the file is damaged and cannot be read. It is kept.</source>
        <translation>Sono stati trovati risultati non salvati di una sessione precedente in %1, ma il file è danneggiato e non può essere letto. Viene conservato.</translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n targa</numerusform>
            <numerusform>%n targhe</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found: %1, last changed %2.

Restore them? (No discards them; Cancel keeps them for the next start.)</source>
        <translation>Sono stati trovati risultati non salvati di una sessione precedente: %1, modificati l&apos;ultima volta il %2.

Ripristinarli? (No li elimina; Annulla li conserva per il prossimo avvio.)</translation>
    </message>
    <message>
        <source>The unsaved results in %1 do not fit the grids and cannot be restored. The file is kept.</source>
        <translation>I risultati non salvati in %1 non corrispondono alle tabelle e non possono essere ripristinati. Il file viene conservato.</translation>
    </message>
</context>
<context>
    <name>TGridStep</name>
    <message>
        <source>Insert row</source>
        <translation>Inserisci riga</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Elimina riga</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Inserisci colonna</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Elimina colonna</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordina</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>«other»</source>
        <translation>«altro»</translation>
    </message>
    <message>
        <source>Note that this software uses UTF-8 encoding for license plates with international characters.</source>
        <translation>Nota: questo software usa la codifica UTF-8 per le targhe con caratteri internazionali.</translation>
    </message>
    <message>
        <source>WIEGAND 26-BIT (SHA-1)</source>
        <translation>WIEGAND 26-BIT (SHA-1)</translation>
    </message>
    <message>
        <source>Number plate = hk 55 evb</source>
        <translation>Targa = hk 55 evb</translation>
    </message>
    <message>
        <source>1. Turn into upper case = HK 55 EVB</source>
        <translation>1. Converti in maiuscolo = HK 55 EVB</translation>
    </message>
    <message>
        <source>2. Remove spaces = HK55EVB</source>
        <translation>2. Rimuovi gli spazi = HK55EVB</translation>
    </message>
    <message>
        <source>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</source>
        <translation>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</translation>
    </message>
    <message>
        <source>4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15</source>
        <translation>4. L&apos;uscita Wiegand 26-bit usa gli ultimi 24 bit del valore SHA1 = 0x80CF15</translation>
    </message>
    <message>
        <source>5. Add leading and trailing parity bits according to wiegand 26-bit format</source>
        <translation>5. Aggiungi i bit di parità iniziale e finale secondo il formato Wiegand 26-bit</translation>
    </message>
    <message>
        <source>The Wiegand 26-bit number shall be 0x3019E2A</source>
        <translation>Il numero Wiegand 26-bit risulta 0x3019E2A</translation>
    </message>
    <message>
        <source>WIEGAND 64-BIT</source>
        <translation>WIEGAND 64-BIT</translation>
    </message>
    <message>
        <source>3. First 4 bits are always 0110.</source>
        <translation>3. I primi 4 bit sono sempre 0110.</translation>
    </message>
    <message>
        <source>4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character.</source>
        <translation>4. Aggiungi 10 gruppi di 6 bit. Ogni gruppo di 6 bit contiene un carattere della targa.</translation>
    </message>
    <message>
        <source>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</source>
        <translation>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</translation>
    </message>
    <message>
        <source>5. Convert binary to hex = 0x600002191555EBDB.</source>
        <translation>5. Converti da binario a esadecimale = 0x600002191555EBDB.</translation>
    </message>
    <message>
        <source>The Wiegand 64-bit number shall be 0x600002191555EBDB</source>
        <translation>Il numero Wiegand 64-bit risulta 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>	Character conversion table:</source>
        <translation>	Tabella di conversione dei caratteri:</translation>
    </message>
    <message>
        <source>«empty»</source>
        <translation>«vuoto»</translation>
    </message>
</context>
<context>
    <name>TImportedList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the list is larger than 256 MiB</source>
        <translation>l&apos;elenco supera 256 MiB</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;. %2</source>
        <translation>Impossibile importare &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the workbook has no sheet that holds cells</source>
        <translation>la cartella di lavoro non ha fogli con celle</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Impossibile importare &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File troppo grande</translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n senza campo targa</numerusform>
            <numerusform>%n senza campo targa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n con campo targa vuoto</numerusform>
            <numerusform>%n con campo targa vuoto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n con solo spazi e punteggiatura come targa</numerusform>
            <numerusform>%n con solo spazi e punteggiatura come targa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n con targa più lunga di 16 byte</numerusform>
            <numerusform>%n con targa più lunga di 16 byte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n che sembra un&apos;intestazione di colonna</numerusform>
            <numerusform>%n che sembrano intestazioni di colonna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n con virgolette mai chiuse (il resto dell&apos;elenco)</numerusform>
            <numerusform>%n con virgolette mai chiuse (il resto dell&apos;elenco)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n con byte non UTF-8</numerusform>
            <numerusform>%n con byte non UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n con metà di una coppia surrogata UTF-16</numerusform>
            <numerusform>%n con metà di una coppia surrogata UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n che termina con mezzo carattere UTF-16</numerusform>
            <numerusform>%n che terminano con mezzo carattere UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n oltre 64 KiB</numerusform>
            <numerusform>%n oltre 64 KiB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n con campi oltre le colonne, ignorati</numerusform>
            <numerusform>%n con campi oltre le colonne, ignorati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n con una formula come targa</numerusform>
            <numerusform>%n con una formula come targa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n che sembra una riga di totale</numerusform>
            <numerusform>%n che sembrano righe di totale</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>an Excel workbook (.xlsx)</source>
        <translation>una cartella di lavoro Excel (.xlsx)</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>un foglio di calcolo OpenDocument (.ods)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>un archivio ZIP</translation>
    </message>
    <message>
        <source>a document of an older Microsoft Office (such as an .xls workbook)</source>
        <translation>un documento di una versione precedente di Microsoft Office (come una cartella di lavoro .xls)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>un&apos;immagine PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>dati compressi con gzip</translation>
    </message>
    <message>
        <source>a program (ELF)</source>
        <translation>un programma (ELF)</translation>
    </message>
    <message>
        <source>UTF-16 text without a byte order mark</source>
        <translation>testo UTF-16 senza indicatore dell&apos;ordine dei byte (BOM)</translation>
    </message>
    <message>
        <source>binary data (it holds NUL bytes)</source>
        <translation>dati binari (contengono byte NUL)</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>dati binari</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1: %n riga, nessuna saltata</numerusform>
            <numerusform>%1: %n righe, nessuna saltata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1: %n riga, saltate: %2</numerusform>
            <numerusform>%1: %n righe, saltate: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, tra cui %1</translation>
    </message>
    <message>
        <source>; most hold a comma: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; quasi tutte contengono una virgola: File &gt; Importa elenco ... legge un elenco simile per colonne</translation>
    </message>
    <message>
        <source>; most hold a tab: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; quasi tutte contengono una tabulazione: File &gt; Importa elenco ... legge un elenco simile per colonne</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1: %n targa importata</numerusform>
            <numerusform>%1: %n targhe importate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform>; %n record saltato: %1</numerusform>
            <numerusform>; %n record saltati: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform>; %n record con campi oltre le colonne, ignorati</numerusform>
            <numerusform>; %n record con campi oltre le colonne, ignorati</numerusform>
        </translation>
    </message>
    <message>
        <source>It is %1, not a plate list</source>
        <translation>È %1, non un elenco di targhe</translation>
    </message>
    <message>
        <source>It is %1, not a list</source>
        <translation>È %1, non un elenco</translation>
    </message>
    <message>
        <source>: File &gt; Import list ... reads workbooks.</source>
        <translation>: File &gt; Importa elenco ... legge le cartelle di lavoro.</translation>
    </message>
    <message>
        <source>: save it as an .xlsx workbook or as CSV first.</source>
        <translation>: salvare prima il file come cartella di lavoro .xlsx o come CSV.</translation>
    </message>
    <message>
        <source>: save it as UTF-8, or as UTF-16 with a byte order mark.</source>
        <translation>: salvare il file come UTF-8 o come UTF-16 con indicatore dell&apos;ordine dei byte (BOM).</translation>
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
        <translation>In attesa del server di stampa %1 ...</translation>
    </message>
</context>
<context>
    <name>TPrinter</name>
    <message>
        <source>cannot start the PDF document</source>
        <translation>impossibile avviare il documento PDF</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>impossibile iniziare una nuova pagina</translation>
    </message>
    <message>
        <source>the job was not taken</source>
        <translation>il lavoro non è stato accettato</translation>
    </message>
    <message>
        <source>the document was not taken</source>
        <translation>il documento non è stato accettato</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>Il server di stampa %1 non risponde.</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Nessuna stampante installata</translation>
    </message>
    <message>
        <source>Cannot print on %1: %2</source>
        <translation>Impossibile stampare su %1: %2</translation>
    </message>
    <message>
        <source>Cannot start a new page on %1: %2</source>
        <translation>Impossibile iniziare una nuova pagina su %1: %2</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>Stampa su %1 non riuscita</translation>
    </message>
    <message>
        <source>: the print server %1 does not answer</source>
        <translation>: il server di stampa %1 non risponde</translation>
    </message>
</context>
<context>
    <name>TzelGrid</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un valore in virgola mobile valido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; non è una data valida</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filtro troppo complesso</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Errore in: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Nessuna stampante installata</translation>
    </message>
    <message>
        <source>Copy row to header</source>
        <translation>Copia riga nell&apos;intestazione</translation>
    </message>
</context>
<context>
    <name>TzelGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Nomi delle celle</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>&amp;Nome cella</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>Cance&amp;lla tutto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Name &apos;%1&apos; already exists</source>
        <translation>Il nome &apos;%1&apos; esiste già</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>Cancellare tutti i nomi?</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Cella</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>&amp;Aggiungi nome</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>&amp;Elimina nome</translation>
    </message>
</context>
<context>
    <name>TzelGridFormuleF</name>
    <message>
        <source>Formule Editor</source>
        <translation>Editor formule</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Operators and functions</source>
        <translation>Operatori e funzioni</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
</context>
<context>
    <name>TzelGridPreviewF</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Impostazioni di stampa</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Intera</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Vista intera</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>In diretta</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>di %1</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>File bitmap</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>Header and footer options</source>
        <translation>Opzioni di intestazione e piè di pagina</translation>
    </message>
    <message>
        <source>Header or footer option</source>
        <translation>Opzione di intestazione o piè di pagina</translation>
    </message>
    <message>
        <source>Margins and sizes</source>
        <translation>Margini e dimensioni</translation>
    </message>
    <message>
        <source>Margin or size</source>
        <translation>Margine o dimensione</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Pagina mostrata</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Vista pagina</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Anteprima pagina</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>TzelGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Generatore di query</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Campi:</translation>
    </message>
    <message>
        <source>Ops:</source>
        <translation>Operatori:</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Query:</translation>
    </message>
    <message>
        <source>Ignore upper / lower case</source>
        <translation>Ignora maiuscole / minuscole</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>&amp;Mostra tutto</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
</TS>
