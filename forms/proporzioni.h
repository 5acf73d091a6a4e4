#pragma once

#include <QRectF>
#include <QSizeF>
#include <vector>

// A control's place as fractions of the window's inner size at its design size.
struct ProporzioneControllo
{
    float Larghezza = 0; // width / inner width
    float Altezza = 0;   // height / inner height
    float Alto = 0;      // top / inner height
    float Sinistra = 0;  // left / inner width
};

// The proportional layout: every control keeps its share of the window's inner size. Controls
// inside a frame are measured against the window too: the frame scales by the same factors,
// so its contents scale with it. Fonts keep their sizes. It knows nothing of windows: places
// in, places out, in twips.
class Proporzioni
{
public:
    Proporzioni() = default;
    // The places of the controls when the inner area is `progetto`, as designed.
    Proporzioni(const std::vector<QRectF>& posti, QSizeF progetto);

    // The places of the same controls, in the same order, on an inner area of `misura`.
    std::vector<QRectF> applica(QSizeF misura) const;
    // One control's place on an inner area of `misura`.
    static QRectF colloca(const ProporzioneControllo& p, QSizeF misura);

    const std::vector<ProporzioneControllo>& records() const { return records_; }

private:
    std::vector<ProporzioneControllo> records_;
};
