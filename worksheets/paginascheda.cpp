#include "worksheets/paginascheda.h"

#include "platform/messagebox.h"
#include "platform/printer.h"

#include <QHash>

namespace {

void StampaIntestazione(PrinterSurface& s, const QString& istruzione)
{
    s.setCurrentX(1000);
    s.setCurrentY(1000);
    s.setFontSize(14);
    s.print(QStringLiteral("Nome e Cognome   "));
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

void DisegnaScheda(PrinterSurface& s, const PaginaScheda& pagina, const std::function<void()>& intestazioneFallita)
{
    try {
        StampaIntestazione(s, pagina.istruzione);
    } catch (const PrinterError&) {
        intestazioneFallita();
    }
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
    if (!pagina.piede.isEmpty()) {
        const QPointF at = PaginaScheda::piedeA(s.printableHeight());
        s.setCurrentX(at.x());
        s.setCurrentY(at.y());
        s.setFontSize(PaginaScheda::PuntiPiede);
        s.print(pagina.piede);
    }
}

void StampaSchede(PrinterSurface& s, const QList<PaginaScheda>& pagine)
{
    // One message at most for the whole document, however many pages fail.
    bool segnalato = false;
    auto segnala = [&] {
        if (!segnalato)
            MessageBox::show(ProblemaDiStampa);
        segnalato = true;
    };
    try {
        for (qsizetype i = 0; i < pagine.size(); ++i) {
            if (i > 0)
                s.newPage();
            DisegnaScheda(s, pagine[i], segnala);
        }
        s.endDoc();
    } catch (const PrinterError&) {
        segnala();
    }
}

void StampaScheda(PrinterSurface& s, const PaginaScheda& pagina) { StampaSchede(s, {pagina}); }

void StampaSchede(const QList<PaginaScheda>& pagine)
{
    std::unique_ptr<PrinterSurface> printer;
    try {
        printer = Printers::open(pagine.size() > 1 ? QStringLiteral("Tarvello - schede per la classe")
                                                   : QStringLiteral("Tarvello - scheda"));
    } catch (const PrinterError&) {
        MessageBox::show(ProblemaDiStampa);
        return;
    }
    StampaSchede(*printer, pagine);
}

void StampaScheda(const PaginaScheda& pagina) { StampaSchede({pagina}); }

QList<PaginaScheda> PaginaScheda::perUnAltroThread(const QList<PaginaScheda>& pagine)
{
    QHash<int, Picture> copie;
    auto stacca = [&](Insieme& posti) {
        for (Picture& p : posti) {
            if (p.isNull())
                continue;
            if (p.id() < 0) {
                p = p.forAnotherThread();
                continue;
            }
            auto it = copie.find(p.id());
            if (it == copie.end())
                it = copie.insert(p.id(), p.forAnotherThread());
            p = *it;
        }
    };
    QList<PaginaScheda> copia = pagine;
    for (PaginaScheda& pagina : copia) {
        for (Insieme& posti : pagina.primi)
            stacca(posti);
        if (pagina.secondi)
            for (Insieme& posti : *pagina.secondi)
                stacca(posti);
    }
    return copia;
}
