<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TCollisionView</name>
    <message>
        <source>Only plates that share a code</source>
        <translation>Seulement les plaques qui partagent un code</translation>
    </message>
    <message>
        <source>Shares the code %1 with %2</source>
        <translation>Partage le code %1 avec %2</translation>
    </message>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> et %n autre</numerusform>
            <numerusform> et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n plaque</numerusform>
            <numerusform>%n plaques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n affichée</numerusform>
            <numerusform>%n affichées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n partage un code</numerusform>
            <numerusform>%n partagent un code</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n doublon</numerusform>
            <numerusform>%n doublons</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCustomEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>TDecodeError</name>
    <message>
        <source>expected 1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013</source>
        <translation>attendu : 1 à 7 chiffres hexadécimaux comme 0x3019E2A, 26 chiffres binaires, ou un code site et un numéro ID comme 128/53013</translation>
    </message>
    <message>
        <source>expected 16 hex digits such as 0x600002191555EBDB, or 64 binary digits</source>
        <translation>attendu : 16 chiffres hexadécimaux comme 0x600002191555EBDB, ou 64 chiffres binaires</translation>
    </message>
    <message>
        <source>expected a 26-bit code (1 to 7 hex digits such as 0x3019E2A, 26 binary digits, or a facility code and ID number such as 128/53013) or a 64-bit code (16 hex digits or 64 binary digits)</source>
        <translation>attendu : un code 26 bits (1 à 7 chiffres hexadécimaux comme 0x3019E2A, 26 chiffres binaires, ou un code site et un numéro ID comme 128/53013) ou un code 64 bits (16 chiffres hexadécimaux ou 64 chiffres binaires)</translation>
    </message>
    <message>
        <source>expected hex digits after 0x</source>
        <translation>attendu : des chiffres hexadécimaux après 0x</translation>
    </message>
    <message>
        <source>expected a facility code and ID number such as 128/53013</source>
        <translation>attendu : un code site et un numéro ID comme 128/53013</translation>
    </message>
    <message>
        <source>facility code %1 is above %2</source>
        <translation>le code site %1 dépasse %2</translation>
    </message>
    <message>
        <source>ID number %1 is above %2</source>
        <translation>le numéro ID %1 dépasse %2</translation>
    </message>
    <message>
        <source>expected 26 binary digits, got %1</source>
        <translation>attendu : 26 chiffres binaires, reçu : %1</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits or 26 binary digits, got %1 digits</source>
        <translation>attendu : 1 à 7 chiffres hexadécimaux ou 26 chiffres binaires, reçu : %1 chiffres</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits, got %1</source>
        <translation>attendu : 1 à 7 chiffres hexadécimaux, reçu : %1</translation>
    </message>
    <message>
        <source>%1 is above the largest 26-bit frame 0x3FFFFFF</source>
        <translation>%1 dépasse la plus grande trame 26 bits 0x3FFFFFF</translation>
    </message>
    <message>
        <source>expected 64 binary digits, got %1</source>
        <translation>attendu : 64 chiffres binaires, reçu : %1</translation>
    </message>
    <message>
        <source>expected 16 hex digits, got %1</source>
        <translation>attendu : 16 chiffres hexadécimaux, reçu : %1</translation>
    </message>
    <message>
        <source>group %1 is 0 (empty) after a character; no plate gives that</source>
        <translation>le groupe %1 vaut 0 (vide) après un caractère ; aucune plaque ne donne cela</translation>
    </message>
    <message>
        <source>group %1 has the value %2, which no plate gives</source>
        <translation>le groupe %1 a la valeur %2, qu&apos;aucune plaque ne donne</translation>
    </message>
    <message>
        <source>all ten groups are 0 (empty); no plate gives that</source>
        <translation>les dix groupes valent 0 (vides) ; aucune plaque ne donne cela</translation>
    </message>
    <message>
        <source>expected 1 to 7 hex digits for a 26-bit code or 16 for a 64-bit code, got %1</source>
        <translation>attendu : 1 à 7 chiffres hexadécimaux pour un code 26 bits ou 16 pour un code 64 bits, reçu : %1</translation>
    </message>
    <message>
        <source>expected 26 or 64 binary digits, got %1</source>
        <translation>attendu : 26 ou 64 chiffres binaires, reçu : %1</translation>
    </message>
