#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

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
    LocalHttpServer();
    ~LocalHttpServer() override;

    QUrl url(const QString& pathAndQuery) const;
    void respond(const QByteArray& path, const CannedResponse& response) { m_responses[path] = response; }

    // The head of the last request: request line and headers.
    QByteArray lastRequest() const { return m_lastRequest; }
    int requestCount() const { return m_requestCount; }

signals:
    void requestReceived();

private:
    void accept();
    void read(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const CannedResponse& response);
    void drip(QTcpSocket* socket, const QByteArray& body, const CannedResponse& response);

    QTcpServer m_server;
    QHash<QByteArray, CannedResponse> m_responses;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QByteArray m_lastRequest;
    int m_requestCount = 0;
};

} // namespace spinledger::test

Q_DECLARE_METATYPE(spinledger::test::CannedResponse)
