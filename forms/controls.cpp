#include "forms/controls.h"

#include "forms/accessibilita.h"

#include <QChildEvent>
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

class WrappingLabel : public QLabel
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        const QRectF area(contentsRect());
        // A text longer than the label has room for ends in "…", never cut with no mark:
        // the longest beginning that fits with it.
        QString shown = text();
        auto fits = [&](const QString& t) { return p.boundingRect(area, t, option).height() <= area.height(); };
        if (!fits(shown)) {
            int lo = 0;
            int hi = int(shown.size()) - 1;
            while (lo < hi) {
                const int mid = (lo + hi + 1) / 2;
                if (fits(shown.left(mid) + QChar(0x2026)))
                    lo = mid;
                else
                    hi = mid - 1;
            }
            shown = shown.left(lo) + QChar(0x2026);
        }
        p.drawText(area, shown, option);
    }
};
} // namespace

void styleLabel(QLabel* label, const QFont& font, const QColor& textColor, std::optional<QColor> back,
                Qt::Alignment alignment)
{
    label->setFont(font);
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, textColor);
    label->setPalette(pal);
    if (back)
        fillBackground(label, *back);
}

QLabel* makeWrappingLabel(const QFont& font, const QColor& textColor)
{
    QLabel* label = new WrappingLabel;
    styleLabel(label, font, textColor, std::nullopt, Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

Frame::Frame(const QColor& back, bool border, const QString& caption, QWidget* parent)
    : QWidget(parent), back_(back), border_(border), caption_(caption)
{
    Accessibilita::prepara();
    fillBackground(this, back);
    if (caption.isEmpty())
        return;
    setAccessibleName(caption);
    // A label of its own, not painted by the frame: the frame's own painting lies under
    // every control in it.
    captionLabel_ = new QLabel(caption, this);
    captionLabel_->setObjectName(QStringLiteral("caption"));
    captionLabel_->setTextFormat(Qt::PlainText);
    captionLabel_->setAlignment(Qt::AlignCenter);
    captionLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    captionLabel_->setGeometry(captionRect());
}

QRect Frame::captionRect() const
{
    const QFontMetrics fm(font());
    return QRect(8, 0, fm.horizontalAdvance(caption_) + 6, fm.height());
}

void Frame::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    if (event->added() && captionLabel_ && event->child() != captionLabel_ && event->child()->isWidgetType())
        captionLabel_->raise();
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
    // The border makes way for the caption.
    if (captionLabel_)
        p.fillRect(captionRect(), back_);
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

ImageBox::ImageBox(bool stretch, QWidget* parent) : QWidget(parent), stretch_(stretch)
{
    Accessibilita::prepara();
}

void ImageBox::setPicture(const Picture& picture)
{
    if (picture == picture_)
        return;
    picture_ = picture;
    stretched_ = QPixmap();
    growToPicture();
    update();
}

void ImageBox::setGrowsToPicture(bool grows)
{
    grows_ = grows;
    growToPicture();
}

void ImageBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    growToPicture();
}

void ImageBox::growToPicture()
{
    if (!grows_ || stretch_ || picture_.isNull())
        return;
    const QSize wanted = size().expandedTo(picture_.size());
    if (wanted != size())
        resize(wanted);
}

QRect ImageBox::pictureRect() const
{
    if (picture_.isNull())
        return QRect();
    if (stretch_)
        return rect();
    QSize drawn = picture_.size();
    if (drawn.width() > width() || drawn.height() > height())
        drawn.scale(size(), Qt::KeepAspectRatio);
    return QRect(QPoint(0, 0), drawn);
}

void ImageBox::paintEvent(QPaintEvent*)
{
    const QRect r = pictureRect();
    if (r.isEmpty())
        return;
    // Drawn from the drawing at the size it is shown at, so a smaller figure stays crisp.
    QPainter p(this);
    const qreal ratio = devicePixelRatioF();
    if (stretch_) {
        if (stretched_.deviceIndependentSize().toSize() != r.size() || stretched_.devicePixelRatio() != ratio)
            stretched_ = picture_.render(r.size(), ratio);
        p.drawPixmap(r.topLeft(), stretched_);
    } else {
        p.drawPixmap(r.topLeft(), picture_.pixmap(r.size(), ratio));
    }
}

ColourBox::ColourBox(const QColor& colour, QWidget* parent) : QWidget(parent)
{
    fillBackground(this, colour);
}
