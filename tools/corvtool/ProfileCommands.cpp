// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

namespace corvtool {
int profileGet(const QStringList&) { return 1; }
int profileSet(const QStringList&) { return 1; }
} // namespace corvtool
