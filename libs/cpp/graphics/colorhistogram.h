#pragma once

#include <QtGlobal>

#include <vector>

namespace MGraphX {

// Counts how often each 32-bit key (usually an ARGB colour) occurs.
// An open-addressing hash table with linear probing: much faster than a node
// based map for the hundreds of thousands of colours of a large picture. Every
// key lives in a slot; slots stay where they are until the table grows, so
// callers can keep per-slot data in plain vectors once all keys are added.
class ColorHistogram
{
public:
    explicit ColorHistogram(int expectedKeys = 1024);

    // Adds weight (at least 1) to the count of key and returns the key's slot.
    int add(quint32 key, quint32 weight = 1);
    // The slot of key, or -1 when the key was never added.
    int find(quint32 key) const;

    int size() const { return m_size; }
    int slotCount() const { return int(m_counts.size()); }
    bool isUsed(int slot) const { return m_counts[size_t(slot)] != 0; }
    quint32 key(int slot) const { return m_keys[size_t(slot)]; }
    quint32 count(int slot) const { return m_counts[size_t(slot)]; }

private:
    static quint32 hash(quint32 key, int bits);
    void grow();

    std::vector<quint32> m_keys;
    std::vector<quint32> m_counts; // 0 marks a free slot
    int m_bits = 0;
    int m_size = 0;
};

} // namespace MGraphX
