#include "forms/frmfigure.h"
#include "printing/pdffile.h"
#include "forms/pushkey.h"
#include "printing/savedialog.h"
#include "support/paginastampata.h"
#include "support/printservice.h"
#include "support/testsupport.h"
#include "worksheets/frmschedeclasse.h"
#include "worksheets/classetest.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/mount.h>
#include <unistd.h>

// Worksheets for a whole class and worksheets saved as PDF files, driven through the windows'
// menus and the class window as a teacher does, and read back from the files written.
namespace {

using namespace Classe;

using Word = PrintService::Word;

// Every place of a page: its figure, 0 for a blank place; first sets, then second sets.
QList<int> figure(const PaginaScheda& p)
{
    QList<int> ids;
    for (bool secondi : {false, true})
        for (const EsercizioPagina& e : p.esercizi)
            for (int q = 0; q < PaginaScheda::Posti && (p.secondi || !secondi); ++q)
                ids.append(e.figuraIn(q, secondi));
    return ids;
}

// Answers the save dialog with a file of the test's choosing and remembers what it offered.
struct Salvataggio
{
    explicit Salvataggio(const QString& risposta)
    {
        SaveDialog::setSink([this, risposta](const QString& proposto) {
            proposti.append(proposto);
            return risposta;
        });
    }
    ~Salvataggio() { SaveDialog::setSink({}); }
    QStringList proposti;
};

QString testo(const QList<Word>& parole)
{
    QStringList t;
    for (const Word& p : parole)
        t.append(p.text);
    return t.join(' ');
}

// The window of kind T on the screen, if any.
template <class T>
T* inVista()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<T*>(w); t && t->isVisible())
            return t;
    return nullptr;
}

// A small file system mounted for one test and let go after it, however the test ends.
struct Montato
{
    explicit Montato(const QString& dove, const char* opzioni) : cartella(dove)
    {
        ok = ::mount("tarvello-test", dove.toLocal8Bit().constData(), "tmpfs", 0, opzioni) == 0;
    }
    ~Montato()
    {
        if (ok)
            ::umount2(cartella.toLocal8Bit().constData(), MNT_DETACH);
    }
    QString cartella;
    bool ok = false;
};

} // namespace

