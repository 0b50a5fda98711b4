// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <ctime>

namespace corvane::test {

// Germany's rules as a POSIX zone string, so tests need no zone database: CET (UTC+1), and
// CEST (UTC+2) from the last Sunday of March 02:00 to the last Sunday of October 03:00.
inline constexpr char berlinZone[] = "CET-1CEST,M3.5.0,M10.5.0/3";

// Local time follows `zone` while the scope lasts; the machine's zone comes back after it.
class TimeZoneScope {
public:
    explicit TimeZoneScope(const char* zone)
        : m_hadZone(qEnvironmentVariableIsSet("TZ"))
        , m_oldZone(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (m_hadZone)
            qputenv("TZ", m_oldZone);
        else
            qunsetenv("TZ");
        tzset();
    }
    TimeZoneScope(const TimeZoneScope&) = delete;
    TimeZoneScope& operator=(const TimeZoneScope&) = delete;

private:
    bool m_hadZone;
    QByteArray m_oldZone;
};

} // namespace corvane::test
