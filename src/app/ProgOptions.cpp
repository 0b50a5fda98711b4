// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgOptions.h"

namespace corvane {

TOptionsRec ProgOptions;

} // namespace corvane
