<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>TCollisionView</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> and %n more</numerusform>
            <numerusform> and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n plate</numerusform>
            <numerusform>%n plates</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n shown</source>
        <translation>
            <numerusform>%n shown</numerusform>
            <numerusform>%n shown</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n share a code</source>
        <translation>
            <numerusform>%n share a code</numerusform>
            <numerusform>%n share a code</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n repeat(s)</source>
        <translation>
            <numerusform>%n repeat</numerusform>
            <numerusform>%n repeats</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormDecode</name>
    <message numerus="yes">
        <source>%1 of %n rows</source>
        <translation>
            <numerusform>%1 of %n rows</numerusform>
            <numerusform>%1 of %n rows</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message numerus="yes">
        <source>%n plate(s)</source>
        <translation>
            <numerusform>%n plate</numerusform>
            <numerusform>%n plates</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TListStatus</name>
    <message numerus="yes">
        <source>%n without a plate field</source>
        <translation>
            <numerusform>%n without a plate field</numerusform>
            <numerusform>%n without a plate field</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with an empty plate field</source>
        <translation>
            <numerusform>%n with an empty plate field</numerusform>
            <numerusform>%n with an empty plate field</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with only spaces and punctuation for a plate</source>
        <translation>
            <numerusform>%n with only spaces and punctuation for a plate</numerusform>
            <numerusform>%n with only spaces and punctuation for a plate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a plate longer than 16 bytes</source>
        <translation>
            <numerusform>%n with a plate longer than 16 bytes</numerusform>
            <numerusform>%n with a plate longer than 16 bytes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a column header</source>
        <translation>
            <numerusform>%n reading as a column header</numerusform>
            <numerusform>%n reading as a column header</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a quote never closed (the rest of the list)</source>
        <translation>
            <numerusform>%n with a quote never closed (the rest of the list)</numerusform>
            <numerusform>%n with a quote never closed (the rest of the list)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with bytes that are not UTF-8</source>
        <translation>
            <numerusform>%n with bytes that are not UTF-8</numerusform>
            <numerusform>%n with bytes that are not UTF-8</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with half of a UTF-16 surrogate pair</source>
        <translation>
            <numerusform>%n with half of a UTF-16 surrogate pair</numerusform>
            <numerusform>%n with half of a UTF-16 surrogate pair</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ending in half a UTF-16 character</source>
        <translation>
            <numerusform>%n ending in half a UTF-16 character</numerusform>
            <numerusform>%n ending in half a UTF-16 character</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n longer than 64 KiB</source>
        <translation>
            <numerusform>%n longer than 64 KiB</numerusform>
            <numerusform>%n longer than 64 KiB</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with fields beyond the columns, left out</source>
        <translation>
            <numerusform>%n with fields beyond the columns, left out</numerusform>
            <numerusform>%n with fields beyond the columns, left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n with a formula for a plate</source>
        <translation>
            <numerusform>%n with a formula for a plate</numerusform>
            <numerusform>%n with a formula for a plate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading as a total row</source>
        <translation>
            <numerusform>%n reading as a total row</numerusform>
            <numerusform>%n reading as a total row</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), none skipped</source>
        <translation>
            <numerusform>%1: %n line, none skipped</numerusform>
            <numerusform>%1: %n lines, none skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n line(s), %2 skipped</source>
        <translation>
            <numerusform>%1: %n line, %2 skipped</numerusform>
            <numerusform>%1: %n lines, %2 skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n plate(s) imported</source>
        <translation>
            <numerusform>%1: %n plate imported</numerusform>
            <numerusform>%1: %n plates imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) skipped: %1</source>
        <translation>
            <numerusform>; %n record skipped: %1</numerusform>
            <numerusform>; %n records skipped: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n record(s) with fields beyond the columns, left out</source>
        <translation>
            <numerusform>; %n record with fields beyond the columns, left out</numerusform>
            <numerusform>; %n records with fields beyond the columns, left out</numerusform>
        </translation>
    </message>
</context>
</TS>
