#pragma once

#include <array>
#include <vector>

namespace MGraphX {

// Finds the nearest palette colour (Euclidean distance over red, green, blue
// and alpha) for a colour of a given group. The entries of each group are kept
// sorted by their projection on the group's main axis (the direction in which
// its colours spread most). Two colours are never closer than their
// projections, so the search walks outwards from the colour's own projection
// and stops as soon as no farther entry can be nearer. A group without entries
// falls back to all entries. A hint that is already known to be the answer
// is confirmed without any search.
class PaletteSearch
{
public:
    PaletteSearch(const std::vector<std::array<float, 4>>& colors, const std::vector<int>& groups,
                  int groupCount);

    // The index of the nearest entry. hint, when it is an entry of the group, is
    // a likely answer (such as the previous one) that speeds the search up.
    int nearest(const std::array<float, 4>& color, int group, int hint = -1) const;

private:
    struct Entry
    {
        float key;
        int index;
        std::array<float, 4> color;
    };
    struct Table
    {
        std::array<float, 4> axis;
        std::vector<Entry> entries; // sorted by key
        // By palette index: a quarter of the squared distance to the nearest other
        // entry of the table. A colour closer to an entry than half that distance
        // has no nearer entry (triangle inequality).
        std::vector<float> quarterGap;
    };

    static Table makeTable(const std::vector<std::array<float, 4>>& colors, const std::vector<int>& indexes);
    static int search(const Table& table, const std::array<float, 4>& color, int hint,
                      const std::array<float, 4>* hintColor);

    std::vector<std::array<float, 4>> m_colors;
    std::vector<int> m_groups;
    std::vector<Table> m_tables; // one per group
    Table m_all;
};

} // namespace MGraphX
