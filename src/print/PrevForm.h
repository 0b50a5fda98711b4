// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PrevPrinter.h"

#include <QDialog>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace corvane {

class PaintBox;

// The preview window: the pages of a TPreviewPrinter one or two at a time, zoomed or fitted
// to the window, with a one-inch grid, page navigation, click-to-zoom and printing. It never
// changes the pages. The geometry comes from PreviewLayout.h; the toolbar pictures are drawn
// in ToolGlyphs.cpp.
class TPreviewForm : public QDialog {
public:
    explicit TPreviewForm(QWidget* parent = nullptr);
    ~TPreviewForm() override;

    void setPreviewPrinter(TPreviewPrinter* printer) { m_printer = printer; }
    TPreviewPrinter* PreviewPrinter() const { return m_printer; }
    int CurrentPage() const { return m_currentPage; }
    double Zoom() const { return m_zoom; }

    // Set-up by TPreviewPrinter::Preview before the window is shown.
    void setUp(bool showGrid, TZoomOption option, int zoomVal);
    void setPageCaption(const QString& caption);
    // The localised texts in order (hints, the Exit caption, the window caption, the zoom
    // list); a short list leaves the rest as they are.
    void applyTexts(const QStringList& texts);

    void ShowPage(int index);
    void UpdateNavButtons();
    void ScrollBox1Resize();

    // Handlers, also reached by tests.
    void FormShow();
    void OnePageButMouseUp();
    void TwoPageButClick();
    void ZoomBoxChange();
    void FitPageButClick();
    void FitWidthButClick();
    void GridButClick();
    void ZoomCursorButClick();
    void FirstPageSpeedClick();
    void PrevPageButClick();
    void NextPageButClick();
    void LastPageSpeedClick();
    void PB1MouseDown(Qt::MouseButtons buttons, const QPoint& at);
    void PBPaint(PaintBox& box, QPainter& painter);
    void PrintButClick();
    void CloseButClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolBar();
    void createPageButtons();
    void createViewButtons();
    void setGlyphs();
    void setGroups();
    void createPageArea();
    void connectHandlers();
    QToolButton* toolButton(const char* name, int left, int width, const QString& hint);
    QSize clientSize() const;
    void applyLayout(const PreviewLayoutResult& r);
    void selectZoomEntry(int index);
    void repaintBoxes();

    TPreviewPrinter* m_printer = nullptr;
    int m_currentPage = 0;
    double m_zoom = 1.0;

    QFrame* ToolBarPanel = nullptr;
    QGroupBox* PageBox = nullptr;
    QLabel* CurPageLabel = nullptr;
    QToolButton* FirstPageSpeed = nullptr;
    QToolButton* PrevPageSpeed = nullptr;
    QToolButton* NextPageSpeed = nullptr;
    QToolButton* LastPageSpeed = nullptr;
    QComboBox* ZoomBox = nullptr;
    QToolButton* FitPageBut = nullptr;
    QToolButton* FitWidthBut = nullptr;
    QPushButton* PrintBut = nullptr;
    QToolButton* GridBut = nullptr;
    QToolButton* ZoomCursorBut = nullptr;
    QToolButton* OnePageBut = nullptr;
    QToolButton* TwoPageBut = nullptr;
    QPushButton* CloseBut = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* ContainPanel = nullptr;
    QFrame* PagePanel = nullptr;
    QFrame* PagePanel2 = nullptr;
    PaintBox* PB1 = nullptr;
    PaintBox* PB2 = nullptr;
};

} // namespace corvane
