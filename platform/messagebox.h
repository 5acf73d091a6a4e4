#pragma once

#include <QString>
#include <functional>

// Every message of the program goes through here: a text and one OK button.
// The program shows a real message box; tests put a recorder in its place, so no test
// ever waits on a dialog.
namespace MessageBox {

void show(const QString& text);

using Sink = std::function<void(const QString&)>;
// An empty sink gives the real message box back.
void setSink(Sink sink);

} // namespace MessageBox
