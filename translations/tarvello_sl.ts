<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="it_IT">
<context>
    <name>Accessibilita</name>
    <message>
        <source>%1: vuoto</source>
        <translation>%1: prazna</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n figure</source>
        <translation>
            <numerusform>%1: %n sličica</numerusform>
            <numerusform>%1: %n sličici</numerusform>
            <numerusform>%1: %n sličice</numerusform>
            <numerusform>%1: %n sličic</numerusform>
        </translation>
    </message>
    <message>
        <source>figura</source>
        <translation>sličica</translation>
    </message>
</context>
<context>
    <name>AccessoRegistro</name>
    <message>
        <source>Il registro %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>Dnevnik %1 je iz novejše različice programa: posodobi Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>Datoteka %1 ni dnevnik programa Tarvello.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>Dnevnika %1 ni mogoče odpreti: %2</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>Šolski dnevnik %1 je iz novejše različice programa: posodobi Tarvello.</translation>
    </message>
    <message>
        <source>Il database %1 non è un registro di Tarvello: contiene le tabelle di un altro programma.</source>
        <translation>Podatkovna zbirka %1 ni dnevnik programa Tarvello: vsebuje tabele drugega programa.</translation>
    </message>
    <message>
        <source>Scrivi la password del ruolo %1 per il registro della scuola %2.</source>
        <translation>Vpiši geslo vloge %1 za šolski dnevnik %2.</translation>
    </message>
    <message>
        <source>La password del ruolo %1 per il registro della scuola %2 non è giusta.</source>
        <translation>Geslo vloge %1 za šolski dnevnik %2 ni pravilno.</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non c&apos;è: il server non ha il database %2. Chiedi al tecnico.</source>
        <translation>Šolskega dnevnika %1 ni: strežnik nima podatkovne zbirke %2. Vprašaj tehnika.</translation>
    </message>
    <message>
        <source>Il ruolo %1 non ha i permessi per il registro della scuola %2. Chiedi al tecnico. (%3)</source>
        <translation>Vloga %1 nima pravic za šolski dnevnik %2. Vprašaj tehnika. (%3)</translation>
    </message>
    <message>
        <source>Il server del registro della scuola %1 non risponde: controlla la rete o chiedi al tecnico. (%2)</source>
        <translation>Strežnik šolskega dnevnika %1 se ne odziva: preveri omrežje ali vprašaj tehnika. (%2)</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non si può aprire: %2</source>
        <translation>Šolskega dnevnika %1 ni mogoče odpreti: %2</translation>
    </message>
</context>
<context>
    <name>Anagrafe</name>
    <message>
        <source>la classe non è più nel registro della scuola.</source>
        <translation>razreda ni več v šolskem dnevniku.</translation>
    </message>
