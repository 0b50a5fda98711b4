// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RichTextLinks.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace corvane {

namespace {
const QRegularExpression& addressPattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"((?<![\w.@/])(?:(?:https?|ftp)://|www\.|mailto:)[^\s<>"\x{fffc}]+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return re;
}

// Punctuation that usually closes the sentence rather than the address.
qsizetype trimmedLength(const QString& text, qsizetype start, qsizetype length)
{
    static const QString closing = QStringLiteral(".,;:!?)]}'\u2019\u201d");
    while (length > 0 && closing.contains(text[start + length - 1]))
        --length;
    return length;
}
} // namespace

QList<WebAddress> findWebAddresses(const QString& text)
{
    QList<WebAddress> found;
    auto it = addressPattern().globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        const qsizetype length = trimmedLength(text, m.capturedStart(), m.capturedLength());
        QString target = text.mid(m.capturedStart(), length);
        if (target.size() <= 4 || target.endsWith(QLatin1String("://")))
            continue;
        if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            target.prepend(QLatin1String("http://"));
        found.append({m.capturedStart(), length, target});
    }
    return found;
}

void markWebAddresses(QTextDocument& document, const QColor& colour, int from, int to)
{
    QTextBlock block = document.findBlock(std::max(from, 0));
    const QTextBlock last = to < 0 ? document.lastBlock() : document.findBlock(to);
    for (; block.isValid(); block = block.next()) {
        for (const WebAddress& a : findWebAddresses(block.text())) {
            QTextCursor c(&document);
            c.setPosition(block.position() + int(a.start));
            c.setPosition(block.position() + int(a.start + a.length), QTextCursor::KeepAnchor);
            QTextCharFormat f;
            f.setAnchor(true);
            f.setAnchorHref(a.target);
            f.setForeground(colour);
            f.setFontUnderline(true);
            c.mergeCharFormat(f);
        }
        if (block == last)
            break;
    }
}

} // namespace corvane
