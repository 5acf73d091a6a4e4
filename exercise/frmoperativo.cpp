#include "exercise/frmoperativo.h"

#include "forms/frmfigure.h"
#include "forms/accessibilita.h"
#include "forms/colori.h"
#include "forms/controls.h"
#include "forms/keys.h"
#include "forms/pushkey.h"

#include <QEvent>

namespace {

using namespace Colori;

const QColor Pesca(255, 224, 192);
const QColor PescaScuro(255, 192, 128);
const QColor Mattone(192, 64, 0);

// Top-left corners of the places 1 to 15, three rows of five.
constexpr QPointF PostiS[Esercizio::NumeroPosti] = {
    {300, 270},   {1140, 270},  {1950, 270},  {2790, 270},  {3630, 270},
    {300, 1170},  {1140, 1170}, {1950, 1170}, {2790, 1170}, {3630, 1170},
    {300, 2010},  {1110, 2010}, {1920, 2010}, {2760, 2010}, {3600, 2010}};
constexpr QPointF PostiD[Esercizio::NumeroPosti] = {
    {240, 255},   {1080, 255},  {1920, 255},  {2775, 255},  {3630, 255},
    {255, 1140},  {1080, 1155}, {1920, 1155}, {2775, 1155}, {3630, 1155},
    {255, 2025},  {1095, 2040}, {1920, 2040}, {2760, 2040}, {3600, 2040}};
constexpr double LatoPosto = 735;

const char* const Tasti[Esercizio::NumeroTasti] = {
    QT_TRANSLATE_NOOP("frmOperativo", "AGGIUNGI (+)"), QT_TRANSLATE_NOOP("frmOperativo", "TOGLI (-)"),
    QT_TRANSLATE_NOOP("frmOperativo", "VERIFICA"), QT_TRANSLATE_NOOP("frmOperativo", "AVANTI >>>"),
    QT_TRANSLATE_NOOP("frmOperativo", "ESCI")};
constexpr QRectF PostiTasti[Esercizio::NumeroTasti] = {
    {105, 270, 2625, 930}, {2805, 270, 2625, 915}, {105, 1305, 2625, 930}, {2805, 1305, 2625, 915},
    {105, 2370, 5325, 930}};

const char* const Intestazioni[5] = {
    QT_TRANSLATE_NOOP("frmOperativo", "Oper"), QT_TRANSLATE_NOOP("frmOperativo", " Risposte esatte"),
    QT_TRANSLATE_NOOP("frmOperativo", " Risposte errate"), QT_TRANSLATE_NOOP("frmOperativo", "Tempo parziale"),
    QT_TRANSLATE_NOOP("frmOperativo", "Tempo totale")};
constexpr double SinistraIntestazioni[5] = {45, 990, 1935, 2880, 3825};
constexpr double SinistraValori[5] = {105, 1035, 1965, 2910, 3870};

// The instruction line as the start window opens the exercise: the situation the second set
// starts from, for each kind.
const char* const Situazioni[3] = {
    QT_TRANSLATE_NOOP("FrmInizio", "Situazione iniziale: secondo  insieme vuoto - Devi inserire elementi"),
    QT_TRANSLATE_NOOP("FrmInizio", "Situazione iniziale: secondo  insieme suvvalente - Devi aggiungere elementi"),
    QT_TRANSLATE_NOOP("FrmInizio", "Situazione iniziale: secondo  insieme prevalente - Devi togliere elementi"),
};

// The keys are drawn in a font of the old sans family where it exists, else in the sans the
// rest of the window uses.
QFont fontTasti()
{
    QFont f = makeFont(QStringLiteral("MS Sans Serif"), 13.5, true);
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    return f;
}

QFont arial(qreal punti) { return makeFont(QStringLiteral("Arial"), punti, true); }

PushKey* tasto(const QString& didascalia, const QColor& colore, const QColor& colorePerFuoco, const QFont& font)
{
    auto* k = new PushKey(didascalia, colore);
    k->setFocusColor(colorePerFuoco);
    k->setFont(font);
    k->setAccessibleName(didascalia);
    return k;
}

} // namespace

