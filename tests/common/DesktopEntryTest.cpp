// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DesktopEntry.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(DesktopEntry, ExecArgumentsAreQuotedOnlyWhenTheyMustBe)
{
    const struct {
        const char* argument;
        const char* quoted;
    } cases[] = {
        {"/opt/corvane/Corvane", "/opt/corvane/Corvane"},
        {"/opt/Zähler/Corvane", "/opt/Zähler/Corvane"},
        {"/opt/My Tools/Corvane", "\"/opt/My Tools/Corvane\""},
        {"/opt/say \"hi\"/C", "\"/opt/say \\\"hi\\\"/C\""},
        {"/opt/it's/C", "\"/opt/it's/C\""},
        {"/opt/back\\slash/C", "\"/opt/back\\\\slash/C\""},
        {"/opt/$HOME/C", "\"/opt/\\$HOME/C\""},
        {"/opt/`id`/C", "\"/opt/\\`id\\`/C\""},
        {"/opt/~a|b&c;d*e?f#g(h)<i>/C", "\"/opt/~a|b&c;d*e?f#g(h)<i>/C\""},
        {"/opt/100%/C", "/opt/100%%/C"},
        {"/opt/100% sure/C", "\"/opt/100%% sure/C\""},
        {"/opt/new\nline", "\"/opt/new\nline\""},
        {"/opt/bell\x07", "\"/opt/bell\x07\""},
        {"", "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quoteExecArgument(QString::fromUtf8(c.argument)), QString::fromUtf8(c.quoted))
            << c.argument;
}

TEST(DesktopEntry, StringValuesKeepBackslashesControlsAndOuterBlanks)
{
    const struct {
        const char* value;
        const char* escaped;
    } cases[] = {
        {"Corvane", "Corvane"},
        {"a\\b", "a\\\\b"},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {"  two leading", "\\s\\stwo leading"},
        {"trailing ", "trailing\\s"},
        {"   ", "\\s\\s\\s"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeDesktopValue(QString::fromUtf8(c.value)), QString::fromUtf8(c.escaped))
            << c.value;
}

TEST(DesktopEntry, ExecIsQuotedFirstThenEscapedAsAStringValue)
{
    // The path /opt/a"b\c: quoting gives "/opt/a\"b\\c", the key file doubles each backslash.
    // Arguments follow as they are, but their % signs double as well.
    const QString text = desktopEntryText({QStringLiteral("/opt/a\"b\\c"),
        QStringLiteral("--at 50%"), {}, QStringLiteral("C"), {}, {}});
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/a\\\\\"b\\\\\\\\c\" --at 50%%\n")))
        << qPrintable(text);
}
