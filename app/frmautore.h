#pragma once

#include "forms/form.h"

class PushKey;
class QLabel;

// The About window: where the authors can be reached.
class frmAutore : public Form
{
    Q_OBJECT

public:
    frmAutore();

private:
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    PushKey* Command1;
};
