// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceConnection.h"

#include <QLocalSocket>
#include <QTimer>

namespace corvane {

TInstanceConnection::TInstanceConnection(
    QLocalSocket* socket, int timeoutMs, Handler handler, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_handler(std::move(handler))
{
    m_socket->setParent(this);
    // Qt stops reading from the kernel once this much waits, so a flood stays outside.
    m_socket->setReadBufferSize(InstanceMessage::maxBytes + 1);
    connect(m_socket, &QLocalSocket::readyRead, this, &TInstanceConnection::readRequest);
    connect(m_socket, &QLocalSocket::disconnected, this, &TInstanceConnection::drop);
    QTimer::singleShot(timeoutMs, this, &TInstanceConnection::drop);
    readRequest(); // bytes may have come with the connection
}

void TInstanceConnection::readRequest()
{
    if (m_done)
        return;
    m_received += m_socket->read(InstanceMessage::maxBytes + 1 - m_received.size());
    TInstanceRequest request;
    switch (decodeInstanceRequest(m_received, &request)) {
    case DecodeState::Incomplete:
        return;
    case DecodeState::Invalid:
        drop();
        return;
    case DecodeState::Complete:
        m_done = true;
        m_socket->write(encodeInstanceReply(m_handler(request)));
        // Leaves once the answer is out; `disconnected` then deletes this.
        m_socket->disconnectFromServer();
        return;
    }
}

void TInstanceConnection::drop()
{
    m_done = true;
    m_socket->abort();
    deleteLater();
}

} // namespace corvane
