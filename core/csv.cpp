#include "core/csv.h"

#include <algorithm>

ScrittoreCsv::ScrittoreCsv(QIODevice* uscita) : uscita_(uscita) { riuscito_ = uscita_->write("\xEF\xBB\xBF", 3) == 3; }

void ScrittoreCsv::riga(const QStringList& campi)
{
    QString linea;
    for (qsizetype i = 0; i < campi.size(); ++i) {
        if (i > 0)
            linea += QLatin1Char(';');
        linea += campo(campi[i]);
    }
    linea += QLatin1String("\r\n");
    const QByteArray utf8 = linea.toUtf8();
    riuscito_ = riuscito_ && uscita_->write(utf8) == utf8.size();
}

QString ScrittoreCsv::campo(const QString& testo)
{
    const auto speciale = [](QChar c) {
        return c == QLatin1Char(';') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    };
    if (std::none_of(testo.begin(), testo.end(), speciale))
        return testo;
    QString citato = testo;
    citato.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + citato + QLatin1Char('"');
}

QString ScrittoreCsv::numero(double valore, int decimali)
{
    QString testo = QString::number(valore, 'f', decimali);
    if (testo.contains(QLatin1Char('.'))) {
        while (testo.endsWith(QLatin1Char('0')))
            testo.chop(1);
        if (testo.endsWith(QLatin1Char('.')))
            testo.chop(1);
    }
    if (testo == QLatin1String("-0"))
        testo = QStringLiteral("0");
    return testo.replace(QLatin1Char('.'), QLatin1Char(','));
}
