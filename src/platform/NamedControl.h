// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QObject>

namespace corvane {

// Gives a control its designed name, the one language scripts and tests find it by.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace corvane
