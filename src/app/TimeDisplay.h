// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGlyphRun>
#include <QLabel>
#include <array>

namespace corvane {

// The countdown's time display: a label that repaints once a second while a countdown runs.
// It is opaque and fills its own background, so its repaint touches nothing beneath it.
// A "HH:mm:ss" text is drawn from glyphs, advances and kerning looked up once, instead of
// being shaped anew every second; any other text, or a font that substitutes glyphs in
// context, is drawn as a label would. It looks exactly like the label either way.
//
// Where it takes the focus (the Display page), it shows the focus as a frame in its text
// colour, and a screen reader hears its name ("Time left") with the time it shows as the
// description, which is brought up to date as the focus arrives: updating it every second
// would have the reader talk all through the countdown.
class TTimeDisplay : public QLabel {
public:
    explicit TTimeDisplay(const QString& text, QWidget* parent = nullptr);

    // Whether the current font allows drawing from the looked-up glyphs (for tests).
    bool drawsFromGlyphs();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    enum class Glyphs { Unknown, Usable, Unusable };
    void prepareGlyphs();
    bool drawFromGlyphs(QPainter& painter);
    void drawFocusFrame(QPainter& painter);

    // The places of a text's glyphs and the width of the line they make.
    qreal place(const QString& text, QList<QPointF>* positions) const;

    Glyphs m_glyphState = Glyphs::Unknown;
    QGlyphRun m_run; // "00:00:00" as laid out
    // For '0'..'9' and ':': the glyph, its advance, and the kerning after it before another.
    std::array<quint32, 11> m_glyphs{};
    std::array<qreal, 11> m_advances{};
    std::array<std::array<qreal, 11>, 11> m_kerning{};
    QRect m_originFor;
    QPointF m_origin; // where the pattern's line starts
    qreal m_patternWidth = 0;
};

} // namespace corvane
