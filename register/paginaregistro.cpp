#include "register/paginaregistro.h"

#include "register/grafico.h"
#include "register/modelloriepilogo.h"
#include "core/twips.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

constexpr double Cima = 1500;        // title and days above the table
constexpr double RigaTitoli = 620;   // the headings, on up to two lines
constexpr double Riga = 300;
constexpr double Piede = 500;
constexpr double PrimaColonna = 2600;

constexpr int GraficiPerPagina = 4;

int righePerPagina() { return int((PaginaRegistro::Altezza - Cima - RigaTitoli - Piede) / Riga); }

double sinistraDi(int colonna)
{
    if (colonna == 0)
        return 0;
    const double altre = (PaginaRegistro::Larghezza - PrimaColonna) / (ModelloRiepilogo::Colonne - 1);
    return PrimaColonna + altre * (colonna - 1);
}

// A heading too long for its column goes on two lines, broken at the blank nearest its middle.
QString aCapo(const QString& titolo)
{
    if (titolo.size() <= 10)
        return titolo;
    int migliore = -1;
    for (int i = 0; i < titolo.size(); ++i)
        if (titolo[i] == QLatin1Char(' ') && (migliore < 0 || qAbs(i - titolo.size() / 2) < qAbs(migliore - titolo.size() / 2)))
            migliore = i;
    if (migliore < 0)
        return titolo;
    QString s = titolo;
    s[migliore] = QLatin1Char('\n');
    return s;
}

QString periodoDi(QDate dal, QDate al)
{
    if (!dal.isValid() && !al.isValid())
        return QCoreApplication::translate("PaginaRegistro", "Tutto il registro");
    if (!dal.isValid())
        return QCoreApplication::translate("PaginaRegistro", "Fino al %1").arg(giornoScritto(al));
    if (!al.isValid())
        return QCoreApplication::translate("PaginaRegistro", "Dal %1").arg(giornoScritto(dal));
    return QCoreApplication::translate("PaginaRegistro", "Dal %1 al %2")
        .arg(giornoScritto(dal), giornoScritto(al));
}

void testo(PrinterSurface& s, double x, double y, double punti, const QString& t)
{
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.setFontSize(punti);
    s.print(t);
}

} // namespace

PrintDocument PaginaRegistro::documento(const QString& classe, QDate dal, QDate al,
                                        const QList<Consultazione::Riepilogo>& righe,
                                        const QList<QList<Consultazione::Giorno>>& giorni)
{
    // The charts of the pupils who answered in the range.
    QList<int> conGrafico;
    for (int r = 0; r < righe.size() && r < giorni.size(); ++r)
        if (!giorni[r].isEmpty())
            conGrafico.append(r);
    const int pagineTabella = std::max<int>(1, int((righe.size() + righePerPagina() - 1) / righePerPagina()));
    const int pagineGrafici = int((conGrafico.size() + GraficiPerPagina - 1) / GraficiPerPagina);

    PrintDocument d;
    d.title = QCoreApplication::translate("PaginaRegistro", "Registro di Tarvello - classe %1").arg(classe);
    d.pages = pagineTabella + pagineGrafici;
    d.paintsAnywhere = true;
    d.extent = QSizeF(Larghezza, Altezza);
    const QString periodo = periodoDi(dal, al);
    d.paintPage = [classe, periodo, righe, giorni, conGrafico, pagineTabella, pagine = d.pages](PrinterSurface& s,
                                                                                               int pagina) {
        const QColor linea(120, 120, 120);
        s.setDrawWidth(1);
        testo(s, 0, 0, 16, QCoreApplication::translate("PaginaRegistro", "Registro di Tarvello - classe %1").arg(classe));
        testo(s, 0, 520, 11, periodo);
        testo(s, 0, 860, 9,
              QCoreApplication::translate("PaginaRegistro", "Stampato il %1")
                  .arg(giornoScritto(QDate::currentDate())));
        if (pagine > 1)
            testo(s, 0, Altezza - Piede + 200, 8,
                  QCoreApplication::translate("PaginaRegistro", "Pagina %1 di %2").arg(pagina + 1).arg(pagine));

        double y = Cima;
        if (pagina >= pagineTabella) {
            const double alto = (Altezza - Cima - Piede) / GraficiPerPagina;
            const int primo = (pagina - pagineTabella) * GraficiPerPagina;
            for (int i = primo; i < primo + GraficiPerPagina && i < conGrafico.size(); ++i, y += alto) {
                const int r = conGrafico[i];
                s.paint(QRectF(0, y, Larghezza, alto - 200), [&](QPainter& p, const QRectF& area) {
                    Grafico::disegna(p, area, righe[r].nome, giorni[r], Twips::PerPixel);
                });
            }
            return;
        }
        for (int c = 0; c < ModelloRiepilogo::Colonne; ++c)
            testo(s, sinistraDi(c), y, 8, aCapo(ModelloRiepilogo::intestazione(c)));
        y += RigaTitoli;
        s.line(QPointF(0, y - 40), QPointF(Larghezza, y - 40), Qt::black);
        const int da = pagina * righePerPagina();
        const int a = std::min<int>(int(righe.size()), da + righePerPagina());
        for (int r = da; r < a; ++r) {
            for (int c = 0; c < ModelloRiepilogo::Colonne; ++c)
                testo(s, sinistraDi(c) + 40, y + 40, 9, ModelloRiepilogo::testo(righe[r], c));
            y += Riga;
            s.line(QPointF(0, y), QPointF(Larghezza, y), linea);
        }
        if (righe.isEmpty())
            testo(s, 0, y + 80, 10, QCoreApplication::translate("PaginaRegistro", "La classe non ha alunni."));
    };
    return d;
}

void PaginaRegistro::disegnaTutto(PrinterSurface& surface, const PrintDocument& documento)
{
    for (int pagina = 0; pagina < documento.pages; ++pagina) {
        if (pagina > 0)
            surface.newPage();
        documento.paintPage(surface, pagina);
    }
}
