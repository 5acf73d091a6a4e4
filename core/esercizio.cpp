#include "core/esercizio.h"

#include "core/clock.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

const Testo Esercizio::Esatto{"Esercizio", QT_TRANSLATE_NOOP("Esercizio", "E s a t t o")};
const Testo Esercizio::Errato{"Esercizio", QT_TRANSLATE_NOOP("Esercizio", "E r r a t o")};

namespace {

constexpr double SecondiGiorno = 86400;

// The counters stop at the top of their range instead of wrapping round.
template <class T>
void piuUno(T& contatore)
{
    if (contatore < std::numeric_limits<T>::max())
        ++contatore;
}

// A number as text with the place of its sign: a blank before one that is not negative.
QString conSegno(qint32 valore)
{
    return valore < 0 ? QString::number(valore) : QLatin1Char(' ') + QString::number(valore);
}

QString limitato(qint32 valore, const QString& testo)
{
    return valore >= Esercizio::MassimoTempo ? QString::number(Esercizio::MassimoTempo) : testo;
}

} // namespace

Esercizio::Fuoco Esercizio::prendiFuoco() { return std::exchange(fuoco_, Fuoco::Invariato); }

std::optional<QString> Esercizio::Istruzione(int tipo)
{
    switch (tipo) {
    case InsiemeVuoto:
        return QCoreApplication::translate("Esercizio", "Secondo insieme vuoto - Inserisci elementi");
    case Aggiungere:
        return QCoreApplication::translate("Esercizio", "Secondo insieme suvvalente - Aggiungi elementi");
    case Togliere:
        return QCoreApplication::translate("Esercizio", "Secondo insieme prevalente - Togli elementi");
    default:
        return std::nullopt;
    }
}

void Esercizio::Avvia()
{
    ConcludiRisposta();
    quadro_ = Quadro{};
    fuoco_ = Fuoco::Invariato;
    NumOperazione = 0;
    NuovoEsercizio();
}

void Esercizio::NuovoEsercizio()
{
    ConcludiRisposta();
    ++esercizi_;
    quadro_.postiS.fill(false);
    quadro_.postiD.fill(false);
    NumElementiD = 0;
    piuUno(NumOperazione);
    quadro_.operazione = QString::number(NumOperazione);
    quadro_.esito.clear();
    quadro_.tempoParziale.clear();
    tipo_ = TipoEsercizio;
    switch (tipo_) {
    case InsiemeVuoto:
        genera0();
        VisualizzaD0();
        break;
    case Aggiungere:
        genera1();
        VisualizzaD1();
        break;
    case Togliere:
        genera2();
        VisualizzaD2();
        break;
    default:
        break;
    }
    davanti(Riquadro::Tastierino);
    TastiCostruzione();
}

void Esercizio::genera0() { estrai(IntervalliEsercizio::Vuoto); }
void Esercizio::genera1() { estrai(IntervalliEsercizio::Minore); }
void Esercizio::genera2() { estrai(IntervalliEsercizio::Maggiore); }

void Esercizio::estrai(const Intervalli& regola)
{
    const InsiemeEstratto e = estraiInsieme(regola, 1);
    FiguraCorrente = e.figura;
    NumElementiS = e.n;
    PostiS = e.posti;
    NumInizialeD = qint16(e.m);
    for (int i = 1; i <= NumElementiS; ++i)
        quadro_.postiS[PostiS[i]] = true;
}

int Esercizio::riempiD(int figure)
{
    figure = std::clamp(figure, 0, int(PostiD));
    quadro_.postiD.fill(false);
    std::fill(quadro_.postiD.begin() + 1, quadro_.postiD.begin() + 1 + figure, true);
    return figure;
}

void Esercizio::mostraInsiemeD(int figure)
{
    NumElementiD = qint16(riempiD(figure));
    TempoInizio = Clock::secondsSinceMidnight();
}

void Esercizio::VisualizzaD0() { mostraInsiemeD(0); }
void Esercizio::VisualizzaD1() { mostraInsiemeD(NumInizialeD); }
void Esercizio::VisualizzaD2() { mostraInsiemeD(NumInizialeD); }

void Esercizio::visualizzaDelTipo()
{
    // The start of the exercise on screen: its n and m were drawn by the rules of its own kind.
    switch (tipo_) {
    case InsiemeVuoto:
        VisualizzaD0();
        break;
    case Aggiungere:
        VisualizzaD1();
        break;
    case Togliere:
        VisualizzaD2();
        break;
    default:
        break;
    }
}

