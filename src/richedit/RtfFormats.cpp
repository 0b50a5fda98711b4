// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfFormats.h"

#include <QTextOption>
#include <algorithm>

namespace corvane::rtf {

namespace {
QTextCharFormat::UnderlineStyle toUnderlineStyle(Underline u)
{
    switch (u) {
    case Underline::None:
        return QTextCharFormat::NoUnderline;
    case Underline::Dotted:
        return QTextCharFormat::DotLine;
    case Underline::Dash:
        return QTextCharFormat::DashUnderline;
    case Underline::Wave:
        return QTextCharFormat::WaveUnderline;
    default:
        return QTextCharFormat::SingleUnderline;
    }
}

QColor colourAt(const DocumentTables& tables, int index)
{
    if (index <= 0 || size_t(index) >= tables.colours.size())
        return {};
    return tables.colours[size_t(index)];
}

double pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

Qt::Alignment toQtAlignment(Alignment a)
{
    switch (a) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Justify:
        return Qt::AlignJustify;
    default:
        return Qt::AlignLeft;
    }
}

QTextOption::TabType toTabType(TabKind k)
{
    switch (k) {
    case TabKind::Center:
        return QTextOption::CenterTab;
    case TabKind::Right:
        return QTextOption::RightTab;
    case TabKind::Decimal:
        return QTextOption::DelimiterTab;
    default:
        return QTextOption::LeftTab;
    }
}

void setLineSpacing(QTextBlockFormat& f, const ParaState& s)
{
    if (s.lineSpacing == 0)
        return;
    if (s.lineMultiple && s.lineSpacing > 0)
        f.setLineHeight(s.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (s.lineSpacing > 0)
        f.setLineHeight(pixels(s.lineSpacing), QTextBlockFormat::MinimumHeight);
    else
        f.setLineHeight(pixels(-s.lineSpacing), QTextBlockFormat::FixedHeight);
}
} // namespace

QTextCharFormat toCharFormat(const CharState& s, const DocumentTables& tables)
{
    QTextCharFormat f;
    // A symbol font's text has been turned into the Unicode characters it shows, which the
    // text font draws; a font of that name on this system (often one with the symbol layout)
    // would draw them as nothing at all.
    if (auto font = tables.fonts.find(s.font); font != tables.fonts.end()
        && !font->second.name.isEmpty() && font->second.symbol == SymbolFont::None)
        f.setFontFamilies(QStringList{font->second.name});
    f.setFontPointSize(std::clamp(s.halfPoints, 2, 3200) / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontStrikeOut(s.strike);
    f.setUnderlineStyle(toUnderlineStyle(s.underline));
    if (const QColor c = colourAt(tables, s.foreground); c.isValid())
        f.setForeground(c);
    if (const QColor c = colourAt(tables, s.background); c.isValid())
        f.setBackground(c);
    if (s.vertical == VerticalPosition::Super)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical == VerticalPosition::Sub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (s.link >= 0 && size_t(s.link) < tables.links.size()) {
        f.setAnchor(true);
        f.setAnchorHref(tables.links[size_t(s.link)]);
    }
    return f;
}

QTextBlockFormat toBlockFormat(const ParaState& s)
{
    QTextBlockFormat f;
    f.setAlignment(toQtAlignment(s.alignment));
    f.setLeftMargin(pixels(s.leftIndent));
    f.setRightMargin(pixels(s.rightIndent));
    f.setTextIndent(pixels(s.firstIndent));
    f.setTopMargin(pixels(s.spaceBefore));
    f.setBottomMargin(pixels(s.spaceAfter));
    setLineSpacing(f, s);
    // RTF measures tab stops from the page's left margin, Qt from where the line begins. Tabs
    // belong to a paragraph's first line nearly always (a list's marker, a row of columns),
    // so stops are taken from where that line begins; those before it can never be reached.
    const int origin = s.leftIndent + s.firstIndent;
    QList<QTextOption::Tab> tabs;
    for (const TabStop& t : s.tabs) {
        if (t.twips > origin)
            tabs.append(
                QTextOption::Tab(pixels(t.twips - origin), toTabType(t.kind), QLatin1Char('.')));
    }
    // Word processors stop a tab at a hanging indent when the paragraph sets no stops: a list
    // item's marker and tab bring its first line to where the wrapped lines start.
    if (s.tabs.empty() && s.firstIndent < 0)
        tabs.append(QTextOption::Tab(pixels(-s.firstIndent), QTextOption::LeftTab));
    if (!tabs.isEmpty())
        f.setTabPositions(tabs);
    if (s.pageBreakBefore)
        f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return f;
}

} // namespace corvane::rtf
