#include "app/avvio.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/accessibilita.h"
#include "register/frmchisei.h"
#include "support/esercizio.h"
#include "support/printservice.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "worksheets/schedaaggiungitogli.h"
#include "schedatest.h"

#include <QAccessible>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// The English catalogue: every translation, "%1" standing for whatever it is filled with.
struct Catalogo
{
    QList<QRegularExpression> inglese;
    QStringList vuote; // sources whose translation is empty

    explicit Catalogo(const QString& ts)
    {
        QFile file(ts);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        QString sorgente;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (!xml.isStartElement() || (xml.name() != u"source" && xml.name() != u"translation"))
                continue;
            const bool traduzione = xml.name() == u"translation";
            const QStringList testi = leggi(xml);
            if (!traduzione) {
                sorgente = testi.value(0);
                continue;
            }
            for (const QString& testo : testi) {
                if (testo.isEmpty() && !sorgente.isEmpty())
                    vuote.append(sorgente);
                for (const QString& forma : {testo, Accessibilita::formaParlata(testo)}) {
                    QString modello = QRegularExpression::escape(forma);
                    modello.replace(QRegularExpression(QStringLiteral(R"(\\%[\dn])")), QStringLiteral(".*"));
                    inglese.append(QRegularExpression(QStringLiteral("^(?:%1)$").arg(modello),
                                                      QRegularExpression::DotMatchesEverythingOption));
                }
            }
        }
    }

    // The text of the element just started, to its end: a carriage return is written
    // <byte value="xd"/>; a text with a number has each of its forms in a <numerusform>.
    static QStringList leggi(QXmlStreamReader& xml)
    {
        QString testo;
        QStringList forme;
        while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == u"byte")
            if (xml.isCharacters())
                testo += xml.text();
            else if (xml.isStartElement() && xml.name() == u"numerusform")
                forme += leggi(xml);
            else if (xml.isStartElement())
                testo += QChar(xml.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
        return forme.isEmpty() ? QStringList{testo} : forme;
    }

    // A text the English program may show: one of the catalogue, or one that comes from
    // outside it (a number, a printer's name, the authors' addresses, the version).
    bool ammette(const QString& testo) const
    {
        static const QRegularExpression numero(QStringLiteral(R"(^[\s\d-]*$)"));
        return numero.match(testo).hasMatch() ||
               std::any_of(inglese.begin(), inglese.end(),
                           [&](const QRegularExpression& e) { return e.match(testo).hasMatch(); }) ||
               QStringList{QStringLiteral(TARVELLO_SITO), QStringLiteral(TARVELLO_EMAIL),
                           QString::fromLatin1(FrmInizio::Versione)}
                   .contains(testo) ||
               readPrinters().names.contains(testo); // asks the print service: last
    }
};

const Catalogo& catalogo()
{
    static const Catalogo c(QStringLiteral(TARVELLO_TS_INGLESE));
    return c;
}

QStringList stranieri; // texts no English translation accounts for, with where they were seen

void controlla(const QString& dove, const QString& testo)
{
    if (!catalogo().ammette(testo))
        stranieri.append(QStringLiteral("%1: \"%2\"").arg(dove, testo));
}

