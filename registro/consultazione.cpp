#include "registro/consultazione.h"

#include "registro/anagrafe.h"
#include "registro/connessione.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>

namespace {

// A file keeps times as text; the server's driver gives them as times already.
QDateTime letto(const QVariant& v)
{
    return v.typeId() == QMetaType::QDateTime ? v.toDateTime().toUTC()
                                               : QDateTime::fromString(v.toString(), Qt::ISODateWithMs).toUTC();
}

// The system's zone as an object: converting through it reads the zone's rules once, where
// converting to local time asks the C library, which looks at the zone's file every time.
QDate giornoLocale(const QDateTime& utc, const QTimeZone& zona) { return utc.toTimeZone(zona).date(); }

// The condition on `colonna` for the days from `dal` to `al`, both included, and its values;
// an invalid date leaves that end open, and the index on the time still serves.
struct Intervallo
{
    QString condizione;
    QVariantList valori;
};

Intervallo intervallo(const QString& colonna, QDate dal, QDate al)
{
    Intervallo i;
    if (dal.isValid()) {
        i.condizione += QStringLiteral(" AND %1 >= ?").arg(colonna);
        i.valori << testoIstante(dal.startOfDay(QTimeZone::systemTimeZone()));
    }
    if (al.isValid()) {
        i.condizione += QStringLiteral(" AND %1 < ?").arg(colonna);
        i.valori << testoIstante(al.addDays(1).startOfDay(QTimeZone::systemTimeZone()));
    }
    return i;
}

// The middle value, or the mean of the two middle ones; found without sorting the rest.
double mediana(QList<double> valori)
{
    if (valori.isEmpty())
        return 0;
    const qsizetype m = valori.size() / 2;
    std::nth_element(valori.begin(), valori.begin() + m, valori.end());
    return valori.size() % 2 ? valori[m] : (*std::max_element(valori.begin(), valori.begin() + m) + valori[m]) / 2;
}

// An answer as the class's summary reads it, in one number: its exercise's number above three
// bits that say right, help asked, the window stepped in.
constexpr int Esatta = 1, Aiuto = 2, Intervento = 4, BitPerEsercizio = 3;

} // namespace

// One reading of each pupil's answers along the index of their answers by time, which needs no
// sort, and everything counted here as the answers go by. Only what the figures need is read:
// each column costs a conversion a row, so the time, a column of text, is asked only for its
// largest value. The first tries in SQL cost a look-up a row, the median a sort, both more than
// the reading itself (measured on a year of a class, 100,000 answers).
QList<Consultazione::Riepilogo> Consultazione::riepilogo(QSqlDatabase db, const QUuid& classe, QDate dal, QDate al)
{
    const QString tempo = colonnaTempo(db);
    const Intervallo giorni = intervallo(tempo, dal, al);
    QList<Riepilogo> risultato;
    QSqlQuery q(db);
    if (!esegui(q,
                QStringLiteral("SELECT a.id, a.nome, (SELECT MAX(%2) FROM risposte WHERE alunno = a.id%1)"
                               " FROM alunni a WHERE a.classe = ? ORDER BY a.nome")
                    .arg(giorni.condizione, tempo),
                giorni.valori + QVariantList{testoId(classe)}))
        return risultato;
    QStringList id;
    const QTimeZone zona = QTimeZone::systemTimeZone();
    while (q.next()) {
        id.append(q.value(0).toString());
        Riepilogo r;
        r.alunno = QUuid(id.last());
        r.nome = q.value(1).toString();
        if (!q.value(2).isNull())
            r.ultimoGiorno = giornoLocale(letto(q.value(2)), zona);
        risultato.append(r);
    }

    // One number for the exercise, rightness and what followed: two columns fewer to convert on
    // every row.
    const QString risposte =
        QStringLiteral("SELECT sessione, secondi, esercizio * %1"
                       " + CASE WHEN esatta <> 0 THEN %2 ELSE 0 END"
                       " + CASE seguito WHEN %3 THEN %4 WHEN %5 THEN %6 ELSE 0 END"
                       " FROM risposte WHERE alunno = ?%7 ORDER BY %8")
            .arg(1 << BitPerEsercizio)
            .arg(Esatta)
            .arg(int(Seguito::Aiuto))
            .arg(Aiuto)
            .arg(int(Seguito::Intervento))
            .arg(Intervento)
            .arg(giorni.condizione)
            .arg(tempo);
    QHash<QString, QSet<qlonglong>> visti; // each run's exercises met
    QList<double> secondi;
    for (qsizetype i = 0; i < risultato.size(); ++i) {
        if (!esegui(q, risposte, QVariantList{id[i]} + giorni.valori))
            return {};
        Riepilogo& r = risultato[i];
        int alPrimo = 0;
        // An exercise's first answer is the first of its answers met in order of time. The
        // run is looked up only when it changes, which a pupil's answers seldom do.
        QString sessione;
        QSet<qlonglong>* esercizi = nullptr;
        visti.clear();
        secondi.clear();
        while (q.next()) {
            const QString s = q.value(0).toString();
            if (!esercizi || s != sessione) {
                sessione = s;
                esercizi = &visti[s];
            }
            secondi.append(q.value(1).toDouble());
            // The driver gives whole numbers as 64 bits: asking for an int would convert each.
            const qlonglong codice = q.value(2).toLongLong();
            const bool esatta = codice & Esatta;
            const qsizetype prima = esercizi->size();
            esercizi->insert(codice >> BitPerEsercizio);
            if (esercizi->size() != prima) {
                ++r.esercizi;
                alPrimo += esatta;
            }
            (esatta ? r.esatte : r.errate)++;
            r.aiuti += (codice & Aiuto) != 0;
            r.interventi += (codice & Intervento) != 0;
        }
        if (q.lastError().type() != QSqlError::NoError)
            return {};
        r.primaProva = r.esercizi ? double(alPrimo) / r.esercizi : 0;
        r.medianaSecondi = mediana(secondi);
    }
    Anagrafe::ordinaPerNome(risultato);
    return risultato;
}

