// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/IntegerText.h"

#include <gtest/gtest.h>
#include <limits>

using namespace corvane;

namespace {
constexpr std::optional<int> none = std::nullopt;

TEST(IntegerText, DecimalIsASignAndDigitsOfThirtyTwoBits)
{
    const std::pair<const char16_t*, std::optional<int>> cases[] = {
        {u"30", 30}, {u"-12", -12}, {u"+7", 7}, {u"-0", 0}, {u"007", 7},
        {u"000000000030", 30}, // leading zeros are no part of the size
        {u"2147483647", std::numeric_limits<int>::max()},
        {u"-2147483648", std::numeric_limits<int>::min()}, {u"2147483648", none},
        {u"-2147483649", none}, {u"4294967296", none}, {u"99999999999999999999", none}, {u"", none},
        {u"+", none}, {u"--1", none}, {u"+-1", none}, {u"1.5", none}, {u"12a", none}, {u" 5", none},
        {u"5 ", none}, {u"\uFF15", none}, // a full-width digit
        {u"\u0661", none}, // an Arabic-Indic digit
    };
    for (const auto& [text, expected] : cases) {
        const QStringView view(text);
        EXPECT_EQ(parseDecimalInt(view), expected) << view.toString().toStdString();
        // A decimal number reads alike from a profile file and from the countdown list.
        EXPECT_EQ(parseInteger(view), expected) << view.toString().toStdString();
    }
}

TEST(IntegerText, HexadecimalAfterZeroXTakesAllThirtyTwoBits)
{
    const std::pair<const char16_t*, std::optional<int>> cases[] = {
        {u"0x1E", 30},
        {u"0XfF", 255},
        {u"0x80000005", int(0x80000005u)},
        {u"0xFFFFFFFF", -1},
        {u"0x000000001F", 31},
        {u"0x100000000", none},
        {u"0x", none},
        {u"0xg", none},
        {u"0x 1", none},
        {u"-0x1", none},
        {u"0x-1", none},
    };
    for (const auto& [text, expected] : cases) {
        const QStringView view(text);
        EXPECT_EQ(parseInteger(view), expected) << view.toString().toStdString();
        EXPECT_EQ(parseDecimalInt(view), none) << view.toString().toStdString();
    }
}
} // namespace