</context>
<context>
    <name>Avvio</name>
    <message>
        <source>La lingua del programma: %1.</source>
        <translation>Jezik programa: %1.</translation>
    </message>
    <message>
        <source>Esercizi sull&apos;insieme che viene dopo un insieme dato</source>
        <translation>Vaje o naslednji množici dane množice</translation>
    </message>
    <message>
        <source>Il registro in cui sono tenute le risposte: un file, o il server della scuola (postgresql://utente@host/database).</source>
        <translation>Dnevnik, v katerem so shranjeni odgovori: datoteka ali šolski strežnik (postgresql://uporabnik@gostitelj/baza).</translation>
    </message>
    <message>
        <source>Scrive ogni risposta del registro nel file CSV indicato ed esce.</source>
        <translation>Zapiše vse odgovore iz dnevnika v navedeno datoteko CSV in konča.</translation>
    </message>
    <message>
        <source>Apre il registro dell&apos;insegnante.</source>
        <translation>Odpre učiteljev dnevnik.</translation>
    </message>
    <message>
        <source>Indirizzo del registro non valido: %1</source>
        <translation>Naslov dnevnika ni veljaven: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Lingue disponibili: %2.</source>
        <translation>Neznan jezik: %1. Razpoložljivi jeziki: %2.</translation>
    </message>
    <message>
        <source>Nessun server della scuola indicato: --prepara-registro vuole --registro postgresql://utente@host/database.</source>
        <translation>Šolski strežnik ni naveden: --prepara-registro potrebuje --registro postgresql://uporabnik@gostitelj/baza.</translation>
    </message>
    <message>
        <source>Registro della scuola pronto: %1 (versione %2).</source>
        <translation>Šolski dnevnik je pripravljen: %1 (različica %2).</translation>
    </message>
    <message>
        <source>Il registro su %1 è di una versione più recente di questo programma (%2): non è stato cambiato.</source>
        <translation>Dnevnik na %1 je iz novejše različice tega programa (%2): ni bil spremenjen.</translation>
    </message>
    <message>
        <source>Il database %1 contiene già le tabelle di un altro programma: il registro non vi è stato preparato.</source>
        <translation>Podatkovna zbirka %1 že vsebuje tabele drugega programa: dnevnik v njej ni bil pripravljen.</translation>
    </message>
    <message>
        <source>Impossibile preparare il registro su %1: %2</source>
        <translation>Dnevnika na %1 ni bilo mogoče pripraviti: %2</translation>
    </message>
    <message>
        <source>Prepara il registro sul server della scuola indicato con --registro ed esce.</source>
        <translation>Pripravi dnevnik na šolskem strežniku, navedenem z --registro, in konča.</translation>
    </message>
    <message>
        <source>Il server della scuola scritto nelle impostazioni di questo PC non si può usare (%1): è aperto il registro di questo PC. Chiedi al tecnico.</source>
        <translation>Šolskega strežnika, navedenega v nastavitvah tega računalnika, ni mogoče uporabiti (%1): odprt je dnevnik tega računalnika. Vprašaj tehnika.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Esercizi sugli insiemi</source>
        <translation>Vaje z množicami</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme che viene dopo: esercizi e schede per la scuola primaria</source>
        <translation>Sestavi naslednjo množico: vaje in delovni listi za osnovno šolo</translation>
    </message>
</context>
<context>
    <name>Esercizio</name>
    <message>
        <source>E s a t t o</source>
        <translation>T o č n o</translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation>N a r o b e</translation>
    </message>
    <message>
        <source>Secondo insieme vuoto - Inserisci elementi</source>
        <translation>Druga množica prazna - Vstavi elemente</translation>
    </message>
    <message>
        <source>Secondo insieme suvvalente - Aggiungi elementi</source>
        <translation>Druga množica premajhna - Dodaj elemente</translation>
    </message>
    <message>
        <source>Secondo insieme prevalente - Togli elementi</source>
        <translation>Druga množica prevelika - Odvzemi elemente</translation>
    </message>
</context>
<context>
    <name>Esporta</name>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>Datoteke %1 ni mogoče zapisati: %2</translation>
    </message>
    <message>
        <source>Il registro %1 non c&apos;è.</source>
        <translation>Dnevnik %1 ne obstaja.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>Dnevnika %1 ni mogoče odpreti: %2</translation>
    </message>
    <message>
        <source>Il registro %1 è di una versione di Tarvello più recente.</source>
        <translation>Dnevnik %1 je iz novejše različice programa Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>Datoteka %1 ni dnevnik programa Tarvello.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può leggere.</source>
        <translation>Dnevnika %1 ni mogoče prebrati.</translation>
    </message>
</context>
<context>
    <name>FinestraScheda</name>
    <message>
        <source>Prima parte</source>
        <translation>Prvi del</translation>
    </message>
    <message>
        <source>Seconda parte</source>
        <translation>Drugi del</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>NATISNI</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>IZHOD</translation>
    </message>
    <message>
        <source>Stampa per la classe...</source>
        <translation>Natisni za razred...</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Shrani PDF...</translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation>Delovni list %1 od %2</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Tiskanje poteka: počakaj.</translation>
    </message>
    <message>
        <source>Salvataggio in corso: attendi.</source>
        <translation>Shranjevanje poteka: počakaj.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Shrani PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Dokumenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Datoteke %1 ni bilo mogoče shraniti.</translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation>Prikaži prvi del</translation>
    </message>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation>Prikaži drugi del</translation>
    </message>
</context>
<context>
    <name>FrmChiSei</name>
    <message>
        <source>Chi sei?</source>
        <translation>Kdo si?</translation>
    </message>
    <message>
        <source>Non sono nell&apos;elenco</source>
        <translation>Nisem na seznamu</translation>
    </message>
</context>
<context>
    <name>FrmInizio</name>
    <message>
        <source>INSIEME VUOTO (  )</source>
        <translation>PRAZNA MNOŽICA (  )</translation>
    </message>
    <message>
        <source>AGGIUNGI ELEMENTI (+)</source>
        <translation>DODAJ ELEMENTE (+)</translation>
    </message>
    <message>
        <source>TOGLI ELEMENTI (-)</source>
        <translation>ODVZEMI ELEMENTE (-)</translation>
    </message>
    <message>
        <source>E S C I </source>
        <translation>I Z H O D </translation>
    </message>
    <message>
        <source>GLI INSIEMI</source>
        <translation>MNOŽICE</translation>
    </message>
    <message>
        <source>TARVELLO</source>
        <translation>TARVELLO</translation>
    </message>
    <message>
        <source>Segno bianco: insieme vuoto</source>
        <translation>Bela oznaka: prazna množica</translation>
    </message>
    <message>
        <source>Segno rosso: aggiungi elementi</source>
        <translation>Rdeča oznaka: dodaj elemente</translation>
    </message>
    <message>
        <source>Segno verde: togli elementi</source>
        <translation>Zelena oznaka: odvzemi elemente</translation>
    </message>
    <message>
        <source>Realizzato dagli sviluppatori di Tarvello</source>
        <translation>Izdelali razvijalci programa Tarvello</translation>
    </message>
    <message>
        <source>Un insieme di dieci alberi</source>
        <translation>Množica desetih dreves</translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation>Natisni delovne liste</translation>
    </message>
    <message>
        <source>insieme vuoto</source>
        <translation>prazna množica</translation>
    </message>
    <message>
        <source>aggiungi elementi</source>
        <translation>dodaj elemente</translation>
    </message>
    <message>
        <source>togli elementi</source>
        <translation>odvzemi elemente</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programu</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi</source>
        <translation>Na začetku: druga  množica je prazna - Vstaviti moraš elemente</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi</source>
        <translation>Na začetku: druga  množica je premajhna - Dodati moraš elemente</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi</source>
        <translation>Na začetku: druga  množica je prevelika - Odvzeti moraš elemente</translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>Registro di Tarvello</source>
        <translation>Dnevnik Tarvello</translation>
    </message>
    <message>
        <source>PIN, di nuovo</source>
        <translation>PIN, še enkrat</translation>
    </message>
    <message>
        <source>Scrivi di nuovo il PIN:</source>
        <translation>Še enkrat vpiši PIN:</translation>
    </message>
    <message>
        <source>PIN errato. Riprova.</source>
        <translation>Napačen PIN. Poskusi znova.</translation>
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
        <translation>Prebrano</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Razred</translation>
    </message>
    <message>
        <source>Dal giorno</source>
        <translation>Od dne</translation>
    </message>
    <message>
        <source>Al giorno</source>
        <translation>Do dne</translation>
    </message>
    <message>
        <source>&amp;Tutto il registro</source>
        <translation>&amp;Ves dnevnik</translation>
    </message>
    <message>
        <source>&amp;Classe:</source>
        <translation>&amp;Razred:</translation>
    </message>
    <message>
        <source>&amp;dal</source>
        <translation>&amp;od</translation>
    </message>
    <message>
        <source>&amp;al</source>
        <translation>&amp;do</translation>
    </message>
    <message>
        <source>Riepilogo della classe</source>
        <translation>Povzetek razreda</translation>
    </message>
    <message>
        <source>Un alunno per riga; Invio o doppio clic mostra il suo grafico.</source>
        <translation>En učenec v vrstici; Enter ali dvojni klik pokaže njegov graf.</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;Nov razred...</translation>
    </message>
    <message>
        <source>Aggiungi a&amp;lunni...</source>
        <translation>Dodaj &amp;učence...</translation>
    </message>
    <message>
        <source>Classe di &amp;questo PC...</source>
        <translation>Razred &amp;tega računalnika...</translation>
    </message>
    <message>
        <source>&amp;Elimina alunno...</source>
        <translation>&amp;Izbriši učenca...</translation>
    </message>
    <message>
        <source>Elimina risposte &amp;prima di...</source>
        <translation>Izbriši odgovore &amp;pred...</translation>
    </message>
    <message>
        <source>Esp&amp;orta CSV...</source>
        <translation>I&amp;zvozi CSV...</translation>
    </message>
    <message>
        <source>Tutte le risposte della classe</source>
        <translation>Vsi odgovori razreda</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>N&amp;atisni...</translation>
    </message>
    <message>
        <source>Salva PD&amp;F...</source>
        <translation>Shrani PD&amp;F...</translation>
    </message>
    <message>
        <source>Il registro non risponde: forse un altro programma lo tiene occupato. Riprova tra poco.</source>
        <translation>Dnevnik se ne odziva: morda ga zaseda drug program. Kmalu poskusi znova.</translation>
    </message>
    <message>
        <source>Lettura del registro...</source>
        <translation>Berem dnevnik...</translation>
    </message>
    <message>
        <source>È la prima apertura del registro: scegli un PIN da %1 a %2 cifre. Senza il PIN il registro non si apre, e il programma non lo può recuperare.</source>
        <translation>Dnevnik se odpira prvič: izberi PIN, ki ima od %1 do %2 števk. Brez PIN-a se dnevnik ne odpre, program pa PIN-a ne more obnoviti.</translation>
    </message>
    <message>
        <source>Scrivi il PIN del registro.</source>
        <translation>Vpiši PIN dnevnika.</translation>
    </message>
    <message>
        <source>&amp;Imposta il PIN</source>
        <translation>&amp;Nastavi PIN</translation>
    </message>
    <message>
        <source>&amp;Entra</source>
        <translation>&amp;Vstopi</translation>
    </message>
    <message>
        <source>Il PIN ha da %1 a %2 cifre.</source>
        <translation>PIN ima od %1 do %2 števk.</translation>
    </message>
    <message>
        <source>I due PIN non sono uguali: scrivili di nuovo.</source>
        <translation>PIN-a se ne ujemata: vpiši ju znova.</translation>
    </message>
    <message>
        <source>Il PIN non si può salvare: %1</source>
        <translation>PIN-a ni mogoče shraniti: %1</translation>
    </message>
    <message>
        <source>Verifica del PIN...</source>
        <translation>Preverjam PIN...</translation>
    </message>
    <message>
        <source>PIN errato. Potrai riprovare tra %1 secondi.</source>
        <translation>Napačen PIN. Znova lahko poskusiš čez %1 s.</translation>
    </message>
    <message>
        <source>Classe di questo PC: nessuna («Chi sei?» spento)</source>
        <translation>Razred tega računalnika: noben (»Kdo si?« izklopljen)</translation>
    </message>
    <message>
        <source>Classe di questo PC: %1</source>
        <translation>Razred tega računalnika: %1</translation>
    </message>
    <message>
        <source>Il registro non ha classi: comincia con «Nuova classe...».</source>
        <translation>Dnevnik nima razredov: začni z »Nov razred...«.</translation>
    </message>
    <message>
        <source>La classe %1 non ha alunni: aggiungili con «Aggiungi alunni...».</source>
        <translation>Razred %1 nima učencev: dodaj jih z »Dodaj učence...«.</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>Nov razred</translation>
    </message>
    <message>
        <source>Nome della classe (per esempio 3A):</source>
        <translation>Ime razreda (na primer 3.A):</translation>
    </message>
    <message>
        <source>La classe %1 non si può creare: forse c&apos;è già.</source>
        <translation>Razreda %1 ni mogoče ustvariti: morda že obstaja.</translation>
    </message>
    <message>
        <source>Aggiungi alunni</source>
        <translation>Dodaj učence</translation>
    </message>
    <message>
        <source>Alunni della classe %1, un nome per riga (nome o soprannome, niente altro); si può incollare un elenco:</source>
        <translation>Učenci razreda %1, eno ime v vrstici (ime ali vzdevek, nič drugega); seznam lahko prilepiš:</translation>
    </message>
    <message>
        <source>Gli alunni non si possono aggiungere: %1</source>
        <translation>Učencev ni mogoče dodati: %1</translation>
    </message>
    <message>
        <source>Alunni aggiunti: %1.</source>
        <translation>Dodani učenci: %1.</translation>
    </message>
    <message>
        <source>Nessuna («Chi sei?» spento)</source>
        <translation>Noben (»Kdo si?« izklopljen)</translation>
    </message>
    <message>
        <source>Classe di questo PC</source>
        <translation>Razred tega računalnika</translation>
    </message>
    <message>
        <source>La classe che usa questo PC: all&apos;avvio «Chi sei?» mostra i suoi alunni. Con nessuna, il programma degli alunni non cambia.</source>
        <translation>Razred, ki uporablja ta računalnik: ob zagonu »Kdo si?« pokaže njegove učence. Če razreda ni, se program za učence ne spremeni.</translation>
    </message>
    <message>
        <source>La scelta non si può salvare: %1</source>
        <translation>Izbire ni mogoče shraniti: %1</translation>
    </message>
    <message>
        <source>Scegli prima nella tabella l&apos;alunno da eliminare.</source>
        <translation>Najprej v tabeli izberi učenca, ki ga želiš izbrisati.</translation>
    </message>
    <message>
        <source>Eliminare %1 e tutte le sue risposte? Non si potranno recuperare.</source>
        <translation>Želiš izbrisati učenca %1 in vse njegove odgovore? Ne bo jih mogoče obnoviti.</translation>
    </message>
    <message>
        <source>%1 non si può eliminare: %2</source>
        <translation>Učenca %1 ni mogoče izbrisati: %2</translation>
    </message>
    <message>
        <source>%1 è stato eliminato.</source>
        <translation>Izbrisano: %1.</translation>
    </message>
    <message>
        <source>Elimina risposte</source>
        <translation>Izbriši odgovore</translation>
    </message>
    <message>
        <source>Elimina le risposte date prima del giorno</source>
        <translation>Izbriši odgovore, dane pred dnem</translation>
    </message>
    <message>
        <source>Le risposte di tutte le classi date prima del giorno scelto saranno eliminate.</source>
        <translation>Odgovori vseh razredov, dani pred izbranim dnem, bodo izbrisani.</translation>
    </message>
    <message>
        <source>Prima del giorno:</source>
        <translation>Pred dnem:</translation>
    </message>
    <message>
        <source>Eliminare tutte le risposte date prima del %1, di tutte le classi? Non si potranno recuperare.</source>
        <translation>Želiš izbrisati vse odgovore vseh razredov, dane pred %1? Ne bo jih mogoče obnoviti.</translation>
    </message>
    <message>
        <source>Le risposte non si possono eliminare: %1</source>
        <translation>Odgovorov ni mogoče izbrisati: %1</translation>
    </message>
    <message>
        <source>Risposte eliminate: %1.</source>
        <translation>Izbrisani odgovori: %1.</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Izvozi CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Datoteke CSV (*.csv)</translation>
    </message>
    <message>
        <source>Salvato %1.</source>
        <translation>Shranjeno: %1.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Datoteke %1 ni bilo mogoče shraniti.</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Tiskanje poteka: počakaj.</translation>
    </message>
    <message>
        <source>Riepilogo mandato alla stampante %1.</source>
        <translation>Povzetek je poslan tiskalniku %1.</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Težava pri tiskanju na uporabljenem tiskalniku.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Shrani PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Dokumenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Geslo</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Geslo:</translation>
    </message>
    <message>
        <source>&amp;Riprova</source>
        <translation>&amp;Poskusi znova</translation>
    </message>
    <message>
        <source>Registro della scuola: %1</source>
        <translation>Šolski dnevnik: %1</translation>
    </message>
    <message>
        <source>Collegamento al server...</source>
        <translation>Povezujem se s strežnikom...</translation>
    </message>
    <message>
        <source>Risposte di questo PC ancora da inviare: %1</source>
        <translation>Še neposlani odgovori tega računalnika: %1</translation>
    </message>
    <message>
        <source>I suoi alunni sono copiati dal registro della scuola in questo PC.</source>
        <translation>Njegovi učenci se prekopirajo iz šolskega dnevnika v ta računalnik.</translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Grafico</source>
        <translation>Graf</translation>
    </message>
    <message>
        <source>Grafico di %1</source>
        <translation>Graf: %1</translation>
    </message>
    <message>
        <source>Apri un alunno della tabella (doppio clic o Invio) per vedere i suoi giorni.</source>
        <translation>Odpri učenca v tabeli (dvojni klik ali Enter), da vidiš njegove dneve.</translation>
    </message>
    <message>
        <source>%1 non ha risposte nei giorni scelti.</source>
        <translation>%1 nima odgovorov v izbranih dneh.</translation>
    </message>
    <message>
        <source>%1. Giorni con risposte: %2; risposte esatte: %3, errate: %4.</source>
        <translation>%1. Dnevi z odgovori: %2; pravilni odgovori: %3, napačni: %4.</translation>
    </message>
    <message>
        <source>secondi (mediana)</source>
        <translation>sekunde (mediana)</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>napačni</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>pravilni</translation>
    </message>
</context>
<context>
    <name>ModelloRiepilogo</name>
    <message>
        <source>Alunno</source>
        <translation>Učenec</translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation>Vaje</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Pravilni</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Napačni</translation>
    </message>
    <message>
        <source>Esatte al primo colpo</source>
        <translation>Takoj pravilni</translation>
    </message>
    <message>
        <source>Aiuti</source>
        <translation>Pomoč</translation>
    </message>
    <message>
        <source>Interventi</source>
        <translation>Posegi</translation>
    </message>
    <message>
        <source>Secondi (mediana)</source>
        <translation>Sekunde (mediana)</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Zadnji dan</translation>
    </message>
</context>
<context>
    <name>PaginaRegistro</name>
    <message>
        <source>Tutto il registro</source>
        <translation>Ves dnevnik</translation>
    </message>
    <message>
        <source>Fino al %1</source>
        <translation>Do %1</translation>
    </message>
    <message>
        <source>Dal %1</source>
        <translation>Od %1</translation>
    </message>
    <message>
        <source>Dal %1 al %2</source>
        <translation>Od %1 do %2</translation>
    </message>
    <message>
        <source>Registro di Tarvello - classe %1</source>
        <translation>Dnevnik Tarvello - razred %1</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <translation>Natisnjeno %1</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Stran %1 od %2</translation>
    </message>
    <message>
        <source>La classe non ha alunni.</source>
        <translation>Razred nima učencev.</translation>
    </message>
</context>
<context>
    <name>PaginaScheda</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation>Ime in priimek   </translation>
    </message>
    <message>
        <source>Tarvello - schede per la classe</source>
        <translation>Tarvello - delovni listi za razred</translation>
    </message>
    <message>
        <source>Tarvello - scheda</source>
        <translation>Tarvello - delovni list</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Težava pri tiskanju na uporabljenem tiskalniku.</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Il nome scelto è quello di una cartella.</source>
        <translation>Izbrano ime je ime mape.</translation>
    </message>
    <message>
        <source>La cartella %1 non esiste.</source>
        <translation>Mapa %1 ne obstaja.</translation>
    </message>
    <message>
        <source>Nella cartella scelta non si può scrivere.</source>
        <translation>V izbrano mapo ni mogoče pisati.</translation>
    </message>
    <message>
        <source>Il disco è pieno o non accetta la scrittura.</source>
        <translation>Disk je poln ali ne dovoli pisanja.</translation>
    </message>
    <message>
        <source>Il file esistente non si può sostituire.</source>
        <translation>Obstoječe datoteke ni mogoče zamenjati.</translation>
    </message>
</context>
<context>
    <name>Registratore</name>
    <message>
        <source>Il registro era guasto: è stato messo da parte come %1 e ne è stato iniziato uno nuovo.</source>
        <translation>Dnevnik je bil poškodovan: shranjen je bil kot %1, začet pa je bil nov.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 esiste già.
Vuoi sostituirlo?</source>
        <translation>%1 že obstaja.
Ga želiš zamenjati?</translation>
    </message>
</context>
<context>
    <name>SchedaAggiungiTogli</name>
    <message>
        <source>VISUALIZZA %1° ESERCIZIO</source>
        <translation>PRIKAŽI %1. VAJO</translation>
    </message>
    <message>
        <source>Esercizio %1, %2 insieme</source>
        <translation>Vaja %1, %2 množica</translation>
    </message>
    <message>
        <source>Nel riquadro accanto aggiungi elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>V okvirček zraven dodaj elemente, da nastane naslednja množica</translation>
    </message>
    <message>
        <source>Nel riquadro accanto togli elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>V okvirček zraven odvzemi elemente, da nastane naslednja množica</translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation>PREDOGLED DELOVNEGA LISTA         </translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>PREDOGLED DELOVNEGA LISTA          </translation>
    </message>
    <message>
        <source>Seleziona  stampante</source>
        <translation>Izberi  tiskalnik</translation>
    </message>
    <message>
        <source>Selezione stampante</source>
        <translation>Izbira tiskalnika</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> DELOVNI LIST: SESTAVI NASLEDNJO MNOŽICO</translation>
    </message>
    <message>
        <source> SCHEDA: costruire l&apos;insieme  consecutivo maggiore - </source>
        <translation> DELOVNI LIST: sestavi  naslednjo množico - </translation>
    </message>
    <message>
        <source> situazione iniziale: secondo  insieme suvvalente</source>
        <translation> na začetku: druga  množica premajhna</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme prevalente</source>
        <translation> na začetku: druga množica prevelika</translation>
    </message>
    <message>
        <source>Completa la scheda</source>
        <translation>Dopolni delovni list</translation>
    </message>
    <message>
        <source> Completa la scheda</source>
        <translation> Dopolni delovni list</translation>
    </message>
    <message>
        <source>primo</source>
        <translation>prva</translation>
    </message>
    <message>
        <source>secondo</source>
        <translation>druga</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>non è un indirizzo postgresql://utente@host:porta/database: %1</source>
        <translation>to ni naslov oblike postgresql://uporabnik@gostitelj:vrata/zbirka: %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo contiene una password: va messa in ~/.pgpass</source>
        <translation>naslov vsebuje geslo: to sodi v ~/.pgpass</translation>
    </message>
    <message>
        <source>un&apos;opzione dell&apos;indirizzo non si può passare al server: %1</source>
        <translation>možnosti iz naslova ni mogoče posredovati strežniku: %1</translation>
    </message>
    <message>
        <source>porta fuori dai limiti (da 1 a 65535): %1</source>
        <translation>vrata zunaj obsega (od 1 do 65535): %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo non indica il database: %1</source>
        <translation>naslov ne navaja podatkovne zbirke: %1</translation>
    </message>
</context>
<context>
    <name>frmAutore</name>
    <message>
        <source>Autore</source>
        <translation>Avtor</translation>
    </message>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation>Spletna stran avtorja:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-pošta:</translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation>Z a p r i</translation>
    </message>
</context>
<context>
    <name>frmOperativo</name>
    <message>
        <source>AGGIUNGI (+)</source>
        <translation>DODAJ (+)</translation>
    </message>
    <message>
        <source>TOGLI (-)</source>
        <translation>ODVZEMI (-)</translation>
    </message>
    <message>
        <source>VERIFICA</source>
        <translation>PREVERI</translation>
    </message>
    <message>
        <source>AVANTI &gt;&gt;&gt;</source>
        <translation>NAPREJ &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>IZHOD</translation>
    </message>
    <message>
        <source>Oper</source>
        <translation>Vaja</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation> Pravilni odgovori</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation> Napačni odgovori</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation>Delni čas</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Skupni čas</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme consecutivo maggiore       </source>
        <translation>Sestavi naslednjo množico       </translation>
    </message>
    <message>
        <source>COSTRUISCI L&apos;INSIEME CHE VIENE DOPO</source>
        <translation>SESTAVI NASLEDNJO MNOŽICO</translation>
    </message>
    <message>
        <source>Esito della verifica</source>
        <translation>Izid preverjanja</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Sekunde za vsak odgovor</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Sekunde za vsako vajo</translation>
    </message>
    <message>
        <source>Numero dell&apos;esercizio</source>
        <translation>Številka vaje</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Pravilni odgovori</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Napačni odgovori</translation>
    </message>
    <message>
        <source>Tempo parziale: secondi impiegati per ogni risposta</source>
        <translation>Delni čas: sekunde za vsak odgovor</translation>
    </message>
    <message>
        <source>Tempo totale: secondi impiegati per ogni esercizio</source>
        <translation>Skupni čas: sekunde za vsako vajo</translation>
    </message>
    <message>
        <source>Ti aiuto ?</source>
        <translation>Ti pomagam ?</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>DA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>Intervengo io</source>
        <translation>Pomagam ti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Primo insieme</source>
        <translation>Prva množica</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Druga množica</translation>
    </message>
</context>
<context>
    <name>frmSchedeClasse</name>
    <message>
        <source>Schede per la classe</source>
        <translation>Delovni listi za razred</translation>
    </message>
    <message>
        <source>Quante schede diverse?</source>
        <translation>Koliko različnih listov?</translation>
    </message>
    <message>
        <source>Quante schede diverse</source>
        <translation>Koliko različnih delovnih listov</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>La prima è la scheda sullo schermo, le altre sono nuove; in fondo a ogni pagina c&apos;è il suo numero.</source>
        <translation>Prvi je delovni list na zaslonu, drugi so novi; na dnu vsake strani je njena številka.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Natisni</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Shrani PDF...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Scrivi un numero da %1 a %2.</source>
        <translation>Vpiši število od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>frmStampaSchede</name>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>PREDOGLED DELOVNEGA LISTA          </translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation>Izberi tiskalnik</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> DELOVNI LIST: SESTAVI NASLEDNJO MNOŽICO</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme vuoto</source>
        <translation> na začetku: druga množica prazna</translation>
    </message>
    <message>
        <source>VISUALIZZA %1° INSIEME</source>
        <translation>PRIKAŽI %1. MNOŽICO</translation>
    </message>
    <message>
        <source>Completa la scheda </source>
        <translation>Dopolni delovni list </translation>
    </message>
    <message>
        <source>Nel riquadro accanto disegna l&apos;insieme consecutivo maggiore</source>
        <translation>V okvirček zraven nariši naslednjo množico</translation>
    </message>
    <message>
        <source>Primo Insieme</source>
        <translation>Prva množica</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Druga množica</translation>
    </message>
    <message>
        <source>Terzo insieme</source>
        <translation>Tretja množica</translation>
    </message>
    <message>
        <source>Quarto insieme</source>
        <translation>Četrta množica</translation>
    </message>
    <message>
        <source>Riquadro accanto al %1</source>
        <translation>Okvirček zraven (%1)</translation>
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
        <translation>Privzeti tiskalnik</translation>
    </message>
    <message>
        <source>Stampante scelta</source>
        <translation>Izbrani tiskalnik</translation>
    </message>
    <message>
        <source>Stampanti installate</source>
        <translation>Nameščeni tiskalniki</translation>
    </message>
    <message>
        <source>Scelta della stampante</source>
        <translation>Izbira tiskalnika</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>Z A P R I</translation>
    </message>
    <message>
        <source>Il servizio di stampa non risponde</source>
        <translation>Storitev tiskanja se ne odziva</translation>
    </message>
    <message>
        <source>Nessuna stampante installata</source>
        <translation>Ni nameščenega tiskalnika</translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation>Ni privzetega tiskalnika</translation>
    </message>
    <message>
        <source>La stampante predefinita è <byte value="xd"/>
%1</source>
        <translation>Privzeti tiskalnik je <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La stampante scelta è <byte value="xd"/>
%1</source>
        <translation>Izbrani tiskalnik je <byte value="xd"/>
%1</translation>
    </message>
</context>
</TS>
