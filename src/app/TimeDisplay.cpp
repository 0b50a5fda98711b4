// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TimeDisplay.h"

#include <QEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>

namespace corvane {

namespace {
const QString pattern = QStringLiteral("00:00:00");

// Index into the glyph table for a character of a display text, or -1.
int slotOf(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    return c == QLatin1Char(':') ? 10 : -1;
}

bool isClockText(const QString& text)
{
    if (text.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((pattern[i] == QLatin1Char(':')) != (text[i] == QLatin1Char(':'))
            || slotOf(text[i]) < 0)
            return false;
    return true;
}

// Lays out one line of text as the painter's text drawing does.
QList<QGlyphRun> layOut(const QString& text, const QFont& font, QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    return layout.glyphRuns();
}
} // namespace

TTimeDisplay::TTimeDisplay(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool TTimeDisplay::drawsFromGlyphs()
{
    if (m_glyphState == Glyphs::Unknown)
        prepareGlyphs();
    return m_glyphState == Glyphs::Usable;
}

void TTimeDisplay::prepareGlyphs()
{
    m_glyphState = Glyphs::Unusable;
    const QList<QGlyphRun> runs = layOut(pattern, font(), this);
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != pattern.size())
        return;
    const QRawFont raw = runs[0].rawFont();
    const QList<quint32> glyphs = raw.glyphIndexesForString(QStringLiteral("0123456789:"));
    if (glyphs.size() != 11 || glyphs.contains(0u))
        return;
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    if (advances.size() != 11)
        return;
    for (int i = 0; i < 11; ++i)
        m_advances[std::size_t(i)] = advances[i].x();
    // Every pair of digits, and every digit before and after a colon, in one line: what a
    // glyph stands beyond one advance after the one before it is their kerning. A glyph
    // other than the character's own (a ligature, a contextual form) rules this out.
    QString pairs;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            pairs += QString::number(a) + QString::number(b);
    for (int d = 0; d < 10; ++d)
        pairs += QLatin1Char(':') + QString::number(d);
    pairs += QLatin1Char(':');
    const QList<QGlyphRun> test = layOut(pairs, font(), this);
    if (test.size() != 1 || test[0].glyphIndexes().size() != pairs.size())
        return;
    const QList<QPointF> positions = test[0].positions();
    const QList<quint32> testGlyphs = test[0].glyphIndexes();
    for (qsizetype i = 0; i < positions.size(); ++i) {
        const auto a = std::size_t(slotOf(pairs[i]));
        if (testGlyphs[i] != glyphs[qsizetype(a)])
            return;
        if (i + 1 < positions.size()) {
            const auto b = std::size_t(slotOf(pairs[i + 1]));
            m_kerning[a][b] = positions[i + 1].x() - positions[i].x() - m_advances[a];
        }
    }
    std::copy(glyphs.begin(), glyphs.end(), m_glyphs.begin());
    m_run = runs[0];
    // The pattern's own line must come out where the layout put it.
    QList<QPointF> placed;
    m_patternWidth = place(pattern, &placed);
    if (placed != m_run.positions())
        return;
    m_originFor = QRect();
    m_glyphState = Glyphs::Usable;
}

qreal TTimeDisplay::place(const QString& text, QList<QPointF>* positions) const
{
    const QPointF start = m_run.positions().value(0);
    qreal x = start.x();
    positions->clear();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto a = std::size_t(slotOf(text[i]));
        positions->append(QPointF(x, start.y()));
        x += m_advances[a];
        if (i + 1 < text.size())
            x += m_kerning[a][std::size_t(slotOf(text[i + 1]))];
    }
    return x - start.x();
}

bool TTimeDisplay::drawFromGlyphs(QPainter& painter)
{
    if (!isClockText(text()) || !drawsFromGlyphs())
        return false;
    const QRect area = contentsRect();
    if (area != m_originFor) {
        // Where the painter's own centred drawing puts the pattern's line.
        m_origin = QFontMetricsF(font(), this)
                       .boundingRect(QRectF(area), int(alignment()), pattern)
                       .topLeft();
        m_originFor = area;
    }
    const QString shown = text();
    QList<quint32> indexes(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i)
        indexes[i] = m_glyphs[std::size_t(slotOf(shown[i]))];
    QList<QPointF> positions;
    const qreal width = place(shown, &positions);
    QGlyphRun run = m_run;
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.setPen(palette().color(foregroundRole()));
    // Centred as the pattern is; a kerned line is narrower.
    painter.drawGlyphRun(m_origin + QPointF((m_patternWidth - width) / 2, 0), run);
    return true;
}

void TTimeDisplay::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(backgroundRole()));
    if (drawFromGlyphs(painter)) {
        drawFrame(&painter);
        drawFocusFrame(painter);
        return;
    }
    painter.end();
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter over(this);
        drawFocusFrame(over);
    }
}

void TTimeDisplay::drawFocusFrame(QPainter& painter)
{
    if (!hasFocus())
        return;
    // In the text's colour, which the theme chose to stand out from the background.
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(contentsRect().adjusted(2, 2, -3, -3));
}

void TTimeDisplay::focusInEvent(QFocusEvent* event)
{
    // Set before Qt tells the screen reader of the focus, so the reader finds the time
    // shown now; setting it sends the change to a reader that has the old one.
    setAccessibleDescription(text());
    QLabel::focusInEvent(event);
}

void TTimeDisplay::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        m_glyphState = Glyphs::Unknown;
    QLabel::changeEvent(event);
}

} // namespace corvane
