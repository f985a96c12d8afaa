#include "tally/SectionFlow.h"

#include <algorithm>
#include <climits>

namespace tally {
namespace {

struct Split {
    std::vector<int> columnOf;
    int columns = 0;
    int height = 0;
    int minimumWidth = 0;
    int preferredWidth = 0;
};

// The columns given by `cuts` (bit i set: a new column starts after section i).
Split splitAt(const std::vector<SectionSize> &sections, unsigned cuts, int spacing, int rowSpacing)
{
    Split split;
    const int n = int(sections.size());
    split.columnOf.resize(size_t(n));
    int column = 0, height = 0, minimum = 0, preferred = 0;
    auto closeColumn = [&] {
        split.height = std::max(split.height, height);
        split.minimumWidth += minimum;
        split.preferredWidth += preferred;
        height = minimum = preferred = 0;
    };
    for (int i = 0; i < n; ++i) {
        const SectionSize &s = sections[size_t(i)];
        split.columnOf[size_t(i)] = column;
        height += (height > 0 ? rowSpacing : 0) + s.preferred.height();
        minimum = std::max(minimum, s.minimum.width());
        preferred = std::max(preferred, s.preferred.width());
        if (i + 1 < n && (cuts >> i & 1u)) {
            closeColumn();
            ++column;
        }
    }
    closeColumn();
    split.columns = column + 1;
    split.minimumWidth += spacing * column;
    split.preferredWidth += spacing * column;
    return split;
}

bool better(const Split &a, const Split &b)
{
    if (a.height != b.height)
        return a.height < b.height;
    if (a.columns != b.columns)
        return a.columns < b.columns;
    return a.preferredWidth < b.preferredWidth;
}

} // namespace

SectionFlow arrangeSections(const std::vector<SectionSize> &sections, int availableWidth, int spacing, int rowSpacing,
                            bool squeeze)
{
    SectionFlow flow;
    const int n = int(sections.size());
    if (n == 0)
        return flow;
    // A handful of sections: every split is tried (2^(n-1) of them).
    const unsigned splits = 1u << std::min(n - 1, 16);
    auto bestSplit = [&](bool preferredFits) {
        Split best = splitAt(sections, 0u, spacing, rowSpacing);
        for (unsigned cuts = 1; cuts < splits; ++cuts) {
            const Split candidate = splitAt(sections, cuts, spacing, rowSpacing);
            const int width = preferredFits ? candidate.preferredWidth : candidate.minimumWidth;
            if (width <= availableWidth && better(candidate, best))
                best = candidate;
        }
        return best;
    };
    Split best = bestSplit(!squeeze);
    if (!squeeze && best.columns == 1 && best.preferredWidth > availableWidth)
        best = bestSplit(false);

    flow.columnOf = best.columnOf;
    std::vector<int> minimum(size_t(best.columns), 0), preferred(size_t(best.columns), 0);
    for (int i = 0; i < n; ++i) {
        const int c = best.columnOf[size_t(i)];
        minimum[size_t(c)] = std::max(minimum[size_t(c)], sections[size_t(i)].minimum.width());
        preferred[size_t(c)] = std::max(preferred[size_t(c)], sections[size_t(i)].preferred.width());
    }
    const int gaps = spacing * (best.columns - 1);
    const int room = std::max(0, availableWidth - gaps);
    const int sumMinimum = best.minimumWidth - gaps;
    const int sumPreferred = best.preferredWidth - gaps;
    int left = 0;
    for (int c = 0; c < best.columns; ++c) {
        int width = preferred[size_t(c)];
        if (room < sumPreferred) {
            const int give = sumPreferred - sumMinimum;
            width = minimum[size_t(c)] +
                    (give > 0 ? int((long long)(preferred[size_t(c)] - minimum[size_t(c)]) *
                                    std::max(0, room - sumMinimum) / give)
                              : 0);
        } else {
            width += (room - sumPreferred) / best.columns;
        }
        flow.columnLeft.push_back(left);
        flow.columnWidth.push_back(width);
        left += width + spacing;
    }
    flow.size = QSize(left - spacing, best.height);
    return flow;
}

} // namespace tally
