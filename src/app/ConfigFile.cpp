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
    for (int n = 1; n <= 4; ++n)
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
    for (int n = 1; n <= 4; ++n)
        m_ini.writeBool(General, optionKey(n), o.GenOptions[n]);
    m_ini.writeString(Language, QStringLiteral("File"), o.LangFile);
    m_ini.writeString(Font, QStringLiteral("Name"), o.ProgFont.Name);
    m_ini.writeInteger(Font, QStringLiteral("Color"), o.ProgFont.Color);
    m_ini.writeInteger(Messages, QStringLiteral("Start color"), o.MsgStartColor);
    m_ini.writeInteger(Messages, QStringLiteral("End color"), o.MsgEndColor);
    m_ini.writeString(General, QStringLiteral("Theme"), o.Theme);
    m_ini.writeInteger(General, QStringLiteral("Left"), position.x());
    m_ini.writeInteger(General, QStringLiteral("Top"), position.y());
}

} // namespace corvane
