// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListChoice.h"

#include <QEvent>
#include <QListWidget>
#include <utility>

namespace corvane {

TListChoice::TListChoice(QListWidget* list, const bool* fromCode)
    : QObject(list)
    , m_fromCode(fromCode)
{
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (*m_fromCode)
            return;
        m_chosenByPress = true;
        Q_EMIT chosen();
    });
    connect(list, &QListWidget::itemClicked, this, [this] {
        if (!std::exchange(m_chosenByPress, false))
            Q_EMIT chosen();
    });
}

bool TListChoice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress)
        m_chosenByPress = false; // a new click begins
    return QObject::eventFilter(watched, event);
}

} // namespace corvane
