#pragma once

#include <QString>
#include <functional>

class QWidget;

// The standard save dialog. Tests put an answer of their own in its place, so no test ever
// waits on a dialog.
namespace SaveDialog {

// Asks where to save a file offered as `name`. The dialog starts in the folder of the last
// file saved in this run, or else in firstFolder(). The answer always ends in ".<suffix>", and
// an existing file of that name is replaced only when the user said so. Empty when the user
// cancels or keeps the old file.
QString ask(QWidget* parent, const QString& title, const QString& name, const QString& filter,
            const QString& suffix);

// The documents folder where there is one, otherwise the home folder.
QString firstFolder();

// `path` as a file of its kind: ".<suffix>" added unless the name ends so, in any case.
// A dot elsewhere in the name ("classe 3.A") does not make it one.
QString withSuffix(const QString& path, const QString& suffix);

using Sink = std::function<QString(const QString& suggested)>;
// An empty sink gives the real dialog back. The sink stands for a dialog that completed
// nothing and asked nothing.
void setSink(Sink sink);

} // namespace SaveDialog
