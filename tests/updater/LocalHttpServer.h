#pragma once

#include "SetUp.h"

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace spinledger::test {

// What the server answers on one path.
struct CannedResponse
{
    int status = 200;
    QByteArray body = {};
    qint64 claimedLength = -1; // Content-Length sent; -1: the body's size
    bool sendLength = true;    // false: the end of the body is the end of the connection
    qint64 sendBytes = -1;     // bytes of the body actually sent; -1: all
    bool keepOpen = false;     // after sending, the connection stays open
    QByteArray location = {};  // for a redirect
    bool silent = false;       // accept the connection and never answer
    bool hangUp = false;       // close the connection without answering
    int dripMs = 0;            // > 0: the body goes out one byte per interval
};

// An HTTP/1.1 server on 127.0.0.1 that the test starts and stops itself.
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    LocalHttpServer()
    {
        setUp(m_server.listen(QHostAddress::LocalHost, 0), "no local port to listen on");
        connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
    }

    QUrl url(const QString& pathAndQuery) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(pathAndQuery));
    }
    void respond(const QByteArray& path, const CannedResponse& response) { m_responses[path] = response; }

    // The head of the last request: request line and headers.
    QByteArray lastRequest() const { return m_lastRequest; }
    int requestCount() const { return m_requestCount; }

signals:
    void requestReceived();

private:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket)
    {
        QByteArray& buffer = m_pending[socket];
        buffer += socket->readAll();
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        m_lastRequest = buffer.left(end);
        ++m_requestCount;
        emit requestReceived();
        buffer.clear();
        const QByteArray path = m_lastRequest.split(' ').value(1).split('?').value(0);
        answer(socket, m_responses.value(path, CannedResponse{.status = 404}));
    }

    void answer(QTcpSocket* socket, const CannedResponse& response)
    {
        if (response.silent)
            return;
        if (response.hangUp)
            return socket->abort();
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Status\r\n";
        if (response.sendLength) {
            const qint64 length = response.claimedLength >= 0 ? response.claimedLength : response.body.size();
            head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        }
        if (!response.location.isEmpty())
            head += "Location: " + response.location + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head);
        const QByteArray body =
            response.sendBytes >= 0 ? response.body.left(response.sendBytes) : response.body;
        if (response.dripMs > 0)
            return drip(socket, body, response);
        socket->write(body);
        if (!response.keepOpen)
            socket->disconnectFromHost();
    }

    void drip(QTcpSocket* socket, const QByteArray& body, const CannedResponse& response)
    {
        auto* timer = new QTimer(socket);
        connect(timer, &QTimer::timeout, socket,
                [socket, timer, body, keepOpen = response.keepOpen, sent = qsizetype(0)]() mutable {
                    if (sent < body.size()) {
                        socket->write(body.mid(sent++, 1));
                        return;
                    }
                    timer->stop();
                    if (!keepOpen)
                        socket->disconnectFromHost();
                });
        timer->start(response.dripMs);
    }

    QTcpServer m_server;
    QHash<QByteArray, CannedResponse> m_responses;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QByteArray m_lastRequest;
    int m_requestCount = 0;
};

} // namespace spinledger::test

Q_DECLARE_METATYPE(spinledger::test::CannedResponse)
