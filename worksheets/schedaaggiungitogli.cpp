#include "worksheets/schedaaggiungitogli.h"

#include "forms/frmfigure.h"
#include "forms/accessibilita.h"
#include "forms/colori.h"
#include "forms/controls.h"

namespace {

const char* const NomiPrimi[FinestraScheda::Esercizi] = {"FraSfondo1S", "FraSfondo2S", "fraSfondo3S", "fraSfondo3S"};
const char* const NomiSecondi[FinestraScheda::Esercizi] = {"fraSfondo1D", "fraSfondo2D", "fraSondo3D", "fraSfondo4D"};

// Where place p stands in its set frame, first sets and second sets; every exercise uses
// the same places.
const QPointF PostiPrimi[EsercizioScheda::Posti] = {
    {150, 150},  {975, 150},  {1830, 150},  {2685, 150},  {3540, 150},
    {105, 1155}, {975, 1140}, {1830, 1140}, {2685, 1140}, {3540, 1140},
    {120, 2085}, {975, 2085}, {1830, 2085}, {2685, 2085}, {3540, 2085}};
const QPointF PostiSecondi[EsercizioScheda::Posti] = {
    {75, 270},   {990, 255},  {1860, 270},  {2715, 255},  {3570, 255},
    {45, 1170},  {1005, 1155}, {1860, 1155}, {2715, 1155}, {3570, 1155},
    {120, 2040}, {1020, 2040}, {1875, 2040}, {2730, 2025}, {3585, 2040}};
// Tall enough for the tallest figure, the candle (62 pixels, drawn down to its 60th): places
// 795 or 765 twips tall would cut off its foot and the flag's pole.
const QSizeF MisuraPrimo(795, 900);
const QSizeF MisuraSecondo(825, 900);

// Both windows alike, but for what the variants change.
DisegnoScheda disegnoComune()
{
    DisegnoScheda d;
    d.altezzaInterna = 8280;
    d.nomeMenuStampante = QStringLiteral("mnuImpostazioneStampante");
    d.posLabel1 = QRectF(0, 0, 12000, 450);
    d.fontLabel2 = makeFont(QStringLiteral("Arial"), 14.25);
    d.testoLabel2 = Colori::Blu;
    d.didascaliaBottone = QCoreApplication::translate("SchedaAggiungiTogli", "VISUALIZZA %1° ESERCIZIO");
    d.posBottoni = {QRectF(9660, 1725, 2145, 645), QRectF(9660, 2415, 2145, 645), QRectF(9660, 3090, 2145, 645),
                    QRectF(9660, 3810, 2145, 645)};
    d.posStampa = QRectF(9675, 5925, 2145, 645);
    d.posFine = QRectF(9660, 6660, 2145, 645);
    d.posParte = QRectF(165, 7305, 3390, 600);
    d.fontParte = makeFont(QStringLiteral("Arial"), 9.75, true);
    return d;
}

QRectF sfondo(double left, double top, double width = 4605) { return QRectF(left, top, width, 3075); }

void metti(ImageBox* posto, int figura)
{
    posto->setPicture(FrmFigure::Image3(figura));
    Accessibilita::nominaPosto(posto, figura != FrmFigure::Bianca);
}

// How a listener hears the first or second set of exercise k (1 to 4) holding so many figures.
QString nomeInsieme(int k, const char* quale, int figure)
{
    return Accessibilita::nomeInsieme(QCoreApplication::translate("SchedaAggiungiTogli", "Esercizio %1, %2 insieme")
                                          .arg(k)
                                          .arg(QCoreApplication::translate("SchedaAggiungiTogli", quale)),
                                      figure);
}

// Every way the two windows differ, side by side: the add window's value, then the remove
// window's.
VarianteScheda variante(bool togli)
{
    const auto scegli = [togli](auto aggiungi, auto rimuovi) { return togli ? rimuovi : aggiungi; };
    VarianteScheda v{
        disegnoComune(), scegli(Aggiungere, Togliere),
        // The add window shows the first sets on the right, the remove window on the left.
        scegli(std::array{sfondo(4710, 195), sfondo(4710, 3390), sfondo(4725, 195, 4560), sfondo(4725, 3375, 4560)},
               std::array{sfondo(45, 270), sfondo(45, 3405), sfondo(60, 180), sfondo(60, 3315)}),
        scegli(std::array{sfondo(60, 195), sfondo(60, 3390), sfondo(75, 195), sfondo(75, 3375)},
               std::array{sfondo(4680, 285), sfondo(4680, 3405), sfondo(4680, 180), sfondo(4725, 3315)})};
    DisegnoScheda& d = v.disegno;
    d.istruzione = scegli(
        QCoreApplication::translate("SchedaAggiungiTogli",
                                    "Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore"),
        QCoreApplication::translate("SchedaAggiungiTogli",
                                    "Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore"));
    d.secondi = true;
    d.titolo = scegli(QCoreApplication::translate("SchedaAggiungiTogli", "VISUALIZZAZIONE SCHEDA         "),
                      QCoreApplication::translate("SchedaAggiungiTogli", "VISUALIZZAZIONE SCHEDA          "));
    d.menuStampante = scegli(QCoreApplication::translate("SchedaAggiungiTogli", "Seleziona  stampante"),
                             QCoreApplication::translate("SchedaAggiungiTogli", "Selezione stampante"));
    d.label1 = scegli(QCoreApplication::translate("SchedaAggiungiTogli", " SCHEDA: COSTRUIRE L'INSIEME CHE VIENE DOPO"),
                      QCoreApplication::translate("SchedaAggiungiTogli",
                                                  " SCHEDA: costruire l'insieme  consecutivo maggiore - "));
    d.label2 = scegli(QCoreApplication::translate("SchedaAggiungiTogli", " situazione iniziale: secondo  insieme suvvalente"),
                      QCoreApplication::translate("SchedaAggiungiTogli", " situazione iniziale: secondo insieme prevalente"));
    d.posLabel2 = QRectF(0, 450, 12000, scegli(360, 375));
    d.posFrame3 = QRectF(scegli(90, 108), 825, 9360, 6525);
    d.posFrame4 = scegli(QRectF(108, 825, 9348, 6525), QRectF(105, 825, 9330, 6525));
    d.coloreParte = scegli(std::optional<QColor>(), std::optional<QColor>(Colori::Magenta));
    d.tipo = scegli(QStringLiteral("aggiungi"), QStringLiteral("togli"));
    d.completaLaScheda = scegli(QCoreApplication::translate("SchedaAggiungiTogli", "Completa la scheda"),
                                QCoreApplication::translate("SchedaAggiungiTogli", " Completa la scheda"));
    return v;
}

} // namespace

