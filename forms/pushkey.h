#pragma once

#include <QAbstractButton>
#include <QColor>

// A key drawn as a raised button filled with its colour, never left selected.
//
// A key that acts on the press (an option button used as a key) hands every press, release
// and key to its window as signals, named after the events they answer. It does
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
    // While the key has the focus it is filled with `colour`; it takes its own colour again
    // when it loses it.
    void setFocusColor(const QColor& colour) { focusColour_ = colour; }
    // True while the mouse button is held on the key: it is drawn pressed in.
    bool isHeld() const { return held_; }

    QSize sizeHint() const override;
    // Where the caption is written, in the key's own pixels (not yet pressed down).
    QRectF captionRect() const;
    // A key whose caption stays on one line: where the key is too narrow for it, the caption
    // is written in the key's font made just small enough, and at full size again when the
    // window grows.
    void setCaptionOnOneLine(bool oneLine);
    // The font the caption is written in now.
    QFont captionFont() const;

signals:
    // What a key that acts on the press hands to its window. Connect directly: a key handler
    // receives the code by reference and may set it to 0 to discard it; `keyPress` follows
    // `keyDown` for a key that types a character.
    void keyDown(int& keyCode);
    void keyPress(int& character);
    void keyUp(int keyCode);
    void mouseDown();
    void mouseUp();

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
    const QColor ownColour_;
    QColor focusColour_;
    Acts acts_;
    bool oneLine_ = false;
    // The caption's font as last fitted, with what it was fitted to: paints are many, sizes few.
    mutable QFont fitted_;
    mutable QFont fittedFrom_;
    mutable QString fittedText_;
    mutable qreal fittedRoom_ = -1;
    bool held_ = false;
};
