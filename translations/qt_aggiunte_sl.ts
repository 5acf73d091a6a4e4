<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Prikaže pomoč za možnosti ukazne vrstice.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Prikaže pomoč, tudi za možnosti, značilne za Qt.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Prikaže pomoč, tudi za splošne možnosti Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Prikaže podatke o različici.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uporaba: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Možnosti:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenti:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[možnosti]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznana možnost »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznane možnosti: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po »%1« manjka vrednost.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nepričakovana vrednost po »%1«.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Shrani</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Odpri</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uporabi</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Zavrzi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Poskusi znova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Prezri</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Pri&amp;lepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Pri&amp;lepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izberi vse</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj &amp;naslov povezave</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Povečaj</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Z&amp;manjšaj</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Izberi vse</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Išči v:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Ime datoteke:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vrsta datotek:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Shrani</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Odpri</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izberi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Shrani kot</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazaj</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Naprej</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadrejena mapa</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Ustvari novo mapo</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Seznam</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Pojdi nazaj</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Pojdi naprej</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Pojdi v nadrejeno mapo</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Ustvari novo mapo</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikaži kot seznam</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikaži podrobnosti</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Nedavna mesta</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova mapa</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova mapa</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>P&amp;reimenuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Izbriši</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Pokaži &amp;skrite datoteke</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Stranska vrstica</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Seznam mest in zaznamkov</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Mapa:</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mape</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Vse datoteke (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Vse datoteke (*)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Mape ni bilo mogoče izbrisati.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Res želiš izbrisati »%1«?</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Mape ni mogoče najti.
Preveri, ali je ime mape pravilno.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteke ni mogoče najti.
Preveri, ali je ime datoteke pravilno.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Ime</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Spremenjeno</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Moj računalnik</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Računalnik</translation>
    </message>
</context>
</TS>
