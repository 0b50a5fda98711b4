// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfLists.h"

#include <algorithm>

namespace corvane::rtf {

namespace {
QString roman(int n, bool upper)
{
    struct Digit {
        int value;
        const char* text;
    };
    constexpr Digit digits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
        {90, "xc"}, {50, "l"}, {40, "xl"}, {10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"}};
    QString text;
    for (const Digit& d : digits) {
        for (; n >= d.value; n -= d.value)
            text += QLatin1String(d.text);
    }
    return upper ? text.toUpper() : text;
}

// Word's letters: a to z, then aa to zz, aaa...
QString letters(int n, bool upper)
{
    const QChar letter(char16_t((upper ? u'A' : u'a') + (n - 1) % 26));
    return QString((n - 1) / 26 + 1, letter);
}

QString ordinal(int n)
{
    const int lastTwo = n % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (n % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}

QString follower(int follow)
{
    switch (follow) {
    case 1:
        return QStringLiteral(" ");
    case 2:
        return {};
    default:
        return QStringLiteral("\t");
    }
}
} // namespace

QString formatNumber(int n, int style)
{
    const bool positive = n > 0;
    switch (style) {
    case NumberStyle::upperRoman:
    case NumberStyle::lowerRoman:
        if (positive && n < 4000)
            return roman(n, style == NumberStyle::upperRoman);
        break;
    case NumberStyle::upperLetter:
    case NumberStyle::lowerLetter:
        if (positive && n <= 260)
            return letters(n, style == NumberStyle::upperLetter);
        break;
    case NumberStyle::ordinal:
        if (positive)
            return ordinal(n);
        break;
    case NumberStyle::leadingZero:
        if (n >= 0 && n < 10)
            return QLatin1Char('0') + QString::number(n);
        break;
    case NumberStyle::bullet:
    case NumberStyle::none:
        return {};
    default:
        break;
    }
    return QString::number(n);
}

int LevelCounters::next(int level, int start)
{
    const auto l = size_t(std::clamp(level, 0, kMaxListLevels - 1));
    m_value[l] = m_started[l] && m_value[l] < 2'000'000'000 ? m_value[l] + 1 : start;
    m_started[l] = true;
    std::fill(m_started.begin() + long(l) + 1, m_started.end(), false);
    return m_value[l];
}

int LevelCounters::at(int level, int start) const
{
    const auto l = size_t(std::clamp(level, 0, kMaxListLevels - 1));
    return m_started[l] ? m_value[l] : start;
}

void LevelCounters::reset()
{
    m_started.fill(false);
}

QString listMarker(const ListDefinition& list, int level)
{
    if (level < 0 || size_t(level) >= list.levels.size())
        return {};
    const ListLevel& own = list.levels[size_t(level)];
    QString marker;
    for (const QChar c : own.text) {
        const int placeholder = c.unicode();
        if (placeholder >= kMaxListLevels) {
            marker += c;
        } else if (size_t(placeholder) < list.levels.size()) {
            const ListLevel& l = list.levels[size_t(placeholder)];
            marker += formatNumber(list.counters.at(placeholder, l.start), l.style);
        }
    }
    return marker.isEmpty() ? marker : marker + follower(own.follow);
}

QString numberingMarker(const ParagraphNumbering& numbering, int n)
{
    QString marker = numbering.before;
    if (numbering.kind == ParagraphNumbering::Kind::Number)
        marker += formatNumber(n, numbering.style);
    marker += numbering.after;
    if (marker.isEmpty() && numbering.kind == ParagraphNumbering::Kind::Bullet)
        marker = QString(QChar(u'\u2022'));
    return marker.isEmpty() ? marker : marker + QLatin1Char('\t');
}

} // namespace corvane::rtf
