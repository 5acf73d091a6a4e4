#include "app/avvio.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "core/twips.h"
#include "exercise/frmoperativo.h"
#include "forms/accessibilita.h"
#include "register/frmchisei.h"
#include "register/frmregistro.h"
#include "register/pin.h"
#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/schema.h"
#include "support/esercizio.h"
#include "support/printservice.h"
#include "support/recordingprinter.h"
#include "support/testsupport.h"
#include "worksheets/schedaaggiungitogli.h"
#include "schedatest.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTableView>
#include <QXmlStreamReader>

namespace {

// The language walked, from the command line: tst_lingua <code> [Qt Test's options].
QString lingua;

// The catalogue of the language walked: every translation, "%1" standing for whatever it is
// filled with, and the first form of each by its context and source.
struct Catalogo
{
    QList<QRegularExpression> tradotti;
    QHash<QPair<QString, QString>, QString> testi;
    QStringList vuote; // sources whose translation is empty

    explicit Catalogo(const QString& ts)
    {
        QFile file(ts);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        QString contesto;
        QString sorgente;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (!xml.isStartElement() || (xml.name() != u"source" && xml.name() != u"translation" && xml.name() != u"name"))
                continue;
            const QString elemento = xml.name().toString();
            const QStringList letti = leggi(xml);
            if (elemento == u"name")
                contesto = letti.value(0);
            if (elemento != u"translation") {
                sorgente = letti.value(0);
                continue;
            }
            testi.insert({contesto, sorgente}, letti.value(0));
            for (const QString& testo : letti) {
                if (testo.isEmpty() && !sorgente.isEmpty())
                    vuote.append(sorgente);
                // A screen reader is told a caption without its accelerator's ampersand.
                QString senzaAcceleratore = testo;
                senzaAcceleratore.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
                for (const QString& forma : {testo, Accessibilita::formaParlata(testo), senzaAcceleratore}) {
                    QString modello = QRegularExpression::escape(forma);
                    modello.replace(QRegularExpression(QStringLiteral(R"(\\%[\dn])")), QStringLiteral(".*"));
                    tradotti.append(QRegularExpression(QStringLiteral("^(?:%1)$").arg(modello),
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

    // A text the translated program may show: one of the catalogue, or one that comes from
    // outside it (a number, a date, a printer's name, the program's name, the authors'
    // addresses, the version, what the teacher wrote in the register).
    bool ammette(const QString& testo) const
    {
        static const QRegularExpression numero(QStringLiteral(R"(^[\s\d./-]*$)"));
        return numero.match(testo).hasMatch() ||
               std::any_of(tradotti.begin(), tradotti.end(),
                           [&](const QRegularExpression& e) { return e.match(testo).hasMatch(); }) ||
               QStringList{QStringLiteral(TARVELLO_SITO), QStringLiteral(TARVELLO_EMAIL),
                           QString::fromLatin1(FrmInizio::Versione), QApplication::applicationName(), QStringLiteral("3A")}
                   .contains(testo) ||
               readPrinters().names.contains(testo); // asks the print service: last
    }

    QString di(const char* contesto, const char* sorgente) const
    {
        return testi.value({QString::fromLatin1(contesto), QString::fromUtf8(sorgente)});
    }
};

const Catalogo& catalogo()
{
    static const Catalogo c(QStringLiteral(TARVELLO_TRADUZIONI "/tarvello_%1.ts").arg(lingua));
    return c;
}

QStringList stranieri; // texts the catalogue does not account for, with where they were seen
QStringList tagliati;  // captions their control cannot hold, with where and at what size

void controlla(const QString& dove, const QString& testo)
{
    if (!catalogo().ammette(testo))
        stranieri.append(QStringLiteral("%1: \"%2\"").arg(dove, testo));
}

// Where and how a control writes its caption; an empty text for a control that writes none.
struct Scritta
{
    QString testo;
    QRectF dove;
    QFont font;
    int modo = 0;
};

Scritta scritta(QWidget* w)
{
    if (auto* k = qobject_cast<PushKey*>(w))
        return {k->text(), k->captionRect(), k->captionFont(), Qt::AlignCenter | Qt::TextWordWrap};
    if (auto* l = qobject_cast<QLabel*>(w); l && !Qt::mightBeRichText(l->text())) {
        const int m = l->margin();
        return {l->text(), QRectF(l->contentsRect().adjusted(m, m, -m, -m)), l->font(),
                int(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0) | (l->buddy() ? Qt::TextShowMnemonic : 0)};
    }
    const auto pulsante = [w](QAbstractButton* b, QStyle::SubElement dentro) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        return Scritta{b->text(), QRectF(w->style()->subElementRect(dentro, &o, w)), b->font(),
                       Qt::AlignCenter | Qt::TextShowMnemonic};
    };
    if (auto* b = qobject_cast<QPushButton*>(w))
        return pulsante(b, QStyle::SE_PushButtonContents);
    if (auto* c = qobject_cast<QCheckBox*>(w))
        return pulsante(c, QStyle::SE_CheckBoxContents);
    return {};
}

// Every caption shown whole by its control: each line (as the control breaks it) no wider than
// where it is written, and the lines no taller.
void misura(QWidget* finestra, const QString& nome, const QString& dove)
{
    QCoreApplication::processEvents();
    for (QWidget* w : finestra->findChildren<QWidget*>()) {
        const Scritta s = scritta(w);
        if (s.testo.isEmpty() || !w->isVisibleTo(finestra))
            continue;
        // One line is as tall as the control was drawn for, in every language; more must fit.
        const QFontMetricsF fm(s.font);
        const QRectF serve = fm.boundingRect(s.dove, s.modo, s.testo);
        if (serve.width() > s.dove.width() + 0.5 || serve.height() > std::max(s.dove.height(), fm.height()) + 0.5)
            tagliati.append(QStringLiteral("%1/%2 at %3: \"%4\" needs %5x%6 px, has %7x%8")
                                .arg(nome, w->objectName(), dove, s.testo)
                                .arg(serve.width()).arg(serve.height()).arg(s.dove.width()).arg(s.dove.height()));
    }
}

// The captions as the window comes up on the 1024x768 screen, and at the window's design size.
void misuraAlleDueMisure(QWidget* finestra, const QString& nome)
{
    auto* f = qobject_cast<Form*>(finestra);
    if (!f)
        return;
    misura(f, nome, QStringLiteral("1024x768"));
    const Qt::WindowStates stato = f->windowState();
    const QRect prima = f->geometry();
    f->setWindowState(Qt::WindowNoState);
    f->resize(Twips::toPixels(f->designInnerSize()) + f->size() - f->client()->size());
    misura(f, nome, QStringLiteral("the design size"));
    f->setGeometry(prima);
    f->setWindowState(stato);
    QCoreApplication::processEvents();
}

// Everything a window says, to the eye and to a screen reader: its title, every control's
// text, tooltip, accessible name and description, every menu entry; and whether its captions
// fit.
void percorri(QWidget* finestra)
{
    const QString nome = finestra->objectName().isEmpty() ? QString::fromLatin1(finestra->metaObject()->className())
                                                          : finestra->objectName();
    misuraAlleDueMisure(finestra, nome);
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

class TestLingua : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(PrintService::usePrivatePrintService());
        preparaApplicazione(*qApp, lingua);
        Form::setOnLastUnloaded({});
        QVERIFY2(!catalogo().testi.isEmpty(), qPrintable(lingua));
        QVERIFY2(catalogo().vuote.isEmpty(), qPrintable(catalogo().vuote.join(u'\n')));
    }
    void init()
    {
        stranieri.clear();
        tagliati.clear();
    }
    void cleanup()
    {
        closeEverything();
        QVERIFY2(stranieri.isEmpty(), qPrintable(QStringLiteral("Not in the catalogue:\n") + stranieri.join(u'\n')));
        QVERIFY2(tagliati.isEmpty(), qPrintable(QStringLiteral("Cut:\n") + tagliati.join(u'\n')));
    }

    // The start window and every window a menu entry opens from it or from the windows it
    // opens, modal ones included: a window added to a menu is walked with no word here.
    void everyWindowTheMenusOpen()
    {
        FrmInizio& inizio = loadForm<FrmInizio>();
        inizio.showModeless();
        QCOMPARE(kid<PushKey>(&inizio, "Option1", 3)->text(), catalogo().di("FrmInizio", "E S C I "));
        QSet<QString> percorse;
        const auto percorriAperte = [&percorse] {
            // Measuring lets events through, and a window may go meanwhile.
            QList<QPointer<Form>> aperte;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* f = qobject_cast<Form*>(w); f && f->isVisible())
                    aperte.append(f);
            for (Form* w : aperte)
                if (w) {
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
        QCOMPARE(w->windowTitle(), catalogo().di("FrmChiSei", "Chi sei?"));
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
        QCOMPARE(kid<Annuncio>(&f, "LblEsito")->text(), catalogo().di("Esercizio", "E s a t t o"));
        percorri(&f);
        clic(kid<PushKey>(&f, "Option1", Esercizio::TastoAvanti));
        for (int no = 0; no < 3; ++no) {
            rispondi(f, esercizio().NumElementiS + 2);
            percorri(&f); // "Shall I help ?"
            // The answers' initials move between them.
            for (const auto& [parola, risposta] : {std::pair{"NO", 1}, std::pair{"SI", 0}}) {
                tapKey(Qt::Key(catalogo().di("frmOperativo", parola).front().toUpper().unicode()));
                QCOMPARE(QApplication::focusWidget(), kid<PushKey>(&f, "Option3", risposta));
            }
            clic(kid<PushKey>(&f, "Option3", 1));
        }
        QVERIFY(kid<Frame>(&f, "fraIntervento")->isEnabled());
        percorri(&f);
        clic(kid<PushKey>(&f, "optOK"));
        percorri(&f);
    }

    // The teacher's register: the PIN chosen at its first opening, the register with no class;
    // then the PIN asked, a class with its pupils and the class of this PC, a pupil's chart.
    void teachersRegister()
    {
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
        const auto entra = [&file] {
            FrmRegistro* w = &FrmRegistro::apri(file);
            auto* pin = kid<QLineEdit>(w, "txtPin");
            auto* conferma = kid<QLineEdit>(w, "txtPinConferma");
            QVERIFY(waitFor([&] { return pin->isEnabled(); }, 10000));
            percorri(w);
            for (QLineEdit* campo : {pin, conferma})
                campo->setText(QStringLiteral("2468"));
            QTest::keyClick(conferma->isVisibleTo(w) ? conferma : pin, Qt::Key_Return);
            QVERIFY(waitFor([&] { return kid<QStackedWidget>(w, "stkPagine")->currentIndex() == 1 && w->inAttesa() == 0; },
                            10000));
            percorri(w);
        };
        entra();
        closeEverything();
        {
            Connessione c(file);
            QCOMPARE(Schema::prepara(c.db()).stato, Schema::Stato::Pronto);
            const auto classe = Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A"));
            QVERIFY(classe);
            QCOMPARE(Anagrafe::aggiungiAlunni(c.db(), *classe, QStringLiteral("Anna\nLuca")), 2);
            QVERIFY(Anagrafe::scegliClasseDelPc(c.db(), *classe));
        }
        entra();
        auto* w = loadedForm<FrmRegistro>();
        QVERIFY(w);
        auto* tabella = kid<QTableView>(w, "tblRiepilogo");
        QVERIFY(waitFor([&] { return tabella->model()->rowCount() == 2; }, 10000));
        tabella->setFocus();
        tabella->setCurrentIndex(tabella->model()->index(0, 0));
        QTest::keyClick(tabella, Qt::Key_Return);
        QVERIFY(waitFor([&] { return kid<QWidget>(w, "grfAlunno")->accessibleName().contains(QLatin1String("Anna")); }, 10000));
        percorri(w);
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
        QCOMPARE(stampati.first(), catalogo().di("PaginaScheda", "Nome e Cognome   "));
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

int main(int argc, char** argv)
{
    std::vector<char*> argomenti(argv, argv + argc);
    if (argc > 1 && argv[1][0] != '-') {
        lingua = QString::fromLatin1(argv[1]);
        argomenti.erase(argomenti.begin() + 1);
    }
    // The screen of the smallest PCs schools have, where a maximized window is measured.
    QTemporaryDir schermo;
    if (lingua.isEmpty() || !offscreenScreen(schermo, 1024, 768))
        return 2;
    int conti = int(argomenti.size());
    QApplication app(conti, argomenti.data());
    TestLingua test;
    return QTest::qExec(&test, conti, argomenti.data());
}

#include "tst_lingua.moc"
