#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>

// Text that a spreadsheet set to Italian opens as a table with a double click: UTF-8 with a BOM
// (without it the file is taken for the system's old code page), ';' between fields (',' is the
// decimal mark), lines ending in CR LF, a field in double quotes when it holds ';', '"' or a line
// break, a quote inside one doubled.
class ScrittoreCsv
{
public:
    // Writes the BOM at once.
    explicit ScrittoreCsv(QIODevice* uscita);

    // One line of fields, each already text.
    void riga(const QStringList& campi);
    // False once a write has failed.
    bool riuscito() const { return riuscito_; }

    static QString campo(const QString& testo);
    // With a decimal comma and at most `decimali` digits after it, trailing zeros dropped, so
    // that the spreadsheet reads a number: "12,5", "3".
    static QString numero(double valore, int decimali);

private:
    QIODevice* uscita_;
    bool riuscito_ = true;
};
