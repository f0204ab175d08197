#include "contentdecoder.h"

#include <climits>
#include <zlib.h>

namespace QMRequest {

struct ContentDecoder::Stream
{
    z_stream zlib {};
};

ContentDecoder::ContentDecoder(const QByteArrayList& codings)
{
    QByteArrayList applied;
    for (const QByteArray& header : codings) {
        for (const QByteArray& coding : header.split(',')) {
            const QByteArray name = coding.trimmed().toLower();
            if (!name.isEmpty() && name != "identity")
                applied.append(name);
        }
    }
    if (applied.isEmpty())
        return;
    m_complete = false;
    const QByteArray& coding = applied.first();
    if (applied.size() > 1 || (coding != "gzip" && coding != "x-gzip" && coding != "deflate")) {
        m_unsupported = applied.join(", ");
        return;
    }
    m_stream = std::make_unique<Stream>();
    // zlib tells gzip data from its own format by the first bytes.
    if (inflateInit2(&m_stream->zlib, MAX_WBITS + 32) != Z_OK) {
        m_stream.reset();
        m_unsupported = coding;
    }
}

ContentDecoder::~ContentDecoder()
{
    if (m_stream)
        inflateEnd(&m_stream->zlib);
}

bool ContentDecoder::decode(const char* bytes, qint64 size, const Sink& sink)
{
    if (!m_stream)
        return m_unsupported.isEmpty() && sink(bytes, size);
    Q_ASSERT(size >= 0 && size <= qint64(UINT_MAX));
    z_stream& zlib = m_stream->zlib;
    zlib.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes));
    zlib.avail_in = uInt(size);
    char decoded[16 * 1024];
    bool full = true; // the last round may have left decoded bytes behind
    while (zlib.avail_in > 0 || full) {
        if (m_complete) {
            if (zlib.avail_in == 0)
                break;
            // Another gzip member follows.
            inflateReset(&zlib);
            m_complete = false;
        }
        zlib.next_out = reinterpret_cast<Bytef*>(decoded);
        zlib.avail_out = sizeof decoded;
        const int result = inflate(&zlib, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            return false;
        const qint64 produced = qint64(sizeof decoded) - zlib.avail_out;
        if (result == Z_BUF_ERROR && produced == 0) {
            if (zlib.avail_in > 0)
                return false; // stuck on bytes it cannot take
            break; // all taken, all given out
        }
        if (produced > 0 && !sink(decoded, produced))
            return false;
        m_complete = result == Z_STREAM_END;
        full = zlib.avail_out == 0;
    }
    return true;
}

} // namespace QMRequest
