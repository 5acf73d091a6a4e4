#pragma once

#include "forms/form.h"

#include <QStringList>

struct PrinterList;

class PushKey;
class QComboBox;
class QLabel;

// The printer choice: names the default printer, lists the installed ones, and makes the one
// picked the printer every worksheet prints on from then on. Closing it with its key hides it;
// every opening reads the list afresh and shows the entry picked before, while it is listed.
class frmStampante : public Form
{
    Q_OBJECT

public:
    frmStampante();

    // A selection in the list, by the pupil or by the load itself.
    void Combo1_Click();
    // The list is being read from the print service.
    bool inLettura() const { return inLettura_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* Label1;
    QLabel* Label2;
    QComboBox* Combo1;
    PushKey* Command2;
    bool PrimoClick = false;

    // Asks the print service for its printers; the window answers meanwhile.
    void leggiStampanti();
    void mostraStampanti(const PrinterList& elenco);
    // A label's text, with the whole of it also in its tooltip.
    static void scrivi(QLabel* label, const QString& testo);

    // The printers as read at this opening: a selection looks here, not at the service.
    QStringList stampanti_;
    bool inLettura_ = false;
    // Opened again while the last reading was still on its way: that one may be from before
    // a printer came or went, so another follows it.
    bool rileggi_ = false;
};
