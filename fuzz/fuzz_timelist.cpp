// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The countdown list file as the program meets it: any bytes are loaded and saved again
// through TimelistFile. Whatever was in the file must survive that, either because it was
// read whole (and so reads back to the same nodes) or as the copy kept beside it.
#include "timelist/TimelistFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace corvane;

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = dir.filePath(QStringLiteral("Timelist.dat"));
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.filePath(name));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        std::abort();
    f.close();

    TimelistFile file(path);
    const TimelistFile::Load loaded = file.load();
    if (!loaded.file.ok())
        std::abort();
    const TimelistRead& read = loaded.read;
    if (read.whole() != loaded.backup.isEmpty())
        std::abort();
    if (!read.whole() && readAll(loaded.backup) != bytes)
        std::abort();
    if ((read.loss == TimelistLoss::Nul || read.loss == TimelistLoss::Level) && read.lossLine < 1)
        std::abort();
    file.save(read.lines);
    const TimelistRead again = parseTimelist(readAll(path));
    if (!again.whole() || again.lines != read.lines)
        std::abort();
    return 0;
}
