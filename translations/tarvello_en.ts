<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it_IT">
<context>
    <name>Accessibilita</name>
    <message>
        <source>%1: vuoto</source>
        <translation>%1: empty</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n figure</source>
        <translation>
            <numerusform>%1: %n figure</numerusform>
            <numerusform>%1: %n figures</numerusform>
        </translation>
    </message>
    <message>
        <source>figura</source>
        <translation>figure</translation>
    </message>
</context>
<context>
    <name>AccessoRegistro</name>
    <message>
        <source>Il registro %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>The register %1 belongs to a newer version of the program: update Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>The file %1 is not a Tarvello register.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>The register %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>The school&apos;s register %1 belongs to a newer version of the program: update Tarvello.</translation>
    </message>
    <message>
        <source>Il database %1 non è un registro di Tarvello: contiene le tabelle di un altro programma.</source>
        <translation>The database %1 is not a Tarvello register: it holds another program&apos;s tables.</translation>
    </message>
    <message>
        <source>Scrivi la password del ruolo %1 per il registro della scuola %2.</source>
        <translation>Type the password of the role %1 for the school&apos;s register %2.</translation>
    </message>
    <message>
        <source>La password del ruolo %1 per il registro della scuola %2 non è giusta.</source>
        <translation>The password of the role %1 for the school&apos;s register %2 is wrong.</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non c&apos;è: il server non ha il database %2. Chiedi al tecnico.</source>
        <translation>The school&apos;s register %1 is not there: the server has no database %2. Ask the technician.</translation>
    </message>
    <message>
        <source>Il ruolo %1 non ha i permessi per il registro della scuola %2. Chiedi al tecnico. (%3)</source>
        <translation>The role %1 has no rights on the school&apos;s register %2. Ask the technician. (%3)</translation>
    </message>
    <message>
        <source>Il server del registro della scuola %1 non risponde: controlla la rete o chiedi al tecnico. (%2)</source>
        <translation>The server of the school&apos;s register %1 does not answer: check the network or ask the technician. (%2)</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non si può aprire: %2</source>
        <translation>The school&apos;s register %1 cannot be opened: %2</translation>
    </message>
</context>
<context>
    <name>Anagrafe</name>
    <message>
        <source>la classe non è più nel registro della scuola.</source>
        <translation>the class is no longer in the school&apos;s register.</translation>
    </message>
