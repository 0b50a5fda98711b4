// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace corvane {

// Tabs that stay reachable in a narrow window: the current tab shows its icon and caption,
// the others their icon only. Every tab keeps its full caption as its text, so translations,
// tooltips and screen readers see it; only the painting and the size leave it out.
class TCompactTabBar : public QTabBar {
public:
    explicit TCompactTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void tabInserted(int index) override;

private:
    bool showsCaption(int index) const { return index == currentIndex(); }
};

// The page control of Corvane's windows: compact tabs for the narrow main window, or tabs
// drawn as buttons.
class TPageControl : public QTabWidget {
public:
    enum class TabStyle { Compact, Buttons };
    explicit TPageControl(QWidget* parent = nullptr, TabStyle style = TabStyle::Compact);
    // The compact bar, or nullptr when the tabs are buttons.
    TCompactTabBar* compactTabBar() const { return m_bar; }

private:
    TCompactTabBar* m_bar = nullptr;
};

} // namespace corvane
