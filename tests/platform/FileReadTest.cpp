// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The sentence naming why a file was not read: every value in one pass, any of them left out.
#include "platform/FileRead.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(FileRead, ProblemSentencesFillInWhatTheyUseAndLeaveThePathAlone)
{
    FileRead read;
    read.problem = ReadProblem::TooLarge;
    read.size = 100 * 1024 * 1024;
    const qint64 limit = 16 * 1024 * 1024;
    EXPECT_EQ(readProblemText(readProblemFormat(ReadProblem::TooLarge), QStringLiteral("/d/%2.thm"),
                  read, limit),
        QStringLiteral(
            "/d/%2.thm is too large (100.0 MB); Corvane reads such files up to 16.0 MB."));
    // A translation may name the file only, or put the values in another order.
    EXPECT_EQ(
        readProblemText(QStringLiteral("%1 nicht gelesen."), QStringLiteral("/a"), read, limit),
        QStringLiteral("/a nicht gelesen."));
    EXPECT_EQ(
        readProblemText(QStringLiteral("%3 < %2: %1 (100%)"), QStringLiteral("/a"), read, limit),
        QStringLiteral("16.0 < 100.0: /a (100%)"));
    read.problem = ReadProblem::None;
    EXPECT_EQ(readProblemText(QStringLiteral("%1"), QStringLiteral("/a"), read, limit), QString());
}
