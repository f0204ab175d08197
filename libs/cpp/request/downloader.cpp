#include "downloader.h"

#include "contentdecoder.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <climits>
#include <curl/curl.h>

namespace QMRequest {

// One download: an easy handle on a multi handle of its own, a socket notifier
// for each socket and direction that curl waits on, and the decoder of the
// answer's content coding.
struct Downloader::Transfer
{
    explicit Transfer(Downloader* owner);
    ~Transfer();
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    // Tells curl that the socket is ready (CURL_SOCKET_TIMEOUT: that its timer
    // ran out) and ends the download once curl is done with it.
    void drive(curl_socket_t socket, int events);
    void conclude(CURLcode result);
    // The decoder for the coding the answer's headers name, made once they are there.
    ContentDecoder& decoder();

    static int watchSocket(CURL*, curl_socket_t socket, int what, void* transfer, void*);
    static int setTimer(CURLM*, long milliseconds, void* transfer);
    static size_t onHeader(char*, size_t size, size_t count, void* transfer);
    static size_t onBody(char* bytes, size_t size, size_t count, void* transfer);
    static void drop(QSocketNotifier* notifier);

    Downloader* owner;
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    bool added = false;
    QHash<curl_socket_t, QSocketNotifier*> notifiers[2]; // read, write
    std::unique_ptr<ContentDecoder> contentDecoder;
    bool undecodable = false; // the body could not be decoded
    char error[CURL_ERROR_SIZE] = {};
};

Downloader::Transfer::Transfer(Downloader* owner)
    : owner(owner)
{
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    multi = initialised == CURLE_OK ? curl_multi_init() : nullptr;
    easy = multi ? curl_easy_init() : nullptr;
    if (!easy) {
        // Reported from the event loop like any other failure.
        owner->m_curlTimer->start(0);
        return;
    }
    curl_multi_setopt(multi, CURLMOPT_SOCKETFUNCTION, &Transfer::watchSocket);
    curl_multi_setopt(multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(multi, CURLMOPT_TIMERFUNCTION, &Transfer::setTimer);
    curl_multi_setopt(multi, CURLMOPT_TIMERDATA, this);

    const QByteArray agent
        = (QCoreApplication::applicationName() + QLatin1Char('/') + QCoreApplication::applicationVersion())
              .toUtf8();
    curl_easy_setopt(easy, CURLOPT_URL, owner->m_url.toEncoded().constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!owner->m_authorities.isEmpty()) {
        curl_easy_setopt(easy, CURLOPT_CAINFO, QFile::encodeName(owner->m_authorities).constData());
        curl_easy_setopt(easy, CURLOPT_CAPATH, static_cast<char*>(nullptr));
    }
    // A total limit, however slowly the bytes come.
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, long(qMax(1, owner->m_timeout)));
    // Refuses an announced length over the limit before the body comes.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(qMax<qint64>(1, owner->m_maximumSize)));
    // The body comes as sent and is decoded here, which tells a compressed body
    // cut short from a whole one (curl takes what it has decoded so far as the
    // whole body). The decoded bytes count against the limit.
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "gzip");
    curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 0L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.constData());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // curl looks names up on a thread of its own. Ending a transfer (at its
    // time bound, by abort(), by deleting the downloader) leaves a lookup that
    // still waits for the name server to that thread, which frees what it holds
    // when the lookup returns, instead of waiting for it here: without a name
    // server's answer that wait could take as long as the system's resolver
    // retries, with the event loop stalled.
    curl_easy_setopt(easy, CURLOPT_QUICK_EXIT, 1L);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Transfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    // Sets curl's timer, which starts the transfer from the event loop.
    added = curl_multi_add_handle(multi, easy) == CURLM_OK;
    if (!added)
        owner->m_curlTimer->start(0);
}

Downloader::Transfer::~Transfer()
{
    if (added)
        curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    for (auto& kind : notifiers) {
        for (QSocketNotifier* notifier : kind)
            drop(notifier);
    }
}

void Downloader::Transfer::drive(curl_socket_t socket, int events)
{
    if (!added) {
        conclude(CURLE_FAILED_INIT);
        return;
    }
    int running = 0;
    curl_multi_socket_action(multi, socket, events, &running);
    int queued = 0;
    while (const CURLMsg* message = curl_multi_info_read(multi, &queued)) {
        if (message->msg == CURLMSG_DONE) {
            conclude(message->data.result);
            return; // this transfer is gone
        }
    }
}

void Downloader::Transfer::conclude(CURLcode result)
{
    long status = 0;
    if (easy)
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
    Downloader* downloader = owner;
    QString reason;
    if (downloader->m_tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        reason = tr("The answer is too large");
    } else if (result == CURLE_OPERATION_TIMEDOUT) {
        downloader->m_timedOut = true;
        reason = tr("The server did not answer in time");
    } else if (result != CURLE_OK && !undecodable) {
        reason = QString::fromUtf8(*error ? error : curl_easy_strerror(result));
    } else if (status != 200) {
        // Redirects among them: they are not followed.
        reason = tr("The server answered with status %1").arg(status);
    } else if (!decoder().unsupportedCoding().isEmpty()) {
        reason = tr("The answer came in an unsupported encoding (%1)")
                     .arg(QString::fromLatin1(decoder().unsupportedCoding()));
    } else if (undecodable) {
        reason = tr("The compressed answer is damaged");
    } else if (!decoder().isComplete()) {
        // Whatever announced the end (the length, the last chunk, the closed
        // connection), the compressed data did not come to its end.
        reason = tr("The compressed answer was cut short");
    }
    downloader->finish(reason); // deletes this transfer
}

