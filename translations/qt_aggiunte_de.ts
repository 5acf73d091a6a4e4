<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Zeigt Hilfe einschließlich allgemeiner Qt-Optionen an.</translation>
    </message>
</context>
</TS>
