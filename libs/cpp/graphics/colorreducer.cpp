#include "colorreducer.h"

#include "cube.h"
#include "imagefile.h"
#include "palettesearch.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace MGraphX {

namespace {

// Kinds of colours that never share a palette entry.
enum Group { Transparent = 0, Translucent = 1, Opaque = 2, GroupCount = 3 };

// The median cut runs on at most this many colour points; pictures with more
// distinct colours are first binned at a reduced precision (each bin keeps the
// exact mean of its colours).
constexpr int BoxPointLimit = 1 << 16;
// Rounds of nearest-colour regrouping after the median cut.
constexpr int RefineRounds = 3;

// All fully transparent pixels are one colour, whatever their red, green and blue.
inline quint32 normalized(QRgb color)
{
    return qAlpha(color) == 0 ? 0u : quint32(color);
}

int groupOf(quint32 color)
{
    const int alpha = qAlpha(color);
    return alpha == 0 ? Transparent : (alpha == 255 ? Opaque : Translucent);
}

int groupOf(const ColorPoint& point)
{
    // Means of opaque colours are exactly 255, means of translucent ones at most 254.
    return point.channel[3] >= 255.0f ? Opaque : Translucent;
}

std::array<float, 4> channelsOf(quint32 color)
{
    return { float(qRed(color)), float(qGreen(color)), float(qBlue(color)), float(qAlpha(color)) };
}

// Key of the reduced-precision bin of a (not fully transparent) colour; opaque
// and translucent colours never share a bin.
quint32 binKey(quint32 color, int shift)
{
    const bool opaque = qAlpha(color) == 255;
    const quint32 alpha = opaque ? 0u : quint32(qAlpha(color)) >> shift;
    return (opaque ? 1u << 28 : 0u) | (alpha << 21) | ((quint32(qRed(color)) >> shift) << 14)
        | ((quint32(qGreen(color)) >> shift) << 7) | (quint32(qBlue(color)) >> shift);
}

// Running sums of the pixels grouped under one palette entry or bin.
struct ColorSum
{
    std::array<double, 4> channel {};
    double weight = 0.0;

    void add(const std::array<float, 4>& color, double w)
    {
        for (int c = 0; c < 4; ++c)
            channel[c] += w * color[c];
        weight += w;
    }
    std::array<float, 4> mean() const
    {
        std::array<float, 4> result {};
        for (int c = 0; c < 4; ++c)
            result[c] = float(channel[c] / weight);
        return result;
    }
};

int toByte(float value, int low, int high)
{
    return std::clamp(int(std::lround(value)), low, high);
}

} // namespace

ColorReducer::ColorReducer(const QImage& image)
    : m_image(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32))
    , m_histogram(4096)
{
    const int width = m_image.width();
    for (int y = 0; y < m_image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        // Neighbouring pixels are often equal: count runs, not single pixels.
        quint32 current = normalized(line[0]);
        quint32 run = 0;
        for (int x = 0; x < width; ++x) {
            const quint32 color = normalized(line[x]);
            if (color != current) {
                m_histogram.add(current, run);
                current = color;
                run = 0;
            }
            ++run;
        }
        m_histogram.add(current, run);
    }
}

int ColorReducer::clampColorCount(int colors)
{
    return std::clamp(colors, MinimumColors, MaximumColors);
}

std::vector<ColorPoint> ColorReducer::boxPoints(std::vector<int>& slotPoint) const
{
    std::vector<ColorPoint> points;
    slotPoint.assign(size_t(m_histogram.slotCount()), -1);
    if (m_histogram.size() <= BoxPointLimit) {
        points.reserve(size_t(m_histogram.size()));
        for (int slot = 0; slot < m_histogram.slotCount(); ++slot) {
            if (m_histogram.isUsed(slot) && m_histogram.key(slot) != 0) {
                const int id = int(points.size());
                slotPoint[size_t(slot)] = id;
                points.push_back({ channelsOf(m_histogram.key(slot)), double(m_histogram.count(slot)), id });
            }
        }
        return points;
    }

    // Too many colours: find the finest precision whose bins fit the limit.
    for (int shift = 1; shift < 8; ++shift) {
        ColorHistogram bins(BoxPointLimit);
        bool fits = true;
        for (int slot = 0; slot < m_histogram.slotCount() && fits; ++slot) {
            if (m_histogram.isUsed(slot) && m_histogram.key(slot) != 0) {
                bins.add(binKey(m_histogram.key(slot), shift));
                fits = bins.size() <= BoxPointLimit;
            }
        }
        if (!fits)
            continue;
        std::vector<ColorSum> sums(size_t(bins.slotCount()));
        for (int slot = 0; slot < m_histogram.slotCount(); ++slot) {
            const quint32 color = m_histogram.key(slot);
            if (m_histogram.isUsed(slot) && color != 0) {
                const int bin = bins.find(binKey(color, shift));
                sums[size_t(bin)].add(channelsOf(color), m_histogram.count(slot));
                slotPoint[size_t(slot)] = bin;
            }
        }
        // Number the bins in the order of their points.
        std::vector<int> binPoint(sums.size(), -1);
        points.reserve(size_t(bins.size()));
        for (size_t bin = 0; bin < sums.size(); ++bin) {
            if (sums[bin].weight > 0.0) {
                const int id = int(points.size());
                binPoint[bin] = id;
                points.push_back({ sums[bin].mean(), sums[bin].weight, id });
            }
        }
        for (int& point : slotPoint) {
            if (point >= 0)
                point = binPoint[size_t(point)];
        }
        break;
    }
    return points;
}

