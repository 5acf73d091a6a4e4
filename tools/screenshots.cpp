// Screenshots of every window of the program, for the README and for looking at them.
// Run under an X server with a window manager, with a print service whose queues the printer
// choice lists (tools/screenshots.sh starts all three):
//   tarvello-screenshots OUTDIR
// The clock is fixed and the random numbers seeded: every run draws the same pictures.
#include "app/avvio.h"
#include "app/frmautore.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "core/clock.h"
#include "forms/form.h"
#include "printing/pdffile.h"
#include "forms/pushkey.h"
#include "core/random.h"
#include "printing/savedialog.h"
#include "register/frmchisei.h"
#include "register/frmregistro.h"
#include "register/pin.h"
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/schema.h"
#include "registro/server.h"
#include "tests/support/kid.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QScreen>
#include <QTimer>
#include <QTimeZone>
#include <QWindow>
#include <functional>

namespace {

QString cartella;
float orologio = 36000; // 10 o'clock
bool riuscito = true;

void attendi(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window with its frame, as the screen shows it once it has settled.
void foto(QWidget& finestra, const QString& nome)
{
    attendi(500);
    const QRect r = finestra.frameGeometry();
    const QString file = QDir(cartella).filePath(nome + ".png");
    const QPixmap schermo = finestra.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    if (!finestra.isVisible() || !schermo.save(file)) {
        qWarning("cannot take %s", qPrintable(file));
        riuscito = false;
    } else {
        qInfo("%s", qPrintable(file));
    }
}

// Runs `dentro` while the modal window opened by `apri` is up, then closes it.
void mentreModale(const std::function<void()>& apri, const std::function<void(QWidget&)>& dentro)
{
    QTimer::singleShot(0, [dentro] {
        attendi(300);
        if (QWidget* w = QApplication::activeModalWidget()) {
            dentro(*w);
            w->close();
        } else {
            qWarning("no modal window came up");
            riuscito = false;
        }
    });
    apri();
}

// A pupil's seconds pass before the next step.
void passano(float secondi) { orologio += secondi; }

void esercizio(FrmInizio& inizio)
{
    // As the pupil starts it: "AGGIUNGI ELEMENTI (+)" on the start window.
    inizio.AvviaScelta(Aggiungere);
    frmOperativo& w = finestraEsercizio();
    passano(6);
    w.EseguiTasto(Esercizio::TastoAggiungi);
    foto(w, "esercizio");

    // As maximized on a 1366x768 laptop under a task bar, where the screen has room for it.
    const QSize portatile(1362, 700);
    const QSize cornice = w.frameGeometry().size() - w.client()->size();
    if (w.screen()->availableSize().expandedTo(portatile + cornice) == w.screen()->availableSize()) {
        w.showNormal();
        w.resize(portatile + (w.size() - w.client()->size()));
        attendi(300);
        if (w.client()->size() == portatile)
            foto(w, "esercizio-1362x700");
        else
            qWarning("the exercise window came out %dx%d", w.client()->width(), w.client()->height());
        w.showMaximized();
    }

    // One figure short: wrong, and help is offered.
    passano(3);
    w.EseguiTasto(Esercizio::TastoVerifica);
    foto(w, "esercizio-aiuto");

    // Three times "NO" to help, each after another wrong answer: the program steps in.
    for (int no = 1; no <= 3; ++no) {
        w.NoNo();
        if (no < 3) {
            passano(5);
            w.EseguiTasto(Esercizio::TastoAggiungi);
            w.EseguiTasto(Esercizio::TastoVerifica);
        }
    }
    foto(w, "esercizio-intervento");

    // "OK" shows the solution; the next exercise is built right.
    w.SiSi();
    w.EseguiTasto(Esercizio::TastoAvanti);
    while (w.esercizio().NumElementiD < w.esercizio().NumElementiS + 1) {
        passano(2);
        w.EseguiTasto(Esercizio::TastoAggiungi);
    }
    w.EseguiTasto(Esercizio::TastoVerifica);
    foto(w, "esercizio-esatto");
    w.unload();
}

// A worksheet window from the start window's menu, with its four exercises made up.
template <class F>
void scheda(QAction* voce, const QString& nome)
{
    voce->trigger();
    F* w = loadedForm<F>();
    if (!w) {
        qWarning("the worksheet window %s did not come up", qPrintable(nome));
        riuscito = false;
        return;
    }
    for (PushKey* k : kidsInsieme<PushKey>(w)) {
        passano(1);
        k->click();
    }
    w->mostraParte(1);
    foto(*w, nome);
}

// A made-up class of eight pupils and four weeks of answers, the same every run, in a file or
// on the school's server alike.
void classeFinta(QSqlDatabase db, const QDate& primo)
{
    const QUuid classe = Anagrafe::aggiungiClasse(db, QStringLiteral("3A")).value_or(QUuid());
    Anagrafe::aggiungiAlunni(db, classe, "Anna\nBruno\nCarla\nDario\nElisa\nFilippo\nGiulia\nMarco");
    // The class of the PC and the PIN are this PC's, kept in its file.
    if (!suServer(db)) {
        Anagrafe::scegliClasseDelPc(db, classe);
        Anagrafe::imposta(db, Pin::Chiave, Pin::impronta("2468"));
    }
    quint32 seme = 7;
    const auto caso = [&seme](int n) { return int((seme = seme * 1103515245u + 12345u) >> 16) % n; };
    iniziaScrittura(db, nullptr);
    QSqlQuery q(db);
    q.prepare("INSERT INTO risposte (id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m, dato, esatta,"
              " secondi, seguito) VALUES (?, ?, ?, ?, 'aula-3', ?, 1, 4, ?, 2, ?, ?, ?, ?)");
    const QList<Alunno> alunni = Anagrafe::alunni(db, classe);
    for (int a = 0; a < alunni.size(); ++a)
        for (int g = 0; g < 28; ++g) {
            const QDate giorno = primo.addDays(g);
            if (giorno.dayOfWeek() > 5 || caso(4) == 0)
                continue;
            // A lesson a day; each pupil a little surer and quicker as the weeks go by.
            const QString sessione = QUuid::createUuid().toString();
            QTime ora(9, a * 3);
            const int esercizi = 3 + caso(5);
            for (int e = 1; e <= esercizi; ++e) {
                const int n = 2 + caso(6);
                for (int prova = 0;; ++prova) {
                    const bool esatta = caso(100) < 40 + a * 4 + g + prova * 15;
                    // After a wrong answer: help asked, refused, or at the third refusal the window steps in.
                    const int seguito = esatta ? 0 : prova == 2 ? 3 : caso(3) == 0 ? 1 : 2;
                    const double secondi = 6.0 + caso(30) * (1.0 - g / 40.0);
                    ora = ora.addSecs(int(secondi) + 5);
                    for (const QVariant& v : {QVariant(QUuid::createUuid().toString()), QVariant(sessione), QVariant(e),
                                              QVariant(QDateTime(giorno, ora, QTimeZone::utc()).toString("yyyy-MM-ddTHH:mm:ss.zzzZ")),
                                              QVariant(alunni[a].id.toString()), QVariant(n),
                                              QVariant(esatta ? n + 1 : n), QVariant(int(esatta)), QVariant(secondi),
                                              QVariant(seguito)})
                        q.addBindValue(v);
                    q.exec();
                    if (esatta || seguito == 1 || seguito == 3)
                        break;
                }
            }
        }
    // The server's own time, as if every PC's clock had been right.
    if (suServer(db))
        q.exec("UPDATE risposte SET ricevuta = quando");
    concludiScrittura(db, true, nullptr);
}

// The window with the table of the four weeks, then, when `grafico` is named, a pupil's chart.
void fotoRegistro(const AccessoRegistro::Sede& sede, const QDate& primo, const QString& tabella, const QString& grafico)
{
    FrmRegistro& w = FrmRegistro::apri(sede);
    w.resize(1000, 600);
    for (int i = 0; i < 500 && w.inAttesa() > 0; ++i)
        attendi(20);
    if (!sede.server) {
        kid<QLineEdit>(&w, "txtPin")->setText("2468");
        emit kid<QLineEdit>(&w, "txtPin")->returnPressed();
    }
    for (int i = 0; i < 500 && (w.inAttesa() > 0 || kid<QTableView>(&w, "tblRiepilogo")->model()->rowCount() == 0); ++i)
        attendi(20);
    kid<QDateEdit>(&w, "datAl")->setDate(primo.addDays(27));
    kid<QDateEdit>(&w, "datDal")->setDate(primo);
    for (int i = 0; i < 500 && w.inAttesa() > 0; ++i)
        attendi(20);
    foto(w, tabella);
    if (!grafico.isEmpty()) {
        auto* righe = kid<QTableView>(&w, "tblRiepilogo");
        righe->setCurrentIndex(righe->model()->index(2, 0));
        emit righe->activated(righe->currentIndex());
        for (int i = 0; i < 500 && w.inAttesa() > 0; ++i)
            attendi(20);
        foto(w, grafico);
    }
    w.unload();
}

// The teacher's register over the made-up class: the table, then a pupil's chart.
void registro()
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath("registro.sqlite");
    const QDate primo(2026, 11, 9);
    {
        Connessione c(file);
        Schema::prepara(c.db());
        classeFinta(c.db(), primo);
    }
    fotoRegistro(file, primo, "register", "grafico");
}

// The same class on the school's server, the private one screenshots.sh started (none: no
// picture), as the lab's PCs name it; this PC has a few answers still to send.
void registroDellaScuola()
{
    const QString host = qEnvironmentVariable("TARVELLO_PG_HOST");
    if (host.isEmpty())
        return;
    const QDate primo(2026, 11, 9);
    const IndirizzoServer dove{Server::RuoloAlunni, host, 5432, qEnvironmentVariable("TARVELLO_PG_DATABASE"), {}};
    {
        ConnessioneServer insegnante(AccessoRegistro::perInsegnante(dove));
        if (Server::prepara(insegnante).stato != Schema::Stato::Pronto) {
            qWarning("the school's register could not be made: %s", qPrintable(insegnante.errore()));
            riuscito = false;
            return;
        }
        classeFinta(insegnante.db(), primo);
    }
    QTemporaryDir tmp;
    const QString file = tmp.filePath("registro.sqlite");
    {
        Connessione c(file);
        Schema::prepara(c.db());
        QSqlQuery q(c.db());
        for (int i = 0; i < 12; ++i)
            q.exec(QStringLiteral("INSERT INTO risposte VALUES ('%1', 's', 1, '2026-12-09T08:00:00.000Z', 'aula-3',"
                                  " NULL, 1, 4, 3, 2, 4, 1, 6.5, 0)")
                       .arg(QUuid::createUuid().toString()));
    }
    fotoRegistro(AccessoRegistro::Sede(file, dove), primo, "registro-scuola", {});
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The pictures are the same on every machine: in the language asked for, Italian unless told.
    preparaApplicazione(app, argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("it"));
    Form::setOnLastUnloaded({});
    cartella = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(cartella);
    Random::seed(2026);
    Clock::setSource([] { return orologio; });

    // "Chi sei?" for a class of 24, as it comes before the start window.
    QList<Alunno> classe;
    for (const char* nome : {"Alessia", "Andrea", "Beatrice", "Carlo", "Chiara", "Davide", "Elena", "Emma",
                             "Federico", "Francesco", "Gabriele", "Giorgia", "Giulia", "Leonardo", "Lorenzo",
                             "Maria Vittoria", "Martina", "Matteo", "Nicolò", "Rebecca", "Riccardo", "Sofia",
                             "Tommaso", "Viola"})
        classe.append({QUuid::createUuid(), QString::fromUtf8(nome)});
    auto* chiSei = new FrmChiSei(classe);
    chiSei->load();
    chiSei->showModeless();
    foto(*chiSei, "chisei");
    chiSei->unload();

    FrmInizio& inizio = loadForm<FrmInizio>();
    inizio.showModeless();
    attendi(2000); // the curtains open
    foto(inizio, "inizio");

    mentreModale([&] { kid<QAction>(&inizio, "mnuInfo")->trigger(); }, [](QWidget& w) { foto(w, "autore"); });

    esercizio(inizio);

    scheda<frmStampaSchede>(kid<QAction>(&inizio, "MnuVuoto"), "scheda-vuoto");
    scheda<frmStampaSchede2>(kid<QAction>(&inizio, "mnuAggiungi"), "scheda-aggiungi");
    scheda<frmStampaSchede3>(kid<QAction>(&inizio, "mnuTogli"), "scheda-togli");

    // The printer choice, from the last worksheet window, once the PDF queue has been picked.
    if (auto* w = loadedForm<frmStampaSchede3>())
        mentreModale([w] { kidMenuStampante(w)->trigger(); }, [](QWidget& finestra) {
            auto& f = static_cast<frmStampante&>(finestra);
            // The list comes from the print service while the window answers.
            for (int i = 0; i < 1500 && f.inLettura(); ++i)
                attendi(20);
            const int pdf = kid<QComboBox>(&f, "Combo1")->findText(QStringLiteral("PDF"));
            kid<QComboBox>(&f, "Combo1")->setCurrentIndex(pdf);
            emit kid<QComboBox>(&f, "Combo1")->activated(pdf);
            foto(f, "stampante");
        });

    // Worksheets for a class: the window that asks how many, then page 2 of a saved class set
    // with its footer, as the PDF file shows it.
    if (auto* w = loadedForm<frmStampaSchede3>()) {
        mentreModale([w] { kid<QAction>(w, "mnuStampaClasse")->trigger(); }, [](QWidget& f) { foto(f, "classe"); });
        QTemporaryDir tmp;
        const QString pdf = tmp.filePath("classe.pdf");
        SaveDialog::setSink([pdf](const QString&) { return pdf; });
        w->salvaPagine(w->schedeClasse(3));
        SaveDialog::setSink({});
        for (int i = 0; i < 1500 && PdfFile::writesInProgress() > 0; ++i)
            attendi(20);
        const QString png = QDir(cartella).filePath("classe-pagina");
        if (QProcess::execute("pdftoppm", {"-r", "50", "-f", "2", "-l", "2", "-png", "-singlefile", pdf, png}) != 0) {
            qWarning("cannot draw %s.png", qPrintable(png));
            riuscito = false;
        } else {
            qInfo("%s.png", qPrintable(png));
        }
    }
    registro();
    registroDellaScuola();
    return riuscito ? 0 : 1;
}
