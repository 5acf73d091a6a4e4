#pragma once

#include <QString>
#include <functional>

class QWidget;

// The standard save dialog. Tests put an answer of their own in its place, so no test ever
// waits on a dialog.
namespace SaveDialog {

// Asks where to save; `suggested` is the path the dialog starts with. Empty when the user
// cancels.
QString ask(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);

using Sink = std::function<QString(const QString& suggested)>;
// An empty sink gives the real dialog back.
void setSink(Sink sink);

} // namespace SaveDialog
