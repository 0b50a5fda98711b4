// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConfigFile.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvane;

TEST(ConfigFile, MissingFileGivesEveryDefault)
{
    QTemporaryDir dir;
    const ConfigFile config(dir.filePath(QStringLiteral("CORVANE.INI")));
    const TOptionsRec o = config.readOptions();
    EXPECT_EQ(config.storedLanguage(), QString());
    EXPECT_EQ(o.GenOptions, (std::array<bool, 5>{false, true, true, true, false}));
    EXPECT_EQ(o.LangFile, QStringLiteral("English.lng"));
    EXPECT_EQ(o.ProgFont.Name, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(o.ProgFont.Color, 0);
    EXPECT_EQ(o.MsgStartColor, 65535);
    EXPECT_EQ(o.MsgEndColor, 16711935);
    EXPECT_EQ(o.Theme, QStringLiteral("Standard"));
    EXPECT_EQ(config.readPosition(QPoint(7, 8)), QPoint(7, 8));
}

TEST(ConfigFile, NumbersReadInDecimalOrHexAndAnyNonZeroIsOn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CORVANE.INI"));
    test::writeBytes(path,
        "[General]\r\nOption 1=0\r\nOption 4=-1\r\nTheme=\r\nLeft=0x7FFFFFFF\r\n"
        "Top=12abc\r\n[ProgFont]\r\nColor=0XFF\r\nName=\"Liberation Serif\"\r\n"
        "[Messages]\r\nStart color=-2147483633\r\n");
    const ConfigFile config(path);
    const TOptionsRec o = config.readOptions();
    EXPECT_FALSE(o.GenOptions[1]);
    EXPECT_TRUE(o.GenOptions[4]);
    EXPECT_EQ(o.Theme, QString()); // present but empty: no theme
    EXPECT_EQ(o.ProgFont.Color, 255);
    EXPECT_EQ(o.ProgFont.Name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(o.MsgStartColor, TColor(0x8000000F)); // a system colour: button face
    EXPECT_EQ(config.readPosition(QPoint(1, 2)), QPoint(2147483647, 2));
}

TEST(ConfigFile, WritingKeepsForeignKeysAndComments)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CORVANE.INI"));
    test::writeBytes(path, "; my notes\r\n[General]\r\nOption 1=0\r\nMine=kept\r\n");
    ConfigFile config(path);
    TOptionsRec o;
    o.Theme = QStringLiteral("Dark");
    config.writeOptions(o, QPoint(-10, 20));
    const QByteArray bytes = test::readBytes(path);
    EXPECT_TRUE(
        bytes.startsWith("; my notes\r\n[General]\r\nOption 1=1\r\nMine=kept\r\nOption 2=1\r\n"))
        << bytes.constData();
    EXPECT_TRUE(bytes.contains("Theme=Dark\r\nLeft=-10\r\nTop=20\r\n[Language]"));
}