ContentDecoder& Downloader::Transfer::decoder()
{
    if (!contentDecoder) {
        // The headers of the answer itself, not those of a proxy's tunnel.
        QByteArrayList codings;
        curl_header* header = nullptr;
        for (size_t index = 0;
             curl_easy_header(easy, "Content-Encoding", index, CURLH_HEADER, -1, &header) == CURLHE_OK;
             ++index) {
            codings.append(header->value);
            if (index + 1 >= header->amount)
                break;
        }
        contentDecoder = std::make_unique<ContentDecoder>(codings);
    }
    return *contentDecoder;
}

int Downloader::Transfer::watchSocket(CURL*, curl_socket_t socket, int what, void* transfer, void*)
{
    auto* self = static_cast<Transfer*>(transfer);
    for (int kind = 0; kind < 2; ++kind) {
        QSocketNotifier* notifier = self->notifiers[kind].value(socket);
        // CURL_POLL_REMOVE has neither bit.
        const bool wanted = what & (kind == 0 ? CURL_POLL_IN : CURL_POLL_OUT);
        if (wanted && !notifier) {
            notifier = new QSocketNotifier(socket, kind == 0 ? QSocketNotifier::Read : QSocketNotifier::Write,
                                           self->owner);
            Downloader* owner = self->owner;
            const int events = kind == 0 ? CURL_CSELECT_IN : CURL_CSELECT_OUT;
            QObject::connect(notifier, &QSocketNotifier::activated, notifier, [owner, socket, events] {
                if (owner->m_transfer)
                    owner->m_transfer->drive(socket, events);
            });
            self->notifiers[kind].insert(socket, notifier);
        } else if (!wanted && notifier) {
            drop(self->notifiers[kind].take(socket));
        }
    }
    return 0;
}

int Downloader::Transfer::setTimer(CURLM*, long milliseconds, void* transfer)
{
    QTimer* timer = static_cast<Transfer*>(transfer)->owner->m_curlTimer;
    if (milliseconds < 0)
        timer->stop();
    else
        timer->start(int(qMin<long>(milliseconds, INT_MAX)));
    return 0;
}

size_t Downloader::Transfer::onHeader(char*, size_t size, size_t count, void* transfer)
{
    // Every header line, the status line and the blank line after them count.
    const size_t bytes = size * count;
    return static_cast<Transfer*>(transfer)->owner->count(qint64(bytes)) ? bytes : 0;
}

size_t Downloader::Transfer::onBody(char* bytes, size_t size, size_t count, void* transfer)
{
    auto* self = static_cast<Transfer*>(transfer);
    Downloader* owner = self->owner;
    const size_t length = size * count;
    ContentDecoder& decoder = self->decoder();
    const bool decoded = decoder.decode(bytes, qint64(length), [owner](const char* piece, qint64 pieceSize) {
        if (!owner->count(pieceSize))
            return false;
        owner->m_data.append(piece, int(pieceSize));
        return true;
    });
    if (decoded)
        return length;
    self->undecodable = !owner->m_tooLarge;
    return 0; // ends the transfer
}

void Downloader::Transfer::drop(QSocketNotifier* notifier)
{
    // Possibly inside its own signal, and curl may close the socket next.
    notifier->setEnabled(false);
    notifier->deleteLater();
}

Downloader::Downloader(QObject* parent)
    : QObject(parent)
    , m_curlTimer(new QTimer(this))
{
    m_curlTimer->setSingleShot(true);
    // curl's timer ends the download at its time bound: to the millisecond,
    // not to the 5 % a coarse timer may be off by.
    m_curlTimer->setTimerType(Qt::PreciseTimer);
    connect(m_curlTimer, &QTimer::timeout, this, [this] {
        if (m_transfer)
            m_transfer->drive(CURL_SOCKET_TIMEOUT, 0);
    });
}

Downloader::~Downloader()
{
    release();
}

void Downloader::start(const QUrl& url)
{
    release();
    m_url = url;
    m_data.clear();
    m_errorString.clear();
    m_received = 0;
    m_tooLarge = false;
    m_succeeded = false;
    m_timedOut = false;
    m_transfer = std::make_unique<Transfer>(this);
}

QByteArray Downloader::download(const QUrl& url, bool* ok)
{
    QEventLoop loop;
    connect(this, &Downloader::finished, &loop, &QEventLoop::quit);
    // A downloader deleted while the loop waits ends the wait, as a failure.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    const QPointer<Downloader> alive(this);
    start(url);
    if (isRunning())
        loop.exec();
    const bool succeeded = alive && m_succeeded;
    if (ok)
        *ok = succeeded;
    return succeeded ? m_data : QByteArray();
}

void Downloader::abort()
{
    if (isRunning())
        finish(tr("The download was stopped"));
}

bool Downloader::count(qint64 bytes)
{
    m_received += bytes;
    m_tooLarge = m_received > m_maximumSize;
    return !m_tooLarge;
}

void Downloader::finish(const QString& reason)
{
    release();
    m_succeeded = reason.isEmpty();
    m_errorString = reason;
    if (!m_succeeded)
        m_data.clear();
    emit finished(m_succeeded);
}

void Downloader::release()
{
    m_transfer.reset();
    // Removing the handles may have set curl's timer once more.
    m_curlTimer->stop();
}

} // namespace QMRequest
