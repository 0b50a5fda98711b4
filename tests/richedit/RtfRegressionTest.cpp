// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that once broke the reader (found by fuzzing) must read to the end.
#include "RtfTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

TEST(RtfRegression, EveryKeptInputReadsQuickly)
{
    const QDir dir(QStringLiteral(CORVANE_RTF_REGRESSIONS));
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        QElapsedTimer timer;
        timer.start();
        const auto doc = readRtf(f.readAll());
        EXPECT_LT(timer.elapsed(), 2000) << name.toStdString();
        EXPECT_GE(doc->characterCount(), 1);
    }
}

} // namespace
} // namespace corvane::test
