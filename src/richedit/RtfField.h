// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace corvane::rtf {

// The target of a field instruction such as `HYPERLINK "https://x.org"` or
// `HYPERLINK \l "anchor"` (which gives "#anchor"); empty for every other field.
QString hyperlinkTarget(const QString& instruction);

} // namespace corvane::rtf
