// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AlarmNotice.h"

namespace corvane {

bool alarmWantsNotification(const TWindowPresence& window)
{
    return !window.visible || window.minimised || !window.active;
}

} // namespace corvane
