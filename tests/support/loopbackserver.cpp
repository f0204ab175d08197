#include "loopbackserver.h"

#include <QProcess>
#include <QSslSocket>
#include <QTimer>

#include <sys/socket.h>

LoopbackServer::LoopbackServer(QObject* parent)
    : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost);
}

QString LoopbackServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(serverPort());
}

QString LoopbackServer::unreachableAddress()
{
    return LoopbackServer().address(); // a port that was free a moment ago
}

void LoopbackServer::setAnswer(const QString& path, int status, const QByteArray& body,
                               const QByteArray& headers)
{
    setRawAnswer(path,
                 "HTTP/1.1 " + QByteArray::number(status) + " Canned\r\n" + headers
                     + "Content-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size())
                     + "\r\nConnection: close\r\n\r\n" + body);
}

void LoopbackServer::setRawAnswer(const QString& path, const QByteArray& bytes, Ending ending, int interval)
{
    m_answers[path] = { bytes, ending, interval };
}

void LoopbackServer::setCertificate(const QString& certificateFile, const QString& keyFile, bool proxy)
{
    m_certificateFile = certificateFile;
    m_keyFile = keyFile;
    m_proxy = proxy;
}

void LoopbackServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QSslSocket(this);
    socket->setSocketDescriptor(descriptor);
    connect(socket, &QSslSocket::readyRead, this, [this, socket] { serve(socket); });
    if (!m_certificateFile.isEmpty() && !m_proxy)
        startTls(socket);
}

void LoopbackServer::startTls(QSslSocket* socket)
{
    socket->setLocalCertificate(m_certificateFile);
    socket->setPrivateKey(m_keyFile, QSsl::Ec);
    socket->startServerEncryption();
}

void LoopbackServer::serve(QSslSocket* socket)
{
    // Answered once the header is complete: "GET /path", "GET http://host:port/path", "CONNECT host:port".
    const QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    if (!received.contains("\r\n\r\n") || socket->property("served").toBool())
        return;
    const QList<QByteArray> request = received.left(received.indexOf("\r\n")).split(' ');
    QString path = QString::fromLatin1(request.value(1));
    if (request.first() == "CONNECT") {
        m_requests.append(QStringLiteral("CONNECT ") + path);
        socket->setProperty("received", QByteArray());
        socket->write("HTTP/1.1 200 Connection established\r\n\r\n");
        socket->flush();
        if (!m_certificateFile.isEmpty())
            startTls(socket);
        return;
    }
    socket->setProperty("served", true);
    m_requests.append(path);
    emit requested(path);

    if (path.startsWith(QLatin1String("http://")))
        path = path.mid(path.indexOf(QLatin1Char('/'), 7));
    const Answer answer = m_answers.value(path, { "HTTP/1.1 404 Canned\r\nContent-Length: 0\r\n\r\n" });
    auto* timer = new QTimer(socket);
    connect(timer, &QTimer::timeout, socket, [socket, timer, answer, sent = 0]() mutable {
        if (sent < answer.bytes.size()) {
            sent += int(socket->write(answer.bytes.mid(sent, answer.interval > 0 ? 1 : -1)));
            return;
        }
        timer->stop();
        if (answer.ending == Close) {
            socket->disconnectFromHost();
        } else if (answer.ending == Reset) { // without lingering the close sends a reset
            socket->flush();
            const linger none { 1, 0 };
            setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &none, sizeof none);
            socket->abort();
        }
    });
    timer->start(answer.interval);
}

bool LoopbackServer::makeCertificates(const QString& dir)
{
    const char* script = R"(cd "$1" && set -e
openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -keyout ca.key -out ca.pem -subj /CN=ca 2>/dev/null
openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:P-256 -out key.pem
openssl req -x509 -key key.pem -subj /CN=self -addext subjectAltName=IP:127.0.0.1 -out self.pem
sign() { openssl req -new -key key.pem -subj /CN=$1 -addext subjectAltName=$2 | openssl x509 -req \
  -CA ca.pem -CAkey ca.key -set_serial $3 -days $4 -copy_extensions copy -out $1.pem 2>/dev/null; }
sign good IP:127.0.0.1 1 2 && sign other DNS:other.invalid 2 2 && sign expired IP:127.0.0.1 3 -1)";
    return QProcess::execute(QStringLiteral("sh"),
                             { QStringLiteral("-c"), QString::fromLatin1(script), QStringLiteral("sh"), dir })
        == 0;
}

QByteArray LoopbackServer::gzip(const QByteArray& bytes)
{
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), { QStringLiteral("-c") });
    gzip.write(bytes);
    gzip.closeWriteChannel();
    gzip.waitForFinished();
    return gzip.readAllStandardOutput();
}
