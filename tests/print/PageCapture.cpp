// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "PageCapture.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

namespace corvane::test {

namespace {
// Keeps the text that would show: runs outside the clip are dropped.
class CaptureEngine : public QPaintEngine {
public:
    CaptureEngine()
        : QPaintEngine(AllFeatures)
    {
    }
    QVector<TextRun> runs;
    bool visibleOnly = true;
    QTransform transform;
    QPainterPath clip;
    bool clipOn = false;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform = state.transform();
        if (state.state() & DirtyClipEnabled)
            clipOn = state.isClipEnabled();
        if (state.state() & (DirtyClipRegion | DirtyClipPath))
            updateClip(state);
    }
    void updateClip(const QPaintEngineState& state)
    {
        QPainterPath path;
        if (state.state() & DirtyClipRegion)
            path.addRegion(state.clipRegion());
        else
            path = state.clipPath();
        path = transform.map(path);
        switch (state.clipOperation()) {
        case Qt::NoClip:
            clipOn = false;
            clip = QPainterPath();
            break;
        case Qt::ReplaceClip:
            clip = path;
            clipOn = true;
            break;
        case Qt::IntersectClip:
            clip = clipOn ? clip.intersected(path) : path;
            clipOn = true;
            break;
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QPointF at = transform.map(p);
        if (!visibleOnly || !clipOn || clip.contains(at + QPointF(0.5, -1)))
            runs.append(TextRun{item.text(), at});
    }
    Type type() const override { return User; }
};

class CaptureDevice : public QPaintDevice {
public:
    CaptureDevice(const PagePicture& page)
        : m_page(page)
    {
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    CaptureEngine& engine() { return m_engine; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return m_page.width;
        case PdmHeight:
            return m_page.height;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_page.ppiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_page.ppiY;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    const PagePicture& m_page;
    mutable CaptureEngine m_engine;
};
} // namespace

QVector<TextRun> capturedText(const PagePicture& page, bool visibleOnly)
{
    CaptureDevice device(page);
    device.engine().visibleOnly = visibleOnly;
    QPainter painter(&device);
    replayPage(painter, page);
    painter.end();
    return device.engine().runs;
}

QString joinedText(const QVector<TextRun>& runs)
{
    QString text;
    for (const TextRun& r : runs)
        text += r.text;
    return text;
}

QString joinedTextOf(const PagePicture& page)
{
    return joinedText(capturedText(page));
}

} // namespace corvane::test
