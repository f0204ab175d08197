#include "imageeffects.h"

#include "sharedwork.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace MGraphX {

namespace {

// How far a blur step pulls towards the next pixel for radius 1 .. 17:
// 1 - exp(-2.3 / (radius + 1)), so the influence of a pixel falls to about a
// tenth after radius pixels.
constexpr std::array<float, 17> BlurWeights
    = { 0.6834f, 0.5354f, 0.4373f, 0.3687f, 0.3184f, 0.2800f, 0.2499f, 0.2255f, 0.2055f,
        0.1887f, 0.1744f, 0.1622f, 0.1515f, 0.1422f, 0.1339f, 0.1265f, 0.1200f };
constexpr int FallbackRadius = 16;

// Columns of one strip of the column pass: their samples of one row lie side
// by side, so each step along the columns reads one short contiguous run.
constexpr int StripColumns = 16;
constexpr int StripFloats = StripColumns * 4;
// Below this many pixels a blur runs on the calling thread alone; above it the
// rows and then the strips of columns are shared out over the thread pool.
constexpr qint64 SharedBlurPixels = qint64(1) << 18;
constexpr int RowsPerTask = 32;
constexpr int RowsAtOnce = 4;

// The nearest whole number, halves away from zero, as std::lround gives it for
// every sample of at least 0; a sample below 0 gives at most 0, and so the same
// value after the clamp to 0 that every rounded sample goes through.
int rounded(float sample)
{
    return int(double(sample) + 0.5);
}

// One exponential blur of an area. Each row of the area is read as floats
// with four channels per pixel (red, green, blue, alpha of premultiplied
// colour) and blurred forwards and then backwards; after that each column is
// blurred forwards and then backwards, and the result is rounded into the
// target. Every sample takes the same steps in the same order whether the
// work is shared out or not, so the result does not depend on it.
//
// Between the two passes the samples are kept in strips of StripColumns
// columns, each strip row after row, so that the column pass walks through
// memory in order instead of leaping a whole row ahead at every step.
class AreaBlur
{
public:
    AreaBlur(const QImage& source, const QRect& area, QImage& target, const QPoint& at, float weight,
             bool alphaOnly)
        : m_width(area.width())
        , m_height(area.height())
        , m_strips((area.width() + StripColumns - 1) / StripColumns)
        , m_samples(new float[size_t(m_strips) * size_t(m_height) * StripFloats])
    {
        // The threads touch the pixels only through these pointers. The target
        // is made writable first: when it shares the source's pixels, the
        // source is then read from the target's own copy of them.
        m_targetBits = target.bits() + qsizetype(at.y()) * target.bytesPerLine() + qsizetype(at.x()) * 4;
        m_targetStride = target.bytesPerLine();
        m_sourceBits
            = source.constBits() + qsizetype(area.top()) * source.bytesPerLine() + qsizetype(area.left()) * 4;
        m_sourceStride = source.bytesPerLine();
        // A picture without alpha is opaque whatever its unused byte holds.
        m_opaque = source.hasAlphaChannel() ? 0u : 0xff000000u;
        // A channel that is not blurred takes each step with the weight 1,
        // which on its whole-number samples gives the sample itself.
        for (int c = 0; c < 4; ++c)
            m_weights[c] = alphaOnly && c < 3 ? 1.0f : weight;
        for (int k = 0; k < StripFloats; ++k)
            m_stripWeights[k] = m_weights[k % 4];
    }

    void run()
    {
        // Each task blurs RowsPerTask rows, the last one what is left.
        const int rowTasks = (m_height + RowsPerTask - 1) / RowsPerTask;
        const auto blurRowTask = [this](int task) {
            const int first = task * RowsPerTask, end = std::min(m_height, first + RowsPerTask);
            // Zeroed, so that the rows that make up a last group of fewer
            // than RowsAtOnce hold plain numbers.
            std::vector<float> samples(size_t(m_width) * 4 * RowsAtOnce, 0.0f);
            for (int y = first; y < end; y += RowsAtOnce)
                blurRows(y, std::min(RowsAtOnce, end - y), samples.data());
        };
        const auto blurStrip = [this](int strip) { blurColumns(strip); };
        if (qint64(m_width) * m_height < SharedBlurPixels) {
            for (int task = 0; task < rowTasks; ++task)
                blurRowTask(task);
            for (int strip = 0; strip < m_strips; ++strip)
                blurStrip(strip);
        } else {
            shareOut(rowTasks, blurRowTask);
            shareOut(m_strips, blurStrip);
        }
    }

private:
    float* stripRow(int strip, int y) const
    {
        return m_samples.get() + (size_t(strip) * size_t(m_height) + size_t(y)) * StripFloats;
    }
    int stripWidth(int strip) const { return std::min(StripColumns, m_width - strip * StripColumns); }

