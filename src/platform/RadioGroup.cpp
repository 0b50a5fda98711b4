// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <algorithm>

namespace corvane {

TRadioGroup::TRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent)
    , m_group(new QButtonGroup(this))
    , m_column(new QVBoxLayout)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 4, 4);
    m_column->setSpacing(0);
    row->addLayout(m_column, 1);
}

QStringList TRadioGroup::items() const
{
    QStringList texts;
    for (QAbstractButton* button : m_group->buttons())
        texts << button->text();
    return texts;
}

void TRadioGroup::setItems(const QStringList& items)
{
    const int chosen = std::max(0, itemIndex());
    const QList<QAbstractButton*> buttons = m_group->buttons();
    for (qsizetype i = items.size(); i < buttons.size(); ++i)
        delete buttons[i];
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i < buttons.size()) {
            buttons[i]->setText(items[i]);
            continue;
        }
        auto* button = new QRadioButton(items[i], this);
        m_group->addButton(button, int(i));
        m_column->addWidget(button);
    }
    setItemIndex(std::min(chosen, int(items.size()) - 1));
}

int TRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void TRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = m_group->button(index))
        button->setChecked(true);
}

} // namespace corvane
