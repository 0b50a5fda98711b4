// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace corvane {

// Says when the desktop session ends or the process is asked to stop (SIGTERM, SIGINT,
// SIGHUP), so the program can save what it holds. The signal handler only writes a byte into
// a pipe; `ending` is emitted from the event loop, where saving is safe. The session
// manager's request to save (commitDataRequest) is reported the same way. One at a time;
// the old handlers come back when it is destroyed.
class TSessionEnd : public QObject {
    Q_OBJECT
public:
    explicit TSessionEnd(QObject* parent = nullptr);
    ~TSessionEnd() override;

    // Whether the signal handlers are in place (a pipe could be made).
    bool watching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    // `signal` is the signal's number, or 0 for the session manager's request.
    void ending(int signal);

private:
    void readSignals();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace corvane
