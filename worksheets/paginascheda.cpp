#include "worksheets/paginascheda.h"

#include "platform/messagebox.h"
#include "platform/printer.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include <algorithm>

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

bool DisegnaScheda(PrinterSurface& s, const PaginaScheda& pagina)
{
    // A failed header is left out and the page goes on without it.
    bool intestazione = true;
    try {
        StampaIntestazione(s, pagina.istruzione);
    } catch (const PrinterError&) {
        intestazione = false;
    }
    s.setDrawWidth(PaginaScheda::LineaRiquadri);
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
    return intestazione;
}

void StampaScheda(PrinterSurface& s, const PaginaScheda& pagina)
{
    bool riuscita = false;
    try {
        riuscita = DisegnaScheda(s, pagina);
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
    documento.extent = PaginaScheda::estensione(
        std::any_of(pagine.begin(), pagine.end(), [](const PaginaScheda& p) { return !p.piede.isEmpty(); }));
    if (pagine.size() == 1) {
        documento.paintPage = [pagine, intestazione](PrinterSurface& s, int pagina) {
            *intestazione = DisegnaScheda(s, pagine[pagina]) && *intestazione;
        };
    } else {
        // Many pages are painted on the print worker, with drawings of their own loaded there.
        auto copie = std::make_shared<QList<PaginaScheda>>();
        documento.paintsAnywhere = true;
        documento.paintPage = [pagine, copie, intestazione](PrinterSurface& s, int pagina) {
            if (copie->isEmpty())
                *copie = PaginaScheda::perUnAltroThread(pagine);
            *intestazione = DisegnaScheda(s, copie->at(pagina)) && *intestazione;
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
