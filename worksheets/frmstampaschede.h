#pragma once

#include "worksheets/finestrascheda.h"

#include <array>

class Frame;
class ImageBox;

// The worksheet whose second sets start empty: four given sets of 2 to 10 equal figures, each
// beside an empty box in which the pupil draws the set that comes after it.
//
// The eight white set frames hold 15 places each; frame j holds the places Image1[15j] to
// Image1[15j + 14]. Sets 1 and 2 and their empty boxes are in the first part, sets 3 and 4 in
// the second. The window holds its sets as page data and shows them in the places.
class frmStampaSchede : public FinestraScheda
{
    Q_OBJECT

public:
    static constexpr int Posti = 15;
    static constexpr int Riquadri = 8;

    frmStampaSchede();

    // The Image1 index of place 0 of set k (1 to 4).
    static int primoPosto(int k);

protected:
    void onLoad() override;
    EsercizioPagina estrai(int k) const override;
    void mostra(int k) override;

private:
    std::array<Frame*, Riquadri> FraSfondoS{};
    std::array<ImageBox*, Riquadri * Posti> Image1{};

    void mettiFigura(int posto, int figura);
};
