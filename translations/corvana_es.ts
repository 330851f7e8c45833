<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>TCollisionView</name>
    <message>
        <source>Only plates that share a code</source>
        <translation>Solo matrículas que comparten un código</translation>
    </message>
    <message>
        <source>Shares the code %1 with %2</source>
        <translation>Comparte el código %1 con %2</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> y %n más</numerusform>
            <numerusform> y %n más</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n matrícula</numerusform>
            <numerusform>%n matrículas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n mostrada</numerusform>
            <numerusform>%n mostradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n comparte un código</numerusform>
            <numerusform>%n comparten un código</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n repetida</numerusform>
            <numerusform>%n repetidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCustomEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccion&amp;ar todo</translation>
    </message>
</context>
<context>
    <name>TDecodeError</name>
    <message>
        <source>expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013</source>
        <translation>se esperaban de 1 a 7 dígitos hexadecimales como 0x3019E2A, 26 dígitos binarios, o un código de instalación y número de ID como 128/53013</translation>
    </message>
    <message>
        <source>expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits</source>
        <translation>se esperaban 16 dígitos hexadecimales como 0x600002191555EBDB, o 64 dígitos binarios</translation>
    </message>
    <message>
        <source>expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)</source>
        <translation>se esperaba un código de 26 bits (de 1 a 7 dígitos hexadecimales como 0x3019E2A, 26 dígitos binarios, o un código de instalación y número de ID como 128/53013) o un código de 64 bits (16 dígitos hexadecimales o 64 dígitos binarios)</translation>
    </message>
    <message>
        <source>expected hex digits after 0x</source>
        <translation>se esperaban dígitos hexadecimales después de 0x</translation>
    </message>
    <message>
        <source>expected a facility code and ID number such as 128/53013</source>
        <translation>se esperaba un código de instalación y número de ID como 128/53013</translation>
    </message>
    <message>
        <source>facility code %1 is above %2</source>
        <translation>el código de instalación %1 es mayor que %2</translation>
    </message>
    <message>
        <source>ID number %1 is above %2</source>
        <translation>el número de ID %1 es mayor que %2</translation>
    </message>
    <message>
        <source>expected 26 binary digits, got %1</source>
        <translation>se esperaban 26 dígitos binarios, hay %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits or 26 binary digits, got %1 digits</source>
        <translation>se esperaban de 1 a 7 dígitos hexadecimales o 26 dígitos binarios, hay %1 dígitos</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits, got %1</source>
        <translation>se esperaban de 1 a 7 dígitos hexadecimales, hay %1</translation>
    </message>
    <message>
        <source>%1 is above the largest 26-bit frame 0x3FFFFFF</source>
        <translation>%1 es mayor que la trama de 26 bits más grande 0x3FFFFFF</translation>
    </message>
    <message>
        <source>expected 64 binary digits, got %1</source>
        <translation>se esperaban 64 dígitos binarios, hay %1</translation>
    </message>
    <message>
        <source>expected 16 hex digits, got %1</source>
        <translation>se esperaban 16 dígitos hexadecimales, hay %1</translation>
    </message>
    <message>
        <source>group %1 is 0 (empty) after a character; no plate gives that</source>
        <translation>el grupo %1 es 0 (vacío) después de un carácter; ninguna matrícula da eso</translation>
    </message>
    <message>
        <source>group %1 has the value %2, which no plate gives</source>
        <translation>el grupo %1 tiene el valor %2, que ninguna matrícula da</translation>
    </message>
    <message>
        <source>all ten groups are 0 (empty); no plate gives that</source>
        <translation>los diez grupos son 0 (vacíos); ninguna matrícula da eso</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1</source>
        <translation>se esperaban de 1 a 7 dígitos hexadecimales para un código de 26 bits o 16 para uno de 64 bits, hay %1</translation>
    </message>
    <message>
        <source>expected 26 or 64 binary digits, got %1</source>
        <translation>se esperaban 26 o 64 dígitos binarios, hay %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>No Printer is installed</source>
        <translation>No hay ninguna impresora instalada</translation>
    </message>
    <message>
        <source>The print server %1 answers too slowly for Print setup.</source>
        <translation>El servidor de impresión %1 responde demasiado despacio para Configurar impresión.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About . . .</source>
        <translation>Acerca de . . .</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message>
        <source>Decode code</source>
        <translation>Decodificar código</translation>
    </message>
    <message>
        <source>Code read at the gate (26-bit or 64-bit):</source>
        <translation>Código leído en el acceso (26 o 64 bits):</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
        <translation>Bits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Facility code:</source>
        <translation>Código de instalación:</translation>
    </message>
    <message>
        <source>ID number:</source>
        <translation>Número de ID:</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Código:</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefijo:</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Matrícula:</translation>
    </message>
    <message>
        <source>no row has this code</source>
        <translation>ninguna fila tiene este código</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 de %n fila</numerusform>
            <numerusform>%1 de %n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>0x3019E2A, 128/53013 or 0x600002191555EBDB</source>
        <translation>0x3019E2A, 128/53013 o 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; o </translation>
    </message>
