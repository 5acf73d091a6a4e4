#include "app/finestre.h"

#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/frmfigure.h"
#include "forms/form.h"

Esercizio& esercizio()
{
    static Esercizio e;
    return e;
}

frmOperativo& finestraEsercizio()
{
    if (frmOperativo* f = loadedForm<frmOperativo>())
        return *f;
    auto* f = new frmOperativo(esercizio());
    f->load();
    return *f;
}

void ChiudiTutto()
{
    // Unloading may run handlers that change the list: walk a copy.
    const QList<Form*> caricate = Form::loadedForms();
    for (Form* f : caricate)
        f->unload();
    FrmFigure::scarica();
}
