#pragma once

#include "printing/printer.h"
#include "support/waitfor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QThread>
#include <optional>

#include <cups/cups.h>

// The private print service the test set-up starts: real CUPS queues that write every job
// as a PDF file. Tests that print call usePrivatePrintService() first (before any printer is
// looked at), then read what each queue printed.
namespace PrintService {

inline QString dir() { return qEnvironmentVariable("TARVELLO_CUPS_DIR"); }
inline QString script() { return qEnvironmentVariable("TARVELLO_CUPS_SCRIPT"); }

// Runs a subcommand of the sandbox script; its standard output, or nothing on failure.
inline std::optional<QString> attempt(const QStringList& args, int timeoutMs = 60000)
{
    QProcess p;
    p.start(script(), QStringList{args.first(), dir()} + args.mid(1));
    if (!p.waitForFinished(timeoutMs) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("cups-sandbox %s: %s", qPrintable(args.join(' ')), p.readAllStandardError().constData());
        return std::nullopt;
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The standard output of a subcommand; a null string on failure.
inline QString run(const QStringList& args, int timeoutMs = 60000)
{
    return attempt(args, timeoutMs).value_or(QString());
}

// Whether a subcommand that prints nothing (reject, remove, stop...) succeeded.
inline bool command(const QStringList& args) { return attempt(args).has_value(); }

// Points the program's printing at the private service, and nowhere else.
inline bool usePrivatePrintService()
{
    if (dir().isEmpty() || script().isEmpty())
        return false;
    const QString line = run({"env"});
    if (!line.startsWith("CUPS_SERVER="))
        return false;
    const QString socket = line.mid(int(qstrlen("CUPS_SERVER=")));
    const QString etc = QFileInfo(socket).absolutePath() + "/etc";
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    qputenv("CUPS_SERVERROOT", etc.toLocal8Bit());
    qputenv("HOME", etc.toLocal8Bit()); // no lpoptions of the machine's user
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    return true;
}

// Starts the service again after a test stopped it, with the queues the test set-up made, and
// points the program at it (the new server may listen on another socket).
inline bool restart()
{
    if (!run({"start", "Tarvello_A", "Tarvello_B"}).startsWith("CUPS_SERVER="))
        return false;
    if (!usePrivatePrintService())
        return false;
    cupsSetServer(qgetenv("CUPS_SERVER").constData());
    return true;
}

// The output files of a queue, oldest job first.
inline QStringList outputs(const QString& queue)
{
    const QString list = run({"outputs", queue});
    return list.isEmpty() ? QStringList() : list.split('\n');
}

// Waits until the queue has printed everything sent to it; the newest output file.
inline QString waitJob(const QString& queue)
{
    // A page is painted on the window's thread once the printer is known: let it be.
    waitFor([] { return Printers::runsInProgress() == 0; }, 30000);
    return run({"wait-job", queue, "30"});
}

// Waits until the queue has one more output file than `before`; that file, or empty.
inline QString waitNewJob(const QString& queue, int before)
{
    for (int i = 0; i < 300; ++i) {
        const QStringList files = outputs(queue);
        if (files.size() > before)
            return waitJob(queue);
        QTest::qWait(50);
    }
    return QString();
}

// A word of a printed page and its box, in points from the page's top-left corner.
struct Word
{
    QString text;
    double xMin, yMin, xMax, yMax;
};

// The words of the whole document, or of page `page` (from 1) alone.
inline QList<Word> words(const QString& pdf, int page = 0)
{
    QProcess p;
    QStringList args{"-bbox"};
    if (page > 0)
        args << "-f" << QString::number(page) << "-l" << QString::number(page);
    p.start("pdftotext", args << pdf << "-");
    p.waitForFinished(30000);
    QList<Word> result;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    auto it = re.globalMatch(html);
    while (it.hasNext()) {
        const auto m = it.next();
        // pdftotext writes XHTML: "l'insieme" arrives as "l&apos;insieme".
        QString text = m.captured(5);
        text.replace("&apos;", "'").replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
        result.append({text, m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return result;
}

// A field of the file's information ("Pages", "Title"); empty when it is no PDF file.
inline QString info(const QString& pdf, const QString& field)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(30000);
    const QRegularExpression re(QStringLiteral("(?m)^%1:\\s+(.*)$").arg(field));
    return re.match(QString::fromUtf8(p.readAllStandardOutput())).captured(1).trimmed();
}

// -1 when it is no PDF file.
inline int pages(const QString& pdf)
{
    bool ok = false;
    const int n = info(pdf, QStringLiteral("Pages")).toInt(&ok);
    return ok ? n : -1;
}

inline QString title(const QString& pdf) { return info(pdf, QStringLiteral("Title")); }

// The page (the first, or `page` from 1) rendered at `dpi`, for looking at what is where.
// pdftoppm snaps a line's edges to pixels; pdftocairo leaves its ink centred where it is.
inline QImage render(const QString& pdf, int dpi, int page = 1, const QString& tool = QStringLiteral("pdftoppm"))
{
    const QString base = QDir::temp().filePath(QStringLiteral("tarvello-page-%1").arg(QCoreApplication::applicationPid()));
    QProcess p;
    p.start(tool, {"-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                         "-png", "-singlefile", pdf, base});
    p.waitForFinished(60000);
    QImage img(base + ".png");
    QFile::remove(base + ".png");
    return img;
}

} // namespace PrintService
