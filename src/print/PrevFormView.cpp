// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The preview window's view: layout, painting, page navigation and zoom.
#include "PrevForm.h"

#include "PaintBox.h"
#include "ToolGlyphs.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

namespace corvane {

void TPreviewForm::FormShow()
{
    ShowPage(0);
    UpdateNavButtons();
}

void TPreviewForm::ShowPage(int index)
{
    m_currentPage = index;
    const int count = m_printer ? m_printer->PageCount() : 0;
    CurPageLabel->setText(QStringLiteral(" %1/%2").arg(index + 1).arg(count));
    repaintBoxes();
}

void TPreviewForm::UpdateNavButtons()
{
    const int count = m_printer ? m_printer->PageCount() : 0;
    const bool forward = m_currentPage + 1 < count;
    const bool back = m_currentPage > 0;
    NextPageSpeed->setEnabled(forward);
    LastPageSpeed->setEnabled(forward);
    PrevPageSpeed->setEnabled(back);
    FirstPageSpeed->setEnabled(back);
}

void TPreviewForm::repaintBoxes()
{
    PB1->update();
    PB2->update();
}

void TPreviewForm::ScrollBox1Resize()
{
    if (!m_printer)
        return;
    PreviewLayoutInput in;
    in.zoomEntry = ZoomBox->currentIndex();
    in.client = clientSize();
    in.screenPpi = logicalDpiY();
    in.page = m_printer->metrics();
    in.zoom = m_zoom;
    in.twoPages = TwoPageBut->isChecked();
    applyLayout(layoutPreview(in));
}

// The scroll box's client area. Its resize event reaches the layout before the scroll box has
// placed its viewport, so the area is taken from the box's own size.
QSize TPreviewForm::clientSize() const
{
    QSize size = ScrollBox1->maximumViewportSize();
    if (const QScrollBar* v = ScrollBox1->verticalScrollBar(); v->isVisible())
        size.rwidth() -= v->width();
    if (const QScrollBar* h = ScrollBox1->horizontalScrollBar(); h->isVisible())
        size.rheight() -= h->height();
    return size;
}

void TPreviewForm::applyLayout(const PreviewLayoutResult& r)
{
    FitPageBut->setChecked(r.fitPageDown);
    FitWidthBut->setChecked(r.fitWidthDown);
    if (ZoomBox->currentIndex() < 0)
        selectZoomEntry(r.zoomEntry);
    if (r.zoomEntry != zeFitToPage)
        OnePageBut->setChecked(true);
    PagePanel->resize(r.pageBox);
    PagePanel2->setVisible(TwoPageBut->isChecked());
    PagePanel2->resize(r.pageBox);
    ContainPanel->resize(r.content);
    PagePanel->move(r.left, r.top);
    PagePanel2->move(r.left2, r.top);
    m_zoom = r.zoom;
    repaintBoxes();
}

void TPreviewForm::OnePageButMouseUp()
{
    selectZoomEntry(zeFitToPage);
    ScrollBox1Resize();
}

void TPreviewForm::TwoPageButClick()
{
    selectZoomEntry(zeFitToPage);
    ScrollBox1Resize();
}

// Twice, so the second pass sees the scroll bars the first one brought or removed.
void TPreviewForm::ZoomBoxChange()
{
    ScrollBox1Resize();
    ScrollBox1Resize();
}

void TPreviewForm::FitPageButClick()
{
    selectZoomEntry(zeFitToPage);
    ZoomBoxChange();
}

void TPreviewForm::FitWidthButClick()
{
    selectZoomEntry(zeFitToWidth);
    ZoomBoxChange();
}

void TPreviewForm::GridButClick()
{
    repaintBoxes();
}

void TPreviewForm::ZoomCursorButClick()
{
    PB1->setCursor(zoomCursor());
    PB2->setCursor(zoomCursor());
}

void TPreviewForm::FirstPageSpeedClick()
{
    ShowPage(0);
    UpdateNavButtons();
}

void TPreviewForm::PrevPageButClick()
{
    if (m_currentPage > 0)
        ShowPage(m_currentPage - 1);
    UpdateNavButtons();
}

void TPreviewForm::NextPageButClick()
{
    ShowPage(m_currentPage + 1);
    UpdateNavButtons();
}

void TPreviewForm::LastPageSpeedClick()
{
    ShowPage(m_printer->PageCount() - 1);
    UpdateNavButtons();
}

void TPreviewForm::PB1MouseDown(Qt::MouseButtons buttons, const QPoint& at)
{
    if (!ZoomCursorBut->isChecked())
        return;
    const float fx = float(at.x()) / float(std::max(PagePanel->width(), 1));
    const float fy = float(at.y()) / float(std::max(PagePanel->height(), 1));
    m_zoom = clickZoom(m_zoom, buttons & Qt::LeftButton, buttons & Qt::RightButton);
    selectZoomEntry(zeCustom);
    ScrollBox1Resize();
    ScrollBox1->horizontalScrollBar()->setValue(
        scrollToFraction(PagePanel->width(), fx, ScrollBox1->width()));
    ScrollBox1->verticalScrollBar()->setValue(
        scrollToFraction(PagePanel->height(), fy, ScrollBox1->height()));
}

void TPreviewForm::PBPaint(PaintBox& box, QPainter& painter)
{
    painter.fillRect(box.rect(), Qt::white);
    if (!m_printer)
        return;
    const PageMetrics& m = m_printer->metrics();
    if (m.pageWidth <= 0 || m.pageHeight <= 0)
        return;
    const int index = &box == PB1 ? m_currentPage
        : TwoPageBut->isChecked() ? m_currentPage + 1
                                  : -1;
    painter.save();
    painter.scale(double(box.width()) / m.pageWidth, double(box.height()) / m.pageHeight);
    if (index >= 0 && index < m_printer->PageCount())
        replayPage(painter, m_printer->Pages(index));
    if (GridBut->isChecked()) {
        painter.setPen(QPen(QColor(192, 192, 192), 0));
        painter.drawLines(gridLines(m));
    }
    painter.restore();
}

void TPreviewForm::PrintButClick()
{
    m_printer->PrintWithDialog();
}

void TPreviewForm::CloseButClick()
{
    reject();
}

} // namespace corvane
