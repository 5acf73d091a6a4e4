#include "app/finestre.h"

#include "core/esercizio.h"
#include "exercise/frmoperativo.h"
#include "forms/frmfigure.h"
#include "forms/form.h"
#include "registro/luogo.h"
#include "registro/registratore.h"

#include <memory>

namespace {
std::unique_ptr<Registratore>& ilRegistratore()
{
    static std::unique_ptr<Registratore> r;
    return r;
}
} // namespace

Esercizio& esercizio()
{
    static Esercizio e;
    return e;
}

Registratore& registratore()
{
    if (!ilRegistratore())
        avviaRegistratore();
    return *ilRegistratore();
}

void avviaRegistratore()
{
    if (ilRegistratore())
        return;
    ilRegistratore() = std::make_unique<Registratore>(luogoRegistro(), serverRegistro());
    esercizio().registraCon([r = ilRegistratore().get()](const Risposta& risposta) { r->registra(risposta); });
}

void concludiRegistratore()
{
    esercizio().ConcludiRisposta();
    esercizio().registraCon({});
    ilRegistratore().reset();
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
