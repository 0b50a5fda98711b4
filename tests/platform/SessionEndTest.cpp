// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionEnd.h"

#include <QCoreApplication>
#include <csignal>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

TEST(SessionEnd, SignalsArriveInTheEventLoopAndTheOldHandlersComeBack)
{
    {
        TSessionEnd watch;
        ASSERT_TRUE(watch.watching());
        QList<int> seen;
        QObject::connect(&watch, &TSessionEnd::ending, [&](int s) { seen << s; });
        for (int s : {SIGTERM, SIGHUP, SIGINT})
            ASSERT_EQ(std::raise(s), 0); // would end the test program without the watch
        EXPECT_TRUE(seen.isEmpty()); // nothing runs inside the handler
        QCoreApplication::processEvents();
        EXPECT_EQ(seen, QList<int>({SIGTERM, SIGHUP, SIGINT}));
    }
    struct sigaction now { };
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &now), 0);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
    // A second watch can be made once the first is gone.
    TSessionEnd again;
    EXPECT_TRUE(again.watching());
}

} // namespace
