#include "registro/anagrafe.h"
#include "registro/connessione.h"
#include "registro/consultazione.h"
#include "registro/schema.h"

#include <QHash>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Consultazione;

// Times below are the teacher's, in Rome (the test runs with TZ set so): in December a local day
// begins at 23:00 UTC of the day before.
namespace {

const QUuid S1{QStringLiteral("{00000000-0000-0000-0000-000000000001}")};
const QUuid S2{QStringLiteral("{00000000-0000-0000-0000-000000000002}")};
const QUuid S3{QStringLiteral("{00000000-0000-0000-0000-000000000003}")};

QDateTime ora(const char* locale) { return QDateTime::fromString(QLatin1String(locale), Qt::ISODate).toUTC(); }

bool inserisci(QSqlDatabase db, const Risposta& r)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO risposte (id, sessione, esercizio, quando, pc, alunno, tipo, figura, n,"
                             " m, dato, esatta, secondi, seguito) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v : QVariantList{
             r.id.toString(), r.sessione.toString(), r.esercizio,
             r.quando.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz'Z'")), r.pc,
             r.alunno.isNull() ? QVariant() : QVariant(r.alunno.toString()), r.tipo, r.figura, r.n, r.m, r.dato,
             int(r.esatta), r.secondi, int(r.seguito)})
        q.addBindValue(v);
    return q.exec();
}

} // namespace

class TestConsultazione : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void riepilogo_data();
    void riepilogo();
    void giorniDiUnAlunno();
    void ogniRisposta_data();
    void ogniRisposta();
    void eliminaPrimaDiUnGiorno();

private:
    QTemporaryDir cartella_;
    std::unique_ptr<Connessione> c_;
    QUuid classe3A_, classe3B_;
    QHash<QString, QUuid> alunni_;
    QList<Risposta> risposte_; // in order of time
};

void TestConsultazione::initTestCase()
{
    c_ = std::make_unique<Connessione>(cartella_.filePath(QStringLiteral("r.sqlite")));
    QVERIFY2(c_->aperta(), qPrintable(c_->errore()));
    QCOMPARE(Schema::prepara(c_->db()).stato, Schema::Stato::Pronto);
    classe3A_ = *Anagrafe::aggiungiClasse(c_->db(), QStringLiteral("3A"));
    classe3B_ = *Anagrafe::aggiungiClasse(c_->db(), QStringLiteral("3B"));
    Anagrafe::aggiungiAlunni(c_->db(), classe3A_, QStringLiteral("Anna\nBruno\nCarla"));
    Anagrafe::aggiungiAlunni(c_->db(), classe3B_, QStringLiteral("Dario"));
    for (const QUuid& classe : {classe3A_, classe3B_})
        for (const Alunno& a : Anagrafe::alunni(c_->db(), classe))
            alunni_.insert(a.nome, a.id);

    struct Riga
    {
        const char* chi;
        QUuid sessione;
        int esercizio;
        const char* quando;
        bool esatta;
        double secondi;
        Seguito seguito;
    };
    // Listed out of order of time: the first answer of an exercise is the earliest, not the
    // first written.
    const Riga righe[] = {
        {"Anna", S1, 1, "2026-12-07T09:01:00", true, 7, Seguito::Nessuno},
        {"Anna", S1, 1, "2026-12-07T09:00:00", false, 5, Seguito::Aiuto},
        {"Anna", S1, 2, "2026-12-07T09:02:00", true, 3, Seguito::Nessuno},
        {"Anna", S1, 3, "2026-12-08T00:30:00", true, 10, Seguito::Nessuno},
        {"Anna", S1, 4, "2026-12-09T10:00:00", false, 20, Seguito::Intervento},
        // The same exercise number in another run is another exercise.
        {"Bruno", S2, 1, "2026-12-09T08:00:00", true, 4, Seguito::Nessuno},
        {"Bruno", S3, 1, "2026-12-09T08:11:00", true, 2, Seguito::Nessuno},
        {"Bruno", S3, 1, "2026-12-09T08:10:00", false, 6, Seguito::Rifiuto},
        {"Dario", S3, 2, "2026-12-08T11:00:00", false, 9, Seguito::Aiuto},
        {"", S2, 2, "2026-12-08T12:00:00", true, 1, Seguito::Nessuno},
        {"", S2, 3, "2026-12-08T12:05:00", false, 1.25, Seguito::Aiuto},
    };
    int numero = 0;
    for (const Riga& riga : righe) {
        Risposta r;
        r.id = QUuid::createUuid();
        r.sessione = riga.sessione;
        r.esercizio = riga.esercizio;
        r.quando = ora(riga.quando);
        r.pc = QStringLiteral("lab-%1").arg(++numero % 3);
        r.alunno = alunni_.value(QLatin1String(riga.chi));
        r.tipo = numero % 4;
        r.figura = numero % 12 + 1;
        r.n = numero;
        r.m = numero + 1;
        r.dato = numero + 2;
        r.esatta = riga.esatta;
        r.secondi = riga.secondi;
        r.seguito = riga.seguito;
        QVERIFY(inserisci(c_->db(), r));
        risposte_.append(r);
    }
    std::sort(risposte_.begin(), risposte_.end(),
              [](const Risposta& a, const Risposta& b) { return a.quando < b.quando; });
}

