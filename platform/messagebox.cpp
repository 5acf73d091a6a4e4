#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

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
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setAccessibleDescription(text);
    box.exec();
}

void MessageBox::setSink(Sink s) { sink() = std::move(s); }
