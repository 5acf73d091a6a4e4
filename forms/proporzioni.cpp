#include "forms/proporzioni.h"

Proporzioni::Proporzioni(const std::vector<QRectF>& posti, QSizeF progetto)
{
    const double w = progetto.width();
    const double h = progetto.height();
    records_.reserve(posti.size());
    // Kept as the fractions they were at design, so that every size starts from the same ones
    // and a window back at its design size has every control where it was.
    for (const QRectF& r : posti)
        records_.push_back({float(r.width() / w), float(r.height() / h), float(r.top() / h), float(r.left() / w)});
}

QRectF Proporzioni::colloca(const ProporzioneControllo& p, QSizeF misura)
{
    const double w = misura.width();
    const double h = misura.height();
    return QRectF(w * p.Sinistra, h * p.Alto, w * p.Larghezza, h * p.Altezza);
}

std::vector<QRectF> Proporzioni::applica(QSizeF misura) const
{
    std::vector<QRectF> posti;
    posti.reserve(records_.size());
    for (const ProporzioneControllo& p : records_)
        posti.push_back(colloca(p, misura));
    return posti;
}
