#include "app/avvio.h"

#include "platform/form.h"
#include "platform/picture.h"
#include "platform/stile.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// The icon drawn here from its SVG at the sizes desktops ask for. Handing Qt the file instead
// loads its SVG icon engine and every image format plugin before the first window shows: a
// tenth of the start-up, for one small picture.
QIcon iconaProgramma()
{
    const Picture disegno = Picture::fromSvg(QStringLiteral(":/assets/tarvello.svg"));
    QIcon icona;
    for (int lato : {16, 32, 48, 64, 128})
        icona.addPixmap(disegno.pixmap(QSize(lato, lato), 1.0));
    return icona;
}
} // namespace

void preparaApplicazione(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLO_VERSIONE));
    QApplication::setStyle(new Stile);
    QApplication::setWindowIcon(iconaProgramma());
    // Qt's own texts (the buttons of a message box, the menu of a text field) in Italian, like
    // the program's.
    auto* qtItaliano = new QTranslator(&app);
    if (qtItaliano->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtItaliano);
    // The program ends when its last window is unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    Form::setOnLastUnloaded([] { QCoreApplication::quit(); });
}