</context>
<context>
    <name>TFormImport</name>
    <message>
        <source>Comma (,)</source>
        <translation>Coma (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Punto y coma (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Hoja:</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La primera fila es &amp;encabezado</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>La primera línea es &amp;encabezado</translation>
    </message>
    <message>
        <source>&amp;Plate column:</source>
        <translation>Columna de &amp;matrícula:</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their rows. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Los primeros y los últimos registros de %1, con sus filas. Cada matrícula se calcula como la calcula Archivo &gt; Abrir; las demás columnas siguen a las columnas calculadas en ambas tablas.</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their lines. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Los primeros y los últimos registros de %1, con sus líneas. Cada matrícula se calcula como la calcula Archivo &gt; Abrir; las demás columnas siguen a las columnas calculadas en ambas tablas.</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (columna %2)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> &lt; enter plate &gt;</source>
        <translation> &lt; introduzca la matrícula &gt;</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Matrícula:</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Number plates:</source>
        <translation>Matrículas:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Guardar como ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Multiple number plates</source>
        <translation>Varias matrículas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How to calculate</source>
        <translation>Cómo se calcula</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Acerca de ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Libro de Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>El texto supera la capacidad del cuadro de texto</translation>
    </message>
    <message>
        <source>Save the results?</source>
        <translation>¿Guardar los resultados?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>OK: file %1 saved</source>
        <translation>OK: archivo %1 guardado</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</source>
        <translation>Listas (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx;*.ods)</source>
        <translation>Libros de cálculo (*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Comma-separated (*.csv)</source>
        <translation>Separado por comas (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated (*.tsv)</source>
        <translation>Separado por tabuladores (*.tsv)</translation>
    </message>
    <message>
        <source>Import list ...</source>
        <translation>Importar lista ...</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Decode code ...</source>
        <translation>Decodificar código ...</translation>
    </message>
    <message>
        <source>Single number plate</source>
        <translation>Una sola matrícula</translation>
    </message>
    <message>
        <source>Sort by current column</source>
        <translation>Ordenar por la columna actual</translation>
    </message>
    <message>
        <source>Fit current column width</source>
        <translation>Ajustar el ancho de la columna actual</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importar lista</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, written by a newer version of Corvana. They are kept for it.</source>
        <translation>Se encontraron resultados sin guardar de una sesión anterior en %1, escritos por una versión más reciente de Corvana. Se conservan para ella.</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, but the file is damaged and cannot be read. It is kept.</source>
        <translation>Se encontraron resultados sin guardar de una sesión anterior en %1, pero el archivo está dañado y no se puede leer. Se conserva.</translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n matrícula</numerusform>
            <numerusform>%n matrículas</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found: %1, last changed %2.

Restore them? (No discards them; Cancel keeps them for the next start.)</source>
        <translation>Se encontraron resultados sin guardar de una sesión anterior: %1, modificados por última vez el %2.

¿Restaurarlos? (No los descarta; Cancelar los conserva para el próximo inicio.)</translation>
    </message>
    <message>
        <source>The unsaved results in %1 do not fit the grids and cannot be restored. The file is kept.</source>
        <translation>Los resultados sin guardar de %1 no encajan en las tablas y no se pueden restaurar. El archivo se conserva.</translation>
    </message>
</context>
<context>
    <name>TGridStep</name>
    <message>
        <source>Insert row</source>
        <translation>Insertar fila</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Eliminar fila</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Insertar columna</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Eliminar columna</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>«other»</source>
        <translation>«otro»</translation>
    </message>
    <message>
        <source>Note that this software uses UTF-8 encoding for license plates with international characters.</source>
        <translation>Tenga en cuenta que este software usa la codificación UTF-8 para las matrículas con caracteres internacionales.</translation>
    </message>
    <message>
        <source>WIEGAND 26-BIT (SHA-1)</source>
        <translation>WIEGAND 26 BITS (SHA-1)</translation>
    </message>
    <message>
        <source>Number plate = hk 55 evb</source>
        <translation>Matrícula = hk 55 evb</translation>
    </message>
    <message>
        <source>1. Turn into upper case = HK 55 EVB</source>
        <translation>1. Convertir a mayúsculas = HK 55 EVB</translation>
    </message>
    <message>
        <source>2. Remove spaces = HK55EVB</source>
        <translation>2. Quitar los espacios = HK55EVB</translation>
    </message>
    <message>
        <source>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</source>
        <translation>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</translation>
    </message>
    <message>
        <source>4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15</source>
        <translation>4. La salida Wiegand de 26 bits usa los últimos 24 bits del valor SHA1 = 0x80CF15</translation>
    </message>
    <message>
        <source>5. Add leading and trailing parity bits according to wiegand 26-bit format</source>
        <translation>5. Añadir los bits de paridad inicial y final según el formato wiegand de 26 bits</translation>
    </message>
    <message>
        <source>The Wiegand 26-bit number shall be 0x3019E2A</source>
        <translation>El código Wiegand de 26 bits resulta 0x3019E2A</translation>
    </message>
    <message>
        <source>WIEGAND 64-BIT</source>
        <translation>WIEGAND 64 BITS</translation>
    </message>
    <message>
        <source>3. First 4 bits are always 0110.</source>
        <translation>3. Los 4 primeros bits son siempre 0110.</translation>
    </message>
    <message>
        <source>4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character.</source>
        <translation>4. Añadir 10 grupos de 6 bits. Cada grupo de 6 bits contiene un carácter de la matrícula.</translation>
    </message>
    <message>
        <source>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</source>
        <translation>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</translation>
    </message>
    <message>
        <source>5. Convert binary to hex = 0x600002191555EBDB.</source>
        <translation>5. Convertir de binario a hexadecimal = 0x600002191555EBDB.</translation>
    </message>
    <message>
        <source>The Wiegand 64-bit number shall be 0x600002191555EBDB</source>
        <translation>El código Wiegand de 64 bits resulta 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>	Character conversion table:</source>
        <translation>	Tabla de conversión de caracteres:</translation>
    </message>
    <message>
        <source>«empty»</source>
        <translation>«vacío»</translation>
    </message>
</context>
<context>
    <name>TImportedList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the list is larger than 256 MiB</source>
        <translation>la lista ocupa más de 256 MiB</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;. %2</source>
        <translation>No se puede importar &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the workbook has no sheet that holds cells</source>
        <translation>el libro no tiene ninguna hoja con celdas</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>No se puede importar &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n sin campo de matrícula</numerusform>
            <numerusform>%n sin campo de matrícula</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n con el campo de matrícula vacío</numerusform>
            <numerusform>%n con el campo de matrícula vacío</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n con una matrícula de solo espacios y puntuación</numerusform>
            <numerusform>%n con una matrícula de solo espacios y puntuación</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n con una matrícula de más de 16 bytes</numerusform>
            <numerusform>%n con una matrícula de más de 16 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n que se lee como encabezado de columna</numerusform>
            <numerusform>%n que se leen como encabezado de columna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n con una comilla sin cerrar (el resto de la lista)</numerusform>
            <numerusform>%n con una comilla sin cerrar (el resto de la lista)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n con bytes que no son UTF-8</numerusform>
            <numerusform>%n con bytes que no son UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n con la mitad de un par sustituto UTF-16</numerusform>
            <numerusform>%n con la mitad de un par sustituto UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n que termina en medio carácter UTF-16</numerusform>
            <numerusform>%n que terminan en medio carácter UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n de más de 64 KiB</numerusform>
            <numerusform>%n de más de 64 KiB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n con campos más allá de las columnas, omitidos</numerusform>
            <numerusform>%n con campos más allá de las columnas, omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n con una fórmula como matrícula</numerusform>
            <numerusform>%n con una fórmula como matrícula</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n que se lee como fila de totales</numerusform>
            <numerusform>%n que se leen como fila de totales</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>an Excel workbook (.xlsx)</source>
        <translation>un libro de Excel (.xlsx)</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>una hoja de cálculo OpenDocument (.ods)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>un archivo ZIP</translation>
    </message>
    <message>
        <source>a document of an older Microsoft Office (such as an .xls workbook)</source>
        <translation>un documento de una versión antigua de Microsoft Office (como un libro .xls)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>una imagen PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>una imagen JPEG</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>datos comprimidos con gzip</translation>
    </message>
    <message>
        <source>a program (ELF)</source>
        <translation>un programa (ELF)</translation>
    </message>
    <message>
        <source>UTF-16 text without a byte order mark</source>
        <translation>texto UTF-16 sin marca de orden de bytes</translation>
    </message>
    <message>
        <source>binary data (it holds NUL bytes)</source>
        <translation>datos binarios (contienen bytes NUL)</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>datos binarios</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1: %n línea, ninguna omitida</numerusform>
            <numerusform>%1: %n líneas, ninguna omitida</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1: %n línea, %2 omitida</numerusform>
            <numerusform>%1: %n líneas, omitidas: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, entre ellas %1</translation>
    </message>
    <message>
        <source>; most hold a comma: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; la mayoría contienen una coma: Archivo &gt; Importar lista ... lee esa lista por columnas</translation>
    </message>
    <message>
        <source>; most hold a tab: File &gt; Import list ... reads such a list by its columns</source>
        <translation>; la mayoría contienen un tabulador: Archivo &gt; Importar lista ... lee esa lista por columnas</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1: %n matrícula importada</numerusform>
            <numerusform>%1: %n matrículas importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform>; %n registro omitido: %1</numerusform>
            <numerusform>; %n registros omitidos: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform>; %n registro con campos más allá de las columnas, omitidos</numerusform>
            <numerusform>; %n registros con campos más allá de las columnas, omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>It is %1, not a plate list</source>
        <translation>Se trata de %1, no de una lista de matrículas</translation>
    </message>
    <message>
        <source>It is %1, not a list</source>
        <translation>Se trata de %1, no de una lista</translation>
    </message>
    <message>
        <source>: File &gt; Import list ... reads workbooks.</source>
        <translation>: Archivo &gt; Importar lista ... lee libros de cálculo.</translation>
    </message>
    <message>
        <source>: save it as an .xlsx workbook or as CSV first.</source>
        <translation>: guárdelo antes como libro .xlsx o como CSV.</translation>
    </message>
    <message>
        <source>: save it as UTF-8, or as UTF-16 with a byte order mark.</source>
        <translation>: guárdelo como UTF-8, o como UTF-16 con marca de orden de bytes.</translation>
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
        <translation>Esperando al servidor de impresión %1 ...</translation>
    </message>
</context>
<context>
    <name>TPrinter</name>
    <message>
        <source>cannot start the PDF document</source>
        <translation>no se puede iniciar el documento PDF</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>no se puede iniciar una página nueva</translation>
    </message>
    <message>
        <source>the job was not taken</source>
        <translation>el trabajo no fue aceptado</translation>
    </message>
    <message>
        <source>the document was not taken</source>
        <translation>el documento no fue aceptado</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>El servidor de impresión %1 no responde.</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>No hay ninguna impresora instalada</translation>
    </message>
    <message>
        <source>Cannot print on %1: %2</source>
        <translation>No se puede imprimir en %1: %2</translation>
    </message>
    <message>
        <source>Cannot start a new page on %1: %2</source>
        <translation>No se puede iniciar una página nueva en %1: %2</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>La impresión en %1 ha fallado</translation>
    </message>
    <message>
        <source>: the print server %1 does not answer</source>
        <translation>: el servidor de impresión %1 no responde</translation>
    </message>
</context>
<context>
    <name>TzelGrid</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; no es una fecha válida</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filtro demasiado complejo</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Error en: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>No hay ninguna impresora instalada</translation>
    </message>
    <message>
        <source>Copy row to header</source>
        <translation>Copiar fila al encabezado</translation>
    </message>
</context>
<context>
    <name>TzelGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Nombres de celdas</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>&amp;Nombre de celda</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Name &apos;%1&apos; already exists</source>
        <translation>El nombre &apos;%1&apos; ya existe</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>¿Borrar todos los nombres?</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Celda</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>&amp;Añadir nombre</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>&amp;Eliminar nombre</translation>
    </message>
</context>
<context>
    <name>TzelGridFormuleF</name>
    <message>
        <source>Formule Editor</source>
        <translation>Editor de fórmulas</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Operators and functions</source>
        <translation>Operadores y funciones</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
</context>
<context>
    <name>TzelGridPreviewF</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordes</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En vivo</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Archivos de mapa de bits</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>Header and footer options</source>
        <translation>Opciones de encabezado y pie de página</translation>
    </message>
    <message>
        <source>Header or footer option</source>
        <translation>Opción de encabezado o pie de página</translation>
    </message>
    <message>
        <source>Margins and sizes</source>
        <translation>Márgenes y tamaños</translation>
    </message>
    <message>
        <source>Margin or size</source>
        <translation>Margen o tamaño</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Página mostrada</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Vista de la página</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Vista previa de la página</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TzelGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Generador de consultas</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Campos:</translation>
    </message>
    <message>
        <source>Ops:</source>
        <translation>Oper.:</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Consulta:</translation>
    </message>
    <message>
        <source>Ignore upper / lower case</source>
        <translation>Ignorar mayúsculas / minúsculas</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>&amp;Mostrar todo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
</TS>
