// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextDocument>
#include <memory>
#include <ostream>
#include <vector>

namespace corvane::test {

// A run of text with the attributes the help page and the reference files look at.
struct TextRun {
    QString text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString colour; // "#rrggbb", or empty for automatic
    bool operator==(const TextRun&) const = default;
};

void PrintTo(const TextRun& run, std::ostream* os);

std::unique_ptr<QTextDocument> readRtf(const QByteArray& rtf);
// The runs of one block, neighbours with equal attributes merged; U+2028 becomes "\n".
std::vector<TextRun> blockRuns(const QTextBlock& block);
QString plainText(const QTextDocument& document);

} // namespace corvane::test
