#pragma once

#include "colorhistogram.h"

#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace MGraphX {

struct ColorPoint;

// Reduces a picture to a palette of at most N colours by median cut over red,
// green, blue and alpha, and maps every pixel to the nearest palette entry of
// its kind (see below).
//
// The reducer works on a histogram of the picture's colours, not on every
// pixel. All fully transparent pixels count as one colour (transparent black).
// Fully transparent, translucent and opaque colours are kept in separate
// boxes, so a transparent pixel stays fully transparent, an opaque pixel stays
// opaque and an anti-aliased edge keeps an intermediate alpha (as long as the
// palette has room for the three kinds). Each palette entry is the
// pixel-weighted mean of its colours, refined by a few rounds of nearest-colour
// regrouping; a picture with no more distinct colours than asked keeps them all
// exactly.
class ColorReducer
{
public:
    // The palette sizes the reducer produces. Any requested count is clamped into
    // this range: counts below 2 (including 0 and negative numbers) give 2, counts
    // above 256 give 256, the most an 8-bit palette can hold.
    static constexpr int MinimumColors = 2;
    static constexpr int MaximumColors = 256;

    // Takes a picture of any format; premultiplied pictures are un-premultiplied.
    explicit ColorReducer(const QImage& image);

    bool isNull() const { return m_image.isNull(); }
    // Distinct colours of the picture (all fully transparent pixels count as one).
    int sourceColorCount() const { return m_histogram.size(); }

    // An 8-bit indexed picture (QImage::Format_Indexed8) whose colour table holds
    // at most clampColorCount(colors) entries, with alpha. A null picture gives a
    // null result.
    QImage reduce(int colors) const;

    static int clampColorCount(int colors);

    // Reduces the picture to the colour count and saves it with maximum
    // compression in the given format (e.g. "PNG" or "ICNS"). Formats whose
    // writers cannot keep alpha in a palette get the reduced picture as 32-bit
    // ARGB. The file is written whole or not at all. Returns whether it was
    // written (callers may ignore it), and when not, reason (if given) says
    // why; a null picture writes nothing.
    static bool reduceAndSave(const QImage& image, const QString& path, int colors, const QString& format,
                              QString* reason = nullptr);

private:
    std::vector<ColorPoint> boxPoints(std::vector<int>& slotPoint) const;
    void buildPalette(int colors, std::vector<std::array<float, 4>>& palette, std::vector<int>& groups,
                      std::vector<int>& slotHint) const;

    QImage m_image; // ARGB32, not premultiplied
    ColorHistogram m_histogram;
};

} // namespace MGraphX
