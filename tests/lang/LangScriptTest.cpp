// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/LangScript.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;

namespace {
class LangTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_script = m_dir.filePath(QStringLiteral("German.lng"));
        test::writeBytes(m_script,
            "[Captions]\r\nOK=Gut\r\nCancel=\r\n"
            "[Messages]\r\nAre you sure?=Sind Sie sicher?\r\n"
            "[Message]\r\nPlease enter new name:=Neuer Name:\r\n"
            "[Long]\r\nText="
                + QByteArray(3000, 'x') + "\r\n");
        LangScriptPath = m_script;
    }
    void TearDown() override { LangScriptPath.clear(); }

    QTemporaryDir m_dir;
    QString m_script;
};
} // namespace

TEST_F(LangTextTest, FindsKeysInAnyLetterCase)
{
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("OK")), QStringLiteral("Gut"));
    EXPECT_EQ(LangText(QStringLiteral("CAPTIONS"), QStringLiteral("ok")), QStringLiteral("Gut"));
    EXPECT_EQ(LangText(QStringLiteral("messages"), QStringLiteral("ARE YOU SURE?")),
        QStringLiteral("Sind Sie sicher?"));
}

TEST_F(LangTextTest, AbsentEntryGivesTheKeyButEmptyEntryGivesEmptyText)
{
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("Yes")), QStringLiteral("Yes"));
    EXPECT_EQ(LangText(QStringLiteral("Nowhere"), QStringLiteral("Yes")), QStringLiteral("Yes"));
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("Cancel")), QString());
}

TEST_F(LangTextTest, RenamePromptLivesInTheSingularSection)
{
    const QString key = QStringLiteral("Please enter new name:");
    EXPECT_EQ(LangText(QStringLiteral("Messages"), key), key);
    EXPECT_EQ(LangText(QStringLiteral("Message"), key), QStringLiteral("Neuer Name:"));
}

TEST_F(LangTextTest, LongValueIsCutTo2047Characters)
{
    EXPECT_EQ(
        LangText(QStringLiteral("Long"), QStringLiteral("Text")), QString(2047, QLatin1Char('x')));
}

TEST_F(LangTextTest, MissingScriptOrNoScriptYetGivesTheKey)
{
    LangScriptPath = m_dir.filePath(QStringLiteral("Klingon.lng"));
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("OK")), QStringLiteral("OK"));
    LangScriptPath = m_dir.path(); // a folder is no script either
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("OK")), QStringLiteral("OK"));
    LangScriptPath.clear();
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("OK")), QStringLiteral("OK"));
}

TEST_F(LangTextTest, EditedScriptTakesEffectAtTheNextLookup)
{
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("OK")), QStringLiteral("Gut"));
    test::writeBytes(m_script, "[Captions]\r\nOK=Einverstanden\r\n");
    EXPECT_EQ(LangText(QStringLiteral("Captions"), QStringLiteral("OK")),
        QStringLiteral("Einverstanden"));
}

TEST(ListValue, EveryCommaEndsAnEntryAndNothingIsQuoted)
{
    const struct {
        const char* value;
        QStringList entries;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a,,b", {"a", "", "b"}},
        {"a,b,", {"a", "b"}},
        {"a,,", {"a", ""}},
        {",a", {"", "a"}},
        {" a , b ", {" a ", " b "}},
        {"\"x,y\",z", {"\"x", "y\"", "z"}},
        {"single", {"single"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitListValue(QString::fromUtf8(c.value)), c.entries) << c.value;
}
