#include "app/avvio.h"

#include "platform/form.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void preparaApplicazione(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Tarvello"));
    QApplication::setApplicationVersion(QStringLiteral(TARVELLO_VERSIONE));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/tarvello.svg")));
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
