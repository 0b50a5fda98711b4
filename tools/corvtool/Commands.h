// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// corvtool's commands. Each takes the arguments after its name (UTF-8 already decoded) and
// returns the exit status. Text goes to stdout/stderr as UTF-8.
namespace corvtool {

int profileGet(const QStringList& args);
int profileSet(const QStringList& args);
int commaTextSplit(const QStringList& args);
int commaTextJoin(const QStringList& args);
int listSplit(const QStringList& args);
int rtfText(const QStringList& args);
int rtfPdf(const QStringList& args);
int treeText(const QStringList& args);
int timelistAdd(const QStringList& args);
int hexEncode(const QStringList& args);
int hexDecode(const QStringList& args);
int autostartEntry(const QStringList& args);
int themePack(const QStringList& args);
int themeUnpack(const QStringList& args);

// Helpers shared by the command files.
QByteArray readAllStdin();
void printOut(const QString& text);
void printErr(const QString& text);

} // namespace corvtool
