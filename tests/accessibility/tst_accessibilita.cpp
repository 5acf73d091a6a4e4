#include "app/frmautore.h"
#include "forms/frmfigure.h"
#include "app/frminizio.h"
#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/accessibilita.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "support/esercizio.h"
#include "support/testsupport.h"
#include "worksheets/frmstampante.h"
#include "worksheets/frmstampaschede.h"
#include "worksheets/schedaaggiungitogli.h"

#include <QAccessible>
#include <QComboBox>
#include <QRegularExpression>
#include <QTest>

namespace {

QAccessibleInterface* accessibile(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString nome(QObject* o) { return accessibile(o)->text(QAccessible::Name); }
QString descrizione(QObject* o) { return accessibile(o)->text(QAccessible::Description); }
QString senzaSpazi(QString s) { return s.remove(QLatin1Char(' ')); }

bool mostraFigura(const ImageBox* posto)
{
    const int id = posto->picture().id();
    return id >= 1 && id <= FrmFigure::NumeroFigure;
}

// What a screen reader finds in a window, control by control: every key named by its caption
// (closed up when spaced out letter by letter), every label by its text or, without text, by a
// name or by what it is for, every place "figura" exactly while it shows a figure, every set
// named by how many figures it holds.
void ogniControlloSiLegge(const Form& finestra)
{
    static const QRegularExpression nomeInsieme(QStringLiteral(R"(^.+: (?:(\d+) (figura|figure)|vuoto)$)"));
    for (const Form::Control& c : finestra.controls()) {
        QWidget* w = c.widget;
        const QString n = nome(w);
        const QByteArray chi = QByteArray(finestra.metaObject()->className()) + ' ' + w->objectName().toUtf8() + ": \""
                               + n.toUtf8() + '"';
        if (auto* tasto = qobject_cast<PushKey*>(w)) {
            QVERIFY2(!n.isEmpty(), chi);
            QVERIFY2(senzaSpazi(n) == senzaSpazi(tasto->text()), chi);
        } else if (auto* etichetta = qobject_cast<QLabel*>(w)) {
            if (etichetta->text().isEmpty())
                QVERIFY2(!n.isEmpty() || !descrizione(w).isEmpty(), chi);
            else
                QVERIFY2(senzaSpazi(n) == senzaSpazi(etichetta->text()), chi);
        } else if (auto* posto = qobject_cast<ImageBox*>(w)) {
            QCOMPARE(accessibile(w)->role(), QAccessible::Graphic);
            if (posto->picture().isNull() || posto->picture().id() == FrmFigure::Bianca)
                QVERIFY2(n.isEmpty(), chi);
            else if (mostraFigura(posto))
                QVERIFY2(n == QStringLiteral("figura"), chi);
            else
                QVERIFY2(!n.isEmpty(), chi); // a picture that is not a figure says what it shows
        } else if (qobject_cast<Frame*>(w)) {
            QCOMPARE(accessibile(w)->role(), QAccessible::Grouping);
            const QList<ImageBox*> posti = w->findChildren<ImageBox*>(Qt::FindDirectChildrenOnly);
            if (posti.isEmpty())
                continue;
            const auto m = nomeInsieme.match(n);
            QVERIFY2(m.hasMatch(), chi);
            const int figure = int(std::count_if(posti.begin(), posti.end(), mostraFigura));
            QVERIFY2(m.captured(1).toInt() == figure, chi);
            QVERIFY2(figure != 1 || m.captured(2) == QStringLiteral("figura"), chi);
        } else if (qobject_cast<QComboBox*>(w)) {
            QVERIFY2(!n.isEmpty(), chi);
        }
    }
}

} // namespace

class TestAccessibilita : public QObject
{
    Q_OBJECT

private slots:
    void init() { esercizio().Tentativi = 0; }
    void cleanup() { closeEverything(); }

    // What must stay as it is: captions of words, whatever single characters they hold. The
    // spaced-out captions themselves are read below, where the keys and the outcome are.
    void wordsAreNotClosedUp_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::newRow("a word and a sign") << "Ti aiuto ?";
        QTest::newRow("blanks in brackets") << "INSIEME VUOTO (  )";
        QTest::newRow("letters two blanks apart") << "A  B";
    }
    void wordsAreNotClosedUp()
    {
        QFETCH(QString, testo);
        QCOMPARE(Accessibilita::formaParlata(testo), testo);
    }

