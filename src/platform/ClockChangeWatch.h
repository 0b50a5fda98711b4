// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace corvane {

// Says when the system's wall clock jumps, not when it merely runs on, so that work planned
// by wall-clock time can be reconsidered at once: when the clock is set (by the user, or by
// time synchronisation stepping it), and when the computer wakes from suspend. Timers count
// a monotonic clock that stands still while the computer sleeps, so a timer's wait would
// otherwise resume where it stopped while the wall clock has moved on. Costs nothing while
// the clock is left alone.
class ClockChangeWatch : public QObject {
    Q_OBJECT
public:
    explicit ClockChangeWatch(QObject* parent = nullptr);
    ~ClockChangeWatch() override;

    // False where the system cannot tell (then nothing is ever signalled).
    bool isWatching() const { return m_fd >= 0; }

Q_SIGNALS:
    void changed();

private:
    bool arm();
    void readReady();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace corvane
