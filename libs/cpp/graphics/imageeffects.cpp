#include "imageeffects.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
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

// One blur pass forwards and one backwards over count samples of 4 channels,
// stride floats apart.
void blurLine(float* samples, int count, int stride, float weight, int firstChannel)
{
    for (int c = firstChannel; c < 4; ++c) {
        float z = samples[c];
        for (int i = 1; i < count; ++i) {
            float& s = samples[size_t(i) * size_t(stride) + size_t(c)];
            z += weight * (s - z);
            s = z;
        }
        z = samples[size_t(count - 1) * size_t(stride) + size_t(c)];
        for (int i = count - 2; i >= 0; --i) {
            float& s = samples[size_t(i) * size_t(stride) + size_t(c)];
            z += weight * (s - z);
            s = z;
        }
    }
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
    if (radius < 1 || radius > int(BlurWeights.size()))
        radius = FallbackRadius;
    const float weight = BlurWeights[size_t(radius - 1)];
    const int firstChannel = alphaOnly ? 3 : 0; // channels are stored as red, green, blue, alpha

    const int w = area.width();
    const int h = area.height();
    std::vector<float> samples(size_t(w) * size_t(h) * 4);
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(result.constScanLine(area.top() + y)) + area.left();
        float* row = samples.data() + size_t(y) * size_t(w) * 4;
        for (int x = 0; x < w; ++x) {
            row[x * 4 + 0] = qRed(line[x]);
            row[x * 4 + 1] = qGreen(line[x]);
            row[x * 4 + 2] = qBlue(line[x]);
            row[x * 4 + 3] = qAlpha(line[x]);
        }
    }
    for (int y = 0; y < h; ++y)
        blurLine(samples.data() + size_t(y) * size_t(w) * 4, w, 4, weight, firstChannel);
    for (int x = 0; x < w; ++x)
        blurLine(samples.data() + size_t(x) * 4, h, w * 4, weight, firstChannel);

    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(result.scanLine(area.top() + y)) + area.left();
        const float* row = samples.data() + size_t(y) * size_t(w) * 4;
        for (int x = 0; x < w; ++x) {
            const int alpha = std::clamp(int(std::lround(row[x * 4 + 3])), 0, 255);
            // Premultiplied colour may never exceed its alpha.
            const auto channel
                = [&](int c) { return std::clamp(int(std::lround(row[x * 4 + c])), 0, alpha); };
            line[x] = qRgba(channel(0), channel(1), channel(2), alpha);
        }
    }
    return result;
}

} // namespace MGraphX
