#include "platform/controls.h"

#include <QPainter>
#include <QPainterPath>

QFont makeFont(const QString& family, qreal points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

namespace {
void fillBackground(QWidget* w, const QColor& back)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, back);
    w->setPalette(pal);
}
} // namespace

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& textColor,
                  std::optional<QColor> back, Qt::Alignment alignment)
{
    auto* label = new QLabel(text);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, textColor);
    label->setPalette(pal);
    if (back)
        fillBackground(label, *back);
    return label;
}

Frame::Frame(const QColor& back, bool border, const QString& caption, QWidget* parent)
    : QWidget(parent), back_(back), border_(border), caption_(caption)
{
    fillBackground(this, back);
    if (!caption.isEmpty())
        setAccessibleName(caption);
}

void Frame::paintEvent(QPaintEvent*)
{
    if (!border_)
        return;
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = caption_.isEmpty() ? 0 : fm.height() / 2;
    QRect r = rect().adjusted(0, top, -1, -1);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(r);
    p.setPen(Qt::white);
    p.drawRect(r.adjusted(1, 1, 1, 1));
    if (!caption_.isEmpty()) {
        const QRect text(8, 0, fm.horizontalAdvance(caption_) + 6, fm.height());
        p.fillRect(text, back_);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(text, Qt::AlignCenter, caption_);
    }
}

Shape::Shape(const QColor& fill, const QColor& border, int borderWidth, qreal radius, QWidget* parent)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth), radius_(radius)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal half = borderWidth_ / 2.0;
    const QRectF r = QRectF(rect()).adjusted(half, half, -half, -half);
    p.setPen(borderWidth_ > 0 ? QPen(border_, borderWidth_) : QPen(Qt::NoPen));
    p.setBrush(fill_);
    p.drawRoundedRect(r, radius_, radius_);
}

ImageBox::ImageBox(bool stretch, QWidget* parent) : QWidget(parent), stretch_(stretch) {}

void ImageBox::setPicture(const Picture& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter p(this);
    const QSize size = stretch_ ? this->size() : picture_.size();
    p.drawPixmap(0, 0, picture_.pixmap(size, devicePixelRatioF()));
}

ColourBox::ColourBox(const QColor& colour, QWidget* parent) : QWidget(parent)
{
    fillBackground(this, colour);
}
