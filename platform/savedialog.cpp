#include "platform/savedialog.h"

#include <QFileDialog>

namespace {
SaveDialog::Sink& sink()
{
    static SaveDialog::Sink s;
    return s;
}
} // namespace

QString SaveDialog::ask(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    if (sink())
        return sink()(suggested);
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

void SaveDialog::setSink(Sink s) { sink() = std::move(s); }
