#include "printing/printer.h"
#include "support/testsupport.h"
#include "worksheets/frmschedeclasse.h"
#include "worksheets/schedatest.h"

#include <QTemporaryDir>
#include <QTest>

// A machine without any printer: no print service answers at all.
class TestSenzaStampanti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A socket where no server listens, and no client settings of this machine: the
        // program must not find the machine's own queues, if it has any.
        QVERIFY(cartella_.isValid());
        qputenv("CUPS_SERVER", cartella_.filePath("cups.sock").toLocal8Bit());
        qputenv("CUPS_SERVERROOT", cartella_.path().toLocal8Bit());
        qputenv("HOME", cartella_.path().toLocal8Bit());
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    }

    void cleanup() { closeEverything(); }

    void theChoiceOpensEmptyWithANote()
    {
        frmStampaSchede& w = Scheda::apri();
        const Scheda::Scelta s = Scheda::conSceltaStampante(w, [](frmStampante& f) {
            // Nothing to pick; a selection event all the same changes nothing.
            emit kid<QComboBox>(&f, "Combo1")->activated(-1);
        });
        QVERIFY(s.aperta);
        QVERIFY(s.voci.isEmpty());
        QCOMPARE(s.label1, QStringLiteral("Nessuna stampante installata"));
        QCOMPARE(s.label2, QString());
        QVERIFY(Printers::current().isEmpty());
        frmStampante* f = loadedForm<frmStampante>();
        QVERIFY(f && !f->isVisible());
        QVERIFY(w.isVisible());
    }

    // A class set asked for while the page is on its way is answered, not dropped.
    void printingSaysThereIsAProblem()
    {
        MessageRecorder messages;
        frmStampaSchede& w = Scheda::completa();
        const QList<int> posti = Scheda::posti(w);
        kid<PushKey>(&w, "Command1")->click();
        QVERIFY(w.stampaInCorso());
        kid<QAction>(&w, "mnuStampaClasse")->trigger();
        QVERIFY(!loadedForm<frmSchedeClasse>());
        QVERIFY(finishPrinting());
        QCOMPARE(messages.messages,
                 QStringList({"Stampa in corso: attendi.", "Problema di stampa nella stampante utilizzata."}));
        QCOMPARE(Scheda::posti(w), posti);
        QCOMPARE(w.insiemiGenerati(), (std::array<bool, 4>{true, true, true, true}));
        QVERIFY(w.isVisible());
    }

private:
    QTemporaryDir cartella_;
};

QTEST_MAIN(TestSenzaStampanti)
#include "tst_senzastampanti.moc"