const VarianteScheda& VarianteScheda::aggiungi()
{
    static const VarianteScheda v = variante(false);
    return v;
}

const VarianteScheda& VarianteScheda::togli()
{
    static const VarianteScheda v = variante(true);
    return v;
}

SchedaAggiungiTogli::SchedaAggiungiTogli(const VarianteScheda& v) : FinestraScheda(v.disegno), variante_(v)
{
    for (int k = 0; k < Esercizi; ++k) {
        Frame* parte = k < 2 ? Frame3 : Frame4;
        SfondoPrimo[k] = place(new Frame(Qt::white, true), parte, v.fraPrimi[k], Kind::Frame,
                               QString::fromLatin1(NomiPrimi[k]));
        SfondoSecondo[k] = place(new Frame(Qt::white, true), parte, v.fraSecondi[k], Kind::Frame,
                                 QString::fromLatin1(NomiSecondi[k]));
        SfondoPrimo[k]->setAccessibleName(nomeInsieme(k + 1, QT_TRANSLATE_NOOP("SchedaAggiungiTogli", "primo"), 0));
        SfondoSecondo[k]->setAccessibleName(nomeInsieme(k + 1, QT_TRANSLATE_NOOP("SchedaAggiungiTogli", "secondo"), 0));
    }
    for (int i = 0; i < Posti; ++i) {
        const int k = i / EsercizioScheda::Posti;
        const int p = i % EsercizioScheda::Posti;
        Image1[i] = place(new ImageBox, SfondoPrimo[k], QRectF(PostiPrimi[p], MisuraPrimo), Kind::Image,
                          QStringLiteral("Image1[%1]").arg(i));
        Image2[i] = place(new ImageBox, SfondoSecondo[k], QRectF(PostiSecondi[p], MisuraSecondo), Kind::Image,
                          QStringLiteral("Image2[%1]").arg(i));
    }
    // Second-set rows are closer than a place is tall. What a row overlaps of the row below
    // is the blank top margin of its pictures, so each row is drawn over the one below it,
    // never the other way round.
    for (int i = Posti - 1; i >= 0; --i) {
        Image1[i]->raise();
        Image2[i]->raise();
    }
}

void SchedaAggiungiTogli::onLoad() { GeneraInsieme(1); }

EsercizioPagina SchedaAggiungiTogli::estrai(int k) const
{
    return EsercizioPagina::da(estraiEsercizio(variante_.secondo, k), k);
}

void SchedaAggiungiTogli::mostra(int k)
{
    const int base = EsercizioScheda::Posti * (k - 1);
    const EsercizioPagina& e = esercizio(k);
    for (int p = 0; p < EsercizioScheda::Posti; ++p) {
        metti(Image1[base + p], e.figuraIn(p, false));
        metti(Image2[base + p], e.figuraIn(p, true));
    }
    Accessibilita::rinomina(SfondoPrimo[k - 1], nomeInsieme(k, QT_TRANSLATE_NOOP("SchedaAggiungiTogli", "primo"), int(e.primo.count())));
    Accessibilita::rinomina(SfondoSecondo[k - 1], nomeInsieme(k, QT_TRANSLATE_NOOP("SchedaAggiungiTogli", "secondo"), int(e.secondo.count())));
}