// Everything a window says, to the eye and to a screen reader: its title, every control's
// text, tooltip, accessible name and description, every menu entry.
void percorri(QWidget* finestra)
{
    const QString nome = finestra->objectName().isEmpty() ? QString::fromLatin1(finestra->metaObject()->className())
                                                          : finestra->objectName();
    controlla(nome + QStringLiteral(" title"), finestra->windowTitle());
    QList<QWidget*> controlli = finestra->findChildren<QWidget*>();
    controlli.prepend(finestra);
    for (QWidget* w : controlli) {
        const QString dove = nome + QLatin1Char('/') + w->objectName();
        if (const QVariant testo = w->property("text"); testo.isValid())
            controlla(dove, testo.toString());
        controlla(dove + QStringLiteral(" tooltip"), w->toolTip());
        controlla(dove + QStringLiteral(" name"), w->accessibleName());
        controlla(dove + QStringLiteral(" description"), w->accessibleDescription());
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w)) {
            controlla(dove + QStringLiteral(" read as"), a->text(QAccessible::Name));
            controlla(dove + QStringLiteral(" described as"), a->text(QAccessible::Description));
        }
        for (QAction* azione : w->actions()) {
            controlla(dove + QStringLiteral(" menu ") + azione->objectName(), azione->text());
            if (QMenu* menu = azione->menu())
                for (QAction* voce : menu->actions())
                    controlla(dove + QStringLiteral(" menu ") + voce->objectName(), voce->text());
        }
    }
}

void clic(QWidget* w)
{
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

// "VERIFICA" on a second set of so many figures.
void rispondi(frmOperativo& f, int figure)
{
    if (esercizio().NumElementiD == figure) // "VERIFICA" waits for a change
        clic(kid<PushKey>(&f, "Option1", Esercizio::TastoTogli));
    for (int i = 0; i < 12 && esercizio().NumElementiD != figure; ++i)
        clic(kid<PushKey>(&f, "Option1", esercizio().NumElementiD < figure ? Esercizio::TastoAggiungi : Esercizio::TastoTogli));
    clic(kid<PushKey>(&f, "Option1", Esercizio::TastoVerifica));
}

} // namespace