frmOperativo::frmOperativo(Esercizio& esercizio)
    : Form(tr("Costruisci l'insieme consecutivo maggiore       "), QSizeF(11910, 8580), Rosa,
           Placement::Maximized, Layout::Proportional),
      esercizio_(esercizio)
{
    Label1 = place(makeLabel(tr("COSTRUISCI L'INSIEME CHE VIENE DOPO"), arial(20.25), Mattone),
                   nullptr, QRectF(150, 0, 11850, 495), Kind::Label, QStringLiteral("Label1"));
    Label2 = place(makeLabel(QString(), arial(14.25), Mattone), nullptr, QRectF(150, 495, 11850, 495),
                   Kind::Label, QStringLiteral("Label2"));
    costruisciInsiemi();
    LblEsito = place(makeLabel<Annuncio>(QString(), arial(48), Blu, std::nullopt, Qt::AlignCenter), nullptr,
                     QRectF(270, 4830, 5055, 975), Kind::Label, QStringLiteral("LblEsito"));
    LblEsito->setAccessibleDescription(tr("Esito della verifica"));
    costruisciPunteggio();
    costruisciTastierino();
    costruisciAiuto();
    costruisciIntervento();
    stackInListOrder();
    fraTastierino->raise();
}

void frmOperativo::costruisciInsiemi()
{
    FraSfondoS = place(new Frame(Rosa), nullptr, QRectF(570, 1020, 4620, 3240), Kind::Frame,
                       QStringLiteral("FraSfondoS"));
    FraSfondoD = place(new Frame(Rosa), nullptr, QRectF(6075, 1020, 4620, 3240), Kind::Frame,
                       QStringLiteral("FraSfondoD"));
    for (int k = 1; k <= NumeroPosti; ++k) {
        Image1[k] = place(new ImageBox, FraSfondoS, QRectF(PostiS[k - 1], QSizeF(LatoPosto, LatoPosto)),
                          Kind::Image, QStringLiteral("Image1[%1]").arg(k));
        Image2[k] = place(new ImageBox, FraSfondoD, QRectF(PostiD[k - 1], QSizeF(LatoPosto, LatoPosto)),
                          Kind::Image, QStringLiteral("Image2[%1]").arg(k));
        Image1[k]->hide();
        Image2[k]->hide();
    }
    // The outline that makes each group of figures a set, behind the places.
    Shape1[1] = place(new Shape(Qt::transparent, Rosso, 3, 18), FraSfondoS, QRectF(30, 30, 4545, 3030),
                      Kind::Shape, QStringLiteral("Shape1[1]"));
    Shape1[0] = place(new Shape(Qt::transparent, Rosso, 3, 18), FraSfondoD, QRectF(30, 30, 4545, 3030),
                      Kind::Shape, QStringLiteral("Shape1[0]"));
}

