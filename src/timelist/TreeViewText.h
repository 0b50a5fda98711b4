// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timelist/TreeText.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

// Replaces the tree's nodes by the lines (depth-first, as tree text reads them).
void loadTreeLines(QTreeWidget* tree, const std::vector<TreeLine>& lines);

// Every node of the tree, all top-level nodes included, as lines.
std::vector<TreeLine> treeLines(const QTreeWidget* tree);

// A node's depth: 0 for a top-level node.
int nodeDepth(const QTreeWidgetItem* item);

} // namespace corvane
