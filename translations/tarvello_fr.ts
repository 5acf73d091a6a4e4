<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it_IT">
<context>
    <name>Accessibilita</name>
    <message>
        <source>%1: vuoto</source>
        <translation>%1&#xa0;: vide</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n figure</source>
        <translation>
            <numerusform>%1&#xa0;: %n image</numerusform>
            <numerusform>%1&#xa0;: %n images</numerusform>
        </translation>
    </message>
    <message>
        <source>figura</source>
        <translation>image</translation>
    </message>
</context>
<context>
    <name>AccessoRegistro</name>
    <message>
        <source>Il registro %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>Le registre %1 vient d&apos;une version plus récente du programme&#xa0;: mettez Tarvello à jour.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>Le fichier %1 n&apos;est pas un registre de Tarvello.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 è di una versione più nuova del programma: aggiorna Tarvello.</source>
        <translation>Le registre de l&apos;école %1 vient d&apos;une version plus récente du programme&#xa0;: mettez Tarvello à jour.</translation>
    </message>
    <message>
        <source>Il database %1 non è un registro di Tarvello: contiene le tabelle di un altro programma.</source>
        <translation>La base de données %1 n&apos;est pas un registre de Tarvello&#xa0;: elle contient les tables d&apos;un autre programme.</translation>
    </message>
    <message>
        <source>Scrivi la password del ruolo %1 per il registro della scuola %2.</source>
        <translation>Tapez le mot de passe du rôle %1 pour le registre de l&apos;école %2.</translation>
    </message>
    <message>
        <source>La password del ruolo %1 per il registro della scuola %2 non è giusta.</source>
        <translation>Le mot de passe du rôle %1 pour le registre de l&apos;école %2 est incorrect.</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non c&apos;è: il server non ha il database %2. Chiedi al tecnico.</source>
        <translation>Le registre de l&apos;école %1 n&apos;existe pas&#xa0;: le serveur n&apos;a pas de base de données %2. Demandez au technicien.</translation>
    </message>
    <message>
        <source>Il ruolo %1 non ha i permessi per il registro della scuola %2. Chiedi al tecnico. (%3)</source>
        <translation>Le rôle %1 n&apos;a pas les droits sur le registre de l&apos;école %2. Demandez au technicien. (%3)</translation>
    </message>
    <message>
        <source>Il server del registro della scuola %1 non risponde: controlla la rete o chiedi al tecnico. (%2)</source>
        <translation>Le serveur du registre de l&apos;école %1 ne répond pas&#xa0;: vérifiez le réseau ou demandez au technicien. (%2)</translation>
    </message>
    <message>
        <source>Il registro della scuola %1 non si può aprire: %2</source>
        <translation>Le registre de l&apos;école %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Anagrafe</name>
    <message>
        <source>la classe non è più nel registro della scuola.</source>
        <translation>la classe n&apos;est plus dans le registre de l&apos;école.</translation>
    </message>
