#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QString>

class QWidget;

// What screen readers hear of the program's windows. The program's own controls tell them what
// they are: a frame is a panel, an image control an image, an announcement a notification.
namespace Accessibilita {

// Teaches Qt's accessibility the roles of the program's own controls; the controls call it
// when they are made, so that it is in place before any screen reader asks about them.
void prepara();

// A caption spaced out letter by letter ("E s a t t o", "E S C I ") as the word it spells: a
// screen reader would spell it out. Any other text comes back as it is.
QString formaParlata(const QString& testo);

// "Primo insieme: 4 figure", "Primo insieme: 1 figura", "Primo insieme: vuoto".
QString nomeInsieme(const QString& quale, int figure);

// Gives a control a new accessible name only when it differs from the one it has: Qt tells
// screen readers of every renaming, even to the same name, and a step of an exercise would
// otherwise tell them of thirty places that did not change.
void rinomina(QWidget* controllo, const QString& nome);

// A place is read "figura" while it shows a figure, and nothing while it is empty.
inline void nominaPosto(QWidget* posto, bool figura)
{
    rinomina(posto, figura ? QCoreApplication::translate("Accessibilita", "figura") : QString());
}

} // namespace Accessibilita

// A label whose text screen readers read out when it appears: an outcome, a question, an
// intervention. It is read in its spoken form ("E s a t t o" as "Esatto").
class Annuncio : public QLabel
{
    Q_OBJECT

public:
    explicit Annuncio(const QString& testo = QString(), QWidget* parent = nullptr);

    // Has screen readers read the label now; an empty label has nothing to say.
    void annuncia();
};
