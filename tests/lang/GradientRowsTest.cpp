// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/GradientRows.h"

#include <gtest/gtest.h>

using corvane::gradientRow;
using corvane::RgbTriple;

namespace {

constexpr RgbTriple yellow{255, 255, 0};
constexpr RgbTriple magenta{255, 0, 255};

struct RowCase {
    const char* name;
    RgbTriple start, end;
    int height, y;
    RgbTriple expected;
};

const RowCase rowCases[] = {
    {"DefaultTopIsYellow", yellow, magenta, 100, 0, yellow},
    // 255 - 2.55 * 99 = 2.55 and 252.45: the last row stops one step short of magenta.
    {"DefaultLastRowNearlyMagenta", yellow, magenta, 100, 99, {255, 3, 252}},
    {"DefaultRowHIsMagenta", yellow, magenta, 100, 100, magenta},
    {"OneRowIsStart", yellow, magenta, 1, 0, yellow},
    {"OneRowThenEnd", yellow, magenta, 1, 1, magenta},
    {"HalfRoundsDownToEven", {0, 1, 5}, {5, 0, 0}, 2, 1, {2, 0, 2}},
    {"HalfRoundsUpToEven", {0, 3, 1}, {3, 0, 4}, 2, 1, {2, 2, 2}},
    // 1 + 53 * (1/6) * 3 comes out just under 27.5; dividing by 6 last would give 28.
    {"FactorsInOrder", {1, 1, 1}, {54, 54, 54}, 6, 3, {27, 27, 27}},
    {"ClampedBeyondEnd", {200, 100, 0}, {255, 0, 0}, 1, 3, {255, 0, 0}},
    {"NoRowsGiveStart", yellow, magenta, 0, 0, yellow},
    {"NegativeHeightGivesStart", yellow, magenta, -4, 2, yellow},
};

class GradientRow : public ::testing::TestWithParam<RowCase> { };

TEST_P(GradientRow, Colour)
{
    const RowCase& c = GetParam();
    const RgbTriple got = gradientRow(c.start, c.end, c.height, c.y);
    EXPECT_EQ(got, c.expected) << got.red << "," << got.green << "," << got.blue;
}

INSTANTIATE_TEST_SUITE_P(Cases, GradientRow, ::testing::ValuesIn(rowCases),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