</context>
<context>
    <name>TDialogs</name>
    <message>
        <source>No Printer is installed</source>
        <translation>Aucune imprimante n&apos;est installée</translation>
    </message>
    <message>
        <source>The print server %1 answers too slowly for Print setup.</source>
        <translation>Le serveur d&apos;impression %1 répond trop lentement pour la configuration de l&apos;impression.</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>About . . .</source>
        <translation>À propos . . .</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Version : </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message>
        <source>Decode code</source>
        <translation>Décoder un code</translation>
    </message>
    <message>
        <source>Code read at the gate (26-bit or 64-bit):</source>
        <translation>Code lu à l&apos;entrée (26 bits ou 64 bits) :</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Trame :</translation>
    </message>
    <message>
        <source>Bits:</source>
        <translation>Bits :</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>Facility code:</source>
        <translation>Code site :</translation>
    </message>
    <message>
        <source>ID number:</source>
        <translation>Numéro ID :</translation>
    </message>
    <message>
        <source>Code:</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Préfixe :</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Plaque :</translation>
    </message>
    <message>
        <source>no row has this code</source>
        <translation>aucune ligne n&apos;a ce code</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 sur %n ligne</numerusform>
            <numerusform>%1 sur %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>0x3019E2A, 128/53013 or 0x600002191555EBDB</source>
        <translation>0x3019E2A, 128/53013 ou 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>; or </source>
        <translation> ; ou </translation>
    </message>
