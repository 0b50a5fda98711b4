// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

namespace corvane {

// The one exception type of the program. It carries the text the user sees; the general
// error handler (ErrorHandler.h) shows it in a message box and the program goes on.
// Expected situations (questions, name clashes, the end of a countdown) never use it.
class CorvaneError : public std::exception {
public:
    explicit CorvaneError(QString text)
        : m_text(std::move(text))
        , m_utf8(m_text.toUtf8())
    {
    }
    // "Unable to write to %s" style: the argument replaces the first %s.
    CorvaneError(const QString& format, const QString& arg)
        : CorvaneError(QString(format).replace(QStringLiteral("%s"), arg))
    {
    }

    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

} // namespace corvane
