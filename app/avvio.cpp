#include "app/avvio.h"

#include "platform/form.h"
#include "platform/picture.h"
#include "platform/stile.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef __GLIBC__
#include <malloc.h>
#endif

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
#ifdef __GLIBC__
    // A window's pictures and backing store are buffers of megabytes, of a new size at every
    // step of a drag. Once the first is freed, glibc raises the size from which a buffer gets
    // a mapping of its own, and the following ones pile up in the heap, which never shrinks
    // back: a fixed threshold gives every such buffer back to the system when it is freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
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