    void everyWindowReads_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::newRow("start") << 0;
        QTest::newRow("exercise") << 1;
        QTest::newRow("worksheet, empty second sets") << 2;
        QTest::newRow("worksheet, add") << 3;
        QTest::newRow("worksheet, remove") << 4;
        QTest::newRow("printer choice") << 5;
        QTest::newRow("about") << 6;
    }
    // Every window as it opens, and the worksheets again once all their sets exist.
    void everyWindowReads()
    {
        QFETCH(int, finestra);
        FinestraScheda* scheda = nullptr;
        switch (finestra) {
        case 0: ogniControlloSiLegge(loadForm<FrmInizio>()); break;
        case 1: ogniControlloSiLegge(apriEsercizio(1)); break;
        case 2: scheda = &loadForm<frmStampaSchede>(); break;
        case 3: scheda = &loadForm<frmStampaSchede2>(); break;
        case 4: scheda = &loadForm<frmStampaSchede3>(); break;
        case 5: ogniControlloSiLegge(loadForm<frmStampante>()); break;
        case 6: ogniControlloSiLegge(loadForm<frmAutore>()); break;
        }
        if (!scheda)
            return;
        ogniControlloSiLegge(*scheda);
        for (int k = 2; k <= FinestraScheda::Esercizi && !QTest::currentTestFailed(); ++k) {
            scheda->GeneraInsieme(k);
            ogniControlloSiLegge(*scheda);
        }
    }

    void spacedCaptionsAreReadAsWords_data()
    {
        QTest::addColumn<int>("finestra");
        QTest::addColumn<QString>("tasto");
        QTest::addColumn<QString>("nome");
        QTest::newRow("start window's exit") << 0 << "Option1[3]" << "ESCI";
        QTest::newRow("printer choice's close") << 1 << "Command2" << "CHIUDI";
        QTest::newRow("about's close") << 2 << "Command1" << "Chiudi";
    }
    void spacedCaptionsAreReadAsWords()
    {
        QFETCH(int, finestra);
        QFETCH(QString, tasto);
        QFETCH(QString, nome);
        Form* f = finestra == 0 ? static_cast<Form*>(&loadForm<FrmInizio>())
                  : finestra == 1 ? static_cast<Form*>(&loadForm<frmStampante>())
                                  : static_cast<Form*>(&loadForm<frmAutore>());
        auto* k = f->findChild<PushKey*>(tasto);
        QVERIFY(k);
        QCOMPARE(::nome(k), nome);
        QCOMPARE(accessibile(k)->role(), QAccessible::Button);
    }

    void setsFollowTheFigures_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("empty") << 0;
        QTest::newRow("add") << 1;
        QTest::newRow("remove") << 2;
    }
    // The pupil adds and removes; the names of both sets always say what is on screen, and
    // the second set's what the exercise holds.
    void setsFollowTheFigures()
    {
        QFETCH(int, tipo);
        frmOperativo& f = apriEsercizio(tipo);
        QVERIFY(nome(kid<Frame>(&f, "FraSfondoS")).startsWith(QStringLiteral("Primo insieme: ")));
        QVERIFY(nome(kid<Frame>(&f, "FraSfondoD")).startsWith(QStringLiteral("Secondo insieme: ")));
        const auto passi = {Esercizio::TastoAggiungi, Esercizio::TastoAggiungi, Esercizio::TastoTogli,
                            Esercizio::TastoTogli, Esercizio::TastoTogli};
        for (int tasto : passi) {
            ogniControlloSiLegge(f);
            QCOMPARE(nome(kid<Frame>(&f, "FraSfondoD")), Accessibilita::nomeInsieme(QStringLiteral("Secondo insieme"), esercizio().NumElementiD));
            f.EseguiTasto(tasto);
        }
        f.SiSi(); // the solution: n + 1
        ogniControlloSiLegge(f);
        QCOMPARE(nome(kid<Frame>(&f, "FraSfondoD")),
                 Accessibilita::nomeInsieme(QStringLiteral("Secondo insieme"), int(esercizio().NumElementiS) + 1));
    }

    void emptySecondSetIsReadEmpty()
    {
        frmOperativo& f = apriEsercizio(0);
        QCOMPARE(nome(kid<Frame>(&f, "FraSfondoD")), QStringLiteral("Secondo insieme: vuoto"));
        f.Aggiungi();
        QCOMPARE(nome(kid<Frame>(&f, "FraSfondoD")), QStringLiteral("Secondo insieme: 1 figura"));
        QCOMPARE(nome(kid<ImageBox>(&f, "Image2", 1)), QStringLiteral("figura"));
        QCOMPARE(nome(kid<ImageBox>(&f, "Image2", 2)), QString());
    }

    void outcomeAndHelp_data()
    {
        QTest::addColumn<int>("risposta"); // 0 none yet, 1 right, 2 wrong
        QTest::addColumn<QString>("esito");
        QTest::newRow("building") << 0 << "";
        QTest::newRow("right") << 1 << "Esatto";
        QTest::newRow("wrong") << 2 << "Errato";
    }
    // The outcome is read as the word it spells; it and the help texts are notifications,
    // which screen readers read out when they show.
    void outcomeAndHelp()
    {
        QFETCH(int, risposta);
        QFETCH(QString, esito);
        frmOperativo& f = apriEsercizio(1);
        if (risposta != 0) {
            const int meta = risposta == 1 ? esercizio().NumElementiS + 1 : esercizio().NumElementiS;
            while (esercizio().NumElementiD != meta)
                f.Aggiungi();
            f.Verifica();
        }
        QCOMPARE(nome(kid<Annuncio>(&f, "LblEsito")), esito);
        QCOMPARE(descrizione(kid<Annuncio>(&f, "LblEsito")), QStringLiteral("Esito della verifica"));
        QCOMPARE(nome(kid<Annuncio>(&f, "LblAiuto")), QStringLiteral("Ti aiuto ?"));
        QCOMPARE(nome(kid<Annuncio>(&f, "lblIntervento")), QStringLiteral("Intervengo io"));
        for (QLabel* annuncio : {static_cast<QLabel*>(kid<Annuncio>(&f, "LblEsito")), static_cast<QLabel*>(kid<Annuncio>(&f, "LblAiuto")),
                                 static_cast<QLabel*>(kid<Annuncio>(&f, "lblIntervento"))})
            QCOMPARE(accessibile(annuncio)->role(), QAccessible::Notification);
        // A number is read with what it counts.
        QCOMPARE(nome(kid<QLabel>(&f, "lblRisEsatte")), kid<QLabel>(&f, "lblRisEsatte")->text());
        QCOMPARE(descrizione(kid<QLabel>(&f, "lblRisEsatte")), QStringLiteral("Risposte esatte"));
        QCOMPARE(nome(kid<QLabel>(&f, "lblRisErrate")), kid<QLabel>(&f, "lblRisErrate")->text());
        QCOMPARE(descrizione(kid<QLabel>(&f, "lblRisErrate")), QStringLiteral("Risposte errate"));
    }
};

QTEST_MAIN(TestAccessibilita)
#include "tst_accessibilita.moc"
