#include "worksheets/paginascheda.h"

#include "platform/messagebox.h"
#include "platform/printer.h"

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

void insieme(PrinterSurface& s, int k, const PaginaScheda::Insieme& posti, bool destra)
{
    for (int p = 0; p < PaginaScheda::Posti; ++p)
        s.paintPicture(posti[p], PaginaScheda::posto(k, p, destra));
}

} // namespace

void StampaScheda(PrinterSurface& s, const PaginaScheda& pagina)
{
    bool segnalato = false;
    auto segnala = [&] {
        if (!segnalato)
            MessageBox::show(ProblemaDiStampa);
        segnalato = true;
    };
    // A failed header is reported and the page goes on without it.
    try {
        StampaIntestazione(s, pagina.istruzione);
    } catch (const PrinterError&) {
        segnala();
    }
    try {
        s.setDrawWidth(3);
        for (int k = 1; k <= 4; ++k) {
            riquadro(s, k, 500, 5500);
            if (pagina.secondi) {
                insieme(s, k, pagina.primi[k - 1], false);
                riquadro(s, k, 6000, 11000);
                insieme(s, k, (*pagina.secondi)[k - 1], true);
            } else {
                // The right box stays empty: the pupil draws the answer in it.
                riquadro(s, k, 6000, 11000);
                insieme(s, k, pagina.primi[k - 1], false);
            }
        }
        s.endDoc();
    } catch (const PrinterError&) {
        segnala();
    }
}

void StampaScheda(const PaginaScheda& pagina)
{
    std::unique_ptr<PrinterSurface> printer;
    try {
        printer = Printers::open(QCoreApplication::translate("PaginaScheda", "Tarvello - scheda"));
    } catch (const PrinterError&) {
        MessageBox::show(ProblemaDiStampa);
        return;
    }
    StampaScheda(*printer, pagina);
}
