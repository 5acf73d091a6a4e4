#include "register/pin.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

bool Pin::valido(const QString& pin)
{
    static const QRegularExpression cifre(QStringLiteral("^[0-9]{%1,%2}$").arg(MinCifre).arg(MaxCifre));
    return cifre.match(pin).hasMatch();
}

QByteArray Pin::pbkdf2(const QByteArray& password, const QByteArray& sale, int iterazioni, int lunghezza)
{
    QMessageAuthenticationCode hmac(QCryptographicHash::Sha256, password);
    QByteArray risultato;
    for (quint32 blocco = 1; risultato.size() < lunghezza; ++blocco) {
        QByteArray indice(4, 0);
        for (int i = 0; i < 4; ++i)
            indice[i] = char((blocco >> (8 * (3 - i))) & 0xff);
        hmac.reset();
        hmac.addData(sale);
        hmac.addData(indice);
        QByteArray u = hmac.result();
        QByteArray t = u;
        for (int i = 1; i < iterazioni; ++i) {
            hmac.reset();
            hmac.addData(u);
            u = hmac.result();
            for (qsizetype j = 0; j < t.size(); ++j)
                t[j] = char(t[j] ^ u[j]);
        }
        risultato += t;
    }
    return risultato.left(lunghezza);
}

QString Pin::impronta(const QString& pin)
{
    QByteArray sale(16, 0);
    QRandomGenerator::system()->generate(sale.begin(), sale.end());
    const QByteArray digest = pbkdf2(pin.toUtf8(), sale, Iterazioni, 32);
    return QStringLiteral("pbkdf2-sha256$%1$%2$%3")
        .arg(Iterazioni)
        .arg(QString::fromLatin1(sale.toBase64()), QString::fromLatin1(digest.toBase64()));
}

bool Pin::corrisponde(const QString& pin, const QString& impronta)
{
    const QStringList parti = impronta.split(QLatin1Char('$'));
    bool numero = false;
    const int iterazioni = parti.size() == 4 ? parti[1].toInt(&numero) : 0;
    if (!numero || parti[0] != QLatin1String("pbkdf2-sha256") || iterazioni < 1)
        return false;
    const QByteArray sale = QByteArray::fromBase64(parti[2].toLatin1());
    const QByteArray atteso = QByteArray::fromBase64(parti[3].toLatin1());
    if (atteso.isEmpty())
        return false;
    const QByteArray dato = pbkdf2(pin.toUtf8(), sale, iterazioni, int(atteso.size()));
    // Compared in full whatever the first difference, so that timing tells nothing.
    char diversi = 0;
    for (qsizetype i = 0; i < atteso.size(); ++i)
        diversi = char(diversi | (dato[i] ^ atteso[i]));
    return diversi == 0;
}

int Pin::attesaMs(int errori)
{
    if (errori < 2)
        return 0;
    return std::min(30000, 1000 << std::min(errori - 2, 5));
}
