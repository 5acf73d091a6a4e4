#include "forms/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {
MessageBox::Sink& sink()
{
    static MessageBox::Sink s;
    return s;
}

MessageBox::QuestionSink& questionSink()
{
    static MessageBox::QuestionSink s;
    return s;
}

// The window in front, if it is still shown: a box of its own goes with it.
QWidget* front()
{
    QWidget* w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}
} // namespace

void MessageBox::show(const QString& text)
{
    if (sink()) {
        sink()(text);
        return;
    }
    // The box belongs to the window in front, if it is still shown: a window being unloaded
    // goes away while the box waits, and takes its children along. Then the box is gone too,
    // which the guard sees, instead of deleting it a second time.
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                                QMessageBox::Ok, front());
    box->setAccessibleDescription(text);
    box->exec();
    delete box;
}

void MessageBox::setSink(Sink s) { sink() = std::move(s); }

bool MessageBox::ask(const QString& question)
{
    if (questionSink())
        return questionSink()(question);
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                                                QMessageBox::Yes | QMessageBox::No, front());
    box->setDefaultButton(QMessageBox::No);
    box->setAccessibleDescription(question);
    const bool yes = box->exec() == QMessageBox::Yes;
    delete box;
    return yes;
}

void MessageBox::setQuestionSink(QuestionSink s) { questionSink() = std::move(s); }
