// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The hexadecimal text in which theme files hold their names and pictures.
namespace corvane {

// Two digits per byte, high digit first, "A" to "F" in upper case.
QString StrToHex(QByteArrayView bytes);

// Reads the text two characters at a time from the start, either case; a last unpaired
// character is ignored. Any pair that is not two hexadecimal digits gives the empty result.
QByteArray HexToStr(QStringView text);

} // namespace corvane
