#include "worksheets/frmstampaschede.h"

#include "forms/frmfigure.h"
#include "forms/accessibilita.h"
#include "forms/colori.h"
#include "forms/controls.h"
#include "forms/pushkey.h"
#include "core/esercizioscheda.h"

namespace {

DisegnoScheda disegno()
{
    DisegnoScheda d;
    d.titolo = QCoreApplication::translate("frmStampaSchede", "VISUALIZZAZIONE SCHEDA          ");
    d.altezzaInterna = 8430;
    d.nomeMenuStampante = QStringLiteral("mnuStampante");
    d.menuStampante = QCoreApplication::translate("frmStampaSchede", "Seleziona stampante");
    d.label1 = QCoreApplication::translate("frmStampaSchede", " SCHEDA: COSTRUIRE L'INSIEME CHE VIENE DOPO");
    d.posLabel1 = QRectF(0, 0, 12000, 405);
    d.label2 = QCoreApplication::translate("frmStampaSchede", " situazione iniziale: secondo insieme vuoto");
    d.posLabel2 = QRectF(0, 390, 12000, 390);
    d.fontLabel2 = makeFont(QStringLiteral("Arial"), 20.25, true);
    d.testoLabel2 = Colori::RossoScuro;
    d.posFrame3 = QRectF(210, 840, 9405, 6450);
    d.posFrame4 = QRectF(210, 795, 9405, 6525);
    d.didascaliaBottone = QCoreApplication::translate("frmStampaSchede", "VISUALIZZA %1° INSIEME");
    d.posBottoni = {QRectF(9645, 1725, 2145, 645), QRectF(9660, 2400, 2145, 645),
                    QRectF(9660, 3090, 2145, 645), QRectF(9660, 3795, 2145, 645)};
    d.posStampa = QRectF(9675, 5925, 2145, 645);
    d.posFine = QRectF(9660, 6660, 2145, 645);
    d.posParte = QRectF(795, 7395, 3405, 600);
    d.fontParte = makeFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    d.coloreParte = Colori::Magenta;
    d.completaLaScheda = QCoreApplication::translate("frmStampaSchede", "Completa la scheda ");
    d.tipo = QStringLiteral("vuoto");
    d.istruzione = QCoreApplication::translate("frmStampaSchede", "Nel riquadro accanto disegna l'insieme consecutivo maggiore");
    return d;
}

// The set frames by index: the part that holds them, their place in it, their caption.
struct Riquadro
{
    int parte;
    double sinistra;
    double alto;
    const char* didascalia;
};
constexpr Riquadro Disposizione[frmStampaSchede::Riquadri] = {
    {1, 90, 90, QT_TRANSLATE_NOOP("frmStampaSchede", "Primo Insieme")},
    {1, 75, 3225, QT_TRANSLATE_NOOP("frmStampaSchede", "Secondo insieme")},
    {1, 4710, 90, nullptr},
    {1, 4710, 3225, nullptr},        {2, 4710, 3390, nullptr},         {2, 4710, 255, nullptr},
    {2, 90, 255, QT_TRANSLATE_NOOP("frmStampaSchede", "Terzo insieme")},
    {2, 75, 3390, QT_TRANSLATE_NOOP("frmStampaSchede", "Quarto insieme")},
};
constexpr double LarghezzaRiquadro = 4605;
constexpr double AltezzaRiquadro = 3075;

// One grid of places for every frame: 5 columns, 3 rows.
constexpr double Colonne[5] = {105, 975, 1830, 2685, 3540};
constexpr double Righe[3] = {150, 1140, 2085};
constexpr double LatoPosto = 795;

// The frames of the four sets, and the empty frames beside them.
constexpr int RiquadroInsieme[FinestraScheda::Esercizi] = {0, 1, 6, 7};
constexpr int RiquadroAccanto[FinestraScheda::Esercizi] = {2, 3, 5, 4};

} // namespace

frmStampaSchede::frmStampaSchede() : FinestraScheda(disegno())
{
    for (int j = 0; j < Riquadri; ++j) {
        const Riquadro& r = Disposizione[j];
        const QString didascalia = r.didascalia ? tr(r.didascalia) : QString();
        FraSfondoS[j] = place(new Frame(Colori::Bianco, true, didascalia), r.parte == 1 ? Frame3 : Frame4,
                              QRectF(r.sinistra, r.alto, LarghezzaRiquadro, AltezzaRiquadro), Kind::Frame,
                              QStringLiteral("FraSfondoS[%1]").arg(j));
        for (int p = 0; p < Posti; ++p) {
            const int i = j * Posti + p;
            auto* posto = new ImageBox;
            posto->setGrowsToPicture(true);
            Image1[i] = place(posto, FraSfondoS[j], QRectF(Colonne[p % 5], Righe[p / 5], LatoPosto, LatoPosto),
                              Kind::Image, QStringLiteral("Image1[%1]").arg(i));
        }
    }

    // A set frame is read by its caption and what it holds; an empty frame by the set it stands beside.
    for (int k = 1; k <= Esercizi; ++k) {
        const QString insieme = tr(Disposizione[RiquadroInsieme[k - 1]].didascalia);
        FraSfondoS[RiquadroInsieme[k - 1]]->setAccessibleName(Accessibilita::nomeInsieme(insieme, 0));
        FraSfondoS[RiquadroAccanto[k - 1]]->setAccessibleName(
            Accessibilita::nomeInsieme(tr("Riquadro accanto al %1").arg(insieme.toLower()), 0));
    }

    setTabOrder(CmdInsieme[0], CmdFine);
    setTabOrder(CmdFine, Command1);
    setTabOrder(Command1, CmdInsieme[1]);
    setTabOrder(CmdInsieme[1], CmdInsieme[2]);
    setTabOrder(CmdInsieme[2], CmdInsieme[3]);
    setTabOrder(CmdInsieme[3], Command2);
}

int frmStampaSchede::primoPosto(int k) { return RiquadroInsieme[k - 1] * Posti; }

void frmStampaSchede::onLoad()
{
    GeneraInsieme(1);
    CmdInsieme[0]->setFocus();
}

void frmStampaSchede::mettiFigura(int posto, int figura)
{
    Image1[posto]->setPicture(FrmFigure::Image3(figura));
    Accessibilita::nominaPosto(Image1[posto], figura != FrmFigure::Bianca);
}

EsercizioPagina frmStampaSchede::estrai(int k) const
{
    const int primo = primoPosto(k);
    return EsercizioPagina::da(estraiInsieme(primo), primo);
}

void frmStampaSchede::mostra(int k)
{
    // Every place blank first, then the figures: a place grows to the largest picture it has
    // held, the blank one included, as it always has.
    const int primo = primoPosto(k);
    for (int p = 0; p < Posti; ++p)
        mettiFigura(primo + p, FrmFigure::Bianca);
    const EsercizioPagina& e = esercizio(k);
    for (int p = 0; p < Posti; ++p)
        if (e.primo.test(std::size_t(p)))
            mettiFigura(primo + p, e.figura);
    const int riquadro = RiquadroInsieme[k - 1];
    Accessibilita::rinomina(FraSfondoS[riquadro],
                            Accessibilita::nomeInsieme(tr(Disposizione[riquadro].didascalia), int(e.primo.count())));
}
