// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

namespace corvane {

// A titled group of radio buttons, one per item, exactly one of them chosen. A translation
// renames the items through the "items" property and keeps the chosen one.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
public:
    explicit TRadioGroup(const QString& title, QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);

    // The chosen item, or -1 with no items.
    int itemIndex() const;
    void setItemIndex(int index);

    // Where the buttons go, so a group can hold another control beside them.
    QVBoxLayout* buttonColumn() const { return m_column; }

private:
    QButtonGroup* m_group;
    QVBoxLayout* m_column;
};

} // namespace corvane
