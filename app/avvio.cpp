#include "app/avvio.h"

#include "forms/form.h"
#include "forms/messagebox.h"
#include "forms/picture.h"
#include "forms/stile.h"
#include "register/frmregistro.h"
#include "registro/esporta.h"
#include "registro/luogo.h"
#include "registro/server.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDirIterator>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
// The icon drawn here from its SVG at the sizes desktops ask for. Handing Qt the file instead
// loads its SVG icon engine and every image format plugin before the first window shows: a
// tenth of the start-up, for one small picture.
QIcon iconaProgramma()
{
    const Picture disegno = Picture::fromSvg(QStringLiteral(":/assets/tarvello.svg"));
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128})
        icona.addPixmap(disegno.pixmap(QSize(lato, lato), 1.0));
    return icona;
}

const QString Italiano = QStringLiteral("it");

bool& apriRegistro()
{
    static bool apri = false;
    return apri;
}

// The translations CMake builds from translations/tarvello_*.ts and puts among the resources.
const QString Traduzioni = QStringLiteral(":/i18n");

// The program's translator and Qt's, replaced when the language is set again.
QTranslator* traduttore(QApplication& app, const char* nome)
{
    const QString oggetto = QString::fromLatin1(nome);
    if (auto* esistente = app.findChild<QTranslator*>(oggetto, Qt::FindDirectChildrenOnly)) {
        QApplication::removeTranslator(esistente);
        delete esistente;
    }
    auto* t = new QTranslator(&app);
    t->setObjectName(oggetto);
    return t;
}

