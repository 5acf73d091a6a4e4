#pragma once

#include "platform/form.h"

class PushKey;
class QComboBox;
class QLabel;

// The printer choice: names the default printer, lists the installed ones, and makes the one
// picked the printer every worksheet prints on from then on. Closing it with its key hides it,
// so the next opening finds it as it was.
class frmStampante : public Form
{
    Q_OBJECT

public:
    frmStampante();

    QLabel* Label1;
    QLabel* Label2;
    QComboBox* Combo1;
    PushKey* Command2;
    bool PrimoClick = false;

    // A selection in the list, by the pupil or by the load itself.
    void Combo1_Click();

protected:
    void onLoad() override;
};