void frmOperativo::costruisciPunteggio()
{
    frmElaborazione = place(new Frame(Rosa, true), nullptr, QRectF(300, 6300, 4890, 1695), Kind::Frame,
                            QStringLiteral("frmElaborazione"));
    for (int i = 0; i < 5; ++i) {
        QLabel* l = makeLabel(tr(Intestazioni[i]), arial(8.25), RossoScuro, std::nullopt,
                              Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        Label5[i] = place(l, frmElaborazione, QRectF(SinistraIntestazioni[i], 300, 930, 555), Kind::Label,
                          QStringLiteral("Label5[%1]").arg(i));
    }
    const std::pair<QLabel**, const char*> valori[5] = {
        {&LblOperazione, "LblOperazione"}, {&lblRisEsatte, "lblRisEsatte"}, {&lblRisErrate, "lblRisErrate"},
        {&LblTempoParziale, "LblTempoParziale"}, {&LblTempoTotale, "LblTempoTotale"}};
    for (int i = 0; i < 5; ++i)
        *valori[i].first = place(makeLabel(QString(), arial(14.25), Blu, std::nullopt, Qt::AlignCenter),
                                 frmElaborazione, QRectF(SinistraValori[i], 960, 810, 480), Kind::Label,
                                 QString::fromLatin1(valori[i].second));
    LblTempoParziale->setToolTip(tr("Secondi impiegati per ogni risposta"));
    LblTempoTotale->setToolTip(tr("Secondi impiegati per ogni esercizio"));
    // A bare number means nothing to a listener: each value is tagged with what it counts. A
    // description, not a name, which would hide the number.
    const std::pair<QLabel*, const char*> significati[5] = {
        {LblOperazione, QT_TR_NOOP("Numero dell'esercizio")}, {lblRisEsatte, QT_TR_NOOP("Risposte esatte")},
        {lblRisErrate, QT_TR_NOOP("Risposte errate")},
        {LblTempoParziale, QT_TR_NOOP("Tempo parziale: secondi impiegati per ogni risposta")},
        {LblTempoTotale, QT_TR_NOOP("Tempo totale: secondi impiegati per ogni esercizio")}};
    for (const auto& [valore, significato] : significati)
        valore->setAccessibleDescription(tr(significato));
}

void frmOperativo::costruisciTastierino()
{
    fraTastierino = place(new Frame(Rosa, true), nullptr, QRectF(5385, 4815, 5670, 3510), Kind::Frame,
                          QStringLiteral("fraTastierino"));
    for (int i = 0; i < NumeroTasti; ++i) {
        PushKey* k = tasto(tr(Tasti[i]), Rosa, Magenta, fontTasti());
        Option1[i] = place(k, fraTastierino, PostiTasti[i], Kind::OptionButton, QStringLiteral("Option1[%1]").arg(i));
        connect(k, &PushKey::keyDown, this, [this, i](int& codice) { tastierinoKeyDown(i, codice); });
        connect(k, &PushKey::keyPress, this, [this, i](int& carattere) { tastierinoKeyPress(i, carattere); });
        connect(k, &PushKey::keyUp, this, &frmOperativo::rilasciaTasti);
        connect(k, &PushKey::mouseDown, this, [this, i] { tastierinoMouseDown(i); });
        connect(k, &PushKey::mouseUp, this, [this] { ClicInCorso = false; });
    }
    Option1[Esercizio::TastoVerifica]->setEnabled(false);
}

void frmOperativo::costruisciAiuto()
{
    fraAiuto = place(new Frame(Rosa, true), nullptr, QRectF(5385, 4815, 5670, 3510), Kind::Frame,
                     QStringLiteral("fraAiuto"));
    LblAiuto = place(makeLabel<Annuncio>(tr("Ti aiuto ?"), arial(21.75), Qt::black, Pesca, Qt::AlignCenter),
                     fraAiuto, QRectF(195, 495, 5235, 720), Kind::Label, QStringLiteral("LblAiuto"));
    const QRectF posti[2] = {{120, 1575, 2700, 840}, {2865, 1575, 2700, 840}};
    const char* const risposte[2] = {QT_TR_NOOP("SI"), QT_TR_NOOP("NO")};
    for (int i = 0; i < 2; ++i) {
        PushKey* k = tasto(tr(risposte[i]), Pesca, PescaScuro, arial(20.25));
        Option3[i] = place(k, fraAiuto, posti[i], Kind::OptionButton, QStringLiteral("Option3[%1]").arg(i));
        connect(k, &PushKey::keyDown, this, [this, i](int& codice) { aiutoKeyDown(i, codice); });
        connect(k, &PushKey::keyPress, this, [this, i](int& carattere) { aiutoKeyPress(i, carattere); });
        connect(k, &PushKey::keyUp, this, &frmOperativo::rilasciaTasti);
        connect(k, &PushKey::mouseDown, this, i == 0 ? &frmOperativo::SiSi : &frmOperativo::NoNo);
    }
    fraAiuto->setEnabled(false);
}

void frmOperativo::costruisciIntervento()
{
    fraIntervento = place(new Frame(Rosa, true), nullptr, QRectF(5385, 4815, 5685, 3525), Kind::Frame,
                          QStringLiteral("fraIntervento"));
    lblIntervento = place(makeLabel<Annuncio>(tr("Intervengo io"), arial(27.75),
                                    palette().color(QPalette::WindowText), std::nullopt, Qt::AlignCenter),
                          fraIntervento, QRectF(690, 570, 4095, 1095), Kind::Label, QStringLiteral("lblIntervento"));
    optOK = place(tasto(tr("OK"), Pesca, PescaScuro, arial(20.25)), fraIntervento, QRectF(1110, 1872, 3330, 945),
                  Kind::OptionButton, QStringLiteral("optOK"));
    connect(optOK, &PushKey::keyDown, this, [this](int& codice) {
        if (codice == Keys::Enter)
            SiSi();
        else
            codice = 0;
    });
    connect(optOK, &PushKey::keyUp, this, &frmOperativo::rilasciaTasti);
    connect(optOK, &PushKey::mouseDown, this, &frmOperativo::SiSi);
    fraIntervento->setEnabled(false);
}

void frmOperativo::onLoad() { Avvia(); }

void frmOperativo::onUnload()
{
    // A wrong answer left without a reply to the help question is kept as it stands.
    esercizio_.ConcludiRisposta();
    Esci();
}

void frmOperativo::Avvia()
{
    passo(&Esercizio::Avvia);
    scriviIstruzione();
}

void frmOperativo::NuovoEsercizio()
{
    passo(&Esercizio::NuovoEsercizio);
    scriviIstruzione();
}

void frmOperativo::CambiaTipo()
{
    // An exercise of another kind gives way at once to one of the chosen kind, counted as after
    // "AVANTI >>>": otherwise the instruction line would tell one kind, the sets show another,
    // and a "NO" would rebuild the second set by the new kind from the old exercise's sizes.
    // The same kind keeps the exercise the pupil is building; a value that is no kind (the
    // exit key's) starts nothing.
    const int tipo = esercizio_.TipoEsercizio;
    if (tipo != esercizio_.tipo() && Esercizio::Istruzione(tipo))
        NuovoEsercizio();
}

void frmOperativo::ApriDa(Form* opener)
{
    CambiaTipo();
    showModeless(opener);
    const int tipo = esercizio_.TipoEsercizio;
    if (tipo >= InsiemeVuoto && tipo <= Togliere)
        Label2->setText(QCoreApplication::translate("FrmInizio", Situazioni[tipo]));
}

void frmOperativo::scriviIstruzione()
{
    if (const auto testo = Esercizio::Istruzione(esercizio_.TipoEsercizio))
        Label2->setText(*testo);
}

void frmOperativo::passo(void (Esercizio::*p)())
{
    (esercizio_.*p)();
    mostra();
}

void frmOperativo::Aggiungi() { passo(&Esercizio::Aggiungi); }
void frmOperativo::Togli() { passo(&Esercizio::Togli); }
void frmOperativo::Verifica() { passo(&Esercizio::Verifica); }
void frmOperativo::SiSi() { passo(&Esercizio::SiSi); }
void frmOperativo::NoNo() { passo(&Esercizio::NoNo); }

void frmOperativo::EseguiTasto(int indice)
{
    // What each key does, in the order of the keys.
    static constexpr std::array<void (frmOperativo::*)(), NumeroTasti> Azioni = {
        &frmOperativo::Aggiungi, &frmOperativo::Togli, &frmOperativo::Verifica, &frmOperativo::NuovoEsercizio,
        &frmOperativo::Esci};
    if (indice >= 0 && indice < NumeroTasti)
        (this->*Azioni[std::size_t(indice)])();
}

void frmOperativo::Esci() { unload(); }

void frmOperativo::DisabilitaRiquadri()
{
    fraTastierino->setEnabled(false);
    fraAiuto->setEnabled(false);
    fraIntervento->setEnabled(false);
}

Frame* frmOperativo::riquadro(Esercizio::Riquadro r) const
{
    switch (r) {
    case Esercizio::Riquadro::Aiuto:
        return fraAiuto;
    case Esercizio::Riquadro::Intervento:
        return fraIntervento;
    case Esercizio::Riquadro::Tastierino:
        break;
    }
    return fraTastierino;
}

void frmOperativo::mostra()
{
    const Esercizio::Quadro& q = esercizio_.quadro();
    mostraPosti(q);
    const bool nuovoRiquadro = mostraTasti(q);
    const bool nuovoEsito = mostraPunteggio(q);
    daiFuoco(esercizio_.prendiFuoco());

    // Read out once the focus has moved: a screen reader that follows the focus stops what it
    // was reading to name the new key.
    if (nuovoEsito)
        LblEsito->annuncia();
    if (nuovoRiquadro && davanti_ == Esercizio::Riquadro::Aiuto)
        LblAiuto->annuncia();
    if (nuovoRiquadro && davanti_ == Esercizio::Riquadro::Intervento)
        lblIntervento->annuncia();
}

void frmOperativo::mostraPosti(const Esercizio::Quadro& q)
{
    const Picture figura = FrmFigure::Image3(esercizio_.FiguraCorrente);
    int figureS = 0;
    int figureD = 0;
    for (int k = 1; k <= NumeroPosti; ++k) {
        for (auto [posto, mostrato] : {std::pair(Image1[k], q.postiS[k]), std::pair(Image2[k], q.postiD[k])}) {
            posto->setPicture(mostrato ? figura : Picture());
            posto->setVisible(mostrato);
            Accessibilita::nominaPosto(posto, mostrato);
        }
        figureS += q.postiS[k];
        figureD += q.postiD[k];
    }
    Accessibilita::rinomina(FraSfondoS, Accessibilita::nomeInsieme(tr("Primo insieme"), figureS));
    Accessibilita::rinomina(FraSfondoD, Accessibilita::nomeInsieme(tr("Secondo insieme"), figureD));
}

bool frmOperativo::mostraTasti(const Esercizio::Quadro& q)
{
    for (int i = 0; i < NumeroTasti; ++i)
        Option1[i]->setEnabled(q.disponibili[i]);
    if (q.davanti == davanti_)
        return false;
    DisabilitaRiquadri();
    Frame* f = riquadro(q.davanti);
    f->setEnabled(true);
    f->raise();
    davanti_ = q.davanti;
    return true;
}

bool frmOperativo::mostraPunteggio(const Esercizio::Quadro& q)
{
    const bool nuovoEsito = q.esito != esitoMostrato_;
    esitoMostrato_ = q.esito;
    LblEsito->setText(q.esito);
    LblOperazione->setText(q.operazione);
    lblRisEsatte->setText(q.risEsatte);
    lblRisErrate->setText(q.risErrate);
    LblTempoParziale->setText(q.tempoParziale);
    LblTempoTotale->setText(q.tempoTotale);
    return nuovoEsito;
}

void frmOperativo::daiFuoco(Esercizio::Fuoco fuoco)
{
    // Every step that disables the key or the frame holding the focus names the key that takes
    // it: Qt would drop the focus, and a pupil on the keyboard would be left with no key.
    switch (fuoco) {
    case Esercizio::Fuoco::Aggiungi:
        Option1[Esercizio::TastoAggiungi]->setFocus();
        break;
    case Esercizio::Fuoco::Avanti:
        Option1[Esercizio::TastoAvanti]->setFocus();
        break;
    case Esercizio::Fuoco::Si:
        Option3[0]->setFocus();
        break;
    case Esercizio::Fuoco::Ok:
        optOK->setFocus();
        break;
    case Esercizio::Fuoco::Invariato:
        break;
    }
}

void frmOperativo::rilasciaTasti()
{
    // One release frees every key group: the release of a press that brought another frame
    // to the front arrives at that frame's keys, not at the group that took the press.
    TastoInCorso = SpazioInCorso = false;
    TastoAiutoInCorso = SpazioAiutoInCorso = false;
}

void frmOperativo::changeEvent(QEvent* event)
{
    Form::changeEvent(event);
    // Keys released while another window has the keyboard never reach this one.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        rilasciaTasti();
        ClicInCorso = false;
    }
}