class TestInglese : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(PrintService::usePrivatePrintService());
        preparaApplicazione(*qApp, QStringLiteral("en"));
        Form::setOnLastUnloaded({});
        QVERIFY2(catalogo().vuote.isEmpty(), qPrintable(catalogo().vuote.join(u'\n')));
    }
    void init() { stranieri.clear(); }
    void cleanup()
    {
        closeEverything();
        QVERIFY2(stranieri.isEmpty(), qPrintable(QStringLiteral("Not English:\n") + stranieri.join(u'\n')));
    }

    // The start window and every window a menu entry opens from it or from the windows it
    // opens, modal ones included: a window added to a menu is walked with no word here.
    void everyWindowTheMenusOpen()
    {
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        QCOMPARE(kid<PushKey>(&inizio, "Option1", 3)->text(), QStringLiteral("E X I T "));
        QSet<QString> percorse;
        const auto percorriAperte = [&percorse] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<Form*>(w) && w->isVisible()) {
                    percorri(w);
                    percorse.insert(QString::fromLatin1(w->metaObject()->className()));
                }
        };
        percorriAperte();
        QList<QMenuBar*> menu{inizio.menuBar()};
        while (!menu.isEmpty()) {
            QList<QAction*> voci = menu.takeFirst()->actions();
            while (!voci.isEmpty()) {
                QAction* voce = voci.takeFirst();
                if (voce->menu()) {
                    voci += voce->menu()->actions();
                    continue;
                }
                const QList<QWidget*> prima = QApplication::topLevelWidgets();
                QTimer::singleShot(0, [&] {
                    percorriAperte();
                    if (QWidget* modale = QApplication::activeModalWidget())
                        modale->close();
                });
                voce->trigger();
                percorriAperte();
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (auto* nuova = qobject_cast<Form*>(w); nuova && !prima.contains(w) && nuova->menuBar() &&
                                                              nuova->menuBar()->actions().size())
                        menu.append(nuova->menuBar());
            }
        }
        for (const char* finestra : {"frmAutore", "frmStampaSchede", "frmStampaSchede2", "frmStampaSchede3",
                                     "frmStampante"})
            QVERIFY2(percorse.contains(QLatin1String(finestra)), finestra);
    }

    // "Chi sei?" with no pupil: the names a teacher writes are nobody's translation.
    void whoAreYou()
    {
        auto* w = new FrmChiSei({});
        w->load();
        w->showModeless();
        QCOMPARE(w->windowTitle(), QStringLiteral("Who are you?"));
        percorri(w);
    }

    void exerciseInEveryState_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("empty second set") << 0;
        QTest::newRow("too few") << 1;
        QTest::newRow("too many") << 2;
    }
    void exerciseInEveryState()
    {
        QFETCH(int, tipo);
        esercizio().Tentativi = 0;
        frmOperativo& f = apriEsercizio(tipo);
        percorri(&f);
        rispondi(f, esercizio().NumElementiS + 1);
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), QStringLiteral("R i g h t"));
        percorri(&f);
        clic(kid<PushKey>(&f, "Option1", Esercizio::TastoAvanti));
        for (int no = 0; no < 3; ++no) {
            rispondi(f, esercizio().NumElementiS + 2);
            percorri(&f); // "Shall I help ?"
            // The answers' initials move between them.
            for (const auto& [tasto, risposta] : {std::pair{Qt::Key_N, 1}, std::pair{Qt::Key_Y, 0}}) {
                tapKey(tasto);
                QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option3", risposta));
            }
            clic(kid<PushKey>(&f, "Option3", 1));
        }
        QVERIFY(kid<Frame>(&f, "fraIntervento")->isEnabled());
        percorri(&f);
        clic(kid<PushKey>(&f, "optOK"));
        percorri(&f);
    }

    // Each worksheet window with its four exercises, both parts, the printer choice with a
    // printer picked, the message of a worksheet not yet complete and of a failed print, and
    // the printed page.
    void worksheetsPrinterChoiceMessagesAndPage_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::newRow("empty second set") << 0;
        QTest::newRow("add elements") << 1;
        QTest::newRow("remove elements") << 2;
    }
    void worksheetsPrinterChoiceMessagesAndPage()
    {
        QFETCH(int, finestra);
        FinestraScheda* w = finestra == 0   ? static_cast<FinestraScheda*>(&loadForm<frmStampaSchede>())
                            : finestra == 1 ? static_cast<FinestraScheda*>(&loadForm<frmStampaSchede2>())
                                            : static_cast<FinestraScheda*>(&loadForm<frmStampaSchede3>());
        w->showModeless();
        MessageRecorder messaggi;
        kid<PushKey>(w, "Command1")->click(); // not complete yet
        percorri(w);
        for (int k = 2; k <= FinestraScheda::Esercizi; ++k)
            kidInsieme<PushKey>(w, k)->click();
        percorri(w);
        kid<PushKey>(w, "Command2")->click();
        percorri(w);
        Scheda::conSceltaStampante(*w, [](frmStampante& f) {
            percorri(&f);
            Scheda::scegli(f, 1);
            percorri(&f);
        });

        RecordingPrinter carta;
        StampaScheda(carta, w->pagina());
        QStringList stampati;
        for (const RecordingPrinter::Op& op : carta.ops)
            if (op.kind == RecordingPrinter::Op::Text)
                stampati.append(op.text);
        QCOMPARE(stampati.size(), 2);
        QCOMPARE(stampati.first(), QStringLiteral("Name and Surname   "));
        for (const QString& testo : stampati)
            controlla(QStringLiteral("printed page"), testo);

        QString documento;
        Printers::setOpener([&documento](const PrintDocument& d) -> std::unique_ptr<PrinterSurface> {
            documento = d.title;
            auto spenta = std::make_unique<RecordingPrinter>();
            spenta->failFrom = 1;
            return spenta;
        });
        kid<PushKey>(w, "Command1")->click();
        Printers::setOpener({});
        QVERIFY(finishPrinting());
        controlla(QStringLiteral("print job"), documento);
        QCOMPARE(messaggi.messages.size(), 2);
        for (const QString& messaggio : messaggi.messages)
            controlla(QStringLiteral("message box"), messaggio);
    }
};

QTEST_MAIN(TestInglese)
#include "tst_inglese.moc"
