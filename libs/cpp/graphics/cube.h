#pragma once

#include <array>
#include <vector>

namespace MGraphX {

// One colour of the colour histogram as the reducer sees it: the (mean) colour
// of a group of pixels and how many pixels it stands for.
struct ColorPoint
{
    std::array<float, 4> channel; // red, green, blue, alpha, each 0 .. 255
    double weight; // number of pixels
    int id; // the point's place before the boxes reorder the points
};

// A box of the median cut: a run [begin, end) of colour points with the
// statistics that decide which box to split next and where. All points of a
// box belong to one group (the reducer keeps opaque and translucent colours
// apart, so that no palette entry mixes the two).
class Cube
{
public:
    Cube(const std::vector<ColorPoint>& points, int begin, int end, int group);

    int begin() const { return m_begin; }
    int end() const { return m_end; }
    int group() const { return m_group; }
    double weight() const { return m_weight; }
    // Sum over all channels of the pixel-weighted squared distances to the mean:
    // the spread of the box, weighted by pixel count.
    double error() const { return m_error; }
    bool canSplit() const;
    // The pixel-weighted mean colour of the box.
    std::array<float, 4> mean() const;

    // Cuts the box across the channel of the largest spread where the two
    // halves keep the smallest total error: the points are reordered so that
    // the lower half comes first, and the index of the first point of the upper
    // half is returned; begin() < result < end(). The candidate cuts are the
    // borders of 256 equal slices of the channel's range, which keeps a cut
    // linear in the number of points.
    int cut(std::vector<ColorPoint>& points) const;

private:
    int m_begin;
    int m_end;
    int m_group;
    double m_weight = 0.0;
    double m_error = 0.0;
    std::array<double, 4> m_sum {};
    std::array<double, 4> m_channelError {};
};

} // namespace MGraphX
