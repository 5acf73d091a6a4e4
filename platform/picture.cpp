#include "platform/picture.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {
struct CacheKey
{
    QSize size;
    qreal ratio;
    friend bool operator==(const CacheKey&, const CacheKey&) = default;
    friend size_t qHash(const CacheKey& k, size_t seed = 0)
    {
        return qHashMulti(seed, k.size.width(), k.size.height(), k.ratio);
    }
};
} // namespace

struct Picture::Data
{
    int id = -1;
    QString path;
    std::unique_ptr<QSvgRenderer> renderer;
    QSize size;
    // The drawing never changes, so a rendering per size and scale can be kept.
    mutable QHash<CacheKey, QPixmap> cache;
};

Picture Picture::fromSvg(const QString& path, int id)
{
    auto data = std::make_shared<Data>();
    data->id = id;
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
    const CacheKey key{logicalSize, dpr};
    auto it = d_->cache.constFind(key);
    if (it != d_->cache.constEnd())
        return *it;
    QPixmap pm(logicalSize * dpr);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        d_->renderer->render(&p, QRectF(QPointF(0, 0), QSizeF(logicalSize * dpr)));
    }
    pm.setDevicePixelRatio(dpr);
    d_->cache.insert(key, pm);
    return pm;
}