    // The row pass of the rows first .. first + count - 1 (at most
    // RowsAtOnce), worked out side by side in rows (room for RowsAtOnce rows
    // of samples, one after the other) and then handed out to the strips.
    // Rows taken together keep the processor busy while each one waits for
    // its previous step.
    void blurRows(int first, int count, float* rows)
    {
        const int w = m_width;
        const size_t rowFloats = size_t(w) * 4;
        for (int r = 0; r < count; ++r) {
            const QRgb* line
                = reinterpret_cast<const QRgb*>(m_sourceBits + qsizetype(first + r) * m_sourceStride);
            float* s = rows + r * rowFloats;
            for (int x = 0; x < w; ++x) {
                const QRgb pixel = line[x] | m_opaque;
                s[x * 4 + 0] = qRed(pixel);
                s[x * 4 + 1] = qGreen(pixel);
                s[x * 4 + 2] = qBlue(pixel);
                s[x * 4 + 3] = qAlpha(pixel);
            }
        }
        // Rows beyond count are worked on too, to keep the steps alike, but
        // never handed out.
        float z[RowsAtOnce][4];
        for (int r = 0; r < RowsAtOnce; ++r)
            for (int c = 0; c < 4; ++c)
                z[r][c] = rows[r * rowFloats + c];
        for (int x = 1; x < w; ++x) {
            for (int r = 0; r < RowsAtOnce; ++r) {
                float* s = rows + r * rowFloats + x * 4;
                for (int c = 0; c < 4; ++c) {
                    z[r][c] += m_weights[c] * (s[c] - z[r][c]);
                    s[c] = z[r][c];
                }
            }
        }
        for (int r = 0; r < RowsAtOnce; ++r)
            for (int c = 0; c < 4; ++c)
                z[r][c] = rows[r * rowFloats + (w - 1) * 4 + c];
        for (int x = w - 2; x >= 0; --x) {
            for (int r = 0; r < RowsAtOnce; ++r) {
                float* s = rows + r * rowFloats + x * 4;
                for (int c = 0; c < 4; ++c) {
                    z[r][c] += m_weights[c] * (s[c] - z[r][c]);
                    s[c] = z[r][c];
                }
            }
        }
        for (int r = 0; r < count; ++r) {
            for (int strip = 0; strip < m_strips; ++strip) {
                const float* from = rows + r * rowFloats + strip * StripFloats;
                std::copy(from, from + stripWidth(strip) * 4, stripRow(strip, first + r));
            }
        }
    }

    // The column pass of one strip; the backward pass gives each sample its
    // final value, which goes straight into the target.
    void blurColumns(int strip)
    {
        const int n = stripWidth(strip) * 4;
        float z[StripFloats];
        const float* top = stripRow(strip, 0);
        std::copy(top, top + n, z);
        for (int y = 1; y < m_height; ++y) {
            float* s = stripRow(strip, y);
            for (int k = 0; k < n; ++k) {
                z[k] += m_stripWeights[k] * (s[k] - z[k]);
                s[k] = z[k];
            }
        }
        store(strip, m_height - 1, z);
        for (int y = m_height - 2; y >= 0; --y) {
            const float* s = stripRow(strip, y);
            for (int k = 0; k < n; ++k)
                z[k] += m_stripWeights[k] * (s[k] - z[k]);
            store(strip, y, z);
        }
    }

    void store(int strip, int y, const float* samples)
    {
        QRgb* line
            = reinterpret_cast<QRgb*>(m_targetBits + qsizetype(y) * m_targetStride) + strip * StripColumns;
        for (int x = 0, count = stripWidth(strip); x < count; ++x) {
            const float* v = samples + x * 4;
            const int alpha = std::clamp(rounded(v[3]), 0, 255);
            // Premultiplied colour may never exceed its alpha.
            const auto channel = [&](int c) { return std::clamp(rounded(v[c]), 0, alpha); };
            line[x] = qRgba(channel(0), channel(1), channel(2), alpha);
        }
    }

