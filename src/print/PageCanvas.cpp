// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PageCanvas.h"

#include <QPaintDevice>

namespace corvane {

void RecordingPicture::setDevice(int ppiX, int ppiY, int width, int height)
{
    m_ppiX = ppiX;
    m_ppiY = ppiY;
    m_width = width;
    m_height = height;
}

PagePicture RecordingPicture::take()
{
    PagePicture page{QPicture(*this), m_ppiX, m_ppiY, m_width, m_height};
    static_cast<QPicture&>(*this) = QPicture(); // the copy above shares the data; let it go
    return page;
}

int RecordingPicture::metric(PaintDeviceMetric m) const
{
    switch (m) {
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_ppiX;
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_ppiY;
    case PdmWidth:
        return m_width;
    case PdmHeight:
        return m_height;
    default:
        return QPicture::metric(m);
    }
}

TPreviewMetafileCanvas::TPreviewMetafileCanvas(RecordingPicture& picture)
    : QPainter(&picture)
    , m_picture(picture)
{
}

void replayPage(QPainter& painter, const PagePicture& page)
{
    const QPaintDevice* device = painter.device();
    if (!device)
        return;
    static const QPicture plain;
    painter.save();
    painter.scale(double(plain.logicalDpiX()) / device->logicalDpiX(),
        double(plain.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, page.picture);
    painter.restore();
}

} // namespace corvane
