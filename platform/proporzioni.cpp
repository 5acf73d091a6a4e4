#include "platform/proporzioni.h"

#include "platform/form.h"

void Proporzioni::cattura(const Form& form)
{
    // The window is at its design size when it loads.
    const double w = form.designInnerSize().width();
    const double h = form.designInnerSize().height();
    records_.assign(form.controls().size(), {});
    for (std::size_t i = 0; i < form.controls().size(); ++i) {
        const QRectF& r = form.controls()[i].twips;
        records_[i] = {float(r.width() / w), float(r.height() / h), float(r.top() / h),
                       float(r.left() / w)};
    }
}

void Proporzioni::applica(Form& form) const
{
    const double w = form.scaleWidth();
    const double h = form.scaleHeight();
    for (std::size_t i = 0; i < records_.size() && i < form.controls().size(); ++i) {
        const Form::Control& c = form.controls()[i];
        if (c.kind == Form::Kind::ComboBox || c.kind == Form::Kind::Line)
            continue;
        const ProporzioneControllo& p = records_[i];
        form.moveControl(c.widget, QRectF(w * p.Sinistra, h * p.Alto, w * p.Larghezza, h * p.Altezza));
    }
}
