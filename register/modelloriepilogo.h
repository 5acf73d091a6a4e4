#pragma once

#include "registro/consultazione.h"

#include <QAbstractTableModel>

// A class's figures as the register's table shows them and a screen reader reads them: a row a
// pupil, a column a figure, each column with its heading.
// A day as the register writes it, on screen and on paper, in every language: as its date boxes
// show it, so that the teacher reads one form of date throughout.
QString giornoScritto(QDate giorno);
inline const QString FormatoGiorno = QStringLiteral("dd/MM/yyyy");

class ModelloRiepilogo : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Colonna { Alunno, Esercizi, Esatte, Errate, PrimaProva, Aiuti, Interventi, Secondi, UltimoGiorno, Colonne };

    using QAbstractTableModel::QAbstractTableModel;

    void imposta(const QList<Consultazione::Riepilogo>& righe);
    const QList<Consultazione::Riepilogo>& righe() const { return righe_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // A column's heading and a cell as text, as the table shows them and the printed page
    // prints them.
    static QString intestazione(int colonna);
    static QString testo(const Consultazione::Riepilogo& r, int colonna);

private:
    QList<Consultazione::Riepilogo> righe_;
};
