#pragma once

#include <QMap>
#include <QStringList>
#include <QTcpServer>

class QSslSocket;

// A tiny HTTP server on 127.0.0.1 with canned answers per path (404 for the others), in plain
// text or TLS. As a proxy it answers a request for a whole address like one for its path, and
// acknowledges a CONNECT and then serves the connection as if it had come directly.
class LoopbackServer : public QTcpServer
{
    Q_OBJECT

public:
    enum Ending { Close, Reset, StayOpen }; // how an answer ends the connection

    explicit LoopbackServer(QObject* parent = nullptr);

    QString address() const; // "http://127.0.0.1:<port>"
    static QString unreachableAddress(); // the address of a port where nothing listens
    // headers: more header lines, each ending with "\r\n".
    void setAnswer(const QString& path, int status, const QByteArray& body,
                   const QByteArray& headers = QByteArray());
    void setSilent(const QString& path) { setRawAnswer(path, QByteArray(), StayOpen); } // never answered
    // Sends bytes as they are, one every interval ms (all at once for 0), then ends as told.
    void setRawAnswer(const QString& path, const QByteArray& bytes, Ending ending = Close, int interval = 0);
    // Serves TLS with the certificate and key of these PEM files; as a proxy after a CONNECT.
    void setCertificate(const QString& certificateFile, const QString& keyFile, bool proxy = false);
    // The paths (with query) asked for, in order; "CONNECT host:port" for a tunnel.
    QStringList requests() const { return m_requests; }

    // Makes in dir an authority "ca.pem" and, with the key "key.pem", certificates for 127.0.0.1 it
    // signed ("good.pem", "expired.pem"), one for another host ("other.pem"), a self-signed one.
    static bool makeCertificates(const QString& dir);
    static QByteArray gzip(const QByteArray& bytes);

signals:
    void requested(const QString& path);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    struct Answer
    {
        QByteArray bytes;
        Ending ending = Close;
        int interval = 0;
    };
    void serve(QSslSocket* socket);
    void startTls(QSslSocket* socket);

    QMap<QString, Answer> m_answers;
    QStringList m_requests;
    QString m_certificateFile;
    QString m_keyFile;
    bool m_proxy = false;
};
