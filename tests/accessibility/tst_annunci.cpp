#include "app/finestre.h"
#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "support/esercizio.h"
#include "support/testsupport.h"

#include <QAccessible>
#include <QTest>

// What the exercise window tells screen readers as the pupil goes: which steps read out the
// outcome, the help question and the intervention, that they are read once the focus has moved,
// and that a step renames only the set and the place it changed.
//
// Qt hands accessibility events on only while a screen reader could listen: not offscreen, but
// on an accessibility bus. The test runs under a11y-session.sh, and listens in Qt's place.

namespace {

struct Evento
{
    QAccessible::Event tipo;
    QObject* oggetto;
    QString nome;
};
QList<Evento> uditi;

void ascolta(QAccessibleEvent* e)
{
    QAccessibleInterface* i = e->accessibleInterface();
    uditi.append({e->type(), e->object(), i ? i->text(QAccessible::Name) : QString()});
}

// What the window read out: the names of the announcements that showed, in order.
QStringList annunci()
{
    QStringList letti;
    for (const Evento& e : uditi)
        if (e.tipo == QAccessible::ObjectShow && qobject_cast<Annuncio*>(e.oggetto))
            letti.append(e.nome);
    return letti;
}

// The objects that were renamed: sets and places.
QList<QObject*> rinominati()
{
    QList<QObject*> oggetti;
    for (const Evento& e : uditi)
        if (e.tipo == QAccessible::NameChanged
            && (qobject_cast<Frame*>(e.oggetto) || qobject_cast<ImageBox*>(e.oggetto)))
            oggetti.append(e.oggetto);
    return oggetti;
}

enum Passo { Sbagliata, Giusta, No, Si, Ok, Avanti };

// A step of the pupil's, through the keys' own handlers.
void esegui(frmOperativo& f, Passo passo)
{
    switch (passo) {
    case Sbagliata: // kind 1 starts below n: one figure more is still too few
        f.EseguiTasto(Esercizio::TastoAggiungi);
        f.EseguiTasto(Esercizio::TastoVerifica);
        break;
    case Giusta:
        while (esercizio().NumElementiD < esercizio().NumElementiS + 1)
            f.EseguiTasto(Esercizio::TastoAggiungi);
        f.EseguiTasto(Esercizio::TastoVerifica);
        break;
    case No:
        f.NoNo();
        break;
    case Si:
        f.SiSi();
        break;
    case Ok:
        kid<PushKey>(&f, "optOK")->click();
        break;
    case Avanti:
        f.EseguiTasto(Esercizio::TastoAvanti);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Passo)

class TestAnnunci : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        bridge_ = QAccessible::installUpdateHandler(ascolta);
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(bridge_); }
    void init() { esercizio().Tentativi = 0; }
    void cleanup() { closeEverything(); }

    void announcements_data()
    {
        QTest::addColumn<QList<Passo>>("prima");
        QTest::addColumn<Passo>("passo");
        QTest::addColumn<QStringList>("letti");
        QTest::newRow("wrong answer") << QList<Passo>{} << Sbagliata << QStringList{"Errato", "Ti aiuto ?"};
        QTest::newRow("right answer") << QList<Passo>{} << Giusta << QStringList{"Esatto"};
        QTest::newRow("help refused") << QList<Passo>{Sbagliata} << No << QStringList{};
        QTest::newRow("wrong again after a refusal") << QList<Passo>{Sbagliata, No} << Sbagliata
                                                     << QStringList{"Errato", "Ti aiuto ?"};
        QTest::newRow("help accepted") << QList<Passo>{Sbagliata} << Si << QStringList{};
        QTest::newRow("third refusal") << QList<Passo>{Sbagliata, No, Sbagliata, No, Sbagliata} << No
                                       << QStringList{"Intervengo io"};
        QTest::newRow("intervention acknowledged") << QList<Passo>{Sbagliata, No, Sbagliata, No, Sbagliata, No}
                                                   << Ok << QStringList{};
        QTest::newRow("next exercise") << QList<Passo>{Giusta} << Avanti << QStringList{};
    }
    void announcements()
    {
        QFETCH(QList<Passo>, prima);
        QFETCH(Passo, passo);
        QFETCH(QStringList, letti);
        frmOperativo& f = apriEsercizio(1);
        for (Passo p : prima)
            esegui(f, p);
        uditi.clear();
        esegui(f, passo);
        QCOMPARE(annunci(), letti);
        // Nothing takes the focus after the last announcement: a screen reader would stop
        // reading it to name the key.
        qsizetype ultimoFuoco = -1;
        qsizetype primoAnnuncio = uditi.size();
        for (qsizetype i = 0; i < uditi.size(); ++i) {
            if (uditi[i].tipo == QAccessible::Focus)
                ultimoFuoco = i;
            else if (uditi[i].tipo == QAccessible::ObjectShow && qobject_cast<Annuncio*>(uditi[i].oggetto))
                primoAnnuncio = qMin(primoAnnuncio, i);
        }
        QVERIFY2(ultimoFuoco < primoAnnuncio, "the focus moved after an announcement");
    }

    void renamesOnlyWhatChanged_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("posto"); // the place that changes, from the set's size before
        QTest::newRow("a figure added") << int(Esercizio::TastoAggiungi) << 1;
        QTest::newRow("a figure taken away") << int(Esercizio::TastoTogli) << 0;
    }
    void renamesOnlyWhatChanged()
    {
        QFETCH(int, tasto);
        QFETCH(int, posto);
        frmOperativo& f = apriEsercizio(1);
        const int prima = esercizio().NumElementiD;
        uditi.clear();
        f.EseguiTasto(tasto);
        const QList<QObject*> attesi{kid<ImageBox>(&f, "Image2", prima + posto), kid<Frame>(&f, "FraSfondoD")};
        QCOMPARE(rinominati(), attesi);
    }

private:
    QAccessible::UpdateHandler bridge_ = nullptr;
};

QTEST_MAIN(TestAnnunci)
#include "tst_annunci.moc"
