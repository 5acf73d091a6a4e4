#pragma once

#include "forms/picture.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QWidget>
#include <optional>

// The plain controls of the windows: labels, frames, shapes and image controls.

QFont makeFont(const QString& family, qreal points, bool bold = false);

// Gives a label its look: font, text colour, a back colour or none (transparent), alignment.
void styleLabel(QLabel* label, const QFont& font, const QColor& textColor, std::optional<QColor> back,
                Qt::Alignment alignment);

// A label (or a kind of label) with its look.
template <class L = QLabel>
L* makeLabel(const QString& text, const QFont& font, const QColor& textColor,
             std::optional<QColor> back = std::nullopt, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto* label = new L(text);
    styleLabel(label, font, textColor, back, alignment);
    return label;
}

// A label that breaks a word too long for its width wherever it must, as a printer's name in
// a narrow label: Qt's labels break only between words and cut such a word off.
QLabel* makeWrappingLabel(const QFont& font, const QColor& textColor);

// A frame: a back colour, optionally a border with a caption on its top edge. The caption
// stays in front of the controls placed in the frame, which may reach up to it.
class Frame : public QWidget
{
    Q_OBJECT

public:
    explicit Frame(const QColor& back, bool border = false, const QString& caption = QString(),
                   QWidget* parent = nullptr);
    QString caption() const { return caption_; }
    QColor backColor() const { return back_; }
    // The caption as shown, or null.
    QLabel* captionLabel() const { return captionLabel_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    QRect captionRect() const;

    QColor back_;
    bool border_;
    QString caption_;
    QLabel* captionLabel_ = nullptr;
};

// A filled rectangle or rounded rectangle, drawn over nothing it does not cover; it takes no
// mouse input.
class Shape : public QWidget
{
    Q_OBJECT

public:
    Shape(const QColor& fill, const QColor& border, int borderWidth, qreal radius = 0,
          QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QColor border_;
    int borderWidth_;
    qreal radius_;
};

// An image control: holds a picture and shows it at its own size from the top-left corner,
// or stretched to the control. A picture larger than its control is drawn smaller, in its own
// proportions, so that it is always whole: a pupil counts figures, and a cut one is another.
class ImageBox : public QWidget
{
    Q_OBJECT

public:
    explicit ImageBox(bool stretch = false, QWidget* parent = nullptr);
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);
    void clearPicture() { setPicture(Picture()); }
    // An image control that is never smaller than its picture, whatever size the layout
    // gives it: a picture shown at its own size is then never cut off on a small screen.
    void setGrowsToPicture(bool grows);
    // Where the picture is drawn, in the control's own pixels; empty without a picture.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void growToPicture();

    Picture picture_;
    bool stretch_;
    bool grows_ = false;
    // A stretched picture at the size in use, the only one kept: a window dragged through
    // hundreds of sizes would otherwise leave one of each behind.
    mutable QPixmap stretched_;
};

// A plain area in one colour (a picture box without picture).
class ColourBox : public QWidget
{
    Q_OBJECT

public:
    explicit ColourBox(const QColor& colour, QWidget* parent = nullptr);
};
