#pragma once

#include "core/esercizioscheda.h"
#include "worksheets/finestrascheda.h"

#include <array>

class Frame;
class ImageBox;

// What sets the add worksheet apart from the remove worksheet.
struct VarianteScheda
{
    DisegnoScheda disegno;
    ExerciseKind secondo;
    // The set frames of exercises 1 to 4 within their part, first and second sets: which
    // side of the part each set stands on is here too.
    std::array<QRectF, 4> fraPrimi;
    std::array<QRectF, 4> fraSecondi;

    static const VarianteScheda& aggiungi();
    static const VarianteScheda& togli();
};

// A worksheet whose second sets start with figures in them, which the pupil is to add to or
// cross out on paper. Each exercise has a first set and a second set of 15 places each.
class SchedaAggiungiTogli : public FinestraScheda
{
    Q_OBJECT

public:
    static constexpr int Posti = Esercizi * EsercizioScheda::Posti;

    ExerciseKind secondo() const { return variante_.secondo; }

protected:
    explicit SchedaAggiungiTogli(const VarianteScheda& variante);

    void onLoad() override;
    EsercizioPagina estrai(int k) const override;
    void mostra(int k) override;

private:
    // The set frames, exercise k at k - 1. Their object names are the historic ones, odd as
    // they are: "fraSondo3D", and "fraSfondo3S" for the first sets of exercises 3 and 4.
    std::array<Frame*, Esercizi> SfondoPrimo{};
    std::array<Frame*, Esercizi> SfondoSecondo{};
    // Place p of exercise k at 15 × (k - 1) + p.
    std::array<ImageBox*, Posti> Image1{}; // first sets
    std::array<ImageBox*, Posti> Image2{}; // second sets

    const VarianteScheda& variante_;
};

// The worksheet whose second sets start with too few figures.
class frmStampaSchede2 : public SchedaAggiungiTogli
{
    Q_OBJECT

public:
    frmStampaSchede2() : SchedaAggiungiTogli(VarianteScheda::aggiungi()) {}
};

// The worksheet whose second sets start with too many figures.
class frmStampaSchede3 : public SchedaAggiungiTogli
{
    Q_OBJECT

public:
    frmStampaSchede3() : SchedaAggiungiTogli(VarianteScheda::togli()) {}
};
