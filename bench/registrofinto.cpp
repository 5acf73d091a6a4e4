#include "registrofinto.h"

#include "registro/connessione.h"
#include "registro/schema.h"
#include "support/risposte.h"

#include <QRandomGenerator>
#include <QSqlQuery>

using namespace RegistroFinto;

namespace {

// The class's year: a session a pupil a day, from 8:30 on, exercises of one to three answers.
bool riempi(QSqlDatabase db, const QList<Alunno>& alunni, QDate ultimo)
{
    QRandomGenerator caso(20);
    return scrivi(db, [&] {
        QSqlQuery q(db);
        for (int g = 0; g < Giorni; ++g) {
            const QDateTime inizio(ultimo.addDays(g - Giorni + 1), QTime(8, 30));
            for (const Alunno& a : alunni) {
                Risposta r;
                r.sessione = QUuid::createUuid();
                r.alunno = a.id;
                r.pc = QStringLiteral("lab-%1").arg(caso.bounded(12));
                r.tipo = caso.bounded(4);
                double trascorsi = 0;
                for (int i = 0; i < AlGiorno; ++i) {
                    if (i == 0 || r.esatta || caso.bounded(3) == 0) {
                        ++r.esercizio;
                        r.figura = caso.bounded(1, 13);
                        r.n = caso.bounded(1, 10);
                        r.m = caso.bounded(0, 10);
                    }
                    r.id = QUuid::createUuid();
                    r.secondi = caso.bounded(2000, 60000) / 1000.0;
                    trascorsi += r.secondi;
                    r.quando = inizio.addMSecs(qint64(trascorsi * 1000));
                    r.esatta = caso.bounded(10) < 7;
                    r.dato = r.esatta ? r.n + 1 : caso.bounded(0, 12);
                    r.seguito = r.esatta ? Seguito::Nessuno : Seguito(caso.bounded(1, 4));
                    if (!inserisciRisposta(q, r))
                        return false;
                }
            }
        }
        return true;
    });
}

} // namespace

QUuid RegistroFinto::prepara(const QString& file, QList<Alunno>* alunni, QDate oggi)
{
    Connessione c(file);
    if (!c.aperta() || Schema::prepara(c.db()).stato != Schema::Stato::Pronto)
        return {};
    const QUuid classe = Anagrafe::aggiungiClasse(c.db(), QStringLiteral("3A")).value_or(QUuid());
    QStringList nomi;
    for (int i = 0; i < Alunni; ++i)
        nomi << QStringLiteral("Alunno %1").arg(i + 1, 2, 10, QLatin1Char('0'));
    Anagrafe::aggiungiAlunni(c.db(), classe, nomi.join(QLatin1Char('\n')));
    *alunni = Anagrafe::alunni(c.db(), classe);
    return riempi(c.db(), *alunni, oggi) ? classe : QUuid();
}


