#pragma once

#include <QCollator>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>

#include <algorithm>
#include <optional>

// The classes and their pupils as the teacher writes them in the register (first names or
// nicknames, nothing else), the class that uses this PC, and the register's own settings.
// Every call runs on the thread that owns the connection.
struct Classe
{
    QUuid id;
    QString nome;
};

struct Alunno
{
    QUuid id;
    QString nome;
};

namespace Anagrafe {

// Names in the order of a class list: "Ànna" beside "Anna", not after "Zoe" as the bytes
// would have it.
template <class T>
void ordinaPerNome(QList<T>& elenco)
{
    // The C locale would compare code points: Italian rules are then the nearest guess.
    QCollator ordine(QLocale().language() == QLocale::C ? QLocale(QLocale::Italian) : QLocale());
    ordine.setNumericMode(true);
    ordine.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(elenco.begin(), elenco.end(),
                     [&ordine](const T& a, const T& b) { return ordine.compare(a.nome, b.nome) < 0; });
}

// By name, as a teacher looks for them.
QList<Classe> classi(QSqlDatabase db);
QList<Alunno> alunni(QSqlDatabase db, const QUuid& classe);

// A new class; none when the name is empty or taken, or the register could not be written.
std::optional<QUuid> aggiungiClasse(QSqlDatabase db, const QString& nome, QString* errore = nullptr);
// A list pasted from elsewhere, one name a line: blanks trimmed, empty lines and names the
// class has already skipped. How many were added; -1 when nothing could be written.
int aggiungiAlunni(QSqlDatabase db, const QUuid& classe, const QString& elenco, QString* errore = nullptr);
// A pupil, and every answer they gave.
bool eliminaAlunno(QSqlDatabase db, const QUuid& alunno, QString* errore = nullptr);
// A class, its pupils and every answer they gave.
bool eliminaClasse(QSqlDatabase db, const QUuid& classe, QString* errore = nullptr);

// The class whose pupils "Chi sei?" shows on this PC; null when none was chosen.
QUuid classeDelPc(QSqlDatabase db);
bool scegliClasseDelPc(QSqlDatabase db, const QUuid& classe, QString* errore = nullptr);

// Copies a class of the school's server and its pupils into this PC's own file, with the same
// identifiers: the pupils' role may not read the server's pupils, so "Chi sei?" reads them
// from the file, and the answers sent carry the server's identifiers. The class's pupils in the
// file become the server's; a class of the file with the same name and another identifier is
// renamed, not deleted. Answers are left as they are.
bool copiaClasse(QSqlDatabase server, QSqlDatabase locale, const QUuid& classe, QString* errore = nullptr);

QString impostazione(QSqlDatabase db, const QString& chiave);
bool imposta(QSqlDatabase db, const QString& chiave, const QString& valore, QString* errore = nullptr);

} // namespace Anagrafe