</context>
<context>
    <name>Avvio</name>
    <message>
        <source>La lingua del programma: %1.</source>
        <translation>The language of the program: %1.</translation>
    </message>
    <message>
        <source>Esercizi sull&apos;insieme che viene dopo un insieme dato</source>
        <translation>Exercises on the set that comes after a given set</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Lingue disponibili: %2.</source>
        <translation>Unknown language: %1. Languages available: %2.</translation>
    </message>
    <message>
        <source>Scrive ogni risposta del registro nel file CSV indicato ed esce.</source>
        <translation>Writes every answer of the register into the CSV file given, and exits.</translation>
    </message>
    <message>
        <source>Apre il registro dell&apos;insegnante.</source>
        <translation>Opens the teacher&apos;s register.</translation>
    </message>
    <message>
        <source>Il registro in cui sono tenute le risposte: un file, o il server della scuola (postgresql://utente@host/database).</source>
        <translation>The register where the answers are kept: a file, or the school&apos;s server (postgresql://user@host/database).</translation>
    </message>
    <message>
        <source>Indirizzo del registro non valido: %1</source>
        <translation>The register&apos;s address is not valid: %1</translation>
    </message>
    <message>
        <source>Nessun server della scuola indicato: --prepara-registro vuole --registro postgresql://utente@host/database.</source>
        <translation>No school server given: --prepara-registro needs --registro postgresql://user@host/database.</translation>
    </message>
    <message>
        <source>Registro della scuola pronto: %1 (versione %2).</source>
        <translation>The school&apos;s register is ready: %1 (version %2).</translation>
    </message>
    <message>
        <source>Il registro su %1 è di una versione più recente di questo programma (%2): non è stato cambiato.</source>
        <translation>The register on %1 belongs to a newer version of this program (%2): it was not changed.</translation>
    </message>
    <message>
        <source>Il database %1 contiene già le tabelle di un altro programma: il registro non vi è stato preparato.</source>
        <translation>The database %1 already holds another program&apos;s tables: the register was not prepared in it.</translation>
    </message>
    <message>
        <source>Impossibile preparare il registro su %1: %2</source>
        <translation>The register on %1 could not be prepared: %2</translation>
    </message>
    <message>
        <source>Prepara il registro sul server della scuola indicato con --registro ed esce.</source>
        <translation>Prepares the register on the school&apos;s server given with --registro, and exits.</translation>
    </message>
    <message>
        <source>Il server della scuola scritto nelle impostazioni di questo PC non si può usare (%1): è aperto il registro di questo PC. Chiedi al tecnico.</source>
        <translation>The school&apos;s server written in this PC&apos;s settings cannot be used (%1): this PC&apos;s own register is open. Ask the technician.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Esercizi sugli insiemi</source>
        <translation>Set theory exercises</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme che viene dopo: esercizi e schede per la scuola primaria</source>
        <translation>Build the set that comes after a given set: exercises and worksheets for primary school</translation>
    </message>
</context>
<context>
    <name>Esercizio</name>
    <message>
        <source>E s a t t o</source>
        <translation>R i g h t</translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation>W r o n g</translation>
    </message>
    <message>
        <source>Secondo insieme vuoto - Inserisci elementi</source>
        <translation>Second set empty - Insert elements</translation>
    </message>
    <message>
        <source>Secondo insieme suvvalente - Aggiungi elementi</source>
        <translation>Second set too small - Add elements</translation>
    </message>
    <message>
        <source>Secondo insieme prevalente - Togli elementi</source>
        <translation>Second set too big - Remove elements</translation>
    </message>
</context>
<context>
    <name>Esporta</name>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Il registro %1 non c&apos;è.</source>
        <translation>The register %1 does not exist.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>The register %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Il registro %1 è di una versione di Tarvello più recente.</source>
        <translation>The register %1 is from a newer version of Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>The file %1 is not a Tarvello register.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può leggere.</source>
        <translation>The register %1 cannot be read.</translation>
    </message>
</context>
<context>
    <name>FinestraScheda</name>
    <message>
        <source>Prima parte</source>
        <translation>First part</translation>
    </message>
    <message>
        <source>Seconda parte</source>
        <translation>Second part</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>PRINT</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation>Show the first part</translation>
    </message>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation>Show the second part</translation>
    </message>
    <message>
        <source>Stampa per la classe...</source>
        <translation>Print for the class...</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation>Worksheet %1 of %2</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Could not save the file %1.</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Printing in progress: please wait.</translation>
    </message>
    <message>
        <source>Salvataggio in corso: attendi.</source>
        <translation>Saving in progress: please wait.</translation>
    </message>
</context>
<context>
    <name>FrmChiSei</name>
    <message>
        <source>Chi sei?</source>
        <translation>Who are you?</translation>
    </message>
    <message>
        <source>Non sono nell&apos;elenco</source>
        <translation>I am not on the list</translation>
    </message>
</context>
<context>
    <name>FrmInizio</name>
    <message>
        <source>INSIEME VUOTO (  )</source>
        <translation>EMPTY SET (  )</translation>
    </message>
    <message>
        <source>AGGIUNGI ELEMENTI (+)</source>
        <translation>ADD ELEMENTS (+)</translation>
    </message>
    <message>
        <source>TOGLI ELEMENTI (-)</source>
        <translation>REMOVE ELEMENTS (-)</translation>
    </message>
    <message>
        <source>E S C I </source>
        <translation>E X I T </translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi</source>
        <translation>Starting point: second  set empty - You must insert elements</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi</source>
        <translation>Starting point: second  set too small - You must add elements</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi</source>
        <translation>Starting point: second  set too big - You must remove elements</translation>
    </message>
    <message>
        <source>GLI INSIEMI</source>
        <translation>SETS</translation>
    </message>
    <message>
        <source>TARVELLO</source>
        <translation>TARVELLO</translation>
    </message>
    <message>
        <source>Segno bianco: insieme vuoto</source>
        <translation>White mark: empty set</translation>
    </message>
    <message>
        <source>Segno rosso: aggiungi elementi</source>
        <translation>Red mark: add elements</translation>
    </message>
    <message>
        <source>Segno verde: togli elementi</source>
        <translation>Green mark: remove elements</translation>
    </message>
    <message>
        <source>Realizzato dagli sviluppatori di Tarvello</source>
        <translation>Made by the developers of Tarvello</translation>
    </message>
    <message>
        <source>Un insieme di dieci alberi</source>
        <translation>A set of ten trees</translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation>Print worksheets</translation>
    </message>
    <message>
        <source>insieme vuoto</source>
        <translation>empty set</translation>
    </message>
    <message>
        <source>aggiungi elementi</source>
        <translation>add elements</translation>
    </message>
    <message>
        <source>togli elementi</source>
        <translation>remove elements</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>Registro di Tarvello</source>
        <translation>Tarvello Register</translation>
    </message>
    <message>
        <source>PIN, di nuovo</source>
        <translation>PIN, again</translation>
    </message>
    <message>
        <source>Scrivi di nuovo il PIN:</source>
        <translation>Type the PIN again:</translation>
    </message>
    <message>
        <source>PIN errato. Riprova.</source>
        <translation>Wrong PIN. Try again.</translation>
    </message>
    <message>
        <source>PIN:</source>
        <translation>PIN:</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Ho letto</source>
        <translation>I have read it</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Dal giorno</source>
        <translation>From the day</translation>
    </message>
    <message>
        <source>Al giorno</source>
        <translation>To the day</translation>
    </message>
    <message>
        <source>&amp;Tutto il registro</source>
        <translation>&amp;Whole register</translation>
    </message>
    <message>
        <source>&amp;Classe:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;dal</source>
        <translation>&amp;from</translation>
    </message>
    <message>
        <source>&amp;al</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>Riepilogo della classe</source>
        <translation>Class summary</translation>
    </message>
    <message>
        <source>Un alunno per riga; Invio o doppio clic mostra il suo grafico.</source>
        <translation>One pupil a row; Enter or a double click shows their chart.</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;New class...</translation>
    </message>
    <message>
        <source>Aggiungi a&amp;lunni...</source>
        <translation>Add &amp;pupils...</translation>
    </message>
    <message>
        <source>Classe di &amp;questo PC...</source>
        <translation>Class of t&amp;his PC...</translation>
    </message>
    <message>
        <source>&amp;Elimina alunno...</source>
        <translation>&amp;Delete pupil...</translation>
    </message>
    <message>
        <source>Elimina risposte &amp;prima di...</source>
        <translation>Delete answers &amp;before...</translation>
    </message>
    <message>
        <source>Esp&amp;orta CSV...</source>
        <translation>E&amp;xport CSV...</translation>
    </message>
    <message>
        <source>Tutte le risposte della classe</source>
        <translation>Every answer of the class</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>P&amp;rint...</translation>
    </message>
    <message>
        <source>Salva PD&amp;F...</source>
        <translation>&amp;Save PDF...</translation>
    </message>
    <message>
        <source>Il registro non risponde: forse un altro programma lo tiene occupato. Riprova tra poco.</source>
        <translation>The register does not answer: perhaps another program keeps it busy. Try again shortly.</translation>
    </message>
    <message>
        <source>Lettura del registro...</source>
        <translation>Reading the register...</translation>
    </message>
    <message>
        <source>È la prima apertura del registro: scegli un PIN da %1 a %2 cifre. Senza il PIN il registro non si apre, e il programma non lo può recuperare.</source>
        <translation>The register is opened for the first time: choose a PIN of %1 to %2 digits. Without the PIN the register does not open, and the program cannot recover it.</translation>
    </message>
    <message>
        <source>Scrivi il PIN del registro.</source>
        <translation>Type the register&apos;s PIN.</translation>
    </message>
    <message>
        <source>&amp;Imposta il PIN</source>
        <translation>&amp;Set the PIN</translation>
    </message>
    <message>
        <source>&amp;Entra</source>
        <translation>&amp;Enter</translation>
    </message>
    <message>
        <source>Il PIN ha da %1 a %2 cifre.</source>
        <translation>The PIN has %1 to %2 digits.</translation>
    </message>
    <message>
        <source>I due PIN non sono uguali: scrivili di nuovo.</source>
        <translation>The two PINs differ: type them again.</translation>
    </message>
    <message>
        <source>Il PIN non si può salvare: %1</source>
        <translation>The PIN cannot be saved: %1</translation>
    </message>
    <message>
        <source>Verifica del PIN...</source>
        <translation>Checking the PIN...</translation>
    </message>
    <message>
        <source>PIN errato. Potrai riprovare tra %1 secondi.</source>
        <translation>Wrong PIN. You can try again in %1 seconds.</translation>
    </message>
    <message>
        <source>Classe di questo PC: nessuna («Chi sei?» spento)</source>
        <translation>Class of this PC: none (“Who are you?” off)</translation>
    </message>
    <message>
        <source>Classe di questo PC: %1</source>
        <translation>Class of this PC: %1</translation>
    </message>
    <message>
        <source>Il registro non ha classi: comincia con «Nuova classe...».</source>
        <translation>The register has no classes: begin with “New class...”.</translation>
    </message>
    <message>
        <source>La classe %1 non ha alunni: aggiungili con «Aggiungi alunni...».</source>
        <translation>Class %1 has no pupils: add them with “Add pupils...”.</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>New class</translation>
    </message>
    <message>
        <source>Nome della classe (per esempio 3A):</source>
        <translation>Name of the class (for example 3A):</translation>
    </message>
    <message>
        <source>La classe %1 non si può creare: forse c&apos;è già.</source>
        <translation>Class %1 cannot be created: perhaps it exists already.</translation>
    </message>
    <message>
        <source>Aggiungi alunni</source>
        <translation>Add pupils</translation>
    </message>
    <message>
        <source>Alunni della classe %1, un nome per riga (nome o soprannome, niente altro); si può incollare un elenco:</source>
        <translation>Pupils of class %1, one name a line (first name or nickname, nothing else); a list can be pasted:</translation>
    </message>
    <message>
        <source>Gli alunni non si possono aggiungere: %1</source>
        <translation>The pupils cannot be added: %1</translation>
    </message>
    <message>
        <source>Alunni aggiunti: %1.</source>
        <translation>Pupils added: %1.</translation>
    </message>
    <message>
        <source>Nessuna («Chi sei?» spento)</source>
        <translation>None (“Who are you?” off)</translation>
    </message>
    <message>
        <source>Classe di questo PC</source>
        <translation>Class of this PC</translation>
    </message>
    <message>
        <source>La classe che usa questo PC: all&apos;avvio «Chi sei?» mostra i suoi alunni. Con nessuna, il programma degli alunni non cambia.</source>
        <translation>The class that uses this PC: at start “Who are you?” shows its pupils. With none, the pupils&apos; program does not change.</translation>
    </message>
    <message>
        <source>La scelta non si può salvare: %1</source>
        <translation>The choice cannot be saved: %1</translation>
    </message>
    <message>
        <source>Scegli prima nella tabella l&apos;alunno da eliminare.</source>
        <translation>First choose in the table the pupil to delete.</translation>
    </message>
    <message>
        <source>Eliminare %1 e tutte le sue risposte? Non si potranno recuperare.</source>
        <translation>Delete %1 and all their answers? They cannot be recovered.</translation>
    </message>
    <message>
        <source>%1 non si può eliminare: %2</source>
        <translation>%1 cannot be deleted: %2</translation>
    </message>
    <message>
        <source>%1 è stato eliminato.</source>
        <translation>%1 has been deleted.</translation>
    </message>
    <message>
        <source>Elimina risposte</source>
        <translation>Delete answers</translation>
    </message>
    <message>
        <source>Elimina le risposte date prima del giorno</source>
        <translation>Delete the answers given before the day</translation>
    </message>
    <message>
        <source>Le risposte di tutte le classi date prima del giorno scelto saranno eliminate.</source>
        <translation>The answers of every class given before the chosen day will be deleted.</translation>
    </message>
    <message>
        <source>Prima del giorno:</source>
        <translation>Before the day:</translation>
    </message>
    <message>
        <source>Eliminare tutte le risposte date prima del %1, di tutte le classi? Non si potranno recuperare.</source>
        <translation>Delete every answer given before %1, of every class? They cannot be recovered.</translation>
    </message>
    <message>
        <source>Le risposte non si possono eliminare: %1</source>
        <translation>The answers cannot be deleted: %1</translation>
    </message>
    <message>
        <source>Risposte eliminate: %1.</source>
        <translation>Answers deleted: %1.</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Salvato %1.</source>
        <translation>Saved %1.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Could not save the file %1.</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Printing in progress: please wait.</translation>
    </message>
    <message>
        <source>Riepilogo mandato alla stampante %1.</source>
        <translation>Summary sent to the printer %1.</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Printing problem on the printer in use.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>&amp;Riprova</source>
        <translation>&amp;Try again</translation>
    </message>
    <message>
        <source>Registro della scuola: %1</source>
        <translation>School register: %1</translation>
    </message>
    <message>
        <source>Collegamento al server...</source>
        <translation>Connecting to the server...</translation>
    </message>
    <message>
        <source>Risposte di questo PC ancora da inviare: %1</source>
        <translation>Answers of this PC still to be sent: %1</translation>
    </message>
    <message>
        <source>I suoi alunni sono copiati dal registro della scuola in questo PC.</source>
        <translation>Its pupils are copied from the school&apos;s register to this PC.</translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Grafico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Grafico di %1</source>
        <translation>Chart of %1</translation>
    </message>
    <message>
        <source>Apri un alunno della tabella (doppio clic o Invio) per vedere i suoi giorni.</source>
        <translation>Open a pupil of the table (double click or Enter) to see their days.</translation>
    </message>
    <message>
        <source>%1 non ha risposte nei giorni scelti.</source>
        <translation>%1 has no answers on the chosen days.</translation>
    </message>
    <message>
        <source>%1. Giorni con risposte: %2; risposte esatte: %3, errate: %4.</source>
        <translation>%1. Days with answers: %2; right answers: %3, wrong: %4.</translation>
    </message>
    <message>
        <source>secondi (mediana)</source>
        <translation>seconds (median)</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>wrong</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>right</translation>
    </message>
</context>
<context>
    <name>ModelloRiepilogo</name>
    <message>
        <source>Alunno</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>Esatte al primo colpo</source>
        <translation>Right at the first try</translation>
    </message>
    <message>
        <source>Aiuti</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Interventi</source>
        <translation>Interventions</translation>
    </message>
    <message>
        <source>Secondi (mediana)</source>
        <translation>Seconds (median)</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Last day</translation>
    </message>
</context>
<context>
    <name>PaginaRegistro</name>
    <message>
        <source>Tutto il registro</source>
        <translation>Whole register</translation>
    </message>
    <message>
        <source>Fino al %1</source>
        <translation>Up to %1</translation>
    </message>
    <message>
        <source>Dal %1</source>
        <translation>From %1</translation>
    </message>
    <message>
        <source>Dal %1 al %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message>
        <source>Registro di Tarvello - classe %1</source>
        <translation>Tarvello Register - class %1</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <translation>Printed on %1</translation>
    </message>
    <message>
        <source>La classe non ha alunni.</source>
        <translation>The class has no pupils.</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>PaginaScheda</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation>Name and Surname   </translation>
    </message>
    <message>
        <source>Tarvello - scheda</source>
        <translation>Tarvello - worksheet</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Printing problem on the printer in use.</translation>
    </message>
    <message>
        <source>Tarvello - schede per la classe</source>
        <translation>Tarvello - worksheets for the class</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Il nome scelto è quello di una cartella.</source>
        <translation>The name chosen is that of a folder.</translation>
    </message>
    <message>
        <source>Nella cartella scelta non si può scrivere.</source>
        <translation>The folder chosen cannot be written to.</translation>
    </message>
    <message>
        <source>Il disco è pieno o non accetta la scrittura.</source>
        <translation>The disk is full or does not accept writing.</translation>
    </message>
    <message>
        <source>Il file esistente non si può sostituire.</source>
        <translation>The existing file cannot be replaced.</translation>
    </message>
    <message>
        <source>La cartella %1 non esiste.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>Registratore</name>
    <message>
        <source>Il registro era guasto: è stato messo da parte come %1 e ne è stato iniziato uno nuovo.</source>
        <translation>The register was damaged: it was set aside as %1 and a new one was begun.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 esiste già.
Vuoi sostituirlo?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>SchedaAggiungiTogli</name>
    <message>
        <source>VISUALIZZA %1° ESERCIZIO</source>
        <translation>SHOW EXERCISE %1</translation>
    </message>
    <message>
        <source>Esercizio %1, %2 insieme</source>
        <translation>Exercise %1, %2 set</translation>
    </message>
    <message>
        <source>Nel riquadro accanto aggiungi elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>In the box beside it add elements to make the set that comes after</translation>
    </message>
    <message>
        <source>Nel riquadro accanto togli elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>In the box beside it remove elements to make the set that comes after</translation>
    </message>
    <message>
        <source>Seleziona  stampante</source>
        <translation>Select  printer</translation>
    </message>
    <message>
        <source>Selezione stampante</source>
        <translation>Printer selection</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> WORKSHEET: BUILD THE SET THAT COMES AFTER</translation>
    </message>
    <message>
        <source> SCHEDA: costruire l&apos;insieme  consecutivo maggiore - </source>
        <translation> WORKSHEET: build the set  that comes after - </translation>
    </message>
    <message>
        <source> situazione iniziale: secondo  insieme suvvalente</source>
        <translation> starting point: second  set too small</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme prevalente</source>
        <translation> starting point: second set too big</translation>
    </message>
    <message>
        <source>Completa la scheda</source>
        <translation>Complete the worksheet</translation>
    </message>
    <message>
        <source> Completa la scheda</source>
        <translation> Complete the worksheet</translation>
    </message>
    <message>
        <source>primo</source>
        <translation>first</translation>
    </message>
    <message>
        <source>secondo</source>
        <translation>second</translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation>WORKSHEET PREVIEW         </translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>WORKSHEET PREVIEW          </translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>non è un indirizzo postgresql://utente@host:porta/database: %1</source>
        <translation>not an address postgresql://user@host:port/database: %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo contiene una password: va messa in ~/.pgpass</source>
        <translation>the address holds a password: it belongs in ~/.pgpass</translation>
    </message>
    <message>
        <source>un&apos;opzione dell&apos;indirizzo non si può passare al server: %1</source>
        <translation>an option of the address cannot be passed on to the server: %1</translation>
    </message>
    <message>
        <source>porta fuori dai limiti (da 1 a 65535): %1</source>
        <translation>port out of range (1 to 65535): %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo non indica il database: %1</source>
        <translation>the address names no database: %1</translation>
    </message>
</context>
<context>
    <name>frmAutore</name>
    <message>
        <source>Autore</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation>Author&apos;s website:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation>C l o s e</translation>
    </message>
</context>
<context>
    <name>frmOperativo</name>
    <message>
        <source>AGGIUNGI (+)</source>
        <translation>ADD (+)</translation>
    </message>
    <message>
        <source>TOGLI (-)</source>
        <translation>REMOVE (-)</translation>
    </message>
    <message>
        <source>VERIFICA</source>
        <translation>CHECK</translation>
    </message>
    <message>
        <source>AVANTI &gt;&gt;&gt;</source>
        <translation>NEXT &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>Oper</source>
        <translation>Ex.</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation> Right answers</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation> Wrong answers</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation>Last time</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme consecutivo maggiore       </source>
        <translation>Build the set that comes after       </translation>
    </message>
    <message>
        <source>COSTRUISCI L&apos;INSIEME CHE VIENE DOPO</source>
        <translation>BUILD THE SET THAT COMES AFTER</translation>
    </message>
    <message>
        <source>Esito della verifica</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Seconds taken for each answer</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Seconds taken for each exercise</translation>
    </message>
    <message>
        <source>Numero dell&apos;esercizio</source>
        <translation>Number of the exercise</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Right answers</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Wrong answers</translation>
    </message>
    <message>
        <source>Tempo parziale: secondi impiegati per ogni risposta</source>
        <translation>Last time: seconds taken for each answer</translation>
    </message>
    <message>
        <source>Tempo totale: secondi impiegati per ogni esercizio</source>
        <translation>Total time: seconds taken for each exercise</translation>
    </message>
    <message>
        <source>Ti aiuto ?</source>
        <translation>Shall I help ?</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Intervengo io</source>
        <translation>Let me help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Primo insieme</source>
        <translation>First set</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Second set</translation>
    </message>
</context>
<context>
    <name>frmSchedeClasse</name>
    <message>
        <source>Schede per la classe</source>
        <translation>Worksheets for the class</translation>
    </message>
    <message>
        <source>Quante schede diverse?</source>
        <translation>How many worksheets?</translation>
    </message>
    <message>
        <source>Quante schede diverse</source>
        <translation>How many different worksheets</translation>
    </message>
    <message>
        <source>La prima è la scheda sullo schermo, le altre sono nuove; in fondo a ogni pagina c&apos;è il suo numero.</source>
        <translation>The first is the worksheet on the screen, the others are new; each page has its number at the bottom.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>Scrivi un numero da %1 a %2.</source>
        <translation>Type a number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>frmStampaSchede</name>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>WORKSHEET PREVIEW          </translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation>Select printer</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> WORKSHEET: BUILD THE SET THAT COMES AFTER</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme vuoto</source>
        <translation> starting point: second set empty</translation>
    </message>
    <message>
        <source>VISUALIZZA %1° INSIEME</source>
        <translation>SHOW SET %1</translation>
    </message>
    <message>
        <source>Completa la scheda </source>
        <translation>Complete the worksheet </translation>
    </message>
    <message>
        <source>Primo Insieme</source>
        <translation>First Set</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Second set</translation>
    </message>
    <message>
        <source>Terzo insieme</source>
        <translation>Third set</translation>
    </message>
    <message>
        <source>Quarto insieme</source>
        <translation>Fourth set</translation>
    </message>
    <message>
        <source>Riquadro accanto al %1</source>
        <translation>Box beside the %1</translation>
    </message>
    <message>
        <source>Nel riquadro accanto disegna l&apos;insieme consecutivo maggiore</source>
        <translation>In the box beside it draw the set that comes after</translation>
    </message>
</context>
<context>
    <name>frmStampante</name>
    <message>
        <source>Form1</source>
        <translation>Form1</translation>
    </message>
    <message>
        <source>Stampante predefinita</source>
        <translation>Default printer</translation>
    </message>
    <message>
        <source>Stampante scelta</source>
        <translation>Chosen printer</translation>
    </message>
    <message>
        <source>Stampanti installate</source>
        <translation>Installed printers</translation>
    </message>
    <message>
        <source>Scelta della stampante</source>
        <translation>Choice of the printer</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>C L O S E</translation>
    </message>
    <message>
        <source>Nessuna stampante installata</source>
        <translation>No printer installed</translation>
    </message>
    <message>
        <source>La stampante predefinita è <byte value="xd"/>
%1</source>
        <translation>The default printer is <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La stampante scelta è <byte value="xd"/>
%1</source>
        <translation>The chosen printer is <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Il servizio di stampa non risponde</source>
        <translation>The print service does not answer</translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation>No default printer</translation>
    </message>
</context>
</TS>
