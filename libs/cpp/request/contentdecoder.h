#pragma once

#include <QByteArrayList>

#include <functional>
#include <memory>

namespace QMRequest {

// Undoes the content coding of an HTTP answer as its bytes come, and tells whether the coded data
// came to its end, so that an answer cut short is told from a whole one. Undoes no coding
// ("identity"), "gzip" (also "x-gzip", and several gzip members one after another) and "deflate"
// (zlib's format); any other coding, or more than one, is unsupported.
class ContentDecoder
{
public:
    // Takes a piece of the decoded bytes; false stops the decoding.
    using Sink = std::function<bool(const char* bytes, qint64 size)>;

    // codings: the values of the answer's Content-Encoding headers, in order.
    explicit ContentDecoder(const QByteArrayList& codings);
    ~ContentDecoder();
    ContentDecoder(const ContentDecoder&) = delete;
    ContentDecoder& operator=(const ContentDecoder&) = delete;

    // The codings as named when they cannot be undone, else empty.
    QByteArray unsupportedCoding() const { return m_unsupported; }
    // Passes the decoded bytes to sink, in pieces of at most 16 KB. False when the bytes are no
    // valid coded data, the coding is unsupported or sink stopped the decoding.
    bool decode(const char* bytes, qint64 size, const Sink& sink);
    // Whether the coded data has come to its end (with no coding, always).
    bool isComplete() const { return m_complete; }

private:
    struct Stream; // zlib's state

    std::unique_ptr<Stream> m_stream; // none without a coding
    QByteArray m_unsupported;
    bool m_complete = true;
};

} // namespace QMRequest
