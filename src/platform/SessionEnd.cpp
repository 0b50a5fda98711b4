// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SessionEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace corvane {

namespace {
constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

int pipeEnds[2] = {-1, -1};
std::array<struct sigaction, kSignals.size()> previous{};

// Only async-signal-safe calls: one write, errno kept. A full pipe already holds a wake-up.
extern "C" void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}
} // namespace

TSessionEnd::TSessionEnd(QObject* parent)
    : QObject(parent)
{
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(app, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { Q_EMIT ending(0); });
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TSessionEnd::readSignals);
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

TSessionEnd::~TSessionEnd()
{
    if (!m_notifier)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    for (int& end : pipeEnds) {
        ::close(end);
        end = -1;
    }
}

void TSessionEnd::readSignals()
{
    unsigned char bytes[16];
    ssize_t got;
    while ((got = ::read(pipeEnds[0], bytes, sizeof bytes)) > 0)
        for (ssize_t i = 0; i < got; ++i)
            Q_EMIT ending(bytes[i]);
}

} // namespace corvane
