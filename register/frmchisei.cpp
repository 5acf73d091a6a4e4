#include "register/frmchisei.h"

#include "forms/colori.h"
#include "forms/controls.h"
#include "forms/keys.h"
#include "forms/pushkey.h"

#include <QEvent>
#include <cmath>

namespace {
using namespace Colori;

const QColor Verde(192, 255, 192);

// Arrow keys, as Keys::code gives them.
enum Freccia { Sinistra = 37, Su = 38, Destra = 39, Giu = 40 };

// The room of the grid, in twips of the design (the start window's size), and the gap
// between keys. Few pupils get keys no larger than a start window's key.
const QRectF Griglia(450, 1500, 11010, 5400);
constexpr double Spazio = 150;
constexpr double LarghezzaMassima = 4620;
constexpr double AltezzaMassima = 1100;
} // namespace

int FrmChiSei::colonne(int alunni)
{
    return alunni < 1 ? 1 : int(std::ceil(std::sqrt(double(alunni))));
}

FrmChiSei::FrmChiSei(const QList<Alunno>& alunni)
    : Form(tr("Chi sei?"), QSizeF(11910, 8280), Rosa, Placement::Maximized, Layout::Proportional),
      alunni_(alunni), colonne_(colonne(int(alunni.size())))
{
    // Placed in reading order, the order a screen reader reads them in; only the title stands
    // on something, its frame, placed before it.
    shpTitolo = place(new Shape(Rosa, Magenta, 3, 12), nullptr, QRectF(3105, 150, 5700, 1140), Kind::Shape,
                      QStringLiteral("shpTitolo"));
    lblTitolo = place(makeLabel(tr("Chi sei?"), makeFont("Arial", 36, true), Blu, std::nullopt, Qt::AlignCenter),
                      nullptr, QRectF(3255, 240, 5400, 960), Kind::Label, QStringLiteral("lblTitolo"));

    const int n = int(alunni.size());
    const int righe = (n + colonne_ - 1) / colonne_;
    const double larghezza = qMin(LarghezzaMassima, (Griglia.width() - (colonne_ - 1) * Spazio) / colonne_);
    const double altezza = qMin(AltezzaMassima, (Griglia.height() - (righe - 1) * Spazio) / qMax(righe, 1));
    // A grid smaller than its room stands in the middle of it.
    const double sinistra = Griglia.center().x() - (colonne_ * larghezza + (colonne_ - 1) * Spazio) / 2;
    const double alto = Griglia.center().y() - (righe * altezza + (righe - 1) * Spazio) / 2;
    const auto nuovoTasto = [](const QString& nome, const QColor& colore) {
        auto* tasto = new PushKey(nome, colore);
        tasto->setFont(makeFont("Arial", 15.75, true));
        tasto->setFocusColor(Magenta);
        tasto->setCaptionOnOneLine(true);
        return tasto;
    };
    for (int i = 0; i < n; ++i) {
        const QRectF posto(sinistra + (i % colonne_) * (larghezza + Spazio), alto + (i / colonne_) * (altezza + Spazio),
                           larghezza, altezza);
        optAlunno.push_back(place(nuovoTasto(alunni[i].nome, Rosa), nullptr, posto, Kind::OptionButton,
                                  QStringLiteral("optAlunno[%1]").arg(i)));
    }
    optNessuno = place(nuovoTasto(tr("Non sono nell'elenco"), Verde), nullptr, QRectF(3255, 7200, 5400, 795),
                       Kind::OptionButton, QStringLiteral("optNessuno"));
    optAlunno.push_back(optNessuno);

    for (int i = 0; i < int(optAlunno.size()); ++i) {
        PushKey* tasto = optAlunno[i];
        connect(tasto, &PushKey::mouseDown, this, [this, i] { scegli(i); });
        connect(tasto, &PushKey::keyDown, this, [this, i](int& codice) { keyDown(i, codice); });
        connect(tasto, &PushKey::keyPress, this, [this, i](int& carattere) {
            if (Keys::spaceOnce(carattere, SpazioInCorso))
                scegli(i);
        });
        connect(tasto, &PushKey::keyUp, this, [this] { TastoInCorso = SpazioInCorso = false; });
    }
}

void FrmChiSei::onLoad() { optAlunno.front()->setFocus(); }

void FrmChiSei::scegli(int indice)
{
    // A second press while the first is being handed on (a screen reader's, or a key and
    // the mouse at once) chooses nobody else.
    if (scelta_)
        return;
    scelta_ = true;
    emit scelto(indice < alunni_.size() ? alunni_[indice].id : QUuid());
    unload();
}

void FrmChiSei::keyDown(int indice, int& codice)
{
    if (TastoInCorso)
        return;
    const int nessuno = int(alunni_.size());
    int cifra = -1;
    if (codice >= Keys::Digit1 - 1 && codice <= Keys::Digit1 + 8)
        cifra = codice - (Keys::Digit1 - 1);
    else if (codice >= Keys::Keypad1 - 1 && codice <= Keys::Keypad1 + 8)
        cifra = codice - (Keys::Keypad1 - 1);

    int verso = -1;
    if (cifra == 0) {
        verso = nessuno;
    } else if (cifra > 0) {
        verso = cifra - 1;
        // The same digit again goes on by ten, and back to the first after the last.
        if (indice < nessuno && indice % 10 == cifra - 1 && indice + 10 < nessuno)
            verso = indice + 10;
        if (verso >= nessuno)
            verso = -1;
    } else if (codice >= Sinistra && codice <= Giu) {
        verso = freccia(indice, codice);
    } else if (codice == Keys::Enter) {
        TastoInCorso = true;
        scegli(indice);
        return;
    } else {
        codice = 0;
        return;
    }
    TastoInCorso = true;
    if (verso >= 0)
        optAlunno[verso]->setFocus();
}

int FrmChiSei::freccia(int indice, int codice) const
{
    const int nessuno = int(alunni_.size());
    const int tasti = nessuno + 1;
    switch (codice) {
    case Destra:
        return (indice + 1) % tasti;
    case Sinistra:
        return (indice + tasti - 1) % tasti;
    case Giu:
        // Below the last row lies "Non sono nell'elenco", and below it the first row again.
        if (indice == nessuno)
            return 0;
        return indice + colonne_ < nessuno ? indice + colonne_ : nessuno;
    default:
        if (indice == nessuno)
            return nessuno == 0 ? nessuno : (nessuno - 1) / colonne_ * colonne_;
        return indice >= colonne_ ? indice - colonne_ : nessuno;
    }
}

void FrmChiSei::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        TastoInCorso = SpazioInCorso = false;
}