</context>
<context>
    <name>Avvio</name>
    <message>
        <source>La lingua del programma: %1.</source>
        <translation>La langue du programme&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Esercizi sull&apos;insieme che viene dopo un insieme dato</source>
        <translation>Exercices sur l&apos;ensemble qui vient après un ensemble donné</translation>
    </message>
    <message>
        <source>Il registro in cui sono tenute le risposte: un file, o il server della scuola (postgresql://utente@host/database).</source>
        <translation>Le registre où sont gardées les réponses&#xa0;: un fichier, ou le serveur de l&apos;école (postgresql://utilisateur@serveur/base).</translation>
    </message>
    <message>
        <source>Scrive ogni risposta del registro nel file CSV indicato ed esce.</source>
        <translation>Écrit chaque réponse du registre dans le fichier CSV indiqué, puis quitte.</translation>
    </message>
    <message>
        <source>Apre il registro dell&apos;insegnante.</source>
        <translation>Ouvre le registre de l&apos;enseignant.</translation>
    </message>
    <message>
        <source>Indirizzo del registro non valido: %1</source>
        <translation>Adresse du registre non valable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lingua sconosciuta: %1. Lingue disponibili: %2.</source>
        <translation>Langue inconnue&#xa0;: %1. Langues disponibles&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Nessun server della scuola indicato: --prepara-registro vuole --registro postgresql://utente@host/database.</source>
        <translation>Aucun serveur de l&apos;école indiqué&#xa0;: --prepara-registro demande --registro postgresql://utilisateur@serveur/base.</translation>
    </message>
    <message>
        <source>Registro della scuola pronto: %1 (versione %2).</source>
        <translation>Registre de l&apos;école prêt&#xa0;: %1 (version %2).</translation>
    </message>
    <message>
        <source>Il registro su %1 è di una versione più recente di questo programma (%2): non è stato cambiato.</source>
        <translation>Le registre sur %1 vient d&apos;une version plus récente de ce programme (%2)&#xa0;: il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Il database %1 contiene già le tabelle di un altro programma: il registro non vi è stato preparato.</source>
        <translation>La base de données %1 contient déjà les tables d&apos;un autre programme&#xa0;: le registre n&apos;y a pas été préparé.</translation>
    </message>
    <message>
        <source>Impossibile preparare il registro su %1: %2</source>
        <translation>Impossible de préparer le registre sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Prepara il registro sul server della scuola indicato con --registro ed esce.</source>
        <translation>Prépare le registre sur le serveur de l&apos;école indiqué avec --registro, puis quitte.</translation>
    </message>
    <message>
        <source>Il server della scuola scritto nelle impostazioni di questo PC non si può usare (%1): è aperto il registro di questo PC. Chiedi al tecnico.</source>
        <translation>Le serveur de l&apos;école indiqué dans les réglages de ce PC est inutilisable (%1)&#xa0;: c&apos;est le registre de ce PC qui est ouvert. Demandez au technicien.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Esercizi sugli insiemi</source>
        <translation>Exercices sur les ensembles</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme che viene dopo: esercizi e schede per la scuola primaria</source>
        <translation>Construis l&apos;ensemble qui vient après&#xa0;: exercices et fiches pour l&apos;école primaire</translation>
    </message>
</context>
<context>
    <name>Esercizio</name>
    <message>
        <source>E s a t t o</source>
        <translation>J u s t e</translation>
    </message>
    <message>
        <source>E r r a t o</source>
        <translation>F a u x</translation>
    </message>
    <message>
        <source>Secondo insieme vuoto - Inserisci elementi</source>
        <translation>Deuxième ensemble vide - Mets des éléments</translation>
    </message>
    <message>
        <source>Secondo insieme suvvalente - Aggiungi elementi</source>
        <translation>Deuxième ensemble trop petit - Ajoute des éléments</translation>
    </message>
    <message>
        <source>Secondo insieme prevalente - Togli elementi</source>
        <translation>Deuxième ensemble trop grand - Enlève des éléments</translation>
    </message>
</context>
<context>
    <name>Esporta</name>
    <message>
        <source>Il file %1 non si può scrivere: %2</source>
        <translation>Le fichier %1 ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>Il registro %1 non c&apos;è.</source>
        <translation>Le registre %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può aprire: %2</source>
        <translation>Le registre %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>Il registro %1 è di una versione di Tarvello più recente.</source>
        <translation>Le registre %1 vient d&apos;une version plus récente de Tarvello.</translation>
    </message>
    <message>
        <source>Il file %1 non è un registro di Tarvello.</source>
        <translation>Le fichier %1 n&apos;est pas un registre de Tarvello.</translation>
    </message>
    <message>
        <source>Il registro %1 non si può leggere.</source>
        <translation>Le registre %1 ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>FinestraScheda</name>
    <message>
        <source>Prima parte</source>
        <translation>Première partie</translation>
    </message>
    <message>
        <source>Seconda parte</source>
        <translation>Deuxième partie</translation>
    </message>
    <message>
        <source>STAMPA</source>
        <translation>IMPRIMER</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>SORTIR</translation>
    </message>
    <message>
        <source>Stampa per la classe...</source>
        <translation>Imprimer pour la classe...</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>Créer un PDF...</translation>
    </message>
    <message>
        <source>Scheda %1 di %2</source>
        <translation>Fiche %1 sur %2</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Impression en cours&#xa0;: patientez.</translation>
    </message>
    <message>
        <source>Salvataggio in corso: attendi.</source>
        <translation>Enregistrement en cours&#xa0;: patientez.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1.</translation>
    </message>
    <message>
        <source>Visualizza la prima parte</source>
        <translation>Afficher la première partie</translation>
    </message>
    <message>
        <source>Visualizza la seconda parte</source>
        <translation>Afficher la deuxième partie</translation>
    </message>
</context>
<context>
    <name>FrmChiSei</name>
    <message>
        <source>Chi sei?</source>
        <translation>Qui es-tu&#xa0;?</translation>
    </message>
    <message>
        <source>Non sono nell&apos;elenco</source>
        <translation>Je ne suis pas dans la liste</translation>
    </message>
</context>
<context>
    <name>FrmInizio</name>
    <message>
        <source>INSIEME VUOTO (  )</source>
        <translation>ENSEMBLE VIDE (  )</translation>
    </message>
    <message>
        <source>AGGIUNGI ELEMENTI (+)</source>
        <translation>AJOUTE DES ÉLÉMENTS (+)</translation>
    </message>
    <message>
        <source>TOGLI ELEMENTI (-)</source>
        <translation>ENLÈVE DES ÉLÉMENTS (-)</translation>
    </message>
    <message>
        <source>E S C I </source>
        <translation>S O R T I R </translation>
    </message>
    <message>
        <source>GLI INSIEMI</source>
        <translation>LES ENSEMBLES</translation>
    </message>
    <message>
        <source>TARVELLO</source>
        <translation>TARVELLO</translation>
    </message>
    <message>
        <source>Segno bianco: insieme vuoto</source>
        <translation>Repère blanc&#xa0;: ensemble vide</translation>
    </message>
    <message>
        <source>Segno rosso: aggiungi elementi</source>
        <translation>Repère rouge&#xa0;: ajoute des éléments</translation>
    </message>
    <message>
        <source>Segno verde: togli elementi</source>
        <translation>Repère vert&#xa0;: enlève des éléments</translation>
    </message>
    <message>
        <source>Realizzato dagli sviluppatori di Tarvello</source>
        <translation>Réalisé par les développeurs de Tarvello</translation>
    </message>
    <message>
        <source>Un insieme di dieci alberi</source>
        <translation>Un ensemble de dix arbres</translation>
    </message>
    <message>
        <source>Stampa schede</source>
        <translation>Imprimer des fiches</translation>
    </message>
    <message>
        <source>insieme vuoto</source>
        <translation>ensemble vide</translation>
    </message>
    <message>
        <source>aggiungi elementi</source>
        <translation>ajouter des éléments</translation>
    </message>
    <message>
        <source>togli elementi</source>
        <translation>enlever des éléments</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi</source>
        <translation>Au départ&#xa0;: deuxième  ensemble vide - Tu dois mettre des éléments</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi</source>
        <translation>Au départ&#xa0;: deuxième  ensemble trop petit - Tu dois ajouter des éléments</translation>
    </message>
    <message>
        <source>Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi</source>
        <translation>Au départ&#xa0;: deuxième  ensemble trop grand - Tu dois enlever des éléments</translation>
    </message>
</context>
<context>
    <name>FrmRegistro</name>
    <message>
        <source>Registro di Tarvello</source>
        <translation>Registre de Tarvello</translation>
    </message>
    <message>
        <source>PIN, di nuovo</source>
        <translation>PIN, encore une fois</translation>
    </message>
    <message>
        <source>Scrivi di nuovo il PIN:</source>
        <translation>Retapez le PIN&#xa0;:</translation>
    </message>
    <message>
        <source>PIN errato. Riprova.</source>
        <translation>PIN incorrect. Réessayez.</translation>
    </message>
    <message>
        <source>PIN:</source>
        <translation>PIN&#xa0;:</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Ho letto</source>
        <translation>J&apos;ai lu</translation>
    </message>
    <message>
        <source>Classe</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Dal giorno</source>
        <translation>Depuis le jour</translation>
    </message>
    <message>
        <source>Al giorno</source>
        <translation>Jusqu&apos;au jour</translation>
    </message>
    <message>
        <source>&amp;Tutto il registro</source>
        <translation>&amp;Tout le registre</translation>
    </message>
    <message>
        <source>&amp;Classe:</source>
        <translation>&amp;Classe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;dal</source>
        <translation>&amp;du</translation>
    </message>
    <message>
        <source>&amp;al</source>
        <translation>&amp;au</translation>
    </message>
    <message>
        <source>Riepilogo della classe</source>
        <translation>Bilan de la classe</translation>
    </message>
    <message>
        <source>Un alunno per riga; Invio o doppio clic mostra il suo grafico.</source>
        <translation>Un élève par ligne&#xa0;; Entrée ou un double clic affiche son graphique.</translation>
    </message>
    <message>
        <source>&amp;Nuova classe...</source>
        <translation>&amp;Nouvelle classe...</translation>
    </message>
    <message>
        <source>Aggiungi a&amp;lunni...</source>
        <translation>Ajouter des é&amp;lèves...</translation>
    </message>
    <message>
        <source>Classe di &amp;questo PC...</source>
        <translation>Classe de ce &amp;PC...</translation>
    </message>
    <message>
        <source>&amp;Elimina alunno...</source>
        <translation>&amp;Supprimer un élève...</translation>
    </message>
    <message>
        <source>Elimina risposte &amp;prima di...</source>
        <translation>Effacer des &amp;réponses...</translation>
    </message>
    <message>
        <source>Esp&amp;orta CSV...</source>
        <translation>E&amp;xport CSV...</translation>
    </message>
    <message>
        <source>Tutte le risposte della classe</source>
        <translation>Toutes les réponses de la classe</translation>
    </message>
    <message>
        <source>&amp;Stampa...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Salva PD&amp;F...</source>
        <translation>En PD&amp;F...</translation>
    </message>
    <message>
        <source>Il registro non risponde: forse un altro programma lo tiene occupato. Riprova tra poco.</source>
        <translation>Le registre ne répond pas&#xa0;: un autre programme l&apos;occupe peut-être. Réessayez dans un moment.</translation>
    </message>
    <message>
        <source>Lettura del registro...</source>
        <translation>Lecture du registre...</translation>
    </message>
    <message>
        <source>È la prima apertura del registro: scegli un PIN da %1 a %2 cifre. Senza il PIN il registro non si apre, e il programma non lo può recuperare.</source>
        <translation>Le registre s&apos;ouvre pour la première fois&#xa0;: choisissez un PIN de %1 à %2 chiffres. Sans le PIN, le registre ne s&apos;ouvre pas, et le programme ne peut pas le retrouver.</translation>
    </message>
    <message>
        <source>Scrivi il PIN del registro.</source>
        <translation>Tapez le PIN du registre.</translation>
    </message>
    <message>
        <source>&amp;Imposta il PIN</source>
        <translation>&amp;Définir le PIN</translation>
    </message>
    <message>
        <source>&amp;Entra</source>
        <translation>&amp;Entrer</translation>
    </message>
    <message>
        <source>Il PIN ha da %1 a %2 cifre.</source>
        <translation>Le PIN a de %1 à %2 chiffres.</translation>
    </message>
    <message>
        <source>I due PIN non sono uguali: scrivili di nuovo.</source>
        <translation>Les deux PIN sont différents&#xa0;: retapez-les.</translation>
    </message>
    <message>
        <source>Il PIN non si può salvare: %1</source>
        <translation>Le PIN ne peut pas être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Verifica del PIN...</source>
        <translation>Vérification du PIN...</translation>
    </message>
    <message>
        <source>PIN errato. Potrai riprovare tra %1 secondi.</source>
        <translation>PIN incorrect. Vous pourrez réessayer dans %1 secondes.</translation>
    </message>
    <message>
        <source>Classe di questo PC: nessuna («Chi sei?» spento)</source>
        <translation>Classe de ce PC&#xa0;: aucune («&#xa0;Qui es-tu&#xa0;?&#xa0;» éteint)</translation>
    </message>
    <message>
        <source>Classe di questo PC: %1</source>
        <translation>Classe de ce PC&#xa0;: %1</translation>
    </message>
    <message>
        <source>Il registro non ha classi: comincia con «Nuova classe...».</source>
        <translation>Le registre n&apos;a pas de classe&#xa0;: commencez par «&#xa0;Nouvelle classe...&#xa0;».</translation>
    </message>
    <message>
        <source>La classe %1 non ha alunni: aggiungili con «Aggiungi alunni...».</source>
        <translation>La classe %1 n&apos;a pas d&apos;élèves&#xa0;: ajoutez-les avec «&#xa0;Ajouter des élèves...&#xa0;».</translation>
    </message>
    <message>
        <source>Nuova classe</source>
        <translation>Nouvelle classe</translation>
    </message>
    <message>
        <source>Nome della classe (per esempio 3A):</source>
        <translation>Nom de la classe (par exemple 3A)&#xa0;:</translation>
    </message>
    <message>
        <source>La classe %1 non si può creare: forse c&apos;è già.</source>
        <translation>La classe %1 ne peut pas être créée&#xa0;: elle existe peut-être déjà.</translation>
    </message>
    <message>
        <source>Aggiungi alunni</source>
        <translation>Ajouter des élèves</translation>
    </message>
    <message>
        <source>Alunni della classe %1, un nome per riga (nome o soprannome, niente altro); si può incollare un elenco:</source>
        <translation>Élèves de la classe %1, un nom par ligne (prénom ou surnom, rien d&apos;autre)&#xa0;; on peut coller une liste&#xa0;:</translation>
    </message>
    <message>
        <source>Gli alunni non si possono aggiungere: %1</source>
        <translation>Les élèves ne peuvent pas être ajoutés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Alunni aggiunti: %1.</source>
        <translation>Élèves ajoutés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Nessuna («Chi sei?» spento)</source>
        <translation>Aucune («&#xa0;Qui es-tu&#xa0;?&#xa0;» éteint)</translation>
    </message>
    <message>
        <source>Classe di questo PC</source>
        <translation>Classe de ce PC</translation>
    </message>
    <message>
        <source>La classe che usa questo PC: all&apos;avvio «Chi sei?» mostra i suoi alunni. Con nessuna, il programma degli alunni non cambia.</source>
        <translation>La classe qui utilise ce PC&#xa0;: au démarrage, «&#xa0;Qui es-tu&#xa0;?&#xa0;» montre ses élèves. Sans classe, le programme des élèves ne change pas.</translation>
    </message>
    <message>
        <source>La scelta non si può salvare: %1</source>
        <translation>Le choix ne peut pas être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Scegli prima nella tabella l&apos;alunno da eliminare.</source>
        <translation>Choisissez d&apos;abord dans le tableau l&apos;élève à supprimer.</translation>
    </message>
    <message>
        <source>Eliminare %1 e tutte le sue risposte? Non si potranno recuperare.</source>
        <translation>Supprimer %1 et toutes ses réponses&#xa0;? Elles ne pourront pas être récupérées.</translation>
    </message>
    <message>
        <source>%1 non si può eliminare: %2</source>
        <translation>Impossible de supprimer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 è stato eliminato.</source>
        <translation>Supprimé du registre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Elimina risposte</source>
        <translation>Effacer des réponses</translation>
    </message>
    <message>
        <source>Elimina le risposte date prima del giorno</source>
        <translation>Effacer les réponses données avant le jour</translation>
    </message>
    <message>
        <source>Le risposte di tutte le classi date prima del giorno scelto saranno eliminate.</source>
        <translation>Les réponses de toutes les classes données avant le jour choisi seront effacées.</translation>
    </message>
    <message>
        <source>Prima del giorno:</source>
        <translation>Avant le jour&#xa0;:</translation>
    </message>
    <message>
        <source>Eliminare tutte le risposte date prima del %1, di tutte le classi? Non si potranno recuperare.</source>
        <translation>Effacer toutes les réponses données avant le %1, de toutes les classes&#xa0;? Elles ne pourront pas être récupérées.</translation>
    </message>
    <message>
        <source>Le risposte non si possono eliminare: %1</source>
        <translation>Les réponses ne peuvent pas être effacées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Risposte eliminate: %1.</source>
        <translation>Réponses effacées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Esporta CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>File CSV (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Salvato %1.</source>
        <translation>Enregistré&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1.</translation>
    </message>
    <message>
        <source>Stampa in corso: attendi.</source>
        <translation>Impression en cours&#xa0;: patientez.</translation>
    </message>
    <message>
        <source>Riepilogo mandato alla stampante %1.</source>
        <translation>Bilan envoyé à l&apos;imprimante %1.</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Problème d&apos;impression sur l&apos;imprimante utilisée.</translation>
    </message>
    <message>
        <source>Salva PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Riprova</source>
        <translation>&amp;Réessayer</translation>
    </message>
    <message>
        <source>Registro della scuola: %1</source>
        <translation>Registre de l&apos;école&#xa0;: %1</translation>
    </message>
    <message>
        <source>Collegamento al server...</source>
        <translation>Connexion au serveur...</translation>
    </message>
    <message>
        <source>Risposte di questo PC ancora da inviare: %1</source>
        <translation>Réponses de ce PC encore à envoyer&#xa0;: %1</translation>
    </message>
    <message>
        <source>I suoi alunni sono copiati dal registro della scuola in questo PC.</source>
        <translation>Ses élèves sont copiés du registre de l&apos;école sur ce PC.</translation>
    </message>
</context>
<context>
    <name>Grafico</name>
    <message>
        <source>Grafico</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Grafico di %1</source>
        <translation>Graphique de %1</translation>
    </message>
    <message>
        <source>Apri un alunno della tabella (doppio clic o Invio) per vedere i suoi giorni.</source>
        <translation>Choisissez un élève du tableau (double clic ou Entrée) pour voir ses jours.</translation>
    </message>
    <message>
        <source>%1 non ha risposte nei giorni scelti.</source>
        <translation>%1 n&apos;a pas de réponses les jours choisis.</translation>
    </message>
    <message>
        <source>%1. Giorni con risposte: %2; risposte esatte: %3, errate: %4.</source>
        <translation>%1. Jours avec des réponses&#xa0;: %2&#xa0;; réponses justes&#xa0;: %3, fausses&#xa0;: %4.</translation>
    </message>
    <message>
        <source>secondi (mediana)</source>
        <translation>secondes (médiane)</translation>
    </message>
    <message>
        <source>errate</source>
        <translation>fausses</translation>
    </message>
    <message>
        <source>esatte</source>
        <translation>justes</translation>
    </message>
</context>
<context>
    <name>ModelloRiepilogo</name>
    <message>
        <source>Alunno</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Esercizi</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Esatte</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Errate</source>
        <translation>Fausses</translation>
    </message>
    <message>
        <source>Esatte al primo colpo</source>
        <translation>Justes du premier coup</translation>
    </message>
    <message>
        <source>Aiuti</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>Interventi</source>
        <translation>Interventions</translation>
    </message>
    <message>
        <source>Secondi (mediana)</source>
        <translation>Secondes (médiane)</translation>
    </message>
    <message>
        <source>Ultimo giorno</source>
        <translation>Dernier jour</translation>
    </message>
</context>
<context>
    <name>PaginaRegistro</name>
    <message>
        <source>Tutto il registro</source>
        <translation>Tout le registre</translation>
    </message>
    <message>
        <source>Fino al %1</source>
        <translation>Jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>Dal %1</source>
        <translation>À partir du %1</translation>
    </message>
    <message>
        <source>Dal %1 al %2</source>
        <translation>Du %1 au %2</translation>
    </message>
    <message>
        <source>Registro di Tarvello - classe %1</source>
        <translation>Registre de Tarvello - classe %1</translation>
    </message>
    <message>
        <source>Stampato il %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Pagina %1 di %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>La classe non ha alunni.</source>
        <translation>La classe n&apos;a pas d&apos;élèves.</translation>
    </message>
</context>
<context>
    <name>PaginaScheda</name>
    <message>
        <source>Nome e Cognome   </source>
        <translation>Nom et prénom   </translation>
    </message>
    <message>
        <source>Tarvello - schede per la classe</source>
        <translation>Tarvello - fiches pour la classe</translation>
    </message>
    <message>
        <source>Tarvello - scheda</source>
        <translation>Tarvello - fiche</translation>
    </message>
    <message>
        <source>Problema di stampa nella stampante utilizzata.</source>
        <translation>Problème d&apos;impression sur l&apos;imprimante utilisée.</translation>
    </message>
</context>
<context>
    <name>PdfFile</name>
    <message>
        <source>Il nome scelto è quello di una cartella.</source>
        <translation>Le nom choisi est celui d&apos;un dossier.</translation>
    </message>
    <message>
        <source>La cartella %1 non esiste.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Nella cartella scelta non si può scrivere.</source>
        <translation>Impossible d&apos;écrire dans le dossier choisi.</translation>
    </message>
    <message>
        <source>Il disco è pieno o non accetta la scrittura.</source>
        <translation>Le disque est plein ou refuse l&apos;écriture.</translation>
    </message>
    <message>
        <source>Il file esistente non si può sostituire.</source>
        <translation>Le fichier existant ne peut pas être remplacé.</translation>
    </message>
</context>
<context>
    <name>Registratore</name>
    <message>
        <source>Il registro era guasto: è stato messo da parte come %1 e ne è stato iniziato uno nuovo.</source>
        <translation>Le registre était abîmé&#xa0;: il a été mis de côté sous le nom %1 et un nouveau a été commencé.</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>%1 esiste già.
Vuoi sostituirlo?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SchedaAggiungiTogli</name>
    <message>
        <source>VISUALIZZA %1° ESERCIZIO</source>
        <translation>AFFICHER L&apos;EXERCICE %1</translation>
    </message>
    <message>
        <source>Esercizio %1, %2 insieme</source>
        <translation>Exercice %1, %2 ensemble</translation>
    </message>
    <message>
        <source>Nel riquadro accanto aggiungi elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>Dans le cadre à côté, ajoute des éléments pour obtenir l&apos;ensemble qui vient après</translation>
    </message>
    <message>
        <source>Nel riquadro accanto togli elementi per rendere l&apos;insieme consecutivo maggiore</source>
        <translation>Dans le cadre à côté, enlève des éléments pour obtenir l&apos;ensemble qui vient après</translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA         </source>
        <translation>APERÇU DE LA FICHE         </translation>
    </message>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>APERÇU DE LA FICHE          </translation>
    </message>
    <message>
        <source>Seleziona  stampante</source>
        <translation>Choisir  l&apos;imprimante</translation>
    </message>
    <message>
        <source>Selezione stampante</source>
        <translation>Choix de l&apos;imprimante</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> FICHE&#xa0;: CONSTRUIRE L&apos;ENSEMBLE QUI VIENT APRÈS</translation>
    </message>
    <message>
        <source> SCHEDA: costruire l&apos;insieme  consecutivo maggiore - </source>
        <translation> FICHE&#xa0;: construire l&apos;ensemble  qui vient après - </translation>
    </message>
    <message>
        <source> situazione iniziale: secondo  insieme suvvalente</source>
        <translation> au départ&#xa0;: deuxième  ensemble trop petit</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme prevalente</source>
        <translation> au départ&#xa0;: deuxième ensemble trop grand</translation>
    </message>
    <message>
        <source>Completa la scheda</source>
        <translation>Complète la fiche</translation>
    </message>
    <message>
        <source> Completa la scheda</source>
        <translation> Complète la fiche</translation>
    </message>
    <message>
        <source>primo</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>secondo</source>
        <translation>deuxième</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>non è un indirizzo postgresql://utente@host:porta/database: %1</source>
        <translation>ce n&apos;est pas une adresse postgresql://utilisateur@hôte:port/base&#xa0;: %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo contiene una password: va messa in ~/.pgpass</source>
        <translation>l&apos;adresse contient un mot de passe&#xa0;: il doit aller dans ~/.pgpass</translation>
    </message>
    <message>
        <source>un&apos;opzione dell&apos;indirizzo non si può passare al server: %1</source>
        <translation>une option de l&apos;adresse ne peut pas être transmise au serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>porta fuori dai limiti (da 1 a 65535): %1</source>
        <translation>port hors limites (de 1 à 65535)&#xa0;: %1</translation>
    </message>
    <message>
        <source>l&apos;indirizzo non indica il database: %1</source>
        <translation>l&apos;adresse n&apos;indique pas de base de données&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>frmAutore</name>
    <message>
        <source>Autore</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Sito dell&apos;autore:</source>
        <translation>Site de l&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>C h i u d i</source>
        <translation>F e r m e r</translation>
    </message>
</context>
<context>
    <name>frmOperativo</name>
    <message>
        <source>AGGIUNGI (+)</source>
        <translation>AJOUTER (+)</translation>
    </message>
    <message>
        <source>TOGLI (-)</source>
        <translation>ENLEVER (-)</translation>
    </message>
    <message>
        <source>VERIFICA</source>
        <translation>VÉRIFIER</translation>
    </message>
    <message>
        <source>AVANTI &gt;&gt;&gt;</source>
        <translation>SUIVANT &gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>ESCI</source>
        <translation>SORTIR</translation>
    </message>
    <message>
        <source>Oper</source>
        <translation>Ex.</translation>
    </message>
    <message>
        <source> Risposte esatte</source>
        <translation> Réponses justes</translation>
    </message>
    <message>
        <source> Risposte errate</source>
        <translation> Réponses fausses</translation>
    </message>
    <message>
        <source>Tempo parziale</source>
        <translation>Dernier temps</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Temps total</translation>
    </message>
    <message>
        <source>Costruisci l&apos;insieme consecutivo maggiore       </source>
        <translation>Construis l&apos;ensemble qui vient après       </translation>
    </message>
    <message>
        <source>COSTRUISCI L&apos;INSIEME CHE VIENE DOPO</source>
        <translation>CONSTRUIS L&apos;ENSEMBLE QUI VIENT APRÈS</translation>
    </message>
    <message>
        <source>Esito della verifica</source>
        <translation>Résultat de la vérification</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni risposta</source>
        <translation>Secondes pour chaque réponse</translation>
    </message>
    <message>
        <source>Secondi impiegati per ogni esercizio</source>
        <translation>Secondes pour chaque exercice</translation>
    </message>
    <message>
        <source>Numero dell&apos;esercizio</source>
        <translation>Numéro de l&apos;exercice</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Réponses justes</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Réponses fausses</translation>
    </message>
    <message>
        <source>Tempo parziale: secondi impiegati per ogni risposta</source>
        <translation>Dernier temps&#xa0;: secondes pour chaque réponse</translation>
    </message>
    <message>
        <source>Tempo totale: secondi impiegati per ogni esercizio</source>
        <translation>Temps total&#xa0;: secondes pour chaque exercice</translation>
    </message>
    <message>
        <source>Ti aiuto ?</source>
        <translation>Je t&apos;aide&#xa0;?</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Intervengo io</source>
        <translation>Je te montre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Primo insieme</source>
        <translation>Premier ensemble</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Deuxième ensemble</translation>
    </message>
</context>
<context>
    <name>frmSchedeClasse</name>
    <message>
        <source>Schede per la classe</source>
        <translation>Fiches pour la classe</translation>
    </message>
    <message>
        <source>Quante schede diverse?</source>
        <translation>Combien de fiches&#xa0;?</translation>
    </message>
    <message>
        <source>Quante schede diverse</source>
        <translation>Combien de fiches différentes</translation>
    </message>
    <message>
        <source>da %1 a %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>La prima è la scheda sullo schermo, le altre sono nuove; in fondo a ogni pagina c&apos;è il suo numero.</source>
        <translation>La première est la fiche à l&apos;écran, les autres sont nouvelles&#xa0;; chaque page porte son numéro en bas.</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Salva PDF...</source>
        <translation>En PDF...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scrivi un numero da %1 a %2.</source>
        <translation>Tapez un nombre de %1 à %2.</translation>
    </message>
</context>
<context>
    <name>frmStampaSchede</name>
    <message>
        <source>VISUALIZZAZIONE SCHEDA          </source>
        <translation>APERÇU DE LA FICHE          </translation>
    </message>
    <message>
        <source>Seleziona stampante</source>
        <translation>Choisir l&apos;imprimante</translation>
    </message>
    <message>
        <source> SCHEDA: COSTRUIRE L&apos;INSIEME CHE VIENE DOPO</source>
        <translation> FICHE&#xa0;: CONSTRUIRE L&apos;ENSEMBLE QUI VIENT APRÈS</translation>
    </message>
    <message>
        <source> situazione iniziale: secondo insieme vuoto</source>
        <translation> au départ&#xa0;: deuxième ensemble vide</translation>
    </message>
    <message>
        <source>VISUALIZZA %1° INSIEME</source>
        <translation>AFFICHER L&apos;ENSEMBLE %1</translation>
    </message>
    <message>
        <source>Completa la scheda </source>
        <translation>Complète la fiche </translation>
    </message>
    <message>
        <source>Nel riquadro accanto disegna l&apos;insieme consecutivo maggiore</source>
        <translation>Dans le cadre à côté, dessine l&apos;ensemble qui vient après</translation>
    </message>
    <message>
        <source>Primo Insieme</source>
        <translation>Premier Ensemble</translation>
    </message>
    <message>
        <source>Secondo insieme</source>
        <translation>Deuxième ensemble</translation>
    </message>
    <message>
        <source>Terzo insieme</source>
        <translation>Troisième ensemble</translation>
    </message>
    <message>
        <source>Quarto insieme</source>
        <translation>Quatrième ensemble</translation>
    </message>
    <message>
        <source>Riquadro accanto al %1</source>
        <translation>Cadre à côté du %1</translation>
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
        <translation>Imprimante par défaut</translation>
    </message>
    <message>
        <source>Stampante scelta</source>
        <translation>Imprimante choisie</translation>
    </message>
    <message>
        <source>Stampanti installate</source>
        <translation>Imprimantes installées</translation>
    </message>
    <message>
        <source>Scelta della stampante</source>
        <translation>Choix de l&apos;imprimante</translation>
    </message>
    <message>
        <source>C H I U D I</source>
        <translation>F E R M E R</translation>
    </message>
    <message>
        <source>Il servizio di stampa non risponde</source>
        <translation>Le service d&apos;impression ne répond pas</translation>
    </message>
    <message>
        <source>Nessuna stampante installata</source>
        <translation>Aucune imprimante installée</translation>
    </message>
    <message>
        <source>Nessuna stampante predefinita</source>
        <translation>Aucune imprimante par défaut</translation>
    </message>
    <message>
        <source>La stampante predefinita è <byte value="xd"/>
%1</source>
        <translation>L&apos;imprimante par défaut est <byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>La stampante scelta è <byte value="xd"/>
%1</source>
        <translation>L&apos;imprimante choisie est <byte value="xd"/>
%1</translation>
    </message>
</context>
</TS>
