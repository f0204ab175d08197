#include "colorhistogram.h"

namespace MGraphX {

ColorHistogram::ColorHistogram(int expectedKeys)
{
    // Keep the table at most half full.
    m_bits = 4;
    while (m_bits < 30 && (qint64(1) << m_bits) < qint64(expectedKeys) * 2)
        ++m_bits;
    m_keys.assign(size_t(1) << m_bits, 0);
    m_counts.assign(size_t(1) << m_bits, 0);
}

quint32 ColorHistogram::hash(quint32 key, int bits)
{
    // Fibonacci hashing: the high bits of the product mix all bits of the key.
    return (key * 0x9E3779B1u) >> (32 - bits);
}

int ColorHistogram::add(quint32 key, quint32 weight)
{
    if (weight == 0)
        weight = 1;
    if (qint64(m_size + 1) * 2 > qint64(m_counts.size()))
        grow();
    const quint32 mask = quint32(m_counts.size() - 1);
    quint32 slot = hash(key, m_bits);
    while (m_counts[slot] != 0) {
        if (m_keys[slot] == key) {
            m_counts[slot] += weight;
            return int(slot);
        }
        slot = (slot + 1) & mask;
    }
    m_keys[slot] = key;
    m_counts[slot] = weight;
    ++m_size;
    return int(slot);
}

int ColorHistogram::find(quint32 key) const
{
    const quint32 mask = quint32(m_counts.size() - 1);
    quint32 slot = hash(key, m_bits);
    while (m_counts[slot] != 0) {
        if (m_keys[slot] == key)
            return int(slot);
        slot = (slot + 1) & mask;
    }
    return -1;
}

void ColorHistogram::grow()
{
    std::vector<quint32> keys;
    std::vector<quint32> counts;
    keys.swap(m_keys);
    counts.swap(m_counts);
    ++m_bits;
    m_keys.assign(size_t(1) << m_bits, 0);
    m_counts.assign(size_t(1) << m_bits, 0);
    const quint32 mask = quint32(m_counts.size() - 1);
    for (size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] == 0)
            continue;
        quint32 slot = hash(keys[i], m_bits);
        while (m_counts[slot] != 0)
            slot = (slot + 1) & mask;
        m_keys[slot] = keys[i];
        m_counts[slot] = counts[i];
    }
}

} // namespace MGraphX
