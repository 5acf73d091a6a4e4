#include "register/grafico.h"

#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
const QColor Esatte(46, 139, 87);
const QColor Errate(205, 55, 55);
const QColor Tempo(30, 80, 180);
const QColor Griglia(210, 210, 210);

// A round top for a scale whose half is a whole number too: 2, 4, 10, 20, 40, 100...
double tondo(double massimo)
{
    double cima = 2;
    for (int i = 0; cima < massimo; ++i)
        cima *= i % 3 == 1 ? 2.5 : 2;
    return cima;
}
} // namespace

Grafico::Grafico(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAccessibleName(tr("Grafico"));
    setMinimumHeight(160);
}

void Grafico::imposta(const QString& alunno, const QList<Consultazione::Giorno>& giorni)
{
    alunno_ = alunno;
    giorni_ = giorni;
    setAccessibleName(alunno.isEmpty() ? tr("Grafico") : tr("Grafico di %1").arg(alunno));
    setAccessibleDescription(descrizione(alunno, giorni));
    update();
}

QSize Grafico::sizeHint() const { return QSize(600, 220); }

void Grafico::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    disegna(p, rect(), alunno_, giorni_);
}

QString Grafico::descrizione(const QString& alunno, const QList<Consultazione::Giorno>& giorni)
{
    if (alunno.isEmpty())
        return tr("Apri un alunno della tabella (doppio clic o Invio) per vedere i suoi giorni.");
    if (giorni.isEmpty())
        return tr("%1 non ha risposte nei giorni scelti.").arg(alunno);
    int esatte = 0;
    int errate = 0;
    for (const auto& g : giorni) {
        esatte += g.esatte;
        errate += g.errate;
    }
    return tr("%1. Giorni con risposte: %2; risposte esatte: %3, errate: %4.")
        .arg(alunno)
        .arg(giorni.size())
        .arg(esatte)
        .arg(errate);
}

void Grafico::disegna(QPainter& p, const QRectF& area, const QString& alunno, const QList<Consultazione::Giorno>& giorni,
                      double unita)
{
    p.save();
    QFont font = p.font();
    font.setPixelSize(qMax(1, qRound(11 * unita)));
    p.setFont(font);
    const double riga = 16 * unita;
    const QLocale locale;

    if (giorni.isEmpty()) {
        p.setPen(Qt::darkGray);
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, descrizione(alunno, giorni));
        p.restore();
        return;
    }

    // Title and legend on the first line, the dates under the bars.
    p.setPen(Qt::black);
    const QRectF titolo(area.left() + 4 * unita, area.top(), area.width() - 8 * unita, riga);
    p.drawText(titolo, Qt::AlignLeft | Qt::AlignVCenter, alunno);
    double x = titolo.right();
    const auto voce = [&](const QString& testo, const QColor& colore, bool linea) {
        const double w = p.fontMetrics().horizontalAdvance(testo) * 1.0;
        x -= w;
        p.setPen(Qt::black);
        p.drawText(QRectF(x, titolo.top(), w, riga), Qt::AlignLeft | Qt::AlignVCenter, testo);
        x -= 14 * unita;
        if (linea) {
            p.setPen(QPen(colore, 2 * unita));
            p.drawLine(QPointF(x, titolo.center().y()), QPointF(x + 10 * unita, titolo.center().y()));
        } else {
            p.fillRect(QRectF(x, titolo.center().y() - 4 * unita, 10 * unita, 8 * unita), colore);
        }
        x -= 12 * unita;
    };
    voce(tr("secondi (mediana)"), Tempo, true);
    voce(tr("errate"), Errate, false);
    voce(tr("esatte"), Esatte, false);

    int massimo = 1;
    double secondi = 1;
    for (const auto& g : giorni) {
        massimo = std::max({massimo, g.esatte, g.errate});
        secondi = std::max(secondi, g.medianaSecondi);
    }
    const double scala = tondo(massimo);
    const double scalaSecondi = tondo(secondi);
    const double margine = 34 * unita;
    const QRectF piano(area.left() + margine, area.top() + riga * 1.5, area.width() - 2 * margine,
                       area.height() - riga * 3);
    if (piano.width() <= 0 || piano.height() <= 0) {
        p.restore();
        return;
    }

    // Scales: answers on the left, seconds on the right, with the grid of their halves.
    for (int i = 0; i <= 2; ++i) {
        const double y = piano.bottom() - piano.height() * i / 2;
        p.setPen(QPen(Griglia, unita));
        p.drawLine(QPointF(piano.left(), y), QPointF(piano.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), y - riga / 2, margine - 4 * unita, riga), Qt::AlignRight | Qt::AlignVCenter,
                   locale.toString(scala * i / 2, 'g', 4));
        p.setPen(Tempo);
        p.drawText(QRectF(piano.right() + 4 * unita, y - riga / 2, margine, riga), Qt::AlignLeft | Qt::AlignVCenter,
                   locale.toString(scalaSecondi * i / 2, 'g', 4));
    }

    const double passo = piano.width() / giorni.size();
    const double barra = std::min(passo * 0.35, 24 * unita);
    QPainterPath linea;
    // Dates only where there is room for them.
    const double largoData = p.fontMetrics().horizontalAdvance(QStringLiteral("00/00")) + 6 * unita;
    const int ogni = std::max(1, int(std::ceil(largoData / passo)));
    for (int i = 0; i < giorni.size(); ++i) {
        const auto& g = giorni[i];
        const double centro = piano.left() + passo * (i + 0.5);
        const double hEsatte = piano.height() * g.esatte / scala;
        const double hErrate = piano.height() * g.errate / scala;
        p.fillRect(QRectF(centro - barra, piano.bottom() - hEsatte, barra, hEsatte), Esatte);
        p.fillRect(QRectF(centro, piano.bottom() - hErrate, barra, hErrate), Errate);
        const QPointF punto(centro, piano.bottom() - piano.height() * g.medianaSecondi / scalaSecondi);
        if (i == 0)
            linea.moveTo(punto);
        else
            linea.lineTo(punto);
        if (i % ogni == 0) {
            p.setPen(Qt::black);
            p.drawText(QRectF(centro - passo * ogni / 2, piano.bottom() + 2 * unita, passo * ogni, riga),
                       Qt::AlignHCenter | Qt::AlignTop, locale.toString(g.giorno, QStringLiteral("dd/MM")));
        }
    }
    p.setPen(QPen(Tempo, 2 * unita));
    p.setBrush(Qt::NoBrush);
    p.drawPath(linea);
    for (int i = 0; i < giorni.size(); ++i) {
        const double centro = piano.left() + passo * (i + 0.5);
        p.setBrush(Tempo);
        p.drawEllipse(QPointF(centro, piano.bottom() - piano.height() * giorni[i].medianaSecondi / scalaSecondi),
                      2.5 * unita, 2.5 * unita);
    }
    p.setPen(QPen(Qt::black, unita));
    p.drawLine(piano.bottomLeft(), piano.bottomRight());
    p.restore();
}