void ColorReducer::buildPalette(int colors, std::vector<std::array<float, 4>>& palette,
                                std::vector<int>& groups, std::vector<int>& slotHint) const
{
    std::vector<int> slotPoint;
    std::vector<ColorPoint> points = boxPoints(slotPoint);
    const int translucentEnd
        = int(std::partition(points.begin(), points.end(),
                             [](const ColorPoint& p) { return groupOf(p) == Translucent; })
              - points.begin());
    const int pointCount = int(points.size());
    const bool hasTransparent = m_histogram.find(0) >= 0;
    const int budget = colors - (hasTransparent ? 1 : 0);

    // One box per group to start with; when the palette has no room for both
    // (two colours and a transparent part), the group of more pixels keeps its
    // box and the other one is mapped to the nearest entry of any group.
    std::vector<Cube> cubes;
    if (translucentEnd > 0)
        cubes.emplace_back(points, 0, translucentEnd, Translucent);
    if (translucentEnd < pointCount)
        cubes.emplace_back(points, translucentEnd, pointCount, Opaque);
    if (int(cubes.size()) > budget && cubes.size() == 2)
        cubes.erase(cubes.begin() + (cubes[0].weight() < cubes[1].weight() ? 0 : 1));

    // Median cut: split the box of the largest spread until the palette is full
    // or no box can be split any more.
    while (int(cubes.size()) < budget) {
        int pick = -1;
        for (int i = 0; i < int(cubes.size()); ++i) {
            if (cubes[size_t(i)].canSplit()
                && (pick < 0 || cubes[size_t(i)].error() > cubes[size_t(pick)].error()))
                pick = i;
        }
        if (pick < 0)
            break;
        const Cube cube = cubes[size_t(pick)];
        const int cut = cube.cut(points);
        cubes[size_t(pick)] = Cube(points, cube.begin(), cut, cube.group());
        cubes.emplace_back(points, cut, cube.end(), cube.group());
    }

    palette.clear();
    groups.clear();
    // Entry of every point, by the point's place in the vector (-1: none yet).
    std::vector<int> assignment(points.size(), -1);
    for (const Cube& cube : cubes) {
        std::fill(assignment.begin() + cube.begin(), assignment.begin() + cube.end(), int(palette.size()));
        palette.push_back(cube.mean());
        groups.push_back(cube.group());
    }

    // Regroup every point under its nearest entry and move the entries to the
    // means of their new members; this repairs the straight cuts of the boxes.
    for (int round = 0; round < RefineRounds && !palette.empty(); ++round) {
        const PaletteSearch search(palette, groups, GroupCount);
        std::vector<ColorSum> sums(palette.size());
        for (size_t i = 0; i < points.size(); ++i) {
            const ColorPoint& point = points[i];
            const int group = groupOf(point);
            const int index = search.nearest(point.channel, group, assignment[i]);
            assignment[i] = index;
            if (groups[size_t(index)] == group)
                sums[size_t(index)].add(point.channel, point.weight);
        }
        for (size_t i = 0; i < palette.size(); ++i) {
            if (sums[i].weight > 0.0)
                palette[i] = sums[i].mean();
        }
    }

    // The entry of each colour's point is a good first guess for the final mapping.
    std::vector<int> assignmentById(points.size(), -1);
    for (size_t i = 0; i < points.size(); ++i)
        assignmentById[size_t(points[i].id)] = assignment[i];
    slotHint.assign(slotPoint.size(), -1);
    for (size_t slot = 0; slot < slotPoint.size(); ++slot) {
        if (slotPoint[slot] >= 0)
            slotHint[slot] = assignmentById[size_t(slotPoint[slot])];
    }

    if (hasTransparent) {
        palette.push_back({ 0.0f, 0.0f, 0.0f, 0.0f });
        groups.push_back(Transparent);
    }
}

