<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it_IT">
<context>
    <name>Accessibilita</name>
    <message>
        <source>%1: vuoto</source>
        <translation>%1: leer</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n figure</source>
        <translation>
            <numerusform>%1: %n Figur</numerusform>
            <numerusform>%1: %n Figuren</numerusform>
        </translation>
    </message>
    <message>
        <source>figura</source>
        <translation>Figur</translation>
    </message>
</context>
<context>
    <name>AccessoRegistro</name>
    <message>
        <source>Il registro %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>Das Register %1 stammt aus einer neueren Version des Programms: Aktualisiere Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>Die Datei %1 ist kein Tarvello-Register.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>Das Register %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>Das Schulregister %1 stammt aus einer neueren Version des Programms: Aktualisiere Tarvello.</translation>
    </message>
    <message>
        <source>Il database %1 non è un registro di Tarvello: contiene le tabelle di un altro programma.</source>
        <translation>Die Datenbank %1 ist kein Tarvello-Register: Darin stehen die Tabellen eines anderen Programms.</translation>
    </message>
    <message>
        <source>Scrivi la password del ruolo %1 per il registro della scuola %2.</source>
        <translation>Gib das Passwort der Rolle %1 für das Schulregister %2 ein.</translation>
    </message>
    <message>
        <source>La password del ruolo %1 per il registro della scuola %2 non è giusta.</source>
        <translation>Das Passwort der Rolle %1 für das Schulregister %2 ist falsch.</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non c&apos;è: il server non ha il database %2. Chiedi al tecnico.</source>
        <translation>Das Schulregister %1 gibt es nicht: Der Server hat keine Datenbank %2. Frag die IT-Betreuung.</translation>
    </message>
    <message>
        <source>Il ruolo %1 non ha i permessi per il registro della scuola %2. Chiedi al tecnico. (%3)</source>
        <translation>Die Rolle %1 hat keine Rechte für das Schulregister %2. Frag die IT-Betreuung. (%3)</translation>
    </message>
    <message>
        <source>Il server del registro della scuola %1 non risponde: controlla la rete o chiedi al tecnico. (%2)</source>
        <translation>Der Server des Schulregisters %1 antwortet nicht: Prüfe das Netzwerk oder frag die IT-Betreuung. (%2)</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non si può aprire: %2</source>
        <translation>Das Schulregister %1 lässt sich nicht öffnen: %2</translation>
    </message>
</context>
<context>
    <name>Anagrafe</name>
    <message>
        <source>la classe non è più nel registro della scuola.</source>
        <translation>die Klasse ist nicht mehr im Schulregister.</translation>
    </message>
