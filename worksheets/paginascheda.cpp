#include "worksheets/paginascheda.h"

#include "forms/messagebox.h"
#include "printing/printer.h"
#include "forms/frmfigure.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <bitset>
#include <optional>

namespace {

void StampaIntestazione(PrinterSurface& s, const QString& istruzione)
{
    s.setCurrentX(1000);
    s.setCurrentY(1000);
    s.setFontSize(14);
    s.print(QCoreApplication::translate("PaginaScheda", "Nome e Cognome   "));
    s.setCurrentX(1000);
    s.setCurrentY(1500);
    s.setFontSize(12);
    s.print(istruzione);
}

void riquadro(PrinterSurface& s, int k, double sinistra, double destra)
{
    const double t = PaginaScheda::alto(k);
    const double b = PaginaScheda::basso(k);
    s.line({sinistra, t}, {destra, t}, Qt::black);
    s.line({sinistra, t}, {sinistra, b}, Qt::black);
    s.line({destra, t}, {destra, b}, Qt::black);
    s.line({sinistra, b}, {destra, b}, Qt::black);
}

void insieme(PrinterSurface& s, int k, const PaginaScheda& pagina, bool destra, const FigureScheda& figure)
{
    const EsercizioPagina& e = pagina.esercizi[k - 1];
    for (int p = 0; p < PaginaScheda::Posti; ++p)
        s.paintPicture(figure[e.figuraIn(p, destra)], PaginaScheda::posto(k, p, destra));
}

} // namespace

bool DisegnaScheda(PrinterSurface& s, const PaginaScheda& pagina, const FigureScheda& figure)
{
    // A failed header is left out and the page goes on without it.
    bool intestazione = true;
    try {
        StampaIntestazione(s, pagina.istruzione);
    } catch (const PrinterError&) {
        intestazione = false;
    }
    s.setDrawWidth(LineaRiquadri);
    for (int k = 1; k <= 4; ++k) {
        riquadro(s, k, 500, 5500);
        if (pagina.secondi) {
            insieme(s, k, pagina, false, figure);
            riquadro(s, k, 6000, 11000);
            insieme(s, k, pagina, true, figure);
        } else {
            // The right box stays empty: the pupil draws the answer in it.
            riquadro(s, k, 6000, 11000);
            insieme(s, k, pagina, false, figure);
        }
    }
    if (!pagina.piede.isEmpty()) {
        const QPointF at = PaginaScheda::piedeA(s.printableHeight());
        s.setCurrentX(at.x());
        s.setCurrentY(at.y());
        s.setFontSize(PaginaScheda::PuntiPiede);
        s.print(pagina.piede);
    }
    return intestazione;
}

void StampaScheda(PrinterSurface& s, const PaginaScheda& pagina)
{
    bool riuscita = false;
    try {
        riuscita = DisegnaScheda(s, pagina, FigureScheda::catalogo());
        s.endDoc();
    } catch (const PrinterError&) {
        riuscita = false;
    }
    if (!riuscita)
        MessageBox::show(ProblemaDiStampa);
}

QString TitoloDocumento(qsizetype pagine)
{
    return pagine > 1 ? QCoreApplication::translate("PaginaScheda", "Tarvello - schede per la classe")
                      : QCoreApplication::translate("PaginaScheda", "Tarvello - scheda");
}

void StampaSchede(const QList<PaginaScheda>& pagine, QObject* contesto, std::function<void()> fatto)
{
    auto intestazione = std::make_shared<bool>(true);
    PrintDocument documento;
    documento.title = TitoloDocumento(pagine.size());
    documento.pages = int(pagine.size());
    documento.extent = EstensioneScheda(
        std::any_of(pagine.begin(), pagine.end(), [](const PaginaScheda& p) { return !p.piede.isEmpty(); }));
    if (pagine.size() == 1) {
        documento.paintPage = [pagine, intestazione](PrinterSurface& s, int pagina) {
            *intestazione = DisegnaScheda(s, pagine[pagina], FigureScheda::catalogo()) && *intestazione;
        };
    } else {
        // Many pages are painted on the print worker, with drawings of their own loaded there.
        auto copie = std::make_shared<std::optional<FigureScheda>>();
        documento.paintsAnywhere = true;
        documento.paintPage = [pagine, catalogo = FigureScheda::catalogo(), copie, intestazione](PrinterSurface& s,
                                                                                              int pagina) {
            if (!*copie)
                *copie = catalogo.perUnAltroThread(pagine);
            *intestazione = DisegnaScheda(s, pagine[pagina], **copie) && *intestazione;
        };
    }
    // The outcome is told even when the window has been closed meanwhile.
    Printers::print(documento, QCoreApplication::instance(),
                    [intestazione, c = QPointer<QObject>(contesto), fatto = std::move(fatto)](const Outcome& esito) {
                        if (c && fatto)
                            fatto();
                        if (!esito.ok || !*intestazione)
                            MessageBox::show(ProblemaDiStampa);
                    });
}

void StampaScheda(const PaginaScheda& pagina, QObject* contesto, std::function<void()> fatto)
{
    StampaSchede({pagina}, contesto, std::move(fatto));
}

FigureScheda FigureScheda::catalogo()
{
    FigureScheda f;
    for (int i = 0; i <= FrmFigure::NumeroFigure; ++i)
        f.figure_[std::size_t(i)] = FrmFigure::Image3(i);
    return f;
}

FigureScheda FigureScheda::perUnAltroThread(const QList<PaginaScheda>& pagine) const
{
    // The blank picture is on every page: no set fills all its places.
    std::bitset<13> usate;
    usate.set(FrmFigure::Bianca);
    for (const PaginaScheda& pagina : pagine)
        for (const EsercizioPagina& e : pagina.esercizi)
            usate.set(std::size_t(e.figura));
    FigureScheda copia;
    for (std::size_t i = 0; i < usate.size(); ++i)
        if (usate.test(i))
            copia.figure_[i] = figure_[i].forAnotherThread();
    return copia;
}
