#pragma once

#include <QString>
#include <functional>

// Every message of the program goes through here: a text and one OK button, or a question
// with "Sì" and "No".
// The program shows a real message box; tests put a recorder in its place, so no test
// ever waits on a dialog.
namespace MessageBox {

void show(const QString& text);

using Sink = std::function<void(const QString&)>;
// An empty sink gives the real message box back.
void setSink(Sink sink);

// A question that must be answered before anything is done; "No" is the default, so that
// Enter pressed in haste changes nothing.
bool ask(const QString& question);

using QuestionSink = std::function<bool(const QString&)>;
// An empty sink gives the real question back.
void setQuestionSink(QuestionSink sink);

} // namespace MessageBox
