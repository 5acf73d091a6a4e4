#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {
MessageBox::Sink& sink()
{
    static MessageBox::Sink s;
    return s;
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
    QWidget* fronte = QApplication::activeWindow();
    QPointer<QMessageBox> box = new QMessageBox(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                                                QMessageBox::Ok, fronte && fronte->isVisible() ? fronte : nullptr);
    box->setAccessibleDescription(text);
    box->exec();
    delete box;
}

void MessageBox::setSink(Sink s) { sink() = std::move(s); }