void frmOperativo::tastierinoKeyDown(int indice, int& codice)
{
    if (TastoInCorso)
        return;
    if (codice >= Keys::Digit1 && codice < Keys::Digit1 + NumeroTasti) {
        TastoInCorso = true;
        const int scelto = codice - Keys::Digit1;
        if (esercizio_.quadro().disponibili[scelto])
            Option1[scelto]->setFocus();
    } else if (codice == Keys::Enter) {
        TastoInCorso = true;
        EseguiTasto(indice);
    } else {
        codice = 0;
    }
}

void frmOperativo::tastierinoKeyPress(int indice, int& carattere)
{
    if (!Keys::spaceOnce(carattere, SpazioInCorso))
        return;
    for (int passo = 1; passo <= NumeroTasti; ++passo) {
        const int k = (indice + passo) % NumeroTasti;
        if (esercizio_.quadro().disponibili[k]) {
            Option1[k]->setFocus();
            break;
        }
    }
}

void frmOperativo::tastierinoMouseDown(int indice)
{
    if (ClicInCorso)
        return;
    ClicInCorso = true;
    EseguiTasto(indice);
    // A key that the press made unavailable never sees its release.
    ClicInCorso = Option1[indice]->isHeld();
}

void frmOperativo::aiutoKeyDown(int indice, int& codice)
{
    if (TastoAiutoInCorso)
        return;
    // The letter keys are the answers' initials in the pupil's language: S and N in Italian.
    if (codice == Option3[0]->text().front().toUpper().unicode())
        codice = Keys::Digit1;
    else if (codice == Option3[1]->text().front().toUpper().unicode())
        codice = Keys::Digit1 + 1;
    switch (codice) {
    case Keys::Digit1:
    case Keys::Keypad1:
        TastoAiutoInCorso = true;
        Option3[0]->setFocus();
        break;
    case Keys::Digit1 + 1:
    case Keys::Keypad1 + 1:
        TastoAiutoInCorso = true;
        Option3[1]->setFocus();
        break;
    case Keys::Enter:
        TastoAiutoInCorso = true;
        indice == 0 ? SiSi() : NoNo();
        break;
    default:
        codice = 0;
        break;
    }
}

void frmOperativo::aiutoKeyPress(int indice, int& carattere)
{
    if (Keys::spaceOnce(carattere, SpazioAiutoInCorso))
        Option3[1 - indice]->setFocus();
}
