#include "loopbackserver.h"

#include <QTcpSocket>

LoopbackServer::LoopbackServer(QObject* parent)
    : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QString LoopbackServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

QString LoopbackServer::unreachableAddress()
{
    // A port that was free a moment ago.
    return LoopbackServer().address();
}

void LoopbackServer::setAnswer(const QString& path, int status, const QByteArray& body,
                               const QByteArray& headers)
{
    m_answers[path] = { status, body, headers, false, false };
}

void LoopbackServer::setSilent(const QString& path)
{
    m_answers[path] = { 0, QByteArray(), QByteArray(), true, false };
}

void LoopbackServer::setRawAnswer(const QString& path, const QByteArray& bytes)
{
    m_answers[path] = { 0, bytes, QByteArray(), false, true };
}

void LoopbackServer::serve(QTcpSocket* socket)
{
    // The request is answered once its header is complete: "GET /path?query HTTP/1.1" ...
    const QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    if (!received.contains("\r\n\r\n") || socket->property("served").toBool())
        return;
    socket->setProperty("served", true);
    const QString path = QString::fromLatin1(received.left(received.indexOf("\r\n")).split(' ').value(1));
    m_requests.append(path);
    emit requested(path);

    const Answer answer = m_answers.value(path);
    if (answer.silent)
        return;
    if (answer.raw) {
        socket->write(answer.body);
        socket->disconnectFromHost();
        return;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Canned\r\n";
    reply += answer.headers;
    reply += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(answer.body.size());
    reply += "\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(reply);
    socket->disconnectFromHost();
}
