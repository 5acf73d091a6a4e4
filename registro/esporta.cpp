#include "registro/esporta.h"

#include "core/csv.h"
#include "registro/connessione.h"
#include "registro/schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlQuery>
#include <QTimeZone>

#include <functional>

namespace {

QString testo(const QUuid& id) { return id.isNull() ? QString() : id.toString(QUuid::WithBraces); }

QString seguito(Seguito s)
{
    switch (s) {
    case Seguito::Nessuno:
        break;
    case Seguito::Aiuto:
        return QStringLiteral("aiuto");
    case Seguito::Rifiuto:
        return QStringLiteral("rifiuto");
    case Seguito::Intervento:
        return QStringLiteral("intervento");
    }
    return {};
}

bool fallito(QString* errore, const QString& perche)
{
    if (errore)
        *errore = perche;
    return false;
}

// Writes the file whole or not at all; `righe` returns false to give up, the reason said.
bool scriviCsv(const QString& csv, const QStringList& intestazione,
               const std::function<bool(ScrittoreCsv&, QString*)>& righe, QString* errore)
{
    QSaveFile file(csv);
    if (!file.open(QIODevice::WriteOnly))
        return fallito(
            errore,
            QCoreApplication::translate("Esporta", "Il file %1 non si può scrivere: %2").arg(csv, file.errorString()));
    ScrittoreCsv scrittore(&file);
    scrittore.riga(intestazione);
    if (!righe(scrittore, errore))
        return false;
    if (!scrittore.riuscito() || !file.commit())
        return fallito(
            errore,
            QCoreApplication::translate("Esporta", "Il file %1 non si può scrivere: %2").arg(csv, file.errorString()));
    return true;
}

struct Nome
{
    QString alunno;
    QString classe;
};

QHash<QString, Nome> nomi(QSqlDatabase db)
{
    QHash<QString, Nome> risultato;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT a.id, a.nome, c.nome FROM alunni a JOIN classi c ON c.id = a.classe")))
        while (q.next())
            risultato.insert(q.value(0).toString(), Nome{q.value(1).toString(), q.value(2).toString()});
    return risultato;
}

} // namespace

bool esportaRisposte(const QString& registro, const QString& csv, QString* errore, const QUuid& classe, QDate dal,
                     QDate al)
{
    // Opening a file that is not there would make an empty register of it.
    if (!QFileInfo(registro).isFile())
        return fallito(errore, QCoreApplication::translate("Esporta", "Il registro %1 non c'è.").arg(registro));
    Connessione connessione(registro);
    if (!connessione.aperta())
        return fallito(errore, QCoreApplication::translate("Esporta", "Il registro %1 non si può aprire: %2")
                                   .arg(registro, connessione.errore()));
    const QSqlDatabase db = connessione.db();
    const int versione = Schema::versione(db);
    if (versione > Schema::Versione)
        return fallito(
            errore, QCoreApplication::translate("Esporta", "Il registro %1 è di una versione di Tarvello più recente.")
                        .arg(registro));
    if (versione < Schema::Versione)
        return fallito(
            errore, QCoreApplication::translate("Esporta", "Il file %1 non è un registro di Tarvello.").arg(registro));
    return esportaRisposte(db, registro, csv, errore, classe, dal, al);
}

bool esportaRisposte(QSqlDatabase db, const QString& registro, const QString& csv, QString* errore,
                     const QUuid& classe, QDate dal, QDate al)
{
    const QHash<QString, Nome> nome = nomi(db);
    // Converting through the zone's object reads its rules once, not the zone's file each time.
    const QTimeZone zona = QTimeZone::systemTimeZone();
    return scriviCsv(
        csv,
        {QStringLiteral("data"), QStringLiteral("ora"), QStringLiteral("alunno"), QStringLiteral("classe"),
         QStringLiteral("esatta"), QStringLiteral("secondi"), QStringLiteral("seguito"), QStringLiteral("tipo"),
         QStringLiteral("figura"), QStringLiteral("n"), QStringLiteral("m"), QStringLiteral("dato"),
         QStringLiteral("esercizio"), QStringLiteral("sessione"), QStringLiteral("pc"), QStringLiteral("id alunno"),
         QStringLiteral("quando (UTC)"), QStringLiteral("id")},
        [&](ScrittoreCsv& scrittore, QString* perche) {
            const bool letto = Consultazione::perOgniRisposta(db, classe, dal, al, [&](const Risposta& r) {
                const QDateTime locale = r.quando.toTimeZone(zona);
                const QString alunno = testo(r.alunno);
                const Nome chi = nome.value(alunno);
                scrittore.riga({locale.toString(QStringLiteral("yyyy-MM-dd")),
                                locale.toString(QStringLiteral("HH:mm:ss")), chi.alunno, chi.classe,
                                r.esatta ? QStringLiteral("1") : QStringLiteral("0"),
                                ScrittoreCsv::numero(r.secondi, 3), seguito(r.seguito), QString::number(r.tipo),
                                QString::number(r.figura), QString::number(r.n), QString::number(r.m),
                                QString::number(r.dato), QString::number(r.esercizio), testo(r.sessione), r.pc, alunno,
                                testoIstante(r.quando), testo(r.id)});
            });
            return letto ||
                   fallito(perche,
                           QCoreApplication::translate("Esporta", "Il registro %1 non si può leggere.").arg(registro));
        },
        errore);
}

bool esportaRiepilogo(const QList<Consultazione::Riepilogo>& righe, const QString& csv, QString* errore)
{
    return scriviCsv(
        csv,
        {QStringLiteral("alunno"), QStringLiteral("esercizi"), QStringLiteral("esatte"), QStringLiteral("errate"),
         QStringLiteral("% esatti al primo tentativo"), QStringLiteral("aiuti"), QStringLiteral("interventi"),
         QStringLiteral("secondi (mediana)"), QStringLiteral("ultimo giorno"), QStringLiteral("id alunno")},
        [&](ScrittoreCsv& scrittore, QString*) {
            for (const Consultazione::Riepilogo& r : righe)
                scrittore.riga({r.nome, QString::number(r.esercizi), QString::number(r.esatte),
                                QString::number(r.errate), ScrittoreCsv::numero(r.primaProva * 100, 1),
                                QString::number(r.aiuti), QString::number(r.interventi),
                                ScrittoreCsv::numero(r.medianaSecondi, 1), r.ultimoGiorno.toString(Qt::ISODate),
                                testo(r.alunno)});
            return true;
        },
        errore);
}