    const int m_width;
    const int m_height;
    const int m_strips;
    std::unique_ptr<float[]> m_samples;
    const uchar* m_sourceBits;
    qsizetype m_sourceStride;
    QRgb m_opaque;
    uchar* m_targetBits;
    qsizetype m_targetStride;
    float m_weights[4];
    float m_stripWeights[StripFloats];
};

float blurWeight(int radius)
{
    if (radius < 1 || radius > int(BlurWeights.size()))
        radius = FallbackRadius;
    return BlurWeights[size_t(radius - 1)];
}

int hueDistance(int a, int b)
{
    const int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}

} // namespace

QPixmap applyAlphaMask(const QPixmap& picture, const QPixmap& mask)
{
    if (picture.isNull())
        return QPixmap();
    if (mask.isNull())
        return picture;
    return QPixmap::fromImage(applyAlphaMask(picture.toImage(), mask.toImage()));
}

QImage applyAlphaMask(const QImage& picture, const QImage& mask)
{
    if (picture.isNull() || mask.isNull())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage alpha = mask.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    if (image.isNull() || alpha.size() != image.size())
        return picture;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb* maskLine = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba(qRed(line[x]), qGreen(line[x]), qBlue(line[x]), qRed(maskLine[x]));
    }
    return image;
}

QImage replaceColor(const QImage& image, const QColor& from, const QColor& to)
{
    if (image.isNull())
        return QImage();
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const int fromHue = from.hsvHue();
    if (fromHue < 0 || result.isNull())
        return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    // A colour with hue has saturation and value above 0, so the ratios are safe.
    const int toHue = to.hsvHue();
    const double saturationRatio = double(to.hsvSaturation()) / from.hsvSaturation();
    const double valueRatio = double(to.value()) / from.value();

    QHash<QRgb, QRgb> done; // pictures of this kind have few distinct colours
    for (int y = 0; y < result.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QRgb pixel = line[x];
            const auto known = done.constFind(pixel);
            if (known != done.constEnd()) {
                line[x] = known.value();
                continue;
            }
            QRgb recoloured = pixel;
            const QColor color = QColor::fromRgba(pixel);
            int h = 0, s = 0, v = 0, a = 0;
            color.getHsv(&h, &s, &v, &a);
            if (h >= 0 && hueDistance(h, fromHue) <= 10) {
                // A grey target (no hue) keeps the hue; its saturation ratio is 0 anyway.
                const int hue = toHue < 0 ? h : ((h + toHue - fromHue) % 360 + 360) % 360;
                const int saturation = std::clamp(int(std::lround(s * saturationRatio)), 0, 255);
                const int value = std::clamp(int(std::lround(v * valueRatio)), 0, 255);
                recoloured = QColor::fromHsv(hue, saturation, value, a).rgba();
            }
            done.insert(pixel, recoloured);
            line[x] = recoloured;
        }
    }
    return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage expBlur(const QImage& image, const QRect& rect, int radius, bool alphaOnly)
{
    if (image.isNull())
        return QImage();
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRect area = rect.normalized() & result.rect();
    if (result.isNull() || area.isEmpty())
        return result;
    // The blur reads every sample of the area before it writes any, so the
    // result may be both its source and its target.
    AreaBlur(result, area, result, area.topLeft(), blurWeight(radius), alphaOnly).run();
    return result;
}

QImage expBlurPart(const QImage& image, const QRect& rect, int radius, bool alphaOnly)
{
    const QRect area = rect.normalized() & image.rect();
    if (area.isEmpty())
        return QImage();
    QImage result(area.size(), QImage::Format_ARGB32_Premultiplied);
    if (result.isNull())
        return result;
    const QImage::Format format = image.format();
    if (format == QImage::Format_ARGB32_Premultiplied || format == QImage::Format_RGB32) {
        // Read in place: only the area is ever touched.
        AreaBlur(image, area, result, QPoint(), blurWeight(radius), alphaOnly).run();
    } else {
        const QImage part = image.copy(area).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        AreaBlur(part, part.rect(), result, QPoint(), blurWeight(radius), alphaOnly).run();
    }
    return result;
}

} // namespace MGraphX
