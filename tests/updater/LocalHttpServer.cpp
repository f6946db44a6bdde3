#include "LocalHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace spinledger::test {

LocalHttpServer::LocalHttpServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::accept);
}

LocalHttpServer::~LocalHttpServer()
{
    m_server.close();
}

QUrl LocalHttpServer::url(const QString& pathAndQuery) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(pathAndQuery));
}

void LocalHttpServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
    }
}

void LocalHttpServer::read(QTcpSocket* socket)
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
    const QByteArray target = m_lastRequest.split(' ').value(1);
    const QByteArray path = target.split('?').value(0);
    CannedResponse notFound;
    notFound.status = 404;
    answer(socket, m_responses.value(path, notFound));
}

void LocalHttpServer::answer(QTcpSocket* socket, const CannedResponse& response)
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
    const QByteArray body = response.sendBytes >= 0 ? response.body.left(response.sendBytes) : response.body;
    if (response.dripMs > 0)
        return drip(socket, body, response);
    socket->write(body);
    if (!response.keepOpen)
        socket->disconnectFromHost();
}

void LocalHttpServer::drip(QTcpSocket* socket, const QByteArray& body, const CannedResponse& response)
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

} // namespace spinledger::test
