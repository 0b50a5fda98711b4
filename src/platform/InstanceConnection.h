// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/InstanceMessage.h"

#include <QObject>
#include <functional>

class QLocalSocket;

namespace corvane {

// One peer on the running Corvane's socket. It keeps at most InstanceMessage::maxBytes of
// what the peer sends, answers a well-formed request with the handler's reply,
// and drops the peer on anything else: bytes that are not a request, too many bytes, or no
// whole request within timeoutMs. It deletes itself (and the socket it owns) when done.
class TInstanceConnection : public QObject {
public:
    using Handler = std::function<TInstanceReply(const TInstanceRequest&)>;
    TInstanceConnection(QLocalSocket* socket, int timeoutMs, Handler handler, QObject* parent);

private:
    void readRequest();
    void drop();

    QLocalSocket* m_socket;
    Handler m_handler;
    QByteArray m_received;
    bool m_done = false;
};

} // namespace corvane
