#include "forms/pushkey.h"

#include "forms/accessibilita.h"
#include "forms/keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

PushKey::PushKey(const QString& caption, const QColor& back, Acts acts, QWidget* parent)
    : QAbstractButton(parent), back_(back), ownColour_(back), acts_(acts)
{
    setText(caption);
    // A key is read by its caption; one spaced out letter by letter is read as its word.
    const QString parlata = Accessibilita::formaParlata(caption);
    if (parlata != caption)
        setAccessibleName(parlata);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    if (acts_ == Acts::OnPress) {
        // Mouse and keys never click such a key; a click comes only from outside, from a
        // screen reader's "press". It is a whole press: down, then up.
        connect(this, &QAbstractButton::clicked, this, [this] {
            emit mouseDown();
            emit mouseUp();
        });
    }
}

void PushKey::setBackColor(const QColor& colour)
{
    if (colour == back_)
        return;
    back_ = colour;
    update();
}

QSize PushKey::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + 24, fm.height() + 16);
}

QRectF PushKey::captionRect() const { return QRectF(rect()).adjusted(7, 5, -7, -5); }

void PushKey::setCaptionOnOneLine(bool oneLine)
{
    oneLine_ = oneLine;
    update();
}

QFont PushKey::captionFont() const
{
    QFont f = font();
    if (!oneLine_ || text().isEmpty())
        return f;
    const qreal room = captionRect().width();
    if (room == fittedRoom_ && text() == fittedText_ && f == fittedFrom_)
        return fitted_;
    fittedFrom_ = f;
    fittedText_ = text();
    fittedRoom_ = room;
    // Down a quarter of a point at a time: widths do not shrink exactly with the size. Below
    // six points a caption is no longer read, and wraps instead.
    for (qreal points = f.pointSizeF(); points >= 6; points -= 0.25) {
        f.setPointSizeF(points);
        if (QFontMetricsF(f).horizontalAdvance(text()) <= room)
            break;
    }
    fitted_ = f;
    return f;
}

void PushKey::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool sunk = held_ || isDown();
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = qMin<qreal>(8, r.height() / 5);

    QColor face = back_;
    if (!isEnabled())
        face = face.lighter(108);
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    p.fillPath(shape, face);

    // A raised edge: light above and left, dark below and right; the other way round pressed.
    const QColor light = sunk ? face.darker(150) : face.lighter(135);
    const QColor dark = sunk ? face.lighter(135) : face.darker(160);
    const QRectF edge = r.adjusted(2, 2, -2, -2);
    p.setPen(QPen(light, 2));
    p.drawLine(edge.bottomLeft(), edge.topLeft());
    p.drawLine(edge.topLeft(), edge.topRight());
    p.setPen(QPen(dark, 2));
    p.drawLine(edge.topRight(), edge.bottomRight());
    p.drawLine(edge.bottomRight(), edge.bottomLeft());
    p.setPen(QPen(QColor(60, 30, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    QRectF text = captionRect();
    if (sunk)
        text.translate(1, 1);
    p.setFont(captionFont());
    if (isEnabled()) {
        p.setPen(Qt::black);
        p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, this->text());
    } else {
        // Engraved, as an unavailable key is drawn.
        p.setPen(face.lighter(150));
        p.drawText(text.translated(1, 1), Qt::AlignCenter | Qt::TextWordWrap, this->text());
        p.setPen(face.darker(165));
        p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, this->text());
    }

    if (hasFocus()) {
        QPen dots(QColor(40, 0, 40), 1, Qt::DotLine);
        p.setPen(dots);
        const qreal inset = qBound<qreal>(2, r.height() / 8, 6);
        p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius / 2, radius / 2);
    }
}

void PushKey::mousePressEvent(QMouseEvent* event)
{
    if (acts_ == Acts::OnClick) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    event->accept();
    held_ = true;
    update();
    emit mouseDown();
}

void PushKey::mouseReleaseEvent(QMouseEvent* event)
{
    if (acts_ == Acts::OnClick) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    letGo();
}

void PushKey::letGo()
{
    held_ = false;
    update();
    emit mouseUp();
}

void PushKey::keyPressEvent(QKeyEvent* event)
{
    const bool repeat = Keys::Repeats::of(window()).isRepeat(*event);
    if (acts_ == Acts::OnClick) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            if (!repeat)
                click();
            return;
        }
        if (repeat && event->key() == Qt::Key_Space) {
            event->accept();
            return;
        }
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (repeat)
        return;
    int code = Keys::code(*event);
    emit keyDown(code);
    int character = Keys::character(*event);
    if (character != 0)
        emit keyPress(character);
}

void PushKey::keyReleaseEvent(QKeyEvent* event)
{
    const bool repeat = Keys::Repeats::of(window()).isRepeat(*event);
    if (acts_ == Acts::OnClick) {
        QAbstractButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (repeat)
        return;
    emit keyUp(Keys::code(*event));
}

void PushKey::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    if (focusColour_.isValid())
        setBackColor(focusColour_);
    update();
}

void PushKey::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    if (focusColour_.isValid())
        setBackColor(ownColour_);
    update();
}

void PushKey::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    // A key that becomes unavailable, or whose frame does, never sees its release: its window
    // hears of it now, or its hold on the next press would never end.
    if (event->type() == QEvent::EnabledChange && !isEnabled() && held_)
        letGo();
}

bool PushKey::focusNextPrevChild(bool next)
{
    // Tab on a key that acts on the press goes to the window's key handler.
    if (acts_ == Acts::OnPress)
        return false;
    return QAbstractButton::focusNextPrevChild(next);
}
