#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>

// A tiny HTTP server on 127.0.0.1 with canned answers per path. Paths without
// an answer get 404; "silent" paths are accepted and never answered.
class LoopbackServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LoopbackServer(QObject* parent = nullptr);

    // "http://127.0.0.1:<port>"
    QString address() const;
    // "http://127.0.0.1:<port>" of a port where nothing listens.
    static QString unreachableAddress();
    // headers: more header lines, each ending with "\r\n".
    void setAnswer(const QString& path, int status, const QByteArray& body,
                   const QByteArray& headers = QByteArray());
    void setSilent(const QString& path);
    // Sends bytes as they are, with no status line or headers added, and closes.
    void setRawAnswer(const QString& path, const QByteArray& bytes);
    // The paths (with query) asked for, in order.
    QStringList requests() const { return m_requests; }

signals:
    void requested(const QString& path);

private:
    void serve(QTcpSocket* socket);

    struct Answer
    {
        int status = 404;
        QByteArray body;
        QByteArray headers;
        bool silent = false;
        bool raw = false;
    };
    QMap<QString, Answer> m_answers;
    QStringList m_requests;
};