void impostaLingua(QApplication& app, const QString& lingua)
{
    QTranslator* programma = traduttore(app, "tarvello");
    if (lingua != Italiano && programma->load(QStringLiteral("tarvello_") + lingua, Traduzioni))
        QApplication::installTranslator(programma);
    // Qt's own texts (the buttons of a message box, the menu of a text field, --help) follow;
    // they are written in English, so English needs no more than Qt's plural forms. Where Qt's
    // catalogue lacks a text, the program's own addition has it; installed first, so that
    // Qt's catalogue, searched first, wins where it has the text too.
    QTranslator* aggiunte = traduttore(app, "qt_aggiunte");
    if (aggiunte->load(QStringLiteral("qt_aggiunte_") + lingua, Traduzioni))
        QApplication::installTranslator(aggiunte);
    QTranslator* qt = traduttore(app, "qtbase");
    if (qt->load(QStringLiteral("qtbase_") + lingua, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
    QLocale::setDefault(QLocale(lingua));
}
} // namespace

QStringList lingueDisponibili()
{
    QStringList lingue;
    QDirIterator file(Traduzioni, {QStringLiteral("tarvello_*.qm")}, QDir::Files);
    while (file.hasNext()) {
        const QString nome = file.nextFileInfo().completeBaseName();
        lingue.append(nome.mid(nome.indexOf(QLatin1Char('_')) + 1));
    }
    // The order --help lists them in: the program's own first, the others as the alphabet has them.
    lingue.sort();
    lingue.prepend(Italiano);
    return lingue;
}

QString linguaPreferita(const QStringList& preferite)
{
    const QStringList lingue = lingueDisponibili();
    for (const QString& preferita : preferite) {
        // "en-GB" and "en_GB" are English; "C" and "POSIX" are no language at all.
        const QString lingua = preferita.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (lingue.contains(lingua))
            return lingua;
    }
    return Italiano;
}

void preparaApplicazione(QApplication& app, const QString& lingua)
{
#ifdef __GLIBC__
    // A window's pictures and backing store are buffers of megabytes, of a new size at every
    // step of a drag. Once the first is freed, glibc raises the size from which a buffer gets
    // a mapping of its own, and the following ones pile up in the heap, which never shrinks
    // back: a fixed threshold gives every such buffer back to the system when it is freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLO_VERSIONE));
    QApplication::setStyle(new Stile);
    QApplication::setWindowIcon(iconaProgramma());
    impostaLingua(app, lingua.isEmpty() ? linguaPreferita(QLocale::system().uiLanguages()) : lingua);
    // The program ends when its last window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    Form::setOnLastUnloaded([] { QCoreApplication::quit(); });
}

namespace {
// For a technician's script: the exit code says whether the file was written.
int esportaCsv(const QString& registro, const QString& csv)
{
    QString errore;
    if (esportaRisposte(registro, csv, &errore))
        return 0;
    std::fprintf(stderr, "%s\n", errore.toLocal8Bit().constData());
    return 1;
}
// For a technician's script, as the teacher's window does when it opens: the schema made or
// brought up to this program's version, and the roles' rights given. Never by a pupil's program.
int preparaServer()
{
    const auto fine = [](const QString& messaggio, bool riuscito) {
        std::fprintf(riuscito ? stdout : stderr, "%s\n", qPrintable(messaggio));
        return riuscito ? 0 : 1;
    };
    const std::optional<IndirizzoServer> server = serverRegistro();
    if (!server)
        return fine(QCoreApplication::translate("Avvio", "Nessun server della scuola indicato: --prepara-registro "
                                                         "vuole --registro postgresql://utente@host/database."),
                    false);
    ConnessioneServer connessione(*server);
    const Schema::Esito esito = Server::prepara(connessione);
    const QString dove = server->descrizione();
    switch (esito.stato) {
    case Schema::Stato::Pronto:
        return fine(QCoreApplication::translate("Avvio", "Registro della scuola pronto: %1 (versione %2).")
                        .arg(dove)
                        .arg(esito.versione),
                    true);
    case Schema::Stato::Futuro:
        return fine(QCoreApplication::translate("Avvio", "Il registro su %1 è di una versione più recente di questo "
                                                         "programma (%2): non è stato cambiato.")
                        .arg(dove)
                        .arg(esito.versione),
                    false);
    case Schema::Stato::Estraneo:
        return fine(QCoreApplication::translate("Avvio", "Il database %1 contiene già le tabelle di un altro "
                                                         "programma: il registro non vi è stato preparato.")
                        .arg(dove),
                    false);
    case Schema::Stato::Errore:
        break;
    }
    return fine(QCoreApplication::translate("Avvio", "Impossibile preparare il registro su %1: %2")
                    .arg(dove, esito.messaggio),
                false);
}
} // namespace

bool registroInsegnante() { return apriRegistro(); }

void apriRegistroInsegnante()
{
    QString errato;
    const std::optional<IndirizzoServer> server = serverRegistro(&errato);
    FrmRegistro::apri({luogoRegistro(), server});
    if (!errato.isEmpty())
        QTimer::singleShot(0, [errato] {
            MessageBox::show(QCoreApplication::translate("Avvio", "Il server della scuola scritto nelle impostazioni "
                                                                  "di questo PC non si può usare (%1): è aperto il "
                                                                  "registro di questo PC. Chiedi al tecnico.")
                                 .arg(errato));
        });
}

bool preparaDaRigaDiComando(QApplication& app)
{
    const QStringList lingue = lingueDisponibili();
    const auto opzioneLingua = [&lingue] {
        return QCommandLineOption(QStringLiteral("lingua"),
                                  QCoreApplication::translate("Avvio", "La lingua del programma: %1.")
                                      .arg(lingue.join(QStringLiteral(", "))),
                                  QStringLiteral("lingua"));
    };
    // The language first, so that help and errors are told in it.
    QCommandLineParser soloLingua;
    soloLingua.addOption(opzioneLingua());
    soloLingua.parse(app.arguments());
    const QString lingua = soloLingua.value(QStringLiteral("lingua")).toLower();
    preparaApplicazione(app, lingue.contains(lingua) ? lingua : QString());

    QCommandLineParser riga;
    riga.setApplicationDescription(
        QCoreApplication::translate("Avvio", "Esercizi sull'insieme che viene dopo un insieme dato"));
    riga.addHelpOption();
    riga.addVersionOption();
    riga.addOption(opzioneLingua());
    const QCommandLineOption registro(
        QStringLiteral("registro"),
        QCoreApplication::translate("Avvio", "Il registro in cui sono tenute le risposte: un file, o il server "
                                             "della scuola (postgresql://utente@host/database)."),
        QStringLiteral("registro"));
    const QCommandLineOption esporta(
        QStringLiteral("esporta-csv"),
        QCoreApplication::translate("Avvio", "Scrive ogni risposta del registro nel file CSV indicato ed esce."),
        QStringLiteral("file"));
    const QCommandLineOption insegnante(QStringLiteral("registro-insegnante"),
                                        QCoreApplication::translate("Avvio", "Apre il registro dell'insegnante."));
    const QCommandLineOption prepara(
        QStringLiteral("prepara-registro"),
        QCoreApplication::translate("Avvio", "Prepara il registro sul server della scuola indicato con --registro ed "
                                             "esce."));
    riga.addOptions({registro, esporta, insegnante, prepara});
    riga.process(app);
    QString indirizzoErrato;
    if (!Luogo::scegli(riga.value(registro), &indirizzoErrato)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("Avvio", "Indirizzo del registro non valido: %1")
                                    .arg(indirizzoErrato)));
        return false;
    }
    apriRegistro() = riga.isSet(insegnante);
    if (!lingua.isEmpty() && !lingue.contains(lingua)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("Avvio", "Lingua sconosciuta: %1. Lingue disponibili: %2.")
                                    .arg(lingua, lingue.join(QStringLiteral(", ")))));
        return false;
    }
    if (riga.isSet(esporta))
        std::exit(esportaCsv(luogoRegistro(), riga.value(esporta)));
    if (riga.isSet(prepara))
        std::exit(preparaServer());
    return true;
}
