#include "registro/giornale.h"

#include "registro/connessione.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>

#include <unistd.h>

namespace {

const QString Estensione = QStringLiteral(".giornale");
const QString Preso = QStringLiteral(".preso-");

QString ora(const QDateTime& t) { return t.isValid() ? testoIstante(t) : QString(); }
QDateTime daOra(const QJsonValue& v) { return QDateTime::fromString(v.toString(), Qt::ISODateWithMs); }
QString uuid(const QUuid& u) { return u.isNull() ? QString() : u.toString(); }

QByteArray riga(const Risposta& r)
{
    const QJsonObject o{{"id", uuid(r.id)},
                        {"sessione", uuid(r.sessione)},
                        {"esercizio", r.esercizio},
                        {"quando", ora(r.quando)},
                        {"pc", r.pc},
                        {"alunno", uuid(r.alunno)},
                        {"tipo", r.tipo},
                        {"figura", r.figura},
                        {"n", r.n},
                        {"m", r.m},
                        {"dato", r.dato},
                        {"esatta", r.esatta},
                        {"secondi", r.secondi},
                        {"seguito", int(r.seguito)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray riga(const Sessione& s)
{
    const QJsonObject o{{"sessione", uuid(s.id)},
                        {"pc", s.pc},
                        {"alunno", uuid(s.alunno)},
                        {"inizio", ora(s.inizio)},
                        {"fine", ora(s.fine)}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

QString Giornale::accanto(const QString& registro) { return registro + Estensione; }

QString Giornale::diRiserva(const QString& registro)
{
    const QFileInfo info(registro);
    const QByteArray impronta =
        QCryptographicHash::hash(info.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + info.fileName() +
           QLatin1Char('-') + QString::fromLatin1(impronta) + Estensione;
}

bool Giornale::aggiungi(const QString& giornale, const QList<Risposta>& risposte, const Sessione* sessione)
{
    QByteArray testo;
    for (const Risposta& r : risposte)
        testo += riga(r);
    if (sessione)
        testo += riga(*sessione);
    if (testo.isEmpty())
        return true;
    QDir().mkpath(QFileInfo(giornale).absolutePath());
    QFile f(giornale);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // Lines begin on a line of their own even after a write cut short.
    if (f.size() > 0) {
        QFile prima(giornale);
        if (prima.open(QIODevice::ReadOnly) && prima.seek(f.size() - 1) && prima.read(1) != "\n")
            testo.prepend('\n');
    }
    return f.write(testo) == testo.size() && f.flush() && ::fsync(f.handle()) == 0;
}

Giornale::Contenuto Giornale::leggi(const QString& giornale)
{
    Contenuto c;
    QFile f(giornale);
    if (!f.open(QIODevice::ReadOnly))
        return c;
    while (!f.atEnd()) {
        const QJsonObject o = QJsonDocument::fromJson(f.readLine()).object();
        if (o.contains(QLatin1String("inizio"))) {
            Sessione s{QUuid(o.value("sessione").toString()), o.value("pc").toString(),
                       QUuid(o.value("alunno").toString()), daOra(o.value("inizio")), daOra(o.value("fine"))};
            if (!s.id.isNull() && s.inizio.isValid())
                c.sessioni << s;
            continue;
        }
        Risposta r;
        r.id = QUuid(o.value("id").toString());
        r.sessione = QUuid(o.value("sessione").toString());
        r.esercizio = o.value("esercizio").toInt();
        r.quando = daOra(o.value("quando"));
        r.pc = o.value("pc").toString();
        r.alunno = QUuid(o.value("alunno").toString());
        r.tipo = o.value("tipo").toInt();
        r.figura = o.value("figura").toInt();
        r.n = o.value("n").toInt();
        r.m = o.value("m").toInt();
        r.dato = o.value("dato").toInt();
        r.esatta = o.value("esatta").toBool();
        r.secondi = o.value("secondi").toDouble();
        r.seguito = Seguito(std::clamp(o.value("seguito").toInt(), 0, int(Seguito::Intervento)));
        if (!r.id.isNull() && !r.sessione.isNull() && r.quando.isValid())
            c.risposte << r;
    }
    return c;
}

QStringList Giornale::daPrendere(const QString& registro)
{
    QStringList trovati;
    for (const QString& giornale : {accanto(registro), diRiserva(registro)}) {
        const QFileInfo info(giornale);
        const QStringList presi =
            info.dir().entryList({info.fileName() + Preso + QLatin1Char('*')}, QDir::Files, QDir::Name);
        for (const QString& preso : presi)
            trovati << info.dir().filePath(preso);
        if (info.exists() && !trovati.contains(giornale))
            trovati << giornale;
    }
    trovati.removeDuplicates();
    return trovati;
}

QString Giornale::prendi(const QString& giornale)
{
    if (giornale.contains(Preso))
        return giornale;
    const QString preso = giornale + Preso + QUuid::createUuid().toString(QUuid::WithoutBraces);
    return QFile::rename(giornale, preso) ? preso : QString();
}
