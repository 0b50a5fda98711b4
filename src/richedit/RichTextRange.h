// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <memory>

class QPainter;
class QPaintDevice;
class QTextDocument;

namespace corvane {

// Renders a document page by page, like the "format range" of a rich-text control: from a
// character position into a rectangle given in twips on the painter's device. The document is
// laid out for that device (its logical dpi), so what is measured is what is drawn. Only whole
// lines are drawn, and the returned position is the start of the first line not drawn, so
// consecutive calls lose and double nothing. A block marked PageBreak_AlwaysBefore starts a new
// range. At least one line is always taken, so a picture taller than the rectangle cannot stall
// pagination.
class RichTextRange {
public:
    explicit RichTextRange(const QTextDocument& source);
    ~RichTextRange();

    // Returns the first character not rendered; the document's text length when all is done.
    // With `render` false only measures.
    int formatRange(QPainter& painter, int firstChar, const QRect& rectTwips, bool render);

    // Drops the laid-out copy; the next call lays the document out again.
    void release();

private:
    struct Layout;
    Layout& layoutFor(QPaintDevice* device, qreal width);

    const QTextDocument& m_source;
    std::unique_ptr<Layout> m_layout;
};

} // namespace corvane
