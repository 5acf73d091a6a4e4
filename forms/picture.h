#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;
class QSvgRenderer;

// A picture as the program's image controls hold it: a vector drawing with a nominal size in
// pixels. Copies share one drawing, as assigning a picture from one control to another does.
// It draws itself crisp at any screen scale and as vectors on paper.
class Picture
{
public:
    Picture() = default; // no picture
    // Loads an SVG file (a resource path); `id` tells catalogue pictures apart.
    static Picture fromSvg(const QString& path, int id = -1);

    bool isNull() const { return !d_; }
    int id() const;
    // Nominal size in logical pixels (the SVG's own width and height).
    QSize size() const;
    // Draws the picture stretched to `target` (vector).
    void paint(QPainter& painter, const QRectF& target) const;
    // The same drawing with a renderer of its own, for painting on another thread: copies
    // share a renderer, which is not safe to use from two threads at once.
    Picture forAnotherThread() const;
    // A pixmap of `logicalSize` for a screen of the given pixel ratio; kept in Qt's pixmap
    // cache, for the sizes that come back (a figure at its own size in every place).
    QPixmap pixmap(QSize logicalSize, qreal devicePixelRatio) const;
    // The same, drawn anew and kept nowhere: for a size that follows the window's.
    QPixmap render(QSize logicalSize, qreal devicePixelRatio) const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.d_ == b.d_; }

private:
    struct Data;
    std::shared_ptr<const Data> d_;
};
