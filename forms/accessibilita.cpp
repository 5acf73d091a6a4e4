#include "forms/accessibilita.h"

#include "forms/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QTranslator>

namespace {

class AnnuncioAccessibile : public QAccessibleWidget
{
public:
    explicit AnnuncioAccessibile(Annuncio* annuncio) : QAccessibleWidget(annuncio, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        // Like any label, it is named by its text while it has no name of its own.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Accessibilita::formaParlata(static_cast<const QLabel*>(widget())->text());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabbrica(const QString& classe, QObject* oggetto)
{
    // Offered each class of an object from the most derived up: a Frame is asked for as
    // "Frame" before Qt's own factory is asked for it as a plain "QWidget".
    if (classe == QLatin1String(Annuncio::staticMetaObject.className()))
        return new AnnuncioAccessibile(static_cast<Annuncio*>(oggetto));
    if (classe == QLatin1String(Frame::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Grouping);
    if (classe == QLatin1String(ImageBox::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(oggetto), QAccessible::Graphic);
    return nullptr;
}

// Italian is the language of the sources, yet "1 figura" and "2 figure" are two texts: their
// forms are in a catalogue of their own, installed before any other, so that the catalogue of
// the language in use, searched first, has the last word.
void installaPluraliItaliani()
{
    auto* plurali = new QTranslator(QCoreApplication::instance());
    if (plurali->load(QStringLiteral(":/i18n/plurali_it.qm")))
        QCoreApplication::installTranslator(plurali);
    else
        delete plurali;
}
Q_COREAPP_STARTUP_FUNCTION(installaPluraliItaliani)

} // namespace

void Accessibilita::prepara()
{
    static const bool pronta = (QAccessible::installFactory(fabbrica), true);
    Q_UNUSED(pronta);
}

QString Accessibilita::formaParlata(const QString& testo)
{
    static const QRegularExpression spaziata(QStringLiteral(R"(^\S( \S)+ ?$)"));
    if (!spaziata.match(testo).hasMatch())
        return testo;
    return QString(testo).remove(QLatin1Char(' '));
}

QString Accessibilita::nomeInsieme(const QString& quale, int figure)
{
    if (figure <= 0)
        return QCoreApplication::translate("Accessibilita", "%1: vuoto").arg(quale);
    return QCoreApplication::translate("Accessibilita", "%1: %n figure", nullptr, figure).arg(quale);
}

void Accessibilita::rinomina(QWidget* controllo, const QString& nome)
{
    if (controllo->accessibleName() != nome)
        controllo->setAccessibleName(nome);
}

Annuncio::Annuncio(const QString& testo, QWidget* parent) : QLabel(testo, parent)
{
    Accessibilita::prepara();
}

void Annuncio::annuncia()
{
    if (text().isEmpty())
        return;
    // Qt 6.4 passes no alert on to AT-SPI; a notification that shows is what screen readers
    // read out.
    QAccessibleEvent evento(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&evento);
}