</context>
<context>
    <name>Avvio</name>
    <message>
        <source>La lingua del programma: %1.</source>
        <translation>Die Sprache des Programms: %1.</translation>
    </message>
    <message>
        <source>Esercizi sull&apos;insieme che viene dopo un insieme dato</source>
        <translation>Übungen zur Nachfolgermenge einer gegebenen Menge</translation>
    </message>
    <message>
        <source>Il registro in cui sono tenute le risposte: un file, o il server della scuola (postgresql://utente@host/database).</source>
        <translation>Das Register, in dem die Antworten gespeichert werden: eine Datei oder der Server der Schule (postgresql://benutzer@host/datenbank).</translation>
    </message>
    <message>
        <source>Scrive ogni risposta del registro nel file CSV indicato ed esce.</source>
        <translation>Schreibt alle Antworten des Registers in die angegebene CSV-Datei und beendet sich.</translation>
    </message>
    <message>
        <source>Apre il registro dell&apos;insegnante.</source>
        <translation>Öffnet das Register der Lehrperson.</translation>
    </message>
    <message>
        <source>Indirizzo del registro non valido: %1</source>
        <translation>Die Adresse des Registers ist ungültig: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Lingue disponibili: %2.</source>
        <translation>Unbekannte Sprache: %1. Verfügbare Sprachen: %2.</translation>
    </message>
    <message>
        <source>Nessun server della scuola indicato: --prepara-registro vuole --registro postgresql://utente@host/database.</source>
        <translation>Kein Server der Schule angegeben: --prepara-registro braucht --registro postgresql://benutzer@host/datenbank.</translation>
    </message>
    <message>
        <source>Registro della scuola pronto: %1 (versione %2).</source>
        <translation>Das Schulregister ist bereit: %1 (Version %2).</translation>
    </message>
    <message>
        <source>Il registro su %1 è di una versione più recente di questo programma (%2): non è stato cambiato.</source>
        <translation>Das Register auf %1 stammt aus einer neueren Version dieses Programms (%2): Es wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Il database %1 contiene già le tabelle di un altro programma: il registro non vi è stato preparato.</source>
        <translation>Die Datenbank %1 enthält schon die Tabellen eines anderen Programms: Das Register wurde dort nicht eingerichtet.</translation>
    </message>
    <message>
        <source>Impossibile preparare il registro su %1: %2</source>
        <translation>Das Register auf %1 konnte nicht eingerichtet werden: %2</translation>
    </message>
    <message>
        <source>Prepara il registro sul server della scuola indicato con --registro ed esce.</source>
        <translation>Richtet das Register auf dem mit --registro angegebenen Server der Schule ein und beendet sich.</translation>
    </message>
    <message>
        <source>Il server della scuola scritto nelle impostazioni di questo PC non si può usare (%1): è aperto il registro di questo PC. Chiedi al tecnico.</source>
        <translation>Der Schulserver in den Einstellungen dieses PCs ist nicht nutzbar (%1): Geöffnet ist das Register dieses PCs. Frag die IT-Betreuung.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Esercizi sugli insiemi</source>
        <translation>Übungen zu Mengen</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme che viene dopo: esercizi e schede per la scuola primaria</source>
        <translation>Bilde die Nachfolgermenge: Übungen und Arbeitsblätter für die Grundschule</translation>
    </message>
</context>
<context>
    <name>Esercizio</name>
    <message>
        <source>E s a t t o</source>
        <translation>R i c h t i g</translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation>F a l s c h</translation>
    </message>
    <message>
        <source>Secondo insieme vuoto - Inserisci elementi</source>
        <translation>Zweite Menge leer - Lege Elemente hinein</translation>
    </message>
    <message>
        <source>Secondo insieme suvvalente - Aggiungi elementi</source>
        <translation>Zweite Menge zu klein - Füge Elemente hinzu</translation>
    </message>
    <message>
        <source>Secondo insieme prevalente - Togli elementi</source>
        <translation>Zweite Menge zu groß - Nimm Elemente weg</translation>
    </message>
</context>
<context>
    <name>Esporta</name>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>Die Datei %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>Il registro %1 non c&apos;è.</source>
        <translation>Das Register %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>Das Register %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Il registro %1 è di una versione di Tarvello più recente.</source>
        <translation>Das Register %1 stammt aus einer neueren Version von Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>Die Datei %1 ist kein Tarvello-Register.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può leggere.</source>
        <translation>Das Register %1 lässt sich nicht lesen.</translation>
    </message>
</context>
<context>
    <name>FinestraScheda</name>
    <message>
        <source>Prima parte</source>
        <translation>Erster Teil</translation>
    </message>
    <message>
        <source>Seconda parte</source>
        <translation>Zweiter Teil</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Stampa per la classe...</source>
        <translation>Für die Klasse drucken...</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation>Arbeitsblatt %1 von %2</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Es wird gedruckt: bitte warten.</translation>
    </message>
    <message>
        <source>Salvataggio in corso: attendi.</source>
        <translation>Es wird gespeichert: bitte warten.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation>Ersten Teil zeigen</translation>
    </message>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation>Zweiten Teil zeigen</translation>
    </message>
</context>
<context>
    <name>FrmChiSei</name>
    <message>
        <source>Chi sei?</source>
        <translation>Wer bist du?</translation>
    </message>
    <message>
        <source>Non sono nell&apos;elenco</source>
        <translation>Ich bin nicht auf der Liste</translation>
    </message>
</context>
<context>
    <name>FrmInizio</name>
    <message>
        <source>INSIEME VUOTO (  )</source>
        <translation>LEERE MENGE (  )</translation>
    </message>
    <message>
        <source>AGGIUNGI ELEMENTI (+)</source>
        <translation>ELEMENTE HINZUFÜGEN (+)</translation>
    </message>
    <message>
        <source>TOGLI ELEMENTI (-)</source>
        <translation>ELEMENTE WEGNEHMEN (-)</translation>
    </message>
    <message>
        <source>E S C I </source>
        <translation>E N D E </translation>
    </message>
    <message>
        <source>GLI INSIEMI</source>
        <translation>MENGEN</translation>
    </message>
    <message>
        <source>TARVELLO</source>
        <translation>TARVELLO</translation>
    </message>
    <message>
        <source>Segno bianco: insieme vuoto</source>
        <translation>Weißes Zeichen: leere Menge</translation>
    </message>
    <message>
        <source>Segno rosso: aggiungi elementi</source>
        <translation>Rotes Zeichen: Elemente hinzufügen</translation>
    </message>
    <message>
        <source>Segno verde: togli elementi</source>
        <translation>Grünes Zeichen: Elemente wegnehmen</translation>
    </message>
    <message>
        <source>Realizzato dagli sviluppatori di Tarvello</source>
        <translation>Gemacht von den Entwicklern von Tarvello</translation>
    </message>
    <message>
        <source>Un insieme di dieci alberi</source>
        <translation>Eine Menge aus zehn Bäumen</translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation>Arbeitsblätter drucken</translation>
    </message>
    <message>
        <source>insieme vuoto</source>
        <translation>leere Menge</translation>
    </message>
    <message>
        <source>aggiungi elementi</source>
        <translation>Elemente hinzufügen</translation>
    </message>
    <message>
        <source>togli elementi</source>
        <translation>Elemente wegnehmen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tarvello</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi</source>
        <translation>Am Anfang: zweite  Menge leer - Du musst Elemente hineinlegen</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi</source>
        <translation>Am Anfang: zweite  Menge zu klein - Du musst Elemente hinzufügen</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi</source>
        <translation>Am Anfang: zweite  Menge zu groß - Du musst Elemente wegnehmen</translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>Registro di Tarvello</source>
        <translation>Tarvello-Register</translation>
    </message>
    <message>
        <source>PIN, di nuovo</source>
        <translation>PIN, noch einmal</translation>
    </message>
    <message>
        <source>Scrivi di nuovo il PIN:</source>
        <translation>Schreibe die PIN noch einmal:</translation>
    </message>
    <message>
        <source>PIN errato. Riprova.</source>
        <translation>Falsche PIN. Versuche es noch einmal.</translation>
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
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Dal giorno</source>
        <translation>Vom Tag</translation>
    </message>
    <message>
        <source>Al giorno</source>
        <translation>Bis zum Tag</translation>
    </message>
    <message>
        <source>&amp;Tutto il registro</source>
        <translation>&amp;Ganzes Register</translation>
    </message>
    <message>
        <source>&amp;Classe:</source>
        <translation>&amp;Klasse:</translation>
    </message>
    <message>
        <source>&amp;dal</source>
        <translation>&amp;vom</translation>
    </message>
    <message>
        <source>&amp;al</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Riepilogo della classe</source>
        <translation>Übersicht der Klasse</translation>
    </message>
    <message>
        <source>Un alunno per riga; Invio o doppio clic mostra il suo grafico.</source>
        <translation>Ein Schüler pro Zeile; Eingabetaste oder Doppelklick zeigt sein Diagramm.</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;Neue Klasse...</translation>
    </message>
    <message>
        <source>Aggiungi a&amp;lunni...</source>
        <translation>Neue &amp;Schüler...</translation>
    </message>
    <message>
        <source>Classe di &amp;questo PC...</source>
        <translation>Klasse des &amp;PCs...</translation>
    </message>
    <message>
        <source>&amp;Elimina alunno...</source>
        <translation>Schüler &amp;löschen...</translation>
    </message>
    <message>
        <source>Elimina risposte &amp;prima di...</source>
        <translation>&amp;Antworten löschen...</translation>
    </message>
    <message>
        <source>Esp&amp;orta CSV...</source>
        <translation>CSV-E&amp;xport...</translation>
    </message>
    <message>
        <source>Tutte le risposte della classe</source>
        <translation>Alle Antworten der Klasse</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>D&amp;rucken...</translation>
    </message>
    <message>
        <source>Salva PD&amp;F...</source>
        <translation>PDF spei&amp;chern...</translation>
    </message>
    <message>
        <source>Il registro non risponde: forse un altro programma lo tiene occupato. Riprova tra poco.</source>
        <translation>Das Register antwortet nicht: vielleicht hält ein anderes Programm es besetzt. Versuche es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Lettura del registro...</source>
        <translation>Das Register wird gelesen...</translation>
    </message>
    <message>
        <source>È la prima apertura del registro: scegli un PIN da %1 a %2 cifre. Senza il PIN il registro non si apre, e il programma non lo può recuperare.</source>
        <translation>Das Register wird zum ersten Mal geöffnet: Wähle eine PIN mit %1 bis %2 Ziffern. Ohne die PIN öffnet sich das Register nicht, und das Programm kann sie nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Scrivi il PIN del registro.</source>
        <translation>Gib die PIN ein.</translation>
    </message>
    <message>
        <source>&amp;Imposta il PIN</source>
        <translation>PIN &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Entra</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>Il PIN ha da %1 a %2 cifre.</source>
        <translation>Die PIN hat %1 bis %2 Ziffern.</translation>
    </message>
    <message>
        <source>I due PIN non sono uguali: scrivili di nuovo.</source>
        <translation>Die beiden PINs sind verschieden: Schreibe sie noch einmal.</translation>
    </message>
    <message>
        <source>Il PIN non si può salvare: %1</source>
        <translation>Die PIN lässt sich nicht speichern: %1</translation>
    </message>
    <message>
        <source>Verifica del PIN...</source>
        <translation>PIN wird geprüft...</translation>
    </message>
    <message>
        <source>PIN errato. Potrai riprovare tra %1 secondi.</source>
        <translation>Falsche PIN. Du kannst es in %1 Sekunden wieder versuchen.</translation>
    </message>
    <message>
        <source>Classe di questo PC: nessuna («Chi sei?» spento)</source>
        <translation>Klasse dieses PCs: keine („Wer bist du?“ aus)</translation>
    </message>
    <message>
        <source>Classe di questo PC: %1</source>
        <translation>Klasse dieses PCs: %1</translation>
    </message>
    <message>
        <source>Il registro non ha classi: comincia con «Nuova classe...».</source>
        <translation>Das Register hat keine Klassen: Beginne mit „Neue Klasse...“.</translation>
    </message>
    <message>
        <source>La classe %1 non ha alunni: aggiungili con «Aggiungi alunni...».</source>
        <translation>Die Klasse %1 hat keine Schüler: Füge sie mit „Neue Schüler...“ hinzu.</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>Neue Klasse</translation>
    </message>
    <message>
        <source>Nome della classe (per esempio 3A):</source>
        <translation>Name der Klasse (zum Beispiel 3A):</translation>
    </message>
    <message>
        <source>La classe %1 non si può creare: forse c&apos;è già.</source>
        <translation>Die Klasse %1 lässt sich nicht anlegen: Vielleicht gibt es sie schon.</translation>
    </message>
    <message>
        <source>Aggiungi alunni</source>
        <translation>Schüler hinzufügen</translation>
    </message>
    <message>
        <source>Alunni della classe %1, un nome per riga (nome o soprannome, niente altro); si può incollare un elenco:</source>
        <translation>Schüler der Klasse %1, ein Name pro Zeile (Vorname oder Spitzname, sonst nichts); eine Liste kann eingefügt werden:</translation>
    </message>
    <message>
        <source>Gli alunni non si possono aggiungere: %1</source>
        <translation>Die Schüler lassen sich nicht hinzufügen: %1</translation>
    </message>
    <message>
        <source>Alunni aggiunti: %1.</source>
        <translation>Schüler hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>Nessuna («Chi sei?» spento)</source>
        <translation>Keine („Wer bist du?“ aus)</translation>
    </message>
    <message>
        <source>Classe di questo PC</source>
        <translation>Klasse dieses PCs</translation>
    </message>
    <message>
        <source>La classe che usa questo PC: all&apos;avvio «Chi sei?» mostra i suoi alunni. Con nessuna, il programma degli alunni non cambia.</source>
        <translation>Die Klasse, die diesen PC benutzt: Beim Start zeigt „Wer bist du?“ ihre Schüler. Mit keiner ändert sich das Programm der Schüler nicht.</translation>
    </message>
    <message>
        <source>La scelta non si può salvare: %1</source>
        <translation>Die Wahl lässt sich nicht speichern: %1</translation>
    </message>
    <message>
        <source>Scegli prima nella tabella l&apos;alunno da eliminare.</source>
        <translation>Wähle zuerst in der Tabelle den Schüler, der gelöscht werden soll.</translation>
    </message>
    <message>
        <source>Eliminare %1 e tutte le sue risposte? Non si potranno recuperare.</source>
        <translation>%1 und alle Antworten löschen? Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>%1 non si può eliminare: %2</source>
        <translation>%1 lässt sich nicht löschen: %2</translation>
    </message>
    <message>
        <source>%1 è stato eliminato.</source>
        <translation>%1 wurde gelöscht.</translation>
    </message>
    <message>
        <source>Elimina risposte</source>
        <translation>Antworten löschen</translation>
    </message>
    <message>
        <source>Elimina le risposte date prima del giorno</source>
        <translation>Die Antworten vor dem Tag löschen</translation>
    </message>
    <message>
        <source>Le risposte di tutte le classi date prima del giorno scelto saranno eliminate.</source>
        <translation>Die Antworten aller Klassen vor dem gewählten Tag werden gelöscht.</translation>
    </message>
    <message>
        <source>Prima del giorno:</source>
        <translation>Vor dem Tag:</translation>
    </message>
    <message>
        <source>Eliminare tutte le risposte date prima del %1, di tutte le classi? Non si potranno recuperare.</source>
        <translation>Alle Antworten vor dem %1 löschen, aus allen Klassen? Sie lassen sich nicht wiederherstellen.</translation>
    </message>
    <message>
        <source>Le risposte non si possono eliminare: %1</source>
        <translation>Die Antworten lassen sich nicht löschen: %1</translation>
    </message>
    <message>
        <source>Risposte eliminate: %1.</source>
        <translation>Antworten gelöscht: %1.</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Salvato %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Es wird gedruckt: bitte warten.</translation>
    </message>
    <message>
        <source>Riepilogo mandato alla stampante %1.</source>
        <translation>Übersicht an den Drucker %1 geschickt.</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Druckproblem beim verwendeten Drucker.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>PDF speichern</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>&amp;Riprova</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Registro della scuola: %1</source>
        <translation>Schulregister: %1</translation>
    </message>
    <message>
        <source>Collegamento al server...</source>
        <translation>Verbindung zum Server...</translation>
    </message>
    <message>
        <source>Risposte di questo PC ancora da inviare: %1</source>
        <translation>Noch nicht gesendete Antworten dieses PCs: %1</translation>
    </message>
    <message>
        <source>I suoi alunni sono copiati dal registro della scuola in questo PC.</source>
        <translation>Ihre Schüler werden aus dem Schulregister auf diesen PC kopiert.</translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Grafico</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Grafico di %1</source>
        <translation>Diagramm von %1</translation>
    </message>
    <message>
        <source>Apri un alunno della tabella (doppio clic o Invio) per vedere i suoi giorni.</source>
        <translation>Öffne einen Schüler der Tabelle (Doppelklick oder Eingabetaste), um seine Tage zu sehen.</translation>
    </message>
    <message>
        <source>%1 non ha risposte nei giorni scelti.</source>
        <translation>%1 hat an den gewählten Tagen keine Antworten.</translation>
    </message>
    <message>
        <source>%1. Giorni con risposte: %2; risposte esatte: %3, errate: %4.</source>
        <translation>%1. Tage mit Antworten: %2; richtige Antworten: %3, falsche: %4.</translation>
    </message>
    <message>
        <source>secondi (mediana)</source>
        <translation>Sekunden (Median)</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>richtig</translation>
    </message>
</context>
<context>
    <name>ModelloRiepilogo</name>
    <message>
        <source>Alunno</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Esatte al primo colpo</source>
        <translation>Sofort richtig</translation>
    </message>
    <message>
        <source>Aiuti</source>
        <translation>Hilfen</translation>
    </message>
    <message>
        <source>Interventi</source>
        <translation>Eingriffe</translation>
    </message>
    <message>
        <source>Secondi (mediana)</source>
        <translation>Sekunden (Median)</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Letzter Tag</translation>
    </message>
</context>
<context>
    <name>PaginaRegistro</name>
    <message>
        <source>Tutto il registro</source>
        <translation>Ganzes Register</translation>
    </message>
    <message>
        <source>Fino al %1</source>
        <translation>Bis %1</translation>
    </message>
    <message>
        <source>Dal %1</source>
        <translation>Ab %1</translation>
    </message>
    <message>
        <source>Dal %1 al %2</source>
        <translation>Vom %1 bis %2</translation>
    </message>
    <message>
        <source>Registro di Tarvello - classe %1</source>
        <translation>Tarvello-Register - Klasse %1</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>La classe non ha alunni.</source>
        <translation>Die Klasse hat keine Schüler.</translation>
    </message>
</context>
<context>
    <name>PaginaScheda</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation>Vor- und Nachname   </translation>
    </message>
    <message>
        <source>Tarvello - schede per la classe</source>
        <translation>Tarvello - Arbeitsblätter für die Klasse</translation>
    </message>
    <message>
        <source>Tarvello - scheda</source>
        <translation>Tarvello - Arbeitsblatt</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Druckproblem beim verwendeten Drucker.</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Il nome scelto è quello di una cartella.</source>
        <translation>Der gewählte Name ist der eines Ordners.</translation>
    </message>
    <message>
        <source>La cartella %1 non esiste.</source>
        <translation>Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>Nella cartella scelta non si può scrivere.</source>
        <translation>In den gewählten Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Il disco è pieno o non accetta la scrittura.</source>
        <translation>Die Festplatte ist voll oder nimmt nichts an.</translation>
    </message>
    <message>
        <source>Il file esistente non si può sostituire.</source>
        <translation>Die vorhandene Datei lässt sich nicht ersetzen.</translation>
    </message>
</context>
<context>
    <name>Registratore</name>
    <message>
        <source>Il registro era guasto: è stato messo da parte come %1 e ne è stato iniziato uno nuovo.</source>
        <translation>Das Register war beschädigt: Es wurde als %1 beiseitegelegt, und ein neues wurde begonnen.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 esiste già.
Vuoi sostituirlo?</source>
        <translation>%1 gibt es schon.
Möchtest du es ersetzen?</translation>
    </message>
</context>
<context>
    <name>SchedaAggiungiTogli</name>
    <message>
        <source>VISUALIZZA %1° ESERCIZIO</source>
        <translation>AUFGABE %1 ZEIGEN</translation>
    </message>
    <message>
        <source>Esercizio %1, %2 insieme</source>
        <translation>Aufgabe %1, %2 Menge</translation>
    </message>
    <message>
        <source>Nel riquadro accanto aggiungi elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>Füge im Kästchen daneben Elemente hinzu, sodass die Nachfolgermenge entsteht</translation>
    </message>
    <message>
        <source>Nel riquadro accanto togli elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>Nimm im Kästchen daneben Elemente weg, sodass die Nachfolgermenge entsteht</translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation>ARBEITSBLATT-VORSCHAU         </translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>ARBEITSBLATT-VORSCHAU          </translation>
    </message>
    <message>
        <source>Seleziona  stampante</source>
        <translation>Drucker  wählen</translation>
    </message>
    <message>
        <source>Selezione stampante</source>
        <translation>Druckerwahl</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> ARBEITSBLATT: BILDE DIE NACHFOLGERMENGE</translation>
    </message>
    <message>
        <source> SCHEDA: costruire l&apos;insieme  consecutivo maggiore - </source>
        <translation> ARBEITSBLATT: bilde die  Nachfolgermenge - </translation>
    </message>
    <message>
        <source> situazione iniziale: secondo  insieme suvvalente</source>
        <translation> am Anfang: zweite  Menge zu klein</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme prevalente</source>
        <translation> am Anfang: zweite Menge zu groß</translation>
    </message>
    <message>
        <source>Completa la scheda</source>
        <translation>Löse das Arbeitsblatt</translation>
    </message>
    <message>
        <source> Completa la scheda</source>
        <translation> Löse das Arbeitsblatt</translation>
    </message>
    <message>
        <source>primo</source>
        <translation>erste</translation>
    </message>
    <message>
        <source>secondo</source>
        <translation>zweite</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>non è un indirizzo postgresql://utente@host:porta/database: %1</source>
        <translation>keine Adresse der Form postgresql://Benutzer@Host:Port/Datenbank: %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo contiene una password: va messa in ~/.pgpass</source>
        <translation>die Adresse enthält ein Passwort: es gehört in ~/.pgpass</translation>
    </message>
    <message>
        <source>un&apos;opzione dell&apos;indirizzo non si può passare al server: %1</source>
        <translation>eine Option der Adresse kann nicht an den Server weitergegeben werden: %1</translation>
    </message>
    <message>
        <source>porta fuori dai limiti (da 1 a 65535): %1</source>
        <translation>Port außerhalb des Bereichs (1 bis 65535): %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo non indica il database: %1</source>
        <translation>die Adresse nennt keine Datenbank: %1</translation>
    </message>
</context>
<context>
    <name>frmAutore</name>
    <message>
        <source>Autore</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation>Website des Autors:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation>S c h l i e ß e n</translation>
    </message>
</context>
<context>
    <name>frmOperativo</name>
    <message>
        <source>AGGIUNGI (+)</source>
        <translation>DAZU (+)</translation>
    </message>
    <message>
        <source>TOGLI (-)</source>
        <translation>WEG (-)</translation>
    </message>
    <message>
        <source>VERIFICA</source>
        <translation>PRÜFEN</translation>
    </message>
    <message>
        <source>AVANTI &gt;&gt;&gt;</source>
        <translation>WEITER &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Oper</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation> Richtige Antworten</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation> Falsche Antworten</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation>Zeit der Antwort</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Gesamtzeit</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme consecutivo maggiore       </source>
        <translation>Bilde die Nachfolgermenge       </translation>
    </message>
    <message>
        <source>COSTRUISCI L&apos;INSIEME CHE VIENE DOPO</source>
        <translation>BILDE DIE NACHFOLGERMENGE</translation>
    </message>
    <message>
        <source>Esito della verifica</source>
        <translation>Ergebnis der Prüfung</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Sekunden für jede Antwort</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Sekunden für jede Übung</translation>
    </message>
    <message>
        <source>Numero dell&apos;esercizio</source>
        <translation>Nummer der Übung</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Tempo parziale: secondi impiegati per ogni risposta</source>
        <translation>Zeit der Antwort: Sekunden für jede Antwort</translation>
    </message>
    <message>
        <source>Tempo totale: secondi impiegati per ogni esercizio</source>
        <translation>Gesamtzeit: Sekunden für jede Übung</translation>
    </message>
    <message>
        <source>Ti aiuto ?</source>
        <translation>Soll ich helfen ?</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Intervengo io</source>
        <translation>Ich helfe dir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Primo insieme</source>
        <translation>Erste Menge</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Zweite Menge</translation>
    </message>
</context>
<context>
    <name>frmSchedeClasse</name>
    <message>
        <source>Schede per la classe</source>
        <translation>Arbeitsblätter für die Klasse</translation>
    </message>
    <message>
        <source>Quante schede diverse?</source>
        <translation>Wie viele Arbeitsblätter?</translation>
    </message>
    <message>
        <source>Quante schede diverse</source>
        <translation>Wie viele verschiedene Arbeitsblätter</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <source>La prima è la scheda sullo schermo, le altre sono nuove; in fondo a ogni pagina c&apos;è il suo numero.</source>
        <translation>Das erste ist das Arbeitsblatt auf dem Bildschirm, die anderen sind neu; unten auf jeder Seite steht ihre Nummer.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scrivi un numero da %1 a %2.</source>
        <translation>Schreibe eine Zahl von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>frmStampaSchede</name>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>ARBEITSBLATT-VORSCHAU          </translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation>Drucker wählen</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> ARBEITSBLATT: BILDE DIE NACHFOLGERMENGE</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme vuoto</source>
        <translation> am Anfang: zweite Menge leer</translation>
    </message>
    <message>
        <source>VISUALIZZA %1° INSIEME</source>
        <translation>MENGE %1 ZEIGEN</translation>
    </message>
    <message>
        <source>Completa la scheda </source>
        <translation>Löse das Arbeitsblatt </translation>
    </message>
    <message>
        <source>Nel riquadro accanto disegna l&apos;insieme consecutivo maggiore</source>
        <translation>Zeichne im Kästchen daneben die Nachfolgermenge</translation>
    </message>
    <message>
        <source>Primo Insieme</source>
        <translation>Erste Menge</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Zweite Menge</translation>
    </message>
    <message>
        <source>Terzo insieme</source>
        <translation>Dritte Menge</translation>
    </message>
    <message>
        <source>Quarto insieme</source>
        <translation>Vierte Menge</translation>
    </message>
    <message>
        <source>Riquadro accanto al %1</source>
        <translation>%1: Kästchen daneben</translation>
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
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>Stampante scelta</source>
        <translation>Gewählter Drucker</translation>
    </message>
    <message>
        <source>Stampanti installate</source>
        <translation>Installierte Drucker</translation>
    </message>
    <message>
        <source>Scelta della stampante</source>
        <translation>Wahl des Druckers</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>S C H L I E S S E N</translation>
    </message>
    <message>
        <source>Il servizio di stampa non risponde</source>
        <translation>Der Druckdienst antwortet nicht</translation>
    </message>
    <message>
        <source>Nessuna stampante installata</source>
        <translation>Kein Drucker installiert</translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation>Kein Standarddrucker</translation>
    </message>
    <message>
        <source>La stampante predefinita è <byte value="xd"/>
%1</source>
        <translation>Der Standard-Drucker ist <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La stampante scelta è <byte value="xd"/>
%1</source>
        <translation>Der gewählte Drucker ist <byte value="xd"/>
%1</translation>
    </message>
</context>
</TS>
