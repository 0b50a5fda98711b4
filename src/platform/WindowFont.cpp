// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowFont.h"

#include "platform/WinColor.h"

#include <QWidget>

namespace corvane {

void setWindowFont(QWidget* window, const QString& family, TColor color)
{
    QFont f = window->font();
    f.setFamily(family);
    window->setFont(f);
    QPalette pal = window->palette();
    const QColor resolved = toQColor(color, pal);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(role, resolved);
    window->setPalette(pal);
}

} // namespace corvane
