#pragma once

#include <vector>

class Form;

// A control's place as fractions of the window's inner size, taken at load.
struct ProporzioneControllo
{
    float Larghezza = 0; // width / inner width
    float Altezza = 0;   // height / inner height
    float Alto = 0;      // top / inner height
    float Sinistra = 0;  // left / inner width
};

// One record per control of a window, in the order of the window's control list.
// Controls inside a frame are measured against the window too: the frame scales by the same
// factors, so its contents scale with it. Fonts keep their sizes.
class Proporzioni
{
public:
    void cattura(const Form& form);
    void applica(Form& form) const;
    const std::vector<ProporzioneControllo>& records() const { return records_; }

private:
    std::vector<ProporzioneControllo> records_;
};
