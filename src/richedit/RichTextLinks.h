// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QTextDocument;

namespace corvane {

struct WebAddress {
    qsizetype start = 0;
    qsizetype length = 0;
    QString target; // what a click opens: the text, with "http://" before a bare "www."
};

// Web addresses in a text: http://, https://, ftp://, www. and mailto: up to the next blank,
// without trailing punctuation that ends the sentence.
QList<WebAddress> findWebAddresses(const QString& text);

// Shows every web address in the blocks from `from` to `to` (character positions; the whole
// document by default) as a link in `colour`, underlined, with the target as anchor.
void markWebAddresses(QTextDocument& document, const QColor& colour, int from = 0, int to = -1);

} // namespace corvane
