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
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void LoopbackServer::setAnswer(const QString& path, int status, const QByteArray& body,
                               const QByteArray& headers)
{
    m_answers[path] = { status, body, headers, false };
}

void LoopbackServer::setSilent(const QString& path)
{
    m_answers[path] = { 0, QByteArray(), QByteArray(), true };
}

void LoopbackServer::serve(QTcpSocket* socket)
{
    QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    if (!received.contains("\r\n\r\n") || socket->property("served").toBool())
        return;
    socket->setProperty("served", true);

    // "GET /path?query HTTP/1.1"
    const QList<QByteArray> requestLine = received.left(received.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    m_requests.append(path);
    emit requested(path);

    const Answer answer = m_answers.value(path);
    if (answer.silent)
        return;
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(answer.status) + " Canned\r\n";
    reply += answer.headers;
    reply += "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(answer.body.size());
    reply += "\r\nConnection: close\r\n\r\n" + answer.body;
    socket->write(reply);
    socket->disconnectFromHost();
}
