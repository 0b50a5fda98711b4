// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace corvane {
class ProfileDocument {
};
} // namespace corvane