QList<Consultazione::Giorno> Consultazione::giorni(QSqlDatabase db, const QUuid& alunno, QDate dal, QDate al)
{
    const QString tempo = colonnaTempo(db);
    const Intervallo giorni = intervallo(tempo, dal, al);
    QList<Giorno> risultato;
    QSqlQuery q(db);
    if (!esegui(q,
                QStringLiteral("SELECT %2, esatta, secondi FROM risposte WHERE alunno = ?%1 ORDER BY %2")
                    .arg(giorni.condizione, tempo),
                QVariantList{testoId(alunno)} + giorni.valori))
        return risultato;
    QList<double> secondi;
    const QTimeZone zona = QTimeZone::systemTimeZone();
    const auto chiudi = [&] {
        if (!risultato.isEmpty())
            risultato.last().medianaSecondi = mediana(secondi);
        secondi.clear();
    };
    while (q.next()) {
        const QDate giorno = giornoLocale(letto(q.value(0)), zona);
        if (risultato.isEmpty() || risultato.last().giorno != giorno) {
            chiudi();
            risultato.append(Giorno{giorno});
        }
        (q.value(1).toInt() ? risultato.last().esatte : risultato.last().errate)++;
        secondi.append(q.value(2).toDouble());
    }
    chiudi();
    return risultato;
}

bool Consultazione::perOgniRisposta(QSqlDatabase db, const QUuid& classe, QDate dal, QDate al,
                                    const std::function<void(const Risposta&)>& visita)
{
    const QString tempo = colonnaTempo(db);
    const Intervallo giorni = intervallo(tempo, dal, al);
    QString istruzione = QStringLiteral("SELECT id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m,"
                                        " dato, esatta, secondi, seguito FROM risposte WHERE 1 = 1");
    QVariantList valori;
    if (!classe.isNull()) {
        istruzione += QStringLiteral(" AND alunno IN (SELECT id FROM alunni WHERE classe = ?)");
        valori << testoId(classe);
    }
    istruzione += giorni.condizione + QStringLiteral(" ORDER BY %1, id").arg(tempo);
    QSqlQuery q(db);
    if (!esegui(q, istruzione, valori + giorni.valori))
        return false;
    Risposta r;
    while (q.next()) {
        r.id = QUuid(q.value(0).toString());
        r.sessione = QUuid(q.value(1).toString());
        r.esercizio = q.value(2).toInt();
        r.quando = letto(q.value(3));
        r.pc = q.value(4).toString();
        r.alunno = q.value(5).isNull() ? QUuid() : QUuid(q.value(5).toString());
        r.tipo = q.value(6).toInt();
        r.figura = q.value(7).toInt();
        r.n = q.value(8).toInt();
        r.m = q.value(9).toInt();
        r.dato = q.value(10).toInt();
        r.esatta = q.value(11).toInt() != 0;
        r.secondi = q.value(12).toDouble();
        r.seguito = Seguito(q.value(13).toInt());
        visita(r);
    }
    return q.lastError().type() == QSqlError::NoError;
}

int Consultazione::eliminaPrimaDi(QSqlDatabase db, QDate giorno, QString* errore)
{
    if (!giorno.isValid())
        return 0;
    const QString limite = testoIstante(giorno.startOfDay(QTimeZone::systemTimeZone()));
    int eliminate = 0;
    const bool fatto = scrivi(
        db,
        [&] {
            QSqlQuery q(db);
            if (!esegui(q, QStringLiteral("DELETE FROM risposte WHERE %1 < ?").arg(colonnaTempo(db)), {limite},
                        errore))
                return false;
            eliminate = q.numRowsAffected();
            // A run that began before the day and has no answer left says only who sat where.
            return esegui(q,
                          QStringLiteral("DELETE FROM sessioni WHERE inizio < ?"
                                         " AND id NOT IN (SELECT sessione FROM risposte)"),
                          {limite}, errore);
        },
        errore);
    return fatto ? eliminate : -1;
}
