#include "registro/consultazione.h"

#include "registro/connessione.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>

namespace {

QString testo(const QUuid& id) { return id.toString(QUuid::WithBraces); }

// Times are kept as ISO text in UTC, so a day of the teacher's becomes a range of text.
QString istante(const QDateTime& t) { return t.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz'Z'")); }

QDateTime letto(const QVariant& v) { return QDateTime::fromString(v.toString(), Qt::ISODateWithMs).toUTC(); }

QDate giornoLocale(const QDateTime& utc) { return utc.toLocalTime().date(); }

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
        i.valori << istante(dal.startOfDay());
    }
    if (al.isValid()) {
        i.condizione += QStringLiteral(" AND %1 < ?").arg(colonna);
        i.valori << istante(al.addDays(1).startOfDay());
    }
    return i;
}

bool esegui(QSqlQuery& q, const QString& istruzione, const QVariantList& valori, QString* errore = nullptr)
{
    q.setForwardOnly(true);
    if (q.prepare(istruzione)) {
        for (const QVariant& v : valori)
            q.addBindValue(v);
        if (q.exec())
            return true;
    }
    if (errore)
        *errore = q.lastError().text();
    return false;
}

// The middle value, or the mean of the two middle ones.
double mediana(QList<double> valori)
{
    if (valori.isEmpty())
        return 0;
    std::sort(valori.begin(), valori.end());
    const qsizetype m = valori.size() / 2;
    return valori.size() % 2 ? valori[m] : (valori[m - 1] + valori[m]) / 2;
}

} // namespace

QList<Consultazione::Riepilogo> Consultazione::riepilogo(QSqlDatabase db, const QUuid& classe, QDate dal, QDate al)
{
    const Intervallo giorni = intervallo(QStringLiteral("r.quando"), dal, al);
    // `prova` numbers the answers of one exercise in order of time; `k` ranks a pupil's seconds
    // and `c` counts them, so that the median is the mean of the rows ranked (c+1)/2 and (c+2)/2.
    const QString istruzione = QStringLiteral(
        "WITH r AS ("
        " SELECT r.alunno, r.esatta, r.secondi, r.seguito, r.quando,"
        "  ROW_NUMBER() OVER (PARTITION BY r.alunno, r.sessione, r.esercizio ORDER BY r.quando, r.id) AS prova,"
        "  ROW_NUMBER() OVER (PARTITION BY r.alunno ORDER BY r.secondi) AS k,"
        "  COUNT(*) OVER (PARTITION BY r.alunno) AS c"
        " FROM alunni a JOIN risposte r ON r.alunno = a.id"
        " WHERE a.classe = ?%1)"
        " SELECT a.id, a.nome,"
        "  SUM(CASE WHEN r.prova = 1 THEN 1 ELSE 0 END),"
        "  SUM(CASE WHEN r.esatta <> 0 THEN 1 ELSE 0 END),"
        "  SUM(CASE WHEN r.esatta = 0 THEN 1 ELSE 0 END),"
        "  SUM(CASE WHEN r.prova = 1 AND r.esatta <> 0 THEN 1 ELSE 0 END),"
        "  SUM(CASE WHEN r.seguito = %2 THEN 1 ELSE 0 END),"
        "  SUM(CASE WHEN r.seguito = %3 THEN 1 ELSE 0 END),"
        "  AVG(CASE WHEN r.k = (r.c + 1) / 2 OR r.k = (r.c + 2) / 2 THEN r.secondi END),"
        "  MAX(r.quando)"
        " FROM alunni a LEFT JOIN r ON r.alunno = a.id"
        " WHERE a.classe = ?"
        " GROUP BY a.id, a.nome"
        " ORDER BY a.nome")
        .arg(giorni.condizione)
        .arg(int(Seguito::Aiuto))
        .arg(int(Seguito::Intervento));
    QList<Riepilogo> risultato;
    QSqlQuery q(db);
    if (!esegui(q, istruzione, QVariantList{testo(classe)} + giorni.valori + QVariantList{testo(classe)}))
        return risultato;
    while (q.next()) {
        Riepilogo r;
        r.alunno = QUuid(q.value(0).toString());
        r.nome = q.value(1).toString();
        r.esercizi = q.value(2).toInt();
        r.esatte = q.value(3).toInt();
        r.errate = q.value(4).toInt();
        r.primaProva = r.esercizi ? q.value(5).toDouble() / r.esercizi : 0;
        r.aiuti = q.value(6).toInt();
        r.interventi = q.value(7).toInt();
        r.medianaSecondi = q.value(8).toDouble();
        if (!q.value(9).isNull())
            r.ultimoGiorno = giornoLocale(letto(q.value(9)));
        risultato.append(r);
    }
    return risultato;
}

QList<Consultazione::Giorno> Consultazione::giorni(QSqlDatabase db, const QUuid& alunno, QDate dal, QDate al)
{
    const Intervallo giorni = intervallo(QStringLiteral("quando"), dal, al);
    QList<Giorno> risultato;
    QSqlQuery q(db);
    if (!esegui(q,
                QStringLiteral("SELECT quando, esatta, secondi FROM risposte WHERE alunno = ?%1 ORDER BY quando")
                    .arg(giorni.condizione),
                QVariantList{testo(alunno)} + giorni.valori))
        return risultato;
    QList<double> secondi;
    const auto chiudi = [&] {
        if (!risultato.isEmpty())
            risultato.last().medianaSecondi = mediana(secondi);
        secondi.clear();
    };
    while (q.next()) {
        const QDate giorno = giornoLocale(letto(q.value(0)));
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
    const Intervallo giorni = intervallo(QStringLiteral("quando"), dal, al);
    QString istruzione = QStringLiteral("SELECT id, sessione, esercizio, quando, pc, alunno, tipo, figura, n, m,"
                                        " dato, esatta, secondi, seguito FROM risposte WHERE 1 = 1");
    QVariantList valori;
    if (!classe.isNull()) {
        istruzione += QStringLiteral(" AND alunno IN (SELECT id FROM alunni WHERE classe = ?)");
        valori << testo(classe);
    }
    istruzione += giorni.condizione + QStringLiteral(" ORDER BY quando, id");
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
    const QString limite = istante(giorno.startOfDay());
    int eliminate = 0;
    const bool fatto = scrivi(
        db,
        [&] {
            QSqlQuery q(db);
            if (!esegui(q, QStringLiteral("DELETE FROM risposte WHERE quando < ?"), {limite}, errore))
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
