#include "printing/savedialog.h"

#include "forms/messagebox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>

namespace {
SaveDialog::Sink& sink()
{
    static SaveDialog::Sink s;
    return s;
}

// The folder of the last file saved in this run.
QString& lastFolder()
{
    static QString folder;
    return folder;
}

QString startFolder()
{
    // A folder removed since is no place to start from.
    if (!lastFolder().isEmpty() && QFileInfo(lastFolder()).isDir())
        return lastFolder();
    return SaveDialog::firstFolder();
}

QString fromDialog(QWidget* parent, const QString& title, const QString& suggested, const QString& filter,
                   const QString& suffix)
{
    const QFileInfo start(suggested);
    QPointer<QFileDialog> dialog = new QFileDialog(parent, title, start.absolutePath(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog adds the suffix before it looks for a file to replace; a desktop's
    // dialog looks first, and the suffix would come after its question.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setDefaultSuffix(suffix);
    dialog->selectFile(start.fileName());
    const bool accepted = dialog->exec() == QDialog::Accepted;
    // The parent may have gone while the dialog waited, and taken the dialog along.
    if (!dialog)
        return QString();
    const QString chosen = accepted ? dialog->selectedFiles().value(0) : QString();
    delete dialog;
    return chosen;
}
} // namespace

QString SaveDialog::firstFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString SaveDialog::withSuffix(const QString& path, const QString& suffix)
{
    const QString ending = QLatin1Char('.') + suffix;
    if (path.endsWith(ending, Qt::CaseInsensitive))
        return path;
    return path.endsWith(QLatin1Char('.')) ? path + suffix : path + ending;
}

QString SaveDialog::ask(QWidget* parent, const QString& title, const QString& name, const QString& filter,
                        const QString& suffix)
{
    const QString suggested = QDir(startFolder()).filePath(name);
    const QString chosen = sink() ? sink()(suggested) : fromDialog(parent, title, suggested, filter, suffix);
    if (chosen.isEmpty())
        return QString();
    const QString file = withSuffix(chosen, suffix);
    // The dialog asked about the name it gave back, not about the one completed here.
    if (file != chosen && QFileInfo::exists(file)
        && !MessageBox::ask(QCoreApplication::translate("SaveDialog", "%1 esiste già.\nVuoi sostituirlo?")
                                .arg(QFileInfo(file).fileName())))
        return QString();
    lastFolder() = QFileInfo(file).absolutePath();
    return file;
}

void SaveDialog::setSink(Sink s) { sink() = std::move(s); }
