// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace corvane::test {

// An environment variable holds `value` while the scope lasts; the old value, or its absence,
// comes back after it.
class EnvScope {
public:
    EnvScope(const char* name, const QByteArray& value)
        : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_old = qgetenv(name);
        qputenv(name, value);
    }
    ~EnvScope()
    {
        if (m_old)
            qputenv(m_name, *m_old);
        else
            qunsetenv(m_name);
    }
    EnvScope(const EnvScope&) = delete;
    EnvScope& operator=(const EnvScope&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_old;
};

} // namespace corvane::test
