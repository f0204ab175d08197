#pragma once

#include <QImage>

namespace MGraphX {

// A picture split into three planes (red, green, blue) of samples 0 .. 255,
// for arithmetic on whole channels. T is unsigned char, float or double.
template<typename T> class ImageProcessT
{
public:
    enum Channel { Red = 0, Green = 1, Blue = 2, ChannelCount = 3 };

    // Fills the planes from the picture converted to 32-bit RGB (alpha is not
    // kept). The second argument is not used.
    ImageProcessT(const QImage& image, int unused);
    ~ImageProcessT();

    ImageProcessT(const ImageProcessT&) = delete;
    ImageProcessT& operator=(const ImageProcessT&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }
    // The samples of one channel, row after row; null for an empty buffer.
    T* plane(Channel channel) { return m_planes[channel]; }
    const T* plane(Channel channel) const { return m_planes[channel]; }

    // Adds value to every sample of every plane, clamping the results to 0 .. 255.
    // The second argument is not used.
    void addValue(const int& value, int unused);

    // The planes as an opaque 32-bit ARGB picture of the same size (samples are
    // rounded and clamped to 0 .. 255); an empty buffer gives a null picture.
    QImage toImage() const;

private:
    int m_width = 0;
    int m_height = 0;
    T* m_planes[ChannelCount] = { nullptr, nullptr, nullptr };
};

extern template class ImageProcessT<unsigned char>;
extern template class ImageProcessT<float>;
extern template class ImageProcessT<double>;

using ImageProcess = ImageProcessT<unsigned char>;
using ImageProcessFloat = ImageProcessT<float>;
using ImageProcessDouble = ImageProcessT<double>;

} // namespace MGraphX
