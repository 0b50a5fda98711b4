// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RichTextQuery.h"

#include <QTextDocumentFragment>
#include <QTextEdit>
#include <memory>

namespace corvane {

class RichTextRange;

// The rich-text control of the help page and the about page. It only shows what the reader
// (RichTextFile.h) built, and adds what the pages need: web addresses shown as links with a
// click signal, text search, selection by position, and page-wise rendering for printing.
// Positions count characters, each paragraph end as one.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);
    ~TRichEdit() override;

    // Replaces the content with the file's (RTF, or plain text for anything else). Throws
    // CorvaneError "Cannot open file %s" and keeps the old content when it cannot be read.
    void loadFromFile(const QString& path);
    void loadFromBytes(QByteArrayView bytes);

    QStringList lines() const; // one entry per paragraph
    int textLength() const;
    int findText(const QString& text, int start, int count, bool caseSensitive) const;

    void setSelection(int start, int length);
    int selectionStart() const;
    int selectionLength() const;
    FormatSummary selectionFormat() const;
    // A formatted section travels between controls as a fragment, leaving the clipboard alone.
    QTextDocumentFragment selectionFragment() const;
    void insertFragment(const QTextDocumentFragment& fragment);

    // Renders from `firstChar` into `rectTwips` on the painter's device and returns the first
    // character not rendered (see RichTextRange); releaseFormatCache() drops the layout kept
    // between calls.
    int formatRange(QPainter& painter, int firstChar, const QRect& rectTwips, bool render = true);
    void releaseFormatCache();

Q_SIGNALS:
    // A mouse button was pressed and released on the same link.
    void linkClicked(const QString& address);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void markLinks(int position, int removed, int added);

    std::unique_ptr<RichTextRange> m_range;
    QString m_pressedLink;
    bool m_marking = false;
};

} // namespace corvane
