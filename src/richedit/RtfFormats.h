// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RtfState.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <map>
#include <vector>

namespace corvane::rtf {

// Document lengths are pixels at 96 dpi, 15 twips each; the layout rescales them for
// other devices (see RichTextRange).
constexpr double kTwipsPerPixel = 15.0;

// The tables a document declares in its header; formats refer to them by index.
struct DocumentTables {
    std::map<int, FontEntry> fonts;
    std::vector<QColor> colours; // index 0 is usually "automatic" (an invalid colour)
    std::vector<QString> links;
};

QTextCharFormat toCharFormat(const CharState& state, const DocumentTables& tables);
QTextBlockFormat toBlockFormat(const ParaState& state);

} // namespace corvane::rtf
