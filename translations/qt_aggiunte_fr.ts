<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l&apos;aide, y compris les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Afficher l&apos;aide, y compris les options génériques de Qt.</translation>
    </message>
</context>
</TS>
