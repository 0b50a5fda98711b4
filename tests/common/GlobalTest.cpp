// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Global.h"

#include <gtest/gtest.h>

using namespace corvane;

TEST(HexCodec, EncodesEveryByteAsTwoUpperCaseDigits)
{
    EXPECT_EQ(StrToHex(""), QString());
    EXPECT_EQ(StrToHex("BM"), QStringLiteral("424D"));
    EXPECT_EQ(StrToHex(QByteArray("\x00\x0f\xf0\xff", 4)), QStringLiteral("000FF0FF"));
    EXPECT_EQ(StrToHex(QStringLiteral("Dunkel ä").toUtf8()), QStringLiteral("44756E6B656C20C3A4"));
}

TEST(HexCodec, DecodesPairsAndRefusesWholeTextsWithABadPair)
{
    EXPECT_EQ(HexToStr(u"424d"), QByteArray("BM"));
    EXPECT_EQ(HexToStr(u"414"), QByteArray("A")); // the unpaired last digit is ignored
    EXPECT_EQ(HexToStr(u"4"), QByteArray());
    EXPECT_EQ(HexToStr(u"4G"), QByteArray());
    EXPECT_EQ(HexToStr(u"41 42"), QByteArray()); // a blank is no digit
    EXPECT_EQ(HexToStr(u"4142ZZ"), QByteArray()); // a bad pair anywhere empties all
    EXPECT_EQ(HexToStr(u"41\u0664\u0662"), QByteArray()); // Arabic-Indic digits are not hex
    EXPECT_EQ(HexToStr(u"414G"), QByteArray()); // the unpaired rule does not hide a bad pair
}

TEST(HexCodec, EveryByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(HexToStr(StrToHex(all)), all);
    EXPECT_EQ(HexToStr(StrToHex(all).toLower()), all);
}