QImage ColorReducer::reduce(int colors) const
{
    if (m_image.isNull())
        return QImage();
    const int count = clampColorCount(colors);
    QImage result(m_image.size(), QImage::Format_Indexed8);
    if (result.isNull())
        return QImage();

    // Palette index of every histogram slot, so each pixel costs one lookup.
    std::vector<int> slotIndex(size_t(m_histogram.slotCount()), 0);
    QVector<QRgb> table;

    if (m_histogram.size() <= count) {
        // Few enough colours: keep them all exactly.
        for (int slot = 0; slot < m_histogram.slotCount(); ++slot) {
            if (m_histogram.isUsed(slot)) {
                slotIndex[size_t(slot)] = table.size();
                table.append(m_histogram.key(slot));
            }
        }
    } else {
        std::vector<std::array<float, 4>> palette;
        std::vector<int> groups;
        std::vector<int> slotHint;
        buildPalette(count, palette, groups, slotHint);
        const int transparentIndex
            = groups.empty() || groups.back() != Transparent ? -1 : int(groups.size()) - 1;

        // Map every distinct colour to its nearest entry and collect the exact
        // means of what each entry finally stands for.
        const PaletteSearch search(palette, groups, GroupCount);
        std::vector<ColorSum> sums(palette.size());
        for (int slot = 0; slot < m_histogram.slotCount(); ++slot) {
            if (!m_histogram.isUsed(slot))
                continue;
            const quint32 color = m_histogram.key(slot);
            const int group = groupOf(color);
            const std::array<float, 4> channels = channelsOf(color);
            const int index = group == Transparent && transparentIndex >= 0
                ? transparentIndex
                : search.nearest(channels, group, slotHint[size_t(slot)]);
            slotIndex[size_t(slot)] = index;
            if (groups[size_t(index)] == group && group != Transparent)
                sums[size_t(index)].add(channels, m_histogram.count(slot));
        }
        for (size_t i = 0; i < palette.size(); ++i) {
            const std::array<float, 4> c = sums[i].weight > 0.0 ? sums[i].mean() : palette[i];
            switch (groups[i]) {
            case Transparent:
                table.append(qRgba(0, 0, 0, 0));
                break;
            case Opaque:
                table.append(qRgba(toByte(c[0], 0, 255), toByte(c[1], 0, 255), toByte(c[2], 0, 255), 255));
                break;
            default:
                table.append(qRgba(toByte(c[0], 0, 255), toByte(c[1], 0, 255), toByte(c[2], 0, 255),
                                   toByte(c[3], 1, 254)));
                break;
            }
        }

        // Moving the entries to those means can leave a colour nearer to another
        // entry than to its own: map every colour once more, to its nearest entry
        // of the palette as written.
        std::vector<std::array<float, 4>> written;
        for (QRgb entry : table)
            written.push_back(channelsOf(entry));
        const PaletteSearch writtenSearch(written, groups, GroupCount);
        for (int slot = 0; slot < m_histogram.slotCount(); ++slot) {
            const quint32 color = m_histogram.key(slot);
            if (m_histogram.isUsed(slot) && groupOf(color) != Transparent)
                slotIndex[size_t(slot)]
                    = writtenSearch.nearest(channelsOf(color), groupOf(color), slotIndex[size_t(slot)]);
        }
    }

    // Transparent and translucent entries first: the PNG writer then needs only a
    // short transparency chunk.
    std::vector<int> order(size_t(table.size()));
    for (int i = 0; i < table.size(); ++i)
        order[size_t(i)] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&table](int a, int b) { return qAlpha(table[a]) < qAlpha(table[b]); });
    std::vector<int> newIndex(order.size());
    QVector<QRgb> sorted;
    sorted.reserve(table.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newIndex[size_t(order[i])] = int(i);
        sorted.append(table[order[i]]);
    }
    for (int& index : slotIndex)
        index = newIndex.empty() ? 0 : newIndex[size_t(index)];

    const int width = m_image.width();
    for (int y = 0; y < m_image.height(); ++y) {
        const QRgb* source = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        uchar* target = result.scanLine(y);
        quint32 last = normalized(source[0]);
        uchar lastIndex = uchar(slotIndex[size_t(m_histogram.find(last))]);
        for (int x = 0; x < width; ++x) {
            const quint32 color = normalized(source[x]);
            if (color != last) {
                last = color;
                lastIndex = uchar(slotIndex[size_t(m_histogram.find(color))]);
            }
            target[x] = lastIndex;
        }
    }
    result.setColorTable(sorted);
    return result;
}

bool ColorReducer::reduceAndSave(const QImage& image, const QString& path, int colors, const QString& format,
                                 QString* reason)
{
    if (image.isNull()) {
        if (reason)
            *reason = QCoreApplication::translate("MGraphX::ColorReducer", "The picture is empty");
        return false;
    }
    // Only the memory for the reduced copy can be missing here.
    QImage reduced = ColorReducer(image).reduce(colors);
    if (reduced.isNull()) {
        if (reason)
            *reason = QCoreApplication::translate(
                "MGraphX::ColorReducer", "There is not enough memory to reduce the colours of the picture");
        return false;
    }

    // PNG and the PNG-based ICNS keep alpha in a palette (PLTE + tRNS). Other
    // writers drop the palette's alpha (BMP, TIFF, XPM) or expand the palette
    // anyway, so they get the reduced colours as 32-bit ARGB.
    const QByteArray formatName = format.toLocal8Bit();
    const QString kind = (formatName.isEmpty() ? QFileInfo(path).suffix() : format).toLower();
    if (kind != QLatin1String("png") && kind != QLatin1String("icns"))
        reduced = reduced.convertToFormat(QImage::Format_ARGB32);

    return saveImageFile(reduced, path, formatName, 0, reason);
}

} // namespace MGraphX
