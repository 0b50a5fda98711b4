// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "common/CommaText.h"

namespace corvane {

namespace {
constexpr QChar quote = QLatin1Char('"');
constexpr QChar comma = QLatin1Char(',');

// Blanks and control characters, codes 1 to 32. A NUL is an ordinary character here: it
// cannot end the text early the way it would in a C string.
bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

class Reader {
public:
    explicit Reader(const QString& text)
        : m_text(text)
    {
    }

    QStringList entries()
    {
        QStringList result;
        skipBlanks();
        while (!atEnd()) {
            result << (current() == quote ? quotedEntry() : plainEntry());
            skipBlanks();
            if (!atEnd() && current() == comma) {
                ++m_pos;
                // Only a comma that is the very last character opens a last, empty entry.
                if (atEnd())
                    result << QString();
                skipBlanks();
            }
        }
        return result;
    }

private:
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar current() const { return m_text.at(m_pos); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(current()))
            ++m_pos;
    }

    QString plainEntry()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && current() != comma && !isBlank(current()))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    // Runs to the closing quote, or to the end of the text when there is none.
    QString quotedEntry()
    {
        QString entry;
        ++m_pos;
        while (!atEnd()) {
            const QChar c = current();
            ++m_pos;
            if (c != quote) {
                entry += c;
                continue;
            }
            if (atEnd() || current() != quote)
                break;
            entry += quote;
            ++m_pos;
        }
        return entry;
    }

    const QString& m_text;
    qsizetype m_pos = 0;
};

bool needsQuotes(const QString& entry)
{
    for (QChar c : entry) {
        if (isBlank(c) || c == comma || c == quote)
            return true;
    }
    return false;
}

QString quoted(QString entry)
{
    entry.replace(quote, QStringLiteral("\"\""));
    return quote + entry + quote;
}
} // namespace

QStringList commaTextSplit(const QString& text)
{
    return Reader(text).entries();
}

QString commaTextJoin(const QStringList& entries)
{
    QStringList written;
    written.reserve(entries.size());
    for (const QString& entry : entries)
        written << (needsQuotes(entry) ? quoted(entry) : entry);
    return written.join(comma);
}

} // namespace corvane
