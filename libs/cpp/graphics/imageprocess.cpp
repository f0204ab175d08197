#include "imageprocess.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace MGraphX {

namespace {

template<typename T> int sampleToByte(T sample)
{
    if constexpr (std::is_integral_v<T>)
        return std::clamp(int(sample), 0, 255);
    else
        return std::isnan(sample) ? 0 : int(std::clamp<T>(std::round(sample), T(0), T(255)));
}

} // namespace

template<typename T> ImageProcessT<T>::ImageProcessT(const QImage& image, int)
{
    if (image.isNull())
        return;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return;
    m_width = rgb.width();
    m_height = rgb.height();
    const size_t samples = size_t(m_width) * size_t(m_height);
    for (T*& plane : m_planes)
        plane = new T[samples];
    for (int y = 0; y < m_height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const size_t row = size_t(y) * size_t(m_width);
        for (int x = 0; x < m_width; ++x) {
            m_planes[Red][row + size_t(x)] = T(qRed(line[x]));
            m_planes[Green][row + size_t(x)] = T(qGreen(line[x]));
            m_planes[Blue][row + size_t(x)] = T(qBlue(line[x]));
        }
    }
}

template<typename T> ImageProcessT<T>::~ImageProcessT()
{
    for (T* plane : m_planes)
        delete[] plane;
}

template<typename T> void ImageProcessT<T>::addValue(const int& value, int)
{
    const size_t samples = size_t(m_width) * size_t(m_height);
    if constexpr (std::is_integral_v<T>) {
        // Any value beyond +-255 clamps every sample anyway; limiting it first
        // keeps the sums far from integer overflow.
        const int step = std::clamp(value, -255, 255);
        for (T* plane : m_planes) {
            for (size_t i = 0; i < samples; ++i)
                plane[i] = T(std::clamp(int(plane[i]) + step, 0, 255));
        }
    } else {
        for (T* plane : m_planes) {
            for (size_t i = 0; i < samples; ++i)
                plane[i] = std::clamp<T>(plane[i] + T(value), T(0), T(255));
        }
    }
}

template<typename T> QImage ImageProcessT<T>::toImage() const
{
    if (m_width <= 0 || m_height <= 0)
        return QImage();
    QImage image(m_width, m_height, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < m_height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const size_t row = size_t(y) * size_t(m_width);
        for (int x = 0; x < m_width; ++x) {
            const size_t i = row + size_t(x);
            line[x] = qRgb(sampleToByte(m_planes[Red][i]), sampleToByte(m_planes[Green][i]),
                           sampleToByte(m_planes[Blue][i]));
        }
    }
    return image;
}

template class ImageProcessT<unsigned char>;
template class ImageProcessT<float>;
template class ImageProcessT<double>;

} // namespace MGraphX
