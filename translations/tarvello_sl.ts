<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="it_IT">
<context>
    <name>Accessibilita</name>
    <message>
        <source>%1: vuoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n figure</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>figura</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AccessoRegistro</name>
    <message>
        <source>Il registro %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Avvio</name>
    <message>
        <source>La lingua del programma: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizi sull&apos;insieme che viene dopo un insieme dato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro in cui sono tenute le risposte: un file, o il server della scuola (postgresql://utente@host/database).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrive ogni risposta del registro nel file CSV indicato ed esce.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apre il registro dell&apos;insegnante.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indirizzo del registro non valido: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Lingue disponibili: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Esercizi sugli insiemi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme che viene dopo: esercizi e schede per la scuola primaria</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Esercizio</name>
    <message>
        <source>E s a t t o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondo insieme vuoto - Inserisci elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondo insieme suvvalente - Aggiungi elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondo insieme prevalente - Togli elementi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Esporta</name>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro %1 non c&apos;è.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro %1 è di una versione di Tarvello più recente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro %1 non si può leggere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FinestraScheda</name>
    <message>
        <source>Prima parte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconda parte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa per la classe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvataggio in corso: attendi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmChiSei</name>
    <message>
        <source>Chi sei?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non sono nell&apos;elenco</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmInizio</name>
    <message>
        <source>INSIEME VUOTO (  )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGGIUNGI ELEMENTI (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOGLI ELEMENTI (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E S C I </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GLI INSIEMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TARVELLO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segno bianco: insieme vuoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segno rosso: aggiungi elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segno verde: togli elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realizzato dagli sviluppatori di Tarvello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un insieme di dieci alberi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insieme vuoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aggiungi elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>togli elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>Registro di Tarvello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN, di nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivi di nuovo il PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN errato. Riprova.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ho letto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dal giorno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Al giorno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutto il registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Classe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;dal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;al</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riepilogo della classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un alunno per riga; Invio o doppio clic mostra il suo grafico.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi a&amp;lunni...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classe di &amp;questo PC...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Elimina alunno...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina risposte &amp;prima di...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esp&amp;orta CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutte le risposte della classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PD&amp;F...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro non risponde: forse un altro programma lo tiene occupato. Riprova tra poco.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettura del registro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>È la prima apertura del registro: scegli un PIN da %1 a %2 cifre. Senza il PIN il registro non si apre, e il programma non lo può recuperare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivi il PIN del registro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imposta il PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il PIN ha da %1 a %2 cifre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I due PIN non sono uguali: scrivili di nuovo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il PIN non si può salvare: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifica del PIN...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN errato. Potrai riprovare tra %1 secondi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classe di questo PC: nessuna («Chi sei?» spento)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classe di questo PC: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il registro non ha classi: comincia con «Nuova classe...».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La classe %1 non ha alunni: aggiungili con «Aggiungi alunni...».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome della classe (per esempio 3A):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La classe %1 non si può creare: forse c&apos;è già.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiungi alunni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alunni della classe %1, un nome per riga (nome o soprannome, niente altro); si può incollare un elenco:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gli alunni non si possono aggiungere: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alunni aggiunti: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna («Chi sei?» spento)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classe di questo PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La classe che usa questo PC: all&apos;avvio «Chi sei?» mostra i suoi alunni. Con nessuna, il programma degli alunni non cambia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La scelta non si può salvare: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegli prima nella tabella l&apos;alunno da eliminare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare %1 e tutte le sue risposte? Non si potranno recuperare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 non si può eliminare: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 è stato eliminato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina risposte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elimina le risposte date prima del giorno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le risposte di tutte le classi date prima del giorno scelto saranno eliminate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prima del giorno:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminare tutte le risposte date prima del %1, di tutte le classi? Non si potranno recuperare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le risposte non si possono eliminare: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risposte eliminate: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvato %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riepilogo mandato alla stampante %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Grafico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafico di %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri un alunno della tabella (doppio clic o Invio) per vedere i suoi giorni.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 non ha risposte nei giorni scelti.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Giorni con risposte: %2; risposte esatte: %3, errate: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secondi (mediana)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>errate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>esatte</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModelloRiepilogo</name>
    <message>
        <source>Alunno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esatte al primo colpo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aiuti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interventi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondi (mediana)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaginaRegistro</name>
    <message>
        <source>Tutto il registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fino al %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dal %1 al %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registro di Tarvello - classe %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La classe non ha alunni.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaginaScheda</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvello - schede per la classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarvello - scheda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Il nome scelto è quello di una cartella.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La cartella %1 non esiste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nella cartella scelta non si può scrivere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disco è pieno o non accetta la scrittura.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file esistente non si può sostituire.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Registratore</name>
    <message>
        <source>Il registro era guasto: è stato messo da parte come %1 e ne è stato iniziato uno nuovo.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 esiste già.
Vuoi sostituirlo?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SchedaAggiungiTogli</name>
    <message>
        <source>VISUALIZZA %1° ESERCIZIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esercizio %1, %2 insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel riquadro accanto aggiungi elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel riquadro accanto togli elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona  stampante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selezione stampante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SCHEDA: costruire l&apos;insieme  consecutivo maggiore - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> situazione iniziale: secondo  insieme suvvalente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme prevalente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completa la scheda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Completa la scheda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>primo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secondo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAutore</name>
    <message>
        <source>Autore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOperativo</name>
    <message>
        <source>AGGIUNGI (+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOGLI (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERIFICA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVANTI &gt;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme consecutivo maggiore       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COSTRUISCI L&apos;INSIEME CHE VIENE DOPO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esito della verifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero dell&apos;esercizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo parziale: secondi impiegati per ogni risposta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo totale: secondi impiegati per ogni esercizio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ti aiuto ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervengo io</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primo insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSchedeClasse</name>
    <message>
        <source>Schede per la classe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quante schede diverse?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quante schede diverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La prima è la scheda sullo schermo, le altre sono nuove; in fondo a ogni pagina c&apos;è il suo numero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivi un numero da %1 a %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStampaSchede</name>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme vuoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VISUALIZZA %1° INSIEME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completa la scheda </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel riquadro accanto disegna l&apos;insieme consecutivo maggiore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primo Insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terzo insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarto insieme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riquadro accanto al %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmStampante</name>
    <message>
        <source>Form1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampante predefinita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampante scelta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampanti installate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scelta della stampante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il servizio di stampa non risponde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna stampante installata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La stampante predefinita è <byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La stampante scelta è <byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
