#pragma once

#include <QAbstractButton>
#include <QColor>
#include <functional>

// A key drawn as a raised button filled with its colour, never left selected.
//
// A key that acts on the press (an option button used as a key) hands every press, release,
// key and focus change to its window's handlers, named after the events they answer. It does
// nothing by itself: the mouse acts on the press, Space and Enter do what the window says,
// Tab and the arrows stay with the window's handlers. Repeats of a held key never reach them.
//
// A key that acts on the click (a command button) clicks like any button, and also on Enter.
class PushKey : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Acts { OnPress, OnClick };

    PushKey(const QString& caption, const QColor& back, Acts acts = Acts::OnPress,
            QWidget* parent = nullptr);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& colour);
    // True while the mouse button is held on the key: it is drawn pressed in.
    bool isHeld() const { return held_; }

    // The window's handlers. A key handler receives the code by reference and may set it to 0
    // to discard it; the character handler runs after it for a key that types a character.
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& keyCode)> onKeyDown;
    std::function<void(int& character)> onKeyPress;
    std::function<void(int keyCode)> onKeyUp;
    std::function<void()> onMouseDown;
    std::function<void()> onMouseUp;

    QSize sizeHint() const override;
    // Where the caption is written, in the key's own pixels (not yet pressed down).
    QRectF captionRect() const;
    // A key whose caption stays on one line: where the key is too narrow for it, the caption
    // is written in the key's font made just small enough, and at full size again when the
    // window grows.
    void setCaptionOnOneLine(bool oneLine);
    // The font the caption is written in now.
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The mouse button is up, or can no longer come up on this key: the hold ends.
    void letGo();

    QColor back_;
    Acts acts_;
    bool oneLine_ = false;
    // The caption's font as last fitted, with what it was fitted to: paints are many, sizes few.
    mutable QFont fitted_;
    mutable QFont fittedFrom_;
    mutable QString fittedText_;
    mutable qreal fittedRoom_ = -1;
    bool held_ = false;
};