class TestSchedeClasse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        quietOffscreenPlatform();
        qputenv("HOME", home_.path().toLocal8Bit());
    }
    void cleanup() { closeEverything(); }

    // Before any other save of the run the dialog starts in the documents folder, or in the
    // home folder where there is none; never in the working directory. The file carries the
    // printed job's title.
    void pageSavedAlone_data()
    {
        QTest::addColumn<bool>("documenti");
        QTest::newRow("no documents folder") << false;
        QTest::newRow("documents folder") << true;
    }
    void pageSavedAlone()
    {
        QFETCH(bool, documenti);
        const QString cartella = QDir(home_.path()).filePath("Documents");
        QVERIFY(documenti ? QDir().mkpath(cartella) : QDir(cartella).removeRecursively());
        MessageRecorder messages;
        FinestraScheda& w = completa("vuoto");
        // Saved into a folder that is gone before the next row: the next dialog cannot start there.
        QTemporaryDir altrove;
        const QString file = QDir(altrove.path()).filePath("sola.pdf");
        Salvataggio dialogo(file);
        kid<QAction>(&w, "mnuSalvaPdf")->trigger();
        QVERIFY(fileScritti());

        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(dialogo.proposti, QStringList{(documenti ? cartella : home_.path()) + "/scheda-vuoto-" +
                                               QDate::currentDate().toString(Qt::ISODate) + ".pdf"});
        QCOMPARE(PrintService::pages(file), 1);
        QCOMPARE(PrintService::title(file), QStringLiteral("Tarvello - scheda"));
        QVERIFY2(!testo(PrintService::words(file)).contains("Scheda"), "a page saved alone has no footer");
    }

    // The name the teacher typed is completed with ".pdf" before anything looks for a file to
    // replace, and a file is replaced only when the teacher says so.
    void saveRules_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QString>("salvato");     // the file written, or none
        QTest::addColumn<bool>("domanda");
        QTest::newRow("no suffix") << "nuovo" << false << "nuovo.pdf" << false;
        QTest::newRow("no suffix over a file, kept") << "compito" << false << "" << true;
        QTest::newRow("no suffix over a file, replaced") << "compito" << true << "compito.pdf" << true;
        QTest::newRow("a dot in the name") << "classe 3.A" << false << "classe 3.A.pdf" << false;
        QTest::newRow("a dot at the end") << "compito." << true << "compito.pdf" << true;
        QTest::newRow("suffix in capitals") << "NUOVO.PDF" << false << "NUOVO.PDF" << false;
        // The dialog asked about this name itself.
        QTest::newRow("suffix typed") << "compito.pdf" << false << "compito.pdf" << false;
    }
    void saveRules()
    {
        QFETCH(QString, scritto);
        QFETCH(bool, risposta);
        QFETCH(QString, salvato);
        QFETCH(bool, domanda);
        QTemporaryDir dove;
        const QDir d(dove.path());
        QFile vecchio(d.filePath("compito.pdf"));
        QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
        vecchio.close();

        MessageRecorder messages;
        messages.answer = risposta;
        FinestraScheda& w = completa("togli");
        Salvataggio dialogo(d.filePath(scritto));
        kid<QAction>(&w, "mnuSalvaPdf")->trigger();
        QVERIFY(fileScritti());

        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(messages.questions,
                 domanda ? QStringList{"compito.pdf esiste già.\nVuoi sostituirlo?"} : QStringList());
        QCOMPARE(d.entryList(QDir::Files | QDir::Hidden).size(), salvato.isEmpty() || salvato == "compito.pdf" ? 1 : 2);
        QCOMPARE(PrintService::pages(d.filePath("compito.pdf")) == 1, salvato == "compito.pdf");
        if (!salvato.isEmpty())
            QCOMPARE(PrintService::pages(d.filePath(salvato)), 1);
    }

    // The same rules once through Qt's own dialog, as a teacher types: the dialog asks about
    // "compito" over "compito.pdf" itself; "classe 3.A" over "classe 3.A.pdf" is asked after it.
    void saveThroughTheRealDialog()
    {
        QTemporaryDir dove;
        const QDir d(dove.path());
        for (const char* nome : {"compito.pdf", "classe 3.A.pdf"}) {
            QFile f(d.filePath(nome));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("vecchio") == 7);
        }
        FinestraScheda& w = completa("aggiungi");
        QStringList domande, scritti;
        QTimer risponde, scrive;
        connect(&risponde, &QTimer::timeout, [&] {
            if (auto* box = inVista<QMessageBox>()) {
                domande.append(box->text());
                box->button(domande.size() == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
            }
        });
        // A timer of its own: the dialog's question runs inside this one's handler.
        connect(&scrive, &QTimer::timeout, [&] {
            QFileDialog* dialogo = inVista<QFileDialog>();
            if (!dialogo || scritti.size() == 2) {
                if (dialogo)
                    dialogo->reject(); // it should have closed by now
                return;
            }
            scritti.append(d.filePath(scritti.isEmpty() ? "compito" : "classe 3.A"));
            // A teacher types with the keyboard in the name, and the dialog lets go of the file
            // it picked for the name before; offscreen it may not have the keyboard.
            dialogo->findChild<QAbstractItemView*>("listView")->clearSelection();
            auto* nome = dialogo->findChild<QLineEdit*>("fileNameEdit");
            nome->setText(scritti.last());
            QTest::keyClick(nome, Qt::Key_Return);
        });
        risponde.start(20);
        scrive.start(50);
        kid<QAction>(&w, "mnuSalvaPdf")->trigger();
        QVERIFY(fileScritti());

        QCOMPARE(scritti.size(), 2);
        QCOMPARE(domande.size(), 2);
        QVERIFY2(domande[0].contains("compito.pdf"), qPrintable(domande[0]));
        QCOMPARE(domande[1], QStringLiteral("classe 3.A.pdf esiste già.\nVuoi sostituirlo?"));
        QCOMPARE(PrintService::pages(d.filePath("compito.pdf")), -1); // as it was
        QCOMPARE(PrintService::pages(d.filePath("classe 3.A.pdf")), 1);
        QVERIFY(!QFile::exists(d.filePath("classe 3.A")));
    }

    void classSetSaved_data() { treFinestre(); }
    void classSetSaved()
    {
        QFETCH(QString, tipo);
        MessageRecorder messages;
        FinestraScheda& w = completa(tipo);
        const QList<int> prima = figure(w.pagina());
        const QString file = dir_.filePath(tipo + "-classe.pdf");
        Salvataggio dialogo(file);
        const int schede = 4;
        const Vista c = perLaClasse(w, schede, 2);
        QVERIFY(fileScritti());

        QVERIFY(c.modale);
        QVERIFY(c.focoSulNumero);
        // 25 at the first opening of the run, then the number chosen last.
        QCOMPARE(c.numero, QByteArray(QTest::currentDataTag()) == "vuoto" ? frmSchedeClasse::PrimaVolta : schede);
        QCOMPARE(messages.messages, QStringList());
        QCOMPARE(dialogo.proposti.size(), 1);
        QVERIFY2(dialogo.proposti[0].endsWith("/schede-classe-" + tipo + "-" + QDate::currentDate().toString(Qt::ISODate) + ".pdf"),
                 qPrintable(dialogo.proposti[0]));
        QCOMPARE(figure(w.pagina()), prima);
        QCOMPARE(PrintService::pages(file), schede);
        QCOMPARE(PrintService::title(file), QStringLiteral("Tarvello - schede per la classe"));

        // Twips from the printable area's corner, as points on the paper.
        const QMarginsF m = PdfFile::Margins;
        QList<QImage> pagine;
        for (int k = 1; k <= schede; ++k) {
            const QList<Word> parole = PrintService::words(file, k);
            QVERIFY(parole.size() > 4);
            QCOMPARE(parole[0].text, "Nome");
            QVERIFY(qAbs(parole[0].xMin - (m.left() + 50)) < 1 && qAbs(parole[0].yMin - (m.top() + 50)) < 2);
            QCOMPARE(parole[3].text, "Nel");
            QVERIFY(qAbs(parole[3].xMin - (m.left() + 50)) < 1 && qAbs(parole[3].yMin - (m.top() + 75)) < 2);
            // The footer, last, below the last row of boxes and on the paper.
            const QList<Word> piede = parole.mid(parole.size() - 4);
            QCOMPARE(testo(piede), QString("Scheda %1 di %2").arg(k).arg(schede));
            QVERIFY(piede[0].yMin > m.top() + PaginaScheda::basso(4) / 20 && piede[0].yMax < 842);
            pagine.append(PrintService::render(file, PaginaStampata::Dpi, k).convertToFormat(QImage::Format_RGB32));
        }
        const QString diverso = PaginaStampata::confronta(pagine[0], w.pagina(), QPointF(m.left(), m.top()));
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
        for (int k = 1; k < schede; ++k)
            QVERIFY2(pagine[k] != pagine[k - 1], "two pages alike");
    }

    // The pages made for a class by each window's own rules.
    void classSetByTheRules_data() { treFinestre(); }
    void classSetByTheRules()
    {
        QFETCH(QString, tipo);
        FinestraScheda& w = completa(tipo);
        const QList<PaginaScheda> pagine = w.schedeClasse(frmSchedeClasse::MaxSchede);
        QCOMPARE(pagine.size(), frmSchedeClasse::MaxSchede);
        QCOMPARE(figure(pagine[0]), figure(w.pagina()));
        QSet<QList<int>> diverse;
        for (int i = 0; i < pagine.size(); ++i) {
            const PaginaScheda& p = pagine[i];
            QCOMPARE(p.piede, QString("Scheda %1 di 40").arg(i + 1));
            QCOMPARE(p.secondi, tipo != "vuoto");
            diverse.insert(figure(p));
            for (int k = 0; k < 4; ++k) {
                const EsercizioPagina& e = p.esercizi[k];
                const int n = int(e.primo.count()), m = int(e.secondo.count());
                // A second set fills its places from the first one on.
                const bool dalPrimo = m == 0 || e.secondo.test(std::size_t(m - 1));
                const bool regola = tipo == "vuoto" ? n >= 2 && n <= 10
                                  : tipo == "aggiungi" ? n >= 2 && n <= 9 && m >= 1 && m < n
                                                       : n >= 1 && n <= 9 && m >= n + 2 && m <= 11;
                QVERIFY2(regola && dalPrimo, qPrintable(QString("page %1, exercise %2: %3 and %4").arg(i + 1).arg(k + 1).arg(n).arg(m)));
            }
        }
        QVERIFY2(diverse.size() > 30, "the worksheets of a class are mostly alike");
    }

    // Both entries say what is missing, as "STAMPA" does, and do nothing else.
    void refusedUntilComplete_data() { treFinestre(); }
    void refusedUntilComplete()
    {
        QFETCH(QString, tipo);
        MessageRecorder messages;
        FinestraScheda& w = apri(tipo);
        Salvataggio dialogo(dir_.filePath("mai.pdf"));
        bool classeAperta = false;
        QTimer dentro;
        connect(&dentro, &QTimer::timeout, [&] {
            if (frmSchedeClasse* f = loadedForm<frmSchedeClasse>()) {
                classeAperta = true;
                f->unload();
            }
        });
        dentro.start(0);
        kid<QAction>(&w, "mnuStampaClasse")->trigger();
        kid<QAction>(&w, "mnuSalvaPdf")->trigger();
        kid<PushKey>(&w, "Command1")->click();
        QCOMPARE(messages.messages.size(), 3);
        QCOMPARE(messages.messages[0], messages.messages[2]);
        QCOMPARE(messages.messages[1], messages.messages[2]);
        QVERIFY(!classeAperta);
        QVERIFY(dialogo.proposti.isEmpty());
        QVERIFY(!QFile::exists(dir_.filePath("mai.pdf")));
    }

    // The window answers while a file is written: a second file is refused until the first
    // one is written, and the window closed meanwhile does not stop the first one.
    void savedInTheBackground()
    {
        MessageRecorder messages;
        FinestraScheda& w = completa("togli");
        const QString file = dir_.filePath("sfondo.pdf");
        Salvataggio dialogo(file);
        kid<QAction>(&w, "mnuSalvaPdf")->trigger();
        QVERIFY(w.salvataggioInCorso());
        perLaClasse(w, 3, 2);
        QCOMPARE(messages.messages, QStringList{"Salvataggio in corso: attendi."});
        QCOMPARE(dialogo.proposti.size(), 1);
        w.close();
        QVERIFY(fileScritti());
        QCOMPARE(PrintService::pages(file), 1);
        QCOMPARE(messages.messages.size(), 1);
    }

    // Nothing half written, the old file as it was, and the reason in Italian.
    void badPlaces_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("folder that cannot be written") << "sola lettura";
        QTest::newRow("full file system") << "pieno";
        QTest::newRow("name of a folder") << "cartella";
        QTest::newRow("folder that does not exist") << "manca";
    }
    void badPlaces()
    {
        QFETCH(QString, caso);
        QTemporaryDir dove;
        std::optional<Montato> fs;
        if (caso == "sola lettura")
            fs.emplace(dove.path(), "ro,size=64k");
        else if (caso == "pieno")
            fs.emplace(dove.path(), "size=64k");
        if (fs && !fs->ok)
            QSKIP("mounting a small file system needs root");
        QString file = QDir(dove.path()).filePath("schede.pdf");
        if (caso == "pieno") {
            QFile vecchio(file);
            QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
            vecchio.close();
            // All but a few pages' worth of room taken.
            QFile pieno(QDir(dove.path()).filePath("zavorra"));
            QVERIFY(pieno.open(QIODevice::WriteOnly));
            pieno.write(QByteArray(56 * 1024, 'x'));
            pieno.close();
        } else if (caso == "cartella") {
            QVERIFY(QDir(dove.path()).mkdir("schede.pdf"));
        } else if (caso == "manca") {
            file = QDir(dove.path()).filePath("manca/schede.pdf");
        }
        const QStringList contenuto = QDir(dove.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        MessageRecorder messages;
        FinestraScheda& w = completa("aggiungi");
        const QList<int> prima = figure(w.pagina());
        Salvataggio dialogo(file);
        // The reason goes to the log, for whoever finds out afterwards what happened.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^not written \".*schede.pdf\" - .+"));
        perLaClasse(w, 6, 2);
        QVERIFY(fileScritti());

        QCOMPARE(messages.messages.size(), 1);
        QVERIFY2(messages.messages[0].startsWith("Impossibile salvare il file " + file + ".\n"),
                 qPrintable(messages.messages[0]));
        if (caso == "manca")
            QCOMPARE(messages.messages[0].section('\n', 1), "La cartella " + dove.path() + "/manca non esiste.");
        QCOMPARE(QDir(dove.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), contenuto);
        if (caso == "pieno") {
            QFile vecchio(file);
            QVERIFY(vecchio.open(QIODevice::ReadOnly));
            QCOMPARE(vecchio.readAll(), QByteArray("vecchio"));
        }
        QCOMPARE(figure(w.pagina()), prima);
    }

    // The number box holds what is printed. A number out of the range is refused with the range
    // (the mouse leaves the keyboard in the box) or put right in view when the box is left;
    // Enter in the box presses "Stampa".
    void numberBox_data()
    {
        QTest::addColumn<QString>("scritto");
        QTest::addColumn<QString>("come");
        QTest::addColumn<int>("schede"); // printed; 0 when refused
        QTest::newRow("0, Stampa") << "0" << "Stampa" << 0;
        QTest::newRow("41, Salva PDF...") << "41" << "Salva PDF..." << 0;
        QTest::newRow("0, Enter") << "0" << "Enter" << 0;
        QTest::newRow("41, Enter") << "41" << "Enter" << 0;
        QTest::newRow("7, Enter") << "7" << "Enter" << 7;
        QTest::newRow("41, Tab, Enter") << "41" << "Tab" << 40;
        QTest::newRow("0, Tab, Enter") << "0" << "Tab" << 1;
    }
    void numberBox()
    {
        QFETCH(QString, scritto);
        QFETCH(QString, come);
        QFETCH(int, schede);
        MessageRecorder messages;
        QString visto; // the box after the key, while the window is up
        bool intervalloIntero = false;
        QTimer::singleShot(0, [&] {
            frmSchedeClasse* f = loadedForm<frmSchedeClasse>();
            intervalloIntero = kid<QLabel>(f, "lblIntervallo")->sizeHint().width() <= kid<QLabel>(f, "lblIntervallo")->width();
            if (!QTest::qWaitForWindowActive(f))
                qWarning("the class window did not become active");
            QTest::keyClicks(kid<QSpinBox>(f, "spnSchede"), scritto);
            if (come == "Enter")
                QTest::keyClick(kid<QSpinBox>(f, "spnSchede"), Qt::Key_Return);
            else if (come != "Tab")
                QTest::mouseClick(come == "Stampa" ? kid<PushKey>(f, "cmdStampa") : kid<PushKey>(f, "cmdSalvaPdf"), Qt::LeftButton);
            else {
                QTest::keyClick(kid<QSpinBox>(f, "spnSchede"), Qt::Key_Tab);
                visto = kid<QSpinBox>(f, "spnSchede")->text();
                QTest::keyClick(f->focusWidget(), Qt::Key_Return);
            }
            if (f->isVisible()) {
                visto = kid<QSpinBox>(f, "spnSchede")->text();
                kid<PushKey>(f, "cmdAnnulla")->click();
            }
        });
        int numero = 0;
        QCOMPARE(frmSchedeClasse::chiedi(numero) == frmSchedeClasse::Scelta::Stampa, schede > 0);
        QCOMPARE(numero, schede);
        QVERIFY(intervalloIntero);
        QCOMPARE(visto, schede == 0 ? scritto : come == "Tab" ? QString::number(schede) : QString());
        QCOMPARE(messages.messages, schede == 0 ? QStringList{"Scrivi un numero da 1 a 40."} : QStringList());
    }

private:
    QTemporaryDir home_;
    QTemporaryDir dir_;
};

QTEST_MAIN(TestSchedeClasse)
#include "tst_schedeclasse.moc"
