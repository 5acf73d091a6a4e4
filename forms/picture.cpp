#include "forms/picture.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <atomic>

struct Picture::Data
{
    int id = -1;
    QString path;
    std::unique_ptr<QSvgRenderer> renderer;
    QSize size;
    // Names this drawing's renderings in the pixmap cache, and no other drawing's.
    quint64 serial = 0;
};

Picture Picture::fromSvg(const QString& path, int id)
{
    auto data = std::make_shared<Data>();
    static std::atomic<quint64> serials{0};
    data->id = id;
    data->serial = ++serials;
    data->path = path;
    data->renderer = std::make_unique<QSvgRenderer>(path);
    if (!data->renderer->isValid())
        return Picture();
    data->size = data->renderer->defaultSize();
    Picture p;
    p.d_ = std::move(data);
    return p;
}

Picture Picture::forAnotherThread() const
{
    return d_ ? fromSvg(d_->path, d_->id) : Picture();
}

int Picture::id() const { return d_ ? d_->id : -1; }

QSize Picture::size() const { return d_ ? d_->size : QSize(); }

void Picture::paint(QPainter& painter, const QRectF& target) const
{
    if (d_)
        d_->renderer->render(&painter, target);
}

QPixmap Picture::pixmap(QSize logicalSize, qreal dpr) const
{
    if (!d_ || logicalSize.isEmpty())
        return QPixmap();
    // The drawing never changes, so its renderings can be kept; in Qt's pixmap cache, whose
    // bound lets the sizes a window was dragged through go, instead of keeping each for ever.
    const QString key = QStringLiteral("tarvello-picture:%1:%2x%3@%4")
                            .arg(d_->serial)
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(dpr);
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    pm = render(logicalSize, dpr);
    QPixmapCache::insert(key, pm);
    return pm;
}

QPixmap Picture::render(QSize logicalSize, qreal dpr) const
{
    if (!d_ || logicalSize.isEmpty())
        return QPixmap();
    QPixmap pm(logicalSize * dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        d_->renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(logicalSize * dpr)));
    }
    pm.setDevicePixelRatio(dpr);
    return pm;
}
