#include "Region.h"

std::vector<RunRect> OpaqueRuns(const uint32_t* pixels, int width, int height, uint32_t key, size_t maxRects)
{
    std::vector<RunRect> out;
    std::vector<RunRect> prev;  // the previous row's runs, still open downwards
    std::vector<RunRect> row;
    for (int y = 0; y < height; ++y) {
        row.clear();
        const uint32_t* line = pixels + size_t(y) * size_t(width);
        for (int x = 0; x < width;) {
            if ((line[x] & 0xFFFFFF) == key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && (line[x] & 0xFFFFFF) != key)
                ++x;
            row.push_back({start, y, x, y + 1});
            if (out.size() + row.size() > maxRects)
                return {{0, 0, width, height}};
        }
        bool same = row.size() == prev.size();
        for (size_t i = 0; same && i < row.size(); ++i)
            same = row[i].Left == prev[i].Left && row[i].Right == prev[i].Right;
        if (same) {
            for (RunRect& r : prev)
                r.Bottom = y + 1;
        } else {
            out.insert(out.end(), prev.begin(), prev.end());
            prev = row;
        }
    }
    out.insert(out.end(), prev.begin(), prev.end());
    if (out.size() > maxRects)
        return {{0, 0, width, height}};
    return out;
}
