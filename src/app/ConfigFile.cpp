// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ConfigFile.h"

#include "platform/ProgramFolder.h"

namespace corvane {

namespace {
const QString General = QStringLiteral("General");
const QString Language = QStringLiteral("Language");
const QString Font = QStringLiteral("ProgFont");
const QString Messages = QStringLiteral("Messages");

QString optionKey(int n)
{
    return QStringLiteral("Option %1").arg(n);
}
} // namespace

QString ConfigFile::defaultPath()
{
    return programPath(QStringLiteral("Data/CORVANE.INI"));
}

QString ConfigFile::storedLanguage() const
{
    return m_ini.readString(Language, QStringLiteral("File"), QString());
}

void ConfigFile::storeLanguage(const QString& file)
{
    m_ini.writeString(Language, QStringLiteral("File"), file);
}

TOptionsRec ConfigFile::readOptions() const
{
    const TOptionsRec defaults;
    TOptionsRec o;
    for (int n = 1; n <= TOptionsRec::genOptionCount; ++n)
        o.GenOptions[n] = m_ini.readBool(General, optionKey(n), defaults.GenOptions[n]);
    o.LangFile = m_ini.readString(Language, QStringLiteral("File"), defaults.LangFile);
    o.ProgFont.Name = m_ini.readString(Font, QStringLiteral("Name"), defaults.ProgFont.Name);
    o.ProgFont.Color = m_ini.readInteger(Font, QStringLiteral("Color"), defaults.ProgFont.Color);
    o.MsgStartColor
        = m_ini.readInteger(Messages, QStringLiteral("Start color"), defaults.MsgStartColor);
    o.MsgEndColor = m_ini.readInteger(Messages, QStringLiteral("End color"), defaults.MsgEndColor);
    o.Theme = m_ini.readString(General, QStringLiteral("Theme"), defaults.Theme);
    return o;
}

QPoint ConfigFile::readPosition(const QPoint& defaultPos) const
{
    const int left = m_ini.readInteger(General, QStringLiteral("Left"), defaultPos.x());
    const int top = m_ini.readInteger(General, QStringLiteral("Top"), defaultPos.y());
    return {left, top};
}

void ConfigFile::writeOptions(const TOptionsRec& o, const QPoint& position)
{
    const auto number = [](int n) { return QString::number(n); };
    std::vector<ProfileWrite> writes;
    for (int n = 1; n <= TOptionsRec::genOptionCount; ++n)
        writes.push_back({General, optionKey(n), number(o.GenOptions[n] ? 1 : 0)});
    writes.push_back({Language, QStringLiteral("File"), o.LangFile});
    writes.push_back({Font, QStringLiteral("Name"), o.ProgFont.Name});
    writes.push_back({Font, QStringLiteral("Color"), number(o.ProgFont.Color)});
    writes.push_back({Messages, QStringLiteral("Start color"), number(o.MsgStartColor)});
    writes.push_back({Messages, QStringLiteral("End color"), number(o.MsgEndColor)});
    writes.push_back({General, QStringLiteral("Theme"), o.Theme});
    writes.push_back({General, QStringLiteral("Left"), number(position.x())});
    writes.push_back({General, QStringLiteral("Top"), number(position.y())});
    // One replacement of the file instead of a dozen: a large file is copied and synced once.
    m_ini.writeStrings(writes);
}

} // namespace corvane
