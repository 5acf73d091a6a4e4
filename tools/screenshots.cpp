// Screenshots of every window of the program, for the README and for looking at them.
// Run under an X server with a window manager (tools/screenshots.sh starts both):
//   tarvello-screenshots OUTDIR
#include "app/avvio.h"
#include "app/frmautore.h"
#include "app/frminizio.h"
#include "app/module1.h"
#include "platform/form.h"
#include "platform/random.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <functional>

namespace {

QString outDir;

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void grab(const QString& name)
{
    wait(400);
    const QString file = QDir(outDir).filePath(name + ".png");
    if (!QGuiApplication::primaryScreen()->grabWindow(0).save(file))
        qWarning("cannot write %s", qPrintable(file));
    else
        qInfo("%s", qPrintable(file));
}

// Runs `inside` while a modal window opened by `open` is up, then closes it.
void whileModal(const std::function<void()>& open, const std::function<void()>& inside)
{
    QTimer::singleShot(0, [inside] {
        inside();
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    open();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    preparaApplicazione(app);
    Form::setOnLastUnloaded({});
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);
    Random::seed(2026);

    FrmInizio& inizio = loadForm<FrmInizio>();
    inizio.showModeless();
    wait(250);
    grab("inizio-tendine");
    wait(1500);
    grab("inizio");

    whileModal([&] { inizio.mnuInfo->trigger(); }, [] { grab("autore"); });
    return 0;
}
