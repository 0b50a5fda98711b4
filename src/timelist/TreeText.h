// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace corvane {

// One node of a tree written as tree text: its depth (0 for a top-level node) and its text.
// A whole tree is its nodes in depth-first order, each depth at most one more than the
// depth of the node before it.
struct TreeLine {
    int depth = 0;
    QString text;

    bool operator==(const TreeLine&) const = default;
};

struct TreeTextRead {
    std::vector<TreeLine> lines; // everything read before an error
    QString error; // empty when the whole text was read
};

// Reads tree text: lines end at CR LF, a lone CR or a lone LF, and a NUL ends the text; the
// leading TABs and SPACEs of a line are its depth, each one level. The first line is a
// top-level node whatever its indent; a line deeper than one level below the line before it
// stops the reading with "Invalid level (<count>) for item "<text>"" (a text of more than 200
// characters cut there, with an ellipsis).
TreeTextRead readTreeText(QStringView text);

// One TAB per level, the text, CR LF after every line.
QString writeTreeText(const std::vector<TreeLine>& lines);

} // namespace corvane
