#pragma once

#include "registro/consultazione.h"

#include <QWidget>

class QPainter;

// A pupil's days: per day the right answers (green) and the wrong ones (red) as bars side by
// side, against the left scale, and the median seconds an answer took as a line, against the
// right scale. The same drawing goes on the screen and on paper.
class Grafico : public QWidget
{
    Q_OBJECT

public:
    explicit Grafico(QWidget* parent = nullptr);

    void imposta(const QString& alunno, const QList<Consultazione::Giorno>& giorni);
    const QList<Consultazione::Giorno>& giorni() const { return giorni_; }

    // Draws the chart into `area`, in the painter's own units; `unita` is the size of a pixel
    // of the screen in those units, so that lines and texts keep their size on paper.
    static void disegna(QPainter& painter, const QRectF& area, const QString& alunno,
                        const QList<Consultazione::Giorno>& giorni, double unita = 1);
    // What the chart shows, in words, for a screen reader.
    static QString descrizione(const QString& alunno, const QList<Consultazione::Giorno>& giorni);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString alunno_;
    QList<Consultazione::Giorno> giorni_;
};