void Esercizio::Aggiungi()
{
    NumElementiD = qint16(std::min(NumElementiD + 1, int(PostiD)));
    quadro_.postiD[NumElementiD] = true;
    quadro_.disponibili[TastoVerifica] = true;
}

void Esercizio::Togli()
{
    if (NumElementiD >= 1 && NumElementiD <= PostiD)
        quadro_.postiD[NumElementiD] = false;
    NumElementiD = qint16(NumElementiD - 1);
    if (NumElementiD <= 0)
        NumElementiD = 0;
    quadro_.disponibili[TastoVerifica] = NumElementiD > 0;
}

void Esercizio::Verifica()
{
    if (NumElementiD == NumElementiS + 1) {
        piuUno(RisEsatte);
        quadro_.risEsatte = QString::number(RisEsatte);
        quadro_.esito = Esatto;
        TastiAvanti();
    } else {
        quadro_.esito = Errato;
        piuUno(RisErrate);
        quadro_.risErrate = QString::number(RisErrate);
        davanti(Riquadro::Aiuto);
        // The keypad that had the focus is now disabled: the answer keys take it.
        fuoco_ = Fuoco::Si;
    }
    CalcolaTempo();
    if (!registra_)
        return;
    ConcludiRisposta();
    Risposta r;
    r.esercizio = esercizi_;
    r.quando = QDateTime::currentDateTimeUtc();
    r.tipo = tipo_;
    r.figura = FiguraCorrente;
    r.n = NumElementiS;
    r.m = NumInizialeD;
    r.dato = NumElementiD;
    r.esatta = NumElementiD == NumElementiS + 1;
    r.secondi = trascorso_;
    sospesa_ = std::move(r);
    if (sospesa_->esatta)
        consegna(Seguito::Nessuno);
}

void Esercizio::consegna(Seguito seguito)
{
    if (!sospesa_)
        return;
    sospesa_->seguito = seguito;
    // Taken out first: whatever the receiver does, this answer is not handed twice.
    const Risposta r = *std::exchange(sospesa_, std::nullopt);
    if (registra_)
        registra_(r);
}

void Esercizio::ConcludiRisposta() { consegna(Seguito::Nessuno); }

void Esercizio::SiSi()
{
    // After the window stepped in, "OK" finds nothing waiting: that answer went with the third "NO".
    consegna(Seguito::Aiuto);
    Tentativi = 0;
    riempiD(NumElementiS + 1);
    quadro_.esito.clear();
    davanti(Riquadro::Tastierino);
    TastiAvanti();
}

void Esercizio::NoNo()
{
    piuUno(Tentativi);
    consegna(Tentativi >= 3 ? Seguito::Intervento : Seguito::Rifiuto);
    if (Tentativi >= 3) {
        Tentativi = 0;
        davanti(Riquadro::Intervento);
        fuoco_ = Fuoco::Ok;
        return;
    }
    visualizzaDelTipo();
    davanti(Riquadro::Tastierino);
    TastiCostruzione();
    quadro_.esito.clear();
}

void Esercizio::CalcolaTempo()
{
    const float TempoFine = Clock::secondsSinceMidnight();
    double trascorso = double(TempoFine) - double(TempoInizio);
    // The clock starts again from zero at midnight.
    if (trascorso < 0)
        trascorso += SecondiGiorno;
    trascorso_ = trascorso;
    TempoParziale = qint32(std::floor(trascorso));
    const QString TestoTempoParziale = conSegno(TempoParziale);
    TempoTotale = qint32(std::min<qint64>(qint64(TempoTotale) + TempoParziale, std::numeric_limits<qint32>::max()));
    const QString TestoTempoTotale = conSegno(TempoTotale);
    quadro_.tempoParziale = limitato(TempoParziale, TestoTempoParziale);
    quadro_.tempoTotale = limitato(TempoTotale, TestoTempoTotale);
}

void Esercizio::TastiCostruzione()
{
    quadro_.disponibili = {true, true, false, false, false};
    fuoco_ = Fuoco::Aggiungi;
}

void Esercizio::TastiAvanti()
{
    quadro_.disponibili = {false, false, false, true, true};
    fuoco_ = Fuoco::Avanti;
}

void Esercizio::davanti(Riquadro r) { quadro_.davanti = r; }
