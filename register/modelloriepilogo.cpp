#include "register/modelloriepilogo.h"

#include <QLocale>

void ModelloRiepilogo::imposta(const QList<Consultazione::Riepilogo>& righe)
{
    beginResetModel();
    righe_ = righe;
    endResetModel();
}

int ModelloRiepilogo::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(righe_.size()); }

int ModelloRiepilogo::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Colonne; }

QString ModelloRiepilogo::intestazione(int colonna)
{
    switch (colonna) {
    case Alunno: return tr("Alunno");
    case Esercizi: return tr("Esercizi");
    case Esatte: return tr("Esatte");
    case Errate: return tr("Errate");
    case PrimaProva: return tr("Esatte al primo colpo");
    case Aiuti: return tr("Aiuti");
    case Interventi: return tr("Interventi");
    case Secondi: return tr("Secondi (mediana)");
    case UltimoGiorno: return tr("Ultimo giorno");
    }
    return QString();
}

QString ModelloRiepilogo::testo(const Consultazione::Riepilogo& r, int colonna)
{
    const QLocale locale;
    switch (colonna) {
    case Alunno: return r.nome;
    case Esercizi: return locale.toString(r.esercizi);
    case Esatte: return locale.toString(r.esatte);
    case Errate: return locale.toString(r.errate);
    // A share means nothing over no exercise: left blank rather than 0 %.
    case PrimaProva: return r.esercizi > 0 ? locale.toString(qRound(r.primaProva * 100)) + QStringLiteral(" %") : QString();
    case Aiuti: return locale.toString(r.aiuti);
    case Interventi: return locale.toString(r.interventi);
    case Secondi: return r.esatte + r.errate > 0 ? locale.toString(r.medianaSecondi, 'f', 1) : QString();
    case UltimoGiorno: return r.ultimoGiorno.isValid() ? giornoScritto(r.ultimoGiorno) : QString();
    }
    return QString();
}

QVariant ModelloRiepilogo::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= righe_.size())
        return {};
    const Consultazione::Riepilogo& r = righe_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return testo(r, index.column());
    case Qt::TextAlignmentRole:
        return index.column() == Alunno ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant ModelloRiepilogo::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Horizontal)
        return intestazione(section);
    // A row is read by its pupil's name.
    return section < righe_.size() ? righe_[section].nome : QVariant();
}

QString giornoScritto(QDate giorno) { return giorno.toString(FormatoGiorno); }
