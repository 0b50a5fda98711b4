// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ClockChangeWatch.h"

#include <QSocketNotifier>

#ifdef __linux__
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace corvane {

ClockChangeWatch::ClockChangeWatch(QObject* parent)
    : QObject(parent)
{
#ifdef __linux__
    // A wall-clock timer set far into the future with "cancel on set": it never expires,
    // but reading it fails with ECANCELED as soon as the wall clock's offset from the
    // monotonic clock changes. Setting the clock changes it, and so does every resume: the
    // sleep is added to the wall clock but not to the monotonic one, and the kernel treats
    // resume as a setting of the clock and cancels such timers then too.
    m_fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    if (!arm()) {
        ::close(m_fd);
        m_fd = -1;
        return;
    }
    m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ClockChangeWatch::readReady);
#endif
}

ClockChangeWatch::~ClockChangeWatch()
{
#ifdef __linux__
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

bool ClockChangeWatch::arm()
{
#ifdef __linux__
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec farFuture{};
    farFuture.it_value.tv_sec = now.tv_sec + time_t(100) * 365 * 24 * 3600;
    return timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farFuture, nullptr)
        == 0;
#else
    return false;
#endif
}

void ClockChangeWatch::readReady()
{
#ifdef __linux__
    std::uint64_t expirations = 0;
    const ssize_t n = ::read(m_fd, &expirations, sizeof expirations);
    const bool cancelled = n < 0 && errno == ECANCELED;
    // Cancellation disarms the timer; it must be set again to notice the next change.
    if (n < 0 && errno == EAGAIN)
        return;
    if (!arm()) {
        m_notifier->setEnabled(false);
        return;
    }
    if (cancelled)
        Q_EMIT changed();
#endif
}

} // namespace corvane
