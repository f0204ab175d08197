#include "cube.h"

#include <algorithm>

namespace MGraphX {

namespace {

double squaredError(double weight, double sum, double sumOfSquares)
{
    if (weight <= 0.0)
        return 0.0;
    return std::max(0.0, sumOfSquares - sum * sum / weight);
}

} // namespace

Cube::Cube(const std::vector<ColorPoint>& points, int begin, int end, int group)
    : m_begin(begin)
    , m_end(end)
    , m_group(group)
{
    std::array<double, 4> squares {};
    for (int i = begin; i < end; ++i) {
        const ColorPoint& p = points[size_t(i)];
        m_weight += p.weight;
        for (int c = 0; c < 4; ++c) {
            m_sum[c] += p.weight * p.channel[c];
            squares[c] += p.weight * p.channel[c] * p.channel[c];
        }
    }
    for (int c = 0; c < 4; ++c) {
        m_channelError[c] = squaredError(m_weight, m_sum[c], squares[c]);
        m_error += m_channelError[c];
    }
}

bool Cube::canSplit() const
{
    return m_end - m_begin > 1 && m_error > 1e-6;
}

std::array<float, 4> Cube::mean() const
{
    std::array<float, 4> result {};
    if (m_weight > 0.0) {
        for (int c = 0; c < 4; ++c)
            result[c] = float(m_sum[c] / m_weight);
    }
    return result;
}

int Cube::cut(std::vector<ColorPoint>& points) const
{
    constexpr int Slices = 256;
    const int axis
        = int(std::max_element(m_channelError.begin(), m_channelError.end()) - m_channelError.begin());
    const int count = m_end - m_begin;
    ColorPoint* const run = points.data() + m_begin;

    float minimum = run[0].channel[axis];
    float maximum = minimum;
    for (int i = 1; i < count; ++i) {
        minimum = std::min(minimum, run[i].channel[axis]);
        maximum = std::max(maximum, run[i].channel[axis]);
    }
    const float range = maximum - minimum;
    if (!(range > 0.0f)) {
        // No spread along the axis (cannot happen for a box worth cutting): halve it.
        return m_begin + count / 2;
    }

    struct Slice
    {
        double weight = 0.0;
        std::array<double, 4> sum {};
        std::array<double, 4> squares {};
    };
    std::array<Slice, Slices> slices {};
    std::vector<unsigned char> sliceOf(static_cast<size_t>(count));
    const float scale = (Slices - 1) / range;
    for (int i = 0; i < count; ++i) {
        const ColorPoint& p = run[i];
        const int slice = std::clamp(int((p.channel[axis] - minimum) * scale + 0.5f), 0, Slices - 1);
        sliceOf[size_t(i)] = static_cast<unsigned char>(slice);
        Slice& s = slices[size_t(slice)];
        s.weight += p.weight;
        for (int c = 0; c < 4; ++c) {
            s.sum[c] += p.weight * p.channel[c];
            s.squares[c] += p.weight * p.channel[c] * p.channel[c];
        }
    }
    Slice total;
    for (const Slice& s : slices) {
        total.weight += s.weight;
        for (int c = 0; c < 4; ++c) {
            total.sum[c] += s.sum[c];
            total.squares[c] += s.squares[c];
        }
    }

    // Walk the slices and keep the border with the smallest sum of the two
    // halves' errors; the first and the last slice are never empty.
    Slice left;
    int bestSlice = 0;
    double bestError = -1.0;
    for (int i = 0; i < Slices - 1; ++i) {
        const Slice& s = slices[size_t(i)];
        if (s.weight <= 0.0)
            continue;
        left.weight += s.weight;
        for (int c = 0; c < 4; ++c) {
            left.sum[c] += s.sum[c];
            left.squares[c] += s.squares[c];
        }
        double error = 0.0;
        for (int c = 0; c < 4; ++c) {
            error += squaredError(left.weight, left.sum[c], left.squares[c]);
            error += squaredError(total.weight - left.weight, total.sum[c] - left.sum[c],
                                  total.squares[c] - left.squares[c]);
        }
        if (bestError < 0.0 || error < bestError) {
            bestError = error;
            bestSlice = i;
        }
    }

    // Move the points of the lower slices to the front, their slice numbers along.
    int lower = 0;
    int upper = count - 1;
    for (;;) {
        while (lower <= upper && sliceOf[size_t(lower)] <= bestSlice)
            ++lower;
        while (lower <= upper && sliceOf[size_t(upper)] > bestSlice)
            --upper;
        if (lower >= upper)
            break;
        std::swap(run[lower], run[upper]);
        std::swap(sliceOf[size_t(lower)], sliceOf[size_t(upper)]);
    }
    return m_begin + lower;
}

} // namespace MGraphX
