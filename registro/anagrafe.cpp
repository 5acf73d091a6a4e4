#include "registro/anagrafe.h"

#include "registro/connessione.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString ClasseDelPc = QStringLiteral("classe_del_pc");

template <class T>
QList<T> elenco(QSqlDatabase db, const QString& istruzione, const QVariantList& valori)
{
    QList<T> risultato;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!esegui(q, istruzione, valori, nullptr))
        return risultato;
    while (q.next())
        risultato.append(T{QUuid(q.value(0).toString()), q.value(1).toString()});
    return risultato;
}

} // namespace

QList<Classe> Anagrafe::classi(QSqlDatabase db)
{
    QList<Classe> risultato = elenco<Classe>(db, QStringLiteral("SELECT id, nome FROM classi"), {});
    ordinaPerNome(risultato);
    return risultato;
}

QList<Alunno> Anagrafe::alunni(QSqlDatabase db, const QUuid& classe)
{
    QList<Alunno> risultato =
        elenco<Alunno>(db, QStringLiteral("SELECT id, nome FROM alunni WHERE classe = ?"), {testoId(classe)});
    ordinaPerNome(risultato);
    return risultato;
}

std::optional<QUuid> Anagrafe::aggiungiClasse(QSqlDatabase db, const QString& nome, QString* errore)
{
    const QString pulito = nome.simplified();
    if (pulito.isEmpty())
        return std::nullopt;
    const QUuid id = QUuid::createUuid();
    QSqlQuery q(db);
    if (!esegui(q, QStringLiteral("INSERT INTO classi (id, nome) VALUES (?, ?)"), {testoId(id), pulito}, errore))
        return std::nullopt;
    return id;
}

int Anagrafe::aggiungiAlunni(QSqlDatabase db, const QUuid& classe, const QString& elenco, QString* errore)
{
    int aggiunti = 0;
    const bool fatto = scrivi(
        db,
        [&] {
            QSqlQuery q(db);
            for (const QString& riga : elenco.split(QLatin1Char('\n'))) {
                const QString nome = riga.simplified();
                if (nome.isEmpty())
                    continue;
                if (!esegui(q,
                            QStringLiteral("INSERT INTO alunni (id, classe, nome) VALUES (?, ?, ?)"
                                           " ON CONFLICT (classe, nome) DO NOTHING"),
                            {testoId(QUuid::createUuid()), testoId(classe), nome}, errore))
                    return false;
                aggiunti += q.numRowsAffected() > 0 ? 1 : 0;
            }
            return true;
        },
        errore);
    return fatto ? aggiunti : -1;
}

bool Anagrafe::eliminaAlunno(QSqlDatabase db, const QUuid& alunno, QString* errore)
{
    return scrivi(
        db,
        [&] {
            QSqlQuery q(db);
            return esegui(q, QStringLiteral("DELETE FROM risposte WHERE alunno = ?"), {testoId(alunno)}, errore) &&
                   esegui(q, QStringLiteral("DELETE FROM sessioni WHERE alunno = ?"), {testoId(alunno)}, errore) &&
                   esegui(q, QStringLiteral("DELETE FROM alunni WHERE id = ?"), {testoId(alunno)}, errore);
        },
        errore);
}

bool Anagrafe::eliminaClasse(QSqlDatabase db, const QUuid& classe, QString* errore)
{
    return scrivi(
        db,
        [&] {
            QSqlQuery q(db);
            const QString diClasse = QStringLiteral("(SELECT id FROM alunni WHERE classe = ?)");
            return esegui(q, QStringLiteral("DELETE FROM risposte WHERE alunno IN ") + diClasse, {testoId(classe)},
                          errore) &&
                   esegui(q, QStringLiteral("DELETE FROM sessioni WHERE alunno IN ") + diClasse, {testoId(classe)},
                          errore) &&
                   esegui(q, QStringLiteral("DELETE FROM impostazioni WHERE chiave = ? AND valore = ?"),
                          {ClasseDelPc, testoId(classe)}, errore) &&
                   esegui(q, QStringLiteral("DELETE FROM classi WHERE id = ?"), {testoId(classe)}, errore);
        },
        errore);
}

QUuid Anagrafe::classeDelPc(QSqlDatabase db) { return QUuid(impostazione(db, ClasseDelPc)); }

bool Anagrafe::scegliClasseDelPc(QSqlDatabase db, const QUuid& classe, QString* errore)
{
    return imposta(db, ClasseDelPc, classe.isNull() ? QString() : testoId(classe), errore);
}

bool Anagrafe::copiaClasse(QSqlDatabase server, QSqlDatabase locale, const QUuid& classe, QString* errore)
{
    // Read with their errors: a list cut short by a lost connection would empty the class here.
    const QString id = testoId(classe);
    QSqlQuery q(server);
    if (!esegui(q, QStringLiteral("SELECT nome FROM classi WHERE id = ?"), {id}, errore))
        return false;
    if (!q.next()) {
        if (errore)
            *errore = QCoreApplication::translate("Anagrafe", "la classe non è più nel registro della scuola.");
        return false;
    }
    const QString nomeClasse = q.value(0).toString();
    QList<Alunno> chi;
    if (!esegui(q, QStringLiteral("SELECT id, nome FROM alunni WHERE classe = ?"), {id}, errore))
        return false;
    while (q.next())
        chi.append(Alunno{QUuid(q.value(0).toString()), q.value(1).toString()});
    return scrivi(
        locale,
        [&] {
            QSqlQuery w(locale);
            if (!esegui(w, QStringLiteral("UPDATE classi SET nome = nome || ' ' || id WHERE nome = ? AND id <> ?"),
                        {nomeClasse, id}, errore) ||
                !esegui(w,
                        QStringLiteral("INSERT INTO classi (id, nome) VALUES (?, ?)"
                                       " ON CONFLICT (id) DO UPDATE SET nome = excluded.nome"),
                        {id, nomeClasse}, errore) ||
                !esegui(w, QStringLiteral("DELETE FROM alunni WHERE classe = ?"), {id}, errore))
                return false;
            for (const Alunno& a : chi)
                if (!esegui(w,
                            QStringLiteral("INSERT INTO alunni (id, classe, nome) VALUES (?, ?, ?) ON CONFLICT (id)"
                                           " DO UPDATE SET classe = excluded.classe, nome = excluded.nome"),
                            {testoId(a.id), id, a.nome}, errore))
                    return false;
            return true;
        },
        errore);
}

QString Anagrafe::impostazione(QSqlDatabase db, const QString& chiave)
{
    QSqlQuery q(db);
    if (!esegui(q, QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = ?"), {chiave}, nullptr) ||
        !q.next())
        return {};
    return q.value(0).toString();
}

bool Anagrafe::imposta(QSqlDatabase db, const QString& chiave, const QString& valore, QString* errore)
{
    QSqlQuery q(db);
    return esegui(q,
                  QStringLiteral("INSERT INTO impostazioni (chiave, valore) VALUES (?, ?)"
                                 " ON CONFLICT (chiave) DO UPDATE SET valore = excluded.valore"),
                  {chiave, valore}, errore);
}