</context>
<context>
    <name>TFormImport</name>
    <message>
        <source>Comma (,)</source>
        <translation>Virgule (,)</translation>
    </message>
    <message>
        <source>Semicolon (;)</source>
        <translation>Point-virgule (;)</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importer une liste</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>Shee&amp;t:</source>
        <translation>&amp;Feuille :</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>&amp;En-tête en première ligne</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>&amp;En-tête en première ligne</translation>
    </message>
    <message>
        <source>&amp;Plate column:</source>
        <translation>Colonne &amp;plaque :</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their rows. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Les premiers et les derniers enregistrements de %1, avec leurs lignes. Chaque plaque est calculée comme Fichier &gt; Ouvrir la calcule ; les autres colonnes suivent les colonnes calculées dans les deux tableaux.</translation>
    </message>
    <message>
        <source>The first and the last records of %1, with their lines. Each plate is computed as File &gt; Open computes it; the other columns follow the computed columns in both tables.</source>
        <translation>Les premiers et les derniers enregistrements de %1, avec leurs numéros de ligne. Chaque plaque est calculée comme Fichier &gt; Ouvrir la calcule ; les autres colonnes suivent les colonnes calculées dans les deux tableaux.</translation>
    </message>
    <message>
        <source>%1 (column %2)</source>
        <translation>%1 (colonne %2)</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> &lt; enter plate &gt;</source>
        <translation> &lt; saisir la plaque &gt;</translation>
    </message>
    <message>
        <source>Number plate:</source>
        <translation>Plaque d&apos;immatriculation :</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Number plates:</source>
        <translation>Plaques d&apos;immatriculation :</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save as ...</source>
        <translation>Enregistrer sous ...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Multiple number plates</source>
        <translation>Plusieurs plaques</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>How to calculate</source>
        <translation>Méthode de calcul</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>À propos ...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Le texte dépasse la capacité de la zone de saisie</translation>
    </message>
    <message>
        <source>Save the results?</source>
        <translation>Enregistrer les résultats ?</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>OK: file %1 saved</source>
        <translation>OK : fichier %1 enregistré</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Lists (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</source>
        <translation>Listes (*.csv;*.tsv;*.txt;*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx;*.ods)</source>
        <translation>Classeurs (*.xlsx;*.ods)</translation>
    </message>
    <message>
        <source>Comma-separated (*.csv)</source>
        <translation>Séparé par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Tab-separated (*.tsv)</source>
        <translation>Séparé par des tabulations (*.tsv)</translation>
    </message>
    <message>
        <source>Import list ...</source>
        <translation>Importer une liste ...</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Decode code ...</source>
        <translation>Décoder un code ...</translation>
    </message>
    <message>
        <source>Single number plate</source>
        <translation>Une seule plaque</translation>
    </message>
    <message>
        <source>Sort by current column</source>
        <translation>Trier selon la colonne active</translation>
    </message>
    <message>
        <source>Fit current column width</source>
        <translation>Ajuster la largeur de la colonne active</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Import list</source>
        <translation>Importer une liste</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, written by a newer version of Corvana. They are kept for it.</source>
        <translation>Des résultats non enregistrés d&apos;une session précédente ont été trouvés dans %1, écrits par une version plus récente de Corvana. Ils sont conservés pour elle.</translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found in %1, but the file is damaged and cannot be read. It is kept.</source>
        <translation>Des résultats non enregistrés d&apos;une session précédente ont été trouvés dans %1, mais le fichier est endommagé et illisible. Il est conservé.</translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n plaque</numerusform>
            <numerusform>%n plaques</numerusform>
        </translation>
    </message>
    <message>
        <source>Unsaved results of an earlier session were found: %1, last changed %2.

Restore them? (No discards them; Cancel keeps them for the next start.)</source>
        <translation>Des résultats non enregistrés d&apos;une session précédente ont été trouvés : %1, modifiés pour la dernière fois le %2.

Les restaurer ? (Non les supprime ; Annuler les conserve pour le prochain démarrage.)</translation>
    </message>
    <message>
        <source>The unsaved results in %1 do not fit the grids and cannot be restored. The file is kept.</source>
        <translation>Les résultats non enregistrés de %1 ne correspondent pas aux tableaux et ne peuvent pas être restaurés. Le fichier est conservé.</translation>
    </message>
</context>
<context>
    <name>TGridStep</name>
    <message>
        <source>Insert row</source>
        <translation>Insérer une ligne</translation>
    </message>
    <message>
        <source>Delete row</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Insert column</source>
        <translation>Insérer une colonne</translation>
    </message>
    <message>
        <source>Delete column</source>
        <translation>Supprimer la colonne</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Trier</translation>
    </message>
</context>
<context>
    <name>THelpTexts</name>
    <message>
        <source>«other»</source>
        <translation>«autre»</translation>
    </message>
    <message>
        <source>Note that this software uses UTF-8 encoding for license plates with international characters.</source>
        <translation>Notez que ce logiciel utilise l&apos;encodage UTF-8 pour les plaques d&apos;immatriculation comportant des caractères internationaux.</translation>
    </message>
    <message>
        <source>WIEGAND 26-BIT (SHA-1)</source>
        <translation>WIEGAND 26 BITS (SHA-1)</translation>
    </message>
    <message>
        <source>Number plate = hk 55 evb</source>
        <translation>Plaque d&apos;immatriculation = hk 55 evb</translation>
    </message>
    <message>
        <source>1. Turn into upper case = HK 55 EVB</source>
        <translation>1. Convertir en majuscules = HK 55 EVB</translation>
    </message>
    <message>
        <source>2. Remove spaces = HK55EVB</source>
        <translation>2. Supprimer les espaces = HK55EVB</translation>
    </message>
    <message>
        <source>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</source>
        <translation>3. SHA1(&quot;HK55EVB&quot;) = A44F633C 8A6D1581 50CCEB3E F83D9DE0 BA80CF15</translation>
    </message>
    <message>
        <source>4. Wiegand 26-bit output uses last 24 bits of SHA1 value = 0x80CF15</source>
        <translation>4. La sortie Wiegand 26 bits utilise les 24 derniers bits de la valeur SHA1 = 0x80CF15</translation>
    </message>
    <message>
        <source>5. Add leading and trailing parity bits according to wiegand 26-bit format</source>
        <translation>5. Ajouter les bits de parité de début et de fin selon le format wiegand 26 bits</translation>
    </message>
    <message>
        <source>The Wiegand 26-bit number shall be 0x3019E2A</source>
        <translation>Le code Wiegand 26 bits est donc 0x3019E2A</translation>
    </message>
    <message>
        <source>WIEGAND 64-BIT</source>
        <translation>WIEGAND 64 BITS</translation>
    </message>
    <message>
        <source>3. First 4 bits are always 0110.</source>
        <translation>3. Les 4 premiers bits sont toujours 0110.</translation>
    </message>
    <message>
        <source>4. Append 10 groups of 6 bits. Each 6-bit group contains a license plate character.</source>
        <translation>4. Ajouter 10 groupes de 6 bits. Chaque groupe de 6 bits contient un caractère de la plaque.</translation>
    </message>
    <message>
        <source>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</source>
        <translation>     = 000000 000000 000000 100001 100100 010101 010101 011110 101111 011011.</translation>
    </message>
    <message>
        <source>5. Convert binary to hex = 0x600002191555EBDB.</source>
        <translation>5. Convertir le binaire en hexadécimal = 0x600002191555EBDB.</translation>
    </message>
    <message>
        <source>The Wiegand 64-bit number shall be 0x600002191555EBDB</source>
        <translation>Le code Wiegand 64 bits est donc 0x600002191555EBDB</translation>
    </message>
    <message>
        <source>	Character conversion table:</source>
        <translation>	Table de conversion des caractères :</translation>
    </message>
    <message>
        <source>«empty»</source>
        <translation>«vide»</translation>
    </message>
</context>
<context>
    <name>TImportedList</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the list is larger than 256 MiB</source>
        <translation>la liste dépasse 256 Mio</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;importer &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>the workbook has no sheet that holds cells</source>
        <translation>le classeur n&apos;a aucune feuille contenant des cellules</translation>
    </message>
    <message>
        <source>Cannot import &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;importer &quot;%1&quot; : %2</translation>
    </message>
</context>
<context>
    <name>TIniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n sans champ plaque</numerusform>
            <numerusform>%n sans champ plaque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n avec un champ plaque vide</numerusform>
            <numerusform>%n avec un champ plaque vide</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n dont la plaque n&apos;a que des espaces et de la ponctuation</numerusform>
            <numerusform>%n dont la plaque n&apos;a que des espaces et de la ponctuation</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n avec une plaque de plus de 16 octets</numerusform>
            <numerusform>%n avec une plaque de plus de 16 octets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n ressemblant à un en-tête de colonne</numerusform>
            <numerusform>%n ressemblant à un en-tête de colonne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n avec un guillemet jamais fermé (le reste de la liste)</numerusform>
            <numerusform>%n avec un guillemet jamais fermé (le reste de la liste)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n avec des octets non UTF-8</numerusform>
            <numerusform>%n avec des octets non UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n avec une moitié de paire de substitution UTF-16</numerusform>
            <numerusform>%n avec une moitié de paire de substitution UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n se terminant par un demi-caractère UTF-16</numerusform>
            <numerusform>%n se terminant par un demi-caractère UTF-16</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n de plus de 64 Kio</numerusform>
            <numerusform>%n de plus de 64 Kio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n avec des champs au-delà des colonnes, ignorés</numerusform>
            <numerusform>%n avec des champs au-delà des colonnes, ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n avec une formule comme plaque</numerusform>
            <numerusform>%n avec une formule comme plaque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n ressemblant à une ligne de total</numerusform>
            <numerusform>%n ressemblant à une ligne de total</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>text</source>
        <translation>du texte</translation>
    </message>
    <message>
        <source>an Excel workbook (.xlsx)</source>
        <translation>un classeur Excel (.xlsx)</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>une feuille de calcul OpenDocument (.ods)</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>une archive ZIP</translation>
    </message>
    <message>
        <source>a document of an older Microsoft Office (such as an .xls workbook)</source>
        <translation>un document d&apos;une ancienne version de Microsoft Office (comme un classeur .xls)</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>un document PDF</translation>
    </message>
    <message>
        <source>a PNG image</source>
        <translation>une image PNG</translation>
    </message>
    <message>
        <source>a JPEG image</source>
        <translation>une image JPEG</translation>
    </message>
    <message>
        <source>gzip-compressed data</source>
        <translation>des données compressées gzip</translation>
    </message>
    <message>
        <source>a program (ELF)</source>
        <translation>un programme (ELF)</translation>
    </message>
    <message>
        <source>UTF-16 text without a byte order mark</source>
        <translation>du texte UTF-16 sans indicateur d&apos;ordre des octets</translation>
    </message>
    <message>
        <source>binary data (it holds NUL bytes)</source>
        <translation>des données binaires (avec des octets NUL)</translation>
    </message>
    <message>
        <source>binary data</source>
        <translation>des données binaires</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1 : %n ligne, aucune ignorée</numerusform>
            <numerusform>%1 : %n lignes, aucune ignorée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1 : %n ligne, %2 ignorée</numerusform>
            <numerusform>%1 : %n lignes, ignorées : %2</numerusform>
        </translation>
    </message>
    <message>
        <source>, among them %1</source>
        <translation>, dont %1</translation>
    </message>
    <message>
        <source>; most hold a comma: File &gt; Import list ... reads such a list by its columns</source>
        <translation> ; la plupart contiennent une virgule : Fichier &gt; Importer une liste ... lit une telle liste par colonnes</translation>
    </message>
    <message>
        <source>; most hold a tab: File &gt; Import list ... reads such a list by its columns</source>
        <translation> ; la plupart contiennent une tabulation : Fichier &gt; Importer une liste ... lit une telle liste par colonnes</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1 : %n plaque importée</numerusform>
            <numerusform>%1 : %n plaques importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform> ; %n enregistrement ignoré : %1</numerusform>
            <numerusform> ; %n enregistrements ignorés : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform> ; %n enregistrement avec des champs au-delà des colonnes, ignorés</numerusform>
            <numerusform> ; %n enregistrements avec des champs au-delà des colonnes, ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>It is %1, not a plate list</source>
        <translation>C&apos;est %1, pas une liste de plaques</translation>
    </message>
    <message>
        <source>It is %1, not a list</source>
        <translation>C&apos;est %1, pas une liste</translation>
    </message>
    <message>
        <source>: File &gt; Import list ... reads workbooks.</source>
        <translation> : Fichier &gt; Importer une liste ... lit les classeurs.</translation>
    </message>
    <message>
        <source>: save it as an .xlsx workbook or as CSV first.</source>
        <translation> : enregistrez d&apos;abord le fichier en classeur .xlsx ou en CSV.</translation>
    </message>
    <message>
        <source>: save it as UTF-8, or as UTF-16 with a byte order mark.</source>
        <translation> : enregistrez le fichier en UTF-8, ou en UTF-16 avec indicateur d&apos;ordre des octets.</translation>
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
        <translation>Attente du serveur d&apos;impression %1 ...</translation>
    </message>
</context>
<context>
    <name>TPrinter</name>
    <message>
        <source>cannot start the PDF document</source>
        <translation>impossible de commencer le document PDF</translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation>impossible de commencer une nouvelle page</translation>
    </message>
    <message>
        <source>the job was not taken</source>
        <translation>la tâche n&apos;a pas été acceptée</translation>
    </message>
    <message>
        <source>the document was not taken</source>
        <translation>le document n&apos;a pas été accepté</translation>
    </message>
    <message>
        <source>The print server %1 does not answer.</source>
        <translation>Le serveur d&apos;impression %1 ne répond pas.</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Aucune imprimante n&apos;est installée</translation>
    </message>
    <message>
        <source>Cannot print on %1: %2</source>
        <translation>Impossible d&apos;imprimer sur %1 : %2</translation>
    </message>
    <message>
        <source>Cannot start a new page on %1: %2</source>
        <translation>Impossible de commencer une nouvelle page sur %1 : %2</translation>
    </message>
    <message>
        <source>Printing on %1 failed</source>
        <translation>L&apos;impression sur %1 a échoué</translation>
    </message>
    <message>
        <source>: the print server %1 does not answer</source>
        <translation> : le serveur d&apos;impression %1 ne répond pas</translation>
    </message>
</context>
<context>
    <name>TzelGrid</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre à virgule flottante valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <translation>&apos;%1&apos; n&apos;est pas une date valide</translation>
    </message>
    <message>
        <source>Filter too complex</source>
        <translation>Filtre trop complexe</translation>
    </message>
    <message>
        <source>Error in: %1</source>
        <translation>Erreur dans : %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>No Printer is installed</source>
        <translation>Aucune imprimante n&apos;est installée</translation>
    </message>
    <message>
        <source>Copy row to header</source>
        <translation>Copier la ligne dans l&apos;en-tête</translation>
    </message>
</context>
<context>
    <name>TzelGridCellNamesF</name>
    <message>
        <source>CellNames Dialog</source>
        <translation>Noms de cellules</translation>
    </message>
    <message>
        <source>Cell &amp;Name</source>
        <translation>&amp;Nom de cellule</translation>
    </message>
    <message>
        <source>C&amp;lear All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Name &apos;%1&apos; already exists</source>
        <translation>Le nom &apos;%1&apos; existe déjà</translation>
    </message>
    <message>
        <source>Clear all names?</source>
        <translation>Effacer tous les noms ?</translation>
    </message>
    <message>
        <source>&amp;Cell</source>
        <translation>&amp;Cellule</translation>
    </message>
    <message>
        <source>&amp;Add Name</source>
        <translation>&amp;Ajouter le nom</translation>
    </message>
    <message>
        <source>&amp;Delete Name</source>
        <translation>&amp;Supprimer le nom</translation>
    </message>
</context>
<context>
    <name>TzelGridFormuleF</name>
    <message>
        <source>Formule Editor</source>
        <translation>Éditeur de formules</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Operators and functions</source>
        <translation>Opérateurs et fonctions</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurer</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Full View</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Bordures</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>En direct</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>Bitmap Files</source>
        <translation>Fichiers bitmap</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>Header and footer options</source>
        <translation>Options d&apos;en-tête et de pied de page</translation>
    </message>
    <message>
        <source>Header or footer option</source>
        <translation>Option d&apos;en-tête ou de pied de page</translation>
    </message>
    <message>
        <source>Margins and sizes</source>
        <translation>Marges et tailles</translation>
    </message>
    <message>
        <source>Margin or size</source>
        <translation>Marge ou taille</translation>
    </message>
    <message>
        <source>Page shown</source>
        <translation>Page affichée</translation>
    </message>
    <message>
        <source>Page view</source>
        <translation>Vue de la page</translation>
    </message>
    <message>
        <source>Page preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TzelGridQueryF</name>
    <message>
        <source>Query Builder</source>
        <translation>Générateur de requêtes</translation>
    </message>
    <message>
        <source>Fields:</source>
        <translation>Champs :</translation>
    </message>
    <message>
        <source>Ops:</source>
        <translation>Opér. :</translation>
    </message>
    <message>
        <source>Query:</source>
        <translation>Requête :</translation>
    </message>
    <message>
        <source>Ignore upper / lower case</source>
        <translation>Ignorer majuscules / minuscules</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>&amp;Show All</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
</TS>
