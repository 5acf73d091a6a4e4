<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>Accessibilita</name>
    <message numerus="yes">
        <source>%1: %n figure</source>
        <translation>
            <numerusform>%1: %n figura</numerusform>
            <numerusform>%1: %n figure</numerusform>
        </translation>
    </message>
</context>
</TS>
