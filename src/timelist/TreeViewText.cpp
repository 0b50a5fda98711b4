// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "timelist/TreeViewText.h"

#include <QTreeWidget>

namespace corvane {

void loadTreeLines(QTreeWidget* tree, const std::vector<TreeLine>& lines)
{
    tree->clear();
    // Built detached and handed over at once: far faster than inserting node by node into
    // a live view.
    QList<QTreeWidgetItem*> topLevel;
    std::vector<QTreeWidgetItem*> path; // the last node at each depth
    for (const TreeLine& line : lines) {
        auto* item = new QTreeWidgetItem(QStringList{line.text});
        const auto depth = std::size_t(line.depth);
        path.resize(depth);
        if (depth == 0)
            topLevel << item;
        else
            path.back()->addChild(item);
        path.push_back(item);
    }
    tree->addTopLevelItems(topLevel);
}

namespace {
void appendLines(const QTreeWidgetItem* item, int depth, std::vector<TreeLine>& out)
{
    out.push_back({depth, item->text(0)});
    for (int i = 0; i < item->childCount(); ++i)
        appendLines(item->child(i), depth + 1, out);
}
} // namespace

std::vector<TreeLine> treeLines(const QTreeWidget* tree)
{
    std::vector<TreeLine> out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        appendLines(tree->topLevelItem(i), 0, out);
    return out;
}

int nodeDepth(const QTreeWidgetItem* item)
{
    int depth = 0;
    for (const QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        ++depth;
    return depth;
}

} // namespace corvane
