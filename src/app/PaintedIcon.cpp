// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PaintedIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <map>

namespace corvane {

namespace {
class PaintedIconEngine : public QIconEngine {
public:
    explicit PaintedIconEngine(std::function<QImage(int)> render)
        : m_render(std::move(render))
    {
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        auto& cache = m_cache[std::make_pair(side, int(mode))];
        if (cache.isNull()) {
            QImage image = m_render(side);
            if (mode == QIcon::Disabled)
                image = disabled(std::move(image));
            cache = QPixmap::fromImage(std::move(image));
        }
        return cache;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pm = pixmap(rect.size() * dpr, mode, state);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QIconEngine* clone() const override { return new PaintedIconEngine(m_render); }

private:
    // Greyed and faded, as disabled buttons show their pictures.
    static QImage disabled(QImage image)
    {
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int g = qGray(line[x]) / 2 + 100;
                line[x] = qRgba(g, g, g, qAlpha(line[x]) / 2);
            }
        }
        return image;
    }

    std::function<QImage(int)> m_render;
    std::map<std::pair<int, int>, QPixmap> m_cache;
};
} // namespace

QIcon paintedIcon(std::function<QImage(int size)> render)
{
    return QIcon(new PaintedIconEngine(std::move(render)));
}

} // namespace corvane
