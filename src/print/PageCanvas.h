// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPicture>

namespace corvane {

// One finished page: its picture in the recording device's pixels, and what it was recorded
// for. QPicture::boundingRect() ignores text, so the page size is kept here.
struct PagePicture {
    QPicture picture;
    int ppiX = 96;
    int ppiY = 96;
    int width = 0;
    int height = 0;
};

// A picture that reports the recording device's resolution, so fonts given in points take
// their true size on that device and text is laid out for it, not for the screen.
class RecordingPicture : public QPicture {
public:
    void setDevice(int ppiX, int ppiY, int width, int height);
    // Hands out what was recorded and starts an empty picture in the same object, so layouts
    // cached for this device stay valid from page to page.
    PagePicture take();

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    int m_ppiX = 96;
    int m_ppiY = 96;
    int m_width = 0;
    int m_height = 0;
};

// The drawing surface of one page: a painter recording into the page's picture. Destroying it
// finishes the picture.
class TPreviewMetafileCanvas : public QPainter {
public:
    explicit TPreviewMetafileCanvas(RecordingPicture& picture);
    RecordingPicture& picture() const { return m_picture; }

private:
    RecordingPicture& m_picture;
};

// Draws a page so that one recorded unit is one unit of the painter's current coordinates.
// A QPicture scales itself by (target dpi ÷ the default dpi) on replay; this undoes that.
void replayPage(QPainter& painter, const PagePicture& page);

} // namespace corvane
