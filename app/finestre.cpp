#include "app/finestre.h"

#include "state/frmfigure.h"
#include "platform/form.h"

void ChiudiTutto()
{
    // Unloading may run handlers that change the list: walk a copy.
    const QList<Form*> caricate = Form::loadedForms();
    for (Form* f : caricate)
        f->unload();
    FrmFigure::scarica();
}
