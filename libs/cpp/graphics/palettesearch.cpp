#include "palettesearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace MGraphX {

namespace {

float dot(const std::array<float, 4>& a, const std::array<float, 4>& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3];
}

float distance(const std::array<float, 4>& a, const std::array<float, 4>& b)
{
    float sum = 0.0f;
    for (int c = 0; c < 4; ++c) {
        const float d = a[c] - b[c];
        sum += d * d;
    }
    return sum;
}

// The direction of the largest spread of the colours (power iteration on their
// covariance), as a unit vector; the grey diagonal when they do not spread.
std::array<float, 4> mainAxis(const std::vector<std::array<float, 4>>& colors,
                              const std::vector<int>& indexes)
{
    std::array<double, 4> axis = { 0.5, 0.5, 0.5, 0.5 };
    if (indexes.size() < 2)
        return { 0.5f, 0.5f, 0.5f, 0.5f };
    std::array<double, 4> mean {};
    for (int i : indexes) {
        for (int c = 0; c < 4; ++c)
            mean[c] += colors[size_t(i)][c];
    }
    for (double& m : mean)
        m /= double(indexes.size());
    double covariance[4][4] = {};
    for (int i : indexes) {
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c)
                covariance[r][c] += (colors[size_t(i)][r] - mean[r]) * (colors[size_t(i)][c] - mean[c]);
        }
    }
    for (int round = 0; round < 24; ++round) {
        std::array<double, 4> next {};
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c)
                next[r] += covariance[r][c] * axis[c];
        }
        const double length
            = std::sqrt(next[0] * next[0] + next[1] * next[1] + next[2] * next[2] + next[3] * next[3]);
        if (!(length > 1e-12))
            return { 0.5f, 0.5f, 0.5f, 0.5f };
        for (int c = 0; c < 4; ++c)
            axis[c] = next[c] / length;
    }
    return { float(axis[0]), float(axis[1]), float(axis[2]), float(axis[3]) };
}

} // namespace

PaletteSearch::PaletteSearch(const std::vector<std::array<float, 4>>& colors, const std::vector<int>& groups,
                             int groupCount)
    : m_colors(colors)
    , m_groups(colors.size(), -1)
{
    std::vector<std::vector<int>> members(size_t(std::max(groupCount, 0)));
    std::vector<int> all;
    for (size_t i = 0; i < colors.size(); ++i) {
        all.push_back(int(i));
        const int group = i < groups.size() ? groups[i] : -1;
        if (group >= 0 && group < groupCount) {
            m_groups[i] = group;
            members[size_t(group)].push_back(int(i));
        }
    }
    for (const std::vector<int>& indexes : members)
        m_tables.push_back(makeTable(colors, indexes));
    m_all = makeTable(colors, all);
}

PaletteSearch::Table PaletteSearch::makeTable(const std::vector<std::array<float, 4>>& colors,
                                              const std::vector<int>& indexes)
{
    Table table;
    table.axis = mainAxis(colors, indexes);
    for (int i : indexes)
        table.entries.push_back({ dot(colors[size_t(i)], table.axis), i, colors[size_t(i)] });
    std::sort(table.entries.begin(), table.entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
    table.quarterGap.assign(colors.size(), 0.0f);
    for (const Entry& a : table.entries) {
        float gap = -1.0f;
        for (const Entry& b : table.entries) {
            if (a.index != b.index) {
                const float d = distance(a.color, b.color);
                if (gap < 0.0f || d < gap)
                    gap = d;
            }
        }
        table.quarterGap[size_t(a.index)] = gap < 0.0f ? std::numeric_limits<float>::max() : 0.25f * gap;
    }
    return table;
}

int PaletteSearch::nearest(const std::array<float, 4>& color, int group, int hint) const
{
    const bool ownTable
        = group >= 0 && group < int(m_tables.size()) && !m_tables[size_t(group)].entries.empty();
    const Table& table = ownTable ? m_tables[size_t(group)] : m_all;
    const bool hintFits
        = hint >= 0 && hint < int(m_colors.size()) && (!ownTable || m_groups[size_t(hint)] == group);
    return search(table, color, hintFits ? hint : -1, hintFits ? &m_colors[size_t(hint)] : nullptr);
}

int PaletteSearch::search(const Table& table, const std::array<float, 4>& color, int hint,
                          const std::array<float, 4>* hintColor)
{
    const std::vector<Entry>& entries = table.entries;
    if (entries.empty())
        return -1;
    const float key = dot(color, table.axis);
    int best = hint;
    float bestDistance = hintColor ? distance(*hintColor, color) : 0.0f;
    if (hintColor && bestDistance <= table.quarterGap[size_t(hint)])
        return hint;

    const auto consider = [&](const Entry& e) {
        const float d = distance(e.color, color);
        if (best < 0 || d < bestDistance) {
            best = e.index;
            bestDistance = d;
        }
    };

    int up = int(std::lower_bound(entries.begin(), entries.end(), key,
                                  [](const Entry& e, float k) { return e.key < k; })
                 - entries.begin());
    int down = up - 1;
    const int count = int(entries.size());
    while (up < count || down >= 0) {
        if (up < count) {
            const float gap = entries[size_t(up)].key - key;
            if (best >= 0 && gap * gap >= bestDistance)
                up = count;
            else
                consider(entries[size_t(up++)]);
        }
        if (down >= 0) {
            const float gap = key - entries[size_t(down)].key;
            if (best >= 0 && gap * gap >= bestDistance)
                down = -1;
            else
                consider(entries[size_t(down--)]);
        }
    }
    return best;
}

} // namespace MGraphX