void TestConsultazione::riepilogo_data()
{
    QTest::addColumn<QDate>("dal");
    QTest::addColumn<QDate>("al");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QList<int>>("conti"); // exercises, right, wrong, help, interventions
    QTest::addColumn<double>("primaProva");
    QTest::addColumn<double>("mediana");
    QTest::addColumn<QDate>("ultimo");

    const QDate d7(2026, 12, 7), d8(2026, 12, 8), d9(2026, 12, 9);
    const QString anna = QStringLiteral("Anna"), bruno = QStringLiteral("Bruno"), carla = QStringLiteral("Carla");
    QTest::newRow("all days, odd count") << QDate() << QDate() << anna << QList<int>{4, 3, 2, 1, 1} << 0.5 << 7.0 << d9;
    QTest::newRow("closed at the start, open end, even count")
        << d8 << QDate() << anna << QList<int>{2, 1, 1, 0, 1} << 0.5 << 15.0 << d9;
    QTest::newRow("open start, closed end") << QDate() << d7 << anna << QList<int>{2, 2, 1, 1, 0} << 0.5 << 5.0 << d7;
    // 00:30 in Rome is still the 7th in UTC.
    QTest::newRow("one local day past midnight") << d8 << d8 << anna << QList<int>{1, 1, 0, 0, 0} << 1.0 << 10.0 << d8;
    QTest::newRow("first try counted per run") << QDate() << QDate() << bruno << QList<int>{2, 2, 1, 0, 0} << 0.5 << 4.0 << d9;
    QTest::newRow("nothing in the range") << d7 << d8 << bruno << QList<int>{0, 0, 0, 0, 0} << 0.0 << 0.0 << QDate();
    QTest::newRow("never answered") << QDate() << QDate() << carla << QList<int>{0, 0, 0, 0, 0} << 0.0 << 0.0 << QDate();
}

void TestConsultazione::riepilogo()
{
    QFETCH(QDate, dal);
    QFETCH(QDate, al);
    QFETCH(QString, nome);
    QFETCH(QList<int>, conti);
    QFETCH(double, primaProva);
    QFETCH(double, mediana);
    QFETCH(QDate, ultimo);

    const QList<Riepilogo> righe = Consultazione::riepilogo(c_->db(), classe3A_, dal, al);
    // The class's pupils by name, the other class's and the answers of nobody left out.
    QStringList nomi;
    for (const Riepilogo& r : righe)
        nomi << r.nome;
    QCOMPARE(nomi, (QStringList{QStringLiteral("Anna"), QStringLiteral("Bruno"), QStringLiteral("Carla")}));

    const Riepilogo r = righe.at(nomi.indexOf(nome));
    QCOMPARE(r.alunno, alunni_.value(nome));
    QCOMPARE((QList<int>{r.esercizi, r.esatte, r.errate, r.aiuti, r.interventi}), conti);
    QCOMPARE(r.primaProva, primaProva);
    QCOMPARE(r.medianaSecondi, mediana);
    QCOMPARE(r.ultimoGiorno, ultimo);
}

void TestConsultazione::giorniDiUnAlunno()
{
    const QList<Giorno> giorni = Consultazione::giorni(c_->db(), alunni_.value(QStringLiteral("Anna")), {}, {});
    QCOMPARE(giorni.size(), 3);
    const QList<Giorno> attesi{{QDate(2026, 12, 7), 2, 1, 5}, {QDate(2026, 12, 8), 1, 0, 10}, {QDate(2026, 12, 9), 0, 1, 20}};
    for (qsizetype i = 0; i < giorni.size(); ++i) {
        QCOMPARE(giorni[i].giorno, attesi[i].giorno);
        QCOMPARE(giorni[i].esatte, attesi[i].esatte);
        QCOMPARE(giorni[i].errate, attesi[i].errate);
        QCOMPARE(giorni[i].medianaSecondi, attesi[i].medianaSecondi);
    }
    QCOMPARE(Consultazione::giorni(c_->db(), alunni_.value(QStringLiteral("Anna")), QDate(2026, 12, 9), {}).size(), 1);
}

void TestConsultazione::ogniRisposta_data()
{
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QDate>("dal");
    QTest::addColumn<QDate>("al");
    QTest::addColumn<QList<int>>("quali"); // indexes into the answers in order of time

    const QDate d8(2026, 12, 8);
    QTest::newRow("whole register, nobody's too") << QString() << QDate() << QDate() << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("one class") << QStringLiteral("3A") << QDate() << QDate() << QList<int>{0, 1, 2, 3, 7, 8, 9, 10};
    QTest::newRow("one day, whole register") << QString() << d8 << d8 << QList<int>{3, 4, 5, 6};
    QTest::newRow("one day, other class") << QStringLiteral("3B") << d8 << d8 << QList<int>{4};
}

void TestConsultazione::ogniRisposta()
{
    QFETCH(QString, classe);
    QFETCH(QDate, dal);
    QFETCH(QDate, al);
    QFETCH(QList<int>, quali);

    const QUuid id = classe.isEmpty() ? QUuid() : classe == QLatin1String("3A") ? classe3A_ : classe3B_;
    QList<Risposta> lette;
    QVERIFY(perOgniRisposta(c_->db(), id, dal, al, [&](const Risposta& r) { lette.append(r); }));
    QList<Risposta> attese;
    for (int i : quali)
        attese.append(risposte_.at(i));
    QCOMPARE(lette, attese);
}

void TestConsultazione::eliminaPrimaDiUnGiorno()
{
    // Last, as it changes the register the others read.
    // Anna's three answers of the 7th go, the one past midnight of the 8th stays.
    QCOMPARE(eliminaPrimaDi(c_->db(), QDate(2026, 12, 8)), 3);
    QList<Risposta> rimaste;
    QVERIFY(perOgniRisposta(c_->db(), {}, {}, {}, [&](const Risposta& r) { rimaste.append(r); }));
    QCOMPARE(rimaste, risposte_.mid(3));
}

QTEST_GUILESS_MAIN(TestConsultazione)
#include "tst_consultazione.moc"
