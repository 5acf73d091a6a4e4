#pragma once

#include "platform/form.h"

class QLabel;

// The exercise window.
class frmOperativo : public Form
{
    Q_OBJECT

public:
    frmOperativo();

    QLabel* Label2;
};
